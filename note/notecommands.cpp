// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// What each command does to a note, and what its menu item shows for the note.
#include "note/commondialog.h"
#include "note/desktop.h"
#include "note/dialogresponder.h"
#include "note/note.h"
#include "note/notecolors.h"
#include "note/notelook.h"
#include "note/notetext.h"
#include "support/appinfo.h"

#include "support/clock.h"

#include <algorithm>

namespace jotlet {

bool Note::run(Command command, int index, Qt::KeyboardModifiers held)
{
    // A key acts only where its menu item would: Ctrl+S does not save a note whose Save is unavailable.
    if (m_closed || command == Command::None || !isEnabled(command, index)) {
        return false;
    }
    runNoteCommand(command, index, held);
    return true;
}

// Every command has its line here: the switch has no default, and the build fails when a command lacks one.
void Note::runNoteCommand(Command command, int index, Qt::KeyboardModifiers held)
{
    NoteText& text = *m_text;
    switch (command) {
    case Command::None:
        break;
    case Command::NewNote:
        newNote();
        break;
    case Command::OpenNote:
        openFile();
        break;
    case Command::Save:
        save(SaveMode::Save);
        break;
    case Command::SaveAs:
        save(SaveMode::SaveAs);
        break;
    case Command::AppendTo:
        save(SaveMode::AppendTo);
        break;
    case Command::CloseNote:
        close();
        break;
    case Command::AutoSave:
        m_record.autoSave = !m_record.autoSave;
        break;
    case Command::SaveNewNoteOnClose:
        setSaveNewNoteOnClose(!saveNewNoteOnClose());
        break;
    case Command::SaveSettings:
        setSaveSettings(!m_saveSettings);
        break;
    case Command::SpecialTime:
    case Command::SpecialReminder:
    case Command::SpecialRssFeed:
    case Command::SpecialStocks:
    case Command::SpecialClipboardViewer:
    case Command::SpecialClipboardLog:
    case Command::SpecialMemory:
    case Command::SpecialDrives:
    case Command::StopSpecialNote:
        runSpecial(command);
        break;
    case Command::MultiNoteManager:
        if (m_services.openManager) {
            StayOnTopPause pause(*this); // the manager opens above the note
            m_services.openManager(*this);
        }
        break;
    case Command::FindInNotes:
        if (m_services.openFinder) {
            m_services.openFinder(this);
        }
        break;
    case Command::ShowTrash:
        if (m_services.openTrash) {
            m_services.openTrash(this);
        }
        break;
    case Command::ImportNotes:
    case Command::ExportNotes:
    case Command::RestoreBackup:
        if (m_services.openNotesWindow) {
            m_services.openNotesWindow(command, this);
        }
        break;
    case Command::ResolveConflict:
        if (isConflict() && index >= 0 && index <= int(ConflictChoice::KeepBoth)) {
            m_storage->resolve(*this, ConflictChoice(index));
        }
        break;
    case Command::EmailNote:
    case Command::EmailSelection:
        emailNote(); // the selection decides, not the item
        break;
    case Command::PrintNote:
        printNote();
        break;
    case Command::CheckSpelling:
    case Command::CheckSelectionSpelling:
        checkSpelling();
        break;
    case Command::ShowHelp:
        dialogResponder().showHelp(m_dialogOwner);
        break;
    case Command::OpenWebsite:
        openForUser(QString::fromLatin1(kMakerWebsite),
                    m_dialogOwner,
                    {tr("Quorvel's Website"),
                     tr("The website could not be opened: %1."),
                     QStringLiteral("frmMain: OpenWebsite")});
        break;
    case Command::ShowAbout: {
        StayOnTopPause pause(*this);
        dialogResponder().showAbout(m_dialogOwner);
        break;
    }
    case Command::ShowSettings: {
        StayOnTopPause pause(*this);
        dialogResponder().showSettings(m_dialogOwner);
        break;
    }
    case Command::Paste:
    case Command::Undo:
    case Command::Cut:
    case Command::Copy:
    case Command::ShowSystemMenu:
    case Command::KeyboardMove:
    case Command::KeyboardSize:
        emit viewCommand(command); // the clipboard, the undo stack, the system menu and the place belong to the view
        break;
    case Command::PastePlainText:
        pastePlainText(text);
        break;
    case Command::ClearAll:
        clearAll(index == 1 || (held & Qt::ControlModifier));
        break;
    case Command::InsertCharacter:
        insertAtCaret(text, specialCharacter(index));
        break;
    case Command::InsertDateStamp:
        insertAtCaret(text, dateStamp(index, Clock::now()));
        break;
    case Command::StyleNormal:
        styleNormal(text, m_styleChecks);
        break;
    case Command::StyleItalic:
        toggleStyle(text, m_styleChecks, Style::Italic);
        break;
    case Command::StyleUnderline:
        toggleStyle(text, m_styleChecks, Style::Underline);
        break;
    case Command::StyleBold:
        toggleStyle(text, m_styleChecks, Style::Bold);
        break;
    case Command::NoteFontSize:
        if (const auto size = menuItem(index, SizeItem::Largest)) {
            m_record.fontSize = fontSizeOf(*size);
            text.setFontSize(m_record.fontSize);
        }
        break;
    case Command::TextColor:
        chooseTextColor();
        break;
    case Command::AlignNote:
        if (const auto alignment = menuItem(index, AlignItem::Right)) {
            alignWholeNote(text, *alignment);
        }
        break;
    case Command::Bullets:
        if (const auto step = menuItem(index, StepItem::Less)) {
            setBullets(text, *step);
        }
        break;
    case Command::Indent:
        if (const auto step = menuItem(index, StepItem::Less)) {
            changeIndent(text, *step);
        }
        break;
    case Command::Checklist:
        text.toggleChecklist();
        break;
    case Command::InsertPicture:
        insertPicture();
        break;
    case Command::FontFamily:
        chooseFontFamily();
        break;
    case Command::StrikeOut:
        text.setSelStrikeThrough(index == 0);
        break;
    case Command::SelectionFontSize:
        if (const auto size = menuItem(index, SizeItem::Largest)) {
            text.setSelFontSize(fontSizeOf(*size));
        }
        break;
    case Command::SelectionStyle:
        if (const auto style = menuItem(index, Style::Bold)) {
            setSelectionStyle(text, *style);
        }
        break;
    case Command::RemoveFormat:
        removeFormat(text);
        break;
    case Command::AlignSelection:
        if (const auto alignment = menuItem(index, AlignItem::Right)) {
            alignSelection(text, *alignment);
        }
        break;
    case Command::NoteColor:
        if (index >= 0 && index < int(std::size(kNoteColors))) {
            setColor(QString::number(kNoteColors[index].value), true);
        } else if (index == kCustomColorIndex) {
            chooseCustomColor();
        }
        break;
    case Command::DarkLook:
        setLookChoice(isDark() ? kLookLight : kLookDark);
        break;
    case Command::Transparency:
        setTransparency(index);
        break;
    case Command::AlwaysOnTop:
        setOnTop(!isOnTop());
        break;
    case Command::CaptionType:
        setCaptionType(index);
        break;
    case Command::RollUp:
        rollUp();
        break;
    case Command::RestoreSize:
        restore();
        break;
    case Command::DefaultSize:
        defaultSize();
        break;
    case Command::ResetNote:
        reset();
        break;
    case Command::ToggleRollUp:
        toggleRollUp();
        break;
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
        return m_saveSettings;
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
    case Command::NoteFontSize: {
        const auto size = menuItem(index, SizeItem::Largest);
        return size && fontSizeChecked(*size, m_record.fontSize);
    }
    case Command::NoteColor:
        // The mark follows the colour itself, so "Peach" chosen from the menu (stored as its number) is checked.
        return index >= 0 && index < int(std::size(kNoteColors)) && kNoteColors[index].value == m_colorValue;
    case Command::DarkLook:
        return isDark();
    case Command::Transparency:
        return index >= 0 && index < 4 && kTransparencyLevels[index] == m_record.alpha;
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
        return !m_special || !m_special->blocksSaving();
    case Command::ResolveConflict:
        return isConflict();
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
        m_record.fontSize = dialog.fontSize();
        m_text->setFontSize(m_record.fontSize);
    }
}

} // namespace jotlet
