// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

namespace jotlet {

// Messages in the desktop's notification centre (org.freedesktop.Notifications on the session bus): they stay in
// its history and follow its Do Not Disturb. Calls never wait for the service; where none answers, nothing
// happens.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject* parent = nullptr);
    ~DesktopNotifier() override;

    // Sends one notification with the program's icon and normal urgency. When the user picks it (its default
    // action, labelled actionLabel), onPicked runs; it is forgotten once the notification closes. Where no
    // notification service answers (none on the bus, an error, no answer within three seconds), unavailable runs
    // instead, so that the caller can tell the user its own way.
    // More actions (key and label) show as buttons; onAction gets the key of the one the user picks.
    struct Action
    {
        QString key;
        QString label;
    };
    void notify(const QString& summary,
                const QString& body,
                const QString& actionLabel,
                std::function<void()> onPicked,
                std::function<void()> unavailable = {},
                const QList<Action>& more = {},
                std::function<void(const QString& key)> onAction = {});

private slots:
    // The bus's signals, connected by name.
    void onActionInvoked(uint id, const QString& action);
    void onClosed(uint id, uint reason);

private:
    struct Pending
    {
        std::function<void()> onPicked;
        std::function<void(const QString&)> onAction;
    };
    QHash<uint, Pending> m_pending;
    bool m_connected = false;
};

} // namespace jotlet
