// What each command does to a note, and what its menu item shows for the note.
#include "dialogs/aboutwindow.h"
#include "dialogs/commondialog.h"
#include "dialogs/dialogresponder.h"
#include "window/note.h"
#include "window/noteboard.h"
#include "window/notecolors.h"
#include "window/notetext.h"
#include "window/windowhelpers.h"

#include <QDateTime>

#include <algorithm>

namespace jotlet {

bool Note::handles(Command command)
{
    return command != Command::None;
}

bool Note::run(Command command, int index, Qt::KeyboardModifiers held)
{
    // A key acts only where its menu item would: Ctrl+S does not save a note whose Save is unavailable.
    if (m_closed || !handles(command) || !isEnabled(command, index)) {
        return false;
    }
    return runFileCommand(command, index, held) || runNoteCommand(command, index) || runFormatCommand(command, index)
           || runEditCommand(command, index, held);
}

bool Note::runFileCommand(Command command, int index, Qt::KeyboardModifiers held)
{
    Q_UNUSED(index)
    Q_UNUSED(held)
    switch (command) {
    case Command::NewNote:
        newNote();
        return true;
    case Command::OpenNote:
        openFile();
        return true;
    case Command::Save:
        save(SaveMode::Save);
        return true;
    case Command::SaveAs:
        save(SaveMode::SaveAs);
        return true;
    case Command::AppendTo:
        save(SaveMode::AppendTo);
        return true;
    case Command::CloseNote:
        close();
        return true;
    case Command::AutoSave:
        setAutoSave(!autoSave());
        return true;
    case Command::SaveNewNoteOnClose:
        setSaveNewNoteOnClose(!saveNewNoteOnClose());
        return true;
    case Command::SaveSettings:
        setSaveSettings(!saveSettingsChecked());
        return true;
    default:
        return false;
    }
}

bool Note::runNoteCommand(Command command, int index)
{
    switch (command) {
    case Command::SpecialTime:
        displaySpecialNote(SpecialKind::Time);
        return true;
    case Command::SpecialReminder:
        chooseReminder();
        return true;
    case Command::SpecialRssFeed:
        chooseFeed();
        return true;
    case Command::SpecialStocks:
        chooseStockSymbol();
        return true;
    case Command::SpecialClipboardViewer:
        startClipboardNote(SpecialKind::ClipboardViewer);
        return true;
    case Command::SpecialClipboardLog:
        startClipboardNote(SpecialKind::ClipboardLog);
        return true;
    case Command::SpecialMemory:
        displaySpecialNote(SpecialKind::Memory);
        return true;
    case Command::SpecialDrives:
        displaySpecialNote(SpecialKind::Drives);
        return true;
    case Command::StopSpecialNote:
        m_text->setLocked(false);
        m_text->setSelColor(0);
        stopSpecialNote();
        return true;
    case Command::ShowAbout: {
        StayOnTopPause pause(*this);
        dialogResponder().showAbout(m_dialogOwner);
        return true;
    }
    case Command::ShowSettings: {
        StayOnTopPause pause(*this);
        dialogResponder().showSettings(m_dialogOwner);
        return true;
    }
    case Command::OpenWebsite:
        openForUser(QString::fromLatin1(kMakerWebsite),
                    m_dialogOwner,
                    {QStringLiteral("Quorvel's Website"),
                     QStringLiteral("The website could not be opened: %1."),
                     QStringLiteral("frmMain: OpenWebsite")});
        return true;
    case Command::PrintNote:
        printNote();
        return true;
    case Command::EmailNote:
    case Command::EmailSelection:
        emailNote(); // the selection decides, not the item
        return true;
    case Command::CheckSpelling:
    case Command::CheckSelectionSpelling:
        checkSpelling();
        return true;
    case Command::MultiNoteManager:
        if (m_board) {
            StayOnTopPause pause(*this); // the manager opens above the note
            m_board->openManager(*this);
        }
        return true;
    case Command::ShowHelp:
        showNotImplemented();
        return true;
    case Command::NoteColor:
        if (index >= 0 && index < int(std::size(kNoteColors))) {
            setColor(QString::number(kNoteColors[index].value), true);
        } else if (index == 9) {
            chooseCustomColor();
        }
        return true;
    case Command::Transparency:
        setTransparency(index);
        return true;
    case Command::AlwaysOnTop:
        setOnTop(!isOnTop());
        return true;
    case Command::CaptionType:
        setCaptionType(index);
        return true;
    case Command::RollUp:
        rollUp();
        return true;
    case Command::RestoreSize:
        restore();
        return true;
    case Command::ToggleRollUp:
        toggleRollUp();
        return true;
    case Command::DefaultSize:
        defaultSize();
        return true;
    case Command::ResetNote:
        reset();
        return true;
    case Command::ShowSystemMenu:
        emit viewCommand(command);
        return true;
    default:
        return false;
    }
}

bool Note::runFormatCommand(Command command, int index)
{
    NoteText& text = *m_text;
    switch (command) {
    case Command::StyleNormal:
        styleNormal(text, m_styleChecks);
        return true;
    case Command::StyleItalic:
        toggleStyle(text, m_styleChecks, Style::Italic);
        return true;
    case Command::StyleUnderline:
        toggleStyle(text, m_styleChecks, Style::Underline);
        return true;
    case Command::StyleBold:
        toggleStyle(text, m_styleChecks, Style::Bold);
        return true;
    case Command::NoteFontSize:
        m_record.FontSize = fontSizeForIndex(index);
        text.setFontSize(m_record.FontSize);
        return true;
    case Command::SelectionFontSize:
        text.setSelFontSize(fontSizeForIndex(index));
        return true;
    case Command::SelectionStyle:
        setSelectionStyle(text, index);
        return true;
    case Command::RemoveFormat:
        removeFormat(text);
        return true;
    case Command::StrikeOut:
        text.setSelStrikeThrough(index == 0);
        return true;
    case Command::AlignNote:
        alignWholeNote(text, index);
        return true;
    case Command::AlignSelection:
        alignSelection(text, index);
        return true;
    case Command::Bullets:
        setBullets(text, index);
        return true;
    case Command::Indent:
        changeIndent(text, index);
        return true;
    case Command::FontFamily:
        chooseFontFamily();
        return true;
    case Command::TextColor:
        chooseTextColor();
        return true;
    default:
        return false;
    }
}

bool Note::runEditCommand(Command command, int index, Qt::KeyboardModifiers held)
{
    switch (command) {
    case Command::PastePlainText:
        pastePlainText(*m_text);
        return true;
    case Command::ClearAll:
        clearAll(index == 1 || (held & Qt::ControlModifier));
        return true;
    case Command::InsertCharacter:
        insertAtCaret(*m_text, specialCharacter(index));
        return true;
    case Command::InsertDateStamp:
        insertAtCaret(*m_text, dateStamp(index, QDateTime::currentDateTime()));
        return true;
    case Command::Paste:
    case Command::Undo:
    case Command::Cut:
    case Command::Copy:
        emit viewCommand(command); // the clipboard and the undo stack belong to the view showing the text
        return true;
    default:
        return false;
    }
}

bool Note::isChecked(Command command, int index) const
{
    switch (command) {
    case Command::AutoSave:
        return autoSave();
    case Command::SaveNewNoteOnClose:
        return saveNewNoteOnClose();
    case Command::SaveSettings:
        return saveSettingsChecked();
    case Command::AlwaysOnTop:
        return isOnTop();
    case Command::StyleNormal:
        return m_styleChecks.normal;
    case Command::StyleItalic:
        return m_styleChecks.italic;
    case Command::StyleUnderline:
        return m_styleChecks.underline;
    case Command::StyleBold:
        return m_styleChecks.bold;
    case Command::NoteFontSize:
        return fontSizeChecked(index, m_record.FontSize);
    case Command::NoteColor:
        // The mark follows the colour itself, so "Peach" chosen from the menu (stored as its number) is checked.
        return index >= 0 && index < int(std::size(kNoteColors)) && kNoteColors[index].value == m_colorValue;
    case Command::Transparency:
        return index >= 0 && index < 4 && kTransparencyLevels[index] == m_record.Alpha;
    case Command::CaptionType:
        return index == m_captionType;
    default:
        return false;
    }
}

bool Note::isEnabled(Command command, int index) const
{
    Q_UNUSED(index)
    switch (command) {
    case Command::RollUp:
        return !m_rolledUp;
    case Command::Save:
    case Command::SaveAs:
        return m_saveEnabled;
    default:
        return true;
    }
}

void Note::chooseCustomColor()
{
    StayOnTopPause pause(*this);
    CommonDialog dialog;
    dialog.setOwner(m_dialogOwner);
    const long chosen = dialog.showColor(true, 255);
    if (chosen != -1) {
        setColor(QString::number(chosen), true);
    }
}

void Note::chooseTextColor()
{
    StayOnTopPause pause(*this);
    CommonDialog dialog;
    dialog.setOwner(m_dialogOwner);
    const long chosen = dialog.showColor(true, 255);
    if (chosen != -1) {
        changeForeColor(qint32(chosen));
    }
}

void Note::chooseFontFamily()
{
    StayOnTopPause pause(*this);
    CommonDialog dialog;
    dialog.setOwner(m_dialogOwner);
    dialog.setFontName(m_text->fontName());
    if (dialog.showFont(qRound(m_text->fontSize())) && !dialog.fontName().isEmpty()) {
        // What the dialog showed: the face and its size.
        m_text->setFontName(dialog.fontName());
        m_record.FontSize = dialog.fontSize();
        m_text->setFontSize(m_record.FontSize);
    }
}

void Note::showNotImplemented()
{
    dialogResponder().information(m_dialogOwner,
                                  QStringLiteral("This feature has not been implemented in this release"));
}

} // namespace jotlet
