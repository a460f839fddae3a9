// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding notes without a screen: folding and the query's words and phrases, stored notes found by the text they
// have on disk now, open notes before their stored copies, unreadable files skipped with one log line, the trash's
// notes marked as such, and a cache that is only a cache.
#include "fakedialogs.h"
#include "logcapture.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notestore.h"
#include "notes/trash.h"
#include "rtf/reader.h"
#include "samplenotes.h"
#include "search/notesearch.h"
#include "search/textfold.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/clock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

using Hits = QStringList;
Q_DECLARE_METATYPE(Hits)

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void queries_data();
    void queries();
    void remindersAreListed();
    void storedNotes_data();
    void storedNotes();
    void openNotesComeFirst();
    void typingGivesWhatAFreshSearchGives_data();
    void typingGivesWhatAFreshSearchGives();
    void unreadableFileLoggedOnce();
    void cacheIsOnlyACache();
    void trashKeepsItsDays_data();
    void trashKeepsItsDays();
    void indexAndWindowReadAtOnce();

private:
    QStringList search(const QString& typed);
    void index(const QStringList& sources);

    QTemporaryDir m_folder;
    NoteBoard m_board;
    std::unique_ptr<SearchIndex> m_index;
    std::unique_ptr<NoteSearch> m_search;
};

void TestSearch::init()
{
    clearErrorLog();
    for (Note* note : m_board.notes()) {
        note->discard();
    }
    m_index = std::make_unique<SearchIndex>(m_folder.filePath(QStringLiteral("cache/search.cache")));
    m_search = std::make_unique<NoteSearch>(m_board, *m_index);
}

void TestSearch::indexAndWindowReadAtOnce()
{
    // Notes in code pages other than Windows-1252 (Russian, Greek, Czech, Japanese), read by the index on its worker
    // while the window thread reads the same notes: no reader shares anything with another (ThreadSanitizer, with
    // scripts/sanitize.sh tsan, finds no race), and both read them right.
    const QList<std::pair<QByteArray, QString>> texts = {
        {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'ef\\'f0\\'e8\\'e2\\'e5\\'f2\\par}",
         QStringLiteral("привет")},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset161 Arial;}}\\f0 \\'e3\\'e5\\'e9\\'e1\\par}", QStringLiteral("γεια")},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0 \\'9e\\'e1k\\par}", QStringLiteral("žák")},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Gothic;}}\\f0 \\'93\\'fa\\'96\\'7b\\par}",
         QStringLiteral("日本")},
    };
    QStringList files;
    for (int i = 0; i < 40; ++i) {
        NoteRecord note = sampleNote(QString());
        note.data = QString::fromLatin1(texts.at(i % texts.size()).first);
        const QString file = m_folder.filePath(QStringLiteral("codepage%1.not").arg(i));
        QVERIFY(saveNotesFile({note}, file));
        files << file;
    }
    m_index->setSources(files);
    m_index->refresh();
    int read = 0;
    while (m_index->isUpdating() || read < 200) {
        const auto& [rtf, text] = texts.at(read % texts.size());
        QCOMPARE(rtfToPlainText(rtf).trimmed(), text);
        ++read;
        QCoreApplication::processEvents(); // where the index says it is done
    }
    QVERIFY(m_index->waitForIdle());
    for (const auto& [rtf, text] : texts) {
        QCOMPARE(search(text).size(), 10);
    }
}

void TestSearch::index(const QStringList& sources)
{
    m_index->setSources(sources);
    m_index->refresh();
    QVERIFY(m_index->waitForIdle());
}

// "where: words" of each result, the matches in [brackets].
QStringList TestSearch::search(const QString& typed)
{
    m_search->setQuery(QString());
    m_search->setQuery(typed);
    QStringList found;
    for (const SearchResult& result : m_search->results()) {
        QString words = result.words;
        for (auto it = result.hits.crbegin(); it != result.hits.crend(); ++it) {
            words.insert(it->first + it->second, QLatin1Char(']'));
            words.insert(it->first, QLatin1Char('['));
        }
        found << result.where + QStringLiteral(": ") + words;
    }
    return found;
}

void TestSearch::queries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Hits>("hits"); // empty: no match
    QTest::newRow("case and accents") << "My Résumé, 2026"
                                      << "RESUME" << Hits {"Résumé"};
    QTest::newRow("accents typed, none in the text") << "resume"
                                                     << "résumé" << Hits {"resume"};
    QTest::newRow("combining accents") << QStringLiteral("Re\u0301sume\u0301 here") << "resume"
                                       << Hits {QStringLiteral("Re\u0301sume\u0301")};
    QTest::newRow("sharp s") << "Hauptstraße 5"
                             << "strasse" << Hits {"straße"};
    QTest::newRow("ligature") << QStringLiteral("\uFB01sh soup") << "fish" << Hits {QStringLiteral("\uFB01sh")};
    QTest::newRow("all words, any order") << "milk, eggs and bread"
                                          << "bread milk" << Hits {"milk", "bread"};
    QTest::newRow("one word missing") << "milk, eggs and bread"
                                      << "bread butter" << Hits {};
    QTest::newRow("phrase across a line break") << "call the\r\n  dentist"
                                                << "\"the dentist\"" << Hits {"the\r\n  dentist"};
    QTest::newRow("phrase words apart") << "the tall dentist"
                                        << "\"the dentist\"" << Hits {};
    QTest::newRow("phrase in curly quotes and a word")
        << "pay the gas bill today" << QStringLiteral("\u201Cgas bill\u201D pay") << Hits {"pay", "gas bill"};
    QTest::newRow("only quotes") << "anything"
                                 << "\"\"" << Hits {};
    QTest::newRow("outside the BMP") << QStringLiteral("party \U0001F389 tonight") << "tonight" << Hits {"tonight"};
}

void TestSearch::queries()
{
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(Hits, hits);
    const SearchQuery query(typed);
    QCOMPARE(query.matches(foldForSearch(text).toUtf8()), !hits.isEmpty());
    if (!hits.isEmpty()) {
        QStringList found;
        for (const auto& [start, length] : query.hits(text)) {
            found << text.mid(start, length);
        }
        QCOMPARE(found, hits);
    }
}

void TestSearch::storedNotes_data()
{
    QTest::addColumn<QStringList>("before"); // the file's notes (RTF) when it is first searched
    QTest::addColumn<QStringList>("after");  // what it holds when searched again (nothing: unchanged)
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("across formatting runs") << QStringList {"bo{\\b ld} text here"} << QStringList() << "\"bold text\""
                                            << QStringList {"list.not, note 1: [bold text] here"};
    QTest::newRow("changed on disk: the new text")
        << QStringList {"apple pie", "plum jam"} << QStringList {"plum jam", "banana split"} << "banana"
        << QStringList {"list.not, note 2: [banana] split"};
    QTest::newRow("changed on disk: not the old text")
        << QStringList {"apple pie", "plum jam"} << QStringList {"plum jam", "banana split"} << "apple"
        << QStringList();
    QTest::newRow("a note deleted from its file")
        << QStringList {"one", "two cherries", "three"} << QStringList {"one", "three"} << "cherries" << QStringList();
    QTest::newRow("accents in the file") << QStringList {"R\\'e9sum\\'e9 for the job"} << QStringList() << "resume job"
                                         << QStringList {"list.not, note 1: [Résumé] for the [job]"};
    QTest::newRow("far into a long note")
        << QStringList {QString(300, QLatin1Char('x')) + QStringLiteral(" needle end")} << QStringList() << "needle"
        << QStringList {QStringLiteral("list.not, note 1: \u2026") + QString(39, QLatin1Char('x'))
                        + QStringLiteral(" [needle] end")};
}

void TestSearch::storedNotes()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    const QString file = m_folder.filePath(QStringLiteral("list.not"));
    const auto write = [&file](const QStringList& texts) {
        NoteList notes;
        for (const QString& text : texts) {
            notes << sampleNote(text);
        }
        QVERIFY(saveNotesFile(notes, file));
    };
    write(before);
    index({file});
    if (!after.isEmpty()) {
        QCOMPARE(search(typed).isEmpty(), !before.join(QLatin1Char(' ')).contains(typed)); // as it was first
        write(after);
        index({file});
    }
    QCOMPARE(search(typed), found);
}

void TestSearch::typingGivesWhatAFreshSearchGives_data()
{
    // Each step is typed into the same search, as a person types and deletes; "@" rewrites the file first, adding
    // a note that matches.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("letter by letter") << QStringList {"t", "tr", "tri", "trip"};
    QTest::newRow("backspace widens") << QStringList {"trip", "tri", "tr"};
    QTest::newRow("a second word, then less of it") << QStringList {"trip", "trip ro", "trip r"};
    QTest::newRow("a word typed over another") << QStringList {"trio", "trip"};
    QTest::newRow("the file changed while typing") << QStringList {"tri", "@trip"};
}

void TestSearch::typingGivesWhatAFreshSearchGives()
{
    QFETCH(QStringList, steps);
    const QString file = m_folder.filePath(QStringLiteral("trips.not"));
    NoteList notes {sampleNote(QStringLiteral("trip to rome")),
                    sampleNote(QStringLiteral("tripod")),
                    sampleNote(QStringLiteral("trio music")),
                    sampleNote(QStringLiteral("strip"))};
    QVERIFY(saveNotesFile(notes, file));
    index({file});
    const auto places = [](const NoteSearch& search) {
        QStringList where;
        for (const SearchResult& result : search.results()) {
            where << result.where;
        }
        return where;
    };
    for (QString typed : std::as_const(steps)) {
        if (typed.startsWith(QLatin1Char('@'))) {
            typed.remove(0, 1);
            notes << sampleNote(QStringLiteral("tripwire"));
            QVERIFY(saveNotesFile(notes, file));
            index({file});
        }
        m_search->setQuery(typed);
        NoteSearch fresh(m_board, *m_index);
        fresh.setQuery(typed);
        QCOMPARE(places(*m_search), places(fresh));
    }
}

void TestSearch::openNotesComeFirst()
{
    const QString file = m_folder.filePath(QStringLiteral("kept.not"));
    QVERIFY(saveNotesFile({sampleNote(QStringLiteral("shopping: milk")), sampleNote(QStringLiteral("old milk note"))},
                          file));
    index({file});
    Note* open = m_board.createNote();
    open->text().setText(QStringLiteral("shopping: milk")); // the same text as the first stored note: shown once
    QCOMPARE(search(QStringLiteral("milk")),
             QStringList({"Open note: shopping: [milk]", "kept.not, note 2: old [milk] note"}));
    // Typing on narrows the list; the open note's text is searched as it is now.
    open->text().setText(QStringLiteral("shopping: milk, honey"));
    m_search->setQuery(QStringLiteral("milk"));
    m_search->setQuery(QStringLiteral("milk hon"));
    QCOMPARE(m_search->results().size(), 1);
    QVERIFY(m_search->choose(0) == open);
    QCOMPARE(open->text().cursor().selectedText(), QStringLiteral("milk"));
}

void TestSearch::unreadableFileLoggedOnce()
{
    const QString bad = m_folder.filePath(QStringLiteral("bad.not"));
    const QString good = m_folder.filePath(QStringLiteral("good.not"));
    QFile garbage(bad);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("<?xml version=\"1.0\"?><JOTLET><NOTE><DATA>broken");
    garbage.close();
    QVERIFY(saveNotesFile({sampleNote(QStringLiteral("readable turnip"))}, good));
    index({bad, good});
    index({bad, good});
    QCOMPARE(search(QStringLiteral("turnip")), QStringList {"good.not, note 1: readable [turnip]"});
    const QStringList lines = errorLogLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(QLatin1String("modSearch: ReadNotes")) && lines.first().contains(bad),
             qPrintable(lines.first()));
}

void TestSearch::trashKeepsItsDays_data()
{
    QTest::addColumn<int>("daysAgo"); // when the note went to the trash
    QTest::addColumn<bool>("found");
    QTest::newRow("yesterday") << 1 << true;
    QTest::newRow("29 days ago") << 29 << true;
    QTest::newRow("31 days ago: past its time, though its file is still there") << 31 << false;
}

void TestSearch::trashKeepsItsDays()
{
    QFETCH(int, daysAgo);
    QFETCH(bool, found);
    QVERIFY(Trash().empty());
    // Put in as of then, so that the trash itself does not let it go.
    QVERIFY(Trash().put(
        sampleNote(QStringLiteral("kiwi tart")), QString(), QDateTime::currentDateTime().addDays(-daysAgo)));
    index(NoteSearch::defaultSources());
    QCOMPARE(search(QStringLiteral("kiwi")).size(), found ? 1 : 0);
}

void TestSearch::cacheIsOnlyACache()
{
    const QString file = m_folder.filePath(QStringLiteral("cached.not"));
    QVERIFY(saveNotesFile({sampleNote(QStringLiteral("parsnip soup"))}, file));
    QVERIFY(Trash().put(sampleNote(QStringLiteral("parsnip cake")), file, QDateTime::currentDateTime()));
    const QString trash = Trash().notes(QDateTime::currentDateTime()).first().fileName;
    index({file, trash});
    const QStringList first = search(QStringLiteral("parsnip"));
    QCOMPARE(first, QStringList({"cached.not, note 1: [parsnip] soup", "Trash, from cached.not: [parsnip] cake"}));
    // A warm start finds the same; so does one whose cache was deleted, or damaged.
    for (const QByteArray& cache : {QByteArray("keep"), QByteArray(), QByteArray("damaged")}) {
        const QString path = m_folder.filePath(QStringLiteral("cache/search.cache"));
        if (cache.isEmpty()) {
            QVERIFY(QFile::remove(path));
        } else if (cache == "damaged") {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::ReadWrite));
            damaged.resize(damaged.size() / 2);
        }
        init();
        index({file, trash});
        QCOMPARE(search(QStringLiteral("parsnip")), first);
    }
    QVERIFY(errorLogLines().isEmpty());
}

void TestSearch::remindersAreListed()
{
    Clock::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(15, 40)); });
    NoteBoard board;
    board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
    FakeDialogs dialogs;
    Note* reminder = board.createNote();
    reminder->text().setText(QStringLiteral("dentist"));
    dialogs.timeAnswers << QTime(16, 30);
    reminder->run(Command::SpecialReminder);
    board.createNote()->text().setText(QStringLiteral("a reminder: nothing set"));
    SearchIndex index(QDir::temp().filePath(QStringLiteral("jotlet-search-reminders.cache")));
    NoteSearch search(board, index);
    search.setQuery(QStringLiteral("Reminder:"));
    QCOMPARE(search.results().size(), 1);
    QCOMPARE(search.results().first().note.data(), reminder);
    QVERIFY2(search.results().first().where.startsWith(QLatin1String("Reminder, next Today ")),
             qPrintable(search.results().first().where));
    Clock::setSource({});
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
