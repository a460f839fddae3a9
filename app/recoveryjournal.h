// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace jotlet {

class Note;
class NoteBoard;

// Keeps the open notes in the recovery journal (recovery.dat in the data folder, in the note file format) while
// any of them has unsaved changes or no file of its own, so that a crash, a kill or a power cut loses at most the
// last moment of typing. The journal is written a fifth of a second after the last change, and at least every
// 0.4 s while changes go on (so that anything typed half a second ago is in it), replaced in one step on a worker
// thread; only the notes that changed are serialised again. When nothing needs keeping, or the session ends normally,
// the journal goes.
class RecoveryJournal : public QObject
{
    Q_OBJECT

public:
    static constexpr int kQuietMs = 200;
    static constexpr int kLongestWaitMs = 400;

    explicit RecoveryJournal(NoteBoard& board, QObject* parent = nullptr);
    ~RecoveryJournal() override;

    // Writes the journal now and waits for it (or removes it when nothing needs keeping). True when the open notes
    // are safe: journalled, or in their files.
    bool writeNow();
    // No more writes from now on; with removeJournal the journal goes too (the run ended normally and the notes are
    // safe elsewhere), without it the journal stays as the last copy.
    void finish(bool removeJournal);

    // What the journal holds for the open notes now; empty when nothing needs keeping.
    QByteArray contents();

    // Whether this run opened the notes of the main note file, so that the journal holds them in its place; the
    // journal says so, and only then may it replace the main note file at the next start.
    void setMainFileOpened(bool opened);
    // What a journal says of its run.
    static bool saysMainFileOpened(const QString& path);

signals:
    // A write ended (for tests and benchmarks).
    void written(bool ok);

private:
    struct WriteResult
    {
        bool ok = false;
        QString error;
    };

    void watch(Note* note);
    void noteChanged(Note* note);
    void schedule();
    void startWrite();
    void onWriteFinished();
    void waitForWrite();
    void remove();

    NoteBoard& m_board;
    QTimer m_timer;
    QElapsedTimer m_pendingSince;
    QHash<Note*, QByteArray> m_cache; // each note's journal text (UTF-8), made again only when the note changed
    QFutureWatcher<WriteResult> m_write;
    bool m_writeAgain = false;
    bool m_finished = false;
    bool m_mainFileOpened = false;
    QString m_lastError;
};

} // namespace jotlet
