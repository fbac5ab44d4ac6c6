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
    ListingOptions o;
    o.TwoCategories = TwoCategories;
    o.FeaturedPlus = FeaturedPlus;
    o.HomePageFeatured = HomePageFeatured;
    o.Gallery = Gallery;
    o.GalleryFeatured = GalleryFeatured;
    o.Motors = Motors;
    o.Vehicle = Vehicle;
    o.Highlight = Highlight;
    o.GiftIcon = GiftIcon;
    o.BuyItNow = BuyItNow;
    o.TenDayAuction = TenDayAuction;
    o.Bold = Bold;
    o.ExtraPictures = ExtraPictures;
    o.ExtraPicturesChoice = ExtraPicturesChoice;
    o.Supersize = Supersize;
    o.Slideshow = Slideshow;
    o.Scheduled = Scheduled;
    o.ListingDesigner = ListingDesigner;
    o.Subtitle = Subtitle;
    return ExtraFeaturesFee(o);
}

QString CRegularAuction::ExtraFeaturesFee(const ListingOptions &o) const
{
    return MoneyText(SumOfFeatureFees(ExtraFeatureFees(o)));
}

FeatureFees CRegularAuction::ExtraFeatureFees(const ListingOptions &o) const
{
    const CAuctionSite &s = site();
    const float m = float(categoryFactor(o.TwoCategories));
    FeatureFees fees;
    const auto doubled = [&](ListingFeature feature, float fee) { fees.append({feature, fee * m, o.TwoCategories}); };
    const auto once = [&](ListingFeature feature, float fee) { fees.append({feature, fee, false}); };
    using F = ListingFeature;
    if (o.FeaturedPlus)
        doubled(F::FeaturedPlus, s.FeaturedPlusFee(false));
    if (o.HomePageFeatured)
        once(F::HomePageFeatured, s.HomePageFeaturedFee(1));
    // Gallery Featured includes the gallery picture.
    if (o.Gallery && !o.GalleryFeatured)
        doubled(F::Gallery, s.GalleryFee(o.Vehicle, o.ExtraPictures, o.ExtraPicturesChoice));
    if (o.GalleryFeatured)
        doubled(F::GalleryFeatured, s.GalleryFeaturedFee(o.Motors, o.Vehicle));
    if (o.Bold)
        doubled(F::Bold, s.BoldFee(o.Vehicle));
    if (o.Highlight)
        doubled(F::Highlight, s.HighlightFee());
    if (o.GiftIcon)
        doubled(F::GiftIcon, s.GiftIconFee(o.Vehicle));
    if (o.TenDayAuction)
        doubled(F::TenDayAuction, s.TenDayAuctionFee(o.Vehicle));
    if (o.BuyItNow)
        doubled(F::BuyItNow, s.BINFee(o.Vehicle));
    if (o.Scheduled)
        once(F::Scheduled, s.ScheduledListingFee(o.Vehicle));
    if (o.ListingDesigner)
        doubled(F::ListingDesigner, s.ListingDesignerFee());
    if (o.Subtitle)
        doubled(F::Subtitle, s.SubtitleFee());
    // Without any picture option the pictures cost nothing, and adding 0 would change no sum.
    if (o.ExtraPictures || o.Supersize || o.Slideshow)
        doubled(F::ExtraPictures, s.PhotosFee(o.ExtraPictures, o.ExtraPicturesChoice, o.Supersize, o.Slideshow));
    return fees;
}

float SumOfFeatureFees(const FeatureFees &fees)
{
    float total = 0;  // kept at single precision after every addition
    for (const FeatureFee &fee : fees)
        total += fee.Fee;
    return total;
}

QString CRegularAuction::ReserveFee(QStringView ReservePriceText, bool TwoCategories, bool Vehicle) const
{
    float fee = ReserveTier(site(), SingleFromText(ReservePriceText), Vehicle).Fee;
    fee *= float(categoryFactor(TwoCategories));
    return PlainText(fee);
}
