#include "SiteOffers.h"

#include "CAuctionSite.h"

namespace {

bool singleItemOffers(qint32 site, ListingFeature feature)
{
    const bool us = site == CAuctionSite::UnitedStates;
    const bool germany = site == CAuctionSite::Germany;
    switch (feature) {
    case ListingFeature::Reserve:
    case ListingFeature::RealEstate:
        return !germany;
    case ListingFeature::GiftIcon:
        return us;
    case ListingFeature::ListingDesigner:
    case ListingFeature::Motorcycle:
        return us || germany;
    case ListingFeature::Timeshare:
        return us || site == CAuctionSite::Canada;
    default:
        return true;
    }
}

bool lotOffers(qint32 site, ListingFeature feature)
{
    switch (feature) {
    case ListingFeature::Reserve:
    case ListingFeature::BuyItNow:
    case ListingFeature::Vehicle:
    case ListingFeature::Motorcycle:
    case ListingFeature::RealEstate:
    case ListingFeature::Timeshare:
        return false;
    case ListingFeature::GiftIcon:
    case ListingFeature::ListingDesigner:
    case ListingFeature::Motors:
        return site == CAuctionSite::UnitedStates;
    default:
        return true;
    }
}

} // namespace

bool SiteOffers(qint32 site, ListingSnapshot::Kind kind, ListingFeature feature)
{
    return kind == ListingSnapshot::Kind::SingleItem ? singleItemOffers(site, feature) : lotOffers(site, feature);
}

bool IsListingSite(qint32 site)
{
    return site >= CAuctionSite::UnitedStates && site <= CAuctionSite::Germany;
}

MoneyValue MinimumOpeningBid(qint32 site)
{
    return site == CAuctionSite::Germany ? MoneyValue::fromTenThousandths(MoneyValue::UnitsPerWhole) : MoneyValue();
}
