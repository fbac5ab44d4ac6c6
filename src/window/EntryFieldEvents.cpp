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
        const QString typed = key->text();
        if (typed.size() != 1)
            return false;
        const char16_t code = typed.front().unicode();
        // Tab, Escape and Delete move or edit; they are not typed characters.
        if (code == u'\t' || code == 0x1b || code == 0x7f)
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
