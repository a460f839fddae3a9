// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/settingsstore.h"

#include "support/appinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace jotlet {

namespace {

// The section's QSettings object (one per use: QSettings shares the file's contents between them).
class Section : public QSettings
{
public:
    Section()
        : QSettings(QString::fromLatin1(kOrganizationName), QString::fromLatin1(kApplicationName))
    {
    }
};

// Values are text; a hand-edited list ("a, b") comes back from QSettings as a list.
QString variantToText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

QString sectionName()
{
    return QStringLiteral("SOFTWARE\\%1\\%2").arg(QLatin1String(kOrganizationName), QLatin1String(kApplicationName));
}

QString executableName()
{
    const QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? QStringLiteral("jotlet") : base;
}

bool fail(SettingsError* error, const Problem& problem)
{
    if (error) {
        *error = SettingsError {
            kSettingsErrorNumber, executableName() + QStringLiteral(".cRegistry"), problem.english(), problem};
    }
    return false;
}

bool createSection()
{
#ifdef Q_OS_WIN
    HKEY key = nullptr;
    const QString path = sectionName();
    if (RegCreateKeyExW(HKEY_CURRENT_USER,
                        reinterpret_cast<const wchar_t*>(path.utf16()),
                        0,
                        nullptr,
                        0,
                        KEY_ALL_ACCESS,
                        nullptr,
                        &key,
                        nullptr)
        != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
#else
    if (SettingsStore::sectionExists()) {
        return true;
    }
    QFile file(SettingsStore::location());
    return QDir().mkpath(QFileInfo(file).absolutePath()) && file.open(QIODevice::Append);
#endif
}

} // namespace

bool SettingsStore::sectionExists()
{
#ifdef Q_OS_WIN
    HKEY key = nullptr;
    const QString path = sectionName();
    if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(path.utf16()), 0, KEY_QUERY_VALUE, &key)
        != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
#else
    return QFileInfo(location()).isFile();
#endif
}

QString SettingsStore::location()
{
    return Section().fileName();
}

QString SettingsStore::read(const QString& name, const QString& defaultValue)
{
    if (!sectionExists()) {
        return defaultValue;
    }
    const Section settings;
    const QString text = settings.contains(name) ? variantToText(settings.value(name)) : QString();
    return isExpandableText(text) ? expandEnvironmentReferences(text) : text;
}

bool SettingsStore::write(const QString& name, const QString& value, SettingsError* error)
{
    return write(QList<QPair<QString, QString>> {{name, value}}, error);
}

bool SettingsStore::write(const QList<QPair<QString, QString>>& values, SettingsError* error)
{
    if (!createSection()) {
        return fail(error,
                    Problem(QT_TRANSLATE_NOOP("Problem", "Failed to create registry Key: '%1"), {sectionName()}));
    }
    Section settings;
    for (const auto& [name, value] : values) {
        settings.setValue(name, value.isNull() ? QLatin1String("") : value); // never a null text: empty is stored
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        const auto& [name, value] = values.isEmpty() ? QPair<QString, QString>() : values.first();
        return fail(error,
                    Problem(QT_TRANSLATE_NOOP("Problem",
                                              "Failed to set registry value Key: '2147483649',Section: '%1',Key: "
                                              "'%2' to value: '%3'"),
                            {sectionName(), name, value}));
    }
    return true;
}

bool SettingsStore::remove(const QString& name)
{
    Section settings;
    if (!settings.contains(name)) {
        return false;
    }
    settings.remove(name);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool isExpandableText(const QString& text)
{
    const qsizetype first = text.indexOf(QLatin1Char('%'));
    return first >= 0 && text.indexOf(QLatin1Char('%'), first + 2) >= 0;
}

QString expandEnvironmentReferences(const QString& text)
{
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            break;
        }
        result += text.mid(pos, open - pos);
        const QString name = text.mid(open + 1, close - open - 1);
        const QByteArray variable = name.toLocal8Bit();
        const bool found = !name.isEmpty() && qEnvironmentVariableIsSet(variable.constData());
        // An unknown reference is copied as it stands, both "%" included.
        result += found ? qEnvironmentVariable(variable.constData()) : text.mid(open, close - open + 1);
        pos = close + 1;
    }
    result += text.mid(pos);
    return result;
}

} // namespace jotlet
