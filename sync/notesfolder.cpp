// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/notesfolder.h"

#include "notes/notefile.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("modNotesFolder: Scan");

} // namespace

QByteArray folderFileHash(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray readFolderFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString conflictOriginalName(const QString& fileName)
{
    static const QRegularExpression conflict(QStringLiteral("^(.+?)(?:\\.sync-conflict-\\d{8}-\\d{6}(?:-[A-Z0-9]{7})?"
                                                            "| \\((?:[^()]*'s )?conflicted copy[^()]*\\))\\.not$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = conflict.match(fileName);
    return match.hasMatch() ? match.captured(1) + QStringLiteral(".not") : QString();
}

bool isFolderNoteName(const QString& fileName)
{
    // Syncthing's ".syncthing.x.tmp", Nextcloud's ".~lock" and "*.part", Dropbox's ".dropbox": all start with a dot
    // or do not end in ".not".
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

QString NotesFolder::fileFor(const QString& id) const
{
    return m_path + QLatin1Char('/') + id + QStringLiteral(".not");
}

QList<FolderNote> NotesFolder::scan() const
{
    QList<FolderNote> found;
    QHash<QString, Cached> cache;
    const QFileInfoList files = QDir(m_path).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        if (!isFolderNoteName(info.fileName())) {
            continue;
        }
        const qint64 modified = info.lastModified().toMSecsSinceEpoch();
        const qint64 changed = info.metadataChangeTime().toMSecsSinceEpoch();
        const auto known = m_cache.constFind(info.filePath());
        if (known != m_cache.constEnd() && known->size == info.size() && known->modified == modified
            && known->changed == changed) {
            found << known->note;
            cache.insert(info.filePath(), *known);
            continue;
        }
        const QByteArray bytes = readFolderFile(info.filePath());
        NoteList notes;
        NoteFileError error;
        if (!readNoteFileContent(bytes, info.filePath(), &notes, &error) || notes.isEmpty()) {
            const QString moved = moveInto(info.filePath(), unreadablePath());
            logError(kLocation,
                     75,
                     QStringLiteral("'%1' could not be read (%2); it was moved to '%3'")
                         .arg(info.filePath(), error.description, moved));
            continue;
        }
        FolderNote note {info.filePath(), notes.first(), folderFileHash(bytes), {}};
        if (note.note.identity.id.isEmpty()) {
            note.note.identity.id = info.completeBaseName(); // a note file put there by hand
        }
        found << note;
        cache.insert(info.filePath(), {info.size(), modified, changed, note});
    }
    m_cache = cache;
    // Each note's own file first: the one named after its id, then others that are not an engine's conflict copy.
    // A conflict copy stays one even when the note's own file is gone (let go of elsewhere): the user decides.
    const auto rank = [](const FolderNote& note) {
        const QString name = QFileInfo(note.path).fileName();
        return name == note.note.identity.id + QStringLiteral(".not") ? 0
               : conflictOriginalName(name).isEmpty()                 ? 1
                                                                      : 2;
    };
    std::stable_sort(
        found.begin(), found.end(), [&rank](const FolderNote& a, const FolderNote& b) { return rank(a) < rank(b); });
    QSet<QString> owned;                  // ids that have their own file
    QHash<QString, QString> idOfFileName; // file name -> id
    for (FolderNote& note : found) {
        const QString name = QFileInfo(note.path).fileName();
        const QString original = conflictOriginalName(name);
        if (!original.isEmpty()) {
            note.conflictOf = idOfFileName.value(original, note.note.identity.id); // a copy may have a new ID too
        } else if (owned.contains(note.note.identity.id)) {
            note.conflictOf = note.note.identity.id;
        } else {
            owned.insert(note.note.identity.id);
            idOfFileName.insert(name, note.note.identity.id);
        }
    }
    return found;
}

bool NotesFolder::write(const NoteRecord& note, bool* written, QString* failure) const
{
    if (written) {
        *written = false;
    }
    const QString path = fileFor(note.identity.id);
    const QByteArray bytes = noteFileText({note}, programVersion()).toUtf8();
    if (readFolderFile(path) == bytes) {
        return true; // the same bytes: nothing for the sync engine to carry
    }
    QDir().mkpath(m_path);
    QString message;
    if (!writeFileAtomically(path, bytes, &message)) {
        if (failure) {
            *failure = message;
        }
        return false;
    }
    if (written) {
        *written = true;
    }
    return true;
}

QString NotesFolder::moveToTrash(const QString& file) const
{
    return moveInto(file, trashPath());
}

QString NotesFolder::moveInto(const QString& file, const QString& folder) const
{
    QDir().mkpath(folder);
    const QFileInfo info(file);
    QString target = folder + QLatin1Char('/') + info.fileName();
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = folder + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(" (%1).").arg(n) + info.suffix();
    }
    if (!QFile::rename(file, target)) {
        return QString();
    }
    // Its time in .trash/ counts from now.
    QFile moved(target);
    if (moved.open(QIODevice::ReadWrite)) {
        moved.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    }
    return target;
}

void NotesFolder::purgeTrash(const QDateTime& now) const
{
    const QDateTime oldest = now.addDays(-kTrashDays);
    for (const QFileInfo& info : QDir(trashPath()).entryInfoList(QDir::Files)) {
        if (info.lastModified() < oldest) {
            QFile::remove(info.filePath());
        }
    }
}

} // namespace jotlet
