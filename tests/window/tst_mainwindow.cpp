#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

#include <map>

namespace {

// The button Enter presses on each calculating tab, and the result field its calculation fills.
const char *const DefaultButtons[3] = {"cmdCalculate", "cmdDutchCalculate", "cmdCalculatePaymentFees"};
const char *const ResultFields[3] = {"txtInsertionFee", "txtDutchFees", "txtPayPalFee"};

// Every push button of the three calculating tabs, three per tab in tab order.
const char *const TabButtons[] = {"cmdCalculate",            "cmdClearAll",         "cmdAddRegularToNotes",
                                  "cmdDutchCalculate",       "cmdDutchClearAll",    "cmdAddDutchToNotes",
                                  "cmdCalculatePaymentFees", "cmdClearPaymentFees", "cmdAddPaymentsToNotes"};

// Entries on every tab, set without a recalculation: opening bid 150 (listing 2.40); ten offered
// at 2.00, four sold at 5.00 (fees 1.02); a payment of 100 at the standard rate (fee 3.20).
const std::pair<const char *, const char *> Entries[] = {
    {"txtStartingPrice", "150"}, {"txtDutchItemsOffered", "10"}, {"txtDutchOpeningPrice", "2"},
    {"txtDutchItemsSold", "4"},  {"txtDutchFinalPrice", "5"},    {"txtPaymentAmount", "100"}};

// Return and the keypad's Enter, with the names the rows carry.
struct EnterKey
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};
const EnterKey EnterKeys[] = {{Qt::Key_Return, Qt::NoModifier, "Return"},
                              {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"}};

} // namespace

// The window as a whole: the choice of site and what it switches.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init()
    {
        applyLocaleRow();
        fixture = std::make_unique<WindowFixture>();
    }
    void cleanup()
    {
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        fixture.reset();
    }

    void opensOnEbayCom()
    {
        QVERIFY(fixture->find<QAction>("mnuOptionsSiteEbay")->isChecked());
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("Calvextra for eBay.com"));
        QCOMPARE(fixture->find<QLabel>("lblCurrency1")->text(), QStringLiteral("$"));
    }

    void singleItemScenario()
    {
        fixture->typeAndLeave("txtStartingPrice", inLocale("150"));
        fixture->find<QCheckBox>("chkBold")->click();
        QCOMPARE(fixture->text("txtInsertionFee"), inLocale("2.40"));
        QCOMPARE(fixture->text("txtExtras"), inLocale("1.00"));
    }

    // ---- Enter and the default button of each tab ----

    void enterPressesTheTabsDefaultButton_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("site");       // site menu item chosen first
        QTest::addColumn<QStringList>("ticks");  // boxes clicked first, to enable the control
        QTest::addColumn<QString>("control");    // focused before Enter
        QTest::addColumn<QString>("result");     // expected in the tab's result field; "" where the
                                                 // ticks change the fees (compared with a click only)
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");

        struct Row
        {
            int tab;
            const char *site;
            QStringList ticks;
            const char *control;
            const char *result;
        };
        const Row rows[] = {
            {0, "mnuOptionsSiteEbay", {}, "chkBold", "2.40"},
            {0, "mnuOptionsSiteEbay", {}, "chkDidNotSell", "2.40"},
            {0, "mnuOptionsSiteEbay", {}, "cboSingleItemType", "2.40"},
            {0, "mnuOptionsSiteEbay", {}, "cboIsReserve", "2.40"},
            {0, "mnuOptionsSiteEbay", {}, "txtInsertionFee", "2.40"},
            {0, "mnuOptionsSiteEbay", {}, "txtStartingPrice", "2.40"},
            // Created disabled, enabled later by a tick.
            {0, "mnuOptionsSiteEbay", {"chkMotors"}, "chkVehicle", ""},
            {0, "mnuOptionsSiteEbay", {"chkMotors", "chkVehicle"}, "optOtherVehicle", ""},
            {0, "mnuOptionsSiteEbay", {"chkGallery"}, "chkGalleryFeatured", ""},
            {0, "mnuOptionsSiteEbay", {"chkExtraPhotos"}, "cboExtraPhotos", ""},
            {1, "mnuOptionsSiteEbay", {}, "chkDutchBold", "1.02"},
            {1, "mnuOptionsSiteEbay", {}, "cboTypeOfMultiItemListing", "1.02"},
            {1, "mnuOptionsSiteEbay", {}, "txtDutchFees", "1.02"},
            {1, "mnuOptionsSiteEbay", {}, "txtDutchItemsOffered", "1.02"},
            {1, "mnuOptionsSiteEbay", {"chkExtraPicturesDutch"}, "cboExtraPicturesDutch", ""},
            {2, "mnuOptionsSiteEbay", {}, "chkInternationalPayPal", "3.20"},
            {2, "mnuOptionsSiteEbay", {}, "optPayPalMerchant", "3.20"},
            {2, "mnuOptionsSiteEbay", {}, "optPayPalNonCreditCard", "3.20"},
            {2, "mnuOptionsSiteEbay", {}, "txtPayPalFee", "3.20"},
            {2, "mnuOptionsSiteEbay", {}, "txtPaymentAmount", "3.20"},
            // The rate field exists on the other sites only; it has no key filter of its own.
            {2, "mnuOptionsSiteUK", {}, "txtConversion", ""},
            {2, "mnuOptionsSiteGermany", {}, "txtConversion", ""},
        };
        const std::map<QString, const char *> siteNames{
            {"mnuOptionsSiteEbay", "eBay.com"}, {"mnuOptionsSiteUK", "eBay UK"}, {"mnuOptionsSiteGermany", "eBay Germany"}};
        for (const Row &row : rows) {
            for (const EnterKey &enter : EnterKeys) {
                QTest::addRow("%s, %s on %s", siteNames.at(QString::fromLatin1(row.site)), enter.name, row.control)
                    << row.tab << row.site << row.ticks << row.control << row.result << int(enter.key)
                    << int(enter.modifiers);
            }
        }
    }

    void enterPressesTheTabsDefaultButton()
    {
        QFETCH(int, tab);
        QFETCH(QString, site);
        QFETCH(QStringList, ticks);
        QFETCH(QString, control);
        QFETCH(QString, result);
        QFETCH(int, key);
        QFETCH(int, modifiers);

        fixture->find<QAction>(qPrintable(site))->trigger();
        chooseTab(tab);
        for (const QString &name : ticks) {
            auto *box = fixture->find<QCheckBox>(qPrintable(name));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
            QVERIFY2(box->isChecked(), qPrintable(name));
        }
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();

        auto *target = fixture->find<QWidget>(qPrintable(control));
        QVERIFY2(target->isVisible() && target->isEnabled(), qPrintable(control));
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        // Moving the focus may have recalculated: the entries change and the result empties only now.
        for (const auto &[name, text] : Entries)
            fixture->field(name)->setText(inLocale(QString::fromLatin1(text)));
        QLineEdit *resultField = fixture->field(ResultFields[tab]);
        resultField->clear();

        const std::map<QString, std::unique_ptr<QSignalSpy>> clicks = spyOnTabButtons();
        pressOnWindow(Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        for (const auto &[name, spy] : clicks)
            QVERIFY2(spy->count() == (name == QLatin1String(DefaultButtons[tab]) ? 1 : 0), qPrintable(name));
        const QString afterEnter = resultField->text();
        QVERIFY(!afterEnter.isEmpty());
        if (!result.isEmpty())
            QCOMPARE(afterEnter, inLocale(result));
        // What Enter did is what a click on the button does.
        resultField->clear();
        QTest::mouseClick(fixture->find<QPushButton>(DefaultButtons[tab]), Qt::LeftButton);
        QCOMPARE(resultField->text(), afterEnter);
    }

    void enterOnAPushButtonPressesThatButton_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (std::size_t index = 0; index < std::size(TabButtons); ++index) {
            for (const EnterKey &enter : EnterKeys) {
                QTest::addRow("%s on %s", enter.name, TabButtons[index])
                    << int(index / 3) << TabButtons[index] << int(enter.key) << int(enter.modifiers);
            }
        }
    }

    void enterOnAPushButtonPressesThatButton()
    {
        QFETCH(int, tab);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        chooseTab(tab);
        auto *focused = fixture->find<QPushButton>(qPrintable(button));
        focused->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), focused);

        const std::map<QString, std::unique_ptr<QSignalSpy>> clicks = spyOnTabButtons();
        pressOnWindow(Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        // Once, and only that button: the tab's default button is not pressed besides.
        for (const auto &[name, spy] : clicks)
            QVERIFY2(spy->count() == (name == button ? 1 : 0), qPrintable(name));
    }

    void defaultButtonFollowsTheTab_data()
    {
        QTest::addColumn<QList<int>>("tabs");  // clicked in this order
        QTest::addColumn<QString>("button");
        QTest::newRow("at start") << QList<int>{} << "cmdCalculate";
        QTest::newRow("multiple items") << QList<int>{1} << "cmdDutchCalculate";
        QTest::newRow("payment") << QList<int>{2} << "cmdCalculatePaymentFees";
        QTest::newRow("payment, then single item") << QList<int>{2, 0} << "cmdCalculate";
        // The shipping tab changes nothing: the payment tab's button stays the default.
        QTest::newRow("payment, then shipping") << QList<int>{2, 3} << "cmdCalculatePaymentFees";
        QTest::newRow("multiple items, then shipping") << QList<int>{1, 3} << "cmdDutchCalculate";
    }

    void defaultButtonFollowsTheTab()
    {
        QFETCH(QList<int>, tabs);
        QFETCH(QString, button);
        for (int tab : tabs)
            chooseTab(tab);
        for (const char *name : TabButtons)
            QVERIFY2(fixture->find<QPushButton>(name)->isDefault() == (button == QLatin1String(name)), name);
    }

    void enterOnTheShippingTabPressesNothing_data()
    {
        QTest::addColumn<int>("previousTab");
        QTest::newRow("after single item") << 0;
        QTest::newRow("after multiple items") << 1;
        QTest::newRow("after payment") << 2;
    }

    void enterOnTheShippingTabPressesNothing()
    {
        QFETCH(int, previousTab);
        chooseTab(previousTab);
        chooseTab(3);
        const std::map<QString, std::unique_ptr<QSignalSpy>> clicks = spyOnTabButtons();
        // Wherever the focus went, and on the tab bar itself.
        pressOnWindow(Qt::Key_Return, Qt::NoModifier);
        fixture->find<QTabWidget>("SSTab1")->tabBar()->setFocus(Qt::TabFocusReason);
        pressOnWindow(Qt::Key_Return, Qt::NoModifier);
        pressOnWindow(Qt::Key_Enter, Qt::KeypadModifier);
        for (const auto &[name, spy] : clicks)
            QVERIFY2(spy->count() == 0, qPrintable(name));
    }

    void openListKeepsEnterForItsChoice()
    {
        auto *type = fixture->find<QComboBox>("cboSingleItemType");
        type->setFocus(Qt::TabFocusReason);
        QTest::keyClick(type, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(type->view()->isVisible());
        const std::map<QString, std::unique_ptr<QSignalSpy>> clicks = spyOnTabButtons();

        QTest::keyClick(type->view(), Qt::Key_Down);
        QTest::keyClick(type->view(), Qt::Key_Return);

        QTRY_VERIFY(!type->view()->isVisible());
        QCOMPARE(type->currentIndex(), 1);
        for (const auto &[name, spy] : clicks)
            QVERIFY2(spy->count() == 0, qPrintable(name));
        // Closed again, the list passes Enter on to the default button.
        QCOMPARE(QApplication::focusWidget(), type);
        pressOnWindow(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(clicks.at(QStringLiteral("cmdCalculate"))->count(), 1);
    }

    void enterInTheNotepadInsertsALineBreak()
    {
        QTest::mouseClick(fixture->find<QPushButton>("cmdNotepad"), Qt::LeftButton);
        auto *notes = fixture->find<QPlainTextEdit>("txtNotes");
        notes->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), notes);
        const std::map<QString, std::unique_ptr<QSignalSpy>> clicks = spyOnTabButtons();

        QTest::keyClicks(notes, QStringLiteral("a"));
        pressOnWindow(Qt::Key_Return, Qt::NoModifier);
        QTest::keyClicks(notes, QStringLiteral("b"));
        pressOnWindow(Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClicks(notes, QStringLiteral("c"));

        QCOMPARE(notes->toPlainText(), QStringLiteral("a\nb\nc"));
        for (const auto &[name, spy] : clicks)
            QVERIFY2(spy->count() == 0, qPrintable(name));
    }

    // Tab and Shift+Tab leave the notepad as they leave every other control; Ctrl+Tab types a
    // tab character into it.
    void tabKeysInTheNotepad_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focusAfter");  // "" when it moves on out of the notepad
        QTest::addColumn<QString>("text");
        QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << "" << "a";
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "cmdPrintNotepad" << "a";
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "txtNotes" << "a\tb";
    }

    void tabKeysInTheNotepad()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, focusAfter);
        QFETCH(QString, text);
        QTest::mouseClick(fixture->find<QPushButton>("cmdNotepad"), Qt::LeftButton);
        auto *notes = fixture->find<QPlainTextEdit>("txtNotes");
        // Reached with Tab from the last button of the band.
        fixture->find<QPushButton>("cmdPrintNotepad")->setFocus(Qt::TabFocusReason);
        pressOnWindow(Qt::Key_Tab, Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), notes);
        QTest::keyClicks(notes, QStringLiteral("a"));

        pressOnWindow(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (focusAfter.isEmpty()) {
            QVERIFY(QApplication::focusWidget() != notes);
            QVERIFY(fixture->window->isAncestorOf(QApplication::focusWidget()));
        } else {
            QCOMPARE(QApplication::focusWidget(), fixture->find<QWidget>(qPrintable(focusAfter)));
        }
        if (QApplication::focusWidget() == notes)
            QTest::keyClicks(notes, QStringLiteral("b"));
        QCOMPARE(notes->toPlainText(), text);
    }

private:
    std::unique_ptr<WindowFixture> fixture;

    // Chooses a tab as the user does, with a click on its tab.
    void chooseTab(int tab) const
    {
        QTabBar *bar = fixture->find<QTabWidget>("SSTab1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        QCOMPARE(fixture->find<QTabWidget>("SSTab1")->currentIndex(), tab);
    }

    // A key pressed on the keyboard: it reaches the window and goes to the focused control.
    void pressOnWindow(Qt::Key key, Qt::KeyboardModifiers modifiers) const
    {
        QTest::keyClick(fixture->window->windowHandle(), key, modifiers);
    }

    std::map<QString, std::unique_ptr<QSignalSpy>> spyOnTabButtons() const
    {
        std::map<QString, std::unique_ptr<QSignalSpy>> spies;
        for (const char *name : TabButtons)
            spies.emplace(QString::fromLatin1(name),
                          std::make_unique<QSignalSpy>(fixture->find<QPushButton>(name), &QPushButton::clicked));
        return spies;
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
