#pragma once

// Real file system failures for the failure paths of the writers, which work for root too (CI runs as root).
#include <QFile>
#include <QString>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
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
