#pragma once

#include "ToolPanel.h"

// The Tools menu's panel of the seller's profit on the listing and the lowest closing price that reaches a target profit.
class ProfitPanel : public ToolPanel
{
    Q_OBJECT

public:
    explicit ProfitPanel(frmeBayFees *window);

    void Refresh(const ListingSnapshot &listing) override;
    void ApplyLocalizedCaptions() override;
};
