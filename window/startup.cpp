#include "startup.h"

#include "appinfo.h"
#include "filefunctions.h"
#include "frmmain.h"
#include "modnote.h"
#include "notelogic.h"

#include <QApplication>
#include <QFile>
#include <QLabel>

namespace jotlet {

namespace {

void showNewNote()
{
    (new frmMain)->Show();
}

bool openCommandLineFile(const QString& path)
{
    const NoteList notes = LoadNote(false, path);
    if (notes.isEmpty()) {
        return false;
    }
    const NoteRecord& note = notes.first();
    auto* window = new frmMain;
    window->setNoteFileName(path);
    window->setData(note.Data);
    window->SetNoteColor(note.Color, false);
    window->lblSubCaption()->setText(note.TimeDate);
    window->setHeight(note.Height);
    window->setWidth(note.Width);
    window->setTop(note.Top);
    window->setLeft(note.Left);
    window->setTag(note.FileName);
    window->setIsDirty(false);
    window->setCaption(QStringLiteral("Jotlet - ") + GetFileName(path));
    window->Show();
    return true;
}

bool openMainNoteFile()
{
    const NoteList notes = LoadNote(true);
    if (notes.isEmpty()) {
        return false;
    }
    for (const NoteRecord& note : notes) {
        auto* window = new frmMain;
        window->setData(note.Data);
        window->SetNoteColor(note.Color, false);
        window->setHeight(note.Height);
        window->setWidth(note.Width);
        window->setTop(note.Top);
        window->setLeft(note.Left);
        window->setIsDirty(true);
        window->Show();
    }
    QFile::remove(mainNoteFilePath());
    return true;
}

} // namespace

void Main(const QString& commandLine)
{
    const StartupChoice choice = chooseStartup(commandLine, FileExists(mainNoteFilePath()));
    bool opened = false;
    switch (choice.kind) {
    case StartupChoice::CommandLineFile:
        opened = openCommandLineFile(choice.path);
        break;
    case StartupChoice::MainNoteFile:
        opened = openMainNoteFile();
        break;
    case StartupChoice::NewNote:
        break;
    }
    if (!opened) {
        showNewNote();
    }
}

void endSession()
{
    for (frmMain* window : frmMain::openWindows()) {
        window->closeForSessionEnd();
    }
    QCoreApplication::quit();
}

} // namespace jotlet
