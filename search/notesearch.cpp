// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/notesearch.h"

#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "search/trashlist.h"
#include "support/appinfo.h"
#include "support/clock.h"
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
    const QDir trash(Trash::defaultFolder());
    for (const QString& name : trash.entryList({QStringLiteral("*.not")}, QDir::Files, QDir::Name)) {
        sources << trash.filePath(name);
    }
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

bool NoteSearch::asksForReminders() const
{
    const QString typed = m_typed.trimmed();
    return typed.compare(QLatin1String("reminder:"), Qt::CaseInsensitive) == 0
           || typed.compare(tr("reminder:"), Qt::CaseInsensitive) == 0;
}

void NoteSearch::searchReminders()
{
    // Every open reminder note, soonest first, with when it goes off next.
    for (Note* note : m_board.notes()) {
        if (note->isClosed() || !note->special() || note->special()->reminderIcon() == ReminderIcon::None) {
            continue;
        }
        SearchResult result;
        result.place = SearchResult::Place::Open;
        result.note = note;
        const QString next = note->special()->nextReminderText();
        result.where = next.isEmpty() ? tr("Reminder") : tr("Reminder, next %1").arg(next);
        addResult(result, note->text().text());
    }
}

void NoteSearch::search()
{
    m_results.clear();
    m_matchCount = 0;
    if (asksForReminders()) {
        searchReminders();
    } else if (!m_query.isEmpty()) {
        QList<QByteArray> openTexts;
        searchOpenNotes(&openTexts);
        searchStored(openTexts);
    }
    emit resultsChanged();
}

void NoteSearch::searchOpenNotes(QList<QByteArray>* openTexts)
{
    m_openIds.clear();
    m_openFiles.clear();
    for (Note* note : m_board.notes()) {
        if (note->isClosed()) {
            continue;
        }
        if (!note->folderId().isEmpty()) {
            m_openIds.insert(note->folderId());
        }
        if (!note->filePath().isEmpty()) {
            m_openFiles.insert(QFileInfo(note->filePath()).absoluteFilePath());
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
    const QString trash = QFileInfo(Trash::defaultFolder()).absoluteFilePath();
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
        const QString folder = QFileInfo(file.path).absolutePath();
        const bool inTrash = folder == trash || QFileInfo(folder).fileName() == QLatin1String(".trash");
        if (inTrash ? pastItsTime(file, note) : isOpen(file, n, note, openTexts)) {
            continue; // the open note shows it, as it is now; a trashed one past its time is gone
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

bool NoteSearch::isOpen(const IndexedFile& file,
                        int n,
                        const IndexedNote& note,
                        const QList<QByteArray>& openTexts) const
{
    // The same note: a note of the notes folder by its id, a file's first note by its file, any by its text.
    if (!note.id.isEmpty() && m_openIds.contains(note.id)) {
        return true;
    }
    if (n == 0 && m_openFiles.contains(QFileInfo(file.path).absoluteFilePath())) {
        return true;
    }
    return std::any_of(openTexts.cbegin(), openTexts.cend(), [&note](const QByteArray& open) {
        return open.size() == note.folded.size() && open == note.folded;
    });
}

bool NoteSearch::pastItsTime(const IndexedFile& file, const IndexedNote& note)
{
    const QDateTime oldest = Clock::now().addDays(-TrashPolicy::kMaxDays);
    const QDateTime when = note.when.isEmpty() ? QDateTime::fromMSecsSinceEpoch(file.modified)
                                               : QDateTime::fromString(note.when, Qt::ISODateWithMs);
    return when.isValid() && when < oldest;
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

std::optional<NoteRecord> NoteSearch::storedNote(const SearchResult& result) const
{
    const NoteList notes = loadNoteFile(result.file);
    // By its text: the file may have changed since it was searched.
    for (int i = 0; i < notes.size(); ++i) {
        const int at = (result.position + i) % int(notes.size());
        if (noteTextHash(notes.at(at)) == result.hash) {
            return notes.at(at);
        }
    }
    return std::nullopt;
}

Note* NoteSearch::openStored(const SearchResult& result)
{
    // Chosen again: the note it opened comes forward, not another copy.
    const QString key = result.file + QLatin1Char('|') + QString::fromLatin1(result.hash);
    if (Note* opened = m_opened.value(key); opened && !opened->isClosed()) {
        return opened;
    }
    std::optional<NoteRecord> stored = storedNote(result);
    if (!stored) {
        return nullptr;
    }
    Note* note = nullptr;
    const QString notesFolder = readNotesFolder();
    if (result.place == SearchResult::Place::Trash) {
        note = restoreFromTrash(m_board, *stored); // out of the trash, as the Trash window brings it back
    } else if (!stored->identity.id.isEmpty() && m_board.collection() && !notesFolder.isEmpty()
               && QFileInfo(result.file).absolutePath() == QFileInfo(notesFolder).absoluteFilePath()) {
        note = m_board.collection()->openItem(stored->identity.id); // the folder's note, opened here
    } else {
        note = openCopy(*stored, result);
    }
    if (note) {
        m_opened.insert(key, note);
    }
    return note;
}

Note* NoteSearch::openCopy(const NoteRecord& stored, const SearchResult& result)
{
    // A file's first note opens as the file's own note (saving writes the file); a further one as a copy.
    const bool first = result.position == 0 && result.file != mainNoteFilePath();
    Note* note = m_board.createNote(first ? NoteOrigin::OpenedFile : NoteOrigin::ManagerCopy);
    if (!note->setFromRecord(stored, stored.fileName)) {
        note->discard();
        return nullptr;
    }
    if (first) {
        note->setTimeStamp(stored.timeDate);
        note->setSavedAs(result.file);
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
    // Through the note's selection, which the note's window shows.
    note.text().setSelStart(hits.first().first);
    note.text().setSelLength(hits.first().second);
    return true;
}

} // namespace jotlet
