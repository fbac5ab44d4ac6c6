// The Tools menu and its panels: the fee breakdown, profit and break-even, and the comparison of
// sites, each following the listing of the tab in view.

#include "frmeBayFees.h"

#include "CaptionTable.h"
#include "CompareSitesPanel.h"
#include "EntryFieldEvents.h"
#include "EntryFieldRules.h"
#include "FeeBreakdownPanel.h"
#include "ProfitPanel.h"

#include <QAction>
#include <QShowEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

namespace {

constexpr int SingleItemTab = 0;
constexpr int MultipleItemTab = 1;

} // namespace

void frmeBayFees::buildToolsMenu(QMenu *tools)
{
    CaptionTable &c = *m_captions;
    mnuTools = tools;
    const struct
    {
        QAction **item;
        const char *name;
        const char *caption;
        Qt::Key key;
    } items[] = {
        {&mnuToolsFeeBreakdown, "mnuToolsFeeBreakdown", "&Fee Breakdown<0801>", Qt::Key_F6},
        {&mnuToolsProfit, "mnuToolsProfit", "&Profit and Break-even<0802>", Qt::Key_F7},
        {&mnuToolsCompareSites, "mnuToolsCompareSites", "&Compare Sites<0803>", Qt::Key_F8},
    };
    for (std::size_t index = 0; index < std::size(items); ++index) {
        auto *action = new QAction(tools);
        action->setObjectName(QString::fromLatin1(items[index].name));
        c.setText(action, QString::fromUtf8(items[index].caption));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(items[index].key));
        action->setShortcutContext(Qt::ApplicationShortcut);
        tools->addAction(action);
        *items[index].item = action;
    }
}

void frmeBayFees::connectToolsMenu()
{
    const std::array<QAction *, ToolPanelCount> items{mnuToolsFeeBreakdown, mnuToolsProfit, mnuToolsCompareSites};
    for (std::size_t index = 0; index < items.size(); ++index) {
        connect(items[index], &QAction::triggered, this, [this, index](bool shown) {
            ToolPanel *panel = toolPanel(index);
            panel->setVisible(shown);
            if (shown) {
                panel->raise();
                panel->activateWindow();
            }
        });
    }
    // The rate counts for the profit's payment fee and the comparison's conversions as typed.
    connect(txtConversion, &QLineEdit::textChanged, this, [this] { RefreshToolPanels(); });
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == SingleItemTab || tab == MultipleItemTab) {
            m_listingTab = tab;
            RefreshToolPanels();
        }
    });
}

ToolPanel *frmeBayFees::toolPanel(std::size_t index)
{
    // Made when first asked for, so that a start without panels costs nothing.
    ToolPanel *&panel = m_toolPanels[index];
    if (panel)
        return panel;
    switch (index) {
    case 0: panel = new FeeBreakdownPanel(this); break;
    case 1: panel = new ProfitPanel(this); break;
    default: panel = new CompareSitesPanel(this); break;
    }
    panel->ApplyLocalizedCaptions();
    panel->RestorePlace(int(index));
    QAction *item = std::array<QAction *, ToolPanelCount>{mnuToolsFeeBreakdown, mnuToolsProfit,
                                                          mnuToolsCompareSites}[index];
    connect(panel, &ToolPanel::visibilityChanged, item, &QAction::setChecked);
    return panel;
}

ToolPanel *frmeBayFees::ShownToolPanel(const QString &settingName) const
{
    for (ToolPanel *panel : m_toolPanels) {
        if (panel && panel->SettingName() == settingName)
            return panel;
    }
    return nullptr;
}

void frmeBayFees::RestoreToolPanels()
{
    for (std::size_t index = 0; index < ToolPanelCount; ++index) {
        if (ToolPanel::StoredVisible(QString::fromLatin1(ToolPanelSettingNames[index])))
            toolPanel(index)->show();
    }
}

void frmeBayFees::AppendToolPanelSettings(SettingValues &values) const
{
    for (const ToolPanel *panel : m_toolPanels) {
        if (panel)
            panel->AppendSettings(values);
    }
}

void frmeBayFees::ApplyToolPanelCaptions()
{
    for (ToolPanel *panel : m_toolPanels) {
        if (panel)
            panel->ApplyLocalizedCaptions();
    }
}

void frmeBayFees::RefreshToolPanels()
{
    if (m_buildingWindow)
        return;
    bool anyShown = false;
    for (const ToolPanel *panel : m_toolPanels)
        anyShown = anyShown || (panel && panel->isVisible());
    if (!anyShown)
        return;
    const ListingSnapshot listing = CurrentListing();
    for (ToolPanel *panel : m_toolPanels) {
        if (panel && panel->isVisible())
            panel->Refresh(listing);
    }
}

ListingSnapshot frmeBayFees::CurrentListing() const
{
    ListingSnapshot listing;
    listing.Site = m_oSite.Site();
    if (m_listingTab == MultipleItemTab) {
        listing.Type = ListingSnapshot::Kind::MultipleItems;
        listing.Options = DutchListingOptions();
        listing.ItemsOfferedText = txtDutchItemsOffered->text();
        listing.ItemsSoldText = txtDutchItemsSold->text();
        listing.ItemSold = listing.Options.ItemsSold > 0;
        listing.HasFees = DutchEntriesComplete();
    } else {
        listing.Options = RegularListingOptions();
        listing.ItemSold = ItemSold();
        listing.HasFees = true;
    }
    return listing;
}

PaymentChoices frmeBayFees::CurrentPaymentChoices() const
{
    PaymentChoices choices;
    choices.Merchant = optPayPalMerchant->isChecked();
    choices.CreditCard = optPayPalCreditCard->isChecked();
    choices.International = chkInternationalPayPal->isChecked();
    if (m_oSite.Site() != CAuctionSite::UnitedStates)
        choices.RateText = txtConversion->text();
    return choices;
}

QString frmeBayFees::PaymentChoicesText() const
{
    QStringList choices;
    for (const QAbstractButton *choice : std::initializer_list<const QAbstractButton *>{
             optPayPalMerchant, optPayPalStandard, optPayPalCreditCard, optPayPalNonCreditCard, chkInternationalPayPal}) {
        if (choice->isChecked())
            choices << QString(choice->text()).remove(QLatin1Char('&'));
    }
    return choices.join(QStringLiteral(", "));
}

void frmeBayFees::WatchMoneyField(QLineEdit *field)
{
    m_entryFieldEvents->watchKeys(field);
    connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        if (!EntryFieldRules::IsAcceptableMoneyText(text))
            field->clear();
    });
}

SiteRateTexts frmeBayFees::SiteRates() const
{
    SiteRateTexts rates;
    for (qint32 site = CAuctionSite::UnitedKingdom; site <= CAuctionSite::Germany; ++site)
        rates[std::size_t(site)] = site == m_oSite.Site() ? txtConversion->text() : storedConversionRate(site);
    return rates;
}

void frmeBayFees::AddToNotepad(const QString &heading, const QStringList &lines)
{
    AppendToNotes(m_oNotes.AddToNotesLines(heading, lines));
}

void frmeBayFees::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_buildingWindow = false;
    // The panels shown at the last close come back beside the window.
    RestoreToolPanels();
}
