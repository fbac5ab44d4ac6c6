#pragma once

// Injected write failures for files below one folder: the test process's own write() and fsync()
// stand in for the C library's, so every writer in the process (Qt's file classes included) meets
// the failure exactly as it would meet a full disk or a failing device. Include in one source file
// of a test program only. Linux only; elsewhere the faults cannot be armed.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace WriteFaults {

struct Plan
{
    QByteArray folder;        // files below this folder fail; empty: none do
    qint64 bytesLeft = 0;     // bytes that still go in before the disk is full
    bool failFlush = false;   // fsync reports an I/O error
};

inline Plan &plan()
{
    static Plan current;
    return current;
}

// From now on writes below folder fail once `room` bytes went in (ENOSPC), and when failFlush
// is set every flush to the disk fails (EIO).
inline bool Arm(const QString &folder, qint64 room, bool failFlush = false)
{
#ifdef Q_OS_LINUX
    plan() = {QFile::encodeName(folder) + '/', room, failFlush};
    return true;
#else
    Q_UNUSED(folder);
    Q_UNUSED(room);
    Q_UNUSED(failFlush);
    return false;
#endif
}

inline void Disarm()
{
    plan() = Plan();
}

#ifdef Q_OS_LINUX
inline bool isBelowFolder(int fd)
{
    if (plan().folder.isEmpty())
        return false;
    char target[4096];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t length = ::readlink(link.constData(), target, sizeof target - 1);
    return length > 0 && QByteArray(target, int(length)).startsWith(plan().folder);
}
#endif

} // namespace WriteFaults

#ifdef Q_OS_LINUX
extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    using Write = ssize_t (*)(int, const void *, size_t);
    static const auto realWrite = reinterpret_cast<Write>(::dlsym(RTLD_NEXT, "write"));
    if (size > 0 && WriteFaults::isBelowFolder(fd)) {
        WriteFaults::Plan &plan = WriteFaults::plan();
        if (plan.bytesLeft <= 0) {
            errno = ENOSPC;
            return -1;
        }
        size = size_t(std::min<qint64>(qint64(size), plan.bytesLeft));
        const ssize_t written = realWrite(fd, data, size);
        if (written > 0)
            plan.bytesLeft -= written;
        return written;
    }
    return realWrite(fd, data, size);
}

extern "C" int fsync(int fd)
{
    using Fsync = int (*)(int);
    static const auto realFsync = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    if (WriteFaults::plan().failFlush && WriteFaults::isBelowFolder(fd)) {
        errno = EIO;
        return -1;
    }
    return realFsync(fd);
}
#endif
