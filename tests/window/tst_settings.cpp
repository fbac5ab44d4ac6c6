#include "CPaymentService.h"
#include "LanguageState.h"
#include "NumberText.h"
#include "SettingsObstacle.h"
#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSysInfo>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// What the calculator window remembers between runs, checked through the real settings file in
// the test's own folder: the defaults of a first run, how each stored value is applied when the
// window opens, saving from the menu, what closing keeps, values the program never writes, and two
// copies of the program saving at the same moment.

namespace {

using Values = QList<std::pair<QString, QVariant>>;

// Every remembered check box: the setting's name and the control's.
constexpr std::array<std::pair<const char *, const char *>, 27> CheckSettings{{
    {"RegularFeaturedCategory", "chkFeaturedCategory"},
    {"RegularFeatured", "chkFeatured"},
    {"RegularGallery", "chkGallery"},
    {"RegularGalleryFeatured", "chkGalleryFeatured"},
    {"RegularHighlighted", "chkHighlighted"},
    {"RegularBold", "chkBold"},
    {"RegularGift", "chkGiftIcon"},
    {"RegularRealEstate", "chkRealEstate"},
    {"RegularTwoCategories", "chkTwoCategories"},
    {"RegularTenDayAuction", "chkTenDayAuction"},
    {"RegularMotors", "chkMotors"},
    {"RegularVehicle", "chkVehicle"},
    {"RegularIsExtraPhotos", "chkExtraPhotos"},
    {"RegularSupersize", "chkSupersizePhotos"},
    {"RegularSlideshow", "chkSlideshow"},
    {"DutchMotors", "chkEBayMotorsDutch"},
    {"DutchFeaturedPlus", "chkDutchFeaturedPlus"},
    {"DutchFeatured", "chkDutchHomePageFeatured"},
    {"DutchGallery", "chkDutchGallery"},
    {"DutchGalleryFeatured", "chkDutchGalleryFeatured"},
    {"DutchHighlighted", "chkDutchHighlight"},
    {"DutchBold", "chkDutchBold"},
    {"DutchGift", "chkDutchGreatGift"},
    {"DutchTenDayAuction", "chkDutchTenDayAuction"},
    {"DutchIsExtraPhotos", "chkExtraPicturesDutch"},
    {"DutchSupersize", "chkSupersizeDutch"},
    {"DutchSlideshow", "chkSlideshowDutch"},
}};

// The remembered lists: the setting's name and the control's.
constexpr std::array<std::pair<const char *, const char *>, 4> ListSettings{{
    {"RegularReserve", "cboIsReserve"},
    {"RegularType", "cboSingleItemType"},
    {"RegularNumExtraPhotos", "cboExtraPhotos"},
    {"DutchNumExtraPhotos", "cboExtraPicturesDutch"},
}};

// The remembered entries: the setting's name and the field's.
constexpr std::array<std::pair<const char *, const char *>, 3> TextSettings{{
    {"RegularNumeric", "txtStartingPrice"},
    {"DutchItemsOffered", "txtDutchItemsOffered"},
    {"DutchOpeningPrice", "txtDutchOpeningPrice"},
}};

const std::array<const char *, 4> SiteItems{"mnuOptionsSiteEbay", "mnuOptionsSiteUK", "mnuOptionsSiteCanada",
                                            "mnuOptionsSiteGermany"};
const std::array<const char *, 5> RateSettings{"", "", "PayPalUKRate", "PayPalCanadaRate", "PayPalGermanyRate"};

// Every setting of the window.
QStringList allSettingNames()
{
    QStringList names{QStringLiteral("StayOnTop"), QStringLiteral("Notepad"), QStringLiteral("Site"),
                      QStringLiteral("RegularMotorcycle"), QStringLiteral("RegularOtherVehicle"),
                      QStringLiteral("PayPalCreditCard"), QStringLiteral("PayPalNonCreditCard"),
                      QStringLiteral("PayPalUKRate"), QStringLiteral("PayPalCanadaRate"),
                      QStringLiteral("PayPalGermanyRate")};
    for (const auto &[setting, control] : CheckSettings)
        names.append(QString::fromLatin1(setting));
    for (const auto &[setting, control] : ListSettings)
        names.append(QString::fromLatin1(setting));
    for (const auto &[setting, control] : TextSettings)
        names.append(QString::fromLatin1(setting));
    return names;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brontolux"),
                                       QStringLiteral("Calvextra"));
}

// Prepares the store as an earlier run (or another program) left it.
void store(const Values &values)
{
    const std::unique_ptr<QSettings> settings = openStore();
    for (const auto &[name, value] : values)
        settings->setValue(name, value);
}

// Replaces the settings file with one written elsewhere, so that the window reads the file as
// another process left it (types only as the file itself keeps them).
void storeAsFile(const Values &values)
{
    static QTemporaryDir folder;
    static int written = 0;
    const QString elsewhere = folder.filePath(QStringLiteral("written%1.conf").arg(++written));
    {
        QSettings file(elsewhere, QSettings::IniFormat);
        for (const auto &[name, value] : values)
            file.setValue(name, value);
    }
    const QString path = openStore()->fileName();
    QFile::remove(path);
    QVERIFY(QFile::copy(elsewhere, path));
}

// The values as they are in the settings file now: a copy of the file under a name never read
// before, so that nothing this process keeps in memory stands in for the file.
QVariantMap storedOnDisk(QSettings::Status *status = nullptr)
{
    static QTemporaryDir folder;
    static int copies = 0;
    const QString path = openStore()->fileName();
    if (!QFileInfo::exists(path))
        return {};
    const QString copy = folder.filePath(QStringLiteral("copy%1.conf").arg(++copies));
    if (!QFile::copy(path, copy))
        qFatal("cannot copy the settings file");
    QVariantMap values;
    {
        QSettings file(copy, QSettings::IniFormat);
        for (const QString &key : file.allKeys())
            values.insert(key, file.value(key));
        if (status)
            *status = file.status();
    }
    QFile::remove(copy);
    return values;
}

// "" when the stored value is text, else a description of what is there.
QString notText(const QVariantMap &stored, const QString &name)
{
    if (!stored.contains(name))
        return name + QStringLiteral(" is absent");
    if (stored.value(name).typeId() != QMetaType::QString)
        return name + QStringLiteral(" is stored as ") + QString::fromLatin1(stored.value(name).typeName());
    return QString();
}

// The defaults that a first run writes, with the rates in the current locale.
QMap<QString, QString> firstRunDefaults(bool germanRunning)
{
    QMap<QString, QString> defaults{
        {QStringLiteral("Site"), germanRunning ? QStringLiteral("4") : QStringLiteral("1")},
        {QStringLiteral("StayOnTop"), QStringLiteral("0")},
        {QStringLiteral("Notepad"), QStringLiteral("0")},
        {QStringLiteral("RegularReserve"), QStringLiteral("0")},
        {QStringLiteral("RegularType"), QStringLiteral("0")},
        {QStringLiteral("RegularNumeric"), QString()},
        {QStringLiteral("RegularNumExtraPhotos"), QStringLiteral("0")},
        {QStringLiteral("DutchItemsOffered"), QString()},
        {QStringLiteral("DutchOpeningPrice"), QString()},
        {QStringLiteral("DutchNumExtraPhotos"), QStringLiteral("0")},
        {QStringLiteral("PayPalCreditCard"), QStringLiteral("1")},
        {QStringLiteral("PayPalNonCreditCard"), QStringLiteral("0")},
        {QStringLiteral("PayPalUKRate"), inLocale(QStringLiteral("0.5305"))},
        {QStringLiteral("PayPalCanadaRate"), inLocale(QStringLiteral("1.317"))},
        {QStringLiteral("PayPalGermanyRate"), inLocale(QStringLiteral("0.7854"))},
    };
    for (const auto &[setting, control] : CheckSettings)
        defaults.insert(QString::fromLatin1(setting), QStringLiteral("0"));
    // The multiple-item eBay Motors box is the one box whose default is empty.
    defaults.insert(QStringLiteral("DutchMotors"), QString());
    return defaults;
}

// The choices of one copy of settings_writer, as the settings store them.
QMap<QString, QString> writerValues(const QString &tag)
{
    const bool a = tag == QLatin1String("A");
    const QStringList ticked = a ? QStringList{"RegularFeaturedCategory", "RegularBold", "RegularTwoCategories",
                                               "RegularIsExtraPhotos", "RegularSlideshow", "DutchFeaturedPlus",
                                               "DutchGallery", "DutchGalleryFeatured", "DutchIsExtraPhotos"}
                                 : QStringList{"RegularFeatured", "RegularGallery", "RegularHighlighted",
                                               "RegularTenDayAuction", "RegularRealEstate", "DutchBold",
                                               "DutchHighlighted", "DutchTenDayAuction", "DutchSupersize"};
    QMap<QString, QString> values{
        {QStringLiteral("Site"), a ? QStringLiteral("2") : QStringLiteral("3")},
        {QStringLiteral("StayOnTop"), flag(a)},
        {QStringLiteral("Notepad"), flag(a)},
        {QStringLiteral("RegularType"), a ? QStringLiteral("1") : QStringLiteral("0")},
        {QStringLiteral("RegularReserve"), a ? QStringLiteral("0") : QStringLiteral("1")},
        {QStringLiteral("RegularNumeric"), inLocale(a ? QStringLiteral("12.50") : QStringLiteral("7.25"))},
        {QStringLiteral("RegularNumExtraPhotos"), a ? QStringLiteral("3") : QStringLiteral("0")},
        {QStringLiteral("RegularMotorcycle"), QStringLiteral("0")},
        {QStringLiteral("RegularOtherVehicle"), QStringLiteral("0")},
        {QStringLiteral("DutchItemsOffered"), a ? QStringLiteral("10") : QStringLiteral("25")},
        {QStringLiteral("DutchOpeningPrice"), inLocale(a ? QStringLiteral("2.50") : QStringLiteral("0.99"))},
        {QStringLiteral("DutchNumExtraPhotos"), a ? QStringLiteral("1") : QStringLiteral("4")},
        {QStringLiteral("PayPalCreditCard"), flag(a)},
        {QStringLiteral("PayPalNonCreditCard"), flag(!a)},
        {a ? QStringLiteral("PayPalUKRate") : QStringLiteral("PayPalCanadaRate"),
         inLocale(a ? QStringLiteral("1.25") : QStringLiteral("1.75"))},
    };
    for (const auto &[setting, control] : CheckSettings)
        values.insert(QString::fromLatin1(setting), flag(ticked.contains(QLatin1String(setting))));
    return values;
}

// Names of stored values that differ from the expected ones.
QStringList differences(const QVariantMap &stored, const QMap<QString, QString> &expected)
{
    QStringList different;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!notText(stored, it.key()).isEmpty() || stored.value(it.key()).toString() != it.value())
            different.append(it.key() + QStringLiteral("=") + stored.value(it.key()).toString());
    }
    return different;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void initTestCase()
    {
        WindowFixture::useFreshSettings();
        // The store is the program's own file inside the test's folder, never the user's.
        const QString folder = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
        QVERIFY(!folder.isEmpty());
        QCOMPARE(QFileInfo(openStore()->fileName()).absoluteFilePath(),
                 QDir(folder).absoluteFilePath(QStringLiteral("Brontolux/Calvextra.conf")));
        QCOMPARE(SettingsStorePath(), openStore()->fileName());
        watchdog.setInterval(100);
        connect(&watchdog, &QTimer::timeout, this, [this] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                // A save the store did not take is reported; the tests that expect it take the text.
                if (auto *box = qobject_cast<QMessageBox *>(dialog); box && box->objectName() == "msgSettingsNotSaved") {
                    settingsMessages.append(box->text());
                    box->close();
                    return;
                }
                unexpectedDialog = dialog->windowTitle() + QStringLiteral(": ") + dialog->objectName();
                dialog->close();
            }
        });
        watchdog.start();
    }
    void init()
    {
        applyLocaleRow();
        WindowFixture::useFreshSettings();
        savedLanguage = CurrentLanguage().Code;
        unexpectedDialog.clear();
    }
    void cleanup()
    {
        window.reset();
        obstacle.remove();
        DiscardUnsavedSettings();
        CurrentLanguage().Code = savedLanguage;
        QVERIFY2(unexpectedDialog.isEmpty(), qPrintable(unexpectedDialog));
        QVERIFY2(settingsMessages.isEmpty(), qPrintable(settingsMessages.join(QStringLiteral(" / "))));
    }

    // ---- A fresh store ----

    void firstRunWritesEveryDefault_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("site");
        QTest::addColumn<QString>("rate");  // shown in the exchange-rate field, written with "."
        QTest::newRow("English running") << "409" << 1 << "";
        QTest::newRow("German running") << "407" << 4 << "0.7854";
    }

    void firstRunWritesEveryDefault()
    {
        QFETCH(QString, language);
        QFETCH(int, site);
        QFETCH(QString, rate);
        CurrentLanguage().Code = language;
        QVERIFY(storedOnDisk().isEmpty());

        openWindow();

        const QVariantMap stored = storedOnDisk();
        const QMap<QString, QString> defaults = firstRunDefaults(site == 4);
        QCOMPARE(defaults.size(), 42);
        QCOMPARE(stored.keys(), defaults.keys());
        QVERIFY(!stored.contains(QStringLiteral("RegularMotorcycle")));
        QVERIFY(!stored.contains(QStringLiteral("RegularOtherVehicle")));
        for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
            QVERIFY2(notText(stored, it.key()).isEmpty(), qPrintable(notText(stored, it.key())));
            QVERIFY2(stored.value(it.key()).toString() == it.value(),
                     qPrintable(it.key() + QStringLiteral(": ") + stored.value(it.key()).toString()));
        }

        verifySite(site);
        QCOMPARE(text("txtConversion"), inLocale(rate));
        QVERIFY(find<QRadioButton>("optPayPalCreditCard")->isChecked());
        QVERIFY(!find<QRadioButton>("optPayPalNonCreditCard")->isChecked());
        verifyNotepad(false);
        verifyOnTop(false);
        verifyNothingTicked();
        verifyListsAtStart();
        for (const auto &[setting, field] : TextSettings)
            QCOMPARE(text(field), QString());

        // The stored rates are those the site menu brings up.
        find<QAction>("mnuOptionsSiteUK")->trigger();
        QCOMPARE(text("txtConversion"), inLocale(QStringLiteral("0.5305")));
        find<QAction>("mnuOptionsSiteCanada")->trigger();
        QCOMPARE(text("txtConversion"), inLocale(QStringLiteral("1.317")));
        find<QAction>("mnuOptionsSiteGermany")->trigger();
        QCOMPARE(text("txtConversion"), inLocale(QStringLiteral("0.7854")));
    }

    void deletedValuesWithoutFirstRun_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English running") << "409";
        // An empty site is eBay.com whatever the language; only the first run's default differs.
        QTest::newRow("German running") << "407";
    }

    void deletedValuesWithoutFirstRun()
    {
        QFETCH(QString, language);
        CurrentLanguage().Code = language;

        openWindow(false);

        verifySite(1);
        verifyNothingTicked();
        QVERIFY(find<QRadioButton>("optPayPalNonCreditCard")->isChecked());
        QVERIFY(!find<QRadioButton>("optPayPalCreditCard")->isChecked());
        verifyListsAtStart();
        verifyNotepad(false);
        verifyOnTop(false);
        QCOMPARE(text("txtConversion"), QString());
        // Opening the window writes nothing: defaults are for a first run only.
        QVERIFY(storedOnDisk().isEmpty());
    }

    // ---- Loading stored values ----

    void listIndexAtLoad_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index");

        for (const auto &[setting, list] :
             {std::pair{"RegularReserve", "cboIsReserve"}, std::pair{"RegularType", "cboSingleItemType"}}) {
            // "1" is the second entry; anything else, even a valid-looking index, the first.
            for (const auto &[value, index] : {std::pair{"1", 1}, std::pair{"0", 0}, std::pair{"2", 0},
                                               std::pair{"", 0}, std::pair{"yes", 0}, std::pair{" 1", 0}}) {
                QTest::addRow("%s = \"%s\"", setting, value) << setting << list << value << index;
            }
        }
        for (const auto &[setting, list] : {std::pair{"RegularNumExtraPhotos", "cboExtraPhotos"},
                                            std::pair{"DutchNumExtraPhotos", "cboExtraPicturesDutch"}}) {
            // Six entries: 1 to 5 pictures and the pack.
            for (const auto &[value, index] :
                 {std::pair{"3", 3}, std::pair{"", 0}, std::pair{"0", 0}, std::pair{"1", 1}, std::pair{"5", 5},
                  std::pair{"6", 0}, std::pair{"-1", 0}, std::pair{"x", 0}, std::pair{"99", 0}, std::pair{"2.5", 0}}) {
                QTest::addRow("%s = \"%s\"", setting, value) << setting << list << value << index;
            }
        }
    }

    void listIndexAtLoad()
    {
        QFETCH(QString, setting);
        QFETCH(QString, list);
        QFETCH(QString, value);
        QFETCH(int, index);
        store({{setting, value}});

        openWindow();

        QCOMPARE(find<QComboBox>(list.toLatin1().constData())->currentIndex(), index);
        for (const auto &[other, control] : ListSettings) {
            if (QLatin1String(control) != list)
                QCOMPARE(find<QComboBox>(control)->currentIndex(), 0);
        }
    }

    void checkBoxAtLoad_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ticked");
        for (const auto &[setting, box] : CheckSettings) {
            for (const auto &[value, ticked] : {std::pair{"1", true}, std::pair{"0", false},
                                                std::pair{"yes", false}, std::pair{"", false}}) {
                QTest::addRow("%s = \"%s\"", setting, value) << setting << box << value << ticked;
            }
        }
        QTest::newRow("RegularBold = \"1 \"") << "RegularBold" << "chkBold" << "1 " << false;
        QTest::newRow("DutchBold = \"01\"") << "DutchBold" << "chkDutchBold" << "01" << false;
        QTest::newRow("RegularGallery = \"-1\"") << "RegularGallery" << "chkGallery" << "-1" << false;
        QTest::newRow("DutchGallery = \"true\"") << "DutchGallery" << "chkDutchGallery" << "true" << false;
    }

    void checkBoxAtLoad()
    {
        QFETCH(QString, setting);
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(bool, ticked);
        store({{setting, value}});

        openWindow();

        // The value reaches its own box and no other.
        for (const auto &[name, control] : CheckSettings) {
            const bool expected = ticked && QLatin1String(control) == box;
            QVERIFY2(find<QCheckBox>(control)->isChecked() == expected, control);
        }
    }

    void vehicleTypeAtLoad_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("motorcycle");  // "-": not stored
        QTest::addColumn<QString>("otherVehicle");
        QTest::addColumn<bool>("motorcycleSelected");
        QTest::addColumn<bool>("otherVehicleSelected");

        // A ticked vehicle box on eBay.com offers the two types, "other vehicle" when none is chosen.
        QTest::newRow("motorcycle") << "1" << "1" << "-" << true << false;
        QTest::newRow("motorcycle, other vehicle off") << "1" << "1" << "0" << true << false;
        QTest::newRow("other vehicle") << "1" << "0" << "1" << false << true;
        QTest::newRow("neither stored") << "1" << "-" << "-" << false << true;
        QTest::newRow("both off") << "1" << "0" << "0" << false << true;
        QTest::newRow("motorcycle \"yes\"") << "1" << "yes" << "-" << false << true;
        // Both on: the later of the two in loading order wins.
        QTest::newRow("both on") << "1" << "1" << "1" << false << true;
        QTest::newRow("motorcycle on eBay Germany") << "4" << "1" << "-" << true << false;
        // eBay UK has no vehicle types: none stays selected.
        QTest::newRow("motorcycle on eBay UK") << "2" << "1" << "-" << false << false;
    }

    void vehicleTypeAtLoad()
    {
        QFETCH(QString, site);
        QFETCH(QString, motorcycle);
        QFETCH(QString, otherVehicle);
        Values values{{QStringLiteral("Site"), site},
                      {QStringLiteral("RegularMotors"), QStringLiteral("1")},
                      {QStringLiteral("RegularVehicle"), QStringLiteral("1")}};
        if (motorcycle != QLatin1String("-"))
            values.append({QStringLiteral("RegularMotorcycle"), motorcycle});
        if (otherVehicle != QLatin1String("-"))
            values.append({QStringLiteral("RegularOtherVehicle"), otherVehicle});
        store(values);

        openWindow();

        QFETCH(bool, motorcycleSelected);
        QFETCH(bool, otherVehicleSelected);
        QVERIFY(find<QCheckBox>("chkVehicle")->isChecked());
        QCOMPARE(find<QRadioButton>("optMotorcycle")->isChecked(), motorcycleSelected);
        QCOMPARE(find<QRadioButton>("optOtherVehicle")->isChecked(), otherVehicleSelected);
    }

    void vehicleTypeNeedsTheVehicleBox()
    {
        // Without a ticked vehicle box the types are not offered, so a stored type selects nothing.
        store({{QStringLiteral("RegularMotors"), QStringLiteral("1")},
               {QStringLiteral("RegularMotorcycle"), QStringLiteral("1")}});
        openWindow();
        QVERIFY(find<QCheckBox>("chkMotors")->isChecked());
        QVERIFY(!find<QRadioButton>("optMotorcycle")->isChecked());
        QVERIFY(!find<QRadioButton>("optOtherVehicle")->isChecked());
    }

    void payPalOptionAtLoad_data()
    {
        QTest::addColumn<QString>("creditCard");  // "-": not stored
        QTest::addColumn<QString>("nonCreditCard");
        QTest::addColumn<bool>("creditCardSelected");

        QTest::newRow("credit card") << "1" << "0" << true;
        QTest::newRow("non credit card") << "0" << "1" << false;
        // Only "PayPalCreditCard" is read.
        QTest::newRow("both on") << "1" << "1" << true;
        QTest::newRow("both off") << "0" << "0" << false;
        QTest::newRow("credit card alone") << "1" << "-" << true;
        QTest::newRow("non credit card alone") << "-" << "1" << false;
        QTest::newRow("credit card empty") << "" << "0" << false;
        QTest::newRow("credit card \"yes\"") << "yes" << "0" << false;
    }

    void payPalOptionAtLoad()
    {
        QFETCH(QString, creditCard);
        QFETCH(QString, nonCreditCard);
        QFETCH(bool, creditCardSelected);
        Values values;
        if (creditCard != QLatin1String("-"))
            values.append({QStringLiteral("PayPalCreditCard"), creditCard});
        if (nonCreditCard != QLatin1String("-"))
            values.append({QStringLiteral("PayPalNonCreditCard"), nonCreditCard});
        store(values);

        openWindow();

        QCOMPARE(find<QRadioButton>("optPayPalCreditCard")->isChecked(), creditCardSelected);
        QCOMPARE(find<QRadioButton>("optPayPalNonCreditCard")->isChecked(), !creditCardSelected);
    }

    void flagAtLoad_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("on");
        for (const char *setting : {"StayOnTop", "Notepad"}) {
            for (const auto &[value, on] : {std::pair{"1", true}, std::pair{"0", false}, std::pair{"", false},
                                            std::pair{"yes", false}, std::pair{"2", false}}) {
                QTest::addRow("%s = \"%s\"", setting, value) << setting << value << on;
            }
        }
    }

    void flagAtLoad()
    {
        QFETCH(QString, setting);
        QFETCH(QString, value);
        QFETCH(bool, on);
        store({{setting, value}});

        openWindow();

        const bool onTop = setting == QLatin1String("StayOnTop") && on;
        const bool notepad = setting == QLatin1String("Notepad") && on;
        verifyOnTop(onTop);
        verifyNotepad(notepad);
        QVERIFY(window->isVisible());
    }

    void stayOnTopAtLoadThenOneClick()
    {
        store({{QStringLiteral("StayOnTop"), QStringLiteral("1")}});
        openWindow();
        verifyOnTop(true);
        QVERIFY(window->isVisible());
        const QRect placed = window->geometry();

        QAction *onTop = find<QAction>("mnuOptionsOnTop");
        onTop->trigger();
        verifyOnTop(false);
        QVERIFY(window->isVisible());
        QCOMPARE(window->geometry(), placed);

        onTop->trigger();
        verifyOnTop(true);
        QVERIFY(window->isVisible());
        QCOMPARE(window->geometry(), placed);
    }

    void siteAtLoad_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("value");  // "-": not stored
        QTest::addColumn<bool>("ratesStored");
        QTest::addColumn<int>("site");
        QTest::addColumn<QString>("rate");  // expected in the exchange-rate field, written with "."

        QTest::newRow("eBay.com") << "409" << "1" << true << 1 << "";
        QTest::newRow("eBay UK") << "409" << "2" << true << 2 << "1.6";
        QTest::newRow("eBay Canada") << "409" << "3" << true << 3 << "1.2";
        QTest::newRow("eBay Germany") << "409" << "4" << true << 4 << "0.8";
        QTest::newRow("eBay UK, no rate stored") << "409" << "2" << false << 2 << "";
        QTest::newRow("eBay Germany, no rate stored") << "409" << "4" << false << 4 << "";
        QTest::newRow("empty") << "409" << "" << true << 1 << "";
        QTest::newRow("absent") << "409" << "-" << true << 1 << "";
        QTest::newRow("empty, German running") << "407" << "" << true << 1 << "";
        QTest::newRow("eBay UK, German running") << "407" << "2" << true << 2 << "1.6";
        // Codes the program never writes fall back to the default site.
        for (const char *value : {"7", "0", "abc", "2.5", "-2", "5"}) {
            QTest::addRow("\"%s\"", value) << "409" << value << true << 1 << "";
            QTest::addRow("\"%s\", German running", value) << "407" << value << true << 4 << "0.8";
        }
    }

    void siteAtLoad()
    {
        QFETCH(QString, language);
        QFETCH(QString, value);
        QFETCH(bool, ratesStored);
        QFETCH(int, site);
        QFETCH(QString, rate);
        CurrentLanguage().Code = language;
        Values values;
        if (value != QLatin1String("-"))
            values.append({QStringLiteral("Site"), value});
        if (ratesStored) {
            values.append({QStringLiteral("PayPalUKRate"), inLocale(QStringLiteral("1.6"))});
            values.append({QStringLiteral("PayPalCanadaRate"), inLocale(QStringLiteral("1.2"))});
            values.append({QStringLiteral("PayPalGermanyRate"), inLocale(QStringLiteral("0.8"))});
        }
        store(values);

        openWindow();

        verifySite(site);
        QCOMPARE(text("txtConversion"), inLocale(rate));
        // The field sits on the payment tab; only eBay.com hides it.
        QCOMPARE(find<QLineEdit>("txtConversion")->isHidden(), site == 1);
    }

    // A rate is text as typed: it is shown unchanged, separator and all. A stored text that is
    // no usable rate (not a positive number below a million of at most 16 characters) shows as
    // no rate stored does, at load and on changing to the site.
    void rateIsLoadedAsStored_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("1.23456789") << "1.23456789" << true;
        QTest::newRow("999999.99") << "999999.99" << true;
        for (const char *unusable : {"-100", "-1e308", "1e308", "1000000", "0", "0.123456789012345"})
            QTest::newRow(unusable) << unusable << false;
    }
    void rateIsLoadedAsStored()
    {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        const QString typed = inLocale(stored);
        store({{QStringLiteral("Site"), QStringLiteral("3")}, {QStringLiteral("PayPalCanadaRate"), typed},
               {QStringLiteral("PayPalGermanyRate"), typed}});
        openWindow();
        QCOMPARE(text("txtConversion"), shown ? typed : QString());
        find<QAction>("mnuOptionsSiteGermany")->trigger();
        QCOMPARE(text("txtConversion"), shown ? typed : QString());
    }

    void restoredEntriesShowTheirFees_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("site");         // stored "Site"; "-": not stored
        QTest::addColumn<int>("shownSite");
        QTest::addColumn<QString>("reserve");      // stored "RegularReserve"
        QTest::addColumn<QString>("opening");      // stored "RegularNumeric", written with "."
        QTest::addColumn<QString>("offered");      // stored "DutchItemsOffered"
        QTest::addColumn<QString>("dutchOpening"); // stored "DutchOpeningPrice", written with "."
        QTest::addColumn<QStringList>("ticks");    // boxes stored as ticked
        QTest::addColumn<QString>("rate");         // the site's stored exchange rate, as typed
        QTest::addColumn<QString>("insertion");    // a figure known from the fee tables, or ""

        const QStringList none;
        // eBay.com 100.00 is the 2.40 tier; unsold with a reserve it adds the reserve fee 2.00.
        QTest::newRow("eBay.com 100") << "409" << "1" << 1 << "0" << "100" << "10" << "2.5" << none << "" << "2.40";
        QTest::newRow("eBay.com 100, reserve") << "409" << "1" << 1 << "1" << "100" << "4" << "3" << none << "" << "4.40";
        QTest::newRow("eBay.com 100, Bold on both tabs")
            << "409" << "1" << 1 << "0" << "100" << "10" << "2.5" << QStringList{"chkBold", "chkDutchBold"} << "" << "2.40";
        // eBay UK 100.00: 2.00; unsold with a reserve 2.00 + 2 % of 100.
        QTest::newRow("eBay UK 100") << "409" << "2" << 2 << "0" << "100" << "10" << "2.5" << none << "1.6" << "2.00";
        QTest::newRow("eBay UK 100, reserve") << "409" << "2" << 2 << "1" << "100" << "4" << "3" << none << "1.6" << "4.00";
        // eBay Canada 100.00: 3.30; unsold with a reserve 3.30 + 3.00.
        QTest::newRow("eBay Canada 100") << "409" << "3" << 3 << "0" << "100" << "10" << "2.5" << none << "1.23456789"
                                         << "3.30";
        QTest::newRow("eBay Canada 100, reserve") << "409" << "3" << 3 << "1" << "100" << "4" << "3" << none << "1.2"
                                                  << "6.30";
        QTest::newRow("eBay Germany 100") << "409" << "4" << 4 << "0" << "100" << "10" << "2.5" << none << "0.8" << "";
        // eBay Germany has no reserve: a stored one is dropped. 250.00 is the 4.80 tier.
        QTest::newRow("eBay Germany 250, reserve stored") << "409" << "4" << 4 << "1" << "250" << "4" << "3" << none
                                                          << "0.8" << "4.80";
        // Every restored box raises its handlers before the prices are in; the fees come out as
        // entered by hand all the same.
        QTest::newRow("eBay.com 100, reserve, motors vehicle with extras")
            << "409" << "1" << 1 << "1" << "100" << "10" << "2.5"
            << QStringList{"chkMotors", "chkVehicle", "chkGallery", "chkTwoCategories", "chkDutchGallery"} << "" << "";
        QTest::newRow("eBay UK 100, real estate and extras on both tabs")
            << "409" << "2" << 2 << "0" << "100" << "4" << "3"
            << QStringList{"chkRealEstate", "chkTenDayAuction", "chkExtraPhotos", "chkDutchHighlight",
                           "chkExtraPicturesDutch"}
            << "1.6" << "";
        QTest::newRow("eBay Germany 250, gift and featured")
            << "407" << "4" << 4 << "0" << "250" << "10" << "2.5"
            << QStringList{"chkGiftIcon", "chkFeatured", "chkDutchGreatGift", "chkDutchFeaturedPlus"} << "0.8" << "";
        QTest::newRow("multiple items only") << "409" << "1" << 1 << "0" << "" << "4" << "3" << none << "" << "";
        QTest::newRow("site not stored") << "409" << "-" << 1 << "0" << "100" << "10" << "2.5" << none << "" << "2.40";
        QTest::newRow("malformed site, German running")
            << "407" << "abc" << 4 << "0" << "250" << "10" << "2.5" << none << "0.8" << "4.80";
    }

    void restoredEntriesShowTheirFees()
    {
        QFETCH(QString, language);
        QFETCH(QString, site);
        QFETCH(int, shownSite);
        QFETCH(QString, reserve);
        QFETCH(QString, opening);
        QFETCH(QString, offered);
        QFETCH(QString, dutchOpening);
        QFETCH(QStringList, ticks);
        QFETCH(QString, rate);
        QFETCH(QString, insertion);
        CurrentLanguage().Code = language;
        const QString rateSetting = QString::fromLatin1(RateSettings[std::size_t(shownSite)]);
        const Values rates = rateSetting.isEmpty() ? Values{} : Values{{rateSetting, inLocale(rate)}};

        Values values = rates;
        if (site != QLatin1String("-"))
            values.append({QStringLiteral("Site"), site});
        values.append({QStringLiteral("RegularReserve"), reserve});
        values.append({QStringLiteral("RegularNumeric"), inLocale(opening)});
        values.append({QStringLiteral("DutchItemsOffered"), offered});
        values.append({QStringLiteral("DutchOpeningPrice"), inLocale(dutchOpening)});
        for (const auto &[setting, box] : CheckSettings) {
            if (ticks.contains(QLatin1String(box)))
                values.append({QString::fromLatin1(setting), QStringLiteral("1")});
        }
        store(values);
        openWindow(false);
        verifySite(shownSite);
        const QMap<QString, QString> restored = shownState();
        if (!insertion.isEmpty())
            QCOMPARE(restored.value("txtInsertionFee"), inLocale(insertion));
        // The exchange rate is shown as stored, untouched by the recalculation.
        QCOMPARE(restored.value("txtConversion"), inLocale(rate));
        window.reset();

        // The same entries made by hand in a window that starts with nothing but the rates, then
        // each tab's Calculate button clicked.
        WindowFixture::useFreshSettings();
        store(rates);
        openWindow(false);
        find<QAction>(SiteItems[std::size_t(shownSite - 1)])->trigger();
        auto *reserveList = find<QComboBox>("cboIsReserve");
        if (reserve == QLatin1String("1") && !reserveList->isHidden()) {
            reserveList->setFocus(Qt::TabFocusReason);
            QTest::keyClick(reserveList, Qt::Key_Down);
            QCOMPARE(reserveList->currentIndex(), 1);
        }
        for (const auto &[setting, box] : CheckSettings) {
            if (ticks.contains(QLatin1String(box))) {
                showTabOf(find<QCheckBox>(box));
                find<QCheckBox>(box)->click();
            }
        }
        if (!opening.isEmpty())
            typeAndLeave("txtStartingPrice", inLocale(opening));
        typeAndLeave("txtDutchItemsOffered", offered);
        typeAndLeave("txtDutchOpeningPrice", inLocale(dutchOpening));
        for (const char *button : {"cmdCalculate", "cmdDutchCalculate", "cmdCalculatePaymentFees"}) {
            showTabOf(find<QPushButton>(button));
            QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
        }

        const QMap<QString, QString> calculated = shownState();
        for (auto it = calculated.cbegin(); it != calculated.cend(); ++it)
            QVERIFY2(restored.value(it.key()) == it.value(),
                     qPrintable(it.key() + QStringLiteral(": restored ") + restored.value(it.key())
                                + QStringLiteral(", calculated ") + it.value()));
        QCOMPARE(restored.size(), calculated.size());
    }

    // ---- Saving from the menu ----

    void saveAndReopen_data()
    {
        QTest::addColumn<QString>("siteItem");
        QTest::addColumn<QString>("rate");  // typed, with "."; empty on eBay.com
        QTest::addColumn<QStringList>("ticks");  // clicked in this order
        QTest::addColumn<bool>("motorcycle");
        QTest::addColumn<int>("singleItemType");
        QTest::addColumn<int>("reserve");
        QTest::addColumn<int>("extraPhotos");
        QTest::addColumn<int>("extraPicturesDutch");
        QTest::addColumn<QString>("startingPrice");  // typed, with "."
        QTest::addColumn<QString>("itemsOffered");
        QTest::addColumn<QString>("openingPrice");  // typed, with "."
        QTest::addColumn<bool>("creditCard");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("notepad");

        QTest::newRow("eBay.com, motorcycle")
            << "mnuOptionsSiteEbay" << ""
            << QStringList{"chkMotors",          "chkVehicle",      "chkGiftIcon",       "chkFeatured",
                           "chkGallery",         "chkGalleryFeatured", "chkExtraPhotos", "chkEBayMotorsDutch",
                           "chkDutchGreatGift",  "chkDutchGallery", "chkDutchGalleryFeatured"}
            << true << 0 << 1 << 5 << 0 << "12.50" << "10" << "2.50" << false << true << true;
        QTest::newRow("eBay UK, real estate")
            << "mnuOptionsSiteUK" << "1.6"
            << QStringList{"chkFeaturedCategory",   "chkHighlighted",     "chkBold",
                           "chkRealEstate",         "chkTwoCategories",   "chkTenDayAuction",
                           "chkSupersizePhotos",    "chkSlideshow",       "chkDutchFeaturedPlus",
                           "chkDutchHomePageFeatured", "chkDutchHighlight", "chkDutchBold",
                           "chkDutchTenDayAuction", "chkExtraPicturesDutch", "chkSupersizeDutch",
                           "chkSlideshowDutch"}
            << false << 1 << 0 << 0 << 3 << "7.25" << "3" << "0.99" << true << false << false;
        QTest::newRow("eBay Canada")
            << "mnuOptionsSiteCanada" << "1.2" << QStringList{"chkGallery", "chkExtraPhotos", "chkDutchBold"} << false
            << 0 << 1 << 1 << 0 << "100.00" << "25" << "1.00" << true << false << true;
        QTest::newRow("eBay Germany")
            << "mnuOptionsSiteGermany" << "0.8"
            << QStringList{"chkFeatured", "chkExtraPhotos", "chkMotors", "chkVehicle", "chkExtraPicturesDutch"}
            << false << 0 << 0 << 2 << 4 << "5.00" << "2" << "3.00" << false << true << false;
    }

    void saveAndReopen()
    {
        QFETCH(QString, siteItem);
        QFETCH(QString, rate);
        QFETCH(QStringList, ticks);
        QFETCH(bool, motorcycle);
        QFETCH(int, singleItemType);
        QFETCH(int, reserve);
        QFETCH(int, extraPhotos);
        QFETCH(int, extraPicturesDutch);
        QFETCH(QString, startingPrice);
        QFETCH(QString, itemsOffered);
        QFETCH(QString, openingPrice);
        QFETCH(bool, creditCard);
        QFETCH(bool, onTop);
        QFETCH(bool, notepad);

        openWindow();
        find<QAction>(siteItem.toLatin1().constData())->trigger();
        if (!rate.isEmpty())
            retype("txtConversion", inLocale(rate));
        for (const QString &name : ticks) {
            QCheckBox *box = find<QCheckBox>(name.toLatin1().constData());
            box->click();
            QVERIFY2(box->isChecked(), qPrintable(name));
        }
        if (motorcycle)
            find<QRadioButton>("optMotorcycle")->click();
        find<QComboBox>("cboSingleItemType")->setCurrentIndex(singleItemType);
        find<QComboBox>("cboIsReserve")->setCurrentIndex(reserve);
        find<QComboBox>("cboExtraPhotos")->setCurrentIndex(extraPhotos);
        find<QComboBox>("cboExtraPicturesDutch")->setCurrentIndex(extraPicturesDutch);
        typeAndLeave("txtStartingPrice", inLocale(startingPrice));
        typeAndLeave("txtDutchItemsOffered", itemsOffered);
        typeAndLeave("txtDutchOpeningPrice", inLocale(openingPrice));
        find<QRadioButton>(creditCard ? "optPayPalCreditCard" : "optPayPalNonCreditCard")->click();
        if (onTop)
            find<QAction>("mnuOptionsOnTop")->trigger();
        if (notepad)
            find<QPushButton>("cmdNotepad")->click();

        const QMap<QString, QString> before = rememberedState();
        QCOMPARE(before.value("optMotorcycle"), flag(motorcycle));
        QCOMPARE(before.value("txtStartingPrice"), inLocale(startingPrice));
        QCOMPARE(before.value("txtDutchItemsOffered"), itemsOffered);
        QCOMPARE(before.value("txtDutchOpeningPrice"), inLocale(openingPrice));
        QCOMPARE(before.value("txtConversion"), inLocale(rate));
        for (const QString &name : ticks)
            QVERIFY2(before.value(name) == QLatin1String("1"), qPrintable(name));
        verifyOnTop(onTop);
        verifyNotepad(notepad);

        find<QAction>("mnuOptionsSaveSettings")->trigger();

        // Flags are "1"/"0", list positions their index as decimal text, entries as typed.
        const QVariantMap stored = storedOnDisk();
        const int site = window->Site().Site();
        QMap<QString, QString> expected{
            {QStringLiteral("Site"), QString::number(site)},
            {QStringLiteral("StayOnTop"), flag(onTop)},
            {QStringLiteral("Notepad"), flag(notepad)},
            {QStringLiteral("RegularType"), QString::number(singleItemType)},
            {QStringLiteral("RegularReserve"), QString::number(reserve)},
            {QStringLiteral("RegularNumExtraPhotos"), QString::number(extraPhotos)},
            {QStringLiteral("DutchNumExtraPhotos"), QString::number(extraPicturesDutch)},
            {QStringLiteral("RegularNumeric"), inLocale(startingPrice)},
            {QStringLiteral("DutchItemsOffered"), itemsOffered},
            {QStringLiteral("DutchOpeningPrice"), inLocale(openingPrice)},
            {QStringLiteral("RegularMotorcycle"), flag(motorcycle)},
            {QStringLiteral("RegularOtherVehicle"), before.value("optOtherVehicle")},
            {QStringLiteral("PayPalCreditCard"), flag(creditCard)},
            {QStringLiteral("PayPalNonCreditCard"), flag(!creditCard)},
        };
        for (const auto &[setting, box] : CheckSettings)
            expected.insert(QString::fromLatin1(setting), flag(ticks.contains(QLatin1String(box))));
        if (site != 1)
            expected.insert(QString::fromLatin1(RateSettings[std::size_t(site)]), inLocale(rate));
        const QStringList different = differences(stored, expected);
        QVERIFY2(different.isEmpty(), qPrintable(different.join(QStringLiteral(", "))));

        window->close();
        window.reset();
        openWindow();

        const QMap<QString, QString> after = rememberedState();
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(),
                     qPrintable(it.key() + QStringLiteral(": ") + it.value() + QStringLiteral(" -> ")
                                + after.value(it.key())));
        verifyOnTop(onTop);
        verifyNotepad(notepad);
    }

    // ---- Closing without saving ----

    void closingKeepsSiteAndRate_data()
    {
        QTest::addColumn<QString>("siteItem");
        QTest::addColumn<int>("site");
        QTest::addColumn<QString>("rate");  // typed, with "."
        QTest::addColumn<QString>("defaultRate");
        QTest::newRow("eBay UK") << "mnuOptionsSiteUK" << 2 << "1.6" << "0.5305";
        QTest::newRow("eBay Canada") << "mnuOptionsSiteCanada" << 3 << "1.25" << "1.317";
        QTest::newRow("eBay Germany") << "mnuOptionsSiteGermany" << 4 << "0.95" << "0.7854";
    }

    void closingKeepsSiteAndRate()
    {
        QFETCH(QString, siteItem);
        QFETCH(int, site);
        QFETCH(QString, rate);
        QFETCH(QString, defaultRate);

        openWindow();
        find<QAction>(siteItem.toLatin1().constData())->trigger();
        QCOMPARE(text("txtConversion"), inLocale(defaultRate));
        retype("txtConversion", inLocale(rate));
        QCOMPARE(text("txtConversion"), inLocale(rate));
        // Entries, boxes, keep-on-top and the notepad are kept only by saving from the menu.
        typeAndLeave("txtStartingPrice", inLocale(QStringLiteral("12.50")));
        typeAndLeave("txtDutchItemsOffered", QStringLiteral("10"));
        typeAndLeave("txtDutchOpeningPrice", inLocale(QStringLiteral("2.50")));
        find<QCheckBox>("chkBold")->click();
        find<QCheckBox>("chkDutchBold")->click();
        find<QComboBox>("cboSingleItemType")->setCurrentIndex(1);
        find<QRadioButton>("optPayPalNonCreditCard")->click();
        find<QAction>("mnuOptionsOnTop")->trigger();
        find<QPushButton>("cmdNotepad")->click();

        window->close();
        QVERIFY(!window->isVisible());

        const QVariantMap stored = storedOnDisk();
        QMap<QString, QString> expected = firstRunDefaults(false);
        expected.insert(QStringLiteral("Site"), QString::number(site));
        expected.insert(QString::fromLatin1(RateSettings[std::size_t(site)]), inLocale(rate));
        const QStringList different = differences(stored, expected);
        QVERIFY2(different.isEmpty(), qPrintable(different.join(QStringLiteral(", "))));
        QCOMPARE(stored.size(), expected.size());

        window.reset();
        openWindow();
        verifySite(site);
        QCOMPARE(text("txtConversion"), inLocale(rate));
        for (const auto &[setting, field] : TextSettings)
            QCOMPARE(text(field), QString());
        verifyNothingTicked();
        verifyListsAtStart();
        QVERIFY(find<QRadioButton>("optPayPalCreditCard")->isChecked());
        verifyOnTop(false);
        verifyNotepad(false);
    }

    void toolPanelsKeepPlaceAndVisibility_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("leftShown");
        QTest::newRow("breakdown shown") << int(Qt::Key_F6) << "FeeBreakdownPanel" << "mnuToolsFeeBreakdown" << true;
        QTest::newRow("profit shown") << int(Qt::Key_F7) << "ProfitPanel" << "mnuToolsProfit" << true;
        QTest::newRow("compare hidden again") << int(Qt::Key_F8) << "CompareSitesPanel" << "mnuToolsCompareSites"
                                              << false;
    }

    // A panel opened from its key comes back at the next start where it was left, shown or not.
    void toolPanelsKeepPlaceAndVisibility()
    {
        QFETCH(int, key);
        QFETCH(QString, panel);
        QFETCH(QString, item);
        QFETCH(bool, leftShown);

        openWindow();
        QTest::keyClick(window.get(), Qt::Key(key));
        auto *shown = window->findChild<QWidget *>(panel);
        QVERIFY(shown && shown->isVisible());
        QVERIFY(find<QAction>(item.toLatin1().constData())->isChecked());
        const QPoint place(333, 222);
        shown->move(place);
        if (!leftShown) {
            QApplication::setActiveWindow(window.get());
            QTest::keyClick(window.get(), Qt::Key(key));
            QVERIFY(!shown->isVisible());
            QVERIFY(!find<QAction>(item.toLatin1().constData())->isChecked());
        }
        const QSize size = shown->size();
        window->close();

        const QVariantMap stored = storedOnDisk();
        QCOMPARE(stored.value(panel).toString(), leftShown ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(stored.value(panel + QStringLiteral("Place")).toString(),
                 QStringLiteral("333,222,%1,%2").arg(size.width()).arg(size.height()));
        // The other panels were never opened: nothing is stored for them.
        for (const char *other : frmeBayFees::ToolPanelSettingNames) {
            if (QString::fromLatin1(other) != panel)
                QVERIFY(!stored.contains(QString::fromLatin1(other)));
        }

        window.reset();
        openWindow();
        auto *again = window->findChild<QWidget *>(panel);
        QCOMPARE(again != nullptr && again->isVisible(), leftShown);
        QCOMPARE(find<QAction>(item.toLatin1().constData())->isChecked(), leftShown);
        if (leftShown)
            QCOMPARE(again->pos(), place);
    }

    // The profit panel's costs come back at the next start; a kept text the field would refuse
    // is dropped, not shown.
    void profitCostsKeptBetweenRuns()
    {
        openWindow();
        QTest::keyClick(window.get(), Qt::Key_F7);
        auto *panel = window->findChild<QWidget *>(QStringLiteral("ProfitPanel"));
        QVERIFY(panel && panel->isVisible());
        const char *names[] = {"txtProfitItemCost", "txtProfitShippingCharged", "txtProfitShippingCost", "txtProfitTarget"};
        const QString typed[] = {inLocale(QStringLiteral("12.5")), QStringLiteral("4"), inLocale(QStringLiteral("3.99")),
                                 QString()};
        for (int entry = 0; entry < 4; ++entry) {
            auto *field = panel->findChild<QLineEdit *>(QString::fromLatin1(names[entry]));
            QApplication::setActiveWindow(panel);
            field->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(field, typed[entry]);
        }
        window->close();
        const QVariantMap stored = storedOnDisk();
        QCOMPARE(stored.value(QStringLiteral("ProfitItemCost")).toString(), typed[0]);
        QCOMPARE(stored.value(QStringLiteral("ProfitShippingCost")).toString(), typed[2]);

        openStore()->setValue(QStringLiteral("ProfitShippingCharged"), QStringLiteral("-4"));
        window.reset();
        openWindow();
        auto *again = window->findChild<QWidget *>(QStringLiteral("ProfitPanel"));
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->findChild<QLineEdit *>(QString::fromLatin1(names[0]))->text(), typed[0]);
        QCOMPARE(again->findChild<QLineEdit *>(QString::fromLatin1(names[1]))->text(), QString());
        QCOMPARE(again->findChild<QLineEdit *>(QString::fromLatin1(names[2]))->text(), typed[2]);
    }

    // A load reads the store once; a save made while it reads is seen by the reads after it.
    void oneReadingSeesItsOwnSaves()
    {
        QVERIFY(WriteSetting(QStringLiteral("Site"), QStringLiteral("2")).Ok());
        const SettingsReading reading;
        QCOMPARE(ReadSetting(QStringLiteral("Site")), QStringLiteral("2"));
        QVERIFY(WriteSetting(QStringLiteral("Site"), QStringLiteral("3")).Ok());
        QCOMPARE(ReadSetting(QStringLiteral("Site")), QStringLiteral("3"));
        QCOMPARE(ReadSetting(QStringLiteral("NoSuchSetting")), QString());
    }

    void clearedRateIsNotErased()
    {
        openWindow();
        QAction *uk = find<QAction>("mnuOptionsSiteUK");
        QLineEdit *conversion = find<QLineEdit>("txtConversion");
        uk->trigger();
        retype("txtConversion", inLocale(QStringLiteral("1.6")));

        // Leaving the site stores its rate; coming back shows it again.
        find<QAction>("mnuOptionsSiteEbay")->trigger();
        QCOMPARE(storedOnDisk().value(QStringLiteral("PayPalUKRate")).toString(), inLocale(QStringLiteral("1.6")));
        uk->trigger();
        QCOMPARE(conversion->text(), inLocale(QStringLiteral("1.6")));

        // An emptied field stores nothing: not when the site changes ...
        retype("txtConversion", QString());
        QTest::keyClick(conversion, Qt::Key_Backspace);
        QCOMPARE(conversion->text(), QString());
        find<QAction>("mnuOptionsSiteCanada")->trigger();
        QCOMPARE(conversion->text(), inLocale(QStringLiteral("1.317")));
        QVariantMap stored = storedOnDisk();
        QCOMPARE(stored.value(QStringLiteral("PayPalUKRate")).toString(), inLocale(QStringLiteral("1.6")));
        QCOMPARE(stored.value(QStringLiteral("PayPalCanadaRate")).toString(), inLocale(QStringLiteral("1.317")));
        uk->trigger();
        QCOMPARE(conversion->text(), inLocale(QStringLiteral("1.6")));

        // ... nor when saving from the menu, nor at closing.
        conversion->clear();
        find<QAction>("mnuOptionsSaveSettings")->trigger();
        QCOMPARE(storedOnDisk().value(QStringLiteral("PayPalUKRate")).toString(), inLocale(QStringLiteral("1.6")));
        window->close();
        stored = storedOnDisk();
        QCOMPARE(stored.value(QStringLiteral("Site")).toString(), QStringLiteral("2"));
        QCOMPARE(stored.value(QStringLiteral("PayPalUKRate")).toString(), inLocale(QStringLiteral("1.6")));

        window.reset();
        openWindow();
        verifySite(2);
        QCOMPARE(text("txtConversion"), inLocale(QStringLiteral("1.6")));
    }

    // ---- A store that cannot be written ----

    // Each save the store does not take says so once, naming the file and the reason; what the
    // user chose stays in effect, the window goes on, and the obstacle is left as it was. Once the
    // store takes values again, the next save stores what was kept.
    void failedSaveIsReported_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("reason");
        const std::array<std::pair<SettingsObstacle::Kind, const char *>, 7> obstacles{{
            {SettingsObstacle::ReadOnlyFile, "The file is read-only."},
            {SettingsObstacle::Folder, "There is a folder in place of the file."},
            {SettingsObstacle::Fifo, "It is not a regular file."},
            {SettingsObstacle::FileForFolder, "The folder of the file cannot be written to."},
            {SettingsObstacle::FullDisk, "The disk is full."},
            {SettingsObstacle::OnePageFree, "The disk is full."},
            {SettingsObstacle::FlushFault, "The file could not be written."},
        }};
        const std::array<const char *, 7> names{"read-only file", "folder", "FIFO", "file in place of the folder",
                                                "full disk", "one page free", "failing flush"};
        for (std::size_t i = 0; i < obstacles.size(); ++i) {
            for (const char *action : {"save from the menu", "closing", "site switch"})
                QTest::addRow("%s, %s", names[i], action) << int(obstacles[i].first) << action << obstacles[i].second;
        }
    }

    void failedSaveIsReported()
    {
        QFETCH(int, kind);
        QFETCH(QString, action);
        QFETCH(QString, reason);
        store({{QStringLiteral("Site"), QStringLiteral("2")}, {QStringLiteral("PayPalUKRate"), inLocale(QStringLiteral("0.6123"))}});
        openWindow(false);
        retype("txtConversion", inLocale(QStringLiteral("1.7")));
        typeAndLeave("txtStartingPrice", inLocale(QStringLiteral("12.50")));
        const QString notPlaced = obstacle.place(SettingsObstacle::Kind(kind), SettingsStorePath());
        if (!notPlaced.isEmpty())
            QSKIP(qPrintable(notPlaced));
        const HangGuard guard(60);

        if (action == QLatin1String("save from the menu"))
            find<QAction>("mnuOptionsSaveSettings")->trigger();
        else if (action == QLatin1String("closing"))
            window->close();
        else
            find<QAction>("mnuOptionsSiteCanada")->trigger();

        QCOMPARE(takeSettingsMessages(),
                 QStringList{QStringLiteral("The settings could not be saved in the file ")
                             + QDir::toNativeSeparators(SettingsStorePath()) + QStringLiteral(".\n") + reason
                             + QStringLiteral("\n\nYour choices stay in effect until the program is closed.")});
        QVERIFY2(obstacle.changed().isEmpty(), qPrintable(obstacle.changed()));
        QCOMPARE(ReadSetting(QStringLiteral("PayPalUKRate")), inLocale(QStringLiteral("1.7")));
        if (action != QLatin1String("closing")) {
            // Coming back to the site brings its rate back, and no further message.
            find<QAction>("mnuOptionsSiteEbay")->trigger();
            find<QAction>("mnuOptionsSiteUK")->trigger();
            QCOMPARE(text("txtConversion"), inLocale(QStringLiteral("1.7")));
            QCOMPARE(text("txtStartingPrice"), inLocale(QStringLiteral("12.50")));
            QVERIFY(takeSettingsMessages().isEmpty());
        }

        obstacle.remove();
        // A new file that a save killed before its rename left behind goes with the next save,
        // and so does the lock of a copy of the program that died.
        const QString leftover = SettingsStorePath() + QStringLiteral(".new-Ab12Cd");
        QVERIFY(QFile(leftover).open(QIODevice::WriteOnly));
        // Files that only look alike are the user's own.
        const QStringList lookAlikes{SettingsStorePath() + QStringLiteral(".new"),
                                     SettingsStorePath() + QStringLiteral(".bak-new-Ab12Cd"),
                                     QFileInfo(SettingsStorePath()).dir().filePath(QStringLiteral("Other.conf.new-Ab12Cd"))};
        for (const QString &file : lookAlikes)
            QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadProcess = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile staleLock(SettingsStorePath() + QStringLiteral(".lock"));
        QVERIFY(staleLock.open(QIODevice::WriteOnly));
        staleLock.write(QByteArray::number(deadProcess) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n'
                        + QSysInfo::machineHostName().toUtf8() + '\n');
        staleLock.close();
        QVERIFY(WriteSetting(QStringLiteral("Notepad"), QStringLiteral("1")).Ok());
        QVERIFY(!QFile::exists(leftover));
        for (const QString &file : lookAlikes)
            QVERIFY2(QFile::exists(file), qPrintable(file));
        const QVariantMap stored = storedOnDisk();
        QCOMPARE(stored.value(QStringLiteral("PayPalUKRate")).toString(), inLocale(QStringLiteral("1.7")));
        QCOMPARE(stored.value(QStringLiteral("Notepad")).toString(), QStringLiteral("1"));
        if (action == QLatin1String("save from the menu"))
            QCOMPARE(stored.value(QStringLiteral("RegularNumeric")).toString(), inLocale(QStringLiteral("12.50")));
    }

    // ---- Values the program never writes ----

    void malformedValuesEverywhere_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("number");  // a non-negative number: the entry fields keep its amount

        QTest::newRow("garbage") << "409" << "garbage" << false;
        QTest::newRow("-1") << "409" << "-1" << false;
        QTest::newRow("99") << "409" << "99" << true;
        QTest::newRow("1e7") << "409" << "1e7" << true;
        // Beyond the largest amount a money field takes.
        QTest::newRow("1e9") << "409" << "1e9" << false;
        QTest::newRow("5000 characters") << "409" << QString(5000, QLatin1Char('Z')) << false;
        QTest::newRow("5000 characters, mixed")
            << "409" << QStringLiteral("1;=[]\"\\\n").repeated(625) << false;
        QTest::newRow("non-Latin") << "409" << QStringLiteral("Größe ✓ 日本語 Ωμέγα") << false;
        QTest::newRow("garbage, German running") << "407" << "garbage" << false;
        QTest::newRow("non-Latin, German running") << "407" << QStringLiteral("Цена ✓ 日本語") << false;
    }

    void malformedValuesEverywhere()
    {
        QFETCH(QString, language);
        QFETCH(QString, value);
        QFETCH(bool, number);
        CurrentLanguage().Code = language;
        Values values;
        for (const QString &name : allSettingNames())
            values.append({name, value});
        store(values);
        QCOMPARE(storedOnDisk().value(QStringLiteral("Site")).toString(), value);

        openWindow();
        QVERIFY(window->isVisible());

        // Every value falls back to its default.
        const int site = language == QLatin1String("407") ? 4 : 1;
        verifySite(site);
        verifyOnTop(false);
        verifyNotepad(false);
        verifyNothingTicked();
        verifyListsAtStart();
        QVERIFY(!find<QRadioButton>("optMotorcycle")->isChecked());
        QVERIFY(!find<QRadioButton>("optOtherVehicle")->isChecked());
        QVERIFY(find<QRadioButton>("optPayPalNonCreditCard")->isChecked());
        // A usable rate is shown as it was stored, on the sites that have one.
        const QString rate = CPaymentService::IsUsableRateText(value) ? value : QString();
        QCOMPARE(text("txtConversion"), site == 4 ? rate : QString());
        for (const auto &[setting, field] : TextSettings) {
            if (!number)
                QVERIFY2(text(field).isEmpty(), field);
            else if (QLatin1String(field) != QLatin1String("txtDutchItemsOffered"))
                QVERIFY2(MoneyFromText(text(field)) == MoneyFromText(value), field);
        }

        // The window still works: it calculates, switches site and saves well-formed values.
        find<QAction>("mnuOptionsSiteUK")->trigger();
        verifySite(2);
        QCOMPARE(text("txtConversion"), rate);
        find<QAction>("mnuOptionsSaveSettings")->trigger();
        const QVariantMap stored = storedOnDisk();
        QCOMPARE(stored.value(QStringLiteral("Site")).toString(), QStringLiteral("2"));
        QCOMPARE(stored.value(QStringLiteral("RegularNumExtraPhotos")).toString(), QStringLiteral("0"));
        QCOMPARE(stored.value(QStringLiteral("RegularBold")).toString(), QStringLiteral("0"));
        QCOMPARE(stored.value(QStringLiteral("PayPalCreditCard")).toString(), QStringLiteral("0"));
    }

    void nonTextValuesReadAsAbsent_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("throughFile");  // the file replaced as another process left it

                // A number or a list set in this process keeps its type; in the file a number is plain text,
        // so the rows "in the file" use types the file keeps (lists of several entries, bytes).
        QTest::newRow("Site as a number") << "Site" << QVariant(2) << false;
        QTest::newRow("Site as a list") << "Site" << QVariant(QStringList{"2", "3"}) << false;
        QTest::newRow("Site as a list, in the file") << "Site" << QVariant(QStringList{"2", "3"}) << true;
        QTest::newRow("Site as bytes, in the file") << "Site" << QVariant(QByteArray("2")) << true;
        QTest::newRow("StayOnTop as a number") << "StayOnTop" << QVariant(1) << false;
        QTest::newRow("StayOnTop as a list, in the file") << "StayOnTop" << QVariant(QStringList{"1", "1"}) << true;
        QTest::newRow("RegularBold as a number") << "RegularBold" << QVariant(1) << false;
        QTest::newRow("RegularBold as a one-entry list") << "RegularBold" << QVariant(QStringList{"1"}) << false;
        QTest::newRow("RegularBold as bytes, in the file") << "RegularBold" << QVariant(QByteArray("1")) << true;
        QTest::newRow("RegularReserve as a number") << "RegularReserve" << QVariant(1) << false;
        QTest::newRow("RegularNumExtraPhotos as a number") << "RegularNumExtraPhotos" << QVariant(3) << false;
        QTest::newRow("RegularNumExtraPhotos as a list, in the file")
            << "RegularNumExtraPhotos" << QVariant(QStringList{"3", "4"}) << true;
        QTest::newRow("PayPalCreditCard as a number") << "PayPalCreditCard" << QVariant(1) << false;
        QTest::newRow("PayPalCreditCard as bytes, in the file")
            << "PayPalCreditCard" << QVariant(QByteArray("1")) << true;
        QTest::newRow("RegularNumeric as a number") << "RegularNumeric" << QVariant(12) << false;
        QTest::newRow("RegularNumeric as a list, in the file")
            << "RegularNumeric" << QVariant(QStringList{"12", "13"}) << true;
    }

    void nonTextValuesReadAsAbsent()
    {
        QFETCH(QString, setting);
        QFETCH(QVariant, value);
        QFETCH(bool, throughFile);
        // The rates are there, so that a site that was read would show one.
        const Values values{{setting, value},
                            {QStringLiteral("PayPalUKRate"), QStringLiteral("1.6")},
                            {QStringLiteral("PayPalCanadaRate"), QStringLiteral("1.2")}};
        if (throughFile) {
            storeAsFile(values);
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(!notText(storedOnDisk(), setting).isEmpty(), "the file keeps the value as text");
        } else {
            store(values);
        }

        openWindow();

        verifySite(1);
        verifyOnTop(false);
        verifyNothingTicked();
        verifyListsAtStart();
        QVERIFY(find<QRadioButton>("optPayPalNonCreditCard")->isChecked());
        QCOMPARE(text("txtStartingPrice"), QString());
    }

    // ---- Two copies of the program saving at once ----

    // A file another program wrote with lines QSettings reads but never writes back as read (a
    // key without a name, a list holding a NUL, a typed value, a cut group header) still takes
    // the next save: the values of the save are stored and the other keys kept.
    void saveOverLinesOfAnotherWriter_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("keptKey");
        QTest::newRow("key without a name") << QByteArray("[General]\nSite=2\n=x\n") << QString();
        QTest::newRow("list holding a NUL") << QByteArray("[General]\nA=1,2\0\n", 16) << QStringLiteral("A");
        QTest::newRow("typed value") << QByteArray("[General]\nA=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x4)\n")
                                     << QStringLiteral("A");
        QTest::newRow("key read under another name") << QByteArray("[General]\nSite/=3\nStayOnTop=abc\n")
                                                     << QString();
        QTest::newRow("key read under another name, beside it")
            << QByteArray("[General]\nSite=3\nSite/=3\nSite//=2\n") << QString();
        QTest::newRow("broken lines") << QByteArray("[General\nSite=2\n=\n==\nNo equals sign\n[]\nRegularNumeric=1\\\n2\n")
                                      << QString();
    }

    void saveOverLinesOfAnotherWriter()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, keptKey);
        QDir().mkpath(QFileInfo(SettingsStorePath()).absolutePath());
        QFile raw(SettingsStorePath());
        QVERIFY(raw.open(QIODevice::WriteOnly) && raw.write(file) == file.size());
        raw.close();
        openWindow(false);
        find<QAction>("mnuOptionsSiteUK")->trigger();
        find<QAction>("mnuOptionsSaveSettings")->trigger();
        QCOMPARE(takeSettingsMessages(), QStringList());
        const QVariantMap stored = storedOnDisk();
        QCOMPARE(stored.value(QStringLiteral("Site")).toString(), QStringLiteral("2"));
        if (!keptKey.isEmpty())
            QVERIFY(stored.contains(keptKey));
    }

    void writerAloneStoresItsChoices_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::newRow("A") << "A";
        QTest::newRow("B") << "B";
    }

    void writerAloneStoresItsChoices()
    {
        QFETCH(QString, tag);
        QVERIFY(runWriters({tag}, 1));
        const QVariantMap stored = storedOnDisk();
        const QMap<QString, QString> expected = writerValues(tag);
        const QStringList different = differences(stored, expected);
        QVERIFY2(different.isEmpty(), qPrintable(different.join(QStringLiteral(", "))));
        QCOMPARE(stored.size(), expected.size());
    }

    void twoWindowsSavingAtOnce()
    {
        // The two sets differ in every value the test looks at to tell them apart.
        const QMap<QString, QString> a = writerValues(QStringLiteral("A"));
        const QMap<QString, QString> b = writerValues(QStringLiteral("B"));
        int shared = 0;
        for (auto it = a.cbegin(); it != a.cend(); ++it) {
            if (b.contains(it.key()) && b.value(it.key()) != it.value())
                ++shared;
        }
        QVERIFY(shared >= 25);

        // Whenever the file is looked at, while the two save and after they are done, it is
        // readable and holds one copy's values, whole. The other copy's exchange rate (the setting
        // of a site the last saver does not write) may remain beside them.
        const auto problemIn = [&a, &b](const QVariantMap &stored, QSettings::Status status) -> QString {
            if (status != QSettings::NoError)
                return QStringLiteral("unreadable file");
            const QStringList notA = differences(stored, a);
            const QStringList notB = differences(stored, b);
            if (!notA.isEmpty() && !notB.isEmpty())
                return QStringLiteral("mixture; not A: ") + notA.join(QStringLiteral(", ")) + QStringLiteral("; not B: ")
                       + notB.join(QStringLiteral(", "));
            for (const QString &key : stored.keys()) {
                if (!a.contains(key) && !b.contains(key))
                    return QStringLiteral("unknown value ") + key;
            }
            return QString();
        };

        for (int round = 0; round < 3; ++round) {
            WindowFixture::useFreshSettings();
            QString whileSaving;
            const bool ran = runWriters({QStringLiteral("A"), QStringLiteral("B")}, 300, [&] {
                QSettings::Status status = QSettings::AccessError;
                const QVariantMap stored = storedOnDisk(&status);
                if (whileSaving.isEmpty() && !stored.isEmpty())
                    whileSaving = problemIn(stored, status);
            });
            QVERIFY2(whileSaving.isEmpty(), qPrintable(QStringLiteral("while saving: ") + whileSaving));
            QVERIFY(ran);

            QSettings::Status status = QSettings::AccessError;
            const QVariantMap stored = storedOnDisk(&status);
            QVERIFY(!stored.isEmpty());
            QCOMPARE(openStore()->status(), QSettings::NoError);
            const QString problem = problemIn(stored, status);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
    }

private:
    std::unique_ptr<frmeBayFees> window;
    QTimer watchdog;
    QString unexpectedDialog;
    QStringList settingsMessages;  // the reports of saves the store did not take, not yet looked at
    SettingsObstacle obstacle;

    QStringList takeSettingsMessages() { return std::exchange(settingsMessages, {}); }
    QString savedLanguage;

    // Opens the window as the program does (a first run when the store is empty), or with the
    // start-up's word on the first run.
    void openWindow(std::optional<bool> isFirstTime = std::nullopt)
    {
        window = isFirstTime ? std::make_unique<frmeBayFees>(*isFirstTime) : std::make_unique<frmeBayFees>();
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    template <typename T>
    T *find(const char *name) const
    {
        T *control = window->findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control named %s", name);
        return control;
    }

    QString text(const char *name) const { return find<QLineEdit>(name)->text(); }

    // Brings the tab that holds a control to the front, as the user does before typing into it.
    void showTabOf(QWidget *control) const
    {
        for (QWidget *widget = control; widget; widget = widget->parentWidget()) {
            const int tab = window->SSTab1->indexOf(widget);
            if (tab >= 0) {
                window->SSTab1->setCurrentIndex(tab);
                return;
            }
        }
    }

    // Replaces a field's text by typing, as the user would.
    void retype(const char *name, const QString &keys) const
    {
        QLineEdit *field = find<QLineEdit>(name);
        showTabOf(field);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }

    void typeAndLeave(const char *name, const QString &keys) const
    {
        retype(name, keys);
        // Focus moves on to a control that takes it without reacting: the notepad.
        find<QWidget>("txtNotes")->setFocus(Qt::TabFocusReason);
    }

    // Everything the settings remember, read from the window's controls.
    QMap<QString, QString> rememberedState() const
    {
        QMap<QString, QString> state{{QStringLiteral("site"), QString::number(window->Site().Site())},
                                     {QStringLiteral("mnuOptionsOnTop"), flag(find<QAction>("mnuOptionsOnTop")->isChecked())},
                                     {QStringLiteral("topmost"),
                                      flag(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))},
                                     {QStringLiteral("notepad"), flag(window->NotepadVisible())},
                                     {QStringLiteral("txtConversion"), text("txtConversion")}};
        for (const auto &[setting, box] : CheckSettings)
            state.insert(QString::fromLatin1(box), flag(find<QCheckBox>(box)->isChecked()));
        for (const auto &[setting, list] : ListSettings)
            state.insert(QString::fromLatin1(list), QString::number(find<QComboBox>(list)->currentIndex()));
        for (const auto &[setting, field] : TextSettings)
            state.insert(QString::fromLatin1(field), text(field));
        for (const char *option : {"optMotorcycle", "optOtherVehicle", "optPayPalCreditCard", "optPayPalNonCreditCard"})
            state.insert(QString::fromLatin1(option), flag(find<QRadioButton>(option)->isChecked()));
        for (const char *item : SiteItems)
            state.insert(QString::fromLatin1(item), flag(find<QAction>(item)->isChecked()));
        return state;
    }

    // What the three calculating tabs show: every entry and result, the reserve choice and the
    // caption it gives the opening bid.
    QMap<QString, QString> shownState() const
    {
        QMap<QString, QString> state;
        for (const char *field :
             {"txtStartingPrice", "txtPrice", "txtInsertionFee", "txtExtras", "txtFVF", "txtFees",
              "txtDutchItemsOffered", "txtDutchOpeningPrice", "txtDutchItemsSold", "txtDutchFinalPrice",
              "txtTotalDutchAuctionSales", "txtExtraFeaturesDutch", "txtDutchFees", "txtDutchCostPerItem",
              "txtPaymentAmount", "txtPayPalFee", "txtConversion"})
            state.insert(QString::fromLatin1(field), text(field));
        auto *reserve = find<QComboBox>("cboIsReserve");
        state.insert(QStringLiteral("cboIsReserve"), QString::number(reserve->currentIndex()));
        state.insert(QStringLiteral("cboIsReserve shown"), flag(!reserve->isHidden()));
        state.insert(QStringLiteral("lblStartingPrice"), find<QLabel>("lblStartingPrice")->text());
        return state;
    }

    void verifySite(int site) const
    {
        QCOMPARE(window->Site().Site(), site);
        for (std::size_t code = 1; code <= SiteItems.size(); ++code)
            QVERIFY2(find<QAction>(SiteItems[code - 1])->isChecked() == (int(code) == site), SiteItems[code - 1]);
        static const char *const captions[5] = {"", "Calvextra for eBay.com", "Calvextra for eBay UK",
                                                "Calvextra for eBay Canada (items listed in C$)",
                                                "Calvextra for eBay Germany"};
        QCOMPARE(window->windowTitle(), QString::fromUtf8(captions[site]));
    }

    void verifyOnTop(bool onTop) const
    {
        QCOMPARE(find<QAction>("mnuOptionsOnTop")->isChecked(), onTop);
        QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    }

    void verifyNotepad(bool shown) const
    {
        QCOMPARE(window->NotepadVisible(), shown);
        QCOMPARE(find<QPushButton>("cmdNotepad")->text(), shown ? QStringLiteral("hide notepad")
                                                                : QStringLiteral("view notepad"));
        QCOMPARE(find<QPushButton>("cmdClearNotepad")->isVisibleTo(window.get()), shown);
    }

    void verifyNothingTicked() const
    {
        for (const auto &[setting, box] : CheckSettings)
            QVERIFY2(!find<QCheckBox>(box)->isChecked(), box);
    }

    void verifyListsAtStart() const
    {
        for (const auto &[setting, list] : ListSettings)
            QVERIFY2(find<QComboBox>(list)->currentIndex() == 0, list);
    }

    // Runs copies of settings_writer at the same moment on this test's settings folder: each opens
    // its window and says it is ready; then all are told to go, and each saves `repeats` times.
    static bool runWriters(const QStringList &tags, int repeats, const std::function<void()> &whileRunning = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

        std::vector<std::unique_ptr<QProcess>> writers;
        for (const QString &tag : tags) {
            auto writer = std::make_unique<QProcess>();
            writer->setProcessEnvironment(environment);
            writer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writer->start(QStringLiteral(SETTINGS_WRITER_PROGRAM), {tag, QString::number(repeats), QLocale().name()});
            writers.push_back(std::move(writer));
        }
        bool ready = true;
        for (const auto &writer : writers) {
            ready = ready && writer->waitForStarted(10000);
            while (ready && !writer->canReadLine())
                ready = writer->waitForReadyRead(30000);
            ready = ready && writer->readLine().trimmed() == "ready";
        }
        for (const auto &writer : writers) {
            writer->write("go\n");
            writer->closeWriteChannel();
        }

        QDeadlineTimer deadline(120000);
        const auto running = [&writers] {
            return std::any_of(writers.begin(), writers.end(),
                               [](const auto &writer) { return writer->state() != QProcess::NotRunning; });
        };
        while (running() && !deadline.hasExpired()) {
            if (whileRunning)
                whileRunning();
            for (const auto &writer : writers)
                writer->waitForFinished(1);
        }
        bool done = ready;
        for (const auto &writer : writers) {
            if (writer->state() != QProcess::NotRunning) {
                writer->kill();
                writer->waitForFinished(5000);
                done = false;
            } else if (writer->exitStatus() != QProcess::NormalExit || writer->exitCode() != 0) {
                qWarning("settings_writer exited with %d", writer->exitCode());
                done = false;
            }
        }
        return done;
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
