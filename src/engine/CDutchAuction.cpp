#include "CDutchAuction.h"

#include "CAuctionSite.h"
#include "FeeTiers.h"
#include "NumberText.h"

const CAuctionSite &CDutchAuction::site() const
{
    static const CAuctionSite noSite;
    return m_site ? *m_site : noSite;
}

QString CDutchAuction::InsertionFee(QStringView OpeningPriceText, qint16 ItemsOffered, bool TwoCategories) const
{
    // The lot's value is formed from the decimal price, not from the binary single: 37 items at
    // 0.27 are worth 9.99 and must meet the 9.99 bound, where the single product lands above it.
    const float price = SingleFromText(OpeningPriceText);
    const float lotValue = float(WidenSingle(price) * ItemsOffered);
    const float fee = ListingTierFee(site(), lotValue);
    if (!TwoCategories)
        return PlainText(fee);
    return PlainText(DoubleFromText(PlainText(fee)) * 2);
}

QString CDutchAuction::FVF(QStringView FinalPriceText, QStringView ItemsSoldText) const
{
    const float price = SingleFromText(FinalPriceText);
    const qint32 sold = std::clamp(LeadingWholeNumber(ItemsSoldText), -MaxItemCount, MaxItemCount);
    const float perItem = TieredFinalValueFee(site(), price);
    // The per-item fee multiplies at its decimal value, so one item here costs what it costs on
    // the single-item tab (0.525 → 0.53, never the single's 0.52499998 → 0.52).
    return MoneyText(WidenSingle(perItem) * sold);
}

float CDutchAuction::ExtraFeaturesTotal(const ListingOptions &o, qint32 itemsOffered) const
{
    const CAuctionSite &s = site();
    const float m = o.TwoCategories ? 2.0f : 1.0f;
    float total = 0;  // kept at single precision after every addition
    if (o.FeaturedPlus)
        total += s.FeaturedPlusFee(true) * m;
    if (o.HomePageFeatured)
        total += s.HomePageFeaturedFee(itemsOffered);
    if (o.Gallery)
        total += s.GalleryFee(false, o.ExtraPictures, o.ExtraPicturesChoice) * m;
    // Charged on top of the gallery fee when both are chosen.
    if (o.GalleryFeatured)
        total += s.GalleryFeaturedFee(o.Motors, false) * m;
    if (o.Bold)
        total += s.BoldFee(false) * m;
    if (o.Highlight)
        total += s.HighlightFee() * m;
    if (o.GiftIcon)
        total += s.GiftIconFee(false) * m;
    if (o.TenDayAuction)
        total += s.TenDayAuctionFee(false) * m;
    if (o.Scheduled)
        total += s.ScheduledListingFee(false);
    if (o.Subtitle)
        total += s.SubtitleFee() * m;
    if (o.ListingDesigner)
        total += s.ListingDesignerFee() * m;
    total += s.PhotosFee(o.ExtraPictures, o.ExtraPicturesChoice, o.Supersize, o.Slideshow);
    return total;
}
