#include "ConnectorLine.h"
#include "LanguageState.h"
#include "Languages.h"
#include "Localization.h"
#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

#include <map>

// The single-item tab of the calculator window, driven through its controls: the site menu,
// typed amounts, ticks, option buttons, lists and buttons. Every expected fee below is worked out
// by hand from the sites' fee tables, with the arithmetic in the comment or row name beside it.
class TestSingleItemTab : public QObject
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
        // A language chosen from the menu is forgotten again.
        setLanguageResources(nullptr);
        CurrentLanguage() = LanguageInfo::EnglishUnitedStates();
        LanguageSetting().clear();
        LanguageLibraries().clear();
        setLanguageLibraryFolder(QString());
    }

    // ---- Start ----

    void startsWithDependentOptionsOff()
    {
        QVERIFY(!box("chkVehicle")->isEnabled());
        QVERIFY(!box("chkGalleryFeatured")->isEnabled());
        QVERIFY(!option("optMotorcycle")->isEnabled());
        QVERIFY(!option("optOtherVehicle")->isEnabled());
        // The gallery and eBay Motors lines wait for their first click; the vehicle-type lines
        // were greyed by the option refresh of the start.
        QCOMPARE(lineState("linVerticalLineToGalFeatured"), ConnectorLine::State::Unset);
        QCOMPARE(lineState("linHorizontalLineToGalFeatured"), ConnectorLine::State::Unset);
        QCOMPARE(lineState("linVerticalLineToVehicle"), ConnectorLine::State::Unset);
        QCOMPARE(lineState("linVerticalLineToVehicleType"), ConnectorLine::State::ParentOff);
        QCOMPARE(lineState("linHorizontalLineToOtherVehicle"), ConnectorLine::State::ParentOff);
        // Nothing entered: every fee is nothing.
        expectResults("0.00", "0.00", "0.00", "0.00");
    }

    // ---- Complete listings on the four sites ----

    void typicalListing_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("opening"); // typed, "." as separator
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QStringList>("features");
        QTest::addColumn<QString>("openingShown");
        QTest::addColumn<QString>("closingShown");
        QTest::addColumn<QString>("insertion");
        QTest::addColumn<QString>("extras");
        QTest::addColumn<QString>("fvf");
        QTest::addColumn<QString>("total");

        // eBay.com: 12.50 and 20 are in the 10.00-24.99 tier (0.60); 5 in 1.00-9.99 (0.35);
        // 500 above 499.99 (4.80). Final value fee 5.25 % to 25, 2.75 % to 1000, 1.5 % above.
        QTest::newRow("eBay.com 20 / 100, Bold")
            << us << "20" << "100" << QStringList{"chkBold"} << "20.00" << "100.00"
            << "0.60" << "1.00" << "3.38" /* 1.3125 + 75 * 0.0275 = 3.375 */ << "4.98";
        QTest::newRow("eBay.com 0.99 / 0.99, no features")
            << us << "0.99" << "0.99" << QStringList{} << "0.99" << "0.99"
            << "0.30" << "0.00" << "0.05" /* 0.99 * 0.0525 = 0.051975 */ << "0.35";
        QTest::newRow("eBay.com 5 / 25, two categories: home page and scheduled once")
            << us << "5" << "25"
            << QStringList{"chkTwoCategories", "chkFeatured", "chkScheduled", "chkBold"} << "5.00" << "25.00"
            << "0.70" /* 2 * 0.35 */ << "42.05" /* 39.95 + 0.10 + 2 * 1.00 */ << "1.31" /* 1.3125 */ << "44.06";
        QTest::newRow("eBay.com 12.5 / 1000, Highlight Gift BIN Ten Day")
            << us << "12.5" << "1000"
            << QStringList{"chkHighlighted", "chkGiftIcon", "chkBIN", "chkTenDayAuction"} << "12.50" << "1000.00"
            << "0.60" << "5.50" /* 5.00 + 0.25 + 0.05 + 0.20 */ << "28.13" /* 1.3125 + 975 * 0.0275 */ << "34.23";
        QTest::newRow("eBay.com 500 / 2000, Featured Plus Designer Subtitle")
            << us << "500" << "2000"
            << QStringList{"chkFeaturedCategory", "chkListingDesigner", "chkSubTitleSingleItem"} << "500.00"
            << "2000.00" << "4.80" << "20.55" /* 19.95 + 0.10 + 0.50 */ << "43.13" /* 28.125 + 1000 * 0.015 */
            << "68.48";
        // eBay UK: above 99.99 the fee is 2.00 (the sixth tier is empty); final value fee 5.25 %
        // to 30, 3.25 % to 600, 1.75 % above.
        QTest::newRow("eBay UK 150 / 200, Highlight Bold")
            << uk << "150" << "200" << QStringList{"chkHighlighted", "chkBold"} << "150.00" << "200.00"
            << "2.00" << "2.25" /* 1.50 + 0.75 */ << "7.10" /* 1.575 + 170 * 0.0325 */ << "11.35";
        QTest::newRow("eBay UK 4.99 / 700, BIN Scheduled Subtitle")
            << uk << "4.99" << "700" << QStringList{"chkBIN", "chkScheduled", "chkSubTitleSingleItem"} << "4.99"
            << "700.00" << "0.20" << "0.68" /* 0.06 + 0.12 + 0.50 */
            << "21.85" /* 1.575 + 570 * 0.0325 + 100 * 0.0175 */ << "22.73";
        // eBay Canada: 34.99 < 40 <= 69.99 (1.65); above 699.99 6.75; final value fee 5.25 % to
        // 35, 2.75 % to 1450, 1.5 % above.
        QTest::newRow("eBay Canada 40 / 1500, Featured Plus Subtitle")
            << ca << "40" << "1500" << QStringList{"chkFeaturedCategory", "chkSubTitleSingleItem"} << "40.00"
            << "1500.00" << "1.65" << "5.75" /* 5.00 + 0.75 */
            << "41.50" /* 1.8375 + 1415 * 0.0275 + 50 * 0.015 */ << "48.90";
        QTest::newRow("eBay Canada 700 / 100 closes at the opening bid, Ten Day Highlight")
            << ca << "700" << "100" << QStringList{"chkTenDayAuction", "chkHighlighted"} << "700.00" << "700.00"
            << "6.75" << "2.30" /* 0.30 + 2.00 */ << "20.13" /* 1.8375 + 665 * 0.0275 = 20.125 */ << "29.18";
        // eBay Germany: 9.99 < 10 <= 24.99 (0.80); above 249.99 4.80; final value fee 5 % to 50,
        // 4 % to 500, 2 % above.
        QTest::newRow("eBay Germany 10 / 600, Gallery Listing Designer")
            << de << "10" << "600" << QStringList{"chkGallery", "chkListingDesigner"} << "10.00" << "600.00"
            << "0.80" << "0.85" /* 0.75 + 0.10 */ << "22.50" /* 2.50 + 450 * 0.04 + 100 * 0.02 */ << "24.15";
        QTest::newRow("eBay Germany 250 / 40 closes at the opening bid, Bold Highlight")
            << de << "250" << "40" << QStringList{"chkBold", "chkHighlighted"} << "250.00" << "250.00"
            << "4.80" << "3.00" /* 1.50 + 1.50 */ << "10.50" /* 2.50 + 200 * 0.04 */ << "18.30";
    }
    void typicalListing()
    {
        QFETCH(QString, site);
        QFETCH(QString, opening);
        QFETCH(QString, closing);
        QFETCH(QStringList, features);
        QFETCH(QString, openingShown);
        QFETCH(QString, closingShown);
        QFETCH(QString, insertion);
        QFETCH(QString, extras);
        QFETCH(QString, fvf);
        QFETCH(QString, total);

        chooseSite(site);
        enterAmounts(opening, closing);
        for (const QString &feature : features)
            QVERIFY2(tick(feature), qPrintable(feature));

        QCOMPARE(fixture->text("txtStartingPrice"), inLocale(openingShown));
        QCOMPARE(fixture->text("txtPrice"), inLocale(closingShown));
        expectResults(insertion, extras, fvf, total);
    }

    void pictureOptions_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("extraPictures");
        QTest::addColumn<int>("choice"); // index of the picture list: 0..4 one to five, 5 the pack
        QTest::addColumn<QStringList>("features");
        QTest::addColumn<QString>("extras");

        QTest::newRow("eBay.com three pictures") << us << true << 2 << QStringList{} << "0.45"; // 3 * 0.15
        QTest::newRow("eBay.com pack and gallery") << us << true << 5 << QStringList{"chkGallery"} << "1.00";
        QTest::newRow("eBay.com pack and supersize") << us << true << 5 << QStringList{"chkSupersizePhotos"} << "1.00";
        QTest::newRow("eBay.com pack and slideshow") << us << true << 5 << QStringList{"chkSlideshow"} << "1.75";
        QTest::newRow("eBay.com one picture, supersize, gallery")
            << us << true << 0 << QStringList{"chkSupersizePhotos", "chkGallery"} << "1.15"; // 0.15 + 0.75 + 0.25
        QTest::newRow("eBay.com supersize alone") << us << false << 0 << QStringList{"chkSupersizePhotos"} << "0.75";
        QTest::newRow("eBay UK three pictures") << uk << true << 2 << QStringList{} << "0.30"; // 3 * 0.10
        QTest::newRow("eBay Canada five pictures, slideshow")
            << ca << true << 4 << QStringList{"chkSlideshow"} << "2.00"; // 5 * 0.20 + 1.00
        QTest::newRow("eBay Germany pack, two categories")
            << de << true << 5 << QStringList{"chkTwoCategories"} << "2.00";
    }
    void pictureOptions()
    {
        QFETCH(QString, site);
        QFETCH(bool, extraPictures);
        QFETCH(int, choice);
        QFETCH(QStringList, features);
        QFETCH(QString, extras);

        chooseSite(site);
        QComboBox *pictures = fixture->find<QComboBox>("cboExtraPhotos");
        QVERIFY(!pictures->isEnabled());
        if (extraPictures) {
            QVERIFY(tick("chkExtraPhotos"));
            QVERIFY(pictures->isEnabled());
            pictures->setCurrentIndex(choice);
        }
        for (const QString &feature : features)
            QVERIFY2(tick(feature), qPrintable(feature));
        QCOMPARE(fixture->text("txtExtras"), inLocale(extras));
        QCOMPARE(fixture->text("txtFees"), inLocale(extras)); // nothing else is charged without amounts
    }

    // ---- No reserve, reserve, did not sell ----

    void noReserveClosesAtTheOpeningBid_data()
    {
        QTest::addColumn<bool>("openingTypedLast");
        QTest::newRow("Calculate with closing bid 5 still in the field") << false;
        QTest::newRow("opening bid 10 typed after closing bid 5") << true;
    }
    void noReserveClosesAtTheOpeningBid()
    {
        QFETCH(bool, openingTypedLast);
        if (openingTypedLast) {
            fixture->typeAndLeave("txtPrice", inLocale("5"));
            QCOMPARE(fixture->text("txtPrice"), inLocale("5.00"));
            fixture->typeAndLeave("txtStartingPrice", inLocale("10"));
        } else {
            fixture->typeAndLeave("txtStartingPrice", inLocale("10"));
            fixture->type("txtPrice", inLocale("5"));
            QCOMPARE(fixture->text("txtPrice"), inLocale("5"));
            fixture->find<QPushButton>("cmdCalculate")->click();
        }
        QCOMPARE(fixture->text("txtPrice"), inLocale("10.00"));
        // 10 is in the 10.00-24.99 tier; the final value fee is taken on 10: 10 * 0.0525 = 0.525.
        expectResults("0.60", "0.00", "0.53", "1.13");
        fixture->leave();
    }

    void reserveNotMetKeepsTheClosingBid()
    {
        chooseReserve(1);
        enterAmounts("10", "5");
        QVERIFY(!fixture->window->ItemSold());
        QCOMPARE(fixture->text("txtPrice"), inLocale("5.00"));
        // Listing fee 0.60 plus the reserve fee of a reserve below 50 (1.00); no final value fee.
        expectResults("1.60", "0.00", "", "1.60");
    }

    void unsoldReserveAuction_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("reserve");
        QTest::addColumn<bool>("twoCategories");
        QTest::addColumn<QString>("listingFee"); // insertion fee plus reserve fee

        QTest::newRow("eBay.com 49.99: 1.20 + 1.00") << us << "49.99" << false << "2.20";
        QTest::newRow("eBay.com 50: 2.40 + 2.00") << us << "50" << false << "4.40";
        QTest::newRow("eBay.com 150: 2.40 + 2.00") << us << "150" << false << "4.40";
        QTest::newRow("eBay.com 200: 3.60 + 1 % of 200") << us << "200" << false << "5.60";
        QTest::newRow("eBay.com 15000: 4.80 + 100.00 cap") << us << "15000" << false << "104.80";
        QTest::newRow("eBay.com 150 two categories: 4.80 + 4.00") << us << "150" << true << "8.80";
        QTest::newRow("eBay UK 40: 1.50 + 1.00") << uk << "40" << false << "2.50";
        QTest::newRow("eBay UK 100: 2.00 + 2 % of 100") << uk << "100" << false << "4.00";
        QTest::newRow("eBay Canada 100: 3.30 + 3.00") << ca << "100" << false << "6.30";
        QTest::newRow("eBay Canada 500: 5.15 + 1 % of 500") << ca << "500" << false << "10.15";
    }
    void unsoldReserveAuction()
    {
        QFETCH(QString, site);
        QFETCH(QString, reserve);
        QFETCH(bool, twoCategories);
        QFETCH(QString, listingFee);

        chooseSite(site);
        chooseReserve(1);
        if (twoCategories)
            QVERIFY(tick("chkTwoCategories"));
        enterAmounts(reserve, "1");
        QCOMPARE(fixture->text("txtPrice"), inLocale("1.00"));
        expectResults(listingFee, "0.00", "", listingFee);
    }

    void soldReserveAuctionPaysNoReserveFee_data()
    {
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QString>("fvf");
        QTest::addColumn<QString>("total");
        QTest::newRow("closing at the reserve 150") << "150" << "4.75" << "7.15";   // 1.3125 + 125 * 0.0275
        QTest::newRow("closing above the reserve 200") << "200" << "6.13" << "8.53"; // 1.3125 + 175 * 0.0275
    }
    void soldReserveAuctionPaysNoReserveFee()
    {
        QFETCH(QString, closing);
        QFETCH(QString, fvf);
        QFETCH(QString, total);
        chooseReserve(1);
        enterAmounts("150", closing);
        QVERIFY(fixture->window->ItemSold());
        expectResults("2.40", "0.00", fvf, total);
    }

    void didNotSellGreysTheClosingBid_data()
    {
        QTest::addColumn<int>("reserve");
        QTest::addColumn<QString>("closingShown");
        QTest::addColumn<QString>("listingFee");
        QTest::newRow("Reserve: nothing, reserve fee charged") << 1 << "0.00" << "4.40";
        QTest::newRow("No Reserve: the opening bid") << 0 << "150.00" << "2.40";
    }
    void didNotSellGreysTheClosingBid()
    {
        QFETCH(int, reserve);
        QFETCH(QString, closingShown);
        QFETCH(QString, listingFee);

        chooseReserve(reserve);
        enterAmounts("150", "300");
        QVERIFY(tick("chkDidNotSell"));

        QLineEdit *closing = fixture->field("txtPrice");
        QVERIFY(!closing->isEnabled());
        QCOMPARE(closing->text(), inLocale(closingShown));
        QCOMPARE(baseColour(closing), systemColour(closing, QPalette::Button));
        QVERIFY(!fixture->window->ItemSold());
        expectResults(listingFee, "0.00", "", listingFee);
    }

    void didNotSellUntickedRestoresTheClosingBid()
    {
        QLineEdit *closing = fixture->field("txtPrice");
        QVERIFY(systemColour(closing, QPalette::Button) != systemColour(closing, QPalette::Base));
        enterAmounts("150", "300");
        QVERIFY(tick("chkDidNotSell"));
        box("chkDidNotSell")->click();

        QVERIFY(closing->isEnabled());
        // The closing amount was set to nothing and rises to the opening bid again.
        QCOMPARE(closing->text(), inLocale("150.00"));
        expectResults("2.40", "0.00", "4.75", "7.15");
        // The closing bid gets the window-background colour back.
        QCOMPARE(baseColour(closing), systemColour(closing, QPalette::Base));
    }

    // ---- Gallery and Gallery Featured ----

    void galleryEnablesGalleryFeatured()
    {
        QCheckBox *featured = box("chkGalleryFeatured");
        QVERIFY(tick("chkGallery"));
        QVERIFY(featured->isEnabled());
        QCOMPARE(lineState("linVerticalLineToGalFeatured"), ConnectorLine::State::ParentOn);
        QCOMPARE(lineState("linHorizontalLineToGalFeatured"), ConnectorLine::State::ParentOn);
        QCOMPARE(fixture->text("txtExtras"), inLocale("0.25"));

        QVERIFY(tick("chkGalleryFeatured"));
        QCOMPARE(fixture->text("txtExtras"), inLocale("19.95")); // the plain gallery is included

        box("chkGallery")->click();
        QVERIFY(!featured->isChecked());
        QVERIFY(!featured->isEnabled());
        QCOMPARE(lineState("linVerticalLineToGalFeatured"), ConnectorLine::State::ParentOff);
        QCOMPARE(lineState("linHorizontalLineToGalFeatured"), ConnectorLine::State::ParentOff);
        QCOMPARE(fixture->text("txtExtras"), inLocale("0.00"));
        QCOMPARE(fixture->text("txtFees"), inLocale("0.00"));
    }

    void galleryFees_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("motors");
        QTest::addColumn<bool>("vehicle");
        QTest::addColumn<bool>("galleryFeatured");
        QTest::addColumn<QString>("extras");

        QTest::newRow("eBay.com gallery") << us << false << false << false << "0.25";
        QTest::newRow("eBay.com vehicle gallery") << us << true << true << false << "0.00";
        QTest::newRow("eBay UK gallery") << uk << false << false << false << "0.15";
        QTest::newRow("eBay Canada gallery") << ca << false << false << false << "0.25";
        QTest::newRow("eBay Germany gallery") << de << false << false << false << "0.75";
        QTest::newRow("eBay.com featured") << us << false << false << true << "19.95";
        QTest::newRow("eBay.com Motors featured") << us << true << false << true << "24.95";
        QTest::newRow("eBay.com Motors vehicle featured") << us << true << true << true << "99.95";
        QTest::newRow("eBay UK featured") << uk << false << false << true << "15.95";
        QTest::newRow("eBay Canada featured") << ca << false << false << true << "5.00";
        QTest::newRow("eBay Germany featured") << de << false << false << true << "12.95";
    }
    void galleryFees()
    {
        QFETCH(QString, site);
        QFETCH(bool, motors);
        QFETCH(bool, vehicle);
        QFETCH(bool, galleryFeatured);
        QFETCH(QString, extras);

        chooseSite(site);
        if (motors)
            QVERIFY(tick("chkMotors"));
        if (vehicle)
            QVERIFY(tick("chkVehicle"));
        QVERIFY(tick("chkGallery"));
        if (galleryFeatured)
            QVERIFY(tick("chkGalleryFeatured"));
        QCOMPARE(fixture->text("txtExtras"), inLocale(extras));
    }

    // ---- eBay Motors, vehicles, real estate ----

    void motorsTickedAndUnticked_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("realEstateAfterwards");
        QTest::newRow("eBay.com") << us << true;
        QTest::newRow("eBay UK") << uk << true;
        QTest::newRow("eBay Canada") << ca << true;
        QTest::newRow("eBay Germany") << de << false;
    }
    void motorsTickedAndUnticked()
    {
        QFETCH(QString, site);
        QFETCH(bool, realEstateAfterwards);

        chooseSite(site);
        QCheckBox *vehicle = box("chkVehicle");
        QCheckBox *realEstate = box("chkRealEstate");
        QVERIFY(tick("chkMotors"));
        QVERIFY(vehicle->isEnabled());
        QCOMPARE(lineState("linVerticalLineToVehicle"), ConnectorLine::State::ParentOn);
        QCOMPARE(lineState("linHorizontalLineToVehicle"), ConnectorLine::State::ParentOn);
        QCOMPARE(box("chkGiftIcon")->text(), QStringLiteral("Listing Icon"));
        QVERIFY(!realEstate->isEnabled());
        QVERIFY(!realEstate->isChecked());

        QVERIFY(tick("chkVehicle"));
        box("chkMotors")->click();
        QVERIFY(!vehicle->isChecked());
        QVERIFY(!vehicle->isEnabled());
        QCOMPARE(lineState("linVerticalLineToVehicle"), ConnectorLine::State::ParentOff);
        QCOMPARE(lineState("linHorizontalLineToVehicle"), ConnectorLine::State::ParentOff);
        QCOMPARE(box("chkGiftIcon")->text(), QStringLiteral("Gift Services"));
        QCOMPARE(realEstate->isEnabled(), realEstateAfterwards);
        // Unticking the vehicle through eBay Motors ran its own behaviour: the vehicle types are off.
        QVERIFY(!option("optOtherVehicle")->isEnabled());
        QVERIFY(!option("optOtherVehicle")->isChecked());
    }

    void vehicleOptionsBySite_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("offered");
        QTest::newRow("eBay.com") << us << true;
        QTest::newRow("eBay UK") << uk << false;
        QTest::newRow("eBay Canada") << ca << false;
        QTest::newRow("eBay Germany") << de << true;
    }
    void vehicleOptionsBySite()
    {
        QFETCH(QString, site);
        QFETCH(bool, offered);

        chooseSite(site);
        QVERIFY(tick("chkMotors"));
        QVERIFY(tick("chkVehicle"));
        QRadioButton *motorcycle = option("optMotorcycle");
        QRadioButton *other = option("optOtherVehicle");
        QCOMPARE(motorcycle->isEnabled(), offered);
        QCOMPARE(other->isEnabled(), offered);
        QVERIFY(!motorcycle->isChecked());
        QCOMPARE(other->isChecked(), offered);
        const ConnectorLine::State expected = offered ? ConnectorLine::State::ParentOn : ConnectorLine::State::ParentOff;
        QCOMPARE(lineState("linVerticalLineToVehicleType"), expected);
        QCOMPARE(lineState("linHorizontalLineToMotorcycle"), expected);
        QCOMPARE(lineState("linHorizontalLineToOtherVehicle"), expected);
    }

    void motorcycleStaysSelectedOnRefresh()
    {
        QVERIFY(tick("chkMotors"));
        QVERIFY(tick("chkVehicle"));
        option("optMotorcycle")->click();
        QVERIFY(option("optMotorcycle")->isChecked());
        // Ticking Extra Pictures refreshes the option states; a chosen vehicle type stays.
        QVERIFY(tick("chkExtraPhotos"));
        QVERIFY(option("optMotorcycle")->isChecked());
        QVERIFY(!option("optOtherVehicle")->isChecked());
        QCOMPARE(fixture->text("txtInsertionFee"), inLocale("30.00"));
    }

    void vehicleFees_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("motorcycle");
        QTest::addColumn<QString>("price"); // opening and closing bid
        QTest::addColumn<QString>("insertion");
        QTest::addColumn<QString>("fvf");
        QTest::addColumn<QString>("total");

        QTest::newRow("eBay.com other vehicle 8000") << us << false << "8000" << "40.00" << "40.00" << "80.00";
        QTest::newRow("eBay.com other vehicle 50") << us << false << "50" << "40.00" << "40.00" << "80.00";
        QTest::newRow("eBay.com motorcycle 8000") << us << true << "8000" << "30.00" << "25.00" << "55.00";
        QTest::newRow("eBay UK 2000") << uk << false << "2000" << "6.00" << "15.00" << "21.00";
        QTest::newRow("eBay UK 5000: 0.5 %") << uk << false << "5000" << "6.00" << "25.00" << "31.00";
        QTest::newRow("eBay UK 7000") << uk << false << "7000" << "6.00" << "30.00" << "36.00";
        QTest::newRow("eBay Canada 8000") << ca << false << "8000" << "35.00" << "35.00" << "70.00";
        QTest::newRow("eBay Germany motorcycle 8000") << de << true << "8000" << "10.00" << "15.00" << "25.00";
        QTest::newRow("eBay Germany other 2000: 50 + 0.5 %") << de << false << "2000" << "10.00" << "60.00" << "70.00";
        QTest::newRow("eBay Germany other 12000") << de << false << "12000" << "10.00" << "100.00" << "110.00";
    }
    void vehicleFees()
    {
        QFETCH(QString, site);
        QFETCH(bool, motorcycle);
        QFETCH(QString, price);
        QFETCH(QString, insertion);
        QFETCH(QString, fvf);
        QFETCH(QString, total);

        chooseSite(site);
        QVERIFY(tick("chkMotors"));
        QVERIFY(tick("chkVehicle"));
        if (motorcycle)
            option("optMotorcycle")->click();
        enterAmounts(price, price);
        expectResults(insertion, "0.00", fvf, total);
    }

    void realEstateOptions_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("offered");
        QTest::newRow("eBay.com") << us << true;
        QTest::newRow("eBay Canada") << ca << true;
        QTest::newRow("eBay UK") << uk << false;
    }
    void realEstateOptions()
    {
        QFETCH(QString, site);
        QFETCH(bool, offered);

        chooseSite(site);
        QComboBox *types = fixture->find<QComboBox>("cboRealEstateType");
        QVERIFY(types->isHidden());
        QVERIFY(tick("chkRealEstate"));
        QCOMPARE(box("chkMotors")->isEnabled(), !offered);
        QVERIFY(!box("chkVehicle")->isEnabled());
        QCOMPARE(option("optOtherRealEstate")->isEnabled(), offered);
        QCOMPARE(option("optTimeshare")->isEnabled(), offered);
        QCOMPARE(option("optOtherRealEstate")->isChecked(), offered);
        QCOMPARE(types->isVisible(), offered);

        box("chkRealEstate")->click();
        QVERIFY(box("chkMotors")->isEnabled());
        QVERIFY(!option("optOtherRealEstate")->isEnabled());
        QVERIFY(!option("optTimeshare")->isEnabled());
        QVERIFY(types->isHidden());
    }

    void realEstateUnavailableOnGermany()
    {
        chooseSite(de);
        QVERIFY(!box("chkRealEstate")->isEnabled());
        box("chkRealEstate")->click();
        QVERIFY(!box("chkRealEstate")->isChecked());
    }

    void realEstateKeepsTimeshare()
    {
        QVERIFY(tick("chkRealEstate"));
        option("optTimeshare")->click();
        box("chkRealEstate")->click();
        QVERIFY(tick("chkRealEstate"));
        QVERIFY(option("optTimeshare")->isChecked());
        QVERIFY(!option("optOtherRealEstate")->isChecked());
        QCOMPARE(fixture->text("txtInsertionFee"), inLocale("35.00")); // timeshare, 3-10 day auction
    }

    void realEstateUntickingMotorsRunsItsBehaviour()
    {
        QVERIFY(tick("chkMotors"));
        QVERIFY(tick("chkVehicle"));
        QVERIFY(tick("chkGiftIcon"));
        QCOMPARE(fixture->text("txtExtras"), inLocale("2.00")); // listing icon of a vehicle
        QCOMPARE(box("chkGiftIcon")->text(), QStringLiteral("Listing Icon"));

        // Real estate chosen while eBay Motors is on (as a restore of saved choices does).
        box("chkRealEstate")->setChecked(true);

        QVERIFY(!box("chkMotors")->isChecked());
        QVERIFY(!box("chkVehicle")->isChecked());
        QVERIFY(!box("chkMotors")->isEnabled());
        QVERIFY(!box("chkVehicle")->isEnabled());
        QCOMPARE(box("chkGiftIcon")->text(), QStringLiteral("Gift Services"));
        QCOMPARE(lineState("linVerticalLineToVehicle"), ConnectorLine::State::ParentOff);
        QCOMPARE(lineState("linVerticalLineToVehicleType"), ConnectorLine::State::ParentOff);
        QVERIFY(!option("optOtherVehicle")->isChecked());
        QVERIFY(box("chkRealEstate")->isChecked());
        QVERIFY(option("optOtherRealEstate")->isChecked());
        // Other real estate, 3-10 day auction: 100.00; the gift icon is no longer a vehicle's.
        expectResults("100.00", "0.25", "0.00", "100.25");
    }

    // ---- Listing type ----

    void fixedPriceHidesReserveList()
    {
        QComboBox *reserve = fixture->find<QComboBox>("cboIsReserve");
        QLabel *caption = fixture->find<QLabel>("lblStartingPrice");
        chooseReserve(1);
        QCOMPARE(plain(caption->text()), QStringLiteral("Reserve Price:"));

        fixture->find<QComboBox>("cboSingleItemType")->setCurrentIndex(1);
        QVERIFY(reserve->isHidden());
        QCOMPARE(caption->text(), QStringLiteral("Buy-it-Now Price:"));

        fixture->find<QComboBox>("cboSingleItemType")->setCurrentIndex(0);
        QVERIFY(reserve->isVisible());
        QCOMPARE(plain(caption->text()), QStringLiteral("Reserve Price:"));
        chooseReserve(0);
        QCOMPARE(plain(caption->text()), QStringLiteral("Opening Bid:"));
    }

    // eBay Germany has no reserve: whatever path leads there, the list is hidden on "No Reserve".
    void germanyNeverOffersTheReserveList_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("fresh start on eBay Germany") << QStringList{"restart Site=4"};
        QTest::newRow("eBay.com with Reserve, then eBay Germany") << QStringList{"site us", "reserve down", "site de"};
        QTest::newRow("Fixed Price, then Auction") << QStringList{"site de", "type down", "type up"};
        QTest::newRow("Reserve, Fixed Price, eBay Germany, Auction")
            << QStringList{"reserve down", "type down", "site de", "type up"};
        QTest::newRow("language switch") << QStringList{"site de", "language English"};
        QTest::newRow("Reserve, then language switch on eBay Germany")
            << QStringList{"reserve down", "site de", "language English"};
        QTest::newRow("stored Reserve on eBay Germany") << QStringList{"restart Site=4 RegularReserve=1"};
        QTest::newRow("stored Reserve and Fixed Price on eBay Germany, then Auction")
            << QStringList{"restart Site=4 RegularReserve=1 RegularType=1", "type up"};
        QTest::newRow("stored Reserve on eBay Germany, then language switch")
            << QStringList{"restart Site=4 RegularReserve=1", "language English"};
        QTest::newRow("Clear All with a vehicle") << QStringList{"site de", "tick chkMotors", "tick chkVehicle",
                                                                 "type down", "type up", "clear all"};
        QTest::newRow("Clear All after a language switch")
            << QStringList{"site de", "language English", "type down", "type up", "clear all"};
    }

    void germanyNeverOffersTheReserveList()
    {
        QFETCH(QStringList, steps);
        for (const QString &step : steps) {
            runStep(step);
            if (QTest::currentTestFailed())
                return;
        }

        QCOMPARE(fixture->window->Site().Site(), 4);
        QComboBox *reserve = fixture->find<QComboBox>("cboIsReserve");
        QVERIFY(reserve->isHidden());
        QCOMPARE(reserve->currentIndex(), 0);
        QCOMPARE(plain(fixture->find<QLabel>("lblStartingPrice")->text()), QStringLiteral("Opening Bid:"));
        // A closing bid below the opening bid is raised to it, and the item sold: 250.00 is the 4.80
        // tier, 50 * 5 % + 200 * 4 % = 10.50 final value fee.
        enterAmounts("250", "100");
        QCOMPARE(fixture->text("txtPrice"), inLocale("250.00"));
        expectResults("4.80", "0.00", "10.50", "15.30");
    }

    void reserveListComesBackAfterGermany_data()
    {
        QTest::addColumn<QString>("site");
        QTest::newRow("eBay.com") << us;
        QTest::newRow("eBay UK") << uk;
        QTest::newRow("eBay Canada") << ca;
    }

    void reserveListComesBackAfterGermany()
    {
        QFETCH(QString, site);
        runStep(QStringLiteral("restart Site=4 RegularReserve=1"));
        QVERIFY(fixture->find<QComboBox>("cboIsReserve")->isHidden());
        chooseSite(site);
        QComboBox *reserve = fixture->find<QComboBox>("cboIsReserve");
        QVERIFY(reserve->isVisible());
        QCOMPARE(reserve->currentIndex(), 0);
        runStep(QStringLiteral("reserve down"));
        QCOMPARE(reserve->currentIndex(), 1);
        QCOMPARE(plain(fixture->find<QLabel>("lblStartingPrice")->text()), QStringLiteral("Reserve Price:"));
        // A reserve not met: no final value fee.
        enterAmounts("250", "100");
        QCOMPARE(fixture->text("txtFVF"), QString());
        QCOMPARE(fixture->text("txtPrice"), inLocale("100.00"));
    }

    void reserveFeeFollowsHiddenReserveList_data()
    {
        QTest::addColumn<bool>("didNotSell");
        QTest::newRow("closing bid below the reserve") << false;
        QTest::newRow("item did not sell") << true;
    }
    void reserveFeeFollowsHiddenReserveList()
    {
        QFETCH(bool, didNotSell);
        chooseReserve(1);
        fixture->find<QComboBox>("cboSingleItemType")->setCurrentIndex(1);
        QVERIFY(fixture->find<QComboBox>("cboIsReserve")->isHidden());
        enterAmounts("150", "100");
        if (didNotSell)
            QVERIFY(tick("chkDidNotSell"));
        expectResults("4.40", "0.00", "", "4.40"); // 2.40 + reserve fee 2.00
    }

    void germanyRefreshUnticksListingDesigner()
    {
        QVERIFY(tick("chkListingDesigner"));
        chooseReserve(1);
        QCOMPARE(fixture->text("txtExtras"), inLocale("0.10"));

        chooseSite(de);
        QCheckBox *designer = box("chkListingDesigner");
        QComboBox *reserve = fixture->find<QComboBox>("cboIsReserve");
        QVERIFY(!designer->isChecked());
        QVERIFY(designer->isEnabled());
        QVERIFY(reserve->isHidden());
        QCOMPARE(reserve->currentIndex(), 0);
        QVERIFY(!box("chkGiftIcon")->isEnabled());
        QCOMPARE(fixture->text("txtExtras"), inLocale("0.00"));

        QVERIFY(tick("chkListingDesigner"));
        QCOMPARE(fixture->text("txtExtras"), inLocale("0.10"));
        // Extra Pictures refreshes the option states again: Listing Designer is cleared once more.
        QVERIFY(tick("chkExtraPhotos"));
        QVERIFY(!designer->isChecked());
        QVERIFY(designer->isEnabled());
        QVERIFY(reserve->isHidden());
        QCOMPARE(fixture->text("txtExtras"), inLocale("0.15")); // one extra picture
    }

    // ---- Clear All ----

    void clearAllKeepsListsSubtitleAndDesigner()
    {
        chooseReserve(1);
        fixture->find<QComboBox>("cboSingleItemType")->setCurrentIndex(1);
        QVERIFY(tick("chkSubTitleSingleItem"));
        QVERIFY(tick("chkListingDesigner"));
        const QStringList cleared{"chkFeaturedCategory", "chkFeatured", "chkGallery", "chkGalleryFeatured",
                                  "chkHighlighted", "chkGiftIcon", "chkBold", "chkTwoCategories",
                                  "chkTenDayAuction", "chkExtraPhotos", "chkSupersizePhotos", "chkSlideshow",
                                  "chkScheduled", "chkBIN", "chkMotors", "chkVehicle", "chkDidNotSell"};
        enterAmounts("20", "30");
        for (const QString &name : cleared)
            QVERIFY2(tick(name), qPrintable(name));
        fixture->find<QComboBox>("cboExtraPhotos")->setCurrentIndex(3);

        fixture->find<QPushButton>("cmdClearAll")->click();

        for (const QString &name : cleared)
            QVERIFY2(!box(name)->isChecked(), qPrintable(name));
        QVERIFY(box("chkSubTitleSingleItem")->isChecked());
        QVERIFY(box("chkListingDesigner")->isChecked());
        QCOMPARE(fixture->find<QComboBox>("cboSingleItemType")->currentIndex(), 1);
        QCOMPARE(fixture->find<QComboBox>("cboIsReserve")->currentIndex(), 1);
        QCOMPARE(fixture->find<QComboBox>("cboExtraPhotos")->currentIndex(), 3);
        QCOMPARE(fixture->text("txtStartingPrice"), QString());
        QVERIFY(fixture->field("txtPrice")->isEnabled());
        QVERIFY(!box("chkGalleryFeatured")->isEnabled());
        QVERIFY(!box("chkVehicle")->isEnabled());
        QCOMPARE(box("chkGiftIcon")->text(), QStringLiteral("Gift Services"));
    }

    void clearAllKeepsRealEstateChoices()
    {
        QVERIFY(tick("chkRealEstate"));
        option("optTimeshare")->click();
        fixture->find<QComboBox>("cboRealEstateType")->setCurrentIndex(2);
        fixture->find<QPushButton>("cmdClearAll")->click();
        QVERIFY(!box("chkRealEstate")->isChecked());
        QVERIFY(option("optTimeshare")->isChecked());
        QCOMPARE(fixture->find<QComboBox>("cboRealEstateType")->currentIndex(), 2);
        QVERIFY(fixture->find<QComboBox>("cboRealEstateType")->isHidden());
        QVERIFY(box("chkMotors")->isEnabled());
    }

    void clearAllRecalculatesPerUntickedBox_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QString>("insertion");
        QTest::addColumn<QString>("extras");
        QTest::addColumn<QString>("fvf");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("closing");

        // Boxes unticked before the result fields are emptied leave them empty.
        QTest::newRow("Bold") << QStringList{"chkBold"} << "" << "" << "" << "" << "";
        QTest::newRow("Subtitle kept, Gallery unticked")
            << QStringList{"chkSubTitleSingleItem", "chkGallery"} << "" << "" << "" << "" << "";
        // A box unticked after them recalculates from the emptied amounts.
        QTest::newRow("Buy it Now") << QStringList{"chkBIN"} << "0.00" << "0.00" << "0.00" << "0.00" << "0.00";
        QTest::newRow("Bold and Scheduled")
            << QStringList{"chkBold", "chkScheduled"} << "0.00" << "0.00" << "0.00" << "0.00" << "0.00";
        QTest::newRow("Subtitle and Designer kept, Slideshow unticked")
            << QStringList{"chkSubTitleSingleItem", "chkListingDesigner", "chkSlideshow"}
            << "0.00" << "0.60" /* 0.50 + 0.10 */ << "0.00" << "0.60" << "0.00";
    }
    void clearAllRecalculatesPerUntickedBox()
    {
        QFETCH(QStringList, ticked);
        QFETCH(QString, insertion);
        QFETCH(QString, extras);
        QFETCH(QString, fvf);
        QFETCH(QString, total);
        QFETCH(QString, closing);

        enterAmounts("150", "200");
        for (const QString &name : ticked)
            QVERIFY2(tick(name), qPrintable(name));
        fixture->find<QPushButton>("cmdClearAll")->click();

        QCOMPARE(fixture->text("txtStartingPrice"), QString());
        QCOMPARE(fixture->text("txtPrice"), inLocale(closing));
        expectResults(insertion, extras, fvf, total);
    }

    // ---- Whole listings ----

    void scenarioReserveAuctionThatDidNotSell()
    {
        chooseReserve(1);
        QCOMPARE(plain(fixture->find<QLabel>("lblStartingPrice")->text()), QStringLiteral("Reserve Price:"));
        enterAmounts("150", "120");
        QCOMPARE(fixture->text("txtStartingPrice"), inLocale("150.00"));
        QCOMPARE(fixture->text("txtPrice"), inLocale("120.00"));
        // 150 is in the 50.00-199.99 tier (2.40); the reserve of 150 costs 2.00.
        expectResults("4.40", "0.00", "", "4.40");

        QVERIFY(tick("chkDidNotSell"));
        QCOMPARE(fixture->text("txtPrice"), inLocale("0.00"));
        QVERIFY(!fixture->field("txtPrice")->isEnabled());
        expectResults("4.40", "0.00", "", "4.40");

        QVERIFY(tick("chkBold"));
        expectResults("4.40", "1.00", "", "5.40");

        // Sold after all, above the reserve: no reserve fee, a final value fee instead.
        box("chkDidNotSell")->click();
        expectResults("4.40", "1.00", "", "5.40"); // the closing bid of 0.00 is still below the reserve
        fixture->typeAndLeave("txtPrice", inLocale("200"));
        expectResults("2.40", "1.00", "6.13", "9.53");
    }

    void scenarioVehicleOnEbayMotors()
    {
        QVERIFY(tick("chkMotors"));
        QVERIFY(tick("chkVehicle"));
        QVERIFY(option("optOtherVehicle")->isChecked());
        enterAmounts("5000", "8000");
        expectResults("40.00", "0.00", "40.00", "80.00");

        QVERIFY(tick("chkBold"));
        QVERIFY(tick("chkGallery"));
        QVERIFY(tick("chkGalleryFeatured"));
        QVERIFY(tick("chkGiftIcon"));
        // Bold 4.00, Gallery Featured on eBay Motors 99.95, listing icon 2.00, all for a vehicle.
        expectResults("40.00", "105.95", "40.00", "185.95");

        option("optMotorcycle")->click();
        expectResults("30.00", "105.95", "25.00", "160.95");

        option("optOtherVehicle")->click();
        fixture->typeAndLeave("txtPrice", inLocale("100000"));
        expectResults("40.00", "105.95", "40.00", "185.95"); // the same fee at any price

        // No longer a vehicle: ordinary fees on eBay Motors. 5000 is above 499.99 (4.80);
        // 100000: 28.125 + 99000 * 0.015 = 1513.125; Bold 1.00, Motors featured 24.95, icon 0.25.
        box("chkVehicle")->click();
        QVERIFY(!option("optOtherVehicle")->isEnabled());
        expectResults("4.80", "26.20", "1513.13", "1544.13");
    }

    void scenarioVehicleReserveNotMet()
    {
        QVERIFY(tick("chkMotors"));
        QVERIFY(tick("chkVehicle"));
        chooseReserve(1);
        enterAmounts("5000", "4000");
        expectResults("42.00", "0.00", "", "42.00"); // 40.00 + vehicle reserve fee 2.00
    }

    void scenarioRealEstate_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("type0");     // other real estate, 3-10 day auction
        QTest::addColumn<QString>("ad30");      // other real estate, 30-day ad
        QTest::addColumn<QString>("ad30Two");   // the same in two categories
        QTest::addColumn<QString>("timeshare"); // timeshare, 3-10 day auction, two categories
        QTest::newRow("eBay.com") << us << "100.00" << "150.00" << "300.00" << "70.00";
        QTest::newRow("eBay Canada") << ca << "70.00" << "75.00" << "150.00" << "140.00";
    }
    void scenarioRealEstate()
    {
        QFETCH(QString, site);
        QFETCH(QString, type0);
        QFETCH(QString, ad30);
        QFETCH(QString, ad30Two);
        QFETCH(QString, timeshare);

        chooseSite(site);
        enterAmounts("90000", "120000");
        QVERIFY(tick("chkRealEstate"));
        expectResults(type0, "0.00", "0.00", type0); // real estate pays no final value fee

        QComboBox *types = fixture->find<QComboBox>("cboRealEstateType");
        QCOMPARE(types->itemText(2), QStringLiteral("30-day ad"));
        types->setCurrentIndex(2);
        expectResults(ad30, "0.00", "0.00", ad30);

        QVERIFY(tick("chkTwoCategories"));
        expectResults(ad30Two, "0.00", "0.00", ad30Two);

        option("optTimeshare")->click();
        types->setCurrentIndex(0);
        expectResults(timeshare, "0.00", "0.00", timeshare);
    }

private:
    const QString us = QStringLiteral("mnuOptionsSiteEbay");
    const QString uk = QStringLiteral("mnuOptionsSiteUK");
    const QString ca = QStringLiteral("mnuOptionsSiteCanada");
    const QString de = QStringLiteral("mnuOptionsSiteGermany");

    QCheckBox *box(const QString &name) const { return fixture->find<QCheckBox>(qPrintable(name)); }
    QRadioButton *option(const char *name) const { return fixture->find<QRadioButton>(name); }
    ConnectorLine::State lineState(const char *name) const { return fixture->find<ConnectorLine>(name)->state(); }

    void chooseSite(const QString &action) const { fixture->find<QAction>(qPrintable(action))->trigger(); }
    void chooseReserve(int index) const { fixture->find<QComboBox>("cboIsReserve")->setCurrentIndex(index); }

    // One step of a path through the window, as the user takes it:
    //   "site us|uk|ca|de"              the site menu
    //   "reserve down", "type down|up"  the arrow keys on the focused list
    //   "language English"              the Languages menu
    //   "tick <box>", "clear all"       a click on the box or on Clear All
    //   "restart <name>=<value> ..."    a new window on a store holding just these settings
    void runStep(const QString &step)
    {
        const QStringList words = step.split(QLatin1Char(' '));
        const QString &verb = words.front();
        if (verb == QLatin1String("site")) {
            const std::map<QString, QString> sites{{"us", us}, {"uk", uk}, {"ca", ca}, {"de", de}};
            chooseSite(sites.at(words.at(1)));
        } else if (verb == QLatin1String("reserve") || verb == QLatin1String("type")) {
            auto *list = fixture->find<QComboBox>(verb == QLatin1String("reserve") ? "cboIsReserve" : "cboSingleItemType");
            QVERIFY2(list->isVisible(), qPrintable(step));
            list->setFocus(Qt::TabFocusReason);
            const int before = list->currentIndex();
            QTest::keyClick(list, words.at(1) == QLatin1String("down") ? Qt::Key_Down : Qt::Key_Up);
            QVERIFY2(list->currentIndex() != before, qPrintable(step));
        } else if (verb == QLatin1String("language")) {
            // No language library: the menu offers the program's own English.
            setLanguageLibraryFolder(languageFolder.path());
            QAction *english = nullptr;
            for (QAction *item : fixture->window->findChildren<QAction *>(QStringLiteral("mnuLang"))) {
                if (item->isVisible() && item->text() == words.at(1))
                    english = item;
            }
            QVERIFY2(english, qPrintable(step));
            english->trigger();
        } else if (verb == QLatin1String("tick")) {
            QVERIFY2(tick(words.at(1)), qPrintable(step));
        } else if (verb == QLatin1String("clear")) {
            QTest::mouseClick(fixture->find<QPushButton>("cmdClearAll"), Qt::LeftButton);
        } else if (verb == QLatin1String("restart")) {
            fixture->window.reset();
            WindowFixture::useFreshSettings();
            {
                QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brontolux"),
                                QStringLiteral("Calvextra"));
                for (const QString &setting : words.mid(1))
                    store.setValue(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
            }
            fixture->window = std::make_unique<frmeBayFees>();
            fixture->window->show();
            QApplication::setActiveWindow(fixture->window.get());
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

    // Ticks a box as the user would; false when the box cannot be ticked.
    bool tick(const QString &name) const
    {
        QCheckBox *target = box(name);
        if (!target->isEnabled() || target->isChecked())
            return false;
        target->click();
        return target->isChecked();
    }

    void enterAmounts(const QString &opening, const QString &closing) const
    {
        fixture->typeAndLeave("txtStartingPrice", inLocale(opening));
        fixture->typeAndLeave("txtPrice", inLocale(closing));
    }

    // The four results; expected amounts are written with "." and "" stands for an empty field.
    void expectResults(const QString &insertion, const QString &extras, const QString &fvf, const QString &total) const
    {
        QCOMPARE(fixture->text("txtInsertionFee"), inLocale(insertion));
        QCOMPARE(fixture->text("txtExtras"), inLocale(extras));
        QCOMPARE(fixture->text("txtFVF"), inLocale(fvf));
        QCOMPARE(fixture->text("txtFees"), inLocale(total));
    }

    static QString plain(QString caption) { return caption.remove(QLatin1Char('&')); }
    static QColor baseColour(const QWidget *field) { return field->palette().color(QPalette::Active, QPalette::Base); }
    static QColor systemColour(const QWidget *field, QPalette::ColorRole role)
    {
        return QApplication::palette(field).color(QPalette::Active, role);
    }

    std::unique_ptr<WindowFixture> fixture;
    QTemporaryDir languageFolder;
};

QTEST_MAIN(TestSingleItemTab)
#include "tst_singleitemtab.moc"
