#include "window/startup.h"

#include "dialogs/dialogresponder.h"
#include "notes/notestore.h"
#include "platform/sessionend.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "window/frmmain.h"
#include "window/notelogic.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace jotlet {

namespace {

const QString kMain = QStringLiteral("modMain: Main");

void showNewNote()
{
    (new frmMain)->Show();
}

bool openCommandLineFile(const QString& path)
{
    const NoteList notes = loadNoteFile(path);
    if (notes.isEmpty()) {
        return false;
    }
    const NoteRecord& note = notes.first();
    auto* window = new frmMain;
    window->setNoteFileName(path);
    if (!window->setData(note.Data, path)) {
        delete window;
        return false;
    }
    window->SetNoteColor(note.Color, false);
    window->lblSubCaption()->setText(note.TimeDate);
    window->setHeight(note.Height);
    window->setWidth(note.Width);
    window->setTop(note.Top);
    window->setLeft(note.Left);
    window->setTag(note.FileName);
    window->setIsDirty(false);
    window->setCaption(QStringLiteral("Jotlet - ") + fileNamePart(path));
    window->Show();
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

MainFileResult openMainNoteFile()
{
    const NoteList notes = loadMainNoteFile();
    if (notes.isEmpty()) {
        setMainNoteFileAside(QStringLiteral("The notes kept from the last session could not be read"));
        return MainFileResult::NothingOpened;
    }
    QList<frmMain*> opened;
    int refused = 0;
    for (const NoteRecord& note : notes) {
        if (sessionEndPending()) {
            // The session ends while the notes come back: the file still holds every one of them.
            qDeleteAll(opened);
            return MainFileResult::Interrupted;
        }
        auto* window = new frmMain;
        if (!window->setData(note.Data, mainNoteFilePath())) {
            delete window;
            ++refused;
            continue;
        }
        window->SetNoteColor(note.Color, false);
        window->setHeight(note.Height);
        window->setWidth(note.Width);
        window->setTop(note.Top);
        window->setLeft(note.Left);
        window->setIsDirty(true);
        window->Show();
        opened << window;
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

void Main(const QString& commandLine)
{
    const StartupChoice choice = chooseStartup(commandLine, fileExists(mainNoteFilePath()));
    bool opened = false;
    switch (choice.kind) {
    case StartupChoice::CommandLineFile:
        opened = openCommandLineFile(choice.path);
        break;
    case StartupChoice::MainNoteFile: {
        const MainFileResult result = openMainNoteFile();
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
        showNewNote();
    }
}

void endSession()
{
    // Nothing modal while the session ends: a log entry that cannot be written goes to standard error.
    setLogFailureHandler(nullptr);
    for (frmMain* window : frmMain::openWindows()) {
        window->closeForSessionEnd();
    }
    QCoreApplication::quit();
}

} // namespace jotlet
