#include "ListingComputation.h"

#include "CAuctionSite.h"
#include "CDutchAuction.h"
#include "CRegularAuction.h"
#include "ListingFees.h"
#include "LotEntries.h"
#include "NumberText.h"

namespace ListingComputation {

namespace {

constexpr std::array<FeeColumnInfo, FeeColumnCount> columns{{
    {"insertion-fee", "Insertion fee"},
    {"reserve-fee", "Reserve fee"},
    {"extras", "Extra features"},
    {"final-value-fee", "Final value fee"},
    {"total-sales", "Total sales"},
    {"total-fees", "Total eBay fees"},
    {"fee-per-item", "Fee per item sold"},
    {"paypal-fee", "PayPal fee"},
}};

QString &at(FeeTexts &texts, FeeColumn column)
{
    return texts[std::size_t(column)];
}

// The single-item tab's recalculation: the closing price after the tab's clean-up, then its fees.
void computeSingleItem(const CAuctionSite &site, const ListingRequest &request, FeeTexts &texts)
{
    ListingOptions options = request.Options;
    options.ClosingPriceText = PlainText(RegularClosingPrice(options));
    const bool sold = RegularItemSold(options);

    CRegularAuction auction;
    auction.setSite(&site);
    const RegularListingFees fees = ComputeRegularListingFees(auction, options, sold);
    at(texts, FeeColumn::InsertionFee) = fees.InsertionFeeText;
    if (!sold && options.IsReserve) {
        at(texts, FeeColumn::ReserveFee) =
            ReformatAsMoney(auction.ReserveFee(options.StartingPriceText, options.TwoCategories, options.Vehicle));
    }
    at(texts, FeeColumn::Extras) = fees.ExtrasText;
    at(texts, FeeColumn::FinalValueFee) = fees.FinalValueFeeText;
    at(texts, FeeColumn::TotalFees) = fees.TotalText;
}

// The lot tab's recalculation: both clean-ups of its entries, then its fees.
void computeLot(const CAuctionSite &site, const ListingRequest &request, FeeTexts &texts)
{
    LotEntryTexts entries{request.ItemsOfferedText, request.Options.StartingPriceText, request.ItemsSoldText,
                          request.Options.ClosingPriceText};
    FillLotFinalPrice(entries);
    ValidateLotEntries(entries);

    ListingOptions options = request.Options;
    options.StartingPriceText = entries.OpeningPrice;
    options.ClosingPriceText = entries.FinalPrice;
    options.ItemsOffered = LotCount(entries.ItemsOffered);
    options.ItemsSold = LotCount(entries.ItemsSold);

    CDutchAuction lot;
    lot.setSite(&site);
    const LotListingFees fees = ComputeLotListingFees(lot, options, entries.ItemsOffered, entries.ItemsSold);
    at(texts, FeeColumn::InsertionFee) = ReformatAsMoney(fees.InsertionFeeText);
    at(texts, FeeColumn::Extras) = fees.ExtrasText;
    at(texts, FeeColumn::FinalValueFee) = lot.FVF(options.ClosingPriceText, entries.ItemsSold);
    at(texts, FeeColumn::TotalSales) = fees.TotalSalesText;
    at(texts, FeeColumn::TotalFees) = fees.TotalText;
    // The tab's own words when no item sold.
    at(texts, FeeColumn::FeePerItem) = fees.CostPerItemText.isEmpty() ? QStringLiteral("N/A") : fees.CostPerItemText;
}

} // namespace

const FeeColumnInfo &Info(FeeColumn column)
{
    return columns[std::size_t(column)];
}

FeeTexts ComputeFees(const ListingRequest &request)
{
    FeeTexts texts;
    CAuctionSite site;
    site.setSite(request.Site);
    if (request.HasListing) {
        if (request.IsLot)
            computeLot(site, request, texts);
        else
            computeSingleItem(site, request, texts);
    }
    if (request.HasPayment)
        at(texts, FeeColumn::PayPalFee) = PaymentFeeText(request.Site, request.PaymentText, request.Payment);
    return texts;
}

} // namespace ListingComputation
