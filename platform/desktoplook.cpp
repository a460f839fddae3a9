// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktoplook.h"

#include <QTimer>
#include <QVariant>

#ifdef JOTLET_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#endif

namespace jotlet {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

#ifdef JOTLET_HAVE_DBUS

// The value of Read arrives as a variant in a variant, that of SettingChanged as one.
uint schemeOf(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value.toUInt();
}

// Receives the portal's signal for the look (the bus calls slots by name).
class PortalListener : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

public slots:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
    {
        if (group == kGroup && key == kKey) {
            DesktopLook::instance().takeScheme(schemeOf(value.variant()));
        }
    }
};

#endif

} // namespace

DesktopLook& DesktopLook::instance()
{
    static DesktopLook* look = new DesktopLook; // lives as long as the program
    return *look;
}

void DesktopLook::takeScheme(uint scheme)
{
    const bool dark = scheme == 1;
    if (dark != m_prefersDark) {
        m_prefersDark = dark;
        emit changed();
    }
}

#ifdef JOTLET_HAVE_DBUS

void DesktopLook::start()
{
    if (m_started) {
        return;
    }
    m_started = true;
    // From the event loop: the bus's answers come later anyway, and the first note shows without waiting for the
    // connection and the signal's match rule.
    QTimer::singleShot(0, this, &DesktopLook::askPortal);
}

void DesktopLook::askPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(kService,
                kPath,
                kInterface,
                QStringLiteral("SettingChanged"),
                new PortalListener(this),
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << kGroup << kKey;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 3000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<QVariant> reply = *watcher;
        if (!reply.isError()) {
            takeScheme(schemeOf(reply.value()));
        }
        watcher->deleteLater();
    });
}

#else

void DesktopLook::start()
{
    m_started = true;
}

void DesktopLook::askPortal() { }

#endif

} // namespace jotlet

#ifdef JOTLET_HAVE_DBUS
#include "desktoplook.moc"
#endif
