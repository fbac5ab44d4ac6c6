#include "FeeTiers.h"

#include "CAuctionSite.h"
#include "NumberText.h"

#include <array>

namespace {

// The lower bound of the tier above `upper`, rounded to single precision so that a price of
// exactly 1.00 meets a bound of 0.99 + 0.01.
float nextLowerBound(float upper)
{
    return float(double(upper) + 0.01);
}

} // namespace

float ListingTierFee(const CAuctionSite &site, float value)
{
    const std::array<float, 6> uppers{
        site.ListingFeeFirstTierUpper(),  site.ListingFeeSecondTierUpper(), site.ListingFeeThirdTierUpper(),
        site.ListingFeeFourthTierUpper(), site.ListingFeeFifthTierUpper(),  site.ListingFeeSixthTierUpper(),
    };
    const std::array<float, 7> fees{
        site.ListingFeeFirstTier(), site.ListingFeeSecondTier(), site.ListingFeeThirdTier(),
        site.ListingFeeFourthTier(), site.ListingFeeFifthTier(), site.ListingFeeSixthTier(),
        site.ListingFeeSeventhTier(),
    };
    float lower = 0.01f;
    for (std::size_t tier = 0; tier < uppers.size(); ++tier) {
        if (value >= lower && value <= uppers[tier])
            return fees[tier];
        lower = nextLowerBound(uppers[tier]);
    }
    return value > uppers.back() ? fees.back() : 0.0f;
}

float TieredFinalValueFee(const CAuctionSite &site, float price)
{
    // The singles of the price and the schedule meet in double arithmetic at their binary values;
    // only the fee is stored back as a single.
    const double p = price;
    const double secondLower = site.FVFSecondTierLower();
    const double thirdLower = site.FVFThirdTierLower();
    const double rate1 = site.FVFFirstTier();
    const double rate2 = site.FVFSecondTier();
    const double rate3 = site.FVFThirdTier();
    const double firstTierTop = secondLower - 0.01;

    if (price < site.FVFSecondTierLower())
        return float(p * rate1);
    if (price <= site.FVFThirdTierLower())
        return float(firstTierTop * rate1 + (p - firstTierTop) * rate2);
    return float(firstTierTop * rate1 + (thirdLower - firstTierTop) * rate2 + (p - thirdLower) * rate3);
}
