// The break-even search as the profit panel runs it at every recalculation: the lowest closing
// price, to the cent, at which the profit reaches the target, found with the tabs' own fees.
// The item's cost puts the answer near 10, 1,000 and 100,000; "beyond reach" searches the whole
// range up to the highest price. The "evaluations" counter is the number of prices tried.
// Run: build/bin/bench_profit --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "CAuctionSite.h"
#include "NumberText.h"
#include "ProfitCalculator.h"

#include <benchmark/benchmark.h>

namespace {

ListingSnapshot singleItem(qint32 site)
{
    ListingSnapshot listing;
    listing.Site = site;
    ListingOptions &o = listing.Options;
    o.StartingPriceText = QStringLiteral("1.00");
    o.ClosingPriceText = QStringLiteral("1.00");
    o.Gallery = o.Bold = o.Subtitle = true;
    listing.ItemSold = true;
    listing.HasFees = true;
    return listing;
}

ListingSnapshot lotWithItemsLeft()
{
    ListingSnapshot listing = singleItem(CAuctionSite::UnitedStates);
    listing.Type = ListingSnapshot::Kind::MultipleItems;
    listing.Options.ItemsOffered = 40;
    listing.Options.ItemsSold = 25;
    listing.ItemsOfferedText = QStringLiteral("40");
    listing.ItemsSoldText = QStringLiteral("25");
    return listing;
}

void search(benchmark::State &state, const ListingSnapshot &listing, const char *itemCost)
{
    const ProfitCalculator calculator{PaymentChoices{}};
    ProfitCosts costs;
    costs.ItemCost = MoneyFromText(QString::fromLatin1(itemCost));
    costs.ShippingCharged = MoneyFromText(u"5");
    costs.ShippingCost = MoneyFromText(u"4.50");
    BreakEven found;
    for (auto _ : state) {
        found = calculator.FindBreakEven(listing, costs);
        benchmark::DoNotOptimize(found);
    }
    state.counters["evaluations"] = found.Evaluations;
    state.counters["price"] = found.Reachable ? MoneyText(found.At).toDouble() : -1;
}

void NearTen(benchmark::State &state) { search(state, singleItem(CAuctionSite::UnitedStates), "8"); }
void NearThousand(benchmark::State &state) { search(state, singleItem(CAuctionSite::UnitedStates), "900"); }
void NearHundredThousand(benchmark::State &state) { search(state, singleItem(CAuctionSite::UnitedStates), "90000"); }
void BeyondReach(benchmark::State &state) { search(state, singleItem(CAuctionSite::UnitedStates), "200000"); }
void GermanyNearThousand(benchmark::State &state) { search(state, singleItem(CAuctionSite::Germany), "900"); }
void LotOpeningBid(benchmark::State &state) { search(state, lotWithItemsLeft(), "30"); }

} // namespace

BENCHMARK(NearTen)->Unit(benchmark::kMicrosecond);
BENCHMARK(NearThousand)->Unit(benchmark::kMicrosecond);
BENCHMARK(NearHundredThousand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BeyondReach)->Unit(benchmark::kMicrosecond);
BENCHMARK(GermanyNearThousand)->Unit(benchmark::kMicrosecond);
BENCHMARK(LotOpeningBid)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
