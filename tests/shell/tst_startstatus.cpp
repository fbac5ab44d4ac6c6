#include "CStartStatus.h"
#include "CalvextraVersion.h"
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
    void init() { useFreshSettings(); }
    void cleanup()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
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
        QLocale::setDefault(QLocale(locale));
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
        QLocale::setDefault(QLocale(locale));
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

    // Settings of the window without any version record: nothing says a version ran before.
    void otherSettingsWithoutRecord()
    {
        WriteSettings({{QStringLiteral("Site"), QStringLiteral("2")}, {QStringLiteral("MRV"), QString()}});
        CStartStatus status;
        status.Initialize(250000, QStringLiteral("3.7.1"));
        QVERIFY(status.IsNewInstall());
        QVERIFY(status.IsFirstTime());
        QCOMPARE(ReadSetting(QStringLiteral("Site")), QStringLiteral("2"));
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
};

QTEST_MAIN(tst_StartStatus)
#include "tst_startstatus.moc"
