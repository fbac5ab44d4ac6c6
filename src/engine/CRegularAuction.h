#pragma once

#include "ListingOptions.h"

#include <QString>
#include <QStringView>

class CAuctionSite;

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
    // Plain decimal text (no fixed decimals), for the window to add to the listing fee.
    QString ReserveFee(QStringView ReservePriceText, bool TwoCategories, bool Vehicle) const;

private:
    const CAuctionSite &site() const;

    const CAuctionSite *m_site = nullptr;
};
