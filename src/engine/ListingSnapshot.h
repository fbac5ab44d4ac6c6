#pragma once

#include "ListingOptions.h"

#include <QString>
#include <QtGlobal>

#include <array>

// One listing as a calculator tab holds it after its own clean-up, with what the tools around
// the tabs (breakdown, profit, comparison of sites) need to work it out again exactly as the tab
// does: the tab it came from, the site it is listed on, and the tab's verdict on the sale.
struct ListingSnapshot
{
    enum class Kind { SingleItem, MultipleItems };

    Kind Type = Kind::SingleItem;
    qint32 Site = 0;  // CAuctionSite::SiteCode
    ListingOptions Options;
    // Single item: whether the item sold (not ticked "did not sell", and a reserve auction's
    // closing bid met the reserve).
    bool ItemSold = false;
    // Multiple items: the count texts as the tab shows them (the lot fees read them as text).
    QString ItemsOfferedText;
    QString ItemsSoldText;
    // The tab shows fees for these entries: the single-item tab always does, the lot tab only
    // once its four entries are filled in.
    bool HasFees = false;
};

// The payment tab's choices, for the payment-service fee on a sale.
struct PaymentChoices
{
    bool Merchant = false;
    bool CreditCard = true;
    bool International = false;
    QString RateText;  // the exchange rate typed for the current site ("" = the built-in rate)
};

// The exchange rates kept for each site (US dollars to the site's currency), by site code;
// eBay.com's entry is unused. A text that is no usable rate stands for the site's built-in rate.
using SiteRateTexts = std::array<QString, 5>;

// The options of a listing that have a fee of their own, or that a site may not offer.
enum class ListingFeature {
    Reserve,
    TwoCategories,
    FeaturedPlus,
    HomePageFeatured,
    Gallery,
    GalleryFeatured,
    Bold,
    Highlight,
    GiftIcon,
    BuyItNow,
    TenDayAuction,
    ExtraPictures,
    Supersize,
    Slideshow,
    Scheduled,
    ListingDesigner,
    Subtitle,
    Motors,
    Vehicle,
    Motorcycle,
    RealEstate,
    Timeshare,
};
