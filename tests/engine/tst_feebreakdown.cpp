#include "CAuctionSite.h"
#include "FeeBreakdown.h"
#include "ListingFees.h"
#include "NumberText.h"
#include "TestLocales.h"

#include <QTest>

Q_DECLARE_METATYPE(ListingSnapshot)

namespace {

using Kind = BreakdownLine::Kind;

constexpr qint32 US = CAuctionSite::UnitedStates;
constexpr qint32 Sites[] = {CAuctionSite::UnitedStates, CAuctionSite::UnitedKingdom, CAuctionSite::Canada,
                            CAuctionSite::Germany};

QString cents(double value)
{
    return QString::number(value, 'f', 2);
}

// A single item as the tab holds it after its clean-up; prices are written with ".".
ListingSnapshot single(qint32 site, const QString &starting, const QString &closing, ListingOptions o = {})
{
    ListingSnapshot listing;
    listing.Site = site;
    o.StartingPriceText = starting;
    o.ClosingPriceText = closing;
    listing.Options = o;
    listing.HasFees = true;
    return listing;
}

ListingSnapshot lot(qint32 site, const QString &opening, int offered, const QString &lowest, int sold,
                    ListingOptions o = {})
{
    ListingSnapshot listing = single(site, opening, lowest, o);
    listing.Type = ListingSnapshot::Kind::MultipleItems;
    listing.Options.ItemsOffered = offered;
    listing.Options.ItemsSold = sold;
    listing.ItemsOfferedText = QString::number(offered);
    listing.ItemsSoldText = QString::number(sold);
    return listing;
}

ListingOptions everyFeature(bool twoCategories, qint32 pictureChoice)
{
    ListingOptions o;
    o.TwoCategories = twoCategories;
    o.FeaturedPlus = o.HomePageFeatured = o.Gallery = o.GalleryFeatured = o.Bold = o.Highlight = true;
    o.GiftIcon = o.BuyItNow = o.TenDayAuction = o.ExtraPictures = o.Supersize = o.Slideshow = true;
    o.Scheduled = o.ListingDesigner = o.Subtitle = true;
    o.ExtraPicturesChoice = pictureChoice;
    return o;
}

ListingSnapshot inLocale(ListingSnapshot listing)
{
    listing.Options.StartingPriceText = ::inLocale(listing.Options.StartingPriceText);
    listing.Options.ClosingPriceText = ::inLocale(listing.Options.ClosingPriceText);
    listing.ItemSold = listing.Type == ListingSnapshot::Kind::SingleItem ? RegularItemSold(listing.Options)
                                                                          : listing.Options.ItemsSold > 0;
    return listing;
}

const BreakdownLine *lineOf(const FeeBreakdown &breakdown, Kind kind)
{
    for (const BreakdownLine &line : breakdown.Lines) {
        if (line.Type == kind)
            return &line;
    }
    return nullptr;
}

} // namespace

class TestFeeBreakdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }

    // The breakdown's total is the tab's, and its lines add up to it, over every tier, feature,
    // flat fee and site. `tier` is the insertion tier the starting price must fall in (-2: any).
    void totalIsTheTabsAndLinesAddUp_data()
    {
        QTest::addColumn<ListingSnapshot>("listing");
        QTest::addColumn<int>("tier");
        for (qint32 site : Sites) {
            CAuctionSite s;
            s.setSite(site);
            const QString name = s.CurrencyString() + QLatin1Char(' ');
            const auto row = [&](const QString &what, const ListingSnapshot &listing, int tier = -2) {
                QTest::newRow(qPrintable(name + what)) << listing << tier;
            };
            const float uppers[] = {s.ListingFeeFirstTierUpper(),  s.ListingFeeSecondTierUpper(),
                                    s.ListingFeeThirdTierUpper(),  s.ListingFeeFourthTierUpper(),
                                    s.ListingFeeFifthTierUpper(),  s.ListingFeeSixthTierUpper()};
            const bool sixthEmpty = uppers[5] == uppers[4];
            for (int tier = 0; tier < 6; ++tier) {
                // An empty sixth tier sends its lower bound on to the seventh.
                const bool empty = tier == 5 && sixthEmpty;
                row(QStringLiteral("listing tier %1 top").arg(tier), single(site, cents(uppers[tier]), QString()),
                    empty ? 4 : tier);
                row(QStringLiteral("listing tier %1 next").arg(tier),
                    single(site, cents(uppers[tier] + 0.01), QString()),
                    empty || tier == 5 || (tier == 4 && sixthEmpty) ? 6 : tier + 1);
            }
            // Between a first tier ending at 0.99 and the next starting at 1.00.
            row(QStringLiteral("no tier"), single(site, QStringLiteral("0.995"), QString()), uppers[0] < 0.995f ? -1 : 0);
            for (const char *price : {"25.00", "25.01", "30.01", "35.01", "50.01", "152.50", "500.00", "600.00",
                                      "600.01", "1000.00", "1000.01", "1450.01", "2000.00"}) {
                row(QStringLiteral("sold at %1").arg(QLatin1String(price)),
                    single(site, QStringLiteral("1.00"), QLatin1String(price)));
                row(QStringLiteral("lot sold at %1").arg(QLatin1String(price)),
                    lot(site, QStringLiteral("1.00"), 10, QLatin1String(price), 7));
            }
            for (const char *reserve : {"49.99", "50.00", "69.99", "150.00", "199.99", "200.00", "333.50",
                                        "5000.00", "15000.00", "51.25"}) {
                for (bool sold : {false, true}) {
                    for (bool two : {false, true}) {
                        ListingOptions o;
                        o.IsReserve = true;
                        o.TwoCategories = two;
                        row(QStringLiteral("reserve %1 %2%3").arg(QLatin1String(reserve), sold ? "sold" : "unsold",
                                                                 two ? " two categories" : ""),
                            single(site, QLatin1String(reserve), sold ? QLatin1String(reserve) : QStringLiteral("0"),
                                   o));
                    }
                }
            }
            for (bool two : {false, true}) {
                const QString cats = two ? QStringLiteral(" two categories") : QString();
                for (qint32 pictures : {0, 2, 5}) {
                    row(QStringLiteral("every feature, pictures %1%2").arg(pictures).arg(cats),
                        single(site, QStringLiteral("12.00"), QStringLiteral("80.00"), everyFeature(two, pictures)));
                    row(QStringLiteral("lot, every feature, pictures %1%2").arg(pictures).arg(cats),
                        lot(site, QStringLiteral("2.50"), 10, QStringLiteral("3.00"), 4, everyFeature(two, pictures)));
                }
                for (bool motorcycle : {false, true}) {
                    ListingOptions o = everyFeature(two, 1);
                    o.Vehicle = o.Motors = true;
                    o.Motorcycle = motorcycle;
                    for (const char *price : {"2999.99", "3000.00", "5000.00", "9999.99", "12000.00"})
                        row(QStringLiteral("vehicle%1 %2%3").arg(motorcycle ? " motorcycle" : "", price, cats),
                            single(site, QStringLiteral("100.00"), QLatin1String(price), o));
                }
                for (qint32 type = 0; type < 4; ++type) {
                    for (bool timeshare : {false, true}) {
                        ListingOptions o;
                        o.RealEstate = true;
                        o.Timeshare = timeshare;
                        o.RealEstateType = type;
                        o.TwoCategories = two;
                        row(QStringLiteral("real estate %1%2%3").arg(type).arg(timeshare ? " timeshare" : "", cats),
                            single(site, QStringLiteral("50000.00"), QStringLiteral("60000.00"), o));
                    }
                }
                ListingOptions unsold = everyFeature(two, 3);
                unsold.DidNotSell = true;
                row(QStringLiteral("did not sell") + cats, single(site, QStringLiteral("5.00"), QStringLiteral("9.00"), unsold));
                row(QStringLiteral("lot, none sold") + cats, lot(site, QStringLiteral("0.27"), 37, QStringLiteral("0.27"), 0, unsold));
            }
        }
    }
    void totalIsTheTabsAndLinesAddUp()
    {
        QFETCH(ListingSnapshot, listing);
        QFETCH(int, tier);
        listing = inLocale(listing);
        CAuctionSite site;
        site.setSite(listing.Site);
        const FeeBreakdown breakdown = BreakDownFees(site, listing);

        QVERIFY(breakdown.HasFees);
        QCOMPARE(breakdown.TotalText, ListingTotalText(site, listing));
        MoneyValue sum;
        for (const BreakdownLine &line : breakdown.Lines) {
            QVERIFY2(IsNumericText(line.AmountText), qPrintable(line.AmountText));
            sum += MoneyFromText(line.AmountText);
            // The tab's steps may keep a cent apart, never more.
            if (line.Type == Kind::Rounding)
                QVERIFY(qAbs(MoneyFromText(line.AmountText).tenThousandths()) <= 100);
            // A reserve fee of fractions of a cent doubles before it is rounded.
            if (line.Doubled && line.Type != Kind::ReserveFee)
                QCOMPARE(MoneyFromText(line.SingleAmountText).times(2), MoneyFromText(line.AmountText));
        }
        QCOMPARE(MoneyText(sum), breakdown.TotalText);
        if (tier != -2)
            QCOMPARE(lineOf(breakdown, Kind::InsertionFee)->Tier.Index, tier);
        // Home-page featured and scheduled listing are never doubled, nor are a lot's pictures.
        for (const BreakdownLine &line : breakdown.Lines) {
            const bool lotPictures = listing.Type == ListingSnapshot::Kind::MultipleItems
                && line.Feature == ListingFeature::ExtraPictures;
            if (line.Feature == ListingFeature::HomePageFeatured || line.Feature == ListingFeature::Scheduled
                || lotPictures)
                QVERIFY(!line.Doubled);
        }
    }

    // The texts a person checks the fee by: the tier a price fell in and the tier parts.
    void tierTexts()
    {
        CAuctionSite site;
        site.setSite(US);
        ListingOptions reserve;
        reserve.IsReserve = true;
        FeeBreakdown b = BreakDownFees(site, inLocale(single(US, QStringLiteral("150.00"), QStringLiteral("1.00"), reserve)));
        const BreakdownTier &listingTier = lineOf(b, Kind::InsertionFee)->Tier;
        QCOMPARE(listingTier.Index, 4);
        QCOMPARE(listingTier.LowerText, ::inLocale(QStringLiteral("50.00")));
        QCOMPARE(listingTier.UpperText, ::inLocale(QStringLiteral("199.99")));
        const BreakdownTier &reserveTier = lineOf(b, Kind::ReserveFee)->Tier;
        QCOMPARE(reserveTier.Index, 1);
        QCOMPARE(reserveTier.LowerText + QLatin1Char('-') + reserveTier.UpperText, ::inLocale(QStringLiteral("50.00-199.99")));
        QCOMPARE(lineOf(b, Kind::ReserveFee)->AmountText, ::inLocale(QStringLiteral("2.00")));

        // The parts' cents make the fee: shown in cents.
        b = BreakDownFees(site, inLocale(single(US, QStringLiteral("9.99"), QStringLiteral("152.50"))));
        QCOMPARE(lineOf(b, Kind::InsertionFee)->Tier.ValueText, ::inLocale(QStringLiteral("9.99")));
        QCOMPARE(lineOf(b, Kind::InsertionFee)->Tier.LowerText, ::inLocale(QStringLiteral("1.00")));
        const BreakdownLine *fvf = lineOf(b, Kind::FinalValueFee);
        QCOMPARE(fvf->AmountText, ::inLocale(QStringLiteral("4.82")));
        QCOMPARE(fvf->Parts.size(), 2);
        const auto part = [](const BreakdownTierPart &p) {
            return QStringList{p.RatePercentText, p.FromText, p.ToText, p.AmountText}.join(QLatin1Char('|'));
        };
        QCOMPARE(part(fvf->Parts[0]), ::inLocale(QStringLiteral("5.25||25.00|1.31")));
        QCOMPARE(part(fvf->Parts[1]), ::inLocale(QStringLiteral("2.75|25.01|152.50|3.51")));

        // 1.31 + 2.06 would not make 3.38: the parts show their ten-thousandths.
        b = BreakDownFees(site, inLocale(single(US, QStringLiteral("1.00"), QStringLiteral("100.00"))));
        fvf = lineOf(b, Kind::FinalValueFee);
        QCOMPARE(fvf->AmountText, ::inLocale(QStringLiteral("3.38")));
        QCOMPARE(part(fvf->Parts[0]), ::inLocale(QStringLiteral("5.25||25.00|1.3125")));
        QCOMPARE(part(fvf->Parts[1]), ::inLocale(QStringLiteral("2.75|25.01|100.00|2.0625")));

        b = BreakDownFees(site, inLocale(single(US, QStringLiteral("1.00"), QStringLiteral("2000.00"))));
        QCOMPARE(part(lineOf(b, Kind::FinalValueFee)->Parts[2]), ::inLocale(QStringLiteral("1.5|1000.01|2000.00|15.00")));

        // A lot: the per-item fee at its digits times the items sold.
        b = BreakDownFees(site, inLocale(lot(US, QStringLiteral("1.00"), 10, QStringLiteral("10.00"), 5)));
        fvf = lineOf(b, Kind::FinalValueFee);
        QCOMPARE(fvf->PerItemText, ::inLocale(QStringLiteral("0.525")));
        QCOMPARE(fvf->ItemsSold, 5);
        QCOMPARE(fvf->AmountText, ::inLocale(QStringLiteral("2.63")));
        QCOMPARE(lineOf(b, Kind::InsertionFee)->Tier.ValueText, ::inLocale(QStringLiteral("10.00")));
        QCOMPARE(b.CostPerItemText, MoneyText(MoneyFromText(b.TotalText).toDouble() / 5));
    }

    void lotWithEntriesMissingHasNoFees()
    {
        CAuctionSite site;
        site.setSite(US);
        ListingSnapshot listing = lot(US, QStringLiteral("1.00"), 10, QString(), 0);
        listing.HasFees = false;
        const FeeBreakdown b = BreakDownFees(site, listing);
        QVERIFY(!b.HasFees);
        QVERIFY(b.Lines.isEmpty());
        QVERIFY(b.TotalText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFeeBreakdown)
#include "tst_feebreakdown.moc"
