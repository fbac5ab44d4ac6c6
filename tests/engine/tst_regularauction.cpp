#include "CAuctionSite.h"
#include "CRegularAuction.h"
#include "ListingFees.h"
#include "ListingOptions.h"
#include "TestLocales.h"

#include <QTest>

#include <initializer_list>

Q_DECLARE_METATYPE(ListingOptions)

namespace {

// The picture pack of the extra-pictures list.
constexpr qint32 Pack = CAuctionSite::PicturePackChoice;

constexpr qint32 US = CAuctionSite::UnitedStates;
constexpr qint32 UK = CAuctionSite::UnitedKingdom;
constexpr qint32 CA = CAuctionSite::Canada;
constexpr qint32 DE = CAuctionSite::Germany;

const char *siteName(qint32 site)
{
    switch (site) {
    case US: return "US";
    case UK: return "UK";
    case CA: return "CA";
    case DE: return "DE";
    default: return "?";
    }
}

struct PriceCase
{
    const char *price;
    const char *expected;
};

// A feature (or set of features) alone, its fee in one category and in two.
struct FeatureCase
{
    const char *name;
    ListingOptions options;
    const char *oneCategory;
    const char *twoCategories;
};

// The yes/no fields of a listing's features, to name the chosen ones in a table row.
enum class F {
    TwoCategories, FeaturedPlus, HomePageFeatured, Gallery, GalleryFeatured, Bold, Highlight, GiftIcon, BuyItNow,
    TenDayAuction, ExtraPictures, Supersize, Slideshow, Scheduled, ListingDesigner, Subtitle, Motors, Vehicle
};

ListingOptions with(std::initializer_list<F> chosen, qint32 pictureChoice = 0)
{
    ListingOptions o;
    o.ExtraPicturesChoice = pictureChoice;
    for (F f : chosen) {
        switch (f) {
        case F::TwoCategories: o.TwoCategories = true; break;
        case F::FeaturedPlus: o.FeaturedPlus = true; break;
        case F::HomePageFeatured: o.HomePageFeatured = true; break;
        case F::Gallery: o.Gallery = true; break;
        case F::GalleryFeatured: o.GalleryFeatured = true; break;
        case F::Bold: o.Bold = true; break;
        case F::Highlight: o.Highlight = true; break;
        case F::GiftIcon: o.GiftIcon = true; break;
        case F::BuyItNow: o.BuyItNow = true; break;
        case F::TenDayAuction: o.TenDayAuction = true; break;
        case F::ExtraPictures: o.ExtraPictures = true; break;
        case F::Supersize: o.Supersize = true; break;
        case F::Slideshow: o.Slideshow = true; break;
        case F::Scheduled: o.Scheduled = true; break;
        case F::ListingDesigner: o.ListingDesigner = true; break;
        case F::Subtitle: o.Subtitle = true; break;
        case F::Motors: o.Motors = true; break;
        case F::Vehicle: o.Vehicle = true; break;
        }
    }
    return o;
}

ListingOptions pictures(qint32 choice)
{
    return with({F::ExtraPictures}, choice);
}

} // namespace

class TestRegularAuction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }

    void insertionFeeTiers_data();
    void insertionFeeTiers();
    void specialInsertionFees_data();
    void specialInsertionFees();
    void finalValueFeeTiers_data();
    void finalValueFeeTiers();
    void specialFinalValueFees_data();
    void specialFinalValueFees();
    void reserveFee_data();
    void reserveFee();
    void extraFeatures_data();
    void extraFeatures();
    void tabFees_data();
    void tabFees();
    void siteCodeOutsideSchedule_data();
    void siteCodeOutsideSchedule();
    void noScheduleHandedOver();
    void changeOfSiteAppliesToNextComputation();
};

void TestRegularAuction::insertionFeeTiers_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("twoCategories");
    QTest::addColumn<QString>("expected");

    const auto add = [](qint32 site, std::initializer_list<PriceCase> cases, bool two = false) {
        for (const PriceCase &c : cases)
            QTest::addRow("%s %s%s", siteName(site), c.price, two ? " two categories" : "")
                << site << QString::fromLatin1(c.price) << two << QString::fromLatin1(c.expected);
    };

    // A price in the gap between one upper bound and the next lower bound is in no tier; above
    // the sixth upper bound every price is in the open seventh tier.
    add(US, {{"", "0.00"},          {"0", "0.00"},         {"0.005", "0.00"},     {"0.01", "0.30"},
             {"0.99", "0.30"},      {"0.995", "0.00"},     {"1.00", "0.35"},      {"9.99", "0.35"},
             {"9.995", "0.00"},     {"10.00", "0.60"},     {"24.99", "0.60"},     {"24.995", "0.00"},
             {"25.00", "1.20"},     {"49.99", "1.20"},     {"49.995", "0.00"},    {"50.00", "2.40"},
             {"199.99", "2.40"},    {"199.995", "0.00"},   {"200.00", "3.60"},    {"499.99", "3.60"},
             {"499.995", "4.80"},   {"500.00", "4.80"},    {"100000", "4.80"}});
    // UK: the fifth and sixth bounds are both 99.99, so the sixth tier is empty.
    add(UK, {{"0", "0.00"},         {"0.01", "0.15"},      {"0.99", "0.15"},      {"0.995", "0.00"},
             {"1.00", "0.20"},      {"4.99", "0.20"},      {"4.995", "0.00"},     {"5.00", "0.35"},
             {"14.99", "0.35"},     {"14.995", "0.00"},    {"15.00", "0.75"},     {"29.99", "0.75"},
             {"29.995", "0.00"},    {"30.00", "1.50"},     {"99.99", "1.50"},     {"99.995", "2.00"},
             {"100.00", "2.00"},    {"150.00", "2.00"},    {"5000", "2.00"}});
    add(CA, {{"0", "0.00"},         {"0.01", "0.35"},      {"0.99", "0.35"},      {"0.995", "0.00"},
             {"1.00", "0.45"},      {"14.99", "0.45"},     {"14.995", "0.00"},    {"15.00", "0.85"},
             {"34.99", "0.85"},     {"34.995", "0.00"},    {"35.00", "1.65"},     {"69.99", "1.65"},
             {"69.995", "0.00"},    {"70.00", "3.30"},     {"299.99", "3.30"},    {"299.995", "0.00"},
             {"300.00", "5.15"},    {"699.99", "5.15"},    {"699.995", "6.75"},   {"700.00", "6.75"},
             {"20000", "6.75"}});
    // Germany: first tier up to 1.99; the sixth tier is empty (both bounds 249.99).
    add(DE, {{"0", "0.00"},         {"0.01", "0.25"},      {"0.99", "0.25"},      {"1.00", "0.25"},
             {"1.99", "0.25"},      {"1.995", "0.00"},     {"2.00", "0.45"},      {"9.99", "0.45"},
             {"9.995", "0.00"},     {"10.00", "0.80"},     {"24.99", "0.80"},     {"25.00", "1.60"},
             {"99.99", "1.60"},     {"99.995", "0.00"},    {"100.00", "3.20"},    {"150.00", "3.20"},
             {"249.99", "3.20"},    {"249.995", "4.80"},   {"250.00", "4.80"},    {"1000", "4.80"}});

    add(US, {{"0.99", "0.60"}, {"1.00", "0.70"}, {"24.99", "1.20"}, {"500.00", "9.60"}, {"0.995", "0.00"}}, true);
    add(UK, {{"100.00", "4.00"}, {"150.00", "4.00"}, {"99.99", "3.00"}}, true);
    add(CA, {{"300.00", "10.30"}, {"700.00", "13.50"}}, true);
    add(DE, {{"249.99", "6.40"}, {"250.00", "9.60"}, {"0", "0.00"}}, true);
}

void TestRegularAuction::insertionFeeTiers()
{
    QFETCH(qint32, site);
    QFETCH(QString, price);
    QFETCH(bool, twoCategories);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CRegularAuction auction;
    auction.setSite(&schedule);
    QCOMPARE(auction.InsertionFee(inLocale(price), twoCategories, false, false, false, false, 0), inLocale(expected));
}

void TestRegularAuction::specialInsertionFees_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("twoCategories");
    QTest::addColumn<bool>("realEstate");
    QTest::addColumn<bool>("vehicle");
    QTest::addColumn<bool>("motorcycle");
    QTest::addColumn<bool>("timeshare");
    QTest::addColumn<qint32>("realEstateType");
    QTest::addColumn<QString>("expected");

    // Vehicles pay a flat fee whatever the price.
    QTest::newRow("US vehicle") << US << "1000" << false << false << true << false << false << 0 << "40.00";
    QTest::newRow("US vehicle price 0") << US << "0" << false << false << true << false << false << 0 << "40.00";
    QTest::newRow("US vehicle in a tier gap") << US << "0.995" << false << false << true << false << false << 0
                                              << "40.00";
    QTest::newRow("US motorcycle") << US << "1000" << false << false << true << true << false << 0 << "30.00";
    QTest::newRow("US vehicle two categories") << US << "1000" << true << false << true << false << false << 0
                                               << "80.00";
    QTest::newRow("US motorcycle two categories") << US << "1000" << true << false << true << true << false << 0
                                                  << "60.00";
    QTest::newRow("US motorcycle without vehicle") << US << "100" << false << false << false << true << false << 0
                                                   << "2.40";
    QTest::newRow("UK vehicle") << UK << "1000" << false << false << true << false << false << 0 << "6.00";
    QTest::newRow("UK motorcycle") << UK << "1000" << false << false << true << true << false << 0 << "6.00";
    QTest::newRow("UK vehicle two categories") << UK << "5" << true << false << true << false << false << 0
                                               << "12.00";
    QTest::newRow("CA vehicle") << CA << "1000" << false << false << true << false << false << 0 << "35.00";
    QTest::newRow("CA motorcycle") << CA << "1000" << false << false << true << true << false << 0 << "35.00";
    QTest::newRow("DE vehicle") << DE << "1000" << false << false << true << false << false << 0 << "10.00";
    QTest::newRow("DE motorcycle") << DE << "1000" << false << false << true << true << false << 0 << "10.00";

    // Real estate: by type (3-10 day auction, 30-day auction, 30-day ad, 90-day ad) and timeshare.
    QTest::newRow("US real estate 3-10 day auction") << US << "50000" << false << true << false << false << false
                                                     << 0 << "100.00";
    QTest::newRow("US real estate 30-day auction") << US << "50000" << false << true << false << false << false << 1
                                                   << "150.00";
    QTest::newRow("US real estate 30-day ad") << US << "50000" << false << true << false << false << false << 2
                                              << "150.00";
    QTest::newRow("US real estate 30-day ad price 0") << US << "0" << false << true << false << false << false << 2
                                                      << "150.00";
    QTest::newRow("US real estate 30-day ad two categories") << US << "50000" << true << true << false << false
                                                             << false << 2 << "300.00";
    QTest::newRow("US real estate 90-day ad") << US << "50000" << false << true << false << false << false << 3
                                              << "300.00";
    QTest::newRow("US timeshare 3-10 day auction") << US << "50000" << false << true << false << false << true << 0
                                                   << "35.00";
    QTest::newRow("US timeshare 30-day auction") << US << "50000" << false << true << false << false << true << 1
                                                 << "50.00";
    QTest::newRow("US timeshare 30-day ad") << US << "50000" << false << true << false << false << true << 2
                                            << "150.00";
    QTest::newRow("US timeshare 90-day ad") << US << "50000" << false << true << false << false << true << 3
                                            << "300.00";
    QTest::newRow("US real estate unknown type 4") << US << "50000" << false << true << false << false << false << 4
                                                   << "0.00";
    QTest::newRow("US real estate unknown type -1") << US << "50000" << false << true << false << false << true << -1
                                                    << "0.00";
    QTest::newRow("US real estate wins over vehicle") << US << "100" << false << true << true << false << false << 0
                                                      << "100.00";
    QTest::newRow("US timeshare without real estate") << US << "100" << false << false << false << false << true << 3
                                                      << "2.40";
    QTest::newRow("UK real estate") << UK << "50000" << false << true << false << false << false << 0 << "35.00";
    QTest::newRow("UK timeshare 90-day ad") << UK << "50000" << false << true << false << false << true << 3
                                            << "35.00";
    QTest::newRow("UK real estate unknown type") << UK << "50000" << false << true << false << false << false << 9
                                                 << "35.00";
    QTest::newRow("UK real estate two categories") << UK << "50000" << true << true << false << false << false << 1
                                                   << "70.00";
    QTest::newRow("CA real estate 3-10 day auction") << CA << "50000" << false << true << false << false << false
                                                     << 0 << "70.00";
    QTest::newRow("CA real estate 30-day auction") << CA << "50000" << false << true << false << false << false << 1
                                                   << "75.00";
    QTest::newRow("CA real estate 30-day ad") << CA << "50000" << false << true << false << false << false << 2
                                              << "75.00";
    QTest::newRow("CA real estate 90-day ad") << CA << "50000" << false << true << false << false << false << 3
                                              << "150.00";
    QTest::newRow("CA timeshare 3-10 day auction") << CA << "50000" << false << true << false << false << true << 0
                                                   << "70.00";
    QTest::newRow("CA timeshare 90-day ad") << CA << "50000" << false << true << false << false << true << 3
                                            << "150.00";
    QTest::newRow("CA real estate unknown type") << CA << "50000" << false << true << false << false << false << 4
                                                 << "0.00";
    // Germany charges nothing for real estate, even where the price would fall into a tier.
    QTest::newRow("DE real estate") << DE << "100" << false << true << false << false << false << 0 << "0.00";
    QTest::newRow("DE timeshare 90-day ad") << DE << "100" << true << true << false << false << true << 3 << "0.00";
}

void TestRegularAuction::specialInsertionFees()
{
    QFETCH(qint32, site);
    QFETCH(QString, price);
    QFETCH(bool, twoCategories);
    QFETCH(bool, realEstate);
    QFETCH(bool, vehicle);
    QFETCH(bool, motorcycle);
    QFETCH(bool, timeshare);
    QFETCH(qint32, realEstateType);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CRegularAuction auction;
    auction.setSite(&schedule);
    QCOMPARE(auction.InsertionFee(inLocale(price), twoCategories, realEstate, vehicle, motorcycle, timeshare,
                                  realEstateType),
             inLocale(expected));
}

void TestRegularAuction::finalValueFeeTiers_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("expected");

    const auto add = [](qint32 site, std::initializer_list<PriceCase> cases) {
        for (const PriceCase &c : cases)
            QTest::addRow("%s %s", siteName(site), c.price)
                << site << QString::fromLatin1(c.price) << QString::fromLatin1(c.expected);
    };

    // US: 5.25 % up to 25.00, 2.75 % from there to 1000, 1.5 % above; half cents round away
    // from zero (25 × 0.0525 = 1.3125, 10 × 0.0525 = 0.525).
    add(US, {{"", "0.00"},
             {"0", "0.00"},
             {"10", "0.53"},
             {"24.99", "1.31"},      // 1.311975
             {"25", "1.31"},         // 1.3125
             {"25.01", "1.31"},      // 1.3125 + 0.01 × 0.0275
             {"25.02", "1.31"},
             {"50", "2.00"},         // 1.3125 + 25 × 0.0275
             {"100", "3.38"},        // 3.375
             {"999.99", "28.12"},    // 28.124725
             {"1000", "28.13"},      // 28.125
             {"1000.01", "28.13"},   // 28.12515
             {"1001", "28.14"},      // 28.125 + 0.015
             {"2000", "43.13"},      // 43.125
             // The price and the schedule enter the double sum as binary singles: the exact
             // 8.435 of 284 is 8.434999 there, and a price above 100,000 keeps its cents.
             {"284", "8.43"},
             {"43963.33", "672.57"},
             {"119919.27", "1811.91"}});
    // UK: 5.25 % up to 30.00, 3.25 % to 600, 1.75 % above.
    add(UK, {{"10", "0.53"},
             {"30", "1.58"},         // 1.575
             {"30.01", "1.58"},      // 1.575325
             {"100", "3.85"},        // 1.575 + 70 × 0.0325
             {"600", "20.10"},       // 1.575 + 570 × 0.0325
             {"700", "21.85"},       // 20.10 + 100 × 0.0175
             {"246", "8.59"}});      // 8.595 as decimals
    // Canada: 5.25 % up to 35.00, 2.75 % to 1450, 1.5 % above.
    add(CA, {{"35", "1.84"},         // 1.8375
             {"35.01", "1.84"},      // 1.837775
             {"100", "3.63"},        // 1.8375 + 65 × 0.0275 = 3.625
             {"1450", "40.75"},      // 1.8375 + 1415 × 0.0275
             {"2450", "55.75"},      // 40.75 + 1000 × 0.015
             {"284", "8.68"},        // 8.685 as decimals
             {"296", "9.01"}});      // 9.015 as decimals
    // Germany: 5 % up to 50.00, 4 % to 500, 2 % above.
    add(DE, {{"10", "0.50"},
             {"50", "2.50"},
             {"50.01", "2.50"},      // 2.5004
             {"100", "4.50"},        // 2.50 + 50 × 0.04
             {"500", "20.50"},       // 2.50 + 450 × 0.04
             {"1000", "30.50"},      // 20.50 + 500 × 0.02
             {"17.30", "0.86"},      // 0.865 as decimals
             {"2915.75", "68.81"}}); // 68.815 as decimals
}

void TestRegularAuction::finalValueFeeTiers()
{
    QFETCH(qint32, site);
    QFETCH(QString, price);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CRegularAuction auction;
    auction.setSite(&schedule);
    QCOMPARE(auction.FVF(inLocale(price), false, false, false, false), inLocale(expected));
}

void TestRegularAuction::specialFinalValueFees_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("realEstate");
    QTest::addColumn<bool>("vehicle");
    QTest::addColumn<bool>("didNotSell");
    QTest::addColumn<bool>("motorcycle");
    QTest::addColumn<QString>("expected");

    QTest::newRow("US vehicle price 0") << US << "0" << false << true << false << false << "40.00";
    QTest::newRow("US vehicle 100000") << US << "100000" << false << true << false << false << "40.00";
    QTest::newRow("US motorcycle") << US << "500" << false << true << false << true << "25.00";
    QTest::newRow("US motorcycle without vehicle") << US << "100" << false << false << false << true << "3.38";
    QTest::newRow("US real estate") << US << "1000" << true << false << false << false << "0.00";
    QTest::newRow("US real estate vehicle") << US << "1000" << true << true << false << false << "0.00";
    QTest::newRow("US did not sell") << US << "1000" << false << false << true << false << "0.00";
    QTest::newRow("US vehicle did not sell") << US << "1000" << false << true << true << false << "0.00";
    // UK vehicles, motorcycles alike: 15 below 3000, 0.5 % from 3000, 30 from 6000.
    QTest::newRow("UK vehicle 2999.99") << UK << "2999.99" << false << true << false << false << "15.00";
    QTest::newRow("UK vehicle 3000") << UK << "3000" << false << true << false << false << "15.00";
    QTest::newRow("UK vehicle 4500.50") << UK << "4500.50" << false << true << false << false << "22.50";
    QTest::newRow("UK vehicle 5000") << UK << "5000" << false << true << false << false << "25.00";
    QTest::newRow("UK vehicle 6000") << UK << "6000" << false << true << false << false << "30.00";
    QTest::newRow("UK vehicle 20000") << UK << "20000" << false << true << false << false << "30.00";
    QTest::newRow("UK motorcycle 1000") << UK << "1000" << false << true << false << true << "15.00";
    QTest::newRow("UK motorcycle 5000") << UK << "5000" << false << true << false << true << "25.00";
    QTest::newRow("UK real estate") << UK << "5000" << true << false << false << false << "0.00";
    QTest::newRow("CA vehicle") << CA << "5000" << false << true << false << false << "35.00";
    QTest::newRow("CA motorcycle") << CA << "5000" << false << true << false << true << "22.00";
    QTest::newRow("CA did not sell") << CA << "5000" << false << false << true << false << "0.00";
    // Germany: a motorcycle pays 15; another vehicle 50 + 0.5 % below 10000, 100 from 10000.
    QTest::newRow("DE motorcycle price 0") << DE << "0" << false << true << false << true << "15.00";
    QTest::newRow("DE motorcycle 50000") << DE << "50000" << false << true << false << true << "15.00";
    QTest::newRow("DE vehicle price 0") << DE << "0" << false << true << false << false << "50.00";
    QTest::newRow("DE vehicle 2001") << DE << "2001" << false << true << false << false << "60.01";  // 60.005
    QTest::newRow("DE vehicle 5000") << DE << "5000" << false << true << false << false << "75.00";
    QTest::newRow("DE vehicle 9000") << DE << "9000" << false << true << false << false << "95.00";
    QTest::newRow("DE vehicle 10000") << DE << "10000" << false << true << false << false << "100.00";
    QTest::newRow("DE vehicle 25000") << DE << "25000" << false << true << false << false << "100.00";
    QTest::newRow("DE real estate") << DE << "1000" << true << false << false << false << "0.00";
    QTest::newRow("DE vehicle did not sell") << DE << "5000" << false << true << true << false << "0.00";
}

void TestRegularAuction::specialFinalValueFees()
{
    QFETCH(qint32, site);
    QFETCH(QString, price);
    QFETCH(bool, realEstate);
    QFETCH(bool, vehicle);
    QFETCH(bool, didNotSell);
    QFETCH(bool, motorcycle);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CRegularAuction auction;
    auction.setSite(&schedule);
    QCOMPARE(auction.FVF(inLocale(price), realEstate, vehicle, didNotSell, motorcycle), inLocale(expected));
}

void TestRegularAuction::reserveFee_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("reserve");
    QTest::addColumn<bool>("twoCategories");
    QTest::addColumn<bool>("vehicle");
    QTest::addColumn<QString>("expected");

    const auto add = [](qint32 site, std::initializer_list<PriceCase> cases, bool vehicle = false, bool two = false) {
        for (const PriceCase &c : cases)
            QTest::addRow("%s %s%s%s", siteName(site), c.price, vehicle ? " vehicle" : "",
                          two ? " two categories" : "")
                << site << QString::fromLatin1(c.price) << two << vehicle << QString::fromLatin1(c.expected);
    };

    // US: 1 below 50, 2 from 50 to 199.99, then 1 % up to 100; a vehicle always pays 2.
    add(US, {{"", "1"},        {"0", "1"},        {"49.99", "1"},     {"50", "2"},      {"150", "2"},
             {"199.99", "2"},  {"200", "2"},      {"250", "2.5"},     {"333", "3.33"},  {"5000", "50"},
             {"10000", "100"}, {"15000", "100"},  {"20000", "100"}});
    add(US, {{"10", "2"}, {"100", "2"}, {"5000", "2"}}, true);
    add(US, {{"49.99", "2"}, {"150", "4"}, {"250", "5"}, {"15000", "200"}}, false, true);
    add(US, {{"5000", "4"}}, true, true);
    // UK: 1 below 50, 2 % from 50 to 4999.99, 1 from 5000; a vehicle always pays 3.
    add(UK, {{"0", "1"},       {"49.99", "1"},    {"50", "1"},        {"60.01", "1.2002"}, {"75", "1.5"},
             {"100", "2"},     {"4999.99", "99.9998"}, {"5000", "1"}, {"20000", "1"}});
    add(UK, {{"10", "3"}, {"100", "3"}, {"6000", "3"}}, true);
    add(UK, {{"75", "3"}, {"100", "4"}}, false, true);
    add(UK, {{"10", "6"}}, true, true);
    // Canada: 1.50 below 70, 3 from 70 to 299.99, then 1 % up to 150, vehicle or not.
    add(CA, {{"0", "1.5"},     {"69.99", "1.5"},  {"70", "3"},        {"299.99", "3"},  {"300", "3"},
             {"450", "4.5"},   {"15000", "150"},  {"20000", "150"}});
    add(CA, {{"10", "1.5"}, {"100", "3"}, {"450", "4.5"}}, true);
    add(CA, {{"10", "3"}, {"450", "9"}, {"20000", "300"}}, false, true);
    // Germany has no reserve fee.
    add(DE, {{"0", "0"}, {"150", "0"}, {"100000", "0"}});
    add(DE, {{"150", "0"}}, true);
    add(DE, {{"150", "0"}}, false, true);
}

void TestRegularAuction::reserveFee()
{
    QFETCH(qint32, site);
    QFETCH(QString, reserve);
    QFETCH(bool, twoCategories);
    QFETCH(bool, vehicle);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CRegularAuction auction;
    auction.setSite(&schedule);
    QCOMPARE(auction.ReserveFee(inLocale(reserve), twoCategories, vehicle), inLocale(expected));
}

void TestRegularAuction::extraFeatures_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<ListingOptions>("options");
    QTest::addColumn<QString>("expected");

    // Each feature alone, in one category and in two: a second category doubles every feature
    // but home-page featured and scheduled listing.
    const auto addAlone = [](qint32 site, std::initializer_list<FeatureCase> cases) {
        for (const FeatureCase &c : cases) {
            QTest::addRow("%s %s", siteName(site), c.name)
                << site << c.options << QString::fromLatin1(c.oneCategory);
            ListingOptions two = c.options;
            two.TwoCategories = true;
            QTest::addRow("%s %s two categories", siteName(site), c.name)
                << site << two << QString::fromLatin1(c.twoCategories);
        }
    };

    addAlone(US, {{"nothing", {}, "0.00", "0.00"},
                  {"featured plus", with({F::FeaturedPlus}), "19.95", "39.90"},
                  {"home page featured", with({F::HomePageFeatured}), "39.95", "39.95"},
                  {"gallery", with({F::Gallery}), "0.25", "0.50"},
                  {"gallery featured", with({F::GalleryFeatured}), "19.95", "39.90"},
                  {"bold", with({F::Bold}), "1.00", "2.00"},
                  {"highlight", with({F::Highlight}), "5.00", "10.00"},
                  {"gift icon", with({F::GiftIcon}), "0.25", "0.50"},
                  {"buy it now", with({F::BuyItNow}), "0.05", "0.10"},
                  {"ten-day auction", with({F::TenDayAuction}), "0.20", "0.40"},
                  {"scheduled", with({F::Scheduled}), "0.10", "0.10"},
                  {"listing designer", with({F::ListingDesigner}), "0.10", "0.20"},
                  {"subtitle", with({F::Subtitle}), "0.50", "1.00"},
                  {"1 picture", pictures(0), "0.15", "0.30"},
                  {"3 pictures", pictures(2), "0.45", "0.90"},
                  {"5 pictures", pictures(4), "0.75", "1.50"},
                  {"picture pack", pictures(Pack), "1.00", "2.00"},
                  {"supersize", with({F::Supersize}), "0.75", "1.50"},
                  {"slideshow", with({F::Slideshow}), "0.75", "1.50"},
                  {"vehicle gallery", with({F::Gallery, F::Vehicle}), "0.00", "0.00"},
                  {"vehicle bold", with({F::Bold, F::Vehicle}), "4.00", "8.00"},
                  {"vehicle highlight", with({F::Highlight, F::Vehicle}), "5.00", "10.00"},
                  {"vehicle gift icon", with({F::GiftIcon, F::Vehicle}), "2.00", "4.00"},
                  {"vehicle buy it now", with({F::BuyItNow, F::Vehicle}), "1.00", "2.00"},
                  {"vehicle ten-day auction", with({F::TenDayAuction, F::Vehicle}), "5.00", "10.00"},
                  {"vehicle scheduled", with({F::Scheduled, F::Vehicle}), "1.00", "1.00"},
                  {"vehicle gallery featured", with({F::GalleryFeatured, F::Vehicle}), "19.95", "39.90"},
                  {"motors gallery featured", with({F::GalleryFeatured, F::Motors}), "24.95", "49.90"},
                  {"motors vehicle gallery featured", with({F::GalleryFeatured, F::Motors, F::Vehicle}),
                   "99.95", "199.90"},
                  {"motors alone", with({F::Motors, F::Vehicle}), "0.00", "0.00"}});

    // UK: no gift-icon, ten-day or listing-designer fee.
    addAlone(UK, {{"featured plus", with({F::FeaturedPlus}), "9.95", "19.90"},
                  {"home page featured", with({F::HomePageFeatured}), "49.95", "49.95"},
                  {"gallery", with({F::Gallery}), "0.15", "0.30"},
                  {"gallery featured", with({F::GalleryFeatured}), "15.95", "31.90"},
                  {"bold", with({F::Bold}), "0.75", "1.50"},
                  {"highlight", with({F::Highlight}), "1.50", "3.00"},
                  {"gift icon", with({F::GiftIcon}), "0.00", "0.00"},
                  {"buy it now", with({F::BuyItNow}), "0.06", "0.12"},
                  {"ten-day auction", with({F::TenDayAuction}), "0.00", "0.00"},
                  {"scheduled", with({F::Scheduled}), "0.12", "0.12"},
                  {"listing designer", with({F::ListingDesigner}), "0.00", "0.00"},
                  {"subtitle", with({F::Subtitle}), "0.50", "1.00"},
                  {"1 picture", pictures(0), "0.10", "0.20"},
                  {"3 pictures", pictures(2), "0.30", "0.60"},
                  {"5 pictures", pictures(4), "0.50", "1.00"},
                  {"picture pack", pictures(Pack), "1.00", "2.00"},
                  {"supersize", with({F::Supersize}), "0.50", "1.00"},
                  {"slideshow", with({F::Slideshow}), "0.50", "1.00"},
                  {"vehicle gallery", with({F::Gallery, F::Vehicle}), "0.15", "0.30"},
                  {"vehicle bold", with({F::Bold, F::Vehicle}), "0.75", "1.50"},
                  {"motors vehicle gallery featured", with({F::GalleryFeatured, F::Motors, F::Vehicle}),
                   "15.95", "31.90"}});

    // Canada: no gift-icon or listing-designer fee.
    addAlone(CA, {{"featured plus", with({F::FeaturedPlus}), "5.00", "10.00"},
                  {"home page featured", with({F::HomePageFeatured}), "49.95", "49.95"},
                  {"gallery", with({F::Gallery}), "0.25", "0.50"},
                  {"gallery featured", with({F::GalleryFeatured}), "5.00", "10.00"},
                  {"bold", with({F::Bold}), "1.00", "2.00"},
                  {"highlight", with({F::Highlight}), "2.00", "4.00"},
                  {"gift icon", with({F::GiftIcon}), "0.00", "0.00"},
                  {"buy it now", with({F::BuyItNow}), "0.05", "0.10"},
                  {"ten-day auction", with({F::TenDayAuction}), "0.30", "0.60"},
                  {"scheduled", with({F::Scheduled}), "0.15", "0.15"},
                  {"listing designer", with({F::ListingDesigner}), "0.00", "0.00"},
                  {"subtitle", with({F::Subtitle}), "0.75", "1.50"},
                  {"1 picture", pictures(0), "0.20", "0.40"},
                  {"3 pictures", pictures(2), "0.60", "1.20"},
                  {"5 pictures", pictures(4), "1.00", "2.00"},
                  {"picture pack", pictures(Pack), "1.00", "2.00"},
                  {"supersize", with({F::Supersize}), "1.00", "2.00"},
                  {"slideshow", with({F::Slideshow}), "1.00", "2.00"},
                  {"vehicle gallery", with({F::Gallery, F::Vehicle}), "0.25", "0.50"},
                  {"vehicle ten-day auction", with({F::TenDayAuction, F::Vehicle}), "0.30", "0.60"}});

    // Germany: featured plus of a single item is 14.95; no gift-icon or ten-day fee.
    addAlone(DE, {{"featured plus", with({F::FeaturedPlus}), "14.95", "29.90"},
                  {"home page featured", with({F::HomePageFeatured}), "79.95", "79.95"},
                  {"gallery", with({F::Gallery}), "0.75", "1.50"},
                  {"gallery featured", with({F::GalleryFeatured}), "12.95", "25.90"},
                  {"bold", with({F::Bold}), "1.50", "3.00"},
                  {"highlight", with({F::Highlight}), "1.50", "3.00"},
                  {"gift icon", with({F::GiftIcon}), "0.00", "0.00"},
                  {"buy it now", with({F::BuyItNow}), "0.10", "0.20"},
                  {"ten-day auction", with({F::TenDayAuction}), "0.00", "0.00"},
                  {"scheduled", with({F::Scheduled}), "0.10", "0.10"},
                  {"listing designer", with({F::ListingDesigner}), "0.10", "0.20"},
                  {"subtitle", with({F::Subtitle}), "0.50", "1.00"},
                  {"1 picture", pictures(0), "0.15", "0.30"},
                  {"3 pictures", pictures(2), "0.45", "0.90"},
                  {"5 pictures", pictures(4), "0.75", "1.50"},
                  {"picture pack", pictures(Pack), "1.00", "2.00"},
                  {"supersize", with({F::Supersize}), "0.75", "1.50"},
                  {"slideshow", with({F::Slideshow}), "0.75", "1.50"},
                  {"vehicle bold", with({F::Bold, F::Vehicle}), "1.50", "3.00"}});

    // Gallery Featured includes the gallery picture; the picture pack includes the gallery
    // picture and supersized pictures.
    addAlone(US, {{"gallery and gallery featured", with({F::Gallery, F::GalleryFeatured}), "19.95", "39.90"},
                  {"motors vehicle gallery and gallery featured",
                   with({F::Gallery, F::GalleryFeatured, F::Motors, F::Vehicle}), "99.95", "199.90"},
                  {"gallery with picture pack", with({F::Gallery, F::ExtraPictures}, Pack), "1.00", "2.00"},
                  {"gallery with pack chosen but pictures not ticked", with({F::Gallery}, Pack), "0.25", "0.50"},
                  {"gallery with 5 pictures", with({F::Gallery, F::ExtraPictures}, 4), "1.00", "2.00"},
                  {"supersize with picture pack", with({F::ExtraPictures, F::Supersize}, Pack), "1.00", "2.00"},
                  {"supersize with pack chosen but pictures not ticked", with({F::Supersize}, Pack), "0.00", "0.00"},
                  {"slideshow with picture pack", with({F::ExtraPictures, F::Slideshow}, Pack), "1.75", "3.50"},
                  {"3 pictures supersize slideshow", with({F::ExtraPictures, F::Supersize, F::Slideshow}, 2), "1.95",
                   "3.90"},
                  {"pictures not ticked", with({}, 4), "0.00", "0.00"},
                  {"unknown picture choice", pictures(6), "0.00", "0.00"},
                  {"supersize with unknown picture choice",
                   with({F::ExtraPictures, F::Supersize}, 6), "0.75", "1.50"},
                  {"home page featured and scheduled", with({F::HomePageFeatured, F::Scheduled}), "40.05", "40.05"}});
    addAlone(UK, {{"gallery and gallery featured", with({F::Gallery, F::GalleryFeatured}), "15.95", "31.90"},
                  {"supersize with picture pack", with({F::ExtraPictures, F::Supersize}, Pack), "1.00", "2.00"}});
    addAlone(CA, {{"slideshow with picture pack",
                   with({F::ExtraPictures, F::Slideshow}, Pack), "2.00", "4.00"}});
    addAlone(DE, {{"gallery and gallery featured", with({F::Gallery, F::GalleryFeatured}), "12.95", "25.90"},
                  {"gallery with picture pack", with({F::Gallery, F::ExtraPictures}, Pack), "1.00", "2.00"}});

    // Many features at once, summed by hand from the schedule.
    // 19.95 + 39.95 + 19.95 + 1.00 + 5.00 + 0.25 + 0.20 + 0.05 + 0.10 + 0.10 + 0.50
    // + 3 × 0.15 + 0.75 + 0.75 = 89.00; two categories: 2 × (89.00 - 39.95 - 0.10) + 39.95 + 0.10.
    addAlone(US, {{"every feature",
                   with({F::FeaturedPlus, F::HomePageFeatured, F::Gallery, F::GalleryFeatured, F::Bold,
                         F::Highlight, F::GiftIcon, F::BuyItNow, F::TenDayAuction, F::ExtraPictures, F::Supersize,
                         F::Slideshow, F::Scheduled, F::ListingDesigner, F::Subtitle}, 2),
                   "89.00", "137.95"},
                  // 19.95 + 99.95 + 4.00 + 2.00 + 5.00 + 1.00 + 1.00 + 0.50 = 133.40
                  {"motors vehicle features",
                   with({F::FeaturedPlus, F::Gallery, F::GalleryFeatured, F::Bold, F::GiftIcon, F::BuyItNow,
                         F::TenDayAuction, F::Scheduled, F::Subtitle, F::Motors, F::Vehicle}),
                   "133.40", "265.80"}});
    // 9.95 + 49.95 + 0.15 + 0.75 + 1.50 + 0.06 + 0.12 + 0.50 + 5 × 0.10 + 0.50 + 0.50 = 64.48
    addAlone(UK, {{"every feature",
                   with({F::FeaturedPlus, F::HomePageFeatured, F::Gallery, F::Bold, F::Highlight, F::GiftIcon,
                         F::BuyItNow, F::TenDayAuction, F::ExtraPictures, F::Supersize, F::Slideshow, F::Scheduled,
                         F::ListingDesigner, F::Subtitle}, 4),
                   "64.48", "78.89"}});
    // 5.00 + 49.95 + 0 (gallery in the pack) + 1.00 + 2.00 + 0.30 + 0.05 + 0.15 + 0.75 + 1.00
    // (pack, supersize included) + 1.00 = 61.20
    addAlone(CA, {{"every feature with picture pack",
                   with({F::FeaturedPlus, F::HomePageFeatured, F::Gallery, F::Bold, F::Highlight, F::GiftIcon,
                         F::BuyItNow, F::TenDayAuction, F::ExtraPictures, F::Supersize, F::Slideshow, F::Scheduled,
                         F::ListingDesigner, F::Subtitle}, Pack),
                   "61.20", "72.30"}});
    // 14.95 + 79.95 + 12.95 + 1.50 + 1.50 + 0.10 + 0.10 + 0.10 + 0.50 + 0.15 + 0.75 + 0.75 = 113.30
    addAlone(DE, {{"every feature",
                   with({F::FeaturedPlus, F::HomePageFeatured, F::Gallery, F::GalleryFeatured, F::Bold,
                         F::Highlight, F::GiftIcon, F::BuyItNow, F::TenDayAuction, F::ExtraPictures, F::Supersize,
                         F::Slideshow, F::Scheduled, F::ListingDesigner, F::Subtitle}, 0),
                   "113.30", "146.55"}});
}

void TestRegularAuction::extraFeatures()
{
    QFETCH(qint32, site);
    QFETCH(ListingOptions, options);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CRegularAuction auction;
    auction.setSite(&schedule);
    const ListingOptions &o = options;
    QCOMPARE(auction.ExtraFeaturesFee(o.TwoCategories, o.FeaturedPlus, o.HomePageFeatured, o.Gallery,
                                      o.GalleryFeatured, o.Motors, o.Vehicle, o.Highlight, o.GiftIcon, o.BuyItNow,
                                      o.TenDayAuction, o.Bold, o.ExtraPictures, o.ExtraPicturesChoice, o.Supersize,
                                      o.Slideshow, o.Scheduled, o.ListingDesigner, o.Subtitle),
             inLocale(expected));
    QCOMPARE(auction.ExtraFeaturesFee(options), inLocale(expected));
}

// The single-item tab's figures (insertion, extras, final value fee, total): the reserve fee joins
// the insertion fee only when a reserve auction did not sell.
void TestRegularAuction::tabFees_data()
{
    QTest::addColumn<ListingOptions>("options");
    QTest::addColumn<bool>("itemSold");
    QTest::addColumn<QStringList>("expected");
    const auto listing = [](std::initializer_list<F> chosen, const char *start, const char *close, bool reserve) {
        ListingOptions o = with(chosen);
        o.StartingPriceText = QString::fromLatin1(start);
        o.ClosingPriceText = QString::fromLatin1(close);
        o.IsReserve = reserve;
        return o;
    };
    QTest::newRow("sold") << listing({F::Bold}, "10", "25", false) << true
                          << QStringList{"0.60", "1.00", "1.31", "2.91"};
    QTest::newRow("reserve not met") << listing({F::Gallery, F::TwoCategories}, "150", "100", true) << false
                                     << QStringList{"8.80", "0.50", "", "9.30"};
    QTest::newRow("unsold, no reserve") << listing({}, "0.99", "", false) << false
                                        << QStringList{"0.30", "0.00", "", "0.30"};
    // A six-figure total keeps the seven digits a single shows: the figures add up to 259155.55,
    // the total shows 259155.50.
    QTest::newRow("six-figure total, seven digits") << listing({F::Bold}, "9.99", "17276074.42", false) << true
                                                         << QStringList{"0.35", "1.00", "259154.20", "259155.50"};
}

void TestRegularAuction::tabFees()
{
    QFETCH(ListingOptions, options);
    QFETCH(bool, itemSold);
    QFETCH(QStringList, expected);
    CAuctionSite schedule;
    schedule.setSite(US);
    CRegularAuction auction;
    auction.setSite(&schedule);
    options.StartingPriceText = inLocale(options.StartingPriceText);
    options.ClosingPriceText = inLocale(options.ClosingPriceText);
    const RegularListingFees fees = ComputeRegularListingFees(auction, options, itemSold);
    const QStringList shown{fees.InsertionFeeText, fees.ExtrasText, fees.FinalValueFeeText, fees.TotalText};
    QCOMPARE(shown.join(u'|'), inLocale(expected.join(u'|')));
}

namespace {

// Without a schedule of a known site every fee is 0, whatever the listing. Returns early on the
// first failed comparison.
void expectNoFees(const CRegularAuction &auction)
{
    for (const char *price : {"0.99", "500", "100000"}) {
        QCOMPARE(auction.InsertionFee(inLocale(price), false, false, false, false, false, 0), inLocale("0.00"));
        QCOMPARE(auction.FVF(inLocale(price), false, false, false, false), inLocale("0.00"));
        QCOMPARE(auction.ReserveFee(inLocale(price), true, false), QStringLiteral("0"));
    }
    QCOMPARE(auction.InsertionFee(inLocale("100"), true, true, false, false, true, 2), inLocale("0.00"));
    QCOMPARE(auction.InsertionFee(inLocale("100"), true, false, true, false, false, 0), inLocale("0.00"));
    QCOMPARE(auction.FVF(inLocale("5000"), false, true, false, false), inLocale("0.00"));
    QCOMPARE(auction.FVF(inLocale("5000"), false, true, false, true), inLocale("0.00"));
    QCOMPARE(auction.ReserveFee(inLocale("10"), false, true), QStringLiteral("0"));
    QCOMPARE(auction.ReserveFee(QString(), false, false), QStringLiteral("0"));
    QCOMPARE(auction.ExtraFeaturesFee(true, true, true, true, true, true, true, true, true, true, true, true, true, 2,
                                      true, true, true, true, true),
             inLocale("0.00"));
}

} // namespace

void TestRegularAuction::siteCodeOutsideSchedule_data()
{
    QTest::addColumn<qint32>("siteCode");
    QTest::newRow("no site") << qint32(CAuctionSite::NoSite);
    QTest::newRow("code 5") << 5;
    QTest::newRow("code -1") << -1;
}

void TestRegularAuction::siteCodeOutsideSchedule()
{
    QFETCH(qint32, siteCode);

    CAuctionSite schedule;
    schedule.setSite(siteCode);
    CRegularAuction auction;
    auction.setSite(&schedule);
    expectNoFees(auction);
    if (QTest::currentTestFailed())
        return;
    // The picture pack costs 1.00 on every site, even without one.
    QCOMPARE(auction.ExtraFeaturesFee(with({F::Gallery, F::ExtraPictures, F::Supersize}, Pack)),
             inLocale("1.00"));
}

void TestRegularAuction::noScheduleHandedOver()
{
    CRegularAuction auction;
    expectNoFees(auction);
}

void TestRegularAuction::changeOfSiteAppliesToNextComputation()
{
    CAuctionSite schedule;
    CRegularAuction auction;
    auction.setSite(&schedule);

    schedule.setSite(US);
    QCOMPARE(auction.InsertionFee(inLocale("1.50"), false, false, false, false, false, 0), inLocale("0.35"));
    QCOMPARE(auction.FVF(inLocale("100"), false, false, false, false), inLocale("3.38"));
    QCOMPARE(auction.ReserveFee(inLocale("100"), false, false), QStringLiteral("2"));
    QCOMPARE(auction.ExtraFeaturesFee(with({F::Bold})), inLocale("1.00"));

    schedule.setSite(DE);
    QCOMPARE(auction.InsertionFee(inLocale("1.50"), false, false, false, false, false, 0), inLocale("0.25"));
    QCOMPARE(auction.FVF(inLocale("100"), false, false, false, false), inLocale("4.50"));
    QCOMPARE(auction.ReserveFee(inLocale("100"), false, false), QStringLiteral("0"));
    QCOMPARE(auction.ExtraFeaturesFee(with({F::Bold})), inLocale("1.50"));

    schedule.setSite(CAuctionSite::NoSite);
    QCOMPARE(auction.InsertionFee(inLocale("1.50"), false, false, false, false, false, 0), inLocale("0.00"));
    QCOMPARE(auction.FVF(inLocale("100"), false, false, false, false), inLocale("0.00"));
}

QTEST_GUILESS_MAIN(TestRegularAuction)
#include "tst_regularauction.moc"
