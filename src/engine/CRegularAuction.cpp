#include "CRegularAuction.h"

#include "CAuctionSite.h"
#include "FeeTiers.h"
#include "NumberText.h"

namespace {

int categoryFactor(bool twoCategories)
{
    return twoCategories ? 2 : 1;
}

} // namespace

const CAuctionSite &CRegularAuction::site() const
{
    static const CAuctionSite noSite;
    return m_site ? *m_site : noSite;
}

QString CRegularAuction::InsertionFee(QStringView StartingPriceText, bool TwoCategories, bool RealEstate,
                                      bool Vehicle, bool Motorcycle, bool Timeshare, qint32 RealEstateType) const
{
    const float price = SingleFromText(StartingPriceText);
    float fee = 0;
    if (RealEstate)
        fee = site().RealEstateInsertionFee(Timeshare, RealEstateType);
    else if (Vehicle)
        fee = site().VehicleInsertionFee(Motorcycle);
    else
        fee = ListingTierFee(site(), price);
    fee *= float(categoryFactor(TwoCategories));
    return MoneyText(MoneyValue::fromSingle(fee));
}

QString CRegularAuction::FVF(QStringView ClosingPriceText, bool RealEstate, bool Vehicle, bool DidNotSell,
                             bool Motorcycle) const
{
    const float price = SingleFromText(ClosingPriceText);
    float fee = 0;
    if (RealEstate || DidNotSell)
        fee = 0;
    else if (Vehicle)
        fee = site().VehicleFVF(Motorcycle, price);
    else
        fee = TieredFinalValueFee(site(), price);
    return MoneyText(fee);
}

QString CRegularAuction::ExtraFeaturesFee(bool TwoCategories, bool FeaturedPlus, bool HomePageFeatured, bool Gallery,
                                          bool GalleryFeatured, bool Motors, bool Vehicle, bool Highlight,
                                          bool GiftIcon, bool BuyItNow, bool TenDayAuction, bool Bold,
                                          bool ExtraPictures, qint32 ExtraPicturesChoice, bool Supersize,
                                          bool Slideshow, bool Scheduled, bool ListingDesigner, bool Subtitle) const
{
    const CAuctionSite &s = site();
    const float m = float(categoryFactor(TwoCategories));
    float total = 0;  // kept at single precision after every addition
    if (FeaturedPlus)
        total += s.FeaturedPlusFee(false) * m;
    if (HomePageFeatured)
        total += s.HomePageFeaturedFee(1);
    // Gallery Featured includes the gallery picture.
    if (Gallery && !GalleryFeatured)
        total += s.GalleryFee(Vehicle, ExtraPictures, ExtraPicturesChoice) * m;
    if (GalleryFeatured)
        total += s.GalleryFeaturedFee(Motors, Vehicle) * m;
    if (Bold)
        total += s.BoldFee(Vehicle) * m;
    if (Highlight)
        total += s.HighlightFee() * m;
    if (GiftIcon)
        total += s.GiftIconFee(Vehicle) * m;
    if (TenDayAuction)
        total += s.TenDayAuctionFee(Vehicle) * m;
    if (BuyItNow)
        total += s.BINFee(Vehicle) * m;
    if (Scheduled)
        total += s.ScheduledListingFee(Vehicle);
    if (ListingDesigner)
        total += s.ListingDesignerFee() * m;
    if (Subtitle)
        total += s.SubtitleFee() * m;
    total += s.PhotosFee(ExtraPictures, ExtraPicturesChoice, Supersize, Slideshow) * m;
    return MoneyText(total);
}

QString CRegularAuction::ExtraFeaturesFee(const ListingOptions &o) const
{
    return ExtraFeaturesFee(o.TwoCategories, o.FeaturedPlus, o.HomePageFeatured, o.Gallery, o.GalleryFeatured,
                            o.Motors, o.Vehicle, o.Highlight, o.GiftIcon, o.BuyItNow, o.TenDayAuction, o.Bold,
                            o.ExtraPictures, o.ExtraPicturesChoice, o.Supersize, o.Slideshow, o.Scheduled,
                            o.ListingDesigner, o.Subtitle);
}

QString CRegularAuction::ReserveFee(QStringView ReservePriceText, bool TwoCategories, bool Vehicle) const
{
    const CAuctionSite &s = site();
    const float reserve = SingleFromText(ReservePriceText);
    float fee = 0;
    if (reserve < s.ReserveSecondTierLower())
        fee = s.ReserveFirstTier(Vehicle);
    else if (reserve < s.ReserveThirdTierLower())
        fee = s.ReserveSecondTier(reserve, Vehicle);
    else
        fee = s.ReserveThirdTier(reserve, Vehicle);
    fee *= float(categoryFactor(TwoCategories));
    return PlainText(fee);
}
