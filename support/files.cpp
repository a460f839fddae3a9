// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/files.h"

#include "support/codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <csignal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace jotlet {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

bool hasDrive(const QString& path)
{
    return path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter() && path.at(0).unicode() < 128;
}

// Qt's text for the device's last error; where Qt has none ("Unknown error"), the system's text for errno.
ProblemFact fileErrorText(const QFileDevice& file, int systemError)
{
    const QLatin1String qtUnknown("Unknown error"); // untranslated: what Qt says when it has no words
    if (file.error() != QFileDevice::NoError && file.errorString() != qtUnknown) {
        return file.errorString();
    }
    return systemError != 0 ? ProblemFact(qt_error_string(systemError))
                            : ProblemFact(Problem(QT_TRANSLATE_NOOP("Problem", "the file could not be written")));
}

// Writes the file's data from the system's cache to the disk, so that an error only the disk reports is seen.
bool syncToDisk(QFileDevice& file)
{
#ifdef Q_OS_UNIX
    errno = 0;
    return ::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS; // nothing to sync on such files
#else
    return true;
#endif
}

} // namespace

bool fileExists(const QString& path)
{
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString fileNamePart(const QString& path)
{
    int start = 0;
    for (int i = 0; i + 1 < path.size(); ++i) {
        const bool separator = isSeparator(path.at(i)) || (i == 1 && hasDrive(path));
        if (separator && !isSeparator(path.at(i + 1))) {
            start = i + 1;
        }
    }
    return path.mid(start);
}

QString folderPart(const QString& path)
{
    int pos = 0;
    // A leading separator (or two, for \\server\share) belongs to the root.
    if (pos < path.size() && isSeparator(path.at(pos))) {
        ++pos;
    }
    if (pos < path.size() && isSeparator(path.at(pos))) {
        ++pos;
    }
    int cut = pos;
    if (hasDrive(path)) {
        cut = (path.size() > 2 && isSeparator(path.at(2))) ? 3 : 2;
        pos = cut;
    }
    for (; pos < path.size(); ++pos) {
        if (isSeparator(path.at(pos))) {
            cut = pos;
        }
    }
    return path.left(cut);
}

QString withTrailingSeparator(const QString& path)
{
    if (path.isEmpty() || isSeparator(path.back())) {
        return path;
    }
    QChar separator = QDir::separator();
    for (int i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path.at(i))) {
            separator = path.at(i);
            break;
        }
    }
    return path + separator;
}

QString desktopFolder()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString cutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QByteArray readAtMost(QFile& file, qint64 maxBytes)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(std::clamp<qint64>(file.size() - file.pos() + 1, 0, maxBytes)));
    while (bytes.size() < maxBytes) {
        const QByteArray chunk = file.read(std::min<qint64>(maxBytes - bytes.size(), 1 << 20));
        if (chunk.isEmpty()) {
            break;
        }
        bytes += chunk;
    }
    return bytes;
}

bool readFileText(const QString& path, QString* text, Problem* error, qint64 maxBytes)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' is a folder, not a file"), {path});
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "Cannot open '%1': %2"), {path, file.errorString()});
        return false;
    }
    const QByteArray bytes = readAtMost(file, maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "Cannot read '%1': %2"), {path, file.errorString()});
        return false;
    }
    if (bytes.size() > maxBytes) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' is larger than %2 bytes"), {path, maxBytes});
        return false;
    }
    if (isValidUtf8(bytes)) {
        *text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    } else {
        *text = decodeWindows1252(bytes);
    }
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, Problem* error, QFileDevice::FileError* code)
{
    const auto refuse = [&](const Problem& why, QFileDevice::FileError what) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "Cannot save '%1': %2"), {path, why});
        if (code) {
            *code = what;
        }
        return false;
    };
    const QFileInfo target(path);
    if (target.isDir()) {
        return refuse(Problem(QT_TRANSLATE_NOOP("Problem", "it is a folder")), QFileDevice::OpenError);
    }
    if (target.exists() && !target.isFile()) {
        return refuse(Problem(QT_TRANSLATE_NOOP("Problem", "it is not a regular file")), QFileDevice::OpenError);
    }
    QSaveFile file(path);
    // What failed, in a whole sentence each, so that every language can word it.
    const auto fail = [&](const char* what, int systemError) {
        *error = Problem(what, {path, fileErrorText(file, systemError)});
        if (code) {
            *code = file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
        }
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(QT_TRANSLATE_NOOP("Problem", "Cannot create '%1': %2"), errno);
    }
    // QSaveFile buffers small writes and does not notice when the last flush fails, so commit() would put an empty
    // or cut-short file in the target's place: flush and sync here, where a failure can still be seen.
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncToDisk(file)) {
        return fail(QT_TRANSLATE_NOOP("Problem", "Cannot write '%1': %2"), errno);
    }
    if (!file.commit()) {
        return fail(QT_TRANSLATE_NOOP("Problem", "Cannot save '%1': %2"), errno);
    }
    return true;
}

QString setFileAside(const QString& path)
{
    const QString base = path + QStringLiteral(".bad");
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = base + QLatin1Char('.') + QString::number(n);
    }
    return QFile::rename(path, aside) ? aside : QString();
}

bool canWriteInFolder(const QString& folder, Problem* problem)
{
    QDir().mkpath(folder);
    QFile probe(QDir(folder).filePath(QStringLiteral(".write-test-%1").arg(QCoreApplication::applicationPid())));
    const QByteArray bytes(4096, ' ');
    errno = 0;
    const bool written = probe.open(QIODevice::WriteOnly) && probe.write(bytes) == bytes.size() && probe.flush();
    if (!written) {
        *problem = Problem::of(fileErrorText(probe, errno));
    }
    probe.close();
    probe.remove();
    return written;
}

void ignoreFileSizeSignal()
{
#ifdef Q_OS_UNIX
    // Past a file-size limit, writes fail with EFBIG and are handled as any failed save.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace jotlet
