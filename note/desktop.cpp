// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/desktop.h"

#include "note/dialogresponder.h"
#include "support/errorlog.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QUrl>

namespace jotlet {

QUrl desktopUrlFor(const QString& file, const QString& folder)
{
    // Two or more letters before the colon make a scheme; one letter is a drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(file).hasMatch()) {
        return QUrl(file, QUrl::TolerantMode);
    }
    QString path = file;
    if (!QFileInfo::exists(path) && path.contains(QLatin1Char('\\'))) {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    if (QFileInfo(path).isRelative() && !folder.isEmpty()) {
        path = QDir(QString(folder).replace(QLatin1Char('\\'), QLatin1Char('/'))).filePath(path);
    }
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

bool openWithDesktop(const QString& file, const QString& folder, const DesktopOpener::Failed& failed)
{
    if (file.isEmpty()) {
        return false;
    }
    const QUrl url = desktopUrlFor(file, folder);
    // An address goes exactly as it was written (a mail address's encoding matters to the mail program).
    const QString target = url.isLocalFile() ? url.toString(QUrl::FullyEncoded) : file;
    desktopOpener().open(
        target, failed ? failed : [](const Problem&) {});
    return true;
}

void openForUser(const QString& target, QObject* owner, const OpenFailureText& text)
{
    const QPointer<QObject> guardedOwner(owner);
    openWithDesktop(target, QString(), [guardedOwner, target, text](const Problem& reason) {
        constexpr long kNoAssociation = 31; // as the Windows shell numbers "no program for it"
        logError(text.location,
                 kNoAssociation,
                 QStringLiteral("'%1' could not be opened: %2").arg(target, reason.english()));
        const QString shown = text.showTarget ? QStringLiteral("\n\n") + target : QString();
        dialogResponder().warning(guardedOwner.data(), text.title, text.sentence.arg(reason.text()) + shown);
    });
}

} // namespace jotlet
