// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktoppresence.h"

#include "app/platformchoice.h"
#include "dialogs/keydialog.h"
#include "manager/notemanagerwindow.h"
#include "note/dialogresponder.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "platform/desktopnotifier.h"
#include "platform/globalkey.h"
#include "special/alert/alertwindow.h"
#include "special/reminder.h"
#include "special/specialnotedriver.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "window/notewindow.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

#ifdef JOTLET_HAVE_XCB
#include "platform/x11.h"
#endif

#include <algorithm>

namespace jotlet {

namespace {

constexpr int kMostNotesListed = 30;
constexpr int kMostRemindersListed = 3;
constexpr int kLongestMenuText = 40;
constexpr int kLongestNotificationBody = 200;
constexpr int kTrayLookInterval = 2000; // ms

// The note's first line with any text.
QString firstLine(const QString& text)
{
    const QStringList lines = QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty()) {
            return simplified;
        }
    }
    return QString();
}

// Whether there is a tray, asked before the first note maps. Qt's answer begins with the session bus (a
// StatusNotifier host), whose connection takes milliseconds; on X the tray's selection is one short question, and
// Qt's whole answer follows once the notes are drawn.
bool trayBeforeNotesShow()
{
#ifdef JOTLET_HAVE_XCB
    if (xcb_connection_t* connection = x11Connection()) {
        return x11ManagerPresent(connection, "_NET_SYSTEM_TRAY_S");
    }
#endif
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QString elided(const QString& text, int longest)
{
    return text.size() <= longest ? text : text.left(longest - 1).trimmed() + QChar(0x2026);
}

} // namespace

QString noteMenuText(const QString& noteText)
{
    const QString line = firstLine(noteText);
    if (line.isEmpty()) {
        return DesktopPresence::tr("(empty note)");
    }
    return elided(line, kLongestMenuText).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

DesktopPresence::DesktopPresence(NoteBoard& board, QObject* parent)
    : QObject(parent)
    , m_board(board)
    , m_key(new GlobalKey(this))
    , m_notifier(new DesktopNotifier(this))
{
    connect(m_key, &GlobalKey::pressed, this, &DesktopPresence::newNote);
    connect(&desktopOptionsSignal(), &DesktopOptionsSignal::changed, this, [this] {
        const QString key = m_options.newNoteKey;
        m_options = readDesktopOptions();
        applyOptions();
        if (m_options.newNoteKey != key) {
            takeNewNoteKey();
        }
    });
    // A panel that starts after the program (at log-in) brings its tray with it, and one that ends takes it away:
    // the notes leave the taskbar and come back to it. Desktops do not announce a tray the same way, so it is
    // looked for every few seconds (one short question to the window system).
    m_trayWatch.setInterval(kTrayLookInterval);
    connect(&m_trayWatch, &QTimer::timeout, this, &DesktopPresence::followTray);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &DesktopPresence::updateTaskbar);
}

void DesktopPresence::followTray()
{
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available != m_trayAvailable) {
        m_trayAvailable = available;
        if (m_tray && m_options.showTrayIcon && available) {
            m_tray->show(); // in the new tray
        }
        updateTaskbar();
    }
    showToolTip();
}

void DesktopPresence::showToolTip()
{
    if (!m_tray) {
        return;
    }
    const int notes = int(m_board.count());
    const QString tip = notes == 0
                            ? tr("Jotlet: no notes open. Click for a new note.")
                            : tr("Jotlet: %n note(s). Click to put them away or bring them back.", nullptr, notes);
    if (m_tray->toolTip() != tip) {
        m_tray->setToolTip(tip);
    }
}

DesktopPresence::~DesktopPresence() = default;

void DesktopPresence::start()
{
    prepare();
    showTray();
}

void DesktopPresence::prepare()
{
    m_options = readDesktopOptions();
    m_trayAvailable = trayBeforeNotesShow();
    createMenu();
    m_trayLater = true;
    applyOptions();
}

void DesktopPresence::showTray()
{
    // Looking the icon up in the icon theme reads the theme's index files: not before the notes show. A tray that
    // only the session bus knows of takes the notes out of the taskbar now.
    m_trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    m_trayLater = false;
    applyOptions();
    takeNewNoteKey();
    m_trayWatch.start();
}

void DesktopPresence::createMenu()
{
    m_menu = std::make_unique<QMenu>();
    const auto add = [this](QMenu* menu, const QString& name, const QString& text, auto slot) {
        QAction* action = menu->addAction(text, this, slot);
        action->setObjectName(name);
        return action;
    };
    add(m_menu.get(), QStringLiteral("trayNewNote"), tr("&New Note"), &DesktopPresence::newNote);
    add(m_menu.get(), QStringLiteral("trayShowAll"), tr("&Show All Notes"), [this] { m_board.showAll(); });
    add(m_menu.get(), QStringLiteral("trayHideAll"), tr("&Hide All Notes"), [this] { m_board.hideAll(); });
    m_notesStart = m_menu->addSeparator();
    m_menu->addSeparator();
    m_manager
        = add(m_menu.get(), QStringLiteral("trayManager"), tr("Multi-Note &Manager..."), &DesktopPresence::openManager);
    add(m_menu.get(), QStringLiteral("trayFind"), tr("&Find in Notes..."), &DesktopPresence::findRequested);
    QMenu* inOut = m_menu->addMenu(tr("Notes Awa&y and Back"));
    inOut->setObjectName(QStringLiteral("trayNotesInOut"));
    add(inOut, QStringLiteral("trayImport"), tr("&Import Notes..."), [this] {
        emit notesWindowRequested(Command::ImportNotes);
    });
    add(inOut, QStringLiteral("trayExport"), tr("&Export Notes..."), [this] {
        emit notesWindowRequested(Command::ExportNotes);
    });
    add(inOut, QStringLiteral("trayRestoreBackup"), tr("&Restore from Backup..."), [this] {
        emit notesWindowRequested(Command::RestoreBackup);
    });
    QMenu* options = m_menu->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("trayOptions"));
    m_showIcon = add(options, QStringLiteral("trayShowIcon"), tr("Show &Tray Icon"), [this](bool on) {
        setOption(&DesktopOptions::showTrayIcon, on);
    });
    m_outOfTaskbar
        = add(options, QStringLiteral("trayOutOfTaskbar"), tr("Keep Notes Out of the Task&bar"), [this](bool on) {
              setOption(&DesktopOptions::keepNotesOutOfTaskbar, on);
          });
    m_keepRunning = add(options,
                        QStringLiteral("trayKeepRunning"),
                        tr("Keep &Running When the Last Note Closes"),
                        [this](bool on) { setOption(&DesktopOptions::keepRunning, on); });
    for (QAction* option : {m_showIcon, m_outOfTaskbar, m_keepRunning}) {
        option->setCheckable(true);
    }
    m_keyChoice = add(options, QStringLiteral("trayNewNoteKey"), QString(), &DesktopPresence::chooseNewNoteKey);
    options->addSeparator();
    // The program's settings (the notes folder among them), as a note's Settings... shows them.
    add(options, QStringLiteral("traySettings"), tr("&Settings..."), [] { dialogResponder().showSettings(nullptr); });
    m_menu->addSeparator();
    add(m_menu.get(), QStringLiteral("trayQuit"), tr("&Quit"), [this] { emit quitRequested(); });
    connect(m_menu.get(), &QMenu::aboutToShow, this, &DesktopPresence::fillNotes);
}

// The open notes by their first words, between the separators; the rest of the menu as the notes are now.
void DesktopPresence::fillNotes()
{
    qDeleteAll(m_noteActions);
    m_noteActions.clear();
    const QList<Note*> notes = m_board.notes();
    const QList<QAction*> all = m_menu->actions();
    QAction* before = all.value(all.indexOf(m_notesStart) + 1);
    for (int i = 0; i < notes.size() && i < kMostNotesListed; ++i) {
        QPointer<Note> note = notes[i];
        auto* action = new QAction(noteMenuText(note->text().text()), m_menu.get());
        connect(action, &QAction::triggered, this, [this, note] {
            if (note) {
                m_lastPresented = note;
                note->present();
            }
        });
        m_menu->insertAction(before, action);
        m_noteActions << action;
    }
    if (notes.size() > kMostNotesListed) {
        auto* more = new QAction(tr("%n more note(s)", nullptr, int(notes.size() - kMostNotesListed)), m_menu.get());
        more->setEnabled(false);
        m_menu->insertAction(before, more);
        m_noteActions << more;
    }
    fillUpcomingReminders(before);
    m_manager->setEnabled(!notes.isEmpty());
}

// "Next: Dentist, Tue 10:30" for the reminders that go off next; choosing one brings its note forward.
void DesktopPresence::fillUpcomingReminders(QAction* before)
{
    const QDateTime now = Clock::now();
    QList<std::pair<QDateTime, QPointer<Note>>> upcoming;
    for (Note* note : m_board.notes()) {
        SpecialNoteDriver* driver = specialDriverOf(*note);
        if (driver && note->special()->reminderIcon() == ReminderIcon::Waiting) {
            const QDateTime next = ReminderSchedule::nextCheck(driver->reminderRule(), now, driver->snoozedUntil());
            if (next.isValid()) {
                upcoming.append({next, note});
            }
        }
    }
    std::sort(upcoming.begin(), upcoming.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 0; i < upcoming.size() && i < kMostRemindersListed; ++i) {
        const QPointer<Note> note = upcoming.at(i).second;
        auto* action = new QAction(
            tr("Next: %1, %2")
                .arg(noteMenuText(note->text().text()), reminderWhenText(upcoming.at(i).first.toLocalTime(), now)),
            m_menu.get());
        action->setObjectName(QStringLiteral("trayNextReminder"));
        connect(action, &QAction::triggered, this, [note] {
            if (note) {
                note->present();
            }
        });
        m_menu->insertAction(before, action);
        m_noteActions << action;
    }
}

void DesktopPresence::applyOptions()
{
    m_showIcon->setChecked(m_options.showTrayIcon);
    m_outOfTaskbar->setChecked(m_options.keepNotesOutOfTaskbar);
    m_keepRunning->setChecked(m_options.keepRunning);
    if (m_options.showTrayIcon && !m_tray && !m_trayLater) {
        m_tray = new QSystemTrayIcon(QIcon::fromTheme(QStringLiteral("jotlet"), QIcon(QStringLiteral(":/jotlet.svg"))),
                                     this);
        showToolTip();
        m_tray->setContextMenu(m_menu.get());
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            onActivated(reason);
        });
    }
    if (m_tray) {
        m_tray->setVisible(m_options.showTrayIcon);
    }
    updateTaskbar();
}

bool DesktopPresence::trayShows() const
{
    return m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void DesktopPresence::updateTaskbar()
{
    // Without a tray icon the taskbar is the only way back to a note hidden behind other windows.
    NoteWindow::keepOutOfTaskbar(m_options.keepNotesOutOfTaskbar && trayPromised());
}

bool DesktopPresence::trayPromised() const
{
    return trayShows() || (m_trayLater && m_options.showTrayIcon && m_trayAvailable);
}

bool DesktopPresence::keepsRunning() const
{
    return m_options.keepRunning && trayPromised();
}

void DesktopPresence::setOption(bool DesktopOptions::*option, bool on)
{
    DesktopOptions changed = m_options;
    changed.*option = on;
    SettingsError error;
    if (!writeDesktopOptions(changed, &error)) {
        logError(QStringLiteral("frmMain: WriteSettings"), error.number, error.description);
        applyOptions(); // the menu shows what is in force
    }
}

void DesktopPresence::takeNewNoteKey()
{
    const QKeySequence key = QKeySequence::fromString(m_options.newNoteKey, QKeySequence::PortableText);
    GlobalKey::Outcome outcome = GlobalKey::Outcome::Unavailable;
    if (!isWaylandSession()) { // the compositor keeps keys to itself; Xwayland sees only its own windows' keys
        outcome = key.isEmpty() ? (m_key->release(), GlobalKey::Outcome::Taken) : m_key->setKey(key);
    }
    const QString keyText = key.toString(QKeySequence::NativeText);
    switch (outcome) {
    case GlobalKey::Outcome::Taken:
        m_keyChoice->setText(key.isEmpty() ? tr("New-Note &Key (none)...") : tr("New-Note &Key (%1)...").arg(keyText));
        m_keyChoice->setEnabled(true);
        return;
    case GlobalKey::Outcome::Unavailable:
        m_keyChoice->setText(tr("New-Note Key: not available on this desktop"));
        m_keyChoice->setEnabled(false);
        return;
    case GlobalKey::Outcome::InUse:
    case GlobalKey::Outcome::Unsupported:
        break;
    }
    m_keyChoice->setText(tr("New-Note &Key (%1, not working)...").arg(keyText));
    m_keyChoice->setEnabled(true);
    const QString why
        = outcome == GlobalKey::Outcome::InUse
              ? QStringLiteral("The new-note key %1 is in use by another program").arg(m_options.newNoteKey)
              : QStringLiteral("The new-note key %1 cannot be used").arg(m_options.newNoteKey);
    logError(QStringLiteral("modTray: NewNoteKey"), 5, why);
    if (trayShows()) {
        m_tray->showMessage(
            QStringLiteral("Jotlet"),
            outcome == GlobalKey::Outcome::InUse
                ? tr("The key %1 is in use by another program. Choose another one for new notes "
                     "under Options in this menu.")
                      .arg(keyText)
                : tr("The key %1 cannot be used for new notes. Choose one with Ctrl, Alt or Super.").arg(keyText));
    }
}

void DesktopPresence::chooseNewNoteKey()
{
    const std::optional<QKeySequence> key
        = KeyDialog::ask(QKeySequence::fromString(m_options.newNoteKey, QKeySequence::PortableText));
    if (!key) {
        return;
    }
    DesktopOptions changed = m_options;
    changed.newNoteKey = key->toString(QKeySequence::PortableText);
    SettingsError error;
    if (!writeDesktopOptions(changed, &error)) {
        logError(QStringLiteral("frmMain: WriteSettings"), error.number, error.description);
    }
}

void DesktopPresence::newNote()
{
    Note* note = m_board.createNote();
    note->show(); // in front, with the keyboard
}

void DesktopPresence::openManager()
{
    Note* note = m_lastPresented ? m_lastPresented.data() : m_board.notes().value(0);
    if (note) {
        note->setHidden(false);
        NoteManagerWindow::open(*note, m_board);
    }
}

void DesktopPresence::onActivated(int reason)
{
    if (reason != QSystemTrayIcon::Trigger) {
        return;
    }
    if (m_board.count() == 0) {
        newNote(); // the program kept running without notes
    } else {
        m_board.toggleAll();
    }
}

void answerReminder(Note& note, const QString& key)
{
    SpecialNoteDriver* driver = specialDriverOf(note);
    if (!driver) {
        return;
    }
    static const QHash<QString, SpecialNoteDriver::Snooze> snoozes
        = {{QStringLiteral("snooze-5"), SpecialNoteDriver::Snooze::FiveMinutes},
           {QStringLiteral("snooze-15"), SpecialNoteDriver::Snooze::FifteenMinutes},
           {QStringLiteral("snooze-60"), SpecialNoteDriver::Snooze::OneHour},
           {QStringLiteral("snooze-tomorrow"), SpecialNoteDriver::Snooze::Tomorrow}};
    if (snoozes.contains(key)) {
        driver->snooze(snoozes.value(key));
    } else if (key == QLatin1String("done")) {
        driver->done();
    }
}

AlertChoices reminderAlertChoices(Note& note)
{
    SpecialNoteDriver* driver = specialDriverOf(note);
    if (!driver) {
        return {};
    }
    AlertChoices choices;
    choices.menuLabel = DesktopPresence::tr("Snooze");
    choices.menu = {{QStringLiteral("snooze-5"), DesktopPresence::tr("5 Minutes")},
                    {QStringLiteral("snooze-15"), DesktopPresence::tr("15 Minutes")},
                    {QStringLiteral("snooze-60"), DesktopPresence::tr("1 Hour")},
                    {QStringLiteral("snooze-tomorrow"), DesktopPresence::tr("Tomorrow")}};
    if (driver->reminderRule().repeat == ReminderRepeat::Once) {
        choices.buttons << AlertChoices::Choice {QStringLiteral("done"), DesktopPresence::tr("Done")};
    }
    choices.onChoice = [reminded = QPointer<Note>(&note)](const QString& key) {
        if (reminded) {
            answerReminder(*reminded, key);
        }
    };
    return choices;
}

void DesktopPresence::remindMany(const QList<QPointer<Note>>& notes,
                                 const QStringList& lines,
                                 std::function<void()> withoutService)
{
    m_notifier->notify(
        tr("Jotlet reminders"),
        lines.join(QLatin1Char('\n')).toHtmlEscaped(),
        tr("Show Notes"),
        [notes] {
            for (const QPointer<Note>& note : notes) {
                if (note) {
                    note->present();
                }
            }
        },
        std::move(withoutService));
}

void DesktopPresence::remind(Note& note, std::function<void()> withoutService)
{
    const QString line = elided(firstLine(note.text().text()), kLongestNotificationBody);
#ifdef Q_OS_WIN
    // Windows keeps the tray's balloons in its notification centre.
    if (trayShows()) {
        m_tray->showMessage(tr("Jotlet reminder"), line);
    } else if (withoutService) {
        withoutService();
    }
#else
    QPointer<Note> reminded(&note);
    // Snooze and, for a reminder that does not repeat, Done, as buttons of the notification.
    QList<DesktopNotifier::Action> actions {{QStringLiteral("snooze-5"), tr("Snooze 5 Minutes")},
                                            {QStringLiteral("snooze-15"), tr("15 Minutes")},
                                            {QStringLiteral("snooze-60"), tr("1 Hour")},
                                            {QStringLiteral("snooze-tomorrow"), tr("Tomorrow")}};
    SpecialNoteDriver* driver = specialDriverOf(note);
    if (driver && driver->reminderRule().repeat == ReminderRepeat::Once) {
        actions << DesktopNotifier::Action {QStringLiteral("done"), tr("Done")};
    }
    m_notifier->notify(
        tr("Jotlet reminder"),
        line.toHtmlEscaped(), // a body may be read as markup
        tr("Show Note"),
        [reminded] {
            if (reminded) {
                reminded->present();
            }
        },
        std::move(withoutService),
        driver ? actions : QList<DesktopNotifier::Action>(),
        [reminded](const QString& key) {
            if (reminded) {
                answerReminder(*reminded, key);
            }
        });
#endif
}

QRect DesktopPresence::trayIconPlace() const
{
    return trayShows() ? m_tray->geometry() : QRect();
}

} // namespace jotlet
