// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder at scale (a plain program that prints its figures): a computer meeting a folder of 1,000 notes
// (the time until its notes are read and the twenty most recent open), a changed file arriving (until its open note
// shows the new text), 1,000 new files arriving at once (the longest the event loop stalls meanwhile), a flush while
// twenty notes with a 2,048 px picture are open (the longest stall, and the time of the flush), and the CPU time
// and wake-ups while the folder stays idle.
// Run: build/bench/notes_folder [notes] [idle seconds]
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notefile.h"
#include "rtf/pictures.h"
#include "rtf/writer.h"
#include "samplenotes.h"
#include "sync/foldersync.h"
#include "window/notewindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

using namespace jotlet;

namespace {

NoteRecord folderNote(int serial, const QString& text = {})
{
    NoteRecord note
        = sampleNote(text.isEmpty() ? QStringLiteral("note %1: call Anna about the trip on Friday").arg(serial) : text);
    note.identity = {QStringLiteral("note-%1").arg(serial, 5, 10, QLatin1Char('0')),
                     QStringLiteral("2026-12-07T09:00:00.000Z"),
                     QStringLiteral("laptop"),
                     {}};
    return note;
}

QByteArray noteBytes(const NoteRecord& note)
{
    return noteFileText({note}, QStringLiteral("1.0.0.1")).toUtf8();
}

// Arrives the way an engine writes a file: a temporary file, then a rename.
void arrive(const QString& folder, const NoteRecord& note)
{
    const QString incoming = folder + QStringLiteral("/.incoming.tmp");
    QFile file(incoming);
    file.open(QIODevice::WriteOnly);
    file.write(noteBytes(note));
    file.close();
    // In one step over the old file, as engines replace a file (QFile::rename does not replace one).
    std::rename(QFile::encodeName(incoming).constData(),
                QFile::encodeName(folder + QLatin1Char('/') + note.identity.id + QStringLiteral(".not")).constData());
}

// The longest the event loop went without running a 1 ms timer, while it lives.
class StallMeter
{
public:
    StallMeter()
    {
        m_clock.start();
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_longest = qMax(m_longest, m_clock.restart()); });
        m_timer.start();
    }
    qint64 longest() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

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

// A note holding a 2,048 px photo-like picture (noise compresses as badly as a photo).
NoteRecord pictureNote(int serial)
{
    QImage image(2048, 1536, QImage::Format_RGB32);
    QPainter painter(&image);
    QRandomGenerator random(serial);
    for (int i = 0; i < 400; ++i) {
        painter.fillRect(int(random.bounded(2048)), int(random.bounded(1536)), 120, 90, QColor(random.generate()));
    }
    painter.end();
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("holiday %1 ").arg(serial));
    insertPicture(cursor, image.scaledToWidth(300), QSize(300, 225), pictureForStorage(image, true));
    NoteRecord note = folderNote(1000 + serial);
    note.data = QString::fromLatin1(writeRtf(doc));
    return note;
}

void waitFor(const std::function<bool()>& done, int ms = 60000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 65;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Notes"));
    NotesFolder files(folder);
    Problem failure;
    files.mark(&failure);
    for (int i = 0; i < count; ++i) {
        const NoteRecord note = folderNote(i);
        files.write(files.fileFor(note.identity.id), noteBytes(note), {}, &failure);
    }

    // A computer meeting the folder: everything read, the newest twenty open.
    NoteBoard board;
    board.setViewFactory([](Note* note) { new NoteWindow(note); });
    FolderSync sync(
        board, folder, dir.filePath(QStringLiteral("places.ini")), dir.filePath(QStringLiteral("versions")));
    QSignalSpy scanned(&sync, &FolderSync::scanned);
    QElapsedTimer timer;
    timer.start();
    {
        StallMeter stalls;
        sync.start();
        waitFor([&] { return scanned.size() > 0; });
        std::printf("a computer meeting a folder of %d notes: read, %d open, after %lld ms (longest stall %lld ms)\n",
                    count,
                    board.count(),
                    timer.elapsed(),
                    stalls.longest());
    }

    // A changed file arriving for an open note: until the note shows it.
    Note* open = board.notes().first();
    const QString id = open->folderId();
    NoteRecord changed = folderNote(id.mid(5).toInt(), QStringLiteral("changed on the laptop"));
    changed.identity.id = id;
    timer.restart();
    arrive(folder, changed);
    waitFor([&] { return open->text().text().startsWith(QLatin1String("changed on the laptop")); });
    std::printf("a changed file arriving: its note shows the new text after %lld ms\n", timer.elapsed());

    // A thousand new files at once.
    {
        StallMeter stalls;
        timer.restart();
        for (int i = 0; i < count; ++i) {
            arrive(folder, folderNote(2000 + i));
        }
        const int before = scanned.size();
        waitFor([&] { return sync.items().size() >= 2 * count && scanned.size() > before; });
        std::printf("%d files arriving at once: all known after %lld ms, longest stall %lld ms, %d notes open\n",
                    count,
                    timer.elapsed(),
                    stalls.longest(),
                    board.count());
    }

    // Twenty notes with a picture, open; one of them edited, then flushed.
    for (int i = 0; i < 20; ++i) {
        arrive(folder, pictureNote(i));
    }
    waitFor([&] { return sync.noteFor(QStringLiteral("note-01019")) != nullptr; });
    QTest::qWait(500);
    Note* picture = sync.noteFor(QStringLiteral("note-01000"));
    if (picture) {
        StallMeter stalls;
        QTextCursor(picture->text().document()).insertText(QStringLiteral("edited "));
        timer.restart();
        const NoteRecord record = picture->sessionRecord();
        const qint64 serialised = timer.elapsed();
        const QByteArray bytes = noteBytes(record);
        std::printf("(the note as RTF: %lld ms; as a note file: %lld ms more, %lld bytes)\n",
                    serialised,
                    timer.elapsed() - serialised,
                    qint64(bytes.size()));
        timer.restart();
        sync.flush();
        const qint64 flush = timer.elapsed();
        QTest::qWait(100);
        std::printf("a flush with 20 picture notes open, one edited: %lld ms, longest stall %lld ms\n",
                    flush,
                    stalls.longest());
    }

    QTest::qWait(5000); // settled
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
