#pragma once

#include "ToolPanel.h"

// The Tools menu's panel of every fee of the listing on its own line, with the tier it fell in.
class FeeBreakdownPanel : public ToolPanel
{
    Q_OBJECT

public:
    explicit FeeBreakdownPanel(frmeBayFees *window);

    void Refresh(const ListingSnapshot &listing) override;
    void ApplyLocalizedCaptions() override;
};
