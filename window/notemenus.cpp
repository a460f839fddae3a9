#include "window/notemenus.h"

#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace jotlet {

// One row of a menu table: its depth under the menu (a submenu's items follow it one level deeper), the caption
// ("-" for a separator), the control name, the shortcut label, and the item's flags and icon key.
struct MenuSpec
{
    int depth;
    const char* caption;
    const char* control;
    const char* label = nullptr;
    int flags = 0;
    const char* icon = nullptr;
};

namespace {

enum : int { Checkable = 1, Checked = 2 | Checkable, Hidden = 4 };

const MenuSpec kMainMenu[] = {
    {0, "&New", "mnuNew", "Ctrl+N", 0, "NewNote"},
    {0, "&Open", "mnuOpen", "Ctrl+O", 0, "Open"},
    {0, "Special Note", "mnuSpecial"},
    {1, "Time", "mnuSNTime"},
    {1, "Reminder (alarm)", "mnuSNReminder"},
    {1, "-", nullptr},
    {1, "RSS Feed", "mnuSNRSSFeed"},
    {1, "Stocks", "mnuSNStockQuote"},
    {1, "-", nullptr},
    {1, "Clipboard Viewer (text)", "mnuSNClipboard"},
    {1, "Clipboard Log", "mnuSNClipboardLog"},
    {1, "Computer Memory", "mnuSNComputerMemory"},
    {1, "Drive Information", "mnuSNDrives"},
    {1, "-", nullptr},
    {1, "Stop Special Note", "mnuClearSpecial", nullptr, 0, "Stop"},
    {0, "Multi-Note Manager", "mnuMulitNote"},
    {0, "-", nullptr},
    {0, "&Save", "mnuSave(0)", "Ctrl+S", 0, "Save"},
    {0, "Save As", "mnuSave(1)"},
    {0, "Append To", "mnuSave(2)"},
    {0, "-", nullptr},
    {0, "Email Content", "mnuEmail", "Ctrl+Y", 0, "Email"},
    {0, "&Print", "mnuPrint", "Ctrl+P", 0, "Print"},
    {0, "-", nullptr},
    {0, "&Paste", "mnuEdit(0)", "Ctrl+V", 0, "Paste"},
    {0, "Paste Plain Text", "mnuEdit(1)", nullptr, 0, "PasteAsText"},
    {0, "Undo", "mnuEdit(2)", "Ctrl+Z", 0, "Undo"},
    {0, "Clear All", "mnuEdit(3)", nullptr, 0, "Clear"},
    {0, "-", nullptr},
    {0, "Insert Special", "mnuInsertmain"},
    {1, "Date / Time Stamp", "mnuInsert(0)"},
    {2, "Date / Time", "mnuInsertDateTime(0)", "F6"},
    {2, "Date (long)", "mnuInsertDateTime(1)", "Shift+F6"},
    {2, "Date (short)", "mnuInsertDateTime(2)", "Ctrl+F6"},
    {1, "Degree", "mnuInsert(1)"},
    {1, "Copyright", "mnuInsert(2)"},
    {1, "Ellipsis", "mnuInsert(3)"},
    {1, "Registered Trademark", "mnuInsert(4)"},
    {1, "Pound", "mnuInsert(5)"},
    {0, "-", nullptr},
    {0, "Check Spelling", "mnuCheckSpelling", "F7", 0, "Spell"},
    {0, "Content Options", "mnuContentOptions"},
    {1, "Font", "mnuFont", nullptr, 0, "FontStyle"},
    {2, "Style", "mnuFontStyle"},
    {3, "Normal", "mnuFontNormal", nullptr, Checked},
    {3, "Italic", "mnuFontItalic", nullptr, Checkable, "Italic"},
    {3, "Underline", "mnuFontUnderline", nullptr, Checkable, "Underline"},
    {3, "Bold", "mnuFontBold", nullptr, Checkable, "Bold"},
    {2, "Size", "mnuFontSizes"},
    {3, "Small", "mnuFontSize(0)", nullptr, Checkable},
    {3, "Normal", "mnuFontSize(1)", nullptr, Checked},
    {3, "Medium", "mnuFontSize(2)", nullptr, Checkable},
    {3, "Large", "mnuFontSize(3)", nullptr, Checkable},
    {3, "Largest", "mnuFontSize(4)", nullptr, Checkable},
    {2, "Color", "mnuFontColors"},
    {1, "Paragraph", "mnuParagraph"},
    {2, "Alignment", "mnuAlignmentMain"},
    {3, "Left", "mnuAlignment(0)"},
    {3, "Center", "mnuAlignment(1)"},
    {3, "Right", "mnuAlignment(2)"},
    {2, "Bullets", "mnuBulletsMain", nullptr, 0, "Bullets"},
    {3, "Add New", "mnuBullets(0)"},
    {3, "Remove existing", "mnuBullets(1)"},
    {2, "Indent", "mnuIndentMain"},
    {3, "Increase", "mnuIndent(0)", nullptr, 0, "IncreaseIndent"},
    {3, "Decrease", "mnuIndent(1)", nullptr, 0, "DecreaseIndent"},
    {0, "Note Options", "mnuNoteOptions", nullptr, 0, "Options"},
    {1, "Font Family", "mnuFontFamily"},
    {1, "Color", "mnuColor", nullptr, 0, "Color"},
    {2, "Yellow", "mnuSetColor(0)", nullptr, Checked},
    {2, "Blue", "mnuSetColor(1)", nullptr, Checkable},
    {2, "Green", "mnuSetColor(2)", nullptr, Checkable},
    {2, "Red", "mnuSetColor(3)", nullptr, Checkable},
    {2, "Grey", "mnuSetColor(4)", nullptr, Checkable},
    {2, "Peach", "mnuSetColor(5)", nullptr, Checkable},
    {2, "Purple", "mnuSetColor(6)", nullptr, Checkable},
    {2, "Tang", "mnuSetColor(7)", nullptr, Checkable},
    {2, "-", "mnuSetColor(8)"},
    {2, "Custom Color", "mnuSetColor(9)", nullptr, 0, "Color"},
    {1, "Transparency", "mnuTransparentMain"},
    {2, "Low", "mnuTransparent(0)", nullptr, Checkable},
    {2, "Medium", "mnuTransparent(1)", nullptr, Checkable},
    {2, "High", "mnuTransparent(2)", nullptr, Checkable},
    {2, "Off", "mnuTransparent(3)", nullptr, Checked},
    {1, "Always on Top", "mnuTop", nullptr, Checked, "Ontop"},
    {1, "Autosave Note on Close", "mnuAutoSave", nullptr, Checkable},
    {1, "Save New Note on Close", "mnuNewNoteSaveOnClose", nullptr, Checkable},
    {1, "Save Settings", "mnuSaveSettings", nullptr, Checkable},
    {0, "-", nullptr},
    {0, "About", "mnuAboutMain", nullptr, 0, "About"},
    {1, "Help", "mnuHelp", nullptr, Hidden, "Help"},
    {1, "Quorvel's Website", "mnuQuorvel"},
    {1, "Jotlet", "mnuAbout", nullptr, 0, "NewNote"},
    {0, "-", nullptr},
    {0, "Close", "mnuClose"},
};

const MenuSpec kSystemMenu[] = {
    {0, "&New", "mnuSystemNew"},
    {0, "Minimize", "mnuSystemMinimize", nullptr, 0, "Minimize"},
    {0, "Default Size", "mnuSystemDefaultSize"},
    {0, "Restore Size", "mnuSystemRestore", nullptr, 0, "Restore"},
    {0, "-", nullptr},
    {0, "Reset", "mnuSystemReset"},
    {0, "Close (Alt-F4)", "mnuSystemClose"},
};

const MenuSpec kSelectMenu[] = {
    {0, "Strike-Out", "mnuStrikeOut(0)", nullptr, 0, "Strike"},
    {0, "Remove", "mnuStrikeOut(1)", nullptr, 0, "Font"},
    {0, "-", nullptr},
    {0, "Check Spelling", "mnuSelectSpelling"},
    {0, "Email Selection", "mnuEmailSelection", nullptr, 0, "Email"},
    {0, "-", nullptr},
    {0, "Cut", "mnuSelectEdit(0)", "Ctrl+X", 0, "Cut"},
    {0, "Copy", "mnuSelectEdit(1)", "Ctrl+C", 0, "Copy"},
    {0, "Paste", "mnuSelectEdit(2)"},
    {0, "Undo", "mnuSelectEdit(3)"},
    {0, "-", nullptr},
    {0, "Font Size", "mnuSelectSize"},
    {1, "Small", "mnuSelectFontSize(0)"},
    {1, "Normal", "mnuSelectFontSize(1)"},
    {1, "Medium", "mnuSelectFontSize(2)"},
    {1, "Large", "mnuSelectFontSize(3)"},
    {1, "Largest", "mnuSelectFontSize(4)"},
    {0, "Font Style", "mnuSelectFontStyle"},
    {1, "Italic", "mnuSelectStyle(0)"},
    {1, "Underline", "mnuSelectStyle(1)"},
    {1, "Bold", "mnuSelectStyle(2)"},
    {0, "No Format", "mnuRemoveFormat", nullptr, 0, "Clear"},
    {0, "-", nullptr},
    {0, "Paragraph", "mnuSelectParagraph"},
    {1, "Alignment", "mnuSelectAlignmentMain"},
    {2, "Left", "mnuSelectAlignment(0)"},
    {2, "Center", "mnuSelectAlignment(1)"},
    {2, "Right", "mnuSelectAlignment(2)"},
    {1, "Bullets", "mnuSelectBulletMain"},
    {2, "Add new", "mnuSelectBullet(0)"},
    {2, "Remove existing", "mnuSelectBullet(1)"},
    {1, "Indent", "mnuSelectIndentMain"},
    {2, "Increase", "mnuSelectIndent(0)"},
    {2, "Decrease", "mnuSelectIndent(1)"},
};

const MenuSpec kCaptionMenu[] = {
    {0, "Time / Date Stamp", "mnuCaptionType(0)", nullptr, Checked},
    {0, "Word Count", "mnuCaptionType(1)", nullptr, Checkable},
    {0, "Character Count", "mnuCaptionType(2)", nullptr, Checkable},
    {0, "Note Filename", "mnuCaptionType(3)", nullptr, Checkable},
};

// The icon theme's name for each image key.
struct IconName
{
    const char* key;
    const char* themeName;
};
constexpr IconName kIconNames[] = {
    {"Paste", "edit-paste"},
    {"PasteAsText", "edit-paste"},
    {"Undo", "edit-undo"},
    {"Clear", "edit-clear"},
    {"Cut", "edit-cut"},
    {"Copy", "edit-copy"},
    {"NewNote", "document-new"},
    {"Email", "mail-send"},
    {"Open", "document-open"},
    {"Restore", "view-restore"},
    {"Minimize", "go-up"},
    {"Save", "document-save"},
    {"Print", "document-print"},
    {"FontStyle", "preferences-desktop-font"},
    {"Help", "help-contents"},
    {"About", "help-about"},
    {"Color", "preferences-desktop-color"},
    {"Underline", "format-text-underline"},
    {"Bold", "format-text-bold"},
    {"Italic", "format-text-italic"},
    {"Strike", "format-text-strikethrough"},
    {"Font", "format-text-direction-ltr"},
    {"Options", "preferences-system"},
    {"Stop", "process-stop"},
    {"Bullets", "format-list-unordered"},
    {"IncreaseIndent", "format-indent-more"},
    {"DecreaseIndent", "format-indent-less"},
    {"Spell", "tools-check-spelling"},
    {"Ontop", "go-top"},
    {"Normal", "go-bottom"},
};

// A small icon of our own: the key's first letter on a rounded square, dark grey on white.
QIcon drawnMenuIcon(const QString& key)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, key.left(1));
    return QIcon(pixmap);
}

// "mnuSave(2)" -> "mnuSave", 2; "mnuTop" -> "mnuTop", -1.
std::pair<QString, int> splitControl(const QString& control)
{
    static const QRegularExpression indexed(QStringLiteral(R"(^(\w+)\((\d+)\)$)"));
    const QRegularExpressionMatch match = indexed.match(control);
    if (!match.hasMatch()) {
        return {control, -1};
    }
    return {match.captured(1), match.captured(2).toInt()};
}

} // namespace

QIcon menuIcon(const QString& key)
{
    for (const IconName& name : kIconNames) {
        if (key == QLatin1String(name.key)) {
            return QIcon::fromTheme(QLatin1String(name.themeName), drawnMenuIcon(key));
        }
    }
    return drawnMenuIcon(key);
}

NoteMenus::NoteMenus(QWidget* owner)
    : QObject(owner)
{
    m_main = build(kMainMenu, int(std::size(kMainMenu)), owner);
    m_system = build(kSystemMenu, int(std::size(kSystemMenu)), owner);
    m_select = build(kSelectMenu, int(std::size(kSelectMenu)), owner);
    m_caption = build(kCaptionMenu, int(std::size(kCaptionMenu)), owner);
    m_main->setObjectName(QStringLiteral("mnuPopUpMenu"));
    m_system->setObjectName(QStringLiteral("mnuSystemMenu"));
    m_select->setObjectName(QStringLiteral("mnuPopUpSelect"));
    m_caption->setObjectName(QStringLiteral("mnuPopupCaption"));
}

QMenu* NoteMenus::build(const MenuSpec* specs, int count, QWidget* owner)
{
    auto* top = new QMenu(owner);
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
            const auto [name, index] = splitControl(control);
            connect(action, &QAction::triggered, this, [this, action, name = name, index = index] {
                // The commands keep their own check marks: undo the flip Qt makes before they run.
                if (action->isCheckable()) {
                    const QSignalBlocker blocker(action);
                    action->setChecked(!action->isChecked());
                }
                emit triggered(name, index);
            });
        }
        action->setObjectName(control);
        action->setCheckable(spec.flags & Checkable);
        action->setChecked((spec.flags & Checked) == Checked);
        action->setVisible(!(spec.flags & Hidden));
        if (spec.icon) {
            action->setIcon(menuIcon(QLatin1String(spec.icon)));
        }
        if (!control.isEmpty()) {
            m_items.insert(control, action);
        }
    }
    return top;
}

bool NoteMenus::isChecked(const QString& control) const
{
    const QAction* action = item(control);
    return action && action->isChecked();
}

void NoteMenus::setChecked(const QString& control, bool checked)
{
    if (QAction* action = item(control)) {
        action->setChecked(checked);
    }
}

void NoteMenus::setOnTopIcon(bool onTop)
{
    if (QAction* action = item(QStringLiteral("mnuTop"))) {
        action->setIcon(menuIcon(onTop ? QStringLiteral("Ontop") : QStringLiteral("Normal")));
        action->setProperty("iconKey", onTop ? QStringLiteral("Ontop") : QStringLiteral("Normal"));
    }
}

} // namespace jotlet
