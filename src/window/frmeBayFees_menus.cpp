// The menu bar.

#include "frmeBayFees.h"

#include "CaptionTable.h"
#include "Languages.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

namespace {

QAction *addItem(QMenu *menu, const char *name, CaptionTable &captions, const char *caption)
{
    auto *action = new QAction(menu);
    action->setObjectName(QString::fromLatin1(name));
    captions.setText(action, QString::fromUtf8(caption));
    menu->addAction(action);
    return action;
}

QMenu *addMenu(QWidget *parent, QMenuBar *bar, const char *name, CaptionTable &captions, const char *caption)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    captions.setText(menu, QString::fromUtf8(caption));
    bar->addMenu(menu);
    return menu;
}

QMenu *addSubmenu(QMenu *parent, const char *name, CaptionTable &captions, const char *caption)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(name));
    captions.setText(menu, QString::fromUtf8(caption));
    parent->addMenu(menu);
    return menu;
}

} // namespace

void frmeBayFees::buildMenus()
{
    CaptionTable &c = *m_captions;
    QMenuBar *bar = menuBar();

    mnuFile = addMenu(this, bar, "mnuFile", c, "&File<0422>");
    mnuFileNewWindow = addItem(mnuFile, "mnuFileNewWindow", c, "&New Window<0423>");
    mnuFilePrint = addItem(mnuFile, "mnuFilePrint", c, "&Print Notepad<0424>");
    mnuFileSaveNotepadAs = addItem(mnuFile, "mnuFileSaveNotepadAs", c, "Save Notepad &As…<0701>");
    mnuFile->addSeparator();
    mnuFileExit = addItem(mnuFile, "mnuFileExit", c, "E&xit<0425>");

    mnuOptions = addMenu(this, bar, "mnuOptions", c, "&Options<0426>");
    mnuOptionsSaveSettings = addItem(mnuOptions, "mnuOptionsSaveSettings", c, "Sa&ve Current Settings<0427>");
    mnuOptionsOnTop = addItem(mnuOptions, "mnuOptionsOnTop", c, "&Keep on Top<0428>");
    mnuOptionsOnTop->setCheckable(true);
    mnuOptions->addSeparator();
    mnuOptionsSite = addSubmenu(mnuOptions, "mnuOptionsSite", c, "Auction Site<0429>");
    mnuOptionsSiteEbay = addItem(mnuOptionsSite, "mnuOptionsSiteEbay", c, "eBay.com<0430>");
    mnuOptionsSiteUK = addItem(mnuOptionsSite, "mnuOptionsSiteUK", c, "eBay UK<0431>");
    mnuOptionsSiteCanada = addItem(mnuOptionsSite, "mnuOptionsSiteCanada", c, "eBay Canada<0432>");
    mnuOptionsSiteGermany = addItem(mnuOptionsSite, "mnuOptionsSiteGermany", c, "eBay Germany<0433>");
    for (QAction *site : {mnuOptionsSiteEbay, mnuOptionsSiteUK, mnuOptionsSiteCanada, mnuOptionsSiteGermany})
        site->setCheckable(true);

    menuLang = addMenu(this, bar, "menuLang", c, "Languages<0464>");
    for (std::size_t i = 0; i < mnuLang.size(); ++i) {
        mnuLang[i] = new QAction(menuLang);
        mnuLang[i]->setObjectName(QStringLiteral("mnuLang"));
        mnuLang[i]->setProperty("index", int(i));
        mnuLang[i]->setVisible(false);
        menuLang->addAction(mnuLang[i]);
    }

    buildToolsMenu(addMenu(this, bar, "mnuTools", c, "&Tools<0800>"));

    mnuHelp = addMenu(this, bar, "mnuHelp", c, "&Help<0434>");
    mnuHelpContents = addItem(mnuHelp, "mnuHelpContents", c, "&Contents<0435>");
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", c, "&About<0436>");
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpBreak"));
    mnuHelpHomepage = addItem(mnuHelp, "mnuHelpHomepage", c, "&Brontolux Homepage<0439>");
    mnuHelpUpdate = addItem(mnuHelp, "mnuHelpUpdate", c, "Chec&k for Updated Version Online<0440>");
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    mnuHelpFeedback = addItem(mnuHelp, "mnuHelpFeedback", c, "&Send Feedback or Bug Report by Email<0441>");
    mnuHelpSubscribe = addItem(mnuHelp, "mnuHelpSubscribe", c, "&Join Brontolux Mailing List<0442>");
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep3"));
    mnuHelpSources = addSubmenu(mnuHelp, "mnuHelpSources", c, "Sour&ces<0443>");
    mnuHelpSourcesEbay = addItem(mnuHelpSources, "mnuHelpSourcesEbay", c, "eBay.com Fees<0444>");
    mnuHelpSourcesEbayMotors = addItem(mnuHelpSources, "mnuHelpSourcesEbayMotors", c, "eBay Motors Fees<0445>");
    mnuHelpSourcesEbayCanada = addItem(mnuHelpSources, "mnuHelpSourcesEbayCanada", c, "eBay Canada Fees<0446>");
    mnuHelpSourcesEbayUK = addItem(mnuHelpSources, "mnuHelpSourcesEbayUK", c, "eBay UK Fees<0447>");
    mnuHelpSourcesEbayGermany = addItem(mnuHelpSources, "mnuHelpSourcesEbayGermany", c, "eBay Germany Fees<0448>");
    mnuHelpSources->addSeparator()->setObjectName(QStringLiteral("mnuHelpSourcesDiv3"));
    mnuHelpSourcesEbayPictures = addItem(mnuHelpSources, "mnuHelpSourcesEbayPictures", c, "eBay.com Picture Services Fees<0449>");
    mnuHelpSourcesEbayUKPictures = addItem(mnuHelpSources, "mnuHelpSourcesEbayUKPictures", c, "eBay UK Picture Services Fees<0450>");
    mnuHelpSourcesEbayCanadaPictures = addItem(mnuHelpSources, "mnuHelpSourcesEbayCanadaPictures", c, "eBay Canada Picture Services Fees<0451>");
    mnuHelpSourcesEbayGermanyPictures = addItem(mnuHelpSources, "mnuHelpSourcesEbayGermanyPictures", c, "eBay Germany Picture Services Fees<0452>");
    mnuHelpSources->addSeparator()->setObjectName(QStringLiteral("mnuHelpSourcesDiv"));
    mnuHelpSourcesPayPalUS = addItem(mnuHelpSources, "mnuHelpSourcesPayPalUS", c, "PayPal US Fees<0453>");
    mnuHelpPayPalInternational = addItem(mnuHelpSources, "mnuHelpPayPalInternational", c, "PayPal International Fees<0454>");
    mnuHelpSources->addSeparator()->setObjectName(QStringLiteral("mnuHelpSourcesDiv2"));
    mnuHelpBillpointUS = addItem(mnuHelpSources, "mnuHelpBillpointUS", c, "eBay Payments US/Canada Fees<0455>");
    mnuHelpBillpointUK = addItem(mnuHelpSources, "mnuHelpBillpointUK", c, "eBay Payments UK Fees<0456>");
}

void frmeBayFees::connectMenus()
{
    connect(mnuOptionsSiteEbay, &QAction::triggered, this, [this] { SelectSite(CAuctionSite::UnitedStates); });
    connect(mnuOptionsSiteUK, &QAction::triggered, this, [this] { SelectSite(CAuctionSite::UnitedKingdom); });
    connect(mnuOptionsSiteCanada, &QAction::triggered, this, [this] { SelectSite(CAuctionSite::Canada); });
    connect(mnuOptionsSiteGermany, &QAction::triggered, this, [this] { SelectSite(CAuctionSite::Germany); });
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuOptionsSaveSettings, &QAction::triggered, this, [this] { SaveSettings(); });
    // The item's tick flips before this runs: it is the state asked for.
    connect(mnuOptionsOnTop, &QAction::triggered, this, [this](bool onTop) { SetStayOnTop(onTop); });
    for (std::size_t index = 0; index < mnuLang.size(); ++index)
        connect(mnuLang[index], &QAction::triggered, this, [this, index] { mnuLang_Click(int(index)); });
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) { SSTab1_Click(tab); });
    connectToolsMenu();
}

void frmeBayFees::mnuLang_Click(int index)
{
    // The new language shows at once, without a restart.
    ChangeLanguage(mnuLang[std::size_t(index)]);
    BuildLanguageMenu(mnuLang);
    ApplyLocalizedCaptions();
    ApplyAccessibleNames();
}
