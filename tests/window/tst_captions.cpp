#include "CaptionTable.h"
#include "Brand.h"
#include "CWordWrap.h"
#include "PrinterSurface.h"
#include "PrintingPlugin.h"
#include "EnglishStringTable.h"
#include "FeeBreakdownPanel.h"
#include "LanguageResources.h"
#include "LanguageState.h"
#include "Languages.h"
#include "LocaleCodes.h"
#include "Localization.h"
#include "RecordingSurface.h"
#include "RunningLanguage.h"
#include "Settings.h"
#include "SettingsObstacle.h"
#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

// The localised captions of the calculator window: the table of design-time texts the window
// keeps, the window running in German with the real language library, and changes of language
// from the "Languages" menu.

namespace {

// Which property of a control a kept text belongs to; Tab0..Tab3 are the tab captions.
enum Kind { Caption, Tip, Tab0, Tab1, Tab2, Tab3 };
// A text that is empty in the form, and the one caption that carries no tag.
constexpr int Empty = 0;
constexpr int Untagged = -1;

struct Designed
{
    const char *control;  // objectName, with "(index)" for an element of a control array
    Kind kind;
    int tag;
};

// Every caption and tool tip that a change of language sets, with the tag of its design-time
// text, group by group.
const Designed DesignTexts[] = {
    // Window
    {"frmeBayFees", Caption, 231},
    // Menus (caption)
    {"mnuFile", Caption, 422}, {"mnuFileExit", Caption, 425}, {"mnuFileNewWindow", Caption, 423},
    {"mnuFilePrint", Caption, 424}, {"mnuFileSaveNotepadAs", Caption, 701}, {"menuLang", Caption, 464},
    {"mnuHelp", Caption, 434},
    {"mnuHelpAbout", Caption, 436}, {"mnuHelpBillpointUK", Caption, 456}, {"mnuHelpBillpointUS", Caption, 455},
    {"mnuHelpContents", Caption, 435}, {"mnuHelpFeedback", Caption, 441}, {"mnuHelpHomepage", Caption, 439},
    {"mnuHelpPayPalInternational", Caption, 454}, {"mnuHelpSources", Caption, 443},
    {"mnuHelpSourcesEbay", Caption, 444}, {"mnuHelpSourcesEbayCanada", Caption, 446},
    {"mnuHelpSourcesEbayCanadaPictures", Caption, 451}, {"mnuHelpSourcesEbayGermany", Caption, 448},
    {"mnuHelpSourcesEbayGermanyPictures", Caption, 452}, {"mnuHelpSourcesEbayMotors", Caption, 445},
    {"mnuHelpSourcesEbayPictures", Caption, 449}, {"mnuHelpSourcesEbayUK", Caption, 447},
    {"mnuHelpSourcesEbayUKPictures", Caption, 450}, {"mnuHelpSourcesPayPalUS", Caption, 453},
    {"mnuHelpSubscribe", Caption, 442}, {"mnuHelpUpdate", Caption, 440}, {"mnuOptions", Caption, 426},
    {"mnuOptionsOnTop", Caption, 428}, {"mnuOptionsSaveSettings", Caption, 427}, {"mnuOptionsSite", Caption, 429},
    {"mnuOptionsSiteCanada", Caption, 432}, {"mnuOptionsSiteEbay", Caption, 430},
    {"mnuOptionsSiteGermany", Caption, 433}, {"mnuOptionsSiteUK", Caption, 431},
    {"mnuTools", Caption, 800}, {"mnuToolsFeeBreakdown", Caption, 801}, {"mnuToolsProfit", Caption, 802},
    {"mnuToolsCompareSites", Caption, 803},
    // Text boxes (tool tip only)
    {"txtConversion", Tip, 258}, {"txtDutchCostPerItem", Tip, 244}, {"txtDutchFees", Tip, 289},
    {"txtDutchFinalPrice", Tip, 290}, {"txtDutchItemsOffered", Tip, 325}, {"txtDutchItemsSold", Tip, 291},
    {"txtDutchOpeningPrice", Tip, 324}, {"txtExtraFeaturesDutch", Tip, Empty}, {"txtExtras", Tip, 347},
    {"txtFees", Tip, 333}, {"txtFVF", Tip, 253}, {"txtInsertionFee", Tip, 388}, {"txtNotes", Tip, Empty},
    {"txtPaymentAmount", Tip, 259}, {"txtPayPalFee", Tip, 281}, {"txtPrice", Tip, 334},
    {"txtStartingPrice", Tip, 389}, {"txtTotalDutchAuctionSales", Tip, 284},
    // Frames (caption/tool tip); the account-type and payment-type frames are single controls,
    // not elements of an array
    {"frmDutchExtras", Caption, 292}, {"frmDutchExtras", Tip, Empty}, {"frmFeatures", Caption, 335},
    {"frmFeatures", Tip, Empty}, {"frmPaymentAmount", Caption, 257}, {"frmPaymentAmount", Tip, Empty},
    {"frmReserve", Caption, 368}, {"frmReserve", Tip, Empty}, {"frmPayPal", Caption, 267}, {"frmPayPal", Tip, 268},
    {"fraAccountType", Caption, 271}, {"fraAccountType", Tip, Empty}, {"fraAuctionType", Caption, Empty},
    {"fraAuctionType", Tip, Empty}, {"frameDutchOffer", Caption, 321}, {"frameDutchOffer", Tip, Empty},
    {"fraPaymentType", Caption, 276}, {"fraPaymentType", Tip, Empty},
    // Tab control
    {"SSTab1", Tab0, 240}, {"SSTab1", Tab1, 241}, {"SSTab1", Tab2, 242}, {"SSTab1", Tab3, 243},
    // Option buttons (caption/tool tip)
    {"optMotorcycle", Caption, 376}, {"optMotorcycle", Tip, 377}, {"optOtherRealEstate", Caption, 370},
    {"optOtherRealEstate", Tip, 371}, {"optOtherVehicle", Caption, 374}, {"optOtherVehicle", Tip, 375},
    {"optPayPalCreditCard", Caption, 277}, {"optPayPalCreditCard", Tip, 278}, {"optPayPalMerchant", Caption, 272},
    {"optPayPalMerchant", Tip, 273}, {"optPayPalNonCreditCard", Caption, 279}, {"optPayPalNonCreditCard", Tip, 280},
    {"optPayPalStandard", Caption, 274}, {"optPayPalStandard", Tip, 275}, {"optTimeshare", Caption, 372},
    {"optTimeshare", Tip, 373},
    // Check boxes (caption/tool tip)
    {"chkBIN", Caption, 345}, {"chkBIN", Tip, 346}, {"chkBold", Caption, 362}, {"chkBold", Tip, 363},
    {"chkDidNotSell", Caption, 251}, {"chkDidNotSell", Tip, 252}, {"chkDutchBold", Caption, 307},
    {"chkDutchBold", Tip, 308}, {"chkDutchFeaturedPlus", Caption, 317}, {"chkDutchFeaturedPlus", Tip, 318},
    {"chkDutchGallery", Caption, 313}, {"chkDutchGallery", Tip, 314}, {"chkDutchGalleryFeatured", Caption, 311},
    {"chkDutchGalleryFeatured", Tip, 312}, {"chkDutchGreatGift", Caption, 305}, {"chkDutchGreatGift", Tip, 306},
    {"chkDutchHighlight", Caption, 309}, {"chkDutchHighlight", Tip, 310}, {"chkDutchHomePageFeatured", Caption, 315},
    {"chkDutchHomePageFeatured", Tip, 316}, {"chkDutchListingDesigner", Caption, 687},
    {"chkDutchListingDesigner", Tip, Empty}, {"chkDutchScheduled", Caption, 293}, {"chkDutchScheduled", Tip, Empty},
    {"chkDutchTenDayAuction", Caption, 303}, {"chkDutchTenDayAuction", Tip, 304},
    {"chkDutchTwoCategories", Caption, 350}, {"chkDutchTwoCategories", Tip, 351},
    {"chkEBayMotorsDutch", Caption, 322}, {"chkEBayMotorsDutch", Tip, 323}, {"chkExtraPhotos", Caption, 343},
    {"chkExtraPhotos", Tip, 344}, {"chkExtraPicturesDutch", Caption, 296}, {"chkExtraPicturesDutch", Tip, 297},
    {"chkFeatured", Caption, 354}, {"chkFeatured", Tip, 355}, {"chkFeaturedCategory", Caption, 352},
    {"chkFeaturedCategory", Tip, 353}, {"chkGallery", Caption, 356}, {"chkGallery", Tip, 357},
    {"chkGalleryFeatured", Caption, 358}, {"chkGalleryFeatured", Tip, 359}, {"chkGiftIcon", Caption, 364},
    {"chkGiftIcon", Tip, 365}, {"chkHighlighted", Caption, 360}, {"chkHighlighted", Tip, 361},
    {"chkInternationalPayPal", Caption, 269}, {"chkInternationalPayPal", Tip, 270},
    {"chkListingDesigner", Caption, 681}, {"chkListingDesigner", Tip, Empty}, {"chkMotors", Caption, 382},
    {"chkMotors", Tip, 383}, {"chkRealEstate", Caption, 386}, {"chkRealEstate", Tip, 387},
    {"chkScheduled", Caption, 336}, {"chkScheduled", Tip, Empty}, {"chkSlideshow", Caption, 338},
    {"chkSlideshow", Tip, 339}, {"chkSlideshowDutch", Caption, 301}, {"chkSlideshowDutch", Tip, 302},
    {"chkSupersizeDutch", Caption, 299}, {"chkSupersizeDutch", Tip, 300}, {"chkSupersizePhotos", Caption, 340},
    {"chkSupersizePhotos", Tip, 341}, {"chkTenDayAuction", Caption, 348}, {"chkTenDayAuction", Tip, 349},
    {"chkTwoCategories", Caption, 350}, {"chkTwoCategories", Tip, 351}, {"chkVehicle", Caption, 384},
    {"chkVehicle", Tip, 385},
    // Labels (caption/tool tip)
    {"lblCheckRates", Caption, 260}, {"lblCheckRates", Tip, 262}, {"lblTreuhandservice", Caption, 672},
    {"lblCurrency1", Caption, 391}, {"lblCurrency1", Tip, Empty}, {"lblCurrency2", Caption, 390},
    {"lblCurrency2", Tip, Empty}, {"lblCurrency3", Caption, 366}, {"lblCurrency3", Tip, Empty},
    {"lblCurrency4", Caption, 405}, {"lblCurrency4", Tip, Empty}, {"lblCurrency5", Caption, 404},
    {"lblCurrency5", Tip, Empty}, {"lblCurrency6", Caption, 403}, {"lblCurrency6", Tip, Empty},
    {"lblCurrency7", Caption, 326}, {"lblCurrency7", Tip, Empty}, {"lblCurrency8", Caption, 394},
    {"lblCurrency8", Tip, Empty}, {"lblCurrency9", Caption, 402}, {"lblCurrency9", Tip, Empty},
    {"lblCurrency10", Caption, 401}, {"lblCurrency10", Tip, Empty}, {"lblCurrency11", Caption, 265},
    {"lblCurrency11", Tip, Empty}, {"lblCurrency12", Caption, 282}, {"lblCurrency12", Tip, Empty},
    {"lblCurrency14", Caption, 264}, {"lblCurrency14", Tip, Empty}, {"lblCurrency15", Caption, 397},
    {"lblCurrency15", Tip, Empty}, {"lblDutchFees", Caption, 417}, {"lblDutchFees", Tip, Empty},
    {"lblDutchFeesPerItem", Caption, 396}, {"lblDutchFeesPerItem", Tip, Empty},
    {"lblDutchItemsOffered", Caption, 328}, {"lblDutchItemsOffered", Tip, Empty}, {"lblDutchItemsSold", Caption, 419},
    {"lblDutchItemsSold", Tip, Empty}, {"lblDutchOpeningPrice", Caption, 327}, {"lblDutchOpeningPrice", Tip, Empty},
    {"lblDutchSalesPrice", Caption, 418}, {"lblDutchSalesPrice", Tip, Empty}, {"lblExtraFeatures", Caption, 367},
    {"lblExtraFeatures", Tip, Empty}, {"lblExtraFeaturesDutch", Caption, 320}, {"lblExtraFeaturesDutch", Tip, Empty},
    {"lblFees", Caption, 420}, {"lblFees", Tip, Empty}, {"lblFVF", Caption, 415}, {"lblFVF", Tip, Empty},
    {"lblInsertionFee", Caption, 392}, {"lblInsertionFee", Tip, Empty}, {"lblLinks", Caption, 414},
    {"lblLinks", Tip, Empty}, {"lblOneDollarEquals", Caption, 263}, {"lblOneDollarEquals", Tip, Empty},
    {"lblPacking", Caption, 407}, {"lblPacking", Tip, Empty}, {"lblPaymentAmount", Caption, 266},
    {"lblPaymentAmount", Tip, Empty}, {"lblPayPalFees", Caption, 283}, {"lblPayPalFees", Tip, Empty},
    {"lblTypeOfMultiItemListing", Caption, 700}, {"lblPostal(0)", Caption, 413}, {"lblPostal(0)", Tip, Empty},
    {"lblPostal(1)", Caption, 412}, {"lblPostal(1)", Tip, Empty}, {"lblPostal(2)", Caption, 411},
    {"lblPostal(2)", Tip, Empty}, {"lblPostal(3)", Caption, Untagged}, {"lblPostal(3)", Tip, Empty},
    {"lblPostal(4)", Caption, 409}, {"lblPostal(4)", Tip, Empty}, {"lblPostal(5)", Caption, 408},
    {"lblPostal(5)", Tip, Empty}, {"lblPostal(6)", Caption, 406}, {"lblPostal(6)", Tip, Empty},
    {"lblPostal(7)", Caption, 400}, {"lblPostal(7)", Tip, Empty}, {"lblPostal(8)", Caption, 399},
    {"lblPostal(8)", Tip, Empty}, {"lblPostal(9)", Caption, 398}, {"lblPostal(9)", Tip, Empty},
    {"lblPostal(10)", Caption, 395}, {"lblPostal(10)", Tip, Empty}, {"lblPostal(11)", Caption, 470},
    {"lblPostal(12)", Caption, 673}, {"lblCountry(0)", Caption, 695}, {"lblCountry(1)", Caption, 697},
    {"lblCountry(2)", Caption, 696}, {"lblCountry(3)", Caption, 698},
    // The packing services' US heading on the shipping tab is designed as "US<0699>", the tag the
    // site table gives it; 0695 and 0699 are both "US", in English and in German.
    {"lblCountry(4)", Caption, 699},
    {"lblPrice", Caption, 421}, {"lblPrice", Tip, Empty}, {"lblStartingPrice", Caption, 393},
    {"lblStartingPrice", Tip, Empty}, {"lblTotalDutchAuctionSales", Caption, 416},
    {"lblTotalDutchAuctionSales", Tip, Empty},
    // Command buttons (caption/tool tip)
    {"cmdAddDutchToNotes", Caption, 247}, {"cmdAddDutchToNotes", Tip, 248}, {"cmdAddPaymentsToNotes", Caption, 245},
    {"cmdAddPaymentsToNotes", Tip, 246}, {"cmdAddRegularToNotes", Caption, 249}, {"cmdAddRegularToNotes", Tip, 250},
    // The Calculate button carries its designed tool tip "Click here to calculate your total eBay
    // fees for listing this item.<0330>"; it is kept and translated like every other one.
    {"cmdCalculate", Caption, 329}, {"cmdCalculate", Tip, 330},
    {"cmdCalculatePaymentFees", Caption, 261},
    {"cmdCalculatePaymentFees", Tip, 256}, {"cmdClearAll", Caption, 331}, {"cmdClearAll", Tip, 332},
    {"cmdClearNotepad", Caption, 236}, {"cmdClearNotepad", Tip, 237}, {"cmdClearPaymentFees", Caption, 254},
    {"cmdClearPaymentFees", Tip, 255}, {"cmdCopyNotepad", Caption, 234}, {"cmdCopyNotepad", Tip, 235},
    {"cmdDutchCalculate", Caption, 287}, {"cmdDutchCalculate", Tip, 288}, {"cmdDutchClearAll", Caption, 285},
    {"cmdDutchClearAll", Tip, 286}, {"cmdNotepad", Caption, 238}, {"cmdNotepad", Tip, 239},
    {"cmdPrintNotepad", Caption, 232}, {"cmdPrintNotepad", Tip, 233},
    // Lists (tool tip only)
    {"cboExtraPhotos", Tip, 342}, {"cboExtraPicturesDutch", Tip, 298}, {"cboRealEstateType", Tip, 369},
};

// The site the window runs on in the language tests: eBay Germany, the default of a German user.
// Its caption and the caption of the foreign-buyer box come from the site table.
constexpr int GermanySiteCaption = 626;
constexpr int GermanyBuyerAbroad = 627;

QString kindName(int kind)
{
    switch (kind) {
    case Caption:
        return QStringLiteral("caption");
    case Tip:
        return QStringLiteral("tooltip");
    default:
        return QStringLiteral("tab%1").arg(kind - Tab0);
    }
}

Kind kindOf(const CaptionTable::Entry &entry)
{
    switch (entry.property) {
    case CaptionTable::Property::Text:
        return Caption;
    case CaptionTable::Property::ToolTip:
        return Tip;
    case CaptionTable::Property::TabText:
        break;
    }
    return Kind(Tab0 + entry.index);
}

// "lblPostal(3)" for the elements of a control array, the objectName otherwise.
QString controlKey(const QObject *control)
{
    const QVariant index = control->property("index");
    return index.isValid() ? QStringLiteral("%1(%2)").arg(control->objectName()).arg(index.toInt())
                           : control->objectName();
}

QString entryKey(const QString &control, int kind)
{
    return control + QLatin1Char(':') + kindName(kind);
}

QString entryKey(const CaptionTable::Entry &entry)
{
    return entryKey(entry.control ? controlKey(entry.control) : QStringLiteral("<gone>"), kindOf(entry));
}

QString tagged(int tag)
{
    return EnglishString(tag) + QStringLiteral("<%1>").arg(tag, 4, 10, QLatin1Char('0'));
}

// What a control shows for one kind of text, read the way the user sees it.
QString shown(const QObject *control, int kind)
{
    if (kind >= Tab0) {
        const auto *tabs = qobject_cast<const QTabWidget *>(control);
        return tabs ? tabs->tabText(kind - Tab0) : QStringLiteral("<no tabs>");
    }
    if (kind == Tip) {
        if (const auto *widget = qobject_cast<const QWidget *>(control))
            return widget->toolTip();
        return QStringLiteral("<no tool tip>");
    }
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (const auto *menu = qobject_cast<const QMenu *>(control))
        return menu->title();
    if (const auto *action = qobject_cast<const QAction *>(control))
        return action->text();
    if (const auto *window = qobject_cast<const QWidget *>(control))
        return window->windowTitle();
    return QStringLiteral("<no caption>");
}

// Everything the language decides in a window: each kept entry as shown, and the items of the
// lists that a change of language fills again.
using Snapshot = QMap<QString, QString>;

Snapshot snapshot(const frmeBayFees &window)
{
    Snapshot texts;
    for (const CaptionTable::Entry &entry : window.Captions().entries())
        texts.insert(entryKey(entry), entry.control ? shown(entry.control, kindOf(entry)) : QString());
    for (const char *name : {"cboExtraPhotos", "cboExtraPicturesDutch", "cboSingleItemType", "cboIsReserve",
                             "cboTypeOfMultiItemListing", "cboRealEstateType"}) {
        const auto *list = window.findChild<QComboBox *>(QString::fromLatin1(name));
        if (!list) {
            texts.insert(QString::fromLatin1(name), QStringLiteral("<missing>"));
            continue;
        }
        for (int item = 0; item < list->count(); ++item)
            texts.insert(QStringLiteral("%1[%2]").arg(QString::fromLatin1(name)).arg(item), list->itemText(item));
    }
    return texts;
}

// One line per key whose text differs, or that only one side has.
QStringList differences(const Snapshot &actual, const Snapshot &expected)
{
    QStringList lines;
    QSet<QString> keys(actual.keyBegin(), actual.keyEnd());
    keys.unite(QSet<QString>(expected.keyBegin(), expected.keyEnd()));
    QStringList sorted(keys.cbegin(), keys.cend());
    sorted.sort();
    for (const QString &key : sorted) {
        const QString got = actual.value(key, QStringLiteral("<absent>"));
        const QString want = expected.value(key, QStringLiteral("<absent>"));
        if (got != want)
            lines.append(QStringLiteral("%1: \"%2\", expected \"%3\"").arg(key, got, want));
    }
    return lines;
}

// The German library's own table, read once; the oracle for texts that only the library defines.
QHash<qint32, QString> &germanTable()
{
    static QHash<qint32, QString> table;
    return table;
}

enum class Language { English, German };

// The text of an id in a language: the library's when it has one, the English table's otherwise.
QString lookUp(int tag, Language language)
{
    if (language == Language::German) {
        const QString text = germanTable().value(tag);
        if (!text.isEmpty())
            return text;
    }
    return EnglishString(tag);
}

// What one entry of the table shows on site eBay Germany in a language, with the notepad folded
// and a fresh store. After the kept texts have been set, the site, the lists and the notepad band
// set a few of them again: those are given here as the window's behaviour requires.
QString expectedOnGermanySite(const QString &control, int kind, int tag, Language language)
{
    if (kind == Caption) {
        if (control == QLatin1String("frmeBayFees"))
            return lookUp(GermanySiteCaption, language);
        if (control == QLatin1String("chkInternationalPayPal"))
            return lookUp(GermanyBuyerAbroad, language);
        if (control == QLatin1String("cmdNotepad"))
            return lookUp(629, language);  // "view notepad": the band is folded
        if (control.startsWith(QLatin1String("lblCurrency")))
            return QStringLiteral("EUR");
        // An auction without reserve, and a Dutch auction: the lists' first items.
        if (control == QLatin1String("lblStartingPrice"))
            return lookUp(617, language);
        if (control == QLatin1String("lblDutchOpeningPrice"))
            return lookUp(679, language);
        if (control == QLatin1String("mnuHelpHomepage"))
            return CompanyName() + QStringLiteral(" Homepage");
        if (control == QLatin1String("mnuHelpSubscribe"))
            return lookUp(tag, language).replace(QStringLiteral("Brontolux"), CompanyName());
    }
    if (tag == Empty)
        return QString();
    if (tag == Untagged)
        return QStringLiteral("Craters and Freighters");
    return lookUp(tag, language);
}

Snapshot expectedSnapshotOnGermanySite(Language language)
{
    Snapshot texts;
    for (const Designed &designed : DesignTexts) {
        const QString control = QString::fromLatin1(designed.control);
        texts.insert(entryKey(control, designed.kind),
                     expectedOnGermanySite(control, designed.kind, designed.tag, language));
    }
    const QString pack = lookUp(671, language);
    for (const char *name : {"cboExtraPhotos", "cboExtraPicturesDutch"}) {
        const QStringList items{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4"), QStringLiteral("5"), pack};
        for (int item = 0; item < items.size(); ++item)
            texts.insert(QStringLiteral("%1[%2]").arg(QString::fromLatin1(name)).arg(item), items[item]);
    }
    const std::pair<const char *, QList<int>> lists[] = {
        {"cboSingleItemType", {691, 685}},
        {"cboIsReserve", {686, 690}},
        {"cboTypeOfMultiItemListing", {689, 688}},
        {"cboRealEstateType", {630, 631, 632, 633}},
    };
    for (const auto &[name, tags] : lists) {
        for (int item = 0; item < tags.size(); ++item)
            texts.insert(QStringLiteral("%1[%2]").arg(QString::fromLatin1(name)).arg(item),
                         lookUp(tags[item], language));
    }
    return texts;
}

// Keeps what the last print job put on paper.
QList<RecordingSurface::Printed> &lastPrintJob()
{
    static QList<RecordingSurface::Printed> printed;
    return printed;
}

class KeptSurface : public RecordingSurface
{
public:
    ~KeptSurface() override { lastPrintJob() = printed; }
};

// Fails with every line of a list of faults.
#define VERIFY_NONE(faults)                                                                                    \
    do {                                                                                                       \
        const QStringList found = (faults);                                                                    \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));                                 \
    } while (false)

const QString Separator = QStringLiteral("--------------------------------------------------");

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }

    void initTestCase()
    {
        const QString library = libraryFolder.filePath(QStringLiteral("CalvextraLang407.dll"));
        QVERIFY2(QFile::copy(QStringLiteral(GERMAN_LIBRARY), library), GERMAN_LIBRARY);
        // The library's own table, read straight from it.
        setLanguageMessageHandler([](const QString &text, const QString &, LanguageMessageKind) {
            QFAIL(qPrintable(text));
        });
        WindowFixture::useFreshSettings();
        setLanguageLibraryFolder(libraryFolder.path());
        setUserLocaleOverride(&germanLocale);
        QVERIFY(InitLanguage());
        QVERIFY(LanguageResources());
        for (qint32 id : EnglishStringIds()) {
            qint32 index = id;
            try {
                germanTable().insert(id, LanguageResources()->GetResourceString(index));
            } catch (const ResourceError &) {
                // Missing ids fall back to English.
            }
        }
        QCOMPARE(germanTable().value(231), QStringLiteral("Wertolino – Berechnen Sie Ihre eBay-Auktionsgebühren"));
        resetLanguage();
        setLanguageMessageHandler(nullptr);
    }

    void init()
    {
        applyLocaleRow();
        messages.clear();
        setLanguageMessageHandler([this](const QString &text, const QString &, LanguageMessageKind) {
            messages.append(text);
        });
        setLocalizationErrorHandler([this](const QString &description) { messages.append(description); });
    }

    void cleanup()
    {
        const QString dialog = fixture ? fixture->unexpectedDialog : QString();
        reference.reset();
        fixture.reset();
        resetLanguage();
        CWordWrap::setSurfaceOpener(nullptr);
        lastPrintJob().clear();
        setLanguageMessageHandler(nullptr);
        setLocalizationErrorHandler(nullptr);
        QVERIFY2(dialog.isEmpty(), qPrintable(dialog));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    }

    // The table of kept texts: every designed caption and tool tip, nothing else, each with the
    // tagged text whose English part is the program's own table entry.
    void captionTableHoldsTheDesignTexts()
    {
        QVERIFY(openWindow(Language::English));
        const QList<CaptionTable::Entry> &entries = fixture->window->Captions().entries();

        QMap<QString, QString> kept;
        QSet<const QObject *> controls;
        QSet<QString> controlKeys;
        QStringList duplicates;
        for (const CaptionTable::Entry &entry : entries) {
            QVERIFY(entry.control);
            const QString key = entryKey(entry);
            if (kept.contains(key))
                duplicates.append(key);
            kept.insert(key, entry.taggedText);
            controls.insert(entry.control);
            controlKeys.insert(controlKey(entry.control));
        }
        VERIFY_NONE(duplicates);

        QMap<QString, int> expected;
        for (const Designed &designed : DesignTexts)
            expected.insert(entryKey(QString::fromLatin1(designed.control), designed.kind), designed.tag);

        QStringList missing;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            if (!kept.contains(it.key()))
                missing.append(it.key());
        }
        QStringList extra;
        for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
            if (!expected.contains(it.key()))
                extra.append(it.key() + QStringLiteral(" \"") + it.value() + QLatin1Char('"'));
        }
        VERIFY_NONE(missing);
        VERIFY_NONE(extra);

        // 181 controls (each element of lblPostal and lblCountry counts, the tab control once).
        QCOMPARE(controls.size(), 181);
        QCOMPARE(controlKeys.size(), 181);
        QCOMPARE(entries.size(), 294);

        QStringList wrong;
        int taggedCount = 0;
        int emptyCount = 0;
        int untaggedCount = 0;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QString text = kept.value(it.key());
            QString want;
            if (it.value() == Empty) {
                ++emptyCount;
            } else if (it.value() == Untagged) {
                ++untaggedCount;
                want = QStringLiteral("Craters and Freighters");
            } else {
                ++taggedCount;
                if (EnglishString(it.value()).isNull())
                    wrong.append(QStringLiteral("%1: no English text for %2").arg(it.key()).arg(it.value()));
                want = tagged(it.value());
            }
            if (text != want)
                wrong.append(QStringLiteral("%1: \"%2\", expected \"%3\"").arg(it.key(), text, want));
        }
        VERIFY_NONE(wrong);
        // 234 tagged texts, the Calculate button's tool tip among them; 59 empty ones (58 tool
        // tips and the caption of the auction-type frame); one untagged caption.
        QCOMPARE(taggedCount, 234);
        QCOMPARE(emptyCount, 59);
        QCOMPARE(untaggedCount, 1);
    }

    // A German user's first start: the library's texts everywhere, eBay Germany as the site.
    void germanWindowAtStart_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tab 0") << "SSTab1" << int(Tab0) << "Einzelner Artikel";
        QTest::newRow("tab 1") << "SSTab1" << int(Tab1) << "Powerauktion";
        QTest::newRow("tab 2") << "SSTab1" << int(Tab2) << "Zahlungsdienste";
        QTest::newRow("tab 3") << "SSTab1" << int(Tab3) << "Ver&sand ";
        QTest::newRow("languages menu") << "menuLang" << int(Caption) << "Sprachen";
        QTest::newRow("notepad button") << "cmdNotepad" << int(Caption) << "Notizblock anzeigen";
        QTest::newRow("default language") << "mnuLang(0)" << int(Caption) << "Sprache: Voreinstellung";
        QTest::newRow("English language") << "mnuLang(1)" << int(Caption) << "Englisch";
        QTest::newRow("German language") << "mnuLang(3)" << int(Caption) << "Deutsch";
        QTest::newRow("subtitle, untagged") << "chkSubTitleSingleItem" << int(Caption) << "Subtitle";
        QTest::newRow("subtitle tip, untagged")
            << "chkSubTitleSingleItem" << int(Tip) << "Additional text beneath the main title.";
        QTest::newRow("Dutch subtitle, untagged") << "chkDutchSubtitle" << int(Caption) << "Subtitle";
        QTest::newRow("Craters and Freighters") << "lblPostal(3)" << int(Caption) << "Craters and Freighters";
    }
    void germanWindowAtStart()
    {
        QFETCH(QString, control);
        QFETCH(int, kind);
        QFETCH(QString, expected);
        QVERIFY(openWindow(Language::German));
        const QObject *found = findControl(control);
        QVERIFY2(found, qPrintable(control));
        QCOMPARE(shown(found, kind), expected);
    }

    void germanWindowRunsOnEbayGermany()
    {
        QVERIFY(openWindow(Language::German));
        QCOMPARE(fixture->window->Site().Site(), 4);
        QVERIFY(fixture->find<QAction>("mnuOptionsSiteGermany")->isChecked());
        // The site table gives the window its caption, in German.
        QCOMPARE(fixture->window->windowTitle(), lookUp(GermanySiteCaption, Language::German));
        QVERIFY(fixture->window->windowTitle() != EnglishString(GermanySiteCaption));
        QCOMPARE(fixture->find<QLabel>("lblCurrency1")->text(), QStringLiteral("EUR"));
    }

    void germanLanguageMenu()
    {
        QVERIFY(openWindow(Language::German));
        for (int index = 0; index <= 10; ++index) {
            const QAction *item = languageItem(index);
            QVERIFY(item);
            const bool shownItem = index == 0 || index == 1 || index == 3;
            QCOMPARE(item->isVisible(), shownItem);
            // No choice stored: the user's locale decides, and "Default" is ticked.
            QCOMPARE(item->isChecked(), index == 0);
        }
    }

    void germanNotepadButton()
    {
        QVERIFY(openWindow(Language::German));
        auto *button = fixture->find<QPushButton>("cmdNotepad");
        QVERIFY(!fixture->window->NotepadVisible());
        QCOMPARE(button->text(), QStringLiteral("Notizblock anzeigen"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(fixture->window->NotepadVisible());
        QCOMPARE(button->text(), QStringLiteral("Notizblock ausblenden"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), QStringLiteral("Notizblock anzeigen"));
    }

    // German → English → German from the menu: every text follows at once; English gives the
    // texts of a window started in English, and German again the texts of the first German pass.
    void switchingLanguageFromTheMenu()
    {
        QVERIFY(openWindow(Language::German));
        frmeBayFees &window = *fixture->window;
        const Snapshot firstGerman = snapshot(window);
        VERIFY_NONE(differences(firstGerman, expectedSnapshotOnGermanySite(Language::German)));

        QSignalSpy titles(&window, &QWidget::windowTitleChanged);
        QVERIFY(chooseLanguage(1));
        QCOMPARE(ReadSetting(QStringLiteral("Language")), QStringLiteral("English"));
        QCOMPARE(CurrentLanguage().Code, QStringLiteral("409"));
        QVERIFY(!LanguageResources());
        // The window caption is set from the kept text first, then from the site table.
        QCOMPARE(titleSequence(titles),
                 QStringList({EnglishString(231), EnglishString(GermanySiteCaption)}));
        const Snapshot english = snapshot(window);
        VERIFY_NONE(differences(english, expectedSnapshotOnGermanySite(Language::English)));
        QCOMPARE(window.Site().Site(), 4);

        // A window started in English, on the same site.
        reference = std::make_unique<frmeBayFees>();
        reference->findChild<QAction *>(QStringLiteral("mnuOptionsSiteGermany"))->trigger();
        QCOMPARE(reference->Site().Site(), 4);
        VERIFY_NONE(differences(english, snapshot(*reference)));
        reference.reset();

        QCOMPARE(languageItem(3)->text(), QStringLiteral("German"));
        QVERIFY(languageItem(1)->isChecked());
        titles.clear();
        QVERIFY(chooseLanguage(3));
        QCOMPARE(ReadSetting(QStringLiteral("Language")), QStringLiteral("German"));
        QCOMPARE(CurrentLanguage().Code, QStringLiteral("407"));
        QVERIFY(LanguageResources());
        QCOMPARE(titleSequence(titles),
                 QStringList({QStringLiteral("Wertolino – Berechnen Sie Ihre eBay-Auktionsgebühren"),
                              lookUp(GermanySiteCaption, Language::German)}));
        VERIFY_NONE(differences(snapshot(window), firstGerman));
        QCOMPARE(languageItem(3)->text(), QStringLiteral("Deutsch"));
        QVERIFY(languageItem(3)->isChecked());
        QVERIFY(!languageItem(0)->isChecked());
    }

    // Each item of the "Languages" menu stores its choice, runs the language it names and
    // becomes the ticked one; the menu's own caption follows.
    void choosingALanguageItem_data()
    {
        QTest::addColumn<bool>("startInGerman");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("code");
        QTest::newRow("German: Voreinstellung") << true << 0 << "Default" << "407";
        QTest::newRow("German: Englisch") << true << 1 << "English" << "409";
        QTest::newRow("German: Deutsch") << true << 3 << "German" << "407";
        QTest::newRow("English: Default") << false << 0 << "Default" << "409";
        QTest::newRow("English: English") << false << 1 << "English" << "409";
        QTest::newRow("English: German") << false << 3 << "German" << "407";
    }
    void choosingALanguageItem()
    {
        QFETCH(bool, startInGerman);
        QFETCH(int, item);
        QFETCH(QString, stored);
        QFETCH(QString, code);
        QVERIFY(openWindow(startInGerman ? Language::German : Language::English));
        // A fee breakdown shown before the switch has looked its texts up in the first language.
        QTest::keyClick(fixture->window.get(), Qt::Key_F6);
        auto *breakdown = fixture->window->findChild<FeeBreakdownPanel *>(QStringLiteral("FeeBreakdownPanel"));
        QVERIFY(breakdown && breakdown->isVisible());
        QVERIFY(chooseLanguage(item));
        QCOMPARE(ReadSetting(QStringLiteral("Language")), stored);
        // Written beside the switch: in the store once that write is done.
        FinishSettingsWrites();
        QCOMPARE(QSettings(SettingsStorePath(), QSettings::IniFormat).value(QStringLiteral("Language")).toString(), stored);
        QCOMPARE(CurrentLanguage().Code, code);
        for (int index = 0; index <= 10; ++index)
            QCOMPARE(languageItem(index)->isChecked(), index == item);
        const bool german = code == QLatin1String("407");
        QCOMPARE(fixture->find<QMenu>("menuLang")->title(),
                 german ? QStringLiteral("Sprachen") : QStringLiteral("Languages"));
        QCOMPARE(languageItem(3)->text(), german ? QStringLiteral("Deutsch") : QStringLiteral("German"));
        // ... and follows the new one at once, in its list and in the lines it copies.
        const QString insertionFee = lookUp(813, german ? Language::German : Language::English);
        QVERIFY2(breakdown->Lines().value(0).startsWith(insertionFee + QLatin1Char(':')), qPrintable(breakdown->Lines().value(0)));
        QCOMPARE(breakdown->findChild<QTreeWidget *>(QStringLiteral("lstBreakdown"))->topLevelItem(0)->text(0), insertionFee);
        QCOMPARE(breakdown->windowTitle(), lookUp(810, german ? Language::German : Language::English));
    }

    // Choices faster than the disk, on a store that refuses them: each holds at once, a switch
    // reports nothing, and none is lost: closing reports the store, and the first save it takes
    // again stores the last choice.
    void languageChoicesOutlastARefusingStore()
    {
        QVERIFY(openWindow(Language::English));
        SettingsObstacle obstacle;
        const QString notPlaced = obstacle.place(SettingsObstacle::ReadOnlyFile, SettingsStorePath());
        if (!notPlaced.isEmpty())
            QSKIP(qPrintable(notPlaced));
        QVERIFY(chooseLanguage(3));
        QVERIFY(chooseLanguage(1));
        QCOMPARE(ReadSetting(QStringLiteral("Language")), QStringLiteral("English"));
        FinishSettingsWrites();
        QCOMPARE(ReadSetting(QStringLiteral("Language")), QStringLiteral("English"));
        QCOMPARE(CurrentLanguage().Code, QStringLiteral("409"));
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));

        fixture->window->close();
        QVERIFY2(fixture->unexpectedDialog.endsWith(QStringLiteral(": msgSettingsNotSaved")),
                 qPrintable(fixture->unexpectedDialog));
        fixture->unexpectedDialog.clear();
        obstacle.remove();
        QVERIFY(WriteSetting(QStringLiteral("Notepad"), QStringLiteral("1")).Ok());
        QCOMPARE(QSettings(SettingsStorePath(), QSettings::IniFormat).value(QStringLiteral("Language")).toString(),
                 QStringLiteral("English"));
    }

    // The extra-pictures lists keep "pack" chosen while their items are replaced.
    void pictureListsKeepTheirSelection_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("otherList");
        QTest::newRow("single item") << "cboExtraPhotos" << "chkExtraPhotos" << "cboExtraPicturesDutch";
        QTest::newRow("multiple items") << "cboExtraPicturesDutch" << "chkExtraPicturesDutch" << "cboExtraPhotos";
    }
    void pictureListsKeepTheirSelection()
    {
        QFETCH(QString, list);
        QFETCH(QString, box);
        QFETCH(QString, otherList);
        QVERIFY(openWindow(Language::English));
        auto *pictures = fixture->window->findChild<QComboBox *>(list);
        auto *other = fixture->window->findChild<QComboBox *>(otherList);
        auto *tick = fixture->window->findChild<QCheckBox *>(box);
        QVERIFY(pictures && other && tick);
        QTest::mouseClick(tick, Qt::LeftButton);
        QVERIFY(pictures->isEnabled());
        pictures->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pictures, Qt::Key_End);
        QCOMPARE(pictures->currentIndex(), 5);
        QCOMPARE(pictures->currentText(), QStringLiteral("pack"));

        QVERIFY(chooseLanguage(3));
        QCOMPARE(pictures->count(), 6);
        QCOMPARE(pictures->currentIndex(), 5);
        QCOMPARE(pictures->currentText(), lookUp(671, Language::German));
        QVERIFY(pictures->currentText() != QLatin1String("pack"));
        QCOMPARE(pictures->itemText(0), QStringLiteral("1"));
        QCOMPARE(pictures->itemText(4), QStringLiteral("5"));
        QCOMPARE(other->currentIndex(), 0);

        QVERIFY(chooseLanguage(1));
        QCOMPARE(pictures->count(), 6);
        QCOMPARE(pictures->currentIndex(), 5);
        QCOMPARE(pictures->currentText(), QStringLiteral("pack"));
        QCOMPARE(other->currentIndex(), 0);
    }

    // A branded installation names its own company in the two help items, in every language.
    void companyNameInHelpMenu_data()
    {
        QTest::addColumn<bool>("startInGerman");
        QTest::addColumn<bool>("switchLanguage");
        QTest::addColumn<QString>("company");
        QTest::newRow("English") << false << false << "Acme Ltd";
        QTest::newRow("German") << true << false << "Acme Ltd";
        QTest::newRow("English, then German") << false << true << "Acme Ltd";
        QTest::newRow("German, then English") << true << true << "Acme Ltd";
        QTest::newRow("maker's own name") << false << false << "Brontolux";
        QTest::newRow("ampersand, German") << true << false << "Müller & Söhne";
        QTest::newRow("ampersand, English, then German") << false << true << "Müller & Söhne";
    }
    void companyNameInHelpMenu()
    {
        QFETCH(bool, startInGerman);
        QFETCH(bool, switchLanguage);
        QFETCH(QString, company);
        if (!switchLanguage)
            CompanyName() = company;
        QVERIFY(openWindow(startInGerman ? Language::German : Language::English));
        if (switchLanguage) {
            CompanyName() = company;
            QVERIFY(chooseLanguage(startInGerman ? 1 : 3));
        }
        const bool german = startInGerman != switchLanguage;
        QCOMPARE(CurrentLanguage().Code, german ? QStringLiteral("407") : QStringLiteral("409"));

        // An "&" of the name is doubled, so that the menu shows it and takes no mnemonic from it.
        const QString inCaption = QString(company).replace(QLatin1Char('&'), QStringLiteral("&&"));
        QCOMPARE(fixture->find<QAction>("mnuHelpHomepage")->text(), inCaption + QStringLiteral(" Homepage"));
        const QString subscribe = fixture->find<QAction>("mnuHelpSubscribe")->text();
        if (german) {
            QCOMPARE(subscribe, lookUp(442, Language::German).replace(QStringLiteral("Brontolux"), inCaption));
            QVERIFY(subscribe != lookUp(442, Language::English).replace(QStringLiteral("Brontolux"), inCaption));
        } else {
            QCOMPARE(subscribe, QStringLiteral("&Join %1 Mailing List").arg(inCaption));
        }
        QVERIFY(subscribe.contains(inCaption));
        if (company != QLatin1String("Brontolux"))
            QVERIFY(!subscribe.contains(QLatin1String("Brontolux")));
    }

    void cratersAndFreightersInEveryLanguage_data()
    {
        QTest::addColumn<bool>("startInGerman");
        QTest::addColumn<int>("switchTo");  // language item chosen afterwards, -1 for none
        QTest::newRow("English") << false << -1;
        QTest::newRow("German") << true << -1;
        QTest::newRow("English, then German") << false << 3;
        QTest::newRow("German, then English") << true << 1;
    }
    void cratersAndFreightersInEveryLanguage()
    {
        QFETCH(bool, startInGerman);
        QFETCH(int, switchTo);
        QVERIFY(openWindow(startInGerman ? Language::German : Language::English));
        if (switchTo >= 0)
            QVERIFY(chooseLanguage(switchTo));
        const auto *label = qobject_cast<const QLabel *>(findControl(QStringLiteral("lblPostal(3)")));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Craters and Freighters"));
    }

    // A summary added while German runs uses the German labels.
    void germanSingleItemSummary_data()
    {
        QTest::addColumn<bool>("sold");
        QTest::addColumn<QString>("soldFlag");
        QTest::newRow("sold") << true << "J";
        QTest::newRow("not sold") << false << "N";
    }
    void germanSingleItemSummary()
    {
        QFETCH(bool, sold);
        QFETCH(QString, soldFlag);
        QVERIFY(openWindow(Language::German));
        fixture->typeAndLeave("txtStartingPrice", inLocale("10"));
        if (sold)
            fixture->typeAndLeave("txtPrice", inLocale("25"));
        else
            QTest::mouseClick(fixture->find<QCheckBox>("chkDidNotSell"), Qt::LeftButton);
        for (const char *name : {"txtStartingPrice", "txtPrice", "txtInsertionFee", "txtFees"})
            QVERIFY2(!fixture->text(name).isEmpty(), name);
        // An item that did not sell pays no final value fee: the field stays empty.
        QCOMPARE(fixture->text("txtFVF").isEmpty(), !sold);
        QTest::mouseClick(fixture->find<QPushButton>("cmdAddRegularToNotes"), Qt::LeftButton);

        QStringList lines = fixture->find<QPlainTextEdit>("txtNotes")->toPlainText().split(QLatin1Char('\n'));
        for (QString &line : lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
        const QString euro = QStringLiteral("EUR");
        const auto field = [this](const char *name) { return fixture->text(name); };
        const QStringList expected{
            Separator,
            QStringLiteral("1. REGULÄRE AUKTION:  ") + lookUp(635, Language::German) + euro + field("txtStartingPrice")
                + QStringLiteral("    ") + lookUp(639, Language::German) + soldFlag + QStringLiteral("    ")
                + lookUp(640, Language::German) + euro + field("txtPrice"),
            lookUp(641, Language::German) + euro + field("txtInsertionFee") + QStringLiteral("    ")
                + lookUp(642, Language::German) + euro + field("txtExtras") + QStringLiteral("    ")
                + lookUp(643, Language::German) + euro + field("txtFVF"),
            lookUp(644, Language::German) + euro + field("txtFees"),
            Separator,
            QString(),
        };
        QCOMPARE(lines, expected);
        // The labels are really German ones.
        QVERIFY(lookUp(639, Language::German) != EnglishString(639));
    }

    void germanPrintHeader()
    {
        QVERIFY(openWindow(Language::German));
        QTest::mouseClick(fixture->find<QPushButton>("cmdAddRegularToNotes"), Qt::LeftButton);
        CWordWrap::setSurfaceOpener([] { return std::make_unique<KeptSurface>(); });
        fixture->find<QAction>("mnuFilePrint")->trigger();

        const QList<RecordingSurface::Printed> &printed = lastPrintJob();
        QVERIFY(!printed.isEmpty());
        QCOMPARE(printed.first().text, QStringLiteral("Wertolino Notizen"));
        QCOMPARE(printed.first().page, 1);
        bool pageNumber = false;
        bool germanBody = false;
        for (const RecordingSurface::Printed &item : printed) {
            pageNumber = pageNumber || (item.page == 1 && item.text == QLatin1String("Seite 1"));
            germanBody = germanBody || item.text == QStringLiteral("REGULÄRE");
            QVERIFY2(!item.text.startsWith(QLatin1String("Page")), qPrintable(item.text));
        }
        QVERIFY(pageNumber);
        QVERIFY(germanBody);
    }

    // A printer that is missing or fails is reported in the running language.
    void germanPrinterMessages_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("tag");
        QTest::newRow("no printer installed") << QStringLiteral("none") << 725;
        QTest::newRow("printer cannot start the job") << QStringLiteral("broken") << 722;
        // The plugin's printers get their words from the program's language library.
        QTest::newRow("printing plugin's PDF file cannot start the job") << QStringLiteral("plugin") << 722;
    }
    void germanPrinterMessages()
    {
        QFETCH(QString, problem);
        QFETCH(int, tag);
        QVERIFY(openWindow(Language::German));
        QTemporaryDir folder;
        // A printer whose output cannot be written: the job fails when it starts.
        QPrinter broken(QPrinter::HighResolution);
        broken.setOutputFormat(QPrinter::PdfFormat);
        broken.setOutputFileName(folder.filePath(QStringLiteral("missing/notes.pdf")));
        if (problem == QLatin1String("none"))
            CWordWrap::setSurfaceOpener([] { return OpenPrinter(QPrinterInfo()); });
        else if (problem == QLatin1String("plugin"))
            CWordWrap::setSurfaceOpener([&broken] { return PrintingPlugin::OpenPdfPrinter(broken.outputFileName()); });
        else
            CWordWrap::setSurfaceOpener([&broken]() -> std::unique_ptr<PrintSurface> {
                return std::make_unique<PrinterSurface>(broken, PrinterSurface::DefaultFont());
            });
        const QString expected = lookUp(tag, Language::German).replace(QStringLiteral("%1"), broken.outputFileName());
        QVERIFY(lookUp(tag, Language::German) != EnglishString(tag));

        // This test expects the message: it answers the box itself, so the watchdog stands aside.
        fixture->watchdog.stop();
        QStringList shown;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&shown] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown.append(box->text());
            QAbstractButton *button = box->button(QMessageBox::No);
            QTest::mouseClick(button ? button : box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        answer.start(20);
        auto *print = fixture->find<QPushButton>("cmdPrintNotepad");
        if (!print->isVisible())
            QTest::mouseClick(fixture->find<QPushButton>("cmdNotepad"), Qt::LeftButton);
        QVERIFY(print->isVisible());
        QTest::mouseClick(print, Qt::LeftButton);
        answer.stop();
        fixture->watchdog.start();

        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(expected), qPrintable(shown[0]));
    }

private:
    // Starts the language (German: the user's locale is German and no choice is stored), then a
    // fresh window on a fresh store.
    bool openWindow(Language language)
    {
        WindowFixture::useFreshSettings();
        setLanguageLibraryFolder(libraryFolder.path());
        setUserLocaleOverride(language == Language::German ? &germanLocale : &englishLocale);
        if (!InitLanguage())
            return false;
        const bool german = language == Language::German;
        if (CurrentLanguage().Code != (german ? QLatin1String("407") : QLatin1String("409")))
            return false;
        if ((LanguageResources() != nullptr) != german)
            return false;
        fixture = std::make_unique<WindowFixture>();
        return true;
    }

    // Picks an entry of the "Languages" menu as the user would.
    bool chooseLanguage(int index)
    {
        QAction *item = languageItem(index);
        if (!item || !item->isVisible() || !item->isEnabled())
            return false;
        item->trigger();
        return true;
    }

    QAction *languageItem(int index) const
    {
        const QList<QAction *> items = fixture->window->findChildren<QAction *>(QStringLiteral("mnuLang"));
        for (QAction *item : items) {
            if (item->property("index").toInt() == index)
                return item;
        }
        return nullptr;
    }

    const QObject *findControl(const QString &key) const
    {
        if (key == fixture->window->objectName())
            return fixture->window.get();
        const QList<QObject *> all = fixture->window->findChildren<QObject *>();
        for (const QObject *control : all) {
            if (controlKey(control) == key)
                return control;
        }
        return nullptr;
    }

    static QStringList titleSequence(const QSignalSpy &spy)
    {
        QStringList titles;
        for (const QList<QVariant> &arguments : spy) {
            const QString title = arguments.at(0).toString();
            if (titles.isEmpty() || titles.last() != title)
                titles.append(title);
        }
        return titles;
    }

    static void resetLanguage()
    {
        RunningLanguage::reset();
        CompanyName() = QStringLiteral("Brontolux");
    }

    QTemporaryDir libraryFolder;
    const QLocale germanLocale{QLocale::German, QLocale::Germany};
    const QLocale englishLocale{QLocale::English, QLocale::UnitedStates};
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<frmeBayFees> reference;
    QStringList messages;
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
