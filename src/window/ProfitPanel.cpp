#include "ProfitPanel.h"

#include "CAuctionSite.h"
#include "EntryFieldRules.h"
#include "NumberText.h"
#include "ProfitBar.h"
#include "frmeBayFees.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr auto text = &ToolPanel::Text;

constexpr const char *CostFieldNames[ProfitPanel::CostCount] = {"txtProfitItemCost", "txtProfitShippingCharged",
                                                                "txtProfitShippingCost", "txtProfitTarget"};
constexpr const char *CostCaptions[ProfitPanel::CostCount] = {"Item cost:<0841>", "Shipping charged to the buyer:<0842>",
                                                              "Shipping cost:<0843>", "Target profit:<0844>"};
constexpr std::size_t TargetEntry = 3;

// "eBay fees:" as a name in a sentence or a legend: "eBay fees".
QString withoutColon(QString caption)
{
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    return caption;
}

QLineEdit *figureField(QWidget *parent, const char *name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

} // namespace

ProfitPanel::ProfitPanel(frmeBayFees *window) : ToolPanel(window, QStringLiteral("ProfitPanel"))
{
    auto *layout = new QVBoxLayout(this);
    m_headingLabel = new QLabel(this);
    m_headingLabel->setObjectName(QStringLiteral("lblProfitHeading"));
    QFont bold = m_headingLabel->font();
    bold.setBold(true);
    m_headingLabel->setFont(bold);
    layout->addWidget(m_headingLabel);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    for (std::size_t entry = 0; entry < CostCount; ++entry) {
        const int row = int(entry);
        m_costLabels[entry] = new QLabel(this);
        m_costCurrencies[entry] = new QLabel(this);
        QLineEdit *field = m_costs[entry] = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(CostFieldNames[entry]));
        field->setAlignment(Qt::AlignRight);
        field->setPlaceholderText(MoneyText(MoneyValue()));
        m_costLabels[entry]->setBuddy(field);
        grid->addWidget(m_costLabels[entry], row, 0);
        grid->addWidget(m_costCurrencies[entry], row, 1);
        grid->addWidget(field, row, 2);
        // The entries the last run left, where they are still amounts the field takes.
        const QString kept = ReadSetting(QString::fromLatin1(CostSettingNames[entry]));
        if (EntryFieldRules::IsAcceptableMoneyText(kept))
            field->setText(kept);
        window->WatchMoneyField(field);
        connect(field, &QLineEdit::textChanged, this, [this] { display(Window()->CurrentListing()); });
    }
    layout->addLayout(grid);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblProfitNote"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    m_payment = new QLabel(this);
    m_payment->setObjectName(QStringLiteral("lblProfitPayment"));
    m_payment->setWordWrap(true);
    layout->addWidget(m_payment);

    auto *figures = new QGridLayout;
    figures->setColumnStretch(1, 1);
    constexpr const char *FigureNames[FigureCount] = {"txtProfitSalePrice", "txtProfitEbayFees", "txtProfitPayPalFee",
                                                      "txtProfitNet",       "txtProfitProfit",   "txtProfitMargin",
                                                      "txtProfitBreakEven"};
    for (int figure = 0; figure < FigureCount; ++figure) {
        m_figureLabels[figure] = new QLabel(this);
        m_figures[figure] = figureField(this, FigureNames[figure]);
        figures->addWidget(m_figureLabels[figure], figure, 0);
        figures->addWidget(m_figures[figure], figure, 1);
    }
    QFont boldField = m_figures[Profit]->font();
    boldField.setBold(true);
    m_figures[Profit]->setFont(boldField);
    m_figures[BreakEvenPrice]->setFont(boldField);
    layout->addLayout(figures);
    m_breakEvenNote = new QLabel(this);
    m_breakEvenNote->setObjectName(QStringLiteral("lblProfitBreakEvenNote"));
    m_breakEvenNote->setWordWrap(true);
    m_breakEvenNote->setAlignment(Qt::AlignRight);
    layout->addWidget(m_breakEvenNote);

    m_bar = new ProfitBar(this);
    m_bar->setObjectName(QStringLiteral("picProfitBar"));
    layout->addWidget(m_bar);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_addToNotes = new QPushButton(this);
    m_addToNotes->setObjectName(QStringLiteral("cmdProfitAddToNotes"));
    buttons->addWidget(m_addToNotes);
    layout->addLayout(buttons);
    connect(m_addToNotes, &QPushButton::clicked, this, [this] { Window()->AddToNotepad(m_heading, m_lines); });
}

void ProfitPanel::ApplyLocalizedCaptions()
{
    setWindowTitle(text("Profit and Break-even<0840>"));
    for (std::size_t entry = 0; entry < CostCount; ++entry)
        m_costLabels[entry]->setText(text(CostCaptions[entry]));
    m_figureLabels[SalePrice]->setText(text("Sale price:<0862>"));
    m_figureLabels[EbayFees]->setText(text("eBay fees:<0845>"));
    m_figureLabels[PayPalFee]->setText(text("PayPal fee:<0846>"));
    m_figureLabels[Net]->setText(text("Net proceeds:<0847>"));
    m_figureLabels[Profit]->setText(text("Profit:<0848>"));
    m_figureLabels[Margin]->setText(text("Margin:<0849>"));
    m_addToNotes->setText(text("&Add to Notepad<0812>"));
    m_bar->SetNames({withoutColon(text("eBay fees:<0845>")), withoutColon(text("PayPal fee:<0846>")),
                     withoutColon(text("Shipping cost:<0843>")), withoutColon(text("Item cost:<0841>")),
                     withoutColon(text("Profit:<0848>")), text("Loss<0860>")});
    if (isVisible())
        display(Window()->CurrentListing());
}

void ProfitPanel::AppendSettings(SettingValues &values) const
{
    ToolPanel::AppendSettings(values);
    for (std::size_t entry = 0; entry < CostCount; ++entry)
        values.append({QString::fromLatin1(CostSettingNames[entry]), m_costs[entry]->text()});
}

ProfitCosts ProfitPanel::costs() const
{
    // An empty entry, or a lone decimal point, is no cost.
    const auto amount = [this](std::size_t entry) { return MoneyFromText(m_costs[entry]->text()); };
    return {amount(0), amount(1), amount(2), amount(TargetEntry)};
}

void ProfitPanel::Refresh(const ListingSnapshot &listing)
{
    display(listing);
}

void ProfitPanel::showFigure(QLineEdit *field, QLabel *label, const QString &value)
{
    field->setText(value);
    field->setCursorPosition(0);
    if (!value.isEmpty())
        m_lines << QStringLiteral("%1 %2").arg(label->text(), value);
}

void ProfitPanel::display(const ListingSnapshot &listing)
{
    CAuctionSite site;
    site.setSite(listing.Site);
    const QString currency = site.CurrencyString();
    const auto money = [&currency](MoneyValue amount) { return currency + QLatin1Char(' ') + MoneyText(amount); };
    const bool lot = listing.Type == ListingSnapshot::Kind::MultipleItems;
    for (QLabel *label : m_costCurrencies)
        label->setText(currency);

    const QString listingHeading =
        (lot ? text("Multiple items on %1<0835>") : text("Single item on %1<0834>")).arg(SiteName(listing.Site));
    m_headingLabel->setText(listingHeading);
    m_heading = withoutColon(windowTitle()) + QStringLiteral(": ") + listingHeading;
    m_lines.clear();
    m_payment->setText(text("Paid with PayPal: %1<0857>").arg(Window()->PaymentChoicesText()));

    const ProfitCosts costs = this->costs();
    const ProfitCalculator calculator(Window()->CurrentPaymentChoices());
    const ProfitFigures figures = calculator.Figures(listing, costs);
    m_addToNotes->setEnabled(figures.HasListing);
    if (!figures.HasListing) {
        m_note->setText(text("Fill in the four entries of the lot to see its profit.<0861>"));
        for (QLineEdit *field : m_figures)
            field->clear();
        m_breakEvenNote->clear();
        m_bar->Clear();
        return;
    }

    const MoneyValue entered[CostCount] = {costs.ItemCost, costs.ShippingCharged, costs.ShippingCost, costs.Target};
    for (std::size_t entry = 0; entry < CostCount; ++entry) {
        if (entry != TargetEntry || costs.Target > MoneyValue())
            m_lines << QStringLiteral("%1 %2").arg(m_costLabels[entry]->text(), money(entered[entry]));
    }
    QString note;
    if (lot)
        note = text("Costs and shipping are per item sold.<0858>");
    else if (!figures.Sold)
        note = text("The item did not sell: the price below is what a sale would need.<0859>");
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());

    QString salePrice;
    if (figures.Sold) {
        salePrice = lot ? text("%1 per item × %2 items sold<0833>").arg(money(figures.SalePrice)).arg(figures.ItemsSold)
                        : money(figures.SalePrice);
    }
    showFigure(m_figures[SalePrice], m_figureLabels[SalePrice], salePrice);
    showFigure(m_figures[EbayFees], m_figureLabels[EbayFees], money(figures.EbayFees));
    showFigure(m_figures[PayPalFee], m_figureLabels[PayPalFee], money(figures.PayPalFee));
    showFigure(m_figures[Net], m_figureLabels[Net], money(figures.Net));
    showFigure(m_figures[Profit], m_figureLabels[Profit], money(figures.Profit));
    showFigure(m_figures[Margin], m_figureLabels[Margin],
               figures.MarginTenthsOfPercent ? PercentNumberText(*figures.MarginTenthsOfPercent) + QStringLiteral(" %")
                                             : QString());

    // At a target of 0 the price sought is the break-even price.
    m_figureLabels[BreakEvenPrice]->setText(costs.Target > MoneyValue() ? text("Price for the target:<0851>")
                                                                        : text("Break-even price:<0850>"));
    const BreakEven breakEven = calculator.FindBreakEven(listing, costs);
    QString price;
    QString which;
    if (breakEven.Reachable) {
        price = money(breakEven.At);
        switch (breakEven.Varies) {
        case BreakEven::Price::ClosingPrice: which = text("lowest closing price, to the cent<0852>"); break;
        case BreakEven::Price::LowestSuccessfulBid: which = text("lowest successful bid, to the cent<0853>"); break;
        case BreakEven::Price::OpeningBid: which = text("opening bid, at which the items left sell<0854>"); break;
        }
    } else if (lot && listing.Options.ItemsSold <= 0) {
        price = text("no item sold<0856>");
    } else {
        price = text("not reachable at any price up to %1<0855>").arg(money(ProfitCalculator::HighestPrice));
    }
    showFigure(m_figures[BreakEvenPrice], m_figureLabels[BreakEvenPrice], price);
    m_figures[BreakEvenPrice]->setToolTip(price);
    m_breakEvenNote->setText(which);
    if (!which.isEmpty())
        m_lines.back() += QStringLiteral(" (%1)").arg(which);
    m_lines << m_payment->text();
    m_bar->SetFigures(figures, currency);
}
