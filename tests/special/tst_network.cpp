// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Feed and stock quote notes against a local HTTP server: what the note shows for good replies, failed lookups and
// hostile servers (each bounded in time, with the failure text), and that a reply the note no longer waits for is
// dropped.
#include "fakedialogs.h"
#include "logcapture.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "special/httpfetcher.h"
#include "special/networknotes.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/settings.h"
#include "testhttpserver.h"

#include <QTest>

using namespace jotlet;

namespace {

const QString kFeedFailure = QStringLiteral("...no feed could be loaded. Re-attempting connection in 2min.");

const QByteArray kFeed = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><description>Local news</description>"
                         "<item><title>Bridge opens</title><link>http://news/1</link></item>"
                         "<item><title>Rain &amp; wind</title><link>http://news/2</link></item></channel></rss>";

// A deflate body that swells from a few kilobytes to 20 MB.
QByteArray deflateBomb()
{
    return qCompress(QByteArray(20 * 1024 * 1024, '\0'), 9).mid(4); // the zlib stream without Qt's length prefix
}

struct NetworkBoard
{
    NetworkBoard()
    {
        fetcher.setTimeout(1500);
        board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory({&fetcher, nullptr}), {}));
    }
    Note* feedNote(const QString& address)
    {
        Note* note = board.createNote();
        dialogs.textAnswers << address;
        note->run(Command::SpecialRssFeed);
        return note;
    }
    Note* quoteNote(const QString& symbol)
    {
        Note* note = board.createNote();
        dialogs.textAnswers << symbol;
        note->run(Command::SpecialStocks);
        return note;
    }
    HttpFetcher fetcher;
    NoteBoard board;
    FakeDialogs dialogs;
};

} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void feedNote();
    void hostileServers_data();
    void hostileServers();
    void replyForAnotherKindIsDropped();
    void quotes_data();
    void quotes();
    void noQuoteServer();

private:
    TestHttpServer m_server;
};

void TestNetwork::initTestCase()
{
    TestHttpServer::trustTestCertificate();
}

void TestNetwork::init()
{
    clearErrorLog();
    m_server.route(
        QStringLiteral("/loop2"),
        TestHttpServer::Reply {302, {}, "Location: " + m_server.url(QStringLiteral("/loop")).toEncoded() + "\r\n"});
}

void TestNetwork::feedNote()
{
    m_server.route(QStringLiteral("/feed.xml"), kFeed);
    NetworkBoard fixture;
    Note* note = fixture.feedNote(m_server.url(QStringLiteral("/feed.xml")).toString());
    QCOMPARE(fixture.dialogs.textRequests.first(),
             QStringLiteral("RSS Feed URL|Please enter the URL for an RSS feed|"));
    QCOMPARE(note->text().text(), QStringLiteral("...loading RSS feed")); // at once, before any reply
    QCOMPARE(specialDriverOf(*note)->refreshDelay(), 65535);
    QTRY_COMPARE(
        note->text().text(),
        QStringLiteral("Local news\r\nBridge opens\r\nhttp://news/1\r\n\r\nRain & wind\r\nhttp://news/2\r\n\r\n"));

    // Cancelling the dialog changes nothing; confirming an empty address keeps the headlines and stops the refresh.
    note->run(Command::SpecialRssFeed);
    QCOMPARE(specialDriverOf(*note)->feedUrl(), m_server.url(QStringLiteral("/feed.xml")).toString());
    fixture.dialogs.textAnswers << QString();
    note->run(Command::SpecialRssFeed);
    specialDriverOf(*note)->display(SpecialKind::RssFeed); // the next tick
    QVERIFY(!specialDriverOf(*note)->isRefreshing());
    QVERIFY(note->text().text().startsWith(QLatin1String("Local news")));
}

void TestNetwork::hostileServers_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<TestHttpServer::Reply>("reply");
    QTest::addColumn<QString>("reason");
    using Mode = TestHttpServer::Mode;
    QTest::newRow("404") << "/missing" << TestHttpServer::Reply {404, "gone", {}, Mode::Normal} << "answered 404";
    QTest::newRow("not XML") << "/html" << TestHttpServer::Reply {200, "<html><p>hi", {}, Mode::Normal}
                             << "well-formed";
    QTest::newRow("never answers") << "/silent" << TestHttpServer::Reply {200, kFeed, {}, Mode::Silent}
                                   << "within 1 seconds";
    QTest::newRow("a byte at a time") << "/drip" << TestHttpServer::Reply {200, kFeed, {}, Mode::Drip}
                                      << "within 1 seconds";
    QTest::newRow("endless body") << "/endless" << TestHttpServer::Reply {200, {}, {}, Mode::Endless}
                                  << "larger than 2048 KB";
    QTest::newRow("1 GB announced")
        << "/huge" << TestHttpServer::Reply {200, kFeed, "Content-Length: 1073741824\r\n", Mode::Normal}
        << "larger than 2048 KB";
    QTest::newRow("deflate bomb: never unpacked")
        << "/bomb" << TestHttpServer::Reply {200, deflateBomb(), "Content-Encoding: deflate\r\n", Mode::Normal}
        << "well-formed";
    QTest::newRow("gzip bomb: never unpacked")
        << "/gzbomb" << TestHttpServer::Reply {200, deflateBomb(), "Content-Encoding: gzip\r\n", Mode::Normal}
        << "well-formed";
    QTest::newRow("redirect once") << "/once"
                                   << TestHttpServer::Reply {302, {}, "Location: /missing2\r\n", Mode::Normal}
                                   << "answered 404";
    QTest::newRow("redirect loop") << "/loop" << TestHttpServer::Reply {302, {}, "Location: /loop2\r\n", Mode::Normal}
                                   << "redirect";
    QTest::newRow("redirect to ftp")
        << "/ftp" << TestHttpServer::Reply {302, {}, "Location: ftp://127.0.0.1/feed\r\n"}
        << "Redirect not followed: the server sends the request on to 'ftp://127.0.0.1/feed'";
    QTest::newRow("https to http") << "https" << TestHttpServer::Reply() << "Redirect not followed";
    QTest::newRow("not http") << "file:///etc/passwd" << TestHttpServer::Reply() << "Only http and https";
    QTest::newRow("connection refused") << "http://127.0.0.1:1/feed.xml" << TestHttpServer::Reply() << "refused";
}

void TestNetwork::hostileServers()
{
    QFETCH(QString, target);
    QFETCH(TestHttpServer::Reply, reply);
    QFETCH(QString, reason);
    QString address = target;
    if (target.startsWith(QLatin1Char('/'))) {
        m_server.route(target, reply);
        address = m_server.url(target).toString();
    }
    TestHttpServer secure(true);
    if (target == QLatin1String("https")) { // a secure server sends the note to a plain one
        m_server.route(QStringLiteral("/feed.xml"), kFeed);
        secure.route(QStringLiteral("/feed.xml"),
                     TestHttpServer::Reply {
                         302, {}, "Location: " + m_server.url(QStringLiteral("/feed.xml")).toEncoded() + "\r\n"});
        address = secure.url(QStringLiteral("/feed.xml")).toString();
    }
    NetworkBoard fixture;
    Note* note = fixture.feedNote(address);
    QTRY_COMPARE_WITH_TIMEOUT(note->text().text(), kFeedFailure, 5000);
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), 1);
    QVERIFY2(log.first().contains(QLatin1String("DisplayRSSFeed")) && log.first().contains(reason, Qt::CaseInsensitive),
             qPrintable(log.first()));
    QVERIFY(specialDriverOf(*note)->isRefreshing()); // it tries again at the next refresh
}

void TestNetwork::replyForAnotherKindIsDropped()
{
    m_server.route(QStringLiteral("/late.xml"), TestHttpServer::Reply {200, kFeed, {}, TestHttpServer::Mode::Delayed});
    NetworkBoard fixture;
    const QString address = m_server.url(QStringLiteral("/late.xml")).toString();
    Note* note = fixture.feedNote(address);
    QTRY_COMPARE(m_server.requests.count(QStringLiteral("/late.xml")), 1);
    note->run(Command::StopSpecialNote);
    Note* closing = fixture.feedNote(address);
    QTRY_COMPARE(m_server.requests.count(QStringLiteral("/late.xml")), 2);
    closing->discard();
    QTest::qWait(1000); // both replies have come by now
    QCOMPARE(note->text().text(), QStringLiteral("...loading RSS feed"));
}

void TestNetwork::quotes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("logged");
    QTest::newRow("good, typed in lower case")
        << "msft" << QByteArray("\"MSFT\",27.50,\"6/5/2026\",\"4:00pm\",+0.25,27.30,27.80,27.10,19324\r\n")
        << "Stock Symbol: MSFT\r\nTrade: 6/5/2026 4:00pm\r\nLast Price: 27.5\r\nChange: +0.25\r\nOpen Price: 27.3\r\n"
           "Low Price: 27.1\r\nHigh Price: 27.8\r\n"
        << "";
    QTest::newRow("unknown symbol") << "MSFT" << QByteArray("\"XYZ\",0.00,\"N/A\",\"N/A\",N/A,N/A,N/A,N/A,N/A")
                                    << "Stock Symbol: MSFT\r\nerror looking up symbol\r\n"
                                    << "";
    QTest::newRow("fewer than three fields")
        << "MSFT" << QByteArray("\"MSFT\",27.5") << "Stock Symbol: MSFT\r\nTrade:  \r\nLast Price: 27.5\r\nChange: \r\n"
        << "Open Price";
    QTest::newRow("price not a number") << "MSFT" << QByteArray("\"MSFT\",abc,\"6/5/2026\",\"4:00pm\",+1,2,3,4,5")
                                        << "Stock Symbol: MSFT\r\nTrade: 6/5/2026 4:00pm\r\n"
                                        << "Last Price";
    QTest::newRow("empty body") << "MSFT" << QByteArray() << "Stock Symbol: MSFT\r\nTrade:  \r\n"
                                << "Last Price";
}

void TestNetwork::quotes()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, reply);
    QFETCH(QString, text);
    QFETCH(QString, logged);
    m_server.route(QStringLiteral("/d/quotes.csv?s=MSFT&f=sl1d1t1c1ohgv&e=.csv"), reply);
    writeSetting(Setting::QuoteServer, m_server.url(QStringLiteral("/")).toString());
    NetworkBoard fixture;
    Note* note = fixture.quoteNote(typed);
    QCOMPARE(note->text().text(), QStringLiteral("Stock Symbol: ") + typed + QStringLiteral("\r\n"));
    QTRY_COMPARE(note->text().text(), text);
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), logged.isEmpty() ? 0 : 1);
    if (!logged.isEmpty()) {
        QVERIFY(log.first().contains(QLatin1String("frmMain: objStock_DataReceived")) && log.first().contains(logged));
    }
}

void TestNetwork::noQuoteServer()
{
    writeSetting(Setting::QuoteServer, QString());
    NetworkBoard fixture;
    fixture.dialogs.confirmAnswers << true; // the Stocks dialog offers the settings, and the user takes them
    Note* note = fixture.quoteNote(QStringLiteral("IBM"));
    QCOMPARE(fixture.dialogs.confirmations.size(), 1);
    QVERIFY(fixture.dialogs.confirmations.first().contains(QLatin1String("No quote server is set up")));
    QCOMPARE(fixture.dialogs.settingsShown, 1);
    QVERIFY(note->text().text().contains(QLatin1String("choose Settings...")));
    QVERIFY(specialDriverOf(*note)->isRefreshing());
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
