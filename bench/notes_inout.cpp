// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Moving 1,000 notes of a few lines each: reading a folder of 1,000 Markdown files for import, exporting 1,000
// notes to Markdown, and the day's snapshot of 1,000 kept notes (read, compressed and written as the worker thread
// does it), with how much of a key press's time the window thread loses while a snapshot is written.
#include "app/backupschedule.h"
#include "import/noteimport.h"
#include "note/noteexport.h"
#include "notes/notestore.h"
#include "rtf/writer.h"
#include "scratchmain.h"
#include "support/appinfo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

using namespace jotlet;

namespace {

constexpr int kNotes = 1000;

NoteList thousandNotes()
{
    NoteList notes;
    for (int i = 0; i < kNotes; ++i) {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("Note %1 ").arg(i), bold);
        cursor.insertText(QStringLiteral("call Anna about the trip, bring the maps and the tickets.\n"
                                         "Then book the hotel and the train to the coast for the weekend."),
                          QTextCharFormat());
        NoteRecord note;
        note.data = QString::fromLatin1(writeRtf(doc));
        note.color = QStringLiteral("yellow");
        notes << note;
    }
    return notes;
}

void BM_ExportMarkdown(benchmark::State& state)
{
    const NoteList notes = thousandNotes();
    int run = 0;
    for (auto _ : state) {
        const QString folder = benchScratchFolder() + QStringLiteral("/export%1").arg(run++);
        benchmark::DoNotOptimize(exportNotes(notes, folder, ExportFormat::Markdown));
        state.PauseTiming();
        QDir(folder).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExportMarkdown)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadMarkdownFolder(benchmark::State& state)
{
    const QString folder = benchScratchFolder() + QStringLiteral("/markdown");
    exportNotes(thousandNotes(), folder, ExportFormat::Markdown);
    for (auto _ : state) {
        const ImportSource source = readImportSource(ImportKind::TextFolder, folder);
        if (source.notes.size() != kNotes) {
            state.SkipWithError("not every note was read");
        }
    }
}
BENCHMARK(BM_ReadMarkdownFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Snapshot(benchmark::State& state)
{
    writeMainNoteFile(thousandNotes());
    const NotePlaces places {dataFolder(), QString()};
    Backups backups(Backups::folderIn(dataFolder()));
    QDate day(2026, 1, 1);
    for (auto _ : state) {
        Problem problem;
        if (!backups.take(places, day, &problem)) {
            state.SkipWithError("the snapshot was not written");
        }
        day = day.addDays(1);
    }
}
BENCHMARK(BM_Snapshot)->Unit(benchmark::kMillisecond)->Iterations(5);

// What a 1 ms timer on the window thread sees while the snapshot is written on the worker: its longest gap.
void BM_WindowThreadDuringSnapshot(benchmark::State& state)
{
    writeMainNoteFile(thousandNotes());
    for (auto _ : state) {
        QDir(Backups::folderIn(dataFolder())).removeRecursively();
        BackupSchedule schedule([] { return NotePlaces {dataFolder(), QString()}; });
        bool done = false;
        QObject::connect(&schedule, &BackupSchedule::taken, [&done] { done = true; });
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        qint64 longest = 0;
        schedule.look();
        while (!done) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        }
        state.counters["longest_gap_ms"] = double(longest);
        state.counters["snapshot_ms"] = double(clock.elapsed());
    }
}
BENCHMARK(BM_WindowThreadDuringSnapshot)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    BenchScratch scratch;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
