#include "AccessibleNames.h"

#include "Localization.h"

#include <QLabel>
#include <QRegularExpression>

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
    // A lone "&" marks the mnemonic; "&&" is a real ampersand.
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    QString name = caption;
    name.replace(mnemonic, QStringLiteral("\\1"));
    name = name.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}
