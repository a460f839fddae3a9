// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

class QObject;

namespace jotlet {

// HTTP transfers through Qt Network, in the module "jotlet-net" (support/modules.h), so that Qt Network and what it
// brings (Kerberos, the proxy library, Brotli) are loaded with a note's first request, not with every start.
// HttpFetcher decides what is fetched and words what went wrong; the module only moves the bytes.

// One GET: where, how much may come back, how long it may take, and through which proxy (none named: the system's).
struct NetRequest
{
    QUrl url;
    qint64 maxBytes = 0;
    int timeoutMs = 30000;
    int maxRedirects = 5;
    QString proxyHost;
    quint16 proxyPort = 0;
};

// How a transfer ended. detail holds Qt's error text (Failed, RedirectError), the refused address
// (RedirectRefused) or the reason phrase (BadStatus).
struct NetReply
{
    enum class Outcome { Ok, TooLarge, TimedOut, RedirectError, RedirectRefused, BadStatus, Failed };
    Outcome outcome = Outcome::Failed;
    int status = 0;
    QString detail;
    QByteArray body; // the whole body, for Ok only
};

// The transfers' manager, a child of parent; every request of one HttpFetcher goes through the same one.
using NetOpen = QObject* (*)(QObject* parent);
inline constexpr char kNetOpen[] = "jotletNetOpen";

// Starts a GET on the manager NetOpen made. done is called once, later, unless context is destroyed first: then the
// request is given up.
using NetGet = void (*)(QObject* manager,
                        const NetRequest& request,
                        QObject* context,
                        std::function<void(const NetReply&)> done);
inline constexpr char kNetGet[] = "jotletNetGet";

inline constexpr char kNetModule[] = "jotlet-net";

} // namespace jotlet
