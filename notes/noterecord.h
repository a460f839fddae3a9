// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace jotlet {

// The state of one note. Each note window keeps one; the note file reader returns a list of them and the
// writers take one by value. Only color, data, timeDate, height, width, left and top travel through files.
struct NoteRecord
{
    qint32 alpha = 0;       // 0 (invisible) to 255 (opaque)
    bool autoSave = false;  // save a note that has a file without asking when it closes
    qint32 captionType = 0; // sub-caption: 0 time stamp, 1 words, 2 characters, 3 file name
    QString color;          // a colour name ("yellow") or a 0x00BBGGRR value in decimal
    qint32 foreColor = 0;   // 0x00BBGGRR
    qint32 fontSize = 0;    // points
    QString data;           // rich text (RTF)
    QString fileName;       // full path of the note's file; set by the reader, never stored
    qint32 specialType = 0; // kind of special note, 0 for an ordinary note
    bool isOnTop = false;
    qint32 height = 0; // twips
    qint32 width = 0;
    qint32 left = 0; // screen coordinates
    qint32 top = 0;
    QString feedUrl;
    QString reminder; // read from files, never written
    // When a reminder note last went off (UTC, ISO 8601): with the reminder, so that it does not go off again for
    // the same time after a restart.
    QString reminderLast;
    // A reminder with a date and a repeat (written beside REMINDER, which older readers keep as a daily time): the
    // first time in UTC (REMINDERAT), the time zone it was chosen in (REMINDERZONE), how it repeats
    // (REMINDERREPEAT), and until when it is snoozed, in UTC (REMINDERSNOOZE).
    QString reminderAt;
    QString reminderZone;
    QString reminderRepeat;
    QString reminderSnooze;
    bool saveNewNoteOnClose = false;
    QString stockSymbol;
    QString timeDate; // the time stamp shown in the sub-caption
    // "Dark" or "Light" when the user chose the note's look; "" follows the program's setting. Written as LOOK only
    // when set, which readers that do not know it pass over.
    QString look;
    // Only in the program's own session files (the main note file, the recovery journal): the note is a special
    // note, and specialType with its parameter (reminder, feedUrl, stockSymbol) is kept, so it comes back as one.
    bool keepsSpecial = false;

    // What only the program's own session files keep (the recovery journal), so that a note comes back as it was.
    struct Session
    {
        bool present = false; // read from, or to be written to, a session file
        QString file;         // the file the note belongs to
        bool unsaved = false;
        bool onTop = true;
        qint32 alpha = 255;
    } session;

    // What a note in the notes folder carries (all empty elsewhere): its identity, the same on every computer and
    // in every conflict copy of its file (a UUID without braces), when its content last changed (UTC, ISO 8601) and
    // the computer that changed it, and the versions of the file it was made from (newest first), by which two
    // computers find the version both changed.
    struct Identity
    {
        QString id;
        QString modified;
        QString device;
        QStringList parents;
    } identity;

    // What only the trash keeps: when the note went there (UTC, ISO 8601) and the file it came from ("" for a note
    // that had none).
    struct Trashed
    {
        bool present = false;
        QString when;
        QString from;
    } trashed;
};

using NoteList = QList<NoteRecord>;

} // namespace jotlet
