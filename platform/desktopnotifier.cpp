// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopnotifier.h"

#ifdef JOTLET_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

namespace jotlet {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent)
    : QObject(parent)
{
}

DesktopNotifier::~DesktopNotifier() = default;

#ifdef JOTLET_HAVE_DBUS

void DesktopNotifier::notify(const QString& summary,
                             const QString& body,
                             const QString& actionLabel,
                             std::function<void()> onPicked,
                             std::function<void()> unavailable,
                             const QList<Action>& more,
                             std::function<void(const QString& key)> onAction)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (unavailable) {
            unavailable();
        }
        return;
    }
    if (!m_connected) {
        bus.connect(
            kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
        bus.connect(
            kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
        m_connected = true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints = {{QStringLiteral("urgency"), QVariant::fromValue(uchar(1))},
                               {QStringLiteral("desktop-entry"), QStringLiteral("jotlet")}};
    QStringList actions {kDefaultAction, actionLabel};
    for (const Action& action : more) {
        actions << action.key << action.label;
    }
    call << QStringLiteral("Jotlet") << uint(0) << QStringLiteral("jotlet") << summary << body << actions << hints
         << int(-1);
    // A service that is not there fails the call at once; one that hangs is given up after three seconds.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 3000), this);
    connect(watcher,
            &QDBusPendingCallWatcher::finished,
            this,
            [this,
             watcher,
             onPicked = std::move(onPicked),
             unavailable = std::move(unavailable),
             onAction = std::move(onAction)] {
                const QDBusPendingReply<uint> reply = *watcher;
                if (reply.isError() && unavailable) {
                    unavailable();
                } else if (!reply.isError() && (onPicked || onAction)) {
                    m_pending.insert(reply.value(), {onPicked, onAction});
                }
                watcher->deleteLater();
            });
}

#else

void DesktopNotifier::notify(const QString&,
                             const QString&,
                             const QString&,
                             std::function<void()>,
                             std::function<void()> unavailable,
                             const QList<Action>&,
                             std::function<void(const QString&)>)
{
    if (unavailable) {
        unavailable();
    }
}

#endif

void DesktopNotifier::onActionInvoked(uint id, const QString& action)
{
    const auto picked = m_pending.constFind(id);
    if (picked == m_pending.constEnd()) {
        return;
    }
    const Pending pending = *picked;
    if (action == kDefaultAction && pending.onPicked) {
        pending.onPicked();
    } else if (action != kDefaultAction && pending.onAction) {
        pending.onAction(action);
    }
}

void DesktopNotifier::onClosed(uint id, uint reason)
{
    m_pending.remove(id);
}

} // namespace jotlet
