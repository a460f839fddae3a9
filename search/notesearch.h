// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/searchindex.h"
#include "search/textfold.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <QPointer>
#include <optional>

namespace jotlet {

class Note;
class NoteBoard;

// One note that matches: an open note, or a stored one (a note file, the trash), with where it lives, its first
// words (or the words around the first match) and the matches in them as (start, length).
struct SearchResult
{
    enum class Place { Open, Stored, Trash };
    Place place = Place::Stored;
    QPointer<Note> note; // an open note
    QString file;        // a stored note's file
    int position = 0;    // and its place in the file
    QByteArray hash;
    QString where;
    QString words;
    QList<std::pair<int, int>> hits;
};

// "Find in Notes" without its window: the open notes (their text as it is now) and the stored notes of the index,
// searched as the user types. Choosing a result brings an open note forward, or opens a stored one as the manager
// does (a copy tied to no file), with the match selected.
class NoteSearch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxResults = 200;

    NoteSearch(NoteBoard& board, SearchIndex& index, QObject* parent = nullptr);

    // The stored notes searched: the main note file, the recent note files, the trash.
    static QStringList defaultSources();

    // The words to find; "reminder:" (or its translation) lists the open reminder notes instead.
    void setQuery(const QString& typed);
    QString query() const { return m_typed; }
    const QList<SearchResult>& results() const { return m_results; }
    // All the notes that match (results() lists the first kMaxResults).
    int matchCount() const { return m_matchCount; }
    // Opens the result's note with the match selected; nullptr when the note is no longer where it was.
    Note* choose(int row);

signals:
    void resultsChanged();

private:
    void search();
    // "reminder:" lists the reminder notes.
    bool asksForReminders() const;
    void searchReminders();
    void searchOpenNotes(QList<QByteArray>* openTexts);
    void searchStored(const QList<QByteArray>& openTexts);
    bool addResult(SearchResult result, const QString& plain);
    Note* openStored(const SearchResult& result);
    std::optional<NoteRecord> storedNote(const SearchResult& result) const;
    Note* openCopy(const NoteRecord& stored, const SearchResult& result);
    bool isOpen(const IndexedFile& file, int n, const IndexedNote& note, const QList<QByteArray>& openTexts) const;
    static bool pastItsTime(const IndexedFile& file, const IndexedNote& note);

    NoteBoard& m_board;
    SearchIndex& m_index;
    QString m_typed;
    SearchQuery m_query;
    QList<SearchResult> m_results;
    int m_matchCount = 0;
    // The stored notes that matched the last query, for a query that narrows it (more letters typed).
    SearchQuery m_lastStoredQuery;
    quint64 m_lastGeneration = 0;
    QList<std::pair<int, int>> m_lastStoredMatches; // (file, note) indexes into the index's files
    QSet<QString> m_openIds;                        // of the open notes of the notes folder
    QSet<QString> m_openFiles;                      // of the open notes that have a file
    QHash<QString, QPointer<Note>> m_opened;        // stored notes opened from here, by file and text
};

// Selects the first match of the query in the note's text; false when there is none.
bool selectFirstMatch(Note& note, const SearchQuery& query);

} // namespace jotlet
