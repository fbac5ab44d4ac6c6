#include "CompareSitesPanel.h"

#include "frmeBayFees.h"

CompareSitesPanel::CompareSitesPanel(frmeBayFees *window) : ToolPanel(window, QStringLiteral("CompareSitesPanel"))
{
}

void CompareSitesPanel::Refresh(const ListingSnapshot &listing)
{
    Q_UNUSED(listing);
}

void CompareSitesPanel::ApplyLocalizedCaptions()
{
}
