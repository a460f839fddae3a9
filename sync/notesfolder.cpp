// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/notesfolder.h"

#include "notes/notefile.h"
#include "notes/trash.h"
#include "support/files.h"
#include "sync/versionstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace jotlet {

namespace {

// Syncthing leaves files starting "~syncthing~" alone as its own temporary files, Nextcloud every name holding ".~",
// Dropbox names starting with "~" and ending in ".tmp".
const QString kTemporaryPrefix = QStringLiteral("~syncthing~");
const QString kTemporaryMark = QStringLiteral(".~jotlet-");
const QString kTemporarySuffix = QStringLiteral(".tmp");

QString temporaryNameFor(const QString& path)
{
    const QFileInfo info(path);
    const QString random = QString::number(QRandomGenerator::global()->generate64(), 36);
    return info.path() + QLatin1Char('/') + kTemporaryPrefix + info.fileName() + kTemporaryMark + random
           + kTemporarySuffix;
}

enum class Opened { Ok, Missing, NotRegular, Failed };

// Opens a regular file for reading, never through a symbolic link.
Opened openRegular(QFile& file, const QString& path, qint64* size, Problem* failure)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        *failure = Problem::of(qt_error_string(error));
        return error == ENOENT ? Opened::Missing : error == ELOOP ? Opened::NotRegular : Opened::Failed;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        *failure = Problem(QT_TRANSLATE_NOOP("Problem", "not a regular file"));
        return Opened::NotRegular;
    }
    *size = qint64(status.st_size);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *failure = Problem::of(file.errorString());
        return Opened::Failed;
    }
    return Opened::Ok;
#else
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return Opened::Missing;
    }
    if (info.isSymLink() || !info.isFile()) {
        *failure = Problem(QT_TRANSLATE_NOOP("Problem", "not a regular file"));
        return Opened::NotRegular;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *failure = file.errorString();
        return Opened::Failed;
    }
    *size = file.size();
    return Opened::Ok;
#endif
}

bool syncFile(QFile& file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS;
#else
    return file.flush();
#endif
}

// Puts the temporary file in the target's place in one step (replacing it, never through a link).
bool replaceWith(const QString& temporary, const QString& target)
{
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(temporary).utf16()),
                       reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
#endif
}

// Sets a file's modification time, never through a link.
void setModified(const QString& path, const QDateTime& when)
{
#ifdef Q_OS_UNIX
    const qint64 ms = when.toMSecsSinceEpoch();
    const struct timespec times[2] = {{ms / 1000, (ms % 1000) * 1000000}, {ms / 1000, (ms % 1000) * 1000000}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW);
#else
    QFile file(path);
    if (!QFileInfo(path).isSymLink() && file.open(QIODevice::ReadWrite)) {
        file.setFileTime(when, QFileDevice::FileModificationTime);
    }
#endif
}

// Each note's own file first: the one named after its id, then others that are not an engine's conflict copy.
// A conflict copy stays one even when the note's own file is gone (let go of elsewhere): the user decides.
void orderAndPair(QList<FolderNote>* found)
{
    const auto rank = [](const FolderNote& note) {
        const QString name = QFileInfo(note.path).fileName();
        return name == note.note.identity.id + QStringLiteral(".not") ? 0
               : conflictOriginalName(name).isEmpty()                 ? 1
                                                                      : 2;
    };
    std::stable_sort(
        found->begin(), found->end(), [&rank](const FolderNote& a, const FolderNote& b) { return rank(a) < rank(b); });
    QSet<QString> owned;                  // ids that have their own file
    QHash<QString, QString> idOfFileName; // file name -> id
    for (FolderNote& note : *found) {
        const QString name = QFileInfo(note.path).fileName();
        const QString original = conflictOriginalName(name);
        note.conflictOf.clear();
        if (!original.isEmpty()) {
            note.conflictOf = idOfFileName.value(original, note.note.identity.id); // a copy may have a new ID too
        } else if (owned.contains(note.note.identity.id)) {
            note.conflictOf = note.note.identity.id;
        } else {
            owned.insert(note.note.identity.id);
            idOfFileName.insert(name, note.note.identity.id);
        }
    }
}

} // namespace

const QString NotesFolder::kMarkName = QStringLiteral(".jotlet-notes-folder");

QString conflictOriginalName(const QString& fileName)
{
    // untranslated: the names sync tools give their conflict copies
    static const QRegularExpression conflict(QStringLiteral("^(.+?)(?:\\.sync-conflict-\\d{8}-\\d{6}(?:-[A-Z0-9]{7})?"
                                                            "| \\((?:[^()]*'s )?conflicted copy[^()]*\\))\\.not$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = conflict.match(fileName);
    return match.hasMatch() ? match.captured(1) + QStringLiteral(".not") : QString();
}

bool isFolderNoteName(const QString& fileName)
{
    // Syncthing's ".syncthing.x.tmp" and "~syncthing~x.tmp", Nextcloud's ".~lock" and "*.part", Dropbox's ".dropbox"
    // and this program's own temporary files: all start with a dot or a tilde, or do not end in ".not".
    return fileName.endsWith(QLatin1String(".not"), Qt::CaseInsensitive) && !fileName.startsWith(QLatin1Char('.'))
           && !fileName.startsWith(QLatin1Char('~'));
}

NotesFolder::NotesFolder(QString path)
    : m_path(std::move(path))
{
}

QString NotesFolder::trashPath() const
{
    return m_path + QStringLiteral("/.trash");
}

QString NotesFolder::unreadablePath() const
{
    return m_path + QStringLiteral("/.unreadable");
}

QString NotesFolder::mergedPath() const
{
    return m_path + QStringLiteral("/.merged");
}

QString NotesFolder::fileFor(const QString& id) const
{
    return m_path + QLatin1Char('/') + id + QStringLiteral(".not");
}

bool NotesFolder::isMarked() const
{
    const QFileInfo mark(m_path + QLatin1Char('/') + kMarkName);
    return mark.exists() && !mark.isSymLink();
}

bool NotesFolder::mark(Problem* failure) const
{
    if (isMarked()) {
        return true;
    }
    QDir().mkpath(m_path);
    QFile mark(m_path + QLatin1Char('/') + kMarkName);
    // The same bytes on every computer, so that two computers marking the folder at once agree.
    const QByteArray text = "This folder holds Jotlet's notes, one .not file each. Jotlet writes notes here only\n"
                            "while this file is here, so that it never writes into an empty mount point.\n";
    if (!mark.open(QIODevice::WriteOnly) || mark.write(text) != text.size()) {
        *failure = Problem::of(mark.errorString());
        return false;
    }
    return true;
}

bool NotesFolder::readNote(const QString& path, QByteArray* bytes, bool* missing, Problem* failure) const
{
    Problem why;
    QFile file;
    qint64 size = 0;
    const Opened opened = openRegular(file, path, &size, &why);
    if (missing) {
        *missing = opened == Opened::Missing;
    }
    bytes->clear();
    if (opened == Opened::Missing) {
        return true;
    }
    if (opened == Opened::Ok && size > kMaxNoteFileBytes) {
        why = Problem(QT_TRANSLATE_NOOP("Problem", "it is %1 MB, more than the %2 MB a note file may hold"),
                      {size / (1024 * 1024), kMaxNoteFileBytes / (1024 * 1024)});
    } else if (opened == Opened::Ok) {
        *bytes = readAtMost(file, kMaxNoteFileBytes + 1);
        if (bytes->size() <= kMaxNoteFileBytes) {
            return true;
        }
        bytes->clear();
        why = Problem(QT_TRANSLATE_NOOP("Problem", "it grew past the size a note file may hold"));
    }
    if (failure) {
        *failure = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' cannot be read: %2"), {path, why});
    }
    return false;
}

FolderScan NotesFolder::scan(FolderScanCache* cache) const
{
    FolderScan result;
    const QDir dir(m_path);
    if (!dir.exists()) {
        return result;
    }
    result.present = isMarked();
    QHash<QString, FolderScanCache::File> seen;
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::System, QDir::Name);
    for (const QFileInfo& info : files) {
        if (!isFolderNoteName(info.fileName())) {
            continue;
        }
        if (info.isSymLink() || info.size() > kMaxNoteFileBytes) {
            result.refused.push_back({info.filePath(), info.size(), !info.isSymLink()});
            continue;
        }
        FolderScanCache::File file {
            info.size(), info.lastModified().toMSecsSinceEpoch(), info.metadataChangeTime().toMSecsSinceEpoch(), {}};
        const auto known = cache->files.constFind(info.filePath());
        if (known != cache->files.constEnd() && known->size == file.size && known->modified == file.modified
            && known->changed == file.changed) {
            result.notes << known->note;
            seen.insert(info.filePath(), *known);
            continue;
        }
        QByteArray bytes;
        Problem failure;
        if (!readNote(info.filePath(), &bytes, nullptr, &failure)) {
            result.refused.push_back({info.filePath(), info.size(), true});
            continue;
        }
        NoteList notes;
        NoteFileError error;
        if (!readNoteFileContent(bytes, info.filePath(), &notes, &error) || notes.isEmpty()) {
            const QString moved = moveInto(info.filePath(), unreadablePath(), QDateTime::currentDateTimeUtc());
            result.setAside.push_back({info.filePath(), moved, error.description()});
            continue;
        }
        FolderNote note;
        note.path = info.filePath();
        note.version = VersionStore::versionOf(bytes);
        note.note = notes.first();
        note.size = bytes.size();
        if (note.note.identity.id.isEmpty()) {
            note.note.identity.id = info.completeBaseName(); // a note file put there by hand
        }
        file.note = note;
        file.note.note.data.clear();
        seen.insert(info.filePath(), file);
        note.whole = true;
        note.bytes = bytes;
        result.notes << note;
    }
    cache->files = seen;
    orderAndPair(&result.notes);
    return result;
}

NotesFolder::Write
NotesFolder::write(const QString& path, const QByteArray& bytes, const QByteArray& expected, Problem* failure) const
{
    if (bytes.size() > kMaxNoteFileBytes) {
        *failure
            = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' would be %2 MB, more than the %3 MB a note file may hold"),
                      {path, bytes.size() / (1024 * 1024), kMaxNoteFileBytes / (1024 * 1024)});
        return Write::Failed;
    }
    if (!isMarked()) {
        *failure = Problem(
            QT_TRANSLATE_NOOP("Problem",
                              "the notes folder '%1' is not there (or not the one chosen: it lacks its mark %2)"),
            {m_path, kMarkName});
        return Write::Failed;
    }
    QByteArray current;
    bool missing = false;
    if (!readNote(path, &current, &missing, failure)) {
        return Write::Failed;
    }
    if (missing ? !expected.isEmpty() : VersionStore::versionOf(current) != expected) {
        return Write::ChangedOutside;
    }
    if (!missing && current == bytes) {
        return Write::Written; // the same bytes: nothing for the sync engine to carry
    }
    const QString temporary = temporaryNameFor(path);
    QFile file(temporary);
    const auto fail = [&](const char* what) {
        *failure = Problem(what, {path, file.errorString()});
        file.close();
        QFile::remove(temporary);
        return Write::Failed;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return fail(QT_TRANSLATE_NOOP("Problem", "Cannot create a file beside '%1': %2"));
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncFile(file)) {
        return fail(QT_TRANSLATE_NOOP("Problem", "Cannot write '%1': %2"));
    }
    file.close();
    if (!replaceWith(temporary, path)) {
        *failure = Problem(QT_TRANSLATE_NOOP("Problem", "Cannot save '%1': %2"), {path, qt_error_string(errno)});
        QFile::remove(temporary);
        return Write::Failed;
    }
    return Write::Written;
}

QString NotesFolder::moveToTrash(const QString& file, const QDateTime& now) const
{
    return moveInto(file, trashPath(), now);
}

QString NotesFolder::moveAside(const QString& file, const QDateTime& now) const
{
    return moveInto(file, mergedPath(), now);
}

QString NotesFolder::moveInto(const QString& file, const QString& folder, const QDateTime& now) const
{
    const QFileInfo info(file);
    if (info.isSymLink() || !info.isFile()) {
        return QString();
    }
    QDir().mkpath(folder);
    QString target = folder + QLatin1Char('/') + info.fileName();
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n) {
        target = folder + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(" (%1).").arg(n) + info.suffix();
    }
    if (!QFile::rename(file, target)) {
        return QString();
    }
    setModified(target, now); // its time in .trash/ counts from now
    return target;
}

void NotesFolder::purgeTrash(const QDateTime& now) const
{
    // The trash's policy, as for this computer's trash: by time, count and size, the oldest first.
    for (const QString& folder : {trashPath(), mergedPath()}) {
        QList<TrashEntry> entries;
        for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks)) {
            entries << TrashEntry {info.filePath(), info.lastModified(), info.size()};
        }
        for (const TrashEntry& entry : pastTheLimits(entries, now)) {
            QFile::remove(entry.path);
        }
    }
}

void NotesFolder::removeStaleTemporaryFiles(const QDateTime& now) const
{
    const QStringList pattern {kTemporaryPrefix + QStringLiteral("*") + kTemporaryMark + QStringLiteral("*")
                               + kTemporarySuffix};
    for (const QFileInfo& info : QDir(m_path).entryInfoList(pattern, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!info.isSymLink() && info.lastModified() < now.addSecs(-60)) {
            QFile::remove(info.filePath());
        }
    }
}

} // namespace jotlet
