// The fee breakdown as its panel works it out at every recalculation of the tab: the tab's fees
// once more, each fee itemised with its tier, and the rounding check against the total.
// Run: build/bin/bench_feebreakdown --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "CAuctionSite.h"
#include "FeeBreakdown.h"

#include <benchmark/benchmark.h>

namespace {

ListingSnapshot busySingleItem()
{
    ListingSnapshot listing;
    listing.Site = CAuctionSite::UnitedStates;
    ListingOptions &o = listing.Options;
    o.StartingPriceText = QStringLiteral("150.00");
    o.ClosingPriceText = QStringLiteral("1450.00");
    o.TwoCategories = o.FeaturedPlus = o.HomePageFeatured = o.Gallery = o.GalleryFeatured = o.Bold = true;
    o.Highlight = o.GiftIcon = o.BuyItNow = o.TenDayAuction = o.ExtraPictures = o.Slideshow = true;
    o.Scheduled = o.ListingDesigner = o.Subtitle = o.Supersize = true;
    o.ExtraPicturesChoice = 3;
    listing.ItemSold = true;
    listing.HasFees = true;
    return listing;
}

ListingSnapshot busyLot()
{
    ListingSnapshot listing = busySingleItem();
    listing.Type = ListingSnapshot::Kind::MultipleItems;
    listing.Options.BuyItNow = false;
    listing.Options.StartingPriceText = QStringLiteral("2.50");
    listing.Options.ClosingPriceText = QStringLiteral("40.00");
    listing.Options.ItemsOffered = listing.Options.ItemsSold = 40;
    listing.ItemsOfferedText = listing.ItemsSoldText = QStringLiteral("40");
    return listing;
}

void breakDown(benchmark::State &state, const ListingSnapshot &listing)
{
    CAuctionSite site;
    site.setSite(listing.Site);
    for (auto _ : state)
        benchmark::DoNotOptimize(BreakDownFees(site, listing));
}

void BusySingleItem(benchmark::State &state) { breakDown(state, busySingleItem()); }
void BusyLot(benchmark::State &state) { breakDown(state, busyLot()); }

} // namespace

BENCHMARK(BusySingleItem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BusyLot)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
