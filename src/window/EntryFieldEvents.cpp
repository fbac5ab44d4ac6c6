#include "EntryFieldEvents.h"

#include "frmeBayFees.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
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

// The field's own context menu, less its Paste: a field that refuses the paste key refuses the
// menu's Paste too. The action is known by its caption (in the running language), which is
// followed by the shortcut where the platform shows one.
void popUpMenuWithoutPaste(QLineEdit *field, QPoint globalPos)
{
    QMenu *menu = field->createStandardContextMenu();
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == pasteCaption)
            action->setEnabled(false);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

} // namespace

EntryFieldEvents::EntryFieldEvents(frmeBayFees *window) : QObject(window), m_window(window)
{
}

void EntryFieldEvents::watch(QLineEdit *field)
{
    field->installEventFilter(this);
}

void EntryFieldEvents::watchKeys(QLineEdit *field)
{
    m_keysOnly.append(field);
    field->installEventFilter(this);
}

bool EntryFieldEvents::handleKey(QLineEdit *field, const QKeyEvent *key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_keysOnly.contains(field))
            return false;
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

bool EntryFieldEvents::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field)
        return false;
    if (event->type() == QEvent::KeyPress) {
        m_enteredByClick = nullptr;
        return handleKey(field, static_cast<QKeyEvent *>(event));
    }
    if (m_keysOnly.contains(field))
        return false;
    switch (event->type()) {
    case QEvent::ContextMenu:
        if (m_window->entryFieldTakesPaste(field))
            return false;
        popUpMenuWithoutPaste(field, static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Entering, the text is judged on its own; moving and dropping, where the caret puts it.
        auto *drop = static_cast<QDropEvent *>(event);
        const QString text = drop->mimeData()->text();
        const int position =
            event->type() == QEvent::DragEnter ? -1 : field->cursorPositionAt(drop->position().toPoint());
        if (m_window->entryFieldTakesDrop(field, text, position))
            return false;
        drop->ignore();
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
