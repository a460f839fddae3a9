#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

namespace jotlet {

class Note;
class NoteText;

// The kinds of special note: a note whose text the program writes and keeps up to date. The numbers are the
// record's SpecialType.
enum class SpecialKind : int {
    None = 0,
    Time = 1,
    Memory = 2,
    Drives = 3,
    RssFeed = 4,
    ClipboardViewer = 5,
    ClipboardLog = 6,
    StockQuote = 7,
    Reminder = 8,
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
    virtual bool show(Note& note, QString* error) = 0;
    // The note came back at start, before its first refresh: make up for what was missed while the program was
    // not running.
    virtual void catchUp() { }
};

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
