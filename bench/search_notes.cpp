// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Find in Notes at scale: 20,000 notes of about 1 KB in 200 files. Prints the time to build the search cache from
// nothing, to start with a warm cache, per keystroke of a word typed into the search, and the longest the event
// loop waited while the cache was built (what typing would feel). Run: build/bench/search_notes [notes] [files]
#include "note/noteboard.h"
#include "notes/notestore.h"
#include "search/notesearch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace jotlet;

namespace {

const char* const kWords[]
    = {"milk",    "dentist",   "invoice", "garden", "recipe",  "meeting",  "Résumé",   "ticket",
       "holiday", "passport",  "budget",  "friday", "plumber", "birthday", "password", "library",
       "tomato",  "insurance", "train",   "office", "parcel",  "doctor",   "museum",   "concert"};

// About 1 KB of RTF with a bold run, from a few hundred words.
QString noteRtf(QRandomGenerator& random, int serial)
{
    QString text = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 note %1 ").arg(serial);
    while (text.size() < 1000) {
        const int pick = int(random.bounded(int(std::size(kWords))));
        text += random.bounded(10) == 0 ? QStringLiteral("{\\b %1} ").arg(QString::fromUtf8(kWords[pick]))
                                        : QString::fromUtf8(kWords[pick]) + QLatin1Char(' ');
    }
    return text + QStringLiteral("\\par\r\n}");
}

double seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// Builds the index and measures the event loop's longest wait meanwhile.
void build(SearchIndex& index, const QStringList& files, const char* what)
{
    QElapsedTimer gap;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] { longest = std::max(longest, gap.restart()); });
    QElapsedTimer timer;
    timer.start();
    gap.start();
    tick.start();
    index.setSources(files);
    index.refresh();
    index.waitForIdle(600000);
    tick.stop();
    std::printf("%-32s %8.2f s   (event loop waited at most %lld ms)\n", what, seconds(timer), qint64(longest));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int notes = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int fileCount = argc > 2 ? std::atoi(argv[2]) : 200;
    QTemporaryDir folder;
    QRandomGenerator random(20261207);
    QStringList files;
    for (int f = 0; f < fileCount; ++f) {
        NoteList list;
        for (int n = 0; n < notes / fileCount; ++n) {
            NoteRecord note;
            note.color = QStringLiteral("yellow");
            note.data = noteRtf(random, f * 1000 + n);
            list << note;
        }
        files << folder.filePath(QStringLiteral("notes%1.not").arg(f));
        saveNotesFile(list, files.last());
    }
    const QString cache = folder.filePath(QStringLiteral("cache/search.cache"));
    std::printf("%d notes in %d files\n", notes, fileCount);
    {
        SearchIndex cold(cache);
        build(cold, files, "cold build (no cache)");
    }
    NoteBoard board;
    SearchIndex warm(cache);
    build(warm, files, "warm start (cache read)");
    NoteSearch search(board, warm);
    for (const QString& word : {QStringLiteral("dentist"), QStringLiteral("resume budget"), QStringLiteral("zzzz")}) {
        double worst = 0;
        double total = 0;
        for (int length = 1; length <= word.size(); ++length) {
            QElapsedTimer timer;
            timer.start();
            search.setQuery(word.left(length));
            const double ms = seconds(timer) * 1000;
            worst = std::max(worst, ms);
            total += ms;
        }
        std::printf("typing \"%s\": %d keystrokes, mean %.1f ms, worst %.1f ms, %d matches\n",
                    qPrintable(word),
                    int(word.size()),
                    total / word.size(),
                    worst,
                    search.matchCount());
    }
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS") || line.startsWith("VmHWM")) {
                std::printf("%s\n", line.simplified().constData());
            }
        }
    }
    std::printf("cache file: %.1f MB\n", double(QFileInfo(cache).size()) / 1e6);
    return 0;
}
