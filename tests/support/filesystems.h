#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

// File systems that refuse what the game asks of them, made for one test.

inline bool makeImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Makes a file or folder unchangeable, and sets it free again however the test ends, before
// its folder goes.
class ImmutableGuard
{
public:
    ~ImmutableGuard()
    {
        if (!m_path.isEmpty())
            makeImmutable(m_path, false);
    }
    bool set(const QString &path)
    {
        if (!makeImmutable(path, true))
            return false;
        m_path = QFileInfo(path).absoluteFilePath();
        return true;
    }

private:
    QString m_path;
};

// A small file system of its own (a tmpfs, which needs root), made the working directory while
// it lives. fill() takes all its room.
class SmallDisk
{
public:
    SmallDisk() : m_previous(QDir::currentPath())
    {
        if (::geteuid() != 0) {
            m_why = "mounting a file system needs root";
            return;
        }
        if (::mount("tmpfs", QFile::encodeName(m_mountPoint.path()).constData(), "tmpfs", 0,
                    "size=256k")
            != 0) {
            m_why = QByteArray("a tmpfs cannot be mounted here: ") + std::strerror(errno);
            return;
        }
        m_mounted = true;
        QDir::setCurrent(m_mountPoint.path());
    }
    ~SmallDisk()
    {
        QDir::setCurrent(m_previous);
        if (m_mounted)
            ::umount2(QFile::encodeName(m_mountPoint.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    // Why it is not mounted.
    const char *why() const { return m_why.constData(); }
    QString path() const { return m_mountPoint.path(); }

    // Takes all the room there is, but for spare bytes (whole pages), in files of its own.
    bool fill(qint64 spare = 0)
    {
        if (spare > 0 && write(QStringLiteral(".spare"), spare) != 0)
            return false;
        if (write(QStringLiteral(".filler"), qint64(1) << 40) != ENOSPC)
            return false;
        return spare == 0 || QFile::remove(QStringLiteral(".spare"));
    }

private:
    // Writes size bytes; 0 when all are written, else the error that stopped it.
    static int write(const QString &name, qint64 size)
    {
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT, 0600);
        if (fd < 0)
            return errno;
        const QByteArray page(4096, '\xEE');
        int error = 0;
        for (qint64 left = size; left > 0 && error == 0;) {
            const ssize_t n = ::write(fd, page.constData(), size_t(std::min<qint64>(4096, left)));
            if (n < 0)
                error = errno;
            else
                left -= n;
        }
        ::close(fd);
        return error;
    }

    QString m_previous;
    QTemporaryDir m_mountPoint;
    QByteArray m_why;
    bool m_mounted = false;
};
