#include "CAuctionSite.h"
#include "TestLocales.h"

#include <QTest>

#include <cmath>
#include <functional>

// One schedule member, called with the arguments of a table row.
using Member = std::function<float(const CAuctionSite &)>;
Q_DECLARE_METATYPE(Member)

namespace {

constexpr qint32 US = 1;
constexpr qint32 UK = 2;
constexpr qint32 CA = 3;
constexpr qint32 DE = 4;

// Codes that select no schedule: the unset code and codes outside 1..4.
const qint32 offSites[] = {0, 5, -1, 1000};

// The schedule holds singles, and a few values are products formed at each call (x * 0.005,
// 0.30 * rate, n pictures * price): allow a few units in the last place, never around 0.
bool sameAmount(float actual, float expected)
{
    if (expected == 0.0f)
        return actual == 0.0f;
    return std::fabs(actual - expected) <= 1e-6f * std::fabs(expected);
}

QByteArray describe(float actual, float expected)
{
    return QByteArray("actual ") + QByteArray::number(actual, 'g', 9) + " expected "
           + QByteArray::number(expected, 'g', 9);
}

#define COMPARE_AMOUNT(actual, expected)                                                         \
    do {                                                                                         \
        const float a_ = (actual);                                                               \
        const float e_ = (expected);                                                             \
        QVERIFY2(sameAmount(a_, e_), describe(a_, e_).constData());                              \
    } while (false)

// One row per site 1..4 with the given values, and one per code outside 1..4 with offValue.
void addSiteRows(const char *call, const Member &member, float us, float uk, float ca, float de,
                 float offValue = 0.0f)
{
    const struct { qint32 site; const char *name; float value; } onSites[] = {
        {US, "US", us}, {UK, "UK", uk}, {CA, "Canada", ca}, {DE, "Germany", de}};
    for (const auto &s : onSites)
        QTest::addRow("%s %s", call, s.name) << s.site << member << s.value;
    for (qint32 site : offSites)
        QTest::addRow("%s site %d", call, site) << site << member << offValue;
}

} // namespace

// A member call written once serves as row name and as the code under test.
#define SITE_ROW(call, us, uk, ca, de)                                                           \
    addSiteRows(#call, [](const CAuctionSite &s) { return s.call; }, us, uk, ca, de)
#define SITE_ROW_OFF(call, us, uk, ca, de, off)                                                  \
    addSiteRows(#call, [](const CAuctionSite &s) { return s.call; }, us, uk, ca, de, off)

class TestAuctionSite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }

    void newObjectHasNoSite();
    void siteCodeIsKeptAsGiven_data();
    void siteCodeIsKeptAsGiven();
    void currencyString_data();
    void currencyString();

    void insertionTiers_data();
    void insertionTiers() { checkScheduleRow(); }
    void specialInsertionFees_data();
    void specialInsertionFees() { checkScheduleRow(); }
    void reserveTiers_data();
    void reserveTiers() { checkScheduleRow(); }
    void listingFeatures_data();
    void listingFeatures() { checkScheduleRow(); }
    void photosFee_data();
    void photosFee() { checkScheduleRow(); }
    void finalValueFees_data();
    void finalValueFees() { checkScheduleRow(); }
    void paymentServicesWithoutRate_data();
    void paymentServicesWithoutRate() { checkScheduleRow(); }

    void valuesFollowTheSiteAtOnce();
    void conversionRateIsStoredPerSite();
    void conversionRateIgnoredWithoutRateSite_data();
    void conversionRateIgnoredWithoutRateSite();
    void rateProducts_data();
    void rateProducts();
    void rateProductsUseTheRateOfTheMoment();

private:
    static void addScheduleColumns();
    static void checkScheduleRow();
};

void TestAuctionSite::addScheduleColumns()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<Member>("member");
    QTest::addColumn<float>("expected");
}

void TestAuctionSite::checkScheduleRow()
{
    QFETCH(qint32, site);
    QFETCH(Member, member);
    QFETCH(float, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    COMPARE_AMOUNT(member(schedule), expected);
}

void TestAuctionSite::newObjectHasNoSite()
{
    const CAuctionSite schedule;
    QCOMPARE(schedule.Site(), 0);
    QCOMPARE(schedule.CurrencyString(), QString());
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.0f);
    COMPARE_AMOUNT(schedule.HighlightFee(), 0.0f);
    COMPARE_AMOUNT(schedule.FVFFirstTier(), 0.0f);
}

void TestAuctionSite::siteCodeIsKeptAsGiven_data()
{
    QTest::addColumn<qint32>("site");
    for (qint32 site : {1, 2, 3, 4, 0, 5, -1, 1000})
        QTest::addRow("site %d", site) << site;
}

void TestAuctionSite::siteCodeIsKeptAsGiven()
{
    QFETCH(qint32, site);
    CAuctionSite schedule;
    schedule.setSite(3);
    schedule.setSite(site);
    QCOMPARE(schedule.Site(), site);
}

void TestAuctionSite::currencyString_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("expected");
    QTest::newRow("US") << US << QStringLiteral("$");
    QTest::newRow("UK") << UK << QStringLiteral("GBP");
    QTest::newRow("Canada") << CA << QStringLiteral("C$");
    QTest::newRow("Germany") << DE << QStringLiteral("EUR");
    for (qint32 site : offSites)
        QTest::addRow("site %d", site) << site << QString();
}

void TestAuctionSite::currencyString()
{
    QFETCH(qint32, site);
    QFETCH(QString, expected);
    CAuctionSite schedule;
    schedule.setSite(site);
    QCOMPARE(schedule.CurrencyString(), expected);
}

void TestAuctionSite::insertionTiers_data()
{
    addScheduleColumns();
    SITE_ROW(ListingFeeFirstTierUpper(), 0.99f, 0.99f, 0.99f, 1.99f);
    SITE_ROW(ListingFeeSecondTierUpper(), 9.99f, 4.99f, 14.99f, 9.99f);
    SITE_ROW(ListingFeeThirdTierUpper(), 24.99f, 14.99f, 34.99f, 24.99f);
    SITE_ROW(ListingFeeFourthTierUpper(), 49.99f, 29.99f, 69.99f, 99.99f);
    SITE_ROW(ListingFeeFifthTierUpper(), 199.99f, 99.99f, 299.99f, 249.99f);
    // UK and Germany: the sixth tier is empty, its upper bound equals the fifth.
    SITE_ROW(ListingFeeSixthTierUpper(), 499.99f, 99.99f, 699.99f, 249.99f);
    SITE_ROW(ListingFeeFirstTier(), 0.30f, 0.15f, 0.35f, 0.25f);
    SITE_ROW(ListingFeeSecondTier(), 0.35f, 0.20f, 0.45f, 0.45f);
    SITE_ROW(ListingFeeThirdTier(), 0.60f, 0.35f, 0.85f, 0.80f);
    SITE_ROW(ListingFeeFourthTier(), 1.20f, 0.75f, 1.65f, 1.60f);
    SITE_ROW(ListingFeeFifthTier(), 2.40f, 1.50f, 3.30f, 3.20f);
    SITE_ROW(ListingFeeSixthTier(), 3.60f, 2.00f, 5.15f, 4.80f);
    SITE_ROW(ListingFeeSeventhTier(), 4.80f, 2.00f, 6.75f, 4.80f);
}

void TestAuctionSite::specialInsertionFees_data()
{
    addScheduleColumns();
    // Residential property by listing type; the UK charges 35 whatever the type.
    SITE_ROW(RealEstateInsertionFee(false, 0), 100.0f, 35.0f, 70.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(false, 1), 150.0f, 35.0f, 75.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(false, 2), 150.0f, 35.0f, 75.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(false, 3), 300.0f, 35.0f, 150.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(false, -1), 0.0f, 35.0f, 0.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(false, 4), 0.0f, 35.0f, 0.0f, 0.0f);
    // Timeshare or land: only the US auction types are cheaper.
    SITE_ROW(RealEstateInsertionFee(true, 0), 35.0f, 35.0f, 70.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(true, 1), 50.0f, 35.0f, 75.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(true, 2), 150.0f, 35.0f, 75.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(true, 3), 300.0f, 35.0f, 150.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(true, -1), 0.0f, 35.0f, 0.0f, 0.0f);
    SITE_ROW(RealEstateInsertionFee(true, 4), 0.0f, 35.0f, 0.0f, 0.0f);

    SITE_ROW(VehicleInsertionFee(true), 30.0f, 6.0f, 35.0f, 10.0f);
    SITE_ROW(VehicleInsertionFee(false), 40.0f, 6.0f, 35.0f, 10.0f);
}

void TestAuctionSite::reserveTiers_data()
{
    addScheduleColumns();
    SITE_ROW(ReserveSecondTierLower(), 50.0f, 50.0f, 70.0f, 0.0f);
    SITE_ROW(ReserveThirdTierLower(), 200.0f, 5000.0f, 300.0f, 0.0f);

    SITE_ROW(ReserveFirstTier(true), 2.00f, 3.00f, 1.50f, 0.0f);
    SITE_ROW(ReserveFirstTier(false), 1.00f, 1.00f, 1.50f, 0.0f);

    // The UK second tier is 2 % of the reserve, except for vehicles.
    SITE_ROW(ReserveSecondTier(100.0f, false), 2.00f, 2.00f, 3.00f, 0.0f);
    SITE_ROW(ReserveSecondTier(60.0f, false), 2.00f, 1.20f, 3.00f, 0.0f);
    SITE_ROW(ReserveSecondTier(4999.99f, false), 2.00f, 99.9998f, 3.00f, 0.0f);
    SITE_ROW(ReserveSecondTier(60.0f, true), 2.00f, 3.00f, 3.00f, 0.0f);

    // 1 % of the reserve, capped at 100 in the US and 150 in Canada; flat in the UK.
    SITE_ROW(ReserveThirdTier(200.0f, false), 2.00f, 1.00f, 2.00f, 0.0f);
    SITE_ROW(ReserveThirdTier(300.0f, false), 3.00f, 1.00f, 3.00f, 0.0f);
    SITE_ROW(ReserveThirdTier(5000.0f, false), 50.0f, 1.00f, 50.0f, 0.0f);
    SITE_ROW(ReserveThirdTier(10000.0f, false), 100.0f, 1.00f, 100.0f, 0.0f);
    SITE_ROW(ReserveThirdTier(12000.0f, false), 100.0f, 1.00f, 120.0f, 0.0f);
    SITE_ROW(ReserveThirdTier(15000.0f, false), 100.0f, 1.00f, 150.0f, 0.0f);
    SITE_ROW(ReserveThirdTier(20000.0f, false), 100.0f, 1.00f, 150.0f, 0.0f);
    SITE_ROW(ReserveThirdTier(5000.0f, true), 2.00f, 3.00f, 50.0f, 0.0f);
    SITE_ROW(ReserveThirdTier(20000.0f, true), 2.00f, 3.00f, 150.0f, 0.0f);
}

void TestAuctionSite::listingFeatures_data()
{
    addScheduleColumns();
    SITE_ROW(FeaturedPlusFee(false), 19.95f, 9.95f, 5.00f, 14.95f);
    SITE_ROW(FeaturedPlusFee(true), 19.95f, 9.95f, 5.00f, 17.95f);

    SITE_ROW(HomePageFeaturedFee(-1), 39.95f, 49.95f, 49.95f, 79.95f);
    SITE_ROW(HomePageFeaturedFee(0), 39.95f, 49.95f, 49.95f, 79.95f);
    SITE_ROW(HomePageFeaturedFee(1), 39.95f, 49.95f, 49.95f, 79.95f);
    SITE_ROW(HomePageFeaturedFee(2), 79.95f, 49.95f, 99.95f, 179.95f);
    SITE_ROW(HomePageFeaturedFee(100), 79.95f, 49.95f, 99.95f, 179.95f);

    SITE_ROW(HighlightFee(), 5.00f, 1.50f, 2.00f, 1.50f);
    SITE_ROW(BoldFee(true), 4.00f, 0.75f, 1.00f, 1.50f);
    SITE_ROW(BoldFee(false), 1.00f, 0.75f, 1.00f, 1.50f);
    SITE_ROW(GiftIconFee(true), 2.00f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(GiftIconFee(false), 0.25f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(BINFee(true), 1.00f, 0.06f, 0.05f, 0.10f);
    SITE_ROW(BINFee(false), 0.05f, 0.06f, 0.05f, 0.10f);
    SITE_ROW(TenDayAuctionFee(true), 5.00f, 0.0f, 0.30f, 0.0f);
    SITE_ROW(TenDayAuctionFee(false), 0.20f, 0.0f, 0.30f, 0.0f);
    SITE_ROW(ScheduledListingFee(true), 1.00f, 0.12f, 0.15f, 0.10f);
    SITE_ROW(ScheduledListingFee(false), 0.10f, 0.12f, 0.15f, 0.10f);
    SITE_ROW(SubtitleFee(), 0.50f, 0.50f, 0.75f, 0.50f);
    SITE_ROW(ListingDesignerFee(), 0.10f, 0.0f, 0.0f, 0.10f);

    // The picture pack includes the gallery picture, but only when extra pictures are ticked.
    SITE_ROW(GalleryFee(false, false, 0), 0.25f, 0.15f, 0.25f, 0.75f);
    SITE_ROW(GalleryFee(true, false, 0), 0.0f, 0.15f, 0.25f, 0.75f);
    SITE_ROW(GalleryFee(false, true, 4), 0.25f, 0.15f, 0.25f, 0.75f);
    SITE_ROW(GalleryFee(false, true, 6), 0.25f, 0.15f, 0.25f, 0.75f);
    SITE_ROW(GalleryFee(false, false, 5), 0.25f, 0.15f, 0.25f, 0.75f);
    SITE_ROW(GalleryFee(false, true, 5), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(GalleryFee(true, true, 5), 0.0f, 0.0f, 0.0f, 0.0f);

    // Only the US site distinguishes eBay Motors and vehicles.
    SITE_ROW(GalleryFeaturedFee(true, true), 99.95f, 15.95f, 5.00f, 12.95f);
    SITE_ROW(GalleryFeaturedFee(true, false), 24.95f, 15.95f, 5.00f, 12.95f);
    SITE_ROW(GalleryFeaturedFee(false, true), 19.95f, 15.95f, 5.00f, 12.95f);
    SITE_ROW(GalleryFeaturedFee(false, false), 19.95f, 15.95f, 5.00f, 12.95f);
}

void TestAuctionSite::photosFee_data()
{
    // Per site: picture, supersize and slideshow price
    // US 0.15 / 0.75 / 0.75, UK 0.10 / 0.50 / 0.50, Canada 0.20 / 1.00 / 1.00,
    // Germany 0.15 / 0.75 / 0.75.
    addScheduleColumns();
    SITE_ROW(PhotosFee(false, 0, false, false), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PhotosFee(true, 0, false, false), 0.15f, 0.10f, 0.20f, 0.15f);
    SITE_ROW(PhotosFee(true, 1, false, false), 0.30f, 0.20f, 0.40f, 0.30f);
    SITE_ROW(PhotosFee(true, 2, false, false), 0.45f, 0.30f, 0.60f, 0.45f);
    SITE_ROW(PhotosFee(true, 3, false, false), 0.60f, 0.40f, 0.80f, 0.60f);
    SITE_ROW(PhotosFee(true, 4, false, false), 0.75f, 0.50f, 1.00f, 0.75f);
    // A choice outside the list counts no pictures, but supersize and slideshow still count.
    SITE_ROW(PhotosFee(true, 6, false, false), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PhotosFee(true, -1, false, false), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PhotosFee(true, 6, true, false), 0.75f, 0.50f, 1.00f, 0.75f);
    SITE_ROW(PhotosFee(true, -1, false, true), 0.75f, 0.50f, 1.00f, 0.75f);
    // Pictures not ticked: the choice costs nothing.
    SITE_ROW(PhotosFee(false, 2, false, false), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PhotosFee(false, 2, true, false), 0.75f, 0.50f, 1.00f, 0.75f);
    SITE_ROW(PhotosFee(false, 0, false, true), 0.75f, 0.50f, 1.00f, 0.75f);
    SITE_ROW(PhotosFee(false, 2, true, true), 1.50f, 1.00f, 2.00f, 1.50f);
    SITE_ROW(PhotosFee(true, 2, true, true), 1.95f, 1.30f, 2.60f, 1.95f);
    SITE_ROW(PhotosFee(true, 4, true, false), 1.50f, 1.00f, 2.00f, 1.50f);
    // The pack: 1.00 everywhere (even without a site), supersize included, slideshow extra.
    SITE_ROW_OFF(PhotosFee(true, 5, false, false), 1.00f, 1.00f, 1.00f, 1.00f, 1.00f);
    SITE_ROW_OFF(PhotosFee(true, 5, true, false), 1.00f, 1.00f, 1.00f, 1.00f, 1.00f);
    SITE_ROW_OFF(PhotosFee(true, 5, false, true), 1.75f, 1.50f, 2.00f, 1.75f, 1.00f);
    SITE_ROW_OFF(PhotosFee(true, 5, true, true), 1.75f, 1.50f, 2.00f, 1.75f, 1.00f);
    // The pack choice suppresses supersize even when pictures are not ticked.
    SITE_ROW(PhotosFee(false, 5, false, false), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PhotosFee(false, 5, true, false), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PhotosFee(false, 5, true, true), 0.75f, 0.50f, 1.00f, 0.75f);
}

void TestAuctionSite::finalValueFees_data()
{
    addScheduleColumns();
    SITE_ROW(FVFSecondTierLower(), 25.01f, 30.01f, 35.01f, 50.01f);
    SITE_ROW(FVFThirdTierLower(), 1000.0f, 600.0f, 1450.0f, 500.0f);
    SITE_ROW(FVFFirstTier(), 0.0525f, 0.0525f, 0.0525f, 0.05f);
    SITE_ROW(FVFSecondTier(), 0.0275f, 0.0325f, 0.0275f, 0.04f);
    SITE_ROW(FVFThirdTier(), 0.015f, 0.0175f, 0.015f, 0.02f);

    // Cars: UK 15 below 3000, 0.5 % up to 6000, then 30; Germany 50 + 0.5 % below 10000, then 100.
    SITE_ROW(VehicleFVF(false, 0.0f), 40.0f, 15.0f, 35.0f, 50.0f);
    SITE_ROW(VehicleFVF(false, 1000.0f), 40.0f, 15.0f, 35.0f, 55.0f);
    SITE_ROW(VehicleFVF(false, 2999.99f), 40.0f, 15.0f, 35.0f, 64.99995f);
    SITE_ROW(VehicleFVF(false, 3000.0f), 40.0f, 15.0f, 35.0f, 65.0f);
    SITE_ROW(VehicleFVF(false, 5000.0f), 40.0f, 25.0f, 35.0f, 75.0f);
    SITE_ROW(VehicleFVF(false, 5999.99f), 40.0f, 29.99995f, 35.0f, 79.99995f);
    SITE_ROW(VehicleFVF(false, 6000.0f), 40.0f, 30.0f, 35.0f, 80.0f);
    SITE_ROW(VehicleFVF(false, 9999.99f), 40.0f, 30.0f, 35.0f, 99.99995f);
    SITE_ROW(VehicleFVF(false, 10000.0f), 40.0f, 30.0f, 35.0f, 100.0f);
    SITE_ROW(VehicleFVF(false, 50000.0f), 40.0f, 30.0f, 35.0f, 100.0f);
    // Motorcycles: the UK scale applies to them too; Germany charges 15 at any price.
    SITE_ROW(VehicleFVF(true, 0.0f), 25.0f, 15.0f, 22.0f, 15.0f);
    SITE_ROW(VehicleFVF(true, 2999.99f), 25.0f, 15.0f, 22.0f, 15.0f);
    SITE_ROW(VehicleFVF(true, 3000.0f), 25.0f, 15.0f, 22.0f, 15.0f);
    SITE_ROW(VehicleFVF(true, 5000.0f), 25.0f, 25.0f, 22.0f, 15.0f);
    SITE_ROW(VehicleFVF(true, 6000.0f), 25.0f, 30.0f, 22.0f, 15.0f);
    SITE_ROW(VehicleFVF(true, 9999.99f), 25.0f, 30.0f, 22.0f, 15.0f);
    SITE_ROW(VehicleFVF(true, 10000.0f), 25.0f, 30.0f, 22.0f, 15.0f);
    SITE_ROW(VehicleFVF(true, 50000.0f), 25.0f, 30.0f, 22.0f, 15.0f);
}

void TestAuctionSite::paymentServicesWithoutRate_data()
{
    // No rate stored: every amount formed with the rate is 0.
    addScheduleColumns();
    SITE_ROW(DefaultConversionRate(), 0.0f, 0.5305f, 1.317f, 0.7854f);
    SITE_ROW(ConversionRate(), 0.0f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PayPalFlatFee(), 0.30f, 0.0f, 0.0f, 0.0f);
    SITE_ROW(PayPalMaxFeeNonCC(), 5.00f, 0.0f, 0.0f, 0.0f);

    SITE_ROW(BillpointFlatFee(), 0.35f, 0.25f, 0.0f, 0.0f);
    // The UK eCheck rate is taken as 2.5 % whatever the reduced-rate flag.
    SITE_ROW(BillpointEcheckRate(true), 0.0125f, 0.025f, 0.0125f, 0.0f);
    SITE_ROW(BillpointEcheckRate(false), 0.02f, 0.025f, 0.02f, 0.0f);
    SITE_ROW(BillpointCCRate(true), 0.0225f, 0.028f, 0.0225f, 0.0f);
    SITE_ROW(BillpointCCRate(false), 0.03f, 0.038f, 0.03f, 0.0f);
    SITE_ROW(BillpointMax(true, true), 2000.0f, 1350.0f, 0.0f, 0.0f);
    SITE_ROW(BillpointMax(false, true), 500.0f, 350.0f, 0.0f, 0.0f);
    SITE_ROW(BillpointMax(true, false), 200.0f, 1350.0f, 0.0f, 0.0f);
    SITE_ROW(BillpointMax(false, false), 200.0f, 350.0f, 0.0f, 0.0f);
    SITE_ROW(BillpointThreshold(), 15.0f, 10.0f, 0.0f, 0.0f);
}

void TestAuctionSite::valuesFollowTheSiteAtOnce()
{
    CAuctionSite schedule;
    schedule.setSite(US);
    COMPARE_AMOUNT(schedule.HighlightFee(), 5.00f);
    QCOMPARE(schedule.CurrencyString(), QStringLiteral("$"));
    schedule.setSite(CA);
    COMPARE_AMOUNT(schedule.HighlightFee(), 2.00f);
    QCOMPARE(schedule.CurrencyString(), QStringLiteral("C$"));
    schedule.setSite(0);
    COMPARE_AMOUNT(schedule.HighlightFee(), 0.0f);
    QCOMPARE(schedule.CurrencyString(), QString());
    schedule.setSite(UK);
    COMPARE_AMOUNT(schedule.HighlightFee(), 1.50f);
}

void TestAuctionSite::conversionRateIsStoredPerSite()
{
    CAuctionSite schedule;
    schedule.setSite(UK);
    schedule.setConversionRate(0.6f);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.6f);

    // Each site starts without a rate of its own.
    schedule.setSite(CA);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.0f);
    schedule.setConversionRate(1.25f);
    schedule.setSite(DE);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.0f);
    schedule.setConversionRate(0.9f);

    schedule.setSite(UK);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.6f);
    schedule.setSite(CA);
    COMPARE_AMOUNT(schedule.ConversionRate(), 1.25f);
    schedule.setSite(DE);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.9f);

    // A later write replaces only the current site's rate.
    schedule.setSite(CA);
    schedule.setConversionRate(1.5f);
    schedule.setSite(UK);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.6f);
    schedule.setSite(CA);
    COMPARE_AMOUNT(schedule.ConversionRate(), 1.5f);
    schedule.setSite(DE);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.9f);
}

void TestAuctionSite::conversionRateIgnoredWithoutRateSite_data()
{
    QTest::addColumn<qint32>("site");
    QTest::newRow("US") << US;
    for (qint32 site : offSites)
        QTest::addRow("site %d", site) << site;
}

void TestAuctionSite::conversionRateIgnoredWithoutRateSite()
{
    QFETCH(qint32, site);
    CAuctionSite schedule;
    schedule.setSite(UK);
    schedule.setConversionRate(0.5f);
    schedule.setSite(CA);
    schedule.setConversionRate(1.25f);
    schedule.setSite(DE);
    schedule.setConversionRate(0.75f);

    schedule.setSite(site);
    schedule.setConversionRate(2.0f);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.0f);
    if (site == US) {
        COMPARE_AMOUNT(schedule.PayPalFlatFee(), 0.30f);
        COMPARE_AMOUNT(schedule.PayPalMaxFeeNonCC(), 5.00f);
    } else {
        COMPARE_AMOUNT(schedule.PayPalFlatFee(), 0.0f);
    }

    schedule.setSite(UK);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.5f);
    schedule.setSite(CA);
    COMPARE_AMOUNT(schedule.ConversionRate(), 1.25f);
    schedule.setSite(DE);
    COMPARE_AMOUNT(schedule.ConversionRate(), 0.75f);
}

void TestAuctionSite::rateProducts_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<float>("rate");
    QTest::addColumn<Member>("member");
    QTest::addColumn<float>("expected");

#define RATE_ROW(name, site, rate, call, expected)                                               \
    QTest::newRow(name) << qint32(site) << float(rate)                                          \
                        << Member([](const CAuctionSite &s) { return s.call; }) << float(expected)

    RATE_ROW("UK rate", UK, 0.5305f, ConversionRate(), 0.5305f);
    RATE_ROW("UK PayPal flat fee", UK, 0.5305f, PayPalFlatFee(), 0.15915f);
    RATE_ROW("UK PayPal max fee", UK, 0.5305f, PayPalMaxFeeNonCC(), 2.6525f);
    RATE_ROW("UK Billpoint flat fee ignores the rate", UK, 0.5305f, BillpointFlatFee(), 0.25f);
    RATE_ROW("UK Billpoint threshold ignores the rate", UK, 0.5305f, BillpointThreshold(), 10.0f);
    RATE_ROW("UK Billpoint max ignores the rate", UK, 0.5305f, BillpointMax(false, true), 350.0f);

    RATE_ROW("Canada rate", CA, 1.317f, ConversionRate(), 1.317f);
    RATE_ROW("Canada PayPal flat fee", CA, 1.317f, PayPalFlatFee(), 0.3951f);
    RATE_ROW("Canada PayPal max fee", CA, 1.317f, PayPalMaxFeeNonCC(), 6.585f);
    RATE_ROW("Canada Billpoint flat fee", CA, 1.317f, BillpointFlatFee(), 0.46095f);
    RATE_ROW("Canada Billpoint threshold", CA, 1.317f, BillpointThreshold(), 19.755f);
    RATE_ROW("Canada Billpoint max card reduced", CA, 1.317f, BillpointMax(true, true), 2634.0f);
    RATE_ROW("Canada Billpoint max card", CA, 1.317f, BillpointMax(false, true), 658.5f);
    RATE_ROW("Canada Billpoint max no card reduced", CA, 1.317f, BillpointMax(true, false),
             263.4f);
    RATE_ROW("Canada Billpoint max no card", CA, 1.317f, BillpointMax(false, false), 263.4f);
    RATE_ROW("Canada Billpoint rates ignore the rate", CA, 1.317f, BillpointCCRate(false), 0.03f);

    RATE_ROW("Germany rate", DE, 0.7854f, ConversionRate(), 0.7854f);
    RATE_ROW("Germany PayPal flat fee", DE, 0.7854f, PayPalFlatFee(), 0.23562f);
    RATE_ROW("Germany PayPal max fee", DE, 0.7854f, PayPalMaxFeeNonCC(), 3.927f);
    RATE_ROW("Germany Billpoint flat fee", DE, 0.7854f, BillpointFlatFee(), 0.0f);
    RATE_ROW("Germany Billpoint threshold", DE, 0.7854f, BillpointThreshold(), 0.0f);
    RATE_ROW("Germany Billpoint max", DE, 0.7854f, BillpointMax(false, true), 0.0f);

    // The US site keeps no rate: its amounts are in dollars already.
    RATE_ROW("US rate", US, 2.0f, ConversionRate(), 0.0f);
    RATE_ROW("US PayPal flat fee", US, 2.0f, PayPalFlatFee(), 0.30f);
    RATE_ROW("US PayPal max fee", US, 2.0f, PayPalMaxFeeNonCC(), 5.00f);
    RATE_ROW("US Billpoint flat fee", US, 2.0f, BillpointFlatFee(), 0.35f);
    RATE_ROW("US Billpoint threshold", US, 2.0f, BillpointThreshold(), 15.0f);
    RATE_ROW("US Billpoint max", US, 2.0f, BillpointMax(false, true), 500.0f);

#undef RATE_ROW
}

void TestAuctionSite::rateProducts()
{
    QFETCH(qint32, site);
    QFETCH(float, rate);
    QFETCH(Member, member);
    QFETCH(float, expected);

    CAuctionSite schedule;
    schedule.setSite(site);
    schedule.setConversionRate(rate);
    COMPARE_AMOUNT(member(schedule), expected);
}

void TestAuctionSite::rateProductsUseTheRateOfTheMoment()
{
    CAuctionSite schedule;
    schedule.setSite(CA);
    schedule.setConversionRate(1.317f);
    COMPARE_AMOUNT(schedule.PayPalFlatFee(), 0.3951f);
    schedule.setConversionRate(2.0f);
    COMPARE_AMOUNT(schedule.PayPalFlatFee(), 0.60f);
    COMPARE_AMOUNT(schedule.BillpointThreshold(), 30.0f);
    schedule.setConversionRate(0.0f);
    COMPARE_AMOUNT(schedule.PayPalMaxFeeNonCC(), 0.0f);
}

QTEST_GUILESS_MAIN(TestAuctionSite)
#include "tst_auctionsite.moc"
