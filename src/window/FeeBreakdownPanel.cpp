#include "FeeBreakdownPanel.h"

#include "CAuctionSite.h"
#include "FeeBreakdown.h"
#include "frmeBayFees.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using Kind = BreakdownLine::Kind;

constexpr auto text = &ToolPanel::Text;

// A feature by the caption of its box on the tab the listing comes from.
QString featureName(ListingFeature feature, bool lot)
{
    switch (feature) {
    case ListingFeature::FeaturedPlus: return text(lot ? "Featured Plus<0317>" : "Featured Plus<0352>");
    case ListingFeature::HomePageFeatured: return text(lot ? "Home Page Featured<0315>" : "Home Page Featured<0354>");
    case ListingFeature::Gallery: return text(lot ? "Gallery<0313>" : "Gallery<0356>");
    case ListingFeature::GalleryFeatured: return text(lot ? "Gallery Featured<0311>" : "Gallery Featured<0358>");
    case ListingFeature::Bold: return text(lot ? "Bold<0307>" : "Bold<0362>");
    case ListingFeature::Highlight: return text(lot ? "Highlight<0309>" : "Highlight<0360>");
    case ListingFeature::GiftIcon: return text(lot ? "Gift Services<0305>" : "Gift Services<0364>");
    case ListingFeature::BuyItNow: return text("Buy it Now<0345>");
    case ListingFeature::TenDayAuction: return text(lot ? "Ten Day Auction<0303>" : "Ten Day Auction<0348>");
    // One fee covers the extra pictures, supersize and the slideshow.
    case ListingFeature::ExtraPictures: return text("Picture services<0838>");
    case ListingFeature::Scheduled: return text(lot ? "Scheduled Listing<0293>" : "Scheduled Listing<0336>");
    case ListingFeature::ListingDesigner: return text(lot ? "Listing Designer<0687>" : "Listing Designer<0681>");
    case ListingFeature::Subtitle: return QStringLiteral("Subtitle");  // untagged on both tabs
    default: return QString();
    }
}

QString tierText(const BreakdownTier &tier, const QString &subject)
{
    if (tier.Index < 0)
        return text("%1 %2 is in no tier<0817>").arg(subject, tier.ValueText);
    if (tier.LowerText.isEmpty())
        return text("%1 %2 is in the tier up to %3<0816>").arg(subject, tier.ValueText, tier.UpperText);
    if (tier.UpperText.isEmpty())
        return text("%1 %2 is in the tier from %3<0815>").arg(subject, tier.ValueText, tier.LowerText);
    return text("%1 %2 is in the tier %3–%4<0814>").arg(subject, tier.ValueText, tier.LowerText, tier.UpperText);
}

// One text per tier of the final value fee.
QStringList partsTexts(const QList<BreakdownTierPart> &parts)
{
    QStringList texts;
    for (const BreakdownTierPart &part : parts) {
        texts << (part.FromText.isEmpty()
                      ? text("%1 % of the first %2 = %3<0827>").arg(part.RatePercentText, part.ToText, part.AmountText)
                      : text("%1 % of %2–%3 = %4<0828>")
                            .arg(part.RatePercentText, part.FromText, part.ToText, part.AmountText));
    }
    return texts;
}

struct ShownLine
{
    QString name;
    QStringList details;
};

ShownLine shownLine(const BreakdownLine &line, bool lot)
{
    ShownLine shown;
    QStringList &details = shown.details;
    switch (line.Type) {
    case Kind::InsertionFee:
        shown.name = text("Insertion fee<0813>");
        details << tierText(line.Tier, lot ? text("lot value<0819>") : text("starting price<0818>"));
        break;
    case Kind::RealEstateInsertionFee:
        shown.name = text("Real estate insertion fee<0822>");
        if (line.Timeshare)
            details << text("Timeshare/Land<0372>");
        break;
    case Kind::VehicleInsertionFee:
        shown.name = text("Vehicle insertion fee<0823>");
        if (line.Motorcycle)
            details << text("Motorcycle<0376>");
        break;
    case Kind::ReserveFee:
        shown.name = text("Reserve fee<0825>");
        details << tierText(line.Tier, text("reserve price<0820>"));
        break;
    case Kind::Feature: shown.name = featureName(line.Feature, lot); break;
    case Kind::FinalValueFee:
        shown.name = text("Final value fee<0826>");
        details << partsTexts(line.Parts);
        if (lot)
            details << text("%1 per item × %2 items sold<0833>").arg(line.PerItemText).arg(line.ItemsSold);
        break;
    case Kind::VehicleFinalValueFee:
        shown.name = text("Vehicle final value fee<0829>");
        details << text("closing price %1<0824>").arg(line.PriceText);
        break;
    case Kind::RealEstateFinalValueFee:
        shown.name = text("Final value fee<0826>");
        details << text("Real estate pays no final value fee<0830>");
        break;
    case Kind::Rounding: shown.name = text("Rounding<0831>"); break;
    }
    if (line.Doubled)
        details << text("%1 × 2 for two categories<0821>").arg(line.SingleAmountText);
    return shown;
}

} // namespace

FeeBreakdownPanel::FeeBreakdownPanel(frmeBayFees *window) : ToolPanel(window, QStringLiteral("FeeBreakdownPanel"))
{
    auto *layout = new QVBoxLayout(this);
    m_heading_label = new QLabel(this);
    m_heading_label->setObjectName(QStringLiteral("lblBreakdownHeading"));
    m_heading_label->setWordWrap(true);
    layout->addWidget(m_heading_label);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstBreakdown"));
    m_list->setColumnCount(2);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_list->setMinimumSize(460, 240);
    layout->addWidget(m_list);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("lblBreakdownTotal"));
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_total);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_copy = new QPushButton(this);
    m_copy->setObjectName(QStringLiteral("cmdBreakdownCopy"));
    m_addToNotes = new QPushButton(this);
    m_addToNotes->setObjectName(QStringLiteral("cmdBreakdownAddToNotes"));
    buttons->addWidget(m_copy);
    buttons->addWidget(m_addToNotes);
    layout->addLayout(buttons);

    connect(m_copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText((QStringList{m_heading} + Lines()).join(QLatin1Char('\n')));
    });
    connect(m_addToNotes, &QPushButton::clicked, this, [this] { Window()->AddToNotepad(m_heading, Lines()); });
}

void FeeBreakdownPanel::ApplyLocalizedCaptions()
{
    setWindowTitle(text("Fee Breakdown<0810>"));
    m_copy->setText(text("&Copy<0811>"));
    m_addToNotes->setText(text("&Add to Notepad<0812>"));
    m_list->setHeaderLabels({text("Fee<0836>"), text("Amount<0837>")});
}

void FeeBreakdownPanel::Refresh(const ListingSnapshot &listing)
{
    CAuctionSite site;
    site.setSite(listing.Site);
    display(BreakDownFees(site, listing), listing, site.CurrencyString());
}

QStringList FeeBreakdownPanel::Lines() const
{
    // One line per fee, what decided it in brackets, then the total.
    QStringList lines;
    for (qsizetype index = 0; index < m_rows.size(); ++index) {
        const Row &fee = m_rows[index];
        QStringList details;
        while (index + 1 < m_rows.size() && m_rows[index + 1].detail())
            details << m_rows[++index].name;
        lines << (details.isEmpty() ? QStringLiteral("%1: %2").arg(fee.name, fee.amount)
                                    : QStringLiteral("%1: %2 (%3)").arg(fee.name, fee.amount, details.join(QStringLiteral("; "))));
    }
    if (!m_totalLine.isEmpty())
        lines << m_totalLine;
    return lines;
}

void FeeBreakdownPanel::display(const FeeBreakdown &breakdown, const ListingSnapshot &listing, const QString &currency)
{
    const bool lot = listing.Type == ListingSnapshot::Kind::MultipleItems;
    m_heading = (lot ? text("Multiple items on %1<0835>") : text("Single item on %1<0834>")).arg(SiteName(listing.Site));
    if (m_heading_label->text() != m_heading)
        m_heading_label->setText(m_heading);
    const bool shown = breakdown.HasFees;
    m_copy->setEnabled(shown);
    m_addToNotes->setEnabled(shown);
    if (!shown) {
        showRows({});
        m_totalLine.clear();
        setTotal(text("Fill in the four entries of the lot to see its fees.<0839>"));
        return;
    }
    const QString currencyAndBlank = currency + QLatin1Char(' ');
    QList<Row> rows;
    rows.reserve(breakdown.Lines.size() * 3);
    for (const BreakdownLine &line : breakdown.Lines) {
        ShownLine shownLine = ::shownLine(line, lot);
        rows.append({std::move(shownLine.name), currencyAndBlank + line.AmountText});
        for (QString &detail : shownLine.details)
            rows.append({std::move(detail), QString()});
    }
    showRows(std::move(rows));
    QString total = text("Total eBay Fees: %1<0832>").arg(currencyAndBlank + breakdown.TotalText);
    if (lot && !breakdown.CostPerItemText.isEmpty())
        total += QStringLiteral("   ") + text("Fee per item sold: %1<0809>").arg(currencyAndBlank + breakdown.CostPerItemText);
    setTotal(total);
    m_totalLine = total;
}

void FeeBreakdownPanel::setTotal(const QString &total)
{
    if (m_total->text() != total)
        m_total->setText(total);
}

void FeeBreakdownPanel::showRows(QList<Row> rows)
{
    // The rows are rewritten in place, and only where they changed: the list follows every
    // keystroke of the tab, and rebuilding it each time would cost more than the fees do. The
    // rows shown before are the ones to compare with, not the items' own data, which is slower
    // to ask.
    while (m_list->topLevelItemCount() > rows.size())
        delete m_list->takeTopLevelItem(m_list->topLevelItemCount() - 1);
    int amountWidth = 0;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const Row &row = rows[index];
        const Row *before = index < m_rows.size() ? &m_rows[index] : nullptr;
        QTreeWidgetItem *item = before ? m_list->topLevelItem(int(index)) : nullptr;
        if (!item) {
            item = new QTreeWidgetItem(m_list);
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignTop);
        }
        if (!before || before->name != row.name || before->detail() != row.detail())
            item->setText(0, row.detail() ? QStringLiteral("    ") + row.name : row.name);
        if (before ? before->amount != row.amount : !row.amount.isEmpty()) {
            item->setText(1, row.amount);
            amountWidth = std::max(amountWidth, m_list->fontMetrics().horizontalAdvance(row.amount));
        }
        if (before ? before->detail() != row.detail() : row.detail()) {
            item->setFirstColumnSpanned(row.detail());
            item->setData(0, Qt::ForegroundRole, row.detail() ? QVariant(palette().brush(QPalette::PlaceholderText)) : QVariant());
        }
    }
    m_rows = std::move(rows);
    // The amounts' column is as wide as its widest amount; it only grows, so the list holds still
    // (and only a changed amount needs measuring).
    if (amountWidth == 0)
        return;
    const int wanted = amountWidth + 3 * m_list->fontMetrics().horizontalAdvance(QLatin1Char(' '))
                       + 2 * m_list->indentation() / 3;
    if (wanted > m_list->header()->sectionSize(1))
        m_list->header()->resizeSection(1, wanted);
}
