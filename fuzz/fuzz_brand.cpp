// libFuzzer target for the brand-file reader.
//
// Input: the bytes of a brand file. They are read three ways: joined into text and searched for
// the six keys directly, loaded from a real "AppData" file as at start-up, and cut into six
// values from which a well-formed brand file is built and read back. Every invariant that must
// hold for any file is checked; a broken one aborts with the text involved.

#include "Brand.h"
#include "CCustomBrand.h"
#include "FuzzCheck.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QStringList Keys = {QStringLiteral("CompanyName"),    QStringLiteral("CompanyURL"),
                          QStringLiteral("SupportEmail"),   QStringLiteral("SupportURL"),
                          QStringLiteral("SubscribeEmail"), QStringLiteral("ErrorReportEmail")};

const QString ProblemText = QStringLiteral("There appears to be a problem with a file \r\n"
                                           "file included in the setup of this \r\n"
                                           "application.  Please try re-installing \r\n"
                                           "the software.  \r\n"
                                           "\r\n");

QStringList g_messages;
QString g_text;  // the joined text of the current input, for the report of a broken invariant

[[noreturn]] void broken(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "Broken invariant: %s\n  text: \"%s\"\n  %s\n", invariant, g_text.toUtf8().constData(),
                 detail.toUtf8().constData());
    std::abort();
}

QStringList values(const BrandValues &brand)
{
    return {brand.CompanyName,  brand.CompanyURL,     brand.SupportEmail,
            brand.SupportURL,   brand.SubscribeEmail, brand.ErrorReportEmail};
}

// A value either reports exactly one problem and is empty, or is the text between the ">" after
// the key's first occurrence and the "</" two characters before the key's next occurrence.
QString checkedValue(const QString &text, const QString &key)
{
    g_messages.clear();
    const QString value = CCustomBrand::GetBrandValue(text, key);
    CHECK(g_messages.size() <= 1, key);
    if (!g_messages.isEmpty()) {
        CHECK(value.isEmpty(), key + QStringLiteral(": ") + value);
        CHECK(g_messages.first().startsWith(ProblemText), g_messages.first());
        CHECK(g_messages.first().endsWith(key), g_messages.first());
        return value;
    }
    const qsizetype first = text.indexOf(key);
    CHECK(first >= 0, key);
    const qsizetype start = first + key.size() + 1;
    CHECK(QStringView(text).mid(start, value.size()) == value, key + QStringLiteral(": ") + value);
    CHECK(text.indexOf(key, start) == start + value.size() + 2, key + QStringLiteral(": ") + value);
    CHECK(!value.contains(key), key + QStringLiteral(": ") + value);
    return value;
}

// A value that cannot break the file: no key names in it.
QString withoutKeys(QString value)
{
    bool removed = true;
    while (removed) {
        removed = false;
        for (const QString &key : Keys) {
            if (value.contains(key)) {
                value.remove(key);
                removed = true;
            }
        }
    }
    return value;
}

// Writes the bytes as the brand file of a folder of this process and loads it.
CCustomBrand loadFile(const QByteArray &bytes)
{
    static QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(QStringLiteral("AppData")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    CCustomBrand brand(folder.path());
    brand.LoadBrand();
    return brand;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool quiet = [] {
        CCustomBrand::setMessageHandler([](const QString &text) { g_messages.append(text); });
        return true;
    }();
    Q_UNUSED(quiet);

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    g_text = CCustomBrand::JoinBrandLines(bytes);
    CHECK(!g_text.contains(QLatin1Char('\r')) && !g_text.contains(QLatin1Char('\n')), QString());

    QStringList direct;
    int problems = 0;
    for (const QString &key : Keys) {
        direct.append(checkedValue(g_text, key));
        problems += int(g_messages.size());
    }

    // The file read at start-up: the same text, the same values, the same messages.
    g_messages.clear();
    const CCustomBrand brand = loadFile(bytes);
    CHECK(brand.IsCustomBrand(), QString());
    CHECK(brand.BrandText() == g_text, brand.BrandText());
    CHECK(values(Brand()) == direct, values(Brand()).join(QLatin1Char('|')));
    CHECK(g_messages.size() == problems, QString::number(g_messages.size()));

    // A well-formed file made of the text's first six "|"-separated pieces, with line breaks
    // wherever the input had a "~", reads back exactly, without a message.
    QStringList pieces = g_text.split(QLatin1Char('|'));
    pieces.resize(Keys.size());
    QByteArray file;
    QStringList expected;
    for (qsizetype i = 0; i < Keys.size(); ++i) {
        QString value = pieces[i];
        value.remove(QLatin1Char('~'));
        value = QString::fromUtf8(withoutKeys(value).toUtf8());
        expected.append(value);
        const qsizetype breakAt = pieces[i].indexOf(QLatin1Char('~'));
        const QByteArray inFile = breakAt < 0 || breakAt > value.size()
                                      ? value.toUtf8()
                                      : value.left(breakAt).toUtf8() + "\r\n" + value.mid(breakAt).toUtf8();
        file += '<' + Keys[i].toUtf8() + '>' + inFile + "</" + Keys[i].toUtf8() + ">\n";
    }
    g_messages.clear();
    loadFile(file);
    CHECK(g_messages.isEmpty(), g_messages.join(QLatin1Char('|')));
    CHECK(values(Brand()) == expected, values(Brand()).join(QLatin1Char('|')) + QStringLiteral(" != ") + expected.join(QLatin1Char('|')));
    return 0;
}
