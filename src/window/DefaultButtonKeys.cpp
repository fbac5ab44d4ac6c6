#include "DefaultButtonKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Return, or Enter on the keypad, without a modifier that would make it another command.
bool isEnterKey(const QKeyEvent *key)
{
    if (key->key() == Qt::Key_Return)
        return key->modifiers() == Qt::NoModifier;
    if (key->key() == Qt::Key_Enter)
        return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return false;
}

} // namespace

DefaultButtonKeys::DefaultButtonKeys(QTabWidget *tabs) : QObject(tabs), m_tabs(tabs)
{
    tabs->installEventFilter(this);
}

void DefaultButtonKeys::setDefaultButton(QPushButton *button)
{
    if (m_defaultButton && m_defaultButton != button)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button)
        button->setDefault(true);
}

void DefaultButtonKeys::pressDefaultButton()
{
    if (m_defaultButton && m_defaultButton->isEnabled())
        m_defaultButton->click();
}

bool DefaultButtonKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_tabs || event->type() != QEvent::KeyPress || !isEnterKey(static_cast<QKeyEvent *>(event)))
        return false;
    // The key reaches the tab control only when the focused control did not use it; key presses
    // go to the focused control, so that is the one the user pressed Enter on.
    QWidget *focused = QApplication::focusWidget();
    if (!focused || !m_tabs->isAncestorOf(focused))
        return false;
    if (auto *button = qobject_cast<QPushButton *>(focused)) {
        button->click();
        return true;
    }
    QWidget *page = m_tabs->currentWidget();
    if (!page || !page->isAncestorOf(focused) || !m_defaultButton || !page->isAncestorOf(m_defaultButton))
        return false;
    pressDefaultButton();
    return true;
}
