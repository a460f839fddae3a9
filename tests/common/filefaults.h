// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real file system failures for the failure paths of the writers, which work for root too (CI runs as root).
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

// Files cannot grow past the given size while this lives, as on a full disk: writes beyond it fail (EFBIG).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved {};
};

// A folder nobody may write into while this lives. Root ignores permission bits, so for root the capability to
// override them is dropped from the effective set (and raised again afterwards).
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString& path)
        : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
        setOverrideCapabilities(false);
    }
    ~ReadOnlyFolder()
    {
        setOverrideCapabilities(true);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    static void setOverrideCapabilities(bool on)
    {
        if (geteuid() != 0) {
            return;
        }
        __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] {};
        if (syscall(SYS_capget, &header, data) != 0) {
            return;
        }
        const unsigned mask = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective = on ? (data[0].effective | (data[0].permitted & mask)) : (data[0].effective & ~mask);
        syscall(SYS_capset, &header, data);
    }

    QString m_path;
};

// A small RAM file system mounted for a test (mounting needs root, which the test command has), so that writes meet
// a real full disk: ENOSPC from the file system itself, at whatever moment the kernel finds no room. When it cannot
// be mounted, reason() says why, for the test to skip with.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(qint64 bytes)
    {
        if (!m_dir.isValid()) {
            m_reason = QStringLiteral("no temporary folder");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) != 0) {
            m_reason = QStringLiteral("cannot mount a small file system to fill (%1); a full disk is tested only "
                                      "where the test command runs as root")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
    }
    ~SmallFileSystem()
    {
        if (m_mounted) {
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
        }
    }

    bool isMounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Fills the file system until about freeBytes are left (0: until the first write fails).
    void fillLeaving(qint64 freeBytes)
    {
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC,
                              0600);
        char block[4096] = {};
        for (;;) {
            struct statvfs fs = {};
            ::statvfs(QFile::encodeName(path()).constData(), &fs);
            const qint64 left = qint64(fs.f_bavail) * qint64(fs.f_frsize) - freeBytes;
            if (left <= 0 || ::write(fd, block, size_t(qMin<qint64>(left, sizeof block))) <= 0) {
                break;
            }
        }
        ::close(fd);
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};
