// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/searchindex.h"

#include "notes/notestore.h"
#include "rtf/reader.h"
#include "search/textfold.h"
#include "support/errorlog.h"
#include "support/handover.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

namespace jotlet {

namespace {

constexpr quint32 kCacheMagic = 0x4a534958; // "JSIX"
// Raised whenever what is kept per note changes, or the reader gives other plain text: an older cache is then
// built again.
constexpr quint32 kCacheVersion = 3;
constexpr int kNotesPerReport = 2000;

IndexedNote indexNote(const NoteRecord& note, int position, const QHash<QByteArray, const IndexedNote*>& known)
{
    IndexedNote indexed;
    indexed.position = position;
    indexed.hash = noteTextHash(note);
    indexed.from = note.trashed.from;
    indexed.when = note.trashed.when;
    indexed.id = note.identity.id;
    if (const IndexedNote* same = known.value(indexed.hash)) {
        indexed.plain = same->plain;
        indexed.folded = same->folded;
    } else {
        const QString plain = rtfToPlainText(storedRtfBytes(note.data));
        indexed.plain = plain.toUtf8();
        indexed.folded = foldForSearch(plain).trimmed().toUtf8();
    }
    return indexed;
}

// Reads the file's notes again; notes whose text `old` already holds are taken from it.
void readFile(IndexedFile* file, const IndexedFile* old, const std::atomic<bool>& cancel, int* read)
{
    QHash<QByteArray, const IndexedNote*> known;
    if (old) {
        for (const IndexedNote& note : old->notes) {
            known.insert(note.hash, &note);
        }
    }
    Problem failure;
    const NoteList notes = readNoteFileQuietly(file->path, &failure);
    if (notes.isEmpty()) {
        // Logged, on the window thread: the English words.
        file->failure
            = (failure.isEmpty() ? Problem(QT_TRANSLATE_NOOP("Problem", "it holds no notes")) : failure).english();
        return;
    }
    for (int i = 0; i < notes.size() && !cancel; ++i) {
        file->notes.append(indexNote(notes.at(i), i, known));
        ++*read;
    }
}

IndexedFile fileState(const QString& path, const QFileInfo& info)
{
    IndexedFile file;
    file.path = path;
    file.size = info.size();
    file.modified = info.lastModified().toMSecsSinceEpoch();
    file.changed = info.metadataChangeTime().toMSecsSinceEpoch();
    return file;
}

bool sameState(const IndexedFile& a, const IndexedFile& b)
{
    return a.size == b.size && a.modified == b.modified && a.changed == b.changed;
}

} // namespace

QByteArray noteTextHash(const NoteRecord& note)
{
    return QCryptographicHash::hash(note.data.toUtf8(), QCryptographicHash::Sha1).left(12);
}

IndexedFiles updateIndex(const QStringList& paths,
                         const IndexedFiles& previous,
                         const std::atomic<bool>& cancel,
                         const std::function<void(const IndexedFiles&)>& partial,
                         bool* changed)
{
    QHash<QString, const IndexedFile*> known;
    for (const IndexedFile& file : previous) {
        known.insert(file.path, &file);
    }
    bool anyChange = previous.size() != paths.size();
    IndexedFiles files;
    int read = 0;
    for (qsizetype i = 0; i < paths.size() && !cancel; ++i) {
        const QString& path = paths.at(i);
        const QFileInfo info(path);
        const IndexedFile* old = known.value(path);
        if (!info.exists()) {
            anyChange = anyChange || old;
            continue; // a recent file since removed: nothing to search
        }
        IndexedFile file = fileState(path, info);
        if (old && sameState(*old, file)) {
            files.append(*old);
            continue;
        }
        anyChange = true;
        readFile(&file, old, cancel, &read);
        files.append(file);
        if (partial && read >= kNotesPerReport) {
            read = 0;
            IndexedFiles sofar = files; // and, until they are read, the rest as they were
            for (qsizetype j = i + 1; j < paths.size(); ++j) {
                if (const IndexedFile* rest = known.value(paths.at(j))) {
                    sofar.append(*rest);
                }
            }
            partial(sofar);
        }
    }
    if (changed) {
        *changed = anyChange;
    }
    return files;
}

IndexedFiles readIndexCache(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 version = 0;
    qint32 count = 0;
    in >> magic >> version >> count;
    if (magic != kCacheMagic || version != kCacheVersion || count < 0) {
        return {};
    }
    IndexedFiles files;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        IndexedFile indexed;
        qint32 notes = 0;
        in >> indexed.path >> indexed.size >> indexed.modified >> indexed.changed >> indexed.failure >> notes;
        for (qint32 n = 0; n < notes && in.status() == QDataStream::Ok; ++n) {
            IndexedNote note;
            in >> note.position >> note.hash >> note.plain >> note.folded >> note.from >> note.when >> note.id;
            indexed.notes.append(note);
        }
        files.append(indexed);
    }
    return in.status() == QDataStream::Ok ? files : IndexedFiles();
}

bool writeIndexCache(const QString& path, const IndexedFiles& files)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << kCacheMagic << kCacheVersion << qint32(files.size());
    for (const IndexedFile& indexed : files) {
        out << indexed.path << indexed.size << indexed.modified << indexed.changed << indexed.failure
            << qint32(indexed.notes.size());
        for (const IndexedNote& note : indexed.notes) {
            out << note.position << note.hash << note.plain << note.folded << note.from << note.when << note.id;
        }
    }
    return out.status() == QDataStream::Ok && file.commit();
}

SearchIndex::SearchIndex(QString cachePath, QObject* parent)
    : QObject(parent)
    , m_cachePath(std::move(cachePath))
{
    connect(&m_watcher, &QFutureWatcher<IndexedFiles>::resultReadyAt, this, &SearchIndex::onPartial);
    connect(&m_watcher, &QFutureWatcher<IndexedFiles>::finished, this, &SearchIndex::onFinished);
}

SearchIndex::~SearchIndex()
{
    if (m_cancel) {
        *m_cancel = true;
    }
    m_watcher.waitForFinished();
}

QString SearchIndex::defaultCachePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/search.cache");
}

void SearchIndex::setSources(const QStringList& paths)
{
    m_sources = paths;
    m_sources.removeDuplicates();
}

void SearchIndex::refresh()
{
    if (m_running) {
        m_again = true;
        return;
    }
    start();
    emit updatingChanged(true);
}

void SearchIndex::start()
{
    m_again = false;
    m_running = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const bool readCache = !m_cacheRead;
    m_cacheRead = true;
    const void* token = &m_watcher;
    handOver(token);
    m_watcher.setFuture(QtConcurrent::run(
        [token, readCache, cancel = m_cancel, paths = m_sources, previous = m_files, cachePath = m_cachePath](
            QPromise<IndexedFiles>& promise) {
            takeOver(token);
            IndexedFiles base = previous;
            const auto give = [&promise, token](const IndexedFiles& files) {
                handOver(token);
                promise.addResult(files);
            };
            if (readCache) {
                base = readIndexCache(cachePath);
                give(base); // searchable at once, while what changed is read
            }
            bool changed = false;
            const IndexedFiles files = updateIndex(paths, base, *cancel, give, &changed);
            if (*cancel) {
                return;
            }
            if (changed || readCache) {
                writeIndexCache(cachePath, files); // a cache that cannot be written is built again next time
            }
            give(files);
        }));
}

void SearchIndex::onPartial(int index)
{
    takeOver(&m_watcher);
    take(m_watcher.future().resultAt(index));
}

void SearchIndex::onFinished()
{
    m_running = false;
    logUnreadable();
    if (m_again) {
        start();
        return;
    }
    emit updatingChanged(false);
}

void SearchIndex::take(const IndexedFiles& files)
{
    m_files = files;
    ++m_generation;
    emit updated();
}

void SearchIndex::logUnreadable()
{
    for (const IndexedFile& file : std::as_const(m_files)) {
        if (file.failure.isEmpty()) {
            continue;
        }
        const QString key = QStringLiteral("%1|%2|%3").arg(file.path).arg(file.size).arg(file.modified);
        if (!m_logged.contains(key)) {
            m_logged.insert(key);
            logError(QStringLiteral("modSearch: ReadNotes"),
                     75,
                     QStringLiteral("'%1' could not be read for search: %2").arg(file.path, file.failure));
        }
    }
}

bool SearchIndex::waitForIdle(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_running) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
    return true;
}

} // namespace jotlet
