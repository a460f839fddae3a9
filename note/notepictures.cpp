// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/notepictures.h"

#include "rtf/pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace jotlet {

namespace {

QSize scaledToWidth(const QSize& size, int width)
{
    return QSize(width, qMax(1, qRound(size.height() * double(width) / size.width())));
}

// As wide as the note at most; a smaller picture keeps its size.
QSize fitted(const QSize& size, int fitWidth)
{
    return size.width() <= fitWidth || fitWidth <= 0 ? size : scaledToWidth(size, fitWidth);
}

QTextImageFormat imageFormatAt(const QTextDocument& doc, int position)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&doc));
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    return cursor.charFormat().toImageFormat();
}

} // namespace

ReadyPicture readyPicture(const QImage& image, bool photo)
{
    ReadyPicture ready;
    if (image.isNull()) {
        ready.refused = Problem(QT_TRANSLATE_NOOP("Problem", "the picture could not be read"));
        return ready;
    }
    ready.stored = pictureForStorage(image, photo);
    if (ready.stored.data.isEmpty()) {
        ready.refused
            = Problem(QT_TRANSLATE_NOOP("Problem", "the picture is larger than %1 MB even at %2 pixels a side"),
                      {kMaxPictureBytes / (1024 * 1024), kMaxPictureSide});
        return ready;
    }
    ready.image = image.size() == ready.stored.pictureSize
                      ? image
                      : image.scaled(ready.stored.pictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return ready;
}

ReadyPicture readyPictureFile(const QString& path)
{
    ReadyPicture ready;
    const QString name = QFileInfo(path).fileName();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true); // photos stand as they were taken
    reader.setAllocationLimit(0);  // the size is read from the header and judged here, before anything is decoded
    if (!reader.canRead()) {
        ready.refused = Problem(
            QT_TRANSLATE_NOOP("Problem", "'%1' is not a picture Jotlet can read (PNG, JPEG, GIF, BMP or WebP)"),
            {name});
        return ready;
    }
    const QSize size = reader.size();
    if (!size.isValid()) {
        ready.refused
            = Problem(QT_TRANSLATE_NOOP("Problem", "the size of '%1' cannot be read: the file is damaged"), {name});
        return ready;
    }
    if (qint64(size.width()) * size.height() > kMaxPicturePixels) {
        ready.refused = Problem(
            QT_TRANSLATE_NOOP("Problem", "'%1' is %2 x %3 pixels; a picture of up to %4 million pixels can go in"),
            {name, size.width(), size.height(), kMaxPicturePixels / 1'000'000});
        return ready;
    }
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
        reader.setScaledSize(size.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio));
    }
    const bool photo = reader.format() == "jpeg" || reader.format() == "jpg";
    const QImage image = reader.read();
    if (image.isNull()) {
        ready.refused = Problem(QT_TRANSLATE_NOOP("Problem", "'%1' could not be read as a picture (%2)"),
                                {name, reader.errorString()});
        return ready;
    }
    return readyPicture(image, photo);
}

void insertReadyPicture(QTextCursor& cursor, const ReadyPicture& picture, int fitWidth)
{
    insertPicture(cursor, picture.image, fitted(picture.stored.pictureSize, fitWidth), picture.stored);
}

bool insertPictureAt(QTextCursor& cursor, const QImage& image, bool photo, int fitWidth, Problem* error)
{
    const ReadyPicture ready = readyPicture(image, photo);
    if (!ready.refused.isEmpty()) {
        *error = ready.refused;
        return false;
    }
    insertReadyPicture(cursor, ready, fitWidth);
    return true;
}

bool isPictureFile(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    static const QStringList kNamed = {QStringLiteral("png"),
                                       QStringLiteral("jpg"),
                                       QStringLiteral("jpeg"),
                                       QStringLiteral("gif"),
                                       QStringLiteral("bmp"),
                                       QStringLiteral("webp")};
    return reader.canRead() || kNamed.contains(QFileInfo(path).suffix().toLower());
}

int pictureAt(const QTextDocument& doc, int position)
{
    for (const int at : {position, position - 1}) {
        if (at >= 0 && at < doc.characterCount() - 1 && imageFormatAt(doc, at).isValid()) {
            return at;
        }
    }
    return -1;
}

bool resizePicture(QTextDocument* doc, int position, PictureSize size, int fitWidth)
{
    QTextImageFormat format = imageFormatAt(*doc, position);
    const StoredPicture stored = storedPicture(*doc, format);
    const QImage image = decodePicture(stored);
    if (!format.isValid() || image.isNull()) {
        return false;
    }
    const QSize own = image.size();
    // Half of what the note shows now (a photo fitted to the note gets smaller, not larger).
    const QSize now
        = format.width() > 0 && format.height() > 0 ? QSize(qRound(format.width()), qRound(format.height())) : own;
    const QSize shown = size == PictureSize::Full   ? own
                        : size == PictureSize::Half ? QSize(qMax(1, now.width() / 2), qMax(1, now.height() / 2))
                                                    : scaledToWidth(own, fitWidth);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    doc->addResource(QTextDocument::ImageResource, QUrl(format.name()), forDisplay(image, shown));
    QTextCursor cursor(doc);
    cursor.setPosition(position);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
    return true;
}

QString pictureCopy(const QTextDocument& doc, int position, Problem* error)
{
    const StoredPicture stored = storedPicture(doc, imageFormatAt(doc, position));
    if (!isDrawablePicture(stored.kind)) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "the picture is not one an image viewer can show"));
        return {};
    }
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("jotlet-picture-XXXXXX.")
                                              + QLatin1String(stored.kind == "pngblip" ? "png" : "jpg")));
    file.setAutoRemove(false); // the viewer opens it after this returns; the temporary folder is cleared in time
    if (!file.open() || file.write(stored.data) != stored.data.size() || !file.flush()) {
        *error = Problem::of(file.errorString());
        return {};
    }
    return file.fileName();
}

} // namespace jotlet
