#pragma once

#include <QString>
#include <QtGlobal>

// The inputs and chosen options of one listing, gathered by a tab from its controls. Flags are
// yes when their box is ticked or their option button selected; a tab without a control for a
// field leaves it no (or 0).
struct ListingOptions
{
    QString StartingPriceText;  // opening bid, reserve price or Buy-It-Now price
    QString ClosingPriceText;
    qint32 ItemsOffered = 0;
    qint32 ItemsSold = 0;
    bool IsReserve = false;
    bool DidNotSell = false;
    bool TwoCategories = false;
    bool FeaturedPlus = false;
    bool HomePageFeatured = false;
    bool Gallery = false;
    bool GalleryFeatured = false;
    bool Bold = false;
    bool Highlight = false;
    bool GiftIcon = false;
    bool BuyItNow = false;
    bool TenDayAuction = false;
    bool ExtraPictures = false;
    qint32 ExtraPicturesChoice = 0;  // "1" … "5", 5 = the picture pack
    bool Supersize = false;
    bool Slideshow = false;
    bool Scheduled = false;
    bool ListingDesigner = false;
    bool Subtitle = false;
    bool Motors = false;
    bool Vehicle = false;
    bool Motorcycle = false;
    bool RealEstate = false;
    bool Timeshare = false;
    qint32 RealEstateType = 0;  // 3-10 day auction, 30-day auction, 30-day ad, 90-day ad
};
