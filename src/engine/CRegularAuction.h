#pragma once

#include "ListingOptions.h"
#include "ListingSnapshot.h"

#include <QString>
#include <QVarLengthArray>
#include <QStringView>

class CAuctionSite;

// One chosen extra feature and its fee, already multiplied for a second category where the
// feature is doubled.
struct FeatureFee
{
    ListingFeature Feature;
    float Fee = 0;
    bool Doubled = false;  // a second category doubled it
};
using FeatureFees = QVarLengthArray<FeatureFee, 16>;

// The sum of the features in their order, kept at single precision after every addition: the
// figure the tabs show as their extras.
float SumOfFeatureFees(const FeatureFees &fees);

// The fees of a single-item listing: insertion, final value, extra features and the reserve
// fee of a reserve auction that did not sell. Every fee leaves as text, as the window shows it.
class CRegularAuction
{
public:
    // The window's shared schedule; without one the fees are those of site code 0.
    void setSite(const CAuctionSite *site) { m_site = site; }

    // "0.00" text. Real estate and vehicles pay their own flat insertion fees.
    QString InsertionFee(QStringView StartingPriceText, bool TwoCategories, bool RealEstate, bool Vehicle,
                         bool Motorcycle, bool Timeshare, qint32 RealEstateType) const;
    // "0.00" text; real estate and an unsold item pay none.
    QString FVF(QStringView ClosingPriceText, bool RealEstate, bool Vehicle, bool DidNotSell, bool Motorcycle) const;
    // "0.00" text of the sum of the chosen features; a second category doubles all but
    // home-page featured and scheduled listing.
    QString ExtraFeaturesFee(bool TwoCategories, bool FeaturedPlus, bool HomePageFeatured, bool Gallery,
                             bool GalleryFeatured, bool Motors, bool Vehicle, bool Highlight, bool GiftIcon,
                             bool BuyItNow, bool TenDayAuction, bool Bold, bool ExtraPictures,
                             qint32 ExtraPicturesChoice, bool Supersize, bool Slideshow, bool Scheduled,
                             bool ListingDesigner, bool Subtitle) const;
    QString ExtraFeaturesFee(const ListingOptions &options) const;
    // The features that ExtraFeaturesFee adds, one by one in its order. The pictures (extra
    // pictures, supersize, slideshow) are one entry under ExtraPictures.
    FeatureFees ExtraFeatureFees(const ListingOptions &options) const;
    // Plain decimal text (no fixed decimals), for the window to add to the listing fee.
    QString ReserveFee(QStringView ReservePriceText, bool TwoCategories, bool Vehicle) const;

private:
    const CAuctionSite &site() const;

    const CAuctionSite *m_site = nullptr;
};
