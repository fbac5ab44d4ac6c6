#pragma once

#include "CAuctionSite.h"
#include "CDutchAuction.h"
#include "CNotes.h"
#include "CPaymentService.h"
#include "CRegularAuction.h"
#include "ListingOptions.h"
#include "ListingSnapshot.h"
#include "Settings.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <array>

class AccessibleNames;
class CaptionTable;
class ConnectorLine;
class DefaultButtonKeys;
class EntryFieldEvents;
class LinkLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QUrl;
class ToolPanel;

// The calculator window: four tabs (single item, multiple items, payment services, shipping),
// the notepad band below them and the menu bar. Every change of an input recalculates its tab at
// once; choosing a site switches schedule, currency, captions and available options everywhere.
//
// A change the program makes to a tick, an option, a list index or a text runs the same handler
// as the user's change, and only when the value really changes: handlers hang on Qt's
// toggled / currentIndexChanged / textChanged signals, which fire exactly then. Several
// operations rely on that cascade (Clear All recalculating per unticked box, real estate
// unticking eBay Motors).
class frmeBayFees : public QMainWindow
{
    Q_OBJECT

public:
    // On the first run of an installation the default settings are stored before they are loaded.
    // Without the start-up's word, a store that holds nothing yet counts as a first run.
    explicit frmeBayFees(QWidget *parent = nullptr);
    frmeBayFees(bool isFirstTime, QWidget *parent = nullptr);
    ~frmeBayFees() override;

    // The site schedule the three calculators share.
    const CAuctionSite &Site() const { return m_oSite; }

    // Single-item tab.
    bool IsValidRegular() const;
    bool ItemSold() const;
    void UpdateListingFees();
    void CalculateRegularFees();

    // Multiple-item tab.
    void FillDutchFinalPrice();
    void ValidateDutchTextEntries();
    void DutchCalculate();

    // Payment tab.
    void CalculatePaymentFees();
    void CalculatePayPalFee();

    // Window-wide.
    void SelectSite(qint32 site);
    void RefreshOptionStates();
    void ApplyLocalizedCaptions();

    bool NotepadVisible() const { return m_notepadVisible; }

    // The tool panels (frmeBayFees_tools.cpp). The listing they follow is that of the single-item
    // or the multiple-item tab, whichever was shown last.
    ListingSnapshot CurrentListing() const;
    PaymentChoices CurrentPaymentChoices() const;
    // The payment tab's choices as its captions name them ("Standard Rate, All Other Payments").
    QString PaymentChoicesText() const;
    // Each site's exchange rate: the current site's as typed, the others' as stored.
    SiteRateTexts SiteRates() const;
    // A tool's summary, numbered like the tabs' summaries, at the end of the notepad.
    void AddToNotepad(const QString &heading, const QStringList &lines);
    // A tool's money entry: it takes the keys and keeps the texts of the tabs' money fields.
    void WatchMoneyField(QLineEdit *field);
    // The panel stored under a setting name, once it has been made (nullptr before).
    ToolPanel *ShownToolPanel(const QString &settingName) const;
    static constexpr std::size_t ToolPanelCount = 3;
    static constexpr const char *ToolPanelSettingNames[ToolPanelCount] = {"FeeBreakdownPanel", "ProfitPanel",
                                                                          "CompareSitesPanel"};

    // The help file of the running language in the program's folder.
    static QString HelpFilePath();
    // The program File > New Window starts: this program itself unless set.
    static QString &NewWindowProgram();

Q_SIGNALS:
    // Help > About and Help > Check for Updated Version: the application shell answers them.
    void AboutRequested();
    void UpdateCheckRequested();

public:
    // The tagged design-time texts of the controls, as kept when the window was made.
    const CaptionTable &Captions() const { return *m_captions; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class EntryFieldEvents;

    // Building the window (frmeBayFees_layout*.cpp).
    void buildMenus();
    void buildSingleItemTab(QWidget *page);
    void buildMultipleItemTab(QWidget *page);
    void buildPaymentTab(QWidget *page);
    void buildShippingTab(QWidget *page);
    void buildNotepad(QWidget *client);
    void applyFonts();
    void connectSingleItemTab();
    void connectMultipleItemTab();
    void connectPaymentAndShippingTabs();
    void connectMenus();
    void connectHelpMenu();
    void keepRemainingDesignTexts();
    void buildToolsMenu(QMenu *tools);
    void connectToolsMenu();
    ToolPanel *toolPanel(std::size_t index);
    void RestoreToolPanels();
    void AppendToolPanelSettings(SettingValues &values) const;
    void ApplyToolPanelCaptions();
    // Every shown panel works the current listing out again.
    void RefreshToolPanels();
    // Shortcuts, Tab in the notepad, names for screen readers (frmeBayFees_accessibility.cpp).
    void installAccessibility();
    void ApplyAccessibleNames();

    // Site and lists.
    void UpdateCurrencyLabels();
    void FillListingTypes();
    void FillRealEstateTypes();
    void FillPictureLists();
    void SaveConversionRate();
    void HighlightShippingCountry();
    void SSTab1_Click(int tab);
    void mnuLang_Click(int index);

    // Single-item tab (frmeBayFees_singleitem.cpp).
    ListingOptions RegularListingOptions() const;
    void ClearRegularResults();
    void UpdateStartingPriceCaption();
    void UpdateReserveList();
    void SetRealEstateAvailable(bool available);
    void EnableVehicleOptions();
    void DisableVehicleOptions();
    void EnableRealEstateOptions();
    void DisableRealEstateOptions();
    void chkGallery_Click();
    void chkDidNotSell_Click();
    void chkMotors_Click();
    void chkVehicle_Click();
    void chkRealEstate_Click();
    void cboSingleItemType_Click();
    void cmdClearAll_Click();

    // Multiple-item tab (frmeBayFees_multipleitems.cpp).
    ListingOptions DutchListingOptions() const;
    bool DutchEntriesComplete() const;
    void UpdateDutchPriceCaption();
    void chkDutchGallery_Click();
    void chkEBayMotorsDutch_Click();
    void cmdDutchClearAll_Click();

    // Payment and shipping tabs (frmeBayFees_payment.cpp).
    void cmdClearPaymentFees_Click();
    void lblCheckRates_Click();
    void lblTreuhandservice_Click();
    void lblPostal_Click(int index);
    void OpenURL(const QUrl &address);

    // Notepad band (frmeBayFees_notepad.cpp).
    void connectNotepad();
    void cmdNotepad_Click();
    void cmdClearNotepad_Click();
    void cmdCopyNotepad_Click();
    void AppendToNotes(const QString &summary);
    void PrintNotepad();
    void RefreshNotepadBand();
    // The notepad's text as the notes have it: CR LF between lines.
    QString NotesText() const;
    // Kept between runs: restored while the window is built, saved shortly after each change and
    // when the window unloads.
    void RestoreNotepad();
    QString SaveNotepad();
    void SaveNotepadAtUnload();
    void mnuFileSaveNotepadAs_Click();
    void OfferPdfInsteadOfPrinter(const QString &problem);
    QString AskNotesFileName(const QString &title, const QString &filter, const QString &suffix);

    // Settings (frmeBayFees_settings.cpp).
    void Form_Load(bool isFirstTime);
    void LoadSettings();
    void SaveSettings();
    void SaveDefaultSettings();
    void ReportUnsavedSettings(const SettingsStatus &result);
    void LoadCheckSetting(const QString &name, QCheckBox *box);
    void LoadOptionSetting(const QString &name, QRadioButton *option);
    void SaveCheckSetting(SettingValues &values, const QString &name, const QCheckBox *box) const;
    void SaveOptionSetting(SettingValues &values, const QString &name, const QRadioButton *option) const;
    void loadListIndex(const QString &name, QComboBox *list);
    void appendConversionRate(SettingValues &values) const;
    void SetStayOnTop(bool onTop);
    // The exchange-rate setting of a site; eBay.com has none.
    static QString rateSettingName(qint32 site);
    // The rate stored for a site, or "" when none is stored or the stored text is no usable rate.
    static QString storedConversionRate(qint32 site);

    // Entry fields (frmeBayFees_entryfields.cpp): key filters, change checks, focus.
    void installEntryFields();
    bool isMoneyField(const QLineEdit *field) const;
    int entryFieldKeyPress(QLineEdit *field, int keyCode);
    // Count fields refuse the context menu's Paste as they refuse the paste key.
    bool entryFieldTakesPaste(const QLineEdit *field) const;
    // Whether a text dragged onto the field may be dropped at a position (-1: anywhere).
    bool entryFieldTakesDrop(const QLineEdit *field, const QString &text, int position) const;
    void entryFieldChanged(QLineEdit *field);
    void entryFieldGotFocus(QLineEdit *field);
    void entryFieldLostFocus(QLineEdit *field);
    void pressDefaultButton();
    // A warning of the window, its text shown as written (file names, printer names).
    void ShowWarning(const char *name, const QString &text);

    CAuctionSite m_oSite;
    CRegularAuction m_oRegularAuction;
    CDutchAuction m_oDutchAuction;
    CPaymentService m_oPaymentService;
    CNotes m_oNotes;
    bool m_motors = false;
    bool m_vehicle = false;
    bool m_notepadVisible = false;
    bool m_unloaded = false;
    // The notepad has changed since it was last kept.
    bool m_notepadChanged = false;
    QTimer *m_notepadSaveTimer = nullptr;
    DefaultButtonKeys *m_defaultButtonKeys = nullptr;
    CaptionTable *m_captions = nullptr;
    EntryFieldEvents *m_entryFieldEvents = nullptr;
    AccessibleNames *m_accessibleNames = nullptr;
    std::array<ToolPanel *, ToolPanelCount> m_toolPanels{};
    int m_listingTab = 0;
    // Set while the window is built and its settings loaded: the panels wait for the first show.
    bool m_buildingWindow = true;
    bool m_shownOnce = false;
    // Set while the settings are loaded: every restored control raises its handlers, and the
    // fees they ask for are worked out once, when all of them are in place.
    bool m_calculationsHeld = false;

public:
    // The controls, by the names they carry as objectName.
    QTabWidget *SSTab1 = nullptr;

    // Menus.
    QMenu *mnuFile = nullptr, *mnuOptions = nullptr, *mnuOptionsSite = nullptr, *menuLang = nullptr,
          *mnuHelp = nullptr, *mnuHelpSources = nullptr, *mnuTools = nullptr;
    QAction *mnuToolsFeeBreakdown = nullptr, *mnuToolsProfit = nullptr, *mnuToolsCompareSites = nullptr;
    QAction *mnuFileNewWindow = nullptr, *mnuFilePrint = nullptr, *mnuFileExit = nullptr;
    QAction *mnuFileSaveNotepadAs = nullptr;
    QAction *mnuOptionsSaveSettings = nullptr, *mnuOptionsOnTop = nullptr;
    QAction *mnuOptionsSiteEbay = nullptr, *mnuOptionsSiteUK = nullptr, *mnuOptionsSiteCanada = nullptr,
            *mnuOptionsSiteGermany = nullptr;
    std::array<QAction *, 11> mnuLang{};
    QAction *mnuHelpContents = nullptr, *mnuHelpAbout = nullptr, *mnuHelpHomepage = nullptr,
            *mnuHelpUpdate = nullptr, *mnuHelpFeedback = nullptr, *mnuHelpSubscribe = nullptr;
    QAction *mnuHelpSourcesEbay = nullptr, *mnuHelpSourcesEbayMotors = nullptr, *mnuHelpSourcesEbayCanada = nullptr,
            *mnuHelpSourcesEbayUK = nullptr, *mnuHelpSourcesEbayGermany = nullptr,
            *mnuHelpSourcesEbayPictures = nullptr, *mnuHelpSourcesEbayUKPictures = nullptr,
            *mnuHelpSourcesEbayCanadaPictures = nullptr, *mnuHelpSourcesEbayGermanyPictures = nullptr,
            *mnuHelpSourcesPayPalUS = nullptr, *mnuHelpPayPalInternational = nullptr,
            *mnuHelpBillpointUS = nullptr, *mnuHelpBillpointUK = nullptr;

    // Single-item tab.
    QLabel *lblStartingPrice = nullptr, *lblPrice = nullptr, *lblInsertionFee = nullptr, *lblExtraFeatures = nullptr,
           *lblFVF = nullptr, *lblFees = nullptr;
    QLineEdit *txtStartingPrice = nullptr, *txtPrice = nullptr, *txtInsertionFee = nullptr, *txtExtras = nullptr,
              *txtFVF = nullptr, *txtFees = nullptr;
    QCheckBox *chkDidNotSell = nullptr;
    QPushButton *cmdCalculate = nullptr, *cmdClearAll = nullptr, *cmdAddRegularToNotes = nullptr;
    QGroupBox *frmReserve = nullptr;
    QFrame *fraAuctionType = nullptr, *fraRealEstate = nullptr;
    QComboBox *cboSingleItemType = nullptr, *cboIsReserve = nullptr, *cboRealEstateType = nullptr;
    QCheckBox *chkMotors = nullptr, *chkVehicle = nullptr, *chkRealEstate = nullptr;
    QRadioButton *optMotorcycle = nullptr, *optOtherVehicle = nullptr, *optOtherRealEstate = nullptr,
                 *optTimeshare = nullptr;
    ConnectorLine *linVerticalLineToVehicle = nullptr, *linHorizontalLineToVehicle = nullptr,
                  *linVerticalLineToVehicleType = nullptr, *linHorizontalLineToMotorcycle = nullptr,
                  *linHorizontalLineToOtherVehicle = nullptr;
    QGroupBox *frmFeatures = nullptr;
    QCheckBox *chkSubTitleSingleItem = nullptr, *chkListingDesigner = nullptr, *chkScheduled = nullptr,
              *chkSlideshow = nullptr, *chkSupersizePhotos = nullptr, *chkExtraPhotos = nullptr, *chkBIN = nullptr,
              *chkTenDayAuction = nullptr, *chkTwoCategories = nullptr, *chkFeaturedCategory = nullptr,
              *chkFeatured = nullptr, *chkGallery = nullptr, *chkGalleryFeatured = nullptr,
              *chkHighlighted = nullptr, *chkBold = nullptr, *chkGiftIcon = nullptr;
    QComboBox *cboExtraPhotos = nullptr;
    ConnectorLine *linVerticalLineToGalFeatured = nullptr, *linHorizontalLineToGalFeatured = nullptr;

    // Multiple-item tab.
    QGroupBox *frameDutchOffer = nullptr, *frmDutchExtras = nullptr;
    QLabel *lblTypeOfMultiItemListing = nullptr, *lblDutchItemsOffered = nullptr, *lblDutchOpeningPrice = nullptr,
           *lblDutchItemsSold = nullptr, *lblDutchSalesPrice = nullptr, *lblTotalDutchAuctionSales = nullptr,
           *lblExtraFeaturesDutch = nullptr, *lblDutchFees = nullptr, *lblDutchFeesPerItem = nullptr;
    QComboBox *cboTypeOfMultiItemListing = nullptr, *cboExtraPicturesDutch = nullptr;
    QLineEdit *txtDutchItemsOffered = nullptr, *txtDutchOpeningPrice = nullptr, *txtDutchItemsSold = nullptr,
              *txtDutchFinalPrice = nullptr, *txtTotalDutchAuctionSales = nullptr, *txtExtraFeaturesDutch = nullptr,
              *txtDutchFees = nullptr, *txtDutchCostPerItem = nullptr;
    QCheckBox *chkEBayMotorsDutch = nullptr, *chkDutchSubtitle = nullptr, *chkDutchTwoCategories = nullptr,
              *chkDutchListingDesigner = nullptr, *chkDutchScheduled = nullptr, *chkExtraPicturesDutch = nullptr,
              *chkSupersizeDutch = nullptr, *chkSlideshowDutch = nullptr, *chkDutchTenDayAuction = nullptr,
              *chkDutchGreatGift = nullptr, *chkDutchBold = nullptr, *chkDutchHighlight = nullptr,
              *chkDutchGalleryFeatured = nullptr, *chkDutchGallery = nullptr, *chkDutchHomePageFeatured = nullptr,
              *chkDutchFeaturedPlus = nullptr;
    QPushButton *cmdDutchCalculate = nullptr, *cmdDutchClearAll = nullptr, *cmdAddDutchToNotes = nullptr;
    ConnectorLine *linVerticalLineToDutchGalFeatured = nullptr, *linHorizontalLineToDutchGalFeatured = nullptr;

    // Payment tab.
    QGroupBox *frmPaymentAmount = nullptr, *frmPayPal = nullptr, *fraAccountType = nullptr, *fraPaymentType = nullptr;
    QLabel *lblPaymentAmount = nullptr, *lblOneDollarEquals = nullptr, *lblPayPalFees = nullptr;
    QLineEdit *txtPaymentAmount = nullptr, *txtConversion = nullptr, *txtPayPalFee = nullptr;
    LinkLabel *lblCheckRates = nullptr, *lblTreuhandservice = nullptr;
    QCheckBox *chkInternationalPayPal = nullptr;
    QRadioButton *optPayPalMerchant = nullptr, *optPayPalStandard = nullptr, *optPayPalCreditCard = nullptr,
                 *optPayPalNonCreditCard = nullptr;
    QPushButton *cmdCalculatePaymentFees = nullptr, *cmdClearPaymentFees = nullptr, *cmdAddPaymentsToNotes = nullptr;

    // Currency labels 1..16; 13 is not used.
    std::array<QLabel *, 17> lblCurrency{};

    // Shipping tab.
    QLabel *lblLinks = nullptr, *lblPacking = nullptr;
    std::array<QLabel *, 5> lblCountry{};
    std::array<QFrame *, 5> lnCountry{};
    std::array<LinkLabel *, 13> lblPostal{};

    // Notepad band.
    QPlainTextEdit *txtNotes = nullptr;
    QPushButton *cmdNotepad = nullptr, *cmdClearNotepad = nullptr, *cmdCopyNotepad = nullptr,
                *cmdPrintNotepad = nullptr;
};
