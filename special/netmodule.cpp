// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The module "jotlet-net": Qt Network's side of HttpFetcher.
#include "special/netmodule.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

namespace jotlet {

namespace {

constexpr qint64 kReadBufferBytes = 64 * 1024;

// One request on its way: its body so far and the first reason it was given up.
struct Transfer
{
    QNetworkReply* reply = nullptr;
    qint64 maxBytes = 0;
    QByteArray body;
    std::optional<NetReply::Outcome> givenUp;
    QPointer<QObject> context;
    std::function<void(const NetReply&)> done;

    // Gives the request up once control is back in the event loop (not inside one of the reply's own signals).
    void giveUp(NetReply::Outcome why)
    {
        if (!givenUp) {
            givenUp = why;
            QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        }
    }
    bool tooLarge(qint64 size) const { return size > maxBytes; }
};

// A redirect the request did not follow because it leads to an address that is not http or https ("" otherwise).
QString refusedRedirect(const QNetworkReply& reply, int status)
{
    const QUrl target = QUrl::fromEncoded(reply.rawHeader("Location"));
    if (status < 300 || status >= 400 || target.isEmpty()) {
        return QString();
    }
    return reply.url().resolved(target).toDisplayString();
}

NetReply outcomeOf(Transfer& transfer, int status)
{
    QNetworkReply& reply = *transfer.reply;
    NetReply result;
    result.status = status;
    if (transfer.givenUp) {
        result.outcome = *transfer.givenUp;
        return result;
    }
    if (reply.isOpen()) {
        transfer.body += reply.readAll();
    }
    const QString refused = refusedRedirect(reply, status);
    if (transfer.tooLarge(transfer.body.size())) {
        result.outcome = NetReply::Outcome::TooLarge;
    } else if (reply.error() == QNetworkReply::TooManyRedirectsError
               || reply.error() == QNetworkReply::InsecureRedirectError) {
        result = {NetReply::Outcome::RedirectError, status, reply.errorString(), {}};
    } else if (!refused.isEmpty()) {
        result = {NetReply::Outcome::RedirectRefused, status, refused, {}};
    } else if (status > 0 && status != 200) {
        result = {NetReply::Outcome::BadStatus,
                  status,
                  reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString(),
                  {}};
    } else if (reply.error() != QNetworkReply::NoError) {
        result = {NetReply::Outcome::Failed, status, reply.errorString(), {}};
    } else {
        result.outcome = NetReply::Outcome::Ok;
        result.body = std::move(transfer.body);
    }
    return result;
}

void finish(const std::shared_ptr<Transfer>& transfer)
{
    const int status = transfer->reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const NetReply result = outcomeOf(*transfer, status);
    transfer->reply->deleteLater();
    if (transfer->context) {
        transfer->done(result);
    }
}

void watch(const std::shared_ptr<Transfer>& transfer, int timeoutMs)
{
    QNetworkReply* reply = transfer->reply;
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [transfer] { transfer->giveUp(NetReply::Outcome::TimedOut); });
    deadline->start(timeoutMs);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [transfer] {
        const QVariant length = transfer->reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && transfer->tooLarge(length.toLongLong())) {
            transfer->giveUp(NetReply::Outcome::TooLarge);
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [transfer] {
        if (transfer->givenUp) {
            transfer->reply->skip(transfer->reply->bytesAvailable()); // given up: what still comes is dropped
            return;
        }
        transfer->body += transfer->reply->readAll();
        if (transfer->tooLarge(transfer->body.size())) {
            transfer->giveUp(NetReply::Outcome::TooLarge);
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [transfer] { finish(transfer); });
    if (transfer->context) {
        // The note no longer waits for this: give it up.
        QObject::connect(transfer->context, &QObject::destroyed, reply, &QNetworkReply::abort);
    }
}

void applyProxy(QNetworkAccessManager& manager, const NetRequest& request)
{
    if (request.proxyHost.isEmpty()) {
        manager.setProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
    } else {
        manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, request.proxyHost, request.proxyPort));
    }
}

} // namespace

} // namespace jotlet

extern "C" Q_DECL_EXPORT QObject* jotletNetOpen(QObject* parent)
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    return new QNetworkAccessManager(parent);
}

extern "C" Q_DECL_EXPORT void jotletNetGet(QObject* managerObject,
                                           const jotlet::NetRequest& netRequest,
                                           QObject* context,
                                           std::function<void(const jotlet::NetReply&)> done)
{
    using namespace jotlet;
    auto& manager = *static_cast<QNetworkAccessManager*>(managerObject);
    applyProxy(manager, netRequest);
    QNetworkRequest request(netRequest.url);
    request.setRawHeader("Content-type", "text/html");
    // Bodies come as they are, never compressed: the size limit then holds for what is read, and a small compressed
    // reply cannot unpack into gigabytes.
    request.setRawHeader("Accept-Encoding", "identity");
    // http to http or https, https to https only; anything else is refused.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(netRequest.maxRedirects);
    request.setTransferTimeout(netRequest.timeoutMs);
    auto transfer = std::make_shared<Transfer>();
    transfer->maxBytes = netRequest.maxBytes;
    transfer->context = context;
    transfer->done = std::move(done);
    transfer->reply = manager.get(request);
    transfer->reply->setReadBufferSize(kReadBufferBytes);
    watch(transfer, netRequest.timeoutMs);
}
