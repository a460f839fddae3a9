// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// A conflict note on a real X server, used as a person uses it: it opens beside its note while the user types there
// and leaves the keyboard where it was; its menu, opened with a right click or Shift+F10, shows the three choices,
// and each does what it says; what is typed into it is kept when the session ends.
#include "note/noteboard.h"
#include "note/notetext.h"
#include "notes/notefile.h"
#include "rtf/reader.h"
#include "samplenotes.h"
#include "sync/foldersync.h"
#include "window/notemenus.h"
#include "window/notetextbox.h"
#include "window/notewindow.h"
#include "xtools.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace jotlet;

namespace {

const QString kId = QStringLiteral("a1b2c3d4");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeVersion(const QString& path, const QString& text, const QStringList& parents)
{
    NoteRecord note = sampleNote(text, QStringLiteral("green"));
    note.identity = {kId, QStringLiteral("2026-12-07T09:00:00.000Z"), QStringLiteral("laptop"), parents};
    QFile file(path + QStringLiteral(".part"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(noteFileText({note}, QStringLiteral("1.0.0.1")).toUtf8());
    file.close();
    QFile::remove(path);
    QVERIFY(QFile::rename(file.fileName(), path));
}

QStringList folderTexts(const QString& folder)
{
    QStringList texts;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.not")}, QDir::Files)) {
        NoteList notes;
        NoteFileError error;
        const QString path = folder + QLatin1Char('/') + name;
        if (readNoteFileContent(readAll(path), path, &notes, &error) && !notes.isEmpty()) {
            texts << rtfToPlainText(storedRtfBytes(notes.first().data)).trimmed();
        }
    }
    texts.sort();
    return texts;
}

NoteWindow* windowOf(Note* note)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<NoteWindow*>(widget);
        if (window && window->note() == note) {
            return window;
        }
    }
    return nullptr;
}

void xdotool(const QStringList& arguments)
{
    runTool(QStringLiteral("xdotool"), arguments);
}

void clickAt(const QPoint& global, const QString& button = QStringLiteral("1"))
{
    xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    QTest::qWait(100);
    xdotool({QStringLiteral("click"), button});
}

} // namespace

class TestConflictX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void conflictArrivesWhileTyping();
    void menuChoices_data();
    void menuChoices();
    void typingIntoAConflictIsKeptAtTheEnd();

private:
    // The note open with "buy milk", changed here to "buy cheese" by keys, and "buy bread" arriving from the laptop.
    Note* conflictWhileTyping();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<NoteBoard> m_board;
    std::unique_ptr<FolderSync> m_sync;
    QString m_folder;
    Note* m_note = nullptr;
};

void TestConflictX11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        QSKIP("needs the X server the test command starts");
    }
}

void TestConflictX11::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->filePath(QStringLiteral("Notes"));
    QDir().mkpath(m_folder);
    QFile mark(m_folder + QLatin1Char('/') + NotesFolder::kMarkName);
    QVERIFY(mark.open(QIODevice::WriteOnly));
    writeVersion(m_folder + QLatin1Char('/') + kId + QStringLiteral(".not"), QStringLiteral("buy milk"), {});
    m_board = std::make_unique<NoteBoard>();
    m_board->setViewFactory([](Note* note) { new NoteWindow(note); });
    m_sync = std::make_unique<FolderSync>(
        *m_board, m_folder, m_dir->filePath(QStringLiteral("places.ini")), m_dir->filePath(QStringLiteral("versions")));
    QSignalSpy scanned(m_sync.get(), &FolderSync::scanned);
    m_sync->start();
    QVERIFY(scanned.wait(10000));
    m_note = m_sync->noteFor(kId);
    QVERIFY(m_note);
    m_note->present(); // the user picks it and types in it
    QVERIFY(QTest::qWaitForWindowActive(windowOf(m_note)));
}

void TestConflictX11::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    m_sync->finish();
    for (Note* note : m_board->notes()) {
        note->discard();
    }
    m_sync.reset();
    m_board.reset();
    QTest::qWait(200);
}

Note* TestConflictX11::conflictWhileTyping()
{
    const QString path = m_folder + QLatin1Char('/') + kId + QStringLiteral(".not");
    const QString base = QString::fromLatin1(VersionStore::versionOf(readAll(path)));
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+End")});
    xdotool({QStringLiteral("key"),
             QStringLiteral("BackSpace"),
             QStringLiteral("BackSpace"),
             QStringLiteral("BackSpace"),
             QStringLiteral("BackSpace")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("cheese")});
    writeVersion(path, QStringLiteral("buy bread"), {base});
    for (int i = 0; i < 100 && m_sync->conflicts().isEmpty(); ++i) {
        QTest::qWait(100);
    }
    return m_sync->conflicts().value(0);
}

void TestConflictX11::conflictArrivesWhileTyping()
{
    Note* conflict = conflictWhileTyping();
    QVERIFY(conflict);
    QTest::qWait(500); // what a window manager does with a new window, it has done
    // Beside the note, on the screen, and the keyboard still in the note: the next words go there.
    const QRect noteFrame = windowOf(m_note)->frameGeometry();
    const QRect conflictFrame = windowOf(conflict)->frameGeometry();
    QVERIFY2(!noteFrame.intersects(conflictFrame),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(conflictFrame.x())
                            .arg(conflictFrame.y())
                            .arg(conflictFrame.width())
                            .arg(conflictFrame.height())));
    QVERIFY(windowOf(conflict)->screen()->availableGeometry().contains(conflictFrame));
    QCOMPARE(runTool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}),
             QString::number(windowOf(m_note)->winId()));
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral(" and rolls")});
    QTRY_COMPARE(m_note->text().text(), QStringLiteral("buy cheese and rolls"));
    QCOMPARE(conflict->text().text(), QStringLiteral("buy bread"));
    // What happened, in words, readable at the size it opens at.
    QLabel* said = windowOf(conflict)->findChild<QLabel*>(QStringLiteral("lblConflict"));
    QVERIFY(said->isVisible());
    QVERIFY2(said->text().startsWith(QLatin1String("Changed on laptop at")), qPrintable(said->text()));
    QVERIFY(said->height() >= said->heightForWidth(said->width()));
    screenshot(QStringLiteral("36-conflict-beside-its-note"));
}

void TestConflictX11::menuChoices_data()
{
    QTest::addColumn<bool>("keyboard"); // Shift+F10 in the conflict note's text, else a right click on it
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("open");
    QTest::newRow("right click, Keep This Version") << false << "mnuConflict(0)" << QStringList {"buy bread"} << 1;
    QTest::newRow("Shift+F10, Keep the Other Version") << true << "mnuConflict(1)" << QStringList {"buy cheese"} << 1;
    QTest::newRow("right click, Keep Both")
        << false << "mnuConflict(2)" << QStringList {"buy bread", "buy cheese"} << 2;
    QTest::newRow("Shift+F10, Keep Both") << true << "mnuConflict(2)" << QStringList {"buy bread", "buy cheese"} << 2;
}

void TestConflictX11::menuChoices()
{
    QFETCH(bool, keyboard);
    QFETCH(QString, item);
    QFETCH(QStringList, files);
    QFETCH(int, open);
    Note* conflict = conflictWhileTyping();
    QVERIFY(conflict);
    NoteWindow* window = windowOf(conflict);
    if (keyboard) {
        xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window->winId())});
        QTRY_VERIFY(window->isActiveWindow());
        window->textBox()->setFocus();
        xdotool({QStringLiteral("key"), QStringLiteral("shift+F10")});
    } else {
        clickAt(window->textBox()->mapToGlobal(window->textBox()->rect().center()), QStringLiteral("3"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu*>(QApplication::activePopupWidget()), 5000);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    // The three choices show, and can be pressed.
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->objectName().startsWith(QLatin1String("mnuConflict("))) {
            QVERIFY2(action->isVisible() && action->isEnabled(), qPrintable(action->objectName()));
            if (action->objectName() == item) {
                chosen = action;
            }
        }
    }
    QVERIFY(chosen);
    clickAt(menu->mapToGlobal(menu->actionGeometry(chosen).center()));
    QTRY_COMPARE_WITH_TIMEOUT(m_sync->conflicts().size(), 0, 5000);
    m_sync->writeAll();
    QCOMPARE(folderTexts(m_folder), files);
    QTRY_COMPARE(m_board->count(), open);
}

void TestConflictX11::typingIntoAConflictIsKeptAtTheEnd()
{
    Note* conflict = conflictWhileTyping();
    QVERIFY(conflict);
    NoteWindow* window = windowOf(conflict);
    clickAt(window->textBox()->mapToGlobal(window->textBox()->rect().center()));
    QTRY_VERIFY(window->isActiveWindow());
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+End")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral(" rolls")});
    QTRY_COMPARE(conflict->text().text(), QStringLiteral("buy bread rolls"));
    m_sync->finish(); // the session ends
    QCOMPARE(folderTexts(m_folder), QStringList({"buy bread rolls", "buy cheese"}));
}

QTEST_MAIN(TestConflictX11)
#include "tst_conflict_x11.moc"
