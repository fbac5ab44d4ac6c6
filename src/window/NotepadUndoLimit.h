#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QPlainTextEdit;

// Keeps the notepad's undo history to its most recent steps. A text document remembers every
// edit, and every character ever typed, while it can be undone, and offers no limit of its own.
// Once the history has grown by the kept steps' worth of entries beyond what the last trim left
// (and to at least twice that), the oldest steps go: the newest are undone one by one, noting what
// each changed; the emptied history lets the document free what only the old steps needed; and
// the kept steps are made again as edits of their own. Text, caret and scroll position end as
// they were, and Undo still goes back through those steps.
class NotepadUndoLimit : public QObject
{
    Q_OBJECT

public:
    // Undo steps kept: a run of typing is one, a line break another.
    static constexpr int DefaultKeptSteps = 500;

    explicit NotepadUndoLimit(QPlainTextEdit *notes, int keptSteps = DefaultKeptSteps);

private:
    // One step as it is made again: the characters at `position`, `length` of them, become `text`.
    struct Edit
    {
        int position;
        int length;
        QString text;
    };

    void scheduleTrim();
    void trim();
    // Undoes the newest `steps` steps, the edits that make them again kept in `redone` (newest
    // first). False when the document's changes could not be followed.
    bool undoKeeping(int steps, std::vector<Edit> &redone);
    void noteChange(int position, int charsRemoved, int charsAdded);

    QPlainTextEdit *m_notes;
    const int m_keptSteps;
    // The history is trimmed when it holds more steps than this. The newest step can be large
    // (clearing many lines is one step of many): a trim comes only after as many steps again.
    int m_trimAbove;
    bool m_scheduled = false;
    bool m_trimming = false;
    // The span of the undo step being followed: unchanged characters before and after it.
    qsizetype m_length = 0;
    qsizetype m_unchangedBefore = 0;
    qsizetype m_unchangedAfter = 0;
};
