// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Import, export and restore as a person reaches them on a real X server: a right click in a note, "Notes In and
// Out" and the item by its letter, then the window's button or Enter.
#include "dialogs/qtdialogs.h"
#include "freshfolders.h"
#include "manager/backupwindow.h"
#include "manager/exportwindow.h"
#include "manager/importwindow.h"
#include "manager/notesinout.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/backups.h"
#include "samplenotes.h"
#include "support/appinfo.h"
#include "testdata.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

class TestNotesInOutX11 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exportFromTheMenu();
    void restoreFromTheMenu();
    void importFromTheMenu();

private:
    void chooseFromMenu(const QString& letter);
    NoteBoard m_board;
    NoteWindow* m_window = nullptr;
    Note* m_note = nullptr;
};

namespace {

void xdotool(const QStringList& arguments)
{
    runTool(QStringLiteral("xdotool"), arguments);
}

void click(QWidget* widget)
{
    QVERIFY(QTest::qWaitForWindowExposed(widget->window()));
    QTest::qWait(300); // placed by the window manager
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

QStringList noteTexts(const NoteBoard& board)
{
    QStringList texts;
    for (Note* note : board.notes()) {
        texts << note->text().text().trimmed();
    }
    return texts;
}

} // namespace

void TestNotesInOutX11::init()
{
    startFromEmptyFolders();
    m_board.setViewFactory([this](Note* note) { m_window = new NoteWindow(note); });
    m_board.setNotesWindowOpener([this](Command command, Note* note) { openNotesWindow(command, note, m_board); });
    m_note = m_board.createNote();
    m_note->setSaveNewNoteOnClose(false);
    m_note->setGeometry(QRect(1500, 1500, 6000, 4500));
    m_note->text().setText(QStringLiteral("kumquat jam"));
    m_note->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QTest::qWait(200);
}

void TestNotesInOutX11::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().startsWith(QLatin1String("frm"))) {
            window->close();
        }
    }
    for (Note* note : m_board.notes()) {
        note->setSaveNewNoteOnClose(false);
        note->discard();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A right click in the note's text, then "Notes Away and Back" and the item by its letter.
void TestNotesInOutX11::chooseFromMenu(const QString& letter)
{
    NoteTextBox* box = m_window->textBox();
    const QPoint at
        = box->viewport()->mapToGlobal(QPoint(box->viewport()->width() / 2, box->viewport()->height() - 10));
    xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("3")});
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 5000);
    xdotool({QStringLiteral("key"), QStringLiteral("y")});
    QTest::qWait(300);
    xdotool({QStringLiteral("key"), letter});
}

void TestNotesInOutX11::exportFromTheMenu()
{
    QTemporaryDir target;
    chooseFromMenu(QStringLiteral("e"));
    QTRY_VERIFY_WITH_TIMEOUT(ExportWindow::current() && ExportWindow::current()->isVisible(), 5000);
    auto* folder = ExportWindow::current()->findChild<QLineEdit*>(QStringLiteral("txtExportFolder"));
    click(folder);
    QTRY_VERIFY(folder->hasFocus());
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("10"), target.path()});
    QTRY_COMPARE(folder->text(), target.path());
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QTRY_VERIFY(QFileInfo::exists(target.filePath(QStringLiteral("kumquat jam.md"))));
    QVERIFY(fileBytes(target.filePath(QStringLiteral("kumquat jam.md"))).contains("kumquat jam"));
}

void TestNotesInOutX11::restoreFromTheMenu()
{
    Problem problem;
    Backups backups(Backups::folderIn(dataFolder()));
    QVERIFY(Backups::write({sampleNote(QStringLiteral("plum from yesterday")), sampleNote(QStringLiteral("fig"))},
                           backups.pathFor(QDate::currentDate().addDays(-1)),
                           &problem));
    chooseFromMenu(QStringLiteral("r"));
    QTRY_VERIFY_WITH_TIMEOUT(BackupWindow::current() && BackupWindow::current()->isVisible(), 5000);
    QCOMPARE(BackupWindow::current()->notes()->count(), 2);
    click(BackupWindow::current()->findChild<QPushButton*>(QStringLiteral("btnRestoreAll")));
    QTRY_COMPARE(m_board.count(), 3);
    QVERIFY(noteTexts(m_board).contains(QStringLiteral("plum from yesterday")));
    QVERIFY(noteTexts(m_board).contains(QStringLiteral("kumquat jam")));
}

void TestNotesInOutX11::importFromTheMenu()
{
    // Xpad's notes where Xpad keeps them for this user.
    const QString xpad
        = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/xpad");
    QVERIFY(QDir().mkpath(xpad));
    for (const QString& name : QDir(testDataPath(QStringLiteral("import/xpad"))).entryList(QDir::Files)) {
        QVERIFY(QFile::copy(testDataPath(QStringLiteral("import/xpad/")) + name, xpad + QLatin1Char('/') + name));
    }
    chooseFromMenu(QStringLiteral("i"));
    QTRY_VERIFY_WITH_TIMEOUT(ImportWindow::current() && ImportWindow::current()->isVisible(), 5000);
    QTRY_COMPARE(ImportWindow::current()->notes()->count(), 2);
    click(ImportWindow::current()->findChild<QPushButton*>(QStringLiteral("btnImport")));
    QTRY_COMPARE(m_board.count(), 3);
    QVERIFY2(noteTexts(m_board).join(QLatin1Char('|')).contains(QLatin1String("Dentist")),
             qPrintable(noteTexts(m_board).join(QLatin1Char('|'))));
    // A second time, nothing more comes in.
    click(ImportWindow::current()->findChild<QPushButton*>(QStringLiteral("btnImport")));
    QTest::qWait(500);
    QCOMPARE(m_board.count(), 3);
}

QTEST_MAIN(TestNotesInOutX11)
#include "tst_notesinout_x11.moc"
