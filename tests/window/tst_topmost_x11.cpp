// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a real X server with a window manager: the on-top hint must reach the window
// manager as _NET_WM_STATE_ABOVE and go away again, on the same native window.
#include "freshfolders.h"
#include "window/windowhelpers.h"
#include "xtools.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

using namespace jotlet;

class TestTopMostX11 : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFromEmptyFolders(); }
    void initTestCase();
    void toggleAboveOnFramelessWindow();
};

void TestTopMostX11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void TestTopMostX11::toggleAboveOnFramelessWindow()
{
    QWidget note(nullptr, Qt::Window | Qt::FramelessWindowHint);
    note.setWindowTitle(QStringLiteral("Jotlet - topmost.not"));
    note.setGeometry(100, 100, 200, 160);
    note.show();
    QVERIFY(QTest::qWaitForWindowExposed(&note));
    const WId id = note.winId();
    const QWindow* handle = note.windowHandle();
    QVERIFY(!wmState(id).contains(QLatin1String("_NET_WM_STATE_ABOVE")));

    QVERIFY(setStaysOnTop(&note, true));
    QTRY_VERIFY_WITH_TIMEOUT(wmState(id).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
    QCOMPARE(note.winId(), id);
    QCOMPARE(note.windowHandle(), handle);

    QVERIFY(setStaysOnTop(&note, false));
    QTRY_VERIFY_WITH_TIMEOUT(!wmState(id).contains(QLatin1String("_NET_WM_STATE_ABOVE")), 5000);
    QCOMPARE(note.winId(), id);
    QVERIFY(note.isVisible());
    QVERIFY(note.windowFlags().testFlag(Qt::FramelessWindowHint));
}

QTEST_MAIN(TestTopMostX11)
#include "tst_topmost_x11.moc"
