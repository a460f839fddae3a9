#include "app/startup.h"

#include "dialogs/dialogresponder.h"
#include "notes/notestore.h"
#include "platform/sessionend.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "window/noteboard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace jotlet {

namespace {

const QString kMain = QStringLiteral("modMain: Main");

bool openCommandLineFile(NoteBoard& board, const QString& path)
{
    const NoteList notes = loadNoteFile(path);
    if (notes.isEmpty()) {
        return false;
    }
    const NoteRecord& stored = notes.first();
    Note* note = board.createNote(NoteOrigin::FromFile);
    if (!note->setFromRecord(stored, path)) {
        note->discard();
        return false;
    }
    note->setTimeStamp(stored.TimeDate);
    note->setSavedAs(path);
    note->show();
    return true;
}

// A name beside the main note file that no earlier set-aside file has taken.
QString setAsidePath()
{
    const QString base = mainNoteFilePath() + QStringLiteral(".bad");
    QString path = base;
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = base + QLatin1Char('.') + QString::number(n);
    }
    return path;
}

// Keeps a main note file the program could not fully read for the user, out of the way of the next session's.
void setMainNoteFileAside(const QString& what)
{
    const QString aside = setAsidePath();
    if (!QFile::rename(mainNoteFilePath(), aside)) {
        logError(kMain, 75, QStringLiteral("Cannot set '%1' aside as '%2'").arg(mainNoteFilePath(), aside));
        return;
    }
    logError(kMain, 0, QStringLiteral("%1; the file was kept as '%2'").arg(what, aside));
    dialogResponder().warning(nullptr,
                              QStringLiteral("Notes Not Restored"),
                              QStringLiteral("%1.\n\nThe file was kept as:\n%2\n\nNotes you close at the end of "
                                             "this session will be kept as usual.")
                                  .arg(what, QDir::toNativeSeparators(aside)));
}

enum class MainFileResult { Opened, NothingOpened, Interrupted };

MainFileResult openMainNoteFile(NoteBoard& board)
{
    const NoteList notes = loadMainNoteFile();
    if (notes.isEmpty()) {
        setMainNoteFileAside(QStringLiteral("The notes kept from the last session could not be read"));
        return MainFileResult::NothingOpened;
    }
    QList<Note*> opened;
    int refused = 0;
    for (const NoteRecord& stored : notes) {
        if (sessionEndPending()) {
            // The session ends while the notes come back: the file still holds every one of them.
            for (Note* note : opened) {
                note->discard();
            }
            return MainFileResult::Interrupted;
        }
        Note* note = board.createNote(NoteOrigin::FromFile);
        note->setMarksEveryEdit(true); // they have no file of their own now: every edit is unsaved
        if (!note->setFromRecord(stored, mainNoteFilePath())) {
            note->discard();
            ++refused;
            continue;
        }
        note->show();
        opened << note;
    }
    if (refused > 0) {
        setMainNoteFileAside(
            QStringLiteral("%1 of the notes kept from the last session could not be opened").arg(refused));
    } else {
        QFile::remove(mainNoteFilePath());
    }
    return opened.isEmpty() ? MainFileResult::NothingOpened : MainFileResult::Opened;
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

void openStartingNotes(NoteBoard& board, const QString& commandLine)
{
    const StartupChoice choice = chooseStartup(commandLine, fileExists(mainNoteFilePath()));
    bool opened = false;
    switch (choice.kind) {
    case StartupChoice::CommandLineFile:
        opened = openCommandLineFile(board, choice.path);
        break;
    case StartupChoice::MainNoteFile: {
        const MainFileResult result = openMainNoteFile(board);
        if (result == MainFileResult::Interrupted) {
            return; // the event loop ends the program at once
        }
        opened = result == MainFileResult::Opened;
        break;
    }
    case StartupChoice::NewNote:
        break;
    }
    if (!opened) {
        board.createNote()->show();
    }
}

} // namespace jotlet
