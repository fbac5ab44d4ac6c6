// The comparison of sites as the panel works it out at every recalculation of the tab: four
// listings re-entered, four sets of fees, the conversions and the cheapest mark.

#include "SiteComparison.h"

#include <benchmark/benchmark.h>

namespace {

ListingSnapshot busySingleItem()
{
    ListingSnapshot listing;
    listing.Site = 1;
    ListingOptions &o = listing.Options;
    o.StartingPriceText = QStringLiteral("150.00");
    o.ClosingPriceText = QStringLiteral("120.00");
    o.IsReserve = true;
    o.TwoCategories = o.FeaturedPlus = o.HomePageFeatured = o.Gallery = o.GalleryFeatured = o.Bold = true;
    o.Highlight = o.GiftIcon = o.BuyItNow = o.TenDayAuction = o.ExtraPictures = o.Slideshow = true;
    o.Scheduled = o.ListingDesigner = o.Subtitle = o.Supersize = true;
    o.ExtraPicturesChoice = 3;
    listing.ItemSold = false;
    listing.HasFees = true;
    return listing;
}

ListingSnapshot busyLot()
{
    ListingSnapshot listing = busySingleItem();
    listing.Type = ListingSnapshot::Kind::MultipleItems;
    listing.Options.IsReserve = listing.Options.BuyItNow = false;
    listing.Options.Motors = true;
    listing.Options.StartingPriceText = QStringLiteral("2.50");
    listing.Options.ClosingPriceText = QStringLiteral("4.00");
    listing.Options.ItemsOffered = listing.Options.ItemsSold = 40;
    listing.ItemsOfferedText = listing.ItemsSoldText = QStringLiteral("40");
    listing.ItemSold = true;
    return listing;
}

void compare(benchmark::State &state, const ListingSnapshot &listing)
{
    const SiteRateTexts rates{QString(), QString(), QStringLiteral("0.55"), QString(), QStringLiteral("0.8")};
    for (auto _ : state) {
        const SiteComparison comparison(listing, rates);
        benchmark::DoNotOptimize(comparison.Columns());
    }
}

void BM_CompareSingleItem(benchmark::State &state) { compare(state, busySingleItem()); }
void BM_CompareLot(benchmark::State &state) { compare(state, busyLot()); }

} // namespace

BENCHMARK(BM_CompareSingleItem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompareLot)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
