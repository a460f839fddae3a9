// The note window's menus and keys: which popup opens when, the key table, the file drop, and the commands of the
// menu items (formatting, editing, colours, on-top, transparency).
#include "window/frmmain.h"

#include "dialogs/commondialog.h"
#include "dialogs/dialogresponder.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "window/notelogic.h"
#include "window/notemenus.h"
#include "window/richtextbox.h"
#include "window/translucentform.h"
#include "window/windowhelpers.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace jotlet {

namespace {

// Dropped files larger than this are not put into a note.
constexpr qint64 kMaxDroppedFileBytes = 1024 * 1024;

QString control(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

NoteMenus& frmMain::menus()
{
    return *m_menus;
}

void frmMain::createMenus()
{
    m_menus = new NoteMenus(this);
    connect(m_menus, &NoteMenus::triggered, this, &frmMain::runMenuCommand);
    m_rtb->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(m_rtb, &RichTextBox::KeyDown, this, &frmMain::onTextKeyDown);
    connect(m_rtb, &RichTextBox::MouseDown, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton) {
            popUpForText();
        }
    });
    connect(m_rtb, &RichTextBox::FilesDropped, this, &frmMain::dropFiles);
    // Keys released in the text box reach the window too: the box leaves key releases to its parent.
}

void frmMain::applyMenuChecks()
{
    menus().setChecked(QStringLiteral("mnuAutoSave"), m_record.AutoSave);
    menus().setChecked(QStringLiteral("mnuNewNoteSaveOnClose"), m_record.SaveNewNoteOnClose);
    menus().setChecked(QStringLiteral("mnuSaveSettings"), m_saveSettingsChecked);
    SetFontSizeChecks(m_record.FontSize);
    SetTransparencyChecks();
    if (QAction* transparency = menus().item(QStringLiteral("mnuTransparentMain"))) {
        transparency->setVisible(CTranslucentForm().Supported());
    }
}

void frmMain::popUp(QMenu* menu)
{
    menu->popup(QCursor::pos());
}

void frmMain::popUpForText()
{
    popUp(m_rtb->SelText().isEmpty() ? menus().mnuPopUpMenu() : menus().mnuPopUpSelect());
}

void frmMain::onTextKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* consume)
{
    LastKeyDown = key;
    if (key == Qt::Key_Menu) {
        popUpForText();
    } else if (key == Qt::Key_F10 && (modifiers & Qt::ShiftModifier)) {
        popUpForText();
        *consume = true;
    } else if (key == Qt::Key_V && (modifiers & Qt::ControlModifier) && (modifiers & Qt::ShiftModifier)) {
        *consume = true; // the plain paste happens when the key is released
    }
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    LastKeyDown = event->key();
    QWidget::keyPressEvent(event);
}

void frmMain::keyReleaseEvent(QKeyEvent* event)
{
    keyReleased(event->key(), event->modifiers());
    QWidget::keyReleaseEvent(event);
}

void frmMain::keyReleased(int key, Qt::KeyboardModifiers modifiers)
{
    LastKeyDown = 0;
    switch (keyUpCommand(key, modifiers)) {
    case KeyCommand::ToggleMinimize:
        ToggleMinimize();
        break;
    case KeyCommand::SystemMenu:
        popUp(menus().mnuSystemMenu());
        break;
    case KeyCommand::Close:
        close();
        break;
    case KeyCommand::DateTimeStamp:
    case KeyCommand::LongDateStamp:
    case KeyCommand::ShortDateStamp: {
        const int index = keyUpCommand(key, modifiers) == KeyCommand::DateTimeStamp   ? 0
                          : keyUpCommand(key, modifiers) == KeyCommand::LongDateStamp ? 1
                                                                                      : 2;
        insertAtCaret(*m_rtb, dateStamp(index, QDateTime::currentDateTime()));
        break;
    }
    case KeyCommand::Open:
        OpenNoteFile();
        break;
    case KeyCommand::New:
        NewNote();
        break;
    case KeyCommand::Save:
        PerformSave(0);
        break;
    case KeyCommand::PastePlainText:
        PastePlainText();
        break;
    case KeyCommand::CheckSpelling: // spelling, printing and e-mail come with their own work
    case KeyCommand::Print:
    case KeyCommand::Email:
    case KeyCommand::None:
        break;
    }
}

void frmMain::dropFiles(const QStringList& paths)
{
    if (paths.isEmpty()) {
        return;
    }
    QString text;
    QString error;
    if (!readFileText(paths.first(), &text, &error, kMaxDroppedFileBytes)) {
        logError(QStringLiteral("frmMain: RTB1_OLEDragDrop"), 75, error);
        return;
    }
    if (text.contains(QChar(0))) {
        logError(QStringLiteral("frmMain: RTB1_OLEDragDrop"),
                 13,
                 QStringLiteral("'%1' is not a text file; the note is left as it was").arg(paths.first()));
        return;
    }
    m_rtb->setText(text);
    m_isDirty = true;
    RTB1_Change();
}

void frmMain::runMenuCommand(const QString& control, int index)
{
    ensureLoaded();
    if (!runNoteCommand(control, index) && !runFormatCommand(control, index)) {
        runEditCommand(control, index);
    }
}

bool frmMain::runNoteCommand(const QString& name, int index)
{
    if (name == QLatin1String("mnuNew") || name == QLatin1String("mnuSystemNew")) {
        NewNote();
    } else if (name == QLatin1String("mnuOpen")) {
        OpenNoteFile();
    } else if (name == QLatin1String("mnuSave")) {
        PerformSave(index);
    } else if (name == QLatin1String("mnuClose") || name == QLatin1String("mnuSystemClose")) {
        close();
    } else if (name == QLatin1String("mnuAutoSave")) {
        setAutoSave(!menus().isChecked(QStringLiteral("mnuAutoSave")));
    } else if (name == QLatin1String("mnuNewNoteSaveOnClose")) {
        setSaveNewNoteOnClose(!menus().isChecked(QStringLiteral("mnuNewNoteSaveOnClose")));
    } else if (name == QLatin1String("mnuSaveSettings")) {
        m_saveSettingsChecked = !m_saveSettingsChecked;
        menus().setChecked(QStringLiteral("mnuSaveSettings"), m_saveSettingsChecked);
    } else if (name == QLatin1String("mnuSetColor")) {
        mnuSetColor_Click(index);
    } else if (name == QLatin1String("mnuTop")) {
        mnuTop_Click();
    } else if (name == QLatin1String("mnuTransparent")) {
        mnuTransparent_Click(index);
    } else if (name == QLatin1String("mnuCaptionType")) {
        setCaptionType(index);
    } else if (name == QLatin1String("mnuSystemMinimize")) {
        MinimizeNote();
    } else if (name == QLatin1String("mnuSystemRestore")) {
        RestoreNote();
    } else if (name == QLatin1String("mnuSystemDefaultSize")) {
        DefaultSize();
    } else if (name == QLatin1String("mnuSystemReset")) {
        Reset();
    } else if (name == QLatin1String("mnuHelp")) {
        dialogResponder().information(this, QStringLiteral("This feature has not been implemented in this release"));
    } else {
        return false;
    }
    return true;
}

bool frmMain::runFormatCommand(const QString& name, int index)
{
    StyleChecks checks = m_styleChecks;
    if (name == QLatin1String("mnuFontNormal")) {
        styleNormal(*m_rtb, checks);
    } else if (name == QLatin1String("mnuFontItalic")) {
        toggleStyle(*m_rtb, checks, Style::Italic);
    } else if (name == QLatin1String("mnuFontUnderline")) {
        toggleStyle(*m_rtb, checks, Style::Underline);
    } else if (name == QLatin1String("mnuFontBold")) {
        toggleStyle(*m_rtb, checks, Style::Bold);
    } else if (name == QLatin1String("mnuFontSize")) {
        m_record.FontSize = fontSizeForIndex(index);
        SetFontSizeChecks(m_record.FontSize);
        m_rtb->setFontSize(m_record.FontSize > 0 ? m_record.FontSize : m_rtb->FontSize());
    } else if (name == QLatin1String("mnuSelectFontSize")) {
        if (fontSizeForIndex(index) > 0) {
            m_rtb->setSelFontSize(fontSizeForIndex(index));
        }
    } else if (name == QLatin1String("mnuSelectStyle")) {
        setSelectionStyle(*m_rtb, index);
    } else if (name == QLatin1String("mnuRemoveFormat")) {
        removeFormat(*m_rtb);
    } else if (name == QLatin1String("mnuStrikeOut")) {
        m_rtb->setSelStrikeThru(index == 0);
    } else if (name == QLatin1String("mnuAlignment")) {
        alignWholeNote(*m_rtb, index);
    } else if (name == QLatin1String("mnuSelectAlignment")) {
        alignSelection(*m_rtb, index);
    } else if (name == QLatin1String("mnuBullets") || name == QLatin1String("mnuSelectBullet")) {
        setBullets(*m_rtb, index);
    } else if (name == QLatin1String("mnuIndent") || name == QLatin1String("mnuSelectIndent")) {
        changeIndent(*m_rtb, index);
    } else if (name == QLatin1String("mnuFontFamily")) {
        chooseFontFamily();
    } else if (name == QLatin1String("mnuFontColors")) {
        chooseForeColor();
    } else {
        return false;
    }
    setStyleChecks(checks);
    return true;
}

bool frmMain::runEditCommand(const QString& name, int index)
{
    if (name == QLatin1String("mnuEdit") || name == QLatin1String("mnuSelectEdit")) {
        const bool select = name == QLatin1String("mnuSelectEdit");
        // Main menu: Paste, Paste Plain Text, Undo, Clear All; selection menu: Cut, Copy, Paste, Undo.
        constexpr int kSelectionCommands[] = {10, 11, 0, 2};
        const int command = select ? (index >= 0 && index < 4 ? kSelectionCommands[index] : -1) : index;
        switch (command) {
        case 0:
            m_rtb->paste();
            break;
        case 1:
            PastePlainText();
            break;
        case 2:
            m_rtb->undo();
            break;
        case 3:
            clearAll(QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
            break;
        case 10:
            m_rtb->cut();
            break;
        case 11:
            m_rtb->copy();
            break;
        default:
            break;
        }
    } else if (name == QLatin1String("mnuInsert")) {
        insertAtCaret(*m_rtb, specialCharacter(index));
    } else if (name == QLatin1String("mnuInsertDateTime")) {
        insertAtCaret(*m_rtb, dateStamp(index, QDateTime::currentDateTime()));
    } else {
        return false; // items whose commands come with later work: special notes, printing, e-mail, ...
    }
    return true;
}

void frmMain::setStyleChecks(const StyleChecks& checks)
{
    m_styleChecks = checks;
    menus().setChecked(QStringLiteral("mnuFontNormal"), checks.normal);
    menus().setChecked(QStringLiteral("mnuFontItalic"), checks.italic);
    menus().setChecked(QStringLiteral("mnuFontUnderline"), checks.underline);
    menus().setChecked(QStringLiteral("mnuFontBold"), checks.bold);
}

void frmMain::SetFontSizeChecks(int size)
{
    for (int i = 0; i < 5; ++i) {
        menus().setChecked(control("mnuFontSize", i), fontSizeChecked(i, size));
    }
}

void frmMain::SetTransparencyChecks()
{
    for (int i = 0; i < 4; ++i) {
        menus().setChecked(control("mnuTransparent", i), m_record.Alpha == kTransparencyLevels[i]);
    }
}

void frmMain::mnuTransparent_Click(int index)
{
    if (index < 0 || index > 3) {
        return;
    }
    // Applied the next time the note stops being the active window.
    m_record.Alpha = kTransparencyLevels[index];
    SetTransparencyChecks();
}

void frmMain::mnuSetColor_Click(int index)
{
    if (index >= 0 && index < 8) {
        SetNoteColor(QString::number(kNoteColors[index].value), true);
        return;
    }
    if (index == 9) {
        SetTopMost(this, 1);
        CommonDialog dialog;
        dialog.setOwner(this);
        const long chosen = dialog.showColor(true, 255);
        if (chosen != -1) {
            SetNoteColor(QString::number(chosen), true);
        }
        if (m_record.IsOnTop) {
            SetTopMost(this, 0);
        }
    }
}

void frmMain::chooseForeColor()
{
    SetTopMost(this, 1);
    CommonDialog dialog;
    dialog.setOwner(this);
    const long chosen = dialog.showColor(true, 255);
    if (chosen != -1) {
        ChangeForeColor(qint32(chosen));
    }
    if (m_record.IsOnTop) {
        SetTopMost(this, 0);
    }
}

void frmMain::chooseFontFamily()
{
    SetTopMost(this, 1);
    CommonDialog dialog;
    dialog.setFontName(QStringLiteral("Comic Sans MS"));
    if (dialog.showFont() && !dialog.fontName().isEmpty()) {
        m_rtb->setFontName(dialog.fontName());
    }
    if (m_record.IsOnTop) {
        SetTopMost(this, 0);
    }
}

void frmMain::mnuTop_Click()
{
    setIsOnTop(!menus().isChecked(QStringLiteral("mnuTop")));
}

void frmMain::PastePlainText()
{
    pastePlainText(*m_rtb);
}

void frmMain::clearAll(bool ctrlHeld)
{
    m_rtb->setLocked(false);
    m_rtb->setText(QString());
    m_rtb->setSelColor(0);
    StopSpecialNote();
    if (ctrlHeld) {
        m_rtb->setText(aboutJotletText());
    }
}

} // namespace jotlet
