// The message box the program shows when its error log cannot be written.
#include "app/logerrorbox.h"
#include "support/errorlog.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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
    QString title;
    QString text;
    int shown = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++shown;
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    poll.start(20);
    logError(QStringLiteral("modNote: SaveNote"), 75, QStringLiteral("Path/File access error"));
    poll.stop();
    QCOMPARE(shown, 1);
    QCOMPARE(title, QStringLiteral("Log Error"));
    QCOMPARE(text, QStringLiteral("There was an error in creating an error log entry"));
}

QTEST_MAIN(TestLogErrorBox)
#include "tst_logerrorbox.moc"
