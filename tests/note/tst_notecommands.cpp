// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The note's commands without a window: colours and their check marks, transparency, the main Size menu, on-top,
// Clear All, file drops, the help notice, and that every menu item reaches a command.
#include "fakedialogs.h"
#include "logcapture.h"
#include "note/note.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "support/settings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextList>

using namespace jotlet;

namespace {

QStringList checkedIndexes(const Note& note, Command command, int count)
{
    QStringList checked;
    for (int i = 0; i < count; ++i) {
        if (note.isChecked(command, i)) {
            checked << QString::number(i);
        }
    }
    return checked;
}

} // namespace

class TestNoteCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void setColor_data();
    void setColor();
    void colorMenu_data();
    void colorMenu();
    void transparency_data();
    void transparency();
    void mainSizeSetsBaseSizeAndSetting();
    void alwaysOnTop();
    void clearAll_data();
    void clearAll();
    void fileDrop_data();
    void fileDrop();
    void helpShowsNotice();
    void fontFamilyStartsFromTheNotesFont();
    void bulletsFollowTheFileAndTheTextColour();

private:
    QTemporaryDir m_dir;
};

void TestNoteCommands::init()
{
    clearErrorLog();
    writeSetting(Setting::SaveSetting, QStringLiteral("False"));
    writeSetting(Setting::SaveNewNoteOnClose, QStringLiteral("False"));
}

void TestNoteCommands::setColor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<quint32>("painted");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("YELLOW") << "YELLOW" << true << 0xC0FFFFu << "YELLOW" << QStringList {"0"};
    QTest::newRow("blue as a number") << "16763955" << true << 0xFFCC33u << "16763955" << QStringList {"1"};
    QTest::newRow("a custom number") << "1193046" << true << 0x123456u << "1193046" << QStringList {};
    QTest::newRow("bad text changes nothing") << "sky" << false << 0xCCFFABu << "green" << QStringList {"2"};
    QTest::newRow("a number past 24 bits changes nothing")
        << "16777216" << false << 0xCCFFABu << "green" << QStringList {"2"};
}

void TestNoteCommands::setColor()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(quint32, painted);
    QFETCH(QString, stored);
    QFETCH(QStringList, checked);
    Note note;
    QVERIFY(note.setColor(QStringLiteral("green"), false));
    note.text().setSelColor(0xFF0000);
    QCOMPARE(note.setColor(text, false), accepted);
    QCOMPARE(note.text().selColor(), 0u); // what is typed next is black, whatever the colour text
    QCOMPARE(note.colorValue(), painted);
    QCOMPARE(note.colorText(), stored);
    QCOMPARE(checkedIndexes(note, Command::NoteColor, 8), checked);
    const QStringList log = errorLogLines();
    QCOMPARE(log.size(), accepted ? 0 : 1); // a colour the note cannot show is reported, not guessed at
    if (!accepted) {
        QVERIFY2(log.first().contains(QLatin1String("frmMain: SetNoteColor")), qPrintable(log.first()));
    }
}

void TestNoteCommands::colorMenu_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("dialogAnswer"); // for "Custom Color"; invalid: cancelled
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("Peach") << 5 << QColor() << "10079487" << QStringList {"5"};
    QTest::newRow("Custom Color") << 9 << QColor(1, 2, 3) << "197121" << QStringList {};
    QTest::newRow("Custom Color cancelled") << 9 << QColor() << "yellow" << QStringList {"0"};
}

void TestNoteCommands::colorMenu()
{
    QFETCH(int, index);
    QFETCH(QColor, dialogAnswer);
    QFETCH(QString, stored);
    QFETCH(QStringList, checked);
    FakeDialogs dialogs;
    if (dialogAnswer.isValid()) {
        dialogs.colorAnswer = dialogAnswer;
    }
    Note note;
    note.text().setText(QStringLiteral("red text"));
    note.changeForeColor(0x0000FF);
    QSignalSpy onTop(&note, &Note::stayOnTopChanged);
    QVERIFY(note.run(Command::NoteColor, index));
    QCOMPARE(note.colorText(), stored);
    QCOMPARE(checkedIndexes(note, Command::NoteColor, 8), checked);
    const bool changed = stored != QLatin1String("yellow");
    QCOMPARE(note.foreColor(), changed ? 0 : 0x0000FF); // a chosen colour turns the text black
    note.text().setSelStart(3);
    QCOMPARE(note.text().selColor(), changed ? 0u : 0x0000FFu);
    if (index == 9) { // off the top while the dialog is open, back on top afterwards
        QCOMPARE(onTop.size(), 2);
        QVERIFY(note.staysOnTopNow());
    }
}

void TestNoteCommands::transparency_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("Low") << 0 << 225 << QStringList {"0"};
    QTest::newRow("Medium") << 1 << 150 << QStringList {"1"};
    QTest::newRow("High") << 2 << 50 << QStringList {"2"};
    QTest::newRow("Off") << 3 << 255 << QStringList {"3"};
}

void TestNoteCommands::transparency()
{
    QFETCH(int, index);
    QFETCH(int, alpha);
    QFETCH(QStringList, checked);
    Note note;
    QVERIFY(note.run(Command::Transparency, index));
    QCOMPARE(note.alpha(), alpha);
    QCOMPARE(checkedIndexes(note, Command::Transparency, 4), checked);
}

void TestNoteCommands::mainSizeSetsBaseSizeAndSetting()
{
    Note note;
    note.text().setText(QStringLiteral("some text"));
    QVERIFY(note.run(Command::NoteFontSize, 3)); // "Large"
    QCOMPARE(note.text().fontSize(), 14.0);
    QCOMPARE(note.fontSize(), 14);
    QCOMPARE(checkedIndexes(note, Command::NoteFontSize, 5), QStringList {QStringLiteral("3")});
    QVERIFY(note.run(Command::SaveSettings));
    QVERIFY(note.isChecked(Command::SaveSettings));
    QCOMPARE(readSetting(Setting::DefaultFontSize), QStringLiteral("14"));
}

void TestNoteCommands::alwaysOnTop()
{
    Note note;
    QSignalSpy applied(&note, &Note::stayOnTopChanged);
    QVERIFY(note.run(Command::AlwaysOnTop));
    QVERIFY(!note.isOnTop() && !note.isChecked(Command::AlwaysOnTop));
    QVERIFY(note.run(Command::AlwaysOnTop));
    QVERIFY(note.isOnTop() && note.isChecked(Command::AlwaysOnTop));
    QCOMPARE(applied.size(), 2);
    QCOMPARE(applied.at(0).at(0).toBool(), false);
    QCOMPARE(applied.at(1).at(0).toBool(), true);
}

void TestNoteCommands::clearAll_data()
{
    QTest::addColumn<bool>("ctrlHeld");
    QTest::newRow("empty plain note") << false;
    QTest::newRow("Ctrl held: a text about the program") << true;
}

void TestNoteCommands::clearAll()
{
    QFETCH(bool, ctrlHeld);
    Note note;
    note.text().setText(QStringLiteral("12:00:00 PM"));
    note.changeForeColor(0x00FF00);
    note.text().setLocked(true); // as a time note is
    QVERIFY(note.run(Command::ClearAll, -1, ctrlHeld ? Qt::ControlModifier : Qt::NoModifier));
    QVERIFY(!note.text().isLocked());
    QCOMPARE(note.text().text().isEmpty(), !ctrlHeld);
    QCOMPARE(note.text().selColor(), 0u);
}

void TestNoteCommands::fileDrop_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("logged"); // where the log says it was refused
    QTest::newRow("text file") << QByteArray("from a file\r\nsecond line") << true << "";
    QTest::newRow("a damaged picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false
                                       << "frmMain: InsertPicture";
    QTest::newRow("larger than 1 MB") << QByteArray(1024 * 1024 + 1, 'a') << false << "frmMain: RTB1_OLEDragDrop";
    QTest::newRow("missing file") << QByteArray() << false << "frmMain: RTB1_OLEDragDrop";
}

void TestNoteCommands::fileDrop()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, replaced);
    QFETCH(QString, logged);
    FakeDialogs dialogs;
    const QString path = m_dir.filePath(QStringLiteral("dropped.txt"));
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    NoteBoard board;
    Note& note = *board.createNote();
    note.text().setText(QStringLiteral("before"));
    note.dropFiles({path, m_dir.filePath(QStringLiteral("second.txt"))});
    QCOMPARE(note.text().text(), QStringLiteral("before")); // the words already there stay as they are
    QCOMPARE(board.count(), replaced ? 2 : 1);              // a text file opens in a note of its own
    if (replaced) {
        const Note* opened = board.notes().last();
        QCOMPARE(opened->text().text(), QStringLiteral("from a file\r\nsecond line"));
        QVERIFY(opened->isUnsaved());
        QCOMPARE(opened->subCaption(), QStringLiteral("From dropped.txt"));
    }
    QTRY_COMPARE(errorLogLines().size(), replaced ? 0 : 1);
    if (!replaced) {
        QVERIFY2(errorLogLines().first().contains(logged), qPrintable(errorLogLines().first()));
    }
    if (logged == QLatin1String("frmMain: InsertPicture")) { // a picture that cannot go in is told, with why
        QCOMPARE(dialogs.warnings.size(), 1);
        QVERIFY2(dialogs.warnings.first().contains(QLatin1String("damaged")), qPrintable(dialogs.warnings.first()));
    }
}

void TestNoteCommands::helpShowsNotice()
{
    FakeDialogs dialogs;
    Note note;
    QObject owner;
    note.setDialogOwner(&owner);
    QVERIFY(note.run(Command::ShowHelp));
    QCOMPARE(dialogs.helpShown, 1);
    QCOMPARE(dialogs.owners, QList<QObject*> {&owner}); // the help belongs to the note's window
}

void TestNoteCommands::fontFamilyStartsFromTheNotesFont()
{
    FakeDialogs dialogs;
    dialogs.fontAnswer = QStringLiteral("DejaVu Serif");
    dialogs.fontSizeAnswer = 16;
    Note note;
    note.run(Command::NoteFontSize, 3);
    QVERIFY(note.run(Command::FontFamily));
    QCOMPARE(dialogs.fontShown, QStringLiteral("Comic Sans MS"));
    QCOMPARE(dialogs.fontSizeShown, 14);
    QCOMPARE(note.text().fontName(), QStringLiteral("DejaVu Serif")); // what the dialog showed: face and size
    QCOMPARE(note.text().fontSize(), 16.0);
    QCOMPARE(note.fontSize(), 16);
}

void TestNoteCommands::bulletsFollowTheFileAndTheTextColour()
{
    // Rich-edit bullets: the text 200 twips in, the bullet in the hanging first line before it.
    NoteRecord stored;
    stored.color = QStringLiteral("yellow");
    stored.data = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}\\pard first\\par"
                                 "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
                                 "\\fi-200\\li200 eggs\\par}");
    Note note(NoteOrigin::OpenedFile);
    QVERIFY(note.setFromRecord(stored, QString()));
    const QTextBlock bullet = note.text().document()->lastBlock();
    QVERIFY(bullet.textList());
    QCOMPARE(bullet.textList()->format().indent(), 0);
    QCOMPARE(qRound(bullet.blockFormat().leftMargin() * 15), 200);
    note.changeForeColor(0x0000FF); // red text: red bullets
    QCOMPARE(bullet.charFormat().foreground().color(), QColor(255, 0, 0));
}

QTEST_MAIN(TestNoteCommands)
#include "tst_notecommands.moc"
