// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace jotlet {

// True once a signal that ends the session has arrived, even while the event loop is not running yet: long work
// at start-up asks this between steps so that it can give way.
bool sessionEndPending();

// Tells the program that the desktop session is ending: the session manager asks to save (commit data), or the
// process gets SIGTERM, SIGHUP or SIGINT (display managers and systemd send SIGTERM at shutdown). The signals are
// carried into the event loop through a pipe; the handler itself only writes one byte. Every signal is told: a
// second one must still end a program that the first did not.
class SessionEndWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SessionEndWatcher(QObject* parent = nullptr);
    ~SessionEndWatcher() override;

signals:
    void sessionEnding();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace jotlet
