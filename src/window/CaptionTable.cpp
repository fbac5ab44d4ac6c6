#include "CaptionTable.h"

#include "Localization.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

void CaptionTable::setText(QObject *control, const QString &taggedText)
{
    m_entries.append({control, Property::Text, 0, taggedText});
    write(m_entries.back(), taggedText);
}

void CaptionTable::setToolTip(QObject *control, const QString &taggedText)
{
    m_entries.append({control, Property::ToolTip, 0, taggedText});
    write(m_entries.back(), taggedText);
}

void CaptionTable::setTabText(QTabWidget *tabs, int index, const QString &taggedText)
{
    m_entries.append({tabs, Property::TabText, index, taggedText});
    write(m_entries.back(), taggedText);
}

void CaptionTable::apply() const
{
    for (const Entry &entry : m_entries) {
        // An empty design-time tool tip stays empty; the lookup would only log it.
        write(entry, entry.taggedText.isEmpty() ? QString() : GetLocalizedString(entry.taggedText));
    }
}

void CaptionTable::write(const Entry &entry, const QString &text)
{
    QObject *control = entry.control;
    if (!control)
        return;
    switch (entry.property) {
    case Property::ToolTip:
        if (auto *widget = qobject_cast<QWidget *>(control))
            widget->setToolTip(text);
        else if (auto *action = qobject_cast<QAction *>(control))
            action->setToolTip(text);
        return;
    case Property::TabText:
        if (auto *tabs = qobject_cast<QTabWidget *>(control))
            tabs->setTabText(entry.index, text);
        return;
    case Property::Text:
        break;
    }
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(control))
        group->setTitle(text);
    else if (auto *menu = qobject_cast<QMenu *>(control))
        menu->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(control))
        action->setText(text);
    else if (auto *window = qobject_cast<QWidget *>(control))
        window->setWindowTitle(text);
}
