#pragma once

// A disk that runs full, for the tests of writes that fail partway: a small tmpfs mounted for
// the test when it runs as root, else a limit on the size of any file this process (and the
// programs it starts) may write, which fails the same writes with EFBIG instead of ENOSPC.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class SmallDisk
{
public:
    SmallDisk()
    {
        if (!m_folder.isValid())
            return;
        const QByteArray where = QFile::encodeName(m_folder.path());
        m_mounted = ::geteuid() == 0 && ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=256k") == 0;
        m_usable = m_mounted || ::getrlimit(RLIMIT_FSIZE, &m_limit) == 0;
    }
    ~SmallDisk()
    {
        release();
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    // False when neither a file system nor a limit could be had: the test is skipped then.
    bool isUsable() const { return m_usable; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    // The system's error for a write that does not fit.
    int error() const { return m_mounted ? ENOSPC : EFBIG; }

    // From now on no write gets further than the first byte of a new file.
    void fill()
    {
        if (!m_mounted) {
            // The signal would end the process; the write's error is what is tested.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit none = m_limit;
            none.rlim_cur = 0;
            ::setrlimit(RLIMIT_FSIZE, &none);
            m_full = true;
            return;
        }
        QFile filler(filePath(QStringLiteral(".filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, 'x');
        while (filler.write(block) > 0) {
        }
        m_full = true;
    }
    void release()
    {
        if (!m_full)
            return;
        if (m_mounted)
            QFile::remove(filePath(QStringLiteral(".filler")));
        else
            ::setrlimit(RLIMIT_FSIZE, &m_limit);
        m_full = false;
    }

private:
    QTemporaryDir m_folder;
    rlimit m_limit{};
    bool m_mounted = false;
    bool m_usable = false;
    bool m_full = false;
};
