// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The notes folder kept in step: reading it, and taking in, merging or keeping beside what changed there.
#include "sync/foldersync.h"
#include "sync/foldersync_p.h"

#include "note/noteboard.h"
#include "note/notelogic.h"
#include "note/notetext.h"
#include "note/screens.h"
#include "notes/notefile.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "rtf/reader.h"
#include "support/appinfo.h"
#include "support/clock.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "support/handover.h"
#include "sync/notemerge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QSysInfo>
#include <QUuid>

#include <algorithm>
namespace jotlet {

Q_LOGGING_CATEGORY(lcSync, "jotlet.sync", QtWarningMsg)

namespace folder {

namespace {

constexpr int kMaxOwnParents = 8;
constexpr int kMaxOtherParents = 8;

QString bareVersion(const QString& name)
{
    return name.startsWith(QLatin1Char('*')) ? name.mid(1) : name;
}

} // namespace

QByteArray recordBytes(const NoteRecord& record)
{
    return noteFileText({record}, programVersion()).toUtf8();
}

QString nowText()
{
    return Clock::now().toUTC().toString(Qt::ISODateWithMs);
}

QStringList parentsOf(const QStringList& direct, const QStringList& older)
{
    QStringList parents;
    QStringList seen;
    int own = 0;
    int other = 0;
    for (const QString& name : direct + older) {
        const QString version = bareVersion(name);
        if (version.isEmpty() || seen.contains(version)) {
            continue;
        }
        int& count = name.startsWith(QLatin1Char('*')) ? other : own;
        if (count < (name.startsWith(QLatin1Char('*')) ? kMaxOtherParents : kMaxOwnParents)) {
            ++count;
            parents << name;
            seen << version;
        }
    }
    return parents;
}

QString parentName(const QByteArray& version, const QString& device, const QString& here)
{
    if (version.isEmpty()) {
        return QString();
    }
    return (device == here ? QString() : QStringLiteral("*")) + QString::fromLatin1(version);
}

bool namesVersion(const QStringList& parents, const QByteArray& version)
{
    const QString name = QString::fromLatin1(version);
    return !version.isEmpty()
           && std::any_of(parents.begin(), parents.end(), [&name](const QString& p) { return bareVersion(p) == name; });
}

QString shownTime(const QString& modified)
{
    const QDateTime when = QDateTime::fromString(modified, Qt::ISODateWithMs).toLocalTime();
    if (!when.isValid()) {
        return QString();
    }
    const QLocale locale;
    return when.date() == Clock::now().date() ? locale.toString(when.time(), QLocale::ShortFormat)
                                              : locale.toString(when, QLocale::ShortFormat);
}

} // namespace folder

using namespace folder;

FolderSync::FolderSync(
    NoteBoard& board, const QString& folder, QString placesPath, QString versionsPath, QObject* parent)
    : NoteCollection(parent)
    , m_board(board)
    , m_folder(folder)
    , m_store(std::move(versionsPath))
    , m_placesPath(std::move(placesPath))
    , m_pendingPath(QFileInfo(m_placesPath).path() + QStringLiteral("/notesfolder-pending.not"))
    , m_device(deviceName())
{
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(kWriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, &FolderSync::flush);
    // Engines write a file in several steps (a temporary file, then a rename): read once they are done.
    m_rescanSoon.setSingleShot(true);
    m_rescanSoon.setInterval(300);
    connect(&m_rescanSoon, &QTimer::timeout, this, &FolderSync::rescan);
    m_rescanTimer.setInterval(kRescanMs);
    connect(&m_rescanTimer, &QTimer::timeout, this, &FolderSync::rescan);
    m_retryTimer.setInterval(kRetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, [this] {
        rescan(); // a folder that came back is read first: what is there is merged before anything is written
        flush();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_rescanSoon, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_rescanSoon, qOverload<>(&QTimer::start));
    connect(&m_flushing, &QFutureWatcher<QList<WriteOutcome>>::finished, this, &FolderSync::finishFlush);
    connect(&m_scan, &QFutureWatcher<ScanResult>::finished, this, [this] {
        ScanResult result = resultOf(m_scan);
        if (result.writes != m_writes) {
            rescan(); // begun before a write of this program's: it may have read what that write replaced
            return;
        }
        m_cache = result.cache;
        takeScan(result.scan);
        if (m_scanAgain) {
            m_scanAgain = false;
            rescan();
        }
    });
}

FolderSync::~FolderSync()
{
    m_scan.waitForFinished();
    m_flushing.waitForFinished();
}

QString FolderSync::defaultPlacesPath()
{
    return dataFilePath(QStringLiteral("notesfolder.ini"));
}

QString FolderSync::deviceName()
{
    // Several copies of the program on one machine (as for trying a folder out) can each be given a name.
    const QString configured = qEnvironmentVariable("JOTLET_DEVICE_NAME");
    if (!configured.isEmpty()) {
        return configured;
    }
    const QString host = QSysInfo::machineHostName();
    return host.isEmpty() ? QStringLiteral("computer") : host;
}

void FolderSync::start()
{
    QSettings places(m_placesPath, QSettings::IniFormat);
    const QString marked = places.value(QStringLiteral("folder/marked")).toString();
    Problem failure;
    // A folder met before must still have its mark: without it, it is an empty mount point or a folder that went,
    // and nothing is written there.
    if (marked != m_folder.path() || m_folder.isMarked()) {
        if (m_folder.mark(&failure)) {
            places.setValue(QStringLiteral("folder/marked"), m_folder.path());
        }
    }
    if (!m_folder.isMarked()) {
        cannotWrite(failure.isEmpty()
                        ? Problem(QT_TRANSLATE_NOOP("Problem", "the notes folder '%1' is not there"), {m_folder.path()})
                        : failure);
    }
    m_folder.purgeTrash(Clock::now());
    m_folder.removeStaleTemporaryFiles(QDateTime::currentDateTimeUtc());
    loadPending();
    rescan();
    watchFiles();
    m_rescanTimer.start();
}

bool FolderSync::expectsNotes() const
{
    const QSettings places(m_placesPath, QSettings::IniFormat);
    const QStringList names = QDir(m_folder.path()).entryList({QStringLiteral("*.not")}, QDir::Files);
    return std::any_of(names.begin(), names.end(), [&places](const QString& name) {
        const QString id = QFileInfo(name).completeBaseName();
        return isFolderNoteName(name) && places.value(id + QStringLiteral("/open"), true).toBool();
    });
}

// ---------------------------------------------------------------------------------------------------------------
// Reading the folder.

void FolderSync::rescan()
{
    if (m_scan.isRunning()) {
        m_scanAgain = true;
        return;
    }
    // What the worker touches is copied in: the folder's path, the version store's, the cache.
    const NotesFolder folder = m_folder;
    const VersionStore store = m_store;
    FolderScanCache cache = m_cache;
    const int writes = m_writes;
    runInPool(m_scan, [folder, store, cache, writes]() mutable {
        ScanResult result;
        result.writes = writes;
        result.scan = folder.scan(&cache);
        for (FolderNote& note : result.scan.notes) {
            if (note.whole) {
                store.keep(note.note.identity.id, note.bytes);
                note.bytes.clear();
            }
        }
        result.cache = std::move(cache);
        return result;
    });
}

void FolderSync::takeScan(const FolderScan& scan)
{
    if (m_finishing) {
        return;
    }
    reportRefused(scan);
    if (!scan.present) {
        // The folder is away (a share that dropped out, an empty mount point in its place): its notes were not
        // deleted, and stay open here until it is back.
        watchFiles();
        emit scanned();
        return;
    }
    QSet<QString> present;
    QList<FolderNote> arrivals;
    QSet<QString> copies;
    for (const FolderNote& file : scan.notes) {
        const QString id = file.note.identity.id;
        if (!file.conflictOf.isEmpty()) {
            copies.insert(file.path);
            continue;
        }
        present.insert(id);
        if (m_entries.contains(id)) {
            settle(id, file);
        } else {
            arrivals << file;
        }
    }
    const QStringList ids = m_entries.keys();
    for (const QString& id : ids) {
        if (!present.contains(id)) {
            removedOutside(id);
        }
    }
    openArrivals(arrivals);
    for (const FolderNote& file : scan.notes) {
        if (!file.conflictOf.isEmpty()) {
            settleCopy(file);
        }
    }
    // Conflict copies settled elsewhere: a conflict note the user typed into here becomes a note of its own.
    for (auto it = m_conflicts.begin(); it != m_conflicts.end();) {
        if (copies.contains(it.key()) || QFileInfo::exists(it.key())) { // or made while this reading was on
            ++it;
            continue;
        }
        const Conflict conflict = *it;
        it = m_conflicts.erase(it);
        if (conflict.note && conflict.edited) {
            conflictToNote(*conflict.note, true);
        } else if (conflict.note) {
            conflict.note->discard();
        }
    }
    m_firstScan = false;
    watchFiles();
    emit itemsChanged();
    emit scanned();
}

void FolderSync::reportRefused(const FolderScan& scan)
{
    for (const FolderScan::SetAside& file : scan.setAside) {
        logError(kScanLocation,
                 75,
                 QStringLiteral("'%1' could not be read (%2); it was moved to '%3'")
                     .arg(file.path, file.reason, file.movedTo));
    }
    QStringList told;
    for (const FolderScan::Refused& file : scan.refused) {
        const QString key = file.path + QLatin1Char('|') + QString::number(file.size);
        if (m_toldRefused.contains(key)) {
            continue; // once for each version of a file
        }
        m_toldRefused.insert(key);
        logError(kScanLocation,
                 file.tooLarge ? 7 : 75,
                 file.tooLarge
                     ? QStringLiteral("'%1' is %2 MB, more than the %3 MB a note file may hold; it was left "
                                      "where it is")
                           .arg(file.path)
                           .arg(file.size / (1024 * 1024))
                           .arg(kMaxNoteFileBytes / (1024 * 1024))
                     : QStringLiteral("'%1' is a link or not a regular file; it was left alone").arg(file.path));
        told << QDir::toNativeSeparators(file.path);
    }
    if (!told.isEmpty()) {
        emit notice(tr("Notes Not Opened"),
                    tr("These files in the notes folder were left as they are, as Jotlet does not open files larger "
                       "than %1 MB or links to files elsewhere:\n\n%2")
                        .arg(kMaxNoteFileBytes / (1024 * 1024))
                        .arg(told.join(QLatin1Char('\n'))));
    }
}

bool FolderSync::readWhole(FolderNote* file) const
{
    if (file->whole) {
        return true;
    }
    const QByteArray bytes = m_store.bytes(file->note.identity.id, file->version);
    NoteList notes;
    NoteFileError error;
    if (bytes.isEmpty() || !readNoteFileContent(bytes, file->path, &notes, &error) || notes.isEmpty()) {
        return false;
    }
    const QString id = file->note.identity.id;
    file->note = notes.first();
    file->note.identity.id = id;
    file->whole = true;
    return true;
}

std::optional<NoteRecord> FolderSync::versionRecord(const QString& id, const QByteArray& version) const
{
    FolderNote file;
    file.note.identity.id = id;
    file.version = version;
    if (!readWhole(&file)) {
        return std::nullopt;
    }
    return file.note;
}

std::optional<NoteRecord> FolderSync::commonAncestor(const QString& id,
                                                     const QByteArray& versionA,
                                                     const QStringList& parentsA,
                                                     const QByteArray& versionB,
                                                     const QStringList& parentsB) const
{
    const QStringList a = QStringList {QString::fromLatin1(versionA)} + parentsA;
    const QStringList b = QStringList {QString::fromLatin1(versionB)} + parentsB;
    for (const QString& name : a) {
        const QByteArray version = bareVersion(name).toLatin1();
        if (namesVersion(b, version)) {
            if (std::optional<NoteRecord> record = versionRecord(id, version)) {
                return record;
            }
        }
    }
    return std::nullopt;
}

// A file of a note this computer knows: taken in place, merged with what changed here, or kept beside as a conflict.
void FolderSync::settle(const QString& id, FolderNote file)
{
    Entry& entry = m_entries[id];
    entry.present = true;
    entry.path = file.path;
    if (file.version == entry.base) {
        return;
    }
    if (entry.note && entry.typed.isValid() && entry.typed.elapsed() < kTypingPauseMs) {
        m_rescanSoon.start(int(kTypingPauseMs - entry.typed.elapsed()) + 100); // once the user pauses
        return;
    }
    qCDebug(lcSync) << "changed" << id << file.version << "whole" << file.whole;
    if (!readWhole(&file)) {
        return; // read again at the next scan
    }
    const bool changedHere = entry.dirty || (entry.note && entry.note->isUnsaved());
    const bool follows = entry.base.isEmpty() || namesVersion(file.note.identity.parents, entry.base);
    if (!changedHere && follows && !entry.baseSeenOnly) {
        qCDebug(lcSync) << "taken in place" << id << file.version << "over" << entry.base;
        takeVersion(entry, file);
        return;
    }
    // Both changed: against the version both started from (this computer's base, when the file says it follows it;
    // a base only seen is not where this computer's text comes from).
    const QByteArray own = entry.baseSeenOnly ? QByteArray() : entry.base;
    const QStringList& ownParents = entry.file.identity.parents;
    std::optional<NoteRecord> ancestor = follows && !own.isEmpty() ? versionRecord(id, own) : std::nullopt;
    if (!ancestor) {
        ancestor = commonAncestor(id, own, ownParents, file.version, file.note.identity.parents);
    }
    if (!ancestor && file.note.identity.parents.isEmpty() && !own.isEmpty()) {
        ancestor = versionRecord(id, own); // a file from a program that names no parents
    }
    const QStringList parents = parentsOf({parentName(file.version, file.note.identity.device, m_device),
                                           parentName(own, entry.file.identity.device, m_device)},
                                          file.note.identity.parents + ownParents);
    const QByteArray theirVersion = file.version;
    qCDebug(lcSync) << "both changed" << id << "ours over" << entry.base << "theirs" << file.version
                    << file.note.identity.parents << "ancestor found" << bool(ancestor) << "changed here"
                    << changedHere;
    if (ancestor && mergeInto(entry, *ancestor, file.note, parents)) {
        qCDebug(lcSync) << "merged" << id;
        entry.base = theirVersion;
        entry.baseSeenOnly = false;
        entry.file = file.note;
        entry.file.identity.parents = parents;
        entry.fileWhole = true;
        m_store.setBase(id, theirVersion);
        writeNote(id);
        return;
    }
    qCDebug(lcSync) << "conflict" << id;
    keepBoth(entry, file);
}

bool FolderSync::mergeInto(Entry& entry,
                           const NoteRecord& ancestor,
                           const NoteRecord& theirs,
                           const QStringList& parents)
{
    const NoteRecord ours = localRecord(entry);
    const std::optional<NoteRecord> merged = mergeNoteRecords(ancestor, ours, theirs);
    if (!merged) {
        return false;
    }
    if (entry.note) {
        applyToNote(entry.note, *merged);
    } else {
        entry.file.data = merged->data;
    }
    NoteRecord pending = *merged;
    pending.identity = entry.file.identity;
    pending.identity.parents = parents;
    m_pending.remove(entry.file.identity.id);
    entry.file.identity.parents = parents;
    touch(entry);
    entry.textEdited = true;
    if (!entry.note) {
        m_pending.insert(pending.identity.id, pending); // written below, from here
    }
    return true;
}

NoteRecord FolderSync::localRecord(const Entry& entry) const
{
    if (entry.note) {
        return fileRecord(entry);
    }
    const auto pending = m_pending.constFind(entry.file.identity.id);
    if (pending != m_pending.constEnd()) {
        return *pending;
    }
    return entry.file;
}

void FolderSync::keepBoth(Entry& entry, const FolderNote& theirs)
{
    // Theirs into a conflict copy of its own, which every computer then shows; the note's file becomes this
    // computer's version at the next write.
    // untranslated: a file name, the same on every computer whatever its language
    const QString stamp = Clock::now().toString(QStringLiteral("yyyy-MM-dd hhmmss"));
    const QString device = theirs.note.identity.device.isEmpty()
                               ? QStringLiteral("another computer") // untranslated: part of the file name
                               : theirs.note.identity.device;
    const QString copy = m_folder.path() + QLatin1Char('/')
                         + theirs.note.identity.id
                         // untranslated: the conflict copy's name, as sync tools name theirs
                         + QStringLiteral(" (conflicted copy %1 %2).not").arg(device, stamp);
    Problem failure;
    QByteArray bytes = m_store.bytes(theirs.note.identity.id, theirs.version);
    if (bytes.isEmpty()) {
        bytes = recordBytes(theirs.note);
    }
    ++m_writes;
    if (m_folder.write(copy, bytes, QByteArray(), &failure) != NotesFolder::Write::Written) {
        logError(kWriteLocation, 75, QStringLiteral("'%1' could not be written: %2").arg(copy, failure.english()));
        cannotWrite(failure);
        return;
    }
    entry.file.identity.parents
        = parentsOf({parentName(entry.base, entry.file.identity.device, m_device)}, entry.file.identity.parents);
    entry.base = theirs.version; // seen: the next write may replace it, without claiming to come from it
    entry.baseSeenOnly = true;
    touch(entry);
    entry.textEdited = true;
    writeNote(theirs.note.identity.id);
    FolderNote shown = theirs;
    shown.path = copy;
    shown.conflictOf = theirs.note.identity.id;
    openConflict(shown);
}

// A conflict copy: merged into its note where the two changed different words, else shown beside it.
void FolderSync::settleCopy(const FolderNote& copy)
{
    if (m_conflicts.contains(copy.path)) {
        return;
    }
    auto entry = m_entries.find(copy.conflictOf);
    FolderNote theirs = copy;
    if (entry == m_entries.end() || !entry->present || !readWhole(&theirs)) {
        openConflict(copy); // the note itself was let go of elsewhere: the user decides
        return;
    }
    if (entry->note && entry->typed.isValid() && entry->typed.elapsed() < kTypingPauseMs) {
        m_rescanSoon.start(int(kTypingPauseMs - entry->typed.elapsed()) + 100); // once the user pauses
        return;
    }
    const NoteRecord ours = localRecord(*entry);
    const QByteArray own = entry->baseSeenOnly ? QByteArray() : entry->base;
    std::optional<NoteRecord> ancestor = commonAncestor(
        copy.conflictOf, own, entry->file.identity.parents, theirs.version, theirs.note.identity.parents);
    const QStringList parents = parentsOf({parentName(own, entry->file.identity.device, m_device),
                                           parentName(theirs.version, theirs.note.identity.device, m_device)},
                                          entry->file.identity.parents + theirs.note.identity.parents);
    qCDebug(lcSync) << "copy" << copy.path << "of" << entry->base << "ancestor found" << bool(ancestor);
    if (sameContent(ours, theirs.note) || (ancestor && mergeInto(*entry, *ancestor, theirs.note, parents))) {
        // Its words are in the note now: the copy goes aside, kept a while as the trash keeps notes.
        if (!moveAside(copy.path).isEmpty()) {
            writeNote(copy.conflictOf);
            return;
        }
    }
    if (entry->note) {
        openConflict(copy);
    }
}

void FolderSync::removedOutside(const QString& id)
{
    Entry& entry = m_entries[id];
    if (!entry.present) {
        return; // a new note whose file is not written yet
    }
    entry.present = false;
    if (entry.dirty || (entry.note && entry.note->isUnsaved()) || m_pending.contains(id)) {
        // Changed here since: the note comes back.
        entry.base.clear();
        touch(entry);
        writeNote(id);
        return;
    }
    Note* note = entry.note;
    m_entries.remove(id);
    if (note) {
        m_finishing = true; // closed because it went elsewhere, not by the user here
        note->discard();
        m_finishing = false;
    }
}

void FolderSync::openArrivals(QList<FolderNote> arrivals)
{
    QSettings places(m_placesPath, QSettings::IniFormat);
    const QStringList known = places.childGroups();
    QList<FolderNote> unknown;
    for (FolderNote& file : arrivals) {
        const QString id = file.note.identity.id;
        Entry& entry = m_entries[id];
        entry.path = file.path;
        entry.base = file.version;
        entry.file = file.note;
        entry.fileWhole = file.whole;
        entry.present = true;
        m_store.setBase(id, file.version);
        if (!known.contains(id)) {
            unknown << file;
        } else if (places.value(id + QStringLiteral("/open"), true).toBool()) {
            open(id, file.note, true);
        }
    }
    // Many notes new here at once (a computer meeting the folder): the most recently changed ones open.
    std::stable_sort(unknown.begin(), unknown.end(), [](const FolderNote& a, const FolderNote& b) {
        return a.note.identity.modified > b.note.identity.modified;
    });
    for (int i = 0; i < unknown.size(); ++i) {
        const QString id = unknown.at(i).note.identity.id;
        if (i < kFirstOpened) {
            open(id, unknown.at(i).note, true);
        } else {
            places.setValue(id + QStringLiteral("/open"), false);
        }
    }
    if (unknown.size() > kFirstOpened) {
        emit notice(tr("Notes Folder"),
                    tr("%1 notes came from the notes folder; the %2 changed most recently are open. The others "
                       "are in the Multi-Note Manager and Find in Notes.")
                        .arg(unknown.size())
                        .arg(kFirstOpened));
    }
}

} // namespace jotlet
