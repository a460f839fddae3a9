// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rtf/pictures.h"
#include "support/problem.h"

#include <QImage>
#include <QString>

class QImage;
class QTextCursor;
class QTextDocument;

namespace jotlet {

// Pictures in a note: put in at the caret, shown at the note's width; sized again from their own menu; opened in
// the desktop's image viewer from a copy.

// A picture made ready to go into a note, on any thread (a worker's: reading, scaling and encoding take their
// time): the image shown and the bytes stored, PNG (JPEG for a photo) no larger than 2,048 px a side; or, in words,
// why it cannot go in.
struct ReadyPicture
{
    QImage image;
    StoredPicture stored;
    Problem refused;
};
ReadyPicture readyPicture(const QImage& image, bool photo);
// From an image file the user chose or dropped (PNG, JPEG, GIF, BMP, WebP, whatever Qt reads): its size read from
// its header first, so that one too large is refused before anything is decoded; a large one decoded straight at
// the size it is stored at.
ReadyPicture readyPictureFile(const QString& path);

// Puts a ready picture at the cursor, shown at most fitWidth pixels wide with its proportions.
void insertReadyPicture(QTextCursor& cursor, const ReadyPicture& picture, int fitWidth);

// The same at once, on this thread: false with the reason in *error when it cannot go in.
bool insertPictureAt(QTextCursor& cursor, const QImage& image, bool photo, int fitWidth, Problem* error);

// Whether the file is an image Qt can read (by its contents, not its name), or is named as one.
bool isPictureFile(const QString& path);

// The position of the picture at this document position (or just before it), or -1.
int pictureAt(const QTextDocument& doc, int position);

enum class PictureSize { FitWidth, Half, Full };
// Shows the picture at position at the note's width, half the size it is shown at, or its own size.
bool resizePicture(QTextDocument* doc, int position, PictureSize size, int fitWidth);

// Writes the picture's bytes to a file of its own in the temporary folder, for an image viewer; its path, or empty
// with the reason in *error.
QString pictureCopy(const QTextDocument& doc, int position, Problem* error);

} // namespace jotlet
