// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures in notes: opening a note that holds a 2,048 px PNG (read, decode, lay out and show) and typing in it,
// each against the same note without the picture; and reading over a hostile 100 MB picture.
// Run: build/bench/picture_notes
#include "note/notetext.h"
#include "rtf/pictures.h"
#include "rtf/reader.h"
#include "rtf/writer.h"
#include "scratchmain.h"
#include "window/notetextbox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace jotlet;

namespace {

// A note of a few paragraphs, with or without a 2,048 px picture (a gradient with shapes on it, as a PNG).
QByteArray noteRtf(bool picture)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    for (int i = 0; i < 20; ++i) {
        cursor.insertText(QStringLiteral("Line %1 of the note, with some words to lay out.\n").arg(i));
    }
    if (picture) {
        QImage image(2048, 2048, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 0, 2048);
        gradient.setColorAt(0, Qt::darkBlue);
        gradient.setColorAt(1, Qt::yellow);
        painter.fillRect(image.rect(), gradient);
        painter.setBrush(Qt::white);
        for (int i = 0; i < 2048; i += 128) {
            painter.drawEllipse(QPoint(i, 2048 - i), 60, 40);
        }
        painter.end();
        const StoredPicture stored = pictureForStorage(image, false);
        insertPicture(cursor, decodePicture(stored), QSize(200, 200), stored);
    }
    return writeRtf(doc);
}

void openNote(benchmark::State& state)
{
    const QByteArray rtf = noteRtf(state.range(0) == 1);
    for (auto _ : state) {
        NoteText text;
        NoteTextBox box;
        box.resize(220, 300);
        text.setRtf(rtf);
        box.showText(&text);
        box.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(box.document()->documentLayout()->documentSize());
    }
    state.SetLabel(state.range(0) == 1 ? "with a 2,048 px PNG" : "without a picture");
    state.counters["rtf_kB"] = double(rtf.size()) / 1024;
}
BENCHMARK(openNote)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void keystroke(benchmark::State& state)
{
    NoteText text;
    NoteTextBox box;
    box.resize(220, 300);
    text.setRtf(noteRtf(state.range(0) == 1));
    box.showText(&text);
    box.show();
    box.moveCursor(QTextCursor::Start);
    for (auto _ : state) {
        QTest::keyClick(&box, Qt::Key_A);
        QCoreApplication::processEvents(); // the repaint
    }
    state.SetLabel(state.range(0) == 1 ? "with a 2,048 px PNG" : "without a picture");
}
BENCHMARK(keystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void hostilePicture(benchmark::State& state)
{
    const QByteArray rtf
        = "{\\rtf1\\ansi before {\\pict\\jpegblip " + QByteArray(100 * 1024 * 1024, 'a') + "} after\\par}";
    for (auto _ : state) {
        QTextDocument doc;
        benchmark::DoNotOptimize(readRtf(rtf, &doc));
    }
    state.SetLabel("100 MB of picture hex");
}
BENCHMARK(hostilePicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
