#pragma once

class CAuctionSite;

// The two tiered schedules that single-item and multiple-item listings share.

// The insertion fee of the tier that holds `value` (a starting price or the value of a lot):
// 0.01 up to the first upper bound, then from each upper bound + 0.01 up to the next, and the
// seventh tier above the sixth bound. A value in no tier (below 0.01, or in a gap such as 0.995)
// pays 0.
float ListingTierFee(const CAuctionSite &site, float value);

// The final value fee of one item sold at `price`, in three tiers, formed in double precision
// and stored as a single.
float TieredFinalValueFee(const CAuctionSite &site, float price);
