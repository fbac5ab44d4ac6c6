#include "ProfitPanel.h"

#include "frmeBayFees.h"

ProfitPanel::ProfitPanel(frmeBayFees *window) : ToolPanel(window, QStringLiteral("ProfitPanel"))
{
}

void ProfitPanel::Refresh(const ListingSnapshot &listing)
{
    Q_UNUSED(listing);
}

void ProfitPanel::ApplyLocalizedCaptions()
{
}
