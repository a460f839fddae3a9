// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Note file reading and appending, side by side with their floors in the same run: LoadNote of a 10,000-note
// file against a bare QDomDocument parse of the same bytes, and AppendNote to a 1,000-note file against one read
// plus one (atomic) write of the same file.
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "support/appinfo.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include "scratchmain.h"

#include <benchmark/benchmark.h>

using namespace jotlet;

namespace {

// A note of about 2 KB of RTF, the size of a well-used note.
NoteRecord sampleNote(int index)
{
    NoteRecord note;
    note.color = index % 2 ? QStringLiteral("yellow") : QStringLiteral("16763955");
    QString rtf
        = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Comic Sans "
                         "MS;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ");
    while (rtf.size() < 2000) {
        rtf += QStringLiteral("Note %1: call Anna about the \\b M\\'fcnster\\b0  trip & \"bring\" <maps>\\par\r\n")
                   .arg(index);
    }
    note.data = rtf + QStringLiteral("}\r\n");
    note.timeDate = QStringLiteral("12/6/2026 3:04:05 PM");
    note.height = 2085;
    note.width = 2325;
    note.left = 100 + index;
    note.top = 200 + index;
    return note;
}

// A file of the given number of notes, laid out as a log-off writes the main note file.
QString makeNoteFile(int count)
{
    const QString path = benchScratchFolder() + QStringLiteral("/notes-%1.not").arg(count);
    if (QFile::exists(path)) {
        return path;
    }
    const QString one = oneNoteFileText(sampleNote(0), programVersion());
    const int notesEnd = one.lastIndexOf(QStringLiteral("</NOTES>"));
    QString text = one.left(notesEnd);
    for (int i = 1; i < count; ++i) {
        const QString next = oneNoteFileText(sampleNote(i), programVersion());
        const int start = next.indexOf(QStringLiteral("<NOTE>"));
        text += next.mid(start, next.lastIndexOf(QStringLiteral("</NOTES>")) - start);
    }
    text += QStringLiteral("</NOTES>\r\n");
    Problem error;
    writeFileAtomically(path, text.toUtf8(), &error);
    return path;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_LoadNote(benchmark::State& state)
{
    const QString path = makeNoteFile(int(state.range(0)));
    for (auto _ : state) {
        const NoteList notes = loadNoteFile(path);
        if (notes.size() != state.range(0)) {
            state.SkipWithError("wrong number of notes");
        }
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_LoadNote)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BareDomParse(benchmark::State& state)
{
    const QString path = makeNoteFile(int(state.range(0)));
    for (auto _ : state) {
        QDomDocument document;
        if (!document.setContent(readAll(path))) {
            state.SkipWithError("parse failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_BareDomParse)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_AppendNote(benchmark::State& state)
{
    const QString source = makeNoteFile(int(state.range(0)));
    const QString path = benchScratchFolder() + QStringLiteral("/append.not");
    QFile::remove(path);
    QFile::copy(source, path);
    const NoteRecord note = sampleNote(-1);
    for (auto _ : state) {
        if (!appendToNoteFile(note, path)) {
            state.SkipWithError("append failed");
        }
    }
}
BENCHMARK(BM_AppendNote)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ReadAndWriteFile(benchmark::State& state)
{
    const QString path = makeNoteFile(int(state.range(0)));
    const QString copy = benchScratchFolder() + QStringLiteral("/rewrite.not");
    Problem error;
    for (auto _ : state) {
        if (!writeFileAtomically(copy, readAll(path), &error)) {
            state.SkipWithError("write failed");
        }
    }
}
BENCHMARK(BM_ReadAndWriteFile)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarksInScratch(argc, argv);
}
