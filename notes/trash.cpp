// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/trash.h"

#include "notes/notefile.h"
#include "notes/notestore.h"
#include "support/appinfo.h"
#include "support/errorlog.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace jotlet {

namespace {

const QString kLocation = QStringLiteral("modTrash: PutNote");
const QString kUnreadable = QStringLiteral("unreadable");
// An entry's name starts with its time, so that the folder lists the entries in order without reading them.
const QString kNameTime = QStringLiteral("yyyyMMdd-hhmmsszzz");

QDateTime timeOfName(const QString& name)
{
    QDateTime when = QDateTime::fromString(name.left(kNameTime.size()), kNameTime);
    when.setTimeSpec(Qt::UTC);
    return when;
}

} // namespace

QDateTime trashedAt(const NoteRecord& note)
{
    return note.trashed.present ? QDateTime::fromString(note.trashed.when, Qt::ISODateWithMs) : QDateTime();
}

QList<TrashEntry> pastTheLimits(QList<TrashEntry> entries, const QDateTime& now)
{
    std::stable_sort(entries.begin(), entries.end(), [](const TrashEntry& a, const TrashEntry& b) {
        return a.when > b.when; // newest first
    });
    QList<TrashEntry> past;
    const QDateTime oldest = now.addDays(-TrashPolicy::kMaxDays);
    qint64 bytes = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const TrashEntry& entry = entries.at(i);
        bytes += entry.size;
        const bool newest = i == 0; // never let go of for its size or the number: what was just put in stays
        if (entry.when < oldest || (!newest && (i >= TrashPolicy::kMaxNotes || bytes > TrashPolicy::kMaxBytes))) {
            past << entry;
        }
    }
    std::reverse(past.begin(), past.end()); // oldest first
    return past;
}

Trash::Trash(QString folder)
    : m_folder(std::move(folder))
{
}

QString Trash::defaultFolder()
{
    return dataFilePath(QStringLiteral("trash"));
}

QString Trash::legacyPath()
{
    return dataFilePath(QStringLiteral("trash.dat"));
}

QList<TrashEntry> Trash::entries() const
{
    QList<TrashEntry> entries;
    for (const QFileInfo& info : QDir(m_folder).entryInfoList({QStringLiteral("*.not")}, QDir::Files, QDir::Name)) {
        const QDateTime when = timeOfName(info.fileName());
        if (!when.isValid()) {
            setAside(info.filePath(),
                     Problem(QT_TRANSLATE_NOOP("Problem", "its name does not say when it went to the trash")));
            continue;
        }
        entries << TrashEntry {info.filePath(), when, info.size()};
    }
    return entries;
}

void Trash::setAside(const QString& path, const Problem& why) const
{
    const QString folder = m_folder + QLatin1Char('/') + kUnreadable;
    QDir().mkpath(folder);
    QString target = folder + QLatin1Char('/') + QFileInfo(path).fileName();
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = folder + QLatin1Char('/') + QFileInfo(path).completeBaseName() + QStringLiteral(" (%1).not").arg(n);
    }
    const bool moved = QFile::rename(path, target);
    logError(kLocation,
             75,
             moved
                 ? QStringLiteral("'%1' in the trash could not be read (%2); it was set aside as '%3'")
                       .arg(path, why.english(), target)
                 : QStringLiteral("'%1' in the trash could not be read (%2), nor set aside").arg(path, why.english()));
}

bool Trash::writeEntry(const NoteRecord& note, const QDateTime& when, Problem* failure) const
{
    Problem message;
    if (!QDir().mkpath(m_folder)) {
        message = Problem(QT_TRANSLATE_NOOP("Problem", "The trash folder '%1' could not be made"), {m_folder});
    } else {
        const QString name = when.toUTC().toString(kNameTime) + QLatin1Char('-')
                             + QString::number(QRandomGenerator::global()->generate(), 16) + QStringLiteral(".not");
        const QByteArray bytes = noteFileText({note}, programVersion()).toUtf8();
        if (writeFileAtomically(QDir(m_folder).filePath(name), bytes, &message)) {
            return true;
        }
    }
    if (failure) {
        *failure = message;
    }
    return false;
}

void Trash::takeApartLegacyFile() const
{
    const QString legacy = legacyPath();
    if (QDir(m_folder) != QDir(defaultFolder()) || !QFile::exists(legacy)) {
        return;
    }
    bool damaged = false;
    const NoteList notes = loadNoteFileLeniently(legacy, &damaged);
    bool all = !damaged;
    for (const NoteRecord& note : notes) {
        const QDateTime when = trashedAt(note);
        Problem failure;
        if (!when.isValid()) {
            all = false; // kept in the old file, set aside below
            continue;
        }
        all = writeEntry(note, when, &failure) && all;
    }
    if (all) {
        QFile::remove(legacy); // every note of it is in the folder now
        return;
    }
    const QString aside = setFileAside(legacy);
    logError(kLocation,
             75,
             QStringLiteral("Some notes of the trash '%1' could not be read; the file was set aside as '%2'")
                 .arg(legacy, aside));
}

bool Trash::put(NoteRecord note, const QString& from, const QDateTime& now, Problem* failure)
{
    takeApartLegacyFile();
    note.session = {};
    note.fileName.clear();
    note.trashed = {true, now.toUTC().toString(Qt::ISODateWithMs), from};
    if (!writeEntry(note, now, failure)) {
        return false;
    }
    keepWithinLimits(now);
    return true;
}

void Trash::keepWithinLimits(const QDateTime& now) const
{
    for (const TrashEntry& entry : pastTheLimits(entries(), now)) {
        QFile::remove(entry.path);
    }
}

NoteList Trash::notes(const QDateTime& now) const
{
    takeApartLegacyFile();
    QList<TrashEntry> kept = entries();
    const QList<TrashEntry> past = pastTheLimits(kept, now);
    NoteList notes;
    for (const TrashEntry& entry : kept) {
        if (std::any_of(past.cbegin(), past.cend(), [&entry](const TrashEntry& p) { return p.path == entry.path; })) {
            continue;
        }
        Problem why;
        const NoteList read = loadNoteFile(entry.path, &why);
        if (read.isEmpty() || !trashedAt(read.first()).isValid()) {
            setAside(entry.path,
                     why.isEmpty() ? Problem(QT_TRANSLATE_NOOP("Problem", "its time cannot be read")) : why);
            continue;
        }
        NoteRecord note = read.first();
        note.fileName = entry.path;
        notes << note;
    }
    std::stable_sort(notes.begin(), notes.end(), [](const NoteRecord& a, const NoteRecord& b) {
        return trashedAt(a) > trashedAt(b);
    });
    return notes;
}

bool Trash::take(const NoteRecord& note, Problem* failure)
{
    if (QFileInfo(note.fileName).absolutePath() != QFileInfo(m_folder).absoluteFilePath()
        || !QFile::exists(note.fileName)) {
        if (failure) {
            *failure = Problem(QT_TRANSLATE_NOOP("Problem", "The note is no longer in the trash '%1'"), {m_folder});
        }
        return false;
    }
    if (!QFile::remove(note.fileName)) {
        if (failure) {
            *failure
                = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' could not be removed from the trash"), {note.fileName});
        }
        return false;
    }
    return true;
}

bool Trash::empty(Problem* failure)
{
    takeApartLegacyFile();
    bool emptied = true;
    for (const TrashEntry& entry : entries()) {
        if (!QFile::remove(entry.path)) {
            emptied = false;
            if (failure) {
                *failure = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' could not be removed"), {entry.path});
            }
        }
    }
    return emptied;
}

} // namespace jotlet
