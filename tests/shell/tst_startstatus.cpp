#include "../window/SettingsObstacle.h"
#include "CStartStatus.h"
#include "CalvextraVersion.h"
#include "NumberText.h"
#include "PublicVars.h"
#include "Settings.h"
#include "TestLocales.h"
#include "UpdateTestSupport.h"

#include <QLocale>
#include <QTest>

// What the start-up finds out before any window opens: the number format of the user's locale,
// version texts readable in it, and whether this is a new installation, from the version records
// in the settings store (kept in a folder of the test).

namespace {

QString decoded(const QString &record)
{
    return CStartStatus::DecodeVersionRecord(record).value_or(QStringLiteral("<unreadable>"));
}

} // namespace

class tst_StartStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useFreshSettings(); }
    void init()
    {
        DiscardUnsavedSettings();
        useFreshSettings();
    }
    void cleanup()
    {
        obstacle.remove();
        UseNumberLocale(QLocale(QStringLiteral("en_US")));
        NumberFormat() = 0;
    }

    void detectNumberFormat_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("format");
        QTest::newRow("en_US point") << QStringLiteral("en_US") << 0;
        QTest::newRow("en_GB point") << QStringLiteral("en_GB") << 0;
        QTest::newRow("C point") << QStringLiteral("C") << 0;
        QTest::newRow("de_DE comma") << QStringLiteral("de_DE") << 1;
        QTest::newRow("fr_FR comma") << QStringLiteral("fr_FR") << 1;
        // Swiss French writes a comma and groups with a blank.
        QTest::newRow("fr_CH comma") << QStringLiteral("fr_CH") << 1;
        // Swiss German and Italian group thousands with an apostrophe (Qt: U+2019).
        QTest::newRow("de_CH apostrophe") << QStringLiteral("de_CH") << 2;
        QTest::newRow("it_CH apostrophe") << QStringLiteral("it_CH") << 2;
    }

    void detectNumberFormat()
    {
        QFETCH(QString, locale);
        QFETCH(int, format);
        UseNumberLocale(QLocale(locale));
        QCOMPARE(int(DetectNumberFormat()), format);
    }

    void localizeNumberText_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("localized");
        QTest::newRow("comma format: 3.7") << 1 << QStringLiteral("3.7") << QStringLiteral("3,7");
        QTest::newRow("point format: 3.7") << 0 << QStringLiteral("3.7") << QStringLiteral("3.7");
        QTest::newRow("apostrophe format: 3.7 holds no comma") << 2 << QStringLiteral("3.7") << QStringLiteral("3.7");
        QTest::newRow("comma format: every point") << 1 << QStringLiteral("3.7.1") << QStringLiteral("3,7,1");
        QTest::newRow("comma format: commas stay") << 1 << QStringLiteral("1,5") << QStringLiteral("1,5");
        QTest::newRow("apostrophe format: every comma") << 2 << QStringLiteral("1,000,5") << QStringLiteral("1'000'5");
        QTest::newRow("point format: commas stay") << 0 << QStringLiteral("1,5") << QStringLiteral("1,5");
        QTest::newRow("apostrophe format: points stay") << 2 << QStringLiteral("3.7,1") << QStringLiteral("3.7'1");
        QTest::newRow("comma format: empty") << 1 << QString() << QString();
    }

    void localizeNumberText()
    {
        QFETCH(int, format);
        QFETCH(QString, text);
        QFETCH(QString, localized);
        NumberFormat() = qint16(format);
        QCOMPARE(LocalizeNumberText(text), localized);
    }

    // The version as text and as a number, which must read right whatever the user's format.
    void versionTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("versionText");
        QTest::addColumn<float>("number");
        for (const char *locale : {"en_US", "de_DE", "de_CH"}) {
            const QString name = QString::fromLatin1(locale);
            QTest::addRow("%s 3.7.1", locale) << name << QStringLiteral("3.7.1") << QStringLiteral("3.7") << 3.7f;
            QTest::addRow("%s 12.05.3", locale) << name << QStringLiteral("12.05.3") << QStringLiteral("12.05") << 12.05f;
            QTest::addRow("%s 1.0.0", locale) << name << QStringLiteral("1.0.0") << QStringLiteral("1.0") << 1.0f;
            QTest::addRow("%s 2.10.0", locale) << name << QStringLiteral("2.10.0") << QStringLiteral("2.10") << 2.1f;
        }
    }

    void versionTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, version);
        QFETCH(QString, versionText);
        QFETCH(float, number);
        UseNumberLocale(QLocale(locale));
        NumberFormat() = DetectNumberFormat();
        CStartStatus status;
        status.Initialize(CStartStatus::CalculatorApplicationClass, version);
        QCOMPARE(status.ApplicationClass(), 250000);
        QCOMPARE(status.Version(), version);
        QCOMPARE(status.VersionText(), versionText);
        QCOMPARE(status.VersionNumber(), number);
    }

    // Without a version of its own the program's build version counts; the application class
    // stays 0 until the start-up sets it (as on a branded installation).
    void programVersionByDefault()
    {
        CStartStatus status;
        QCOMPARE(status.ApplicationClass(), 0);
        const QString build = QStringLiteral("%1.%2.%3")
                                  .arg(CALVEXTRA_VERSION_MAJOR)
                                  .arg(CALVEXTRA_VERSION_MINOR)
                                  .arg(CALVEXTRA_VERSION_REVISION);
        QCOMPARE(status.Version(), build);
        status.Initialize(250000);
        QCOMPARE(status.Version(), build);
        QCOMPARE(status.VersionText(), QStringLiteral("%1.%2").arg(CALVEXTRA_VERSION_MAJOR).arg(CALVEXTRA_VERSION_MINOR));
        QCOMPARE(decoded(ReadSetting(QStringLiteral("MRV"))), build);
    }

    void firstStartOfNewInstallation()
    {
        QVERIFY(SettingsStoreIsEmpty());
        CStartStatus status;
        status.Initialize(250000, QStringLiteral("3.7.1"));
        QVERIFY(status.IsNewInstall());
        QVERIFY(status.IsFirstTime());
        QCOMPARE(status.PreviousVersion(), QString());
        const QString mrv = ReadSetting(QStringLiteral("MRV"));
        const QString firstInstall = ReadSetting(QStringLiteral("FirstInstall"));
        QCOMPARE(decoded(mrv), QStringLiteral("3.7.1"));
        QCOMPARE(decoded(firstInstall), QStringLiteral("3.7.1"));
        // Our own encoding, not the plain version.
        QVERIFY2(!mrv.contains(QStringLiteral("3.7.1")), qPrintable(mrv));
    }

    void laterStarts()
    {
        {
            CStartStatus first;
            first.Initialize(250000, QStringLiteral("3.7.1"));
        }
        CStartStatus second;
        second.Initialize(250000, QStringLiteral("3.7.1"));
        QVERIFY(!second.IsNewInstall());
        QVERIFY(!second.IsFirstTime());
        QCOMPARE(second.PreviousVersion(), QStringLiteral("3.7.1"));

        // An upgrade: a later start, not a new installation; the first version is kept.
        CStartStatus upgraded;
        upgraded.Initialize(250000, QStringLiteral("3.8.0"));
        QVERIFY(!upgraded.IsNewInstall());
        QVERIFY(!upgraded.IsFirstTime());
        QCOMPARE(upgraded.PreviousVersion(), QStringLiteral("3.7.1"));
        QCOMPARE(decoded(ReadSetting(QStringLiteral("MRV"))), QStringLiteral("3.8.0"));
        QCOMPARE(decoded(ReadSetting(QStringLiteral("FirstInstall"))), QStringLiteral("3.7.1"));
    }

    // A store that holds values but lost its record (the line removed, the file cut short before
    // it) is a later start: a first run would replace the user's values with the defaults. The
    // record is written anew; "FirstInstall" is left as it is.
    void valuesWithoutRecord_data()
    {
        QTest::addColumn<QString>("record");  // "-": absent
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("value");
        QTest::newRow("site, no record") << "-" << "Site" << "2";
        QTest::newRow("site, empty record") << "" << "Site" << "2";
        QTest::newRow("rate, no record") << "-" << "PayPalUKRate" << "0.6123";
        QTest::newRow("multiple-item entry, no record") << "-" << "DutchItemsOffered" << "10";
        QTest::newRow("first installation only") << "-" << "FirstInstall"
                                                 << CStartStatus::EncodeVersionRecord(QStringLiteral("3.6.0"));
        QTest::newRow("language only") << "-" << "Language" << "German";
    }

    void valuesWithoutRecord()
    {
        QFETCH(QString, record);
        QFETCH(QString, setting);
        QFETCH(QString, value);
        SettingValues values{{setting, value}};
        if (record != QLatin1String("-"))
            values.append({QStringLiteral("MRV"), record});
        QVERIFY(WriteSettings(values).Ok());

        CStartStatus status;
        status.Initialize(250000, QStringLiteral("3.7.1"));
        QVERIFY(!status.IsNewInstall());
        QVERIFY(!status.IsFirstTime());
        QCOMPARE(ReadSetting(setting), value);
        QCOMPARE(decoded(ReadSetting(QStringLiteral("MRV"))), QStringLiteral("3.7.1"));
        if (setting != QLatin1String("FirstInstall"))
            QCOMPARE(ReadSetting(QStringLiteral("FirstInstall")), QString());
    }

    // A folder or a FIFO where a settings file belongs tells nothing about earlier runs: the window
    // starts from the defaults (in memory), but the first-run prompt does not come at every start.
    // Nothing there is opened (a FIFO would block), replaced or removed.
    void unreadableStore_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("sharedFile");  // the maker's shared fallback file instead of the program's
        QTest::newRow("folder") << int(SettingsObstacle::Folder) << false;
        QTest::newRow("FIFO") << int(SettingsObstacle::Fifo) << false;
        QTest::newRow("FIFO as the maker's shared file") << int(SettingsObstacle::Fifo) << true;
    }

    void unreadableStore()
    {
        QFETCH(int, kind);
        QFETCH(bool, sharedFile);
        const QString path = sharedFile ? QFileInfo(SettingsStorePath()).absolutePath() + QStringLiteral(".conf")
                                        : SettingsStorePath();
        const QString notPlaced = obstacle.place(SettingsObstacle::Kind(kind), path);
        if (!notPlaced.isEmpty())
            QSKIP(qPrintable(notPlaced));
        const HangGuard guard(20);

        CStartStatus status;
        status.Initialize(250000, QStringLiteral("3.7.1"));
        QVERIFY(!status.IsNewInstall());
        QVERIFY(status.IsFirstTime());
        const SettingsStatus problem = SettingsStoreReadStatus();
        QCOMPARE(int(problem.Problem),
                 int(kind == SettingsObstacle::Folder ? SettingsProblem::IsFolder : SettingsProblem::NotRegularFile));
        QCOMPARE(problem.FilePath, path);
        // The record holds for this run, in memory.
        QCOMPARE(decoded(ReadSetting(QStringLiteral("MRV"))), QStringLiteral("3.7.1"));
        QVERIFY2(obstacle.changed().isEmpty(), qPrintable(obstacle.changed()));
    }

    // A record that cannot be decoded still shows that a version ran here: not a first run (whose
    // default settings would replace the user's), and the record is written anew.
    void unreadableRecord_data()
    {
        QTest::addColumn<QString>("record");
        const QString good = CStartStatus::EncodeVersionRecord(QStringLiteral("3.6.0"));
        QString badChecksum = good;
        badChecksum[badChecksum.size() - 1] = badChecksum.endsWith(QLatin1Char('0')) ? QLatin1Char('1') : QLatin1Char('0');
        QTest::newRow("garbage") << QStringLiteral("garbage");
        QTest::newRow("plain version") << QStringLiteral("3.6.0");
        QTest::newRow("prefix alone") << QStringLiteral("CX1:");
        QTest::newRow("wrong checksum") << badChecksum;
        QTest::newRow("lower-case prefix") << QString(good).replace(0, 3, QStringLiteral("cx1"));
        QTest::newRow("no checksum") << good.left(good.lastIndexOf(QLatin1Char(':')));
        QTest::newRow("not base64") << QStringLiteral("CX1:!!!!:0000");
        QTest::newRow("blank") << QStringLiteral(" ");
    }

    void unreadableRecord()
    {
        QFETCH(QString, record);
        WriteSetting(QStringLiteral("MRV"), record);
        CStartStatus status;
        status.Initialize(250000, QStringLiteral("3.7.1"));
        QVERIFY(!status.IsNewInstall());
        QVERIFY(!status.IsFirstTime());
        QCOMPARE(status.PreviousVersion(), QString());
        QCOMPARE(decoded(ReadSetting(QStringLiteral("MRV"))), QStringLiteral("3.7.1"));
        QCOMPARE(ReadSetting(QStringLiteral("FirstInstall")), QString());
    }

    void recordRoundTrip_data()
    {
        QTest::addColumn<QString>("version");
        QTest::newRow("3.7.1") << QStringLiteral("3.7.1");
        QTest::newRow("1.0.0") << QStringLiteral("1.0.0");
        QTest::newRow("10.20.300") << QStringLiteral("10.20.300");
        QTest::newRow("colon and non-ASCII") << QStringLiteral("4.0:beta-ü");
    }

    void recordRoundTrip()
    {
        QFETCH(QString, version);
        const QString record = CStartStatus::EncodeVersionRecord(version);
        QVERIFY(record.startsWith(QStringLiteral("CX1:")));
        QCOMPARE(decoded(record), version);
    }

    // Any single changed character makes a record unreadable.
    void recordChangedAnywhere()
    {
        const QString record = CStartStatus::EncodeVersionRecord(QStringLiteral("3.7.1"));
        for (qsizetype i = 0; i < record.size(); ++i) {
            for (QChar other : {QLatin1Char('A'), QLatin1Char('0'), QLatin1Char('f'), QLatin1Char('F'), QLatin1Char('=')}) {
                if (record[i] == other)
                    continue;
                QString changed = record;
                changed[i] = other;
                QVERIFY2(!CStartStatus::DecodeVersionRecord(changed), qPrintable(changed));
            }
        }
        QVERIFY(!CStartStatus::DecodeVersionRecord(record + QLatin1Char('0')));
        QVERIFY(!CStartStatus::DecodeVersionRecord(record.chopped(1)));
    }

private:
    SettingsObstacle obstacle;
};

QTEST_MAIN(tst_StartStatus)
#include "tst_startstatus.moc"
