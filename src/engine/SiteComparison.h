#pragma once

#include "ListingSnapshot.h"
#include "SiteOffers.h"

#include <QList>
#include <QString>

#include <array>

// The listing of the tab in view as it would fare on each of the four sites.
//
// Each other site's listing is the current one re-entered there by hand: its prices (starting
// and closing price of a single item, opening price and lowest successful bid of a lot) are
// converted into the site's currency, price ÷ rate of the current site × rate of the other
// site, and rounded to cents; the options the site does not offer are dropped (and named);
// then the tab's own clean-ups apply (eBay Germany's least opening bid, a no-reserve auction
// closing at least at its opening bid, the sale verdict). A rate is US dollars to the site's
// currency, eBay.com's is 1; a rate text that is no usable rate stands for the site's built-in
// rate. The current site's listing is taken as it is, so its column is exactly the tab's.
//
// Totals are compared in the current site's currency: total ÷ rate of its site × rate of the
// current site. The lowest is the cheapest; a tie marks every site that has it.
struct SiteColumn
{
    qint32 Site = 0;
    QString CurrencyText;
    ListingSnapshot Listing;  // the listing as entered on this site
    // The figures of the tab on this site ("" where the tab shows none).
    QString InsertionFeeText;
    QString ExtrasText;
    QString FinalValueFeeText;
    QString TotalText;
    QString ConvertedTotalText;  // in the current site's currency
    // Options the current listing uses that this site does not offer.
    QList<ListingFeature> NotOffered;
    bool Cheapest = false;
};

class SiteComparison
{
public:
    static constexpr std::size_t SiteCount = 4;

    SiteComparison(const ListingSnapshot &listing, const SiteRateTexts &rates);

    // No figures when the tab shows none (a lot whose entries are incomplete).
    bool HasFees() const { return m_listing.HasFees; }
    const ListingSnapshot &Listing() const { return m_listing; }
    // eBay.com, eBay UK, eBay Canada, eBay Germany.
    const std::array<SiteColumn, SiteCount> &Columns() const { return m_columns; }
    const SiteColumn &Column(qint32 site) const { return m_columns[std::size_t(site - 1)]; }

    // The rate of a site (US dollars to its currency) from the rate texts.
    static double Rate(qint32 site, const SiteRateTexts &rates);
    // An amount text of one site's currency in another's, as money text; "" stays "".
    static QString ConvertedText(QStringView amountText, double fromRate, double toRate);
    // The options a listing uses (a sub-option only with its parent).
    static QList<ListingFeature> UsedFeatures(const ListingSnapshot &listing);
    // The listing re-entered on another site, without the options that site does not offer
    // (those are appended to notOffered).
    static ListingSnapshot ReenteredListing(const ListingSnapshot &listing, qint32 site, const SiteRateTexts &rates,
                                            QList<ListingFeature> *notOffered = nullptr);

private:
    void workOut(SiteColumn &column, const SiteRateTexts &rates) const;

    ListingSnapshot m_listing;
    std::array<SiteColumn, SiteCount> m_columns;
};
