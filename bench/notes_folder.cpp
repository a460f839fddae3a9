// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder at scale: 1,000 notes in the folder. Prints the time to open them all (each in its note window),
// the time from a file arriving (renamed in, as sync engines do) to its note being open, and the program's CPU time
// and wake-ups while the folder stays idle. Run: build/bench/notes_folder [notes] [idle seconds]
#include "note/noteboard.h"
#include "notes/notefile.h"
#include "samplenotes.h"
#include "sync/foldersync.h"
#include "window/notewindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

using namespace jotlet;

namespace {

NoteRecord folderNote(int serial)
{
    NoteRecord note = sampleNote(QStringLiteral("note %1: call Anna about the trip on Friday").arg(serial));
    note.identity = {QStringLiteral("note-%1").arg(serial, 5, 10, QLatin1Char('0')),
                     QStringLiteral("2026-12-07T09:00:00.000Z"),
                     QStringLiteral("laptop")};
    return note;
}

QByteArray noteBytes(const NoteRecord& note)
{
    return noteFileText({note}, QStringLiteral("1.0.0.1")).toUtf8();
}

struct Usage
{
    double cpuSeconds;
    long wakeUps;
};

Usage usage()
{
    rusage self {};
    getrusage(RUSAGE_SELF, &self);
    return {double(self.ru_utime.tv_sec + self.ru_stime.tv_sec) + (self.ru_utime.tv_usec + self.ru_stime.tv_usec) / 1e6,
            self.ru_nvcsw};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 65;
    // "baseline": the same notes in the same windows without the folder kept in step, to tell the folder's own work
    // from the windows'.
    const bool baseline = argc > 3 && qstrcmp(argv[3], "baseline") == 0;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Notes"));
    NotesFolder files(folder);
    QString failure;
    files.mark(&failure);
    for (int i = 0; i < count; ++i) {
        const NoteRecord note = folderNote(i);
        files.write(files.fileFor(note.identity.id), noteBytes(note), {}, &failure);
    }
    NoteBoard board;
    board.setViewFactory([](Note* note) { new NoteWindow(note); });
    FolderSync sync(
        board, folder, dir.filePath(QStringLiteral("places.ini")), dir.filePath(QStringLiteral("versions")));
    QElapsedTimer timer;
    timer.start();
    if (baseline) {
        FolderScanCache cache;
        for (const FolderNote& stored : files.scan(&cache).notes) {
            Note* note = board.createNote(NoteOrigin::Kept);
            note->setFromRecord(stored.note, QString());
            note->show();
        }
    } else {
        sync.start();
    }
    QCoreApplication::processEvents();
    std::printf(
        "%d notes%s: opened in %.2f s\n", board.count(), baseline ? " (baseline)" : "", timer.nsecsElapsed() / 1e9);

    if (!baseline) {
        // One more, arriving the way an engine writes it.
        const NoteRecord arriving = folderNote(count);
        const QString incoming = dir.filePath(QStringLiteral("incoming.not"));
        QFile file(incoming);
        file.open(QIODevice::WriteOnly);
        file.write(noteBytes(arriving));
        file.close();
        timer.restart();
        QFile::rename(incoming, files.fileFor(arriving.identity.id));
        while (!sync.noteFor(arriving.identity.id) && timer.elapsed() < 30000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        std::printf("a file arriving: its note open after %lld ms (%d notes open)\n", timer.elapsed(), board.count());
    }
    QTest::qWait(60000); // settled: a thousand windows mapped and stacked by the window manager
    const Usage before = usage();
    QEventLoop idle; // the event loop as the program runs it (QTest::qWait would wake every 10 ms itself)
    QTimer::singleShot(idleSeconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    const Usage after = usage();
    std::printf("idle for %d s: %.3f s of CPU, %ld voluntary wake-ups\n",
                idleSeconds,
                after.cpuSeconds - before.cpuSeconds,
                after.wakeUps - before.wakeUps);
    sync.finish();
    for (Note* note : board.notes()) {
        note->discard();
    }
    return 0;
}
