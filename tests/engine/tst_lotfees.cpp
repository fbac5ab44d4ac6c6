#include "CAuctionSite.h"
#include "CDutchAuction.h"
#include "ListingFees.h"
#include "ListingOptions.h"
#include "NumberText.h"
#include "TestLocales.h"

#include <QTest>

#include <initializer_list>

Q_DECLARE_METATYPE(ListingOptions)

namespace {

constexpr qint32 Pack = 5;  // the picture pack of the extra-pictures list

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

// The yes/no fields of a lot's features, to name the chosen ones in a table row.
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

struct LotCase
{
    const char *price;
    qint16 items;
    const char *expected;
};

} // namespace

class TestLotFees : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }

    void insertionFee_data();
    void insertionFee();
    void finalValueFee_data();
    void finalValueFee();
    void extraFeatures_data();
    void extraFeatures();
    void tabFees_data();
    void tabFees();
    void changeOfSiteAppliesToNextComputation();
};

void TestLotFees::insertionFee_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("price");
    QTest::addColumn<qint16>("items");
    QTest::addColumn<bool>("twoCategories");
    QTest::addColumn<QString>("expected");

    const auto add = [](qint32 site, std::initializer_list<LotCase> cases, bool two = false) {
        for (const LotCase &c : cases)
            QTest::addRow("%s %d x %s%s", siteName(site), int(c.items), c.price, two ? " two categories" : "")
                << site << QString::fromLatin1(c.price) << c.items << two << QString::fromLatin1(c.expected);
    };

    // One item: the lot's value is the price, so these are the tier bounds themselves. A value in
    // the gap between an upper bound and the next lower bound is in no tier.
    add(US, {{"0", 1, "0"},          {"0.005", 1, "0"},     {"0.01", 1, "0.3"},    {"0.99", 1, "0.3"},
             {"0.995", 1, "0"},      {"1.00", 1, "0.35"},   {"9.99", 1, "0.35"},   {"9.995", 1, "0"},
             {"10.00", 1, "0.6"},    {"24.99", 1, "0.6"},   {"25.00", 1, "1.2"},   {"49.99", 1, "1.2"},
             {"50.00", 1, "2.4"},    {"199.99", 1, "2.4"},  {"199.995", 1, "0"},   {"200.00", 1, "3.6"},
             {"499.99", 1, "3.6"},   {"500.00", 1, "4.8"}});
    // UK and Germany: the sixth tier is empty, everything above the fifth bound pays the seventh.
    add(UK, {{"0.01", 1, "0.15"},    {"0.99", 1, "0.15"},   {"1.00", 1, "0.2"},    {"4.99", 1, "0.2"},
             {"4.995", 1, "0"},      {"5.00", 1, "0.35"},   {"14.99", 1, "0.35"},  {"15.00", 1, "0.75"},
             {"29.99", 1, "0.75"},   {"30.00", 1, "1.5"},   {"99.99", 1, "1.5"},   {"100.00", 1, "2"},
             {"150.00", 1, "2"}});
    add(CA, {{"0.01", 1, "0.35"},    {"0.99", 1, "0.35"},   {"1.00", 1, "0.45"},   {"14.99", 1, "0.45"},
             {"15.00", 1, "0.85"},   {"34.99", 1, "0.85"},  {"35.00", 1, "1.65"},  {"69.99", 1, "1.65"},
             {"69.995", 1, "0"},     {"70.00", 1, "3.3"},   {"299.99", 1, "3.3"},  {"300.00", 1, "5.15"},
             {"699.99", 1, "5.15"},  {"700.00", 1, "6.75"}});
    add(DE, {{"0.01", 1, "0.25"},    {"1.99", 1, "0.25"},   {"1.995", 1, "0"},     {"2.00", 1, "0.45"},
             {"9.99", 1, "0.45"},    {"10.00", 1, "0.8"},   {"24.99", 1, "0.8"},   {"25.00", 1, "1.6"},
             {"99.99", 1, "1.6"},    {"100.00", 1, "3.2"},  {"249.99", 1, "3.2"},  {"250.00", 1, "4.8"},
             {"1000", 1, "4.8"}});

    // Whole lots: the tier follows price × items, not the price of one item.
    add(US, {{"2.50", 10, "1.2"},    {"2.49", 10, "0.6"},   {"0.10", 10, "0.35"},  {"0.05", 2, "0.3"},
             {"0.4995", 2, "0"},     {"2.50", 0, "0"},      {"0", 10, "0"},        {"100.00", 5, "4.8"},
             {"1.00", 32767, "4.8"}, {"0.01", 32767, "3.6"}, {"0.01", 99, "0.3"},  {"0.01", 100, "0.35"}});
    // Decimal lot values exactly on an upper bound stay in that tier.
    add(US, {{"0.27", 37, "0.35"},   {"1.19", 21, "0.6"},   {"0.33", 3, "0.3"}});
    add(UK, {{"5.00", 20, "2"},      {"33.33", 3, "1.5"},   {"1.00", 100, "2"}});
    add(CA, {{"1.00", 35, "1.65"},   {"10.00", 70, "6.75"}});
    add(DE, {{"1.00", 2, "0.45"},    {"12.50", 20, "4.8"},  {"0.83", 3, "0.45"}});

    add(US, {{"2.50", 10, "2.4"},    {"2.49", 10, "1.2"},   {"0.99", 1, "0.6"},    {"100.00", 5, "9.6"},
             {"2.50", 0, "0"},       {"0", 5, "0"},         {"0.995", 1, "0"}}, true);
    add(UK, {{"5.00", 20, "4"},      {"1.50", 10, "1.5"}}, true);
    add(CA, {{"100.00", 3, "10.3"},  {"0.50", 3, "0.9"}}, true);
    add(DE, {{"50.00", 2, "6.4"},    {"5.00", 2, "1.6"}}, true);
}

void TestLotFees::insertionFee()
{
    QFETCH(qint32, site);
    QFETCH(QString, price);
    QFETCH(qint16, items);
    QFETCH(bool, twoCategories);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CDutchAuction lot;
    lot.setSite(&schedule);
    QCOMPARE(lot.InsertionFee(inLocale(price), items, twoCategories), inLocale(expected));
}

void TestLotFees::finalValueFee_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("sold");
    QTest::addColumn<QString>("expected");

    const auto row = [](qint32 site, const char *price, const char *sold, const char *expected) {
        QTest::addRow("%s %s x %s", siteName(site), sold, price)
            << site << QString::fromLatin1(price) << QString::fromLatin1(sold) << QString::fromLatin1(expected);
    };

    // US: 5.25 % up to 25.00, 2.75 % from 25.01 to 1000, 1.5 % above.
    row(US, "10.00", "1", "0.53");      // 0.525
    row(US, "10.00", "5", "2.63");      // 2.625
    row(US, "10.00", "0", "0.00");
    row(US, "10.00", "", "0.00");
    row(US, "", "5", "0.00");
    row(US, "25.00", "1", "1.31");      // 1.3125
    row(US, "25.00", "4", "5.25");
    // 25.01 is in the second tier: 1.3125 + 0.01 × 0.0275 = 1.312775 per item (the first tier
    // would give 1.313025).
    row(US, "25.01", "100", "131.28");
    row(US, "1000", "1", "28.13");      // 28.125
    row(US, "1000", "2", "56.25");
    // 1000.01 is in the third tier: 28.125 + 0.01 × 0.015 = 28.12515 per item.
    row(US, "1000.01", "30", "843.75");
    row(US, "2000", "4", "172.50");     // 43.125 each
    // A sold count beyond the 16-bit range counts as 32767: 0.000525 × 32767 = 17.202675.
    row(US, "0.01", "32767", "17.20");
    row(US, "0.01", "40000", "17.20");
    // The number sold is its leading number, halves to even.
    row(US, "10.00", "5abc", "2.63");
    row(US, "10.00", " 3", "1.58");     // 1.575
    row(US, "10.00", "2.5", "1.05");    // 2 items
    row(US, "10.00", "3.5", "2.10");    // 4 items
    row(US, "10.00", "abc", "0.00");
    row(US, "10.00", "$5", "0.00");
    // The per-item fee is the single-item fee: 284 pays 8.434999 each, as a single item does.
    row(US, "284", "1", "8.43");
    row(US, "284", "2", "16.87");       // 16.869998

    // UK: 5.25 % up to 30.00, 3.25 % from 30.01 to 600, 1.75 % above.
    row(UK, "30.00", "2", "3.15");      // 1.575 each
    row(UK, "30.01", "100", "157.53");  // 1.575325 each
    row(UK, "600", "3", "60.30");       // 20.1 each
    row(UK, "1000", "2", "54.20");      // 27.1 each

    // Canada: 5.25 % up to 35.00, 2.75 % from 35.01 to 1450, 1.5 % above.
    row(CA, "35.00", "4", "7.35");      // 1.8375 each
    row(CA, "35.01", "100", "183.78");  // 1.837775 each
    row(CA, "1450", "1", "40.75");
    row(CA, "2450", "1", "55.75");

    // Germany: 5 % up to 50.00, 4 % from 50.01 to 500, 2 % above.
    row(DE, "50.00", "3", "7.50");
    row(DE, "50.01", "100", "250.04");  // 2.5004 each
    row(DE, "500", "1", "20.50");
    row(DE, "600", "2", "45.00");       // 22.5 each
}

void TestLotFees::finalValueFee()
{
    QFETCH(qint32, site);
    QFETCH(QString, price);
    QFETCH(QString, sold);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CDutchAuction lot;
    lot.setSite(&schedule);
    QCOMPARE(lot.FVF(inLocale(price), inLocale(sold)), inLocale(expected));
}

void TestLotFees::extraFeatures_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<ListingOptions>("options");
    QTest::addColumn<qint32>("itemsOffered");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, qint32 site, const ListingOptions &o, qint32 items, const char *expected) {
        QTest::addRow("%s %s", siteName(site), name) << site << o << items << QString::fromLatin1(expected);
    };

    row("nothing", US, ListingOptions(), 5, "0.00");
    row("nothing two categories", US, with({F::TwoCategories}), 5, "0.00");

    // Home-page featured is priced by the quantity offered and never doubled.
    row("home page 1 item", US, with({F::HomePageFeatured}), 1, "39.95");
    row("home page 0 items", US, with({F::HomePageFeatured}), 0, "39.95");
    row("home page 2 items", US, with({F::HomePageFeatured}), 2, "79.95");
    row("home page 500 items", US, with({F::HomePageFeatured}), 500, "79.95");
    row("home page 2 items two categories", US, with({F::HomePageFeatured, F::TwoCategories}), 2, "79.95");
    row("home page 1 item", UK, with({F::HomePageFeatured}), 1, "49.95");
    row("home page 2 items", UK, with({F::HomePageFeatured}), 2, "49.95");
    row("home page 1 item", CA, with({F::HomePageFeatured}), 1, "49.95");
    row("home page 2 items", CA, with({F::HomePageFeatured}), 2, "99.95");
    row("home page 1 item", DE, with({F::HomePageFeatured}), 1, "79.95");
    row("home page 2 items", DE, with({F::HomePageFeatured}), 2, "179.95");
    row("home page 2 items two categories", DE, with({F::HomePageFeatured, F::TwoCategories}), 2, "179.95");

    // Featured Plus at the multiple-item price.
    row("featured plus", DE, with({F::FeaturedPlus}), 2, "17.95");
    row("featured plus two categories", DE, with({F::FeaturedPlus, F::TwoCategories}), 2, "35.90");
    row("featured plus", US, with({F::FeaturedPlus}), 2, "19.95");
    row("featured plus two categories", US, with({F::FeaturedPlus, F::TwoCategories}), 2, "39.90");

    // Gallery and Gallery Featured are both charged.
    row("gallery + gallery featured", US, with({F::Gallery, F::GalleryFeatured}), 2, "20.20");
    row("gallery + gallery featured two categories", US, with({F::Gallery, F::GalleryFeatured, F::TwoCategories}),
        2, "40.40");
    row("gallery + gallery featured motors", US, with({F::Gallery, F::GalleryFeatured, F::Motors}), 2, "25.20");
    row("gallery featured motors", US, with({F::GalleryFeatured, F::Motors}), 2, "24.95");
    row("gallery + gallery featured", UK, with({F::Gallery, F::GalleryFeatured}), 2, "16.10");
    row("gallery + gallery featured", CA, with({F::Gallery, F::GalleryFeatured}), 2, "5.25");
    row("gallery + gallery featured", DE, with({F::Gallery, F::GalleryFeatured}), 2, "13.70");
    row("gallery two categories", DE, with({F::Gallery, F::TwoCategories}), 2, "1.50");
    // The pack includes the gallery picture; the pack itself is not doubled.
    row("gallery with picture pack", US, with({F::Gallery, F::ExtraPictures}, Pack), 2, "1.00");
    row("gallery with picture pack two categories", US,
        with({F::Gallery, F::ExtraPictures, F::TwoCategories}, Pack), 2, "1.00");

    // Pictures are charged once.
    row("3 pictures two categories", US, with({F::ExtraPictures, F::TwoCategories}, 2), 2, "0.45");
    row("3 pictures", UK, with({F::ExtraPictures}, 2), 2, "0.30");
    row("supersize + slideshow two categories", US, with({F::Supersize, F::Slideshow, F::TwoCategories}), 2, "1.50");
    row("5 pictures two categories", CA, with({F::ExtraPictures, F::TwoCategories}, 4), 2, "1.00");

    // Scheduled listing is charged once.
    row("scheduled", US, with({F::Scheduled}), 2, "0.10");
    row("scheduled two categories", US, with({F::Scheduled, F::TwoCategories}), 2, "0.10");
    row("scheduled two categories", UK, with({F::Scheduled, F::TwoCategories}), 2, "0.12");
    row("scheduled two categories", CA, with({F::Scheduled, F::TwoCategories}), 2, "0.15");

    // The other features are doubled for a second category.
    row("bold two categories", US, with({F::Bold, F::TwoCategories}), 2, "2.00");
    row("highlight two categories", US, with({F::Highlight, F::TwoCategories}), 2, "10.00");
    row("gift icon two categories", US, with({F::GiftIcon, F::TwoCategories}), 2, "0.50");
    row("ten-day two categories", US, with({F::TenDayAuction, F::TwoCategories}), 2, "0.40");
    row("subtitle two categories", CA, with({F::Subtitle, F::TwoCategories}), 2, "1.50");
    row("listing designer two categories", US, with({F::ListingDesigner, F::TwoCategories}), 2, "0.20");
    row("bold", DE, with({F::Bold}), 2, "1.50");
    row("listing designer", DE, with({F::ListingDesigner}), 2, "0.10");
    row("gift, ten-day and designer cost nothing", UK, with({F::GiftIcon, F::TenDayAuction, F::ListingDesigner}), 2,
        "0.00");

    // A lot has no Buy It Now fee and no vehicle prices.
    row("buy it now", US, with({F::BuyItNow}), 2, "0.00");
    row("bold with vehicle flag", US, with({F::Bold, F::Vehicle}), 2, "1.00");
    row("gift icon with vehicle flag", US, with({F::GiftIcon, F::Vehicle}), 2, "0.25");
    row("gallery with vehicle flag", US, with({F::Gallery, F::Vehicle}), 2, "0.25");

    // Everything at once: 19.95 + 79.95 + 0.25 + 19.95 + 1 + 5 + 0.25 + 0.20 + 0.10 + 0.50 + 0.10 + 0.15.
    const ListingOptions all = with({F::FeaturedPlus, F::HomePageFeatured, F::Gallery, F::GalleryFeatured, F::Bold,
                                     F::Highlight, F::GiftIcon, F::TenDayAuction, F::Scheduled, F::Subtitle,
                                     F::ListingDesigner, F::ExtraPictures});
    row("everything", US, all, 5, "127.40");
    // Doubled: 2 × 47.20; once: 79.95 + 0.10 + 0.15.
    ListingOptions allTwo = all;
    allTwo.TwoCategories = true;
    row("everything two categories", US, allTwo, 5, "174.60");
}

void TestLotFees::extraFeatures()
{
    QFETCH(qint32, site);
    QFETCH(ListingOptions, options);
    QFETCH(qint32, itemsOffered);
    QFETCH(QString, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    CDutchAuction lot;
    lot.setSite(&schedule);
    QCOMPARE(MoneyText(lot.ExtraFeaturesTotal(options, itemsOffered)), inLocale(expected));
}

// The lot tab's figures (extras, total sales, fees, cost per item). An offered count whose text is
// no number sets the insertion fee but prices home-page featured as for no items.
void TestLotFees::tabFees_data()
{
    QTest::addColumn<ListingOptions>("options");
    QTest::addColumn<QString>("offeredText");
    QTest::addColumn<QStringList>("expected");
    const auto lot = [](std::initializer_list<F> chosen, const char *price, qint32 offered, qint32 sold) {
        ListingOptions o = with(chosen);
        o.StartingPriceText = o.ClosingPriceText = QString::fromLatin1(price);
        o.ItemsOffered = offered;
        o.ItemsSold = sold;
        return o;
    };
    // 4.80 + 79.95 + 2.63 = 87.38, 17.476 per item.
    QTest::newRow("two categories") << lot({F::HomePageFeatured, F::TwoCategories}, "10.00", 5, 5) << "5"
                                    << QStringList{"79.95", "50.00", "87.38", "17.48"};
    QTest::newRow("offered no number") << lot({F::HomePageFeatured}, "10.00", 5, 5) << "5abc"
                                       << QStringList{"39.95", "50.00", "44.98", "9.00"};
    QTest::newRow("none sold") << lot({}, "1.00", 3, 0) << "3" << QStringList{"0.00", "0.00", "0.35", ""};
}

void TestLotFees::tabFees()
{
    QFETCH(ListingOptions, options);
    QFETCH(QString, offeredText);
    QFETCH(QStringList, expected);
    CAuctionSite schedule;
    schedule.setSite(US);
    CDutchAuction lot;
    lot.setSite(&schedule);
    options.StartingPriceText = options.ClosingPriceText = inLocale(options.StartingPriceText);
    const LotListingFees fees = ComputeLotListingFees(lot, options, offeredText, QString::number(options.ItemsSold));
    const QStringList shown{fees.ExtrasText, fees.TotalSalesText, fees.TotalText, fees.CostPerItemText};
    QCOMPARE(shown.join(u'|'), inLocale(expected.join(u'|')));
}

void TestLotFees::changeOfSiteAppliesToNextComputation()
{
    CAuctionSite schedule;
    schedule.setSite(US);
    CDutchAuction lot;
    lot.setSite(&schedule);
    QCOMPARE(lot.InsertionFee(inLocale("5.00"), 20, false), inLocale("2.4"));
    QCOMPARE(lot.FVF(inLocale("40.00"), QStringLiteral("2")), inLocale("3.45"));  // 2 × (1.3125 + 15 × 0.0275)
    schedule.setSite(UK);
    QCOMPARE(lot.InsertionFee(inLocale("5.00"), 20, false), inLocale("2"));
    QCOMPARE(lot.FVF(inLocale("40.00"), QStringLiteral("2")), inLocale("3.80"));  // 2 × (1.575 + 10 × 0.0325)
    schedule.setSite(0);
    QCOMPARE(lot.InsertionFee(inLocale("5.00"), 20, false), inLocale("0"));
    QCOMPARE(lot.FVF(inLocale("40.00"), QStringLiteral("2")), inLocale("0.00"));
}

QTEST_GUILESS_MAIN(TestLotFees)
#include "tst_lotfees.moc"
