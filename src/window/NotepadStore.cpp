#include "NotepadStore.h"

#include "VerifiedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr qint64 LeftoverAgeMs = 10 * 60 * 1000;

} // namespace

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
    // Nothing holds a lock on the file: only a new file left long ago is taken for a leftover.
    RemoveLeftoverNewFiles(path, LeftoverAgeMs);
    switch (ReplaceFileVerified(path, text.toUtf8())) {
    case FileReplaceProblem::None:
        return QString();
    case FileReplaceProblem::CannotCreate:
        return QStringLiteral("The file cannot be written in %1.").arg(QDir::toNativeSeparators(folder));
    case FileReplaceProblem::DiskFull:
        return QStringLiteral("There is no room left on the disk.");
    case FileReplaceProblem::WriteFailed:
        break;
    }
    return QStringLiteral("The file could not be written whole.");
}
