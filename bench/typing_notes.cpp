// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Typing in a long note: a key press to the repaint of the text, in a 200 KB note with its window and the recovery
// journal watching it (as in the program), against the floor: a bare QTextEdit holding the same text.
// Run: build/bench/typing_notes (offscreen), or with QT_QPA_PLATFORM=xcb on an X server.
#include "app/recoveryjournal.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "rtf/writer.h"
#include "scratchmain.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"

#include <QApplication>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using namespace jotlet;

namespace {

// About 200 KB of text in paragraphs of a line or two, a word in bold now and then.
QTextDocument* longText(QObject* parent)
{
    auto* doc = new QTextDocument(parent);
    QTextCursor cursor(doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int i = 0; cursor.position() < 200 * 1024; ++i) {
        cursor.insertText(QStringLiteral("Paragraph %1: call Anna about the trip, bring the maps and ").arg(i));
        cursor.insertText(QStringLiteral("tickets"), bold);
        cursor.insertText(QStringLiteral(", and water the plants before leaving on Friday.\n"), QTextCharFormat());
    }
    return doc;
}

// Types into the middle of the text, each key followed by the repaint it causes.
void typeInto(benchmark::State& state, QWidget* box, const std::function<void()>& toMiddle)
{
    toMiddle();
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_A);
        QCoreApplication::processEvents(); // the repaint
    }
}

void floorTextBox(benchmark::State& state)
{
    QTextEdit edit;
    edit.setDocument(longText(&edit));
    edit.resize(220, 300);
    edit.show();
    edit.setFocus();
    typeInto(state, &edit, [&edit] {
        QTextCursor cursor(edit.document());
        cursor.setPosition(edit.document()->characterCount() / 2);
        edit.setTextCursor(cursor);
        edit.ensureCursorVisible();
    });
    state.SetLabel("a bare QTextEdit, 200 KB");
}
BENCHMARK(floorTextBox)->Unit(benchmark::kMicrosecond);

void noteWindow(benchmark::State& state)
{
    NoteBoard board;
    NoteWindow* window = nullptr;
    board.setViewFactory([&window](Note* note) { window = new NoteWindow(note); });
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(false);
    std::unique_ptr<QTextDocument> text(longText(nullptr));
    note->text().setRtf(writeRtf(*text));
    RecoveryJournal journal(board);
    note->show();
    auto* box = window->findChild<NoteTextBox*>();
    box->setFocus();
    typeInto(state, box, [box] {
        QTextCursor cursor(box->document());
        cursor.setPosition(box->document()->characterCount() / 2);
        box->setTextCursor(cursor);
        box->ensureCursorVisible();
    });
    state.SetLabel("a note's window with the journal, 200 KB");
    journal.finish(false);
    note->discard();
}
BENCHMARK(noteWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    const BenchScratch scratch;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
