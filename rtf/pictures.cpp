// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/pictures.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace jotlet {

namespace {

constexpr int kStoredResource = QTextDocument::UserResource + 1;
constexpr int kKindProperty = QTextFormat::UserProperty + 40;
constexpr int kPictureWidthProperty = QTextFormat::UserProperty + 41;
constexpr int kPictureHeightProperty = QTextFormat::UserProperty + 42;

// Where the document keeps a picture's bytes: a name of their own beside the image's (a document keeps one resource
// per name, whatever its type).
QUrl bytesName(const QString& name)
{
    return QUrl(name + QStringLiteral("/bytes"));
}

QByteArray encoded(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace

QImage forDisplay(const QImage& image, const QSize& shownSize)
{
    // Drawn from an image twice the size it is shown at (sharp on a high-density screen), not from the full picture:
    // a 2,048 px picture would be scaled down again at every repaint, and hold 16 MB besides.
    const QSize enough = shownSize * 2;
    if (image.width() <= enough.width() && image.height() <= enough.height()) {
        return image;
    }
    return image.scaled(enough, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool isDrawablePicture(const QByteArray& kind)
{
    return kind == "pngblip" || kind == "jpegblip";
}

QImage decodePicture(const StoredPicture& picture)
{
    if (!isDrawablePicture(picture.kind) || picture.data.isEmpty()) {
        return {};
    }
    QByteArray data = picture.data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, picture.kind == "pngblip" ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels) {
        return {};
    }
    return reader.read();
}

StoredPicture pictureForStorage(const QImage& image, bool photo)
{
    QImage scaled = image;
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide) {
        scaled = image.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const bool jpeg = photo && !scaled.hasAlphaChannel();
    // PNG at its default compression: a quality asked of it turns compression down.
    StoredPicture stored {
        jpeg ? "jpegblip" : "pngblip", encoded(scaled, jpeg ? "jpeg" : "png", jpeg ? 90 : -1), scaled.size()};
    if (stored.data.size() > kMaxPictureBytes) {
        stored.data.clear();
    }
    return stored;
}

QImage placeholderPicture(const QSize& size)
{
    QImage box(size.boundedTo(QSize(kMaxShownSide, kMaxShownSide)).expandedTo(QSize(8, 8)), QImage::Format_RGB32);
    box.fill(QColor(224, 224, 224));
    QPainter painter(&box);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(box.rect().adjusted(0, 0, -1, -1));
    painter.drawLine(box.rect().topLeft(), box.rect().bottomRight());
    painter.drawLine(box.rect().topRight(), box.rect().bottomLeft());
    return box;
}

void insertPicture(QTextCursor& cursor, const QImage& shown, const QSize& shownSize, const StoredPicture& stored)
{
    QTextDocument* doc = cursor.document();
    // Named by its bytes and where it went in: each picture put in has a shown image of its own size, and keeps its
    // name when it is copied into another note.
    const QByteArray hash = QCryptographicHash::hash(stored.data, QCryptographicHash::Sha1).toHex().left(20);
    // untranslated: a resource name
    const QString name = QStringLiteral("jotlet-picture:%1-%2").arg(QLatin1String(hash)).arg(doc->characterCount());
    doc->addResource(QTextDocument::ImageResource, QUrl(name), forDisplay(shown, shownSize));
    if (!stored.data.isEmpty()) {
        doc->addResource(kStoredResource, bytesName(name), stored.data);
    }
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shownSize.width());
    format.setHeight(shownSize.height());
    format.setProperty(kKindProperty, stored.kind);
    format.setProperty(kPictureWidthProperty, stored.pictureSize.width());
    format.setProperty(kPictureHeightProperty, stored.pictureSize.height());
    cursor.insertImage(format);
}

void copyPictures(const QTextDocument& from, QTextDocument* to)
{
    for (QTextBlock block = from.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) {
                continue;
            }
            const QUrl name(format.toImageFormat().name());
            to->addResource(QTextDocument::ImageResource, name, from.resource(QTextDocument::ImageResource, name));
            const QUrl bytes = bytesName(name.toString());
            const QVariant stored = from.resource(kStoredResource, bytes);
            if (stored.isValid()) {
                to->addResource(kStoredResource, bytes, stored);
            }
        }
    }
}

PictureResources pictureResources(const QTextDocument& doc, const QString& name)
{
    return {doc.resource(QTextDocument::ImageResource, QUrl(name)), doc.resource(kStoredResource, bytesName(name))};
}

void addPictureResources(QTextDocument* doc, const QString& name, const PictureResources& resources)
{
    if (resources.image.isValid()) {
        doc->addResource(QTextDocument::ImageResource, QUrl(name), resources.image);
    }
    if (resources.bytes.isValid()) {
        doc->addResource(kStoredResource, bytesName(name), resources.bytes);
    }
}

StoredPicture storedPicture(const QTextDocument& doc, const QTextImageFormat& format)
{
    StoredPicture picture;
    picture.data = doc.resource(kStoredResource, bytesName(format.name())).toByteArray();
    if (picture.data.isEmpty()) {
        return {};
    }
    picture.kind = format.property(kKindProperty).toByteArray();
    picture.pictureSize = QSize(format.intProperty(kPictureWidthProperty), format.intProperty(kPictureHeightProperty));
    return picture;
}

} // namespace jotlet
