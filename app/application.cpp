// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/backupschedule.h"
#include "app/desktoppresence.h"
#include "app/logoff.h"
#include "app/recoveryjournal.h"
#include "app/startup.h"
#include "import/bringin.h"
#include "manager/backupwindow.h"
#include "manager/exportwindow.h"
#include "manager/findwindow.h"
#include "manager/importwindow.h"
#include "manager/notemanagerwindow.h"
#include "manager/notesinout.h"
#include "manager/trashwindow.h"
#include "note/dialogresponder.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "platform/alertsound.h"
#include "platform/sessionend.h"
#include "special/alert/alertwindow.h"
#include "special/clipboardsource.h"
#include "special/httpfetcher.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/settings.h"
#include "sync/foldersync.h"
#include "sync/versionstore.h"
#include "window/notewindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace jotlet {

namespace {

// Runs work once the first window has been painted (or after a second, when none shows), so that a start draws its
// notes before it does what can wait.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QObject* context, std::function<void()> work)
        : QObject(context)
        , m_work(std::move(work))
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { runOnce(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { runOnce(); }); // once the paint is on its way
        }
        return false;
    }

private:
    static constexpr int kLatestMs = 1000;

    void runOnce()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        if (m_work) {
            std::exchange(m_work, nullptr)();
        }
        deleteLater();
    }

    std::function<void()> m_work;
};

} // namespace

JotletApplication::JotletApplication(QObject* parent)
    : QObject(parent)
    , m_sessionEnd(new SessionEndWatcher(this))
    , m_journal(new RecoveryJournal(m_board, this))
    , m_fetcher(new HttpFetcher(this))
    , m_clipboard(new SystemClipboard(this))
    , m_presence(new DesktopPresence(m_board, this))
    , m_searchIndex(new SearchIndex(SearchIndex::defaultCachePath(), this))
    , m_backups(new BackupSchedule(&NotePlaces::current, this))
    , m_alertSound(makeDesktopAlertSound())
{
    connectBoardServices();
    m_gatherReminders.setSingleShot(true);
    m_gatherReminders.setInterval(kGatherRemindersMs);
    connect(&m_gatherReminders, &QTimer::timeout, this, &JotletApplication::remindGathered);
    // The program runs while a note is open; dialogs closing must not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Checked once control is back in the event loop: a note refused at start-up leaves the board empty for a
    // moment before the new note that takes its place.
    connect(&m_board, &NoteBoard::emptied, this, &JotletApplication::onEmptied, Qt::QueuedConnection);
    connect(m_sessionEnd, &SessionEndWatcher::sessionEnding, this, &JotletApplication::endSession);
    // "Quit" in the tray keeps the notes as the end of a session does.
    connect(m_presence, &DesktopPresence::quitRequested, this, &JotletApplication::endSession);
    connect(&desktopOptionsSignal(), &DesktopOptionsSignal::notesFolderChanged, this, [this](const QString& folder) {
        setNotesFolder(folder, true);
    });
    // A new note lives in the notes folder from its first moment.
    connect(&m_board, &NoteBoard::noteAdded, this, [this](Note* note) {
        if (note->origin() == NoteOrigin::New) {
            QTimer::singleShot(0, this, [this, added = QPointer<Note>(note)] { adoptIntoFolder(added); });
        }
    });
}

// What the notes need of the program's windows and services: their windows, the writers of special notes, the
// spelling dictionary, the note manager and the alert popup.
void JotletApplication::connectBoardServices()
{
    m_board.setViewFactory([](Note* note) { new NoteWindow(note); });
    m_board.setSpecialNoteFactory(specialNoteFactory(
        specialContentFactory({m_fetcher, m_clipboard}),
        [this](const QString& text, int durationMs, Note& note) { remind(text, durationMs, note); }));
    m_board.setSpellEngineFactory([](Problem* error) {
        // The user's own words, and an extra word list the user may put beside them.
        const QStringList wordLists
            = {dataFilePath(QStringLiteral("default.dct")), dataFilePath(QStringLiteral("custom.dct"))};
        return openSpellEngine(QLocale::system(), systemDictionaryFolders(), wordLists, error);
    });
    m_board.setManagerOpener([this](Note& note) { NoteManagerWindow::open(note, m_board); });
    m_board.setFinderOpener([this](Note* note) { FindWindow::open(note, m_board, *m_searchIndex); });
    m_board.setTrashOpener([this](Note* note) { TrashWindow::open(note, m_board); });
    m_board.setNotesWindowOpener([this](Command command, Note* note) { openNotesWindow(command, note, m_board); });
    connect(m_presence, &DesktopPresence::notesWindowRequested, this, [this](Command command) {
        openNotesWindow(command, nullptr, m_board);
    });
    connect(m_presence, &DesktopPresence::findRequested, this, [this] {
        FindWindow::open(nullptr, m_board, *m_searchIndex);
    });
}

void JotletApplication::remind(const QString& text, int durationMs, Note& note)
{
    // Reminders that go off together (those missed while the program was off, at its start) come as one alert.
    m_reminders.append({QPointer<Note>(&note), text, durationMs});
    if (!m_gatherReminders.isActive()) {
        m_gatherReminders.start();
    }
}

void JotletApplication::remindGathered()
{
    QList<GatheredReminder> gathered;
    for (const GatheredReminder& reminder : std::as_const(m_reminders)) {
        if (reminder.note) {
            gathered << reminder;
        }
    }
    m_reminders.clear();
    if (gathered.isEmpty()) {
        return;
    }
    if (m_alertSound) {
        m_alertSound->play();
    }
    if (gathered.size() == 1) {
        remindOne(gathered.first());
        return;
    }
    QStringList lines;
    QList<QPointer<Note>> notes;
    for (const GatheredReminder& reminder : std::as_const(gathered)) {
        const QString line = reminder.note->text().text().section(QLatin1Char('\n'), 0, 0).trimmed().left(80);
        lines << (line.isEmpty() ? reminder.text : reminder.text + QStringLiteral(": ") + line);
        notes << reminder.note;
    }
    m_presence->remindMany(notes, lines, [this, lines, notes] {
        const QScreen* screen = notes.first() ? screenOfNote(notes.first()->geometry()) : nullptr;
        if (screen) {
            AlertWindow::display(lines.join(QLatin1Char('\n')),
                                 kGatheredAlertMs,
                                 areaClearOf(screen->availableGeometry(), m_presence->trayIconPlace()),
                                 nullptr);
        }
    });
}

void JotletApplication::remindOne(const GatheredReminder& reminder)
{
    // One alert: the desktop's notification (it stays in its history and follows Do Not Disturb), or where there is
    // no notification service, the program's own, with the note's first line, clear of the tray icon.
    const QPointer<Note> reminded = reminder.note;
    const QString text = reminder.text;
    const int durationMs = reminder.durationMs;
    m_presence->remind(*reminded, [this, text, durationMs, reminded] {
        const QScreen* screen = reminded ? screenOfNote(reminded->geometry()) : nullptr;
        if (!screen) {
            return;
        }
        const QString line = reminded->text().text().section(QLatin1Char('\n'), 0, 0).trimmed();
        AlertWindow::display(line.isEmpty() ? text : text + QLatin1Char('\n') + line.left(120),
                             durationMs,
                             areaClearOf(screen->availableGeometry(), m_presence->trayIconPlace()),
                             nullptr,
                             reminderAlertChoices(*reminded));
    });
}

void JotletApplication::onEmptied()
{
    if (!m_ended && m_board.count() == 0) {
        if (m_presence->keepsRunning()) {
            forgetNotesForNextSession(); // nothing to bring back; the tray icon stays
            return;
        }
        m_ended = true;
        m_journal->finish(true); // the last note closed as the user asked: nothing to recover
        forgetNotesForNextSession();
        QCoreApplication::quit();
    }
}

JotletApplication::~JotletApplication()
{
    // They search and restore into the board and the index, which go with the program.
    delete FindWindow::current();
    delete TrashWindow::current();
    delete BackupWindow::current();
    delete ExportWindow::current();
    delete ImportWindow::current();
}

bool JotletApplication::start(const QString& commandLine)
{
    // Before the first note shows: whether it has a taskbar entry is decided as its window is mapped. The icon
    // itself comes once the notes are up.
    m_presence->prepare();
    // The notes folder's notes first: a start without other notes then opens no empty one beside them.
    setNotesFolder(readNotesFolder(), false);
    const std::optional<ImportRequest> import = importRequestOf(commandLine);
    const StartupOutcome outcome
        = openStartingNotes(m_board, import ? QString() : commandLine, [this](bool mainFileOpened) {
              m_journal->setMainFileOpened(mainFileOpened);
              return m_journal->writeNow();
          });
    if (outcome.interrupted) {
        // The session ended while the notes came back: the files still hold every one of them.
        m_ended = true;
        m_journal->finish(false);
        return false;
    }
    m_mainFileOpened = outcome.mainFileOpened;
    m_journal->setMainFileOpened(m_mainFileOpened);
    m_backups->start(); // the day's snapshot, once the notes show
    // The tray icon looks itself up in the icon theme: once the notes are drawn.
    new AfterFirstPaint(m_presence, [this] { m_presence->showTray(); });
    tellLater(outcome.notices);
    if (import) {
        importNow(*import);
    }
    return true;
}

void JotletApplication::openAnother(const QString& commandLine)
{
    if (m_ended) {
        return;
    }
    if (const std::optional<ImportRequest> import = importRequestOf(commandLine)) {
        importNow(*import);
        return;
    }
    tellLater(openForAnotherStart(m_board, commandLine, &m_mainFileOpened, [this](bool mainFileOpened) {
        m_journal->setMainFileOpened(mainFileOpened);
        return m_journal->writeNow();
    }));
    m_journal->setMainFileOpened(m_mainFileOpened);
}

void JotletApplication::importNow(const ImportRequest& request)
{
    const ImportSource source
        = readImportSource(request.kind, request.path.isEmpty() ? defaultImportPath(request.kind) : request.path);
    for (const QString& problem : source.problems) {
        logError(QStringLiteral("Import"), 75, problem);
    }
    ImportMemory memory;
    const BringInOutcome outcome = bringIn(m_board, source, {}, memory);
    const QString text
        = tr("%n note(s) imported from %1.", nullptr, outcome.added).arg(importProgramName(request.kind));
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
    tellNow(tr("Import Notes"),
            source.problems.isEmpty()
                ? text
                : text + QLatin1Char(' ') + tr("Some files could not be read (see the error log)."));
}

void JotletApplication::tellLater(const QList<StartupNotice>& notices)
{
    if (notices.isEmpty()) {
        return;
    }
    // Once control is back in the event loop, so that the end of a session can always end the program.
    QTimer::singleShot(0, this, [this, notices] {
        for (const StartupNotice& notice : notices) {
            if (m_ended) {
                return;
            }
            dialogResponder().warning(nullptr, notice.title, notice.text);
        }
    });
}

void JotletApplication::tellNow(const QString& title, const QString& text)
{
    // Without waiting and without taking the keyboard from where the user types.
    if (m_ended) {
        return;
    }
    dialogResponder().notify(title, text);
}

void JotletApplication::endSession()
{
    if (m_ended) {
        QCoreApplication::exit(0); // whatever was opened since, the program ends
        return;
    }
    m_ended = true;
    // Nothing modal while the session ends: a log entry that cannot be written goes to standard error.
    setLogFailureHandler(nullptr);
    if (m_folderSync) {
        m_folderSync->finish(); // every change in its file, and which notes are open here remembered
    }
    // The journal holds the notes as they are now until the main note file does.
    m_journal->writeNow();
    m_journal->finish(false);
    Problem failure;
    if (keepNotesForNextSession(m_board, m_mainFileOpened, &failure)) {
        m_journal->finish(true);
    } else if (!failure.isEmpty()) {
        // Told at the next start, in the settings' own folder, in the words of this session's language.
        writeSetting(Setting::NotesNotKept, failure.text());
    }
    // Every event loop ends, a message box's too.
    QCoreApplication::exit(0);
}

void JotletApplication::setNotesFolder(const QString& folder, bool offerMove)
{
    if (m_folderSync) {
        // Turned off or moved: the files stay where they are; the open notes go on as notes of this computer.
        m_folderSync->finish();
        for (Note* note : m_board.notes()) {
            if (note->isConflict()) {
                note->discard(); // its copy stays in the folder
            } else if (note->storage()) {
                note->setStorage(nullptr);
            }
        }
        m_board.setKeptNoteAdopter({});
        m_board.setCollection(nullptr);
        delete m_folderSync;
        m_folderSync = nullptr;
    }
    if (folder.isEmpty()) {
        return;
    }
    m_folderSync
        = new FolderSync(m_board, folder, FolderSync::defaultPlacesPath(), VersionStore::defaultFolder(), this);
    connect(m_folderSync, &FolderSync::notice, this, &JotletApplication::tellNow);
    m_board.setKeptNoteAdopter(
        [this](Note* note, const NoteRecord& kept) { return m_folderSync && m_folderSync->adoptKept(note, kept); });
    m_board.setNotesComing(m_folderSync->expectsNotes());
    m_board.setCollection(m_folderSync);
    // Notes that were to come from the folder and did not (unreadable, closed here): a note to type in all the same.
    connect(m_folderSync, &FolderSync::scanned, this, [this] {
        if (m_board.notesComing()) {
            m_board.setNotesComing(false);
            if (m_board.count() == 0 && !m_ended) {
                m_board.createNote()->show();
            }
        }
    });
    m_folderSync->start();
    QList<Note*> homeless;
    for (Note* note : m_board.notes()) {
        if (note->folderId().isEmpty() && note->filePath().isEmpty() && !note->isClosed()) {
            homeless << note;
        }
    }
    if (offerMove && !homeless.isEmpty()
        && dialogResponder().question(nullptr,
                                      tr("Notes Folder"),
                                      tr("Move the %1 open notes that have no file of their own into the notes "
                                         "folder?")
                                          .arg(homeless.size()))
               == Answer::Yes) {
        for (Note* note : homeless) {
            m_folderSync->adopt(note);
        }
    }
}

void JotletApplication::adoptIntoFolder(Note* note)
{
    if (m_folderSync && note && !note->isClosed()) {
        m_folderSync->adopt(note);
    }
}

} // namespace jotlet
