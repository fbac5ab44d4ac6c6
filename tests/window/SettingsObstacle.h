#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>

#include "WriteFaults.h"

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

// What a test puts where the settings file belongs so that the store cannot be written (or read):
// a read-only file, a folder, a FIFO, a file where its folder belongs, a tiny file system that
// is full or has one page left for a file that needs two, or a disk that fails every flush. The
// obstacle is taken
// away again when the object goes, so that the next test finds a usable store.
class SettingsObstacle
{
public:
    enum Kind { ReadOnlyFile, Folder, Fifo, FileForFolder, FullDisk, OnePageFree, FlushFault };

    SettingsObstacle() = default;
    SettingsObstacle(const SettingsObstacle &) = delete;
    SettingsObstacle &operator=(const SettingsObstacle &) = delete;
    ~SettingsObstacle() { remove(); }

    // Places the obstacle at `path`; a file already there keeps its content where the obstacle
    // leaves a file (read-only file, full disk). Returns why not when it cannot be placed here.
    QString place(Kind kind, const QString &path)
    {
        remove();
        m_kind = kind;
        m_path = path;
        QFile existing(path);
        m_content = existing.open(QIODevice::ReadOnly) ? existing.readAll() : QByteArray();
        existing.close();
        QDir().mkpath(QFileInfo(path).absolutePath());
        switch (kind) {
        case ReadOnlyFile:
            if (!writeFile(path, m_content.isEmpty() ? QByteArray("[General]\n") : m_content))
                return QStringLiteral("cannot write the file");
            m_content = readFile(path);
            m_placed = QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            return m_placed ? QString() : QStringLiteral("cannot make the file read-only");
        case Folder:
            QFile::remove(path);
            m_placed = QDir().mkdir(path);
            return m_placed ? QString() : QStringLiteral("cannot make the folder");
        case Fifo:
#ifdef Q_OS_UNIX
            QFile::remove(path);
            m_placed = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
            return m_placed ? QString() : QStringLiteral("mkfifo failed");
#else
            return QStringLiteral("no FIFOs on this system");
#endif
        case FileForFolder: {
            // The folder with the file is put aside; a file takes its name.
            const QString folder = QFileInfo(path).absolutePath();
            m_aside = folder + QStringLiteral(".aside");
            if (!QDir().rename(folder, m_aside) || !writeFile(folder, QByteArray("not a folder\n")))
                return QStringLiteral("cannot put a file in place of the folder");
            m_placed = true;
            return QString();
        }
        case FullDisk:
            return placeFullDisk(0);
        case OnePageFree:
            // A file of more than one page, as a store with a long value has.
            m_content += "\n[Padding]\nText=" + QByteArray(6000, 'p') + '\n';
            return placeFullDisk(4096);
        case FlushFault:
            if (!writeFile(path, m_content))
                return QStringLiteral("cannot write the file");
            m_placed = WriteFaults::Arm(QFileInfo(path).absolutePath(), qint64(1) << 30, true);
            return m_placed ? QString() : QStringLiteral("write faults cannot be injected on this system");
        }
        return QStringLiteral("unknown obstacle");
    }

    // The obstacle is still as it was placed: nothing replaced or changed it.
    QString changed() const
    {
        const QFileInfo file(m_path);
        switch (m_kind) {
        case ReadOnlyFile:
        case FullDisk:
        case OnePageFree:
        case FlushFault:
            if (!file.isFile())
                return QStringLiteral("the file is gone");
            if (m_kind == ReadOnlyFile && file.permissions().testAnyFlags(QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther))
                return QStringLiteral("the file is writable now");
            return readFile(m_path) == m_content ? QString() : QStringLiteral("the file's content changed");
        case Folder:
            return file.isDir() ? QString() : QStringLiteral("the folder is gone");
        case FileForFolder:
            return readFile(file.absolutePath()) == "not a folder\n" ? QString() : QStringLiteral("the file in place of the folder changed");
        case Fifo:
            return file.exists() && !file.isFile() && !file.isDir() ? QString() : QStringLiteral("the FIFO is gone");
        }
        return QString();
    }

    void remove()
    {
        if (!m_placed)
            return;
        m_placed = false;
        switch (m_kind) {
        case ReadOnlyFile:
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
            QFile::remove(m_path);
            break;
        case Folder:
            QDir(m_path).removeRecursively();
            break;
        case Fifo:
            QFile::remove(m_path);
            break;
        case FileForFolder:
            QFile::remove(QFileInfo(m_path).absolutePath());
            QDir().rename(m_aside, QFileInfo(m_path).absolutePath());
            break;
        case FlushFault:
            WriteFaults::Disarm();
            break;
        case FullDisk:
        case OnePageFree:
#ifdef Q_OS_LINUX
            ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
#endif
            break;
        }
    }

private:
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size()
               && file.flush();
    }

    // A small file system mounted on the settings folder, holding the settings file as it was
    // and a filler that takes up every free byte but `room`. Needs the right to mount (root on Linux).
    QString placeFullDisk(qint64 room)
    {
#ifdef Q_OS_LINUX
        m_mountPoint = QFileInfo(m_path).absolutePath();
        if (::geteuid() != 0)
            return QStringLiteral("mounting a small file system needs root");
        if (::mount("tmpfs", QFile::encodeName(m_mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
            return QStringLiteral("no right to mount a small file system");
        m_placed = true;
        if (!writeFile(m_path, m_content))
            return QStringLiteral("cannot write the file on the small file system");
        QFile filler(m_mountPoint + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot create the filler");
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // Whole pages given back: the filler's last page, even a part-used one, and `room` more.
        const qint64 page = 4096;
        filler.close();
        const qint64 filled = QFileInfo(filler.fileName()).size();
        if (room > 0 && !QFile::resize(filler.fileName(), std::max<qint64>(0, (filled + page - 1) / page * page - room)))
            return QStringLiteral("cannot leave room beside the filler");
        m_content = readFile(m_path);
        return QString();
#else
        return QStringLiteral("no small file system to mount on this system");
#endif
    }

    Kind m_kind = ReadOnlyFile;
    bool m_placed = false;
    QString m_path;
    QString m_mountPoint;
    QString m_aside;
    QByteArray m_content;
};

// Ends the test process when a step hangs (a FIFO read would block for good), so that a
// regression fails instead of stalling the run.
class HangGuard
{
public:
#ifdef Q_OS_UNIX
    explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
#else
    explicit HangGuard(unsigned) {}
#endif
    HangGuard(const HangGuard &) = delete;
    HangGuard &operator=(const HangGuard &) = delete;
};
