// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Clipboard notes: how long after a copy the note shows it (the wait that gathers a burst of changes included),
// what writing one copy costs, and how much memory a log note in its window takes with 1,000 entries.
// Run: build/bench/clipboard_notes
#include "fakeclipboard.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "scratchmain.h"
#include "special/clipboardnotes.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "window/notewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

using namespace jotlet;

namespace {

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return 0;
}

// A copy of a few lines, as people copy from web pages and mail.
ClipboardContent typicalCopy(int i)
{
    return FakeClipboard::text(QStringLiteral("Copy %1: Meeting moved to Thursday at 10, room 4.12. Bring the "
                                              "printed agenda and the figures for the third quarter.")
                                   .arg(i));
}

} // namespace

int main(int argc, char** argv)
{
    const BenchScratch scratch;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    FakeClipboard clipboard;
    NoteBoard board;
    board.setViewFactory([](Note* note) { new NoteWindow(note); });
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory({nullptr, &clipboard}), {}));
    Note* viewer = board.createNote();
    viewer->show();
    viewer->run(Command::SpecialClipboardViewer);

    constexpr int kCopies = 20;
    qint64 totalUs = 0;
    for (int i = 0; i < kCopies; ++i) {
        QElapsedTimer clock;
        clock.start();
        clipboard.copy(typicalCopy(i));
        while (!viewer->text().text().contains(QStringLiteral("Copy %1:").arg(i))) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        totalUs += clock.nsecsElapsed() / 1000;
    }
    std::printf("from a copy to the viewer showing it: %.1f ms on average (%d copies)\n",
                double(totalUs) / kCopies / 1000,
                kCopies);

    const qint64 before = residentKilobytes();
    Note* log = board.createNote();
    log->show();
    log->run(Command::SpecialClipboardLog);
    QElapsedTimer writing;
    writing.start();
    for (int i = 0; i < kMaxClipboardLogEntries; ++i) {
        clipboard.current = typicalCopy(i);
        specialDriverOf(*log)->display(SpecialKind::ClipboardLog); // one copy read and written, as after a change
    }
    QCoreApplication::processEvents();
    std::printf("writing one copy into a log note: %.2f ms on average over %d copies\n",
                double(writing.nsecsElapsed()) / 1e6 / kMaxClipboardLogEntries,
                kMaxClipboardLogEntries);
    std::printf("a log note with %d entries (%lld characters) in its window: %lld KB more memory\n",
                kMaxClipboardLogEntries,
                qint64(log->text().text().size()),
                residentKilobytes() - before);
    return 0;
}
