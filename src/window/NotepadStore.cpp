#include "NotepadStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString NotepadStore::FilePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("notepad.txt"));
}

QString NotepadStore::Load()
{
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString NotepadStore::Save(const QString &notesText)
{
    return WriteTextFile(FilePath(), notesText);
}

QString WriteTextFile(const QString &path, const QString &text)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(text.toUtf8());
    if (!file.commit())
        return file.errorString();
    return QString();
}
