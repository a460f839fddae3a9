// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/readers.h"

#include "note/checklist.h"
#include "note/notepictures.h"
#include "rtf/pictures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

#include <algorithm>

namespace jotlet {

using namespace importing;

namespace {

constexpr qint64 kMaxSourceFileBytes = 32LL * 1024 * 1024;

bool readSmallFile(const QString& path, QByteArray* bytes, ImportSource* source)
{
    QFile file(path);
    if (file.size() > kMaxSourceFileBytes) {
        source->problems << QStringLiteral("'%1' is larger than 32 MB and was passed over").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        source->problems << QStringLiteral("'%1' cannot be opened").arg(path);
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool readJson(const QString& path, QJsonDocument* json, ImportSource* source)
{
    QByteArray bytes;
    if (!readSmallFile(path, &bytes, source)) {
        return false;
    }
    QJsonParseError error;
    *json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        source->problems << QStringLiteral("'%1' is damaged: %2").arg(path, error.errorString());
        return false;
    }
    return true;
}

void checkItem(QTextDocument* doc, int blockNumber, bool ticked)
{
    QTextCursor cursor(doc->findBlockByNumber(blockNumber));
    toggleChecklist(cursor);
    if (ticked) {
        toggleCheckItem(doc->findBlockByNumber(blockNumber));
    }
}

void bulletItem(QTextDocument* doc, int blockNumber)
{
    QTextCursor cursor(doc->findBlockByNumber(blockNumber));
    const QTextBlock before = cursor.block().previous();
    if (before.isValid() && before.textList() && !isCheckItem(before)) {
        before.textList()->add(cursor.block());
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
}

// "rgb(255,238,153)" as Xpad writes colours.
QColor rgbColor(const QString& text)
{
    static const QRegularExpression rgb(QStringLiteral("rgba?\\((\\d+),\\s*(\\d+),\\s*(\\d+)"));
    const QRegularExpressionMatch match = rgb.match(text);
    return match.hasMatch() ? QColor(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt())
                            : QColor(text.trimmed());
}

QHash<QString, QString> xpadSettings(const QString& path)
{
    QHash<QString, QString> values;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const int space = line.indexOf(QLatin1Char(' '));
            if (space > 0) {
                values.insert(line.left(space), line.mid(space + 1).trimmed());
            }
        }
    }
    return values;
}

} // namespace

void readXpad(ImportSource* source)
{
    const QDir dir(source->path);
    const QHash<QString, QString> style = xpadSettings(dir.filePath(QStringLiteral("default-style")));
    for (const QString& infoName : dir.entryList({QStringLiteral("info-*")}, QDir::Files, QDir::Name)) {
        const QHash<QString, QString> info = xpadSettings(dir.filePath(infoName));
        const QString contentName = info.value(QStringLiteral("content"));
        QByteArray bytes;
        if (contentName.isEmpty() || contentName.contains(QLatin1Char('/'))
            || !readSmallFile(dir.filePath(contentName), &bytes, source)) {
            continue;
        }
        QTextDocument doc;
        doc.setPlainText(QString::fromUtf8(bytes));
        const bool ownColor = info.value(QStringLiteral("follow_color")) == QLatin1String("0");
        const QColor back
            = rgbColor(ownColor ? info.value(QStringLiteral("back")) : style.value(QStringLiteral("back")));
        NoteRecord note = noteOf(doc, back.isValid() ? nearestNoteColor(back) : QString());
        setGeometry(&note,
                    info.value(QStringLiteral("x")).toInt(),
                    info.value(QStringLiteral("y")).toInt(),
                    info.value(QStringLiteral("width")).toInt(),
                    info.value(QStringLiteral("height")).toInt());
        note.isOnTop = info.value(QStringLiteral("sticky")) == QLatin1String("1");
        setTime(&note, QFileInfo(dir.filePath(contentName)).lastModified());
        source->notes << found(source->kind, contentName, note, doc);
    }
}

void readMintMarkup(const QString& text, QTextDocument* doc)
{
    doc->clear();
    QTextCursor cursor(doc);
    QStringList open;
    QList<std::pair<int, bool>> checks; // block, ticked
    QList<int> bullets;
    const auto format = [&open] {
        QTextCharFormat f;
        f.setFontWeight(open.contains(QLatin1String("bold")) ? QFont::Bold : QFont::Normal);
        f.setFontItalic(open.contains(QLatin1String("italic")));
        f.setFontUnderline(open.contains(QLatin1String("underline")));
        f.setFontStrikeOut(open.contains(QLatin1String("strikethrough")));
        if (open.contains(QLatin1String("monospace"))) {
            f.setFontFamilies({QStringLiteral("monospace")});
        }
        if (open.contains(QLatin1String("highlight"))) {
            f.setBackground(QColor(Qt::yellow));
        }
        if (open.contains(QLatin1String("header"))) {
            f.setFontPointSize(14);
            f.setFontWeight(QFont::Bold);
        }
        return f;
    };
    int at = 0;
    while (at < text.size()) {
        const int mark = text.indexOf(QLatin1Char('#'), at);
        cursor.insertText(text.mid(at, mark < 0 ? -1 : mark - at), format());
        if (mark < 0) {
            break;
        }
        const QStringView rest = QStringView(text).mid(mark);
        if (rest.startsWith(u"##")) {
            cursor.insertText(QStringLiteral("#"), format());
            at = mark + 2;
        } else if (rest.startsWith(u"#check:") && rest.size() >= 8) {
            checks.append({cursor.blockNumber(), rest.at(7) == QLatin1Char('1')});
            at = mark + 8;
        } else if (rest.startsWith(u"#bullet:")) {
            bullets.append(cursor.blockNumber());
            at = mark + 8;
        } else if (rest.startsWith(u"#tag:") && text.indexOf(QLatin1Char(':'), mark + 5) > 0) {
            const int end = text.indexOf(QLatin1Char(':'), mark + 5);
            const QString name = text.mid(mark + 5, end - mark - 5);
            open.contains(name) ? void(open.removeAll(name)) : open.append(name);
            at = end + 1;
        } else {
            cursor.insertText(QStringLiteral("#"), format()); // a lone "#", as the program itself shows it
            at = mark + 1;
        }
    }
    for (int block : std::as_const(bullets)) {
        bulletItem(doc, block);
    }
    for (const auto& [block, ticked] : std::as_const(checks)) {
        checkItem(doc, block, ticked);
    }
}

void readMintSticky(ImportSource* source)
{
    // Its colours by name, as the nearest of Jotlet's.
    static const QHash<QString, QString> colors = {{QStringLiteral("red"), QStringLiteral("red")},
                                                   {QStringLiteral("green"), QStringLiteral("green")},
                                                   {QStringLiteral("blue"), QStringLiteral("blue")},
                                                   {QStringLiteral("yellow"), QStringLiteral("yellow")},
                                                   {QStringLiteral("purple"), QStringLiteral("purple")},
                                                   {QStringLiteral("teal"), QStringLiteral("blue")},
                                                   {QStringLiteral("orange"), QStringLiteral("tang")},
                                                   {QStringLiteral("magenta"), QStringLiteral("purple")}};
    QJsonDocument json;
    if (!readJson(source->path, &json, source)) {
        return;
    }
    const QJsonObject groups = json.object();
    for (auto group = groups.begin(); group != groups.end(); ++group) {
        const QJsonArray notes = group.value().toArray();
        for (int i = 0; i < notes.size(); ++i) {
            const QJsonObject info = notes.at(i).toObject();
            QTextDocument doc;
            const QString title = info.value(QStringLiteral("title")).toString();
            readMintMarkup(info.value(QStringLiteral("text")).toString(), &doc);
            if (!title.isEmpty()) {
                QTextCursor top(&doc);
                QTextCharFormat bold;
                bold.setFontWeight(QFont::Bold);
                top.insertText(title, bold);
                top.insertBlock();
            }
            NoteRecord note = noteOf(doc,
                                     nearestNoteColor(colors.value(info.value(QStringLiteral("color")).toString(),
                                                                   colors.value(QStringLiteral("yellow")))));
            setGeometry(&note,
                        info.value(QStringLiteral("x")).toInt(),
                        info.value(QStringLiteral("y")).toInt(),
                        info.value(QStringLiteral("width")).toInt(),
                        info.value(QStringLiteral("height")).toInt());
            source->notes << found(source->kind, group.key() + QLatin1Char('/') + QString::number(i), note, doc);
        }
    }
}

namespace {

// Its styles (1 yellow, 2 pink, 3 green, 4 purple, 5 blue, 6 gray, 7 charcoal, 8 the window's own) as the nearest
// of Jotlet's colours.
QString gnomeStyle(int style)
{
    static const QHash<int, QString> styles = {{1, QStringLiteral("yellow")},
                                               {2, QStringLiteral("red")},
                                               {3, QStringLiteral("green")},
                                               {4, QStringLiteral("purple")},
                                               {5, QStringLiteral("blue")},
                                               {6, QStringLiteral("grey")},
                                               {7, QStringLiteral("grey")},
                                               {8, QStringLiteral("yellow")}};
    return styles.value(style, QStringLiteral("yellow"));
}

void gnomeNote(const QJsonObject& info, const QString& name, ImportSource* source)
{
    QTextDocument doc;
    doc.setPlainText(info.value(QStringLiteral("content")).toString());
    const QJsonArray tags = info.value(QStringLiteral("tags")).toArray();
    for (const QJsonValue& value : tags) {
        const QJsonObject tag = value.toObject();
        const int start = qBound(0, tag.value(QStringLiteral("start")).toInt(), doc.characterCount() - 1);
        const int end = qBound(start, tag.value(QStringLiteral("end")).toInt(), doc.characterCount() - 1);
        QTextCursor cursor(&doc);
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        const QString kind = tag.value(QStringLiteral("name")).toString();
        if (kind == QLatin1String("bold")) {
            format.setFontWeight(QFont::Bold);
        } else if (kind == QLatin1String("italic")) {
            format.setFontItalic(true);
        } else if (kind == QLatin1String("underline")) {
            format.setFontUnderline(true);
        } else if (kind == QLatin1String("strikethrough")) {
            format.setFontStrikeOut(true);
        }
        cursor.mergeCharFormat(format);
    }
    NoteRecord note = noteOf(doc, gnomeStyle(info.value(QStringLiteral("style")).toInt()));
    setGeometry(&note, 0, 0, info.value(QStringLiteral("width")).toInt(), info.value(QStringLiteral("height")).toInt());
    note.left = note.top = 0; // it keeps no place: the note opens where new notes do
    setTime(&note, QDateTime::fromString(info.value(QStringLiteral("modified")).toString(), Qt::ISODateWithMs));
    source->notes << found(source->kind, info.value(QStringLiteral("uuid")).toString(name), note, doc);
}

} // namespace

void readGnomeSticky(ImportSource* source)
{
    const QDir dir(source->path);
    // Its older index (notes.json with every note) or, since, one file per note in notes/.
    QJsonDocument json;
    if (QFileInfo::exists(dir.filePath(QStringLiteral("notes.json")))
        && readJson(dir.filePath(QStringLiteral("notes.json")), &json, source)) {
        for (const QJsonValue& note : json.object().value(QStringLiteral("notes")).toArray()) {
            gnomeNote(note.toObject(), QString(), source);
        }
    }
    const QDir notes(dir.filePath(QStringLiteral("notes")));
    for (const QString& name : notes.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        if (readJson(notes.filePath(name), &json, source)) {
            gnomeNote(json.object(), QFileInfo(name).completeBaseName(), source);
        }
    }
}

namespace {

// Pictures a Markdown file links to (files beside it, as Jotlet's export writes them) come into the note.
void takePictures(QTextDocument* doc, const QDir& beside)
{
    QList<std::pair<int, QString>> pictures;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                pictures.append({it.fragment().position(), it.fragment().charFormat().toImageFormat().name()});
            }
        }
    }
    std::reverse(pictures.begin(), pictures.end()); // from the end, so earlier positions stay
    for (const auto& [position, name] : std::as_const(pictures)) {
        const QString path = beside.absoluteFilePath(QUrl::fromPercentEncoding(name.toUtf8()));
        const ReadyPicture ready = QFileInfo(path).dir() == beside ? readyPictureFile(path) : ReadyPicture();
        if (ready.image.isNull() || ready.stored.data.isEmpty()) {
            continue; // not beside the file, or not a picture: the link's text stays
        }
        QTextCursor cursor(doc);
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        insertPicture(cursor, ready.image, ready.image.size(), ready.stored);
    }
}

} // namespace

void readTextFolder(ImportSource* source)
{
    QDirIterator it(source->path,
                    {QStringLiteral("*.txt"), QStringLiteral("*.md"), QStringLiteral("*.markdown")},
                    QDir::Files | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    QStringList paths;
    while (it.hasNext()) {
        paths << it.next();
    }
    paths.sort();
    for (const QString& path : std::as_const(paths)) {
        QByteArray bytes;
        if (!readSmallFile(path, &bytes, source)) {
            continue;
        }
        QTextDocument doc;
        QString color;
        const QString text = QString::fromUtf8(bytes);
        if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
            // A text file ends its last line; the note has no empty paragraph after it.
            doc.setPlainText(
                text.endsWith(QLatin1Char('\n')) ? text.chopped(text.endsWith(QLatin1String("\r\n")) ? 2 : 1) : text);
        } else {
            doc.setMarkdown(withoutFrontMatter(text, &color), QTextDocument::MarkdownDialectGitHub);
            takePictures(&doc, QFileInfo(path).dir());
        }
        NoteRecord note = noteOf(doc, color.isEmpty() ? QString() : nearestNoteColor(QColor(color)));
        setTime(&note, QFileInfo(path).lastModified());
        source->notes << found(source->kind, QDir(source->path).relativeFilePath(path), note, doc);
    }
}

} // namespace jotlet
