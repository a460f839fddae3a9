// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// What the parts of FolderSync share: developer diagnostics, names the log sees, the note's storage in the folder.
#pragma once

#include "note/notestorage.h"
#include "notes/noterecord.h"
#include "sync/foldersync.h"

#include <QLoggingCategory>
#include <QPointer>

namespace jotlet {

Q_DECLARE_LOGGING_CATEGORY(lcSync)

namespace folder {

inline const QString kWriteLocation = QStringLiteral("modNotesFolder: WriteNote");
inline const QString kScanLocation = QStringLiteral("modNotesFolder: Scan");
// A conflict note is at least this large (twips), so that what it says and its choices can be read.
inline constexpr int kConflictWidthTwips = 4800;
inline constexpr int kConflictHeightTwips = 3600;

// A note file's bytes: the one serialisation of a write.
QByteArray recordBytes(const NoteRecord& record);
// Now, as MODIFIED holds it (UTC, ISO 8601).
QString nowText();
// The versions a new version is made from: the given ones first, then their own, without repeats; the latest of
// this computer's own and the latest taken in from other computers (marked "*"), so that a long stretch of writes
// on one side never pushes out the versions the two computers both have.
QStringList parentsOf(const QStringList& direct, const QStringList& older);
// A version as PARENTS names it: marked when another computer wrote it.
QString parentName(const QByteArray& version, const QString& device, const QString& here);
// Whether a PARENTS list names a version.
bool namesVersion(const QStringList& parents, const QByteArray& version);
// A time of a version for the user: the time alone today, else the date and time, in the user's language.
QString shownTime(const QString& modified);

} // namespace folder

// The notes folder as the storage of one note (or of a conflict note, another version of one).
class FolderNoteStorage : public NoteStorage
{
public:
    FolderNoteStorage(FolderSync& sync, QString id, bool conflict)
        : m_sync(&sync)
        , m_id(std::move(id))
        , m_conflict(conflict)
    {
    }
    QString id() const override { return m_id; }
    QString keptId() const override { return m_conflict ? m_ownId : m_id; }
    bool isConflict() const override { return m_conflict; }
    QString conflictText() const override { return m_sync ? m_sync->conflictText(m_path) : QString(); }
    bool holdsUnwritten() const override { return m_sync && m_note && m_sync->holdsUnwritten(*m_note); }
    bool closing(Note& note, std::optional<Answer> answer) override { return !m_sync || m_sync->closing(note, answer); }
    void resolve(Note& note, ConflictChoice choice) override
    {
        if (m_sync) {
            m_sync->resolve(note, choice);
        }
    }
    void setPath(const QString& path) { m_path = path; }
    void setOwnId(const QString& id) { m_ownId = id; }
    void setNote(Note* note) { m_note = note; }

private:
    QPointer<FolderSync> m_sync;
    QString m_id;
    bool m_conflict;
    QString m_path;
    QString m_ownId;
    Note* m_note = nullptr;
};

} // namespace jotlet
