// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The note window's rules that need no window: counts, titles, start-up sources, snapping and screen places.
#include "note/notelogic.h"
#include "window/edgesnapper.h"

#include <QTest>

using namespace jotlet;

class TestNoteLogic : public QObject
{
    Q_OBJECT

private slots:
    void wordCount_data();
    void wordCount();
    void snapping_data();
    void snapping();
    void dragNeverCompounds();
    void keepOnScreen_data();
    void keepOnScreen();
    void captions();
    void cascade_data();
    void cascade();
};

void TestNoteLogic::wordCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("two words") << "two words" << 2;
    QTest::newRow("one word") << "one" << 1;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("two spaces between words") << "two  words" << 2;
    QTest::newRow("words on two lines") << "one\r\ntwo" << 2;
    QTest::newRow("blanks and tabs around") << " \tone two\t " << 2;
    QTest::newRow("five lines of eight words") << QStringLiteral("a b c d e f g h\r\n").repeated(5) << 40;
    QTest::newRow("a dash alone is no word") << "this - that" << 2;
    QTest::newRow("apostrophe and digits") << "don't buy 12 eggs" << 4;
    QTest::newRow("accented letters") << "Grüße aus Köln" << 3;
    QTest::newRow("blank lines only") << "\r\n\r\n" << 0;
}

void TestNoteLogic::wordCount()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    QCOMPARE(countWords(text), words);
}

void TestNoteLogic::snapping_data()
{
    // 15 twips per pixel, snap distance 20 pixels (300 twips); work area 0,0 - 1280x760 pixels.
    QTest::addColumn<QRect>("window"); // pixels
    QTest::addColumn<QPoint>("move");  // pixels
    QTest::addColumn<bool>("stuckLeft");
    QTest::addColumn<QPoint>("expected"); // pixels
    QTest::addColumn<bool>("stuckLeftAfter");
    QTest::newRow("19 px from the left snaps")
        << QRect(100, 300, 155, 139) << QPoint(-81, 0) << false << QPoint(0, 300) << true;
    QTest::newRow("20 px from the left snaps (equal distance)")
        << QRect(100, 300, 155, 139) << QPoint(-80, 0) << false << QPoint(0, 300) << true;
    QTest::newRow("21 px from the left moves freely")
        << QRect(100, 300, 155, 139) << QPoint(-79, 0) << false << QPoint(21, 300) << false;
    QTest::newRow("stuck, pulled 20 px: holds")
        << QRect(0, 300, 155, 139) << QPoint(20, 5) << true << QPoint(0, 305) << true;
    QTest::newRow("stuck, pulled 21 px: free")
        << QRect(0, 300, 155, 139) << QPoint(21, 0) << true << QPoint(21, 300) << false;
    QTest::newRow("near the bottom sits on it")
        << QRect(500, 600, 155, 139) << QPoint(0, 10) << false << QPoint(500, 760 - 139) << false;
    QTest::newRow("taller than the work area goes to the top")
        << QRect(500, 5, 155, 770) << QPoint(0, 1) << false << QPoint(500, 0) << false;
    QTest::newRow("near both sides goes to the left")
        << QRect(5, 300, 1270, 139) << QPoint(1, 0) << false << QPoint(0, 300) << true;
}

void TestNoteLogic::snapping()
{
    QFETCH(QRect, window);
    QFETCH(QPoint, move);
    QFETCH(bool, stuckLeft);
    QFETCH(QPoint, expected);
    QFETCH(bool, stuckLeftAfter);
    const auto twips = [](const QRect& r) { return QRect(r.x() * 15, r.y() * 15, r.width() * 15, r.height() * 15); };
    DockStep step;
    step.window = twips(window);
    step.workArea = twips(QRect(0, 0, 1280, 760));
    step.dx = move.x() * 15;
    step.dy = move.y() * 15;
    DockEdges edges;
    edges.left = stuckLeft;
    const QPoint result = dockPosition(step, 300, &edges);
    QCOMPARE(QPoint(result.x() / 15, result.y() / 15), expected);
    QCOMPARE(edges.left, stuckLeftAfter);
}

void TestNoteLogic::dragNeverCompounds()
{
    // 100 pointer steps of 45 by 30 twips while the window system never moves the window: each place comes from
    // where the press started, so the last is the press place plus the whole way, not a sum of sums.
    DragPlan plan;
    DockEdges edges;
    const QRect window(3000, 3000, 2325, 2085);
    plan.start(window, QPoint(3500, 3100), QRect(0, 0, 19200, 12000));
    QPoint place;
    for (int step = 1; step <= 100; ++step) {
        place = plan.placeFor(QPoint(3500 + 45 * step, 3100 + 30 * step), 300, &edges);
    }
    QCOMPARE(place, QPoint(3000 + 4500, 3000 + 3000));
    QCOMPARE(plan.placeFor(QPoint(3500 + 4500, 3100 + 3000), 300, &edges), place); // the same pointer, the same place
}

void TestNoteLogic::keepOnScreen_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("expected");
    const QList<QRect> screens = {QRect(0, 0, 1280, 760), QRect(1280, 0, 1024, 768)};
    QTest::newRow("visible stays") << QRect(100, 100, 155, 139) << QPoint(100, 100);
    QTest::newRow("partly visible stays") << QRect(-100, -50, 155, 139) << QPoint(-100, -50);
    QTest::newRow("on the second screen stays") << QRect(2000, 300, 155, 139) << QPoint(2000, 300);
    QTest::newRow("monitor gone to the right") << QRect(3000, 300, 155, 139) << QPoint(2304 - 155, 300);
    QTest::newRow("far above") << QRect(200, -5000, 155, 139) << QPoint(200, 0);
    QTest::newRow("beyond a smaller resolution") << QRect(500, 900, 155, 139) << QPoint(500, 760 - 139);
}

void TestNoteLogic::keepOnScreen()
{
    QFETCH(QRect, window);
    QFETCH(QPoint, expected);
    QCOMPARE(jotlet::keepOnScreen(window, {QRect(0, 0, 1280, 760), QRect(1280, 0, 1024, 768)}), expected);
}

void TestNoteLogic::captions()
{
    QCOMPARE(noteTitle(QStringLiteral("/home/ann/a.not"), true), QStringLiteral("Jotlet - a.not *"));
    QCOMPARE(noteTitle(QString(), true), QStringLiteral("Jotlet *"));
    QCOMPARE(subCaptionText(NoteFilename, {}, 0, 0, QString()), QStringLiteral("File: "));
    QCOMPARE(subCaptionText(WordCount, {}, 3, 0, QString()), QStringLiteral("Word Count: 3"));
    QCOMPARE(shownCharacterCount(40, 5), 21);
    QCOMPARE(rollUpTooltip(QStringLiteral("Buy milk\r\nCall Anna about the trip to Berlin")),
             QStringLiteral("Buy milk Call Anna about the trip "));
    QCOMPARE(limitedSize(QSize(300, 200)), QSize(500, 425));
}

void TestNoteLogic::cascade_data()
{
    // A 4000 x 3000 twips note in a 19200 x 11400 twips work area; steps of 300 twips.
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QList<QPoint>>("taken");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("free") << QPoint(6000, 4000) << QList<QPoint> {{1000, 1000}} << QPoint(6000, 4000);
    QTest::newRow("exactly taken") << QPoint(6000, 4000) << QList<QPoint> {{6000, 4000}} << QPoint(6300, 4300);
    QTest::newRow("a pixel off is the same place")
        << QPoint(6000, 4000) << QList<QPoint> {{6015, 3985}} << QPoint(6300, 4300);
    QTest::newRow("a cascade already there")
        << QPoint(6000, 4000) << QList<QPoint> {{6000, 4000}, {6300, 4300}, {6600, 4600}} << QPoint(6900, 4900);
    QTest::newRow("at the bottom right: starts over at the top")
        << QPoint(15200, 8400) << QList<QPoint> {{15200, 8400}} << QPoint(300, 0);
}

void TestNoteLogic::cascade()
{
    QFETCH(QPoint, wanted);
    QFETCH(QList<QPoint>, taken);
    QFETCH(QPoint, place);
    QCOMPARE(cascadePlace(QRect(wanted, QSize(4000, 3000)), taken, QRect(0, 0, 19200, 11400)), place);
}

QTEST_GUILESS_MAIN(TestNoteLogic)
#include "tst_notelogic.moc"
