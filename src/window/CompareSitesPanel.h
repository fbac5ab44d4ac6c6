#pragma once

#include "ToolPanel.h"

// The Tools menu's panel of the listing on the four sites side by side.
class CompareSitesPanel : public ToolPanel
{
    Q_OBJECT

public:
    explicit CompareSitesPanel(frmeBayFees *window);

    void Refresh(const ListingSnapshot &listing) override;
    void ApplyLocalizedCaptions() override;
};
