// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery journal and the end of the session with 20 and 100 notes of a few kilobytes: what the GUI thread
// spends on the journal while one note is typed into (the other notes' texts are cached), the whole journal
// written, and the main note file written once against one read-append-replace per note.
#include "app/recoveryjournal.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "scratchmain.h"
#include "support/appinfo.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace jotlet;

namespace {

void fill(NoteBoard& board, int count)
{
    for (int i = 0; i < count; ++i) {
        Note* note = board.createNote();
        QString text;
        while (text.size() < 3000) {
            text += QStringLiteral("Note %1: call Anna about the trip, bring the maps and the tickets.\n").arg(i);
        }
        note->text().setText(text);
        note->text().setSelStart(10);
        note->text().setSelLength(20);
        note->text().setSelBold(true);
    }
}

void BM_JournalWhileTyping(benchmark::State& state)
{
    NoteBoard board;
    fill(board, int(state.range(0)));
    RecoveryJournal journal(board);
    journal.contents(); // every note cached once
    Note* typing = board.notes().first();
    for (auto _ : state) {
        typing->text().setSelText(QStringLiteral("x")); // a key: the note is serialised again, the rest is not
        benchmark::DoNotOptimize(journal.contents());
    }
    journal.finish(true);
}
BENCHMARK(BM_JournalWhileTyping)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_JournalWriteAll(benchmark::State& state)
{
    NoteBoard board;
    fill(board, int(state.range(0)));
    RecoveryJournal journal(board);
    for (auto _ : state) {
        for (Note* note : board.notes()) {
            note->text().setSelText(QStringLiteral("x")); // every note changed
        }
        if (!journal.writeNow()) {
            state.SkipWithError("journal not written");
        }
    }
    journal.finish(true);
}
BENCHMARK(BM_JournalWriteAll)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

NoteList records(int count)
{
    NoteBoard board;
    fill(board, count);
    NoteList list;
    for (Note* note : board.notes()) {
        list << note->record();
    }
    return list;
}

void BM_SessionEndOneAppendPerNote(benchmark::State& state)
{
    const NoteList notes = records(int(state.range(0)));
    for (auto _ : state) {
        QFile::remove(mainNoteFilePath());
        for (const NoteRecord& note : notes) {
            addToMainNoteFile(note);
        }
    }
}
BENCHMARK(BM_SessionEndOneAppendPerNote)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_SessionEndOneWrite(benchmark::State& state)
{
    const NoteList notes = records(int(state.range(0)));
    for (auto _ : state) {
        QFile::remove(mainNoteFilePath());
        writeMainNoteFile(notes);
    }
}
BENCHMARK(BM_SessionEndOneWrite)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const BenchScratch scratch;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
