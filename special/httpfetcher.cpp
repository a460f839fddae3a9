// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/httpfetcher.h"

#include "special/netmodule.h"
#include "support/modules.h"
#include "support/problem.h"
#include "support/settings.h"

#include <QTimer>

namespace jotlet {

namespace {

constexpr int kMaxRedirects = 5;

bool isWebAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
           && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

// Why a transfer failed, in the error log's words.
QString failureText(const NetReply& reply, const NetRequest& request)
{
    switch (reply.outcome) {
    case NetReply::Outcome::Ok:
        return QString();
    case NetReply::Outcome::TooLarge:
        return Problem(QT_TRANSLATE_NOOP("Problem", "The reply is larger than %1 KB"), {request.maxBytes / 1024})
            .english();
    case NetReply::Outcome::TimedOut:
        return Problem(QT_TRANSLATE_NOOP("Problem", "No complete reply within %1 seconds"), {request.timeoutMs / 1000})
            .english();
    case NetReply::Outcome::RedirectError:
        return Problem(QT_TRANSLATE_NOOP("Problem", "Redirect not followed: %1"), {reply.detail}).english();
    case NetReply::Outcome::RedirectRefused:
        return Problem(QT_TRANSLATE_NOOP("Problem",
                                         "Redirect not followed: the server sends the request on to '%1', which is "
                                         "not an http or https address"),
                       {reply.detail})
            .english();
    case NetReply::Outcome::BadStatus:
        return Problem(QT_TRANSLATE_NOOP("Problem", "The server answered %1 %2"), {reply.status, reply.detail})
            .english();
    case NetReply::Outcome::Failed:
        break;
    }
    return reply.detail;
}

// The "HTTPProxy" setting, when it names a proxy.
void applyProxySetting(NetRequest* request)
{
    const QString setting = readSetting(Setting::HttpProxy).trimmed();
    const QUrl proxy = QUrl::fromUserInput(setting);
    if (!setting.isEmpty() && !proxy.host().isEmpty()) {
        request->proxyHost = proxy.host();
        request->proxyPort = quint16(proxy.port(8080));
    }
}

void failLater(QObject* context, std::function<void(const FetchResult&)> done, const QString& why)
{
    FetchResult refused;
    refused.error = why;
    QTimer::singleShot(0, context, [done = std::move(done), refused] { done(refused); });
}

} // namespace

HttpFetcher::HttpFetcher(QObject* parent)
    : QObject(parent)
{
}

HttpFetcher::~HttpFetcher() = default;

void HttpFetcher::get(const QUrl& url, qint64 maxBytes, QObject* context, std::function<void(const FetchResult&)> done)
{
    if (!isWebAddress(url)) {
        failLater(context,
                  std::move(done),
                  Problem(QT_TRANSLATE_NOOP("Problem", "Only http and https addresses are fetched, not '%1'"),
                          {url.toDisplayString()})
                      .english());
        return;
    }
    const auto open = moduleFunction<NetOpen>(kNetModule, kNetOpen);
    const auto start = moduleFunction<NetGet>(kNetModule, kNetGet);
    if (!open || !start) {
        failLater(context,
                  std::move(done),
                  Problem(QT_TRANSLATE_NOOP("Problem", "The program's network module is missing")).english());
        return;
    }
    if (!m_manager) {
        m_manager = open(this);
    }
    NetRequest request;
    request.url = url;
    request.maxBytes = maxBytes;
    request.timeoutMs = m_timeoutMs;
    request.maxRedirects = kMaxRedirects;
    applyProxySetting(&request);
    start(m_manager, request, context, [request, done = std::move(done)](const NetReply& reply) {
        FetchResult result;
        result.ok = reply.outcome == NetReply::Outcome::Ok;
        result.status = reply.status;
        result.error = failureText(reply, request);
        if (result.ok) {
            result.body = reply.body;
        }
        done(result);
    });
}

} // namespace jotlet
