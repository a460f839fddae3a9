#pragma once

#include "notes/noterecord.h"
#include "support/settings.h"
#include "window/command.h"
#include "window/specialnote.h"
#include "window/textcommands.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>

class QTimer;

namespace jotlet {

class NoteBoard;
class NoteText;

// Where a note comes from. A new note takes its colour, size and place from the remembered look when "Save
// Settings" is on; a note from a file takes them from the file. Both take the remaining options from the settings.
enum class NoteOrigin { New, FromFile };

enum class SaveMode { Save, SaveAs, AppendTo };

// The icon of a reminder note, shown in place of the note icon: the reminder is set and waiting, or has gone off.
enum class ReminderIcon { None, Waiting, Fired };

// One note, without a window: its text, look, file and unsaved state, and everything the user can ask of it.
// A window (NoteWindow) shows a note and turns its events into calls; the multi-note manager and the tests hold
// notes without one. Lengths are twips; colours 0x00BBGGRR.
//
// The title is "Jotlet" until something names the note, then "Jotlet - " with the file's name, and " *" while
// there are unsaved changes.
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
    };
    Q_DECLARE_FLAGS(Aspects, Aspect)

    explicit Note(NoteOrigin origin = NoteOrigin::New, NoteBoard* board = nullptr);
    ~Note() override;

    NoteBoard* board() const { return m_board; }
    NoteText& text() { return *m_text; }
    const NoteText& text() const { return *m_text; }

    QString title() const;
    QString subCaption() const { return m_subCaption; }
    int captionType() const { return m_captionType; }
    QString colorText() const { return m_record.Color; }
    quint32 colorValue() const { return m_colorValue; }
    qint32 foreColor() const { return m_record.ForeColor; }
    int fontSize() const { return m_record.FontSize; }
    int alpha() const { return m_record.Alpha; }
    bool isOnTop() const { return m_record.IsOnTop; }
    bool autoSave() const { return m_record.AutoSave; }
    bool saveNewNoteOnClose() const { return m_record.SaveNewNoteOnClose; }
    bool saveSettingsChecked() const { return m_saveSettings; }
    const StyleChecks& styleChecks() const { return m_styleChecks; }
    int specialType() const { return m_record.SpecialType; }
    SpecialKind specialKind() const { return SpecialKind(m_record.SpecialType); }
    // Whether the note is a special note now (the kind stays after "Stop Special Note"; this does not).
    bool isSpecial() const { return m_specialContentKind != SpecialKind::None; }
    // The reminder time as "hh:mm:ss AMPM" ("" when none was set).
    QString reminder() const { return m_record.Reminder; }
    ReminderIcon reminderIcon() const { return m_reminderIcon; }
    QString feedUrl() const { return m_record.FeedURL; }
    QString stockSymbol() const { return m_record.StockSymbol; }
    // Whether the note's content is refreshed, and in how many milliseconds next (for tests and views).
    bool isRefreshing() const;
    int refreshDelay() const;

    // The file the note belongs to ("" when none): Save writes there and the title names it.
    QString filePath() const { return m_filePath; }
    bool isUnsaved() const { return m_unsaved; }
    // When on, every edit marks the note unsaved, even with "Save New Note on Close" off (notes that came back
    // from the last session or from a file).
    bool marksEveryEdit() const { return m_marksEveryEdit; }
    void setMarksEveryEdit(bool on) { m_marksEveryEdit = on; }

    // Left, top, width and height, in twips. Sizes are held between the minimum and the desktop.
    QRect geometry() const { return m_geometry; }
    void setGeometry(const QRect& twips);
    void moveTo(const QPoint& twips);
    void resize(const QSize& twips);
    bool isRolledUp() const { return m_rolledUp; }
    // The size a rolled-up note comes back to.
    QSize restoreSize() const { return {m_record.Width, m_record.Height}; }
    // The icon's tooltip: the first words of a rolled-up note, else a hint.
    QString iconTooltip() const { return m_iconTooltip; }

    // Puts a stored note into this one: text, colour, size and place; the creator says what else it is. A text
    // past the reader's limits is refused (logged, naming where it came from) and nothing changes.
    bool setFromRecord(const NoteRecord& record, const QString& source);
    // Makes the note a copy of a stored note (from the multi-note manager): its text, colour, time stamp, size and
    // place, with unsaved changes and tied to no file, so that saving asks for one. False when the text is refused.
    bool takeCopyOf(const NoteRecord& stored);
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
    // Takes back what a session file kept (after setFromRecord).
    void restoreSession(const NoteRecord::Session& session);
    // Makes the note again the special note a session file kept (after setFromRecord): armed, and making up for
    // what it missed (a reminder that passed while the program was starting). A kind this program has no writer
    // for leaves an ordinary note.
    void resumeSpecial(const NoteRecord& kept);

    // Commands from menus and keys. False for no command, or when the note has closed.
    bool run(Command command, int index = -1, Qt::KeyboardModifiers held = {});
    static bool handles(Command command);
    // What a menu item of the command shows for this note.
    bool isChecked(Command command, int index = -1) const;
    bool isEnabled(Command command, int index = -1) const;

    bool setColor(const QString& colorText, bool allowForeColorChange);
    void changeForeColor(qint32 color);
    void save(SaveMode mode);
    void newNote();
    void openFile();
    void rollUp();
    void restore();
    void toggleRollUp();
    void defaultSize();
    void reset();
    void setCaptionType(int type);
    void refreshSubCaption();
    void setOnTop(bool on);
    void setTransparency(int index);
    void setAutoSave(bool on);
    void setSaveNewNoteOnClose(bool on);
    void setSaveSettings(bool on);
    // Makes the note a special note of the kind (or writes it again): the content is written, the text locked
    // against typing (except for reminders), Save and Save As unavailable, and the refresh armed. A content that
    // cannot be written is logged and stops the refresh.
    void displaySpecialNote(SpecialKind kind);
    void stopSpecialNote();
    // Asks for a reminder time and makes the note a reminder note that goes off at that time every day.
    void chooseReminder();
    // Asks for a feed's address and makes the note show its headlines. Cancelling changes nothing; an empty address
    // leaves a feed note's last headlines and stops its refresh.
    void chooseFeed();
    // Asks for a stock symbol and makes the note show its quote. Cancelling or an empty symbol changes nothing.
    void chooseStockSymbol();
    // Makes the note a clipboard viewer or log under its heading, following the clipboard from now on.
    void startClipboardNote(SpecialKind kind);
    // The reminder goes off: the note comes to the front at its size; the first time, an alert tells the user.
    void fireReminder();
    void clearAll(bool ctrlHeld);
    // Puts the first readable text file of a drop into the note.
    void dropFiles(const QStringList& paths);

    // Prints the note on the printer chosen in the print dialog, with margins of an inch.
    void printNote();
    // Hands the selection, or the whole text when nothing is selected, to the mail program as a new message.
    void emailNote();
    // Checks the spelling of the selection, or of the whole note when nothing is selected; the caret goes back to
    // where it was.
    void checkSpelling();

    // Shows the note: on a screen, whatever its stored place.
    void show();
    // The user closes the note: the settings are written and unsaved changes asked about. False when the user
    // chose to keep it open.
    bool close();
    // What the note leaves in the settings when it closes ("Save Settings" decides which values).
    SettingValues settingValues() const;
    bool isClosed() const { return m_closed; }
    // Closes without a word or a save: for a note that never came to be (its text was refused).
    void discard() { finishClose(); }

    // The window dialogs belong to; the note's view sets it.
    void setDialogOwner(QObject* owner) { m_dialogOwner = owner; }
    QObject* dialogOwner() const { return m_dialogOwner; }
    // Whether the window stays above others now (false while a dialog of the note is open).
    bool staysOnTopNow() const { return m_record.IsOnTop && m_onTopPauses == 0; }

signals:
    void changed(Note::Aspects aspects);
    // The always-on-top state to apply to the window now.
    void stayOnTopChanged(bool on);
    void showRequested();
    // Bring the window to the front without taking the keyboard from where the user types.
    void raiseRequested();
    // A command that belongs to the view showing the note: the clipboard, undo, the system menu.
    void viewCommand(Command command);
    void closed();

private:
    friend class StayOnTopPause;
    void applyLook(NoteOrigin origin);
    void onTextChanged();
    void setUnsaved(bool unsaved);
    void setSubCaptionText(const QString& text);
    bool runFileCommand(Command command, int index, Qt::KeyboardModifiers held);
    bool runNoteCommand(Command command, int index);
    bool runFormatCommand(Command command, int index);
    bool runEditCommand(Command command, int index, Qt::KeyboardModifiers held);
    bool askToSaveBeforeClose();
    void writeSettings();
    void finishClose();
    void chooseCustomColor();
    void chooseTextColor();
    void chooseFontFamily();
    void showNotImplemented();
    void setReminderIcon(ReminderIcon icon);
    void openRecords(const NoteList& notes);
    // After setFromRecord: the note is the first note of its file, as stored there.
    void takeFileNote(const NoteRecord& stored);

    NoteBoard* m_board;
    NoteText* m_text;
    QTimer* m_refresh;
    std::unique_ptr<SpecialContent> m_special;
    SpecialKind m_specialContentKind = SpecialKind::None;
    ReminderIcon m_reminderIcon = ReminderIcon::None;
    NoteRecord m_record; // colour, size to restore, options; not the text
    QString m_filePath;
    QString m_subCaption;
    QString m_iconTooltip;
    QRect m_geometry;
    quint32 m_colorValue = 0;
    int m_captionType = 0;
    qint32 m_wordCount = 0;
    StyleChecks m_styleChecks;
    bool m_titleShown = false;
    bool m_unsaved = false;
    bool m_marksEveryEdit = false;
    bool m_saveSettings = false;
    bool m_rolledUp = false;
    bool m_saveEnabled = true;
    bool m_loading = true;
    bool m_closed = false;
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
