#include "FeeBreakdownPanel.h"

#include "frmeBayFees.h"

FeeBreakdownPanel::FeeBreakdownPanel(frmeBayFees *window) : ToolPanel(window, QStringLiteral("FeeBreakdownPanel"))
{
}

void FeeBreakdownPanel::Refresh(const ListingSnapshot &listing)
{
    Q_UNUSED(listing);
}

void FeeBreakdownPanel::ApplyLocalizedCaptions()
{
}
