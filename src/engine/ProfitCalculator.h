#pragma once

#include "ListingSnapshot.h"
#include "MoneyValue.h"

#include <QString>

#include <optional>

// The seller's profit on a listing and the lowest price that reaches a target profit, from the
// same calculators the tabs use, so the panel can never disagree with a tab.
//
// Single item: the sale price is the tab's closing price after its clean-up, when the item
// sold. eBay fees are the tab's Total eBay Fees at that price. The buyer pays price + shipping
// charged; the PayPal fee is that amount's fee as the payment tab shows it (rounded to cents).
//   net    = price + shipping charged - eBay fees - PayPal fee
//   profit = net - shipping cost - item cost
//   margin = profit / (price + shipping charged), none when that amount is 0.
// An item that did not sell has no sale, no PayPal fee and no shipping; it stays with the
// seller, so profit = -eBay fees.
//
// Multiple items: item cost, shipping charged and shipping cost are per item sold, and each item
// sold is one payment; eBay fees are the lot's total.
//   profit = sold × (price + shipping charged - PayPal fee - shipping cost - item cost) - lot fees
//
// The break-even search always asks about a sale, over whole cents:
// - single item: the closing price, from the lowest at which the item sells (its opening bid,
//   or the reserve of a reserve auction; 0.01 at least) up to HighestPrice; a listing marked as
//   unsold is asked what closing price a sale would have needed;
// - lot with every item sold: the lowest successful bid, from the opening bid up;
// - lot with items left: the items sell at the opening bid, so the opening bid (and with it the
//   insertion fee) varies from 0.01 up; with no item sold nothing can reach the target.
// Every fee grows with the price, never shrinks, so one cent more raises the profit by at most
// one cent per item sold: from a price that falls short by g, no price below g / items sold
// cents higher can reach the target. The search jumps there, and stays exact across fee steps
// where the profit falls as the price rises.

struct ProfitCosts
{
    MoneyValue ItemCost;
    MoneyValue ShippingCharged;
    MoneyValue ShippingCost;
    MoneyValue Target;
};

struct ProfitFigures
{
    bool HasListing = false;  // the tab shows fees for its entries
    bool Sold = false;
    qint32 ItemsSold = 0;  // 1 for a single item sold
    MoneyValue SalePrice;  // per item
    MoneyValue Received;   // price + shipping charged, for every item sold
    MoneyValue EbayFees;
    MoneyValue PayPalFee;  // for every item sold
    MoneyValue ShippingCost;
    MoneyValue ItemCost;
    MoneyValue Net;
    MoneyValue Profit;
    std::optional<qint64> MarginTenthsOfPercent;
};

struct BreakEven
{
    enum class Price { ClosingPrice, LowestSuccessfulBid, OpeningBid };

    bool Reachable = false;
    Price Varies = Price::ClosingPrice;
    MoneyValue At;
    int Evaluations = 0;
};

class ProfitCalculator
{
public:
    static constexpr MoneyValue HighestPrice = MoneyValue::fromTenThousandths(100000LL * MoneyValue::UnitsPerWhole);

    explicit ProfitCalculator(const PaymentChoices &payment) : m_payment(payment) {}

    ProfitFigures Figures(const ListingSnapshot &listing, const ProfitCosts &costs) const;
    BreakEven FindBreakEven(const ListingSnapshot &listing, const ProfitCosts &costs) const;

    // The profit of the listing sold at `price`, the break-even search's variable (see above).
    MoneyValue ProfitAt(const ListingSnapshot &listing, const ProfitCosts &costs, MoneyValue price) const;
    // Where the search starts and what it varies; no start when nothing can sell.
    std::optional<MoneyValue> LowestSellingPrice(const ListingSnapshot &listing) const;
    static BreakEven::Price SearchedPrice(const ListingSnapshot &listing);

    // The payment tab's fee on one payment, rounded to cents as the tab shows it.
    MoneyValue PayPalFee(qint32 site, MoneyValue amount) const;

private:
    ProfitFigures sold(const ListingSnapshot &listing, const ProfitCosts &costs) const;

    PaymentChoices m_payment;
};

// "12.5" from 125 tenths, with the user's decimal point.
QString PercentNumberText(qint64 tenths);
