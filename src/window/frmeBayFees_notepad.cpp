// The notepad band: summaries added from the tabs, clearing, copying and printing.

#include "frmeBayFees.h"

#include "CWordWrap.h"
#include "Localization.h"
#include "PrintSurface.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

void frmeBayFees::connectNotepad()
{
    connect(cmdNotepad, &QPushButton::clicked, this, [this] { cmdNotepad_Click(); });
    connect(cmdClearNotepad, &QPushButton::clicked, this, [this] { cmdClearNotepad_Click(); });
    connect(cmdCopyNotepad, &QPushButton::clicked, this, [this] { cmdCopyNotepad_Click(); });
    connect(cmdPrintNotepad, &QPushButton::clicked, this, [this] { PrintNotepad(); });
    connect(mnuFilePrint, &QAction::triggered, this, [this] { PrintNotepad(); });
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
    QGuiApplication::clipboard()->setText(txtNotes->toPlainText());
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
        printer.PrintText(txtNotes->toPlainText());
    } catch (const PrintError &error) {
        QMessageBox box(QMessageBox::Warning, ApplicationTitle(), error.Description,
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("printErrorMessage"));
        box.exec();
    }
}
