#pragma once

#include <QPlainTextDocumentLayout>

// The notepad's text layout. Qt's word-or-anywhere wrapping measures every line of a paragraph up
// to the end of the word it breaks in, so a word of many thousand characters costs time that
// grows with the square of its length (a pasted megabyte without spaces takes half a minute).
// A paragraph holding such a word is laid out breaking anywhere instead: the same lines where
// the long word stands, linear in time. Every other paragraph wraps as the view is set to.
class NotepadWrapLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT

public:
    explicit NotepadWrapLayout(QTextDocument *document);

    QRectF blockBoundingRect(const QTextBlock &block) const override;

    // Characters between two break chances beyond which a paragraph wraps anywhere: far wider
    // than any view, short enough that word wrapping up to it stays cheap.
    static constexpr int LongWordLength = 1000;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    static bool HasLongWord(const QTextBlock &block);
    bool breaksAnywhere(const QTextBlock &block) const;
    // Runs `layOut` with the document's wrap mode set to anywhere; the switch itself relays nothing.
    template <typename LayOut>
    auto withAnywhereWrap(LayOut layOut) const;

    bool m_switchingMode = false;
};
