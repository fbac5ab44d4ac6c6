#include "Brand.h"
#include "CalvextraVersion.h"
#include "LanguageState.h"
#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>

// What the help menu and File > New Window open: help files, the company's pages, mail links,
// the fee pages of the sites, another copy of the program.
class TestHelpMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init()
    {
        applyLocaleRow();
        fixture = std::make_unique<WindowFixture>();
        links = std::make_unique<OpenedLinks>();
        otherLinks = std::make_unique<OpenedLinks>(QStringList{QStringLiteral("file"), QStringLiteral("mailto")});
    }
    void cleanup()
    {
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        fixture.reset();
        links.reset();
        otherLinks.reset();
        Brand() = BrandValues::Defaults();
        CurrentLanguage() = LanguageInfo::EnglishUnitedStates();
        frmeBayFees::NewWindowProgram().clear();
    }

    void contentsOpensTheHelpFileOfTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << QStringLiteral("409") << QStringLiteral("calvextra_help.htm");
        QTest::newRow("German") << QStringLiteral("407") << QStringLiteral("wertolino_hilfe.htm");
        QTest::newRow("German (Austria) runs the German library") << QStringLiteral("407")
                                                                  << QStringLiteral("wertolino_hilfe.htm");
        QTest::newRow("French") << QStringLiteral("40C") << QStringLiteral("calvextra_help.htm");
    }
    void contentsOpensTheHelpFileOfTheLanguage()
    {
        QFETCH_GLOBAL(QString, locale);
        QFETCH(QString, code);
        QFETCH(QString, file);
        CurrentLanguage().Code = code;
        trigger("mnuHelpContents");
        QCOMPARE(otherLinks->urls.size(), 1);
        const QUrl opened = otherLinks->urls.front();
        QVERIFY(opened.isLocalFile());
        QCOMPARE(QFileInfo(opened.toLocalFile()).fileName(), file);
        QCOMPARE(QFileInfo(opened.toLocalFile()).absolutePath(), QCoreApplication::applicationDirPath());
        QVERIFY(links->urls.isEmpty());
    }

    void sourcesOpenTheFeePages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("hostEnding");
        QTest::addColumn<QString>("pathAndQuery");
        const QString fees = QStringLiteral("/help/sellerguide/selling-fees.html");
        const QString pictures = QStringLiteral("/help/basics/pictureservices.html");
        const QString billpoint = QStringLiteral("/help/sellerguide/bp-fees.html");
        QTest::newRow("eBay.com") << "mnuHelpSourcesEbay" << "ebay.com" << fees;
        QTest::newRow("eBay Motors") << "mnuHelpSourcesEbayMotors" << "ebay.com"
                                     << "/ebaymotors/help/sellerguide/selling-fees.html";
        QTest::newRow("eBay Canada") << "mnuHelpSourcesEbayCanada" << "ebay.ca" << fees;
        QTest::newRow("eBay UK") << "mnuHelpSourcesEbayUK" << "ebay.co.uk" << fees;
        QTest::newRow("eBay Germany") << "mnuHelpSourcesEbayGermany" << "ebay.de" << fees;
        QTest::newRow("eBay.com pictures") << "mnuHelpSourcesEbayPictures" << "ebay.com" << pictures;
        QTest::newRow("eBay UK pictures") << "mnuHelpSourcesEbayUKPictures" << "ebay.co.uk" << pictures;
        QTest::newRow("eBay Canada pictures") << "mnuHelpSourcesEbayCanadaPictures" << "ebay.ca" << pictures;
        QTest::newRow("eBay Germany pictures") << "mnuHelpSourcesEbayGermanyPictures" << "ebay.de" << pictures;
        QTest::newRow("PayPal US") << "mnuHelpSourcesPayPalUS" << "paypal.com"
                                   << "/cgi-bin/webscr?cmd=p/gen/fees-outside";
        QTest::newRow("PayPal international") << "mnuHelpPayPalInternational" << "paypal.com"
                                              << "/cgi-bin/webscr?cmd=p/gen/fees-intl-outside";
        QTest::newRow("eBay payments US") << "mnuHelpBillpointUS" << "ebay.com" << billpoint;
        QTest::newRow("eBay payments UK") << "mnuHelpBillpointUK" << "ebay.co.uk" << billpoint;
    }
    void sourcesOpenTheFeePages()
    {
        QFETCH(QString, item);
        QFETCH(QString, hostEnding);
        QFETCH(QString, pathAndQuery);
        trigger(qPrintable(item));
        QCOMPARE(links->urls.size(), 1);
        const QUrl opened = links->urls.front();
        QVERIFY2(opened.host().endsWith(hostEnding), qPrintable(opened.toString()));
        QCOMPARE(opened.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority), pathAndQuery);
    }

    void homepageOpensTheCompanysPage_data()
    {
        QTest::addColumn<bool>("branded");
        QTest::newRow("maker") << false;
        QTest::newRow("branded") << true;
    }
    void homepageOpensTheCompanysPage()
    {
        QFETCH(bool, branded);
        if (branded)
            Brand().CompanyURL = QStringLiteral("https://acme.example/shop/");
        trigger("mnuHelpHomepage");
        QCOMPARE(links->urls, QList<QUrl>{QUrl(Brand().CompanyURL)});
    }

    // The company's name shows in the two captions as written: an "&" of it stays an "&" and
    // takes no mnemonic, the caption's own mnemonic stays; markup is no markup in a menu.
    void companyNameInCaptionsAsWritten_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("homepage");
        QTest::addColumn<QString>("subscribe");
        QTest::newRow("ampersand") << QStringLiteral("Müller & Söhne") << QStringLiteral("Müller && Söhne Homepage")
                                   << QStringLiteral("&Join Müller && Söhne Mailing List");
        QTest::newRow("ampersand first") << QStringLiteral("&Co") << QStringLiteral("&&Co Homepage")
                                         << QStringLiteral("&Join &&Co Mailing List");
        QTest::newRow("markup") << QStringLiteral("<b>Bold</b> <a href='x'>link</a> <img src='/etc/hosts'>")
                                << QStringLiteral("<b>Bold</b> <a href='x'>link</a> <img src='/etc/hosts'> Homepage")
                                << QStringLiteral("&Join <b>Bold</b> <a href='x'>link</a> <img src='/etc/hosts'> Mailing List");
        QTest::newRow("maker") << QStringLiteral("Brontolux") << QStringLiteral("Brontolux Homepage")
                               << QStringLiteral("&Join Brontolux Mailing List");
    }
    void companyNameInCaptionsAsWritten()
    {
        QFETCH(QString, company);
        QFETCH(QString, homepage);
        QFETCH(QString, subscribe);
        // The brand is read before the window is made.
        fixture.reset();
        Brand().CompanyName = company;
        fixture = std::make_unique<WindowFixture>();
        const QAction *home = fixture->find<QAction>("mnuHelpHomepage");
        const QAction *join = fixture->find<QAction>("mnuHelpSubscribe");
        QCOMPARE(home->text(), homepage);
        QCOMPARE(join->text(), subscribe);
        QCOMPARE(QKeySequence::mnemonic(home->text()), QKeySequence());
        QCOMPARE(QKeySequence::mnemonic(join->text()), QKeySequence(Qt::ALT | Qt::Key_J));
    }

    void mailLinks_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("branded");
        QTest::addColumn<QString>("mailbox");
        QTest::addColumn<QString>("subject");
        const QString version = QStringLiteral("%1.%2.%3")
                                    .arg(CALVEXTRA_VERSION_MAJOR)
                                    .arg(CALVEXTRA_VERSION_MINOR)
                                    .arg(CALVEXTRA_VERSION_REVISION);
        const BrandValues maker = BrandValues::Defaults();
        QTest::newRow("feedback") << "mnuHelpFeedback" << false << maker.SupportEmail
                                  << "Comment RE: Calvextra " + version;
        QTest::newRow("feedback, branded: still names Calvextra")
            << "mnuHelpFeedback" << true << "help@acme.example" << "Comment RE: Calvextra " + version;
        QTest::newRow("subscription") << "mnuHelpSubscribe" << false << maker.SubscribeEmail
                                      << "Subscribe Brontolux Mailing List REF: Calvextra";
        QTest::newRow("subscription, branded, with characters a mail link must encode")
            << "mnuHelpSubscribe" << true << "list@acme.example" << "Subscribe Acme & Söhne Mailing List REF: Calvextra";
    }
    void mailLinks()
    {
        QFETCH(QString, item);
        QFETCH(bool, branded);
        QFETCH(QString, mailbox);
        QFETCH(QString, subject);
        if (branded) {
            Brand().CompanyName = QStringLiteral("Acme & Söhne");
            Brand().SupportEmail = QStringLiteral("help@acme.example");
            Brand().SubscribeEmail = QStringLiteral("list@acme.example");
        }
        trigger(qPrintable(item));
        QCOMPARE(otherLinks->urls.size(), 1);
        const QUrl link = otherLinks->urls.front();
        QCOMPARE(link.scheme(), QStringLiteral("mailto"));
        QCOMPARE(link.path(), mailbox);
        const QUrlQuery query(link);
        QCOMPARE(query.queryItems().size(), 1);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), subject);
        // Blanks travel encoded, never raw.
        QVERIFY(!link.toEncoded().contains(' '));
    }

    void aboutAndUpdateAreHandedToTheShell()
    {
        QSignalSpy about(fixture->window.get(), &frmeBayFees::AboutRequested);
        QSignalSpy update(fixture->window.get(), &frmeBayFees::UpdateCheckRequested);
        trigger("mnuHelpAbout");
        QCOMPARE(about.size(), 1);
        QCOMPARE(update.size(), 0);
        trigger("mnuHelpUpdate");
        QCOMPARE(update.size(), 1);
        QVERIFY(links->urls.isEmpty() && otherLinks->urls.isEmpty());
    }

    void newWindowStartsACopyThatLoadsTheSavedSettings()
    {
        fixture->find<QAction>("mnuOptionsSiteCanada")->trigger();
        fixture->typeAndLeave("txtStartingPrice", inLocale("12.5"));
        trigger("mnuOptionsSaveSettings");

        QTemporaryDir folder;
        const QString report = folder.filePath(QStringLiteral("report.txt"));
        qputenv("CALVEXTRA_PROBE_REPORT", report.toLocal8Bit());
        qputenv("CALVEXTRA_PROBE_LOCALE", QLocale().name().toLatin1());
        frmeBayFees::NewWindowProgram() = QStringLiteral(NEWWINDOW_PROBE);
        trigger("mnuFileNewWindow");

        QElapsedTimer waited;
        waited.start();
        QFile file(report);
        while (!file.exists() && waited.elapsed() < 20000)
            QTest::qWait(50);
        QTest::qWait(100);  // the copy has finished writing its short line
        QVERIFY2(file.open(QIODevice::ReadOnly), "the second copy did not start");
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("site=3 start=") + inLocale("12.50"));
        qunsetenv("CALVEXTRA_PROBE_REPORT");
        qunsetenv("CALVEXTRA_PROBE_LOCALE");
    }

    void newWindowWithoutAProgramSaysNothing()
    {
        frmeBayFees::NewWindowProgram() = QDir::temp().filePath(QStringLiteral("no-such-calvextra-program"));
        trigger("mnuFileNewWindow");
        QTest::qWait(300);  // the watchdog would catch a message
        QVERIFY(fixture->window->isVisible());
    }

private:
    void trigger(const char *item) { fixture->find<QAction>(item)->trigger(); }

    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<OpenedLinks> links;
    std::unique_ptr<OpenedLinks> otherLinks;  // help files and mail links
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
