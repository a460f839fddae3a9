// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/specialnote.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

class QObject;
class QPrinter;

namespace jotlet {

// What a file dialog is asked to show, in Qt's terms.
struct FileDialogRequest
{
    enum class Kind { Open, Save };
    QObject* owner = nullptr; // the window the dialog belongs to
    Kind kind = Kind::Open;
    QString title;
    QString initialFolder;
    QStringList nameFilters; // "Jotlet Note (*.not)"
    int selectedFilter = 0;  // index into nameFilters
    QString defaultSuffix;   // without the dot
    bool confirmOverwrite = false;
    bool mustExist = true;
    bool multipleFiles = false;
};

// What the font dialog shows when it is confirmed.
struct FontChoice
{
    QString family;
    int pointSize = 0;
};

// A word the spelling check does not know, for the correction dialog.
struct SpellingQuestion
{
    QString word;
    QString context;       // the paragraph the word stands in
    int positionInContext; // where the word starts in it
    QStringList suggestions;
    QString dictionary; // what the check uses, as the user is told ("English (United States)")
};

// The button that answered a question.
enum class Answer { Yes, No, Cancel };

struct SpellingAnswer
{
    enum class Action { Change, ChangeAll, Ignore, IgnoreAll, Add, Cancel };
    Action action = Action::Cancel;
    QString replacement; // for Change and Change All
};

// When a reminder goes off, as its dialog shows it: a first day, a time of day, how it repeats and, for a weekly
// reminder, on which days (bit 0 Monday ... bit 6 Sunday; none: the first day's weekday).
struct ReminderChoice
{
    QDate date;
    QTime time;
    ReminderRepeat repeat = ReminderRepeat::Daily;
    int weekDays = 0;
};

// Answers the common dialogs. The program installs the one that shows Qt's dialogs (dialogs/qtdialogs.h); tests
// install their own, so that no dialog ever waits for a user who is not there. Each dialog belongs to an owner, the
// window that asked (or none): it opens centred over that window, and stays above every window while it is open, so
// that a note kept on top never hides it.
class DialogResponder
{
public:
    virtual ~DialogResponder() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> fileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> colorDialog(QObject* owner, const QColor& initial, bool fullOpen) = 0;
    // The chosen face and size, or nothing when cancelled. The dialog opens on the face the name stands for (the
    // face the system shows for "Comic Sans MS").
    virtual std::optional<FontChoice> fontDialog(QObject* owner, const QString& initialFace, int pointSize) = 0;
    // Lets the user set up the printer; true when confirmed.
    virtual bool printerDialog(QObject* owner, QPrinter& printer) = 0;
    // A question with Yes, No and Cancel; returns the button pressed. The detail, when given, is shown under the
    // question (what it is about).
    virtual Answer question(QObject* owner, const QString& title, const QString& text, const QString& detail = {}) = 0;
    // A notice with the information icon and an OK button, under the title (the application's name when empty).
    virtual void information(QObject* owner, const QString& text, const QString& title = {}) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(QObject* owner, const QString& title, const QString& text) = 0;
    // Tells the user that something failed, with the warning icon and an OK button.
    virtual void warning(QObject* owner, const QString& title, const QString& text) = 0;
    // The about window (and from it the postcard window), until the user closes it.
    virtual void showAbout(QObject* owner) = 0;
    // The settings window, until the user closes it.
    virtual void showSettings(QObject* owner) = 0;
    // The help window ("?" on a note).
    virtual void showHelp(QObject* owner) = 0;
    // The spelling correction dialog: what to do with a word the check does not know.
    virtual SpellingAnswer spellingDialog(QObject* owner, const SpellingQuestion& question) = 0;
    // A notice shown without waiting for it and without taking the keyboard from where the user types (something
    // that happened in the background: the notes folder cannot be written).
    virtual void notify(const QString& title, const QString& text)
    {
        Q_UNUSED(title)
        Q_UNUSED(text)
    }
    // A notice with the critical-error icon and an OK button.
    virtual void critical(QObject* owner, const QString& title, const QString& text) = 0;
    // Asks for one line of text, preset with defaultText; nothing when cancelled.
    virtual std::optional<QString> textDialog(const QString& title, const QString& prompt, const QString& defaultText)
        = 0;
    // Asks for a time of day: the picker starts at initial; Ok gives the time it shows. Nothing for Cancel or the
    // close box.
    virtual std::optional<QTime> timeDialog(const QString& title, const QString& prompt, const QTime& initial) = 0;
    // Asks when a reminder goes off: a date, a time and how it repeats, starting at initial. Nothing for Cancel or
    // the close box. A responder without its own asks only for the time and keeps the rest.
    virtual std::optional<ReminderChoice>
    reminderDialog(const QString& title, const QString& prompt, const ReminderChoice& initial)
    {
        const std::optional<QTime> time = timeDialog(title, prompt, initial.time);
        if (!time) {
            return std::nullopt;
        }
        ReminderChoice choice = initial;
        choice.time = *time;
        return choice;
    }
};

// The responder in use. Until one is installed, every dialog is cancelled at once and every notice goes unseen.
DialogResponder& dialogResponder();

// Installs a responder (not owned) or, with nullptr, goes back to none.
void setDialogResponder(DialogResponder* responder);

} // namespace jotlet
