// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/appinfo.h"

#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

namespace jotlet {

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2.0.%3").arg(major).arg(minor).arg(revision);
}

QString programVersion()
{
    return versionText(JOTLET_VERSION_MAJOR, JOTLET_VERSION_MINOR, JOTLET_VERSION_REVISION);
}

void applyApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(programVersion());
}

static QString defaultDataFolder()
{
    // AppDataLocation depends on the names set on the application object; build the same path
    // from the generic location so that the folder does not move when they are not set yet.
    if (QCoreApplication::organizationName() == QLatin1String(kOrganizationName)
        && QCoreApplication::applicationName() == QLatin1String(kApplicationName)) {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base + QLatin1Char('/') + QLatin1String(kOrganizationName) + QLatin1Char('/')
           + QLatin1String(kApplicationName);
}

QString dataFolder()
{
    QString folder = qEnvironmentVariable("JOTLET_HOME");
    if (folder.isEmpty()) {
        folder = defaultDataFolder();
    }
    folder = QDir::cleanPath(folder);
    QDir().mkpath(folder);
    return folder;
}

QString dataFilePath(const QString& fileName)
{
    return dataFolder() + QLatin1Char('/') + fileName;
}

QString mainNoteFilePath()
{
    return dataFilePath(QStringLiteral("jotlet.dat"));
}

QString recoveryJournalPath()
{
    return dataFilePath(QStringLiteral("recovery.dat"));
}

} // namespace jotlet
