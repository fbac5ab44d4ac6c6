#include "Languages.h"

#include "FolderEntries.h"
#include "LanguageLibraryLoader.h"
#include "LocaleCodes.h"
#include "Localization.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include <array>
#include <exception>
#include <optional>

namespace {

// The program's executable name, which language library files are named after.
const QString ExecutableName = QStringLiteral("Calvextra");

struct LocaleRow
{
    const char *code;
    const char *region;
};

constexpr std::array<LocaleRow, 13> EnglishRows{{
    {"C09", " (Australia)"},
    {"2809", " (Belize)"},
    {"1009", " (Canada)"},
    {"2409", " (Caribbean)"},
    {"1809", " (Ireland)"},
    {"2009", " (Jamaica)"},
    {"1409", " (New Zealand)"},
    {"3409", " (Philippines)"},
    {"1C09", " (South Africa)"},
    {"2C09", " (Trinidad)"},
    {"809", " (United Kingdom)"},
    {"409", " (United States)"},
    {"3009", " (Zimbabwe)"},
}};
constexpr std::array<LocaleRow, 6> FrenchRows{{
    {"80C", " (Belgium)"},
    {"C0C", " (Canada)"},
    {"40C", " (France)"},
    {"140C", " (Luxembourg)"},
    {"180C", " (Monaco)"},
    {"100C", " (Switzerland)"},
}};
constexpr std::array<LocaleRow, 5> GermanRows{{
    {"C07", " (Austria)"},
    {"1407", " (Liechtenstein)"},
    {"1007", " (Luxembourg)"},
    {"407", " (Germany)"},
    {"807", " (Switzerland)"},
}};

std::optional<QString> regionOf(std::span<const LocaleRow> rows, const QString &code)
{
    for (const LocaleRow &row : rows) {
        if (code == QLatin1String(row.code))
            return QString::fromLatin1(row.region);
    }
    return std::nullopt;
}

std::optional<QString> &libraryFolderOverride()
{
    static std::optional<QString> folder;
    return folder;
}

void showMessageBox(const QString &text, const QString &title, LanguageMessageKind kind)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qWarning().noquote() << text;
        return;
    }
    const QString boxTitle = title.isEmpty() ? ApplicationTitle() : title;
    if (kind == LanguageMessageKind::Critical)
        QMessageBox::critical(nullptr, boxTitle, text, QMessageBox::Ok);
    else
        QMessageBox::information(nullptr, boxTitle, text, QMessageBox::Ok);
}

LanguageMessageHandler &messageHandler()
{
    static LanguageMessageHandler handler = showMessageBox;
    return handler;
}

void message(const QString &text, LanguageMessageKind kind = LanguageMessageKind::Information,
             const QString &title = QString())
{
    messageHandler()(text, title, kind);
}

// The code in a library's file name: what lies between "Lang" and ".dll" ("CalvextraLang407.dll"
// gives "407"). Empty when the name holds no "Lang" close enough before ".dll". Only the name
// counts: the program's folder may be called anything, "Lang" and ".dll" included.
QString codeInFileName(const QString &fileName)
{
    const qsizetype dll = fileName.indexOf(QLatin1String(".dll"), 0, Qt::CaseInsensitive);
    if (dll < 0)
        return QString();
    const qsizetype lang =
        fileName.indexOf(QLatin1String("Lang"), std::max<qsizetype>(dll - 9, 0), Qt::CaseInsensitive);
    if (lang < 0 || lang + 4 > dll)
        return QString();
    return fileName.mid(lang + 4, dll - (lang + 4));
}

// Registers the running language's library and makes its resources object.
bool loadCurrentLibrary(bool &result)
{
    const LanguageInfo &current = CurrentLanguage();
    if (!RegisterLanguageLibrary(current.LibraryPath)) {
        message(QStringLiteral("We could not register our langauge dll ") + current.LibraryPath
                    + QStringLiteral(" for some reason"),
                LanguageMessageKind::Critical, QStringLiteral("Error with Regsvr32.exe"));
        return false;
    }
    try {
        setLanguageResources(CreateLanguageResources(ExecutableName + QStringLiteral("Lang") + current.Code
                                                     + QStringLiteral(".clsResources")));
    } catch (const LanguageLibraryError &error) {
        // The object could not be made: texts stay English while the language keeps its code.
        message(error.Description);
        result = true;
        return true;
    }
    return false;
}

} // namespace

QString LanguageLibraryFolder()
{
    return libraryFolderOverride().value_or(QCoreApplication::applicationDirPath());
}

void setLanguageLibraryFolder(const QString &folder)
{
    libraryFolderOverride() = folder.isEmpty() ? std::nullopt : std::optional<QString>(folder);
}

void setLanguageMessageHandler(LanguageMessageHandler handler)
{
    messageHandler() = handler ? std::move(handler) : LanguageMessageHandler(showMessageBox);
}

bool GetLanguageInfo(const QString &code, LanguageInfo &info)
{
    info.Region.clear();
    info.Code = code;
    const std::pair<const char *, std::span<const LocaleRow>> languages[] = {
        {"English", EnglishRows}, {"French", FrenchRows}, {"German", GermanRows}};
    for (const auto &[name, rows] : languages) {
        info.LanguageName = QString::fromLatin1(name);
        if (const std::optional<QString> region = regionOf(rows, code)) {
            info.Region = *region;
            return true;
        }
    }
    return false;
}

QString LanguageCodeFromName(const QString &name)
{
    if (name.contains(QLatin1String("English"), Qt::CaseInsensitive))
        return QStringLiteral("409");
    if (name.contains(QLatin1String("German"), Qt::CaseInsensitive))
        return QStringLiteral("407");
    if (name.contains(QLatin1String("French"), Qt::CaseInsensitive))
        return QStringLiteral("40C");
    return QString();
}

void FindLanguageLibraries()
{
    QList<LanguageInfo> &libraries = LanguageLibraries();
    libraries.clear();
    const QString start = ExecutableName + QStringLiteral("Lang");
    const QFileInfoList files = EntriesNamed(QDir(LanguageLibraryFolder()), start, u".dll", QDir::Files);
    for (const QFileInfo &library : files) {
        const QString path = library.filePath();
        const QString code = codeInFileName(library.fileName());
        LanguageInfo entry;
        if (code.isEmpty()) {
            message(QStringLiteral("We could not determine the language code for the dll file called ") + path);
        } else if (LanguageInfo found; GetLanguageInfo(code, found)) {
            entry = found;
            entry.LibraryPath = path;
        } else {
            message(QStringLiteral("We are missing Langauge information for the code ") + code);
        }
        libraries.append(entry);
    }
}

bool SelectLanguageLibrary()
{
    for (const LanguageInfo &library : LanguageLibraries()) {
        if (!library.Code.isEmpty() && library.Code == CurrentLanguage().Code) {
            CurrentLanguage().LibraryPath = library.LibraryPath;
            return true;
        }
    }
    return false;
}

bool InitLanguage()
{
    bool result = false;
    try {
        setLanguageResources(nullptr);
        FindLanguageLibraries();
        const QString userCode = LocaleCode(UserLocale());
        LanguageSetting() = ReadSetting(QStringLiteral("Language"));

        LanguageInfo info;
        const QString &setting = LanguageSetting();
        bool found = (setting.isEmpty() || setting == QLatin1String("Default"))
                         ? GetLanguageInfo(userCode, info)
                         : GetLanguageInfo(LanguageCodeFromName(setting), info);
        if (!found && !GetLanguageInfo(QStringLiteral("409"), info)) {
            message(QStringLiteral("Could not find language information for English US"), LanguageMessageKind::Critical);
            return false;
        }

        // Every French locale is served by the library of France, every German one by Germany's.
        const char *libraryCode = info.LanguageName == QLatin1String("French")   ? "40C"
                                  : info.LanguageName == QLatin1String("German") ? "407"
                                                                                 : nullptr;
        if (libraryCode) {
            if (GetLanguageInfo(QString::fromLatin1(libraryCode), CurrentLanguage()) && SelectLanguageLibrary())
                result = true;
        }

        if (result && !CurrentLanguage().LibraryPath.isEmpty()) {
            if (loadCurrentLibrary(result))
                return result;
        }

        if (!LanguageResources()) {
            CurrentLanguage().LibraryPath.clear();
            GetLanguageInfo(QStringLiteral("409"), CurrentLanguage());
        }
        return true;
    } catch (const std::exception &error) {
        message(QString::fromLocal8Bit(error.what()));
        return result;
    }
}

void ChangeLanguage(const QAction *menuItem)
{
    QString choice = menuItem->text();
    if (choice == QLatin1String("Englisch"))
        choice = QStringLiteral("English");
    else if (choice == QLatin1String("Sprache: Voreinstellung"))
        choice = QStringLiteral("Default");
    else if (choice == QLatin1String("Deutsch"))
        choice = QStringLiteral("German");
    LanguageSetting() = choice;
    // The switch does not wait for the disk: the choice holds at once and is written beside it.
    WriteSettingInBackground(QStringLiteral("Language"), choice);
    InitLanguage();
}

void BuildLanguageMenu(std::span<QAction *const> items)
{
    if (items.empty())
        return;
    const qsizetype last = qsizetype(items.size()) - 1;
    for (QAction *item : items) {
        item->setCheckable(true);
        item->setChecked(false);
    }
    items[0]->setText(GetLocalizedString(QStringLiteral("Default<0674>")));
    items[0]->setVisible(true);
    items[0]->setEnabled(true);
    for (qsizetype i = 1; i < last; ++i) {
        items[std::size_t(i)]->setText(QString());
        items[std::size_t(i)]->setVisible(false);
    }
    if (last >= 1) {
        items[1]->setText(GetLocalizedString(QStringLiteral("English<0675>")));
        items[1]->setVisible(true);
        items[1]->setEnabled(true);
    }

    const QList<LanguageInfo> &libraries = LanguageLibraries();
    const CLanguageName names;
    for (qsizetype i = 1; i <= libraries.size() && i <= last - 2; ++i) {
        QAction *item = items[std::size_t(i + 2)];
        item->setText(names.GetMenuCaption(libraries[i - 1].LanguageName, CurrentLanguage().Code));
        item->setVisible(true);
        item->setEnabled(true);
    }

    const QString &setting = LanguageSetting();
    if (setting.isEmpty() || setting == QLatin1String("Default")) {
        items[0]->setChecked(true);
    } else if (setting != QLatin1String("English")) {
        for (qsizetype i = 1; i <= libraries.size() && i <= last - 2; ++i) {
            if (libraries[i - 1].LanguageName.contains(setting, Qt::CaseInsensitive)) {
                items[std::size_t(i + 2)]->setChecked(true);
                break;
            }
        }
    } else if (last >= 1) {
        items[1]->setChecked(true);
    }
}

QString CLanguageName::GetMenuCaption(const QString &languageName, const QString &currentCode) const
{
    return languageName == QLatin1String("German") ? GermanMenuCaption(currentCode) : QString();
}

QString CLanguageName::GermanMenuCaption(const QString &currentCode) const
{
    return currentCode == QLatin1String("407") ? QStringLiteral("Deutsch") : QStringLiteral("German");
}
