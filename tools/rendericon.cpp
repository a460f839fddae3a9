// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon to a square picture of the given size: a PNG for the icon theme, or, for a name
// ending in .rgba, the bare pixels (premultiplied RGBA, one byte each, row after row) that the program reads into its
// window icon without an image reader.
// Usage: rendericon <icon.svg> <size> <out.png|out.rgba>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: rendericon <icon.svg> <size> <out.png|out.rgba>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = QByteArray(argv[2]).toInt();
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (!image.isNull() && out.endsWith(QLatin1String(".rgba"))) {
        const QImage pixels = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        QFile file(out);
        const qsizetype bytes = qsizetype(pixels.sizeInBytes());
        if (pixels.bytesPerLine() == size * 4 && file.open(QIODevice::WriteOnly)
            && file.write(reinterpret_cast<const char*>(pixels.constBits()), bytes) == bytes) {
            return 0;
        }
        std::fprintf(stderr, "rendericon: cannot write %s\n", argv[3]);
        return 1;
    }
    if (image.isNull() || !image.save(out)) {
        std::fprintf(stderr, "rendericon: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
