// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/settings.h"

#include "support/errorlog.h"
#include "support/files.h"

#include <QFileInfo>
#include <QLocale>
#include <QUrl>

#include <cmath>
#include <limits>

namespace jotlet {

namespace {

constexpr SettingInfo kSettings[] = {
    {Setting::SaveSetting, "SaveSetting", "False"},
    {Setting::Color, "Color", "yellow"},
    {Setting::Height, "Height", "2865"},
    {Setting::Width, "Width", "3345"},
    {Setting::Top, "Top", nullptr},
    {Setting::Left, "Left", nullptr},
    {Setting::Alpha, "Alpha", "255"},
    {Setting::CaptionType, "CaptionType", "0"},
    {Setting::IsOnTop, "IsOnTop", "True"},
    {Setting::ForeColor, "ForeColor", "0"},
    {Setting::FontName, "FontName", "Comic Sans MS"},
    {Setting::DefaultFontSize, "DefaultFontSize", "10"},
    {Setting::AutoSave, "AutoSave", "True"},
    {Setting::SaveNewNoteOnClose, "SaveNewNoteOnClose", "True"},
    {Setting::LastFolder, "LastFolder", nullptr},
    {Setting::HttpProxy, "HTTPProxy", ""},
    {Setting::QuoteServer, "QuoteServer", ""},
    {Setting::NotesNotKept, "NotesNotKept", ""},
    {Setting::ShowTrayIcon, "ShowTrayIcon", "True"},
    {Setting::KeepNotesOutOfTaskbar, "KeepNotesOutOfTaskbar", "True"},
    {Setting::KeepRunning, "KeepRunning", "True"},
    {Setting::NewNoteKey, "NewNoteKey", "Ctrl+Alt+N"},
    {Setting::RecentFiles, "RecentFiles", ""},
    {Setting::NotesFolder, "NotesFolder", ""},
    {Setting::NoteLook, "NoteLook", "Desktop"},
};

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Reads a number into target; a stored text that is not one is logged and leaves target alone.
void readInt(Setting setting, qint32& target, const SettingContext& context = {})
{
    const QString text = readSetting(setting, context);
    if (const auto value = settingToInt32(text)) {
        target = *value;
    } else if (!text.trimmed().isEmpty()) {
        logError(
            QStringLiteral("modRegistry: readNoteLook"),
            13,
            QStringLiteral("Type mismatch: the setting '%1' holds '%2', not a number").arg(settingName(setting), text));
    }
}

void readBool(Setting setting, bool& target)
{
    const QString text = readSetting(setting);
    if (const auto value = settingToBool(text)) {
        target = *value;
    } else if (!text.trimmed().isEmpty()) {
        logError(QStringLiteral("modRegistry: readNoteLook"),
                 13,
                 QStringLiteral("Type mismatch: the setting '%1' holds '%2', not True or False")
                     .arg(settingName(setting), text));
    }
}

} // namespace

const SettingInfo& settingInfo(Setting setting)
{
    return kSettings[static_cast<int>(setting)];
}

QString settingName(Setting setting)
{
    return QString::fromLatin1(settingInfo(setting).name);
}

QString settingDefault(Setting setting, const SettingContext& context)
{
    switch (setting) {
    case Setting::Top:
        return QString::number((context.screenTwips.height() - context.windowTwips.height()) / 2);
    case Setting::Left:
        return QString::number((context.screenTwips.width() - context.windowTwips.width()) / 2);
    case Setting::LastFolder:
        return desktopFolder();
    default:
        return QString::fromLatin1(settingInfo(setting).defaultText);
    }
}

QString readSetting(Setting setting, const SettingContext& context)
{
    return SettingsStore::read(settingName(setting), settingDefault(setting, context));
}

bool writeSetting(Setting setting, const QString& value, SettingsError* error)
{
    return SettingsStore::write(settingName(setting), value, error);
}

QStringList recentNoteFiles()
{
    QStringList files = readSetting(Setting::RecentFiles).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    files.removeDuplicates();
    return files.mid(0, kMaxRecentFiles);
}

void rememberNoteFile(const QString& path)
{
    if (path.isEmpty()) {
        return;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentNoteFiles();
    if (!files.isEmpty() && files.first() == absolute) {
        return; // already first: nothing to write
    }
    files.removeAll(absolute);
    files.prepend(absolute);
    SettingsError error;
    if (!writeSetting(Setting::RecentFiles, files.mid(0, kMaxRecentFiles).join(QLatin1Char('\n')), &error)) {
        logError(QStringLiteral("modSettings: RememberFile"), 75, error.description);
    }
}

Problem quoteServerProblem(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    const QUrl url(trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        || url.host().isEmpty()) {
        return Problem(QT_TRANSLATE_NOOP("Problem",
                                         "The quote server must be an address that starts with http:// or https://, "
                                         "for example http://quotes.example.com"));
    }
    return {};
}

Problem httpProxyProblem(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    const QUrl url = QUrl::fromUserInput(trimmed);
    if (!url.isValid() || url.host().isEmpty() || trimmed.contains(QLatin1Char(' '))) {
        return Problem(QT_TRANSLATE_NOOP(
            "Problem", "The proxy must be a host name and a port, for example proxy.example.com:3128"));
    }
    return {};
}

bool isTrueText(const QString& text)
{
    return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

std::optional<bool> settingToBool(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool ok = false;
    const double number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number != 0.0;
}

std::optional<qint32> settingToInt32(const QString& text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(number); // the default rounding mode rounds halves to even
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(rounded);
}

namespace {

// A value added after the section was first written: missing (an empty text), or not a truth value, it is its
// default.
bool readOption(Setting setting)
{
    const QString text = readSetting(setting);
    const auto value = settingToBool(text);
    return value ? *value : isTrueText(QString::fromLatin1(settingInfo(setting).defaultText));
}

} // namespace

DesktopOptions readDesktopOptions()
{
    DesktopOptions options;
    options.showTrayIcon = readOption(Setting::ShowTrayIcon);
    options.keepNotesOutOfTaskbar = readOption(Setting::KeepNotesOutOfTaskbar);
    options.keepRunning = readOption(Setting::KeepRunning);
    // "None" keeps the key off; a missing value is the default key.
    const QString key = readSetting(Setting::NewNoteKey).trimmed();
    if (!key.isEmpty()) {
        options.newNoteKey = key.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0 ? QString() : key;
    }
    return options;
}

DesktopOptionsSignal& desktopOptionsSignal()
{
    static DesktopOptionsSignal signal;
    return signal;
}

bool writeDesktopOptions(const DesktopOptions& options, SettingsError* error)
{
    const bool kept = writeSettings(
        {{Setting::ShowTrayIcon, boolText(options.showTrayIcon)},
         {Setting::KeepNotesOutOfTaskbar, boolText(options.keepNotesOutOfTaskbar)},
         {Setting::KeepRunning, boolText(options.keepRunning)},
         {Setting::NewNoteKey, options.newNoteKey.isEmpty() ? QStringLiteral("None") : options.newNoteKey}},
        error);
    if (kept) {
        emit desktopOptionsSignal().changed();
    }
    return kept;
}

void readNoteLook(NoteLook& look, bool noteHasFile, const QSize& screenTwips)
{
    look.saveSetting = isTrueText(readSetting(Setting::SaveSetting));
    if (look.saveSetting) {
        if (!noteHasFile) {
            look.color = readSetting(Setting::Color);
            readInt(Setting::Height, look.height);
            readInt(Setting::Width, look.width);
            const SettingContext context {screenTwips, QSize(look.width, look.height)};
            qint32 top = look.top.value_or((screenTwips.height() - look.height) / 2);
            qint32 left = look.left.value_or((screenTwips.width() - look.width) / 2);
            readInt(Setting::Top, top, context);
            readInt(Setting::Left, left, context);
            look.top = top;
            look.left = left;
        }
        readInt(Setting::Alpha, look.alpha);
        qint32 captionType = look.captionType;
        readInt(Setting::CaptionType, captionType);
        if (captionType >= 0 && captionType <= 3) {
            look.captionType = captionType;
        }
        look.isOnTop = isTrueText(readSetting(Setting::IsOnTop));
        readInt(Setting::ForeColor, look.foreColor);
        const QString fontName = readSetting(Setting::FontName);
        if (!fontName.trimmed().isEmpty()) {
            look.fontName = fontName;
        }
        readInt(Setting::DefaultFontSize, look.fontSize);
    }
    readBool(Setting::AutoSave, look.autoSave);
    readBool(Setting::SaveNewNoteOnClose, look.saveNewNoteOnClose);
}

SettingValues noteLookValues(const NoteLook& look, bool saveSettingsChecked)
{
    SettingValues values;
    if (saveSettingsChecked) {
        values = {
            {Setting::Color, look.color},
            {Setting::ForeColor, QString::number(look.foreColor)},
            {Setting::IsOnTop, boolText(look.isOnTop)},
            {Setting::Alpha, QString::number(look.alpha)},
            {Setting::FontName, look.fontName},
            {Setting::DefaultFontSize, QString::number(look.fontSize)},
            {Setting::Height, QString::number(look.height)},
            {Setting::Width, QString::number(look.width)},
            {Setting::Top, QString::number(look.top.value_or(0))},
            {Setting::Left, QString::number(look.left.value_or(0))},
        };
        if (look.captionType >= 0 && look.captionType <= 3) {
            values.append({Setting::CaptionType, QString::number(look.captionType)});
        }
    }
    values.append({Setting::SaveSetting, boolText(saveSettingsChecked)});
    values.append({Setting::AutoSave, boolText(look.autoSave)});
    values.append({Setting::SaveNewNoteOnClose, boolText(look.saveNewNoteOnClose)});
    return values;
}

bool writeSettings(const SettingValues& values, SettingsError* error)
{
    QList<QPair<QString, QString>> named;
    for (const auto& [setting, value] : values) {
        named.append({settingName(setting), value});
    }
    return SettingsStore::write(named, error);
}

bool writeNoteLook(const NoteLook& look, bool saveSettingsChecked, SettingsError* error)
{
    return writeSettings(noteLookValues(look, saveSettingsChecked), error);
}

QString readNotesFolder()
{
    return readSetting(Setting::NotesFolder).trimmed();
}

bool writeNotesFolder(const QString& folder, SettingsError* error)
{
    if (folder == readNotesFolder()) {
        return true;
    }
    if (!writeSetting(Setting::NotesFolder, folder, error)) {
        return false;
    }
    emit desktopOptionsSignal().notesFolderChanged(folder);
    return true;
}

} // namespace jotlet
