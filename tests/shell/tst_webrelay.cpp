#include "HttpGetter.h"
#include "PluginFolders.h"
#include "UpdateTestSupport.h"
#include "WebRelay.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// The web connection of the update check against a real server on 127.0.0.1: a reply arrives as
// 12 with its text, every failure as 11 with none, a huge or endless body is cut at 64 KiB without
// hanging, and nothing but an http or https address is ever fetched.

namespace {

constexpr int ReplyArrived = 12;
constexpr int NoReply = 11;
constexpr qsizetype Cap = 64 * 1024;

// The answers so far: status and text.
struct Answers
{
    explicit Answers(WebRelay &relay)
        : spy(&relay, &WebRelay::AsynchResponse)
    {
    }
    int status(int i = 0) const { return spy.at(i).at(0).toInt(); }
    QString text(int i = 0) const { return spy.at(i).at(1).toString(); }
    QSignalSpy spy;
};

} // namespace

class tst_WebRelay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsFifteenSecondsUnlessTold()
    {
        WebRelay relay;
        QCOMPARE(relay.timeout(), 15000);
    }

    void replyArrives_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        const QByteArray atCap(Cap, 'a');
        QTest::newRow("plain text") << QByteArray("<status><current>1</current></status>")
                                    << QStringLiteral("<status><current>1</current></status>");
        QTest::newRow("empty body") << QByteArray() << QString();
        QTest::newRow("lines and blanks kept") << QByteArray("  one\r\ntwo  \n") << QStringLiteral("  one\r\ntwo  \n");
        QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                             "e \xe2\x80\x93 K\xc3\xb6ln")
                               << QStringLiteral("Grüße – Köln");
        QTest::newRow("exactly 64 KiB") << atCap << QString::fromLatin1(atCap);
        QTest::newRow("one byte beyond 64 KiB: the first 64 KiB")
            << atCap + "b" << QString::fromLatin1(atCap);
        QTest::newRow("twice 64 KiB: the first half") << atCap + QByteArray(Cap, 'c') << QString::fromLatin1(atCap);
    }

    void replyArrives()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        VersionServer server;
        server.answer(body);
        WebRelay relay;
        Answers answers(relay);
        QVERIFY(relay.Request(server.address() + QStringLiteral("/version/versioncheck.asp?app=x")));
        QCOMPARE(answers.spy.count(), 0);  // asynchronous: nothing before the event loop runs
        QTRY_COMPARE(answers.spy.count(), 1);
        QCOMPARE(answers.status(), ReplyArrived);
        QCOMPARE(answers.text(), text);
        QCOMPARE(server.requestLines, QList<QByteArray>{"GET /version/versioncheck.asp?app=x HTTP/1.1"});
        QTest::qWait(100);
        QCOMPARE(answers.spy.count(), 1);
        QVERIFY(!relay.IsPending());
    }

    // A page with an error status is the server's complaint, not the answer asked for.
    void errorStatusIsNoReply_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::newRow("404") << QByteArray("404 Not Found");
        QTest::newRow("500") << QByteArray("500 Internal Server Error");
        QTest::newRow("503") << QByteArray("503 Service Unavailable");
        QTest::newRow("403") << QByteArray("403 Forbidden");
    }

    void errorStatusIsNoReply()
    {
        QFETCH(QByteArray, status);
        VersionServer server;
        server.answer("<status><newversion>1</newversion><message>error page</message></status>", status);
        WebRelay relay;
        Answers answers(relay);
        QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
        QTRY_COMPARE(answers.spy.count(), 1);
        QCOMPARE(answers.status(), NoReply);
        QCOMPARE(answers.text(), QString());
    }

    void refusedConnectionIsNoReply()
    {
        WebRelay relay;
        Answers answers(relay);
        QVERIFY(relay.Request(refusingAddress() + QStringLiteral("/version/versioncheck.asp")));
        QTRY_COMPARE(answers.spy.count(), 1);
        QCOMPARE(answers.status(), NoReply);
        QCOMPARE(answers.text(), QString());
    }

    // Without its network plugin the relay cannot send: every request is answered as a failed
    // connection, after the event loop has run, and a cancelled one not at all.
    void unloadablePluginIsNoReply_data()
    {
        QTest::addColumn<int>("content");
        QTest::addColumn<bool>("cancelled");
        // A part of the reason logged; %1 is the plugin folder.
        QTest::addColumn<QString>("reason");
        const QString notThere = QStringLiteral("CalvextraNetwork is not in %1.");
        QTest::newRow("empty folder") << int(PluginFolder::Empty) << false << notThere;
        QTest::newRow("empty folder, cancelled") << int(PluginFolder::Empty) << true << notThere;
        QTest::newRow("no library") << int(PluginFolder::NoLibrary) << false << QStringLiteral("%1/CalvextraNetwork.");
        QTest::newRow("another plugin") << int(PluginFolder::OtherPlugin) << false
                                        << QStringLiteral("CalvextraNetwork offers no " CalvextraNetworkServices_iid ".");
    }

    void unloadablePluginIsNoReply()
    {
        QFETCH(int, content);
        QFETCH(bool, cancelled);
        QFETCH(QString, reason);
        VersionServer server;
        server.answer("reply");
        {
            const PluginFolder plugins(PluginFolder::Content(content), WebRelay::PluginFileName,
                                       QStringLiteral(PRINTING_PLUGIN));
            WebRelay relay;
            Answers answers(relay);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(reason.arg(plugins.path()))));
            QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
            QVERIFY(relay.IsPending());
            QCOMPARE(answers.spy.count(), 0);
            if (cancelled) {
                relay.Cancel();
                QVERIFY(!relay.IsPending());
                QTest::qWait(100);
                QVERIFY(answers.spy.isEmpty());
            } else {
                QTRY_COMPARE(answers.spy.count(), 1);
                QCOMPARE(answers.status(), NoReply);
                QCOMPARE(answers.text(), QString());
                QVERIFY(!relay.IsPending());
            }
            QVERIFY(server.requestLines.isEmpty());
        }

        // With the plugin back in the program's folder a new relay is answered again.
        WebRelay relay;
        Answers answers(relay);
        QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
        QTRY_COMPARE(answers.spy.count(), 1);
        QCOMPARE(answers.status(), ReplyArrived);
        QCOMPARE(answers.text(), QStringLiteral("reply"));
    }

    void silentServerTimesOut()
    {
        VersionServer server;
        server.stayQuiet();
        WebRelay relay;
        relay.setTimeout(400);
        Answers answers(relay);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
        QTRY_COMPARE(server.requestLines.size(), 1);
        QVERIFY(answers.spy.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(answers.spy.count(), 1, 5000);
        QVERIFY2(clock.elapsed() >= 390, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(answers.status(), NoReply);
        QVERIFY(!relay.IsPending());
    }

    // A late answer after the timeout changes nothing: one answer per request.
    void lateAnswerAfterTimeoutIsIgnored()
    {
        VersionServer server;
        server.answer("<status>too late</status>", "200 OK", 600);
        WebRelay relay;
        relay.setTimeout(200);
        Answers answers(relay);
        QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
        QTRY_COMPARE(answers.spy.count(), 1);
        QCOMPARE(answers.status(), NoReply);
        QTest::qWait(800);
        QCOMPARE(answers.spy.count(), 1);
    }

    // Ten megabytes: the first 64 KiB arrive as the reply, long before the server could have sent
    // the rest, and the transfer is dropped.
    void hugeReplyIsCapped()
    {
        QByteArray body = "<status><message>big</message></status>";
        body += QByteArray(10 * 1024 * 1024 - body.size(), 'z');
        VersionServer server;
        server.answer(body);
        WebRelay relay;
        Answers answers(relay);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
        QTRY_COMPARE_WITH_TIMEOUT(answers.spy.count(), 1, 10000);
        QCOMPARE(answers.status(), ReplyArrived);
        QCOMPARE(answers.text().size(), Cap);
        QCOMPARE(answers.text(), QString::fromLatin1(body.left(Cap)));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QTRY_COMPARE(server.closedByClient, 1);
        QVERIFY2(server.bytesSent < body.size(), qPrintable(QString::number(server.bytesSent)));
    }

    // A body without end: only the cap can finish the request before the timeout would.
    void endlessReplyIsCapped()
    {
        VersionServer server;
        server.answerEndlessly();
        WebRelay relay;
        relay.setTimeout(8000);
        Answers answers(relay);
        QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
        QTRY_COMPARE_WITH_TIMEOUT(answers.spy.count(), 1, 10000);
        QCOMPARE(answers.status(), ReplyArrived);
        QCOMPARE(answers.text(), QString(Cap, QLatin1Char('x')));
        QTRY_COMPARE(server.closedByClient, 1);
    }

    void refusesAllButWebAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("local file") << QStringLiteral("file:///bin/sh");
        QTest::newRow("path") << QStringLiteral("/etc/passwd");
        QTest::newRow("relative") << QStringLiteral("version/versioncheck.asp");
        QTest::newRow("empty") << QString();
        QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1/setup.exe");
        QTest::newRow("data") << QStringLiteral("data:text/plain,hello");
        QTest::newRow("resource") << QStringLiteral("qrc:/version");
        QTest::newRow("no host") << QStringLiteral("http:///version/versioncheck.asp");
    }

    void refusesAllButWebAddresses()
    {
        QFETCH(QString, address);
        WebRelay relay;
        Answers answers(relay);
        QVERIFY(!relay.Request(address));
        QVERIFY(!relay.IsPending());
        QTest::qWait(100);
        QVERIFY(answers.spy.isEmpty());
    }

    // A new request drops the one still pending: only the new one is answered.
    void newRequestReplacesPendingOne()
    {
        VersionServer slow;
        slow.answer("first", "200 OK", 500);
        VersionServer quick;
        quick.answer("second");
        WebRelay relay;
        Answers answers(relay);
        QVERIFY(relay.Request(slow.address() + QStringLiteral("/")));
        QTRY_COMPARE(slow.requestLines.size(), 1);
        QVERIFY(relay.Request(quick.address() + QStringLiteral("/")));
        QTRY_COMPARE(answers.spy.count(), 1);
        QCOMPARE(answers.status(), ReplyArrived);
        QCOMPARE(answers.text(), QStringLiteral("second"));
        QTest::qWait(800);
        QCOMPARE(answers.spy.count(), 1);
    }

    void cancelledRequestIsNotAnswered()
    {
        VersionServer server;
        server.answer("reply", "200 OK", 200);
        WebRelay relay;
        relay.setTimeout(300);
        Answers answers(relay);
        QVERIFY(relay.Request(server.address() + QStringLiteral("/")));
        QTRY_COMPARE(server.requestLines.size(), 1);
        relay.Cancel();
        QVERIFY(!relay.IsPending());
        QTest::qWait(600);
        QVERIFY(answers.spy.isEmpty());
    }

    // The receiver may let go of the relay while handling its answer.
    void releasedByItsReceiver()
    {
        VersionServer server;
        server.answer("reply");
        QPointer<WebRelay> relay = new WebRelay;
        int answers = 0;
        connect(relay, &WebRelay::AsynchResponse, this, [&](int, const QString &) {
            ++answers;
            relay->deleteLater();
        });
        QVERIFY(relay->Request(server.address() + QStringLiteral("/")));
        QTRY_VERIFY(relay.isNull());
        QCOMPARE(answers, 1);
    }
};

QTEST_MAIN(tst_WebRelay)
#include "tst_webrelay.moc"
