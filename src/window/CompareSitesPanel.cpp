#include "CompareSitesPanel.h"

#include "CAuctionSite.h"
#include "NumberText.h"
#include "SiteComparison.h"
#include "frmeBayFees.h"

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr auto text = &ToolPanel::Text;

// An option by the caption of its box on the tab the listing comes from.
QString featureName(ListingFeature feature, ListingSnapshot::Kind kind)
{
    const bool lot = kind == ListingSnapshot::Kind::MultipleItems;
    switch (feature) {
    case ListingFeature::Reserve: return text("Reserve<0690>");
    case ListingFeature::GiftIcon: return text(lot ? "Gift Services<0305>" : "Gift Services<0364>");
    case ListingFeature::ListingDesigner: return text(lot ? "Listing Designer<0687>" : "Listing Designer<0681>");
    case ListingFeature::Motors: return text(lot ? "eBay Motors item (no vehicles)<0322>" : "eBay Motors<0382>");
    case ListingFeature::Motorcycle: return text("Motorcycle<0376>");
    case ListingFeature::RealEstate: return text("Real Estate<0386>");
    case ListingFeature::Timeshare: return text("Timeshare/Land<0372>");
    default: return QString();  // offered on every site
    }
}

QTableWidgetItem *cell(const QString &value, bool bold)
{
    auto *item = new QTableWidgetItem(value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
    return item;
}

} // namespace

CompareSitesPanel::CompareSitesPanel(frmeBayFees *window) : ToolPanel(window, QStringLiteral("CompareSitesPanel"))
{
    auto *layout = new QVBoxLayout(this);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblCompareMessage"));
    m_message->setWordWrap(true);
    layout->addWidget(m_message);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("tblCompareSites"));
    m_table->setColumnCount(int(SiteComparison::SiteCount));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table);
    m_rates = new QLabel(this);
    m_rates->setObjectName(QStringLiteral("lblCompareRates"));
    m_rates->setWordWrap(true);
    layout->addWidget(m_rates);
}

void CompareSitesPanel::Refresh(const ListingSnapshot &listing)
{
    m_listing = listing;
    const SiteRateTexts rates = Window()->SiteRates();
    display(SiteComparison(listing, rates), rates);
}

void CompareSitesPanel::ApplyLocalizedCaptions()
{
    setWindowTitle(text("Compare Sites<0870>"));
    if (m_listing)
        Refresh(*m_listing);
}

void CompareSitesPanel::display(const SiteComparison &comparison, const SiteRateTexts &rates)
{
    const ListingSnapshot &listing = comparison.Listing();
    const bool lot = listing.Type == ListingSnapshot::Kind::MultipleItems;
    m_message->setVisible(!comparison.HasFees());
    m_message->setText(text("Fill in the four entries of the lot to compare the sites.<0877>"));
    m_table->setVisible(comparison.HasFees());

    // One row for each option of the listing that some site does not offer.
    QList<ListingFeature> missing;
    for (const SiteColumn &column : comparison.Columns()) {
        for (ListingFeature feature : column.NotOffered) {
            if (!missing.contains(feature))
                missing.append(feature);
        }
    }
    m_table->clear();
    m_table->setRowCount(FixedRowCount + int(missing.size()));

    CAuctionSite current;
    current.setSite(listing.Site);
    QStringList rowNames{lot ? text("Opening Bid:<0679>") : text("Starting price:<0871>"),
                         lot ? text("Lowest Successful Bid:<0418>") : text("Closing Bid:<0421>"),
                         text("Listing Fee:<0392>"), text("Extra Features:<0367>"), text("Final Value Fees:<0415>"),
                         text("Total eBay Fees:<0420>"), text("Total in %1:<0872>").arg(current.CurrencyString())};
    for (ListingFeature feature : missing)
        rowNames.append(featureName(feature, listing.Type));
    m_table->setVerticalHeaderLabels(rowNames);

    QStringList rateTexts;
    for (int index = 0; index < int(SiteComparison::SiteCount); ++index) {
        const SiteColumn &column = comparison.Columns()[std::size_t(index)];
        QString heading = SiteName(column.Site) + QLatin1Char('\n') + column.CurrencyText;
        if (column.Site == listing.Site)
            heading += QLatin1Char('\n') + text("current site<0876>");
        if (column.Cheapest)
            heading += QLatin1Char('\n') + text("cheapest<0875>");
        auto *header = new QTableWidgetItem(heading);
        QFont font = header->font();
        font.setBold(column.Cheapest);
        header->setFont(font);
        m_table->setHorizontalHeaderItem(index, header);

        const ListingOptions &o = column.Listing.Options;
        const QString figures[FixedRowCount] = {o.StartingPriceText, o.ClosingPriceText, column.InsertionFeeText,
                                                column.ExtrasText, column.FinalValueFeeText, column.TotalText,
                                                column.ConvertedTotalText};
        for (int row = 0; row < FixedRowCount; ++row)
            m_table->setItem(row, index, cell(figures[row], column.Cheapest && row >= TotalRow));
        for (int row = 0; row < int(missing.size()); ++row) {
            const bool offered = !column.NotOffered.contains(missing[row]);
            m_table->setItem(FixedRowCount + row, index,
                             cell(offered ? text("offered<0874>") : text("not offered<0873>"), false));
        }
        if (column.Site != CAuctionSite::UnitedStates)
            rateTexts.append(column.CurrencyText + QLatin1Char(' ')
                         + PlainText(SiteComparison::Rate(column.Site, rates)));
    }
    m_rates->setText(text("Exchange rates: 1 US$ = %1<0878>").arg(rateTexts.join(QStringLiteral(", "))));
    m_table->setCurrentItem(nullptr);
    // Grown to show every figure without scrolling; a panel the user made larger keeps its size.
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    const int frame = 2 * m_table->frameWidth();
    const QHeaderView *rows = m_table->verticalHeader();
    const QHeaderView *columns = m_table->horizontalHeader();
    m_table->setMinimumSize(rows->sizeHint().width() + columns->length() + frame,
                            columns->sizeHint().height() + rows->length() + frame);
    resize(size().expandedTo(sizeHint()));
    // A panel grown past the screen's edge moves back onto it.
    if (const QScreen *screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        const int left = std::max(room.left(), std::min(x(), room.right() + 1 - frameGeometry().width()));
        if (left != x())
            move(left, y());
    }
}
