#include "CaptionTable.h"

#include "Brand.h"
#include "Localization.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include <algorithm>

namespace {

// A company name as a caption shows it: each "&" doubled, so that it is shown as written and
// not taken for the mnemonic, which stays the caption's own.
QString captionLiteral(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void CaptionTable::setText(QObject *control, const QString &taggedText)
{
    keep({control, Property::Text, 0, taggedText});
}

void CaptionTable::setToolTip(QObject *control, const QString &taggedText)
{
    keep({control, Property::ToolTip, 0, taggedText});
}

void CaptionTable::setTabText(QTabWidget *tabs, int index, const QString &taggedText)
{
    keep({tabs, Property::TabText, index, taggedText});
}

void CaptionTable::keep(const Entry &entry)
{
    m_entries.append(entry);
    // Before the first apply the control stays as it was made: that apply writes the text once,
    // translated, instead of the tagged text first and the translation after it.
    if (m_applied)
        write(entry, entry.taggedText);
}

bool CaptionTable::has(const QObject *control, Property property) const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(), [&](const Entry &entry) {
        return entry.control == control && entry.property == property;
    });
}

void CaptionTable::apply()
{
    m_applied = true;
    for (const Entry &entry : m_entries) {
        // An empty design-time tool tip stays empty; the lookup would only log it.
        QString text = entry.taggedText.isEmpty() ? QString() : GetLocalizedString(entry.taggedText);
        // Two menu items name the company, which a branded installation replaces.
        if (entry.property == Property::Text && entry.control) {
            const QString name = entry.control->objectName();
            if (name == QLatin1String("mnuHelpHomepage"))
                text = captionLiteral(CompanyName()) + QStringLiteral(" Homepage");
            else if (name == QLatin1String("mnuHelpSubscribe"))
                text.replace(QStringLiteral("Brontolux"), captionLiteral(CompanyName()), Qt::CaseSensitive);
        }
        write(entry, text);
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
