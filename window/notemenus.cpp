// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/notemenus.h"

#include "note/note.h"
#include "window/menuicons.h"
#include "window/translucency.h"
#include "window/windowhelpers.h"

#include <QApplication>

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

const MenuSpec kMainMenu[] = {
    // Only on a note that shows another computer's version of a note.
    {0, "Keep This Version", "mnuConflict(0)", Command::ResolveConflict, 0, nullptr, OnlyWhenEnabled, nullptr},
    {0, "Keep the Other Version", "mnuConflict(1)", Command::ResolveConflict, 1, nullptr, OnlyWhenEnabled, nullptr},
    {0, "Keep Both", "mnuConflict(2)", Command::ResolveConflict, 2, nullptr, OnlyWhenEnabled, nullptr},
    {0, "-", "mnuConflictEnd", Command::None, -1, nullptr, OnlyWhenEnabled, nullptr},
    {0, "&New", "mnuNew", Command::NewNote, -1, "Ctrl+N", 0, "NewNote"},
    {0, "&Open", "mnuOpen", Command::OpenNote, -1, "Ctrl+O", 0, "Open"},
    {0, "Special Note", "mnuSpecial", Command::None, -1, nullptr, 0, nullptr},
    {1, "Time", "mnuSNTime", Command::SpecialTime, -1, nullptr, 0, nullptr},
    {1, "Reminder (alarm)", "mnuSNReminder", Command::SpecialReminder, -1, nullptr, 0, nullptr},
    {1, "-", nullptr},
    {1, "RSS Feed", "mnuSNRSSFeed", Command::SpecialRssFeed, -1, nullptr, 0, nullptr},
    {1, "Stocks", "mnuSNStockQuote", Command::SpecialStocks, -1, nullptr, 0, nullptr},
    {1, "-", nullptr},
    {1, "Clipboard Viewer (text)", "mnuSNClipboard", Command::SpecialClipboardViewer, -1, nullptr, 0, nullptr},
    {1, "Clipboard Log", "mnuSNClipboardLog", Command::SpecialClipboardLog, -1, nullptr, 0, nullptr},
    {1, "Computer Memory", "mnuSNComputerMemory", Command::SpecialMemory, -1, nullptr, 0, nullptr},
    {1, "Drive Information", "mnuSNDrives", Command::SpecialDrives, -1, nullptr, 0, nullptr},
    {1, "-", nullptr},
    {1, "Stop Special Note", "mnuClearSpecial", Command::StopSpecialNote, -1, nullptr, 0, "Stop"},
    {0, "Multi-Note Manager", "mnuMulitNote", Command::MultiNoteManager, -1, nullptr, 0, nullptr},
    {0, "Find in Notes...", "mnuFind", Command::FindInNotes, -1, "Ctrl+Shift+F", 0, nullptr},
    {0, "Trash...", "mnuTrash", Command::ShowTrash, -1, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, "&Save", "mnuSave(0)", Command::Save, -1, "Ctrl+S", 0, "Save"},
    {0, "Save As", "mnuSave(1)", Command::SaveAs, -1, nullptr, 0, nullptr},
    {0, "Append To", "mnuSave(2)", Command::AppendTo, -1, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, "Email Content", "mnuEmail", Command::EmailNote, -1, "Ctrl+Y", 0, "Email"},
    {0, "&Print", "mnuPrint", Command::PrintNote, -1, "Ctrl+P", 0, "Print"},
    {0, "-", nullptr},
    {0, "&Paste", "mnuEdit(0)", Command::Paste, -1, "Ctrl+V", 0, "Paste"},
    {0, "Paste Plain Text", "mnuEdit(1)", Command::PastePlainText, -1, nullptr, 0, "PasteAsText"},
    {0, "Undo", "mnuEdit(2)", Command::Undo, -1, "Ctrl+Z", 0, "Undo"},
    {0, "Clear All", "mnuEdit(3)", Command::ClearAll, 0, nullptr, 0, "Clear"},
    {0, "-", nullptr},
    {0, "Insert Special", "mnuInsertmain", Command::None, -1, nullptr, 0, nullptr},
    {1, "Date / Time Stamp", "mnuInsert(0)", Command::None, -1, nullptr, 0, nullptr},
    {2, "Date / Time", "mnuInsertDateTime(0)", Command::InsertDateStamp, 0, "F6", 0, nullptr},
    {2, "Date (long)", "mnuInsertDateTime(1)", Command::InsertDateStamp, 1, "Shift+F6", 0, nullptr},
    {2, "Date (short)", "mnuInsertDateTime(2)", Command::InsertDateStamp, 2, "Ctrl+F6", 0, nullptr},
    {1, "Degree", "mnuInsert(1)", Command::InsertCharacter, 1, nullptr, 0, nullptr},
    {1, "Copyright", "mnuInsert(2)", Command::InsertCharacter, 2, nullptr, 0, nullptr},
    {1, "Ellipsis", "mnuInsert(3)", Command::InsertCharacter, 3, nullptr, 0, nullptr},
    {1, "Registered Trademark", "mnuInsert(4)", Command::InsertCharacter, 4, nullptr, 0, nullptr},
    {1, "Pound", "mnuInsert(5)", Command::InsertCharacter, 5, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, "Check Spelling", "mnuCheckSpelling", Command::CheckSpelling, -1, "F7", 0, "Spell"},
    {0, "Content Options", "mnuContentOptions", Command::None, -1, nullptr, 0, nullptr},
    {1, "Font", "mnuFont", Command::None, -1, nullptr, 0, "FontStyle"},
    {2, "Style", "mnuFontStyle", Command::None, -1, nullptr, 0, nullptr},
    {3, "Normal", "mnuFontNormal", Command::StyleNormal, -1, nullptr, Checked, nullptr},
    {3, "Italic", "mnuFontItalic", Command::StyleItalic, -1, "Ctrl+I", Checkable, "Italic"},
    {3, "Underline", "mnuFontUnderline", Command::StyleUnderline, -1, "Ctrl+U", Checkable, "Underline"},
    {3, "Bold", "mnuFontBold", Command::StyleBold, -1, "Ctrl+B", Checkable, "Bold"},
    {2, "Size", "mnuFontSizes", Command::None, -1, nullptr, 0, nullptr},
    {3, "Small", "mnuFontSize(0)", Command::NoteFontSize, 0, nullptr, Checkable, nullptr},
    {3, "Normal", "mnuFontSize(1)", Command::NoteFontSize, 1, nullptr, Checked, nullptr},
    {3, "Medium", "mnuFontSize(2)", Command::NoteFontSize, 2, nullptr, Checkable, nullptr},
    {3, "Large", "mnuFontSize(3)", Command::NoteFontSize, 3, nullptr, Checkable, nullptr},
    {3, "Largest", "mnuFontSize(4)", Command::NoteFontSize, 4, nullptr, Checkable, nullptr},
    {2, "Color", "mnuFontColors", Command::TextColor, -1, nullptr, 0, nullptr},
    {1, "Paragraph", "mnuParagraph", Command::None, -1, nullptr, 0, nullptr},
    {2, "Alignment", "mnuAlignmentMain", Command::None, -1, nullptr, 0, nullptr},
    {3, "Left", "mnuAlignment(0)", Command::AlignNote, 0, nullptr, 0, nullptr},
    {3, "Center", "mnuAlignment(1)", Command::AlignNote, 1, nullptr, 0, nullptr},
    {3, "Right", "mnuAlignment(2)", Command::AlignNote, 2, nullptr, 0, nullptr},
    {2, "Bullets", "mnuBulletsMain", Command::None, -1, nullptr, 0, "Bullets"},
    {3, "Add New", "mnuBullets(0)", Command::Bullets, 0, nullptr, 0, nullptr},
    {3, "Remove existing", "mnuBullets(1)", Command::Bullets, 1, nullptr, 0, nullptr},
    {2, "Indent", "mnuIndentMain", Command::None, -1, nullptr, 0, nullptr},
    {3, "Increase", "mnuIndent(0)", Command::Indent, 0, nullptr, 0, "IncreaseIndent"},
    {3, "Decrease", "mnuIndent(1)", Command::Indent, 1, nullptr, 0, "DecreaseIndent"},
    {0, "Note Options", "mnuNoteOptions", Command::None, -1, nullptr, 0, "Options"},
    {1, "Font Family", "mnuFontFamily", Command::FontFamily, -1, nullptr, 0, nullptr},
    {1, "Color", "mnuColor", Command::None, -1, nullptr, 0, "Color"},
    {2, "Yellow", "mnuSetColor(0)", Command::NoteColor, 0, nullptr, Checked, nullptr},
    {2, "Blue", "mnuSetColor(1)", Command::NoteColor, 1, nullptr, Checkable, nullptr},
    {2, "Green", "mnuSetColor(2)", Command::NoteColor, 2, nullptr, Checkable, nullptr},
    {2, "Red", "mnuSetColor(3)", Command::NoteColor, 3, nullptr, Checkable, nullptr},
    {2, "Grey", "mnuSetColor(4)", Command::NoteColor, 4, nullptr, Checkable, nullptr},
    {2, "Peach", "mnuSetColor(5)", Command::NoteColor, 5, nullptr, Checkable, nullptr},
    {2, "Purple", "mnuSetColor(6)", Command::NoteColor, 6, nullptr, Checkable, nullptr},
    {2, "Tang", "mnuSetColor(7)", Command::NoteColor, 7, nullptr, Checkable, nullptr},
    {2, "-", "mnuSetColor(8)", Command::None, -1, nullptr, 0, nullptr},
    {2, "Custom Color", "mnuSetColor(9)", Command::NoteColor, 9, nullptr, 0, "Color"},
    {1, "Transparency", "mnuTransparentMain", Command::None, -1, nullptr, 0, nullptr},
    {2, "Low", "mnuTransparent(0)", Command::Transparency, 0, nullptr, Checkable, nullptr},
    {2, "Medium", "mnuTransparent(1)", Command::Transparency, 1, nullptr, Checkable, nullptr},
    {2, "High", "mnuTransparent(2)", Command::Transparency, 2, nullptr, Checkable, nullptr},
    {2, "Off", "mnuTransparent(3)", Command::Transparency, 3, nullptr, Checked, nullptr},
    {1, "Always on Top", "mnuTop", Command::AlwaysOnTop, -1, nullptr, Checked, "Ontop"},
    {1, "Autosave Note on Close", "mnuAutoSave", Command::AutoSave, -1, nullptr, Checkable, nullptr},
    {1,
     "Save New Note on Close",
     "mnuNewNoteSaveOnClose",
     Command::SaveNewNoteOnClose,
     -1,
     nullptr,
     Checkable,
     nullptr},
    {1, "Save Settings", "mnuSaveSettings", Command::SaveSettings, -1, nullptr, Checkable, nullptr},
    {0, "Settings...", "mnuSettings", Command::ShowSettings, -1, nullptr, 0, "Settings"},
    {0, "-", nullptr},
    {0, "About", "mnuAboutMain", Command::None, -1, nullptr, 0, "About"},
    {1, "Help", "mnuHelp", Command::ShowHelp, -1, nullptr, Hidden, "Help"},
    {1, "Quorvel's Website", "mnuQuorvel", Command::OpenWebsite, -1, nullptr, 0, nullptr},
    {1, "Jotlet", "mnuAbout", Command::ShowAbout, -1, nullptr, 0, "NewNote"},
    {0, "-", nullptr},
    {0, "Close", "mnuClose", Command::CloseNote, -1, nullptr, 0, nullptr},
};

const MenuSpec kSystemMenu[] = {
    {0, "&New", "mnuSystemNew", Command::NewNote, -1, nullptr, 0, nullptr},
    {0, "Minimize", "mnuSystemMinimize", Command::RollUp, -1, nullptr, 0, "Minimize"},
    {0, "Default Size", "mnuSystemDefaultSize", Command::DefaultSize, -1, nullptr, 0, nullptr},
    {0, "Restore Size", "mnuSystemRestore", Command::RestoreSize, -1, nullptr, 0, "Restore"},
    {0, "-", nullptr},
    {0, "Reset", "mnuSystemReset", Command::ResetNote, -1, nullptr, 0, nullptr},
    {0, "Close (Alt-F4)", "mnuSystemClose", Command::CloseNote, -1, nullptr, 0, nullptr},
};

const MenuSpec kSelectMenu[] = {
    {0, "Strike-Out", "mnuStrikeOut(0)", Command::StrikeOut, 0, nullptr, 0, "Strike"},
    {0, "Remove", "mnuStrikeOut(1)", Command::StrikeOut, 1, nullptr, 0, "Font"},
    {0, "-", nullptr},
    {0, "Check Spelling", "mnuSelectSpelling", Command::CheckSelectionSpelling, -1, nullptr, 0, nullptr},
    {0, "Email Selection", "mnuEmailSelection", Command::EmailSelection, -1, nullptr, 0, "Email"},
    {0, "-", nullptr},
    {0, "Cut", "mnuSelectEdit(0)", Command::Cut, -1, "Ctrl+X", 0, "Cut"},
    {0, "Copy", "mnuSelectEdit(1)", Command::Copy, -1, "Ctrl+C", 0, "Copy"},
    {0, "Paste", "mnuSelectEdit(2)", Command::Paste, -1, nullptr, 0, nullptr},
    {0, "Undo", "mnuSelectEdit(3)", Command::Undo, -1, nullptr, 0, nullptr},
    {0, "-", nullptr},
    {0, "Font Size", "mnuSelectSize", Command::None, -1, nullptr, 0, nullptr},
    {1, "Small", "mnuSelectFontSize(0)", Command::SelectionFontSize, 0, nullptr, 0, nullptr},
    {1, "Normal", "mnuSelectFontSize(1)", Command::SelectionFontSize, 1, nullptr, 0, nullptr},
    {1, "Medium", "mnuSelectFontSize(2)", Command::SelectionFontSize, 2, nullptr, 0, nullptr},
    {1, "Large", "mnuSelectFontSize(3)", Command::SelectionFontSize, 3, nullptr, 0, nullptr},
    {1, "Largest", "mnuSelectFontSize(4)", Command::SelectionFontSize, 4, nullptr, 0, nullptr},
    {0, "Font Style", "mnuSelectFontStyle", Command::None, -1, nullptr, 0, nullptr},
    {1, "Italic", "mnuSelectStyle(0)", Command::SelectionStyle, 0, nullptr, 0, nullptr},
    {1, "Underline", "mnuSelectStyle(1)", Command::SelectionStyle, 1, nullptr, 0, nullptr},
    {1, "Bold", "mnuSelectStyle(2)", Command::SelectionStyle, 2, nullptr, 0, nullptr},
    {0, "No Format", "mnuRemoveFormat", Command::RemoveFormat, -1, nullptr, 0, "Clear"},
    {0, "-", nullptr},
    {0, "Paragraph", "mnuSelectParagraph", Command::None, -1, nullptr, 0, nullptr},
    {1, "Alignment", "mnuSelectAlignmentMain", Command::None, -1, nullptr, 0, nullptr},
    {2, "Left", "mnuSelectAlignment(0)", Command::AlignSelection, 0, nullptr, 0, nullptr},
    {2, "Center", "mnuSelectAlignment(1)", Command::AlignSelection, 1, nullptr, 0, nullptr},
    {2, "Right", "mnuSelectAlignment(2)", Command::AlignSelection, 2, nullptr, 0, nullptr},
    {1, "Bullets", "mnuSelectBulletMain", Command::None, -1, nullptr, 0, nullptr},
    {2, "Add new", "mnuSelectBullet(0)", Command::Bullets, 0, nullptr, 0, nullptr},
    {2, "Remove existing", "mnuSelectBullet(1)", Command::Bullets, 1, nullptr, 0, nullptr},
    {1, "Indent", "mnuSelectIndentMain", Command::None, -1, nullptr, 0, nullptr},
    {2, "Increase", "mnuSelectIndent(0)", Command::Indent, 0, nullptr, 0, nullptr},
    {2, "Decrease", "mnuSelectIndent(1)", Command::Indent, 1, nullptr, 0, nullptr},
};

const MenuSpec kCaptionMenu[] = {
    {0, "Time / Date Stamp", "mnuCaptionType(0)", Command::CaptionType, 0, nullptr, Checked, nullptr},
    {0, "Word Count", "mnuCaptionType(1)", Command::CaptionType, 1, nullptr, Checkable, nullptr},
    {0, "Character Count", "mnuCaptionType(2)", Command::CaptionType, 2, nullptr, Checkable, nullptr},
    {0, "Note Filename", "mnuCaptionType(3)", Command::CaptionType, 3, nullptr, Checkable, nullptr},
};

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
            QMenu* sub = parent->addMenu(QString::fromUtf8(spec.caption));
            sub->setObjectName(control);
            action = sub->menuAction();
            levels.append(sub);
        } else {
            const QString label = spec.label ? QLatin1Char('\t') + QLatin1String(spec.label) : QString();
            action = parent->addAction(QString::fromUtf8(spec.caption) + label);
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
        action->setEnabled(note.isEnabled(it->command, it->index));
        if (action->property("onlyWhenEnabled").toBool()) {
            action->setVisible(action->isEnabled());
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
    if (QAction* onTop = item(QStringLiteral("mnuTop"))) {
        onTop->setEnabled(windowSystemPlacesWindows()); // the compositor decides what stays on top (Wayland)
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
