// Walks the four menus of a note and compares them with the tables they are built from: captions with their
// access keys, order, separators, shortcut labels, initial check marks and hidden items. A missing, renamed or
// moved item fails.
#include "window/notemenus.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace jotlet;

namespace {

void render(const QMenu* menu, int depth, QStringList& lines)
{
    for (const QAction* action : menu->actions()) {
        QString line = QString(depth * 2, QLatin1Char(' '));
        if (action->isSeparator()) {
            lines << line + QLatin1Char('-');
            continue;
        }
        const QStringList parts = action->text().split(QLatin1Char('\t'));
        line += parts.first();
        if (parts.size() > 1) {
            line += QStringLiteral(" {%1}").arg(parts.at(1));
        }
        if (action->isChecked()) {
            line += QStringLiteral(" [x]");
        }
        if (!action->isVisible()) {
            line += QStringLiteral(" (hidden)");
        }
        lines << line;
        if (action->menu()) {
            render(action->menu(), depth + 1, lines);
        }
    }
}

QStringList rendered(const QMenu* menu)
{
    QStringList lines;
    render(menu, 0, lines);
    return lines;
}

const QStringList kMainMenu = {
    "&New {Ctrl+N}",
    "&Open {Ctrl+O}",
    "Special Note",
    "  Time",
    "  Reminder (alarm)",
    "  -",
    "  RSS Feed",
    "  Stocks",
    "  -",
    "  Clipboard Viewer (text)",
    "  Clipboard Log",
    "  Computer Memory",
    "  Drive Information",
    "  -",
    "  Stop Special Note",
    "Multi-Note Manager",
    "-",
    "&Save {Ctrl+S}",
    "Save As",
    "Append To",
    "-",
    "Email Content {Ctrl+Y}",
    "&Print {Ctrl+P}",
    "-",
    "&Paste {Ctrl+V}",
    "Paste Plain Text",
    "Undo {Ctrl+Z}",
    "Clear All",
    "-",
    "Insert Special",
    "  Date / Time Stamp",
    "    Date / Time {F6}",
    "    Date (long) {Shift+F6}",
    "    Date (short) {Ctrl+F6}",
    "  Degree",
    "  Copyright",
    "  Ellipsis",
    "  Registered Trademark",
    "  Pound",
    "-",
    "Check Spelling {F7}",
    "Content Options",
    "  Font",
    "    Style",
    "      Normal [x]",
    "      Italic",
    "      Underline",
    "      Bold",
    "    Size",
    "      Small",
    "      Normal [x]",
    "      Medium",
    "      Large",
    "      Largest",
    "    Color",
    "  Paragraph",
    "    Alignment",
    "      Left",
    "      Center",
    "      Right",
    "    Bullets",
    "      Add New",
    "      Remove existing",
    "    Indent",
    "      Increase",
    "      Decrease",
    "Note Options",
    "  Font Family",
    "  Color",
    "    Yellow [x]",
    "    Blue",
    "    Green",
    "    Red",
    "    Grey",
    "    Peach",
    "    Purple",
    "    Tang",
    "    -",
    "    Custom Color",
    "  Transparency",
    "    Low",
    "    Medium",
    "    High",
    "    Off [x]",
    "  Always on Top [x]",
    "  Autosave Note on Close",
    "  Save New Note on Close",
    "  Save Settings",
    "-",
    "About",
    "  Help (hidden)",
    "  Quorvel's Website",
    "  Jotlet",
    "-",
    "Close",
};

const QStringList kSystemMenu = {
    "&New",
    "Minimize",
    "Default Size",
    "Restore Size",
    "-",
    "Reset",
    "Close (Alt-F4)",
};

const QStringList kSelectMenu = {
    "Strike-Out",
    "Remove",
    "-",
    "Check Spelling",
    "Email Selection",
    "-",
    "Cut {Ctrl+X}",
    "Copy {Ctrl+C}",
    "Paste",
    "Undo",
    "-",
    "Font Size",
    "  Small",
    "  Normal",
    "  Medium",
    "  Large",
    "  Largest",
    "Font Style",
    "  Italic",
    "  Underline",
    "  Bold",
    "No Format",
    "-",
    "Paragraph",
    "  Alignment",
    "    Left",
    "    Center",
    "    Right",
    "  Bullets",
    "    Add new",
    "    Remove existing",
    "  Indent",
    "    Increase",
    "    Decrease",
};

const QStringList kCaptionMenu = {
    "Time / Date Stamp [x]",
    "Word Count",
    "Character Count",
    "Note Filename",
};

} // namespace

class TestNoteMenus : public QObject
{
    Q_OBJECT

private slots:
    void menusMatchTheirTables_data();
    void menusMatchTheirTables();
    void itemsAreNamedAndIconed();
    void choosingAnItemReportsItsControl();
};

void TestNoteMenus::menusMatchTheirTables_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("mnuPopUpMenu") << 0 << kMainMenu;
    QTest::newRow("mnuSystemMenu") << 1 << kSystemMenu;
    QTest::newRow("mnuPopUpSelect") << 2 << kSelectMenu;
    QTest::newRow("mnuPopupCaption") << 3 << kCaptionMenu;
}

void TestNoteMenus::menusMatchTheirTables()
{
    QFETCH(int, menu);
    QFETCH(QStringList, expected);
    QWidget owner;
    NoteMenus menus(&owner);
    const QMenu* menus4[]
        = {menus.mnuPopUpMenu(), menus.mnuSystemMenu(), menus.mnuPopUpSelect(), menus.mnuPopupCaption()};
    QCOMPARE(rendered(menus4[menu]), expected);
    QCOMPARE(menus4[menu]->objectName(), QString::fromLatin1(QTest::currentDataTag()));
}

void TestNoteMenus::itemsAreNamedAndIconed()
{
    QWidget owner;
    NoteMenus menus(&owner);
    for (const char* control : {"mnuSave(0)",
                                "mnuSave(2)",
                                "mnuTop",
                                "mnuSetColor(9)",
                                "mnuInsertDateTime(2)",
                                "mnuSelectBullet(1)",
                                "mnuCaptionType(3)",
                                "mnuSystemReset",
                                "mnuFontBold"}) {
        QVERIFY2(menus.item(QLatin1String(control)), control);
    }
    for (const char* withIcon : {"mnuEdit(0)",
                                 "mnuSave(0)",
                                 "mnuFontBold",
                                 "mnuStrikeOut(1)",
                                 "mnuTop",
                                 "mnuCheckSpelling",
                                 "mnuSystemRestore",
                                 "mnuIndent(1)",
                                 "mnuSetColor(9)"}) {
        QVERIFY2(!menus.item(QLatin1String(withIcon))->icon().isNull(), withIcon);
    }
    QVERIFY(menus.item(QStringLiteral("mnuSave(1)"))->icon().isNull());
    menus.setOnTopIcon(false);
    QCOMPARE(menus.item(QStringLiteral("mnuTop"))->property("iconKey").toString(), QStringLiteral("Normal"));
    menus.setOnTopIcon(true);
    QCOMPARE(menus.item(QStringLiteral("mnuTop"))->property("iconKey").toString(), QStringLiteral("Ontop"));
}

void TestNoteMenus::choosingAnItemReportsItsControl()
{
    QWidget owner;
    NoteMenus menus(&owner);
    QSignalSpy spy(&menus, &NoteMenus::triggered);
    menus.item(QStringLiteral("mnuSave(2)"))->trigger();
    menus.item(QStringLiteral("mnuTop"))->trigger();
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("mnuSave"));
    QCOMPARE(spy.at(0).at(1).toInt(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("mnuTop"));
    QCOMPARE(spy.at(1).at(1).toInt(), -1);
    QVERIFY(menus.isChecked(QStringLiteral("mnuTop"))); // the command, not the menu, changes the mark
}

QTEST_MAIN(TestNoteMenus)
#include "tst_notemenus.moc"
