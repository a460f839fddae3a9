// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/noteexport.h"

#include "note/checklist.h"
#include "note/notecolors.h"
#include "rtf/pictures.h"
#include "rtf/reader.h"
#include "support/colors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace jotlet {

namespace {

constexpr int kBaseNameLength = 40;
constexpr int kMostNumberedNames = 10000;

// A ticked item's text is kept struck through in grey (as the note shows it); in another program's file the item
// says it is ticked instead, so that look comes off. Text the user struck through or coloured stays as it is.
void takeOffTickLook(QTextDocument* doc)
{
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (!isCheckItem(block) || block.blockFormat().marker() != QTextBlockFormat::MarkerType::Checked) {
            continue;
        }
        QList<QTextFragment> fragments;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            fragments << it.fragment();
        }
        for (const QTextFragment& fragment : std::as_const(fragments)) {
            QTextCharFormat format = fragment.charFormat();
            if (!format.fontStrikeOut() || format.foreground().color() != kTickedGrey) {
                continue;
            }
            format.setFontStrikeOut(false);
            format.clearForeground();
            QTextCursor cursor(doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

// The RTF kind of a stored picture ("pngblip", "jpegblip") as a file name's ending.
QString pictureSuffix(const QByteArray& kind)
{
    return kind.toLower().contains("jp") ? QStringLiteral("jpg") : QStringLiteral("png");
}

// Pictures' file names go into links, where a blank would end the name.
QString pictureBaseOf(const QString& stem)
{
    QString base = stem;
    return base.replace(QLatin1Char(' '), QLatin1Char('_'));
}

// Each picture gets the name of its file beside the note's.
void namePictures(QTextDocument* doc, const QString& base, QList<std::pair<QString, QByteArray>>* pictures)
{
    QList<std::pair<int, QTextImageFormat>> renamed;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const StoredPicture stored = storedPicture(*doc, image);
            if (stored.data.isEmpty() || !isDrawablePicture(stored.kind)) {
                continue; // a picture no other program could show either
            }
            const QString name
                = QStringLiteral("%1-%2.%3").arg(base).arg(pictures->size() + 1).arg(pictureSuffix(stored.kind));
            pictures->append({name, stored.data});
            image.setName(name);
            renamed.append({fragment.position(), image});
        }
    }
    for (const auto& [position, image] : std::as_const(renamed)) {
        QTextCursor cursor(doc);
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(image);
    }
}

QString colorText(const NoteRecord& note)
{
    return colorFromBgr(noteColorValue(note.color).value_or(kNoteColors[0].value)).name();
}

QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString markdownOf(const QTextDocument& doc, const NoteRecord& note)
{
    QString head = QStringLiteral("---\ncolor: ") + quoted(colorText(note)) + QLatin1Char('\n');
    if (!note.timeDate.isEmpty()) {
        head += QStringLiteral("date: ") + quoted(note.timeDate) + QLatin1Char('\n');
    }
    return head + QStringLiteral("---\n\n") + doc.toMarkdown(QTextDocument::MarkdownDialectGitHub);
}

QString htmlOf(QTextDocument* doc, const NoteRecord& note, const QString& title)
{
    doc->setMetaInformation(QTextDocument::DocumentTitle, title);
    QString html = doc->toHtml();
    QString head = QStringLiteral("<meta name=\"generator\" content=\"Jotlet\" />");
    if (!note.timeDate.isEmpty()) {
        head += QStringLiteral("<meta name=\"date\" content=\"%1\" />").arg(note.timeDate.toHtmlEscaped());
    }
    html.replace(QStringLiteral("<head>"), QStringLiteral("<head>") + head);
    html.replace(QStringLiteral("<body style=\""),
                 QStringLiteral("<body style=\"background-color:%1; ").arg(colorText(note)));
    return html;
}

QString textOf(const QTextDocument& doc)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line = block.text();
        line.remove(QChar::ObjectReplacementCharacter); // a picture
        if (isCheckItem(block)) {
            const bool ticked = block.blockFormat().marker() == QTextBlockFormat::MarkerType::Checked;
            line.prepend(ticked ? QStringLiteral("[x] ") : QStringLiteral("[ ] "));
        } else if (block.textList()) {
            line.prepend(QStringLiteral("- "));
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool writeNew(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    return file.write(bytes) == bytes.size() && file.flush();
}

// A stem whose note file and picture files are all free.
QString freeStem(const QString& folder, const QString& base, const QString& suffix, int pictures)
{
    for (int n = 1; n < kMostNumberedNames; ++n) {
        const QString stem = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        bool free = !QFileInfo::exists(folder + QLatin1Char('/') + stem + QLatin1Char('.') + suffix);
        for (int p = 1; free && p <= pictures; ++p) {
            free = QDir(folder).entryList({QStringLiteral("%1-%2.*").arg(pictureBaseOf(stem)).arg(p)}).isEmpty();
        }
        if (free) {
            return stem;
        }
    }
    return {};
}

// The name a note's file starts with: its first words, without what file names cannot hold.
QString baseNameOf(const QString& plain)
{
    QString words = plain.simplified();
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x{0000}-\\x{001f}\\x{007f}]"));
    words.remove(unsafe);
    words = words.left(kBaseNameLength).trimmed();
    while (words.startsWith(QLatin1Char('.')) || words.endsWith(QLatin1Char('.'))) {
        words = words.startsWith(QLatin1Char('.')) ? words.mid(1).trimmed() : words.chopped(1).trimmed();
    }
    return words.isEmpty() ? QStringLiteral("Note") : words;
}

int pictureCount(const QTextDocument& doc)
{
    int count = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            count += it.fragment().charFormat().isImageFormat() ? 1 : 0;
        }
    }
    return count;
}

QString serialized(QTextDocument* doc, const NoteRecord& note, ExportFormat format, const QString& title)
{
    switch (format) {
    case ExportFormat::Markdown:
        return markdownOf(*doc, note);
    case ExportFormat::Html:
        return htmlOf(doc, note, title);
    case ExportFormat::Text:
        return textOf(*doc);
    }
    return {};
}

} // namespace

QString noteFirstWords(const NoteRecord& note, int length)
{
    const QString plain = rtfToPlainText(storedRtfBytes(note.data)).simplified();
    return plain.size() > length ? plain.left(length).trimmed() + QChar(0x2026) : plain;
}

std::optional<ExportFormat> exportFormatNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("markdown") || lower == QLatin1String("md")) {
        return ExportFormat::Markdown;
    }
    if (lower == QLatin1String("html")) {
        return ExportFormat::Html;
    }
    if (lower == QLatin1String("text") || lower == QLatin1String("txt")) {
        return ExportFormat::Text;
    }
    return std::nullopt;
}

QString exportSuffix(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Markdown:
        return QStringLiteral("md");
    case ExportFormat::Html:
        return QStringLiteral("html");
    case ExportFormat::Text:
        return QStringLiteral("txt");
    }
    return {};
}

ExportOutcome exportNotes(const NoteList& notes, const QString& folder, ExportFormat format)
{
    ExportOutcome outcome;
    if (!QDir().mkpath(folder)) {
        outcome.failed << QStringLiteral("the folder '%1' could not be made").arg(folder);
        return outcome;
    }
    const QString suffix = exportSuffix(format);
    for (const NoteRecord& note : notes) {
        QTextDocument doc;
        readRtf(storedRtfBytes(note.data), &doc);
        QString plain = doc.toPlainText();
        plain.remove(QChar::ObjectReplacementCharacter);
        if (plain.trimmed().isEmpty() && pictureCount(doc) == 0) {
            continue; // nothing to take along
        }
        takeOffTickLook(&doc);
        const QString title = baseNameOf(plain);
        const QString stem = freeStem(folder, title, suffix, pictureCount(doc));
        QList<std::pair<QString, QByteArray>> pictures;
        namePictures(&doc, pictureBaseOf(stem), &pictures);
        const QString path = folder + QLatin1Char('/') + stem + QLatin1Char('.') + suffix;
        bool ok = !stem.isEmpty() && writeNew(path, serialized(&doc, note, format, title).toUtf8());
        for (const auto& [name, bytes] : std::as_const(pictures)) {
            ok = ok && writeNew(folder + QLatin1Char('/') + name, bytes);
        }
        if (ok) {
            outcome.written << path;
        } else {
            outcome.failed << QStringLiteral("'%1' could not be written").arg(path);
        }
    }
    return outcome;
}

} // namespace jotlet
