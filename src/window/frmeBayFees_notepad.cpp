// The notepad band: summaries added from the tabs, clearing, copying and printing, the text kept
// between runs and saved as a text or PDF file.

#include "frmeBayFees.h"

#include "CWordWrap.h"
#include "Localization.h"
#include "NotepadStore.h"
#include "NotepadUndoLimit.h"
#include "NotepadWrapLayout.h"
#include "PrintProgress.h"
#include "PrintSurface.h"
#include "PrintingPlugin.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// A change is kept this long after the typing stops, so that a crash loses little.
constexpr int NotepadSaveDelayMs = 2000;

} // namespace

void frmeBayFees::connectNotepad()
{
    // A word wider than the box wraps anywhere, however long; the undo history keeps its recent
    // steps only. Both belong to the document, set up before any text arrives.
    QTextDocument *previous = txtNotes->document();
    auto *document = new QTextDocument(txtNotes);
    document->setDocumentLayout(new NotepadWrapLayout(document));
    document->setDefaultFont(previous->defaultFont());
    document->setDocumentMargin(previous->documentMargin());
    document->setDefaultTextOption(previous->defaultTextOption());
    txtNotes->setDocument(document);
    txtNotes->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    new NotepadUndoLimit(txtNotes);

    connect(cmdNotepad, &QPushButton::clicked, this, [this] { cmdNotepad_Click(); });
    connect(cmdClearNotepad, &QPushButton::clicked, this, [this] { cmdClearNotepad_Click(); });
    connect(cmdCopyNotepad, &QPushButton::clicked, this, [this] { cmdCopyNotepad_Click(); });
    connect(cmdPrintNotepad, &QPushButton::clicked, this, [this] { PrintNotepad(); });
    connect(mnuFilePrint, &QAction::triggered, this, [this] { PrintNotepad(); });
    connect(mnuFileSaveNotepadAs, &QAction::triggered, this, [this] { mnuFileSaveNotepadAs_Click(); });
    connect(cmdAddRegularToNotes, &QPushButton::clicked, this, [this] {
        AppendToNotes(m_oNotes.AddToNotesRegular(cboIsReserve->currentIndex() != 0, txtStartingPrice->text(),
                                                 txtInsertionFee->text(), txtExtras->text(), ItemSold(),
                                                 txtPrice->text(), txtFVF->text(), txtFees->text(), m_oSite));
    });
    connect(cmdAddDutchToNotes, &QPushButton::clicked, this, [this] {
        AppendToNotes(m_oNotes.AddToNotesDutch(txtDutchItemsOffered->text(), txtDutchOpeningPrice->text(),
                                               txtExtraFeaturesDutch->text(), txtDutchItemsSold->text(),
                                               txtDutchFinalPrice->text(), txtTotalDutchAuctionSales->text(),
                                               txtDutchFees->text(), txtDutchCostPerItem->text(), m_oSite));
    });
    connect(cmdAddPaymentsToNotes, &QPushButton::clicked, this, [this] {
        AppendToNotes(m_oNotes.AddToNotesPayment(txtPaymentAmount->text(), txtPayPalFee->text(), m_oSite));
    });

    // The window is not shown yet: the kept notes are there at the first paint.
    RestoreNotepad();
    m_notepadSaveTimer = new QTimer(this);
    m_notepadSaveTimer->setSingleShot(true);
    m_notepadSaveTimer->setInterval(NotepadSaveDelayMs);
    connect(m_notepadSaveTimer, &QTimer::timeout, this, [this] { SaveNotepad(); });
    connect(txtNotes, &QPlainTextEdit::textChanged, this, [this] {
        m_notepadChanged = true;
        m_notepadSaveTimer->start();
    });
}

QString frmeBayFees::NotesText() const
{
    // The box keeps a line end as a paragraph break; the raw text keeps every other character
    // (no-break spaces included) as typed.
    QString text = txtNotes->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

void frmeBayFees::RestoreNotepad()
{
    const QString kept = NotepadStore::Load();
    txtNotes->setPlainText(kept);
    m_oNotes.ContinueNumberingAfter(kept);
}

QString frmeBayFees::SaveNotepad()
{
    // Unchanged notes are not written: another window's newer notes stay as they are.
    if (!m_notepadChanged)
        return QString();
    const QString problem = NotepadStore::Save(NotesText());
    if (problem.isEmpty())
        m_notepadChanged = false;
    return problem;
}

void frmeBayFees::SaveNotepadAtUnload()
{
    m_notepadSaveTimer->stop();
    const QString problem = SaveNotepad();
    // Earlier failed saves were silent: this is the one message, when nothing else can keep them.
    if (!problem.isEmpty())
        ShowWarning("notepadSaveErrorMessage",
                           GetLocalizedString(QStringLiteral("The notes could not be kept for the next start: %1 "
                                                             "could not be written.\n%2<0705>"))
                               .arg(QDir::toNativeSeparators(NotepadStore::FilePath()), problem));
}

QString frmeBayFees::AskNotesFileName(const QString &title, const QString &filter, const QString &suffix)
{
    // Qt's own dialog, the same on every platform.
    QFileDialog dialog(this, title, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
    dialog.setObjectName(QStringLiteral("notepadFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(GetLocalizedString(QStringLiteral("Calvextra Notes<0668>")) + QLatin1Char('.') + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void frmeBayFees::mnuFileSaveNotepadAs_Click()
{
    const QString path = AskNotesFileName(GetLocalizedString(QStringLiteral("Save Notepad As<0702>")),
                                          GetLocalizedString(QStringLiteral("Text files (*.txt)<0703>")),
                                          QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    const QString problem = WriteTextFile(path, NotesText());
    if (!problem.isEmpty())
        ShowWarning("notepadSaveAsErrorMessage",
                           GetLocalizedString(QStringLiteral("The notes could not be saved to %1.\n%2<0704>"))
                               .arg(QDir::toNativeSeparators(path), problem));
}

void frmeBayFees::cmdNotepad_Click()
{
    m_notepadVisible = !m_notepadVisible;
    RefreshOptionStates();
}

void frmeBayFees::cmdClearNotepad_Click()
{
    // Through a cursor, so that Undo brings the text back.
    QTextCursor everything(txtNotes->document());
    everything.select(QTextCursor::Document);
    everything.removeSelectedText();
}

void frmeBayFees::cmdCopyNotepad_Click()
{
    QGuiApplication::clipboard()->setText(NotesText());
}

void frmeBayFees::AppendToNotes(const QString &summary)
{
    // Summaries go at the end whatever the caret's place; the user's own text stays as typed.
    QTextCursor end(txtNotes->document());
    end.movePosition(QTextCursor::End);
    end.insertText(summary);

    // The caret goes just before the final line feed, and the box scrolls to show it.
    QTextCursor caret = txtNotes->textCursor();
    caret.setPosition(std::max(0, txtNotes->document()->characterCount() - 2));
    txtNotes->setTextCursor(caret);
    txtNotes->ensureCursorVisible();
}

void frmeBayFees::PrintNotepad()
{
    try {
        CWordWrap printer;
        PrintProgress progress(this);
        progress.watch(printer);
        printer.PrintText(NotesText());
    } catch (const PrintError &error) {
        if (error.NoPrinterInstalled)
            OfferPdfInsteadOfPrinter(error.Description);
        else
            ShowWarning("printErrorMessage", error.Description);
    }
}

void frmeBayFees::OfferPdfInsteadOfPrinter(const QString &problem)
{
    QMessageBox offer(QMessageBox::Question, ApplicationTitle(),
                      problem + QStringLiteral("\n\n")
                          + GetLocalizedString(QStringLiteral("Save the notes as a PDF file instead?<0706>")),
                      QMessageBox::Yes | QMessageBox::No, this);
    offer.setObjectName(QStringLiteral("noPrinterMessage"));
    offer.setDefaultButton(QMessageBox::Yes);
    if (offer.exec() != QMessageBox::Yes)
        return;
    const QString path = AskNotesFileName(GetLocalizedString(QStringLiteral("Save Notes as PDF<0707>")),
                                          GetLocalizedString(QStringLiteral("PDF files (*.pdf)<0708>")),
                                          QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    // The pages of a print: the same word wrap, margins, header and face, on paper in a file.
    try {
        CWordWrap printer;
        PrintProgress progress(this);
        progress.watch(printer);
        const std::unique_ptr<PrintSurface> pdf = PrintingPlugin::OpenPdfPrinter(path);
        printer.PrintText(NotesText(), *pdf);
    } catch (const PrintError &error) {
        ShowWarning("printErrorMessage", error.Description);
    }
}
