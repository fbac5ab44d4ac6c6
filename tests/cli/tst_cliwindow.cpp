#include "CommandLine.h"
#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

// calvextra-fees against the window: each listing of the table is entered into a fresh window
// with the keyboard and the mouse, and given to the command line as options; every fee the
// window shows must be the text the command line prints.
class TestCliWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init()
    {
        applyLocaleRow();
        fixture = std::make_unique<WindowFixture>();
    }
    void cleanup()
    {
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        fixture.reset();
    }

    void sameFeesAsTheWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const auto row = [](const char *name, const char *arguments) {
            QTest::newRow(name) << QString::fromLatin1(arguments).split(QLatin1Char(' '));
        };
        row("us auction", "--site us --start 9.99 --closing 152.50");
        row("us every feature", "--site 1 --start 25.00 --closing 300.00 --two-categories --featured-plus "
                                "--home-page-featured --gallery --gallery-featured --bold --highlight --gift-icon "
                                "--buy-it-now --ten-day --extra-pictures 3 --supersize --slideshow --scheduled "
                                "--listing-designer --subtitle");
        row("us reserve not met", "--reserve --start 200.00 --closing 150.00 --two-categories");
        row("us reserve met", "--reserve --start 50 --closing 75 --bold");
        row("us did not sell", "--start 10.00 --closing 20.00 --did-not-sell --highlight");
        row("us closing below opening", "--start 30.00 --closing 12.00");
        row("us picture pack", "--start 5.00 --closing 8.00 --gallery --extra-pictures pack --supersize");
        row("us motorcycle", "--motors --vehicle --motorcycle --start 1000 --closing 5000 --gift-icon --bold");
        row("us other vehicle", "--motors --vehicle --start 500 --closing 2500 --scheduled --ten-day");
        row("us motors, no vehicle", "--motors --start 40 --closing 60 --gallery --gallery-featured");
        row("us timeshare 30-day ad", "--real-estate --timeshare --real-estate-type 30-day-ad --start 100 --closing 1000");
        row("us real estate 90-day ad", "--real-estate --real-estate-type 90-day-ad --start 100 --closing 900");
        row("us payment merchant eCheck", "--payment 250 --paypal merchant --echeck");
        row("us payment standard", "--payment 1234.56 --paypal standard");
        row("us lot every feature",
            "--items-offered 10 --start 2.50 --items-sold 10 --closing 2.50 --two-categories --subtitle "
            "--listing-designer --gift-icon --ten-day --bold --highlight --scheduled --supersize --slideshow "
            "--gallery --gallery-featured --featured-plus --home-page-featured --extra-pictures 2 --motors");
        row("us lot none sold", "--items-offered 10 --start 2.00 --items-sold 0 --closing 5.00");
        row("us lot fewer sold", "--items-offered 10 --start 2.00 --items-sold 4 --closing 5.00 --extra-pictures pack");
        row("us lot more sold than offered", "--items-offered 5 --start 3.00 --items-sold 7 --closing 4.00");
        row("uk auction", "--site uk --start 9.99 --closing 152.50 --bold --gallery");
        row("uk reserve and features", "--site 2 --reserve --start 80.00 --closing 60.00 --featured-plus --highlight "
                                       "--scheduled --subtitle --ten-day --buy-it-now --home-page-featured");
        row("uk real estate", "--site uk --real-estate --start 50 --closing 100 --extra-pictures 5 --slideshow");
        row("uk vehicle", "--site uk --motors --vehicle --start 800 --closing 3000 --two-categories --bold");
        row("uk lot", "--site uk --items-offered 20 --start 5.00 --items-sold 19 --closing 6.00 --bold --highlight");
        row("uk payment abroad at a rate", "--site uk --payment 250 --paypal merchant --abroad --rate 1.317");
        row("uk auction and payment", "--site uk --start 12.00 --closing 30.00 --payment 33.50 --abroad");
        row("ca auction", "--site ca --start 15.00 --closing 90.00 --gallery --gallery-featured --scheduled "
                          "--subtitle");
        row("ca reserve not met", "--site 3 --reserve --start 150.00 --closing 100.00 --subtitle");
        row("ca timeshare 3-10 day auction", "--site ca --real-estate --timeshare --real-estate-type "
                                             "3-10-day-auction --start 200 --closing 400");
        row("ca real estate 30-day auction", "--site ca --real-estate --real-estate-type 30-day-auction --start 20 "
                                             "--closing 40");
        row("ca vehicle", "--site ca --motors --vehicle --start 700 --closing 7000 --gallery --extra-pictures 1");
        row("ca lot", "--site ca --items-offered 10 --start 4.00 --items-sold 10 --closing 40.00 --featured-plus "
                      "--gallery --gallery-featured --scheduled --two-categories");
        row("ca payment eCheck abroad", "--site ca --payment 99.99 --abroad --echeck --rate 1.5");
        row("ca payment built-in rate", "--site ca --payment 500 --paypal merchant");
        row("de auction", "--site de --start 5.00 --closing 50.00 --listing-designer --bold --two-categories");
        row("de below the least bid", "--site de --start 0 --closing 5.00 --gallery");
        row("de motorcycle", "--site 4 --motors --vehicle --motorcycle --start 900 --closing 4000 --highlight");
        row("de other vehicle did not sell", "--site de --motors --vehicle --start 900 --closing 950 --did-not-sell");
        row("de features", "--site de --start 20.00 --closing 85.00 --featured-plus --home-page-featured --subtitle "
                           "--ten-day --supersize --slideshow --scheduled --buy-it-now --extra-pictures 4");
        row("de lot", "--site de --items-offered 5 --start 10.00 --items-sold 5 --closing 60.00 --featured-plus "
                      "--ten-day --subtitle");
        row("de payment abroad", "--site de --payment 500 --abroad --rate 0.9 --paypal merchant");
    }

    void sameFeesAsTheWindow()
    {
        QFETCH(QStringList, arguments);
        const QMap<QString, QString> options = optionsOf(arguments);
        enterIntoWindow(options);
        if (QTest::currentTestFailed())
            return;
        const QMap<QString, QString> breakdown = breakdownAmounts();

        const QJsonObject fees = commandLineFees(arguments);
        QVERIFY(!fees.isEmpty());
        // The window reads and shows numbers in the row's locale; the command line in its own.
        applyLocaleRow();
        const auto fee = [&fees](const char *name) { return inLocale(fees.value(QLatin1String(name)).toString()); };
        const bool lot = options.contains(QStringLiteral("items-offered"));
        const bool listing = options.contains(QStringLiteral("start"));
        if (listing && !lot) {
            QCOMPARE(fee("insertion-fee"), fixture->text("txtInsertionFee"));
            QCOMPARE(fee("reserve-fee"), breakdown.value(QStringLiteral("Reserve fee")));
            QCOMPARE(fee("extras"), fixture->text("txtExtras"));
            QCOMPARE(fee("final-value-fee"), fixture->text("txtFVF"));
            QCOMPARE(fee("total-fees"), fixture->text("txtFees"));
        } else if (lot) {
            QCOMPARE(fee("insertion-fee"), breakdown.value(QStringLiteral("Insertion fee")));
            QCOMPARE(fee("extras"), fixture->text("txtExtraFeaturesDutch"));
            QCOMPARE(fee("final-value-fee"), breakdown.value(QStringLiteral("Final value fee")));
            QCOMPARE(fee("total-sales"), fixture->text("txtTotalDutchAuctionSales"));
            QCOMPARE(fee("total-fees"), fixture->text("txtDutchFees"));
            QCOMPARE(fee("fee-per-item"), fixture->text("txtDutchCostPerItem"));
        } else {
            QVERIFY(!fees.contains(QStringLiteral("total-fees")));
        }
        if (options.contains(QStringLiteral("payment")))
            QCOMPARE(fee("paypal-fee"), fixture->text("txtPayPalFee"));
        else
            QVERIFY(!fees.contains(QStringLiteral("paypal-fee")));
        // The window showed a figure for each listing: the comparison is never of empty fields only.
        if (listing)
            QVERIFY(!fee("total-fees").isEmpty());
    }

private:
    // "--name value" and "--flag" as name → value ("" for a flag).
    static QMap<QString, QString> optionsOf(const QStringList &arguments)
    {
        QMap<QString, QString> options;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString name = arguments[i].mid(2);
            const bool hasValue = i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--"));
            options.insert(name, hasValue ? arguments[++i] : QString());
        }
        return options;
    }

    static QJsonObject commandLineFees(const QStringList &arguments)
    {
        QBuffer in, out, err;
        for (QBuffer *buffer : {&in, &out, &err})
            buffer->open(QIODevice::ReadWrite);
        const int status = CommandLine::Run(QStringList{QStringLiteral("calvextra-fees")} << arguments
                                                                                           << QStringLiteral("--format")
                                                                                           << QStringLiteral("json"),
                                            in, out, err);
        if (status != CommandLine::Success)
            qWarning("calvextra-fees: %s", err.data().constData());
        return QJsonDocument::fromJson(out.data()).object();
    }

    void enterIntoWindow(const QMap<QString, QString> &options)
    {
        static const QMap<QString, const char *> sites{{"us", "mnuOptionsSiteEbay"}, {"1", "mnuOptionsSiteEbay"},
                                                       {"uk", "mnuOptionsSiteUK"},   {"2", "mnuOptionsSiteUK"},
                                                       {"ca", "mnuOptionsSiteCanada"}, {"3", "mnuOptionsSiteCanada"},
                                                       {"de", "mnuOptionsSiteGermany"}, {"4", "mnuOptionsSiteGermany"}};
        QAction *site = fixture->find<QAction>(sites.value(options.value(QStringLiteral("site"), QStringLiteral("us"))));
        site->trigger();
        QVERIFY(site->isChecked());

        if (options.contains(QStringLiteral("items-offered")))
            enterLot(options);
        else if (options.contains(QStringLiteral("start")))
            enterSingleItem(options);
        if (options.contains(QStringLiteral("payment")))
            enterPayment(options);
    }

    void enterSingleItem(const QMap<QString, QString> &o)
    {
        showTab(0);
        // The choices come first, as a user makes them, the prices last: leaving a price field
        // cleans it up by the choices made so far.
        if (o.contains(QStringLiteral("reserve")))
            chooseFromList("cboIsReserve", 1);
        static const std::pair<const char *, const char *> boxes[] = {
            {"motors", "chkMotors"},           {"vehicle", "chkVehicle"},
            {"motorcycle", "optMotorcycle"},   {"real-estate", "chkRealEstate"},
            {"timeshare", "optTimeshare"},     {"gallery", "chkGallery"},
            {"gallery-featured", "chkGalleryFeatured"}, {"two-categories", "chkTwoCategories"},
            {"featured-plus", "chkFeaturedCategory"}, {"home-page-featured", "chkFeatured"},
            {"bold", "chkBold"},               {"highlight", "chkHighlighted"},
            {"gift-icon", "chkGiftIcon"},      {"buy-it-now", "chkBIN"},
            {"ten-day", "chkTenDayAuction"},   {"extra-pictures", "chkExtraPhotos"},
            {"supersize", "chkSupersizePhotos"}, {"slideshow", "chkSlideshow"},
            {"scheduled", "chkScheduled"},     {"listing-designer", "chkListingDesigner"},
            {"subtitle", "chkSubTitleSingleItem"},
        };
        clickBoxes(o, boxes);
        if (o.contains(QStringLiteral("extra-pictures")))
            chooseFromList("cboExtraPhotos", pictureIndex(o.value(QStringLiteral("extra-pictures"))));
        if (o.contains(QStringLiteral("real-estate-type"))) {
            const QStringList types{"3-10-day-auction", "30-day-auction", "30-day-ad", "90-day-ad"};
            chooseFromList("cboRealEstateType", int(types.indexOf(o.value(QStringLiteral("real-estate-type")))));
        }
        fixture->typeAndLeave("txtStartingPrice", inLocale(o.value(QStringLiteral("start"))));
        if (o.contains(QStringLiteral("closing")))
            fixture->typeAndLeave("txtPrice", inLocale(o.value(QStringLiteral("closing"))));
        // Ticking "did not sell" locks the closing bid.
        if (o.contains(QStringLiteral("did-not-sell")))
            clickButton("chkDidNotSell");
    }

    void enterLot(const QMap<QString, QString> &o)
    {
        showTab(1);
        static const std::pair<const char *, const char *> boxes[] = {
            {"motors", "chkEBayMotorsDutch"},  {"gallery", "chkDutchGallery"},
            {"gallery-featured", "chkDutchGalleryFeatured"}, {"two-categories", "chkDutchTwoCategories"},
            {"featured-plus", "chkDutchFeaturedPlus"}, {"home-page-featured", "chkDutchHomePageFeatured"},
            {"bold", "chkDutchBold"},          {"highlight", "chkDutchHighlight"},
            {"gift-icon", "chkDutchGreatGift"}, {"ten-day", "chkDutchTenDayAuction"},
            {"extra-pictures", "chkExtraPicturesDutch"}, {"supersize", "chkSupersizeDutch"},
            {"slideshow", "chkSlideshowDutch"}, {"scheduled", "chkDutchScheduled"},
            {"listing-designer", "chkDutchListingDesigner"}, {"subtitle", "chkDutchSubtitle"},
        };
        clickBoxes(o, boxes);
        if (o.contains(QStringLiteral("extra-pictures")))
            chooseFromList("cboExtraPicturesDutch", pictureIndex(o.value(QStringLiteral("extra-pictures"))));
        fixture->typeAndLeave("txtDutchItemsOffered", o.value(QStringLiteral("items-offered")));
        fixture->typeAndLeave("txtDutchOpeningPrice", inLocale(o.value(QStringLiteral("start"))));
        fixture->typeAndLeave("txtDutchItemsSold", o.value(QStringLiteral("items-sold")));
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale(o.value(QStringLiteral("closing"))));
    }

    void enterPayment(const QMap<QString, QString> &o)
    {
        showTab(2);
        clickButton(o.value(QStringLiteral("paypal")) == QLatin1String("merchant") ? "optPayPalMerchant"
                                                                                   : "optPayPalStandard");
        clickButton(o.contains(QStringLiteral("echeck")) ? "optPayPalNonCreditCard" : "optPayPalCreditCard");
        if (o.contains(QStringLiteral("abroad")))
            clickButton("chkInternationalPayPal");
        if (o.contains(QStringLiteral("rate")))
            fixture->typeAndLeave("txtConversion", inLocale(o.value(QStringLiteral("rate"))));
        fixture->typeAndLeave("txtPaymentAmount", inLocale(o.value(QStringLiteral("payment"))));
    }

    template <std::size_t N>
    void clickBoxes(const QMap<QString, QString> &options, const std::pair<const char *, const char *> (&boxes)[N])
    {
        for (const auto &[option, name] : boxes) {
            if (options.contains(QLatin1String(option)))
                clickButton(name);
        }
    }

    static int pictureIndex(const QString &choice)
    {
        return choice == QLatin1String("pack") ? 5 : choice.toInt() - 1;
    }

    // A click on the box's or button's indicator, which must leave it ticked or selected.
    void clickButton(const char *name)
    {
        auto *button = fixture->find<QAbstractButton>(name);
        QVERIFY2(button->isVisible() && button->isEnabled(), name);
        const bool before = button->isChecked();
        WindowFixture::clickIndicator(button);
        QVERIFY2(button->isChecked() && (!before || qobject_cast<QRadioButton *>(button)), name);
    }

    // The list's entry chosen with the arrow keys, from its first entry.
    void chooseFromList(const char *name, int index)
    {
        auto *list = fixture->find<QComboBox>(name);
        QVERIFY2(list->isVisible() && list->isEnabled(), name);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < index; ++step)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex(), index);
    }

    void showTab(int tab)
    {
        fixture->clickTab(tab);
        QCOMPARE(fixture->window->SSTab1->currentIndex(), tab);
    }

    // The fee breakdown (F6) as fee name → amount without the currency.
    QMap<QString, QString> breakdownAmounts()
    {
        QTest::keyClick(fixture->window.get(), Qt::Key_F6);
        auto *list = fixture->window->findChild<QTreeWidget *>(QStringLiteral("lstBreakdown"));
        if (!list) {
            qWarning("the fee breakdown did not open");
            return {};
        }
        QMap<QString, QString> amounts;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem *item = list->topLevelItem(row);
            amounts.insert(item->text(0), item->text(1).section(QLatin1Char(' '), -1));
        }
        return amounts;
    }

    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestCliWindow)
#include "tst_cliwindow.moc"
