#pragma once

#include "window/noteboard.h"

#include <QObject>

#include <memory>

namespace jotlet {

class AlertSound;
class ClipboardSource;
class HttpFetcher;
class RecoveryJournal;
class SessionEndWatcher;

// The running program: it owns the open notes (each shown in its own window) and their recovery journal, opens the
// notes it starts with, keeps every note for the next start when the session ends, and ends when the last note has
// closed.
class JotletApplication : public QObject
{
    Q_OBJECT

public:
    explicit JotletApplication(QObject* parent = nullptr);
    ~JotletApplication() override;

    NoteBoard& board() { return m_board; }

    // Opens the notes the program starts with (the command line is one text).
    void start(const QString& commandLine);
    // A later start of the program handed its command line over.
    void openAnother(const QString& commandLine);
    // Every open note goes to the main note file, then the program ends.
    void endSession();

private:
    void connectBoardServices();
    void onEmptied();

    NoteBoard m_board;
    SessionEndWatcher* m_sessionEnd;
    RecoveryJournal* m_journal;
    HttpFetcher* m_fetcher;
    ClipboardSource* m_clipboard;
    std::unique_ptr<AlertSound> m_alertSound;
};

} // namespace jotlet
