// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/foldersync.h"

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
#include "sync/notemerge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QSysInfo>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace jotlet {

Q_LOGGING_CATEGORY(lcSync, "jotlet.sync", QtWarningMsg)

namespace {

const QString kWriteLocation = QStringLiteral("modNotesFolder: WriteNote");
const QString kScanLocation = QStringLiteral("modNotesFolder: Scan");
constexpr int kMaxParents = 10;
// A conflict note is at least this large (twips), so that what it says and its choices can be read.
constexpr int kConflictWidthTwips = 4800;
constexpr int kConflictHeightTwips = 3600;

QByteArray recordBytes(const NoteRecord& record)
{
    return noteFileText({record}, programVersion()).toUtf8();
}

QString nowText()
{
    return Clock::now().toUTC().toString(Qt::ISODateWithMs);
}

// The versions a new version is made from: the given ones first, then their own, without repeats.
QStringList parentsOf(const QStringList& direct, const QStringList& older)
{
    QStringList parents;
    for (const QString& version : direct + older) {
        if (!version.isEmpty() && !parents.contains(version) && parents.size() < kMaxParents) {
            parents << version;
        }
    }
    return parents;
}

// A time of a version for the user: the time alone today, else the date and time, in the user's language.
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

} // namespace

// The notes folder as the storage of one note (or of a conflict note, another version of one).
class FolderNoteStorage : public NoteStorage
{
public:
    FolderNoteStorage(FolderSync& sync, QString id, bool conflict)
        : m_sync(&sync)
        , m_id(std::move(id))
        , m_conflict(conflict)
    {
    }
    QString id() const override { return m_id; }
    QString keptId() const override { return m_conflict ? m_ownId : m_id; }
    bool isConflict() const override { return m_conflict; }
    QString conflictText() const override { return m_sync ? m_sync->conflictText(m_path) : QString(); }
    bool holdsUnwritten() const override { return m_sync && m_note && m_sync->holdsUnwritten(*m_note); }
    bool closing(Note& note, std::optional<Answer> answer) override { return !m_sync || m_sync->closing(note, answer); }
    void resolve(Note& note, ConflictChoice choice) override
    {
        if (m_sync) {
            m_sync->resolve(note, choice);
        }
    }
    void setPath(const QString& path) { m_path = path; }
    void setOwnId(const QString& id) { m_ownId = id; }
    void setNote(Note* note) { m_note = note; }

private:
    QPointer<FolderSync> m_sync;
    QString m_id;
    bool m_conflict;
    QString m_path;
    QString m_ownId;
    Note* m_note = nullptr;
};

FolderSync::FolderSync(
    NoteBoard& board, const QString& folder, QString placesPath, QString versionsPath, QObject* parent)
    : QObject(parent)
    , m_board(board)
    , m_folder(folder)
    , m_store(std::move(versionsPath))
    , m_placesPath(std::move(placesPath))
    , m_pendingPath(QFileInfo(m_placesPath).path() + QStringLiteral("/notesfolder-pending.not"))
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
    connect(&m_scan, &QFutureWatcher<ScanResult>::finished, this, [this] {
        ScanResult result = m_scan.result();
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
    QString failure;
    // A folder met before must still have its mark: without it, it is an empty mount point or a folder that went,
    // and nothing is written there.
    if (marked != m_folder.path() || m_folder.isMarked()) {
        if (m_folder.mark(&failure)) {
            places.setValue(QStringLiteral("folder/marked"), m_folder.path());
        }
    }
    if (!m_folder.isMarked()) {
        cannotWrite(failure.isEmpty() ? QStringLiteral("the notes folder '%1' is not there").arg(m_folder.path())
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
    m_scan.setFuture(QtConcurrent::run([folder, store, cache, writes]() mutable {
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
    }));
}

void FolderSync::takeScan(const FolderScan& scan)
{
    if (m_finishing) {
        return;
    }
    reportRefused(scan);
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
    emit listChanged();
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
    for (const QString& version : a) {
        if (b.contains(version)) {
            if (std::optional<NoteRecord> record = versionRecord(id, version.toLatin1())) {
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
    if (!readWhole(&file)) {
        return; // read again at the next scan
    }
    const bool changedHere = entry.dirty || (entry.note && entry.note->isUnsaved());
    const bool follows = entry.base.isEmpty() || file.note.identity.parents.contains(QString::fromLatin1(entry.base));
    if (!changedHere && follows) {
        qCDebug(lcSync) << "taken in place" << id << file.version << "over" << entry.base;
        takeVersion(entry, file);
        return;
    }
    // Both changed: against the version both started from (this computer's base, when the file says it follows it).
    std::optional<NoteRecord> ancestor = follows ? versionRecord(id, entry.base) : std::nullopt;
    if (!ancestor) {
        ancestor
            = commonAncestor(id, entry.base, entry.file.identity.parents, file.version, file.note.identity.parents);
    }
    if (!ancestor && file.note.identity.parents.isEmpty()) {
        ancestor = versionRecord(id, entry.base); // a file from a program that names no parents
    }
    const QStringList parents = parentsOf({QString::fromLatin1(file.version), QString::fromLatin1(entry.base)},
                                          file.note.identity.parents + entry.file.identity.parents);
    const QByteArray theirVersion = file.version;
    qCDebug(lcSync) << "both changed" << id << "ours over" << entry.base << "theirs" << file.version
                    << file.note.identity.parents << "ancestor found" << bool(ancestor) << "changed here"
                    << changedHere;
    if (ancestor && mergeInto(entry, *ancestor, file.note, parents)) {
        qCDebug(lcSync) << "merged" << id;
        entry.base = theirVersion;
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
        entry.file.Data = merged->Data;
    }
    NoteRecord pending = *merged;
    pending.identity = entry.file.identity;
    pending.identity.parents = parents;
    m_pending.remove(entry.file.identity.id);
    entry.file.identity.parents = parents;
    entry.dirty = true;
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
    const QString stamp = Clock::now().toString(QStringLiteral("yyyy-MM-dd hhmmss"));
    const QString device
        = theirs.note.identity.device.isEmpty() ? QStringLiteral("another computer") : theirs.note.identity.device;
    const QString copy = m_folder.path() + QLatin1Char('/') + theirs.note.identity.id
                         + QStringLiteral(" (conflicted copy %1 %2).not").arg(device, stamp);
    QString failure;
    QByteArray bytes = m_store.bytes(theirs.note.identity.id, theirs.version);
    if (bytes.isEmpty()) {
        bytes = recordBytes(theirs.note);
    }
    ++m_writes;
    if (m_folder.write(copy, bytes, QByteArray(), &failure) != NotesFolder::Write::Written) {
        logError(kWriteLocation, 75, QStringLiteral("'%1' could not be written: %2").arg(copy, failure));
        cannotWrite(failure);
        return;
    }
    entry.file.identity.parents = parentsOf({QString::fromLatin1(theirs.version), QString::fromLatin1(entry.base)},
                                            entry.file.identity.parents);
    entry.base = theirs.version; // seen: the next write may replace it
    entry.dirty = true;
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
    const NoteRecord ours = localRecord(*entry);
    std::optional<NoteRecord> ancestor = commonAncestor(
        copy.conflictOf, entry->base, entry->file.identity.parents, theirs.version, theirs.note.identity.parents);
    const QStringList parents = parentsOf({QString::fromLatin1(entry->base), QString::fromLatin1(theirs.version)},
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
        entry.dirty = true;
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

// ---------------------------------------------------------------------------------------------------------------
// Notes and their windows.

Note* FolderSync::open(const QString& id, const NoteRecord& stored, bool show)
{
    Entry& entry = m_entries[id];
    NoteRecord record = stored;
    if (!entry.fileWhole) {
        const std::optional<NoteRecord> whole = versionRecord(id, entry.base);
        if (!whole) {
            return nullptr;
        }
        record = *whole;
        entry.file = *whole;
        entry.fileWhole = true;
    }
    Note* note = m_board.createNote(NoteOrigin::Kept);
    if (!note->setFromRecord(record, entry.path)) {
        note->discard();
        return nullptr;
    }
    note->setTimeStamp(record.TimeDate);
    entry.note = note;
    join(note, id);
    restorePlace(note, id);
    if (show) {
        note->show(Note::Focus::Leave); // from the folder, maybe while the user types in another note
    }
    note->resumeSpecial(record);
    note->markSaved();
    watchNote(note);
    return note;
}

void FolderSync::openConflict(const FolderNote& copy)
{
    if (m_conflicts.value(copy.path).note) {
        return;
    }
    FolderNote theirs = copy;
    if (!readWhole(&theirs)) {
        return;
    }
    Note* note = m_board.createNote(NoteOrigin::Kept);
    if (!note->setFromRecord(theirs.note, QString())) {
        note->discard();
        return;
    }
    const Conflict conflict {note,
                             copy.path,
                             copy.conflictOf,
                             QUuid::createUuid().toString(QUuid::WithoutBraces),
                             false,
                             theirs.note.identity};
    m_conflicts.insert(copy.path, conflict);
    auto storage = std::make_unique<FolderNoteStorage>(*this, copy.conflictOf, true);
    storage->setPath(copy.path);
    storage->setOwnId(conflict.ownId);
    storage->setNote(note);
    note->setStorage(std::move(storage));
    note->setTimeStamp(theirs.note.TimeDate);
    connect(&note->text(), &NoteText::changed, this, [this, note] {
        if (Conflict* shown = conflictOf(note); shown && !m_applying) {
            shown->edited = true;
        }
    });
    // Beside the note it is a version of, never over it, on its screen; large enough to read what it says.
    note->resize(QSize(qMax(note->geometry().width(), kConflictWidthTwips),
                       qMax(note->geometry().height(), kConflictHeightTwips)));
    if (Note* mine = noteFor(copy.conflictOf)) {
        QRect area = screenTwips().available.value(0, QRect(0, 0, 19200, 12000));
        for (const QRect& screen : screenTwips().available) {
            if (screen.contains(mine->geometry().center())) {
                area = screen;
            }
        }
        note->moveTo(placeBeside(mine->geometry(), note->geometry().size(), area));
    }
    note->show(Note::Focus::Leave);
    note->markSaved();
    emit conflictFound(note);
}

void FolderSync::join(Note* note, const QString& id)
{
    auto storage = std::make_unique<FolderNoteStorage>(*this, id, false);
    storage->setNote(note);
    note->setStorage(std::move(storage));
    note->keepEveryChange(); // its text is in no other file: every change is unsaved until the folder has it
}

void FolderSync::watchNote(Note* note)
{
    const auto dirty = [this, note] {
        const QString id = note->folderId();
        if (!m_applying && m_entries.contains(id) && m_entries[id].note == note) {
            m_entries[id].dirty = true;
            m_writeTimer.start();
        }
    };
    connect(&note->text(), &NoteText::changed, this, [this, note, dirty] {
        const QString id = note->folderId();
        if (!m_applying && m_entries.contains(id) && m_entries[id].note == note) {
            m_entries[id].textEdited = true;
        }
        dirty();
    });
    connect(note, &Note::changed, this, [dirty](Note::Aspects aspects) {
        if (aspects & (Note::Colors | Note::Geometry | Note::SubCaption | Note::Icon)) {
            dirty();
        }
    });
}

void FolderSync::takeVersion(Entry& entry, const FolderNote& file)
{
    entry.base = file.version;
    entry.file = file.note;
    entry.fileWhole = true;
    entry.dirty = false;
    entry.textEdited = false;
    m_store.setBase(file.note.identity.id, file.version);
    if (entry.note) {
        applyToNote(entry.note, file.note);
        entry.note->markSaved();
    }
}

void FolderSync::applyToNote(Note* note, const NoteRecord& record)
{
    ++m_applying;
    note->takeStoredVersion(record);
    --m_applying;
}

// ---------------------------------------------------------------------------------------------------------------
// Writing. Every change this program makes in the folder is counted, so that a reading begun before it is not taken
// for the folder's state.

QString FolderSync::moveToTrash(const QString& path)
{
    ++m_writes;
    return m_folder.moveToTrash(path, Clock::now());
}

QString FolderSync::moveAside(const QString& path)
{
    ++m_writes;
    return m_folder.moveAside(path, Clock::now());
}

NoteRecord FolderSync::fileRecord(const Entry& entry) const
{
    NoteRecord record = entry.note->sessionRecord();
    record.session = {};
    record.trashed = {};
    record.FileName.clear();
    if (entry.note->isSpecial() || !entry.textEdited) {
        // The text its timer or feed writes stays on this computer; untouched text stays as the file has it.
        record.Data = entry.file.Data;
    }
    if (record.Data == entry.file.Data) {
        record.TimeDate = entry.file.TimeDate;
    }
    // Where it was made; where it sits on this computer is this computer's.
    record.Left = entry.file.Left;
    record.Top = entry.file.Top;
    record.identity = entry.file.identity;
    return record;
}

bool FolderSync::writeNote(const QString& id)
{
    auto it = m_entries.find(id);
    if (it == m_entries.end()) {
        return true;
    }
    Entry& entry = *it;
    if (!entry.note && !m_pending.contains(id)) {
        entry.dirty = false;
        return true;
    }
    NoteRecord record = entry.note ? fileRecord(entry) : m_pending.value(id);
    if (entry.present && entry.fileWhole && sameContent(record, entry.file)) {
        entry.dirty = false;
        m_pending.remove(id);
        if (entry.note) {
            entry.note->markSaved();
        }
        return true; // nothing new for the file
    }
    record.identity.id = id;
    record.identity.modified = nowText();
    record.identity.device = deviceName();
    record.identity.parents = parentsOf({QString::fromLatin1(entry.base)},
                                        entry.base.isEmpty() ? QStringList() : entry.file.identity.parents);
    const QByteArray bytes = recordBytes(record); // the one serialisation of this write
    QString failure;
    switch (m_folder.write(entry.path, bytes, entry.present ? entry.base : QByteArray(), &failure)) {
    case NotesFolder::Write::Written:
        qCDebug(lcSync) << "wrote" << id << VersionStore::versionOf(bytes) << "over" << entry.base;
        wrote(entry, record, bytes);
        return true;
    case NotesFolder::Write::ChangedOutside:
        qCDebug(lcSync) << "changed outside" << id;
        entry.dirty = true;
        rescan(); // changed outside since this computer read it: merged first
        return false;
    case NotesFolder::Write::Failed:
        entry.dirty = true;
        if (!entry.note) {
            keepPending(entry, id);
        }
        cannotWrite(failure);
        return false;
    }
    return false;
}

void FolderSync::wrote(Entry& entry, const NoteRecord& record, const QByteArray& bytes)
{
    const QString id = record.identity.id;
    ++m_writes;
    entry.base = VersionStore::versionOf(bytes);
    entry.file = record;
    entry.fileWhole = true;
    entry.present = true;
    entry.dirty = false;
    entry.textEdited = false;
    m_store.keep(id, bytes);
    m_store.setBase(id, entry.base);
    if (m_pending.remove(id) > 0) {
        savePending();
    }
    if (entry.note) {
        entry.note->markSaved();
    }
    if (!m_problem.isEmpty()) {
        logError(kWriteLocation, 0, QStringLiteral("The notes folder '%1' can be written again").arg(m_folder.path()));
        m_problem.clear();
        m_retryTimer.stop();
    }
}

void FolderSync::cannotWrite(const QString& failure)
{
    if (!m_retryTimer.isActive() && !m_finishing) {
        m_retryTimer.start();
    }
    if (!m_problem.isEmpty()) {
        return; // told once, until it can be written again
    }
    m_problem = failure;
    logError(kWriteLocation, 75, failure);
    emit notice(tr("Notes Folder Cannot Be Written"),
                tr("Jotlet cannot write to the notes folder:\n%1\n\n%2\n\nNothing you type is lost: it is kept on "
                   "this computer and written to the folder as soon as the folder can be written again.")
                    .arg(QDir::toNativeSeparators(m_folder.path()), failure));
}

void FolderSync::keepPending(const Entry& entry, const QString& id)
{
    if (!m_pending.contains(id)) {
        NoteRecord record = entry.note ? fileRecord(entry) : entry.file;
        record.identity.id = id;
        m_pending.insert(id, record);
    }
    savePending();
}

void FolderSync::loadPending()
{
    if (!QFileInfo::exists(m_pendingPath)) {
        return;
    }
    bool damaged = false;
    for (const NoteRecord& record : loadNoteFileLeniently(m_pendingPath, &damaged)) {
        const QString id = record.identity.id;
        if (id.isEmpty()) {
            continue;
        }
        m_pending.insert(id, record);
        Entry& entry = m_entries[id];
        entry.path = m_folder.fileFor(id);
        entry.base = m_store.base(id);
        entry.file.identity = record.identity;
        entry.dirty = true;
        entry.present = !entry.base.isEmpty();
    }
}

void FolderSync::savePending()
{
    if (m_pending.isEmpty()) {
        QFile::remove(m_pendingPath);
        return;
    }
    QString failure;
    if (!writeFileAtomically(m_pendingPath, noteFileText(m_pending.values(), programVersion()).toUtf8(), &failure)) {
        logError(kWriteLocation, 75, failure);
    }
}

void FolderSync::flush()
{
    m_writeTimer.stop();
    const QStringList ids = m_entries.keys();
    for (const QString& id : ids) {
        if (m_entries.value(id).dirty) {
            writeNote(id);
        }
        if (m_entries.contains(id) && m_entries.value(id).letGoPending && !m_entries.value(id).dirty) {
            letGo(m_entries.value(id).path);
        }
    }
    QSettings places(m_placesPath, QSettings::IniFormat); // written once, for every note
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (it->note) {
            rememberPlace(places, it.key(), it->note, true);
        }
    }
}

void FolderSync::finish()
{
    // Conflict notes the user typed into are kept as notes of their own, open again at the next start.
    for (const Conflict& conflict : m_conflicts.values()) {
        if (conflict.note && conflict.edited) {
            conflictToNote(*conflict.note, true);
        }
    }
    flush();
    m_finishing = true;
    m_rescanTimer.stop();
    m_retryTimer.stop();
}

// ---------------------------------------------------------------------------------------------------------------
// What the notes ask of their storage.

QString FolderSync::conflictText(const QString& path) const
{
    const auto conflict = m_conflicts.constFind(path);
    if (conflict == m_conflicts.constEnd() || !conflict->note) {
        return QString();
    }
    const NoteRecord::Identity theirs = conflict->identity;
    const NoteRecord::Identity mine = m_entries.value(conflict->of).file.identity;
    const QString here = deviceName();
    const QString other = theirs.device.isEmpty() ? tr("another computer") : theirs.device;
    if (theirs.device == here && !mine.device.isEmpty() && mine.device != here) {
        return tr("Your version from %1, set aside: %2 changed this note at the same time.")
            .arg(shownTime(theirs.modified), mine.device);
    }
    if (!mine.device.isEmpty() && mine.device != here && theirs.device != here) {
        return tr("Changed on %1 at %2 while it was changed on %3.")
            .arg(other, shownTime(theirs.modified), mine.device);
    }
    return tr("Changed on %1 at %2 while it was changed here.").arg(other, shownTime(theirs.modified));
}

bool FolderSync::holdsUnwritten(const Note& note) const
{
    if (note.isConflict()) {
        for (const Conflict& conflict : m_conflicts) {
            if (conflict.note == &note) {
                return conflict.edited;
            }
        }
        return false;
    }
    const Entry entry = m_entries.value(note.folderId());
    return entry.note == &note && (entry.dirty || note.isUnsaved());
}

FolderSync::Conflict* FolderSync::conflictOf(const Note* note)
{
    for (Conflict& conflict : m_conflicts) {
        if (conflict.note == note) {
            return &conflict;
        }
    }
    return nullptr;
}

bool FolderSync::closing(Note& note, std::optional<Answer> answer)
{
    if (note.isConflict()) {
        conflictToNote(note, false); // both versions stay, this one as a note closed here
        return true;
    }
    const QString id = note.folderId();
    if (!m_entries.contains(id)) {
        return true;
    }
    Entry& entry = m_entries[id];
    entry.dirty = true;
    const bool written = writeNote(id);
    if (!written) {
        keepPending(entry, id); // written when the folder can be written again
    }
    {
        QSettings places(m_placesPath, QSettings::IniFormat);
        rememberPlace(places, id, &note, false); // closed on this computer; the file stays for the others
    }
    entry.note = nullptr;
    if (answer == Answer::No) {
        // Let go of: into the folder's trash, as it was on the screen, so every computer can bring it back (and
        // then it opens here as a note new to this computer).
        QSettings(m_placesPath, QSettings::IniFormat).remove(id);
        if (!written || !letGo(entry.path)) {
            entry.letGoPending = true;
            Trash().put(note.record(), QString(), Clock::now(), nullptr); // meanwhile in this computer's trash
        }
    }
    return true;
}

bool FolderSync::letGo(const QString& path)
{
    if (moveToTrash(path).isEmpty()) {
        logError(kWriteLocation, 75, QStringLiteral("'%1' could not be moved to the trash").arg(path));
        return false;
    }
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->path == path && !it->note) {
            m_entries.erase(it);
            break;
        }
    }
    if (m_conflicts.contains(path)) {
        const Conflict conflict = m_conflicts.take(path);
        if (conflict.note) {
            conflict.note->discard();
        }
    }
    emit listChanged();
    return true;
}

void FolderSync::resolve(Note& note, ConflictChoice choice)
{
    Conflict* found = conflictOf(&note);
    if (!found) {
        return;
    }
    const Conflict conflict = *found;
    if (choice == ConflictChoice::KeepBoth) {
        conflictToNote(note, true);
        return;
    }
    auto entry = m_entries.find(conflict.of);
    if (choice == ConflictChoice::KeepThis) {
        if (entry == m_entries.end() || !entry->present) {
            conflictToNote(note, true); // the note itself was let go of: this version becomes a note again
            return;
        }
        const NoteRecord chosen = note.record();
        if (entry->note) {
            // The user's own choice: an edit of the note like any other, which Undo can take back.
            entry->note->text().setRtf(storedRtfBytes(chosen.Data));
            entry->note->setColor(chosen.Color, false);
        } else {
            NoteRecord pending = entry->file;
            pending.Data = chosen.Data;
            pending.Color = chosen.Color;
            m_pending.insert(conflict.of, pending);
        }
        entry->dirty = true;
        entry->textEdited = true;
        writeNote(conflict.of);
        m_conflicts.remove(conflict.path);
        moveAside(conflict.path);
    } else { // the other version stays; this one goes to the trash, with anything typed into it
        m_conflicts.remove(conflict.path);
        if (conflict.edited) {
            NoteRecord edited = note.record();
            edited.identity = {conflict.ownId, nowText(), deviceName(), {}};
            QByteArray current;
            QString failure;
            if (m_folder.readNote(conflict.path, &current, nullptr, &failure)) {
                ++m_writes;
                m_folder.write(conflict.path, recordBytes(edited), VersionStore::versionOf(current), &failure);
            }
        }
        moveToTrash(conflict.path);
    }
    m_finishing = true;
    note.discard();
    m_finishing = false;
    emit listChanged();
}

// A conflict note's version, with anything typed into it, becomes a note of its own in the folder.
void FolderSync::conflictToNote(Note& conflictNote, bool openHere)
{
    Conflict* found = conflictOf(&conflictNote);
    if (!found) {
        return;
    }
    const Conflict conflict = *found;
    m_conflicts.remove(conflict.path);
    NoteRecord record = conflictNote.record();
    record.identity = {conflict.ownId, nowText(), deviceName(), {}};
    Entry& entry = m_entries[conflict.ownId];
    entry.path = m_folder.fileFor(conflict.ownId);
    entry.file = record;
    entry.file.Data.clear();
    entry.dirty = true;
    entry.textEdited = true;
    m_pending.insert(conflict.ownId, record);
    if (writeNote(conflict.ownId)) {
        moveAside(conflict.path); // its words are in the new note
    }
    QSettings places(m_placesPath, QSettings::IniFormat);
    places.setValue(conflict.ownId + QStringLiteral("/open"), openHere);
    places.setValue(conflict.ownId + QStringLiteral("/left"), conflictNote.geometry().left());
    places.setValue(conflict.ownId + QStringLiteral("/top"), conflictNote.geometry().top());
    places.sync();
    const QRect place = conflictNote.geometry();
    m_finishing = true;
    conflictNote.discard();
    m_finishing = false;
    if (openHere && !m_entries.value(conflict.ownId).note && m_entries.value(conflict.ownId).present) {
        if (Note* note = open(conflict.ownId, record, false)) {
            note->setGeometry(place);
            note->show();
        }
    }
    emit listChanged();
}

// ---------------------------------------------------------------------------------------------------------------
// Joining the folder.

void FolderSync::adopt(Note* note)
{
    if (!note || !note->folderId().isEmpty() || !note->filePath().isEmpty()) {
        return;
    }
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    Entry entry;
    entry.note = note;
    entry.path = m_folder.fileFor(id);
    entry.file = note->sessionRecord();
    entry.file.session = {};
    entry.file.identity = {id, nowText(), deviceName(), {}};
    entry.fileWhole = true;
    m_entries.insert(id, entry);
    join(note, id);
    m_entries[id].textEdited = true;
    if (!note->text().text().trimmed().isEmpty()) {
        m_entries[id].dirty = true;
        writeNote(id); // an empty new note gets its file with its first words
    }
    watchNote(note);
    watchFiles();
}

bool FolderSync::adoptKept(Note* note, const NoteRecord& kept)
{
    const QString id = kept.identity.id;
    if (id.isEmpty() || !note) {
        return false;
    }
    if (Note* open = noteFor(id); open && open != note) {
        // Open already: the kept text is this computer's latest change of it.
        ++m_applying;
        open->text().setRtf(storedRtfBytes(kept.Data));
        --m_applying;
        m_entries[id].dirty = true;
        m_entries[id].textEdited = true;
        note->discard();
        m_writeTimer.start();
        return true;
    }
    Entry& entry = m_entries[id];
    entry.note = note;
    entry.path = m_folder.fileFor(id);
    if (entry.base.isEmpty()) {
        entry.base = m_store.base(id);
        if (std::optional<NoteRecord> base = versionRecord(id, entry.base)) {
            entry.file = *base;
            entry.fileWhole = true;
        } else {
            entry.file = kept;
            entry.file.Data.clear();
        }
        entry.present = !entry.base.isEmpty();
    }
    entry.dirty = true;
    entry.textEdited = true;
    m_pending.remove(id);
    join(note, id);
    watchNote(note);
    m_writeTimer.start();
    return true;
}

// ---------------------------------------------------------------------------------------------------------------
// For the manager.

QList<FolderSync::Listed> FolderSync::listed() const
{
    QList<Listed> out;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (!it->present && !it->note) {
            continue;
        }
        Listed item {it.key(), it->path, it->file, bool(it->note), false};
        if (it->note) {
            item.note = it->note->record();
        }
        out << item;
    }
    for (auto it = m_cache.files.cbegin(); it != m_cache.files.cend(); ++it) {
        if (!it->note.conflictOf.isEmpty()) {
            out << Listed {
                it->note.note.identity.id, it.key(), it->note.note, bool(m_conflicts.value(it.key()).note), true};
        }
    }
    std::sort(out.begin(), out.end(), [](const Listed& a, const Listed& b) {
        return a.note.identity.modified > b.note.identity.modified;
    });
    return out;
}

Note* FolderSync::openNote(const QString& id)
{
    auto entry = m_entries.find(id);
    if (entry == m_entries.end()) {
        return nullptr;
    }
    if (entry->note) {
        entry->note->present();
        return entry->note;
    }
    Note* note = open(id, entry->file, true);
    if (note) {
        QSettings places(m_placesPath, QSettings::IniFormat);
        rememberPlace(places, id, note, true);
        note->present();
    }
    return note;
}

Note* FolderSync::noteFor(const QString& id) const
{
    return m_entries.value(id).note;
}

QList<Note*> FolderSync::conflicts() const
{
    QList<Note*> notes;
    for (const Conflict& conflict : m_conflicts) {
        if (conflict.note) {
            notes << conflict.note;
        }
    }
    return notes;
}

void FolderSync::rememberPlace(QSettings& places, const QString& id, Note* note, bool open)
{
    places.beginGroup(id);
    const QRect twips = note->geometry();
    places.setValue(QStringLiteral("open"), open);
    places.setValue(QStringLiteral("left"), twips.left());
    places.setValue(QStringLiteral("top"), twips.top());
    places.setValue(QStringLiteral("rolledUp"), note->isRolledUp());
    places.setValue(QStringLiteral("onTop"), note->isOnTop());
    places.setValue(QStringLiteral("alpha"), note->alpha());
    places.endGroup();
}

void FolderSync::restorePlace(Note* note, const QString& id)
{
    QSettings places(m_placesPath, QSettings::IniFormat);
    if (!places.childGroups().contains(id) || !places.contains(id + QStringLiteral("/left"))) {
        return; // new on this computer: the place it was made at, held to the screens
    }
    places.beginGroup(id);
    note->moveTo(QPoint(places.value(QStringLiteral("left")).toInt(), places.value(QStringLiteral("top")).toInt()));
    NoteRecord::Session session;
    session.present = true;
    session.onTop = places.value(QStringLiteral("onTop"), true).toBool();
    session.alpha = places.value(QStringLiteral("alpha"), 255).toInt();
    note->restoreSession(session);
    note->markSaved();
    if (places.value(QStringLiteral("rolledUp")).toBool()) {
        note->run(Command::RollUp);
    }
}

void FolderSync::watchFiles()
{
    // The folder for files coming and going (engines replace files by rename), and each open note's file for a
    // change in place.
    const QStringList watchedList = m_watcher.files() + m_watcher.directories();
    const QSet<QString> watched(watchedList.cbegin(), watchedList.cend());
    QSet<QString> wanted;
    if (QFileInfo(m_folder.path()).isDir()) {
        wanted.insert(m_folder.path());
    }
    for (const Entry& entry : std::as_const(m_entries)) {
        if (entry.note && entry.present) {
            wanted.insert(entry.path);
        }
    }
    for (const QString& path : watched) {
        if (!wanted.contains(path)) {
            m_watcher.removePath(path);
        }
    }
    for (const QString& path : wanted) {
        if (!watched.contains(path)) {
            m_watcher.addPath(path);
        }
    }
}

} // namespace jotlet
