#include "EntryFieldEvents.h"

#include "frmeBayFees.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// Focus that comes and goes with the whole window (another program, a menu or a dialog) is not
// the user moving between fields.
bool movesBetweenFields(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

bool isLeftButton(const QEvent *event)
{
    return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
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
        m_enteredByClick = nullptr;
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
        const int passed = m_window->entryFieldKeyPress(field, code);
        if (passed == 0)
            return true;
        if (passed == code)
            return false;
        // The filter typed another character in place of this one: over the selection, at the caret.
        field->insert(QString(QChar(char16_t(passed))));
        return true;
    }
    case QEvent::MouseButtonPress:
        m_clickPressed = field == m_enteredByClick && isLeftButton(event) ? field : nullptr;
        m_enteredByClick = nullptr;
        return false;
    case QEvent::MouseButtonRelease:
        // A plain click that entered the field selects like Tab does; a drag keeps what it
        // selected, and later clicks in the field place the caret as usual.
        if (field == m_clickPressed && isLeftButton(event)) {
            m_clickPressed = nullptr;
            if (!field->hasSelectedText())
                m_window->entryFieldGotFocus(field);
        }
        return false;
    case QEvent::FocusIn: {
        const auto *focus = static_cast<QFocusEvent *>(event);
        if (movesBetweenFields(focus)) {
            m_window->entryFieldGotFocus(field);
            if (focus->reason() == Qt::MouseFocusReason)
                m_enteredByClick = field;
        }
        return false;
    }
    case QEvent::FocusOut:
        m_enteredByClick = nullptr;
        m_clickPressed = nullptr;
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)))
            m_window->entryFieldLostFocus(field);
        return false;
    default:
        return false;
    }
}
