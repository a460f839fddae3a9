// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace jotlet {

class NoteText;

struct FeedItem
{
    QString headline;
    QString description;
    QString link;
};

// A feed's channel and its items in document order. RSS 2.0 and 0.9x keep the items in the channel, RSS 1.0 beside
// it; an Atom feed's entries are read the same way (title, link's href, summary; the subtitle as the description).
struct Feed
{
    QString title;
    QString link;
    QString copyright;
    QString pubDate;
    QString lastBuildDate;
    QString description;
    QString imageUrl;
    QList<FeedItem> items;
};

// Reads a feed. Element names match exactly, letter case included. Whether items carry descriptions is decided by
// the first item; an item without a link or title (or description, when the first had one) ends the reading, and
// the items before it are kept. False, with the reason, when the bytes are not a well-formed feed with a channel;
// external entities are never loaded and entity expansion is bounded.
bool parseFeed(const QByteArray& bytes, Feed* feed, QString* error);

// The note's text for a feed: the channel description cut to 64 characters in 12 pt, then each headline in blue bold
// 9 pt and its link in black italic 7 pt with an empty line after it; the caret at the top. At most maxItems
// items are written.
void writeFeedNote(NoteText& text, const Feed& feed, int maxItems);

// What a note shows when no feed could be loaded.
void writeFeedFailure(NoteText& text);

} // namespace jotlet
