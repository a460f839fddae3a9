// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/desktopopener.h"

#include <QString>

class QObject;
class QUrl;

namespace jotlet {

// Hands a document or address to the desktop: an address with a scheme ("https:", "mailto:") as it is, anything
// else as a local file, relative to folder when folder is given. False when there is nothing to open; when the
// desktop has no program for it, failed hears why (possibly a moment later).
bool openWithDesktop(const QString& file,
                     const QString& folder = QString(),
                     const DesktopOpener::Failed& failed = DesktopOpener::Failed());

// What the user and the log are told when the desktop cannot open something: the box's title, a sentence with %1
// for the reason, the log location, and whether the box names what was to be opened.
struct OpenFailureText
{
    QString title;
    QString sentence;
    QString location;
    bool showTarget = false;
};

// Opens a file or address with the desktop; when the desktop cannot, the reason is logged and told in a box that
// belongs to owner.
void openForUser(const QString& target, QObject* owner, const OpenFailureText& text);

// The URL openWithDesktop hands to the desktop for a file or address.
QUrl desktopUrlFor(const QString& file, const QString& folder = QString());

} // namespace jotlet
