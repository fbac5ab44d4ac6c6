#pragma once

#include "ListingSnapshot.h"
#include "ProfitCalculator.h"
#include "ToolPanel.h"

#include <QStringList>

#include <array>

class ProfitBar;
class QLabel;
class QLineEdit;
class QPushButton;

// The Tools menu's panel of the seller's profit on the listing and the lowest closing price that
// reaches a target profit. The seller types the item's cost, the shipping charged and paid, and
// the target; the payment tab's choices decide the PayPal fee. The costs are kept between runs.
class ProfitPanel : public ToolPanel
{
    Q_OBJECT

public:
    explicit ProfitPanel(frmeBayFees *window);

    void Refresh(const ListingSnapshot &listing) override;
    void ApplyLocalizedCaptions() override;
    void AppendSettings(SettingValues &values) const override;

    // The summary as Add to Notepad writes it: a heading, then "label: figure" lines.
    QString Heading() const { return m_heading; }
    QStringList Lines() const { return m_lines; }

    // The entries, by their setting names.
    static constexpr std::size_t CostCount = 4;
    static constexpr const char *CostSettingNames[CostCount] = {"ProfitItemCost", "ProfitShippingCharged",
                                                                "ProfitShippingCost", "ProfitTarget"};

private:
    ProfitCosts costs() const;
    void display(const ListingSnapshot &listing);
    void showFigure(QLineEdit *field, QLabel *label, const QString &value);

    std::array<QLineEdit *, CostCount> m_costs{};
    std::array<QLabel *, CostCount> m_costLabels{};
    std::array<QLabel *, CostCount> m_costCurrencies{};
    QLabel *m_headingLabel = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_payment = nullptr;
    enum Figure { SalePrice, EbayFees, PayPalFee, Net, Profit, Margin, BreakEvenPrice, FigureCount };
    std::array<QLineEdit *, FigureCount> m_figures{};
    std::array<QLabel *, FigureCount> m_figureLabels{};
    QLabel *m_breakEvenNote = nullptr;
    ProfitBar *m_bar = nullptr;
    QPushButton *m_addToNotes = nullptr;
    QString m_heading;
    QStringList m_lines;
};
