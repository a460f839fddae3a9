// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/backups.h"

#include "notes/notefile.h"
#include "notes/notestore.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "support/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <zlib.h>

#include <algorithm>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("Backups");
constexpr int kGzipWindow = 15 + 16;      // deflate with a gzip header
constexpr int kAnyHeaderWindow = 15 + 32; // inflate gzip or zlib, whichever it finds
constexpr int kChunk = 256 * 1024;

QStringList noteFilesIn(const QString& folder)
{
    QStringList paths;
    if (folder.isEmpty()) {
        return paths;
    }
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList({QStringLiteral("*.not")}, QDir::Files | QDir::NoSymLinks, QDir::Name)) {
        paths << info.filePath();
    }
    return paths;
}

// The journal, the kept notes and what waits for the notes folder; then the notes folder; then the trashes.
QStringList keptNoteFiles(const NotePlaces& places, KeptNoteChoice choice)
{
    const QString data = places.dataFolder + QLatin1Char('/');
    QStringList paths;
    if (choice.journal) {
        paths << data + QStringLiteral("recovery.dat");
    }
    paths << data + QStringLiteral("jotlet.dat") << data + QStringLiteral("notesfolder-pending.not");
    paths << noteFilesIn(places.notesFolder);
    if (choice.trash) {
        paths << noteFilesIn(data + QStringLiteral("trash"));
        if (!places.notesFolder.isEmpty()) {
            paths << noteFilesIn(places.notesFolder + QStringLiteral("/.trash"));
        }
    }
    return paths;
}

QString sameNoteKey(const NoteRecord& note)
{
    return note.identity.id.isEmpty() ? QStringLiteral("text:") + note.data : QStringLiteral("id:") + note.identity.id;
}

} // namespace

NotePlaces NotePlaces::current()
{
    return {jotlet::dataFolder(), readNotesFolder()};
}

void addNewNotes(NoteList* list, const NoteList& notes)
{
    QSet<QString> seen;
    for (const NoteRecord& note : std::as_const(*list)) {
        seen.insert(sameNoteKey(note));
    }
    for (const NoteRecord& note : notes) {
        if (!seen.contains(sameNoteKey(note))) {
            seen.insert(sameNoteKey(note));
            list->append(note);
        }
    }
}

NoteList collectKeptNotes(const NotePlaces& places, KeptNoteChoice choice, QStringList* unreadable)
{
    NoteList notes;
    for (const QString& path : keptNoteFiles(places, choice)) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        Problem failure;
        const NoteList found = readNoteFileQuietly(path, &failure);
        if (found.isEmpty() && !failure.isEmpty()) {
            logError(kLocation, 75, QStringLiteral("'%1' was passed over: %2").arg(path, failure.english()));
            if (unreadable) {
                *unreadable << path;
            }
            continue;
        }
        addNewNotes(&notes, found);
    }
    return notes;
}

QByteArray gzipBytes(const QByteArray& bytes)
{
    z_stream stream {};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return {};
    }
    QByteArray packed;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    int status = Z_OK;
    while (status == Z_OK) {
        const qsizetype used = packed.size();
        packed.resize(used + kChunk);
        stream.next_out = reinterpret_cast<Bytef*>(packed.data() + used);
        stream.avail_out = kChunk;
        status = deflate(&stream, Z_FINISH);
        packed.resize(used + kChunk - stream.avail_out);
    }
    deflateEnd(&stream);
    return status == Z_STREAM_END ? packed : QByteArray();
}

bool gunzipBytes(const QByteArray& packed, QByteArray* bytes, qint64 maxBytes)
{
    z_stream stream {};
    if (inflateInit2(&stream, kAnyHeaderWindow) != Z_OK) {
        return false;
    }
    bytes->clear();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    int status = Z_OK;
    while (status == Z_OK && bytes->size() <= maxBytes) {
        const qsizetype used = bytes->size();
        bytes->resize(used + kChunk);
        stream.next_out = reinterpret_cast<Bytef*>(bytes->data() + used);
        stream.avail_out = kChunk;
        status = inflate(&stream, Z_NO_FLUSH);
        bytes->resize(used + kChunk - stream.avail_out);
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END && bytes->size() <= maxBytes;
}

Backups::Backups(QString folder)
    : m_folder(std::move(folder))
{
}

QString Backups::folderIn(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/backups");
}

QString Backups::pathFor(QDate day) const
{
    return m_folder + QStringLiteral("/jotlet-") + day.toString(Qt::ISODate) + QStringLiteral(".not.gz");
}

bool Backups::has(QDate day) const
{
    return QFileInfo::exists(pathFor(day));
}

QList<Backups::Snapshot> Backups::snapshots() const
{
    static const QRegularExpression name(QStringLiteral("^jotlet-(\\d{4}-\\d\\d-\\d\\d)\\.not\\.gz$"));
    QList<Snapshot> found;
    for (const QFileInfo& info : QDir(m_folder).entryInfoList(QDir::Files | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match = name.match(info.fileName());
        const QDate day = match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
        if (day.isValid()) {
            found << Snapshot {info.filePath(), day};
        }
    }
    std::sort(found.begin(), found.end(), [](const Snapshot& a, const Snapshot& b) { return a.day > b.day; });
    return found;
}

bool Backups::write(const NoteList& notes, const QString& path, Problem* problem)
{
    const QByteArray packed = gzipBytes(noteFileText(notes, programVersion()).toUtf8());
    if (packed.isEmpty()) {
        *problem = Problem(QT_TRANSLATE_NOOP("Problem", "the notes could not be compressed"));
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *problem = Problem(QT_TRANSLATE_NOOP("Problem", "the folder '%1' could not be made"), {QFileInfo(path).path()});
        return false;
    }
    return writeFileAtomically(path, packed, problem);
}

NoteList Backups::read(const QString& path, Problem* problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' cannot be opened"), {path});
        return {};
    }
    QByteArray bytes;
    if (!gunzipBytes(file.readAll(), &bytes, kMaxUnpackedBytes)) {
        *problem = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' is damaged: it does not unpack"), {path});
        return {};
    }
    NoteList notes;
    NoteFileError error;
    if (!readNoteFileContent(bytes, path, &notes, &error)) {
        *problem = error.problem;
        return {};
    }
    return notes;
}

bool Backups::take(const NotePlaces& places, QDate today, Problem* problem)
{
    if (!write(collectKeptNotes(places, {}), pathFor(today), problem)) {
        return false;
    }
    prune(today);
    return true;
}

QList<QDate> Backups::daysToRemove(const QList<QDate>& days, QDate today)
{
    QList<QDate> newestFirst = days;
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<QDate>());
    QSet<qint64> weeksKept;
    QList<QDate> remove;
    for (const QDate& day : std::as_const(newestFirst)) {
        const qint64 age = day.daysTo(today);
        if (age >= 0 && age < kKeepDays) {
            continue; // one of the last days
        }
        const qint64 week = (age - kKeepDays) / 7; // 0 is the week before the kept days
        if (age >= kKeepDays && week < kKeepWeeks && !weeksKept.contains(week)) {
            weeksKept.insert(week); // the newest of that week
            continue;
        }
        if (age < 0) {
            continue; // from a day still to come (the clock was changed): not ours to judge
        }
        remove << day;
    }
    return remove;
}

void Backups::prune(QDate today)
{
    QList<QDate> days;
    for (const Snapshot& snapshot : snapshots()) {
        days << snapshot.day;
    }
    for (const QDate& day : daysToRemove(days, today)) {
        if (!QFile::remove(pathFor(day))) {
            logError(kLocation, 75, QStringLiteral("the old snapshot '%1' could not be removed").arg(pathFor(day)));
        }
    }
}

} // namespace jotlet
