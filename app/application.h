// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/startup.h"
#include "note/noteboard.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace jotlet {

class AlertSound;
class ClipboardSource;
class DesktopPresence;
class HttpFetcher;
class RecoveryJournal;
class SearchIndex;
class BackupSchedule;
struct ImportRequest;
class FolderSync;
class Note;
class SessionEndWatcher;

// The running program: it owns the open notes (each shown in its own window) and their recovery journal, opens the
// notes it starts with, keeps every note for the next start when the session ends, and ends when the last note has
// closed (unless the user keeps it in the tray).
class JotletApplication : public QObject
{
    Q_OBJECT

public:
    explicit JotletApplication(QObject* parent = nullptr);
    ~JotletApplication() override;

    NoteBoard& board() { return m_board; }
    DesktopPresence& presence() { return *m_presence; }

    // Opens the notes the program starts with (the command line is one text). False when the session ended while
    // they came back: the program ends at once, leaving every file as it was.
    bool start(const QString& commandLine);
    // A later start of the program handed its command line over.
    void openAnother(const QString& commandLine);
    // Every open note goes to the main note file, then the program ends; a later call ends it again, whatever
    // dialog is open then.
    void endSession();

private:
    void connectBoardServices();
    void onEmptied();
    void importNow(const ImportRequest& request);
    void remind(const QString& text, int durationMs, Note& note);
    struct GatheredReminder
    {
        QPointer<Note> note;
        QString text;
        int durationMs = 0;
    };
    void remindGathered();
    void remindOne(const GatheredReminder& reminder);
    static constexpr int kGatherRemindersMs = 300;
    static constexpr int kGatheredAlertMs = 8000;
    QList<GatheredReminder> m_reminders;
    QTimer m_gatherReminders;
    void tellLater(const QList<StartupNotice>& notices);
    void tellNow(const QString& title, const QString& text);
    // Starts keeping notes in the folder ("" turns it off); offerMove asks whether the open notes without a file go
    // into it.
    void setNotesFolder(const QString& folder, bool offerMove);
    void adoptIntoFolder(Note* note);

    NoteBoard m_board;
    SessionEndWatcher* m_sessionEnd;
    RecoveryJournal* m_journal;
    HttpFetcher* m_fetcher;
    ClipboardSource* m_clipboard;
    DesktopPresence* m_presence;
    SearchIndex* m_searchIndex;
    BackupSchedule* m_backups;
    FolderSync* m_folderSync = nullptr;
    std::unique_ptr<AlertSound> m_alertSound;
    bool m_mainFileOpened = false;
    bool m_ended = false;
};

} // namespace jotlet
