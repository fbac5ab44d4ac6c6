#include "SiteComparison.h"

#include "CAuctionSite.h"
#include "CPaymentService.h"
#include "ListingFees.h"
#include "NumberText.h"

#include <algorithm>
#include <optional>

namespace {

constexpr ListingFeature AllFeatures[] = {
    ListingFeature::Reserve,         ListingFeature::TwoCategories, ListingFeature::FeaturedPlus,
    ListingFeature::HomePageFeatured, ListingFeature::Gallery,      ListingFeature::GalleryFeatured,
    ListingFeature::Bold,            ListingFeature::Highlight,     ListingFeature::GiftIcon,
    ListingFeature::BuyItNow,        ListingFeature::TenDayAuction, ListingFeature::ExtraPictures,
    ListingFeature::Supersize,       ListingFeature::Slideshow,     ListingFeature::Scheduled,
    ListingFeature::ListingDesigner, ListingFeature::Subtitle,      ListingFeature::Motors,
    ListingFeature::Vehicle,         ListingFeature::Motorcycle,    ListingFeature::RealEstate,
    ListingFeature::Timeshare,
};

bool &flagOf(ListingOptions &o, ListingFeature feature)
{
    switch (feature) {
    case ListingFeature::Reserve: return o.IsReserve;
    case ListingFeature::TwoCategories: return o.TwoCategories;
    case ListingFeature::FeaturedPlus: return o.FeaturedPlus;
    case ListingFeature::HomePageFeatured: return o.HomePageFeatured;
    case ListingFeature::Gallery: return o.Gallery;
    case ListingFeature::GalleryFeatured: return o.GalleryFeatured;
    case ListingFeature::Bold: return o.Bold;
    case ListingFeature::Highlight: return o.Highlight;
    case ListingFeature::GiftIcon: return o.GiftIcon;
    case ListingFeature::BuyItNow: return o.BuyItNow;
    case ListingFeature::TenDayAuction: return o.TenDayAuction;
    case ListingFeature::ExtraPictures: return o.ExtraPictures;
    case ListingFeature::Supersize: return o.Supersize;
    case ListingFeature::Slideshow: return o.Slideshow;
    case ListingFeature::Scheduled: return o.Scheduled;
    case ListingFeature::ListingDesigner: return o.ListingDesigner;
    case ListingFeature::Subtitle: return o.Subtitle;
    case ListingFeature::Motors: return o.Motors;
    case ListingFeature::Vehicle: return o.Vehicle;
    case ListingFeature::Motorcycle: return o.Motorcycle;
    case ListingFeature::RealEstate: return o.RealEstate;
    case ListingFeature::Timeshare: return o.Timeshare;
    }
    Q_UNREACHABLE();
}

// The tab's clean-up of a single item entered on a site: the site's least opening bid (the
// entry field raises a lower one as it is typed), then the closing price and the sale verdict.
void cleanUpSingleItem(ListingSnapshot &listing)
{
    ListingOptions &o = listing.Options;
    const MoneyValue minimum = MinimumOpeningBid(listing.Site);
    if (minimum > MoneyValue() && IsNumericText(o.StartingPriceText)
        && SingleFromText(o.StartingPriceText) < minimum.toSingle())
        o.StartingPriceText = MoneyText(minimum);
    o.ClosingPriceText = MoneyText(RegularClosingPrice(o));
    listing.ItemSold = RegularItemSold(o);
}

} // namespace

SiteComparison::SiteComparison(const ListingSnapshot &listing, const SiteRateTexts &rates) : m_listing(listing)
{
    for (std::size_t index = 0; index < SiteCount; ++index) {
        SiteColumn &column = m_columns[index];
        column.Site = qint32(index) + CAuctionSite::UnitedStates;
        workOut(column, rates);
    }
    std::optional<MoneyValue> lowest;
    for (const SiteColumn &column : m_columns) {
        if (!column.ConvertedTotalText.isEmpty()) {
            const MoneyValue total = MoneyFromText(column.ConvertedTotalText);
            lowest = lowest ? std::min(*lowest, total) : total;
        }
    }
    for (SiteColumn &column : m_columns)
        column.Cheapest = lowest && !column.ConvertedTotalText.isEmpty()
                          && MoneyFromText(column.ConvertedTotalText) == *lowest;
}

void SiteComparison::workOut(SiteColumn &column, const SiteRateTexts &rates) const
{
    CAuctionSite site;
    site.setSite(column.Site);
    column.CurrencyText = site.CurrencyString();
    column.Listing = ReenteredListing(m_listing, column.Site, rates, &column.NotOffered);
    const ListingSnapshot &listing = column.Listing;
    if (!listing.HasFees)
        return;

    if (listing.Type == ListingSnapshot::Kind::MultipleItems) {
        CDutchAuction lot;
        lot.setSite(&site);
        const LotListingFees fees =
            ComputeLotListingFees(lot, listing.Options, listing.ItemsOfferedText, listing.ItemsSoldText);
        column.InsertionFeeText = ReformatAsMoney(fees.InsertionFeeText);
        column.ExtrasText = fees.ExtrasText;
        column.FinalValueFeeText = lot.FVF(listing.Options.ClosingPriceText, listing.ItemsSoldText);
        column.TotalText = fees.TotalText;
    } else {
        CRegularAuction auction;
        auction.setSite(&site);
        const RegularListingFees fees = ComputeRegularListingFees(auction, listing.Options, listing.ItemSold);
        column.InsertionFeeText = fees.InsertionFeeText;
        column.ExtrasText = fees.ExtrasText;
        column.FinalValueFeeText = fees.FinalValueFeeText;
        column.TotalText = fees.TotalText;
    }
    const double siteRate = Rate(column.Site, rates);
    const double currentRate = Rate(m_listing.Site, rates);
    column.ConvertedTotalText = column.Site == m_listing.Site
                                    ? column.TotalText
                                    : ConvertedText(column.TotalText, siteRate, currentRate);
}

double SiteComparison::Rate(qint32 site, const SiteRateTexts &rates)
{
    if (site <= CAuctionSite::UnitedStates || site > CAuctionSite::Germany)
        return 1.0;
    const QString &text = rates[std::size_t(site)];
    if (CPaymentService::IsUsableRateText(text))
        return DoubleFromText(text);
    CAuctionSite schedule;
    schedule.setSite(site);
    // The built-in rate at the digits it is written with, not its nearest binary single.
    return WidenSingle(schedule.DefaultConversionRate());
}

QString SiteComparison::ConvertedText(QStringView amountText, double fromRate, double toRate)
{
    if (amountText.isEmpty())
        return QString();
    return MoneyText(MoneyFromText(amountText).toDouble() / fromRate * toRate);
}

QList<ListingFeature> SiteComparison::UsedFeatures(const ListingSnapshot &listing)
{
    ListingOptions options = listing.Options;
    QList<ListingFeature> used;
    for (ListingFeature feature : AllFeatures) {
        if (!flagOf(options, feature))
            continue;
        // The option buttons keep their choice while their parent box is unticked.
        if ((feature == ListingFeature::Timeshare && !options.RealEstate)
            || (feature == ListingFeature::Motorcycle && !options.Vehicle))
            continue;
        used.append(feature);
    }
    return used;
}

ListingSnapshot SiteComparison::ReenteredListing(const ListingSnapshot &listing, qint32 site,
                                                 const SiteRateTexts &rates, QList<ListingFeature> *notOffered)
{
    ListingSnapshot entered = listing;
    entered.Site = site;
    const bool sameSite = site == listing.Site;
    for (ListingFeature feature : UsedFeatures(listing)) {
        if (SiteOffers(site, listing.Type, feature))
            continue;
        if (notOffered)
            notOffered->append(feature);
        // A stale choice the tab keeps hidden (the lot's eBay Motors box after a change of
        // site) is named but left: the current site's figures are the tab's.
        if (!sameSite)
            flagOf(entered.Options, feature) = false;
    }
    if (sameSite)
        return entered;

    ListingOptions &o = entered.Options;
    const double fromRate = Rate(listing.Site, rates);
    const double toRate = Rate(site, rates);
    o.StartingPriceText = ConvertedText(o.StartingPriceText, fromRate, toRate);
    o.ClosingPriceText = ConvertedText(o.ClosingPriceText, fromRate, toRate);
    if (listing.Type == ListingSnapshot::Kind::SingleItem) {
        cleanUpSingleItem(entered);
    } else {
        // An opening price that comes to nothing there is no entry: the tab's field refuses it.
        entered.HasFees = listing.HasFees && MoneyFromText(o.StartingPriceText) > MoneyValue();
    }
    return entered;
}
