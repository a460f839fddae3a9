// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/notecollection.h"
#include "note/notestorage.h"
#include "sync/notesfolder.h"
#include "sync/versionstore.h"

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <optional>

class QSettings;

namespace jotlet {

class Note;
class NoteBoard;

// The open notes of the notes folder, kept in step with it both ways. A note's content (text, colour, size, special
// kind and parameters) lives in its file; where it sits on this computer's screens and whether it is open, rolled
// up, on top or translucent is kept per computer, outside the folder.
//
// Changes are written about two seconds after the last one (at once when the note closes), only when the content
// changes, and only over the version this computer last read: a file that changed meanwhile is merged first. The
// folder is read off the window thread when it changes (it is watched) and once a minute. A file that changed
// elsewhere is taken in place when the note has no changes of its own; otherwise the two are merged against the
// version both started from (kept in a version store outside the folder, and named in each file's PARENTS), and
// only changes to the same words make a conflict: the other version then opens beside the note as a conflict note,
// which never takes the keyboard and whose choices (Keep This Version, Keep the Other Version, Keep Both) settle
// it. Engines' conflict copies are merged the same way. A folder that cannot be written (full, read-only, gone, an
// empty mount point without the folder's mark) is told to the user once; changes wait (in the recovery journal and
// a pending file in the data folder) and are written when it can be written again.
class FolderSync : public NoteCollection
{
    Q_OBJECT

public:
    static constexpr int kWriteDelayMs = 2000;
    static constexpr int kRescanMs = 60000;
    static constexpr int kRetryMs = 5000;
    // A computer meeting the folder for the first time opens this many of its notes, the most recently changed.
    static constexpr int kFirstOpened = 20;
    // What comes from elsewhere waits while the user types in the note (a pause this long), so that words arriving
    // never land in the middle of the word being typed.
    static constexpr int kTypingPauseMs = 1500;

    FolderSync(NoteBoard& board,
               const QString& folder,
               QString placesPath = defaultPlacesPath(),
               QString versionsPath = VersionStore::defaultFolder(),
               QObject* parent = nullptr);
    ~FolderSync() override;
    static QString defaultPlacesPath();
    // The name this computer signs its changes with (JOTLET_DEVICE_NAME, else the host name); another for this
    // folder alone (two folders kept in step in one test).
    static QString deviceName();
    void setDeviceName(const QString& name) { m_device = name; }

    const NotesFolder& folder() const { return m_folder; }
    // Marks a folder met for the first time, starts reading it (off the window thread) and watching it; its notes
    // that are open on this computer open as the reading ends.
    void start();
    // Whether notes of the folder are about to open, so that no empty note need open beside them.
    bool expectsNotes() const;
    // A note without a file of its own joins the folder (a new note); it gets an id and, once it has text, a file.
    void adopt(Note* note);
    // A note back from the recovery journal or the notes kept at a session's end that belonged to the folder joins
    // it again under its id, its text being this computer's latest; false when it has no id of the folder's.
    bool adoptKept(Note* note, const NoteRecord& kept);
    // Reads the folder again (off the window thread); scanned() tells when its result is taken in.
    void rescan();
    // Writes what waits to be written: in the background, and at once.
    void flush();
    void writeAll();
    // The session ends: everything written, and which notes are open here remembered; the notes go without a word.
    void finish();

    Note* noteFor(const QString& id) const;
    QList<Note*> conflicts() const;
    // Whether the folder could be written the last time it was tried.
    bool isWritable() const { return m_problem.isEmpty(); }

    // The folder's notes as this computer knows them, for the multi-note manager: a note by its id, a conflict copy
    // by its path.
    QList<Item> items() const override;
    NoteRecord previewNote(const QString& key) const override;
    Note* openItem(const QString& key) override;
    bool deleteItem(const QString& key) override;
    // Lets a file of the folder go: it moves to the folder's trash (a conflict copy too).
    bool letGo(const QString& path);
    // Opens a note of the folder on this computer (or brings it forward); nullptr when it cannot be read.
    Note* openNote(const QString& id);

signals:
    // Another version of a note opened beside it.
    void conflictFound(Note* conflict);
    // Something the user must hear of, once (the folder cannot be written; more notes than were opened).
    void notice(const QString& title, const QString& text);
    // A reading of the folder was taken in.
    void scanned();

private:
    friend class FolderNoteStorage;

    struct Entry
    {
        QPointer<Note> note;
        QString path;
        QByteArray base; // the version this computer last read or wrote ("" for none)
        NoteRecord file; // what the base holds (its text only while fileWhole)
        bool fileWhole = false;
        bool present = false;    // the file is in the folder
        bool dirty = false;      // changed here since the base
        bool textEdited = false; // the text changed here since (else the file's RTF is kept as it is)
        bool letGoPending = false;
        // The base was only seen (kept beside as a conflict copy), not taken in: what is written next does not come
        // from it, so it is not named among its parents.
        bool baseSeenOnly = false;
        int generation = 0;  // counts the changes here, so that a write that took a while knows what it missed
        QElapsedTimer typed; // since the user last changed the text here
    };
    static void touch(Entry& entry)
    {
        entry.dirty = true;
        ++entry.generation;
    }
    // A write prepared on the window thread and made on a worker (or at once).
    struct PreparedWrite
    {
        QString id;
        QString path;
        QByteArray bytes;
        QByteArray expected;
        NoteRecord record;
        int generation = 0;
    };
    struct WriteOutcome
    {
        PreparedWrite write;
        NotesFolder::Write result = NotesFolder::Write::Failed;
        Problem failure;
    };
    struct Conflict
    {
        QPointer<Note> note;
        QString path;
        QString of;    // the id of the note it is a version of
        QString ownId; // the id it takes as a note of its own
        bool edited = false;
        NoteRecord::Identity identity; // who made the version it shows, and when
    };
    struct ScanResult
    {
        FolderScan scan;
        FolderScanCache cache;
        int writes = 0; // how many writes this program had made when the reading began
    };

    // Reading the folder.
    void takeScan(const FolderScan& scan);
    void reportRefused(const FolderScan& scan);
    void settle(const QString& id, FolderNote file);
    void settleCopy(const FolderNote& copy);
    void removedOutside(const QString& id);
    void openArrivals(QList<FolderNote> arrivals);
    bool readWhole(FolderNote* file) const;

    // Merging.
    std::optional<NoteRecord> versionRecord(const QString& id, const QByteArray& version) const;
    std::optional<NoteRecord> commonAncestor(const QString& id,
                                             const QByteArray& versionA,
                                             const QStringList& parentsA,
                                             const QByteArray& versionB,
                                             const QStringList& parentsB) const;
    NoteRecord localRecord(const Entry& entry) const;
    bool mergeInto(Entry& entry, const NoteRecord& ancestor, const NoteRecord& theirs, const QStringList& parents);
    void keepBoth(Entry& entry, const FolderNote& theirs);

    // Notes and their windows.
    Note* open(const QString& id, const NoteRecord& record, bool show);
    void openConflict(const FolderNote& copy);
    void join(Note* note, const QString& id);
    void watchNote(Note* note);
    void takeVersion(Entry& entry, const FolderNote& file);
    void applyToNote(Note* note, const NoteRecord& record);

    // Writing.
    QString moveToTrash(const QString& path);
    QString moveAside(const QString& path);
    bool writeNote(const QString& id);
    std::optional<PreparedWrite> prepareWrite(const QString& id);
    static WriteOutcome makeWrite(const NotesFolder& folder, const VersionStore& store, PreparedWrite write);
    bool takeOutcome(const WriteOutcome& outcome);
    void finishFlush();
    NoteRecord fileRecord(const Entry& entry) const;
    void wrote(Entry& entry, const PreparedWrite& write);
    void cannotWrite(const Problem& failure);
    void keepPending(const Entry& entry, const QString& id);
    void loadPending();
    void savePending();

    // What the notes ask of their storage.
    QString conflictText(const QString& path) const;
    bool holdsUnwritten(const Note& note) const;
    bool closing(Note& note, std::optional<Answer> answer);
    void resolve(Note& conflict, ConflictChoice choice);
    void conflictToNote(Note& conflict, bool openHere);
    Conflict* conflictOf(const Note* note);

    void rememberPlace(QSettings& places, const QString& id, Note* note, bool open);
    void rememberPlaces();
    void restorePlace(Note* note, const QString& id);
    void watchFiles();

    NoteBoard& m_board;
    NotesFolder m_folder;
    VersionStore m_store;
    QString m_placesPath;
    QString m_pendingPath;
    QString m_device;
    QHash<QString, Entry> m_entries;      // by id
    QHash<QString, Conflict> m_conflicts; // by the conflict copy's path
    QHash<QString, NoteRecord> m_pending; // closed notes whose changes wait for the folder, by id
    FolderScanCache m_cache;
    QFutureWatcher<ScanResult> m_scan;
    QFutureWatcher<QList<WriteOutcome>> m_flushing;
    bool m_flushTaken = true;
    bool m_flushAgain = false;
    bool m_placesChanged = false;
    bool m_scanAgain = false;
    int m_writes = 0;
    bool m_firstScan = true;
    QFileSystemWatcher m_watcher;
    QTimer m_writeTimer;
    QTimer m_rescanSoon;
    QTimer m_rescanTimer;
    QTimer m_retryTimer;
    QString m_problem;           // why the folder could not be written the last time ("" when it could)
    QSet<QString> m_toldRefused; // files over the limit the user heard of (path and size)
    bool m_finishing = false;
    int m_applying = 0; // a version from the folder is being put into a note
};

} // namespace jotlet
