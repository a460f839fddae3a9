// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Walks the four menus of a note and compares them with the tables they are built from: captions with their
// access keys, order, separators, shortcut labels, initial check marks and hidden items. A missing, renamed or
// moved item fails.
#include "fakedialogs.h"
#include "note/noteboard.h"
#include "note/notetext.h"
#include "note/printing.h"
#include "special/specialcontent.h"
#include "special/specialnotedriver.h"
#include "support/settingsstore.h"
#include "testdata.h"
#include "urlcatcher.h"
#include "window/menuicons.h"
#include "window/notemenus.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
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
        QVERIFY(!action->text().contains(QLatin1Char('\t'))); // a screen reader would read the key as the name
        line += action->text();
        if (!action->shortcut().isEmpty()) {
            line += QStringLiteral(" {%1}").arg(action->shortcut().toString(QKeySequence::NativeText));
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
    "&Keep This Version (hidden)",
    "Keep the &Other Version (hidden)",
    "Keep &Both (hidden)",
    "-",
    "&New {Ctrl+N}",
    "&Open {Ctrl+O}",
    "Sp&ecial Note",
    "  T&ime",
    "  Reminder (&alarm)",
    "  -",
    "  &RSS Feed",
    "  S&tocks",
    "  -",
    "  Clipboard &Viewer (text)",
    "  Clipboard &Log",
    "  &Computer Memory",
    "  &Drive Information",
    "  -",
    "  &Stop Special Note",
    "&Multi-Note Manager",
    "&Find in Notes... {Ctrl+Shift+F}",
    "Tras&h...",
    "Notes Awa&y and Back",
    "  &Import Notes...",
    "  &Export Notes...",
    "  &Restore from Backup...",
    "-",
    "&Save {Ctrl+S}",
    "Sa&ve As",
    "Appen&d To",
    "-",
    "Em&ail Content {Ctrl+Y}",
    "&Print {Ctrl+P}",
    "-",
    "&Paste {Ctrl+V}",
    "Paste Plain Te&xt",
    "&Undo {Ctrl+Z}",
    "C&lear All",
    "-",
    "Inse&rt Special",
    "  Date / &Time Stamp",
    "    Date / &Time {F6}",
    "    Date (&long) {Shift+F6}",
    "    &Date (short) {Ctrl+F6}",
    "  &Degree",
    "  &Copyright",
    "  &Ellipsis",
    "  &Registered Trademark",
    "  &Pound",
    "  Pict&ure...",
    "-",
    "Chec&k Spelling {F7}",
    "Con&tent Options",
    "  &Font",
    "    S&tyle",
    "      &Normal [x]",
    "      &Italic {Ctrl+I}",
    "      &Underline {Ctrl+U}",
    "      &Bold {Ctrl+B}",
    "    &Size",
    "      &Small",
    "      &Normal [x]",
    "      &Medium",
    "      L&arge",
    "      &Largest",
    "    &Color",
    "  &Paragraph",
    "    &Alignment",
    "      &Left",
    "      &Center",
    "      &Right",
    "    &Bullets",
    "      &Add New",
    "      &Remove existing",
    "    &Indent",
    "      &Increase",
    "      &Decrease",
    "    &Checklist {Ctrl+Shift+L}",
    "Note Opt&ions",
    "  &Font Family",
    "  &Color",
    "    Ye&llow [x]",
    "    &Blue",
    "    &Green",
    "    &Red",
    "    Gre&y",
    "    P&each",
    "    &Purple",
    "    &Tang",
    "    -",
    "    &Custom Color",
    "    -",
    "    &Dark",
    "  &Transparency",
    "    &Low",
    "    &Medium",
    "    &High",
    "    &Off [x]",
    "  Always &on Top [x]",
    "  &Autosave Note on Close",
    "  Save &New Note on Close",
    "  &Save Settings",
    "Settin&gs...",
    "-",
    "A&bout",
    "  &Help (hidden)",
    "  &Quorvel's Website",
    "  &Jotlet",
    "-",
    "&Close",
};

const QStringList kSystemMenu = {
    "&New",
    "M&inimize",
    "&Default Size",
    "Res&tore Size",
    "&Move {Alt+F7}",
    "Si&ze {Alt+F8}",
    "-",
    "&Reset",
    "&Close (Alt-F4)",
};

const QStringList kSelectMenu = {
    "&Strike-Out",
    "&Remove",
    "-",
    "C&heck Spelling",
    "&Email Selection",
    "-",
    "&Cut {Ctrl+X}",
    "C&opy {Ctrl+C}",
    "P&aste",
    "&Undo",
    "-",
    "&Font Size",
    "  &Small",
    "  &Normal",
    "  &Medium",
    "  L&arge",
    "  &Largest",
    "Fon&t Style",
    "  &Italic",
    "  &Underline",
    "  &Bold",
    "&No Format",
    "-",
    "&Paragraph",
    "  &Alignment",
    "    &Left",
    "    &Center",
    "    &Right",
    "  &Bullets",
    "    &Add new",
    "    &Remove existing",
    "  &Indent",
    "    &Increase",
    "    &Decrease",
    "  &Checklist",
};

const QStringList kCaptionMenu = {
    "&Time / Date Stamp [x]",
    "&Word Count",
    "&Character Count",
    "&Note Filename",
};

// Prints on no printer: counts what it was asked to print.
class CountingPrinting : public NotePrinting
{
public:
    CountingPrinting() { setNotePrinting(this); }
    ~CountingPrinting() override { setNotePrinting(nullptr); }
    Result print(const QTextDocument&, QObject*, QString*) override
    {
        ++printed;
        return Result::Printed;
    }
    int printed = 0;
};

// Everything a command could do that a user or the program would notice.
struct Observed
{
    QString html;
    NoteRecord record;
    QStringList state; // title, checks, geometry ...
    int notes = 0;
    int dialogs = 0;
    int opened = 0;       // addresses handed to the desktop
    int services = 0;     // printing, the manager, the spelling dictionary
    int viewRequests = 0; // what the note asks of its view
    QByteArray settings;

    bool operator==(const Observed& other) const
    {
        return html == other.html && record.data == other.record.data && record.look == other.record.look
               && state == other.state && notes == other.notes && dialogs == other.dialogs && opened == other.opened
               && services == other.services && viewRequests == other.viewRequests && settings == other.settings;
    }
};

// A board with every service a command can reach, each counting what it was asked.
struct CommandBench
{
    CommandBench()
    {
        board.setSpecialNoteFactory(specialNoteFactory(specialContentFactory(), {}));
        board.setManagerOpener([this](Note&) { ++services; });
        board.setFinderOpener([this](Note*) { ++services; });
        board.setTrashOpener([this](Note*) { ++services; });
        board.setNotesWindowOpener([this](Command, Note*) { ++services; });
        board.setSpellEngineFactory([this](Problem* error) -> std::unique_ptr<SpellEngine> {
            ++services;
            *error = Problem::of(QStringLiteral("none here"));
            return nullptr;
        });
        note = board.createNote();
        note->text().setText(QStringLiteral("Teh quick brown fox\r\nsecond line"));
        QObject::connect(note, &Note::viewCommand, note, [this] { ++viewRequests; });
        QObject::connect(note, &Note::closed, note, [this] { ++viewRequests; });
        QObject::connect(note, &Note::stayOnTopChanged, note, [this] { ++viewRequests; });
    }
    // The other start: everything formatted, another colour and options.
    void changeEverything()
    {
        note->text().setSelStart(0);
        note->text().setSelLength(int(note->text().text().size()));
        for (Command command : {Command::StyleBold, Command::StyleItalic, Command::StyleUnderline}) {
            note->run(command);
        }
        const CommandCall calls[] = {{Command::StrikeOut, 0},
                                     {Command::NoteFontSize, 3},
                                     {Command::AlignNote, 1},
                                     {Command::Bullets, 0},
                                     {Command::Indent, 0},
                                     {Command::NoteColor, 1},
                                     {Command::Transparency, 0},
                                     {Command::CaptionType, 1},
                                     {Command::AlwaysOnTop},
                                     {Command::AutoSave},
                                     {Command::SaveNewNoteOnClose}};
        for (const CommandCall& call : calls) {
            note->run(call.command, call.index);
        }
        note->resize(QSize(4000, 3000));
    }
    Observed observe() const
    {
        Observed seen;
        seen.html = note->text().document()->toHtml();
        seen.record = note->sessionRecord();
        const NoteRecord& r = seen.record;
        seen.state << note->title() << note->subCaption() << r.color << QString::number(r.foreColor)
                   << QString::number(r.fontSize) << QString::number(r.alpha) << QString::number(r.isOnTop)
                   << QString::number(r.autoSave) << QString::number(r.saveNewNoteOnClose)
                   << QString::number(r.captionType) << QString::number(r.specialType) << r.timeDate
                   << QString::number(note->geometry().width()) << QString::number(note->isRolledUp())
                   << QString::number(note->text().isLocked()) << QString::number(note->isUnsaved())
                   << QString::number(note->isChecked(Command::StyleBold))
                   << QString::number(note->isChecked(Command::StyleItalic))
                   << QString::number(note->isChecked(Command::StyleUnderline))
                   << QString::number(note->isChecked(Command::StyleNormal))
                   << QString::number(note->isChecked(Command::SaveSettings));
        seen.notes = board.count();
        seen.dialogs = dialogs.calls;
        seen.opened = int(desktop.targets.size());
        seen.services = services + printing.printed;
        seen.viewRequests = viewRequests;
        seen.settings = fileBytes(SettingsStore::location());
        return seen;
    }

    FakeDialogs dialogs;
    UrlCatcher desktop;
    CountingPrinting printing;
    NoteBoard board;
    Note* note = nullptr;
    int services = 0;
    int viewRequests = 0;
};

} // namespace

class TestNoteMenus : public QObject
{
    Q_OBJECT

private slots:
    void menusMatchTheirTables_data();
    void menusMatchTheirTables();
    void itemsAreNamedAndIconed();
    void iconsComeFromTheThemeAndShowTheirState();
    void itemsShowTheNotesState();
    void choosingAnItemRunsItsCommand();
    void everyItemDoesWhatItSays();
    void specialNoteKeepsTypedText_data();
    void specialNoteKeepsTypedText();
    void refusedPicturesSayWhy_data();
    void refusedPicturesSayWhy();
};

void TestNoteMenus::menusMatchTheirTables_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("mnuPopUpMenu") << int(NoteMenu::Main) << kMainMenu;
    QTest::newRow("mnuSystemMenu") << int(NoteMenu::System) << kSystemMenu;
    QTest::newRow("mnuPopUpSelect") << int(NoteMenu::Selection) << kSelectMenu;
    QTest::newRow("mnuPopupCaption") << int(NoteMenu::Caption) << kCaptionMenu;
}

void TestNoteMenus::menusMatchTheirTables()
{
    QFETCH(int, menu);
    QFETCH(QStringList, expected);
    NoteMenus menus;
    QCOMPARE(rendered(menus.menu(NoteMenu(menu))), expected);
    QCOMPARE(menus.menu(NoteMenu(menu))->objectName(), QString::fromLatin1(QTest::currentDataTag()));
}

void TestNoteMenus::itemsAreNamedAndIconed()
{
    NoteMenus menus;
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
}

void TestNoteMenus::iconsComeFromTheThemeAndShowTheirState()
{
    // Every item that has an icon takes it from an icon theme (no drawn placeholder), each key its own; every
    // checkable item shows its state: the style's check mark, or a mark drawn on its icon when checked.
    NoteMenus menus;
    QHash<QString, QString> namesByKey;
    for (QAction* item : menus.commandItems()) {
        const QString key = item->property("iconKey").toString();
        if (!key.isEmpty()) {
            QVERIFY2(QIcon::hasThemeIcon(menuIconName(key)), qPrintable(key));
            QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));
            namesByKey.insert(key, menuIconName(key));
        }
        if (item->isCheckable() && !item->icon().isNull()) {
            const QImage off = item->icon().pixmap(16, QIcon::Normal, QIcon::Off).toImage();
            const QImage on = item->icon().pixmap(16, QIcon::Normal, QIcon::On).toImage();
            QVERIFY2(off != on, qPrintable(item->objectName()));
        }
    }
    const QStringList names = namesByKey.values();
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

void TestNoteMenus::itemsShowTheNotesState()
{
    // One set of menus serves every note: each popup shows the state of the note it is for.
    NoteMenus menus;
    Note onTop;
    Note other;
    other.setOnTop(false);
    other.run(Command::NoteColor, 6);
    other.run(Command::CaptionType, 1);
    other.run(Command::RollUp);
    menus.showStateOf(other);
    QVERIFY(!menus.item(QStringLiteral("mnuTop"))->isChecked());
    QCOMPARE(menus.item(QStringLiteral("mnuTop"))->property("iconKey").toString(), QStringLiteral("Normal"));
    QVERIFY(menus.item(QStringLiteral("mnuSetColor(6)"))->isChecked());
    QVERIFY(!menus.item(QStringLiteral("mnuSetColor(0)"))->isChecked());
    QVERIFY(menus.item(QStringLiteral("mnuCaptionType(1)"))->isChecked());
    QVERIFY(!menus.item(QStringLiteral("mnuSystemMinimize"))->isEnabled());
    menus.showStateOf(onTop);
    QVERIFY(menus.item(QStringLiteral("mnuTop"))->isChecked());
    QCOMPARE(menus.item(QStringLiteral("mnuTop"))->property("iconKey").toString(), QStringLiteral("Ontop"));
    QVERIFY(menus.item(QStringLiteral("mnuSetColor(0)"))->isChecked());
    QVERIFY(menus.item(QStringLiteral("mnuCaptionType(0)"))->isChecked());
    QVERIFY(menus.item(QStringLiteral("mnuSystemMinimize"))->isEnabled());
}

void TestNoteMenus::choosingAnItemRunsItsCommand()
{
    NoteMenus menus;
    Note note;
    QList<CommandCall> chosen;
    menus.popUp(NoteMenu::Main, note, QPoint(10, 10), [&chosen](CommandCall call) { chosen << call; });
    menus.item(QStringLiteral("mnuSave(2)"))->trigger();
    menus.item(QStringLiteral("mnuSetColor(5)"))->trigger();
    menus.menu(NoteMenu::Main)->hide();
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(int(chosen.at(0).command), int(Command::AppendTo));
    QCOMPARE(int(chosen.at(1).command), int(Command::NoteColor));
    QCOMPARE(chosen.at(1).index, 5);
}

void TestNoteMenus::everyItemDoesWhatItSays()
{
    // Every item of the four menus, chosen on a note, changes something a user or the program would notice: on a
    // plain note with a word selected, or else on one with everything formatted and its options changed.
    NoteMenus menus;
    QStringList didNothing;
    for (const QAction* item : menus.commandItems()) {
        const CommandCall call = menus.commandOf(item);
        if (call.command == Command::ResolveConflict) {
            continue; // offered on conflict notes only (tst_foldersync)
        }
        bool noticed = false;
        for (bool changed : {false, true}) {
            CommandBench bench;
            if (changed) {
                bench.changeEverything();
            } else {
                bench.note->text().setSelStart(4);
                bench.note->text().setSelLength(5);
            }
            const Observed before = bench.observe();
            bench.note->run(call.command, call.index);
            noticed = noticed || !(bench.observe() == before); // a closed note is only deleted later
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (!noticed) {
            didNothing << item->objectName();
        }
    }
    QCOMPARE(didNothing, QStringList());
}

void TestNoteMenus::specialNoteKeepsTypedText_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("notes"); // 2: made beside; 1: in this note, which keeps its text
    QTest::newRow("Time") << "mnuSNTime" << int(SpecialKind::Time) << 2;
    QTest::newRow("Computer Memory") << "mnuSNComputerMemory" << int(SpecialKind::Memory) << 2;
    QTest::newRow("Drive Information") << "mnuSNDrives" << int(SpecialKind::Drives) << 2;
    QTest::newRow("Clipboard Viewer") << "mnuSNClipboard" << int(SpecialKind::ClipboardViewer) << 2;
    QTest::newRow("Clipboard Log") << "mnuSNClipboardLog" << int(SpecialKind::ClipboardLog) << 2;
    QTest::newRow("RSS Feed") << "mnuSNRSSFeed" << int(SpecialKind::RssFeed) << 2;
    QTest::newRow("Stocks") << "mnuSNStockQuote" << int(SpecialKind::StockQuote) << 2;
    QTest::newRow("Reminder, which shows the note's own text") << "mnuSNReminder" << int(SpecialKind::Reminder) << 1;
}

void TestNoteMenus::specialNoteKeepsTypedText()
{
    QFETCH(QString, item);
    QFETCH(int, kind);
    QFETCH(int, notes);
    CommandBench bench;
    bench.dialogs.textAnswers << QStringLiteral("http://127.0.0.1:9/feed") << QStringLiteral("QVR");
    bench.dialogs.timeAnswers << QTime(23, 0);
    bench.note->text().setText(QStringLiteral("Call mum at 6"));
    NoteMenus menus;
    menus.popUp(NoteMenu::Main, *bench.note, QPoint(10, 10), [&bench](CommandCall call) {
        bench.note->run(call.command, call.index);
    });
    QAction* chosen = menus.item(item);
    QVERIFY(chosen->isVisible() && chosen->isEnabled());
    chosen->trigger();
    menus.menu(NoteMenu::Main)->hide();
    QCOMPARE(bench.note->text().text(), QStringLiteral("Call mum at 6"));
    QCOMPARE(bench.board.count(), notes);
    Note* special = bench.board.notes().last();
    QVERIFY(special->isSpecial());
    QCOMPARE(int(special->special()->kind()), kind);
    QVERIFY(notes == 1 || !bench.note->isSpecial());
}

namespace {

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// The start of a PNG declaring a size, with nothing to decode behind it.
QByteArray pngHeader(quint32 width, quint32 height)
{
    QByteArray chunk("IHDR");
    for (const quint32 value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            chunk.append(char((value >> shift) & 0xFF));
        }
    }
    chunk.append("\x08\x02\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    const auto append = [&png](const QByteArray& body) { // length, type and data, CRC
        const quint32 length = quint32(body.size() - 4);
        const quint32 crc = crc32(body);
        for (const quint32 value : {length}) {
            for (int shift = 24; shift >= 0; shift -= 8) {
                png.append(char((value >> shift) & 0xFF));
            }
        }
        png.append(body);
        for (int shift = 24; shift >= 0; shift -= 8) {
            png.append(char((crc >> shift) & 0xFF));
        }
    };
    append(chunk);
    append(QByteArray("IDAT\x78\x9c\x03\x00\x00\x00\x00\x01", 12)); // a few bytes of picture, far too few
    append(QByteArray("IEND"));
    return png;
}

} // namespace

void TestNoteMenus::refusedPicturesSayWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("damaged") << "damaged"
                             << "could not be read as a picture";
    QTest::newRow("not a picture") << "text"
                                   << "is not a picture Jotlet can read";
    QTest::newRow("48 million pixels, refused from its header") << "huge"
                                                                << "8000 x 6000 pixels";
    QTest::newRow("too large to keep, even scaled") << "noise"
                                                    << "larger than 8 MB";
}

void TestNoteMenus::refusedPicturesSayWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    if (kind == QLatin1String("noise")) {
        QImage noise(2048, 2048, QImage::Format_RGB32);
        QRandomGenerator random(42);
        for (int y = 0; y < noise.height(); ++y) {
            auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
            for (int x = 0; x < noise.width(); ++x) {
                line[x] = random.generate();
            }
        }
        QVERIFY(noise.save(path, "PNG", 100));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kind == QLatin1String("huge")      ? pngHeader(8000, 6000)
                   : kind == QLatin1String("damaged") ? pngHeader(400, 300) + QByteArray(100, '\x55')
                                                      : QByteArray("just some words"));
    }
    CommandBench bench;
    bench.note->text().setText(QStringLiteral("before "));
    bench.dialogs.fileAnswers << path;
    NoteMenus menus;
    menus.popUp(NoteMenu::Main, *bench.note, QPoint(10, 10), [&bench](CommandCall call) {
        bench.note->run(call.command, call.index);
    });
    menus.item(QStringLiteral("mnuInsertPicture"))->trigger(); // Insert Special > Picture...
    menus.menu(NoteMenu::Main)->hide();
    // Made ready on a worker: the note takes what is typed meanwhile.
    QVERIFY(bench.dialogs.warnings.isEmpty());
    QTextCursor typing(bench.note->text().document());
    typing.movePosition(QTextCursor::End);
    typing.insertText(QStringLiteral("typed meanwhile"));
    QTRY_COMPARE_WITH_TIMEOUT(bench.dialogs.warnings.size(), 1, 60000);
    QVERIFY2(bench.dialogs.warnings.first().contains(why), qPrintable(bench.dialogs.warnings.first()));
    QCOMPARE(bench.note->text().text(), QStringLiteral("before typed meanwhile"));
}

QTEST_MAIN(TestNoteMenus)
#include "tst_notemenus.moc"
