// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and checklists in note RTF: written and read back unchanged (the blip bytes, the shown size, the boxes),
// read from files other programs wrote, and hostile pictures read over without losing the text around them.
#include "rtf/pictures.h"
#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QTextList>

using namespace jotlet;

namespace {

struct Picture
{
    StoredPicture stored;
    QSize shown;
};

QList<Picture> picturesOf(const QTextDocument& doc)
{
    QList<Picture> pictures;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const QTextImageFormat image = format.toImageFormat();
                pictures << Picture {storedPicture(doc, image), QSize(qRound(image.width()), qRound(image.height()))};
            }
        }
    }
    return pictures;
}

QByteArray encodedImage(const char* format)
{
    QImage image(48, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(4, 4, 20, 12, Qt::red);
    painter.fillRect(24, 16, 20, 12, Qt::blue);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray pictureRtf(const QByteArray& kind, const QByteArray& bytes, int shownWidth, int shownHeight)
{
    return "{\\rtf1\\ansi before {\\pict\\" + kind + "\\picwgoal" + QByteArray::number(shownWidth * 15) + "\\pichgoal"
           + QByteArray::number(shownHeight * 15) + " " + bytes.toHex() + "} after\\par}";
}

QImage shownImage(const QTextDocument& doc)
{
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isImageFormat()) {
            const QUrl name(it.fragment().charFormat().toImageFormat().name());
            return doc.resource(QTextDocument::ImageResource, name).value<QImage>();
        }
    }
    return {};
}

QByteArray fileBytes(const QString& name)
{
    QFile file(QStringLiteral(JOTLET_TEST_DATA_DIR "/rtf-pictures/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRtfPictures : public QObject
{
    Q_OBJECT

private slots:
    void pictureRoundTrip_data();
    void pictureRoundTrip();
    void checklistRoundTrip();
    void otherBulletsStayBullets();
    void filesOfOtherPrograms_data();
    void filesOfOtherPrograms();
    void hostilePictures_data();
    void hostilePictures();
    void storageScalesAndRefuses();
    void picturesAreDecodedWhenDrawn_data();
    void picturesAreDecodedWhenDrawn();
};

void TestRtfPictures::pictureRoundTrip_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("PNG") << QByteArray("pngblip") << encodedImage("png");
    QTest::newRow("JPEG") << QByteArray("jpegblip") << encodedImage("jpeg");
}

void TestRtfPictures::pictureRoundTrip()
{
    QFETCH(QByteArray, kind);
    QFETCH(QByteArray, bytes);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("before "));
    const StoredPicture stored {kind, bytes, QSize(48, 32)};
    insertPicture(cursor, decodePicture(stored), QSize(96, 64), stored);
    cursor.insertText(QStringLiteral(" after"));
    const QByteArray rtf = writeRtf(doc);
    QVERIFY(rtf.contains("{\\pict\\" + kind + "\\picw48\\pich32\\picwgoal1440\\pichgoal960"));

    QTextDocument back;
    QVERIFY(readRtf(rtf, &back));
    const QList<Picture> pictures = picturesOf(back);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first().stored.kind, kind);
    QCOMPARE(pictures.first().stored.data, bytes); // byte for byte
    QCOMPARE(pictures.first().shown, QSize(96, 64));
    QCOMPARE(rtfToPlainText(rtf), QStringLiteral("before  after"));
    QCOMPARE(writeRtf(back), rtf);
}

void TestRtfPictures::checklistRoundTrip()
{
    // Three items, the second ticked, in a bulleted list whose bullets are boxes.
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("Shopping"));
    const char* items[] = {"milk", "bread", "eggs"};
    QTextList* list = nullptr;
    for (int i = 0; i < 3; ++i) {
        QTextBlockFormat item;
        item.setMarker(i == 1 ? QTextBlockFormat::MarkerType::Checked : QTextBlockFormat::MarkerType::Unchecked);
        cursor.insertBlock(item);
        cursor.insertText(QLatin1String(items[i]));
        if (list) {
            list->add(cursor.block());
        } else {
            list = cursor.createList(QTextListFormat::ListDisc);
        }
    }
    const QByteArray rtf = writeRtf(doc);
    // What a word processor shows: the boxes as list bullets, and as text before each item for older readers.
    QVERIFY2(rtf.contains("{\\pntext\\f0\\u9744?\\tab}{\\*\\pn\\pnlvlblt\\pnf0\\pnindent0{\\pntxtb\\u9744?}}"),
             rtf.constData());
    QVERIFY(rtf.contains("{\\pntxtb\\u9746?}}\\ls2"));
    // And as word-processor lists, which LibreOffice prefers: one list for the unticked boxes, one for the ticked.
    QVERIFY(rtf.contains("{\\leveltext\\'02\\u9744?\\tab;}") && rtf.contains("{\\leveltext\\'02\\u9746?\\tab;}"));
    QCOMPARE(rtfToPlainText(rtf), QStringLiteral("Shopping\n[ ] milk\n[x] bread\n[ ] eggs"));

    QTextDocument back;
    QVERIFY(readRtf(rtf, &back));
    QStringList seen;
    for (QTextBlock block = back.begin(); block.isValid(); block = block.next()) {
        const auto marker = block.blockFormat().marker();
        seen << (marker == QTextBlockFormat::MarkerType::Checked     ? QStringLiteral("x ")
                 : marker == QTextBlockFormat::MarkerType::Unchecked ? QStringLiteral("o ")
                                                                     : QString())
                    + block.text();
    }
    QCOMPARE(seen, (QStringList {"Shopping", "o milk", "x bread", "o eggs"}));
    QCOMPARE(back.begin().next().textList(), back.lastBlock().textList()); // one list
    QCOMPARE(writeRtf(back), rtf);
}

void TestRtfPictures::otherBulletsStayBullets()
{
    const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
                           "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}one\\par}";
    QTextDocument doc;
    QVERIFY(readRtf(rtf, &doc));
    QVERIFY(doc.begin().textList());
    QCOMPARE(doc.begin().blockFormat().marker(), QTextBlockFormat::MarkerType::NoMarker);
}

void TestRtfPictures::filesOfOtherPrograms_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArrayList>("kinds");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("WordPad (metafiles)")
        << "rtfjs__simplepict.rtf" << QByteArrayList {"wmetafile8", "wmetafile8", "wmetafile8"}
        << QList<QSize> {QSize(134, 62), QSize(134, 62), QSize(134, 62)}
        << QStringList {"This is a simple document with images.", "First a PNG:", "(which is really a WMF image)"};
    QTest::newRow("a bare PNG picture") << "rtfjs__simplepng.rtf" << QByteArrayList {"pngblip"}
                                        << QList<QSize> {QSize(32, 23)} << QStringList();
    QTest::newRow("LibreOffice") << "libreoffice__picture.rtf" << QByteArrayList {"pngblip"}
                                 << QList<QSize> {QSize(48, 32)}
                                 << QStringList {"Before the picture.", "After the picture."};
}

void TestRtfPictures::filesOfOtherPrograms()
{
    QFETCH(QString, file);
    QFETCH(QByteArrayList, kinds);
    QFETCH(QList<QSize>, sizes);
    QFETCH(QStringList, words);
    const QByteArray rtf = fileBytes(file);
    QVERIFY2(!rtf.isEmpty(), qPrintable(file));
    QTextDocument doc;
    QVERIFY(readRtf(rtf, &doc));
    const QList<Picture> pictures = picturesOf(doc);
    QCOMPARE(pictures.size(), kinds.size());
    for (int i = 0; i < pictures.size(); ++i) {
        QCOMPARE(pictures.at(i).stored.kind, kinds.at(i));
        QCOMPARE(pictures.at(i).shown, sizes.at(i));
        QVERIFY(!pictures.at(i).stored.data.isEmpty());
    }
    const QString text = doc.toPlainText().simplified();
    for (const QString& word : words) {
        QVERIFY2(text.contains(word), qPrintable(text));
    }
    // Written and read again, the pictures keep their bytes.
    QTextDocument again;
    QVERIFY(readRtf(writeRtf(doc), &again));
    const QList<Picture> kept = picturesOf(again);
    QCOMPARE(kept.size(), pictures.size());
    for (int i = 0; i < kept.size(); ++i) {
        QCOMPARE(kept.at(i).stored.data, pictures.at(i).stored.data);
        QCOMPARE(kept.at(i).shown, pictures.at(i).shown);
    }
}

void TestRtfPictures::hostilePictures_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<bool>("kept"); // whether its bytes are kept to be written back
    const QByteArray png = encodedImage("png").toHex();
    QTest::newRow("a huge declared size") << "{\\pict\\pngblip\\picw2147483647\\pich2147483647\\picwgoal2147483647"
                                             "\\pichgoal2147483647 "
                                                 + png + "}"
                                          << true;
    QTest::newRow("truncated hex") << "{\\pict\\pngblip " + png.left(301) + "}" << true;
    QTest::newRow("a picture that declares a giant image")
        << QByteArray("{\\pict\\pngblip 89504e470d0a1a0a0000000d494844520000ffff0000ffff0806000000}") << true;
    QTest::newRow("100 MB of hex") << "{\\pict\\jpegblip " + QByteArray(100 * 1024 * 1024, 'a') + "}" << false;
}

void TestRtfPictures::hostilePictures()
{
    QFETCH(QByteArray, picture);
    QFETCH(bool, kept);
    const QByteArray rtf = "{\\rtf1\\ansi before " + picture + " after\\par}";
    QTextDocument doc;
    QString error;
    QVERIFY2(readRtf(rtf, &doc, &error), qPrintable(error));
    const QString text = doc.toPlainText();
    QVERIFY2(text.startsWith(QLatin1String("before ")), qPrintable(text.left(80)));
    const QList<Picture> pictures = picturesOf(doc);
    if (kept) {
        QVERIFY2(text.endsWith(QLatin1String(" after")), qPrintable(text.left(80)));
        QCOMPARE(pictures.size(), 1);
        QVERIFY(pictures.first().shown.width() <= kMaxShownSide && pictures.first().shown.height() <= kMaxShownSide);
        QVERIFY(!pictures.first().stored.data.isEmpty());
    } else {
        for (const Picture& shown : pictures) {
            QVERIFY(shown.stored.data.isEmpty());
        }
    }
}

void TestRtfPictures::storageScalesAndRefuses()
{
    QImage big(4100, 1025, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    const StoredPicture scaled = pictureForStorage(big, false);
    QCOMPARE(scaled.kind, QByteArray("pngblip"));
    QCOMPARE(decodePicture(scaled).size(), QSize(2048, 512));
    QCOMPARE(pictureForStorage(big, true).kind, QByteArray("jpegblip")); // a photo
    // Noise does not compress: at 2,048 px square it is over 8 MB as PNG, and is refused.
    QImage noise(2048, 2048, QImage::Format_ARGB32);
    quint32 seed = 1;
    for (int y = 0; y < noise.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = seed;
        }
    }
    QVERIFY(pictureForStorage(noise, false).data.isEmpty());
}

void TestRtfPictures::picturesAreDecodedWhenDrawn_data()
{
    // A picture is read undecoded; asked for as it is drawn, it comes at twice its shown size at most: a small one at
    // once, a large one from a worker thread (a faint box of its size meanwhile), a broken one as the grey box.
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("drawn");
    QTest::addColumn<bool>("worker");
    const auto encoded = [](const QSize& size, const char* format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    QTest::newRow("small PNG") << QByteArray("pngblip") << encoded(QSize(48, 32), "png") << QSize(48, 32) << false;
    QTest::newRow("large PNG") << QByteArray("pngblip") << encoded(QSize(1600, 1000), "png") << QSize(400, 250) << true;
    QTest::newRow("large JPEG") << QByteArray("jpegblip") << encoded(QSize(1600, 1000), "jpeg") << QSize(400, 250)
                                << true;
    QByteArray broken = encoded(QSize(1600, 1000), "png");
    const qsizetype data = broken.indexOf("IDAT") + 4; // the header reads, the picture does not
    broken.replace(data, broken.size() - data, QByteArray(broken.size() - data, 'x'));
    QTest::newRow("large PNG broken after its header") << QByteArray("pngblip") << broken << QSize(200, 125) << true;
}

void TestRtfPictures::picturesAreDecodedWhenDrawn()
{
    QFETCH(QByteArray, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, drawn);
    QFETCH(bool, worker);
    QTextDocument doc;
    QVERIFY(readRtf(pictureRtf(kind, bytes, 200, 125), &doc));
    QTextDocument copy; // a copy made before anything was drawn decodes its own when it is drawn
    QTextCursor(&copy).insertFragment(QTextDocumentFragment(&doc));
    copyPictures(doc, &copy);
    QSignalSpy repainted(doc.documentLayout(), &QAbstractTextDocumentLayout::update);
    const QImage first = shownImage(doc);
    if (worker) {
        QCOMPARE(first.size(), QSize(200, 125)); // the box, until the worker is done
        QTRY_VERIFY(!repainted.isEmpty());
    }
    QCOMPARE(shownImage(doc).size(), drawn);
    QCOMPARE(picturesOf(doc).first().stored.data, bytes);
    QTextDocument again; // saved and read again: byte for byte
    QVERIFY(readRtf(writeRtf(doc), &again));
    QCOMPARE(picturesOf(again).first().stored.data, bytes);
    const QColor color = shownImage(doc).pixelColor(1, 1);
    if (drawn == QSize(200, 125)) {
        QCOMPARE(color, QColor(224, 224, 224));
    } else {
        QVERIFY2(color.red() < 10 && qAbs(color.green() - 128) < 10, qPrintable(color.name())); // darkCyan
    }
    QTRY_COMPARE(shownImage(copy).size(), drawn);
    QTextDocument printed; // printing decodes at once
    QTextCursor(&printed).insertFragment(QTextDocumentFragment(&copy));
    copyPictures(copy, &printed);
    decodePicturesNow(&printed);
    QCOMPARE(shownImage(printed).size(), drawn);
}

QTEST_MAIN(TestRtfPictures)
#include "tst_rtfpictures.moc"
