// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/desktop.h"
#include "urlcatcher.h"
#include "window/windowhelpers.h"

#include <QTest>
#include <QUrl>
#include <QWidget>
#include <QWindow>

using namespace jotlet;

class TestWindowHelpers : public QObject
{
    Q_OBJECT

private slots:
    void topMostModes_data();
    void topMostModes();
    void topMostBeforeShow();
    void desktopUrls_data();
    void desktopUrls();
    void shellOpenHandsOver();
};

void TestWindowHelpers::topMostModes_data()
{
    QTest::addColumn<bool>("onTop");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestWindowHelpers::topMostModes()
{
    QFETCH(bool, onTop);
    QWidget note(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    note.setGeometry(40, 50, 160, 140);
    note.show();
    QVERIFY(QTest::qWaitForWindowExposed(&note));
    const WId id = note.winId();
    const QRect geometry = note.geometry();
    QVERIFY(setStaysOnTop(&note, onTop));
    QCOMPARE(note.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QCOMPARE(note.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    QVERIFY(note.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(note.winId(), id); // not recreated
    QCOMPARE(note.geometry(), geometry);
    QVERIFY(note.isVisible());
    QVERIFY(!setStaysOnTop(nullptr, true));
}

void TestWindowHelpers::topMostBeforeShow()
{
    QWidget note(nullptr, Qt::Window | Qt::FramelessWindowHint);
    QVERIFY(setStaysOnTop(&note, true));
    note.show();
    QVERIFY(QTest::qWaitForWindowExposed(&note));
    QVERIFY(note.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestWindowHelpers::desktopUrls_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("https") << "https://example.org/a?b=c#d"
                           << ""
                           << "https://example.org/a?b=c#d";
    QTest::newRow("mailto") << "mailto:ann@example.org?subject=Hi"
                            << ""
                            << "mailto:ann@example.org?subject=Hi";
    QTest::newRow("absolute file") << "/tmp/a b.not"
                                   << ""
                                   << "file:///tmp/a b.not";
    QTest::newRow("relative file in folder") << "a.not"
                                             << "/home/ann"
                                             << "file:///home/ann/a.not";
    QTest::newRow("windows separators") << "/tmp\\x\\a.not"
                                        << ""
                                        << "file:///tmp/x/a.not";
}

void TestWindowHelpers::desktopUrls()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(jotlet::desktopUrlFor(file, folder).toString(), expected);
}

void TestWindowHelpers::shellOpenHandsOver()
{
    UrlCatcher catcher;
    QVERIFY(openWithDesktop(QStringLiteral("https://example.org/notes")));
    QVERIFY(!openWithDesktop(QString()));
    QCOMPARE(catcher.urls, QList<QUrl> {QUrl(QStringLiteral("https://example.org/notes"))});
}

QTEST_MAIN(TestWindowHelpers)
#include "tst_windowhelpers.moc"
