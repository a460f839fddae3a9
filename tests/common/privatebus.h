// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A session bus of the test's own (dbus-daemon on a socket in a scratch folder, nothing activated, nothing else
// listening), and a stand-in notification centre that records what programs send it.
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariantMap>

class PrivateSessionBus
{
public:
    // Starts the daemon; address() is empty when dbus-daemon is missing or did not start.
    PrivateSessionBus()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() || !m_folder.isValid()) {
            return;
        }
        const QString config = m_folder.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) {
            return;
        }
        file.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
                                  " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                  "<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                  "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                                  "<allow receive_sender=\"*\"/>"
                                  "<allow own=\"*\"/></policy></busconfig>\n")
                       .arg(m_folder.path())
                       .toUtf8());
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config,
                        QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(10000)) {
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        }
    }
    ~PrivateSessionBus()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("test"));
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    QString address() const { return m_address; }
    // The test's own connection to the bus.
    QDBusConnection connection() const { return QDBusConnection::connectToBus(m_address, QStringLiteral("test")); }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
};

// org.freedesktop.Notifications as far as programs send to it: each Notify is recorded and answered with an id.
class FakeNotificationCentre : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call
    {
        QString appName;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    explicit FakeNotificationCentre(QDBusConnection connection)
        : m_connection(connection)
    {
        m_connection.registerObject(
            QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots);
        m_registered = m_connection.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    bool isRegistered() const { return m_registered; }
    QList<Call> calls;

    // The user picks a notification's action.
    void invoke(uint id, const QString& action)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                         QStringLiteral("org.freedesktop.Notifications"),
                                                         QStringLiteral("ActionInvoked"));
        signal << id << action;
        m_connection.send(signal);
    }

public slots:
    uint Notify(const QString& appName,
                uint replacesId,
                const QString& appIcon,
                const QString& summary,
                const QString& body,
                const QStringList& actions,
                const QVariantMap& hints,
                int expireTimeout)
    {
        calls.append({appName, appIcon, summary, body, actions, hints});
        return uint(calls.size());
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }

private:
    QDBusConnection m_connection;
    bool m_registered = false;
};
