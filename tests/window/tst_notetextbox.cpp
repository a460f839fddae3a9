// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/checklist.h"
#include "note/notepictures.h"
#include "note/notetext.h"
#include "urlcatcher.h"
#include "window/links.h"
#include "window/notetextbox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextList>
#include <QUrl>

using namespace jotlet;

class TestNoteTextBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typingFormatWithEmptySelection();
    void selTextReplacesAndLeavesCaretAfter();
    void selectionProperties();
    void paragraphProperties();
    void textUsesCrLf();
    void lockedStopsOnlyTheUser();
    void rtfRoundTripAndChangeSignal();
    void findLinks_data();
    void findLinks();
    void clickOpensOnlySafeLinks_data();
    void clickOpensOnlySafeLinks();
    void linksAreNotWrittenToRtf();
    void pasteAndDropOfFiles();
    void checklistKeysAndClicks();
    void pastedPictureFitsAndTravels();

private:
    NoteText* m_text = nullptr;
    NoteTextBox* m_box = nullptr;
    UrlCatcher m_catcher;
};

void TestNoteTextBox::init()
{
    m_text = new NoteText;
    m_text->setFontName(QStringLiteral("DejaVu Sans"));
    m_text->setFontSize(10);
    m_box = new NoteTextBox;
    m_box->showText(m_text);
    m_box->resize(400, 300);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
    m_catcher.urls.clear();
}

void TestNoteTextBox::cleanup()
{
    delete m_box;
    delete m_text;
}

void TestNoteTextBox::typingFormatWithEmptySelection()
{
    m_text->setSelBold(true);
    m_text->setSelColor(0x0000FF); // red as 0x00BBGGRR
    m_text->setSelFontSize(14);
    QTest::keyClicks(m_box, "bold");
    m_text->setSelBold(false);
    m_text->setSelText(QStringLiteral(" plain"));
    QCOMPARE(m_text->text(), QStringLiteral("bold plain"));
    QTextCursor c(m_text->document());
    c.setPosition(2);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0));
    QCOMPARE(c.charFormat().fontPointSize(), 14.0);
    c.setPosition(8);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0)); // still the chosen colour
}

void TestNoteTextBox::selTextReplacesAndLeavesCaretAfter()
{
    m_text->setText(QStringLiteral("hello world"));
    m_text->setSelStart(6);
    m_text->setSelLength(5);
    QCOMPARE(m_text->selText(), QStringLiteral("world"));
    m_text->setSelText(QStringLiteral("notes"));
    QCOMPARE(m_text->text(), QStringLiteral("hello notes"));
    QCOMPARE(m_text->selStart(), 11);
    QCOMPARE(m_text->selLength(), 0);
    m_text->setSelStart(0);
    m_text->setSelText(QStringLiteral(">> "));
    QCOMPARE(m_text->text(), QStringLiteral(">> hello notes"));
    QCOMPARE(m_text->selStart(), 3);
    m_text->setSelStart(1000); // past the end: clamped
    QCOMPARE(m_text->selStart(), 14);
}

void TestNoteTextBox::selectionProperties()
{
    m_text->setText(QStringLiteral("one two"));
    m_text->setSelStart(4);
    m_text->setSelLength(3);
    m_text->setSelItalic(true);
    m_text->setSelUnderline(true);
    m_text->setSelStrikeThrough(true);
    QVERIFY(m_text->selItalic() && m_text->selUnderline() && m_text->selStrikeThrough());
    m_text->setSelStart(1);
    QVERIFY(!m_text->selItalic());
    QCOMPARE(m_text->selFontSize(), 10.0);
    QCOMPARE(m_text->selColor(), 0u);
}

void TestNoteTextBox::paragraphProperties()
{
    m_text->setText(QStringLiteral("a\nb\nc"));
    m_text->setSelStart(0);
    m_text->setSelLength(3); // a and b
    m_text->setSelAlignment(2);
    m_text->setSelIndent(720);
    m_text->setSelBullet(true);
    QCOMPARE(m_text->selAlignment(), 2);
    QCOMPARE(m_text->selIndent(), 720);
    QVERIFY(m_text->selBullet());
    QTextDocument* doc = m_text->document();
    QVERIFY(doc->findBlockByNumber(1).textList());
    QVERIFY(!doc->findBlockByNumber(2).textList());
    QCOMPARE(doc->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    m_text->setSelBullet(false);
    QVERIFY(!doc->findBlockByNumber(0).textList());
    QVERIFY(!doc->findBlockByNumber(1).textList());
    m_text->setSelAlignment(1);
    QCOMPARE(m_text->selAlignment(), 1);
}

void TestNoteTextBox::textUsesCrLf()
{
    m_text->setText(QStringLiteral("line one\r\nline two\nthree"));
    QCOMPARE(m_text->document()->blockCount(), 3);
    QCOMPARE(m_text->text(), QStringLiteral("line one\r\nline two\r\nthree"));
    m_text->setText(QString());
    QCOMPARE(m_text->text(), QString());
}

void TestNoteTextBox::lockedStopsOnlyTheUser()
{
    m_text->setText(QStringLiteral("12:00:00"));
    m_text->setLocked(true);
    m_box->setFocus();
    QTest::keyClicks(m_box, "typed");
    QTest::keyClick(m_box, Qt::Key_Backspace);
    QCOMPARE(m_text->text(), QStringLiteral("12:00:00"));
    m_text->setSelStart(0);
    m_text->setSelLength(8);
    m_text->setSelText(QStringLiteral("12:00:01"));
    QCOMPARE(m_text->text(), QStringLiteral("12:00:01"));
    m_text->setLocked(false);
    m_box->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_box, "!");
    QCOMPARE(m_text->text(), QStringLiteral("12:00:01!"));
}

void TestNoteTextBox::rtfRoundTripAndChangeSignal()
{
    QSignalSpy changes(m_text, &NoteText::changed);
    const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\b Title\\b0\\par\\pard body\\par}";
    QVERIFY(m_text->setRtf(rtf));
    QVERIFY(changes.count() >= 1);
    QCOMPARE(m_text->text(), QStringLiteral("Title\r\nbody"));
    QCOMPARE(m_text->document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QByteArray written = m_text->rtf();
    NoteText other;
    other.setFontName(m_text->fontName());
    other.setFontSize(m_text->fontSize());
    QVERIFY(other.setRtf(written));
    QCOMPARE(other.rtf(), written);
    QCOMPARE(other.text(), m_text->text());
}

void TestNoteTextBox::findLinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("urls");
    QTest::newRow("http") << "see http://example.org/a?b=1." << QStringList {"http://example.org/a?b=1"};
    QTest::newRow("two") << "https://a.org and ftp://files.b.org/x"
                         << QStringList {"https://a.org", "ftp://files.b.org/x"};
    QTest::newRow("www") << "(www.example.com)" << QStringList {"http://www.example.com"};
    QTest::newRow("mailto") << "mail mailto:ann@example.org now" << QStringList {"mailto:ann@example.org"};
    QTest::newRow("long") << "http://x.org/" + QString(5000, 'a') << QStringList {"http://x.org/" + QString(5000, 'a')};
    QTest::newRow("no scheme") << "example.org and javascript:alert(1)" << QStringList {};
}

void TestNoteTextBox::findLinks()
{
    QFETCH(QString, text);
    QFETCH(QStringList, urls);
    QStringList found;
    for (const TextLink& link : jotlet::findLinks(text)) {
        found << link.url;
    }
    QCOMPARE(found, urls);
}

void TestNoteTextBox::clickOpensOnlySafeLinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opened");
    QTest::newRow("https") << "https://example.org/page"
                           << "https://example.org/page";
    QTest::newRow("ftp") << "ftp://example.org/file"
                         << "ftp://example.org/file";
    QTest::newRow("mailto") << "mailto:ann@example.org"
                            << "mailto:ann@example.org";
    QTest::newRow("javascript") << "javascript:alert(1)"
                                << "";
    QTest::newRow("file") << "file:///etc/passwd"
                          << "";
    QTest::newRow("plain words") << "nothing to open here"
                                 << "";
}

void TestNoteTextBox::clickOpensOnlySafeLinks()
{
    QFETCH(QString, text);
    QFETCH(QString, opened);
    m_text->setText(text);
    QTextCursor at(m_text->document());
    at.setPosition(3);
    const QPoint point = m_box->cursorRect(at).center();
    QTest::mouseClick(m_box->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    const QList<QUrl> expected = opened.isEmpty() ? QList<QUrl> {} : QList<QUrl> {QUrl(opened)};
    QCOMPARE(m_catcher.urls, expected);
}

void TestNoteTextBox::linksAreNotWrittenToRtf()
{
    m_text->setText(QStringLiteral("go to https://example.org now"));
    const QByteArray rtf = m_text->rtf();
    QVERIFY(rtf.contains("https://example.org"));
    QVERIFY(!rtf.contains("\\ul"));
    QVERIFY(!rtf.contains("\\cf1"));
    QVERIFY(!rtf.contains("HYPERLINK"));
}

void TestNoteTextBox::pasteAndDropOfFiles()
{
    m_text->setText(QStringLiteral("before "));
    m_text->setSelStart(7);
    QSignalSpy dropped(m_box, &NoteTextBox::filesDropped);
    // A file manager's copy pastes as the files' paths.
    auto* files = new QMimeData;
    files->setUrls(
        {QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")), QUrl::fromLocalFile(QStringLiteral("/tmp/b.txt"))});
    QGuiApplication::clipboard()->setMimeData(files);
    m_box->paste();
    QCOMPARE(m_text->text(), QStringLiteral("before /tmp/a.txt\r\n/tmp/b.txt"));
    QCOMPARE(dropped.count(), 0);
    // Dropped, the same list is handed on to be read.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_box->viewport(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_box->viewport(), &drop);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(dropped.first().first().toStringList(), QStringList {"/tmp/a.txt"});
}

void TestNoteTextBox::checklistKeysAndClicks()
{
    QSignalSpy changed(m_text, &NoteText::changed);
    QTest::keyClicks(m_box, QStringLiteral("milk"));
    m_text->setSelStart(0);
    m_text->toggleChecklist();
    QCOMPARE(m_text->document()->begin().blockFormat().marker(), QTextBlockFormat::MarkerType::Unchecked);
    m_box->moveCursor(QTextCursor::End);
    QTest::keyClick(m_box, Qt::Key_Return); // a new unticked item
    QTest::keyClicks(m_box, QStringLiteral("bread"));
    QTest::keyClick(m_box, Qt::Key_Return, Qt::ControlModifier); // ticks "bread"
    const QTextBlock bread = m_text->document()->begin().next();
    QCOMPARE(bread.text(), QStringLiteral("bread"));
    QCOMPARE(bread.blockFormat().marker(), QTextBlockFormat::MarkerType::Checked);
    QCOMPARE(bread.textList(), m_text->document()->begin().textList());
    QVERIFY(QTextCursor(bread).charFormat().fontStrikeOut() || bread.begin().fragment().charFormat().fontStrikeOut());
    QTest::keyClick(m_box, Qt::Key_Return); // after a ticked item, the next is unticked and not struck through
    QTest::keyClicks(m_box, QStringLiteral("x"));
    QCOMPARE(m_text->document()->lastBlock().blockFormat().marker(), QTextBlockFormat::MarkerType::Unchecked);
    QVERIFY(!m_text->document()->lastBlock().begin().fragment().charFormat().fontStrikeOut());
    QTest::keyClick(m_box, Qt::Key_Backspace);
    QTest::keyClick(m_box, Qt::Key_Return); // Enter on the empty item ends the list
    QCOMPARE(m_text->document()->lastBlock().blockFormat().marker(), QTextBlockFormat::MarkerType::NoMarker);
    QVERIFY(!m_text->document()->lastBlock().textList());

    // A click on the first item's box ticks it, and the note hears of the change.
    const QTextBlock milk = m_text->document()->begin();
    const QRectF line = m_box->document()->documentLayout()->blockBoundingRect(milk);
    const qreal textStart = milk.layout()->lineAt(0).x();
    changed.clear();
    bool ticked = false;
    for (int x = int(line.left() + textStart) - 2; x > int(line.left()) && !ticked; x -= 2) {
        QTest::mouseClick(m_box->viewport(), Qt::LeftButton, {}, QPoint(x, int(line.center().y())));
        ticked = milk.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked;
    }
    QVERIFY(ticked);
    QVERIFY(changed.count() > 0);
    QCOMPARE(m_text->text().left(4), QStringLiteral("milk")); // the boxes are not text
    // A mail message shows them as [ ] and [x].
    QCOMPARE(textForMail(*m_text->document(), 0, m_text->document()->characterCount() - 1),
             QStringLiteral("[x] milk\r\n[x] bread\r\n"));
}

void TestNoteTextBox::pastedPictureFitsAndTravels()
{
    // A screenshot wider than the note goes in at the note's width, in its proportions.
    QImage screenshot(1200, 600, QImage::Format_RGB32);
    screenshot.fill(Qt::darkCyan);
    auto* image = new QMimeData;
    image->setImageData(screenshot);
    QGuiApplication::clipboard()->setMimeData(image);
    QSignalSpy inserted(m_text, &NoteText::pictureInserted);
    m_box->paste();
    QVERIFY(inserted.wait(10000)); // made ready on a worker
    QTextCursor at(m_text->document());
    at.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    const QTextImageFormat shown = at.charFormat().toImageFormat();
    QVERIFY(shown.isValid());
    QVERIFY2(shown.width() <= m_box->viewport()->width() - 2 * m_box->document()->documentMargin(),
             qPrintable(QString::number(shown.width())));
    QCOMPARE(qRound(shown.height()), qRound(shown.width() / 2));
    QVERIFY(m_text->rtf().contains("\\pngblip\\picw1200\\pich600"));

    // Its own menu sizes it (half and actual size of the picture, the note's width), and a copy opens in a viewer.
    const auto shownSize = [this] {
        QTextCursor picture(m_text->document());
        picture.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        const QTextImageFormat format = picture.charFormat().toImageFormat();
        return QSize(qRound(format.width()), qRound(format.height()));
    };
    const QSize fitted = shownSize();
    QVERIFY(resizePicture(m_text->document(), 0, PictureSize::Half, m_box->pictureFitWidth()));
    QCOMPARE(shownSize(), fitted / 2); // half of what shows: smaller, never larger
    QVERIFY(resizePicture(m_text->document(), 0, PictureSize::Full, m_box->pictureFitWidth()));
    QCOMPARE(shownSize(), QSize(1200, 600));
    QVERIFY(resizePicture(m_text->document(), 0, PictureSize::Half, m_box->pictureFitWidth()));
    QCOMPARE(shownSize(), QSize(600, 300));
    QVERIFY(resizePicture(m_text->document(), 0, PictureSize::FitWidth, m_box->pictureFitWidth()));
    QCOMPARE(shownSize().width(), m_box->pictureFitWidth());
    Problem error;
    const QString copy = pictureCopy(*m_text->document(), 0, &error);
    QVERIFY2(QImage(copy).size() == QSize(1200, 600), qPrintable(error.english()));
    QFile::remove(copy);
    QVERIFY(!m_box->popUpPictureMenu(
        m_box->viewport()->mapToGlobal(QPoint(m_box->viewport()->width() - 2, m_box->viewport()->height() - 2))));

    // Copied and pasted into another note, it keeps its bytes.
    m_box->selectAll();
    m_box->copy();
    NoteText other;
    NoteTextBox otherBox;
    otherBox.showText(&other);
    otherBox.paste();
    const QByteArray rtf = m_text->rtf();
    const qsizetype pict = rtf.indexOf("{\\pict");
    QVERIFY(other.rtf().contains(rtf.mid(pict, rtf.indexOf('}', pict) - pict + 1)));
}

QTEST_MAIN(TestNoteTextBox)
#include "tst_notetextbox.moc"
