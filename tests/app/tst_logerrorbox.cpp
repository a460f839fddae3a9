// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The message box the program shows when its error log cannot be written.
#include "app/logerrorbox.h"
#include "support/errorlog.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>

using namespace jotlet;

class TestLogErrorBox : public QObject
{
    Q_OBJECT

private slots:
    void failureShowsMessageBox();
};

void TestLogErrorBox::failureShowsMessageBox()
{
    installLogErrorMessageBox();
    QVERIFY(QDir().mkpath(errorLogPath()));
    // Shown without waiting for a click, one box however many entries fail.
    logError(QStringLiteral("modNote: SaveNote"), 75, QStringLiteral("Path/File access error"));
    logError(QStringLiteral("modNote: SaveNote"), 75, QStringLiteral("Path/File access error"));
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            boxes << box;
        }
    }
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->windowTitle(), QStringLiteral("Log Error"));
    QCOMPARE(boxes.first()->text(), QStringLiteral("There was an error in creating an error log entry"));
    boxes.first()->accept();
}

QTEST_MAIN(TestLogErrorBox)
#include "tst_logerrorbox.moc"
