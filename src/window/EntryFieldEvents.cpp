#include "EntryFieldEvents.h"

#include "frmeBayFees.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Focus that comes and goes with the whole window (another program, a menu or a dialog) is not
// the user moving between fields.
bool movesBetweenFields(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

EntryFieldEvents::EntryFieldEvents(frmeBayFees *window) : QObject(window), m_window(window)
{
}

bool EntryFieldEvents::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_window->pressDefaultButton();
            return true;
        }
        // The copy and paste keys count as their control characters whatever text the platform
        // attaches to them; other keys without a printable character (Tab, arrows, Delete,
        // editing shortcuts) move or edit and are not filtered.
        int code = 0;
        if (key->matches(QKeySequence::Paste))
            code = 22;
        else if (key->matches(QKeySequence::Copy))
            code = 3;
        else if (key->key() == Qt::Key_Backspace)
            code = 8;
        else if (key->text().size() == 1 && key->text().front().isPrint())
            code = key->text().front().unicode();
        else
            return false;
        return m_window->entryFieldKeyPress(field, code) == 0;
    }
    case QEvent::FocusIn:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)))
            m_window->entryFieldGotFocus(field);
        return false;
    case QEvent::FocusOut:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)))
            m_window->entryFieldLostFocus(field);
        return false;
    default:
        return false;
    }
}
