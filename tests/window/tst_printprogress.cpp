#include "CWordWrap.h"
#include "PrintSurface.h"
#include "PrinterSurface.h"
#include "TestLocales.h"
#include "WindowFixture.h"
#include "../notes/PdfToText.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

// A PDF printer that takes at least PauseMs for every page it starts, so that how long a job
// runs does not depend on how fast this machine prints.
class PacedPdfSurface : public PrintSurface
{
public:
    static constexpr int PauseMs = 5;

    explicit PacedPdfSurface(const QString &path) : m_pdf(OpenPdfPrinter(path)) {}

    float CurrentX() const override { return m_pdf->CurrentX(); }
    float CurrentY() const override { return m_pdf->CurrentY(); }
    void setCurrentX(float x) override { m_pdf->setCurrentX(x); }
    void setCurrentY(float y) override { m_pdf->setCurrentY(y); }
    float PageWidth() const override { return m_pdf->PageWidth(); }
    float PageHeight() const override { return m_pdf->PageHeight(); }
    float TextWidth(const QString &text) const override { return m_pdf->TextWidth(text); }
    float TextHeight(const QString &text) const override { return m_pdf->TextHeight(text); }
    void Print(const QString &text) override { m_pdf->Print(text); }
    void EndLine() override { m_pdf->EndLine(); }
    void NewPage() override
    {
        QThread::msleep(PauseMs);
        m_pdf->NewPage();
    }
    int Page() const override { return m_pdf->Page(); }
    void EndDoc() override { m_pdf->EndDoc(); }

private:
    std::unique_ptr<PrintSurface> m_pdf;
};

// Counts the paint events of a widget: a window that paints while it prints is responding.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Numbered lines enough for the given number of pages of the usual print.
QString linesForPages(int pages)
{
    const std::unique_ptr<PrintSurface> probe = OpenPdfPrinter(QTemporaryDir().filePath(QStringLiteral("probe.pdf")));
    const CWordWrap wrap;
    const float lineHeight = probe->TextHeight(QStringLiteral("Line"));
    int perPage = 1;
    for (float y = wrap.MarginTop(); (y += lineHeight) <= probe->PageHeight() - wrap.MarginBottom();)
        ++perPage;
    probe->EndDoc();
    QString text;
    for (int line = 1; line <= perPage * pages; ++line)
        text += QStringLiteral("Line %1 of the notes\n").arg(line);
    return text;
}

// The pages of a PDF file as pdftotext reads them; an empty list when it cannot read the file.
QStringList pdfPages(const QString &path)
{
    QByteArray text;
    if (const QString error = runPdfToText({QStringLiteral("-layout"), path, QStringLiteral("-")}, text); !error.isEmpty()) {
        qWarning().noquote() << error;
        return {};
    }
    QStringList pages = QString::fromUtf8(text).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// What the test saw of the dialog while the job ran.
struct Seen
{
    int ticks = 0;
    int paintsWhileShown = 0;
    bool dialog = false;
    bool windowModal = false;
    QString title;
    QString label;
    QString cancelText;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool cancelClicked = false;
};

} // namespace

// A long print keeps the window responding and can be cancelled from a dialog that counts the
// pages; a short one prints without a dialog.
class TestPrintProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        UseNumberLocale(QLocale(QStringLiteral("en_US")));
        fixture = std::make_unique<WindowFixture>();
        // This test answers the progress dialog itself.
        fixture->watchdog.stop();
        CWordWrap::setSurfaceOpener([this] { return std::make_unique<PacedPdfSurface>(path); });
    }
    void cleanup()
    {
        CWordWrap::setSurfaceOpener(nullptr);
        fixture.reset();
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    void cancelEndsALongJob()
    {
        // At least 300 pages of PauseMs each: 1.5 s and more without Cancel.
        constexpr int FullPages = 300;
        auto *notes = fixture->find<QPlainTextEdit>("txtNotes");
        notes->setPlainText(linesForPages(FullPages));
        PaintCounter counter;
        fixture->window->installEventFilter(&counter);

        Seen seen;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [this, &seen, &counter, &poll] {
            ++seen.ticks;
            fixture->window->update();
            auto *dialog = fixture->window->findChild<QProgressDialog *>(QStringLiteral("printProgress"));
            if (!dialog || !dialog->isVisible())
                return;
            if (!seen.dialog) {
                seen.dialog = true;
                counter.paints = 0;
                return;  // the window gets a chance to paint before Cancel
            }
            seen.paintsWhileShown = counter.paints;
            seen.windowModal = dialog->windowModality() == Qt::WindowModal && dialog->parentWidget() == fixture->window.get();
            seen.title = dialog->windowTitle();
            seen.label = dialog->labelText();
            if (QGuiApplication::overrideCursor())
                seen.cursor = QGuiApplication::overrideCursor()->shape();
            auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("cmdCancelPrint"));
            if (!cancel)
                return;
            seen.cancelText = cancel->text();
            QTest::mouseClick(cancel, Qt::LeftButton);
            seen.cancelClicked = true;
            poll.stop();
        });
        poll.start();
        QTest::mouseClick(fixture->find<QPushButton>("cmdPrintNotepad"), Qt::LeftButton);
        poll.stop();

        QVERIFY2(seen.dialog, "no progress dialog during a job of 1.5 s and more");
        QVERIFY(seen.cancelClicked);
        QVERIFY(seen.windowModal);
        QCOMPARE(seen.title, QStringLiteral("Printing the Notes"));
        QCOMPARE(seen.cancelText, QStringLiteral("Cancel"));
        QCOMPARE(seen.cursor, Qt::BusyCursor);
        // Events went on between the pages: the timer ran and the window painted.
        QVERIFY2(seen.ticks >= 5, qPrintable(QString::number(seen.ticks)));
        QVERIFY2(seen.paintsWhileShown >= 1, qPrintable(QString::number(seen.paintsWhileShown)));

        // The job ended at the page in hand when Cancel was clicked: a valid file with those pages.
        QVERIFY2(seen.label.startsWith(QStringLiteral("Pages printed: ")), qPrintable(seen.label));
        const int pagesDone = seen.label.mid(15).toInt();
        QVERIFY2(pagesDone >= 1 && pagesDone < FullPages, qPrintable(seen.label));
        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), pagesDone);
        QVERIFY2(pages.last().contains(QStringLiteral("Page %1").arg(pagesDone)), qPrintable(pages.last().right(80)));
        QVERIFY(pages.last().contains(QStringLiteral("Line 1 of the notes")) == (pagesDone == 1));

        // Nothing is left over: the dialog is gone, the cursor restored, the window goes on.
        QVERIFY(!fixture->window->findChild<QProgressDialog *>(QStringLiteral("printProgress")));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(fixture->window->isVisible());
        QVERIFY(!notes->toPlainText().isEmpty());
        fixture->window->removeEventFilter(&counter);
    }

    void shortJobShowsNoDialog()
    {
        constexpr int Pages = 3;
        fixture->find<QPlainTextEdit>("txtNotes")->setPlainText(linesForPages(Pages));
        bool dialogSeen = false;
        QTimer poll;
        poll.setInterval(1);
        connect(&poll, &QTimer::timeout, this, [this, &dialogSeen] {
            if (fixture->window->findChild<QProgressDialog *>(QStringLiteral("printProgress")))
                dialogSeen = true;
        });
        poll.start();
        QTest::mouseClick(fixture->find<QPushButton>("cmdPrintNotepad"), Qt::LeftButton);
        poll.stop();

        QVERIFY(!dialogSeen);
        QVERIFY(!fixture->window->findChild<QProgressDialog *>(QStringLiteral("printProgress")));
        // The lines fill three pages; the final line feed opens a fourth.
        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), Pages + 1);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

private:
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("notes.pdf"));
    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestPrintProgress)
#include "tst_printprogress.moc"
