// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>

namespace jotlet {

// What a request brought back.
struct FetchResult
{
    bool ok = false; // the whole body of a reply with status 200
    int status = 0;  // the HTTP status, 0 when no reply came
    QByteArray body;
    QString error; // why it is not ok, for the error log
};

// Every HTTP request of the program, one QNetworkAccessManager for all (in the module special/netmodule.h), never
// blocking: a request starts and its answer comes later through the event loop. Only http and https addresses are
// fetched. Redirects are followed up to five times, never from https to http; a request that has not ended after the
// time-out (30 s) is given up; a body longer than its limit is cut off as a failure. The proxy is the "HTTPProxy"
// setting when it names one, the system's proxy settings otherwise.
class HttpFetcher : public QObject
{
    Q_OBJECT

public:
    explicit HttpFetcher(QObject* parent = nullptr);
    ~HttpFetcher() override;

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // Starts a GET. done is called once, later, unless context is destroyed first: then the request is given up.
    void get(const QUrl& url, qint64 maxBytes, QObject* context, std::function<void(const FetchResult&)> done);

private:
    // Made on the first request: Qt Network is not loaded by a start that fetches nothing.
    QObject* m_manager = nullptr;
    int m_timeoutMs = 30000;
};

} // namespace jotlet
