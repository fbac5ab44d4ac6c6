#include "Brand.h"
#include "CStartStatus.h"
#include "FCheckVersion.h"
#include "LanguageState.h"
#include "NumberText.h"
#include "PluginFolders.h"
#include "PublicVars.h"
#include "UpdateTestSupport.h"
#include "WebRelay.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <optional>

// The update check end to end against a web server on 127.0.0.1: the request the server sees,
// what each kind of reply shows, the download offer and the addresses it may open, and the prompt
// that asks first, stays open while a check fails and closes once a reply was handled.

namespace {

using Values = std::tuple<bool, bool, QString, QString>;  // current, new version, update address, message

Values valuesOf(const CStartStatus &status)
{
    const VersionReply &reply = status.Reply();
    return {reply.Current, reply.NewVersion, reply.UpdateAddress, reply.Message};
}

const QString OfferCaption = QStringLiteral("New Version Available.");
const QString MessageTitle = QStringLiteral("Brontolux Message");
const QString DownloadText =
    QStringLiteral("A setup file will now be retrieved from the internet.\r\nPlease choose 'Open' when you are prompted.");

QString offer(const QString &message)
{
    return QStringLiteral("FUpdateVersion|%1|%2").arg(OfferCaption, message);
}
QString serverMessage(const QString &message)
{
    return QStringLiteral("msgServerMessage|%1|%2").arg(MessageTitle, message);
}
QString downloadNotice()
{
    return QStringLiteral("msgDownloadUpdate|Download update|") + DownloadText;
}

// One start-status object asking the given server, with its errors collected.
struct Check
{
    explicit Check(const QString &server, const QString &version = QStringLiteral("3.7.1"))
        : done(&status, &CStartStatus::DoneChecking)
    {
        status.Initialize(CStartStatus::CalculatorApplicationClass, version);
        status.setUpdateServer(server);
        status.setErrorSink([this](qint32 number, const QString &text) {
            errorNumbers.append(number);
            errors.append(text);
        });
    }

    // Runs one check and waits until its reply was handled or the check ended without one.
    void run()
    {
        const int before = done.count();
        const qsizetype errorsBefore = errors.size();
        status.CheckVersion(QString());
        QTRY_VERIFY_WITH_TIMEOUT(done.count() > before || errors.size() > errorsBefore || !status.IsChecking(), 15000);
    }

    CStartStatus status;
    QSignalSpy done;
    QList<qint32> errorNumbers;
    QStringList errors;
};

} // namespace

class tst_UpdateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        useFreshSettings();
        CurrentLanguage() = LanguageInfo::EnglishUnitedStates();
    }
    void init() { useFreshSettings(); }
    void cleanup()
    {
        CurrentLanguage() = LanguageInfo::EnglishUnitedStates();
        CompanyName() = QStringLiteral("Brontolux");
        UseNumberLocale(QLocale(QStringLiteral("en_US")));
        NumberFormat() = 0;
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // One GET line, the query in its order and unescaped, the same in every number format.
    void requestLine_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("line");
        for (const char *locale : {"en_US", "de_DE"}) {
            const QString name = QString::fromLatin1(locale);
            QTest::addRow("%s: 3.7.1 in German", locale)
                << name << QStringLiteral("3.7.1") << QStringLiteral("German")
                << QByteArray("GET /version/versioncheck.asp?app=Calvextra&version=3.7.1&appclass=250000&language=German HTTP/1.1");
            QTest::addRow("%s: 1.0.0 in English", locale)
                << name << QStringLiteral("1.0.0") << QStringLiteral("English")
                << QByteArray("GET /version/versioncheck.asp?app=Calvextra&version=1.0.0&appclass=250000&language=English HTTP/1.1");
            QTest::addRow("%s: 12.0.1234 in French", locale)
                << name << QStringLiteral("12.0.1234") << QStringLiteral("French")
                << QByteArray("GET /version/versioncheck.asp?app=Calvextra&version=12.0.1234&appclass=250000&language=French HTTP/1.1");
        }
    }

    void requestLine()
    {
        QFETCH(QString, locale);
        QFETCH(QString, version);
        QFETCH(QString, language);
        QFETCH(QByteArray, line);
        UseNumberLocale(QLocale(locale));
        NumberFormat() = DetectNumberFormat();
        CurrentLanguage().LanguageName = language;
        VersionServer server;
        server.answer("no status here");
        Check check(server.address(), version);
        check.run();
        QCOMPARE(server.requestLines, QList<QByteArray>{line});
        QCOMPARE(check.done.count(), 1);
    }

    // Without a test server the check goes to the maker's update server, over https.
    void makersServerByDefault()
    {
        CStartStatus status;
        status.Initialize(CStartStatus::CalculatorApplicationClass, QStringLiteral("3.7.1"));
        QCOMPARE(status.RequestAddress(),
                 QStringLiteral("https://update.brontolux.example/version/versioncheck.asp?app=Calvextra&version=3.7.1"
                                "&appclass=250000&language=English"));
    }

    // A server address that is not a web address: the check fails at once with its error and
    // nothing is sent or shown.
    void unusableServerAddress_data()
    {
        QTest::addColumn<QString>("server");
        QTest::newRow("empty") << QString();
        QTest::newRow("local folder") << QStringLiteral("file:///tmp");
        QTest::newRow("no scheme") << QStringLiteral("127.0.0.1");
    }

    void unusableServerAddress()
    {
        QFETCH(QString, server);
        DialogWatcher watcher;
        Check check(server);
        check.status.CheckVersion(QString());
        QVERIFY(!check.status.IsChecking());
        QCOMPARE(check.errors.size(), 1);
        QVERIFY2(check.errors[0].startsWith(QStringLiteral("oStartStatus.Check 5 ")), qPrintable(check.errors[0]));
        QCOMPARE(check.errorNumbers, QList<qint32>{-2147221504});
        QTest::qWait(100);
        QCOMPARE(check.done.count(), 0);
        QCOMPARE(watcher.seen, QStringList());
    }

    // Each kind of reply: the dialogs it shows (answered "Later" when a new version is offered),
    // whether the check counts as done, an error, and the values kept.
    void replies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("newVersion");
        QTest::addColumn<QString>("updateAddress");
        QTest::addColumn<QString>("message");

        QTest::newRow("no status element") << QByteArray("<html><body>Nothing to see</body></html>") << QStringList()
                                           << true << QString() << false << false << QString() << QString();
        QTest::newRow("empty reply") << QByteArray() << QStringList() << true << QString() << false << false << QString()
                                     << QString();
        // "<message>a</message>" is 20 characters: too short to be read.
        QTest::newRow("block of 20 characters") << QByteArray("<status><message>a</message></status>") << QStringList()
                                                << true << QString() << false << false << QString() << QString();
        QTest::newRow("block of 21 characters")
            << QByteArray("<status><message>ab</message></status>") << QStringList{serverMessage(QStringLiteral("ab"))}
            << true << QString() << false << false << QString() << QStringLiteral("ab");
        QTest::newRow("current alone in 20 characters") << QByteArray("<status><current>1</current></status>")
                                                        << QStringList() << true << QString() << false << false
                                                        << QString() << QString();
        QTest::newRow("current") << QByteArray("<status> <current>1</current></status>") << QStringList() << true
                                 << QString() << true << false << QString() << QString();
        QTest::newRow("new version with message, later")
            << QByteArray("<status><current>0</current><newversion>1</newversion>"
                          "<updateurl>http://127.0.0.1/setup.exe</updateurl><message>Version 3.8 is out</message></status>")
            << QStringList{offer(QStringLiteral("Version 3.8 is out"))} << true << QString() << false << true
            << QStringLiteral("http://127.0.0.1/setup.exe") << QStringLiteral("Version 3.8 is out");
        QTest::newRow("new version without message")
            << QByteArray("<status><newversion>1</newversion><current>0</current></status>") << QStringList{offer(QString())}
            << true << QString() << false << true << QString() << QString();
        QTest::newRow("no new version, message")
            << QByteArray("<status><newversion>0</newversion><message>Servers down on Sunday</message></status>")
            << QStringList{serverMessage(QStringLiteral("Servers down on Sunday"))} << true << QString() << false << false
            << QString() << QStringLiteral("Servers down on Sunday");
        QTest::newRow("true is not 1")
            << QByteArray("<status><newversion>true</newversion><message>Hello</message></status>")
            << QStringList{serverMessage(QStringLiteral("Hello"))} << true << QString() << false << false << QString()
            << QStringLiteral("Hello");
        QTest::newRow("true is not 1, no message")
            << QByteArray("<status><newversion>true</newversion><current>true</current></status>") << QStringList()
            << true << QString() << false << false << QString() << QString();
        QTest::newRow("1 with blanks is not 1")
            << QByteArray("<status><newversion> 1 </newversion><message>Blanks</message></status>")
            << QStringList{serverMessage(QStringLiteral("Blanks"))} << true << QString() << false << false << QString()
            << QStringLiteral("Blanks");
        QTest::newRow("empty message shows nothing")
            << QByteArray("<status><newversion>0</newversion><message></message></status>") << QStringList() << true
            << QString() << false << false << QString() << QString();
        QTest::newRow("first status block counts")
            << QByteArray("<status>short</status><status><message>from the second block</message></status>")
            << QStringList() << true << QString() << false << false << QString() << QString();
        QTest::newRow("first element counts")
            << QByteArray("<status><message>first</message><message>second</message></status>")
            << QStringList{serverMessage(QStringLiteral("first"))} << true << QString() << false << false << QString()
            << QStringLiteral("first");
        QTest::newRow("elements outside the block")
            << QByteArray("<message>outside the block</message><status><current>1</current><x>padding</x></status>"
                          "<newversion>1</newversion>")
            << QStringList() << true << QString() << true << false << QString() << QString();
        QTest::newRow("element names are case-sensitive")
            << QByteArray("<status><Message>Shouting</Message><NEWVERSION>1</NEWVERSION></status>") << QStringList()
            << true << QString() << false << false << QString() << QString();
        QTest::newRow("status is case-sensitive")
            << QByteArray("<STATUS><message>Hidden message</message></STATUS>") << QStringList() << true << QString()
            << false << false << QString() << QString();
        QTest::newRow("message as written, markup not applied")
            << QByteArray("<status><message>  <b>Bold</b> &amp; <a href=\"file:///bin/sh\">x</a>  </message></status>")
            << QStringList{serverMessage(QStringLiteral("  <b>Bold</b> &amp; <a href=\"file:///bin/sh\">x</a>  "))}
            << true << QString() << false << false << QString()
            << QStringLiteral("  <b>Bold</b> &amp; <a href=\"file:///bin/sh\">x</a>  ");
        QTest::newRow("UTF-8 message")
            << QByteArray("<status><message>Gr\xc3\xbc\xc3\x9f"
                          "e aus K\xc3\xb6ln \xe2\x80\x93 neue Preise</message></status>")
            << QStringList{serverMessage(QStringLiteral("Grüße aus Köln – neue Preise"))} << true << QString() << false
            << false << QString() << QStringLiteral("Grüße aus Köln – neue Preise");
        QTest::newRow("element not closed")
            << QByteArray("<status><newversion>1<message>A newer version</message></status>") << QStringList() << false
            << QStringLiteral("oStartStatus.CheckVersionPage 5 ") << false << false << QString() << QString();
        QTest::newRow("closing tag only before the opening one")
            << QByteArray("<status></current><current>1<message>abc</message></status>") << QStringList() << false
            << QStringLiteral("oStartStatus.CheckVersionPage 5 ") << false << false << QString() << QString();
        QTest::newRow("last element not closed")
            << QByteArray("<status><newversion>1</newversion><message>never closed</status>") << QStringList() << false
            << QStringLiteral("oStartStatus.CheckVersionPage 5 ") << false << false << QString() << QString();
        QTest::newRow("status not closed")
            << QByteArray("<status><newversion>1</newversion><message>no end of status</message>") << QStringList()
            << false << QStringLiteral("oStartStatus.CheckVersionPage 5 ") << false << false << QString() << QString();
    }

    void replies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, done);
        QFETCH(QString, error);
        QFETCH(bool, current);
        QFETCH(bool, newVersion);
        QFETCH(QString, updateAddress);
        QFETCH(QString, message);

        VersionServer server;
        server.answer(reply);
        OpenedAddresses opened;
        DialogWatcher watcher(false);
        Check check(server.address());
        check.run();
        QTest::qWait(50);

        QCOMPARE(watcher.seen, dialogs);
        for (Qt::TextFormat format : watcher.formats)
            QCOMPARE(format, Qt::PlainText);
        QCOMPARE(check.done.count(), done ? 1 : 0);
        if (error.isEmpty()) {
            QCOMPARE(check.errors, QStringList());
        } else {
            QCOMPARE(check.errors.size(), 1);
            QVERIFY2(check.errors[0].startsWith(error), qPrintable(check.errors[0]));
            QVERIFY2(check.errors[0].size() > error.size(), "the error has a description");
            QCOMPARE(check.errorNumbers, QList<qint32>{-2147221504});  // the base of object errors, &H80040000
        }
        QCOMPARE(valuesOf(check.status), Values(current, newVersion, updateAddress, message));
        QCOMPARE(opened.urls, QList<QUrl>());
        QVERIFY(!check.status.IsChecking());
    }

    // Update Now: the notice, then the address opened, but only a web address.
    void updateNow_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");  // empty: nothing opened and no notice
        QTest::newRow("http") << QStringLiteral("http://127.0.0.1/setup.exe") << QStringLiteral("http://127.0.0.1/setup.exe");
        QTest::newRow("https") << QStringLiteral("https://127.0.0.1/downloads/setup.exe?v=3.8")
                               << QStringLiteral("https://127.0.0.1/downloads/setup.exe?v=3.8");
        QTest::newRow("scheme in capitals") << QStringLiteral("HTTP://127.0.0.1/setup.exe")
                                            << QStringLiteral("http://127.0.0.1/setup.exe");
        QTest::newRow("local program") << QStringLiteral("file:///bin/sh") << QString();
        QTest::newRow("local program on a named host") << QStringLiteral("file://localhost/bin/sh") << QString();
        QTest::newRow("local program, capitals") << QStringLiteral("FILE:///bin/sh") << QString();
        QTest::newRow("bare path") << QStringLiteral("/bin/sh") << QString();
        QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1/setup.exe") << QString();
        QTest::newRow("script") << QStringLiteral("javascript:alert(1)") << QString();
        QTest::newRow("web scheme without host") << QStringLiteral("http:///bin/sh") << QString();
        QTest::newRow("no address") << QString() << QString();
    }

    void updateNow()
    {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        QByteArray reply = "<status><newversion>1</newversion><message>Version 3.8</message>";
        if (!address.isEmpty())
            reply += "<updateurl>" + address.toUtf8() + "</updateurl>";
        reply += "</status>";
        VersionServer server;
        server.answer(reply);
        OpenedAddresses openedAddresses;
        DialogWatcher watcher(true);
        Check check(server.address());
        check.run();
        QTest::qWait(50);

        QStringList dialogs{offer(QStringLiteral("Version 3.8"))};
        if (!opened.isEmpty())
            dialogs.append(downloadNotice());
        QCOMPARE(watcher.seen, dialogs);
        QCOMPARE(openedAddresses.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
        QCOMPARE(check.done.count(), 1);
        QCOMPARE(check.errors, QStringList());
    }

    // Every check starts from reset values: what an earlier reply said never shows in a later
    // check's answer. A second reply answers, or (empty) the server stays quiet.
    void valuesResetForEachCheck_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QStringList>("secondDialogs");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("newVersion");
        QTest::addColumn<QString>("updateAddress");
        QTest::addColumn<QString>("message");

        const QByteArray newVersion = "<status><newversion>1</newversion><updateurl>http://127.0.0.1/setup.exe"
                                      "</updateurl><message>Version 3.8 is out</message></status>";
        const QByteArray current = "<status><current>1</current>and some padding</status>";
        QTest::newRow("new version, then current") << newVersion << current << QStringList() << true << false
                                                   << QString() << QString();
        QTest::newRow("message, then current") << QByteArray("<status><message>first message</message></status>")
                                               << current << QStringList() << true << false << QString() << QString();
        QTest::newRow("new version, then a message only")
            << newVersion << QByteArray("<status><newversion>0</newversion><message>Later news</message></status>")
            << QStringList{serverMessage(QStringLiteral("Later news"))} << false << false << QString()
            << QStringLiteral("Later news");
        QTest::newRow("new version, then no status") << newVersion << QByteArray("<html>maintenance</html>")
                                                     << QStringList() << false << false << QString() << QString();
        // A malformed reply takes nothing, not even what it had before its broken element.
        QTest::newRow("new version, then malformed")
            << newVersion << QByteArray("<status><message>replaced?</message><updateurl>http://x</status>")
            << QStringList() << false << false << QString() << QString();
        QTest::newRow("new version, then no answer") << newVersion << QByteArray() << QStringList() << false << false
                                                     << QString() << QString();
    }

    void valuesResetForEachCheck()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QStringList, secondDialogs);
        QFETCH(bool, current);
        QFETCH(bool, newVersion);
        QFETCH(QString, updateAddress);
        QFETCH(QString, message);

        VersionServer server;
        server.answer(first);
        DialogWatcher watcher;
        Check check(server.address());
        check.status.setReplyTimeout(500);
        check.run();
        QCOMPARE(watcher.seen.size(), 1);

        if (second.isEmpty())
            server.stayQuiet();
        else
            server.answer(second);
        check.run();
        QTest::qWait(50);
        QCOMPARE(watcher.seen.mid(1), secondDialogs);
        QCOMPARE(valuesOf(check.status), Values(current, newVersion, updateAddress, message));
    }

    // Ten megabytes: the first 64 KiB are read, the rest never waited for.
    void hugeReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("dialogs");
        QByteArray early = "<status><message>Big reply</message></status>";
        early += QByteArray(10 * 1024 * 1024 - early.size(), ' ');
        QByteArray late(70 * 1024, ' ');
        late += "<status><message>Beyond 64 KiB</message></status>";
        late += QByteArray(10 * 1024 * 1024 - late.size(), ' ');
        QTest::newRow("status at the start") << early << QStringList{serverMessage(QStringLiteral("Big reply"))};
        QTest::newRow("status beyond 64 KiB") << late << QStringList();
    }

    void hugeReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, dialogs);
        VersionServer server;
        server.answer(reply);
        DialogWatcher watcher;
        Check check(server.address());
        QElapsedTimer clock;
        clock.start();
        check.run();
        QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(watcher.seen, dialogs);
        QCOMPARE(check.done.count(), 1);
        QVERIFY(server.bytesSent < reply.size());
    }

    void promptTexts_data()
    {
        QTest::addColumn<QString>("company");
        QTest::newRow("maker") << QStringLiteral("Brontolux");
        QTest::newRow("branded") << QStringLiteral("Acme Tools");
    }

    void promptTexts()
    {
        QFETCH(QString, company);
        CompanyName() = company;
        FCheckVersion prompt;
        QCOMPARE(prompt.objectName(), QStringLiteral("FCheckVersion"));
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Check for product updates"));
        QCOMPARE(label(prompt, "lblAppName")->text(), QStringLiteral("Calvextra"));
        QCOMPARE(label(prompt, "Label1")->text(), company);
        QCOMPARE(label(prompt, "lblConnectToCheck")->text(),
                 QStringLiteral("If this is the first time you are using Calvextra, please allow it to check the %1 "
                                "server for updates.  This will ensure the application runs properly, and will only "
                                "take a moment.")
                     .arg(company));
        QVERIFY(!label(prompt, "imgBrontolux")->pixmap().isNull());
        QCOMPARE(button(prompt, "cmdCheck")->text(), QStringLiteral("Check for Updates"));
        QCOMPARE(button(prompt, "cmdDoNotCheck")->text(), QStringLiteral("Do Not Check"));
    }

    void doNotCheckSendsNothing()
    {
        VersionServer server;
        server.answer("<status><message>should never be seen</message></status>");
        CStartStatus status;
        status.setUpdateServer(server.address());
        DialogWatcher watcher;
        FCheckVersion prompt;
        prompt.Initialize(&status);
        prompt.open();
        QTest::mouseClick(button(prompt, "cmdDoNotCheck"), Qt::LeftButton);
        QVERIFY(!prompt.isVisible());
        QCOMPARE(prompt.result(), int(QDialog::Rejected));
        QTest::qWait(200);
        QCOMPARE(server.connections, 0);
        QCOMPARE(watcher.seen, QStringList());
    }

    // The busy pointer while the check runs; the prompt closes once the reply was handled.
    void checkThenClose()
    {
        VersionServer server;
        server.answer("nothing for you", "200 OK", 300);
        Check check(server.address());
        DialogWatcher watcher;
        FCheckVersion prompt;
        prompt.Initialize(&check.status);
        prompt.open();
        QTest::mouseClick(button(prompt, "cmdCheck"), Qt::LeftButton);
        QVERIFY(prompt.isVisible());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTRY_VERIFY(!prompt.isVisible());
        QCOMPARE(prompt.result(), int(QDialog::Accepted));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(watcher.seen, QStringList());
        QCOMPARE(server.requestLines.size(), 1);
    }

    // As at the first start: the prompt runs modally and returns after the reply's dialog, which
    // is shown with the normal pointer.
    void modalPromptWithOffer()
    {
        VersionServer server;
        server.answer("<status><newversion>1</newversion><message>Version 3.8</message></status>");
        Check check(server.address());
        DialogWatcher watcher;
        FCheckVersion prompt;
        prompt.Initialize(&check.status);
        QTimer::singleShot(50, &prompt, [&] { button(prompt, "cmdCheck")->click(); });
        const int result = prompt.exec();
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(watcher.seen, QStringList{offer(QStringLiteral("Version 3.8"))});
        QCOMPARE(watcher.pointers, QList<Qt::CursorShape>{Qt::ArrowCursor});
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // No reply: the busy pointer ends and the prompt says so in one line, without a message box;
    // Check for Updates tries again, and Do Not Check still leaves.
    void unansweredCheckSaysSo_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("answersTheRetry");
        QTest::addColumn<QString>("line");
        const QString unreached = QStringLiteral("The update server could not be reached.");
        const QString unreadable = QStringLiteral("The update server's answer could not be read.");
        QTest::newRow("connection refused") << QStringLiteral("refused") << false << unreached;
        QTest::newRow("silent server") << QStringLiteral("silent") << false << unreached;
        QTest::newRow("server error") << QStringLiteral("error") << false << unreached;
        QTest::newRow("silent server, answers the retry") << QStringLiteral("silent") << true << unreached;
        // The network plugin missing from the program's folder: nothing is sent, as without a network.
        QTest::newRow("no network plugin") << QStringLiteral("no plugin") << false << unreached;
        // A reply that cannot be read raises its error, and the prompt says so instead of waiting.
        QTest::newRow("malformed reply") << QStringLiteral("malformed") << false << unreadable;
        QTest::newRow("malformed reply, answers the retry") << QStringLiteral("malformed") << true << unreadable;
    }

    void unansweredCheckSaysSo()
    {
        QFETCH(QString, kind);
        QFETCH(bool, answersTheRetry);
        QFETCH(QString, line);
        const bool malformed = kind == QLatin1String("malformed");
        const bool noPlugin = kind == QLatin1String("no plugin");
        VersionServer server;
        QString address = server.address();
        std::optional<PluginFolder> plugins;
        if (noPlugin) {
            plugins.emplace(PluginFolder::Empty);
            server.answer("<status><message>never asked</message></status>");
            // One warning for each check: the first and the retry.
            for (int check = 0; check < 2; ++check)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(WebRelay::PluginFileName)));
        } else if (kind == QLatin1String("refused"))
            address = refusingAddress();
        else if (kind == QLatin1String("silent"))
            server.stayQuiet();
        else if (malformed)
            server.answer("<status><message>cut</message><updateurl>http://x</status>");
        else
            server.answer("<status><message>an error page</message></status>", "500 Internal Server Error");
        Check check(address);
        check.status.setReplyTimeout(500);
        DialogWatcher watcher;
        FCheckVersion prompt;
        prompt.Initialize(&check.status);
        prompt.open();
        QLabel *noAnswer = label(prompt, "lblNoAnswer");
        QVERIFY(!noAnswer->isVisible());
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(button(prompt, "cmdCheck"), Qt::LeftButton);
        QVERIFY(check.status.IsChecking());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTRY_VERIFY(!check.status.IsChecking());
        if (kind == QLatin1String("silent"))
            QVERIFY2(clock.elapsed() >= 490, qPrintable(QString::number(clock.elapsed())));

        QVERIFY(prompt.isVisible());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(noAnswer->isVisible());
        QCOMPARE(noAnswer->text(), line);
        QCOMPARE(check.done.count(), 0);
        QCOMPARE(check.errors.size(), malformed ? 1 : 0);
        QTest::qWait(100);
        QCOMPARE(watcher.seen, QStringList());

        // Again, as the user would: the busy pointer returns and the line goes until the new answer.
        if (answersTheRetry)
            server.answer("<status><message>Back again</message></status>", "200 OK", 200);
        QTest::mouseClick(button(prompt, "cmdCheck"), Qt::LeftButton);
        QVERIFY(check.status.IsChecking());
        QVERIFY(!noAnswer->isVisible());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        if (answersTheRetry) {
            QTRY_VERIFY(!prompt.isVisible());
            QCOMPARE(prompt.result(), int(QDialog::Accepted));
            QCOMPARE(watcher.seen, QStringList{serverMessage(QStringLiteral("Back again"))});
        } else {
            QTRY_VERIFY(noAnswer->isVisible());
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
            QTest::mouseClick(button(prompt, "cmdDoNotCheck"), Qt::LeftButton);
            QVERIFY(!prompt.isVisible());
            QCOMPARE(prompt.result(), int(QDialog::Rejected));
            QCOMPARE(watcher.seen, QStringList());
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        if (kind != QLatin1String("refused"))
            QCOMPARE(server.requestLines.size(), noPlugin ? 0 : 2);
    }

    // A message longer than the screen scrolls in its box: the box and the button the user
    // presses stay on the screen.
    void longMessageFitsTheScreen_data()
    {
        QTest::addColumn<QByteArray>("newVersion");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("server message") << QByteArray("0") << QStringLiteral("msgServerMessage");
        QTest::newRow("new version offer") << QByteArray("1") << QStringLiteral("FUpdateVersion");
    }

    void longMessageFitsTheScreen()
    {
        QFETCH(QByteArray, newVersion);
        QFETCH(QString, dialog);
        QStringList lines;
        for (int line = 1; line <= 10000; ++line)
            lines.append(QString::number(line));
        const QString message = lines.join(QLatin1Char('\n'));
        VersionServer server;
        server.answer("<status><newversion>" + newVersion + "</newversion><message>" + message.toUtf8()
                      + "</message></status>");
        DialogWatcher watcher;
        Check check(server.address());
        check.run();
        QCOMPARE(watcher.seen.size(), 1);
        QVERIFY2(watcher.seen[0].startsWith(dialog + QLatin1Char('|')), qPrintable(watcher.seen[0].left(80)));
        QVERIFY2(watcher.seen[0].endsWith(QLatin1Char('|') + message), "the whole message is shown");
        QCOMPARE(watcher.offScreen, QStringList());
        QCOMPARE(check.done.count(), 1);
    }

    // Leaving the prompt drops the check under way: a reply that comes later shows nothing.
    void replyAfterDoNotCheckIsDropped()
    {
        VersionServer server;
        server.answer("<status><message>too late to be shown</message></status>", "200 OK", 300);
        Check check(server.address());
        DialogWatcher watcher;
        FCheckVersion prompt;
        prompt.Initialize(&check.status);
        prompt.open();
        QTest::mouseClick(button(prompt, "cmdCheck"), Qt::LeftButton);
        QTRY_COMPARE(server.requestLines.size(), 1);
        QTest::mouseClick(button(prompt, "cmdDoNotCheck"), Qt::LeftButton);
        QTest::qWait(700);
        QCOMPARE(watcher.seen, QStringList());
        QCOMPARE(check.done.count(), 0);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Pressing Check again replaces the check under way; one reply is handled, one pointer kept.
    void checkPressedTwice()
    {
        VersionServer server;
        server.answer("<status><message>one message only</message></status>", "200 OK", 200);
        Check check(server.address());
        DialogWatcher watcher;
        FCheckVersion prompt;
        prompt.Initialize(&check.status);
        prompt.open();
        QTest::mouseClick(button(prompt, "cmdCheck"), Qt::LeftButton);
        QTRY_COMPARE(server.requestLines.size(), 1);
        QTest::mouseClick(button(prompt, "cmdCheck"), Qt::LeftButton);
        QTRY_VERIFY(!prompt.isVisible());
        QTest::qWait(400);
        QCOMPARE(server.requestLines.size(), 2);
        QCOMPARE(watcher.seen, QStringList{serverMessage(QStringLiteral("one message only"))});
        QCOMPARE(check.done.count(), 1);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // The start-status object released while its message waits for the user (the window closed).
    void releasedWhileMessageShown()
    {
        VersionServer server;
        server.answer("<status><message>still there?</message></status>");
        auto *status = new CStartStatus;
        status->setUpdateServer(server.address());
        QSignalSpy done(status, &CStartStatus::DoneChecking);
        QString seen;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<FMessage *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = box->text();
            if (status) {
                delete status;
                status = nullptr;
            }
            QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        closer.start();
        status->CheckVersion(QString());
        QTRY_VERIFY(status == nullptr);
        QTest::qWait(50);
        QCOMPARE(seen, QStringLiteral("still there?"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

private:
    static QLabel *label(const QDialog &dialog, const char *name)
    {
        auto *control = dialog.findChild<QLabel *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no label named %s", name);
        return control;
    }
    static QPushButton *button(const QDialog &dialog, const char *name)
    {
        auto *control = dialog.findChild<QPushButton *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no button named %s", name);
        return control;
    }
};

QTEST_MAIN(tst_UpdateCheck)
#include "tst_updatecheck.moc"
