#include "CWordWrap.h"
#include "NotepadUndoLimit.h"
#include "NotepadWrapLayout.h"
#include "NotepadStore.h"
#include "PrintSurface.h"
#include "PluginFolders.h"
#include "PrinterSurface.h"
#include "PrintingPlugin.h"
#include "RecordingSurface.h"
#include "TestLocales.h"
#include "WindowFixture.h"
#include "../notes/PdfToText.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <optional>

namespace {

const QString Separator = QStringLiteral("--------------------------------------------------");
const QString Gap = QStringLiteral("    ");

// The notepad keeps the CR LF of a summary as one paragraph break: its plain text has "\n" there.
QString block(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// The figures of a single-item calculation, written with "." as separator.
struct RegularFigures
{
    bool reserve;
    QString start;
    bool sold;
    QString closing;
    QString listing;
    QString extras;
    QString fvf;
    QString total;
};

QString expectedRegular(int number, const QString &P, const RegularFigures &f)
{
    return block({Separator,
                  QString::number(number) + QStringLiteral(". REGULAR AUCTION:  ")
                      + (f.reserve ? QStringLiteral("Reserve Price: ") : QStringLiteral("Opening Bid: ")) + P
                      + inLocale(f.start) + Gap + QStringLiteral("Item Sold?: ")
                      + (f.sold ? QStringLiteral("Y") : QStringLiteral("N")) + Gap + QStringLiteral("Closing Bid: ")
                      + P + inLocale(f.closing),
                  QStringLiteral("Listing Fee: ") + P + inLocale(f.listing) + Gap
                      + QStringLiteral("Extra Features Fees: ") + P + inLocale(f.extras) + Gap
                      + QStringLiteral("Final Value Fee: ") + P + inLocale(f.fvf),
                  QStringLiteral("TOTAL FEES: ") + P + inLocale(f.total), Separator});
}

struct DutchFigures
{
    QString offered;
    QString opening;
    QString sold;
    QString soldAt;
    QString revenue;
    QString extras;
    QString total;
    QString perItem;
};

// Counts carry no currency; the extra-features and total groups are three blanks apart.
QString expectedDutch(int number, const QString &P, const DutchFigures &f)
{
    return block({Separator,
                  QString::number(number) + QStringLiteral(". DUTCH AUCTION:  ") + Gap
                      + QStringLiteral("Number Offered: ") + f.offered + Gap + QStringLiteral("Opening Price: ") + P
                      + inLocale(f.opening),
                  QStringLiteral("Number Sold: ") + f.sold + Gap + QStringLiteral("Sold at: ") + P + inLocale(f.soldAt)
                      + Gap + QStringLiteral("Total Revenue: ") + P + inLocale(f.revenue),
                  QStringLiteral("Extra Features Fees: ") + P + inLocale(f.extras) + QStringLiteral("   ")
                      + QStringLiteral("TOTAL FEES: ") + P + inLocale(f.total) + Gap
                      + QStringLiteral("Fees Per Item: ") + P + inLocale(f.perItem),
                  Separator});
}

// The notes as the window keeps, copies and saves them: CR LF between lines.
QString withCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString expectedPayment(int number, const QString &P, const QString &amount, const QString &fee)
{
    return block({Separator,
                  QString::number(number) + QStringLiteral(". PAYMENT FEE:  ") + Gap
                      + QStringLiteral("Payment Amount: ") + P + inLocale(amount),
                  QStringLiteral("PayPal Fee: ") + P + inLocale(fee), Separator});
}

// One print job as the recording surface saw it, kept after the window has released the surface.
struct PrintJob
{
    QList<RecordingSurface::Printed> printed;
    int lastPage = 0;
    int documentsEnded = 0;
};

class KeptSurface : public RecordingSurface
{
public:
    explicit KeptSurface(QList<PrintJob> &jobs) : m_jobs(jobs) {}
    ~KeptSurface() override { m_jobs.append({printed, Page(), documentsEnded}); }

private:
    QList<PrintJob> &m_jobs;
};

// Everything printed, one line per item, for comparing two jobs.
QStringList described(const PrintJob &job)
{
    QStringList lines;
    for (const RecordingSurface::Printed &item : job.printed)
        lines.append(QStringLiteral("%1 %2 %3 [%4]").arg(item.page).arg(item.x).arg(item.y).arg(item.text));
    return lines;
}

// Default margins on the recording page: the body starts at 1440 and one line is 240 high; the
// date and page number stand at 15000 - 1440 / 2.
constexpr float BodyTop = 1440;
constexpr float FooterY = 15000 - 720;

// The body text of page 1, put together again line by line from the words and blanks printed.
QStringList bodyLines(const PrintJob &job)
{
    QStringList lines;
    for (const RecordingSurface::Printed &item : job.printed) {
        if (item.page != 1 || item.y < BodyTop || item.y >= FooterY)
            continue;
        const auto line = qsizetype((item.y - BodyTop) / RecordingSurface::LineHeight);
        while (lines.size() <= line)
            lines.append(QString());
        lines[line] += item.text;
    }
    return lines;
}

} // namespace

// The notepad band of the calculator window: collapsing and expanding it, the summaries that the
// three tabs add, and clearing, copying and printing its text.
class TestNotepad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init()
    {
        applyLocaleRow();
        // Whatever a test prints goes to the recorder, never to a real printer.
        CWordWrap::setSurfaceOpener([this] { return std::make_unique<KeptSurface>(jobs); });
        fixture = std::make_unique<WindowFixture>();
    }
    void cleanup()
    {
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        fixture.reset();
        CWordWrap::setSurfaceOpener(nullptr);
        jobs.clear();
    }

    // ---- Collapsing and expanding ----

    void startsCollapsed()
    {
        QVERIFY(!fixture->window->NotepadVisible());
        QCOMPARE(button("cmdNotepad")->text(), QStringLiteral("view notepad"));
        QCOMPARE(client()->height(), pixels(5760));
        for (const char *name : {"cmdClearNotepad", "cmdCopyNotepad", "cmdPrintNotepad"})
            QVERIFY2(!button(name)->isVisible(), name);
        QVERIFY(button("cmdNotepad")->isVisible());
        // The text box lies below the visible client area, the row of buttons above its edge.
        QVERIFY(notes()->geometry().top() >= client()->height());
        QVERIFY(client()->rect().contains(button("cmdNotepad")->geometry()));
        QCOMPARE(button("cmdClearNotepad")->text(), QStringLiteral("clear"));
        QCOMPARE(button("cmdCopyNotepad")->text(), QStringLiteral("copy"));
        QCOMPARE(button("cmdPrintNotepad")->text(), QStringLiteral("print"));
        QCOMPARE(fixture->window->mnuFilePrint->text(), QStringLiteral("&Print Notepad"));
    }

    void notepadButtonExpandsAndCollapses()
    {
        const int windowWidth = fixture->window->width();
        const int clientWidth = client()->width();
        const int collapsedWindowHeight = fixture->window->height();
        // The window's outer height goes from 6600 to 8415 twips: the client area grows by the same.
        const int growth = pixels(7575) - pixels(5760);

        button("cmdNotepad")->click();
        QVERIFY(fixture->window->NotepadVisible());
        QCOMPARE(button("cmdNotepad")->text(), QStringLiteral("hide notepad"));
        QCOMPARE(client()->height(), pixels(7575));
        QTRY_COMPARE(fixture->window->height(), collapsedWindowHeight + growth);
        for (const char *name : {"cmdClearNotepad", "cmdCopyNotepad", "cmdPrintNotepad"})
            QVERIFY2(button(name)->isVisible(), name);
        QVERIFY(client()->rect().contains(notes()->geometry()));
        QVERIFY(notes()->isVisible());
        QCOMPARE(client()->width(), clientWidth);
        QCOMPARE(fixture->window->width(), windowWidth);

        button("cmdNotepad")->click();
        QVERIFY(!fixture->window->NotepadVisible());
        QCOMPARE(button("cmdNotepad")->text(), QStringLiteral("view notepad"));
        QCOMPARE(client()->height(), pixels(5760));
        QTRY_COMPARE(fixture->window->height(), collapsedWindowHeight);
        for (const char *name : {"cmdClearNotepad", "cmdCopyNotepad", "cmdPrintNotepad"})
            QVERIFY2(!button(name)->isVisible(), name);
        QVERIFY(notes()->geometry().top() >= client()->height());
        QCOMPARE(client()->width(), clientWidth);
        QCOMPARE(fixture->window->width(), windowWidth);
    }

    // ---- Summaries of the three tabs ----

    void singleItemSummary_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("reserve");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<bool>("didNotSell");
        // What the fields show afterwards, and so what the summary carries.
        QTest::addColumn<QString>("closingShown");
        QTest::addColumn<bool>("sold");
        QTest::addColumn<QString>("listing");
        QTest::addColumn<QString>("extras");
        QTest::addColumn<QString>("fvf");
        QTest::addColumn<QString>("total");

        // 50.00 is the fifth tier (2.40); a reserve that was met costs nothing;
        // 25 * 5.25 % + 50 * 2.75 % = 2.6875 -> 2.69.
        QTest::newRow("US reserve met") << "mnuOptionsSiteEbay" << "$" << true << "50" << "75" << false << "75.00"
                                        << true << "2.40" << "0.00" << "2.69" << "5.09";
        // Did not sell: no final value fee (an empty figure keeps its label and currency); without
        // a reserve the closing bid is raised to the opening bid 10.00, the third tier (0.60).
        QTest::newRow("US did not sell, no reserve") << "mnuOptionsSiteEbay" << "$" << false << "10" << "8" << true
                                                     << "10.00" << false << "0.60" << "0.00" << "" << "0.60";
        // Did not sell with a reserve of 150: closing bid 0.00; 2.40 plus the reserve fee 2.00.
        QTest::newRow("US did not sell, reserve") << "mnuOptionsSiteEbay" << "$" << true << "150" << "200" << true
                                                  << "0.00" << false << "4.40" << "0.00" << "" << "4.40";
        // Reserve 100 not met by 80: unsold; UK seventh tier 2.00 plus 100 * 2 % reserve fee.
        QTest::newRow("UK reserve not met") << "mnuOptionsSiteUK" << "GBP " << true << "100" << "80" << false
                                            << "80.00" << false << "4.00" << "0.00" << "" << "4.00";
        // 50 is the Canadian fourth tier (1.65); 35 * 5.25 % + 160 * 2.75 % = 6.2375 -> 6.24.
        QTest::newRow("Canada sold") << "mnuOptionsSiteCanada" << "C$" << false << "50" << "195" << false
                                     << "195.00" << true << "1.65" << "0.00" << "6.24" << "7.89";
        // 30 is the German fourth tier (1.60); 50 * 5 % + 450 * 4 % + 100 * 2 % = 22.50.
        QTest::newRow("Germany sold") << "mnuOptionsSiteGermany" << "EUR" << false << "30" << "600" << false
                                      << "600.00" << true << "1.60" << "0.00" << "22.50" << "24.10";
    }

    void singleItemSummary()
    {
        QFETCH(QString, site);
        QFETCH(QString, prefix);
        QFETCH(bool, reserve);
        QFETCH(QString, start);
        QFETCH(QString, closing);
        QFETCH(bool, didNotSell);
        QFETCH(QString, closingShown);
        QFETCH(bool, sold);
        QFETCH(QString, listing);
        QFETCH(QString, extras);
        QFETCH(QString, fvf);
        QFETCH(QString, total);

        chooseSite(site);
        enterSingleItem(reserve, start, closing, didNotSell);
        QCOMPARE(fixture->text("txtStartingPrice"), inLocale(start + QStringLiteral(".00")));
        QCOMPARE(fixture->text("txtPrice"), inLocale(closingShown));
        QCOMPARE(fixture->text("txtInsertionFee"), inLocale(listing));
        QCOMPARE(fixture->text("txtExtras"), inLocale(extras));
        QCOMPARE(fixture->text("txtFVF"), inLocale(fvf));
        QCOMPARE(fixture->text("txtFees"), inLocale(total));

        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        const QString expected = expectedRegular(
            1, prefix, {reserve, start + QStringLiteral(".00"), sold, closingShown, listing, extras, fvf, total});
        QCOMPARE(notes()->toPlainText(), expected);
        verifyCaretBeforeFinalLineFeed();
    }

    void multipleItemSummary_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("sold");
        QTest::addColumn<QString>("lowestBid");
        QTest::addColumn<QString>("shownBid");
        QTest::addColumn<QString>("revenue");
        QTest::addColumn<QString>("extras");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("perItem");

        // Lot 50.00 pays 2.40; 5 * 10.00 * 5.25 % = 2.625 -> 2.63; 5.03 / 5 = 1.006 -> 1.01.
        QTest::newRow("US five sold") << "mnuOptionsSiteEbay" << "$" << QStringList() << "5" << "10.00" << "5"
                                      << "10.00" << "10.00" << "50.00" << "0.00" << "5.03" << "1.01";
        // Lot 100.00 pays the UK seventh tier 2.00; bold 0.75 + highlight 1.50; 19 of 20 sold go at
        // the opening bid: 19 * 0.2625 = 4.9875 -> 4.99; 9.24 / 19 = 0.486 -> 0.49.
        QTest::newRow("UK bold and highlight")
            << "mnuOptionsSiteUK" << "GBP " << QStringList{"chkDutchBold", "chkDutchHighlight"} << "20" << "5.00"
            << "19" << "6.00" << "5.00" << "95.00" << "2.25" << "9.24" << "0.49";
    }

    void multipleItemSummary()
    {
        QFETCH(QString, site);
        QFETCH(QString, prefix);
        QFETCH(QStringList, ticks);
        QFETCH(QString, offered);
        QFETCH(QString, opening);
        QFETCH(QString, sold);
        QFETCH(QString, lowestBid);
        QFETCH(QString, shownBid);
        QFETCH(QString, revenue);
        QFETCH(QString, extras);
        QFETCH(QString, total);
        QFETCH(QString, perItem);

        chooseSite(site);
        showTab(1);
        for (const QString &name : ticks)
            fixture->find<QCheckBox>(name.toLatin1().constData())->click();
        enterLot(offered, opening, sold, lowestBid);
        QCOMPARE(fixture->text("txtDutchItemsOffered"), offered);
        QCOMPARE(fixture->text("txtDutchOpeningPrice"), inLocale(opening));
        QCOMPARE(fixture->text("txtDutchItemsSold"), sold);
        QCOMPARE(fixture->text("txtDutchFinalPrice"), inLocale(shownBid));
        QCOMPARE(fixture->text("txtTotalDutchAuctionSales"), inLocale(revenue));
        QCOMPARE(fixture->text("txtExtraFeaturesDutch"), inLocale(extras));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale(total));
        QCOMPARE(fixture->text("txtDutchCostPerItem"), inLocale(perItem));

        button("cmdAddDutchToNotes")->click();
        QCOMPARE(notes()->toPlainText(),
                 expectedDutch(1, prefix, {offered, opening, sold, shownBid, revenue, extras, total, perItem}));
        verifyCaretBeforeFinalLineFeed();
    }

    void paymentSummary_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("fee");

        // 100 * 2.9 % + 0.30.
        QTest::newRow("US") << "mnuOptionsSiteEbay" << "$" << "3.20";
        // The flat fee at the built-in rate: 0.30 * 0.5305 = 0.15915; 2.90 + 0.15915 -> 3.06.
        QTest::newRow("UK") << "mnuOptionsSiteUK" << "GBP " << "3.06";
        // 0.30 * 1.317 = 0.3951; 2.90 + 0.3951 -> 3.30.
        QTest::newRow("Canada") << "mnuOptionsSiteCanada" << "C$" << "3.30";
    }

    void paymentSummary()
    {
        QFETCH(QString, site);
        QFETCH(QString, prefix);
        QFETCH(QString, fee);

        chooseSite(site);
        enterPayment();
        QCOMPARE(fixture->text("txtPaymentAmount"), inLocale("100.00"));
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale(fee));

        button("cmdAddPaymentsToNotes")->click();
        QCOMPARE(notes()->toPlainText(), expectedPayment(1, prefix, QStringLiteral("100.00"), fee));
        verifyCaretBeforeFinalLineFeed();
    }

    void numberingRunsAcrossKinds()
    {
        enterUsCalculations();

        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        button("cmdAddDutchToNotes")->click();
        button("cmdAddPaymentsToNotes")->click();
        // Each summary starts and ends with its own separator: two of them stand between summaries.
        QCOMPARE(notes()->toPlainText(), usRegular(1) + usDutch(2) + usPayment(3));
        verifyCaretBeforeFinalLineFeed();

        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        QCOMPARE(notes()->toPlainText(), usRegular(1) + usDutch(2) + usPayment(3) + usRegular(4));
        verifyCaretBeforeFinalLineFeed();
    }

    void summaryFollowsTheUsersTextAtTheEnd()
    {
        openNotepad();
        enterUsCalculations();

        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("Grüße an Jörg\nbis bald"));
        const QString typed = QStringLiteral("Grüße an Jörg\nbis bald");
        QCOMPARE(notes()->toPlainText(), typed);

        // The caret at the start with the first word selected: the summary still goes to the end,
        // directly after the last typed character, and the selection is not replaced.
        QTextCursor caret = notes()->textCursor();
        caret.setPosition(0);
        caret.setPosition(5, QTextCursor::KeepAnchor);
        notes()->setTextCursor(caret);
        button("cmdAddPaymentsToNotes")->click();
        QCOMPARE(notes()->toPlainText(), typed + usPayment(1));
        verifyCaretBeforeFinalLineFeed();

        // The user goes on typing at the caret, then adds another summary.
        typeIntoNotes(QStringLiteral("ok"));
        QCOMPARE(notes()->toPlainText(), typed + usPayment(1).chopped(1) + QStringLiteral("ok\n"));
        button("cmdAddDutchToNotes")->click();
        QCOMPARE(notes()->toPlainText(), typed + usPayment(1).chopped(1) + QStringLiteral("ok\n") + usDutch(2));
        verifyCaretBeforeFinalLineFeed();
    }

    void addingWhileCollapsedShowsOnExpanding()
    {
        QVERIFY(!fixture->window->NotepadVisible());
        enterUsCalculations();
        button("cmdAddPaymentsToNotes")->click();
        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        const QString expected = usPayment(1) + usRegular(2);
        QCOMPARE(notes()->toPlainText(), expected);
        QVERIFY(notes()->geometry().top() >= client()->height());

        button("cmdNotepad")->click();
        QVERIFY(client()->rect().contains(notes()->geometry()));
        QCOMPARE(notes()->toPlainText(), expected);
        verifyCaretBeforeFinalLineFeed();
    }

    // ---- Clear ----

    void clearKeepsCounting()
    {
        openNotepad();
        enterUsCalculations();
        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        button("cmdAddDutchToNotes")->click();
        button("cmdAddPaymentsToNotes")->click();

        button("cmdClearNotepad")->click();
        QCOMPARE(notes()->toPlainText(), QString());

        button("cmdAddDutchToNotes")->click();
        QCOMPARE(notes()->toPlainText(), usDutch(4));
        verifyCaretBeforeFinalLineFeed();
    }

    void undoBringsClearedTextBack_data()
    {
        // Lines typed before, each a few steps of the undo history: enough for the oldest to be dropped.
        QTest::addColumn<int>("linesTypedBefore");
        QTest::newRow("short notes") << 0;
        QTest::newRow("after a long history") << NotepadUndoLimit::DefaultKeptSteps;
    }

    void undoBringsClearedTextBack()
    {
        QFETCH(int, linesTypedBefore);

        openNotepad();
        enterUsCalculations();
        notes()->setFocus(Qt::OtherFocusReason);
        const QString typed = typeManyEdits(linesTypedBefore).value(linesTypedBefore - 1);
        typeIntoNotes(QStringLiteral("Grüße "));
        QTest::mouseClick(button("cmdAddPaymentsToNotes"), Qt::LeftButton);
        const QString before = notes()->toPlainText();
        QCOMPARE(before, typed + QStringLiteral("Grüße ") + usPayment(1));

        QTest::mouseClick(button("cmdClearNotepad"), Qt::LeftButton);
        QCOMPARE(notes()->toPlainText(), QString());
        QVERIFY(notes()->document()->isUndoAvailable());
        // Whatever the history was trimmed to meanwhile, the clearing is still the last step.
        QCoreApplication::processEvents();
        QTest::mouseClick(notes()->viewport(), Qt::LeftButton);
        QTest::keyClick(notes(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(notes()->toPlainText(), before);
    }

    // ---- Undo history ----

    void undoHistoryKeepsRecentStepsOnly()
    {
        openNotepad();
        notes()->setFocus(Qt::OtherFocusReason);
        const int lines = 3 * NotepadUndoLimit::DefaultKeptSteps;
        const QStringList afterLine = typeManyEdits(lines);
        QCoreApplication::processEvents();
        const int kept = notes()->document()->availableUndoSteps();
        QVERIFY2(kept <= 2 * NotepadUndoLimit::DefaultKeptSteps, qPrintable(QString::number(kept)));
        QVERIFY2(kept >= NotepadUndoLimit::DefaultKeptSteps, qPrintable(QString::number(kept)));
        QCOMPARE(notes()->toPlainText(), afterLine.last());
        QCOMPARE(notes()->textCursor().position(), int(afterLine.last().size()));

        // Ctrl+Z goes back through the recent lines in order, Ctrl+Shift+Z forward to the end again.
        const int linesBack = 40;
        int undone = 0;
        for (int line = lines - 2; line >= lines - 1 - linesBack; --line) {
            for (int press = 0; press < 10 && notes()->toPlainText() != afterLine.at(line); ++press) {
                QTest::keyClick(notes(), Qt::Key_Z, Qt::ControlModifier);
                ++undone;
            }
            QCOMPARE(notes()->toPlainText(), afterLine.at(line));
        }
        for (int press = 0; press < undone; ++press)
            QTest::keyClick(notes(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(notes()->toPlainText(), afterLine.last());
    }

    // ---- Long words ----

    void longWordsWrapInsideTheBox_data()
    {
        QTest::addColumn<QString>("pasted");
        // Lines end at spaces where there are any.
        QTest::addColumn<bool>("wrapsAtSpaces");

        QTest::newRow("short words") << QStringLiteral("Grüße aus Köln, ").repeated(40) << true;
        QTest::newRow("a word of 300 letters") << QStringLiteral("abcdefghij").repeated(30) << false;
        const QString veryLong = QStringLiteral("abcdefghij").repeated(NotepadWrapLayout::LongWordLength);
        QTest::newRow("a word of 10000 letters") << veryLong << false;
        QTest::newRow("words and a word of 10000 letters") << QStringLiteral("Grüße aus Köln ") + veryLong << false;
    }

    void longWordsWrapInsideTheBox()
    {
        QFETCH(QString, pasted);
        QFETCH(bool, wrapsAtSpaces);

        openNotepad();
        notes()->setFocus(Qt::OtherFocusReason);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(notes(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(notes()->toPlainText(), pasted);
        QVERIFY(QTest::qWaitForWindowExposed(fixture->window.get()));
        notes()->viewport()->repaint();

        const QTextLayout *layout = notes()->document()->firstBlock().layout();
        const qreal width = notes()->viewport()->width() - 2 * notes()->document()->documentMargin();
        QVERIFY2(layout->lineCount() > 1, qPrintable(QString::number(layout->lineCount())));
        int laidOut = 0;
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            QVERIFY2(line.naturalTextWidth() <= width + 1, qPrintable(QString::number(index)));
            if (wrapsAtSpaces && index > 0)
                QCOMPARE(pasted.at(line.textStart() - 1), QLatin1Char(' '));
            laidOut += line.textLength();
        }
        QCOMPARE(laidOut, int(pasted.size()));
        QCOMPARE(notes()->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(notes()->document()->defaultFont(), notes()->font());
    }

    // ---- Copy ----

    void copyPutsTheWholeTextOnTheClipboard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withSummaries");

        QTest::newRow("summaries") << QString() << true;
        QTest::newRow("own text beyond ASCII") << QStringLiteral("Grüße, Straße, Œuvre") << false;
        QTest::newRow("own text and summaries") << QStringLiteral("Grüße ") << true;
    }

    void copyPutsTheWholeTextOnTheClipboard()
    {
        QFETCH(QString, typed);
        QFETCH(bool, withSummaries);

        openNotepad();
        if (withSummaries)
            enterUsCalculations();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(typed);
        if (withSummaries) {
            QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
            button("cmdAddPaymentsToNotes")->click();
        }
        const QString expected = typed + (withSummaries ? usRegular(1) + usPayment(2) : QString());
        QCOMPARE(notes()->toPlainText(), expected);

        QGuiApplication::clipboard()->setText(QStringLiteral("left over from before"));
        button("cmdCopyNotepad")->click();
        // The clipboard gets the notes' own CR LF line ends, not the box's paragraph breaks.
        QCOMPARE(QGuiApplication::clipboard()->text(), withCrLf(expected));
        // Copying leaves the notepad as it was.
        QCOMPARE(notes()->toPlainText(), expected);
    }

    // ---- Print ----

    void buttonAndMenuPrintTheNotepad()
    {
        enterUsCalculations();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("Grüße aus Köln\n"));
        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        button("cmdAddPaymentsToNotes")->click();
        const QString text = notes()->toPlainText();

        button("cmdPrintNotepad")->click();
        QCOMPARE(jobs.size(), 1);
        fixture->window->mnuFilePrint->trigger();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(described(jobs.at(1)), described(jobs.at(0)));

        for (const PrintJob &job : std::as_const(jobs)) {
            QCOMPARE(job.documentsEnded, 1);
            QCOMPARE(job.lastPage, 1);
            QStringList expectedLines = text.split(QLatin1Char('\n'));
            QCOMPARE(expectedLines.takeLast(), QString());  // the final line feed opens no printed line
            QCOMPARE(bodyLines(job), expectedLines);
            QVERIFY(bodyLines(job).contains(QStringLiteral("TOTAL FEES: $") + inLocale("5.09")));
            QCOMPARE(headerAndFooter(job), (QStringList{QStringLiteral("Calvextra Notes"), QStringLiteral("Page 1")}));
        }
        // Printing changes nothing in the notepad.
        QCOMPARE(notes()->toPlainText(), text);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void emptyNotepadPrintsOnePage()
    {
        QCOMPARE(notes()->toPlainText(), QString());
        button("cmdPrintNotepad")->click();
        fixture->window->mnuFilePrint->trigger();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(described(jobs.at(1)), described(jobs.at(0)));

        const QDate today = QDate::currentDate();
        for (const PrintJob &job : std::as_const(jobs)) {
            QCOMPARE(job.documentsEnded, 1);
            QCOMPARE(job.lastPage, 1);
            QCOMPARE(job.printed.size(), 3);
            // The header is centred in the top margin: ((11000 - 15 * 100) / 2, (1440 - 240) / 2).
            const RecordingSurface::Printed &header = job.printed.at(0);
            QCOMPARE(header.text, QStringLiteral("Calvextra Notes"));
            QCOMPARE(header.x, 4750.0f);
            QCOMPARE(header.y, 600.0f);
            // The date at the left margin, half a bottom margin above the page's end.
            const RecordingSurface::Printed &date = job.printed.at(1);
            QVERIFY2(date.text == QLocale().toString(today, QLocale::ShortFormat)
                         || date.text == QLocale::system().toString(today, QLocale::ShortFormat),
                     qPrintable(date.text));
            QCOMPARE(date.x, 720.0f);
            QCOMPARE(date.y, FooterY);
            // The page number ends at the right margin: 11000 - (6 * 100 + 720).
            const RecordingSurface::Printed &page = job.printed.at(2);
            QCOMPARE(page.text, QStringLiteral("Page 1"));
            QCOMPARE(page.x, 9680.0f);
            QCOMPARE(page.y, FooterY);
            for (const RecordingSurface::Printed &item : job.printed)
                QCOMPARE(item.page, 1);
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void missingPrinterIsReported_data()
    {
        QTest::addColumn<bool>("fromMenu");
        // The printer's own opener, with the printing plugin that makes it missing from its folder.
        QTest::addColumn<bool>("withoutPlugin");
        QTest::newRow("print button") << false << false;
        QTest::newRow("File menu") << true << false;
        QTest::newRow("print button, no printing plugin") << false << true;
    }

    void missingPrinterIsReported()
    {
        QFETCH(bool, fromMenu);
        QFETCH(bool, withoutPlugin);

        QString problem = QStringLiteral("No printer is installed. Install a printer and print again.");
        std::optional<PluginFolder> plugins;
        if (withoutPlugin) {
            plugins.emplace(PluginFolder::Empty);
            problem = PrintingPlugin::FileName;
            CWordWrap::setSurfaceOpener(nullptr);
        } else {
            CWordWrap::setSurfaceOpener([problem]() -> std::unique_ptr<PrintSurface> { throw PrintError{problem}; });
        }

        enterUsCalculations();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("Grüße "));
        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        const QString text = notes()->toPlainText();

        // This test expects its dialog: it closes the box itself, so the watchdog stands aside.
        fixture->watchdog.stop();
        QString boxName;
        QString boxText;
        bool busyWhileShown = true;
        int dialogs = 0;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            ++dialogs;
            boxName = dialog->objectName();
            busyWhileShown = QGuiApplication::overrideCursor() != nullptr;
            if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                boxText = box->text();
                if (QAbstractButton *ok = box->button(QMessageBox::Ok)) {
                    ok->click();
                    return;
                }
            }
            dialog->close();
        });
        closer.start();
        if (fromMenu)
            fixture->window->mnuFilePrint->trigger();
        else
            button("cmdPrintNotepad")->click();
        closer.stop();
        fixture->watchdog.start();

        QCOMPARE(dialogs, 1);
        QCOMPARE(boxName, QStringLiteral("printErrorMessage"));
        QVERIFY2(boxText.contains(problem), qPrintable(boxText));
        QVERIFY(!busyWhileShown);
        QVERIFY(jobs.isEmpty());
        QCOMPARE(notes()->toPlainText(), text);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // ---- Kept between runs ----

    void notesKeptBetweenRuns_data()
    {
        // Typed into the notepad ("\n" is Return), then the summaries added (R, D, P), then cleared or not.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("summaries");
        QTest::addColumn<bool>("clear");
        // The number of the next window's first summary.
        QTest::addColumn<int>("next");

        QTest::newRow("summaries") << QString() << "RP" << false << 3;
        QTest::newRow("own text beyond ASCII") << QStringLiteral("Grüße an Jörg\n\nbis bald") << "" << false << 1;
        QTest::newRow("own text and summaries") << QStringLiteral("Notiz\n") << "DPD" << false << 4;
        // Nothing is left to count after: the next run starts again at 1.
        QTest::newRow("cleared") << QStringLiteral("weg") << "RR" << true << 1;
    }

    void notesKeptBetweenRuns()
    {
        QFETCH(QString, typed);
        QFETCH(QString, summaries);
        QFETCH(bool, clear);
        QFETCH(int, next);

        openNotepad();
        if (!summaries.isEmpty())
            enterUsCalculations();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(typed);
        QString kept = typed;
        int number = 0;
        for (const QChar kind : summaries) {
            ++number;
            if (kind == QLatin1Char('R')) {
                QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
                kept += usRegular(number);
            } else if (kind == QLatin1Char('D')) {
                button("cmdAddDutchToNotes")->click();
                kept += usDutch(number);
            } else {
                button("cmdAddPaymentsToNotes")->click();
                kept += usPayment(number);
            }
        }
        if (clear) {
            button("cmdClearNotepad")->click();
            kept.clear();
        }
        QCOMPARE(notes()->toPlainText(), kept);

        // Closing writes the notes at once, as UTF-8 with CR LF line ends.
        fixture->window->close();
        QCOMPARE(keptFile(), withCrLf(kept).toUtf8());

        startNextRun();
        QCOMPARE(notes()->toPlainText(), kept);
        button("cmdCopyNotepad")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), withCrLf(kept));

        enterPayment();
        button("cmdAddPaymentsToNotes")->click();
        QCOMPARE(notes()->toPlainText(), kept + usPayment(next));
    }

    void changesAreKeptShortlyAfterwards()
    {
        openNotepad();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("Grüße\n"));
        // Not with every key: a moment after the typing stops.
        QVERIFY(!QFileInfo::exists(NotepadStore::FilePath()));
        QTRY_COMPARE_WITH_TIMEOUT(keptFile(), QStringLiteral("Grüße\r\n").toUtf8(), 5000);

        enterPayment();
        button("cmdAddPaymentsToNotes")->click();
        QTRY_COMPARE_WITH_TIMEOUT(keptFile(), withCrLf(QStringLiteral("Grüße\n") + usPayment(1)).toUtf8(), 5000);
    }

    void unchangedNotesLeaveNewerOnesAlone()
    {
        openNotepad();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("alt"));
        QTRY_COMPARE_WITH_TIMEOUT(keptFile(), QByteArray("alt"), 5000);

        // Another window keeps its notes meanwhile; this one, unchanged since, closes after it.
        const QByteArray newer = QStringLiteral("Notizen des anderen Fensters\r\n").toUtf8();
        QFile other(NotepadStore::FilePath());
        QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
        other.write(newer);
        other.close();
        fixture->window->close();
        QCOMPARE(keptFile(), newer);
    }

    void failedSaveKeepsTheTextAndIsReportedOnce()
    {
        // A file where the data folder belongs: no notes can be written there.
        const QString folder = QFileInfo(NotepadStore::FilePath()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const auto unblock = qScopeGuard([folder] { QFile::remove(folder); });

        openNotepad();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("Grüße"));
        // The save after the change fails quietly (the watchdog sees no dialog); the text stays.
        QTest::qWait(2600);
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        QCOMPARE(notes()->toPlainText(), QStringLiteral("Grüße"));

        QStringList names;
        QString text;
        const int dialogs = answeringDialogs([this] { fixture->window->close(); }, [&](QWidget *dialog) {
            names.append(dialog->objectName());
            if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                text = box->text();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            } else {
                dialog->close();
            }
        });
        QCOMPARE(dialogs, 1);
        QCOMPARE(names, QStringList{QStringLiteral("notepadSaveErrorMessage")});
        QVERIFY2(text.startsWith(QStringLiteral("The notes could not be kept for the next start: ")
                                 + QDir::toNativeSeparators(NotepadStore::FilePath())),
                 qPrintable(text));
        QVERIFY(!fixture->window->isVisible());
    }

    // ---- Save Notepad As ----

    void saveNotepadAs_data()
    {
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("savedName");
        QTest::newRow("with .txt") << "Notizen.txt" << "Notizen.txt";
        QTest::newRow("without a suffix") << "Gebühren" << "Gebühren.txt";
    }

    void saveNotepadAs()
    {
        QFETCH(QString, typedName);
        QFETCH(QString, savedName);

        QCOMPARE(fixture->window->mnuFileSaveNotepadAs->text(), QStringLiteral("Save Notepad &As…"));
        openNotepad();
        enterUsCalculations();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("Grüße aus Köln\n"));
        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        const QString text = notes()->toPlainText();

        QTemporaryDir folder;
        QStringList names;
        const int dialogs = answeringDialogs([this] { fixture->window->mnuFileSaveNotepadAs->trigger(); },
                                             [&](QWidget *dialog) {
                                                 names.append(dialog->objectName());
                                                 typeFileName(dialog, folder.filePath(typedName));
                                             });
        QCOMPARE(dialogs, 1);
        QCOMPARE(names, QStringList{QStringLiteral("notepadFileDialog")});
        QFile saved(folder.filePath(savedName));
        QVERIFY2(saved.open(QIODevice::ReadOnly), qPrintable(saved.fileName()));
        QCOMPARE(saved.readAll(), withCrLf(text).toUtf8());
        QCOMPARE(notes()->toPlainText(), text);
    }

    // ---- A PDF file in place of a missing printer ----

    void missingPrinterOffersPdf_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("accept");
        QTest::newRow("print button, accepted") << false << true;
        QTest::newRow("File menu, accepted") << true << true;
        QTest::newRow("print button, declined") << false << false;
    }

    void missingPrinterOffersPdf()
    {
        QFETCH(bool, fromMenu);
        QFETCH(bool, accept);

        CWordWrap::setSurfaceOpener([] { return OpenPrinter(QPrinterInfo()); });
        enterUsCalculations();
        notes()->setFocus(Qt::OtherFocusReason);
        typeIntoNotes(QStringLiteral("Grüße aus Köln\n"));
        QTest::mouseClick(button("cmdAddRegularToNotes"), Qt::LeftButton);
        const QString text = notes()->toPlainText();

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Notizen.pdf"));
        QStringList names;
        QString offer;
        const int dialogs = answeringDialogs(
            [&] {
                if (fromMenu)
                    fixture->window->mnuFilePrint->trigger();
                else
                    button("cmdPrintNotepad")->click();
            },
            [&](QWidget *dialog) {
                names.append(dialog->objectName());
                if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                    offer = box->text();
                    QTest::mouseClick(box->button(accept ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
                } else {
                    typeFileName(dialog, path);
                }
            });
        QVERIFY2(offer.startsWith(QStringLiteral("No printer is installed.")), qPrintable(offer));
        QVERIFY2(offer.endsWith(QStringLiteral("\n\nSave the notes as a PDF file instead?")), qPrintable(offer));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(notes()->toPlainText(), text);
        if (!accept) {
            QCOMPARE(dialogs, 1);
            QVERIFY(!QFileInfo::exists(path));
            return;
        }
        QCOMPARE(dialogs, 2);
        QCOMPARE(names, (QStringList{QStringLiteral("noPrinterMessage"), QStringLiteral("notepadFileDialog")}));

        // The pages of a print: the header, every word of the notes in order, date and page number.
        QByteArray layout;
        if (const QString error = runPdfToText({QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                QStringLiteral("UTF-8"), path, QStringLiteral("-")},
                                               layout);
            !error.isEmpty())
            QFAIL(qPrintable(error));
        QStringList lines;
        for (const QString &line : QString::fromUtf8(layout).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                lines.append(line.simplified());
        QVERIFY2(lines.size() >= 3, qPrintable(lines.join(QLatin1Char('\n'))));
        QCOMPARE(lines.first(), QStringLiteral("Calvextra Notes"));
        QVERIFY2(lines.last().endsWith(QStringLiteral(" Page 1")), qPrintable(lines.last()));
        QCOMPARE(lines.mid(1, lines.size() - 2).join(QLatin1Char(' ')).remove(QLatin1Char('\f')).simplified(),
                 text.simplified());
    }

private:
    // The notes file as the window left it.
    static QByteArray keptFile()
    {
        QFile file(NotepadStore::FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    // The program starts again: a new window on the same data folder, not a first run.
    void startNextRun()
    {
        fixture->window = std::make_unique<frmeBayFees>(false);
        fixture->window->show();
        QApplication::setActiveWindow(fixture->window.get());
    }

    // Answers each modal dialog that opens while `action` runs; the watchdog stands aside
    // meanwhile. Returns how many opened.
    int answeringDialogs(const std::function<void()> &action, const std::function<void(QWidget *)> &answer)
    {
        fixture->watchdog.stop();
        int dialogs = 0;
        QPointer<QWidget> answered;
        int ticksUnanswered = 0;
        QTimer answerer;
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            if (dialog == answered) {
                // A dialog that stays open after its answer fails the test instead of hanging it.
                if (++ticksUnanswered == 300)
                    dialog->close();
                return;
            }
            answered = dialog;
            ticksUnanswered = 0;
            ++dialogs;
            answer(dialog);
        });
        answerer.start();
        action();
        answerer.stop();
        fixture->watchdog.start();
        return dialogs;
    }

    // Types a file name into Qt's file dialog as the user would, and presses Return.
    static void typeFileName(QWidget *dialog, const QString &path)
    {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name) {
            dialog->close();
            return;
        }
        // The list of completions comes and goes as the dialog reads folders in the background, and
        // would take the Return at random: the test types the whole name without it.
        name->setCompleter(nullptr);
        name->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        typeKeys(name, path);
        // While the dialog still reads the folder in the background it may let a Return pass; as
        // a user would, the test presses it again while the dialog stays open.
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QPushButton *save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
        for (int attempt = 0; attempt < 20 && dialog->isVisible(); ++attempt) {
            if (QTest::qWaitFor([save] { return save && save->isEnabled(); }, 1000))
                QTest::keyClick(name, Qt::Key_Return);
            if (QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 250))
                break;
        }
    }

    QPushButton *button(const char *name) const { return fixture->find<QPushButton>(name); }
    QPlainTextEdit *notes() const { return fixture->find<QPlainTextEdit>("txtNotes"); }
    QWidget *client() const { return fixture->window->centralWidget(); }

    // Twips of the window's design in pixels at the screen's logical DPI.
    int pixels(int twips) const { return qRound(double(twips) * client()->logicalDpiY() / 1440.0); }

    void chooseSite(const QString &menuItem)
    {
        fixture->find<QAction>(menuItem.toLatin1().constData())->trigger();
    }

    void showTab(int tab)
    {
        fixture->window->SSTab1->setCurrentIndex(tab);
        QCOMPARE(fixture->window->SSTab1->currentIndex(), tab);
    }

    void openNotepad()
    {
        if (!fixture->window->NotepadVisible())
            button("cmdNotepad")->click();
        QVERIFY(fixture->window->NotepadVisible());
    }

    void enterSingleItem(bool reserve, const QString &start, const QString &closing, bool didNotSell)
    {
        showTab(0);
        QComboBox *reserveList = fixture->find<QComboBox>("cboIsReserve");
        reserveList->setCurrentIndex(reserve ? 1 : 0);
        QCOMPARE(reserveList->currentIndex(), reserve ? 1 : 0);
        fixture->typeAndLeave("txtStartingPrice", inLocale(start));
        fixture->typeAndLeave("txtPrice", inLocale(closing));
        if (didNotSell) {
            QCheckBox *box = fixture->find<QCheckBox>("chkDidNotSell");
            box->click();
            QVERIFY(box->isChecked());
        }
    }

    void enterLot(const QString &offered, const QString &opening, const QString &sold, const QString &lowestBid)
    {
        fixture->typeAndLeave("txtDutchItemsOffered", offered);
        fixture->typeAndLeave("txtDutchOpeningPrice", inLocale(opening));
        fixture->typeAndLeave("txtDutchItemsSold", sold);
        fixture->typeAndLeave("txtDutchFinalPrice", inLocale(lowestBid));
    }

    void enterPayment()
    {
        showTab(2);
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        fixture->typeAndLeave("txtPaymentAmount", QStringLiteral("100"));
    }

    // One calculation on each tab of eBay.com; the figures behind usRegular, usDutch, usPayment.
    void enterUsCalculations()
    {
        enterSingleItem(true, QStringLiteral("50"), QStringLiteral("75"), false);
        QCOMPARE(fixture->text("txtFees"), inLocale("5.09"));
        showTab(1);
        enterLot(QStringLiteral("5"), QStringLiteral("10.00"), QStringLiteral("5"), QStringLiteral("10.00"));
        QCOMPARE(fixture->text("txtDutchFees"), inLocale("5.03"));
        enterPayment();
        QCOMPARE(fixture->text("txtPayPalFee"), inLocale("3.20"));
    }

    static QString usRegular(int number)
    {
        return expectedRegular(number, QStringLiteral("$"),
                              {true, QStringLiteral("50.00"), true, QStringLiteral("75.00"), QStringLiteral("2.40"),
                               QStringLiteral("0.00"), QStringLiteral("2.69"), QStringLiteral("5.09")});
    }
    static QString usDutch(int number)
    {
        return expectedDutch(number, QStringLiteral("$"),
                            {QStringLiteral("5"), QStringLiteral("10.00"), QStringLiteral("5"), QStringLiteral("10.00"),
                             QStringLiteral("50.00"), QStringLiteral("0.00"), QStringLiteral("5.03"),
                             QStringLiteral("1.01")});
    }
    static QString usPayment(int number)
    {
        return expectedPayment(number, QStringLiteral("$"), QStringLiteral("100.00"), QStringLiteral("3.20"));
    }

    // Types `lines` short lines, some with a typing error put right with Backspace, letting the
    // event loop run now and then as it would between keys. The text after each line, in order.
    QStringList typeManyEdits(int lines) const
    {
        QStringList afterLine;
        for (int line = 0; line < lines; ++line) {
            typeIntoNotes(QStringLiteral("n%1 ").arg(line));
            if (line % 3 == 0) {
                typeIntoNotes(QStringLiteral("xy"));
                QTest::keyClick(notes(), Qt::Key_Backspace);
                QTest::keyClick(notes(), Qt::Key_Backspace);
            }
            typeIntoNotes(QStringLiteral("ok\n"));
            afterLine.append(notes()->toPlainText());
            if (line % 50 == 49)
                QCoreApplication::processEvents();
        }
        return afterLine;
    }

    // Types into the notepad as the user would, letters beyond ASCII included; "\n" is Return.
    void typeIntoNotes(const QString &keys) const { typeKeys(notes(), keys); }
    static void typeKeys(QWidget *box, const QString &keys)
    {
        for (const QChar character : keys) {
            if (character == QLatin1Char('\n'))
                QTest::keyClick(box, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key(character.toUpper().unicode()), QString(character),
                                    Qt::NoModifier);
        }
    }

    // The caret stands just before the final line feed, at the end of the last summary line.
    void verifyCaretBeforeFinalLineFeed()
    {
        const QString text = notes()->toPlainText();
        QVERIFY(text.endsWith(QLatin1Char('\n')));
        QCOMPARE(notes()->textCursor().position(), int(text.size()) - 1);
        QVERIFY(!notes()->textCursor().hasSelection());
    }

    // What a page prints outside its body: the header line and the page number (the date varies).
    static QStringList headerAndFooter(const PrintJob &job)
    {
        QStringList texts;
        for (const RecordingSurface::Printed &item : job.printed) {
            if (item.y < BodyTop)
                texts.append(item.text);
            else if (item.y >= FooterY && item.x > 720)
                texts.append(item.text);
        }
        return texts;
    }

    std::unique_ptr<WindowFixture> fixture;
    QList<PrintJob> jobs;
};

QTEST_MAIN(TestNotepad)
#include "tst_notepad.moc"
