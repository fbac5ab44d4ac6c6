#include "frmeBayFees.h"

#include "CaptionTable.h"
#include "ControlFactory.h"
#include "DefaultButtonKeys.h"
#include "LinkLabel.h"
#include "ListRefill.h"
#include "Localization.h"
#include "Settings.h"
#include "SiteOffers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <vector>

namespace {

// Client area in twips: the full window, and the window with the notepad band folded away
// (the row of notepad buttons stays in reach).
constexpr int ClientWidth = 11475;
constexpr int ClientHeight = 7575;
constexpr int CollapsedClientHeight = 5760;

struct SiteTexts
{
    const char *caption;
    const char *buyerAbroad;
    const char *rateSetting;
};

const SiteTexts &siteTexts(qint32 site)
{
    static const SiteTexts texts[5] = {
        {"", "", ""},
        {"Calvextra for eBay.com<0620>", "Buyer outside USA<0621>", ""},
        {"Calvextra for eBay UK<0624>", "Buyer outside UK<0625>", "PayPalUKRate"},
        {"Calvextra for eBay Canada (items listed in C$)<0622>", "Buyer outside Canada/USA<0623>", "PayPalCanadaRate"},
        {"Calvextra for eBay Germany<0626>", "Buyer outside Germany<0627>", "PayPalGermanyRate"},
    };
    return texts[(site >= 1 && site <= 4) ? site : 0];
}

// Whether a font family is installed. The font list is read once: asking the database about each
// family runs a font substitution of its own every time.
bool fontInstalled(const QString &family)
{
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

QFont windowFont()
{
    QFont font = fontInstalled(QStringLiteral("Tahoma")) ? QFont(QStringLiteral("Tahoma"))
                                                                    : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8.25);
    return font;
}

QFont notesFont()
{
    // Verdana where present; DejaVu Sans shares its shapes and widths.
    for (const char *family : {"Verdana", "DejaVu Sans"}) {
        if (fontInstalled(QString::fromLatin1(family))) {
            QFont font(QString::fromLatin1(family));
            font.setPointSizeF(8.25);
            return font;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

} // namespace

frmeBayFees::frmeBayFees(bool isFirstTime, QWidget *parent) : QMainWindow(parent), m_captions(new CaptionTable)
{
    setObjectName(QStringLiteral("frmeBayFees"));
    setFont(windowFont());
    m_captions->setText(this, QStringLiteral("Calvextra - Calculate Your eBay Auction Fees<0231>"));
    buildMenus();

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::toPixels(ClientWidth, client), Twips::toPixels(ClientHeight, client));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    SSTab1 = makeControl<QTabWidget>(client, "SSTab1", 45, 45, ClientWidth - 90, 5355);
    static const char *const tabCaptions[4] = {"&Single Item<0240>", "&Mutiple Items<0241>", "&Payment Services<0242>",
                                               "&Shipping <0243>"};
    using Builder = void (frmeBayFees::*)(QWidget *);
    static const Builder builders[4] = {&frmeBayFees::buildSingleItemTab, &frmeBayFees::buildMultipleItemTab,
                                        &frmeBayFees::buildPaymentTab, &frmeBayFees::buildShippingTab};
    for (int tab = 0; tab < 4; ++tab) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("SSTab1Page%1").arg(tab));
        SSTab1->addTab(page, QString());
        m_captions->setTabText(SSTab1, tab, QString::fromLatin1(tabCaptions[tab]));
        const Builder build = builders[tab];
        (this->*build)(page);
    }
    m_defaultButtonKeys = new DefaultButtonKeys(SSTab1);
    buildNotepad(client);
    keepRemainingDesignTexts();
    txtNotes->setFont(notesFont());

    connectMenus();
    connectSingleItemTab();
    connectMultipleItemTab();
    connectPaymentAndShippingTabs();
    connectNotepad();
    connectHelpMenu();
    installEntryFields();

    Form_Load(isFirstTime);
    SSTab1_Click(0);
    installAccessibility();
}

frmeBayFees::~frmeBayFees()
{
    delete m_captions;
}

void frmeBayFees::ApplyLocalizedCaptions()
{
    m_captions->apply();
    ApplyToolPanelCaptions();
    FillPictureLists();
    SelectSite(m_oSite.Site());
    FillListingTypes();
    FillRealEstateTypes();
    UpdateCurrencyLabels();
}

void frmeBayFees::FillPictureLists()
{
    const QStringList items{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                            QStringLiteral("5"), GetLocalizedString(QStringLiteral("pack<0671>"))};
    for (QComboBox *list : {cboExtraPhotos, cboExtraPicturesDutch})
        RefillList(list, items, std::max(list->currentIndex(), 0));
}

void frmeBayFees::FillListingTypes()
{
    RefillList(cboSingleItemType, {GetLocalizedString(QStringLiteral("Auction<0691>")),
                                   GetLocalizedString(QStringLiteral("Fixed Price<0685>"))}, 0);
    RefillList(cboIsReserve, {GetLocalizedString(QStringLiteral("No Reserve<0686>")),
                              GetLocalizedString(QStringLiteral("Reserve<0690>"))}, 0);
    RefillList(cboTypeOfMultiItemListing, {GetLocalizedString(QStringLiteral("Dutch Auction<0689>")),
                                           GetLocalizedString(QStringLiteral("Fixed-Price Listing<0688>"))}, 0);
}

void frmeBayFees::FillRealEstateTypes()
{
    RefillList(cboRealEstateType, {GetLocalizedString(QStringLiteral("3-10 day auction<0630>")),
                                   GetLocalizedString(QStringLiteral("30-day auction<0631>")),
                                   GetLocalizedString(QStringLiteral("30-day ad<0632>")),
                                   GetLocalizedString(QStringLiteral("90-day ad<0633>"))}, 0);
}

void frmeBayFees::UpdateCurrencyLabels()
{
    const QString currency = m_oSite.CurrencyString();
    for (std::size_t number = 1; number < lblCurrency.size(); ++number) {
        if (lblCurrency[number])
            lblCurrency[number]->setText(currency);
    }
}

QString frmeBayFees::rateSettingName(qint32 site)
{
    return QString::fromLatin1(siteTexts(site).rateSetting);
}

QString frmeBayFees::storedConversionRate(qint32 site)
{
    const QString stored = ReadSetting(rateSettingName(site));
    return CPaymentService::IsUsableRateText(stored) ? stored : QString();
}

void frmeBayFees::SelectSite(qint32 site)
{
    const std::array<QAction *, 4> siteItems{mnuOptionsSiteEbay, mnuOptionsSiteUK, mnuOptionsSiteCanada,
                                             mnuOptionsSiteGermany};
    for (QAction *item : siteItems)
        item->setChecked(false);
    SaveConversionRate();
    chkRealEstate->setChecked(false);

    if (site >= CAuctionSite::UnitedStates && site <= CAuctionSite::Germany) {
        const SiteTexts &texts = siteTexts(site);
        m_oSite.setSite(site);
        siteItems[std::size_t(site - 1)]->setChecked(true);
        setWindowTitle(GetLocalizedString(QString::fromLatin1(texts.caption)));
        const bool converted = site != CAuctionSite::UnitedStates;
        for (QWidget *rateControl : std::initializer_list<QWidget *>{lblOneDollarEquals, txtConversion,
                                                                     lblCurrency[14], lblCheckRates})
            rateControl->setVisible(converted);
        chkInternationalPayPal->setText(GetLocalizedString(QString::fromLatin1(texts.buyerAbroad)));
        if (converted)
            txtConversion->setText(storedConversionRate(site));
        lblTreuhandservice->setVisible(site == CAuctionSite::Germany);
    }

    m_oRegularAuction.setSite(&m_oSite);
    m_oDutchAuction.setSite(&m_oSite);
    m_oPaymentService.setSite(&m_oSite);
    SetRealEstateAvailable(true);
    UpdateCurrencyLabels();
    RefreshOptionStates();
    CalculateRegularFees();
    DutchCalculate();
    CalculatePaymentFees();
    HighlightShippingCountry();
    RefreshToolPanels();
}

void frmeBayFees::RefreshOptionStates()
{
    using Kind = ListingSnapshot::Kind;
    const qint32 site = m_oSite.Site();
    if (chkVehicle->isChecked() && SiteOffers(site, Kind::SingleItem, ListingFeature::Motorcycle))
        EnableVehicleOptions();
    else
        DisableVehicleOptions();
    if (chkRealEstate->isChecked())
        EnableRealEstateOptions();
    else
        DisableRealEstateOptions();
    UpdateReserveList();

    if (IsListingSite(site)) {
        const struct
        {
            QCheckBox *box;
            Kind kind;
            ListingFeature feature;
        } boxes[] = {
            {chkGiftIcon, Kind::SingleItem, ListingFeature::GiftIcon},
            {chkDutchGreatGift, Kind::MultipleItems, ListingFeature::GiftIcon},
            {chkListingDesigner, Kind::SingleItem, ListingFeature::ListingDesigner},
            {chkDutchListingDesigner, Kind::MultipleItems, ListingFeature::ListingDesigner},
        };
        for (const auto &entry : boxes)
            entry.box->setEnabled(SiteOffers(site, entry.kind, entry.feature));
        // Where the gift icon is missing the refresh starts the group afresh: every box of it is
        // unticked, eBay Germany's listing designer too, which stays offered.
        if (!SiteOffers(site, Kind::SingleItem, ListingFeature::GiftIcon)) {
            for (const auto &entry : boxes)
                entry.box->setChecked(false);
        }
        chkEBayMotorsDutch->setVisible(SiteOffers(site, Kind::MultipleItems, ListingFeature::Motors));
    }

    RefreshNotepadBand();

    for (auto [list, box] : {std::pair{cboExtraPhotos, chkExtraPhotos}, std::pair{cboExtraPicturesDutch, chkExtraPicturesDutch}}) {
        list->setEnabled(box->isChecked());
    }
}

void frmeBayFees::RefreshNotepadBand()
{
    cmdNotepad->setText(GetLocalizedString(m_notepadVisible ? QStringLiteral("hide notepad<0628>")
                                                            : QStringLiteral("view notepad<0629>")));
    QWidget *client = centralWidget();
    client->setFixedHeight(Twips::toPixels(m_notepadVisible ? ClientHeight : CollapsedClientHeight, client));
    for (QPushButton *button : {cmdClearNotepad, cmdCopyNotepad, cmdPrintNotepad})
        button->setVisible(m_notepadVisible);
}

void frmeBayFees::HighlightShippingCountry()
{
    for (QLabel *heading : lblCountry) {
        QFont font = heading->font();
        font.setBold(false);
        heading->setFont(font);
    }
    // Site 1 has two US headings: the calculators and the packing services.
    static const std::vector<int> boldHeadings[5] = {{}, {0, 4}, {2}, {1}, {3}};
    const qint32 site = m_oSite.Site();
    const std::vector<int> &bold = boldHeadings[(site >= 1 && site <= 4) ? site : 0];
    for (int index : bold) {
        QFont font = lblCountry[std::size_t(index)]->font();
        font.setBold(true);
        lblCountry[std::size_t(index)]->setFont(font);
    }
}

void frmeBayFees::SSTab1_Click(int tab)
{
    switch (tab) {
    case 0:
        txtStartingPrice->setFocus(Qt::OtherFocusReason);
        m_defaultButtonKeys->setDefaultButton(cmdCalculate);
        break;
    case 1:
        txtDutchItemsOffered->setFocus(Qt::OtherFocusReason);
        m_defaultButtonKeys->setDefaultButton(cmdDutchCalculate);
        break;
    case 2:
        txtPaymentAmount->setFocus(Qt::OtherFocusReason);
        m_defaultButtonKeys->setDefaultButton(cmdCalculatePaymentFees);
        break;
    default:
        break;
    }
}

void frmeBayFees::ShowWarning(const char *name, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QString::fromLatin1(name));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void frmeBayFees::pressDefaultButton()
{
    m_defaultButtonKeys->pressDefaultButton();
}
