// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/command.h"

#include "support/settings.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <QPointer>
#include <functional>

#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace jotlet {

class DesktopNotifier;
struct AlertChoices;
class GlobalKey;
class Note;
class NoteBoard;

// Where the program sits on the desktop beside its notes: the tray icon and its menu (new note, show and hide all,
// the open notes, the manager, its options, quit), the desktop-wide key for a new note, and reminders in the
// notification centre. Where the desktop has no tray, no icon shows and the notes keep their taskbar entries.
// A choice from a reminder's notification ("snooze-5", "snooze-15", "snooze-60", "snooze-tomorrow", "done") for the
// reminder of the note.
void answerReminder(Note& note, const QString& key);
// The same choices for the program's own alert: Snooze with its times, and Done for a reminder that does not repeat.
AlertChoices reminderAlertChoices(Note& note);

class DesktopPresence : public QObject
{
    Q_OBJECT

public:
    explicit DesktopPresence(NoteBoard& board, QObject* parent = nullptr);
    ~DesktopPresence() override;

    // Reads the options, shows the tray icon and takes the new-note key.
    void start();
    // start() in two halves, so that the notes show first: prepare() reads the options and decides the notes'
    // taskbar entries as if the icon showed, showTray() then shows it and takes the key.
    void prepare();
    void showTray();

    // Whether the program stays in the tray when its last note closes: the user asked for it and the icon shows.
    bool keepsRunning() const;
    // A reminder went off: one notification with the note's first line, which brings the note forward when the
    // user picks it ("Show Note"). Where the desktop has no notification service, withoutService runs instead
    // (the program's own alert).
    // Several reminders at once, as one notification listing them; picking it brings their notes forward.
    void remindMany(const QList<QPointer<Note>>& notes, const QStringList& lines, std::function<void()> withoutService);
    void remind(Note& note, std::function<void()> withoutService);
    // Where the tray icon is on the screen (invalid while none shows), so that nothing of the program's covers it.
    QRect trayIconPlace() const;

    QSystemTrayIcon* trayIcon() const { return m_tray; }
    QMenu* menu() const { return m_menu.get(); }

signals:
    // "Quit": every note is kept as at the end of a session, then the program ends.
    void quitRequested();
    // "Find in Notes..." was chosen.
    void findRequested();
    // "Import Notes...", "Export Notes..." or "Restore from Backup..." was chosen.
    void notesWindowRequested(jotlet::Command command);

private:
    void createMenu();
    void fillNotes();
    void fillUpcomingReminders(QAction* before);
    void applyOptions();
    void updateTaskbar();
    // Takes the key of the options; one that cannot be taken is logged and told in the tray.
    void takeNewNoteKey();
    void chooseNewNoteKey();
    void setOption(bool DesktopOptions::*option, bool on);
    void newNote();
    void openManager();
    void onActivated(int reason);
    bool trayShows() const;
    // The icon shows, or will once the notes are up.
    bool trayPromised() const;
    void followTray();
    void showToolTip();

    NoteBoard& m_board;
    DesktopOptions m_options;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon* m_tray = nullptr;
    GlobalKey* m_key;
    QTimer m_trayWatch;
    bool m_trayAvailable = false;
    bool m_trayLater = false; // prepared, the icon not shown yet
    DesktopNotifier* m_notifier;
    QAction* m_notesStart = nullptr; // the separator the open notes follow
    QList<QAction*> m_noteActions;
    QAction* m_manager = nullptr;
    QAction* m_showIcon = nullptr;
    QAction* m_outOfTaskbar = nullptr;
    QAction* m_keepRunning = nullptr;
    QAction* m_keyChoice = nullptr;
    QPointer<Note> m_lastPresented;
};

// The text a menu shows for a note: its first words on one line, "&" kept as it is; "(empty note)" when it has
// none.
QString noteMenuText(const QString& noteText);

} // namespace jotlet
