// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/notepictures.h"

#include "rtf/pictures.h"

#include <QDir>
#include <QFile>
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

bool insertPictureAt(QTextCursor& cursor, const QImage& image, bool photo, int fitWidth, QString* error)
{
    if (image.isNull()) {
        *error = QStringLiteral("the picture could not be read");
        return false;
    }
    const StoredPicture stored = pictureForStorage(image, photo);
    if (stored.data.isEmpty()) {
        *error = QStringLiteral("the picture is larger than %1 MB even at %2 pixels a side")
                     .arg(kMaxPictureBytes / (1024 * 1024))
                     .arg(kMaxPictureSide);
        return false;
    }
    insertPicture(cursor, image, fitted(stored.pictureSize, fitWidth), stored);
    return true;
}

bool isPictureFile(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

bool insertPictureFile(QTextCursor& cursor, const QString& path, int fitWidth, QString* error)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true); // photos stand as they were taken
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 100'000'000) {
        *error = QStringLiteral("'%1' is %2 x %3 pixels, too large a picture")
                     .arg(path)
                     .arg(size.width())
                     .arg(size.height());
        return false;
    }
    const bool photo = reader.format() == "jpeg" || reader.format() == "jpg";
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("'%1' could not be read as a picture: %2").arg(path, reader.errorString());
        return false;
    }
    return insertPictureAt(cursor, image, photo, fitWidth, error);
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
    const QSize shown = size == PictureSize::Full   ? own
                        : size == PictureSize::Half ? QSize(qMax(1, own.width() / 2), qMax(1, own.height() / 2))
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

QString pictureCopy(const QTextDocument& doc, int position, QString* error)
{
    const StoredPicture stored = storedPicture(doc, imageFormatAt(doc, position));
    if (!isDrawablePicture(stored.kind)) {
        *error = QStringLiteral("the picture is not one an image viewer can show");
        return {};
    }
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("jotlet-picture-XXXXXX.")
                                              + QLatin1String(stored.kind == "pngblip" ? "png" : "jpg")));
    file.setAutoRemove(false); // the viewer opens it after this returns; the temporary folder is cleared in time
    if (!file.open() || file.write(stored.data) != stored.data.size() || !file.flush()) {
        *error = file.errorString();
        return {};
    }
    return file.fileName();
}

} // namespace jotlet
