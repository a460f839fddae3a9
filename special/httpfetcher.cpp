// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/httpfetcher.h"

#include "support/problem.h"
#include "support/settings.h"

#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace jotlet {

namespace {

constexpr int kMaxRedirects = 5;
constexpr qint64 kReadBufferBytes = 64 * 1024;

bool isWebAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
           && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

// One request on its way: its body so far and the first reason it failed.
struct Transfer
{
    QNetworkReply* reply = nullptr;
    qint64 maxBytes = 0;
    QByteArray body;
    QString failure;
    QPointer<QObject> context;
    std::function<void(const FetchResult&)> done;

    // Gives the request up once control is back in the event loop (not inside one of the reply's own signals).
    void fail(const QString& reason)
    {
        if (failure.isEmpty()) {
            failure = reason;
            QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        }
    }
    bool tooLarge(qint64 size) const { return size > maxBytes; }
    QString tooLargeText() const
    {
        return Problem(QT_TRANSLATE_NOOP("Problem", "The reply is larger than %1 KB"), {maxBytes / 1024}).english();
    }
};

// A redirect the request did not follow because it leads to an address that is not http or https ("" otherwise).
QString refusedRedirect(const QNetworkReply& reply, int status)
{
    const QUrl target = QUrl::fromEncoded(reply.rawHeader("Location"));
    if (status < 300 || status >= 400 || target.isEmpty()) {
        return QString();
    }
    return Problem(QT_TRANSLATE_NOOP("Problem",
                                     "Redirect not followed: the server sends the request on to '%1', which is not an "
                                     "http or https address"),
                   {reply.url().resolved(target).toDisplayString()})
        .english();
}

void finish(const std::shared_ptr<Transfer>& transfer)
{
    QNetworkReply* reply = transfer->reply;
    FetchResult result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (transfer->failure.isEmpty()) {
        if (reply->isOpen()) {
            transfer->body += reply->readAll();
        }
        if (transfer->tooLarge(transfer->body.size())) {
            transfer->failure = transfer->tooLargeText();
        } else if (reply->error() == QNetworkReply::TooManyRedirectsError
                   || reply->error() == QNetworkReply::InsecureRedirectError) {
            transfer->failure
                = Problem(QT_TRANSLATE_NOOP("Problem", "Redirect not followed: %1"), {reply->errorString()}).english();
        } else if (const QString refused = refusedRedirect(*reply, result.status); !refused.isEmpty()) {
            transfer->failure = refused;
        } else if (result.status > 0 && result.status != 200) {
            transfer->failure
                = Problem(QT_TRANSLATE_NOOP("Problem", "The server answered %1 %2"),
                          {result.status, reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()})
                      .english();
        } else if (reply->error() != QNetworkReply::NoError) {
            transfer->failure = reply->errorString();
        }
    }
    result.ok = transfer->failure.isEmpty();
    result.error = transfer->failure;
    if (result.ok) {
        result.body = std::move(transfer->body);
    }
    reply->deleteLater();
    if (transfer->context) {
        transfer->done(result);
    }
}

void watch(const std::shared_ptr<Transfer>& transfer, int timeoutMs)
{
    QNetworkReply* reply = transfer->reply;
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [transfer, timeoutMs] {
        transfer->fail(
            Problem(QT_TRANSLATE_NOOP("Problem", "No complete reply within %1 seconds"), {timeoutMs / 1000}).english());
    });
    deadline->start(timeoutMs);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [transfer] {
        const QVariant length = transfer->reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && transfer->tooLarge(length.toLongLong())) {
            transfer->fail(transfer->tooLargeText());
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [transfer] {
        if (!transfer->failure.isEmpty()) {
            transfer->reply->skip(transfer->reply->bytesAvailable()); // given up: what still comes is dropped
            return;
        }
        transfer->body += transfer->reply->readAll();
        if (transfer->tooLarge(transfer->body.size())) {
            transfer->fail(transfer->tooLargeText());
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [transfer] { finish(transfer); });
    if (transfer->context) {
        // The note no longer waits for this: give it up.
        QObject::connect(transfer->context, &QObject::destroyed, reply, &QNetworkReply::abort);
    }
}

} // namespace

HttpFetcher::HttpFetcher(QObject* parent)
    : QObject(parent)
{
}

HttpFetcher::~HttpFetcher() = default;

QNetworkAccessManager& HttpFetcher::manager()
{
    if (!m_manager) {
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_manager = std::make_unique<QNetworkAccessManager>();
    }
    return *m_manager;
}

void HttpFetcher::applyProxySetting()
{
    const QString setting = readSetting(Setting::HttpProxy).trimmed();
    const QUrl proxy = QUrl::fromUserInput(setting);
    if (setting.isEmpty() || proxy.host().isEmpty()) {
        manager().setProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
        return;
    }
    manager().setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host(), quint16(proxy.port(8080))));
}

void HttpFetcher::get(const QUrl& url, qint64 maxBytes, QObject* context, std::function<void(const FetchResult&)> done)
{
    if (!isWebAddress(url)) {
        FetchResult refused;
        refused.error = Problem(QT_TRANSLATE_NOOP("Problem", "Only http and https addresses are fetched, not '%1'"),
                                {url.toDisplayString()})
                            .english();
        QTimer::singleShot(0, context, [done = std::move(done), refused] { done(refused); });
        return;
    }
    applyProxySetting();
    QNetworkRequest request(url);
    request.setRawHeader("Content-type", "text/html");
    // Bodies come as they are, never compressed: the size limit then holds for what is read, and a small compressed
    // reply cannot unpack into gigabytes.
    request.setRawHeader("Accept-Encoding", "identity");
    // http to http or https, https to https only; anything else is refused.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(m_timeoutMs);
    auto transfer = std::make_shared<Transfer>();
    transfer->maxBytes = maxBytes;
    transfer->context = context;
    transfer->done = std::move(done);
    transfer->reply = manager().get(request);
    transfer->reply->setReadBufferSize(kReadBufferBytes);
    watch(transfer, m_timeoutMs);
}

} // namespace jotlet
