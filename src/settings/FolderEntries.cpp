#include "FolderEntries.h"

QFileInfoList EntriesNamed(const QDir &folder, QStringView start, QStringView end, QDir::Filters filters,
                           QDir::SortFlags sort)
{
    QFileInfoList named;
    for (const QFileInfo &entry : folder.entryInfoList(filters, sort)) {
        const QString name = entry.fileName();
        if (name.size() >= start.size() + end.size() && name.startsWith(start, Qt::CaseInsensitive)
            && name.endsWith(end, Qt::CaseInsensitive))
            named.append(entry);
    }
    return named;
}
