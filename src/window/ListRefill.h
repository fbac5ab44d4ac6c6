#pragma once

#include <QComboBox>
#include <QStringList>

// Empties a list, adds its items and selects `index`. The list's choice handler runs once, for
// the final selection, as it would after the user picked it.
inline void RefillList(QComboBox *list, const QStringList &items, int index)
{
    {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(-1);
    }
    list->setCurrentIndex(index);
}
