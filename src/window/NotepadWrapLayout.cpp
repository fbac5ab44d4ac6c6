#include "NotepadWrapLayout.h"

#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>

NotepadWrapLayout::NotepadWrapLayout(QTextDocument *document) : QPlainTextDocumentLayout(document) {}

namespace {

// Whether a run without spaces holds more than `longest` characters between two break chances.
// It is read in pieces, so that a word that is long from its start is known after its first piece.
bool hasLongGap(QStringView run, qsizetype longest)
{
    const qsizetype pieceLength = 4 * longest;
    qsizetype lastBreak = 0;
    for (qsizetype start = 0; start < run.size(); start += pieceLength) {
        const QStringView piece = run.mid(start, pieceLength);
        const bool lastPiece = start + piece.size() == run.size();
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, piece);
        for (qsizetype next = breaks.toNextBoundary(); next != -1; next = breaks.toNextBoundary()) {
            if (next == piece.size() && !lastPiece)
                break;
            if (start + next - lastBreak > longest)
                return true;
            lastBreak = start + next;
        }
        if (start + piece.size() - lastBreak > longest)
            return true;
    }
    return false;
}

// A space where text breaks (a no-break space does not).
bool breaksAtSpace(QChar c)
{
    return c.isSpace() && c.decompositionTag() != QChar::NoBreak;
}

} // namespace

bool NotepadWrapLayout::HasLongWord(const QTextBlock &block)
{
    if (block.length() <= LongWordLength)
        return false;
    // Spaces are found quickly; only the long runs between them need the line-break rules.
    const QString text = block.text();
    const QStringView view(text);
    qsizetype runStart = 0;
    for (qsizetype at = 0; at <= view.size(); ++at) {
        if (at < view.size() && !breaksAtSpace(view[at]))
            continue;
        if (at - runStart > LongWordLength && hasLongGap(view.mid(runStart, at - runStart), LongWordLength))
            return true;
        runStart = at + 1;
    }
    return false;
}

bool NotepadWrapLayout::breaksAnywhere(const QTextBlock &block) const
{
    return block.isValid() && document()->defaultTextOption().wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere
        && HasLongWord(block);
}

template <typename LayOut>
auto NotepadWrapLayout::withAnywhereWrap(LayOut layOut) const
{
    auto *self = const_cast<NotepadWrapLayout *>(this);
    QTextDocument *doc = document();
    const QTextOption configured = doc->defaultTextOption();
    QTextOption anywhere = configured;
    anywhere.setWrapMode(QTextOption::WrapAnywhere);
    {
        const QScopedValueRollback switching(self->m_switchingMode, true);
        doc->setDefaultTextOption(anywhere);
    }
    const auto restore = qScopeGuard([&] {
        const QScopedValueRollback switching(self->m_switchingMode, true);
        doc->setDefaultTextOption(configured);
    });
    return layOut();
}

QRectF NotepadWrapLayout::blockBoundingRect(const QTextBlock &block) const
{
    // A paragraph is laid out here when first needed after a change of width or a large edit.
    if (block.isValid() && block.layout()->lineCount() == 0 && breaksAnywhere(block))
        return withAnywhereWrap([&] { return QPlainTextDocumentLayout::blockBoundingRect(block); });
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void NotepadWrapLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    // Setting the wrap mode asks for a layout of everything; the paragraph at hand is all that changes.
    if (m_switchingMode)
        return;
    // An edit within one paragraph lays that paragraph out at once; others wait for blockBoundingRect.
    const QTextBlock first = document()->findBlock(from);
    const QTextBlock last = document()->findBlock(std::max(0, from + charsAdded - 1));
    if (first == last && breaksAnywhere(first))
        withAnywhereWrap([&] { QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded); });
    else
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
}
