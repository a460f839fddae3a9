// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The about window's build text and its scrolling credits.
#include "dialogs/aboutwindow.h"

#include <QTest>

using namespace jotlet;

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void buildTextHasNoBlanksInTheVersion() { QCOMPARE(buildText(4, 5, 4), QStringLiteral("Build - 4.5.0.4")); }
    void creditsRiseWrapAndHide();
};

void TestAboutWindow::creditsRiseWrapAndHide()
{
    CreditScroller credits({2000, 2500});
    QVERIFY(credits.isVisible(0) && !credits.isVisible(1));
    for (int i = 0; i < 10; ++i) {
        credits.tick();
    }
    QVERIFY(credits.isVisible(1)); // 2000 twips: into the band
    for (int i = 10; i < 40; ++i) {
        credits.tick();
    }
    QCOMPARE(credits.top(0), 0); // after 40 ticks (four seconds) at the top of the band
    credits.tick();
    QCOMPARE(credits.top(0), 3000); // then below it again, hidden
    QVERIFY(!credits.isVisible(0));
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
