// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading feeds (RSS 0.9x, 1.0, 2.0 and Atom; the rules for items without what they need; hostile XML) and the text
// a feed note shows. The corpus check reads every feed in tests/data/feeds (real files of other test suites).
#include "note/notetext.h"
#include "special/feed.h"
#include "testdata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace jotlet;

namespace {

QByteArray rss(const QByteArray& items, const QByteArray& channel = "<description>News</description>")
{
    return "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel>" + channel + items + "</channel></rss>";
}

QByteArray item(const QByteArray& title, const QByteArray& link, const QByteArray& description = {})
{
    QByteArray xml = "<item>";
    if (!title.isNull()) {
        xml += "<title>" + title + "</title>";
    }
    if (!link.isNull()) {
        xml += "<link>" + link + "</link>";
    }
    if (!description.isNull()) {
        xml += "<description>" + description + "</description>";
    }
    return xml + "</item>";
}

} // namespace

class TestFeeds : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void descriptionsDecidedByTheFirstItem();
    void noteText();
    void corpus();
};

void TestFeeds::parse_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("headlines"); // "headline|link"
    const QByteArray two = item("One", "http://a/1", "d1") + item("Two", "http://a/2", "d2");
    QTest::newRow("RSS 2.0") << rss(two) << true << QStringList {"One|http://a/1", "Two|http://a/2"};
    QTest::newRow("one item") << rss(item("Only", "http://a/1")) << true << QStringList {"Only|http://a/1"};
    QTest::newRow("entities") << rss(item("Tom &amp; Jerry&#8217;s <![CDATA[<b>]]>", "http://a/?x=1&amp;y=2")) << true
                              << QStringList {QString::fromUtf8("Tom & Jerry\u2019s <b>|http://a/?x=1&y=2")};
    QTest::newRow("an item without a link ends the reading")
        << rss(two + item("Three", QByteArray(), "d3") + item("Four", "http://a/4", "d4")) << true
        << QStringList {"One|http://a/1", "Two|http://a/2"};
    QTest::newRow("names match in their case")
        << rss(item("X", "http://a/1").replace("title", "Title")) << true << QStringList();
    QTest::newRow("RSS 0.91 with a document type")
        << QByteArray("<!DOCTYPE rss PUBLIC \"-//Netscape Communications//DTD RSS 0.91//EN\" "
                      "\"http://my.netscape.com/publish/formats/rss-0.91.dtd\"><rss version=\"0.91\"><channel>"
                      + item("Old", "http://a/1") + "</channel></rss>")
        << true << QStringList {"Old|http://a/1"};
    QTest::newRow("RSS 1.0") << fileBytes(testDataPath(QStringLiteral("feeds/rome__rss_1.0.xml"))) << true
                             << QStringList {"rss_1.0.item[0].title|rss_1.0.item[0].link",
                                             "rss_1.0.item[1].title|rss_1.0.item[1].link"};
    QTest::newRow("Atom") << fileBytes(testDataPath(QStringLiteral("feeds/rome__atom_1.0.xml"))) << true
                          << QStringList {"atom_1.0.feed.entry[0].title|http://example.com/blog/entry1",
                                          "atom_1.0.feed.entry[1].title|http://example.com/blog/entry2"};
    QTest::newRow("not XML") << QByteArray("<html><body>Moved</body>") << false << QStringList();
    QTest::newRow("no channel") << QByteArray("<rss><item><title>a</title><link>b</link></item></rss>") << false
                                << QStringList();
    QTest::newRow("billion laughs") << QByteArray(
        "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>"
        "<rss><channel>"
        + item("&e;", "http://a/1") + "</channel></rss>")
                                    << false << QStringList();
}

void TestFeeds::parse()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, ok);
    QFETCH(QStringList, headlines);
    Feed feed;
    QString error;
    QCOMPARE(parseFeed(xml, &feed, &error), ok);
    QCOMPARE(error.isEmpty(), ok);
    QStringList read;
    for (const FeedItem& each : feed.items) {
        read << each.headline + QLatin1Char('|') + each.link;
    }
    QCOMPARE(read, headlines);
}

void TestFeeds::descriptionsDecidedByTheFirstItem()
{
    Feed feed;
    QString error;
    QVERIFY(parseFeed(rss(item("One", "http://a/1") + item("Two", "http://a/2", "later")), &feed, &error));
    QCOMPARE(feed.items.size(), 2);
    QVERIFY(feed.items.at(1).description.isEmpty());
    // A real feed whose first item has no title: the channel is read, no item is.
    feed = Feed();
    QVERIFY(parseFeed(fileBytes(testDataPath(QStringLiteral("feeds/feedrs__rss_2.0_spec_1.xml"))), &feed, &error));
    QCOMPARE(feed.description, QStringLiteral("A weblog about scripting and stuff like that."));
    QCOMPARE(feed.items.size(), 0);
}

void TestFeeds::noteText()
{
    Feed feed;
    feed.description = QString(70, QLatin1Char('d'));
    feed.items = {{QStringLiteral("First"), QString(), QStringLiteral("http://a/1")},
                  {QStringLiteral("Second"), QString(), QStringLiteral("http://a/2")},
                  {QStringLiteral("Third"), QString(), QStringLiteral("http://a/3")}};
    NoteText text;
    QSignalSpy cursorMoves(&text, &NoteText::cursorChanged); // a view takes the caret where the note put it
    writeFeedNote(text, feed, 2);
    QCOMPARE(cursorMoves.size(), 1);
    QCOMPARE(text.text(),
             QString(64, QLatin1Char('d'))
                 + QStringLiteral("\r\nFirst\r\nhttp://a/1\r\n\r\nSecond\r\nhttp://a/2\r\n\r\n"));
    QCOMPARE(text.selStart(), 0);
    const QTextBlock headline = text.document()->findBlockByNumber(1);
    const QTextCharFormat headlineFormat = headline.begin().fragment().charFormat();
    QCOMPARE(headlineFormat.foreground().color(), QColor(0, 0, 255));
    QVERIFY(headlineFormat.font().bold() && !headlineFormat.font().italic());
    QCOMPARE(headlineFormat.fontPointSize(), 9.0);
    const QTextCharFormat linkFormat = headline.next().begin().fragment().charFormat();
    QVERIFY(linkFormat.font().italic() && !linkFormat.font().bold());
    QCOMPARE(linkFormat.fontPointSize(), 7.0);
    QCOMPARE(linkFormat.foreground().color(), QColor(Qt::black));

    writeFeedFailure(text);
    QCOMPARE(text.text(), QStringLiteral("...no feed could be loaded. Re-attempting connection in 2min."));
}

void TestFeeds::corpus()
{
    const QDir corpus(QStringLiteral(JOTLET_TEST_DATA_DIR "/feeds"));
    // Every file is read without a fault; the feeds whose every item has a title and a link show all of them.
    const QHash<QString, int> allItems = {{QStringLiteral("nnw__atp.rss"), 100},
                                          {QStringLiteral("rome__rss_0.92.xml"), 2},
                                          {QStringLiteral("rome__atom_0.3.xml"), 2},
                                          {QStringLiteral("feedrs__rss_2.0_spiegel.xml"), 1},
                                          {QStringLiteral("nnw__kc0011.rss"), 20},
                                          {QStringLiteral("nnw__donthitsave.xml"), 10}};
    for (const QString& name : corpus.entryList({QStringLiteral("*.xml"), QStringLiteral("*.rss")}, QDir::Files)) {
        Feed feed;
        QString error;
        const bool ok = parseFeed(fileBytes(corpus.filePath(name)), &feed, &error);
        qInfo("%s: %s, %d items %s",
              qPrintable(name),
              ok ? "read" : "refused",
              int(feed.items.size()),
              qPrintable(error));
        if (allItems.contains(name)) {
            QVERIFY2(ok, qPrintable(name + QLatin1Char(' ') + error));
            QCOMPARE(feed.items.size(), allItems.value(name));
        }
    }
}

QTEST_MAIN(TestFeeds)
#include "tst_feeds.moc"
