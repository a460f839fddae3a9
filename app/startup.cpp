// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/recoveryjournal.h"
#include "note/noteboard.h"
#include "notes/notestore.h"
#include "platform/sessionend.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "support/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace jotlet {

namespace {

const QString kMain = QStringLiteral("modMain: Main");

// Tells the user (once the program runs) why the note file named on the command line did not open.
void tellNotOpened(const QString& path, const QString& reason, QList<StartupNotice>* notices)
{
    *notices << StartupNotice {
        QCoreApplication::translate("Startup", "Note Not Opened"),
        QCoreApplication::translate("Startup",
                                    "The note file could not be opened:\n%1\n\n%2\n\nA new note was "
                                    "opened instead.")
            .arg(QDir::toNativeSeparators(path), reason)};
}

// A text file named on the command line: a new note holding its text, its stamp naming the file.
bool openTextFile(NoteBoard& board, const QString& path)
{
    Problem error;
    const std::optional<QString> text = QFileInfo(path).isFile() ? Note::textOfFile(path, &error) : std::nullopt;
    if (!text) {
        return false;
    }
    Note* note = board.createNote();
    note->takeText(*text, path);
    note->show();
    return true;
}

// A command line that names no note file: a text file opens in a new note; anything else, a new note opens, and
// the user hears why. True when the file's text is in a note.
bool openOtherFile(NoteBoard& board,
                   const StartupChoice& choice,
                   const QString& commandLine,
                   QList<StartupNotice>* notices)
{
    if (choice.kind != StartupChoice::NewNote || commandLine.isEmpty()) {
        return false;
    }
    QString path = commandLine;
    if (path.size() > 1 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"'))) {
        path = path.mid(1, path.size() - 2);
    }
    if (openTextFile(board, path)) {
        return true;
    }
    logError(kMain, 0, QStringLiteral("'%1' is not a note file (.not); a new note was opened").arg(commandLine));
    *notices << StartupNotice {
        QCoreApplication::translate("Startup", "Note Not Opened"),
        QCoreApplication::translate("Startup",
                                    "Jotlet opens note files (.not), and this is not one:\n%1\n\nA new "
                                    "note was opened instead.")
            .arg(QDir::toNativeSeparators(commandLine))};
    return false;
}

bool openCommandLineFile(NoteBoard& board, const QString& path, QList<StartupNotice>* notices)
{
    Problem failure;
    const NoteList notes = loadNoteFile(path, &failure);
    if (notes.isEmpty()) {
        tellNotOpened(path, failure.text(), notices); // in the user's language; the log has it in English
        return false;
    }
    rememberNoteFile(path);
    const NoteRecord& stored = notes.first();
    Note* note = board.createNote(NoteOrigin::OpenedFile);
    if (!note->setFromRecord(stored, path)) {
        note->discard();
        tellNotOpened(
            path, QCoreApplication::translate("Startup", "Its note holds more than a note can show."), notices);
        return false;
    }
    note->setTimeStamp(stored.timeDate);
    note->setSavedAs(path);
    note->show();
    return true;
}

// Keeps a file of kept notes the program could not fully read for the user, out of the way of the next session's.
// What was wrong (what, with a count for %1 where there is one) goes to the log in English and to the user in
// their language.
void setAside(const QString& path, const char* what, QList<StartupNotice>* notices, int count = -1)
{
    const auto filled = [count](const QString& text) { return count < 0 ? text : text.arg(count); };
    const QString aside = setFileAside(path);
    if (aside.isEmpty()) {
        logError(kMain, 75, QStringLiteral("Cannot set '%1' aside").arg(path));
        return;
    }
    logError(kMain, 0, QStringLiteral("%1; the file was kept as '%2'").arg(filled(QString::fromLatin1(what)), aside));
    *notices << StartupNotice {
        QCoreApplication::translate("Startup", "Notes Not Restored"),
        QCoreApplication::translate("Startup",
                                    "%1.\n\nThe file was kept as:\n%2\n\nNotes you close at the end of "
                                    "this session will be kept as usual.")
            .arg(filled(QCoreApplication::translate("Startup", what)), QDir::toNativeSeparators(aside))};
}

// What the user must hear of the data folder: the notes of the last session could not be kept there, or it cannot
// be written now (a full disk, a folder made read-only).
void tellOfTheDataFolder(bool recovered, QList<StartupNotice>* notices)
{
    const QString notKept = readSetting(Setting::NotesNotKept);
    if (!notKept.isEmpty()) {
        writeSetting(Setting::NotesNotKept, QString());
        *notices << StartupNotice {
            QCoreApplication::translate("Startup", "Notes Not Kept"),
            QCoreApplication::translate("Startup",
                                        "The notes open when your last session ended could not be kept:\n%1\n\n%2")
                .arg(notKept,
                     recovered ? QCoreApplication::translate("Startup",
                                                             "What the recovery journal held of them has come back.")
                               : QCoreApplication::translate("Startup", "Nothing of them could be recovered."))};
    }
    Problem problem;
    if (!canWriteInFolder(dataFolder(), &problem)) {
        logError(kMain,
                 75,
                 QStringLiteral("The data folder '%1' cannot be written: %2").arg(dataFolder(), problem.english()));
        *notices << StartupNotice {
            QCoreApplication::translate("Startup", "Notes Cannot Be Kept"),
            QCoreApplication::translate("Startup",
                                        "Jotlet cannot write to its data folder:\n%1\n\n%2\n\nUntil this "
                                        "is mended, the notes open at the end of this session cannot be kept "
                                        "and nothing typed can be recovered after a crash.")
                .arg(QDir::toNativeSeparators(dataFolder()), problem.text())};
    }
}

enum class Opened { Some, None, Interrupted };

// Opens notes kept by the program itself (the main note file, the recovery journal): marked unsaved, at their
// places. Refused notes are counted.
Opened openKeptNotes(NoteBoard& board, const NoteList& notes, const QString& source, int* refused)
{
    QList<Note*> opened;
    for (const NoteRecord& stored : notes) {
        if (sessionEndPending()) {
            // The session ends while the notes come back: the files still hold every one of them.
            for (Note* note : opened) {
                note->discard();
            }
            return Opened::Interrupted;
        }
        Note* note = board.createNote(NoteOrigin::Kept); // its text is nowhere else now: every edit is unsaved
        if (!note->setFromRecord(stored, source)) {
            note->discard();
            ++*refused;
            continue;
        }
        note->restoreSession(stored.session);
        note->show();
        note->resumeSpecial(stored);
        if (!stored.identity.id.isEmpty() && board.adoptKept(note, stored) && note->isClosed()) {
            continue; // its text went into the open note of the notes folder it belongs to
        }
        opened << note;
    }
    return opened.isEmpty() ? Opened::None : Opened::Some;
}

Opened openMainNoteFile(NoteBoard& board, bool* keepFile, QList<StartupNotice>* notices)
{
    const NoteList notes = loadMainNoteFile();
    if (notes.isEmpty()) {
        setAside(mainNoteFilePath(),
                 QT_TRANSLATE_NOOP("Startup", "The notes kept from the last session could not be read"),
                 notices);
        return Opened::None;
    }
    int refused = 0;
    const Opened result = openKeptNotes(board, notes, mainNoteFilePath(), &refused);
    if (refused > 0) {
        setAside(mainNoteFilePath(),
                 QT_TRANSLATE_NOOP("Startup", "%1 of the notes kept from the last session could not be opened"),
                 notices,
                 refused);
    }
    *keepFile = refused > 0 || result == Opened::Interrupted;
    return result;
}

// The notes of a run that did not end normally. Files they belong to are added to *files.
Opened recoverJournal(NoteBoard& board, QStringList* files, QList<StartupNotice>* notices)
{
    bool damaged = false;
    const NoteList notes = loadNoteFileLeniently(recoveryJournalPath(), &damaged);
    int refused = 0;
    const Opened result = openKeptNotes(board, notes, recoveryJournalPath(), &refused);
    if (result == Opened::Interrupted) {
        return result;
    }
    for (const NoteRecord& stored : notes) {
        if (!stored.session.file.isEmpty()) {
            *files << stored.session.file;
        }
    }
    const int recovered = int(notes.size()) - refused;
    logError(kMain,
             0,
             QStringLiteral("The last run did not end normally: %1 notes were recovered from '%2'")
                 .arg(recovered)
                 .arg(recoveryJournalPath()));
    if (damaged || refused > 0) {
        setAside(recoveryJournalPath(),
                 QT_TRANSLATE_NOOP("Startup",
                                   "Some notes of the last run, which did not end normally, could not be recovered"),
                 notices);
    }
    return result;
}

bool newerThan(const QString& path, const QString& other)
{
    return QFileInfo(path).lastModified() >= QFileInfo(other).lastModified();
}

} // namespace

StartupChoice chooseStartup(const QString& commandLine, bool mainNoteFileExists)
{
    if (commandLine.isEmpty()) {
        return {mainNoteFileExists ? StartupChoice::MainNoteFile : StartupChoice::NewNote, QString()};
    }
    QString path = commandLine;
    if (path.startsWith(QLatin1Char('"'))) {
        path.remove(0, 1);
    }
    if (path.endsWith(QLatin1Char('"'))) {
        path.chop(1);
    }
    if (path.right(3).compare(QLatin1String("not"), Qt::CaseInsensitive) != 0) {
        return {StartupChoice::NewNote, QString()};
    }
    return {StartupChoice::CommandLineFile, path};
}

QList<StartupNotice> openForAnotherStart(NoteBoard& board,
                                         const QString& commandLine,
                                         bool* mainFileOpened,
                                         const std::function<bool(bool)>& keepSafe)
{
    QList<StartupNotice> notices;
    const StartupChoice choice = chooseStartup(commandLine, !*mainFileOpened && fileExists(mainNoteFilePath()));
    if (openOtherFile(board, choice, commandLine, &notices)) {
        return notices;
    }
    if (choice.kind == StartupChoice::CommandLineFile) {
        for (Note* note : board.notes()) {
            if (note->filePath() == choice.path) {
                note->show();
                return notices;
            }
        }
        if (openCommandLineFile(board, choice.path, &notices)) {
            return notices;
        }
    } else if (choice.kind == StartupChoice::MainNoteFile) {
        // This run started with a file; the notes kept from the last session come now (an autostart entry's start).
        bool keepFile = true;
        const Opened result = openMainNoteFile(board, &keepFile, &notices);
        if (result == Opened::Interrupted) {
            return notices; // the session ends: the main note file still holds them
        }
        *mainFileOpened = true;
        if (!keepFile && (!keepSafe || keepSafe(true))) {
            QFile::remove(mainNoteFilePath());
        }
        if (result == Opened::Some) {
            return notices;
        }
    }
    board.createNote()->show();
    return notices;
}

StartupOutcome
openStartingNotes(NoteBoard& board, const QString& commandLine, const std::function<bool(bool)>& keepSafe)
{
    StartupOutcome outcome;
    // A journal and a main note file together: a run was killed between writing one and removing the other, so the
    // newer is current. A newer journal replaces the main note file only when its run had opened it; a journal of a
    // run that started with a file of its own holds none of the main note file's notes.
    const bool journal = fileExists(recoveryJournalPath());
    const bool mainFile = fileExists(mainNoteFilePath());
    const bool journalWins = journal && (!mainFile || newerThan(recoveryJournalPath(), mainNoteFilePath()));
    outcome.mainFileOpened = journalWins && RecoveryJournal::saysMainFileOpened(recoveryJournalPath());
    const bool staleMainFile = mainFile && outcome.mainFileOpened;

    QStringList recoveredFiles;
    bool opened = false;
    if (journalWins) {
        const Opened result = recoverJournal(board, &recoveredFiles, &outcome.notices);
        if (result == Opened::Interrupted) {
            outcome.interrupted = true;
            return outcome;
        }
        opened = result == Opened::Some;
    }
    const StartupChoice choice = chooseStartup(commandLine, mainFile && !staleMainFile);
    opened = openOtherFile(board, choice, commandLine, &outcome.notices) || opened;
    bool keepMainFile = true;
    if (choice.kind == StartupChoice::CommandLineFile) {
        // A file whose note came back from the journal is open already, with its unsaved changes.
        const bool recovered = recoveredFiles.contains(choice.path);
        opened = recovered || openCommandLineFile(board, choice.path, &outcome.notices) || opened;
    } else if (choice.kind == StartupChoice::MainNoteFile) {
        const Opened result = openMainNoteFile(board, &keepMainFile, &outcome.notices);
        if (result == Opened::Interrupted) {
            outcome.interrupted = true;
            return outcome;
        }
        outcome.mainFileOpened = true;
        opened = result == Opened::Some || opened;
    }
    if (!opened && board.count() == 0 && !board.notesComing()) { // none here, and none from the notes folder
        board.createNote()->show();
    }
    if (journal && !journalWins) {
        QFile::remove(recoveryJournalPath()); // older than the main note file, which holds the same notes
    }
    tellOfTheDataFolder(journalWins, &outcome.notices);
    // The notes are open; once they are safe in the journal, the files they came from can go.
    if (keepSafe && !keepSafe(outcome.mainFileOpened)) {
        return outcome;
    }
    if ((choice.kind == StartupChoice::MainNoteFile && !keepMainFile) || staleMainFile) {
        QFile::remove(mainNoteFilePath());
    }
    if (journalWins && !keepSafe) {
        QFile::remove(recoveryJournalPath()); // nothing journals these notes: they were recovered once
    }
    return outcome;
}

} // namespace jotlet
