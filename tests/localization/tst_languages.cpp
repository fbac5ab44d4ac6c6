#include "EnglishStringTable.h"
#include "LanguageLibraryLoader.h"
#include "LanguageResources.h"
#include "LanguageState.h"
#include "Languages.h"
#include "LocaleCodes.h"
#include "Localization.h"
#include "Settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// A message of the language module as the user would have seen it.
struct Message
{
    QString text;
    QString title;
    LanguageMessageKind kind;
};

QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Brontolux"_qs, u"Calvextra"_qs);
}

// "x<0636>": a tagged text of the id; the lookup goes by the tag alone.
QString tagged(qint32 id)
{
    return u"x<%1>"_qs.arg(id, 4, 10, QLatin1Char('0'));
}

qsizetype trailingBlanks(const QString &text)
{
    qsizetype count = 0;
    while (count < text.size() && text.at(text.size() - 1 - count) == QLatin1Char(' '))
        ++count;
    return count;
}

// A stand-in for a library left over from an earlier language start.
class StaleResources : public clsResources
{
public:
    QString GetResourceString(qint32 &) override { return u"stale"_qs; }
};

// The language submenu of the window: eleven items, item 0 visible, the others hidden, all
// without captions, as the form holds them.
class LanguageMenu
{
public:
    LanguageMenu()
    {
        for (std::size_t i = 0; i < items.size(); ++i) {
            items[i] = new QAction(&owner);
            items[i]->setVisible(i == 0);
        }
    }

    // The state an earlier build may have left behind on items 0-9: captions, check marks,
    // visible items. Item 10 keeps the form's state.
    void makeStale()
    {
        for (std::size_t i = 0; i + 1 < items.size(); ++i) {
            items[i]->setText(u"stale"_qs);
            items[i]->setVisible(true);
            items[i]->setEnabled(false);
            items[i]->setCheckable(true);
            items[i]->setChecked(true);
        }
    }

    void build() { BuildLanguageMenu(items); }

    QStringList captions() const
    {
        QStringList texts;
        for (const QAction *item : items)
            texts.append(item->text());
        return texts;
    }
    // "V" for a visible item, "." for a hidden one.
    QString visibility() const
    {
        QString mask;
        for (const QAction *item : items)
            mask.append(item->isVisible() ? QLatin1Char('V') : QLatin1Char('.'));
        return mask;
    }
    QList<int> checkedItems() const
    {
        QList<int> checked;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i]->isChecked())
                checked.append(int(i));
        }
        return checked;
    }
    bool visibleItemsEnabled() const
    {
        return std::all_of(items.begin(), items.end(),
                           [](const QAction *item) { return !item->isVisible() || item->isEnabled(); });
    }

    QObject owner;
    std::array<QAction *, 11> items{};
};

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> programFolder;
    QList<Message> messages;

    QString pathOf(const QString &fileName) const { return QDir(programFolder->path()).filePath(fileName); }
    // Puts files into the program folder. Each is "name=german", "name=french" (a copy of that
    // library) or "name=garbage" (bytes that are no library at all).
    bool addFiles(const QStringList &files);
    void useLocale(const QString &name);
    static void storeLanguage(const QString &value) { openStore().setValue(u"Language"_qs, value); }
    QStringList messageTexts() const;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // First: it needs a run in which no French library has been registered yet.
    void libraryWhoseClassCannotBeCreated();

    void localeCode_data();
    void localeCode();
    void userLocaleFollowsTheOverride();

    void languageInfoTable_data();
    void languageInfoTable();
    void languageInfoUnknownCode_data();
    void languageInfoUnknownCode();
    void languageInfoKeepsLibraryPath();
    void languageCodeFromName_data();
    void languageCodeFromName();

    void findLibrariesInListingOrder();
    void findLibrariesUnknownCode_data();
    void findLibrariesUnknownCode();
    void findLibrariesWithoutFiles();
    void findLibrariesForgetsEarlierFolder();
    void findLibrariesInAFolderNamedLikeOne();

    void selectLanguageLibrary_data();
    void selectLanguageLibrary();
    void selectWithoutLibraries();

    void initLanguage_data();
    void initLanguage();
    void frenchLibraryFallsBackToEnglish_data();
    void frenchLibraryFallsBackToEnglish();
    void libraryThatCannotBeRegistered_data();
    void libraryThatCannotBeRegistered();

    void menuCaptions_data();
    void menuCaptions();
    void menuShowsAtMostEightLibraries();
    void menuAfterTheLibraryIsGone();
    void menuCaptionOfLanguage_data();
    void menuCaptionOfLanguage();

    void changeLanguage_data();
    void changeLanguage();
    void roundTripThroughTheMenu();

    void germanLibraryHasEveryId();
    void germanLibraryTellingRows_data();
    void germanLibraryTellingRows();
    void germanLibraryLacksOtherIds_data();
    void germanLibraryLacksOtherIds();
    void germanLibraryFile();
};

bool TestLanguages::addFiles(const QStringList &files)
{
    for (const QString &file : files) {
        const qsizetype split = file.lastIndexOf(QLatin1Char('='));
        const QString name = file.left(split);
        const QString content = file.mid(split + 1);
        const QString target = pathOf(name);
        bool written = false;
        if (content == QLatin1String("german")) {
            written = QFile::copy(QStringLiteral(GERMAN_LIBRARY), target);
        } else if (content == QLatin1String("french")) {
            written = QFile::copy(QStringLiteral(FRENCH_TEST_LIBRARY), target);
        } else if (content == QLatin1String("garbage")) {
            QFile garbage(target);
            written = garbage.open(QIODevice::WriteOnly)
                      && garbage.write(QByteArray("This is no language library.\n").repeated(64)) > 0;
        }
        if (!written) {
            qWarning("could not write %s", qPrintable(file));
            return false;
        }
    }
    return true;
}

void TestLanguages::useLocale(const QString &name)
{
    const QLocale locale(name);
    setUserLocaleOverride(&locale);
}

QStringList TestLanguages::messageTexts() const
{
    QStringList texts;
    for (const Message &message : messages)
        texts.append(message.text);
    return texts;
}

void TestLanguages::initTestCase()
{
    // Never the real user's settings: without a private settings folder the test makes one.
    static QTemporaryDir settingsFolder;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    QVERIFY(QFileInfo::exists(QStringLiteral(GERMAN_LIBRARY)));
    QVERIFY(QFileInfo::exists(QStringLiteral(FRENCH_TEST_LIBRARY)));
}

void TestLanguages::init()
{
    // A write still under way from the test before would land in the emptied store.
    DiscardUnsavedSettings();
    openStore().clear();
    // The folder's own name holds "Lang" and a blank; neither may be taken for part of a
    // library's name.
    programFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/Calvextra Language Files-XXXXXX"_qs);
    QVERIFY(programFolder->isValid());
    setLanguageLibraryFolder(programFolder->path());
    messages.clear();
    setLanguageMessageHandler([this](const QString &text, const QString &title, LanguageMessageKind kind) {
        messages.append({text, title, kind});
    });
    // A failing library call would otherwise open a message box.
    setLocalizationErrorHandler([](const QString &description) { QFAIL(qPrintable(description)); });
}

void TestLanguages::cleanup()
{
    setUserLocaleOverride(nullptr);
    setLanguageLibraryFolder(QString());
    setLanguageMessageHandler(nullptr);
    setLocalizationErrorHandler(nullptr);
    setLanguageResources(nullptr);
    CurrentLanguage() = LanguageInfo::EnglishUnitedStates();
    LanguageSetting().clear();
    LanguageLibraries().clear();
    programFolder.reset();
}

// ---- A library that registers but does not provide the class of its file name ----

void TestLanguages::libraryWhoseClassCannotBeCreated()
{
    try {
        CreateLanguageResources(u"CalvextraLang40C.clsResources"_qs);
        QSKIP("a French library was registered earlier in this run");
    } catch (const LanguageLibraryError &) {
    }
    // The German library under the French name registers its own class, not the French one.
    QVERIFY(addFiles({u"CalvextraLang40C.dll=german"_qs}));
    useLocale(u"fr_FR"_qs);

    QVERIFY(InitLanguage());

    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().text.contains(u"CalvextraLang40C.clsResources"_qs), qPrintable(messages.first().text));
    QVERIFY(!LanguageResources());
    // The language keeps its code and library while the texts come from the English table.
    QCOMPARE(CurrentLanguage().LanguageName, u"French"_qs);
    QCOMPARE(CurrentLanguage().Code, u"40C"_qs);
    QCOMPARE(CurrentLanguage().LibraryPath, pathOf(u"CalvextraLang40C.dll"_qs));
    QCOMPARE(GetLocalizedString(u"Y<0636>"_qs), u"Y"_qs);
}

// ---- The user's locale as a locale code ----

void TestLanguages::localeCode_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");

    QTest::newRow("de_AT") << u"de_AT"_qs << u"C07"_qs;
    QTest::newRow("de_DE") << u"de_DE"_qs << u"407"_qs;
    QTest::newRow("de_CH") << u"de_CH"_qs << u"807"_qs;
    QTest::newRow("de_LI") << u"de_LI"_qs << u"1407"_qs;
    QTest::newRow("de_LU") << u"de_LU"_qs << u"1007"_qs;
    QTest::newRow("en_US") << u"en_US"_qs << u"409"_qs;
    QTest::newRow("en_GB") << u"en_GB"_qs << u"809"_qs;
    QTest::newRow("en_AU") << u"en_AU"_qs << u"C09"_qs;
    QTest::newRow("en_CA") << u"en_CA"_qs << u"1009"_qs;
    QTest::newRow("en_IE") << u"en_IE"_qs << u"1809"_qs;
    QTest::newRow("en_NZ") << u"en_NZ"_qs << u"1409"_qs;
    QTest::newRow("en_ZA") << u"en_ZA"_qs << u"1C09"_qs;
    QTest::newRow("en_JM") << u"en_JM"_qs << u"2009"_qs;
    QTest::newRow("en_BZ") << u"en_BZ"_qs << u"2809"_qs;
    QTest::newRow("en_TT") << u"en_TT"_qs << u"2C09"_qs;
    QTest::newRow("en_PH") << u"en_PH"_qs << u"3409"_qs;
    QTest::newRow("en_ZW") << u"en_ZW"_qs << u"3009"_qs;
    QTest::newRow("fr_FR") << u"fr_FR"_qs << u"40C"_qs;
    QTest::newRow("fr_CA") << u"fr_CA"_qs << u"C0C"_qs;
    QTest::newRow("fr_BE") << u"fr_BE"_qs << u"80C"_qs;
    QTest::newRow("fr_CH") << u"fr_CH"_qs << u"100C"_qs;
    QTest::newRow("fr_LU") << u"fr_LU"_qs << u"140C"_qs;
    QTest::newRow("fr_MC") << u"fr_MC"_qs << u"180C"_qs;
    QTest::newRow("pt_PT") << u"pt_PT"_qs << u"816"_qs;
}

void TestLanguages::localeCode()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    const QLocale qlocale(locale);
    QCOMPARE(qlocale.name(), locale);
    QCOMPARE(LocaleCode(qlocale), code);
}

void TestLanguages::userLocaleFollowsTheOverride()
{
    const QLocale austrian(QLocale::German, QLocale::Austria);
    setUserLocaleOverride(&austrian);
    QCOMPARE(LocaleCode(UserLocale()), u"C07"_qs);

    // A locale the program has no code for gives a code that no language claims.
    const QLocale swahili(QLocale::Swahili, QLocale::Kenya);
    setUserLocaleOverride(&swahili);
    const QString unknown = LocaleCode(UserLocale());
    QVERIFY(!unknown.isEmpty());
    LanguageInfo info;
    QVERIFY2(!GetLanguageInfo(unknown, info), qPrintable(unknown));

    setUserLocaleOverride(nullptr);
    QCOMPARE(UserLocale(), QLocale::system());
}

// ---- The locale table ----

void TestLanguages::languageInfoTable_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("region");

    QTest::newRow("C09") << u"C09"_qs << u"English"_qs << u" (Australia)"_qs;
    QTest::newRow("2809") << u"2809"_qs << u"English"_qs << u" (Belize)"_qs;
    QTest::newRow("1009") << u"1009"_qs << u"English"_qs << u" (Canada)"_qs;
    QTest::newRow("2409") << u"2409"_qs << u"English"_qs << u" (Caribbean)"_qs;
    QTest::newRow("1809") << u"1809"_qs << u"English"_qs << u" (Ireland)"_qs;
    QTest::newRow("2009") << u"2009"_qs << u"English"_qs << u" (Jamaica)"_qs;
    QTest::newRow("1409") << u"1409"_qs << u"English"_qs << u" (New Zealand)"_qs;
    QTest::newRow("3409") << u"3409"_qs << u"English"_qs << u" (Philippines)"_qs;
    QTest::newRow("1C09") << u"1C09"_qs << u"English"_qs << u" (South Africa)"_qs;
    QTest::newRow("2C09") << u"2C09"_qs << u"English"_qs << u" (Trinidad)"_qs;
    QTest::newRow("809") << u"809"_qs << u"English"_qs << u" (United Kingdom)"_qs;
    QTest::newRow("409") << u"409"_qs << u"English"_qs << u" (United States)"_qs;
    QTest::newRow("3009") << u"3009"_qs << u"English"_qs << u" (Zimbabwe)"_qs;
    QTest::newRow("80C") << u"80C"_qs << u"French"_qs << u" (Belgium)"_qs;
    QTest::newRow("C0C") << u"C0C"_qs << u"French"_qs << u" (Canada)"_qs;
    QTest::newRow("40C") << u"40C"_qs << u"French"_qs << u" (France)"_qs;
    QTest::newRow("140C") << u"140C"_qs << u"French"_qs << u" (Luxembourg)"_qs;
    QTest::newRow("180C") << u"180C"_qs << u"French"_qs << u" (Monaco)"_qs;
    QTest::newRow("100C") << u"100C"_qs << u"French"_qs << u" (Switzerland)"_qs;
    QTest::newRow("C07") << u"C07"_qs << u"German"_qs << u" (Austria)"_qs;
    QTest::newRow("1407") << u"1407"_qs << u"German"_qs << u" (Liechtenstein)"_qs;
    QTest::newRow("1007") << u"1007"_qs << u"German"_qs << u" (Luxembourg)"_qs;
    QTest::newRow("407") << u"407"_qs << u"German"_qs << u" (Germany)"_qs;
    QTest::newRow("807") << u"807"_qs << u"German"_qs << u" (Switzerland)"_qs;
}

void TestLanguages::languageInfoTable()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, region);
    // Left over from an earlier lookup: every field but the path must be replaced.
    LanguageInfo info{u"French"_qs, u" (Monaco)"_qs, u"180C"_qs, QString()};
    QVERIFY(GetLanguageInfo(code, info));
    QCOMPARE(info.LanguageName, name);
    QCOMPARE(info.Region, region);
    QCOMPARE(info.Code, code);
    QCOMPARE(info.LibraryPath, QString());
}

void TestLanguages::languageInfoUnknownCode_data()
{
    QTest::addColumn<QString>("code");

    QTest::newRow("816 Portugal") << u"816"_qs;
    QTest::newRow("ABC") << u"ABC"_qs;
    QTest::newRow("empty") << QString();
    QTest::newRow("lower-case c07") << u"c07"_qs;
    QTest::newRow("leading zero 0407") << u"0407"_qs;
    QTest::newRow("7F invariant") << u"7F"_qs;
}

void TestLanguages::languageInfoUnknownCode()
{
    QFETCH(QString, code);
    LanguageInfo info{u"English"_qs, u" (Canada)"_qs, u"1009"_qs, QString()};
    QVERIFY(!GetLanguageInfo(code, info));
    QCOMPARE(info.LanguageName, u"German"_qs);
    QCOMPARE(info.Region, QString());
    QCOMPARE(info.Code, code);
}

void TestLanguages::languageInfoKeepsLibraryPath()
{
    LanguageInfo info{QString(), QString(), QString(), u"/somewhere/CalvextraLang407.dll"_qs};
    QVERIFY(GetLanguageInfo(u"C07"_qs, info));
    QCOMPARE(info.LibraryPath, u"/somewhere/CalvextraLang407.dll"_qs);
    QVERIFY(!GetLanguageInfo(u"ABC"_qs, info));
    QCOMPARE(info.LibraryPath, u"/somewhere/CalvextraLang407.dll"_qs);
}

void TestLanguages::languageCodeFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    QTest::newRow("English") << u"English"_qs << u"409"_qs;
    QTest::newRow("german") << u"german"_qs << u"407"_qs;
    QTest::newRow("GERMAN") << u"GERMAN"_qs << u"407"_qs;
    QTest::newRow("French") << u"French"_qs << u"40C"_qs;
    QTest::newRow("contains English") << u"English (United States)"_qs << u"409"_qs;
    QTest::newRow("Swiss German") << u"Swiss German"_qs << u"407"_qs;
    QTest::newRow("English before German") << u"German English"_qs << u"409"_qs;
    QTest::newRow("German before French") << u"French German"_qs << u"407"_qs;
    QTest::newRow("Default") << u"Default"_qs << QString();
    QTest::newRow("Deutsch") << u"Deutsch"_qs << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestLanguages::languageCodeFromName()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(LanguageCodeFromName(name), code);
}

// ---- Finding the library files ----

void TestLanguages::findLibrariesInListingOrder()
{
    QVERIFY(addFiles({u"CalvextraLangABC.dll=garbage"_qs, u"CalvextraLang40C.dll=french"_qs,
                      u"CalvextraLang407.dll=german"_qs, u"CalvextraLang807.dll=garbage"_qs,
                      u"CalvextraLang.dll=garbage"_qs, u"CalvextraLang809.dll=garbage"_qs,
                      u"calvextralangC07.DLL=garbage"_qs,
                      // Not language libraries of this program.
                      u"OtherLang407.dll=german"_qs, u"CalvextraLang407.txt=german"_qs,
                      u"CalvextraLang407.dll.bak=german"_qs, u"Calvextra407.dll=german"_qs}));
    QVERIFY(QDir(programFolder->path()).mkdir(u"CalvextraLang80C.dll"_qs));

    FindLanguageLibraries();

    const QList<LanguageInfo> &libraries = LanguageLibraries();
    QCOMPARE(libraries.size(), 7);
    const auto check = [&libraries](int i, const QString &name, const QString &region, const QString &code,
                                     const QString &path) {
        QCOMPARE(libraries[i].LanguageName, name);
        QCOMPARE(libraries[i].Region, region);
        QCOMPARE(libraries[i].Code, code);
        QCOMPARE(libraries[i].LibraryPath, path);
    };
    check(0, QString(), QString(), QString(), QString());
    check(1, u"German"_qs, u" (Germany)"_qs, u"407"_qs, pathOf(u"CalvextraLang407.dll"_qs));
    check(2, u"French"_qs, u" (France)"_qs, u"40C"_qs, pathOf(u"CalvextraLang40C.dll"_qs));
    check(3, u"German"_qs, u" (Switzerland)"_qs, u"807"_qs, pathOf(u"CalvextraLang807.dll"_qs));
    check(4, u"English"_qs, u" (United Kingdom)"_qs, u"809"_qs, pathOf(u"CalvextraLang809.dll"_qs));
    check(5, QString(), QString(), QString(), QString());
    check(6, u"German"_qs, u" (Austria)"_qs, u"C07"_qs, pathOf(u"calvextralangC07.DLL"_qs));

    QCOMPARE(messageTexts(),
             QStringList({u"We could not determine the language code for the dll file called "_qs
                              + pathOf(u"CalvextraLang.dll"_qs),
                          u"We are missing Langauge information for the code ABC"_qs}));
    for (const Message &message : std::as_const(messages))
        QVERIFY(message.kind != LanguageMessageKind::Critical);
}

void TestLanguages::findLibrariesUnknownCode_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");

    QTest::newRow("copy of the German library") << u"CalvextraLangABC.dll=german"_qs << u"ABC"_qs;
    QTest::newRow("garbage") << u"CalvextraLangABC.dll=garbage"_qs << u"ABC"_qs;
    QTest::newRow("Portugal") << u"CalvextraLang816.dll=german"_qs << u"816"_qs;
    QTest::newRow("lower-case code") << u"CalvextraLangc07.dll=german"_qs << u"c07"_qs;
}

void TestLanguages::findLibrariesUnknownCode()
{
    QFETCH(QString, file);
    QFETCH(QString, code);
    QVERIFY(addFiles({file}));

    FindLanguageLibraries();

    QCOMPARE(messageTexts(), QStringList({u"We are missing Langauge information for the code "_qs + code}));
    QCOMPARE(LanguageLibraries().size(), 1);
    const LanguageInfo &entry = LanguageLibraries().first();
    QVERIFY(entry.LanguageName.isEmpty());
    QVERIFY(entry.Region.isEmpty());
    QVERIFY(entry.Code.isEmpty());
    QVERIFY(entry.LibraryPath.isEmpty());
}

void TestLanguages::findLibrariesWithoutFiles()
{
    QVERIFY(addFiles({u"OtherLang407.dll=german"_qs, u"CalvextraLang407.txt=german"_qs}));
    FindLanguageLibraries();
    QVERIFY(LanguageLibraries().isEmpty());
    QVERIFY(messages.isEmpty());
}

void TestLanguages::findLibrariesForgetsEarlierFolder()
{
    QVERIFY(addFiles({u"CalvextraLang407.dll=german"_qs, u"CalvextraLang807.dll=garbage"_qs}));
    FindLanguageLibraries();
    QCOMPARE(LanguageLibraries().size(), 2);

    QTemporaryDir other;
    QVERIFY(QFile::copy(QStringLiteral(FRENCH_TEST_LIBRARY), QDir(other.path()).filePath(u"CalvextraLang40C.dll"_qs)));
    setLanguageLibraryFolder(other.path());
    FindLanguageLibraries();
    QCOMPARE(LanguageLibraries().size(), 1);
    QCOMPARE(LanguageLibraries().first().Code, u"40C"_qs);
    QCOMPARE(LanguageLibraries().first().LibraryPath, QDir(other.path()).filePath(u"CalvextraLang40C.dll"_qs));
    setLanguageLibraryFolder(programFolder->path());
}

void TestLanguages::findLibrariesInAFolderNamedLikeOne()
{
    // Only the file's own name holds its code, never the folder's.
    QTemporaryDir folder(QDir::tempPath() + u"/CalvextraLang407.dll-XXXXXX"_qs);
    QVERIFY(folder.isValid());
    setLanguageLibraryFolder(folder.path());
    const QString unnamed = QDir(folder.path()).filePath(u"CalvextraLang.dll"_qs);
    const QString french = QDir(folder.path()).filePath(u"CalvextraLang40C.dll"_qs);
    QVERIFY(QFile::copy(QStringLiteral(FRENCH_TEST_LIBRARY), unnamed));
    QVERIFY(QFile::copy(QStringLiteral(FRENCH_TEST_LIBRARY), french));

    FindLanguageLibraries();

    QCOMPARE(LanguageLibraries().size(), 2);
    QVERIFY(LanguageLibraries()[0].Code.isEmpty());
    QVERIFY(LanguageLibraries()[0].LibraryPath.isEmpty());
    QCOMPARE(LanguageLibraries()[1].Code, u"40C"_qs);
    QCOMPARE(LanguageLibraries()[1].LibraryPath, french);
    QCOMPARE(messageTexts(),
             QStringList({u"We could not determine the language code for the dll file called "_qs + unnamed}));
    setLanguageLibraryFolder(programFolder->path());
}

// ---- Choosing the library of the running language ----

void TestLanguages::selectLanguageLibrary_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("libraryFile");

    QTest::newRow("407") << u"407"_qs << true << u"CalvextraLang407.dll"_qs;
    QTest::newRow("40C") << u"40C"_qs << true << u"CalvextraLang40C.dll"_qs;
    QTest::newRow("C07 has no file of its own") << u"C07"_qs << false << QString();
    QTest::newRow("409") << u"409"_qs << false << QString();
}

void TestLanguages::selectLanguageLibrary()
{
    QFETCH(QString, code);
    QFETCH(bool, found);
    QFETCH(QString, libraryFile);
    QVERIFY(addFiles({u"CalvextraLang1234.dll=garbage"_qs, u"CalvextraLang407.dll=german"_qs,
                      u"CalvextraLang40C.dll=french"_qs}));
    FindLanguageLibraries();
    messages.clear();

    QVERIFY(GetLanguageInfo(code, CurrentLanguage()));
    CurrentLanguage().LibraryPath = u"/earlier/path.dll"_qs;
    QCOMPARE(SelectLanguageLibrary(), found);
    QCOMPARE(CurrentLanguage().LibraryPath, found ? pathOf(libraryFile) : u"/earlier/path.dll"_qs);
    QCOMPARE(CurrentLanguage().Code, code);
    QVERIFY(messages.isEmpty());
}

void TestLanguages::selectWithoutLibraries()
{
    FindLanguageLibraries();
    QVERIFY(GetLanguageInfo(u"407"_qs, CurrentLanguage()));
    QVERIFY(!SelectLanguageLibrary());
    QCOMPARE(CurrentLanguage().LibraryPath, QString());
    QVERIFY(messages.isEmpty());
}

// ---- Starting the language ----

void TestLanguages::initLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("store");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("libraryFile");
    QTest::addColumn<QString>("yes");

    const QString german = u"CalvextraLang407.dll=german"_qs;
    const QString french = u"CalvextraLang40C.dll=french"_qs;
    const QString de407 = u"CalvextraLang407.dll"_qs;
    const QString fr40C = u"CalvextraLang40C.dll"_qs;
    const QString en = u"English"_qs;
    const QString us = u" (United States)"_qs;
    const QString de = u"German"_qs;
    const QString germany = u" (Germany)"_qs;
    const QString fr = u"French"_qs;
    const QString france = u" (France)"_qs;
    const QStringList both{german, french};

    QTest::newRow("Default on de_AT") << u"de_AT"_qs << true << u"Default"_qs << QStringList{german}
                                      << de << germany << u"407"_qs << de407 << u"J"_qs;
    QTest::newRow("empty on de_AT") << u"de_AT"_qs << true << QString() << QStringList{german}
                                    << de << germany << u"407"_qs << de407 << u"J"_qs;
    QTest::newRow("nothing stored on de_AT") << u"de_AT"_qs << false << QString() << QStringList{german}
                                             << de << germany << u"407"_qs << de407 << u"J"_qs;
    QTest::newRow("Default on de_CH") << u"de_CH"_qs << true << u"Default"_qs << both
                                      << de << germany << u"407"_qs << de407 << u"J"_qs;
    QTest::newRow("Default on de_DE") << u"de_DE"_qs << true << u"Default"_qs << both
                                      << de << germany << u"407"_qs << de407 << u"J"_qs;
    QTest::newRow("English on de_DE") << u"de_DE"_qs << true << u"English"_qs << QStringList{german}
                                      << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("english on de_AT") << u"de_AT"_qs << true << u"english"_qs << QStringList{german}
                                      << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("German without a library") << u"de_DE"_qs << true << u"German"_qs << QStringList()
                                              << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("German with only French library") << u"fr_FR"_qs << true << u"German"_qs << QStringList{french}
                                                     << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("German on en_US") << u"en_US"_qs << true << u"German"_qs << both
                                     << de << germany << u"407"_qs << de407 << u"J"_qs;
    QTest::newRow("Default on en_US") << u"en_US"_qs << true << u"Default"_qs << both
                                      << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("Default on en_GB") << u"en_GB"_qs << true << u"Default"_qs << both
                                      << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("Default on en_AU") << u"en_AU"_qs << true << u"Default"_qs << both
                                      << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("Default on pt_PT 816") << u"pt_PT"_qs << true << u"Default"_qs << both
                                          << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("Default on sw_KE") << u"sw_KE"_qs << true << u"Default"_qs << both
                                      << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("unknown language on de_DE") << u"de_DE"_qs << true << u"Klingon"_qs << both
                                               << en << us << u"409"_qs << QString() << u"Y"_qs;
    // Only "Default" itself follows the locale; any other spelling names no language.
    QTest::newRow("default lower-case on de_AT") << u"de_AT"_qs << true << u"default"_qs << both
                                                 << en << us << u"409"_qs << QString() << u"Y"_qs;
    QTest::newRow("Default on fr_FR") << u"fr_FR"_qs << true << u"Default"_qs << both
                                      << fr << france << u"40C"_qs << fr40C << u"O"_qs;
    QTest::newRow("Default on fr_CA") << u"fr_CA"_qs << true << u"Default"_qs << QStringList{french}
                                      << fr << france << u"40C"_qs << fr40C << u"O"_qs;
    QTest::newRow("Default on fr_BE, only German library") << u"fr_BE"_qs << true << u"Default"_qs
                                                           << QStringList{german} << en << us << u"409"_qs
                                                           << QString() << u"Y"_qs;
    QTest::newRow("French on de_DE") << u"de_DE"_qs << true << u"French"_qs << both
                                     << fr << france << u"40C"_qs << fr40C << u"O"_qs;
    QTest::newRow("Default on de_DE, unknown file first")
        << u"de_DE"_qs << true << u"Default"_qs << QStringList{u"CalvextraLang1234.dll=garbage"_qs, german}
        << de << germany << u"407"_qs << de407 << u"J"_qs;
}

void TestLanguages::initLanguage()
{
    QFETCH(QString, locale);
    QFETCH(bool, store);
    QFETCH(QString, stored);
    QFETCH(QStringList, files);
    QFETCH(QString, name);
    QFETCH(QString, region);
    QFETCH(QString, code);
    QFETCH(QString, libraryFile);
    QFETCH(QString, yes);

    QVERIFY(addFiles(files));
    useLocale(locale);
    if (store)
        storeLanguage(stored);
    // What an earlier start may have left: all of it must be replaced.
    StaleResources stale;
    setLanguageResources(&stale);
    CurrentLanguage() = LanguageInfo{u"French"_qs, u" (Monaco)"_qs, u"180C"_qs, u"/earlier/CalvextraLang180C.dll"_qs};
    LanguageSetting() = u"earlier"_qs;

    QVERIFY(InitLanguage());

    const bool unknownFile = files.contains(u"CalvextraLang1234.dll=garbage"_qs);
    QCOMPARE(messageTexts(), unknownFile ? QStringList{u"We are missing Langauge information for the code 1234"_qs}
                                         : QStringList());
    QCOMPARE(LanguageSetting(), stored);
    QCOMPARE(CurrentLanguage().LanguageName, name);
    QCOMPARE(CurrentLanguage().Region, region);
    QCOMPARE(CurrentLanguage().Code, code);
    QCOMPARE(CurrentLanguage().LibraryPath, libraryFile.isEmpty() ? QString() : pathOf(libraryFile));
    QCOMPARE(LanguageResources() != nullptr, !libraryFile.isEmpty());
    QVERIFY(LanguageResources() != &stale);
    QCOMPARE(GetLocalizedString(u"Y<0636>"_qs), yes);
    // Starting the language stores nothing.
    QCOMPARE(openStore().contains(u"Language"_qs), store);
}

void TestLanguages::frenchLibraryFallsBackToEnglish_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("240 French") << u"&Single Item<0240>"_qs << u"Article unique"_qs;
    QTest::newRow("434 French") << u"&Help<0434>"_qs << u"&Aide"_qs;
    QTest::newRow("636 French") << u"Y<0636>"_qs << u"O"_qs;
    QTest::newRow("674 French") << u"Default<0674>"_qs << u"Par défaut"_qs;
    QTest::newRow("5000 product name") << u"Calvextra<5000>"_qs << u"Calvextra"_qs;
    QTest::newRow("639 missing") << u"Item Sold?: <0639>"_qs << u"Item Sold?: "_qs;
    QTest::newRow("640 empty text") << u"Closing Bid: <0640>"_qs << u"Closing Bid: "_qs;
    QTest::newRow("241 missing") << u"&Mutiple Items<0241>"_qs << u"&Mutiple Items"_qs;
    QTest::newRow("675 missing") << u"English<0675>"_qs << u"English"_qs;
    QTest::newRow("untagged") << u"Subtitle"_qs << u"Subtitle"_qs;
}

void TestLanguages::frenchLibraryFallsBackToEnglish()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QVERIFY(addFiles({u"CalvextraLang40C.dll=french"_qs}));
    useLocale(u"fr_FR"_qs);

    QVERIFY(InitLanguage());
    QVERIFY(LanguageResources());
    QCOMPARE(CurrentLanguage().Code, u"40C"_qs);
    QCOMPARE(CurrentLanguage().LibraryPath, pathOf(u"CalvextraLang40C.dll"_qs));
    QCOMPARE(GetLocalizedString(text), expected);
    QVERIFY(messages.isEmpty());
}

void TestLanguages::libraryThatCannotBeRegistered_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("German, Default on de_DE") << u"de_DE"_qs << u"Default"_qs << u"CalvextraLang407.dll"_qs;
    QTest::newRow("German, stored German on en_US") << u"en_US"_qs << u"German"_qs << u"CalvextraLang407.dll"_qs;
    QTest::newRow("French, Default on fr_CA") << u"fr_CA"_qs << u"Default"_qs << u"CalvextraLang40C.dll"_qs;
}

void TestLanguages::libraryThatCannotBeRegistered()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(QString, fileName);
    QVERIFY(addFiles({fileName + u"=garbage"_qs}));
    useLocale(locale);
    storeLanguage(stored);

    QVERIFY(InitLanguage());

    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text,
             u"We could not register our langauge dll "_qs + pathOf(fileName) + u" for some reason"_qs);
    QCOMPARE(messages.first().title, u"Error with Regsvr32.exe"_qs);
    QVERIFY(messages.first().kind == LanguageMessageKind::Critical);
    QVERIFY(!LanguageResources());
    QCOMPARE(CurrentLanguage().LanguageName, u"English"_qs);
    QCOMPARE(CurrentLanguage().Region, u" (United States)"_qs);
    QCOMPARE(CurrentLanguage().Code, u"409"_qs);
    QCOMPARE(CurrentLanguage().LibraryPath, QString());
    QCOMPARE(GetLocalizedString(u"Y<0636>"_qs), u"Y"_qs);
}

// ---- The language submenu ----

void TestLanguages::menuCaptions_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<int>("checked");

    const QString german = u"CalvextraLang407.dll=german"_qs;
    const QString french = u"CalvextraLang40C.dll=french"_qs;
    const auto captions = [](QStringList shown) {
        while (shown.size() < 11)
            shown.append(QString());
        return shown;
    };

    QTest::newRow("German running, Default")
        << u"de_AT"_qs << u"Default"_qs << QStringList{german}
        << captions({u"Sprache: Voreinstellung"_qs, u"Englisch"_qs, QString(), u"Deutsch"_qs})
        << u"VV.V......."_qs << 0;
    QTest::newRow("German running, nothing stored")
        << u"de_DE"_qs << QString() << QStringList{german}
        << captions({u"Sprache: Voreinstellung"_qs, u"Englisch"_qs, QString(), u"Deutsch"_qs})
        << u"VV.V......."_qs << 0;
    QTest::newRow("English running beside the German library")
        << u"en_US"_qs << u"Default"_qs << QStringList{german}
        << captions({u"Default"_qs, u"English"_qs, QString(), u"German"_qs}) << u"VV.V......."_qs << 0;
    QTest::newRow("stored English on de_DE")
        << u"de_DE"_qs << u"English"_qs << QStringList{german}
        << captions({u"Default"_qs, u"English"_qs, QString(), u"German"_qs}) << u"VV.V......."_qs << 1;
    QTest::newRow("stored German on en_US")
        << u"en_US"_qs << u"German"_qs << QStringList{german}
        << captions({u"Sprache: Voreinstellung"_qs, u"Englisch"_qs, QString(), u"Deutsch"_qs})
        << u"VV.V......."_qs << 3;
    QTest::newRow("stored German without library")
        << u"de_DE"_qs << u"German"_qs << QStringList()
        << captions({u"Default"_qs, u"English"_qs}) << u"VV........."_qs << -1;
    QTest::newRow("French running, French library")
        << u"fr_FR"_qs << u"Default"_qs << QStringList{french}
        << captions({u"Par défaut"_qs, u"English"_qs}) << u"VV.V......."_qs << 0;
    QTest::newRow("stored French, both libraries")
        << u"en_US"_qs << u"French"_qs << QStringList{german, french}
        << captions({u"Par défaut"_qs, u"English"_qs, QString(), u"German"_qs, QString()})
        << u"VV.VV......"_qs << 4;
    QTest::newRow("stored German, unknown file first")
        << u"en_US"_qs << u"German"_qs << QStringList{u"CalvextraLang1234.dll=garbage"_qs, german}
        << captions({u"Sprache: Voreinstellung"_qs, u"Englisch"_qs, QString(), QString(), u"Deutsch"_qs})
        << u"VV.VV......"_qs << 4;
}

void TestLanguages::menuCaptions()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(QStringList, files);
    QFETCH(QStringList, captions);
    QFETCH(QString, visible);
    QFETCH(int, checked);

    QVERIFY(addFiles(files));
    useLocale(locale);
    storeLanguage(stored);
    QVERIFY(InitLanguage());

    LanguageMenu menu;
    menu.build();
    QCOMPARE(menu.captions(), captions);
    QCOMPARE(menu.visibility(), visible);
    QCOMPARE(menu.checkedItems(), checked < 0 ? QList<int>() : QList<int>{checked});
    QVERIFY(menu.visibleItemsEnabled());

    // Building again over whatever an earlier build left gives the same menu.
    menu.makeStale();
    menu.build();
    QCOMPARE(menu.captions(), captions);
    QCOMPARE(menu.visibility(), visible);
    QCOMPARE(menu.checkedItems(), checked < 0 ? QList<int>() : QList<int>{checked});
    QVERIFY(menu.visibleItemsEnabled());
}

void TestLanguages::menuShowsAtMostEightLibraries()
{
    // Nine files; in listing order the German ones are 1007, 1407, 407, 807 and C07.
    QVERIFY(addFiles({u"CalvextraLangC0C.dll=garbage"_qs, u"CalvextraLangC07.dll=garbage"_qs,
                      u"CalvextraLang80C.dll=garbage"_qs, u"CalvextraLang807.dll=garbage"_qs,
                      u"CalvextraLang40C.dll=french"_qs, u"CalvextraLang407.dll=german"_qs,
                      u"CalvextraLang1407.dll=garbage"_qs, u"CalvextraLang100C.dll=garbage"_qs,
                      u"CalvextraLang1007.dll=garbage"_qs}));
    useLocale(u"en_US"_qs);
    storeLanguage(u"German"_qs);
    QVERIFY(InitLanguage());
    QCOMPARE(CurrentLanguage().Code, u"407"_qs);
    QCOMPARE(LanguageLibraries().size(), 9);

    LanguageMenu menu;
    menu.build();
    const QString deutsch = u"Deutsch"_qs;
    QCOMPARE(menu.captions(), QStringList({u"Sprache: Voreinstellung"_qs, u"Englisch"_qs, QString(), deutsch,
                                           QString(), deutsch, deutsch, QString(), deutsch, QString(), deutsch}));
    QCOMPARE(menu.visibility(), u"VV.VVVVVVVV"_qs);
    // The first German library carries the check mark.
    QCOMPARE(menu.checkedItems(), QList<int>{3});

    storeLanguage(u"English"_qs);
    QVERIFY(InitLanguage());
    menu.build();
    const QString germanCaption = u"German"_qs;
    QCOMPARE(menu.captions(), QStringList({u"Default"_qs, u"English"_qs, QString(), germanCaption, QString(),
                                           germanCaption, germanCaption, QString(), germanCaption, QString(),
                                           germanCaption}));
    QCOMPARE(menu.checkedItems(), QList<int>{1});
    QVERIFY(messages.isEmpty());
}

void TestLanguages::menuAfterTheLibraryIsGone()
{
    QVERIFY(addFiles({u"CalvextraLang407.dll=german"_qs}));
    useLocale(u"de_DE"_qs);
    QVERIFY(InitLanguage());
    LanguageMenu menu;
    menu.build();
    QCOMPARE(menu.visibility(), u"VV.V......."_qs);

    QVERIFY(QFile::remove(pathOf(u"CalvextraLang407.dll"_qs)));
    QVERIFY(InitLanguage());
    QCOMPARE(CurrentLanguage().Code, u"409"_qs);
    QVERIFY(LanguageLibraries().isEmpty());
    menu.build();
    QCOMPARE(menu.captions().mid(0, 4), QStringList({u"Default"_qs, u"English"_qs, QString(), QString()}));
    QCOMPARE(menu.visibility(), u"VV........."_qs);
    QCOMPARE(menu.checkedItems(), QList<int>{0});
}

void TestLanguages::menuCaptionOfLanguage_data()
{
    QTest::addColumn<QString>("languageName");
    QTest::addColumn<QString>("currentCode");
    QTest::addColumn<QString>("caption");

    QTest::newRow("German while German runs") << u"German"_qs << u"407"_qs << u"Deutsch"_qs;
    QTest::newRow("German while English runs") << u"German"_qs << u"409"_qs << u"German"_qs;
    QTest::newRow("German while French runs") << u"German"_qs << u"40C"_qs << u"German"_qs;
    QTest::newRow("German under C07") << u"German"_qs << u"C07"_qs << u"German"_qs;
    QTest::newRow("French while French runs") << u"French"_qs << u"40C"_qs << QString();
    QTest::newRow("French while German runs") << u"French"_qs << u"407"_qs << QString();
    QTest::newRow("English") << u"English"_qs << u"409"_qs << QString();
    QTest::newRow("unidentified file") << QString() << u"407"_qs << QString();
}

void TestLanguages::menuCaptionOfLanguage()
{
    QFETCH(QString, languageName);
    QFETCH(QString, currentCode);
    QFETCH(QString, caption);
    const CLanguageName names;
    QCOMPARE(names.GetMenuCaption(languageName, currentCode), caption);
    if (languageName == QLatin1String("German"))
        QCOMPARE(names.GermanMenuCaption(currentCode), caption);
}

// ---- Picking a language in the menu ----

void TestLanguages::changeLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("yes");

    QTest::newRow("Deutsch") << u"en_US"_qs << u"Deutsch"_qs << u"German"_qs << u"407"_qs << u"J"_qs;
    QTest::newRow("German") << u"en_US"_qs << u"German"_qs << u"German"_qs << u"407"_qs << u"J"_qs;
    QTest::newRow("Sprache: Voreinstellung on de_AT")
        << u"de_AT"_qs << u"Sprache: Voreinstellung"_qs << u"Default"_qs << u"407"_qs << u"J"_qs;
    QTest::newRow("Sprache: Voreinstellung on en_GB")
        << u"en_GB"_qs << u"Sprache: Voreinstellung"_qs << u"Default"_qs << u"409"_qs << u"Y"_qs;
    QTest::newRow("Default on de_DE") << u"de_DE"_qs << u"Default"_qs << u"Default"_qs << u"407"_qs << u"J"_qs;
    QTest::newRow("Englisch") << u"de_DE"_qs << u"Englisch"_qs << u"English"_qs << u"409"_qs << u"Y"_qs;
    QTest::newRow("English") << u"de_DE"_qs << u"English"_qs << u"English"_qs << u"409"_qs << u"Y"_qs;
    QTest::newRow("French library's empty caption")
        << u"de_DE"_qs << QString() << QString() << u"407"_qs << u"J"_qs;
}

void TestLanguages::changeLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, caption);
    QFETCH(QString, stored);
    QFETCH(QString, code);
    QFETCH(QString, yes);

    QVERIFY(addFiles({u"CalvextraLang407.dll=german"_qs}));
    useLocale(locale);
    storeLanguage(u"Klingon"_qs);
    QVERIFY(InitLanguage());
    QCOMPARE(CurrentLanguage().Code, u"409"_qs);

    QObject owner;
    QAction item(caption, &owner);
    ChangeLanguage(&item);

    QCOMPARE(LanguageSetting(), stored);
    // The choice holds at once; the store has it once the write beside the switch is done.
    QCOMPARE(ReadSetting(u"Language"_qs), stored);
    FinishSettingsWrites();
    QSettings store = openStore();
    QCOMPARE(store.value(u"Language"_qs).toString(), stored);
    QCOMPARE(store.allKeys(), QStringList{u"Language"_qs});
    QCOMPARE(ReadSetting(u"Language"_qs), stored);
    QCOMPARE(CurrentLanguage().Code, code);
    QCOMPARE(LanguageResources() != nullptr, code == QLatin1String("407"));
    QCOMPARE(GetLocalizedString(u"Y<0636>"_qs), yes);
    QVERIFY(messages.isEmpty());
}

void TestLanguages::roundTripThroughTheMenu()
{
    QVERIFY(addFiles({u"CalvextraLang407.dll=german"_qs}));
    useLocale(u"de_DE"_qs);
    storeLanguage(u"English"_qs);
    QVERIFY(InitLanguage());
    LanguageMenu menu;
    menu.build();

    const QList<qint32> ids = EnglishStringIds();
    QVERIFY(ids.size() >= 355);  // the form's texts and the program's own
    const auto allTexts = [&ids] {
        QStringList texts;
        for (const qint32 id : ids)
            texts.append(GetLocalizedString(tagged(id)));
        return texts;
    };
    QStringList english;
    for (const qint32 id : ids)
        english.append(EnglishString(id));
    QCOMPARE(allTexts(), english);

    // What the window does for a click on an item: change, then rebuild the menu.
    const auto pick = [&menu](int index) {
        ChangeLanguage(menu.items[std::size_t(index)]);
        menu.build();
    };

    QCOMPARE(menu.items[3]->text(), u"German"_qs);
    pick(3);
    QCOMPARE(ReadSetting(u"Language"_qs), u"German"_qs);
    QCOMPARE(CurrentLanguage().Code, u"407"_qs);
    QCOMPARE(menu.items[1]->text(), u"Englisch"_qs);
    QCOMPARE(menu.items[3]->text(), u"Deutsch"_qs);
    QCOMPARE(menu.checkedItems(), QList<int>{3});
    const QStringList german = allTexts();
    QCOMPARE(german.size(), ids.size());
    QVERIFY(!german.contains(QString()));
    QCOMPARE(german.at(ids.indexOf(636)), u"J"_qs);
    QCOMPARE(german.at(ids.indexOf(5000)), u"Wertolino"_qs);

    pick(1);
    QCOMPARE(ReadSetting(u"Language"_qs), u"English"_qs);
    QCOMPARE(CurrentLanguage().Code, u"409"_qs);
    QVERIFY(!LanguageResources());
    QCOMPARE(menu.items[3]->text(), u"German"_qs);
    QCOMPARE(menu.checkedItems(), QList<int>{1});
    QCOMPARE(allTexts(), english);

    pick(3);
    QCOMPARE(CurrentLanguage().Code, u"407"_qs);
    QCOMPARE(allTexts(), german);

    pick(0);
    QCOMPARE(ReadSetting(u"Language"_qs), u"Default"_qs);
    QCOMPARE(CurrentLanguage().Code, u"407"_qs);
    QCOMPARE(menu.checkedItems(), QList<int>{0});
    QCOMPARE(allTexts(), german);
    QVERIFY(messages.isEmpty());
}

// ---- The German language library ----

void TestLanguages::germanLibraryHasEveryId()
{
    QVERIFY(addFiles({u"CalvextraLang407.dll=german"_qs}));
    useLocale(u"de_DE"_qs);
    QVERIFY(InitLanguage());
    clsResources *resources = LanguageResources();
    QVERIFY(resources);

    const QList<qint32> ids = EnglishStringIds();
    QVERIFY(ids.size() >= 355);  // the form's texts and the program's own
    int differing = 0;
    for (const qint32 id : ids) {
        qint32 index = id;
        QString text;
        try {
            text = resources->GetResourceString(index);
        } catch (const ResourceError &error) {
            QFAIL(qPrintable(u"id %1 missing: %2 %3"_qs.arg(id).arg(error.Number).arg(error.Description)));
        }
        QVERIFY2(!text.isEmpty(), qPrintable(u"id %1 has no German text"_qs.arg(id)));
        // A translation keeps the trailing blanks that the texts are joined with.
        const QString english = EnglishString(id);
        QVERIFY2(trailingBlanks(text) == trailingBlanks(english),
                 qPrintable(u"id %1: \"%2\" / \"%3\""_qs.arg(id).arg(text, english)));
        if (text != english)
            ++differing;
    }
    // Some texts ("OK", "N") read the same in both languages, but most do not.
    QVERIFY2(differing > 300, qPrintable(QString::number(differing)));
}

void TestLanguages::germanLibraryTellingRows_data()
{
    QTest::addColumn<qint32>("id");
    QTest::addColumn<QString>("german");

    QTest::newRow("231") << 231 << u"Wertolino – Berechnen Sie Ihre eBay-Auktionsgebühren"_qs;
    QTest::newRow("240") << 240 << u"Einzelner Artikel"_qs;
    QTest::newRow("241") << 241 << u"Powerauktion"_qs;
    QTest::newRow("242") << 242 << u"Zahlungsdienste"_qs;
    QTest::newRow("243") << 243 << u"Ver&sand "_qs;
    QTest::newRow("462") << 462
                         << u"Aus irgendeinem Grund konnten die Lokalisationsbetriebsmittel nicht geladen werden."_qs;
    QTest::newRow("628") << 628 << u"Notizblock ausblenden"_qs;
    QTest::newRow("629") << 629 << u"Notizblock anzeigen"_qs;
    QTest::newRow("636") << 636 << u"J"_qs;
    QTest::newRow("637") << 637 << u"N"_qs;
    QTest::newRow("638") << 638 << u"REGULÄRE AUKTION:  "_qs;
    QTest::newRow("645") << 645 << u"POWERAUKTION:  "_qs;
    QTest::newRow("667") << 667 << u"Seite "_qs;
    QTest::newRow("668") << 668 << u"Wertolino Notizen"_qs;
    QTest::newRow("674") << 674 << u"Sprache: Voreinstellung"_qs;
    QTest::newRow("675") << 675 << u"Englisch"_qs;
    QTest::newRow("5000") << 5000 << u"Wertolino"_qs;
}

void TestLanguages::germanLibraryTellingRows()
{
    QFETCH(qint32, id);
    QFETCH(QString, german);
    QVERIFY(addFiles({u"CalvextraLang407.dll=german"_qs}));
    useLocale(u"de_AT"_qs);
    QVERIFY(InitLanguage());
    QVERIFY(LanguageResources());
    QCOMPARE(GetLocalizedString(tagged(id)), german);
}

void TestLanguages::germanLibraryLacksOtherIds_data()
{
    QTest::addColumn<qint32>("id");

    const qint32 outside[] = {999, 0, -1, 200, 229, 378, 466, 607, 657, 709, 727, 746, 788, 799, 804, 879, 4999, 5001};
    for (const qint32 id : outside)
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestLanguages::germanLibraryLacksOtherIds()
{
    QFETCH(qint32, id);
    QVERIFY(addFiles({u"CalvextraLang407.dll=german"_qs}));
    useLocale(u"de_DE"_qs);
    QVERIFY(InitLanguage());
    clsResources *resources = LanguageResources();
    QVERIFY(resources);

    qint32 index = id;
    bool thrown = false;
    try {
        const QString text = resources->GetResourceString(index);
        QFAIL(qPrintable(u"id %1 gave \"%2\""_qs.arg(id).arg(text)));
    } catch (const ResourceError &error) {
        thrown = true;
        QCOMPARE(error.Number, 326);
    }
    QVERIFY(thrown);
}

void TestLanguages::germanLibraryFile()
{
    const QString path = QStringLiteral(GERMAN_LIBRARY);
    QCOMPARE(QFileInfo(path).fileName(), u"CalvextraLang407.dll"_qs);

    QPluginLoader loader(path);
    const QJsonObject metaData = loader.metaData();
    QCOMPARE(metaData.value(u"IID"_qs).toString(), QLatin1String(CalvextraLanguageResources_iid));
    const QJsonObject own = metaData.value(u"MetaData"_qs).toObject();
    QCOMPARE(own.value(u"Class"_qs).toString(), u"CalvextraLang407.clsResources"_qs);
    QCOMPARE(own.value(u"Version"_qs).toString(), u"1.0.0.0"_qs);
    QCOMPARE(own.value(u"FileName"_qs).toString(), u"CalvextraLang407.dll"_qs);
    QCOMPARE(own.value(u"InternalName"_qs).toString(), u"CalvextraLang407.dll"_qs);

    // The class is made from the library alone, through the interface the two share.
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    auto *resources = qobject_cast<clsResources *>(loader.instance());
    QVERIFY(resources);
    qint32 id = 636;
    QCOMPARE(resources->GetResourceString(id), u"J"_qs);
    QCOMPARE(id, 636);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
