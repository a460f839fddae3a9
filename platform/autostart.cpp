// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/autostart.h"

#include "platform/autostartentry.h"
#include "support/errorlog.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace jotlet {

namespace {

const QString kRunValueName = QStringLiteral("Jotlet");

#ifdef Q_OS_WIN
QString runKey()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}
#else
QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/jotlet.desktop");
}
#endif

} // namespace

QString autostartProgramPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

bool registerAutostart()
{
    Problem error;
#ifdef Q_OS_WIN
    QSettings run(runKey(), QSettings::NativeFormat);
    run.setValue(kRunValueName, autostartProgramPath());
    run.sync();
    if (run.status() != QSettings::NoError) {
        error = Problem(QT_TRANSLATE_NOOP("Problem", "Failed to set registry value Key: '%1\\%2'"),
                        {runKey(), kRunValueName});
    }
#else
    const QString path = entryPath();
    Problem written;
    if (!QDir().mkpath(folderPart(path))) {
        error = Problem(QT_TRANSLATE_NOOP("Problem", "Failed to create the autostart folder '%1'"), {folderPart(path)});
    } else if (!writeFileAtomically(
                   path, autostartEntryText(kRunValueName, autostartProgramPath()).toUtf8(), &written)) {
        error = Problem(QT_TRANSLATE_NOOP("Problem", "Failed to write the autostart entry: %1"), {written});
    }
#endif
    if (error.isEmpty()) {
        return true;
    }
    logError(QStringLiteral("modMain: RunAtStartUp"), 26001, error.english());
    return false;
}

void removeAutostart()
{
#ifdef Q_OS_WIN
    QSettings(runKey(), QSettings::NativeFormat).remove(kRunValueName);
#else
    QFile::remove(entryPath());
#endif
}

QString registeredAutostartProgram()
{
#ifdef Q_OS_WIN
    return QSettings(runKey(), QSettings::NativeFormat).value(kRunValueName).toString();
#else
    QFile file(entryPath());
    return file.open(QIODevice::ReadOnly) ? autostartEntryProgram(QString::fromUtf8(file.readAll())) : QString();
#endif
}

} // namespace jotlet
