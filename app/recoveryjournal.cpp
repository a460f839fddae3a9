// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recoveryjournal.h"

#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notefile.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "support/handover.h"

#include <QFile>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("modMain: RecoveryJournal");
const QString kMainFileAttribute = QStringLiteral("MAINFILE");

// A note needs keeping while it has unsaved changes or belongs to no file; a note of the notes folder while it holds
// changes its file there does not have yet.
bool needsKeeping(const Note* note)
{
    if (note->storage()) {
        return note->storage()->holdsUnwritten();
    }
    return note->isUnsaved() || note->filePath().isEmpty();
}

} // namespace

RecoveryJournal::RecoveryJournal(NoteBoard& board, QObject* parent)
    : QObject(parent)
    , m_board(board)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryJournal::startWrite);
    connect(&m_write, &QFutureWatcher<WriteResult>::finished, this, &RecoveryJournal::onWriteFinished);
    connect(&board, &NoteBoard::noteAdded, this, &RecoveryJournal::watch);
    for (Note* note : board.notes()) {
        watch(note);
    }
}

RecoveryJournal::~RecoveryJournal()
{
    waitForWrite();
}

void RecoveryJournal::watch(Note* note)
{
    connect(&note->text(), &NoteText::changed, this, [this, note] {
        // What the program writes into a locked special note is written again at its next refresh anyway.
        if (!note->text().isLocked()) {
            noteChanged(note);
        }
    });
    connect(note, &Note::changed, this, [this, note] { noteChanged(note); });
    connect(note, &Note::closed, this, [this, note] {
        m_cache.remove(note); // a note closed without saving leaves the journal at the next write
        schedule();
    });
    noteChanged(note);
}

void RecoveryJournal::noteChanged(Note* note)
{
    m_cache.remove(note);
    schedule();
}

void RecoveryJournal::schedule()
{
    if (m_finished) {
        return;
    }
    // About two seconds after the last change; typing that goes on is still written every five.
    if (!m_pendingSince.isValid()) {
        m_pendingSince.start();
    }
    const qint64 left = kLongestWaitMs - m_pendingSince.elapsed();
    m_timer.start(int(qBound(qint64(0), left, qint64(kQuietMs))));
}

QByteArray RecoveryJournal::contents()
{
    const QList<Note*> notes = m_board.notes();
    if (std::none_of(notes.begin(), notes.end(), needsKeeping)) {
        return {};
    }
    QByteArray text
        = noteFileHead(programVersion(),
                       {{kMainFileAttribute, m_mainFileOpened ? QStringLiteral("True") : QStringLiteral("False")}})
              .toUtf8();
    for (Note* note : notes) {
        if (note->storage() && !note->storage()->holdsUnwritten()) {
            continue; // in its file in the notes folder
        }
        auto cached = m_cache.find(note);
        if (cached == m_cache.end()) {
            QByteArray bytes = appendedNoteText(note->sessionRecord()).toUtf8();
            bytes.squeeze(); // the conversion leaves room for three bytes a character
            cached = m_cache.insert(note, bytes);
        }
        text += *cached;
    }
    text += noteFileTail().toUtf8();
    return text;
}

void RecoveryJournal::setMainFileOpened(bool opened)
{
    if (opened != m_mainFileOpened) {
        m_mainFileOpened = opened;
        schedule();
    }
}

bool RecoveryJournal::saysMainFileOpened(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
           && noteFileRootAttribute(file.read(4096), kMainFileAttribute) == QLatin1String("True");
}

void RecoveryJournal::startWrite()
{
    if (m_finished) {
        return;
    }
    if (m_write.isRunning()) {
        m_writeAgain = true; // once this write has ended
        return;
    }
    m_pendingSince.invalidate();
    const QByteArray bytes = contents();
    if (bytes.isEmpty()) {
        remove();
        return;
    }
    const QString path = recoveryJournalPath();
    runInPool(m_write, [path, bytes] {
        WriteResult result;
        Problem problem;
        result.ok = writeFileAtomically(path, bytes, &problem);
        result.error = problem.english(); // for the log
        return result;
    });
}

void RecoveryJournal::onWriteFinished()
{
    const WriteResult result = resultOf(m_write);
    if (!result.ok && result.error != m_lastError) {
        logError(kLocation, 75, result.error); // once for each new reason, not at every keystroke
    }
    m_lastError = result.ok ? QString() : result.error;
    emit written(result.ok);
    if (m_writeAgain) {
        m_writeAgain = false;
        startWrite();
    }
}

void RecoveryJournal::waitForWrite()
{
    if (m_write.isRunning()) {
        m_write.waitForFinished();
    }
}

bool RecoveryJournal::writeNow()
{
    m_timer.stop();
    m_pendingSince.invalidate();
    m_writeAgain = false;
    waitForWrite();
    const QByteArray bytes = contents();
    if (bytes.isEmpty()) {
        remove();
        return true;
    }
    Problem error;
    if (!writeFileAtomically(recoveryJournalPath(), bytes, &error)) {
        logError(kLocation, 75, error.english());
        m_lastError = error.english();
        return false;
    }
    return true;
}

void RecoveryJournal::remove()
{
    waitForWrite();
    QFile::remove(recoveryJournalPath());
}

void RecoveryJournal::finish(bool removeJournal)
{
    m_finished = true;
    m_timer.stop();
    waitForWrite();
    if (removeJournal) {
        remove();
    }
}

} // namespace jotlet
