#include "ListingFees.h"

#include "CAuctionSite.h"
#include "CPaymentService.h"
#include "NumberText.h"

RegularListingFees ComputeRegularListingFees(const CRegularAuction &auction, const ListingOptions &options,
                                             bool itemSold)
{
    RegularListingFees fees;
    fees.InsertionFeeText =
        auction.InsertionFee(options.StartingPriceText, options.TwoCategories, options.RealEstate, options.Vehicle,
                             options.Motorcycle, options.Timeshare, options.RealEstateType);
    // The running total goes through its text after every step; it is kept as what that text
    // reads back as.
    float total = SingleFromText(fees.InsertionFeeText);

    // Only a reserve auction that did not sell pays the reserve fee, shown as part of the listing fee.
    if (!itemSold && options.IsReserve) {
        const float reserveFee =
            SingleFromText(auction.ReserveFee(options.StartingPriceText, options.TwoCategories, options.Vehicle));
        fees.InsertionFeeText = MoneyText(SingleFromText(fees.InsertionFeeText) + reserveFee);
        total = SingleOfMoneyText(total + reserveFee);
    }

    if (itemSold) {
        fees.FinalValueFeeText = auction.FVF(options.ClosingPriceText, options.RealEstate, options.Vehicle,
                                             options.DidNotSell, options.Motorcycle);
        total = SingleOfPlainText(SingleFromText(fees.FinalValueFeeText) + total);
    }

    // The extras come as a money text already, which the "0.00" pattern shows unchanged.
    fees.ExtrasText = auction.ExtraFeaturesFee(options);
    fees.TotalText = MoneyText(SingleFromText(fees.ExtrasText) + total);
    return fees;
}

LotListingFees ComputeLotListingFees(const CDutchAuction &lot, const ListingOptions &options,
                                     QStringView itemsOfferedText, QStringView itemsSoldText)
{
    LotListingFees fees;
    const qint16 offered = qint16(options.ItemsOffered);
    const qint16 sold = qint16(options.ItemsSold);

    fees.InsertionFeeText =
        lot.InsertionFee(PlainText(MoneyFromText(options.StartingPriceText)), offered, options.TwoCategories);

    const float extras =
        lot.ExtraFeaturesTotal(options, IsNumericText(itemsOfferedText) ? qint32(offered) : 0);
    fees.ExtrasText = MoneyText(extras);
    MoneyValue total = MoneyFromText(fees.InsertionFeeText);
    total += MoneyValue::fromSingle(extras);
    const QString withExtras = MoneyText(total);

    fees.TotalSalesText = ReformatAsMoney(PlainText(MoneyFromText(options.ClosingPriceText).times(sold)));

    total = MoneyFromText(withExtras);
    total += MoneyValue::fromSingle(SingleFromText(lot.FVF(options.ClosingPriceText, itemsSoldText)));
    fees.TotalText = MoneyText(total);
    if (sold != 0)
        fees.CostPerItemText = MoneyText(total.toDouble() / sold);
    return fees;
}

MoneyValue RegularClosingPrice(const ListingOptions &options)
{
    const MoneyValue opening = MoneyFromText(options.StartingPriceText);
    const MoneyValue closing = MoneyFromText(options.ClosingPriceText);
    return !options.IsReserve && closing < opening ? opening : closing;
}

bool RegularItemSold(const ListingOptions &options)
{
    if (options.DidNotSell)
        return false;
    return !(options.IsReserve && MoneyFromText(options.ClosingPriceText) < MoneyFromText(options.StartingPriceText));
}

QString ListingTotalText(const CAuctionSite &site, const ListingSnapshot &listing)
{
    if (!listing.HasFees)
        return QString();
    if (listing.Type == ListingSnapshot::Kind::MultipleItems) {
        CDutchAuction lot;
        lot.setSite(&site);
        return ComputeLotListingFees(lot, listing.Options, listing.ItemsOfferedText, listing.ItemsSoldText).TotalText;
    }
    CRegularAuction auction;
    auction.setSite(&site);
    return ComputeRegularListingFees(auction, listing.Options, listing.ItemSold).TotalText;
}

QString PaymentFeeText(qint32 site, QStringView amountText, const PaymentChoices &choices)
{
    // The payment service writes the rate into its schedule: it gets one of its own.
    CAuctionSite schedule;
    schedule.setSite(site);
    CPaymentService payment;
    payment.setSite(&schedule);
    return ReformatAsMoney(payment.PayPalFee(amountText, choices.Merchant, choices.CreditCard, choices.RateText,
                                             choices.International));
}
