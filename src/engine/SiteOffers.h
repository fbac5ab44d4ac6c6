#pragma once

#include "ListingSnapshot.h"
#include "MoneyValue.h"

// Which listing options each site offers, the one answer the calculator window and the
// comparison of sites share. An option a site has no control for, or whose control the window
// disables there, is not offered:
// - a reserve everywhere but on eBay Germany (single item);
// - the gift icon on eBay.com only (single item and lot);
// - the listing designer on eBay.com, and on eBay Germany for a single item;
// - the choice of vehicle type (motorcycle or other) on eBay.com and eBay Germany;
// - real estate everywhere but on eBay Germany, its options (timeshare or land, the duration
//   list) on eBay.com and eBay Canada only;
// - the lot's eBay Motors box on eBay.com only.
// The lot has no reserve, Buy It Now, vehicle or real-estate options on any site. Every other
// option is offered on every site, at the site's fee (which may be 0). A site code outside 1..4
// offers a reserve and real estate but none of the options limited to named sites; the window
// leaves its gift-icon, listing-designer and lot eBay Motors boxes as they are then
// (IsListingSite).
bool SiteOffers(qint32 site, ListingSnapshot::Kind kind, ListingFeature feature);

// A site code of one of the four sites; the window touches the site-dependent boxes only then.
bool IsListingSite(qint32 site);

// The least starting price of a single item on a site; 0 where there is none. eBay Germany
// takes no opening bid below 1.00.
MoneyValue MinimumOpeningBid(qint32 site);
