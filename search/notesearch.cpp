// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/notesearch.h"

#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "support/appinfo.h"
#include "support/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

namespace jotlet {

namespace {

constexpr int kWordsLength = 120;
constexpr int kLeadIn = 40;           // characters shown before a match that is far into its note
constexpr int kHighlightRange = 4000; // a longer note's matches are marked in its beginning only

// The text on one line: line breaks and tabs as spaces, so that indexes stay those of the text.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar::ParagraphSeparator
            || c == QChar::LineSeparator) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

// The folders a stored note's place is told by, looked up once per search.
struct KnownPlaces
{
    QString mainFile;
    QString notesFolder; // absolute, "" when none
};

// Where a note lives, as the result list says it.
QString whereText(
    SearchResult::Place place, const QString& file, int position, const QString& from, const KnownPlaces& known = {})
{
    const QString name = QFileInfo(file).fileName();
    switch (place) {
    case SearchResult::Place::Open:
        return file.isEmpty() ? NoteSearch::tr("Open note") : NoteSearch::tr("Open note, %1").arg(name);
    case SearchResult::Place::Trash:
        return from.isEmpty() ? NoteSearch::tr("Trash")
                              : NoteSearch::tr("Trash, from %1").arg(QFileInfo(from).fileName());
    case SearchResult::Place::Stored:
        break;
    }
    if (file == known.mainFile) {
        return NoteSearch::tr("Kept notes, note %1").arg(position + 1);
    }
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo(folder).fileName() == QLatin1String(".trash")) {
        return NoteSearch::tr("Trash of the notes folder");
    }
    if (!known.notesFolder.isEmpty() && folder == known.notesFolder) {
        return NoteSearch::tr("Notes folder");
    }
    return NoteSearch::tr("%1, note %2").arg(name).arg(position + 1);
}

} // namespace

NoteSearch::NoteSearch(NoteBoard& board, SearchIndex& index, QObject* parent)
    : QObject(parent)
    , m_board(board)
    , m_index(index)
{
    connect(&m_index, &SearchIndex::updated, this, &NoteSearch::search);
}

QStringList NoteSearch::defaultSources()
{
    QStringList sources {mainNoteFilePath()};
    sources << recentNoteFiles();
    // The notes folder's notes, and those in its trash.
    const QString folder = readNotesFolder();
    if (!folder.isEmpty()) {
        for (const QString& within : {folder, folder + QStringLiteral("/.trash")}) {
            const QDir dir(within);
            for (const QString& name : dir.entryList({QStringLiteral("*.not")}, QDir::Files, QDir::Name)) {
                sources << dir.filePath(name);
            }
        }
    }
    sources << Trash::defaultPath();
    sources.removeDuplicates();
    return sources;
}

void NoteSearch::setQuery(const QString& typed)
{
    if (typed == m_typed) {
        return;
    }
    m_typed = typed;
    m_query = SearchQuery(typed);
    search();
}

void NoteSearch::search()
{
    m_results.clear();
    m_matchCount = 0;
    if (!m_query.isEmpty()) {
        QList<QByteArray> openTexts;
        searchOpenNotes(&openTexts);
        searchStored(openTexts);
    }
    emit resultsChanged();
}

void NoteSearch::searchOpenNotes(QList<QByteArray>* openTexts)
{
    for (Note* note : m_board.notes()) {
        if (note->isClosed()) {
            continue;
        }
        const QString plain = note->text().text();
        const QByteArray folded = foldForSearch(plain).trimmed().toUtf8();
        openTexts->append(folded);
        if (m_query.matches(folded)) {
            SearchResult result;
            result.place = SearchResult::Place::Open;
            result.note = note;
            result.where = whereText(result.place, note->filePath(), 0, {});
            addResult(result, plain);
        }
    }
}

void NoteSearch::searchStored(const QList<QByteArray>& openTexts)
{
    const IndexedFiles& files = m_index.files();
    QList<std::pair<int, int>> candidates;
    const bool narrowing = m_index.generation() == m_lastGeneration && !m_lastStoredQuery.isEmpty()
                           && m_query.narrows(m_lastStoredQuery);
    if (narrowing) {
        candidates = m_lastStoredMatches;
    } else {
        for (int f = 0; f < files.size(); ++f) {
            for (int n = 0; n < files.at(f).notes.size(); ++n) {
                candidates.append({f, n});
            }
        }
    }
    QList<std::pair<int, int>> matches;
    const QString trash = Trash::defaultPath();
    const QString notesFolder = readNotesFolder();
    const KnownPlaces known {mainNoteFilePath(),
                             notesFolder.isEmpty() ? QString() : QFileInfo(notesFolder).absoluteFilePath()};
    for (const auto& [f, n] : std::as_const(candidates)) {
        const IndexedFile& file = files.at(f);
        const IndexedNote& note = file.notes.at(n);
        if (!m_query.matches(note.folded)) {
            continue;
        }
        matches.append({f, n});
        const bool inTrash = file.path == trash;
        if (!inTrash && std::any_of(openTexts.cbegin(), openTexts.cend(), [&note](const QByteArray& open) {
                return open.size() == note.folded.size() && open == note.folded;
            })) {
            continue; // the open note shows it, as it is now
        }
        if (m_results.size() >= kMaxResults) {
            ++m_matchCount; // counted, not listed
            continue;
        }
        SearchResult result;
        result.place = inTrash ? SearchResult::Place::Trash : SearchResult::Place::Stored;
        result.file = file.path;
        result.position = note.position;
        result.hash = note.hash;
        result.where = whereText(result.place, file.path, note.position, note.from, known);
        addResult(result, QString::fromUtf8(note.plain));
    }
    m_lastStoredQuery = m_query;
    m_lastGeneration = m_index.generation();
    m_lastStoredMatches = matches;
}

bool NoteSearch::addResult(SearchResult result, const QString& plain)
{
    ++m_matchCount;
    if (m_results.size() >= kMaxResults) {
        return false;
    }
    const QString line = oneLine(plain.left(kHighlightRange));
    const QList<std::pair<int, int>> hits = m_query.hits(line);
    int start = 0;
    if (!hits.isEmpty() && hits.first().first + hits.first().second > kWordsLength - kLeadIn / 2) {
        start = hits.first().first - kLeadIn;
        const int space = int(line.lastIndexOf(QLatin1Char(' '), start));
        start = space > 0 && start - space < kLeadIn / 2 ? space + 1 : qMax(start, 0);
    }
    QString words = line.mid(start, kWordsLength);
    if (start + kWordsLength < line.size()) {
        words += QChar(0x2026);
    }
    int shift = -start;
    if (start > 0) {
        words.prepend(QChar(0x2026));
        shift += 1;
    }
    for (const auto& [at, length] : hits) {
        const int from = at + shift;
        const int to = qMin(from + length, int(words.size()));
        if (from >= 0 && from < to) {
            result.hits.append({from, to - from});
        }
    }
    result.words = words;
    m_results.append(result);
    return true;
}

Note* NoteSearch::choose(int row)
{
    if (row < 0 || row >= m_results.size()) {
        return nullptr;
    }
    const SearchResult& result = m_results.at(row);
    Note* note = result.place == SearchResult::Place::Open ? result.note.data() : openStored(result);
    if (!note || note->isClosed()) {
        m_index.refresh();
        return nullptr;
    }
    note->present();
    selectFirstMatch(*note, m_query);
    return note;
}

Note* NoteSearch::openStored(const SearchResult& result)
{
    const NoteList notes = loadNoteFile(result.file);
    // By its text: the file may have changed since it was searched.
    int found = -1;
    for (int i = 0; i < notes.size() && found < 0; ++i) {
        const int at = (result.position + i) % int(notes.size());
        if (noteTextHash(notes.at(at)) == result.hash) {
            found = at;
        }
    }
    if (found < 0) {
        return nullptr;
    }
    Note* note = m_board.createNote(NoteOrigin::ManagerCopy);
    if (!note->setFromRecord(notes.at(found), notes.at(found).FileName)) {
        note->discard();
        return nullptr;
    }
    note->show();
    return note;
}

bool selectFirstMatch(Note& note, const SearchQuery& query)
{
    QTextDocument* document = note.text().document();
    const QList<std::pair<int, int>> hits = query.hits(document->toRawText());
    if (hits.isEmpty()) {
        return false;
    }
    QTextCursor cursor(document);
    cursor.setPosition(hits.first().first);
    cursor.setPosition(hits.first().first + hits.first().second, QTextCursor::KeepAnchor);
    note.text().setCursor(cursor);
    return true;
}

} // namespace jotlet
