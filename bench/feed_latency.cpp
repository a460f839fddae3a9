// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// How long feed notes hold up the event loop: ten feed notes (each in its window) refresh against a local server that
// answers each request half a second late, and an eleventh reads a 2 MB feed, while a 10 ms timer measures how late it
// ticks. Then the time to read the largest feed of the shared corpus (when it is beside the checkout). Run:
// build/bench/feed_latency
#include "fakedialogs.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "scratchmain.h"
#include "special/feed.h"
#include "special/httpfetcher.h"
#include "special/networknotes.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "testhttpserver.h"
#include "window/notewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

using namespace jotlet;

namespace {

QByteArray bigFeed()
{
    QByteArray xml = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><description>Big</description>";
    for (int i = 0; xml.size() < 2 * 1024 * 1024 - 400; ++i) {
        xml += "<item><title>Headline number " + QByteArray::number(i)
               + " about the town &amp; the river</title>"
                 "<link>http://news.example/articles/"
               + QByteArray::number(i)
               + "</link>"
                 "<description>A few words on what happened, and where.</description></item>";
    }
    return xml + "</channel></rss>";
}

// Runs the event loop until every note shows its feed; returns the longest a 10 ms timer was late (ms).
qint64 lateWhileFeedsLoad(const QList<Note*>& notes)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        worst = std::max(worst, now - last - 10);
        last = now;
    });
    tick.start(10);
    const auto loading = [&notes] {
        return std::any_of(notes.begin(), notes.end(), [](Note* note) {
            return note->text().text().startsWith(QLatin1String("...loading"));
        });
    };
    while (loading() && clock.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return worst;
}

void measureLateness()
{
    // The server works in a thread of its own, as a remote one would.
    QThread serverThread;
    serverThread.start();
    QObject inServerThread;
    inServerThread.moveToThread(&serverThread);
    std::unique_ptr<TestHttpServer> server;
    QUrl slowUrl;
    QUrl bigUrl;
    QMetaObject::invokeMethod(
        &inServerThread,
        [&] {
            server = std::make_unique<TestHttpServer>();
            server->route(QStringLiteral("/slow.xml"),
                          TestHttpServer::Reply {200,
                                                 "<rss><channel><description>Slow</description><item><title>t</title>"
                                                 "<link>http://l</link></item></channel></rss>",
                                                 {},
                                                 TestHttpServer::Mode::Delayed});
            server->route(QStringLiteral("/big.xml"), bigFeed());
            slowUrl = server->url(QStringLiteral("/slow.xml"));
            bigUrl = server->url(QStringLiteral("/big.xml"));
        },
        Qt::BlockingQueuedConnection);

    HttpFetcher fetcher;
    NoteBoard board;
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory({&fetcher, nullptr}), {}));
    board.setViewFactory([](Note* note) { new NoteWindow(note); }); // each note laid out in its window, as shown
    FakeDialogs dialogs;
    QList<Note*> notes;
    for (int i = 0; i < 11; ++i) {
        Note* note = board.createNote();
        note->setSaveNewNoteOnClose(false);
        note->show();
        dialogs.textAnswers << (i < 10 ? slowUrl : bigUrl).toString();
        note->run(Command::SpecialRssFeed); // shows "...loading RSS feed" and asks
        notes << note;
    }
    const qint64 worst = lateWhileFeedsLoad(notes);
    std::printf("ten slow feeds and one 2 MB feed: the 10 ms timer was at most %lld ms late\n", worst);

    Feed feed;
    QString error;
    parseFeed(bigFeed(), &feed, &error);
    QElapsedTimer writing;
    writing.start();
    writeFeedNote(notes.first()->text(), feed, kMaxFeedItemsShown);
    std::printf("writing %d headlines of the 2 MB feed (%d items) into a note: %lld ms\n",
                kMaxFeedItemsShown,
                int(feed.items.size()),
                writing.elapsed());
    QMetaObject::invokeMethod(
        &inServerThread, [&server] { server.reset(); }, Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
}

void measureParsing(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("the shared corpus is not beside the checkout: no corpus figure\n");
        return;
    }
    const QByteArray bytes = file.readAll();
    constexpr int kRounds = 20;
    QElapsedTimer clock;
    clock.start();
    Feed feed;
    for (int i = 0; i < kRounds; ++i) {
        feed = Feed();
        QString error;
        parseFeed(bytes, &feed, &error);
    }
    std::printf("reading %s (%lld KB, %d items): %.1f ms\n",
                qPrintable(QFileInfo(path).fileName()),
                bytes.size() / 1024,
                int(feed.items.size()),
                double(clock.nsecsElapsed()) / 1e6 / kRounds);
}

void measureBigParse()
{
    const QByteArray bytes = bigFeed();
    QElapsedTimer clock;
    clock.start();
    Feed feed;
    QString error;
    parseFeed(bytes, &feed, &error);
    std::printf("reading the 2 MB feed (%d items, on a worker thread in the program): %lld ms\n",
                int(feed.items.size()),
                clock.elapsed());
}

} // namespace

int main(int argc, char** argv)
{
    const BenchScratch scratch;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); // the figures only
    measureLateness();
    measureBigParse();
    measureParsing(QStringLiteral(JOTLET_CORPUS_DIR "/rss/nnw__atp.rss"));
    return 0;
}
