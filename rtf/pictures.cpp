// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/pictures.h"

#include "support/handover.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPointer>
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

// Decodes a picture whose header was read before, at most at the given size (a JPEG decodes straight to it).
QImage decodeAtMost(const StoredPicture& picture, const QSize& most)
{
    const QSize own = drawablePictureSize(picture);
    if (!own.isValid()) {
        return {};
    }
    QByteArray data = picture.data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, picture.kind == "pngblip" ? "png" : "jpeg");
    if (most.isValid() && (own.width() > most.width() || own.height() > most.height())) {
        reader.setScaledSize(own.scaled(most, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    }
    return reader.read();
}

// Pictures with more pixels than this are decoded on a worker thread; smaller ones as they are first drawn.
constexpr qint64 kDecodeAtOncePixels = 1024 * 1024;
// untranslated: a name inside images, never shown
constexpr char kDecodingKey[] = "jotlet-decoding";

// What the document keeps of a picture it has not decoded: its kind and the size it is shown at.
QUrl undecodedName(const QString& name)
{
    return QUrl(name + QStringLiteral("/undecoded"));
}

bool isPictureName(const QString& name)
{
    return name.startsWith(QLatin1String("jotlet-picture:")) && !name.endsWith(QLatin1String("/bytes"))
           && !name.endsWith(QLatin1String("/undecoded"));
}

// A faint box of the picture's size, shown while it is decoded.
QImage decodingBox(const QSize& size)
{
    QImage box(size.boundedTo(QSize(kMaxShownSide, kMaxShownSide)).expandedTo(QSize(1, 1)),
               QImage::Format_ARGB32_Premultiplied);
    box.fill(QColor(0, 0, 0, 16));
    box.setText(QLatin1String(kDecodingKey), QStringLiteral("1"));
    return box;
}

StoredPicture undecodedPicture(const QTextDocument& doc, const QString& name, QSize* shown)
{
    const QVariantList info = doc.resource(kStoredResource, undecodedName(name)).toList();
    if (info.size() != 2) {
        return {};
    }
    *shown = info.at(1).toSize();
    return {info.at(0).toByteArray(), doc.resource(kStoredResource, bytesName(name)).toByteArray(), QSize()};
}

QImage decodedForShowing(const StoredPicture& stored, const QSize& shown)
{
    const QImage image = decodeAtMost(stored, shown * 2);
    return image.isNull() ? placeholderPicture(shown) : image;
}

// Decodes the picture on a worker thread and gives it to the document, which then draws it again.
void decodeOnWorker(QTextDocument* doc, const QUrl& name, const StoredPicture& stored, const QSize& shown)
{
    auto* watcher = new QFutureWatcher<QImage>(doc); // gone with the document, whose picture is then not wanted
    QObject::connect(watcher, &QFutureWatcher<QImage>::finished, doc, [doc, watcher, name] {
        doc->addResource(QTextDocument::ImageResource, name, resultOf(*watcher));
        doc->addResource(kStoredResource, undecodedName(name.toString()), QVariantList());
        emit doc->documentLayout()->update();
        watcher->deleteLater();
    });
    runInPool(*watcher, [stored, shown] { return decodedForShowing(stored, shown); });
}

// The document's way to the images of pictures it holds undecoded, asked for the first time one is drawn.
void decodeWhenDrawn(QTextDocument* doc)
{
    if (doc->resourceProvider()) {
        return;
    }
    QPointer<QTextDocument> self(doc);
    doc->setResourceProvider([self](const QUrl& url) -> QVariant {
        const QString name = url.toString();
        if (!self || !isPictureName(name)) {
            return {};
        }
        QSize shown;
        const StoredPicture stored = undecodedPicture(*self, name, &shown);
        const QSize own = drawablePictureSize(stored);
        if (!own.isValid()) {
            return stored.kind.isEmpty() ? QVariant() : QVariant(placeholderPicture(shown));
        }
        if (qint64(own.width()) * own.height() > kDecodeAtOncePixels && QCoreApplication::instance()) {
            decodeOnWorker(self, url, stored, shown);
            return decodingBox(shown);
        }
        return decodedForShowing(stored, shown);
    });
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

QSize drawablePictureSize(const StoredPicture& picture)
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
    return size;
}

QImage decodePicture(const StoredPicture& picture)
{
    return decodeAtMost(picture, QSize());
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

namespace {

// Adds the picture's stored bytes and its format at the cursor; returns its name.
QString addPicture(QTextCursor& cursor, const QSize& shownSize, const StoredPicture& stored)
{
    QTextDocument* doc = cursor.document();
    // Named by its bytes and where it went in: each picture put in has a shown image of its own size, and keeps its
    // name when it is copied into another note.
    const QByteArray hash = QCryptographicHash::hash(stored.data, QCryptographicHash::Sha1).toHex().left(20);
    // untranslated: a resource name
    const QString name = QStringLiteral("jotlet-picture:%1-%2").arg(QLatin1String(hash)).arg(doc->characterCount());
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
    return name;
}

} // namespace

void insertPicture(QTextCursor& cursor, const QImage& shown, const QSize& shownSize, const StoredPicture& stored)
{
    const QString name = addPicture(cursor, shownSize, stored);
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), forDisplay(shown, shownSize));
}

void insertPictureUndecoded(QTextCursor& cursor, const QSize& shownSize, const StoredPicture& stored)
{
    QTextDocument* doc = cursor.document();
    const QString name = addPicture(cursor, shownSize, stored);
    doc->addResource(kStoredResource, undecodedName(name), QVariantList {stored.kind, shownSize});
    decodeWhenDrawn(doc);
}

void copyPictures(const QTextDocument& from, QTextDocument* to)
{
    for (QTextBlock block = from.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const QString name = format.toImageFormat().name();
                addPictureResources(to, name, pictureResources(from, name));
            }
        }
    }
}

void decodePicturesNow(QTextDocument* doc)
{
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QSize shown;
            const QString name = format.isImageFormat() ? format.toImageFormat().name() : QString();
            const StoredPicture stored = name.isEmpty() ? StoredPicture() : undecodedPicture(*doc, name, &shown);
            if (!stored.kind.isEmpty()) {
                doc->addResource(QTextDocument::ImageResource, QUrl(name), decodedForShowing(stored, shown));
                doc->addResource(kStoredResource, undecodedName(name), QVariantList());
            }
        }
    }
}

PictureResources pictureResources(const QTextDocument& doc, const QString& name)
{
    // One not decoded yet goes as it is, to be decoded where it is drawn.
    const QVariant undecoded = doc.resource(kStoredResource, undecodedName(name));
    const QVariant bytes = doc.resource(kStoredResource, bytesName(name));
    if (undecoded.toList().size() == 2) {
        return {QVariant(), bytes, undecoded};
    }
    return {doc.resource(QTextDocument::ImageResource, QUrl(name)), bytes, QVariant()};
}

void addPictureResources(QTextDocument* doc, const QString& name, const PictureResources& resources)
{
    if (resources.image.isValid()) {
        doc->addResource(QTextDocument::ImageResource, QUrl(name), resources.image);
    }
    if (resources.bytes.isValid()) {
        doc->addResource(kStoredResource, bytesName(name), resources.bytes);
    }
    if (resources.undecoded.isValid()) {
        doc->addResource(kStoredResource, undecodedName(name), resources.undecoded);
        decodeWhenDrawn(doc);
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
