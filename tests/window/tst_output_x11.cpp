// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A note handed to the desktop's mail program and to a real print queue. The mail program is a stand-in registered
// for mailto: in this test's own XDG folders; the print queue is the CUPS PDF queue the test command sets up
// (JOTLET_CUPS_QUEUE), skipped when there is none.
#include "dialogs/currentprinter.h"
#include "dialogs/qtdialogs.h"
#include "fakedialogs.h"
#include "freshfolders.h"
#include "note/mailto.h"
#include "note/note.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "testdata.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

class TestOutputX11 : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFromEmptyFolders(); }
    void initTestCase() { setNotePrinting(&qtNotePrinting()); } // on Qt's printer, answered by FakeDialogs
    void mailProgramReceivesTheEncodedNote();
    void ctrlPInTheNotePrintsIt();
    void printsToACupsQueue();
};

void TestOutputX11::mailProgramReceivesTheEncodedNote()
{
    // A mail program that writes the address it is given to a file.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString received = QDir(data).filePath(QStringLiteral("received.txt"));
    const QString script = QDir(data).filePath(QStringLiteral("fakemail.sh"));
    QDir().mkpath(data + QStringLiteral("/applications"));
    QFile program(script);
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(received).toUtf8());
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile entry(data + QStringLiteral("/applications/fakemail.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Fake Mail\nExec=%1 %u\n"
                               "MimeType=x-scheme-handler/mailto;\n")
                    .arg(script)
                    .toUtf8());
    entry.close();
    runTool(QStringLiteral("xdg-mime"),
            {QStringLiteral("default"), QStringLiteral("fakemail.desktop"), QStringLiteral("x-scheme-handler/mailto")});

    Note note;
    const QString text = QString::fromUtf8("Caf\u00e9 \u20ac5: 50% off?\r\na+b & c/d");
    note.text().setText(text);
    note.run(Command::EmailNote);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
    QTest::qWait(200);
    QCOMPARE(QString::fromUtf8(fileBytes(received)), mailtoAddress(text).url);
    QCOMPARE(
        mailtoAddress(text).url,
        QStringLiteral("mailto:?subject=Jotlet%20Note&Body=Caf%C3%A9%20%E2%82%AC5%3A%2050%25%20off%3F%0D%0Aa+b%20%26"
                       "%20c%2Fd"));
}

void TestOutputX11::ctrlPInTheNotePrintsIt()
{
    // Typed into the note in front, Ctrl+P asks for the printer and prints there, through the program's printing
    // module.
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("typed.pdf"));
    QPrinter* printer = currentPrinter();
    QVERIFY2(printer, "the printing module did not load");
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    FakeDialogs dialogs;
    dialogs.printerAnswer = true;
    NoteBoard board;
    NoteWindow* window = nullptr;
    board.setViewFactory([&window](Note* note) { window = new NoteWindow(note); });
    Note* note = board.createNote();
    note->setSaveNewNoteOnClose(false);
    note->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    typeInto(QString::number(window->winId()), QStringLiteral("printed from the keyboard"));
    QTRY_COMPARE_WITH_TIMEOUT(note->text().text(), QStringLiteral("printed from the keyboard"), 5000);
    pressKeys(QStringLiteral("ctrl+p"));
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.printerDialogs, 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(fileBytes(pdf).startsWith("%PDF"), 10000);
    QVERIFY(dialogs.criticals.isEmpty());
    note->discard();
}

namespace {

// The end of the private CUPS server's log when a job failed there (a filter that could not run), else "".
QString failedPrintJob()
{
    const QStringList lines = QString::fromLocal8Bit(fileBytes(qEnvironmentVariable("JOTLET_CUPS_LOG")))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const bool failed = std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return line.contains(QLatin1String("[Job "))
               && (line.contains(QLatin1String("Filter failed")) || line.contains(QLatin1String("stopped with status"))
                   || line.contains(QLatin1String("Job stopped")));
    });
    return failed ? QStringLiteral("the print job failed; the CUPS log ends:\n")
                        + lines.mid(lines.size() - 15).join(QLatin1Char('\n'))
                  : QString();
}

} // namespace

void TestOutputX11::printsToACupsQueue()
{
    const QString queue = qEnvironmentVariable("JOTLET_CUPS_QUEUE");
    if (queue.isEmpty()) {
        QSKIP("no CUPS queue was set up for this run (JOTLET_CUPS_QUEUE)");
    }
    const QDir output(QDir::homePath() + QStringLiteral("/PDF"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QPrinter& printer = *currentPrinter();
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setOutputFileName(QString());
    printer.setPrinterName(queue);
    QCOMPARE(printer.printerName(), queue);
    Note note;
    note.text().setText(QStringLiteral("Printed through CUPS"));
    FakeDialogs dialogs;
    dialogs.printerAnswer = true;
    note.run(Command::PrintNote);
    QVERIFY(dialogs.criticals.isEmpty());
    QString printed;
    QString failure;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const QFileInfo& file : output.entryInfoList({QStringLiteral("Jotlet_Note*.pdf")}, QDir::Files)) {
                if (file.lastModified() >= before) {
                    printed = file.filePath();
                }
            }
            failure = failedPrintJob();
            return !printed.isEmpty() || !failure.isEmpty();
        }(),
        60000);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QTRY_VERIFY_WITH_TIMEOUT(fileBytes(printed).startsWith("%PDF") && fileBytes(printed).contains("%%EOF"), 10000);
    QFile::remove(printed);
}

QTEST_MAIN(TestOutputX11)
#include "tst_output_x11.moc"
