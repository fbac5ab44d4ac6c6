#include "AccessibleNames.h"
#include "Brand.h"
#include "CWordWrap.h"
#include "LinkLabel.h"
#include "PointerMoves.h"
#include "RecordingSurface.h"
#include "RunningLanguage.h"
#include "TestLocales.h"
#include "WindowFixture.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

// The window without a mouse and for a screen reader: links reached with Tab and opened with
// Enter or Space, the standard shortcuts, the names the fields are announced by in the running
// language, and link colours that stay readable on a dark desktop.

namespace {

// What a screen reader is told a control is called. A list's accessible name is its current
// item on Linux, where the reader takes the list's name from the caption labelling it; the
// other desktops announce the name the list was given.
QString announcedName(QWidget *control)
{
    if (qobject_cast<QComboBox *>(control))
        return control->accessibleName();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The captions that label a control for a screen reader.
QList<QObject *> labelsOf(QWidget *control)
{
    QList<QObject *> labels;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    for (const auto &[label, relation] : accessible->relations(QAccessible::Label))
        labels << label->object();
    return labels;
}

// A caption as it is read out: "Op&ening Bid:" is "Opening Bid".
QString readOut(const QString &caption)
{
    QString text = caption;
    text.remove(QRegularExpression(QStringLiteral("&(?=.)")));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// WCAG contrast, worked out here on its own.
double luminance(const QColor &colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}
double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor colourOf(const QWidget *label)
{
    return label->palette().color(QPalette::WindowText);
}

class PrintJobs : public RecordingSurface
{
public:
    explicit PrintJobs(QStringList &texts) : m_texts(texts) {}
    ~PrintJobs() override
    {
        QStringList words;
        for (const Printed &item : printed)
            words << item.text;
        m_texts << words.join(QString());
    }

private:
    QStringList &m_texts;
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void initTestCase() { lightPalette = QApplication::palette(); }
    void init() { applyLocaleRow(); }
    void cleanup()
    {
        const QString dialog = fixture ? fixture->unexpectedDialog : QString();
        fixture.reset();
        RunningLanguage::reset();
        QApplication::setPalette(lightPalette);
        QCoreApplication::processEvents();
        CWordWrap::setSurfaceOpener(nullptr);
        frmeBayFees::NewWindowProgram().clear();
        QVERIFY2(dialog.isEmpty(), qPrintable(dialog));
    }

    // ---- Names for screen readers ----

    // Each field is named after the caption beside it, or by a text of its own where it has none;
    // never after the frame around it ("Payment Amount", "PayPal Premier or Business Account").
    void everyFieldIsAnnouncedByItsName_data()
    {
        QTest::addColumn<int>("start");      // language at start
        QTest::addColumn<int>("switchTo");   // language chosen from the menu afterwards, -1 none
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("english"); // the name in English
        QTest::addColumn<QString>("caption"); // the label it is named after; "" for its own text
        QTest::addColumn<QString>("german");  // its own text in German

        struct Row
        {
            const char *control, *english, *caption, *german;
        };
        const Row rows[] = {
            {"txtStartingPrice", "Opening Bid", "lblStartingPrice", ""},
            {"txtPrice", "Closing Bid", "lblPrice", ""},
            {"txtInsertionFee", "Listing Fee", "lblInsertionFee", ""},
            {"txtExtras", "Extra Features", "lblExtraFeatures", ""},
            {"txtFVF", "Final Value Fees", "lblFVF", ""},
            {"txtFees", "Total eBay Fees", "lblFees", ""},
            {"cboSingleItemType", "Listing type", "", "Angebotsformat"},
            {"cboIsReserve", "Reserve price", "", "Mindestpreis"},
            {"cboRealEstateType", "Type of real estate listing", "", "Art des Immobilienangebots"},
            {"cboExtraPhotos", "Number of extra pictures", "", "Anzahl zusätzlicher Bilder"},
            {"cboTypeOfMultiItemListing", "Type of Listing", "lblTypeOfMultiItemListing", ""},
            {"txtDutchItemsOffered", "No. of Items", "lblDutchItemsOffered", ""},
            {"txtDutchOpeningPrice", "Opening Bid", "lblDutchOpeningPrice", ""},
            {"txtDutchItemsSold", "No. of Items Sold", "lblDutchItemsSold", ""},
            {"txtDutchFinalPrice", "Lowest Successful Bid", "lblDutchSalesPrice", ""},
            {"txtTotalDutchAuctionSales", "Total Dutch Auction Sales", "lblTotalDutchAuctionSales", ""},
            {"txtExtraFeaturesDutch", "Extra Features", "lblExtraFeaturesDutch", ""},
            {"txtDutchFees", "Total eBay Fees", "lblDutchFees", ""},
            {"txtDutchCostPerItem", "Fees Per Item", "lblDutchFeesPerItem", ""},
            {"cboExtraPicturesDutch", "Number of extra pictures", "", "Anzahl zusätzlicher Bilder"},
            {"txtPaymentAmount", "Payment Amount", "lblPaymentAmount", ""},
            {"txtConversion", "Exchange rate", "", "Wechselkurs"},
            {"txtPayPalFee", "PayPal Fee", "lblPayPalFees", ""},
            {"txtNotes", "Notepad", "", "Notizblock"},
            {"lblCheckRates", "Check Rates", "lblCheckRates", ""},
            {"lblTreuhandservice", "iloxx Trust Service SAFETRADE", "lblTreuhandservice", ""},
        };
        const struct
        {
            int start, switchTo;
            const char *name;
        } languages[] = {{RunningLanguage::English, -1, "English"},
                         {RunningLanguage::German, -1, "German"},
                         {RunningLanguage::English, GermanItem, "English, then German"},
                         {RunningLanguage::German, EnglishItem, "German, then English"}};
        for (const auto &language : languages) {
            for (const Row &row : rows) {
                QTest::addRow("%s: %s", language.name, row.control)
                    << language.start << language.switchTo << row.control << row.english << row.caption << row.german;
            }
        }
    }

    void everyFieldIsAnnouncedByItsName()
    {
        QFETCH(int, start);
        QFETCH(int, switchTo);
        QFETCH(QString, control);
        QFETCH(QString, english);
        QFETCH(QString, caption);
        QFETCH(QString, german);
        QVERIFY(openWindow(RunningLanguage::Language(start)));
        // Germany shows every field of the payment tab and the escrow link.
        fixture->find<QAction>("mnuOptionsSiteGermany")->trigger();
        if (switchTo >= 0)
            QVERIFY(chooseLanguage(switchTo));
        const bool inGerman = CurrentLanguage().Code == QLatin1String("407");
        QCOMPARE(inGerman, switchTo == GermanItem || (start == RunningLanguage::German && switchTo < 0));

        QWidget *named = fixture->find<QWidget>(qPrintable(control));
        const QString name = announcedName(named);
        if (qobject_cast<QComboBox *>(named) && !caption.isEmpty())
            QVERIFY(labelsOf(named).contains(fixture->find<QLabel>(qPrintable(caption))));
        if (!inGerman) {
            QCOMPARE(name, english);
        } else if (caption.isEmpty()) {
            QCOMPARE(name, german);
        } else {
            // The German caption, as the reader reads it.
            const QString shown = fixture->find<QLabel>(qPrintable(caption))->text();
            QCOMPARE(name, readOut(shown));
        }
        QVERIFY(!name.isEmpty());
    }

    // No field, list, notepad or link is left nameless, and no two on a tab share a name.
    void noControlIsNameless()
    {
        QVERIFY(openWindow(RunningLanguage::English));
        fixture->find<QAction>("mnuOptionsSiteGermany")->trigger();
        QTabWidget *tabs = fixture->window->SSTab1;
        QList<QWidget *> controls;
        for (QWidget *control : fixture->window->findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)
                || qobject_cast<QPlainTextEdit *>(control) || qobject_cast<LinkLabel *>(control))
                controls << control;
        }
        QVERIFY2(controls.size() >= 39, qPrintable(QString::number(controls.size())));
        QMap<QString, QString> named;  // tab and name -> control
        for (QWidget *control : controls) {
            const QString name = announcedName(control);
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
            int tab = -1;
            for (int index = 0; index < tabs->count(); ++index) {
                if (tabs->widget(index)->isAncestorOf(control))
                    tab = index;
            }
            const QString key = QStringLiteral("%1/%2").arg(tab).arg(name);
            QVERIFY2(!named.contains(key), qPrintable(named.value(key) + QStringLiteral(" and ") + control->objectName()
                                                      + QStringLiteral(" are both ") + name));
            named.insert(key, control->objectName());
        }
    }

    // A caption is read out without its mnemonic marks and its colons.
    void captionsAreReadWithoutTheirMarks_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("mnemonic") << "Op&ening Bid:" << "Opening Bid";
        QTest::newRow("mnemonic first") << "&Items offered: " << "Items offered";
        QTest::newRow("ampersand") << "Shipping && Handling:" << "Shipping & Handling";
        QTest::newRow("ampersand before a mnemonic") << "A &&&B" << "A &B";
        QTest::newRow("mark at the end") << "Fees &" << "Fees &";
        QTest::newRow("mark before a line break") << "Total&\nFees:" << "Total&\nFees";
        QTest::newRow("colons and blanks") << " Price : : " << "Price";
        QTest::newRow("German") << "Mindestpreis (&Ausruf):" << "Mindestpreis (Ausruf)";
    }
    void captionsAreReadWithoutTheirMarks()
    {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QCOMPARE(AccessibleNames::nameFromCaption(caption), name);
    }

    // The price field is renamed with its caption when the listing type or reserve changes it.
    void priceNamesFollowTheListingType_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("fixed price") << "cboSingleItemType" << 1 << "txtStartingPrice" << "Buy-it-Now Price";
        QTest::newRow("reserve") << "cboIsReserve" << 1 << "txtStartingPrice" << "Reserve Price";
        QTest::newRow("fixed-price lot") << "cboTypeOfMultiItemListing" << 1 << "txtDutchOpeningPrice"
                                         << "Buy-it-Now Price";
    }
    void priceNamesFollowTheListingType()
    {
        QFETCH(QString, list);
        QFETCH(int, index);
        QFETCH(QString, field);
        QFETCH(QString, name);
        QVERIFY(openWindow(RunningLanguage::English));
        auto *choice = fixture->find<QComboBox>(qPrintable(list));
        showTabOf(choice);
        choice->setFocus(Qt::TabFocusReason);
        QTest::keyClick(choice, Qt::Key_Home);
        for (int step = 0; step < index; ++step)
            QTest::keyClick(choice, Qt::Key_Down);
        QCOMPARE(choice->currentIndex(), index);
        QCOMPARE(announcedName(fixture->find<QWidget>(qPrintable(field))), name);
        QTest::keyClick(choice, Qt::Key_Home);
        QCOMPARE(announcedName(fixture->find<QWidget>(qPrintable(field))), QStringLiteral("Opening Bid"));
    }

    // ---- Links from the keyboard ----

    void linksAreReachedWithTabAndOpenWithTheKeys_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("index");  // element of lblPostal, -1 for a single link
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("path");
        const struct
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char *name;
        } keys[] = {{Qt::Key_Return, Qt::NoModifier, "Return"},
                    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
                    {Qt::Key_Space, Qt::NoModifier, "Space"}};
        for (const auto &key : keys) {
            QTest::addRow("Check Rates, %s", key.name) << "mnuOptionsSiteUK" << 2 << "lblCheckRates" << -1
                                                       << int(key.key) << int(key.modifiers) << "/ucc/";
            QTest::addRow("escrow link, %s", key.name) << "mnuOptionsSiteGermany" << 2 << "lblTreuhandservice" << -1
                                                       << int(key.key) << int(key.modifiers) << "/ebay/spreischeck.asp";
            QTest::addRow("Federal Express, %s", key.name) << "mnuOptionsSiteEbay" << 3 << "lblPostal" << 2
                                                           << int(key.key) << int(key.modifiers)
                                                           << "/ratefinder/home";
            QTest::addRow("Craters and Freighters, %s", key.name) << "mnuOptionsSiteEbay" << 3 << "lblPostal" << 3
                                                                  << int(key.key) << int(key.modifiers)
                                                                  << "/equote_main.htm";
            QTest::addRow("eBay.de Dispatch Service, %s", key.name) << "mnuOptionsSiteEbay" << 3 << "lblPostal" << 12
                                                                    << int(key.key) << int(key.modifiers)
                                                                    << "/versandservice/";
        }
    }

    void linksAreReachedWithTabAndOpenWithTheKeys()
    {
        QFETCH(QString, site);
        QFETCH(int, tab);
        QFETCH(QString, link);
        QFETCH(int, index);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, path);
        QVERIFY(openWindow(RunningLanguage::English));
        fixture->find<QAction>(qPrintable(site))->trigger();
        fixture->window->SSTab1->setCurrentIndex(tab);
        LinkLabel *target = index >= 0 ? postal(index) : fixture->find<LinkLabel>(qPrintable(link));
        const QImage unfocused = target->grab().toImage();

        QVERIFY2(tabUntil(target), "Tab never reaches the link");
        QVERIFY(target->hasFocus());
        // The focus shows on the link.
        QVERIFY(target->grab().toImage() != unfocused);

        OpenedLinks opened;
        pressOnWindow(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(opened.urls.size(), 1);
        QCOMPARE(opened.urls.first().path(), path);
        QCOMPARE(QApplication::focusWidget(), target);
        // Other keys do nothing to it.
        pressOnWindow(Qt::Key_A, Qt::NoModifier);
        pressOnWindow(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(opened.urls.size(), 1);
    }

    // A hidden link is left out of the Tab order: the rate controls on eBay.com, the escrow link
    // off eBay Germany.
    void hiddenLinksAreSkipped_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QStringList>("hidden");
        QTest::newRow("eBay.com") << "mnuOptionsSiteEbay" << QStringList{"lblCheckRates", "lblTreuhandservice"};
        QTest::newRow("eBay UK") << "mnuOptionsSiteUK" << QStringList{"lblTreuhandservice"};
    }
    void hiddenLinksAreSkipped()
    {
        QFETCH(QString, site);
        QFETCH(QStringList, hidden);
        QVERIFY(openWindow(RunningLanguage::English));
        fixture->find<QAction>(qPrintable(site))->trigger();
        fixture->window->SSTab1->setCurrentIndex(2);
        QWidget *start = fixture->field("txtPaymentAmount");
        start->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int press = 0; press < 80; ++press) {
            pressOnWindow(Qt::Key_Tab, Qt::NoModifier);
            visited << QApplication::focusWidget()->objectName();
        }
        for (const QString &name : hidden)
            QVERIFY2(!visited.contains(name), qPrintable(name));
        // The payment tab's own controls are visited all the same.
        QVERIFY(visited.contains(QStringLiteral("cmdAddPaymentsToNotes")));
    }

    void aboutBoxLinkFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void aboutBoxLinkFromTheKeyboard()
    {
        QFETCH(int, key);
        OpenedLinks pages;
        frmAbout about;
        about.show();
        QApplication::setActiveWindow(&about);
        QVERIFY(QTest::qWaitForWindowActive(&about));
        // The box opens on OK; the link follows the buttons.
        QCOMPARE(QApplication::focusWidget(), about.cmdOK);
        int presses = 0;
        while (QApplication::focusWidget() != about.lblEmail && presses++ < 10)
            QTest::keyClick(about.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.lblEmail);
        QTest::keyClick(about.windowHandle(), Qt::Key(key));
        QCOMPARE(pages.urls, QList<QUrl>{QUrl(Brand().CompanyURL)});
        QVERIFY(about.isVisible());
    }

    // ---- Standard shortcuts ----

    // The menu items show their keys, and the keys pressed on the window run them wherever the
    // focus is.
    void shortcutsWorkFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("focus");
        const struct
        {
            const char *command, *item;
            QKeySequence keys;
        } commands[] = {{"help", "mnuHelpContents", QKeySequence(Qt::Key_F1)},
                        {"print", "mnuFilePrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
                        {"exit", "mnuFileExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                        {"new window", "mnuFileNewWindow", QKeySequence(Qt::CTRL | Qt::Key_N)}};
        for (const auto &command : commands) {
            for (const char *focus : {"txtStartingPrice", "txtNotes", "SSTab1"}) {
                QTest::addRow("%s from %s", command.command, focus)
                    << command.command << command.item << command.keys << focus;
            }
        }
    }
    void shortcutsWorkFromTheKeyboard()
    {
        QFETCH(QString, command);
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, focus);
        QVERIFY(openWindow(RunningLanguage::English));
        QCOMPARE(fixture->find<QAction>(qPrintable(item))->shortcut(), keys);
        QTest::mouseClick(fixture->find<QPushButton>("cmdNotepad"), Qt::LeftButton);
        auto *notes = fixture->find<QPlainTextEdit>("txtNotes");
        notes->setPlainText(QStringLiteral("Keys"));
        QWidget *focused = focus == QLatin1String("SSTab1") ? fixture->window->SSTab1->tabBar()
                                                             : fixture->find<QWidget>(qPrintable(focus));
        focused->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), focused);

        OpenedLinks files({QStringLiteral("file")});
        QStringList printed;
        CWordWrap::setSurfaceOpener([&printed] { return std::make_unique<PrintJobs>(printed); });
        QTemporaryDir folder;
        const QString report = folder.filePath(QStringLiteral("report.txt"));
        qputenv("CALVEXTRA_PROBE_REPORT", report.toLocal8Bit());
        qputenv("CALVEXTRA_PROBE_LOCALE", QLocale().name().toLatin1());
        frmeBayFees::NewWindowProgram() = QStringLiteral(NEWWINDOW_PROBE);

        pressOnWindow(keys);
        if (command == QLatin1String("help")) {
            QCOMPARE(files.urls.size(), 1);
            QCOMPARE(QFileInfo(files.urls.first().toLocalFile()).fileName(), QStringLiteral("calvextra_help.htm"));
        } else if (command == QLatin1String("print")) {
            QCOMPARE(printed.size(), 1);
            QVERIFY2(printed.first().contains(QLatin1String("Keys")), qPrintable(printed.first()));
        } else if (command == QLatin1String("exit")) {
            QTRY_VERIFY(!fixture->window->isVisible());
        } else {
            QElapsedTimer waited;
            waited.start();
            while (!QFileInfo::exists(report) && waited.elapsed() < 20000)
                QTest::qWait(50);
            QVERIFY2(QFileInfo::exists(report), "Ctrl+N started no second copy");
        }
        // Only the one command ran, and the focused control got no letter.
        if (command != QLatin1String("help"))
            QVERIFY(files.urls.isEmpty());
        if (command != QLatin1String("print"))
            QVERIFY(printed.isEmpty());
        if (command != QLatin1String("exit"))
            QVERIFY(fixture->window->isVisible());
        QCOMPARE(notes->toPlainText(), QStringLiteral("Keys"));
        QVERIFY(fixture->text("txtStartingPrice").isEmpty());
        QTest::qWait(100);  // a started copy has finished writing its line
        QCOMPARE(QFileInfo::exists(report), command == QLatin1String("new window"));
        qunsetenv("CALVEXTRA_PROBE_REPORT");
        qunsetenv("CALVEXTRA_PROBE_LOCALE");
    }

    // ---- Link colours on light and dark desktops ----

    void linkColoursStayReadable_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("link");     // the palette's link colour
        QTest::addColumn<QColor>("visited");  // and its visited-link colour
        QTest::addColumn<bool>("classic");    // blue and magenta exactly
        QTest::newRow("light grey") << QColor(240, 240, 240) << QColor(0, 0, 255) << QColor(255, 0, 255) << true;
        QTest::newRow("white, other link colours") << QColor(255, 255, 255) << QColor(0, 100, 0) << QColor(0, 0, 0)
                                                   << true;
        QTest::newRow("dark, light blue links") << QColor(0x20, 0x20, 0x20) << QColor(0x8a, 0xb4, 0xf8)
                                                << QColor(0xc5, 0x8a, 0xf9) << false;
        QTest::newRow("dark, links left blue") << QColor(0x20, 0x20, 0x20) << QColor(0, 0, 255) << QColor(255, 0, 255)
                                               << false;
        QTest::newRow("black, one link colour") << QColor(0, 0, 0) << QColor(0x20, 0x20, 0x80) << QColor(0x20, 0x20, 0x80)
                                                << false;
        QTest::newRow("mid grey") << QColor(0x77, 0x77, 0x77) << QColor(0, 0, 255) << QColor(255, 0, 255) << false;
    }

    void linkColoursStayReadable()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, link);
        QFETCH(QColor, visited);
        QFETCH(bool, classic);
        QVERIFY(openWindow(RunningLanguage::English));
        fixture->find<QAction>("mnuOptionsSiteGermany")->trigger();
        // The desktop switches its palette while the window is open.
        QPalette desktop = lightPalette;
        desktop.setColor(QPalette::Window, window);
        desktop.setColor(QPalette::WindowText, luminance(window) < 0.2 ? Qt::white : Qt::black);
        desktop.setColor(QPalette::Link, link);
        desktop.setColor(QPalette::LinkVisited, visited);
        QApplication::setPalette(desktop);
        // The window follows the new palette once the events announcing it are through.
        QTRY_COMPARE(fixture->window->palette().color(QPalette::Window), window);

        for (int tab : {2, 3}) {
            fixture->window->SSTab1->setCurrentIndex(tab);
            QWidget *page = fixture->window->SSTab1->widget(tab);
            for (LinkLabel *label : page->findChildren<LinkLabel *>()) {
                const QString name = label->objectName() + label->property("index").toString();
                const QColor background = label->parentWidget()->palette().color(QPalette::Window);
                QCOMPARE(background, window);
                const QPoint bare(page->width() - 3, page->height() - 3);
                pointerTo(page, bare);
                QVERIFY2(!label->isShowingHoverColour(), qPrintable(name));
                const QColor normal = colourOf(label);
                pointerTo(label, label->rect().center());
                QVERIFY2(label->isShowingHoverColour(), qPrintable(name));
                const QColor hover = colourOf(label);
                pointerTo(page, bare);
                QCOMPARE(colourOf(label), normal);
                if (classic) {
                    QCOMPARE(normal, QColor(0, 0, 255));
                    QCOMPARE(hover, QColor(255, 0, 255));
                    continue;
                }
                QVERIFY2(contrast(normal, background) >= 4.5, qPrintable(name + normal.name()));
                QVERIFY2(contrast(hover, background) >= 4.5, qPrintable(name + hover.name()));
                QVERIFY2(hover != normal, qPrintable(name));
                // A palette link colour that reads well is used as it is.
                if (contrast(link, window) >= 4.5)
                    QCOMPARE(normal, link);
            }
        }

        // Back on the light desktop: blue and magenta again.
        QApplication::setPalette(lightPalette);
        QTRY_COMPARE(fixture->window->palette().color(QPalette::Window), lightPalette.color(QPalette::Window));
        LinkLabel *rates = fixture->find<LinkLabel>("lblCheckRates");
        QCOMPARE(colourOf(rates), QColor(0, 0, 255));
        fixture->window->SSTab1->setCurrentIndex(2);
        pointerTo(rates, rates->rect().center());
        QCOMPARE(colourOf(rates), QColor(255, 0, 255));
    }

private:
    static constexpr int EnglishItem = 1;  // entries of the Languages menu
    static constexpr int GermanItem = 3;

    bool openWindow(RunningLanguage::Language language) { return running.openWindow(language, fixture); }

    bool chooseLanguage(int index)
    {
        for (QAction *item : fixture->window->findChildren<QAction *>(QStringLiteral("mnuLang"))) {
            if (item->property("index").toInt() == index && item->isVisible()) {
                item->trigger();
                return true;
            }
        }
        return false;
    }

    LinkLabel *postal(int index) const
    {
        for (LinkLabel *link : fixture->window->findChildren<LinkLabel *>(QStringLiteral("lblPostal"))) {
            if (link->property("index").toInt() == index)
                return link;
        }
        qFatal("no lblPostal element %d", index);
    }

    void showTabOf(const QWidget *control)
    {
        QTabWidget *tabs = fixture->window->SSTab1;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tabs->widget(tab)->isAncestorOf(control))
                tabs->setCurrentIndex(tab);
        }
    }

    // Presses Tab on the window until the control has the focus; false if it never gets it.
    bool tabUntil(const QWidget *control) const
    {
        for (int press = 0; press < 80; ++press) {
            pressOnWindow(Qt::Key_Tab, Qt::NoModifier);
            if (QApplication::focusWidget() == control)
                return true;
        }
        return false;
    }

    void pressOnWindow(Qt::Key key, Qt::KeyboardModifiers modifiers) const
    {
        QTest::keyClick(fixture->window->windowHandle(), key, modifiers);
    }
    void pressOnWindow(const QKeySequence &keys) const
    {
        QTest::keySequence(fixture->window->windowHandle(), keys);
    }

    RunningLanguage running;
    std::unique_ptr<WindowFixture> fixture;
    QPalette lightPalette;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
