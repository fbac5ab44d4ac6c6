#pragma once

#include "CDutchAuction.h"
#include "CRegularAuction.h"
#include "ListingOptions.h"
#include "ListingSnapshot.h"
#include "MoneyValue.h"

#include <QString>
#include <QStringView>

// The figures a calculator tab shows, as the texts it shows them. Each total is built the way
// the tab always built it: every partial sum goes through its displayed text before the next
// fee is added, so a cent rounded on screen is the cent carried on.

struct RegularListingFees
{
    QString InsertionFeeText;  // with the reserve fee of a reserve auction that did not sell
    QString ExtrasText;
    QString FinalValueFeeText;  // empty when the item did not sell
    QString TotalText;
};

// The single item's fees, from the entries as the tab holds them after its own clean-up
// (closing price raised to the opening bid of a no-reserve auction).
RegularListingFees ComputeRegularListingFees(const CRegularAuction &auction, const ListingOptions &options,
                                             bool itemSold);

struct LotListingFees
{
    QString InsertionFeeText;
    QString ExtrasText;
    QString TotalSalesText;
    QString TotalText;
    QString CostPerItemText;  // empty when no item sold: the tab shows its own "not applicable"
};

// The lot's fees, from the entries as the tab holds them after its own clean-up. The counts
// come from the options; the count texts themselves decide what the lot fees read from text
// (a count text that is no number adds no per-item extras).
LotListingFees ComputeLotListingFees(const CDutchAuction &lot, const ListingOptions &options,
                                     QStringView itemsOfferedText, QStringView itemsSoldText);

// The single-item tab's clean-up of the closing price: a no-reserve auction closes at least at
// its opening bid.
MoneyValue RegularClosingPrice(const ListingOptions &options);
// Whether the single item sold: not ticked as unsold, and a reserve auction's closing bid met
// the reserve.
bool RegularItemSold(const ListingOptions &options);

// The tab's Total eBay Fees for a listing on a schedule ("" when the tab shows no fees).
QString ListingTotalText(const CAuctionSite &site, const ListingSnapshot &listing);

// The payment tab's PayPal fee on an amount received on a site, rounded to cents as the tab
// shows it.
QString PaymentFeeText(qint32 site, QStringView amountText, const PaymentChoices &choices);
