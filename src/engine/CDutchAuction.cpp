#include "CDutchAuction.h"

#include "CAuctionSite.h"
#include "FeeTiers.h"
#include "NumberText.h"

#include <algorithm>

const CAuctionSite &CDutchAuction::site() const
{
    static const CAuctionSite noSite;
    return m_site ? *m_site : noSite;
}

float CDutchAuction::LotValue(QStringView OpeningPriceText, qint16 ItemsOffered)
{
    // The lot's value is formed from the decimal price, not from the binary single: 37 items at
    // 0.27 are worth 9.99 and must meet the 9.99 bound, where the single product lands above it.
    const float price = SingleFromText(OpeningPriceText);
    return float(WidenSingle(price) * ItemsOffered);
}

QString CDutchAuction::InsertionFee(QStringView OpeningPriceText, qint16 ItemsOffered, bool TwoCategories) const
{
    const float fee = ListingTierFee(site(), LotValue(OpeningPriceText, ItemsOffered));
    if (!TwoCategories)
        return PlainText(fee);
    return PlainText(DoubleFromText(PlainText(fee)) * 2);
}

float CDutchAuction::PerItemFVF(QStringView FinalPriceText) const
{
    return TieredFinalValueFee(site(), SingleFromText(FinalPriceText));
}

qint32 CDutchAuction::SoldCount(QStringView ItemsSoldText)
{
    return std::clamp(LeadingWholeNumber(ItemsSoldText), -MaxItemCount, MaxItemCount);
}

QString CDutchAuction::FVF(QStringView FinalPriceText, QStringView ItemsSoldText) const
{
    // The per-item fee multiplies at its decimal value, so one item here costs what it costs on
    // the single-item tab (0.525 → 0.53, never the single's 0.52499998 → 0.52).
    return MoneyText(WidenSingle(PerItemFVF(FinalPriceText)) * SoldCount(ItemsSoldText));
}

float CDutchAuction::ExtraFeaturesTotal(const ListingOptions &o, qint32 itemsOffered) const
{
    return SumOfFeatureFees(ExtraFeatureFees(o, itemsOffered));
}

FeatureFees CDutchAuction::ExtraFeatureFees(const ListingOptions &o, qint32 itemsOffered) const
{
    const CAuctionSite &s = site();
    const float m = o.TwoCategories ? 2.0f : 1.0f;
    FeatureFees fees;
    const auto doubled = [&](ListingFeature feature, float fee) { fees.append({feature, fee * m, o.TwoCategories}); };
    const auto once = [&](ListingFeature feature, float fee) { fees.append({feature, fee, false}); };
    using F = ListingFeature;
    if (o.FeaturedPlus)
        doubled(F::FeaturedPlus, s.FeaturedPlusFee(true));
    if (o.HomePageFeatured)
        once(F::HomePageFeatured, s.HomePageFeaturedFee(itemsOffered));
    if (o.Gallery)
        doubled(F::Gallery, s.GalleryFee(false, o.ExtraPictures, o.ExtraPicturesChoice));
    // Charged on top of the gallery fee when both are chosen.
    if (o.GalleryFeatured)
        doubled(F::GalleryFeatured, s.GalleryFeaturedFee(o.Motors, false));
    if (o.Bold)
        doubled(F::Bold, s.BoldFee(false));
    if (o.Highlight)
        doubled(F::Highlight, s.HighlightFee());
    if (o.GiftIcon)
        doubled(F::GiftIcon, s.GiftIconFee(false));
    if (o.TenDayAuction)
        doubled(F::TenDayAuction, s.TenDayAuctionFee(false));
    if (o.Scheduled)
        once(F::Scheduled, s.ScheduledListingFee(false));
    if (o.Subtitle)
        doubled(F::Subtitle, s.SubtitleFee());
    if (o.ListingDesigner)
        doubled(F::ListingDesigner, s.ListingDesignerFee());
    // Without any picture option the pictures cost nothing, and adding 0 would change no sum.
    if (o.ExtraPictures || o.Supersize || o.Slideshow)
        once(F::ExtraPictures, s.PhotosFee(o.ExtraPictures, o.ExtraPicturesChoice, o.Supersize, o.Slideshow));
    return fees;
}
