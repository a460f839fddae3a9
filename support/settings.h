// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/problem.h"
#include "support/settingsstore.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace jotlet {

// Every value the program keeps in its settings section. No other code spells the names.
enum class Setting {
    SaveSetting,
    Color,
    Height,
    Width,
    Top,
    Left,
    Alpha,
    CaptionType,
    IsOnTop,
    ForeColor,
    FontName,
    DefaultFontSize,
    AutoSave,
    SaveNewNoteOnClose,
    LastFolder,
    HttpProxy,    // "host:port" of the proxy for feeds and quotes; empty: the system's proxy settings
    QuoteServer,  // the address the quote requests start with ("http://quotes.example.com"); empty: none
    NotesNotKept, // why the notes open at the end of the last session could not be kept; told at the next start
    ShowTrayIcon, // "True"/"False": the icon in the desktop's tray
    KeepNotesOutOfTaskbar, // "True"/"False": notes have no taskbar entries while the tray icon shows
    KeepRunning,           // "True"/"False": the program stays in the tray when the last note closes
    NewNoteKey,            // the desktop-wide key for a new note ("Ctrl+Alt+N"); empty: none
    RecentFiles,           // the note files opened or saved last, newest first, one per line
    NotesFolder,           // the folder a sync tool carries, one file per note; empty: none
    NoteLook, // the look of notes without one of their own: "Desktop" (the desktop's preference), "Light", "Dark"
};

struct SettingInfo
{
    Setting setting;
    const char* name;
    // The default when the section does not exist; nullptr where it is computed (Top, Left, LastFolder).
    const char* defaultText;
};

const SettingInfo& settingInfo(Setting setting);
QString settingName(Setting setting);

// What the default of a computed value depends on: the screen and the window, in twips.
struct SettingContext
{
    QSize screenTwips;
    QSize windowTwips;
};

// The default text of a value ("yellow", "2865", the centred top ...).
QString settingDefault(Setting setting, const SettingContext& context = {});

// A value of the program's section through the table: its default applies while the section does not exist.
QString readSetting(Setting setting, const SettingContext& context = {});
bool writeSetting(Setting setting, const QString& value, SettingsError* error = nullptr);

// What is wrong with a value the user typed in the settings window, or "" when it can be kept: the quote server is
// an http or https address (or empty: none), the proxy a host with an optional port ("proxy.example.com:3128", or
// empty: the system's proxy settings).
Problem quoteServerProblem(const QString& text);
Problem httpProxyProblem(const QString& text);

// The note files the user opened or saved last, newest first, at most kMaxRecentFiles; remembering one puts it
// first. Search looks into them.
constexpr int kMaxRecentFiles = 50;
QStringList recentNoteFiles();
void rememberNoteFile(const QString& path);

// Conversions of stored texts, as the note window applies them.
bool isTrueText(const QString& text);                      // "True" in any case, nothing else
std::optional<bool> settingToBool(const QString& text);    // "True"/"False" in any case, or a number
std::optional<qint32> settingToInt32(const QString& text); // decimal, a fraction rounded half to even

// The look and options a note window takes from the settings and leaves in them.
struct NoteLook
{
    bool saveSetting = false;
    QString color = QStringLiteral("yellow");
    qint32 height = 2085; // twips
    qint32 width = 2325;
    std::optional<qint32> top; // no value: centred on the screen
    std::optional<qint32> left;
    qint32 alpha = 255;
    int captionType = 0; // 0-3; -1 when no caption type is chosen
    bool isOnTop = true;
    qint32 foreColor = 0;
    QString fontName = QStringLiteral("Comic Sans MS");
    qint32 fontSize = 10;
    bool autoSave = false;
    bool saveNewNoteOnClose = false;
};

// Applies the stored settings to a window's starting look. With "SaveSetting" true, colour, size
// and place are taken only for a note without a file, the rest for every note; "AutoSave" and
// "SaveNewNoteOnClose" are always read. A stored text that does not convert leaves the starting
// value and, unless it is empty, is logged.
void readNoteLook(NoteLook& look, bool noteHasFile, const QSize& screenTwips);

// Writes the look as the window leaves it: with saveSettingsChecked the remembered look (colour
// to caption type), then always "SaveSetting", "AutoSave" and "SaveNewNoteOnClose". Stops at the
// first value that cannot be stored and returns false with *error filled.
bool writeNoteLook(const NoteLook& look, bool saveSettingsChecked, SettingsError* error = nullptr);

// How the program sits on the desktop: its tray icon, the notes' taskbar entries, whether it outlives its last
// note, and the desktop-wide key for a new note. A value missing from the section, or one that does not convert,
// reads as its default.
struct DesktopOptions
{
    bool showTrayIcon = true;
    bool keepNotesOutOfTaskbar = true;
    bool keepRunning = false;
    QString newNoteKey = QStringLiteral("Ctrl+Alt+N"); // QKeySequence's portable text
};
DesktopOptions readDesktopOptions();
// Writes them and, when they could be kept, tells desktopOptionsSignal's listeners.
bool writeDesktopOptions(const DesktopOptions& options, SettingsError* error = nullptr);

// Emits changed() when the desktop options were written, so that every place showing them follows.
class DesktopOptionsSignal : public QObject
{
    Q_OBJECT

signals:
    void changed();
    // The notes folder was set (or turned off: "").
    void notesFolderChanged(const QString& folder);

private:
    friend bool writeDesktopOptions(const DesktopOptions&, SettingsError*);
    friend bool writeNotesFolder(const QString&, SettingsError*);
    friend DesktopOptionsSignal& desktopOptionsSignal();
    DesktopOptionsSignal() = default;
};
DesktopOptionsSignal& desktopOptionsSignal();

// The notes folder ("" when none); setting it tells desktopOptionsSignal's listeners.
QString readNotesFolder();
bool writeNotesFolder(const QString& folder, SettingsError* error = nullptr);

// The values writeNoteLook writes, in order; and several values written in one go (the later of two values of the
// same name is the one kept).
using SettingValues = QList<QPair<Setting, QString>>;
SettingValues noteLookValues(const NoteLook& look, bool saveSettingsChecked);
bool writeSettings(const SettingValues& values, SettingsError* error = nullptr);

} // namespace jotlet
