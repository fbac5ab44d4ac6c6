#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Why a file could not be replaced. In every case the old file is left as it was.
enum class FileReplaceProblem {
    None,
    CannotCreate,  // no new file may be made beside the old one (permissions, a read-only file system)
    DiskFull,      // no room on the disk, or in the user's quota, for the new content
    WriteFailed,   // the write, the flush to the disk or the check of what was written failed
};

// Replaces the file at path with content so that it is never left cut or emptied: the content
// goes to a new file beside it ("<name>.new-XXXXXX"), which is flushed to the disk, read back and
// compared byte for byte, then handed to accept (when given) for a check of its own, and only then
// renamed over the old file. On any failure the new file is removed again.
//
// The new file is always given a later modification time than the one it replaces, so a reader
// that tells a change by size and time never takes it for the old one.
//
FileReplaceProblem ReplaceFileVerified(const QString &path, const QByteArray &content,
                                       const std::function<bool(const QString &newFile)> &accept = {});

// Removes the new files that writers killed before their rename left beside path, those at least
// minimumAgeMs old. A caller that holds the file's lock knows that all of them are left over.
void RemoveLeftoverNewFiles(const QString &path, qint64 minimumAgeMs = 0);

// The QTemporaryFile template of a new file beside path, "<path>.new-XXXXXX": a scratch file made
// there by another writer is taken for a leftover too.
QString NewFileTemplate(const QString &path);
