// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThread>

#include <memory>

class QLockFile;

namespace jotlet {

// One program per user session. The running program holds a lock file in the user's runtime folder for as long as
// it runs and listens on a local (Unix domain) socket beside it from its first moment, on a thread of its own, so
// that it answers even while its notes are still coming back; what arrives is handed to the program once its event
// loop runs. The socket is the system's own, not Qt Network's: a start does not load a network stack to find out
// whether it is the only one.
//
// A second start (a double-click on a note file, an autostart entry racing a start by hand) hands its command line
// over and ends. It never takes over while the lock's owner is alive: it waits for the owner to listen. Only when
// the owner has gone (the system released its lock) does it become the running program, replacing the socket left
// behind.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        Running,    // this program runs and listens for later starts
        HandedOver, // a running program took the command line: this one ends now
        NoAnswer,   // a program runs but did not take the command line in time: this one ends too
    };

    // How long a second start waits for a running program that does not answer.
    static constexpr int kGiveUpMs = 30000;

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    Start start(const QString& commandLine, int giveUpMs = kGiveUpMs);
    // No more hand-overs are taken (the program is ending): a later start waits until this one has gone.
    void stopListening();

    // Where the running program listens, and its lock.
    static QString serverName();
    static QString lockPath();

signals:
    void commandLineReceived(const QString& commandLine);

private:
    bool listen();

    std::unique_ptr<QLockFile> m_lock;
    QThread m_thread;
    QObject* m_listener = nullptr; // lives on m_thread, owns the listening socket and its connections
};

} // namespace jotlet
