// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/networknotes.h"

#include "special/feed.h"
#include "special/httpfetcher.h"
#include "special/stockquote.h"
#include "support/codepage.h"
#include "support/errorlog.h"
#include "support/handover.h"
#include "support/problem.h"
#include "support/settings.h"

#include <QFutureWatcher>

namespace jotlet {

namespace {

// What the note waits for, and the reason last logged. Replies and parses report to context, which goes with the
// content: whatever arrives after that is dropped.
class NetworkContent : public SpecialContent
{
public:
    explicit NetworkContent(HttpFetcher& fetcher)
        : m_fetcher(fetcher)
    {
    }

protected:
    void fetch(const QUrl& url, qint64 maxBytes, std::function<void(const FetchResult&)> done)
    {
        m_waiting = true;
        m_fetcher.get(url, maxBytes, &m_context, [this, done = std::move(done)](const FetchResult& result) {
            m_waiting = false;
            done(result);
        });
    }
    void logOnce(const QString& location, int number, const QString& reason)
    {
        if (reason != m_lastError) {
            logError(location, number, reason);
        }
        m_lastError = reason;
    }

    HttpFetcher& m_fetcher;
    QObject m_context;
    bool m_waiting = false;
    QString m_lastError;
};

struct ParsedFeed
{
    bool ok = false;
    Feed feed;
    QString error;
};

class FeedContent : public NetworkContent
{
public:
    using NetworkContent::NetworkContent;

    bool show(SpecialTarget& note, QString*) override
    {
        if (note.parameter().isEmpty() || m_waiting) {
            return true; // nothing to ask, or the last question is still on its way
        }
        fetch(QUrl::fromUserInput(note.parameter()), kMaxFeedBytes, [this, &note](const FetchResult& result) {
            if (result.ok) {
                parse(note, result.body);
            } else {
                failed(note, result.status, result.error);
            }
        });
        return true;
    }

private:
    void parse(SpecialTarget& note, const QByteArray& body)
    {
        m_waiting = true;
        auto* watcher = new QFutureWatcher<ParsedFeed>(&m_context);
        QObject::connect(watcher, &QFutureWatcher<ParsedFeed>::finished, &m_context, [this, &note, watcher] {
            m_waiting = false;
            const ParsedFeed parsed = resultOf(*watcher);
            watcher->deleteLater();
            if (!parsed.ok || parsed.feed.items.isEmpty()) {
                failed(note,
                       0,
                       parsed.ok ? Problem(QT_TRANSLATE_NOOP("Problem", "The feed has no items")).english()
                                 : parsed.error);
                return;
            }
            writeFeedNote(note.text(), parsed.feed, kMaxFeedItemsShown);
            m_lastError.clear();
        });
        runInPool(*watcher, [body] {
            ParsedFeed parsed;
            parsed.ok = parseFeed(body, &parsed.feed, &parsed.error);
            return parsed;
        });
    }
    void failed(SpecialTarget& note, int status, const QString& reason)
    {
        writeFeedFailure(note.text());
        logOnce(QStringLiteral("DisplayRSSFeed"), status, QStringLiteral("%1: %2").arg(note.parameter(), reason));
    }
};

class QuoteContent : public NetworkContent
{
public:
    using NetworkContent::NetworkContent;

    bool show(SpecialTarget& note, QString*) override
    {
        const QString symbol = note.parameter();
        if (symbol.isEmpty() || m_waiting) {
            return true;
        }
        const QUrl address = quoteAddress(readSetting(Setting::QuoteServer), symbol);
        if (address.isEmpty()) {
            writeNoQuoteServer(note.text(), symbol);
            return true;
        }
        fetch(address, kMaxQuoteBytes, [this, &note, symbol](const FetchResult& result) {
            if (!result.ok) {
                writeQuoteError(note.text(), symbol);
                logOnce(QStringLiteral("clsStockQuote: Refresh"), result.status, result.error);
                return;
            }
            m_lastError.clear();
            const QString reply = decodeWindows1252(result.body);
            QString error;
            if (isUnknownSymbol(reply)) {
                writeQuoteError(note.text(), symbol);
            } else if (!writeQuoteNote(note.text(), symbol, reply, &error)) {
                logError(QStringLiteral("frmMain: objStock_DataReceived"), 13, error);
            }
        });
        return true;
    }
};

} // namespace

std::unique_ptr<SpecialContent> makeFeedContent(HttpFetcher& fetcher)
{
    return std::make_unique<FeedContent>(fetcher);
}

std::unique_ptr<SpecialContent> makeQuoteContent(HttpFetcher& fetcher)
{
    return std::make_unique<QuoteContent>(fetcher);
}

} // namespace jotlet
