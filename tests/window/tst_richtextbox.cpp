#include "urlcatcher.h"
#include "window/links.h"
#include "window/richtextbox.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QUrl>

using namespace jotlet;

class TestRichTextBox : public QObject
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
    void fileDropIsReported();

private:
    RichTextBox* m_box = nullptr;
    UrlCatcher m_catcher;
};

void TestRichTextBox::init()
{
    m_box = new RichTextBox;
    m_box->setFontName(QStringLiteral("DejaVu Sans"));
    m_box->setFontSize(10);
    m_box->resize(400, 300);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box));
    m_catcher.urls.clear();
    for (const char* scheme : {"http", "https", "ftp", "mailto", "javascript", "file"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "open");
    }
}

void TestRichTextBox::cleanup()
{
    for (const char* scheme : {"http", "https", "ftp", "mailto", "javascript", "file"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    delete m_box;
}

void TestRichTextBox::typingFormatWithEmptySelection()
{
    m_box->setSelBold(true);
    m_box->setSelColor(0x0000FF); // red as 0x00BBGGRR
    m_box->setSelFontSize(14);
    QTest::keyClicks(m_box, "bold");
    m_box->setSelBold(false);
    m_box->setSelText(QStringLiteral(" plain"));
    QCOMPARE(m_box->Text(), QStringLiteral("bold plain"));
    QTextCursor c(m_box->document());
    c.setPosition(2);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0));
    QCOMPARE(c.charFormat().fontPointSize(), 14.0);
    c.setPosition(8);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0)); // still the chosen colour
}

void TestRichTextBox::selTextReplacesAndLeavesCaretAfter()
{
    m_box->setText(QStringLiteral("hello world"));
    m_box->setSelStart(6);
    m_box->setSelLength(5);
    QCOMPARE(m_box->SelText(), QStringLiteral("world"));
    m_box->setSelText(QStringLiteral("notes"));
    QCOMPARE(m_box->Text(), QStringLiteral("hello notes"));
    QCOMPARE(m_box->SelStart(), 11);
    QCOMPARE(m_box->SelLength(), 0);
    m_box->setSelStart(0);
    m_box->setSelText(QStringLiteral(">> "));
    QCOMPARE(m_box->Text(), QStringLiteral(">> hello notes"));
    QCOMPARE(m_box->SelStart(), 3);
    m_box->setSelStart(1000); // past the end: clamped
    QCOMPARE(m_box->SelStart(), 14);
}

void TestRichTextBox::selectionProperties()
{
    m_box->setText(QStringLiteral("one two"));
    m_box->setSelStart(4);
    m_box->setSelLength(3);
    m_box->setSelItalic(true);
    m_box->setSelUnderline(true);
    m_box->setSelStrikeThru(true);
    QVERIFY(m_box->SelItalic() && m_box->SelUnderline() && m_box->SelStrikeThru());
    m_box->setSelStart(1);
    QVERIFY(!m_box->SelItalic());
    QCOMPARE(m_box->SelFontSize(), 10.0);
    QCOMPARE(m_box->SelColor(), 0u);
}

void TestRichTextBox::paragraphProperties()
{
    m_box->setText(QStringLiteral("a\nb\nc"));
    m_box->setSelStart(0);
    m_box->setSelLength(3); // a and b
    m_box->setSelAlignment(2);
    m_box->setSelIndent(720);
    m_box->setSelBullet(true);
    QCOMPARE(m_box->SelAlignment(), 2);
    QCOMPARE(m_box->SelIndent(), 720);
    QVERIFY(m_box->SelBullet());
    QTextDocument* doc = m_box->document();
    QVERIFY(doc->findBlockByNumber(1).textList());
    QVERIFY(!doc->findBlockByNumber(2).textList());
    QCOMPARE(doc->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    m_box->setSelBullet(false);
    QVERIFY(!doc->findBlockByNumber(0).textList());
    QVERIFY(!doc->findBlockByNumber(1).textList());
    m_box->setSelAlignment(1);
    QCOMPARE(m_box->SelAlignment(), 1);
}

void TestRichTextBox::textUsesCrLf()
{
    m_box->setText(QStringLiteral("line one\r\nline two\nthree"));
    QCOMPARE(m_box->document()->blockCount(), 3);
    QCOMPARE(m_box->Text(), QStringLiteral("line one\r\nline two\r\nthree"));
    m_box->setText(QString());
    QCOMPARE(m_box->Text(), QString());
}

void TestRichTextBox::lockedStopsOnlyTheUser()
{
    m_box->setText(QStringLiteral("12:00:00"));
    m_box->setLocked(true);
    m_box->setFocus();
    QTest::keyClicks(m_box, "typed");
    QTest::keyClick(m_box, Qt::Key_Backspace);
    QCOMPARE(m_box->Text(), QStringLiteral("12:00:00"));
    m_box->setSelStart(0);
    m_box->setSelLength(8);
    m_box->setSelText(QStringLiteral("12:00:01"));
    QCOMPARE(m_box->Text(), QStringLiteral("12:00:01"));
    m_box->setLocked(false);
    m_box->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_box, "!");
    QCOMPARE(m_box->Text(), QStringLiteral("12:00:01!"));
}

void TestRichTextBox::rtfRoundTripAndChangeSignal()
{
    QSignalSpy changes(m_box, &RichTextBox::Change);
    const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\b Title\\b0\\par\\pard body\\par}";
    QVERIFY(m_box->setTextRTF(rtf));
    QVERIFY(changes.count() >= 1);
    QCOMPARE(m_box->Text(), QStringLiteral("Title\r\nbody"));
    QCOMPARE(m_box->document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QByteArray written = m_box->TextRTF();
    RichTextBox other;
    other.setFontName(m_box->FontName());
    other.setFontSize(m_box->FontSize());
    QVERIFY(other.setTextRTF(written));
    QCOMPARE(other.TextRTF(), written);
    QCOMPARE(other.Text(), m_box->Text());
}

void TestRichTextBox::findLinks_data()
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

void TestRichTextBox::findLinks()
{
    QFETCH(QString, text);
    QFETCH(QStringList, urls);
    QStringList found;
    for (const TextLink& link : jotlet::findLinks(text)) {
        found << link.url;
    }
    QCOMPARE(found, urls);
}

void TestRichTextBox::clickOpensOnlySafeLinks_data()
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

void TestRichTextBox::clickOpensOnlySafeLinks()
{
    QFETCH(QString, text);
    QFETCH(QString, opened);
    m_box->setText(text);
    QTextCursor at(m_box->document());
    at.setPosition(3);
    const QPoint point = m_box->cursorRect(at).center();
    QTest::mouseClick(m_box->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    const QList<QUrl> expected = opened.isEmpty() ? QList<QUrl> {} : QList<QUrl> {QUrl(opened)};
    QCOMPARE(m_catcher.urls, expected);
}

void TestRichTextBox::linksAreNotWrittenToRtf()
{
    m_box->setText(QStringLiteral("go to https://example.org now"));
    const QByteArray rtf = m_box->TextRTF();
    QVERIFY(rtf.contains("https://example.org"));
    QVERIFY(!rtf.contains("\\ul"));
    QVERIFY(!rtf.contains("\\cf1"));
    QVERIFY(!rtf.contains("HYPERLINK"));
}

void TestRichTextBox::fileDropIsReported()
{
    m_box->setText(QStringLiteral("before"));
    QSignalSpy dropped(m_box, &RichTextBox::FilesDropped);
    // Pasting goes through the same path as a drop.
    auto* files = new QMimeData;
    files->setUrls(
        {QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")), QUrl::fromLocalFile(QStringLiteral("/tmp/b.txt"))});
    QGuiApplication::clipboard()->setMimeData(files);
    m_box->paste();
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(dropped.first().first().toStringList(), (QStringList {"/tmp/a.txt", "/tmp/b.txt"}));
    QCOMPARE(m_box->Text(), QStringLiteral("before"));
}

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
