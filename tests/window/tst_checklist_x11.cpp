// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Checklists on a real X server, as a person ticks them: boxes clicked with the mouse (each click ticks or unticks
// its own item once, however the clicks follow each other), Ctrl+Enter, a strike-through of the user's own kept
// through a tick and an untick, and a checklist on the note's first line coming back whole from its file.
#include "note/noteboard.h"
#include "note/notetext.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QStyleHints>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace jotlet;

namespace {

// What a checklist shows: each item's text, its box ("x" ticked, "o" not) and its look (struck, plain, or "mixed").
QString checklistState(const QTextDocument& doc)
{
    QStringList items;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        int struck = 0;
        int grey = 0;
        int fragments = 0;
        for (auto it = block.begin(); !it.atEnd(); ++it, ++fragments) {
            struck += it.fragment().charFormat().fontStrikeOut() ? 1 : 0;
            grey += it.fragment().charFormat().foreground().color() == QColor(128, 128, 128) ? 1 : 0;
        }
        const QString look = struck == fragments && grey == fragments ? QStringLiteral("struck")
                             : struck == 0 && grey == 0               ? QStringLiteral("plain")
                                                                      : QStringLiteral("mixed");
        const bool ticked = block.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked;
        items << block.text() + (ticked ? QStringLiteral(":x ") : QStringLiteral(":o ")) + look;
    }
    return items.join(QStringLiteral(", "));
}

void xdotool(const QStringList& arguments)
{
    runTool(QStringLiteral("xdotool"), arguments);
}

} // namespace

class TestChecklistX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void boxesAndKeys_data();
    void boxesAndKeys();
    void firstLineChecklistComesBack();

private:
    QTextBlock item(const QString& name) const;
    void clickBox(const QTextBlock& block);

    NoteBoard m_board;
    Note* m_note = nullptr;
    NoteWindow* m_window = nullptr;
};

void TestChecklistX11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        QSKIP("needs the X server the test command starts");
    }
}

void TestChecklistX11::init()
{
    m_board.setViewFactory([this](Note* note) { m_window = new NoteWindow(note); });
    m_note = m_board.createNote();
    m_note->setSaveNewNoteOnClose(false);
    m_note->setGeometry(QRect(4500, 3000, 4500, 3500));
    m_note->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestChecklistX11::cleanup()
{
    m_note->discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTextBlock TestChecklistX11::item(const QString& name) const
{
    for (QTextBlock block = m_note->text().document()->begin(); block.isValid(); block = block.next()) {
        if (block.text() == name) {
            return block;
        }
    }
    return {};
}

void TestChecklistX11::clickBox(const QTextBlock& block)
{
    // The item's box, left of its text, clicked as a person clicks it.
    NoteTextBox* box = m_window->textBox();
    QAbstractTextDocumentLayout* layout = box->document()->documentLayout();
    const QRectF line = layout->blockBoundingRect(block);
    const qreal textStart = block.layout()->lineAt(0).x();
    QPoint at;
    for (int x = int(line.left() + textStart) - 2; x > int(line.left()) && at.isNull(); x -= 2) {
        if (layout->blockWithMarkerAt(QPointF(x, line.center().y())) == block) {
            at = QPoint(x, int(line.center().y()));
        }
    }
    QVERIFY(!at.isNull());
    const QPoint global = box->viewport()->mapToGlobal(at);
    xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100); // one click, not a double
}

void TestChecklistX11::boxesAndKeys_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("steps"); // "click X", "key X" (Ctrl+Enter in X), "strike X" (the user's own)
    QTest::addColumn<QString>("expected");
    QTest::newRow("three boxes clicked") << QStringList {"Eggs", "Flour", "Sugar"}
                                         << QStringList {"click Flour", "click Eggs", "click Sugar"}
                                         << "Eggs:x struck, Flour:x struck, Sugar:x struck";
    QTest::newRow("one clicked twice") << QStringList {"Eggs", "Flour"}
                                       << QStringList {"click Flour", "click Eggs", "click Flour"}
                                       << "Eggs:x struck, Flour:o plain";
    QTest::newRow("a key, then a click on another")
        << QStringList {"One", "Two"} << QStringList {"key Two", "click One"} << "One:x struck, Two:x struck";
    QTest::newRow("the user's own strike-through stays")
        << QStringList {"Milk", "Tea"} << QStringList {"strike Milk", "click Milk", "click Milk"}
        << "Milk:o mixed, Tea:o plain";
}

void TestChecklistX11::boxesAndKeys()
{
    QFETCH(QStringList, items);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    // Typed and made a checklist with the keys.
    for (int i = 0; i < items.size(); ++i) {
        if (i > 0) {
            xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        }
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), items.at(i)});
    }
    xdotool(
        {QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("ctrl+shift+l"), QStringLiteral("ctrl+Home")});
    QTRY_COMPARE(checklistState(*m_note->text().document()).count(QLatin1String(":o plain")), items.size());
    for (const QString& step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QTextBlock block = item(step.section(QLatin1Char(' '), 1));
        QVERIFY(block.isValid());
        if (verb == QLatin1String("key")) {
            QTextCursor at(block);
            m_window->textBox()->setTextCursor(at);
            xdotool({QStringLiteral("key"), QStringLiteral("ctrl+Return")});
        } else if (verb == QLatin1String("strike")) {
            QTextCursor first(block); // the user strikes out its first two letters
            first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 2);
            QTextCharFormat struck;
            struck.setFontStrikeOut(true);
            first.mergeCharFormat(struck);
        } else {
            clickBox(block);
        }
        QTest::qWait(100);
    }
    QCOMPARE(checklistState(*m_note->text().document()), expected);
}

void TestChecklistX11::firstLineChecklistComesBack()
{
    // Ticked and unticked items from the note's first line, stored and opened again (a restart, a restore from the
    // trash, an open from Find all read the note this way).
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("Bread")});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("Jam")});
    xdotool({QStringLiteral("key"),
             QStringLiteral("ctrl+a"),
             QStringLiteral("ctrl+shift+l"),
             QStringLiteral("ctrl+Home"),
             QStringLiteral("ctrl+Return")});
    QTRY_COMPARE(checklistState(*m_note->text().document()), QStringLiteral("Bread:x struck, Jam:o plain"));
    const NoteRecord stored = m_note->record();
    Note* again = m_board.createNote(NoteOrigin::Kept);
    QVERIFY(again->setFromRecord(stored, QString()));
    QCOMPARE(checklistState(*again->text().document()), QStringLiteral("Bread:x struck, Jam:o plain"));
    QCOMPARE(again->text().document()->begin().textList(), again->text().document()->lastBlock().textList());
    QCOMPARE(again->record().data, stored.data); // and it is written back the same
    again->discard();
}

QTEST_MAIN(TestChecklistX11)
#include "tst_checklist_x11.moc"
