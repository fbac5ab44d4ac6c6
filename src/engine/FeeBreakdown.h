#pragma once

#include "ListingSnapshot.h"

#include <QList>
#include <QString>

class CAuctionSite;

// Every fee of a listing on its own line, worked out by the tabs' own calculators, with what
// decided it: the tier a price fell in, the tier parts of the final value fee, the doubling for
// a second category. Texts are numbers only ("0.00" money text, plain rates); the words are the
// panel's.

// Where a value fell in a tiered schedule. Index is 0-based, -1 = in no tier.
struct BreakdownTier
{
    int Index = -1;
    QString ValueText;  // the price or lot value that decided
    QString LowerText;  // "" = every value up to the upper bound
    QString UpperText;  // "" = the open top tier
};

// One tier's share of a final value fee: RatePercentText % of FromText–ToText = AmountText.
// FromText is "" for the first tier. The amounts are in cents where their cents add up to the
// fee, else to the ten-thousandth so that the parts show how the fee was rounded.
struct BreakdownTierPart
{
    QString RatePercentText;
    QString FromText;
    QString ToText;
    QString AmountText;
};

struct BreakdownLine
{
    enum class Kind {
        InsertionFee,            // Tier: the starting price's (or the lot value's) tier
        RealEstateInsertionFee,  // flat: Timeshare, RealEstateType
        VehicleInsertionFee,     // flat: Motorcycle
        ReserveFee,              // Tier: the reserve price's tier
        Feature,                 // Feature
        FinalValueFee,           // Parts (of the item's price, or of one item of a lot)
        VehicleFinalValueFee,    // Motorcycle, PriceText
        RealEstateFinalValueFee, // real estate pays none
        Rounding,                // the cents the tab's single-precision steps kept apart
    };

    Kind Type = Kind::InsertionFee;
    ListingFeature Feature = ListingFeature::Reserve;
    QString AmountText;  // "0.00", a part of the total
    bool Doubled = false;  // a second category doubled the fee
    QString SingleAmountText;  // the fee once, before doubling
    BreakdownTier Tier;
    QList<BreakdownTierPart> Parts;
    QString PriceText;  // the closing price or lowest successful bid of a final value fee
    // A lot's final value fee: PerItemText × ItemsSold.
    QString PerItemText;
    qint32 ItemsSold = 0;
    bool Motorcycle = false;
    bool Timeshare = false;
    qint32 RealEstateType = 0;
};

struct FeeBreakdown
{
    ListingSnapshot::Kind Type = ListingSnapshot::Kind::SingleItem;
    bool HasFees = false;  // a lot with entries missing shows no fees
    QList<BreakdownLine> Lines;
    QString TotalText;        // the tab's Total eBay Fees; the lines add up to it
    QString CostPerItemText;  // a lot's fee per item sold, "" when none sold
};

FeeBreakdown BreakDownFees(const CAuctionSite &site, const ListingSnapshot &listing);
