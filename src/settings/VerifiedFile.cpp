#include "VerifiedFile.h"

#include "FolderEntries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

FileReplaceProblem problemOfErrno(int error)
{
#ifdef Q_OS_UNIX
    if (error == ENOSPC || error == EDQUOT)
        return FileReplaceProblem::DiskFull;
    if (error == EACCES || error == EPERM || error == EROFS)
        return FileReplaceProblem::CannotCreate;
#else
    Q_UNUSED(error);
#endif
    return FileReplaceProblem::WriteFailed;
}

#ifdef Q_OS_UNIX

// Every byte or the errno of the write that stopped short.
int writeWhole(int fd, const QByteArray &content)
{
    const char *data = content.constData();
    qint64 left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // A write that takes nothing and reports no error would loop for ever: the disk is full.
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

// Later than the file it replaces, even within the clock's granularity.
void makeNewerThan(int fd, const QString &oldPath)
{
    struct stat oldStat {};
    struct stat newStat {};
    if (::stat(QFile::encodeName(oldPath).constData(), &oldStat) != 0 || ::fstat(fd, &newStat) != 0)
        return;
    const auto nanoseconds = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    const qint64 oldTime = nanoseconds(oldStat.st_mtim);
    if (nanoseconds(newStat.st_mtim) / 1000000 > oldTime / 1000000)
        return;
    const qint64 later = (oldTime / 1000000 + 1) * 1000000;
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(later / 1000000000), long(later % 1000000000)}};
    ::futimens(fd, times);
}

// The content written to fd, flushed to the disk and the file closed: 0, or the errno.
int writeAndFlush(int fd, const QByteArray &content, const QString &oldPath)
{
    int error = writeWhole(fd, content);
    if (error == 0) {
        makeNewerThan(fd, oldPath);
        if (::fsync(fd) != 0)
            error = errno;
    }
    // A file system may report a failed write only when the file is closed.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

void flushFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#endif

bool readsBackAs(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == content.size() && file.readAll() == content;
}

} // namespace

QString NewFileTemplate(const QString &path)
{
    return path + QStringLiteral(".new-XXXXXX");
}

void RemoveLeftoverNewFiles(const QString &path, qint64 minimumAgeMs)
{
    // The template's six X's stand for the random part of the name.
    const QString start = QFileInfo(NewFileTemplate(path)).fileName().chopped(6);
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList leftovers =
        EntriesNamed(QFileInfo(path).absoluteDir(), start, {}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &leftover : leftovers) {
        if (leftover.lastModified().msecsTo(now) >= minimumAgeMs)
            QFile::remove(leftover.filePath());
    }
}

FileReplaceProblem ReplaceFileVerified(const QString &path, const QByteArray &content,
                                       const std::function<bool(const QString &newFile)> &accept)
{
    QTemporaryFile newFile(NewFileTemplate(path));
    if (!newFile.open())
        return problemOfErrno(errno);
    // The file keeps the permissions of the one it replaces; a new one those of a file the user saves.
    const QFileInfo old(path);
    newFile.setPermissions(old.exists() ? old.permissions()
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
#ifdef Q_OS_UNIX
    // The bytes go through an unbuffered descriptor of our own so that every failure is seen where
    // it happens, the flush to the disk included.
    const int fd = ::dup(newFile.handle());
    newFile.close();
    if (fd < 0)
        return FileReplaceProblem::WriteFailed;
    if (const int error = writeAndFlush(fd, content, path); error != 0)
        return problemOfErrno(error);
#else
    if (newFile.write(content) != content.size() || !newFile.flush()) {
        newFile.close();
        return FileReplaceProblem::WriteFailed;
    }
    newFile.close();
#endif
    if (!readsBackAs(newFile.fileName(), content) || (accept && !accept(newFile.fileName())))
        return FileReplaceProblem::WriteFailed;
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(newFile.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return problemOfErrno(errno);
    newFile.setAutoRemove(false);
    flushFolder(QFileInfo(path).absolutePath());
#else
    if (!QFile::rename(newFile.fileName(), path) && !(QFile::remove(path) && QFile::rename(newFile.fileName(), path)))
        return FileReplaceProblem::WriteFailed;
    newFile.setAutoRemove(false);
#endif
    return FileReplaceProblem::None;
}
