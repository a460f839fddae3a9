// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/specialnote.h"
#include "special/reminderrule.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

namespace jotlet {

class NoteText;

// What a kind of special note sees of its note: the text it writes, the parameter the user chose for it (the
// reminder time, the feed's address, the stock symbol), and the one thing it asks of the note: the reminder goes
// off.
class SpecialTarget
{
public:
    virtual ~SpecialTarget() = default;
    virtual NoteText& text() = 0;
    virtual QString parameter() const = 0;
    // The reminder's rule and the end of its snooze (a reminder note's).
    virtual ReminderRule reminderRule() const { return {}; }
    virtual QDateTime snoozedUntil() const { return {}; }
    // The reminder goes off; missedAt is when it was due, when that was a while ago (the program was not running,
    // the computer slept).
    virtual void remind(const QDateTime& missedAt = {}) = 0;
};

// Writes the content of one kind of special note, on choosing the kind and on every refresh. One lives with each
// special note while it is that kind; a kind that needs more (a clipboard to follow, a network reply to wait for)
// keeps it here.
class SpecialContent
{
public:
    virtual ~SpecialContent() = default;
    // Writes the note's text. False, with the reason in *error, when it could not: the note's refresh then stops
    // until the user chooses a kind again.
    virtual bool show(SpecialTarget& note, QString* error) = 0;
    // The note came back at start, before its first refresh: make up for what was missed while the program was
    // not running (a reminder: unless it went off at lastWent, in the run before).
    virtual void catchUp(const QDateTime& lastWent) { Q_UNUSED(lastWent) }
    // The wait (wall-clock ms) until the content must be written again, for a kind that knows it (a reminder: when
    // it next goes off); -1 for the kind's interval, kNoRefresh when nothing is due any more.
    virtual qint64 msUntilNextRefresh(const QDateTime& now) const
    {
        Q_UNUSED(now)
        return -1;
    }
};

inline constexpr qint64 kNoRefresh = -2;

// Makes the content writer of a kind; nullptr for a kind there is none for (yet).
using SpecialContentFactory = std::function<std::unique_ptr<SpecialContent>(SpecialKind)>;

// How often a kind is written again (ms), 0 for never. 65,535 ms is the refresh of every network and
// system-information kind; a feed note without an address does not refresh.
int refreshInterval(SpecialKind kind, bool hasFeedAddress = true);

// The wait until the next refresh at a moment: the time note ticks on the second boundary of the wall clock, so
// that every time note changes together; the other kinds wait their interval.
int nextRefreshDelay(SpecialKind kind, const QDateTime& now, bool hasFeedAddress = true);

// What special notes write: a line break as rich-edit controls separate paragraphs, and the blue of headings and
// headlines (0x00BBGGRR).
inline const QString kCrLf = QStringLiteral("\r\n");
inline constexpr quint32 kSpecialBlue = 0xFF0000;

// Replaces the whole text with one heading: bold, 10 pt, blue; then bold is off and 10 pt blue stays the format of
// what is written next.
void writeSpecialHeading(NoteText& text, const QString& heading);

// Writes one labelled line at the caret: black; the label (when there is one) and ": " in bold 8 pt, then the value
// in regular 10 pt and a line break.
void appendLabelledLine(NoteText& text, const QString& value, const QString& label);

} // namespace jotlet
