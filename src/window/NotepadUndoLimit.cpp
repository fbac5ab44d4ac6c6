#include "NotepadUndoLimit.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

NotepadUndoLimit::NotepadUndoLimit(QPlainTextEdit *notes, int keptSteps)
    : QObject(notes), m_notes(notes), m_keptSteps(std::max(1, keptSteps)), m_trimAbove(2 * m_keptSteps)
{
    QTextDocument *document = notes->document();
    connect(document, &QTextDocument::undoCommandAdded, this, &NotepadUndoLimit::scheduleTrim);
    connect(document, &QTextDocument::contentsChange, this, &NotepadUndoLimit::noteChange);
}

void NotepadUndoLimit::scheduleTrim()
{
    // The document is still inside the edit that added the step: the trim waits for the event loop.
    if (m_trimming || m_scheduled || m_notes->document()->availableUndoSteps() <= m_trimAbove)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &NotepadUndoLimit::trim);
}

void NotepadUndoLimit::noteChange(int position, int charsRemoved, int charsAdded)
{
    if (!m_trimming)
        return;
    m_length += charsAdded - charsRemoved;
    m_unchangedBefore = std::min<qsizetype>(m_unchangedBefore, position);
    m_unchangedAfter = std::min<qsizetype>(m_unchangedAfter, std::max<qsizetype>(0, m_length - position - charsAdded));
}

bool NotepadUndoLimit::undoKeeping(int steps, std::vector<Edit> &redone)
{
    QTextDocument *document = m_notes->document();
    QString text = document->toRawText();
    while (int(redone.size()) < steps && document->isUndoAvailable()) {
        const int stepsBefore = document->availableUndoSteps();
        const qsizetype lengthBefore = text.size();
        m_length = lengthBefore;
        m_unchangedBefore = m_unchangedAfter = lengthBefore;
        document->undo();
        if (document->availableUndoSteps() >= stepsBefore || m_length != document->characterCount() - 1)
            return false;
        const qsizetype before = std::min(m_unchangedBefore, std::min(lengthBefore, m_length));
        const qsizetype after = std::min(m_unchangedAfter, std::min(lengthBefore, m_length) - before);
        QTextCursor undone(document);
        undone.setPosition(int(before));
        undone.setPosition(int(m_length - after), QTextCursor::KeepAnchor);
        const QString undoneText = undone.selectedText();
        const qsizetype redoneLength = lengthBefore - before - after;
        redone.push_back({int(before), int(undoneText.size()), text.mid(before, redoneLength)});
        text.replace(before, redoneLength, undoneText);
    }
    return text == document->toRawText();
}

void NotepadUndoLimit::trim()
{
    m_scheduled = false;
    QTextDocument *document = m_notes->document();
    // Steps undone and not yet made again belong to the user: nothing is dropped meanwhile.
    if (document->availableRedoSteps() > 0 || document->availableUndoSteps() <= m_trimAbove)
        return;
    const QScopedValueRollback trimming(m_trimming, true);
    const QString text = document->toRawText();
    const QTextCursor caret = m_notes->textCursor();
    const int anchor = caret.anchor(), position = caret.position();
    const int scrolledDown = m_notes->verticalScrollBar()->value();
    const int scrolledRight = m_notes->horizontalScrollBar()->value();
    const bool modified = document->isModified();

    std::vector<Edit> redone;
    const bool followed = undoKeeping(m_keptSteps, redone);
    if (!followed) {
        // Not understood: the history stays whole and the text goes back to where it was.
        while (document->isRedoAvailable() && document->toRawText() != text)
            document->redo();
    } else {
        document->setUndoRedoEnabled(false);
        document->setUndoRedoEnabled(true);
        for (auto edit = redone.rbegin(); edit != redone.rend(); ++edit) {
            // An unmodified document joins no edit to the one before: each step stays a step.
            document->setModified(false);
            QTextCursor cursor(document);
            cursor.setPosition(edit->position);
            cursor.setPosition(edit->position + edit->length, QTextCursor::KeepAnchor);
            const bool replaces = edit->length > 0 && !edit->text.isEmpty();
            if (replaces)
                cursor.beginEditBlock();
            if (edit->text.isEmpty())
                cursor.removeSelectedText();
            else
                cursor.insertText(edit->text);
            if (replaces)
                cursor.endEditBlock();
        }
    }
    if (document->toRawText() != text) {
        // The text is what counts: if the steps came out otherwise, it is put back as one step.
        QTextCursor everything(document);
        everything.select(QTextCursor::Document);
        everything.insertText(text);
    }
    QTextCursor restored(document);
    restored.setPosition(anchor);
    restored.setPosition(position, QTextCursor::KeepAnchor);
    m_notes->setTextCursor(restored);
    m_notes->verticalScrollBar()->setValue(scrolledDown);
    m_notes->horizontalScrollBar()->setValue(scrolledRight);
    document->setModified(modified);
    m_trimAbove = std::max(2 * m_keptSteps, document->availableUndoSteps() + m_keptSteps);
}
