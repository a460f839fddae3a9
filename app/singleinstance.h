#pragma once

#include <QObject>

class QLocalServer;

namespace jotlet {

// One program per user session. A second start (a double-click on a note file, an autostart entry racing a start by
// hand) hands its command line to the running program through a local socket in the user's runtime folder and
// ends; otherwise this program listens for later starts. A socket left by a run that was killed is replaced.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when a running program took the command line: this one should end now. Otherwise this program is the
    // one that runs and listens from now on.
    bool handOver(const QString& commandLine);

    // Where the running program listens.
    static QString serverName();

signals:
    void commandLineReceived(const QString& commandLine);

private:
    void readConnection();

    QLocalServer* m_server = nullptr;
};

} // namespace jotlet
