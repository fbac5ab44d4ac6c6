#include "ProfitCalculator.h"

#include "CAuctionSite.h"
#include "ListingFees.h"
#include "NumberText.h"

#include <algorithm>

namespace {

constexpr qint64 UnitsPerCent = MoneyValue::UnitsPerWhole / 100;
constexpr MoneyValue OneCent = MoneyValue::fromTenThousandths(UnitsPerCent);

MoneyValue minus(MoneyValue a, MoneyValue b)
{
    return a + b.times(-1);
}

// Up to the next whole cent: a price typed with more decimals sells only from there.
MoneyValue wholeCentsUp(MoneyValue value)
{
    const qint64 units = value.tenThousandths();
    const qint64 cents = units / UnitsPerCent + (units % UnitsPerCent > 0 ? 1 : 0);
    return MoneyValue::fromTenThousandths(cents * UnitsPerCent);
}

bool isLot(const ListingSnapshot &listing)
{
    return listing.Type == ListingSnapshot::Kind::MultipleItems;
}

bool everyItemSold(const ListingSnapshot &listing)
{
    return listing.Options.ItemsSold >= listing.Options.ItemsOffered;
}

// Half a tenth away from zero, as the money texts round.
qint64 marginTenths(MoneyValue profit, MoneyValue received)
{
    const __int128 numerator = __int128(profit.tenThousandths()) * 1000;
    const __int128 denominator = received.tenThousandths();
    const __int128 magnitude = ((numerator < 0 ? -numerator : numerator) * 2 + denominator) / (denominator * 2);
    return qint64(numerator < 0 ? -magnitude : magnitude);
}

// The listing as its tab would hold it had it sold at `price`.
ListingSnapshot soldAt(const ListingSnapshot &listing, MoneyValue price)
{
    ListingSnapshot candidate = listing;
    const QString priceText = PlainText(price);
    candidate.Options.ClosingPriceText = priceText;
    if (!isLot(listing)) {
        candidate.Options.DidNotSell = false;
        candidate.ItemSold = RegularItemSold(candidate.Options);
    } else if (!everyItemSold(listing)) {
        candidate.Options.StartingPriceText = priceText;
    }
    return candidate;
}

} // namespace

MoneyValue ProfitCalculator::PayPalFee(qint32 site, MoneyValue amount) const
{
    return MoneyFromText(PaymentFeeText(site, PlainText(amount), m_payment));
}

ProfitFigures ProfitCalculator::Figures(const ListingSnapshot &listing, const ProfitCosts &costs) const
{
    ProfitFigures figures;
    if (!listing.HasFees)
        return figures;
    const bool sold = isLot(listing) ? listing.Options.ItemsSold > 0 : listing.ItemSold;
    if (sold)
        return this->sold(listing, costs);

    // Nothing changed hands: the listing's fees are all there is.
    CAuctionSite schedule;
    schedule.setSite(listing.Site);
    figures.HasListing = true;
    figures.EbayFees = MoneyFromText(ListingTotalText(schedule, listing));
    figures.Net = minus(MoneyValue(), figures.EbayFees);
    figures.Profit = figures.Net;
    return figures;
}

ProfitFigures ProfitCalculator::sold(const ListingSnapshot &listing, const ProfitCosts &costs) const
{
    CAuctionSite schedule;
    schedule.setSite(listing.Site);
    ProfitFigures figures;
    figures.HasListing = true;
    figures.Sold = true;

    ListingSnapshot atPrice = listing;
    if (isLot(listing)) {
        figures.ItemsSold = listing.Options.ItemsSold;
        figures.SalePrice = MoneyFromText(listing.Options.ClosingPriceText);
    } else {
        figures.ItemsSold = 1;
        figures.SalePrice = RegularClosingPrice(listing.Options);
        // The tab fills its closing price in before it works the fees out.
        atPrice.Options.ClosingPriceText = PlainText(figures.SalePrice);
    }
    figures.EbayFees = MoneyFromText(ListingTotalText(schedule, atPrice));

    const qint64 items = figures.ItemsSold;
    const MoneyValue payment = figures.SalePrice + costs.ShippingCharged;
    figures.Received = payment.times(items);
    figures.PayPalFee = PayPalFee(listing.Site, payment).times(items);
    figures.ShippingCost = costs.ShippingCost.times(items);
    figures.ItemCost = costs.ItemCost.times(items);
    figures.Net = minus(minus(figures.Received, figures.EbayFees), figures.PayPalFee);
    figures.Profit = minus(minus(figures.Net, figures.ShippingCost), figures.ItemCost);
    if (figures.Received != MoneyValue())
        figures.MarginTenthsOfPercent = marginTenths(figures.Profit, figures.Received);
    return figures;
}

MoneyValue ProfitCalculator::ProfitAt(const ListingSnapshot &listing, const ProfitCosts &costs,
                                      MoneyValue price) const
{
    return Figures(soldAt(listing, price), costs).Profit;
}

BreakEven::Price ProfitCalculator::SearchedPrice(const ListingSnapshot &listing)
{
    if (!isLot(listing))
        return BreakEven::Price::ClosingPrice;
    return everyItemSold(listing) ? BreakEven::Price::LowestSuccessfulBid : BreakEven::Price::OpeningBid;
}

std::optional<MoneyValue> ProfitCalculator::LowestSellingPrice(const ListingSnapshot &listing) const
{
    if (!listing.HasFees)
        return std::nullopt;
    if (isLot(listing) && listing.Options.ItemsSold <= 0)
        return std::nullopt;
    if (SearchedPrice(listing) == BreakEven::Price::OpeningBid)
        return OneCent;
    // A single item sells from its opening bid or reserve on, a lot sold out from its opening bid.
    return std::max(OneCent, wholeCentsUp(MoneyFromText(listing.Options.StartingPriceText)));
}

BreakEven ProfitCalculator::FindBreakEven(const ListingSnapshot &listing, const ProfitCosts &costs) const
{
    BreakEven result;
    result.Varies = SearchedPrice(listing);
    const std::optional<MoneyValue> start = LowestSellingPrice(listing);
    if (!start)
        return result;
    // A cent more on the price brings at most a cent more per item sold.
    const qint64 perCentStep = UnitsPerCent * (isLot(listing) ? listing.Options.ItemsSold : 1);
    MoneyValue price = *start;
    while (price <= HighestPrice) {
        const MoneyValue profit = ProfitAt(listing, costs, price);
        ++result.Evaluations;
        if (profit >= costs.Target) {
            result.Reachable = true;
            result.At = price;
            return result;
        }
        const qint64 shortfall = minus(costs.Target, profit).tenThousandths();
        const qint64 cents = std::max<qint64>(1, (shortfall + perCentStep - 1) / perCentStep);
        price += MoneyValue::fromTenThousandths(cents * UnitsPerCent);
    }
    return result;
}

QString PercentNumberText(qint64 tenths)
{
    const qint64 magnitude = tenths < 0 ? -tenths : tenths;
    return QStringLiteral("%1%2%3%4")
        .arg(tenths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10)
        .arg(DecimalPoint())
        .arg(magnitude % 10);
}
