#include "FeeTiers.h"

#include "CAuctionSite.h"

#include <array>

namespace {

// The lower bound of the tier above `upper`, rounded to single precision so that a price of
// exactly 1.00 meets a bound of 0.99 + 0.01.
float nextLowerBound(float upper)
{
    return float(double(upper) + 0.01);
}

} // namespace

FeeTier ListingTier(const CAuctionSite &site, float value)
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
            return {int(tier), lower, uppers[tier], false, false, fees[tier]};
        lower = nextLowerBound(uppers[tier]);
    }
    if (value > uppers.back())
        return {int(uppers.size()), lower, 0, false, true, fees.back()};
    return {};
}

float ListingTierFee(const CAuctionSite &site, float value)
{
    return ListingTier(site, value).Fee;
}

FeeTier ReserveTier(const CAuctionSite &site, float reserve, bool vehicle)
{
    const float second = site.ReserveSecondTierLower();
    const float third = site.ReserveThirdTierLower();
    const auto below = [](float bound) { return float(double(bound) - 0.01); };
    if (reserve < second)
        return {0, 0, below(second), true, false, site.ReserveFirstTier(vehicle)};
    if (reserve < third)
        return {1, second, below(third), false, false, site.ReserveSecondTier(reserve, vehicle)};
    return {2, third, 0, false, true, site.ReserveThirdTier(reserve, vehicle)};
}

FinalValueFeeParts FinalValueFeeTierParts(const CAuctionSite &site, float price)
{
    // The singles of the price and the schedule meet in double arithmetic at their binary values.
    const double p = price;
    const double secondLower = site.FVFSecondTierLower();
    const double thirdLower = site.FVFThirdTierLower();
    const double rate1 = site.FVFFirstTier();
    const double rate2 = site.FVFSecondTier();
    const double rate3 = site.FVFThirdTier();
    const double firstTierTop = secondLower - 0.01;

    FinalValueFeeParts parts;
    if (price < site.FVFSecondTierLower()) {
        parts.append({rate1, 0, p, p * rate1});
        return parts;
    }
    parts.append({rate1, 0, firstTierTop, firstTierTop * rate1});
    if (price <= site.FVFThirdTierLower()) {
        parts.append({rate2, firstTierTop, p, (p - firstTierTop) * rate2});
        return parts;
    }
    parts.append({rate2, firstTierTop, thirdLower, (thirdLower - firstTierTop) * rate2});
    parts.append({rate3, thirdLower, p, (p - thirdLower) * rate3});
    return parts;
}

float TieredFinalValueFee(const CAuctionSite &site, float price)
{
    // Only the fee is stored back as a single.
    double fee = 0;
    for (const FinalValueFeePart &part : FinalValueFeeTierParts(site, price))
        fee += part.Amount;
    return float(fee);
}
