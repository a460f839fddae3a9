// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace jotlet {

// A note KNotes wrote as a MIME message: its title (Subject), the main text part and whether that is HTML, and
// the time in its Date header.
struct MimeNote
{
    QString subject;
    QString text;
    bool html = false;
    QDateTime date;
};

// The message's note; false for anything that is not a note KNotes wrote (no Subject, no X-Akonotes-UID, no text
// part). Read with GMime, in the module "jotlet-mime" (support/modules.h) under the name below.
using ParseMimeNote = bool (*)(const QByteArray& bytes, MimeNote* note);
inline constexpr char kParseMimeNote[] = "jotletParseMimeNote";

} // namespace jotlet
