#include "RunningLanguage.h"
#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

// The window's layout in the fonts it really gets: every caption, list item and result shows in
// full, in English and in German, on every site.

namespace {

const char *const SiteItems[5] = {"", "mnuOptionsSiteEbay", "mnuOptionsSiteUK", "mnuOptionsSiteCanada",
                                  "mnuOptionsSiteGermany"};

// A text that needs more room than its control gives it.
QString misfit(const QWidget *control, const QString &text, int needed, int available)
{
    return QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(control->objectName(), text).arg(needed).arg(available);
}

int mnemonicWidth(const QFontMetrics &metrics, const QString &text)
{
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

void checkLabel(const QLabel *label, QStringList &misfits)
{
    if (label->text().isEmpty() || label->wordWrap())
        return;
    // Only a label with a buddy turns "&" into an underline.
    const int needed = label->buddy() ? mnemonicWidth(label->fontMetrics(), label->text())
                                      : label->fontMetrics().horizontalAdvance(label->text());
    const int available = label->contentsRect().width() - 2 * label->margin();
    if (needed > available)
        misfits << misfit(label, label->text(), needed, available);
}

// Check boxes, option buttons and push buttons draw their caption inside the style's contents
// rectangle: beside the indicator, or within the button's bevel.
void checkButton(const QAbstractButton *button, QStyle::SubElement contents, QStringList &misfits)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const int available = button->style()->subElementRect(contents, &option, button).width();
    const int needed = mnemonicWidth(button->fontMetrics(), button->text());
    if (needed > available)
        misfits << misfit(button, button->text(), needed, available);
}

// Every item of a closed list must fit its text area: the style's edit field less the pixel on
// each side that the label keeps.
void checkList(const QComboBox *list, QStringList &misfits)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    option.subControls = QStyle::SC_All;
    const int available =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 2;
    for (int index = 0; index < list->count(); ++index) {
        const int needed = list->fontMetrics().horizontalAdvance(list->itemText(index));
        if (needed > available)
            misfits << misfit(list, list->itemText(index), needed, available);
    }
}

// A frame's title sits between equal margins of the frame's width.
void checkFrameTitle(const QGroupBox *frame, QStringList &misfits)
{
    if (frame->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.lineWidth = 1;
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (frame->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    const int available = frame->width() - 2 * std::max(title.left(), 0);
    if (title.width() > available)
        misfits << misfit(frame, frame->title(), title.width(), available);
}

void checkTabs(const QTabWidget *tabs, QStringList &misfits)
{
    const QTabBar *bar = tabs->tabBar();
    for (int tab = 0; tab < bar->count(); ++tab) {
        const QRect place = bar->tabRect(tab);
        const int needed = mnemonicWidth(bar->fontMetrics(), bar->tabText(tab))
            + bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        if (place.width() < needed || bar->mapTo(tabs, place.topRight()).x() >= tabs->width())
            misfits << misfit(tabs, bar->tabText(tab), needed, place.width());
    }
}

// Every visible caption of the window's current tab and of the notepad band.
QStringList misfitsOnScreen(const QWidget *window)
{
    QStringList misfits;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible())
            continue;
        if (auto *label = qobject_cast<const QLabel *>(control))
            checkLabel(label, misfits);
        else if (auto *box = qobject_cast<const QCheckBox *>(control))
            checkButton(box, QStyle::SE_CheckBoxContents, misfits);
        else if (auto *option = qobject_cast<const QRadioButton *>(control))
            checkButton(option, QStyle::SE_RadioButtonContents, misfits);
        else if (auto *button = qobject_cast<const QPushButton *>(control))
            checkButton(button, QStyle::SE_PushButtonContents, misfits);
        else if (auto *list = qobject_cast<const QComboBox *>(control))
            checkList(list, misfits);
        else if (auto *frame = qobject_cast<const QGroupBox *>(control))
            checkFrameTitle(frame, misfits);
        else if (auto *tabs = qobject_cast<const QTabWidget *>(control))
            checkTabs(tabs, misfits);
    }
    return misfits;
}

// A line edit keeps this many pixels between its contents rectangle and its text.
constexpr int LineEditTextMargin = 2;

int textRoom(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * LineEditTextMargin;
}

// Where the field, as last painted, shows its text: the left edge of the first character,
// worked out from the caret's place and the width of the text in front of it.
int shownTextLeft(const QLineEdit *field)
{
    const int beforeCaret = field->fontMetrics().horizontalAdvance(field->text().left(field->cursorPosition()));
    const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return caret.center().x() - beforeCaret;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }
    void cleanup()
    {
        const QString dialog = fixture ? fixture->unexpectedDialog : QString();
        fixture.reset();
        RunningLanguage::reset();
        QVERIFY2(dialog.isEmpty(), qPrintable(dialog));
    }

    // ---- Captions and list items ----

    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("site");
        QTest::addColumn<QString>("choices");
        for (int language : {int(RunningLanguage::English), int(RunningLanguage::German)}) {
            const char *name = language == RunningLanguage::English ? "English" : "German";
            for (int site = 1; site <= 4; ++site) {
                // As started; Buy-It-Now prices and eBay Motors; a reserve price and real estate
                // (eBay Germany has neither).
                QStringList choices{"as started", "buy it now, motors"};
                if (site != 4)
                    choices << "reserve, real estate";
                for (const QString &choice : choices) {
                    QTest::newRow(qPrintable(QStringLiteral("%1, site %2, %3").arg(QLatin1String(name)).arg(site).arg(choice)))
                        << language << site << choice;
                }
            }
        }
    }

    void everyTextFitsItsControl()
    {
        QFETCH(int, language);
        QFETCH(int, site);
        QFETCH(QString, choices);
        QVERIFY(openWindow(RunningLanguage::Language(language)));
        fixture->find<QAction>(SiteItems[site])->trigger();
        if (choices.startsWith(QLatin1String("buy it now"))) {
            chooseListItem("cboSingleItemType", 1);
            chooseListItem("cboTypeOfMultiItemListing", 1);
            tick("chkMotors");
            tick("chkEBayMotorsDutch");
        } else if (choices.startsWith(QLatin1String("reserve"))) {
            chooseListItem("cboIsReserve", 1);
            tick("chkRealEstate");
        }
        // The notepad band with all its buttons, then folded again: both captions of its button.
        QStringList misfits;
        for (int pass = 0; pass < 2; ++pass) {
            QTest::mouseClick(fixture->find<QPushButton>("cmdNotepad"), Qt::LeftButton);
            for (int tab = 0; tab < 4; ++tab) {
                fixture->window->SSTab1->setCurrentIndex(tab);
                misfits << misfitsOnScreen(fixture->window.get());
            }
        }
        misfits.removeDuplicates();
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
    }

    // ---- Results and amounts at their largest ----

    void resultsShowInFull_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("site");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("entries"); // field=text pairs, typed and left in this order
        QTest::addColumn<QStringList>("ticks");   // check boxes and list items clicked before
        QTest::addColumn<QStringList>("fields");  // the fields that must show their whole text

        const QString most = QStringLiteral("99999999.99");
        const QStringList single{"txtInsertionFee", "txtExtras", "txtFVF", "txtFees", "txtStartingPrice", "txtPrice"};
        const QStringList multiple{"txtTotalDutchAuctionSales", "txtExtraFeaturesDutch", "txtDutchFees",
                                   "txtDutchCostPerItem", "txtDutchOpeningPrice", "txtDutchFinalPrice",
                                   "txtDutchItemsOffered", "txtDutchItemsSold"};
        const QStringList payment{"txtPayPalFee", "txtPaymentAmount"};
        const QStringList everySingleFeature{"chkTwoCategories", "chkSubTitleSingleItem", "chkListingDesigner",
                                             "chkScheduled", "chkSlideshow", "chkSupersizePhotos", "chkBIN",
                                             "chkTenDayAuction", "chkFeaturedCategory", "chkFeatured", "chkGallery",
                                             "chkGalleryFeatured", "chkHighlighted", "chkBold", "chkGiftIcon"};
        const QStringList everyLotFeature{"chkDutchTwoCategories", "chkDutchSubtitle", "chkDutchListingDesigner",
                                          "chkDutchScheduled", "chkSupersizeDutch", "chkSlideshowDutch",
                                          "chkDutchTenDayAuction", "chkDutchGreatGift", "chkDutchBold",
                                          "chkDutchHighlight", "chkDutchGallery", "chkDutchGalleryFeatured",
                                          "chkDutchHomePageFeatured", "chkDutchFeaturedPlus"};
        for (int language : {int(RunningLanguage::English), int(RunningLanguage::German)}) {
            const QString name = language == RunningLanguage::English ? QStringLiteral("English") : QStringLiteral("German");
            for (int site = 1; site <= 4; ++site) {
                auto row = [&](const char *what) -> QTestData & {
                    return QTest::newRow(qPrintable(QStringLiteral("%1, site %2, %3").arg(name).arg(site).arg(QLatin1String(what))));
                };
                row("sold at the most") << language << site << 0
                                        << QStringList{"txtStartingPrice=" + most, "txtPrice=" + most}
                                        << everySingleFeature << single;
                row("fixed price at the most")
                    << language << site << 0 << QStringList{"txtStartingPrice=" + most}
                    << (QStringList{"cboSingleItemType=1"} + everySingleFeature) << single;
                if (site != 4) {
                    QStringList unsold = single;
                    unsold.removeOne(QStringLiteral("txtFVF"));
                    row("reserve of the most not met")
                        << language << site << 0 << QStringList{"txtStartingPrice=" + most, "txtPrice=1"}
                        << (QStringList{"cboIsReserve=1"} + everySingleFeature) << unsold;
                }
                row("most items all sold at the most")
                    << language << site << 1
                    << QStringList{"txtDutchItemsOffered=32767", "txtDutchOpeningPrice=" + most,
                                   "txtDutchItemsSold=32767", "txtDutchFinalPrice=" + most}
                    << everyLotFeature << multiple;
                row("one of the most items sold")
                    << language << site << 1
                    << QStringList{"txtDutchItemsOffered=32767", "txtDutchOpeningPrice=" + most,
                                   "txtDutchItemsSold=1", "txtDutchFinalPrice=" + most}
                    << everyLotFeature << multiple;
                row("payment of the most from abroad")
                    << language << site << 2 << QStringList{"txtPaymentAmount=" + most}
                    << QStringList{"chkInternationalPayPal"} << payment;
                row("eCheck of the most from abroad")
                    << language << site << 2 << QStringList{"txtPaymentAmount=" + most}
                    << QStringList{"chkInternationalPayPal", "optPayPalNonCreditCard"} << payment;
                if (site != 1) {
                    // No currency is worth that much: the fee is drawn smaller rather than cut.
                    row("payment at an absurd exchange rate")
                        << language << site << 2 << QStringList{"txtConversion=999999.99", "txtPaymentAmount=" + most}
                        << QStringList{"chkInternationalPayPal"} << payment;
                }
            }
        }
    }

    void resultsShowInFull()
    {
        QFETCH(int, language);
        QFETCH(int, site);
        QFETCH(int, tab);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, ticks);
        QFETCH(QStringList, fields);
        QVERIFY(openWindow(RunningLanguage::Language(language)));
        fixture->find<QAction>(SiteItems[site])->trigger();
        for (const QString &tick : ticks) {
            const QStringList parts = tick.split(QLatin1Char('='));
            if (parts.size() == 2)
                chooseListItem(parts[0].toLatin1().constData(), parts[1].toInt());
            else
                this->tick(tick.toLatin1().constData());
        }
        clickTab(tab);
        for (const QString &entry : entries) {
            const QStringList parts = entry.split(QLatin1Char('='));
            fixture->typeAndLeave(parts[0].toLatin1().constData(), inLocale(parts[1]));
        }

        for (const QString &name : fields) {
            QLineEdit *field = fixture->field(name.toLatin1().constData());
            QVERIFY2(!field->text().isEmpty(), qPrintable(name));
            field->grab(); // paints it, which settles where it shows its text
            const int width = field->fontMetrics().horizontalAdvance(field->text());
            const QString where = QStringLiteral("%1 \"%2\"").arg(name, field->text());
            QVERIFY2(width <= textRoom(field),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(where).arg(width).arg(textRoom(field))));
            const QRect contents = field->contentsRect();
            const int left = shownTextLeft(field);
            QVERIFY2(left >= contents.left() && left + width <= contents.right() + 1,
                     qPrintable(QStringLiteral("%1 is shown from x %2 to %3, the field from %4 to %5")
                                    .arg(where).arg(left).arg(left + width).arg(contents.left()).arg(contents.right())));
        }
        // The largest amounts keep their value: the entries are not cut short either.
        for (const QString &entry : entries) {
            const QStringList parts = entry.split(QLatin1Char('='));
            if (parts[1] == QLatin1String("99999999.99"))
                QCOMPARE(fixture->text(parts[0].toLatin1().constData()), inLocale(parts[1]));
        }
    }

private:
    bool openWindow(RunningLanguage::Language language) { return running.openWindow(language, fixture); }

    // Picks a list entry with the keyboard, from the first entry down.
    void chooseListItem(const char *name, int index)
    {
        auto *list = fixture->find<QComboBox>(name);
        showTabOf(list);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < index; ++step)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex(), index);
    }

    // Clicks a check box or option button that is not yet on, where it is visible and enabled.
    void tick(const char *name)
    {
        auto *button = fixture->find<QAbstractButton>(name);
        showTabOf(button);
        if (!button->isVisible() || !button->isEnabled() || button->isChecked())
            return;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QVERIFY2(button->isChecked(), name);
    }

    void clickTab(int tab)
    {
        QTabBar *bar = fixture->window->SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        QCOMPARE(fixture->window->SSTab1->currentIndex(), tab);
    }

    void showTabOf(const QWidget *control)
    {
        QTabWidget *tabs = fixture->window->SSTab1;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tabs->widget(tab)->isAncestorOf(control))
                tabs->setCurrentIndex(tab);
        }
    }

    RunningLanguage running;
    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
