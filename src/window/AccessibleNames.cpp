#include "AccessibleNames.h"

#include "Localization.h"

#include <QLabel>

void AccessibleNames::nameAfter(QWidget *control, const QLabel *caption)
{
    m_entries.append({control, caption, QString()});
}

void AccessibleNames::nameAs(QWidget *control, const QString &taggedName)
{
    m_entries.append({control, nullptr, taggedName});
}

void AccessibleNames::apply() const
{
    for (const Entry &entry : m_entries) {
        if (!entry.control)
            continue;
        entry.control->setAccessibleName(entry.caption ? nameFromCaption(entry.caption->text())
                                                       : GetLocalizedString(entry.taggedName));
    }
}

QString AccessibleNames::nameFromCaption(const QString &caption)
{
    // A lone "&" marks the mnemonic; "&&" is a real ampersand. An "&" at the end, or before a line
    // break, marks nothing and stays.
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size() && caption[i + 1] != QLatin1Char('\n'))
            ++i;
        name += caption[i];
    }
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}
