// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/command.h"
#include "note/notestorage.h"
#include "note/specialnote.h"
#include "note/textcommands.h"
#include "notes/noterecord.h"
#include "platform/spellengine.h"
#include "support/problem.h"
#include "support/settings.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace jotlet {

class Note;
class NoteText;

// Where a note comes from: it decides the look a note starts with and whether its text exists anywhere but in the
// note. A new note takes its colour, size and place from the remembered look when "Save Settings" is on; the others
// take them from what they came from.
enum class NoteOrigin {
    New,         // a new, empty note
    OpenedFile,  // the first note of a note file, which it belongs to
    FileCopy,    // a further note of an opened file: a copy tied to no file, the file still holds it
    ManagerCopy, // a note the multi-note manager shows: a copy with unsaved changes, tied to no file
    Kept,        // back from the program's own session files (jotlet.dat, the recovery journal): nowhere else
};

enum class SaveMode { Save, SaveAs, AppendTo };

// What a note asks of the program around it (its board); anything missing is simply not there.
struct NoteServices
{
    // A new note beside this one (New, or the further notes of a file it opens).
    std::function<Note*(NoteOrigin)> createNote;
    // Opens the multi-note manager for the note.
    std::function<void(Note&)> openManager;
    // Opens "Find in Notes" and the trash, from a note or (nullptr) from elsewhere.
    std::function<void(Note*)> openFinder;
    std::function<void(Note*)> openTrash;
    // Opens the program's window for a command on every note (import, export, restore from a backup).
    std::function<void(Command, Note*)> openNotesWindow;
    // The spelling dictionary; nullptr, with the reason, when none can be opened.
    std::function<std::unique_ptr<SpellEngine>(Problem* error)> openSpellEngine;
    // The special note the note can be.
    SpecialNoteFactory makeSpecial;
};

// One note, without a window: its text, look, file and unsaved state, and everything the user can ask of it.
// A window (NoteWindow) shows a note and turns its events into calls; the multi-note manager and the tests hold
// notes without one. Lengths are twips; colours 0x00BBGGRR.
//
// The title is "Jotlet" until something names the note, then "Jotlet - " with the file's name, and " *" while
// there are unsaved changes: changes since the note was last in its file, or, for a note in no file, since it
// began, when its text is nowhere else or "Save New Note on Close" is on.
class Note : public QObject
{
    Q_OBJECT

public:
    // What changed, for a view to show again.
    enum Aspect {
        Title = 0x1,
        SubCaption = 0x2,
        Colors = 0x4,
        Geometry = 0x8,
        RolledUp = 0x10,
        Options = 0x20, // on top, transparency and the like: nothing a window shows at once
        Icon = 0x40,    // the reminder icon in place of the note icon
        Hidden = 0x80,  // put away (all notes hidden from the tray) or back on the desktop
    };
    Q_DECLARE_FLAGS(Aspects, Aspect)

    // What the note's special note tells it: it became another kind or none; the program writes the text from now
    // on (every write is an unsaved change); the reminder icon changed; it stopped.
    enum class SpecialChange { Kind, Writing, Icon, Stopped };

    explicit Note(NoteOrigin origin = NoteOrigin::New, NoteServices services = {});
    ~Note() override;

    NoteText& text() { return *m_text; }
    const NoteText& text() const { return *m_text; }

    QString title() const;
    QString subCaption() const { return m_subCaption; }
    int captionType() const { return m_captionType; }
    QString colorText() const { return m_record.color; }
    quint32 colorValue() const { return m_colorValue; }
    // The note's own choice of look ("Dark", "Light", or "" to follow the program), and whether it is dark now.
    QString lookChoice() const { return m_record.look; }
    bool isDark() const;
    void setLookChoice(const QString& choice);
    qint32 foreColor() const { return m_record.foreColor; }
    int fontSize() const { return m_record.fontSize; }
    int alpha() const { return m_record.alpha; }
    bool isOnTop() const { return m_record.isOnTop; }
    bool autoSave() const { return m_record.autoSave; }
    bool saveNewNoteOnClose() const { return m_record.saveNewNoteOnClose; }

    // The special note it can be (nullptr without the program's special notes), and whether it is one now.
    SpecialNote* special() const { return m_special.get(); }
    bool isSpecial() const { return m_special && m_special->isActive(); }

    // The file the note belongs to ("" when none): Save writes there and the title names it.
    QString filePath() const { return m_filePath; }
    bool isUnsaved() const;

    // Left, top, width and height, in twips. Sizes are held between the minimum and the desktop.
    QRect geometry() const { return m_geometry; }
    // How wide a picture put in the note is shown at most: the width of its text, in pixels.
    int pictureFitWidth() const;
    // Puts a picture file in at the caret (a drop, Insert Picture); tells the user when it cannot.
    void insertPictureFile(const QString& path);
    // Tells the user (and the log) why a picture could not be put in.
    void reportPictureRefused(const jotlet::Problem& reason);
    void setGeometry(const QRect& twips);
    void moveTo(const QPoint& twips);
    void resize(const QSize& twips);
    bool isRolledUp() const { return m_rolledUp; }
    // The size a rolled-up note comes back to.
    QSize restoreSize() const { return {m_record.width, m_record.height}; }
    // The icon's tooltip: the first words of a rolled-up note, else a hint.
    QString iconTooltip() const { return m_iconTooltip; }

    // Puts a stored note into this one: text, colour, size and place; the note's origin says whether the text is
    // an unsaved change. A text past the reader's limits is refused (logged, naming where it came from) and nothing
    // changes.
    bool setFromRecord(const NoteRecord& record, const QString& source);
    // The note belongs to this file and has no unsaved changes.
    void setSavedAs(const QString& path);
    // The sub-caption's text as stored with the note (its time stamp).
    void setTimeStamp(const QString& text);
    // The note as the writers store it: the text as RTF, the sub-caption as its time stamp, the current place,
    // and the size it has when not rolled up.
    NoteRecord record() const;
    // The note as the program's own session files keep it (the main note file, the recovery journal): with its
    // file, unsaved mark, on-top and transparency, and a special note's kind and parameter, so that it comes back
    // as it was.
    NoteRecord sessionRecord() const;
    // Takes back what a session file kept (after setFromRecord), and then the special note it was (after show()).
    void restoreSession(const NoteRecord::Session& session);
    void resumeSpecial(const NoteRecord& kept);

    // Commands from menus and keys. False for no command, a command whose item is unavailable, or a closed note.
    bool run(Command command, int index = -1, Qt::KeyboardModifiers held = {});
    // What a menu item of the command shows for this note.
    bool isChecked(Command command, int index = -1) const;
    bool isEnabled(Command command, int index = -1) const;

    // Options the user sets (also through their commands).
    bool setColor(const QString& colorText, bool allowForeColorChange);
    // The look follows the program's setting or the desktop: the window draws the note again.
    void lookChanged() { emit changed(Colors); }
    // The whole text in one colour (bullets too).
    void changeForeColor(qint32 color);
    void setOnTop(bool on);
    void setSaveNewNoteOnClose(bool on);
    // Shows the sub-caption again (the time stamp becomes now; counts are counted again).
    void refreshSubCaption();
    // The first file of a drop: a picture goes in at the caret, a note file opens as Open opens one, a text file
    // opens in a new note beside this one.
    void dropFiles(const QStringList& paths);
    // The text of a text file a note can hold (at most 1 MB, no NUL); nothing, with why, for any other file.
    static std::optional<QString> textOfFile(const QString& path, Problem* error);
    // Holds the text of a text file from now on, as unsaved text, its stamp naming the file.
    void takeText(const QString& text, const QString& from);
    // The note's special note tells it what changed.
    void specialChanged(SpecialChange change);
    // Comes to the front at its size, above every window for now (a reminder that goes off); a hidden note shows
    // again, without taking the keyboard.
    void bringForward();
    // The user picked the note from a list (the tray menu, a notification): shown, at its size, in front, with the
    // keyboard.
    void present();
    // Hidden, the note stays open with everything it does (its unsaved mark, its special note, its reminder); it
    // is kept at log-off like any other and comes back shown.
    void setHidden(bool hidden);
    bool isHidden() const { return m_hidden; }

    // Shows the note: on a screen, whatever its stored place; it takes the keyboard unless it comes from elsewhere
    // (another computer's note, a conflict) while the user may be typing in another.
    enum class Focus { Take, Leave };
    Q_ENUM(Focus)
    void show(Focus focus = Focus::Take);
    // The user closes the note: the settings are written and unsaved changes asked about. False when the user
    // chose to keep it open.
    bool close();
    // What the note leaves in the settings when it closes ("Save Settings" decides which values).
    SettingValues settingValues() const;
    bool isClosed() const { return m_closed; }
    // Closes without a word or a save: for a note that never came to be (its text was refused), or at log-off.
    void discard() { finishClose(); }

    // Where the note lives when it has no file of its own (the notes folder), if anywhere; its id there ("" for
    // none) and whether it shows a conflicting version of another note.
    NoteOrigin origin() const { return m_origin; }
    NoteStorage* storage() const { return m_storage.get(); }
    void setStorage(std::unique_ptr<NoteStorage> storage);
    QString folderId() const { return m_storage ? m_storage->id() : QString(); }
    bool isConflict() const { return m_storage && m_storage->isConflict(); }
    // A version stored elsewhere (another computer's) takes the note's place: the text changes in place (the caret
    // stays with its words), and it is no change of the user's: nothing is marked unsaved and Undo does not take it
    // back.
    bool takeStoredVersion(const NoteRecord& record);
    // The note's text counts as nowhere else: every change is an unsaved one until its storage has it.
    void keepEveryChange() { m_keepsEveryChange = true; }
    // The note has no unsaved changes (its storage wrote them).
    void markSaved();

    // The window dialogs belong to; the note's view sets it.
    void setDialogOwner(QObject* owner) { m_dialogOwner = owner; }
    QObject* dialogOwner() const { return m_dialogOwner; }
    // Whether the window stays above others now (false while a dialog of the note is open).
    bool staysOnTopNow() const { return m_record.isOnTop && m_onTopPauses == 0; }

signals:
    void changed(Note::Aspects aspects);
    // The always-on-top state to apply to the window now.
    void stayOnTopChanged(bool on);
    void showRequested(Note::Focus focus);
    // Bring the window to the front without taking the keyboard from where the user types.
    void raiseRequested();
    // A command that belongs to the view showing the note: the clipboard, undo, the system menu.
    void viewCommand(Command command);
    void closed();

private:
    // A text file in a new note beside this one; false, with why, when it is no text file or cannot be read.
    bool readTextFile(const QString& path, Problem* error);
    friend class StayOnTopPause;
    void applyLook(NoteOrigin origin);
    // The paper's colour alone; false, and logged, when it is not a note colour.
    bool setPaper(const QString& colorText);
    void onTextChanged();
    void noteMarkChange();
    void setSubCaptionText(const QString& text);
    std::optional<Answer> askToSaveBeforeClose();
    bool closeWith(std::optional<Answer> answer);
    void showCounts();
    // Keeps the note as it is now in the trash (a note without text is not kept).
    void putInTrash();
    void writeSettings();
    void finishClose();
    void openRecords(const NoteList& notes);
    void takeFileNote(const NoteRecord& stored);

    // The commands (notecommands.cpp, noteoutput.cpp).
    void runNoteCommand(Command command, int index, Qt::KeyboardModifiers held);
    void save(SaveMode mode);
    void newNote();
    void openFile();
    void rollUp();
    void restore();
    void toggleRollUp();
    void defaultSize();
    void reset();
    void setCaptionType(int type);
    void setTransparency(int index);
    void setSaveSettings(bool on);
    void insertPicture();
    void runSpecial(Command command);
    void tellPictureRefused(const Problem& reason);
    void chooseCustomColor();
    void chooseTextColor();
    void chooseFontFamily();
    void clearAll(bool ctrlHeld);
    void printNote();
    void emailNote();
    void checkSpelling();

    NoteServices m_services;
    NoteOrigin m_origin;
    NoteText* m_text;
    std::unique_ptr<SpecialNote> m_special;
    NoteRecord m_record; // colour, size to restore, options; not the text
    QString m_filePath;
    QString m_subCaption;
    QString m_iconTooltip;
    QRect m_geometry;
    quint32 m_colorValue = 0;
    int m_captionType = 0;
    qint32 m_wordCount = 0;
    QTimer* m_counting = nullptr; // the word or character count shown, brought up to date after typing
    StyleChecks m_styleChecks;
    bool m_titleShown = false;
    // The unsaved mark derives from these two (isUnsaved()): the text or look changed since the note was last in
    // its file (or since it began), and whether every such change counts even without a file and with "Save New
    // Note on Close" off: its text is nowhere else.
    bool m_changed = false;
    bool m_keepsEveryChange = false;
    bool m_saveSettings = false;
    bool m_rolledUp = false;
    bool m_hidden = false;
    bool m_loading = true;
    bool m_closed = false;
    std::unique_ptr<NoteStorage> m_storage;
    int m_onTopPauses = 0;
    QPointer<QObject> m_dialogOwner;
};

// While it lives, the note's window does not stay above others, so that a dialog it opens is not hidden.
class StayOnTopPause
{
public:
    explicit StayOnTopPause(Note& note);
    ~StayOnTopPause();
    StayOnTopPause(const StayOnTopPause&) = delete;
    StayOnTopPause& operator=(const StayOnTopPause&) = delete;

private:
    Note& m_note;
};

} // namespace jotlet

Q_DECLARE_OPERATORS_FOR_FLAGS(jotlet::Note::Aspects)
