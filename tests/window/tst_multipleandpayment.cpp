#include "LinkLabel.h"
#include "PointerMoves.h"
#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>

#include <limits>

// The multiple-item, payment and shipping tabs of the calculator window, driven as the user
// drives them: site menu, tabs, typed entries, clicks and the pointer over the links.
class TestMultipleAndPayment : public QObject
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

    // ---- Multiple items: complete lots ----

    void dutchLotFees_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<int>("pictures");  // index of the extra-pictures list, -1: none
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("sold");
        QTest::addColumn<QString>("lowestBid");
        QTest::addColumn<QString>("shownBid");
        QTest::addColumn<QString>("sales");
        QTest::addColumn<QString>("extras");
        QTest::addColumn<QString>("fees");
        QTest::addColumn<QString>("perItem");

        const QString us = QStringLiteral("mnuOptionsSiteEbay");
        // Lot 20.00 pays 0.60; one item sold at the opening bid 10.00 pays 10 * 5.25 % = 0.525.
        QTest::newRow("US one of two sold at 10.00")
            << us << QStringList() << -1 << "2" << "10.00" << "1" << "12.00" << "10.00" << "10.00" << "0.00"
            << "1.13" << "1.13";
        // Lot 50.00 pays 2.40; five items at 10.00: 5 * 0.525 = 2.625 -> 2.63.
        QTest::newRow("US five sold at 10.00")
            << us << QStringList() << -1 << "5" << "10.00" << "5" << "10.00" << "10.00" << "50.00" << "0.00"
            << "5.03" << "1.01";
        // 37 * 0.27 = 9.99 is still the second tier (0.35); 37 * 0.014175 = 0.524475 -> 0.52.
        QTest::newRow("US lot of exactly 9.99")
            << us << QStringList() << -1 << "37" << "0.27" << "37" << "0.27" << "0.27" << "9.99" << "0.00"
            << "0.87" << "0.02";
        // 24.90 is the third tier (0.60); 10 * 2.49 * 5.25 % = 1.30725 -> 1.31.
        QTest::newRow("US lot of 24.90")
            << us << QStringList() << -1 << "10" << "2.49" << "10" << "2.49" << "2.49" << "24.90" << "0.00"
            << "1.91" << "0.19";
        // Two categories: insertion 2 * 0.60, bold 2 * 1.00, gallery 2 * 0.25, three pictures
        // 0.45 once; 1.20 + 2.95 + 1.31 = 5.46.
        QTest::newRow("US two categories, bold, gallery, three pictures")
            << us << QStringList{"chkDutchTwoCategories", "chkDutchBold", "chkDutchGallery"} << 2 << "10"
            << "2.49" << "10" << "2.49" << "2.49" << "24.90" << "2.95" << "5.46" << "0.55";
        // Lot 25.00: fourth tier 1.20, doubled 2.40. Doubled: subtitle 1.00, designer 0.20, gift
        // 0.50, ten days 0.40, bold 2.00, highlight 10.00; once: scheduled 0.10, supersize 0.75,
        // slideshow 0.75 -> 15.70. Final value fee 10 * 0.13125 = 1.3125 -> 1.31.
        QTest::newRow("US every feature with two categories")
            << us
            << QStringList{"chkDutchTwoCategories", "chkDutchSubtitle", "chkDutchListingDesigner", "chkDutchGreatGift",
                           "chkDutchTenDayAuction", "chkDutchBold", "chkDutchHighlight", "chkDutchScheduled",
                           "chkSupersizeDutch", "chkSlideshowDutch"}
            << -1 << "10" << "2.50" << "10" << "2.50" << "2.50" << "25.00" << "15.70" << "19.41" << "1.94";
        // Gallery 0.25 plus Gallery Featured 19.95; lot 20.00 -> 0.60; 4 * 0.2625 = 1.05.
        QTest::newRow("US gallery and gallery featured")
            << us << QStringList{"chkDutchGallery", "chkDutchGalleryFeatured"} << -1 << "4" << "5.00" << "4"
            << "5.00" << "5.00" << "20.00" << "20.20" << "21.85" << "5.46";
        // On eBay Motors Gallery Featured costs 24.95.
        QTest::newRow("US eBay Motors gallery featured")
            << us << QStringList{"chkEBayMotorsDutch", "chkDutchGallery", "chkDutchGalleryFeatured"} << -1 << "4"
            << "5.00" << "4" << "5.00" << "5.00" << "20.00" << "25.20" << "26.85" << "6.71";
        // The picture pack costs 1.00 and includes the gallery picture and supersize.
        // Lot 9.90 -> 0.35; 10 * 0.051975 = 0.51975 -> 0.52.
        QTest::newRow("US picture pack")
            << us << QStringList{"chkDutchGallery", "chkSupersizeDutch"} << 5 << "10" << "0.99" << "10" << "0.99"
            << "0.99" << "9.90" << "1.00" << "1.87" << "0.19";
        // 25.01 is the second final-value tier: 25.00 * 5.25 % + 0.01 * 2.75 % = 1.312775 per
        // item, 131.2775 for 100 -> 131.28 (the first tier would give 131.30). Lot 100 -> 2.40.
        QTest::newRow("US lowest bid 25.01")
            << us << QStringList() << -1 << "100" << "1.00" << "100" << "25.01" << "25.01" << "2501.00" << "0.00"
            << "133.68" << "1.34";
        // UK: a lot of 100.00 pays the seventh tier 2.00; bold 0.75 + highlight 1.50; 19 sold at
        // the opening bid: 19 * 0.2625 = 4.9875 -> 4.99; 9.24 / 19 = 0.486.
        QTest::newRow("UK bold and highlight, 19 of 20 sold")
            << "mnuOptionsSiteUK" << QStringList{"chkDutchBold", "chkDutchHighlight"} << -1 << "20" << "5.00" << "19"
            << "6.00" << "5.00" << "95.00" << "2.25" << "9.24" << "0.49";
        // Canada: lot 40.00 -> 1.65; Featured Plus 5.00, gallery 0.25, Gallery Featured 5.00,
        // scheduled 0.15; per item at 40.00: 35 * 5.25 % + 5 * 2.75 % = 1.975, ten of them 19.75.
        QTest::newRow("Canada featured plus, gallery featured, scheduled")
            << "mnuOptionsSiteCanada"
            << QStringList{"chkDutchFeaturedPlus", "chkDutchGallery", "chkDutchGalleryFeatured", "chkDutchScheduled"}
            << -1 << "10" << "4.00" << "10" << "40.00" << "40.00" << "400.00" << "10.40" << "31.80" << "3.18";
        // Germany: Featured Plus of a multiple-item listing 17.95; lot 50.00 -> 1.60; per item at
        // 60.00: 50 * 5 % + 10 * 4 % = 2.90, five of them 14.50.
        QTest::newRow("Germany featured plus")
            << "mnuOptionsSiteGermany" << QStringList{"chkDutchFeaturedPlus"} << -1 << "5" << "10.00" << "5"
            << "60.00" << "60.00" << "300.00" << "17.95" << "34.05" << "6.81";
    }

    void dutchLotFees()
    {
        QFETCH(QString, site);
        QFETCH(QStringList, ticks);
        QFETCH(int, pictures);
        QFETCH(QString, offered);
        QFETCH(QString, opening);
        QFETCH(QString, sold);
        QFETCH(QString, lowestBid);

        chooseSite(site);
        showTab(1);
        for (const QString &name : ticks) {
            QCheckBox *box = fixture->find<QCheckBox>(name.toLatin1().constData());
            box->click();
            QVERIFY2(box->isChecked(), qPrintable(name));
        }
        if (pictures >= 0) {
            fixture->find<QCheckBox>("chkExtraPicturesDutch")->click();
            QComboBox *list = fixture->find<QComboBox>("cboExtraPicturesDutch");
            QVERIFY(list->isEnabled());
            list->setCurrentIndex(pictures);
        }
        enterLot(offered, opening, sold, lowestBid);

        QFETCH(QString, shownBid);
        QFETCH(QString, sales);
        QFETCH(QString, extras);
        QFETCH(QString, fees);
        QFETCH(QString, perItem);
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale(shownBid));
        QCOMPARE(fixture->text("txtDutchOpeningPrice"), inLocale(opening));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale(sales));
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale(extras));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale(fees));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), inLocale(perItem));
    }

    // ---- Multiple items: clean-up of the entries ----

    void fewerSoldThanOfferedTakesTheOpeningBid()
    {
        showTab(1);
        enterLot(QStringLiteral("10"), QStringLiteral("2.00"), QStringLiteral("4"), QStringLiteral("5.00"));
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale("2.00"));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale("8.00"));
        // Lot 20.00 -> 0.60; 4 * (2.00 * 5.25 %) = 0.42; 1.02 / 4 = 0.255 -> 0.26.
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("1.02"));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), inLocale("0.26"));
    }

    void lowestBidIsRaisedToTheOpeningBid()
    {
        showTab(1);
        enterLot(QStringLiteral("10"), QStringLiteral("2.00"), QStringLiteral("10"), QStringLiteral("1.50"));
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale("2.00"));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale("20.00"));
        // 0.60 + 10 * 0.105 = 1.65; per item 0.165 -> 0.17.
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("1.65"));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), inLocale("0.17"));
    }

    void soldIsLimitedToOffered()
    {
        showTab(1);
        fixture->typeAndLeave("txtDutchItemsOffered", QStringLiteral("5"));
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("7"));
        QCOMPARE(fixture->text("txtDutchItemsSold"), QStringLiteral("5"));
    }

    void nothingSold()
    {
        showTab(1);
        fixture->typeAndLeave("txtDutchItemsOffered", QStringLiteral("10"));
        fixture->typeAndLeave("txtDutchOpeningPrice", inLocale("2.00"));
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale("5.00"));
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale("5.00"));

        QStringList bids;
        connect(fixture->field("txtDutchFinalPrice"), &QLineEdit::textChanged, this,
                [&bids](const QString &text) { bids.append(text); });
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("0"));

        // The bid is first set to "0", then shown as money.
        QVERIFY2(bids.contains(QStringLiteral("0")), qPrintable(bids.join(QLatin1Char('|'))));
        QCOMPARE(bids.last(), inLocale("0.00"));
        QVERIFY(bids.lastIndexOf(QStringLiteral("0")) < bids.size() - 1);
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale("0.00"));
        QCOMPARE(fixture->text("txtDutchItemsSold"), QStringLiteral("0"));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale("0.00"));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("0.60"));  // the insertion fee of a 20.00 lot
        QCOMPARE(fixture->text("txtDutchCostPerItem"), QStringLiteral("N/A"));
    }

    void itemsOfferedAtLeastTwo_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1") << "1" << "2";
        QTest::newRow("0") << "0" << "2";
        QTest::newRow("3 stays") << "3" << "3";
    }

    void itemsOfferedAtLeastTwo()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        showTab(1);
        // A complete lot shows that the calculation used the corrected count: 2 * 6.00 = 12.00
        // pays 0.60, 1 * 6.00 would pay 0.35, 3 * 6.00 = 18.00 pays 0.60 as well.
        fixture->typeAndLeave("txtDutchOpeningPrice", inLocale("6.00"));
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("0"));
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale("6.00"));
        fixture->typeAndLeave("txtDutchItemsOffered", typed);
        QCOMPARE(fixture->text("txtDutchItemsOffered"), shown);
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("0.60"));
    }

    void largestCountOfItems()
    {
        showTab(1);
        // 32767 items at 0.01: a lot of 327.67 pays the sixth US tier 3.60; 32767 * 0.000525 =
        // 17.202675 -> 17.20.
        enterLot(QStringLiteral("32767"), QStringLiteral("0.01"), QStringLiteral("32767"), QStringLiteral("0.01"));
        QCOMPARE(fixture->text("txtDutchItemsOffered"), QStringLiteral("32767"));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale("327.67"));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("20.80"));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), inLocale("0.00"));

        // A larger count is not taken.
        fixture->type("txtDutchItemsSold", QStringLiteral("40000"));
        QVERIFY2(fixture->text("txtDutchItemsSold").toInt() <= 32767, qPrintable(fixture->text("txtDutchItemsSold")));
    }

    // A count text that is not plain digits, arriving other than by keys, the context menu or a
    // drop (which refuse it), is emptied at once: it never counts as 0 items and so never
    // lowers the number sold.
    void countFromAnotherSourceIsEmptied()
    {
        showTab(1);
        enterLot(QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("5"));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("1.02"));
        QLineEdit *offered = fixture->field("txtDutchItemsOffered");
        offered->setFocus(Qt::TabFocusReason);
        QApplication::clipboard()->setText(QStringLiteral("$5"));
        offered->paste();
        QCOMPARE(offered->text(), QString());
        fixture->leave();
        QCOMPARE(fixture->text("txtDutchItemsSold"), QStringLiteral("4"));
    }

    void fixedPriceListingRenamesThePriceLabel()
    {
        showTab(1);
        QLabel *label = fixture->find<QLabel>("lblDutchOpeningPrice");
        QComboBox *type = fixture->find<QComboBox>("cboTypeOfMultiItemListing");
        QCOMPARE(type->currentIndex(), 0);
        QCOMPARE(label->text(), QStringLiteral("Opening Bid:"));

        // A recalculation would show the opening bid as money; the choice of type leaves it.
        QLineEdit *opening = fixture->field("txtDutchOpeningPrice");
        opening->setText(inLocale("2.5"));
        type->setCurrentIndex(1);
        QCOMPARE(label->text(), QStringLiteral("Buy-it-Now Price:"));
        QCOMPARE(opening->text(), inLocale("2.5"));
        type->setCurrentIndex(0);
        QCOMPARE(label->text(), QStringLiteral("Opening Bid:"));
        QCOMPARE(opening->text(), inLocale("2.5"));

        fixture->find<QPushButton>("cmdDutchCalculate")->click();
        QCOMPARE(opening->text(), inLocale("2.50"));
    }

    // ---- Multiple items: features ----

    void homePageFeaturedByQuantity_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("extras");
        // One item can only be entered by pressing Enter in the field: leaving it makes it 2.
        QTest::newRow("US 1") << "mnuOptionsSiteEbay" << "1" << "39.95";
        QTest::newRow("US 2") << "mnuOptionsSiteEbay" << "2" << "79.95";
        QTest::newRow("UK 2") << "mnuOptionsSiteUK" << "2" << "49.95";
        QTest::newRow("Canada 1") << "mnuOptionsSiteCanada" << "1" << "49.95";
        QTest::newRow("Canada 5") << "mnuOptionsSiteCanada" << "5" << "99.95";
        QTest::newRow("Germany 1") << "mnuOptionsSiteGermany" << "1" << "79.95";
        QTest::newRow("Germany 2") << "mnuOptionsSiteGermany" << "2" << "179.95";
    }

    void homePageFeaturedByQuantity()
    {
        QFETCH(QString, site);
        QFETCH(QString, offered);
        QFETCH(QString, extras);
        chooseSite(site);
        showTab(1);
        // Not doubled by a second category.
        fixture->find<QCheckBox>("chkDutchTwoCategories")->click();
        fixture->find<QCheckBox>("chkDutchHomePageFeatured")->click();
        fixture->typeAndLeave("txtDutchOpeningPrice", inLocale("1.00"));
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("1"));
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale("1.00"));
        fixture->type("txtDutchItemsOffered", offered);
        QTest::keyClick(fixture->field("txtDutchItemsOffered"), Qt::Key_Return);
        QCOMPARE(fixture->text("txtDutchItemsOffered"), offered);
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale(extras));
    }

    void homePageFeaturedOfOneItemAfterLeaving()
    {
        // US: typed 1 and Enter prices one item (39.95, lot 5.00 -> 0.35); leaving the field
        // makes it 2 items (79.95, lot 10.00 -> 0.60). One sold at 5.00: 0.2625 -> 0.26.
        showTab(1);
        fixture->find<QCheckBox>("chkDutchHomePageFeatured")->click();
        fixture->typeAndLeave("txtDutchOpeningPrice", inLocale("5.00"));
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("1"));
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale("5.00"));
        fixture->type("txtDutchItemsOffered", QStringLiteral("1"));
        QTest::keyClick(fixture->field("txtDutchItemsOffered"), Qt::Key_Return);
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("40.56"));
        fixture->leave();
        QCOMPARE(fixture->text("txtDutchItemsOffered"), QStringLiteral("2"));
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale("79.95"));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("80.81"));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), inLocale("80.81"));
    }

    void ebayMotorsRenamesGiftServices()
    {
        showTab(1);
        QCheckBox *gift = fixture->find<QCheckBox>("chkDutchGreatGift");
        QCheckBox *motors = fixture->find<QCheckBox>("chkEBayMotorsDutch");
        QCOMPARE(gift->text(), QStringLiteral("Gift Services"));
        fixture->find<QCheckBox>("chkDutchGallery")->click();
        fixture->find<QCheckBox>("chkDutchGalleryFeatured")->click();
        enterLot(QStringLiteral("4"), QStringLiteral("5.00"), QStringLiteral("4"), QStringLiteral("5.00"));
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale("20.20"));

        // The box recalculates: Gallery Featured on eBay Motors costs 24.95.
        motors->click();
        QCOMPARE(gift->text(), QStringLiteral("Listing Icon"));
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale("25.20"));
        motors->click();
        QCOMPARE(gift->text(), QStringLiteral("Gift Services"));
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale("20.20"));
    }

    void dutchClearAll()
    {
        showTab(1);
        const QStringList cleared{"chkDutchFeaturedPlus", "chkDutchHomePageFeatured", "chkDutchGallery",
                                  "chkDutchGalleryFeatured", "chkDutchHighlight", "chkDutchGreatGift", "chkDutchBold",
                                  "chkDutchTenDayAuction", "chkExtraPicturesDutch", "chkSupersizeDutch",
                                  "chkSlideshowDutch", "chkDutchScheduled"};
        const QStringList kept{"chkDutchSubtitle", "chkDutchTwoCategories", "chkDutchListingDesigner",
                               "chkEBayMotorsDutch"};
        for (const QString &name : cleared + kept) {
            QCheckBox *box = fixture->find<QCheckBox>(name.toLatin1().constData());
            box->click();
            QVERIFY2(box->isChecked(), qPrintable(name));
        }
        fixture->find<QComboBox>("cboExtraPicturesDutch")->setCurrentIndex(3);
        fixture->find<QComboBox>("cboTypeOfMultiItemListing")->setCurrentIndex(1);
        enterLot(QStringLiteral("10"), QStringLiteral("2.50"), QStringLiteral("10"), QStringLiteral("3.00"));
        QVERIFY(!fixture->text("txtDutchFees").isEmpty());

        fixture->find<QPushButton>("cmdDutchClearAll")->click();

        for (const char *name : {"txtDutchItemsOffered", "txtDutchOpeningPrice", "txtDutchItemsSold",
                                 "txtDutchFinalPrice", "txtDutchFees", "txtTotalDutchAuctionSales",
                                 "txtDutchCostPerItem", "txtExtraFeaturesDutch"})
            QVERIFY2(fixture->text(name).isEmpty(), name);
        for (const QString &name : cleared)
            QVERIFY2(!fixture->find<QCheckBox>(name.toLatin1().constData())->isChecked(), qPrintable(name));
        for (const QString &name : kept)
            QVERIFY2(fixture->find<QCheckBox>(name.toLatin1().constData())->isChecked(), qPrintable(name));
        QCOMPARE(fixture->find<QComboBox>("cboExtraPicturesDutch")->currentIndex(), 3);
        QCOMPARE(fixture->find<QComboBox>("cboTypeOfMultiItemListing")->currentIndex(), 1);
        QCOMPARE(fixture->find<QCheckBox>("chkDutchGreatGift")->text(), QStringLiteral("Listing Icon"));
        QVERIFY(!fixture->find<QCheckBox>("chkDutchGalleryFeatured")->isEnabled());
    }

    void dutchLotWithNothingSoldScenario()
    {
        // Germany: four items at 3.00 (lot 12.00 -> 0.80) in bold (1.50) and highlighted (1.50);
        // none sold: the fees are those of the listing, with no fee per item.
        chooseSite(QStringLiteral("mnuOptionsSiteGermany"));
        showTab(1);
        fixture->find<QCheckBox>("chkDutchBold")->click();
        fixture->find<QCheckBox>("chkDutchHighlight")->click();
        enterLot(QStringLiteral("4"), QStringLiteral("3.00"), QStringLiteral("0"), QStringLiteral("3.50"));
        QCOMPARE(fixture->text("txtDutchItemsSold"), QStringLiteral("0"));
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale("0.00"));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale("0.00"));
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale("3.00"));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("3.80"));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), QStringLiteral("N/A"));
        QCOMPARE(fixture->find<QLabel>("lblCurrency10")->text(), QStringLiteral("EUR"));

        // All four sell after all, the lowest bid 4.00: 4 * 0.20 = 0.80 more.
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("4"));
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale("4.00"));
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale("4.00"));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale("16.00"));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("4.60"));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), inLocale("1.15"));
    }

    // ---- Payment tab ----

    void payPalFee_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("merchant");
        QTest::addColumn<bool>("creditCard");
        QTest::addColumn<bool>("international");
        QTest::addColumn<QString>("shownAmount");
        QTest::addColumn<QString>("fee");

        const QString us = QStringLiteral("mnuOptionsSiteEbay");
        const QString uk = QStringLiteral("mnuOptionsSiteUK");
        const QString ca = QStringLiteral("mnuOptionsSiteCanada");
        const QString de = QStringLiteral("mnuOptionsSiteGermany");
        // 100 * 2.9 % + 0.30.
        QTest::newRow("US standard") << us << "" << "100" << false << true << false << "100.00" << "3.20";
        QTest::newRow("US merchant") << us << "" << "100" << true << true << false << "100.00" << "2.50";
        QTest::newRow("US international") << us << "" << "100" << false << true << true << "100.00" << "4.20";
        QTest::newRow("US merchant international") << us << "" << "100" << true << true << true << "100.00" << "3.50";
        QTest::newRow("US eCheck below the cap") << us << "" << "100" << false << false << false << "100.00" << "3.20";
        // 29.30 capped to 5.00; the cross-border 1 % comes on top of the cap.
        QTest::newRow("US eCheck capped") << us << "" << "1000" << false << false << false << "1000.00" << "5.00";
        QTest::newRow("US eCheck international") << us << "" << "1000" << false << false << true << "1000.00"
                                                 << "15.00";
        // Empty rate: 0.5305; flat fee 0.15915, cap 2.6525.
        QTest::newRow("UK empty rate") << uk << "" << "100" << false << true << false << "100.00" << "3.06";
        QTest::newRow("UK empty rate eCheck capped") << uk << "" << "1000" << false << false << false << "1000.00"
                                                     << "2.65";
        QTest::newRow("UK empty rate eCheck international") << uk << "" << "1000" << false << false << true
                                                            << "1000.00" << "12.65";
        // Typed 0.8: flat fee 0.24, cap 4.00.
        QTest::newRow("Germany rate 0.8") << de << "0.8" << "100" << false << true << false << "100.00" << "3.14";
        QTest::newRow("Germany rate 0.8 merchant") << de << "0.8" << "100" << true << true << false << "100.00"
                                                   << "2.44";
        QTest::newRow("Germany rate 0.8 eCheck capped") << de << "0.8" << "1000" << false << false << false
                                                        << "1000.00" << "4.00";
        // Letters select the built-in 1.317, as an empty field does: 2.90 + 0.3951; cap 6.585.
        QTest::newRow("Canada letters") << ca << "abc" << "100" << false << true << false << "100.00" << "3.30";
        QTest::newRow("Canada empty") << ca << "" << "100" << false << true << false << "100.00" << "3.30";
        QTest::newRow("Canada letters eCheck capped") << ca << "abc" << "1000" << false << false << false
                                                      << "1000.00" << "6.59";
        // A rate of 0 is no rate: the built-in 0.5305 applies, as for an empty field.
        QTest::newRow("UK rate 0") << uk << "0" << "100" << false << true << false << "100.00" << "3.06";
        QTest::newRow("UK rate 0 eCheck") << uk << "0" << "100" << false << false << false << "100.00" << "2.65";
        QTest::newRow("UK rate 0 eCheck international") << uk << "0" << "100" << false << false << true << "100.00"
                                                        << "3.65";
        // "-" and "e" cannot be typed: "-100" types 100 (flat fee 30.00), "1e308" types 1308
        // (flat fee 392.40).
        QTest::newRow("UK typed -100") << uk << "-100" << "100" << false << true << false << "100.00" << "32.90";
        QTest::newRow("Germany typed 1e308") << de << "1e308" << "100" << false << true << false << "100.00"
                                             << "395.30";
    }

    void payPalFee()
    {
        QFETCH(QString, site);
        QFETCH(QString, rate);
        QFETCH(QString, amount);
        QFETCH(bool, merchant);
        QFETCH(bool, creditCard);
        QFETCH(bool, international);
        QFETCH(QString, shownAmount);
        QFETCH(QString, fee);

        chooseSite(site);
        showTab(2);
        if (!rate.isEmpty())
            fixture->type("txtConversion", inLocale(rate));
        fixture->find<QRadioButton>(merchant ? "optPayPalMerchant" : "optPayPalStandard")->click();
        fixture->find<QRadioButton>(creditCard ? "optPayPalCreditCard" : "optPayPalNonCreditCard")->click();
        if (international)
            fixture->find<QCheckBox>("chkInternationalPayPal")->click();
        fixture->typeAndLeave("txtPaymentAmount", inLocale(amount));
        QCOMPARE(fixture->text("txtPaymentAmount"), inLocale(shownAmount));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale(fee));
    }

    void optionsAndBuyerAbroadRecalculate()
    {
        showTab(2);
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        fixture->typeAndLeave("txtPaymentAmount", inLocale("100"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.20"));
        fixture->find<QRadioButton>("optPayPalMerchant")->click();
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("2.50"));
        fixture->find<QCheckBox>("chkInternationalPayPal")->click();
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.50"));
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("4.20"));
        fixture->find<QCheckBox>("chkInternationalPayPal")->click();
        fixture->typeAndLeave("txtPaymentAmount", inLocale("1000"));
        fixture->find<QRadioButton>("optPayPalNonCreditCard")->click();
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("5.00"));
    }

    void paymentClearAllKeepsTheRate()
    {
        chooseSite(QStringLiteral("mnuOptionsSiteUK"));
        showTab(2);
        fixture->type("txtConversion", inLocale("0.6"));
        fixture->find<QRadioButton>("optPayPalMerchant")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        fixture->find<QCheckBox>("chkInternationalPayPal")->click();
        fixture->typeAndLeave("txtPaymentAmount", inLocale("100"));
        // 2.20 + 0.30 * 0.6 + 1.00.
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.38"));

        fixture->find<QPushButton>("cmdClearPaymentFees")->click();
        QVERIFY(fixture->text("txtPaymentAmount").isEmpty());
        QVERIFY(fixture->text("txtPayPalFee").isEmpty());
        QCOMPARE(fixture->text("txtConversion"), inLocale("0.6"));
        QVERIFY(fixture->find<QRadioButton>("optPayPalMerchant")->isChecked());
        QVERIFY(fixture->find<QRadioButton>("optPayPalCreditCard")->isChecked());
        QVERIFY(fixture->find<QCheckBox>("chkInternationalPayPal")->isChecked());

        // The kept rate serves the next payment.
        fixture->typeAndLeave("txtPaymentAmount", inLocale("200"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("6.58"));  // 4.40 + 0.18 + 2.00
    }

    void zeroPaymentAmountBecomesOneCent()
    {
        showTab(2);
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        QStringList amounts;
        connect(fixture->field("txtPaymentAmount"), &QLineEdit::textChanged, this,
                [&amounts](const QString &text) { amounts.append(text); });
        fixture->typeAndLeave("txtPaymentAmount", QStringLiteral("0"));
        QVERIFY2(amounts.contains(inLocale("$0.01")), qPrintable(amounts.join(QLatin1Char('|'))));
        QVERIFY(amounts.indexOf(inLocale("$0.01")) < amounts.size() - 1);
        QCOMPARE(fixture->text("txtPaymentAmount"), inLocale("0.01"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("0.30"));  // 0.01 * 2.9 % + 0.30
    }

    void enterInPaymentAmountCalculates()
    {
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        fixture->window->SSTab1->setCurrentIndex(2);
        QLineEdit *amount = fixture->field("txtPaymentAmount");
        QCOMPARE(QApplication::focusWidget(), amount);
        QTest::keyClicks(amount, inLocale("100"));
        QVERIFY(fixture->text("txtPayPalFee").isEmpty());
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), amount);
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.20"));
        QCOMPARE(amount->text(), inLocale("100.00"));
    }

    void ukPaymentScenarioKeepsTheTypedRate()
    {
        chooseSite(QStringLiteral("mnuOptionsSiteUK"));
        showTab(2);
        // A first run stores the default rates.
        QCOMPARE(fixture->text("txtConversion"), inLocale("0.5305"));
        fixture->field("txtConversion")->clear();
        fixture->type("txtConversion", inLocale("0.6"));
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        fixture->typeAndLeave("txtPaymentAmount", inLocale("100"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.08"));  // 2.90 + 0.30 * 0.6
        QCOMPARE(fixture->find<QLabel>("lblCurrency12")->text(), QStringLiteral("GBP"));

        // On eBay.com the same payment costs the dollar fee and needs no rate.
        chooseSite(QStringLiteral("mnuOptionsSiteEbay"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.20"));
        QVERIFY(!fixture->field("txtConversion")->isVisible());
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brontolux"),
                        QStringLiteral("Calvextra"));
        QCOMPARE(store.value(QStringLiteral("PayPalUKRate")).toString(), inLocale("0.6"));

        // Canada has a rate of its own.
        chooseSite(QStringLiteral("mnuOptionsSiteCanada"));
        QCOMPARE(fixture->text("txtConversion"), inLocale("1.317"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.30"));

        chooseSite(QStringLiteral("mnuOptionsSiteUK"));
        QCOMPARE(fixture->text("txtConversion"), inLocale("0.6"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.08"));
        QCOMPARE(fixture->text("txtPaymentAmount"), inLocale("100.00"));
    }

    // ---- Change of site ----

    void siteSwitch_data()
    {
        QTest::addColumn<QStringList>("sites");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("buyerAbroad");
        QTest::addColumn<bool>("rateShown");
        QTest::addColumn<bool>("escrowShown");
        QTest::addColumn<QList<int>>("boldHeadings");
        QTest::addColumn<QString>("insertionFee");  // single item, opening bid 150
        QTest::addColumn<QString>("dutchFees");     // ten items at 2.50, all sold at 2.50
        QTest::addColumn<QString>("payPalFee");     // 100 at the standard rate, all other payments

        // Single: 150 is the fifth US tier 2.40. Lot 25.00: 1.20 + 10 * 0.13125 (1.31) = 2.51.
        QTest::newRow("eBay.com at start") << QStringList() << "$" << "Buyer outside USA" << false << false
                                           << QList<int>{0, 4} << "2.40" << "2.51" << "3.20";
        // UK: 150 is above 99.99 -> 2.00; lot 25.00 -> 0.75; PayPal 2.90 + 0.15915.
        QTest::newRow("eBay UK") << QStringList{"mnuOptionsSiteUK"} << "GBP" << "Buyer outside UK" << true << false
                                 << QList<int>{2} << "2.00" << "2.06" << "3.06";
        // Canada: 150 -> 3.30; lot 25.00 -> 0.85; PayPal 2.90 + 0.3951.
        QTest::newRow("eBay Canada") << QStringList{"mnuOptionsSiteCanada"} << "C$" << "Buyer outside Canada/USA"
                                     << true << false << QList<int>{1} << "3.30" << "2.16" << "3.30";
        // Germany: 150 -> 3.20; lot 25.00 -> 1.60, 10 * 0.125 = 1.25; PayPal 2.90 + 0.23562.
        QTest::newRow("eBay Germany") << QStringList{"mnuOptionsSiteGermany"} << "EUR" << "Buyer outside Germany"
                                      << true << true << QList<int>{3} << "3.20" << "2.85" << "3.14";
        QTest::newRow("eBay Germany back to eBay.com")
            << QStringList{"mnuOptionsSiteGermany", "mnuOptionsSiteEbay"} << "$" << "Buyer outside USA" << false
            << false << QList<int>{0, 4} << "2.40" << "2.51" << "3.20";
        QTest::newRow("eBay UK to eBay Canada")
            << QStringList{"mnuOptionsSiteUK", "mnuOptionsSiteCanada"} << "C$" << "Buyer outside Canada/USA" << true
            << false << QList<int>{1} << "3.30" << "2.16" << "3.30";
    }

    void siteSwitch()
    {
        QFETCH(QStringList, sites);
        QFETCH(QString, currency);
        QFETCH(QString, buyerAbroad);
        QFETCH(bool, rateShown);
        QFETCH(bool, escrowShown);
        QFETCH(QList<int>, boldHeadings);
        QFETCH(QString, insertionFee);
        QFETCH(QString, dutchFees);
        QFETCH(QString, payPalFee);

        // All three calculators hold an entry on eBay.com.
        showTab(0);
        fixture->typeAndLeave("txtStartingPrice", inLocale("150"));
        showTab(1);
        enterLot(QStringLiteral("10"), QStringLiteral("2.50"), QStringLiteral("10"), QStringLiteral("2.50"));
        showTab(2);
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        fixture->typeAndLeave("txtPaymentAmount", inLocale("100"));

        for (const QString &site : sites)
            chooseSite(site);

        QCOMPARE(fixture->text("txtInsertionFee"), inLocale(insertionFee));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale(dutchFees));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale(payPalFee));

        for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16}) {
            const QByteArray name = "lblCurrency" + QByteArray::number(number);
            QCOMPARE(fixture->find<QLabel>(name.constData())->text(), currency);
        }

        showTab(2);
        QCOMPARE(fixture->find<QCheckBox>("chkInternationalPayPal")->text(), buyerAbroad);
        for (const char *name : {"lblOneDollarEquals", "txtConversion", "lblCurrency14", "lblCheckRates"})
            QVERIFY2(fixture->find<QWidget>(name)->isVisible() == rateShown, name);
        QCOMPARE(fixture->find<QWidget>("lblTreuhandservice")->isVisible(), escrowShown);

        const QList<QLabel *> headings = fixture->window->findChildren<QLabel *>(QStringLiteral("lblCountry"));
        QCOMPARE(headings.size(), 5);
        for (QLabel *heading : headings) {
            const int index = heading->property("index").toInt();
            QVERIFY2(heading->font().bold() == boldHeadings.contains(index), qPrintable(heading->text()));
        }
    }

    // ---- Links ----

    void shippingLinksOpenTheirPages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("query");
        QTest::newRow("0 USPS") << 0 << "/" << "";
        QTest::newRow("1 UPS") << 1 << "/QCCWebApp/request" << "iso_language=en&iso_country=US";
        QTest::newRow("2 FedEx") << 2 << "/ratefinder/home" << "cc=US&language=en";
        QTest::newRow("3 Craters and Freighters") << 3 << "/equote_main.htm" << "";
        QTest::newRow("4 Airborne") << 4 << "/CompareRate/CompareRateInfo.asp" << "";
        QTest::newRow("5 DHL") << 5 << "/CompareRate/CompareRateInfo.asp" << "";
        QTest::newRow("6 Canada Post") << 6 << "/personal/rates/default-e.asp" << "";
        QTest::newRow("7 DHL UK") << 7 << "/transit/calc.cgi" << "";
        QTest::newRow("8 Parcelforce") << 8 << "/Parcelforce/Internet/CustServGuide/calculator.asp" << "";
        QTest::newRow("9 Royal Mail") << 9 << "/portal/rm/content1" << "catId=400023&mediaId=9300094";
        QTest::newRow("10 Deutsche Post") << 10 << "/direktmarketing/service/dm_portokalkulator/dispatch.jsp" << "";
        QTest::newRow("11 UPS Germany") << 11 << "/QCCWebApp/request" << "iso_language=de&iso_country=DE";
        QTest::newRow("12 eBay.de dispatch") << 12 << "/versandservice/" << "";
    }

    void shippingLinksOpenTheirPages()
    {
        QFETCH(int, index);
        QFETCH(QString, path);
        QFETCH(QString, query);
        OpenedLinks opened;
        showTab(3);
        LinkLabel *link = postal(index);
        QVERIFY(link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened.urls.size(), 1);
        const QUrl url = opened.urls.first();
        QVERIFY(!url.host().isEmpty());
        QCOMPARE(url.path(), path);
        QCOMPARE(url.query(), query);
    }

    void checkRatesOpensTheEnglishConverter()
    {
        OpenedLinks opened;
        chooseSite(QStringLiteral("mnuOptionsSiteUK"));
        showTab(2);
        LinkLabel *link = fixture->find<LinkLabel>("lblCheckRates");
        QVERIFY(link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened.urls.size(), 1);
        QVERIFY(!opened.urls.first().host().isEmpty());
        QCOMPARE(opened.urls.first().path(), QStringLiteral("/ucc/"));
    }

    void escrowLinkOpensTheEscrowPage()
    {
        OpenedLinks opened;
        chooseSite(QStringLiteral("mnuOptionsSiteGermany"));
        showTab(2);
        LinkLabel *link = fixture->find<LinkLabel>("lblTreuhandservice");
        QVERIFY(link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened.urls.size(), 1);
        QVERIFY(!opened.urls.first().host().isEmpty());
        QCOMPARE(opened.urls.first().path(), QStringLiteral("/ebay/spreischeck.asp"));
    }

    // ---- Hover colours ----

    void shippingLinksHoverMagentaAndTurnBlueOnTheTab()
    {
        showTab(3);
        QWidget *page = fixture->window->SSTab1->widget(3);
        for (int index = 0; index < 13; ++index)
            QCOMPARE(colourOf(postal(index)), Blue);
        for (int index : {0, 6, 12}) {
            pointerEnters(postal(index));
            QCOMPARE(colourOf(postal(index)), Magenta);
            QVERIFY(postal(index)->isShowingHoverColour());
        }
        QCOMPARE(colourOf(postal(1)), Blue);

        moveOverSurface(page);
        for (int index = 0; index < 13; ++index) {
            QCOMPARE(colourOf(postal(index)), Blue);
            QVERIFY(!postal(index)->isShowingHoverColour());
        }
    }

    void checkRatesHoverAndTheAmountFrame()
    {
        chooseSite(QStringLiteral("mnuOptionsSiteCanada"));
        showTab(2);
        LinkLabel *link = fixture->find<LinkLabel>("lblCheckRates");
        QCOMPARE(colourOf(link), Blue);
        pointerEnters(link);
        QCOMPARE(colourOf(link), Magenta);
        moveOverSurface(fixture->find<QWidget>("frmPaymentAmount"));
        QCOMPARE(colourOf(link), Blue);
    }

    void paymentLinksTurnBlueOnTheTab()
    {
        chooseSite(QStringLiteral("mnuOptionsSiteGermany"));
        showTab(2);
        LinkLabel *escrow = fixture->find<LinkLabel>("lblTreuhandservice");
        LinkLabel *rates = fixture->find<LinkLabel>("lblCheckRates");
        pointerEnters(escrow);
        pointerEnters(rates);
        QCOMPARE(colourOf(escrow), Magenta);
        QCOMPARE(colourOf(rates), Magenta);
        moveOverSurface(fixture->window->SSTab1->widget(2));
        QCOMPARE(colourOf(escrow), Blue);
        QCOMPARE(colourOf(rates), Blue);
    }

    // A pointer path as the windowing system reports it: onto the surface beside the link, onto
    // the link, about within it and a press on it, then back onto the surface.
    void linkColoursFollowTheRealPointer_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("index");       // element of lblPostal, -1 for a single link
        QTest::addColumn<QString>("surface"); // what turns it blue again; "" for the tab page

        for (int index = 0; index < 13; ++index) {
            QTest::newRow(qPrintable(QStringLiteral("lblPostal(%1)").arg(index)))
                << "mnuOptionsSiteEbay" << 3 << "lblPostal" << index << "";
        }
        QTest::newRow("lblCheckRates, tab page") << "mnuOptionsSiteUK" << 2 << "lblCheckRates" << -1 << "";
        QTest::newRow("lblCheckRates, amount frame")
            << "mnuOptionsSiteCanada" << 2 << "lblCheckRates" << -1 << "frmPaymentAmount";
        QTest::newRow("lblTreuhandservice") << "mnuOptionsSiteGermany" << 2 << "lblTreuhandservice" << -1 << "";
        QTest::newRow("lblPostal(7), strip of tabs")
            << "mnuOptionsSiteUK" << 3 << "lblPostal" << 7 << "qt_tabwidget_tabbar";
    }

    void linkColoursFollowTheRealPointer()
    {
        QFETCH(QString, site);
        QFETCH(int, tab);
        QFETCH(QString, link);
        QFETCH(int, index);
        QFETCH(QString, surface);
        chooseSite(site);
        showTab(tab);
        QVERIFY(QTest::qWaitForWindowExposed(fixture->window.get()));
        LinkLabel *label = index >= 0 ? postal(index) : fixture->find<LinkLabel>(link.toLatin1().constData());
        QWidget *around = surface.isEmpty() ? fixture->window->SSTab1->widget(tab)
                                            : fixture->find<QWidget>(surface.toLatin1().constData());
        QVERIFY(label->isVisible());
        const QPoint bare = freeSpotNearest(around, label);
        QVERIFY2(!bare.isNull(), "no bare surface around the link");
        MoveCounter movesOverLink(label);

        pointerTo(around, bare);
        QCOMPARE(colourOf(label), Blue);

        const QPoint centre = label->rect().center();
        pointerTo(label, centre);
        QVERIFY2(movesOverLink.moves > 0, "the pointer's moves do not reach the link");
        QCOMPARE(colourOf(label), Magenta);
        for (const QPoint &step : {QPoint(3, 1), QPoint(-4, 2), QPoint(1, -2)}) {
            pointerTo(label, centre + step);
            QCOMPARE(colourOf(label), Magenta);
        }

        OpenedLinks opened;
        QTest::mousePress(label, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(label, Qt::LeftButton, {}, centre);
        QCOMPARE(opened.urls.size(), 1);
        QCOMPARE(colourOf(label), Magenta);
        pointerTo(label, centre + QPoint(2, 0));
        QCOMPARE(colourOf(label), Magenta);

        pointerTo(around, bare);
        QCOMPARE(colourOf(label), Blue);
        QVERIFY(!label->isShowingHoverColour());
    }

private:
    static inline const QColor Blue{0, 0, 255};
    static inline const QColor Magenta{255, 0, 255};

    void chooseSite(const QString &menuItem)
    {
        fixture->find<QAction>(menuItem.toLatin1().constData())->trigger();
    }

    void showTab(int tab)
    {
        fixture->window->SSTab1->setCurrentIndex(tab);
        QCOMPARE(fixture->window->SSTab1->currentIndex(), tab);
    }

    // The four entries of a lot, each typed and left in the order of the tab.
    void enterLot(const QString &offered, const QString &opening, const QString &sold, const QString &lowestBid)
    {
        fixture->typeAndLeave("txtDutchItemsOffered", offered);
        fixture->typeAndLeave("txtDutchOpeningPrice", inLocale(opening));
        fixture->typeAndLeave("txtDutchItemsSold", sold);
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale(lowestBid));
    }

    LinkLabel *postal(int index) const
    {
        for (LinkLabel *link : fixture->window->findChildren<LinkLabel *>(QStringLiteral("lblPostal"))) {
            if (link->property("index").toInt() == index)
                return link;
        }
        qFatal("no lblPostal element %d", index);
    }

    static QColor colourOf(const QLabel *label) { return label->palette().color(QPalette::WindowText); }

    static void pointerEnters(QWidget *link)
    {
        const QPointF centre(link->width() / 2.0, link->height() / 2.0);
        QEnterEvent enter(centre, link->mapTo(link->window(), centre), link->mapToGlobal(centre));
        QApplication::sendEvent(link, &enter);
    }

    // The point of the surface nearest to the control that no control covers (null if none).
    static QPoint freeSpotNearest(QWidget *surface, const QWidget *control)
    {
        const QPoint target = control->mapTo(surface->window(), control->rect().center());
        QPoint best;
        qint64 bestDistance = std::numeric_limits<qint64>::max();
        for (int y = 2; y < surface->height() - 2; y += 3) {
            for (int x = 2; x < surface->width() - 2; x += 3) {
                const QPoint spot(x, y);
                if (surface->childAt(spot))
                    continue;
                const QPoint apart = surface->mapTo(surface->window(), spot) - target;
                const qint64 distance = qint64(apart.x()) * apart.x() + qint64(apart.y()) * apart.y();
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = spot;
                }
            }
        }
        return best;
    }

    // The pointer moves over a part of the surface that no control covers.
    static void moveOverSurface(QWidget *surface)
    {
        const QPoint spot(surface->width() - 4, surface->height() - 4);
        QVERIFY(surface->childAt(spot) == nullptr);
        QTest::mouseMove(surface, spot);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestMultipleAndPayment)
#include "tst_multipleandpayment.moc"
