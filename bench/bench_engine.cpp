// Whole calculations of the fee engine, from entry texts to the texts the result fields show.
// Run: build/bin/bench_engine --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "FeeEngine.h"
#include "ListingFees.h"
#include "NumberText.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

// A single-item listing on eBay.com: opened at 150, sold at 275.50, with five extra features.
struct SingleItemListing
{
    CAuctionSite site;
    CRegularAuction auction;
    ListingOptions options;

    SingleItemListing()
    {
        site.setSite(CAuctionSite::UnitedStates);
        auction.setSite(&site);
        options.StartingPriceText = QStringLiteral("150");
        options.ClosingPriceText = QStringLiteral("275.50");
        options.FeaturedPlus = options.Gallery = options.Bold = options.Highlight = options.Subtitle = true;
    }
    SingleItemListing(const SingleItemListing &) = delete;
    SingleItemListing &operator=(const SingleItemListing &) = delete;
};

// The listing's fees step by step: insertion fee, the reserve fee of an unsold reserve auction,
// the final value fee and five extra features, each summed into the total.
void SingleItemCalculation(benchmark::State &state)
{
    const SingleItemListing listing;
    const CRegularAuction &auction = listing.auction;
    const ListingOptions &options = listing.options;
    for (auto _ : state) {
        const QString insertion = auction.InsertionFee(options.StartingPriceText, false, false, false, false, false, 0);
        const float reserve = SingleFromText(auction.ReserveFee(options.StartingPriceText, false, false));
        const QString listingFee = MoneyText(SingleFromText(insertion) + reserve);
        const QString fvf = auction.FVF(options.ClosingPriceText, false, false, false, false);
        const QString extras = auction.ExtraFeaturesFee(options);
        const QString total = MoneyText(SingleFromText(listingFee) + SingleFromText(fvf) + SingleFromText(extras));
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(SingleItemCalculation);

// The same listing through the function the single-item tab itself runs, which computes only the
// fees the listing pays (a sold item pays no reserve fee) and gives the four texts the tab shows.
void SingleItemTabFees(benchmark::State &state)
{
    const SingleItemListing listing;
    for (auto _ : state) {
        const RegularListingFees fees = ComputeRegularListingFees(listing.auction, listing.options, true);
        benchmark::DoNotOptimize(fees);
    }
}
BENCHMARK(SingleItemTabFees);

// A multiple-item lot: insertion fee of the lot, extras, final value fee of the items sold,
// the total as money and the fee per item sold.
void MultipleItemCalculation(benchmark::State &state)
{
    CAuctionSite site;
    site.setSite(CAuctionSite::UnitedStates);
    CDutchAuction auction;
    auction.setSite(&site);

    ListingOptions options;
    options.Gallery = options.Bold = options.HomePageFeatured = true;
    const QString openingText = QStringLiteral("2.50");
    const QString offeredText = QStringLiteral("10");
    const QString soldText = QStringLiteral("7");
    const QString finalText = QStringLiteral("3.10");

    for (auto _ : state) {
        const MoneyValue opening = MoneyFromText(openingText);
        const qint16 offered = WholeNumber16FromText(offeredText);
        MoneyValue fees = MoneyFromText(auction.InsertionFee(PlainText(opening), offered, false));
        const float extras = auction.ExtraFeaturesTotal(options, offered);
        const QString extrasText = MoneyText(extras);
        fees += MoneyValue::fromSingle(extras);
        fees += MoneyValue::fromSingle(SingleFromText(auction.FVF(finalText, soldText)));
        const QString total = MoneyText(fees);
        const QString perItem = MoneyText(fees.toDouble() / WholeNumber16FromText(soldText));
        benchmark::DoNotOptimize(extrasText);
        benchmark::DoNotOptimize(total);
        benchmark::DoNotOptimize(perItem);
    }
}
BENCHMARK(MultipleItemCalculation);

// A PayPal fee on the UK site with the built-in rate, rounded to cents as the tab shows it.
void PayPalCalculation(benchmark::State &state)
{
    CAuctionSite site;
    site.setSite(CAuctionSite::UnitedKingdom);
    CPaymentService payment;
    payment.setSite(&site);
    const QString amount = QStringLiteral("100");

    for (auto _ : state) {
        const QString fee = MoneyText(DoubleFromText(payment.PayPalFee(amount, false, true, QString(), true)));
        const QString shownAmount = MoneyText(MoneyFromText(amount));
        benchmark::DoNotOptimize(fee);
        benchmark::DoNotOptimize(shownAmount);
    }
}
BENCHMARK(PayPalCalculation);

// The number texts alone, each on the quick path the fields' texts take and on the general one
// (argument 0) that every other text takes.
void readingAs(benchmark::State &state, auto read)
{
    UseQuickNumberPaths(state.range(0) != 0);
    const QString texts[] = {QStringLiteral("150"), QStringLiteral("275.50"), QStringLiteral("0.35"),
                             QStringLiteral("12.5")};
    for (auto _ : state) {
        for (const QString &text : texts)
            benchmark::DoNotOptimize(read(text));
    }
    UseQuickNumberPaths(true);
}

void writingOf(benchmark::State &state, auto write)
{
    UseQuickNumberPaths(state.range(0) != 0);
    const float values[] = {0.35f, 14.4625f, 2.4f, 1234.5678f};
    for (auto _ : state) {
        for (const float value : values)
            benchmark::DoNotOptimize(write(value));
    }
    UseQuickNumberPaths(true);
}

void FourSinglesFromText(benchmark::State &state)
{
    readingAs(state, [](const QString &text) { return SingleFromText(text); });
}
BENCHMARK(FourSinglesFromText)->Arg(1)->Arg(0);

void FourMoneyValuesFromText(benchmark::State &state)
{
    readingAs(state, [](const QString &text) { return MoneyFromText(text); });
}
BENCHMARK(FourMoneyValuesFromText)->Arg(1)->Arg(0);

void FourMoneyTextsOfSingles(benchmark::State &state)
{
    writingOf(state, [](float value) { return MoneyText(value); });
}
BENCHMARK(FourMoneyTextsOfSingles)->Arg(1)->Arg(0);

void FourPlainTextsOfSingles(benchmark::State &state)
{
    writingOf(state, [](float value) { return PlainText(value); });
}
BENCHMARK(FourPlainTextsOfSingles)->Arg(1)->Arg(0);

} // namespace

int main(int argc, char **argv)
{
    UseNumberLocale(QLocale(QStringLiteral("en_US")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
