// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace jotlet {

// The rules of a note window that need no window: titles, counts, start-up sources, sizes and places.

inline constexpr int kMinimumWidthTwips = 500; // also the rolled-up size
inline constexpr int kMinimumHeightTwips = 425;
inline constexpr int kDefaultWidthTwips = 2325;
inline constexpr int kDefaultHeightTwips = 2085;
inline constexpr int kInitialWidthTwips = 6030; // a window's size before the note's own is applied
inline constexpr int kInitialHeightTwips = 4245;

// What the sub-caption shows.
enum CaptionType { TimeDateStamp = 0, WordCount = 1, CharacterCount = 2, NoteFilename = 3 };

// "Jotlet - " and the file-name part of the note's file, with " *" while it has unsaved changes.
QString noteTitle(const QString& tag, bool unsaved);
bool hasUnsavedMark(const QString& title);

// What the user knows a note by: its file's name, else its first words (cut with "…"), else "an empty note".
QString noteDisplayName(const QString& filePath, const QString& plainText);

// The number of words: pieces of text between white space (blanks, tabs, line breaks) that hold a letter or a
// digit ("don't" is one word, a lone "-" none).
qint32 countWords(const QString& plainText);

// The character count shown for a note; clipboard notes (kinds 5 and 6) do not count their 19-character heading.
int shownCharacterCount(int length, int specialType);

// The sub-caption for a caption type.
QString subCaptionText(int captionType, const QString& timeDate, qint32 words, int characters, const QString& tag);

// The icon's tooltip of a rolled-up note: the first 35 characters of its text on one line.
QString rollUpTooltip(const QString& text);

// A window place moved into the nearest available screen area when no part of it is on any screen;
// a window at least partly visible stays where it is.
QPoint keepOnScreen(const QRect& window, const QList<QRect>& availableAreas);

// Where a window of this size goes beside another (twips): to its right, else its left, below or above, the first
// place that is wholly in the area and covers nothing of it; where none is, the place in the area that covers
// least of it.
QPoint placeBeside(const QRect& other, const QSize& size, const QRect& area, int gap = 150);

// Where a new window goes so that it covers no other exactly (twips): where it wants to be when no other window's
// top-left corner is there (within a few pixels), else a step down and right from it, again and again, starting
// over at the area's top-left, a step further right each time, where the steps leave the area.
QPoint cascadePlace(const QRect& wanted, const QList<QPoint>& taken, const QRect& area, int step = 300);

// The window's size after the layout pass's limits.
QSize limitedSize(const QSize& twips);

// A width or height from a file, kept between the minimum and what the desktop can show (twips).
qint32 sizeWithinDesktop(qint32 twips, qint32 minimumTwips, qint32 desktopTwips);

} // namespace jotlet
