// The note window's lifecycle: the load step, text changes, saving, opening and closing.
#include "window/frmmain.h"

#include "dialogs/dialogresponder.h"
#include "dialogs/notefiledialog.h"
#include "notes/notestore.h"
#include "platform/autostart.h"
#include "support/appinfo.h"
#include "support/codepage.h"
#include "support/colors.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "support/settings.h"
#include "window/notelogic.h"
#include "window/notemenus.h"
#include "window/richtextbox.h"
#include "window/translucentform.h"
#include "window/windowhelpers.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <cmath>

namespace jotlet {

namespace {

QList<frmMain*>& registry()
{
    static QList<frmMain*> windows;
    return windows;
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Jotlet"));
    registry().append(this);
    createControls();
    createMenus();
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &frmMain::onApplicationStateChanged);
}

frmMain::~frmMain()
{
    registry().removeAll(this);
}

QList<frmMain*> frmMain::openWindows()
{
    return registry();
}

void frmMain::ensureLoaded()
{
    if (!m_loaded && !m_loading) {
        m_loading = true;
        loadStep();
        m_loading = false;
        m_loaded = true;
    }
}

QString frmMain::currentTimeText() const
{
    return generalDateTimeText(QDateTime::currentDateTime());
}

void frmMain::loadStep()
{
    const TwipsPerPixel tpp = twipsPerPixel(this);
    const QRect screenPx = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
    const QSize screenTwips(int(std::lround(screenPx.width() * tpp.x)), int(std::lround(screenPx.height() * tpp.y)));
    resize(int(std::lround(kInitialWidthTwips / tpp.x)), int(std::lround(kInitialHeightTwips / tpp.y)));

    const bool hasFile = !m_noteFileName.isEmpty();
    NoteLook look;
    readNoteLook(look, hasFile, screenTwips);
    m_record.TimeDate = currentTimeText();
    m_record.Alpha = look.alpha;
    m_record.CaptionType = look.captionType < 0 ? 0 : look.captionType;
    m_record.ForeColor = look.foreColor;
    m_record.FontSize = look.fontSize;
    m_record.Color = look.color;
    m_saveSettingsChecked = look.saveSetting;
    if (!hasFile) {
        m_record.Width = look.saveSetting ? look.width : kDefaultWidthTwips;
        m_record.Height = look.saveSetting ? look.height : kDefaultHeightTwips;
        // The default place centres a window of the initial size.
        setTop(look.top.value_or((screenTwips.height() - kInitialHeightTwips) / 2));
        setLeft(look.left.value_or((screenTwips.width() - kInitialWidthTwips) / 2));
    } else {
        m_record.Width = Width();
        m_record.Height = Height();
        m_record.Left = Left();
        m_record.Top = Top();
    }
    setIsOnTop(look.isOnTop);
    m_rtb->setFontName(look.fontName);
    m_rtb->setFontSize(m_record.FontSize);
    SetNoteColor(m_record.Color, false);
    setWidth(m_record.Width);
    setHeight(m_record.Height);
    m_record.FileName = m_noteFileName;
    m_record.AutoSave = look.autoSave;
    m_record.SaveNewNoteOnClose = look.saveNewNoteOnClose;
    m_tag = m_record.FileName;
    ChangeForeColor(m_record.ForeColor);
    m_cDock.setParentForm(this);
    m_cDock.setSnapDistance(int(std::lround(20 * tpp.x)));
    setCaptionType(m_record.CaptionType);
    if (m_record.CaptionType == TimeDateStamp) {
        m_record.TimeDate = currentTimeText();
        setSubCaption(m_record.TimeDate);
    }
    applyMenuChecks();
    AddDropShadow(this);
}

QString frmMain::Tag()
{
    ensureLoaded();
    return m_tag;
}

void frmMain::setTag(const QString& path)
{
    ensureLoaded();
    m_tag = path;
}

RichTextBox* frmMain::RTB1()
{
    ensureLoaded();
    return m_rtb;
}

QLabel* frmMain::lblCaption()
{
    ensureLoaded();
    return m_caption;
}

QLabel* frmMain::lblSubCaption()
{
    ensureLoaded();
    return m_subCaption;
}

QLabel* frmMain::imgIcon()
{
    ensureLoaded();
    return m_icon;
}

void frmMain::setCaption(const QString& text)
{
    ensureLoaded();
    m_caption->setText(text);
    setWindowTitle(text); // task bars and window lists show the caption
}

void frmMain::setSubCaption(const QString& text)
{
    m_subCaption->setText(text);
}

bool frmMain::setData(const QString& rtf, const QString& source)
{
    ensureLoaded();
    // Rich text is 7-bit; stray 8-bit characters from older files go back to their Windows-1252 bytes.
    QByteArray bytes;
    bytes.reserve(rtf.size());
    for (const QChar c : rtf) {
        const int byte = windows1252Byte(c.unicode());
        if (byte < 0) {
            bytes = rtf.toUtf8();
            break;
        }
        bytes.append(char(byte));
    }
    QString error;
    if (!m_rtb->setTextRTF(bytes, &error)) {
        const QString from = source.isEmpty() ? QString() : QStringLiteral(" from '%1'").arg(source);
        logError(
            QStringLiteral("frmMain: setData"), 7, QStringLiteral("The note%1 was not opened: %2").arg(from, error));
        return false;
    }
    return true;
}

QString frmMain::data()
{
    ensureLoaded();
    return QString::fromLatin1(m_rtb->TextRTF());
}

bool frmMain::SetNoteColor(const QString& strColor, bool AllowForeColorChange)
{
    ensureLoaded();
    m_line->setStyleSheet(QStringLiteral("color: black; background: black;"));
    m_subCaption->setStyleSheet(QStringLiteral("color: black;"));
    m_rtb->setSelColor(0); // the selection, or what is typed next, in black
    const std::optional<quint32> value = noteColorValue(strColor);
    if (!value) {
        return false;
    }
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromBgr(*value));
    setPalette(p);
    setAutoFillBackground(true);
    m_rtb->setBackColor(*value);
    if (AllowForeColorChange) {
        ChangeForeColor(0);
    }
    m_record.Color = strColor;
    // The check mark follows the colour itself, so "Peach" chosen from the menu (stored as its number) is checked.
    for (int i = 0; i < int(std::size(kNoteColors)); ++i) {
        menus().setChecked(QStringLiteral("mnuSetColor(%1)").arg(i), kNoteColors[i].value == *value);
    }
    return true;
}

void frmMain::ChangeForeColor(qint32 color)
{
    ensureLoaded();
    const int start = m_rtb->SelStart();
    const int length = m_rtb->SelLength();
    m_rtb->setSelStart(0);
    m_rtb->setSelLength(int(m_rtb->toPlainText().size()));
    m_rtb->setSelColor(quint32(color));
    m_rtb->setSelStart(start);
    m_rtb->setSelLength(length);
    m_record.ForeColor = color;
}

void frmMain::RTB1_Change()
{
    if (!m_loaded) {
        return;
    }
    if (m_record.SaveNewNoteOnClose || m_isDirty) {
        setCaption(noteTitle(m_tag, true));
    }
    const QString plain = m_rtb->Text();
    m_lWordCount = countWords(plain);
    if (m_captionType == WordCount) {
        setSubCaption(subCaptionText(WordCount, {}, m_lWordCount, 0, m_tag));
    } else if (m_captionType == CharacterCount) {
        setSubCaption(
            subCaptionText(CharacterCount, {}, 0, shownCharacterCount(int(plain.size()), m_record.SpecialType), m_tag));
    }
}

void frmMain::setCaptionType(int type)
{
    ensureLoaded();
    if (type < 0 || type > 3) {
        return;
    }
    setSubCaption(subCaptionText(type, m_record.TimeDate, m_lWordCount, int(m_rtb->Text().size()), m_tag));
    for (int i = 0; i < 4; ++i) {
        menus().setChecked(QStringLiteral("mnuCaptionType(%1)").arg(i), i == type);
    }
    m_captionType = type;
    m_record.CaptionType = type;
}

void frmMain::refreshSubCaption()
{
    ensureLoaded();
    if (m_captionType == TimeDateStamp) {
        m_record.TimeDate = currentTimeText();
        setSubCaption(m_record.TimeDate);
    } else if (m_captionType == WordCount || m_captionType == CharacterCount) {
        RTB1_Change();
    }
}

void frmMain::setAutoSave(bool on)
{
    ensureLoaded();
    m_record.AutoSave = on;
    menus().setChecked(QStringLiteral("mnuAutoSave"), on);
}

void frmMain::setSaveNewNoteOnClose(bool on)
{
    ensureLoaded();
    m_record.SaveNewNoteOnClose = on;
    menus().setChecked(QStringLiteral("mnuNewNoteSaveOnClose"), on);
    if (on && !m_rtb->Text().isEmpty() && m_record.FileName.isEmpty()) {
        setCaption(noteTitle(m_tag, true));
    } else if (!on && m_record.FileName.isEmpty()) {
        setCaption(noteTitle(m_tag, false));
        m_isDirty = false;
    }
}

void frmMain::setIsOnTop(bool on)
{
    m_record.IsOnTop = on;
    menus().setChecked(QStringLiteral("mnuTop"), on);
    menus().setOnTopIcon(on);
    SetTopMost(this, on ? 0 : 1);
}

void frmMain::PerformSave(int mode)
{
    ensureLoaded();
    SetTopMost(this, 1);
    NoteRecord note;
    note.FileName = m_record.FileName;
    note.Data = data();
    note.Height = Height();
    note.Left = Left();
    note.Width = Width();
    note.Top = Top();
    note.Color = m_record.Color;
    note.TimeDate = m_subCaption->text();
    QString result;
    QString failure;
    if (mode == 2) {
        // Saved only when the note was written: an append that wrote nothing keeps the unsaved mark.
        const std::optional<QString> target = askForNoteFile(NoteFileDialog::Save, this);
        if (target && appendToNoteFile(note, *target, &failure)) {
            setCaption(noteTitle(m_tag, false));
        }
    } else if (mode == 1 || note.FileName.isEmpty()) {
        const std::optional<QString> target = askForNoteFile(NoteFileDialog::Save, this);
        if (target && saveNoteFile(note, *target, &failure)) {
            result = *target;
            m_tag = result;
        }
    } else if (saveNoteFile(note, note.FileName, &failure)) {
        result = note.FileName;
    }
    if (!failure.isEmpty()) {
        dialogResponder().warning(this,
                                  QStringLiteral("Note Not Saved"),
                                  QStringLiteral("The note could not be saved.\n\n%1\n\nIt is still open with all "
                                                 "its changes; try saving it somewhere else with Save As.")
                                      .arg(failure));
    }
    if (mode != 2 && !result.isEmpty()) {
        setCaption(noteTitle(m_tag, false));
        m_record.FileName = result;
        if (m_captionType == NoteFilename) {
            setSubCaption(subCaptionText(NoteFilename, {}, 0, 0, m_tag));
        }
    }
    if (m_record.IsOnTop) {
        SetTopMost(this, 0);
    }
}

void frmMain::NewNote()
{
    auto* note = new frmMain;
    note->ensureLoaded();
    note->setLeft(Left() + 200);
    note->setTop(Top() + 200);
    note->Show();
}

void frmMain::OpenNoteFile()
{
    ensureLoaded();
    SetTopMost(this, 1);
    const std::optional<QString> path = askForNoteFile(NoteFileDialog::Open, this);
    const NoteList notes = path ? loadNoteFile(*path) : NoteList();
    for (int i = 0; i < notes.size(); ++i) {
        const NoteRecord& note = notes.at(i);
        frmMain* target = this;
        if (i > 0) {
            target = new frmMain;
            target->ensureLoaded();
        }
        target->setData(note.Data);
        target->SetNoteColor(note.Color, false);
        target->setHeight(note.Height);
        target->setWidth(note.Width);
        target->setTag(note.FileName);
        target->setIsDirty(true);
        if (i == 0) {
            m_record.Height = Height();
            m_record.Width = Width();
            setSubCaption(note.TimeDate);
            m_record.TimeDate = note.TimeDate;
            setCaption(noteTitle(m_tag, false));
            m_record.FileName = note.FileName;
            if (m_captionType == NoteFilename) {
                setSubCaption(subCaptionText(NoteFilename, {}, 0, 0, m_tag));
            }
        } else {
            target->setTop(note.Top);
            target->setLeft(note.Left);
            target->Show();
        }
    }
    if (m_record.IsOnTop) {
        SetTopMost(this, 0);
    }
}

void frmMain::Show()
{
    ensureLoaded();
    // A note stored on a monitor that is gone, or beyond a smaller resolution, comes back onto a screen.
    QList<QRect> areas;
    for (const QScreen* s : QGuiApplication::screens()) {
        areas << s->availableGeometry();
    }
    move(keepOnScreen(QRect(pos(), size()), areas));
    show();
    SetTopMost(this, m_record.IsOnTop ? 0 : 1);
    activateWindow();
    m_rtb->setFocus();
}

void frmMain::writeSettings()
{
    NoteLook look;
    look.color = m_record.Color;
    look.height = Height();
    look.width = Width();
    look.top = Top();
    look.left = Left();
    look.alpha = m_record.Alpha;
    look.captionType = m_captionType;
    look.isOnTop = m_record.IsOnTop;
    look.foreColor = m_record.ForeColor;
    look.fontName = m_rtb->FontName();
    look.fontSize = m_record.FontSize;
    look.autoSave = m_record.AutoSave;
    look.saveNewNoteOnClose = m_record.SaveNewNoteOnClose;
    SettingsError error;
    if (!writeNoteLook(look, m_saveSettingsChecked, &error)) {
        logError(QStringLiteral("frmMain: WriteSettings"), error.number, error.description);
    }
}

void frmMain::fillRecordForClose()
{
    m_record.Data = data();
    m_record.TimeDate = m_subCaption->text();
    m_record.Left = Left();
    m_record.Top = Top();
    // The size as it is now; a rolled-up note keeps the size it rolls back to.
    if (m_minimizeEnabled) {
        m_record.Height = Height();
        m_record.Width = Width();
    }
    if (m_captionType >= 0 && m_captionType <= 2) {
        m_record.CaptionType = m_captionType;
    }
}

bool frmMain::askToSaveBeforeClose()
{
    SetTopMost(this, 1);
    int answer = QMessageBox::Yes;
    if (m_record.FileName.isEmpty() || !m_record.AutoSave) {
        answer = dialogResponder().question(
            this,
            QStringLiteral("Perform Save"),
            QStringLiteral("Changes have been made to this note.\nWould you like to save now?"));
    }
    if (answer == QMessageBox::Yes) {
        PerformSave(m_record.FileName.isEmpty() ? 1 : 0);
    } else if (answer != QMessageBox::No) {
        if (m_record.IsOnTop) {
            SetTopMost(this, 0);
        }
        return false;
    }
    return true;
}

void frmMain::closeForSessionEnd()
{
    m_sessionEnding = true;
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    ensureLoaded();
    writeSettings();
    fillRecordForClose();
    if (m_sessionEnding) {
        registerAutostart();
        addToMainNoteFile(m_record);
    } else {
        if (hasUnsavedMark(m_caption->text()) && !askToSaveBeforeClose()) {
            event->ignore();
            return;
        }
        const auto stillOpen = std::count_if(
            registry().cbegin(), registry().cend(), [](const frmMain* window) { return !window->m_closing; });
        if (stillOpen == 1) {
            removeAutostart();
        }
    }
    m_closing = true;
    m_cTrans.reset();
    m_cDock.setParentForm(nullptr);
    event->accept();
}

void frmMain::applyActivation(bool active)
{
    if (active) {
        m_cTrans.reset();
        return;
    }
    if (m_record.Alpha == 255 || !isVisible()) {
        return;
    }
    if (!m_cTrans) {
        m_cTrans = std::make_unique<CTranslucentForm>();
    }
    m_cTrans->setHWnd(this);
    m_cTrans->setMode(CTranslucentForm::AlphaMode);
    m_cTrans->setAlpha(m_record.Alpha);
}

void frmMain::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (!m_loaded || m_closing) {
        return;
    }
    if (state == Qt::ApplicationActive) {
        m_cTrans.reset();
        SetTopMost(this, m_record.IsOnTop ? 0 : 1);
    } else if (state == Qt::ApplicationInactive) {
        applyActivation(false);
    }
}

void frmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && m_loaded && !m_closing) {
        applyActivation(isActiveWindow());
    }
    QWidget::changeEvent(event);
}

} // namespace jotlet
