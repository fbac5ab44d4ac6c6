#pragma once

#include "ListingSnapshot.h"
#include "ToolPanel.h"

#include <optional>

class QLabel;
class QTableWidget;
class SiteComparison;

// The Tools menu's panel of the listing on the four sites side by side: a column per site with
// the prices it is entered at, the tab's fees in the site's currency, the total in the current
// site's currency and the options the site does not offer. The cheapest column is set in bold
// and marked in words.
class CompareSitesPanel : public ToolPanel
{
    Q_OBJECT

public:
    explicit CompareSitesPanel(frmeBayFees *window);

    void Refresh(const ListingSnapshot &listing) override;
    void ApplyLocalizedCaptions() override;

    // Rows of the grid before the not-offered options.
    enum Row { StartingPriceRow, ClosingPriceRow, InsertionFeeRow, ExtrasRow, FinalValueFeeRow, TotalRow,
               ConvertedTotalRow, FixedRowCount };

private:
    void display(const SiteComparison &comparison, const SiteRateTexts &rates);

    QLabel *m_message = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_rates = nullptr;
    std::optional<ListingSnapshot> m_listing;
};
