// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVariant>

class QTextCursor;
class QTextDocument;
class QTextImageFormat;

namespace jotlet {

// A picture in a note as RTF keeps it: the blip's kind ("pngblip", "jpegblip", "wmetafile8", "emfblip", ...), its
// bytes exactly as they were read or encoded, and its size in the picture's own units (\picw, \pich).
struct StoredPicture
{
    QByteArray kind;
    QByteArray data;
    QSize pictureSize;
};

// Limits on pictures: larger ones are scaled down before they are stored, and a stored picture may be this big.
inline constexpr int kMaxPictureSide = 2048;
inline constexpr qsizetype kMaxPictureBytes = 8 * 1024 * 1024;
// Pictures are decoded only up to this many pixels (a 2,048 px square is 4 million); larger ones are refused from
// their header, before anything of them is decoded.
inline constexpr qint64 kMaxPicturePixels = 40'000'000;
// A picture is never shown larger than this on a side, whatever size a file declares for it.
inline constexpr int kMaxShownSide = 4096;

// Whether the kind is one the note can draw (PNG, JPEG).
bool isDrawablePicture(const QByteArray& kind);

// The size of a stored PNG or JPEG from its header alone: invalid when it is not one or declares more pixels than any
// note picture has.
QSize drawablePictureSize(const StoredPicture& picture);

// Decodes a stored PNG or JPEG, refusing (a null image) what is not one or declares more pixels than any note
// picture has, before decoding it.
QImage decodePicture(const StoredPicture& picture);

// A picture ready to store from an image the user pasted, dropped or chose: scaled down to kMaxPictureSide, as
// JPEG when it is a photo (opaque and from a JPEG file) and PNG otherwise. Empty data when even then it is larger
// than kMaxPictureBytes.
StoredPicture pictureForStorage(const QImage& image, bool photo);

// A grey box standing for a picture the note cannot draw (a Windows metafile, a broken picture), at its size.
QImage placeholderPicture(const QSize& size);

// The image the document draws for a picture shown at this size: scaled down to what the screen can show of it.
QImage forDisplay(const QImage& image, const QSize& shownSize);

// Puts the picture at the cursor, shown at the given size in pixels: the document keeps the shown image and the
// stored bytes as resources, so the writer gives back the bytes it was given.
void insertPicture(QTextCursor& cursor, const QImage& shown, const QSize& shownSize, const StoredPicture& stored);

// Puts a PNG or JPEG at the cursor without decoding it: the document decodes it when it is first drawn, at twice the
// size it is shown (sharp on a high-density screen). A large one is decoded on a worker thread, a plain box of its
// size showing meanwhile; one that turns out broken shows as a placeholderPicture. A note that is never drawn
// (rolled up, hidden) decodes nothing.
void insertPictureUndecoded(QTextCursor& cursor, const QSize& shownSize, const StoredPicture& stored);

// Gives the pictures of one document to another (whose content came from it: a fragment, a paste).
void copyPictures(const QTextDocument& from, QTextDocument* to);

// Decodes every picture of the document still to be decoded, now (for printing, which draws at once).
void decodePicturesNow(QTextDocument* doc);

// What a document keeps for a picture (the image it draws, or what it needs to decode it when drawn, and the stored
// bytes), to give it to another document.
struct PictureResources
{
    QVariant image;
    QVariant bytes;
    QVariant undecoded;
};
PictureResources pictureResources(const QTextDocument& doc, const QString& name);
void addPictureResources(QTextDocument* doc, const QString& name, const PictureResources& resources);

// The stored bytes of a picture in the document; kind is empty for none.
StoredPicture storedPicture(const QTextDocument& doc, const QTextImageFormat& format);

} // namespace jotlet
