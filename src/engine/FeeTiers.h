#pragma once

#include <QVarLengthArray>

class CAuctionSite;

// The tiered schedules that single-item and multiple-item listings share. Each schedule tells
// which tier a value fell in, so the fee breakdown names the very tier the fee came from.

// A tier of a schedule that a value fell in. Index is 0-based; -1 is no tier (the fee is 0).
struct FeeTier
{
    int Index = -1;
    float Lower = 0;     // the lowest value of the tier
    float Upper = 0;     // the highest value of the tier
    bool Bottom = false;  // no lower bound: every value below Upper
    bool Open = false;    // the top tier: every value from Lower on
    float Fee = 0;
};

// The insertion-fee tier that holds `value` (a starting price or the value of a lot): 0.01 up
// to the first upper bound, then from each upper bound + 0.01 up to the next, and the seventh
// tier above the sixth bound. A value in no tier (below 0.01, or in a gap such as 0.995) has
// Index -1 and fee 0.
FeeTier ListingTier(const CAuctionSite &site, float value);
float ListingTierFee(const CAuctionSite &site, float value);

// The reserve-fee tier of a reserve price, before a second category doubles it. The tiers'
// upper bounds are exclusive: Upper is the next tier's lower bound less a cent.
FeeTier ReserveTier(const CAuctionSite &site, float reserve, bool vehicle);

// One tier's share of the final value fee: Rate × (To − From), in double precision. The first
// tier starts at 0; later ones at the previous bound.
struct FinalValueFeePart
{
    double Rate = 0;
    double From = 0;
    double To = 0;
    double Amount = 0;
};
using FinalValueFeeParts = QVarLengthArray<FinalValueFeePart, 3>;

// The final value fee of one item sold at `price`, tier by tier.
FinalValueFeeParts FinalValueFeeTierParts(const CAuctionSite &site, float price);
// Their sum, added in order in double precision and stored as a single.
float TieredFinalValueFee(const CAuctionSite &site, float price);
