// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notes/noterecord.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

namespace jotlet {

// One stored note as search knows it: where it is, a hash of its stored text, and that text as plain text and
// folded for search (trimmed; both UTF-8, to keep tens of thousands of notes small).
struct IndexedNote
{
    int position = 0;
    QByteArray hash;
    QByteArray plain;
    QByteArray folded;
    QString from; // a trashed note's former file
    QString when; // and when it went to the trash (UTC, ISO 8601)
    QString id;   // a note of the notes folder's id
};

// One note file as search last read it: its size and time of change say whether it must be read again.
struct IndexedFile
{
    QString path;
    qint64 size = -1;
    qint64 modified = 0; // ms since the epoch: the content's last change
    qint64 changed = 0;  // and the file's (a file replaced in one step is a new file)
    QList<IndexedNote> notes;
    QString failure; // why it could not be read ("" when it could)
};

using IndexedFiles = QList<IndexedFile>;

// What tells one note's stored text from another's.
QByteArray noteTextHash(const NoteRecord& note);

// Reads the files that changed since `previous` and takes the rest from it; a note whose stored text is unchanged
// (same hash, wherever it moved in its file) is not read again. Stops early, returning what it has, once cancel is
// set. Reports what it has every few thousand notes read through `partial` (may be empty); *changed says whether
// anything differs from `previous`. Runs on any thread.
IndexedFiles updateIndex(const QStringList& paths,
                         const IndexedFiles& previous,
                         const std::atomic<bool>& cancel,
                         const std::function<void(const IndexedFiles&)>& partial = {},
                         bool* changed = nullptr);

// The cache file: the index as last built. A cache that cannot be read gives nothing (it is only a cache).
IndexedFiles readIndexCache(const QString& path);
bool writeIndexCache(const QString& path, const IndexedFiles& files);

// The searchable text of the stored notes (the main note file, recent files, the trash ...), kept up to date on a
// worker thread and in a cache in the program's cache folder, so that a start with a warm cache reads only what
// changed. Searches use files() as it is now; updated() says it changed.
class SearchIndex : public QObject
{
    Q_OBJECT

public:
    explicit SearchIndex(QString cachePath = defaultCachePath(), QObject* parent = nullptr);
    ~SearchIndex() override;
    static QString defaultCachePath();

    // The note files to search, in the order results list them.
    void setSources(const QStringList& paths);
    QStringList sources() const { return m_sources; }
    // Brings the index up to date in the background; while an update runs, another follows it.
    void refresh();
    bool isUpdating() const { return m_running; }
    // For tests and benchmarks: returns once no update runs (the event loop turns meanwhile).
    bool waitForIdle(int timeoutMs = 60000);

    const IndexedFiles& files() const { return m_files; }
    // Grows with every change of files(): searches cache against it.
    quint64 generation() const { return m_generation; }

signals:
    void updated();
    void updatingChanged(bool updating);

private:
    void start();
    void onPartial(int index);
    void onFinished();
    void take(const IndexedFiles& files);
    void logUnreadable();

    QString m_cachePath;
    QStringList m_sources;
    IndexedFiles m_files;
    quint64 m_generation = 0;
    bool m_cacheRead = false;
    bool m_again = false;
    bool m_running = false;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QFutureWatcher<IndexedFiles> m_watcher;
    QSet<QString> m_logged; // unreadable files already logged, by path, size and time
};

} // namespace jotlet
