#include "FolderEntries.h"

#include <QDirIterator>

#include <algorithm>

QFileInfoList EntriesNamed(const QDir &folder, QStringView start, QStringView end, QDir::Filters filters)
{
    QFileInfoList named;
    QDirIterator entries(folder.path(), filters);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (name.size() >= start.size() + end.size() && name.startsWith(start, Qt::CaseInsensitive)
            && name.endsWith(end, Qt::CaseInsensitive))
            named.append(entries.fileInfo());
    }
    std::sort(named.begin(), named.end(),
              [](const QFileInfo &a, const QFileInfo &b) { return a.fileName() < b.fileName(); });
    return named;
}
