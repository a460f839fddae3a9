// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A note on paper, in a mail message and through the spelling check. Printing goes to PDF files through the same
// code as to a printer and is measured with poppler's tools; the spelling check uses the system's en_US Hunspell
// dictionary.
#include "dialogs/currentprinter.h"
#include "dialogs/qtdialogs.h"
#include "fakedialogs.h"
#include "logcapture.h"
#include "note/mailto.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "pdfwords.h"
#include "platform/spellengine.h"
#include "support/appinfo.h"
#include "testdata.h"
#include "urlcatcher.h"
#include "window/notetextbox.h"

#include <QImage>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

using namespace jotlet;

namespace {

constexpr double kInch = 72.0; // points

// Prints a note to a PDF file on paper of the size given, through the print command.
PdfText printToPdf(Note& note, const QString& path, QPageSize::PageSizeId paper)
{
    QPrinter& printer = *currentPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(paper));
    FakeDialogs dialogs;
    dialogs.printerAnswer = true;
    note.run(Command::PrintNote);
    return readPdfText(path);
}

QString lines(int count)
{
    QStringList all;
    for (int i = 1; i <= count; ++i) {
        all << QStringLiteral("Line%1 of the list").arg(i);
    }
    return all.join(QStringLiteral("\r\n"));
}

std::unique_ptr<SpellEngine> englishEngine(Problem* error)
{
    return openSpellEngine(QLocale(QLocale::English, QLocale::UnitedStates),
                           systemDictionaryFolders(),
                           {dataFilePath(QStringLiteral("custom.dct"))},
                           error);
}

} // namespace

class TestNoteOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setNotePrinting(&qtNotePrinting()); } // on Qt's printer, answered by FakeDialogs
    void init() { clearErrorLog(); }
    void marginsFromThePaperEdges_data();
    void marginsFromThePaperEdges();
    void longNotesWrapAndBreakIntoPages();
    void colourSurvivesAndEmptyNotePrintsAPage();
    void cancelPrintsNothing();
    void mailEncoding_data();
    void mailEncoding();
    void mailSendsSelectionOrWhole();
    void spellingCorrectsInPlace();
    void spellingAddAndIgnoreAll();
    void spellingWithoutADictionary();
    void failuresAreTold_data();
    void failuresAreTold();
    void dictionaryDescriptions_data();
    void dictionaryDescriptions();

private:
    QTemporaryDir m_folder;
};

void TestNoteOutput::marginsFromThePaperEdges_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("Letter") << QPageSize::Letter << QSizeF(612, 792);
    QTest::newRow("A4") << QPageSize::A4 << QSizeF(595.276, 841.89);
}

void TestNoteOutput::marginsFromThePaperEdges()
{
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(QSizeF, size);
    Note note;
    note.text().setText(QStringLiteral("Groceries: milk and eggs"));
    const PdfText pdf = printToPdf(note, m_folder.filePath(QStringLiteral("margins.pdf")), paper);
    QCOMPARE(pdf.pages.size(), 1);
    QVERIFY(qAbs(pdf.pages.first().width() - size.width()) < 1 && qAbs(pdf.pages.first().height() - size.height()) < 1);
    QVERIFY(!pdf.words.isEmpty());
    const QRectF first = pdf.words.first().box;
    QVERIFY2(qAbs(first.left() - kInch) <= 1 && qAbs(first.top() - kInch) <= 1,
             qPrintable(QStringLiteral("%1, %2").arg(first.left()).arg(first.top())));
}

void TestNoteOutput::longNotesWrapAndBreakIntoPages()
{
    Note note;
    const QString longLine = QStringLiteral("wrapping ").repeated(60).trimmed();
    note.text().setText(longLine + QStringLiteral("\r\n") + lines(200));
    const PdfText pdf = printToPdf(note, m_folder.filePath(QStringLiteral("long.pdf")), QPageSize::Letter);
    QVERIFY(pdf.pages.size() >= 3);
    QSet<double> wrappedLines;
    for (int page = 0; page < pdf.pages.size(); ++page) {
        QRectF used;
        for (const PdfWord& word : pdf.words) {
            if (word.page == page) {
                used = used.isNull() ? word.box : used.united(word.box);
            }
            if (word.text == QLatin1String("wrapping")) {
                wrappedLines << word.box.top();
            }
        }
        QVERIFY2(qAbs(used.left() - kInch) <= 1 && qAbs(used.top() - kInch) <= 1, qPrintable(QString::number(page)));
        QVERIFY2(used.right() <= 612 - kInch + 1 && used.bottom() <= 792 - kInch + 1,
                 qPrintable(QStringLiteral("%1 %2").arg(used.right()).arg(used.bottom())));
    }
    QVERIFY(wrappedLines.size() > 1); // the long line wraps at the right margin
    QCOMPARE(std::count_if(pdf.words.begin(),
                           pdf.words.end(),
                           [](const PdfWord& word) { return word.text.startsWith(QLatin1String("Line")); }),
             200);
}

void TestNoteOutput::colourSurvivesAndEmptyNotePrintsAPage()
{
    Note note;
    note.text().setText(QStringLiteral("RED"));
    note.text().setSelStart(0);
    note.text().setSelLength(3);
    note.text().setSelFontSize(60);
    note.text().setSelColor(0x0000FF); // red, as 0x00BBGGRR
    const QString path = m_folder.filePath(QStringLiteral("red.pdf"));
    printToPdf(note, path, QPageSize::Letter);
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"),
                       QStringLiteral("30"),
                       QStringLiteral("-png"),
                       QStringLiteral("-singlefile"),
                       path,
                       m_folder.filePath(QStringLiteral("red"))});
    const QImage page(m_folder.filePath(QStringLiteral("red.png")));
    QVERIFY(!page.isNull());
    bool red = false;
    for (int y = 0; y < page.height() && !red; ++y) {
        for (int x = 0; x < page.width() && !red; ++x) {
            const QColor c = page.pixelColor(x, y);
            red = c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    }
    QVERIFY(red);

    Note empty;
    const QString blank = m_folder.filePath(QStringLiteral("empty.pdf"));
    QCOMPARE(printToPdf(empty, blank, QPageSize::Letter).pages.size(), 1);
}

void TestNoteOutput::cancelPrintsNothing()
{
    Note note;
    note.text().setText(QStringLiteral("not printed"));
    const QString path = m_folder.filePath(QStringLiteral("cancelled.pdf"));
    currentPrinter()->setOutputFormat(QPrinter::PdfFormat);
    currentPrinter()->setOutputFileName(path);
    FakeDialogs dialogs; // the print dialog is cancelled
    note.run(Command::PrintNote);
    QCOMPARE(dialogs.printerDialogs, 1);
    QVERIFY(!QFile::exists(path));
}

void TestNoteOutput::mailEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("reserved characters") << "50% off? Yes: 1/2 = 0.5"
                                         << "50%25%20off%3F%20Yes%3A%201%2F2%20%3D%200.5";
    QTest::newRow("two lines") << "a\r\nb"
                               << "a%0D%0Ab";
    QTest::newRow("plus and a lone line feed") << "a+b\nc"
                                               << "a+b\nc";
    QTest::newRow("the rest of the table") << "$@=;&,\"#"
                                           << "%24%40%3D%3B%26%2C%22%23";
    QTest::newRow("beyond ASCII as UTF-8")
        << QString::fromUtf8("caf\u00e9 \u20ac5 \U0001F600") << "caf%C3%A9%20%E2%82%AC5%20%F0%9F%98%80";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNoteOutput::mailEncoding()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(encodeMailText(text), encoded);
    QCOMPARE(mailtoAddress(text).url, QStringLiteral("mailto:?subject=Jotlet%20Note&Body=") + encoded);
}

void TestNoteOutput::mailSendsSelectionOrWhole()
{
    UrlCatcher catcher;
    FakeDialogs dialogs;
    Note note;
    note.text().setText(QStringLiteral("first line\r\nsecond"));
    note.text().setSelStart(0);
    note.text().setSelLength(5);
    note.run(Command::EmailNote); // "Email Content" with a selection sends the selection
    note.text().setSelLength(0);
    note.run(Command::EmailSelection); // "Email Selection" without one sends the whole note
    note.text().setText(QStringLiteral("x").repeated(40000));
    note.run(Command::EmailNote);
    QCOMPARE(catcher.urls.size(), 3);
    QCOMPARE(catcher.urls.at(0).toString(QUrl::FullyEncoded),
             QStringLiteral("mailto:?subject=Jotlet%20Note&Body=first"));
    QVERIFY(catcher.urls.at(1).toString(QUrl::FullyEncoded).endsWith(QLatin1String("Body=first%20line%0D%0Asecond")));
    QCOMPARE(catcher.urls.at(2).toString(QUrl::FullyEncoded).size(), 35 + 32000);
    QCOMPARE(dialogs.notices.size(), 1); // the user is told the message holds only the start
}

void TestNoteOutput::spellingCorrectsInPlace()
{
    NoteBoard board;
    board.setSpellEngineFactory(englishEngine);
    Note* note = board.createNote();
    note->text().setText(QStringLiteral("Teh cat is bold"));
    note->text().setSelStart(11);
    note->text().setSelLength(4);
    note->text().setSelBold(true);
    note->text().setSelStart(7);
    FakeDialogs dialogs;
    dialogs.spellingAnswers << SpellingAnswer {SpellingAnswer::Action::Change, QStringLiteral("The")};
    note->run(Command::CheckSpelling);
    QCOMPARE(note->text().text(), QStringLiteral("The cat is bold"));
    QCOMPARE(dialogs.spellingQuestions.size(), 1);
    QVERIFY(dialogs.spellingQuestions.first().suggestions.contains(QStringLiteral("The")));
    QTextCursor bold(note->text().document());
    bold.setPosition(13);
    QVERIFY(bold.charFormat().font().bold()); // "bold" kept its format
    bold.setPosition(2);
    QVERIFY(!bold.charFormat().font().bold());
    QCOMPARE(note->text().selStart(), 7); // the caret went back
    QCOMPARE(dialogs.notices, QStringList {"Spell Check has been completed!"});
    QVERIFY2(dialogs.spellingQuestions.first().dictionary.startsWith(QLatin1String("English (United States)")),
             qPrintable(dialogs.spellingQuestions.first().dictionary)); // the dialog names it
}

void TestNoteOutput::spellingAddAndIgnoreAll()
{
    QFile::remove(dataFilePath(QStringLiteral("custom.dct")));
    NoteBoard board;
    board.setSpellEngineFactory(englishEngine);
    Note* note = board.createNote();
    note->text().setText(QStringLiteral("Jotlet notes: qwzx and qwzx again, then Jotlet"));
    FakeDialogs dialogs;
    dialogs.spellingAnswers << SpellingAnswer {SpellingAnswer::Action::Add, {}}
                            << SpellingAnswer {SpellingAnswer::Action::IgnoreAll, {}};
    note->run(Command::CheckSpelling);
    QCOMPARE(dialogs.spellingQuestions.size(), 2); // "Jotlet" once, "qwzx" once
    QCOMPARE(fileBytes(dataFilePath(QStringLiteral("custom.dct"))), QByteArray("Jotlet\n"));
    note->run(Command::CheckSpelling); // the added word is known now
    QCOMPARE(dialogs.spellingQuestions.size(), 3);
    QCOMPARE(dialogs.spellingQuestions.last().word, QStringLiteral("qwzx"));
}

void TestNoteOutput::spellingWithoutADictionary()
{
    NoteBoard board;
    board.setSpellEngineFactory(
        [](Problem* error) { return openSpellEngine(QLocale::c(), {QStringLiteral("/nonexistent")}, {}, error); });
    Note* note = board.createNote();
    note->text().setText(QStringLiteral("Teh cat"));
    FakeDialogs dialogs;
    note->run(Command::CheckSpelling);
    QCOMPARE(dialogs.notices.size(), 1);
    QVERIFY(dialogs.notices.first().startsWith(QLatin1String("The spelling could not be checked")));
    QVERIFY(errorLogLines().first().contains(QLatin1String("frmMain: CheckSpelling")));
    QCOMPARE(note->text().text(), QStringLiteral("Teh cat"));
}

void TestNoteOutput::failuresAreTold_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("told"); // the start of the warning's "title|text", or "" for nothing at all
    QTest::addColumn<QString>("logged");
    QTest::newRow("e-mail without a mail program")
        << "email"
        << "Email Note|The note could not be handed to a mail program: no program"
        << "frmMain: EmailNote";
    QTest::newRow("the website without a browser") << "website"
                                                   << "Quorvel's Website|The website could not be opened: no program"
                                                   << "frmMain: OpenWebsite";
    QTest::newRow("a link without a browser") << "link"
                                              << "Open Link|The link could not be opened: no program"
                                              << "frmMain: OpenLink";
    QTest::newRow("a spell check cancelled: no word of completion") << "spelling"
                                                                    << ""
                                                                    << "";
}

void TestNoteOutput::failuresAreTold()
{
    QFETCH(QString, action);
    QFETCH(QString, told);
    QFETCH(QString, logged);
    UrlCatcher desktop;
    desktop.failure = QStringLiteral("no program is set up on this computer to open it");
    FakeDialogs dialogs;
    NoteBoard board;
    board.setSpellEngineFactory(englishEngine);
    Note* note = board.createNote();
    note->text().setText(QStringLiteral("Teh https://example.org/page"));
    if (action == QLatin1String("email")) {
        note->run(Command::EmailNote);
    } else if (action == QLatin1String("website")) {
        note->run(Command::OpenWebsite);
    } else if (action == QLatin1String("link")) {
        NoteTextBox box;
        box.showText(&note->text());
        QVERIFY(box.openLinkAt(10));
    } else {
        note->run(Command::CheckSpelling); // Cancel at the first word
        QCOMPARE(dialogs.spellingQuestions.size(), 1);
        QVERIFY(dialogs.notices.isEmpty());
    }
    QCOMPARE(dialogs.warnings.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty()) {
        QVERIFY2(dialogs.warnings.first().startsWith(told), qPrintable(dialogs.warnings.first()));
        QVERIFY(errorLogLines().join(QLatin1Char('\n')).contains(logged));
    }
}

void TestNoteOutput::dictionaryDescriptions_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("userLocale");
    QTest::addColumn<QString>("described");
    QTest::newRow("the user's own language") << "en_US"
                                             << "en_GB"
                                             << "English (United States)";
    QTest::newRow("no dictionary for German") << "en_US"
                                              << "de_DE"
                                              << "English (United States) \u2013 no dictionary for German is installed";
    QTest::newRow("a language alone") << "de"
                                      << "de_AT"
                                      << "German";
}

void TestNoteOutput::dictionaryDescriptions()
{
    QFETCH(QString, dictionary);
    QFETCH(QString, userLocale);
    QFETCH(QString, described);
    QCOMPARE(dictionaryDescription(dictionary, QLocale(userLocale)), described);
}

QTEST_MAIN(TestNoteOutput)
#include "tst_noteoutput.moc"
