// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/notemenus.h"

#include "note/note.h"
#include "note/notecolors.h"
#include "window/menuicons.h"
#include "window/translucency.h"
#include "window/windowhelpers.h"

#include <QApplication>
#include <QKeySequence>

#include <QMenu>

namespace jotlet {

// One row of a menu table: its depth under the menu (a submenu's items follow it one level deeper), the caption
// ("-" for a separator), the control name, the command and its index, the shortcut label, and the item's flags and
// icon key.
struct MenuSpec
{
    int depth;
    const char* caption;
    const char* control;
    Command command = Command::None;
    int index = -1;
    const char* label = nullptr;
    int flags = 0;
    const char* icon = nullptr;
};

namespace {

enum : int { Checkable = 1, Checked = 2 | Checkable, Hidden = 4, OnlyWhenEnabled = 8 };

// One item per line reads as the menu does.
// clang-format off
const MenuSpec kMainMenu[] = {
    // Only on a note that shows another computer's version of a note.
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Keep This Version"), "mnuConflict(0)", Command::ResolveConflict, 0, nullptr, OnlyWhenEnabled, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Keep the &Other Version"), "mnuConflict(1)", Command::ResolveConflict, 1, nullptr, OnlyWhenEnabled, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Keep &Both"), "mnuConflict(2)", Command::ResolveConflict, 2, nullptr, OnlyWhenEnabled, nullptr},
    {0, "-", "mnuConflictEnd", Command::None, -1, nullptr, OnlyWhenEnabled, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&New"), "mnuNew", Command::NewNote, -1, "Ctrl+N", 0, "NewNote"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Open"), "mnuOpen", Command::OpenNote, -1, "Ctrl+O", 0, "Open"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Sp&ecial Note"), "mnuSpecial", Command::None, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "T&ime"), "mnuSNTime", Command::SpecialTime, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "Reminder (&alarm)"), "mnuSNReminder", Command::SpecialReminder, -1, nullptr, 0, nullptr},
    {1, "-", nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&RSS Feed"), "mnuSNRSSFeed", Command::SpecialRssFeed, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "S&tocks"), "mnuSNStockQuote", Command::SpecialStocks, -1, nullptr, 0, nullptr},
    {1, "-", nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "Clipboard &Viewer (text)"), "mnuSNClipboard", Command::SpecialClipboardViewer, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "Clipboard &Log"), "mnuSNClipboardLog", Command::SpecialClipboardLog, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Computer Memory"), "mnuSNComputerMemory", Command::SpecialMemory, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Drive Information"), "mnuSNDrives", Command::SpecialDrives, -1, nullptr, 0, nullptr},
    {1, "-", nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Stop Special Note"), "mnuClearSpecial", Command::StopSpecialNote, -1, nullptr, 0, "Stop"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Multi-Note Manager"), "mnuMulitNote", Command::MultiNoteManager, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Find in Notes..."), "mnuFind", Command::FindInNotes, -1, "Ctrl+Shift+F", 0, nullptr},
    //: Opens the list of deleted notes, which can be restored.
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Tras&h..."), "mnuTrash", Command::ShowTrash, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Notes Awa&y and Back"), "mnuNotesInOut", Command::None, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Import Notes..."), "mnuImport", Command::ImportNotes, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Export Notes..."), "mnuExport", Command::ExportNotes, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Restore from Backup..."), "mnuRestoreBackup", Command::RestoreBackup, -1, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Save"), "mnuSave(0)", Command::Save, -1, "Ctrl+S", 0, "Save"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Sa&ve As"), "mnuSave(1)", Command::SaveAs, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Appen&d To"), "mnuSave(2)", Command::AppendTo, -1, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Em&ail Content"), "mnuEmail", Command::EmailNote, -1, "Ctrl+Y", 0, "Email"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Print"), "mnuPrint", Command::PrintNote, -1, "Ctrl+P", 0, "Print"},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Paste"), "mnuEdit(0)", Command::Paste, -1, "Ctrl+V", 0, "Paste"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Paste Plain Te&xt"), "mnuEdit(1)", Command::PastePlainText, -1, nullptr, 0, "PasteAsText"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Undo"), "mnuEdit(2)", Command::Undo, -1, "Ctrl+Z", 0, "Undo"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "C&lear All"), "mnuEdit(3)", Command::ClearAll, 0, nullptr, 0, "Clear"},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Inse&rt Special"), "mnuInsertmain", Command::None, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "Date / &Time Stamp"), "mnuInsert(0)", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "Date / &Time"), "mnuInsertDateTime(0)", Command::InsertDateStamp, 0, "F6", 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "Date (&long)"), "mnuInsertDateTime(1)", Command::InsertDateStamp, 1, "Shift+F6", 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Date (short)"), "mnuInsertDateTime(2)", Command::InsertDateStamp, 2, "Ctrl+F6", 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Degree"), "mnuInsert(1)", Command::InsertCharacter, 1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Copyright"), "mnuInsert(2)", Command::InsertCharacter, 2, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Ellipsis"), "mnuInsert(3)", Command::InsertCharacter, 3, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Registered Trademark"), "mnuInsert(4)", Command::InsertCharacter, 4, nullptr, 0, nullptr},
    //: Inserts the pound sterling sign.
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Pound"), "mnuInsert(5)", Command::InsertCharacter, 5, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "Pict&ure..."), "mnuInsertPicture", Command::InsertPicture, -1, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Chec&k Spelling"), "mnuCheckSpelling", Command::CheckSpelling, -1, "F7", 0, "Spell"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Con&tent Options"), "mnuContentOptions", Command::None, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Font"), "mnuFont", Command::None, -1, nullptr, 0, "FontStyle"},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "S&tyle"), "mnuFontStyle", Command::None, -1, nullptr, 0, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Normal"), "mnuFontNormal", Command::StyleNormal, -1, nullptr, Checked, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Italic"), "mnuFontItalic", Command::StyleItalic, -1, "Ctrl+I", Checkable, "Italic"},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Underline"), "mnuFontUnderline", Command::StyleUnderline, -1, "Ctrl+U", Checkable, "Underline"},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Bold"), "mnuFontBold", Command::StyleBold, -1, "Ctrl+B", Checkable, "Bold"},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Size"), "mnuFontSizes", Command::None, -1, nullptr, 0, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Small"), "mnuFontSize(0)", Command::NoteFontSize, 0, nullptr, Checkable, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Normal"), "mnuFontSize(1)", Command::NoteFontSize, 1, nullptr, Checked, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Medium"), "mnuFontSize(2)", Command::NoteFontSize, 2, nullptr, Checkable, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "L&arge"), "mnuFontSize(3)", Command::NoteFontSize, 3, nullptr, Checkable, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Largest"), "mnuFontSize(4)", Command::NoteFontSize, 4, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Color"), "mnuFontColors", Command::TextColor, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Paragraph"), "mnuParagraph", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Alignment"), "mnuAlignmentMain", Command::None, -1, nullptr, 0, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Left"), "mnuAlignment(0)", Command::AlignNote, 0, nullptr, 0, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Center"), "mnuAlignment(1)", Command::AlignNote, 1, nullptr, 0, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Right"), "mnuAlignment(2)", Command::AlignNote, 2, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Bullets"), "mnuBulletsMain", Command::None, -1, nullptr, 0, "Bullets"},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Add New"), "mnuBullets(0)", Command::Bullets, 0, nullptr, 0, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Remove existing"), "mnuBullets(1)", Command::Bullets, 1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Indent"), "mnuIndentMain", Command::None, -1, nullptr, 0, nullptr},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Increase"), "mnuIndent(0)", Command::Indent, 0, nullptr, 0, "IncreaseIndent"},
    {3, QT_TRANSLATE_NOOP("NoteMenus", "&Decrease"), "mnuIndent(1)", Command::Indent, 1, nullptr, 0, "DecreaseIndent"},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Checklist"), "mnuChecklist", Command::Checklist, -1, "Ctrl+Shift+L", 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Note Opt&ions"), "mnuNoteOptions", Command::None, -1, nullptr, 0, "Options"},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Font Family"), "mnuFontFamily", Command::FontFamily, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Color"), "mnuColor", Command::None, -1, nullptr, 0, "Color"},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "Ye&llow"), "mnuSetColor(0)", Command::NoteColor, 0, nullptr, Checked, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Blue"), "mnuSetColor(1)", Command::NoteColor, 1, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Green"), "mnuSetColor(2)", Command::NoteColor, 2, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Red"), "mnuSetColor(3)", Command::NoteColor, 3, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "Gre&y"), "mnuSetColor(4)", Command::NoteColor, 4, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "P&each"), "mnuSetColor(5)", Command::NoteColor, 5, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Purple"), "mnuSetColor(6)", Command::NoteColor, 6, nullptr, Checkable, nullptr},
    //: A note colour: tangerine orange.
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Tang"), "mnuSetColor(7)", Command::NoteColor, 7, nullptr, Checkable, nullptr},
    {2, "-", "mnuSetColor(8)", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Custom Color"), "mnuSetColor(9)", Command::NoteColor, kCustomColorIndex, nullptr, 0, "Color"},
    {2, "-", "mnuLookSeparator", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Dark"), "mnuDarkLook", Command::DarkLook, -1, nullptr, Checkable, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Transparency"), "mnuTransparentMain", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Low"), "mnuTransparent(0)", Command::Transparency, 0, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Medium"), "mnuTransparent(1)", Command::Transparency, 1, nullptr, Checkable, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&High"), "mnuTransparent(2)", Command::Transparency, 2, nullptr, Checkable, nullptr},
    //: Transparency off: the note is opaque.
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Off"), "mnuTransparent(3)", Command::Transparency, 3, nullptr, Checked, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "Always &on Top"), "mnuTop", Command::AlwaysOnTop, -1, nullptr, Checked, "Ontop"},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Autosave Note on Close"), "mnuAutoSave", Command::AutoSave, -1, nullptr, Checkable, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "Save &New Note on Close"), "mnuNewNoteSaveOnClose", Command::SaveNewNoteOnClose, -1, nullptr, Checkable, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Save Settings"), "mnuSaveSettings", Command::SaveSettings, -1, nullptr, Checkable, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Settin&gs..."), "mnuSettings", Command::ShowSettings, -1, nullptr, 0, "Settings"},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "A&bout"), "mnuAboutMain", Command::None, -1, nullptr, 0, "About"},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Help"), "mnuHelp", Command::ShowHelp, -1, nullptr, Hidden, "Help"},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Quorvel's Website"), "mnuQuorvel", Command::OpenWebsite, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Jotlet"), "mnuAbout", Command::ShowAbout, -1, nullptr, 0, "NewNote"},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Close"), "mnuClose", Command::CloseNote, -1, nullptr, 0, nullptr},
};
// clang-format on

// One item per line reads as the menu does.
// clang-format off
const MenuSpec kSystemMenu[] = {
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&New"), "mnuSystemNew", Command::NewNote, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "M&inimize"), "mnuSystemMinimize", Command::RollUp, -1, nullptr, 0, "Minimize"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Default Size"), "mnuSystemDefaultSize", Command::DefaultSize, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Res&tore Size"), "mnuSystemRestore", Command::RestoreSize, -1, nullptr, 0, "Restore"},
    // Moving and sizing with the arrow keys, for a keyboard without a mouse.
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Move"), "mnuSystemMove", Command::KeyboardMove, -1, "Alt+F7", 0, nullptr},
    //: Sizes the note with the arrow keys (the window menu's Size).
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Si&ze"), "mnuSystemSize", Command::KeyboardSize, -1, "Alt+F8", 0, nullptr},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Reset"), "mnuSystemReset", Command::ResetNote, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Close (Alt-F4)"), "mnuSystemClose", Command::CloseNote, -1, nullptr, 0, nullptr},
};
// clang-format on

// One item per line reads as the menu does.
// clang-format off
const MenuSpec kSelectMenu[] = {
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Strike-Out"), "mnuStrikeOut(0)", Command::StrikeOut, 0, nullptr, 0, "Strike"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Remove"), "mnuStrikeOut(1)", Command::StrikeOut, 1, nullptr, 0, "Font"},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "C&heck Spelling"), "mnuSelectSpelling", Command::CheckSelectionSpelling, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Email Selection"), "mnuEmailSelection", Command::EmailSelection, -1, nullptr, 0, "Email"},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Cut"), "mnuSelectEdit(0)", Command::Cut, -1, "Ctrl+X", 0, "Cut"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "C&opy"), "mnuSelectEdit(1)", Command::Copy, -1, "Ctrl+C", 0, "Copy"},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "P&aste"), "mnuSelectEdit(2)", Command::Paste, -1, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Undo"), "mnuSelectEdit(3)", Command::Undo, -1, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Font Size"), "mnuSelectSize", Command::None, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Small"), "mnuSelectFontSize(0)", Command::SelectionFontSize, 0, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Normal"), "mnuSelectFontSize(1)", Command::SelectionFontSize, 1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Medium"), "mnuSelectFontSize(2)", Command::SelectionFontSize, 2, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "L&arge"), "mnuSelectFontSize(3)", Command::SelectionFontSize, 3, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Largest"), "mnuSelectFontSize(4)", Command::SelectionFontSize, 4, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "Fon&t Style"), "mnuSelectFontStyle", Command::None, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Italic"), "mnuSelectStyle(0)", Command::SelectionStyle, 0, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Underline"), "mnuSelectStyle(1)", Command::SelectionStyle, 1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Bold"), "mnuSelectStyle(2)", Command::SelectionStyle, 2, nullptr, 0, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&No Format"), "mnuRemoveFormat", Command::RemoveFormat, -1, nullptr, 0, "Clear"},
    {0, "-", nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Paragraph"), "mnuSelectParagraph", Command::None, -1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Alignment"), "mnuSelectAlignmentMain", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Left"), "mnuSelectAlignment(0)", Command::AlignSelection, 0, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Center"), "mnuSelectAlignment(1)", Command::AlignSelection, 1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Right"), "mnuSelectAlignment(2)", Command::AlignSelection, 2, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Bullets"), "mnuSelectBulletMain", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Add new"), "mnuSelectBullet(0)", Command::Bullets, 0, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Remove existing"), "mnuSelectBullet(1)", Command::Bullets, 1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Indent"), "mnuSelectIndentMain", Command::None, -1, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Increase"), "mnuSelectIndent(0)", Command::Indent, 0, nullptr, 0, nullptr},
    {2, QT_TRANSLATE_NOOP("NoteMenus", "&Decrease"), "mnuSelectIndent(1)", Command::Indent, 1, nullptr, 0, nullptr},
    {1, QT_TRANSLATE_NOOP("NoteMenus", "&Checklist"), "mnuSelectChecklist", Command::Checklist, -1, nullptr, 0, nullptr},
};
// clang-format on

// One item per line reads as the menu does.
// clang-format off
const MenuSpec kCaptionMenu[] = {
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Time / Date Stamp"), "mnuCaptionType(0)", Command::CaptionType, 0, nullptr, Checked, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Word Count"), "mnuCaptionType(1)", Command::CaptionType, 1, nullptr, Checkable, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Character Count"), "mnuCaptionType(2)", Command::CaptionType, 2, nullptr, Checkable, nullptr},
    {0, QT_TRANSLATE_NOOP("NoteMenus", "&Note Filename"), "mnuCaptionType(3)", Command::CaptionType, 3, nullptr, Checkable, nullptr},
};
// clang-format on

} // namespace

NoteMenus::NoteMenus(QObject* parent)
    : QObject(parent)
{
    setUpIconTheme();
    m_menus[int(NoteMenu::Main)] = build(kMainMenu, int(std::size(kMainMenu)), QStringLiteral("mnuPopUpMenu"));
    m_menus[int(NoteMenu::System)] = build(kSystemMenu, int(std::size(kSystemMenu)), QStringLiteral("mnuSystemMenu"));
    m_menus[int(NoteMenu::Selection)]
        = build(kSelectMenu, int(std::size(kSelectMenu)), QStringLiteral("mnuPopUpSelect"));
    m_menus[int(NoteMenu::Caption)]
        = build(kCaptionMenu, int(std::size(kCaptionMenu)), QStringLiteral("mnuPopupCaption"));
}

NoteMenus::~NoteMenus()
{
    for (QMenu* menu : m_menus) {
        delete menu;
    }
}

NoteMenus& NoteMenus::shared()
{
    static NoteMenus* menus = new NoteMenus(qApp); // goes with the application
    return *menus;
}

QMenu* NoteMenus::build(const MenuSpec* specs, int count, const QString& name)
{
    auto* top = new QMenu;
    top->setObjectName(name);
    QList<QMenu*> levels {top};
    for (int i = 0; i < count; ++i) {
        const MenuSpec& spec = specs[i];
        levels.resize(spec.depth + 1);
        QMenu* parent = levels.at(spec.depth);
        const QString control = spec.control ? QString::fromLatin1(spec.control) : QString();
        QAction* action = nullptr;
        if (qstrcmp(spec.caption, "-") == 0) {
            action = parent->addSeparator();
        } else if (i + 1 < count && specs[i + 1].depth > spec.depth) {
            QMenu* sub = parent->addMenu(QCoreApplication::translate("NoteMenus", spec.caption));
            sub->setObjectName(control);
            action = sub->menuAction();
            levels.append(sub);
        } else {
            action = parent->addAction(QCoreApplication::translate("NoteMenus", spec.caption));
            if (spec.label) {
                // The menu shows the key as the user's language spells it ("Strg+N") and a screen reader announces
                // it as the item's key, not as part of its name. The note's key table does the work: the shortcut
                // only acts while the menu itself has the keyboard.
                action->setShortcut(QKeySequence::fromString(QLatin1String(spec.label)));
                action->setShortcutContext(Qt::WidgetShortcut);
            }
            const CommandCall call {spec.command, spec.index};
            m_commands.insert(action, call);
            connect(action, &QAction::triggered, this, [this, call] {
                if (m_run) {
                    m_run(call);
                }
            });
        }
        action->setObjectName(control);
        action->setCheckable(spec.flags & Checkable);
        action->setChecked((spec.flags & Checked) == Checked);
        action->setVisible(!(spec.flags & (Hidden | OnlyWhenEnabled)));
        action->setProperty("onlyWhenEnabled", bool(spec.flags & OnlyWhenEnabled));
        if (spec.icon) {
            const QIcon icon = menuIcon(QLatin1String(spec.icon));
            action->setIcon(action->isCheckable() ? iconWithCheckState(icon) : icon);
            action->setProperty("iconKey", QLatin1String(spec.icon));
        }
        if (!control.isEmpty()) {
            m_items.insert(control, action);
        }
    }
    return top;
}

QList<QAction*> NoteMenus::commandItems() const
{
    return m_commands.keys();
}

CommandCall NoteMenus::commandOf(const QAction* item) const
{
    return m_commands.value(const_cast<QAction*>(item));
}

void NoteMenus::showStateOf(const Note& note)
{
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it) {
        QAction* action = it.key();
        if (action->isCheckable()) {
            action->setChecked(note.isChecked(it->command, it->index));
        }
        const bool enabled = note.isEnabled(it->command, it->index);
        action->setEnabled(enabled);
        if (action->property("onlyWhenEnabled").toBool()) {
            // From the note, not the action: Qt reports a hidden action as disabled, so it would never show again.
            action->setVisible(enabled);
        }
    }
    if (QAction* end = item(QStringLiteral("mnuConflictEnd"))) {
        end->setVisible(note.isEnabled(Command::ResolveConflict));
    }
    if (QAction* onTop = item(QStringLiteral("mnuTop"))) {
        const QString key = note.isOnTop() ? QStringLiteral("Ontop") : QStringLiteral("Normal");
        if (onTop->property("iconKey").toString() != key) {
            onTop->setIcon(iconWithCheckState(menuIcon(key)));
            onTop->setProperty("iconKey", key);
        }
    }
    // The compositor decides what stays on top and where windows go (Wayland).
    for (const QString& name : {QStringLiteral("mnuTop"), QStringLiteral("mnuSystemMove")}) {
        if (QAction* action = item(name)) {
            action->setEnabled(windowSystemPlacesWindows());
        }
    }
    if (QAction* transparency = item(QStringLiteral("mnuTransparentMain"))) {
        // Shown unavailable where the desktop cannot draw it (X11 without a compositing manager).
        transparency->setEnabled(Translucency::isAvailable());
    }
}

void NoteMenus::popUp(NoteMenu which, const Note& note, const QPoint& at, Runner run)
{
    for (QMenu* menu : m_menus) {
        menu->hide(); // one popup at a time
    }
    showStateOf(note);
    m_run = std::move(run);
    m_menus[int(which)]->popup(at);
}

} // namespace jotlet
