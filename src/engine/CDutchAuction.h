#pragma once

#include "CRegularAuction.h"
#include "ListingOptions.h"
#include "MoneyValue.h"

#include <QString>
#include <QStringView>

class CAuctionSite;

// The fees of a multiple-item ("Dutch") listing: one insertion fee for the lot, the extra
// features, and the final value fee of the items sold.
//
// Counts are 16-bit as the lot's data model has them: MaxItemCount is the largest number of
// items offered or sold. The count fields refuse anything larger, and every count reading here
// clamps to it, so no count can overflow or wrap.
class CDutchAuction
{
public:
    static constexpr qint32 MaxItemCount = 32767;

    // The window's shared schedule; without one the fees are those of site code 0.
    void setSite(const CAuctionSite *site) { m_site = site; }

    // Plain decimal text: the insertion fee for the lot's value (opening price × items), doubled
    // for a second category.
    QString InsertionFee(QStringView OpeningPriceText, qint16 ItemsOffered, bool TwoCategories) const;
    // The value of the lot whose tier sets the insertion fee.
    static float LotValue(QStringView OpeningPriceText, qint16 ItemsOffered);
    // "0.00" text: the per-item final value fee at the lowest successful bid times the items sold.
    QString FVF(QStringView FinalPriceText, QStringView ItemsSoldText) const;
    // The two factors of FVF: the fee of one item at the lowest successful bid, and the items sold.
    float PerItemFVF(QStringView FinalPriceText) const;
    static qint32 SoldCount(QStringView ItemsSoldText);

    // The extra features of a lot (single precision): home-page featured priced by the
    // quantity offered and, like scheduled listing and the pictures, not doubled.
    float ExtraFeaturesTotal(const ListingOptions &options, qint32 itemsOffered) const;
    // The features that ExtraFeaturesTotal adds, one by one in its order.
    FeatureFees ExtraFeatureFees(const ListingOptions &options, qint32 itemsOffered) const;

private:
    const CAuctionSite &site() const;

    const CAuctionSite *m_site = nullptr;
};
