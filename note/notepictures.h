// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QImage;
class QTextCursor;
class QTextDocument;

namespace jotlet {

// Pictures in a note: put in at the caret, shown at the note's width; sized again from their own menu; opened in
// the desktop's image viewer from a copy.

// Puts the image at the cursor, stored as PNG (JPEG for a photo) no larger than 2,048 px a side, shown at most
// fitWidth pixels wide with its proportions. False with the reason in *error when even so it is too big to store.
bool insertPictureAt(QTextCursor& cursor, const QImage& image, bool photo, int fitWidth, QString* error);

// Reads an image file the user chose or dropped (PNG, JPEG, GIF, BMP, WebP, whatever Qt reads) and puts it in.
bool insertPictureFile(QTextCursor& cursor, const QString& path, int fitWidth, QString* error);

// Whether the file is an image Qt can read (by its contents, not its name).
bool isPictureFile(const QString& path);

// The position of the picture at this document position (or just before it), or -1.
int pictureAt(const QTextDocument& doc, int position);

enum class PictureSize { FitWidth, Half, Full };
// Shows the picture at position at the note's width, half its own size, or its own size.
bool resizePicture(QTextDocument* doc, int position, PictureSize size, int fitWidth);

// Writes the picture's bytes to a file of its own in the temporary folder, for an image viewer; its path, or empty
// with the reason in *error.
QString pictureCopy(const QTextDocument& doc, int position, QString* error);

} // namespace jotlet
