// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The formatting and edit commands on a note's text alone, the key table and the colour texts.
#include "note/command.h"
#include "note/notecolors.h"
#include "note/notetext.h"
#include "note/textcommands.h"
#include "support/colors.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>

using namespace jotlet;

namespace {

// Three paragraphs: "one two" / "three" / "four".
void fill(NoteText& box)
{
    box.setText(QStringLiteral("one two\nthree\nfour"));
}

QString alignments(NoteText& box)
{
    QString result;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment a = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        result += a == Qt::AlignHCenter ? QLatin1Char('C') : a == Qt::AlignRight ? QLatin1Char('R') : QLatin1Char('L');
    }
    return result;
}

} // namespace

class TestTextCommands : public QObject
{
    Q_OBJECT

private slots:
    void boldWithNothingSelectedFormatsTyping();
    void normalClearsWhateverItsMark_data();
    void normalClearsWhateverItsMark();
    void alignment_data();
    void alignment();
    void bulletsAndIndent_data();
    void bulletsAndIndent();
    void pastePlainTextKeepsInsertionFormat();
    void insertions_data();
    void insertions();
    void keyTable_data();
    void keyTable();
    void keyActsOncePerPress_data();
    void keyActsOncePerPress();
    void colorTexts_data();
    void colorTexts();
    void sizeChecks();
};

void TestTextCommands::boldWithNothingSelectedFormatsTyping()
{
    NoteText box;
    box.setText(QStringLiteral("plain"));
    box.setSelStart(5);
    StyleChecks checks;
    toggleStyle(box, checks, Style::Bold);
    QVERIFY(checks.bold);
    QVERIFY(!checks.normal);
    box.setSelText(QStringLiteral("er")); // as typing does
    box.setSelStart(2);
    QVERIFY(!box.selBold()); // the old text is not bold
    box.setSelStart(6);
    QVERIFY(box.selBold()); // what was typed next is
    // Bold again: the mark goes and bold is removed from the selection, whatever the selection was.
    box.setSelStart(5);
    box.setSelLength(2);
    toggleStyle(box, checks, Style::Bold);
    QVERIFY(!checks.bold);
    QVERIFY(!box.selBold());
}

void TestTextCommands::normalClearsWhateverItsMark_data()
{
    QTest::addColumn<bool>("normalChecked");
    QTest::newRow("Normal checked") << true;
    QTest::newRow("Normal unchecked") << false;
}

void TestTextCommands::normalClearsWhateverItsMark()
{
    QFETCH(bool, normalChecked);
    NoteText box;
    fill(box);
    box.setSelStart(0);
    box.setSelLength(7);
    box.setSelBold(true);
    box.setSelItalic(true);
    box.setSelUnderline(true);
    box.setSelStrikeThrough(true);
    StyleChecks checks {normalChecked, true, true, true};
    styleNormal(box, checks);
    QCOMPARE(checks.normal, !normalChecked);
    QVERIFY(!checks.bold && !checks.italic && !checks.underline);
    QVERIFY(!box.selBold() && !box.selItalic() && !box.selUnderline());
    QVERIFY(box.selStrikeThrough()); // not touched
}

void TestTextCommands::alignment_data()
{
    QTest::addColumn<bool>("wholeNote");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("main Center: every paragraph") << true << 1 << "CCC";
    QTest::newRow("main Right") << true << 2 << "RRR";
    QTest::newRow("main, unknown index") << true << 7 << "LLL";
    QTest::newRow("selection Center: touched paragraphs") << false << 1 << "CCL";
}

void TestTextCommands::alignment()
{
    QFETCH(bool, wholeNote);
    QFETCH(int, index);
    QFETCH(QString, expected);
    NoteText box;
    fill(box);
    box.setSelStart(5); // "two" plus the paragraph break and "t" of the next paragraph
    box.setSelLength(5);
    const std::optional<AlignItem> item = menuItem(index, AlignItem::Right);
    if (item && wholeNote) {
        alignWholeNote(box, *item);
        QCOMPARE(box.selStart(), 5);
        QCOMPARE(box.selLength(), 0);
    } else if (item) {
        alignSelection(box, *item);
    }
    QCOMPARE(alignments(box), expected);
}

void TestTextCommands::bulletsAndIndent_data()
{
    QTest::addColumn<QList<int>>("bulletCommands"); // 0 add, 1 remove
    QTest::addColumn<QList<int>>("indentCommands"); // 0 increase, 1 decrease
    QTest::addColumn<bool>("bullet");
    QTest::addColumn<int>("indent");
    QTest::newRow("add new") << QList<int> {0} << QList<int> {} << true << 200;
    QTest::newRow("remove existing: -200, not 0") << QList<int> {0, 1} << QList<int> {} << false << -200;
    QTest::newRow("increase, increase, decrease") << QList<int> {} << QList<int> {0, 0, 1} << false << 200;
    QTest::newRow("decrease has no floor") << QList<int> {} << QList<int> {1, 1} << false << -400;
}

void TestTextCommands::bulletsAndIndent()
{
    QFETCH(QList<int>, bulletCommands);
    QFETCH(QList<int>, indentCommands);
    QFETCH(bool, bullet);
    QFETCH(int, indent);
    NoteText box;
    fill(box);
    box.setSelStart(9); // in "three"
    for (int command : bulletCommands) {
        setBullets(box, StepItem(command));
    }
    for (int command : indentCommands) {
        changeIndent(box, StepItem(command));
    }
    QCOMPARE(box.selBullet(), bullet);
    QCOMPARE(box.selIndent(), indent);
    box.setSelStart(0);
    QCOMPARE(box.selIndent(), 0); // other paragraphs keep theirs
}

void TestTextCommands::pastePlainTextKeepsInsertionFormat()
{
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b style=\"font-size:30pt\">big</b> <i>words</i>"));
    data->setText(QStringLiteral("big words"));
    QGuiApplication::clipboard()->setMimeData(data);
    NoteText box;
    box.setText(QStringLiteral("ab"));
    box.setSelStart(1);
    box.setSelItalic(false);
    pastePlainText(box);
    QCOMPARE(box.text(), QStringLiteral("abig wordsb"));
    box.setSelStart(3);
    QVERIFY(!box.selBold());
    QCOMPARE(box.selFontSize(), box.fontSize());
    QGuiApplication::clipboard()->clear();
    box.setSelStart(0);
    box.setSelLength(1);
    pastePlainText(box); // an empty clipboard deletes the selection
    QCOMPARE(box.text(), QStringLiteral("big wordsb"));
}

void TestTextCommands::insertions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QDateTime when(QDate(2026, 12, 6), QTime(15, 4, 5));
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("ellipsis is one character") << specialCharacter(3) << QStringLiteral("\u2026");
    QTest::newRow("degree") << specialCharacter(1) << QStringLiteral("\u00b0");
    QTest::newRow("pound") << specialCharacter(5) << QStringLiteral("\u00a3");
    QTest::newRow("index 0 inserts nothing") << specialCharacter(0) << QString();
    QTest::newRow("short date, en_US") << dateStamp(2, when, us) << QStringLiteral("12/6/2026");
    QTest::newRow("long date, en_US") << dateStamp(1, when, us) << QStringLiteral("Sunday, December 6, 2026");
    QTest::newRow("date and time, en_US") << dateStamp(0, when, us) << QStringLiteral("12/6/2026 3:04:05\u202fPM");
}

void TestTextCommands::insertions()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    // CLDR may put a narrow no-break space before PM; either space is the locale's own.
    text.replace(QChar(0x202F), QLatin1Char(' '));
    expected.replace(QChar(0x202F), QLatin1Char(' '));
    QCOMPARE(text, expected);
    NoteText box;
    box.setText(QStringLiteral("a-b"));
    box.setSelStart(1);
    box.setSelLength(1);
    insertAtCaret(box, text);
    QCOMPARE(box.text(), text.isEmpty() ? QStringLiteral("a-b") : QStringLiteral("a") + text + QStringLiteral("b"));
    if (!text.isEmpty()) {
        QCOMPARE(box.selStart(), 1 + text.size());
    }
}

void TestTextCommands::keyTable_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("index");
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    const int alt = Qt::AltModifier;
    QTest::newRow("Ctrl+Alt+S saves") << int(Qt::Key_S) << (ctrl | alt) << int(Command::Save) << -1;
    QTest::newRow("Alt+S does nothing") << int(Qt::Key_S) << alt << int(Command::None) << -1;
    QTest::newRow("plain S does nothing") << int(Qt::Key_S) << 0 << int(Command::None) << -1;
    QTest::newRow("Shift+Ctrl+F6 is the short date")
        << int(Qt::Key_F6) << (ctrl | shift) << int(Command::InsertDateStamp) << 2;
    QTest::newRow("Shift+F6 is the long date") << int(Qt::Key_F6) << shift << int(Command::InsertDateStamp) << 1;
    QTest::newRow("F6 is date and time") << int(Qt::Key_F6) << 0 << int(Command::InsertDateStamp) << 0;
    QTest::newRow("Esc with anything rolls up") << int(Qt::Key_Escape) << ctrl << int(Command::ToggleRollUp) << -1;
    QTest::newRow("Alt+Space: system menu") << int(Qt::Key_Space) << alt << int(Command::ShowSystemMenu) << -1;
    QTest::newRow("Ctrl+Space does nothing") << int(Qt::Key_Space) << ctrl << int(Command::None) << -1;
    QTest::newRow("Alt+F4 closes") << int(Qt::Key_F4) << alt << int(Command::CloseNote) << -1;
    QTest::newRow("plain F4 does nothing") << int(Qt::Key_F4) << 0 << int(Command::None) << -1;
    QTest::newRow("Ctrl+V is the box's own") << int(Qt::Key_V) << ctrl << int(Command::None) << -1;
    QTest::newRow("Ctrl+Shift+V pastes plain")
        << int(Qt::Key_V) << (ctrl | shift) << int(Command::PastePlainText) << -1;
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << int(Command::NewNote) << -1;
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << int(Command::OpenNote) << -1;
    QTest::newRow("Ctrl+B bold") << int(Qt::Key_B) << ctrl << int(Command::StyleBold) << -1;
    QTest::newRow("Ctrl+I italic") << int(Qt::Key_I) << ctrl << int(Command::StyleItalic) << -1;
    QTest::newRow("Ctrl+U underline") << int(Qt::Key_U) << ctrl << int(Command::StyleUnderline) << -1;
    QTest::newRow("plain B types") << int(Qt::Key_B) << 0 << int(Command::None) << -1;
}

void TestTextCommands::keyTable()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, command);
    QFETCH(int, index);
    const CommandCall call = keyCommand(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(int(call.command), command);
    QCOMPARE(call.index, index);
}

void TestTextCommands::keyActsOncePerPress_data()
{
    // Events of one key: P press, R release, * marked as a repeat by Qt; the number is the window system's time.
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("acts");
    QTest::newRow("pressed and released") << QStringList {"P100", "R200"} << 1;
    QTest::newRow("pressed twice") << QStringList {"P100", "R200", "P300", "R400"} << 2;
    QTest::newRow("held, repeats marked") << QStringList {"P100", "R*700", "P*700", "R*740", "P*740", "R900"} << 1;
    QTest::newRow("held on a busy machine: repeats unmarked")
        << QStringList {"P100", "R700", "P700", "R740", "P740", "R780", "P780", "R900"} << 1;
    QTest::newRow("held, some repeats marked") << QStringList {"P100", "R*700", "P*700", "R740", "P740", "R900"} << 1;
    QTest::newRow("released, its press went elsewhere") << QStringList {"R200"} << 0;
    QTest::newRow("no times known") << QStringList {"P0", "R0", "P0", "R0"} << 2;
}

void TestTextCommands::keyActsOncePerPress()
{
    QFETCH(QStringList, events);
    QFETCH(int, acts);
    KeyPresses keys;
    int acted = 0;
    for (const QString& event : events) {
        const bool repeat = event.at(1) == QLatin1Char('*');
        const quint64 time = event.mid(repeat ? 2 : 1).toULongLong();
        if (event.startsWith(QLatin1Char('P'))) {
            keys.press(Qt::Key_N, Qt::ControlModifier, repeat, time);
        } else if (const auto held = keys.release(Qt::Key_N, Qt::NoModifier, repeat, time)) {
            QCOMPARE(*held, Qt::ControlModifier); // Ctrl held at the press counts
            ++acted;
        }
    }
    QCOMPARE(acted, acts);
}

void TestTextCommands::colorTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value"); // -1: not a colour
    QTest::newRow("YELLOW") << "YELLOW" << qint64(0xC0FFFF);
    QTest::newRow("decimal blue") << "16763955" << qint64(0xFFCC33);
    QTest::newRow("tang") << "Tang" << qint64(0x5FC2F0);
    QTest::newRow("bad text") << "sky" << qint64(-1);
    QTest::newRow("too large") << "16777216" << qint64(-1);
    QTest::newRow("negative") << "-5" << qint64(-1);
    QTest::newRow("beyond 32 bits") << "99999999999" << qint64(-1);
    QTest::newRow("system colour: window background")
        << "-2147483643" << qint64(bgrFromColor(*translateColor(qint64(0x80000005))));
}

void TestTextCommands::colorTexts()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    const std::optional<quint32> color = noteColorValue(text);
    QCOMPARE(color ? qint64(*color) : qint64(-1), value);
}

void TestTextCommands::sizeChecks()
{
    QCOMPARE(fontSizeOf(SizeItem::Large), 14);
    QVERIFY(!menuItem(5, SizeItem::Largest));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(fontSizeChecked(SizeItem(i), 14), i == 3);
        QVERIFY(!fontSizeChecked(SizeItem(i), 11));
    }
}

QTEST_MAIN(TestTextCommands)
#include "tst_textcommands.moc"
