#include "app/application.h"

#include "app/startup.h"
#include "platform/sessionend.h"
#include "support/errorlog.h"
#include "window/notewindow.h"

#include <QGuiApplication>

namespace jotlet {

JotletApplication::JotletApplication(QObject* parent)
    : QObject(parent)
    , m_sessionEnd(new SessionEndWatcher(this))
{
    m_board.setViewFactory([](Note* note) { new NoteWindow(note); });
    // The program runs while a note is open; dialogs closing must not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Checked once control is back in the event loop: a note refused at start-up leaves the board empty for a
    // moment before the new note that takes its place.
    connect(
        &m_board,
        &NoteBoard::emptied,
        this,
        [this] {
            if (m_board.count() == 0) {
                QCoreApplication::quit();
            }
        },
        Qt::QueuedConnection);
    connect(m_sessionEnd, &SessionEndWatcher::sessionEnding, this, &JotletApplication::endSession);
}

JotletApplication::~JotletApplication() = default;

void JotletApplication::start(const QString& commandLine)
{
    openStartingNotes(m_board, commandLine);
}

void JotletApplication::endSession()
{
    // Nothing modal while the session ends: a log entry that cannot be written goes to standard error.
    setLogFailureHandler(nullptr);
    m_board.endSession();
    QCoreApplication::quit();
}

} // namespace jotlet
