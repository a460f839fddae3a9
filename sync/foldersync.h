// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/notesfolder.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

class QSettings;

namespace jotlet {

class Note;
class NoteBoard;

// The open notes of the notes folder, kept in step with it both ways. A note's content (text, colour, size, special
// kind and parameters) lives in its file; where it sits on this computer's screens and whether it is open, rolled
// up, on top or translucent is kept per computer, outside the folder. Changes are written about two seconds after
// the last one, only when the file's bytes change (a special note's refreshed text never counts). Changes from
// outside are found by watching the folder and by a rescan once a minute: a note without changes of its own is
// reloaded in place; one changed on both sides keeps both, the other version opening as a conflict note beside it
// (its file a conflict copy); a note deleted elsewhere closes here, unless it has unsaved changes here, which
// bring it back.
class FolderSync : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWriteDelayMs = 2000;
    static constexpr int kRescanMs = 60000;

    FolderSync(NoteBoard& board,
               const QString& folder,
               QString placesPath = defaultPlacesPath(),
               QObject* parent = nullptr);
    ~FolderSync() override;
    static QString defaultPlacesPath();
    // The name this computer signs its changes with.
    static QString deviceName();

    NotesFolder& folder() { return m_folder; }
    // Opens the folder's notes that are open on this computer (and those it has not seen yet) and starts watching.
    void start();
    // A note without a file of its own joins the folder (a new note); it gets an id and a file at once.
    void adopt(Note* note);
    // Reads the folder again now.
    void rescan();
    // Writes what waits to be written.
    void flush();
    // The session ends: everything written, and which notes are open here remembered; the notes go without a word.
    void finish();

    Note* noteFor(const QString& id) const;
    QList<Note*> conflicts() const;

signals:
    // Another version of a note opened beside it.
    void conflictFound(Note* conflict);

private:
    struct Entry
    {
        QPointer<Note> note;
        QString path;
        QByteArray base;  // the hash of the version this computer last read or wrote
        QByteArray bytes; // the file as this program writes what it holds (to tell a change from a rewrite)
        NoteRecord file;  // what the file held then
        bool dirty = false;
        bool textEdited = false; // the text changed here since the file was read (else the file's RTF is kept as is)
    };

    void open(const FolderNote& stored);
    void openConflict(const FolderNote& copy);
    void join(Note* note, const QString& id);
    void watchNote(Note* note);
    void changedOutside(Entry& entry, const FolderNote& stored);
    void reloadInPlace(Note* note, const NoteRecord& record);
    void keepBoth(Entry& entry, const FolderNote& theirs);
    void removedOutside(const QString& id);
    bool writeNote(const QString& id);
    NoteRecord fileRecord(const Entry& entry) const;
    bool leave(Note& note, bool keep);
    void resolve(Note& conflict, int how);
    void rememberPlace(QSettings& places, Note* note, bool open);
    void restorePlace(Note* note, const QString& id);
    void watchFiles();

    NoteBoard& m_board;
    NotesFolder m_folder;
    QString m_placesPath;
    QHash<QString, Entry> m_entries;            // by id
    QHash<QString, QPointer<Note>> m_conflicts; // by the conflict copy's path
    QFileSystemWatcher m_watcher;
    QTimer m_writeTimer;
    QTimer m_rescanSoon;
    QTimer m_rescanTimer;
    bool m_finishing = false;
    bool m_reloading = false;
};

} // namespace jotlet
