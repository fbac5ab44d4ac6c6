// libFuzzer target for the discovery of language library files in the program's folder.
//
// Input: the first byte shapes the names (bit 0: "CalvextraLang" is put before each, bit 1:
// ".dll" after each); the rest is a list of file names, one per line (UTF-8). Files of those
// names are made in a folder and the discovery lists them, once in a plain folder and once in a
// folder whose own name looks like a library's. Every invariant that must hold for any names is
// checked; a broken one aborts with the names and what was discovered.

#include "FuzzCheck.h"
#include "LanguageState.h"
#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype MaxFiles = 24;

QStringList g_names;
QStringList g_messages;

QString describe(const QList<LanguageInfo> &libraries)
{
    QStringList items;
    for (const LanguageInfo &info : libraries)
        items.append(QStringLiteral("{%1|%2|%3|%4}").arg(info.LanguageName, info.Region, info.Code, info.LibraryPath));
    return items.join(QLatin1String(", "));
}

[[noreturn]] void broken(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "Broken invariant: %s\n  names: \"%s\"\n  %s\n  discovered: %s\n  messages: %s\n", invariant,
                 g_names.join(QLatin1String("\" \"")).toUtf8().constData(), detail.toUtf8().constData(),
                 describe(LanguageLibraries()).toUtf8().constData(),
                 g_messages.join(QLatin1String(" | ")).toUtf8().constData());
    std::abort();
}

// A name a file can have in one folder.
bool usableName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) && name.toUtf8().size() <= 255
        && QString::fromUtf8(name.toUtf8()) == name;
}

// What the discovery lists: "Calvextra", "Lang", anything, ".dll", in any case.
bool looksLikeLibrary(const QString &name)
{
    return name.size() >= 17 && name.startsWith(QLatin1String("CalvextraLang"), Qt::CaseInsensitive)
        && name.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive);
}

void makeFiles(const QString &folder, const QStringList &names)
{
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder))
        std::abort();
    for (const QString &name : names) {
        // Not QDir::filePath: a name beginning with ":" would be taken for a resource path.
        QFile file(folder + QLatin1Char('/') + name);
        CHECK(file.open(QIODevice::WriteOnly), QStringLiteral("%1 cannot be made: %2").arg(name, file.errorString()));
    }
}

struct Discovery
{
    QList<LanguageInfo> libraries;
    QStringList messages;
};

Discovery discover(const QString &folder)
{
    g_messages.clear();
    setLanguageLibraryFolder(folder);
    FindLanguageLibraries();
    return {LanguageLibraries(), g_messages};
}

// The discovery in one folder: an entry per listed file; an entry is either a language the table
// knows, with the file's path and the code its name holds between "Lang" and ".dll", or empty with
// one message about the file.
void checkDiscovery(const Discovery &found, const QString &folder, const QStringList &names)
{
    QStringList listed;
    for (const QString &name : names) {
        if (looksLikeLibrary(name))
            listed.append(name);
    }
    CHECK(found.libraries.size() == listed.size(), QStringLiteral("%1 files listed").arg(listed.size()));

    qsizetype empty = 0;
    QSet<QString> paths;
    for (const LanguageInfo &info : found.libraries) {
        if (info.Code.isEmpty()) {
            CHECK(info.LanguageName.isEmpty() && info.Region.isEmpty() && info.LibraryPath.isEmpty(), describe({info}));
            ++empty;
            continue;
        }
        const QString name = info.LibraryPath.mid(folder.size() + 1);
        CHECK(info.LibraryPath == QDir(folder).filePath(name) && listed.contains(name), describe({info}));
        CHECK(!paths.contains(name), describe({info}));
        paths.insert(name);

        LanguageInfo known;
        CHECK(GetLanguageInfo(info.Code, known) && known.LanguageName == info.LanguageName && known.Region == info.Region,
              describe({info}));
        const qsizetype dll = name.indexOf(QLatin1String(".dll"), 0, Qt::CaseInsensitive);
        CHECK(dll >= 4 + info.Code.size(), describe({info}));
        CHECK(name.mid(dll - info.Code.size(), info.Code.size()) == info.Code
                  && name.mid(dll - info.Code.size() - 4, 4).compare(QLatin1String("Lang"), Qt::CaseInsensitive) == 0,
              QStringLiteral("the code is not what the name holds before \".dll\": ") + describe({info}));
    }
    CHECK(found.messages.size() == empty, QString::number(empty));
    // A message names the file whose code could not be found, or the code the table lacks.
    for (const QString &text : found.messages)
        CHECK(text.startsWith(QLatin1String("We could not determine the language code for the dll file called ") + folder
                              + QLatin1Char('/'))
                  || text.startsWith(QLatin1String("We are missing Langauge information for the code ")),
              text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    setLanguageMessageHandler([](const QString &text, const QString &, LanguageMessageKind) { g_messages.append(text); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir work(QDir::tempPath() + QStringLiteral("/fuzz_languagefiles-XXXXXX"));
    if (!work.isValid())
        std::abort();
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)).split(QLatin1Char('\n'));
    g_names.clear();
    for (QString name : lines) {
        if (control & 1)
            name.prepend(QStringLiteral("CalvextraLang"));
        if (control & 2)
            name.append(QStringLiteral(".dll"));
        if (usableName(name) && !g_names.contains(name) && g_names.size() < MaxFiles)
            g_names.append(name);
    }

    const QString plain = work.filePath(QStringLiteral("plain"));
    makeFiles(plain, g_names);
    const Discovery inPlain = discover(plain);
    checkDiscovery(inPlain, plain, g_names);

    // The program's folder may be called anything, even like a library file: only the file names
    // count.
    const QString odd = work.filePath(QStringLiteral("CalvextraLang407.dll"));
    makeFiles(odd, g_names);
    const Discovery inOdd = discover(odd);
    checkDiscovery(inOdd, odd, g_names);
    CHECK(inOdd.libraries.size() == inPlain.libraries.size(), describe(inOdd.libraries));
    for (qsizetype i = 0; i < inPlain.libraries.size(); ++i) {
        LanguageInfo moved = inPlain.libraries[i];
        if (!moved.LibraryPath.isEmpty())
            moved.LibraryPath = odd + moved.LibraryPath.mid(plain.size());
        const LanguageInfo &other = inOdd.libraries[i];
        CHECK(moved.LanguageName == other.LanguageName && moved.Region == other.Region && moved.Code == other.Code
                  && moved.LibraryPath == other.LibraryPath,
              QStringLiteral("in the folder %1: %2, elsewhere: %3").arg(odd, describe({other}), describe({moved})));
    }
    setLanguageLibraryFolder(QString());
    return 0;
}
