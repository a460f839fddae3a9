// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// KNotes keeps each note as a MIME message in maildir folders (its Akonadi resource's local folder): the title in
// Subject, the text as the main text part (text/plain, or text/html for rich text), the time it was made in Date and
// the last change in X-Akonotes-LastModified. Messages are read with GMime.
#include "import/readers.h"

#include <QDirIterator>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

namespace jotlet {

using namespace importing;

namespace {

constexpr qint64 kMaxMessageBytes = 32LL * 1024 * 1024;

struct Message
{
    QString subject;
    QString text;
    bool html = false;
    QDateTime date;
};

QString fromUtf8(char* owned)
{
    const QString text = QString::fromUtf8(owned);
    g_free(owned);
    return text;
}

// The first text part, depth first, as GMime finds a message's body.
GMimeTextPart* firstTextPart(GMimeObject* object)
{
    if (GMIME_IS_TEXT_PART(object)) {
        return GMIME_TEXT_PART(object);
    }
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart* multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
            if (GMimeTextPart* part = firstTextPart(g_mime_multipart_get_part(multipart, i))) {
                return part;
            }
        }
    }
    return nullptr;
}

bool parseMessage(const QByteArray& bytes, Message* message)
{
    GMimeStream* stream = g_mime_stream_mem_new_with_buffer(bytes.constData(), size_t(bytes.size()));
    GMimeParser* parser = g_mime_parser_new_with_stream(stream);
    GMimeMessage* parsed = g_mime_parser_construct_message(parser, nullptr);
    g_object_unref(parser);
    g_object_unref(stream);
    if (!parsed) {
        return false;
    }
    // KNotes gives every note a title and its own id; anything without both is not a note of its.
    if (!g_mime_message_get_subject(parsed) || !g_mime_object_get_header(GMIME_OBJECT(parsed), "X-Akonotes-UID")) {
        g_object_unref(parsed);
        return false;
    }
    message->subject = QString::fromUtf8(g_mime_message_get_subject(parsed));
    if (GDateTime* date = g_mime_message_get_date(parsed)) {
        message->date = QDateTime::fromSecsSinceEpoch(g_date_time_to_unix(date), Qt::UTC);
    }
    GMimeTextPart* part = firstTextPart(g_mime_message_get_mime_part(parsed));
    if (part) {
        message->text = fromUtf8(g_mime_text_part_get_text(part));
        GMimeContentType* type = g_mime_object_get_content_type(GMIME_OBJECT(part));
        message->html = g_mime_content_type_is_type(type, "text", "html");
    }
    g_object_unref(parsed);
    return part != nullptr;
}

void noteOfMessage(const Message& message, const QString& name, ImportSource* source)
{
    QTextDocument doc;
    if (message.html) {
        doc.setHtml(message.text);
    } else {
        doc.setPlainText(message.text.trimmed());
    }
    const QString title = message.subject.trimmed();
    if (!title.isEmpty() && !doc.toPlainText().startsWith(title)) {
        QTextCursor top(&doc);
        top.insertBlock();
        top.movePosition(QTextCursor::Start);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        top.insertText(title, bold);
    }
    NoteRecord note = noteOf(doc, QString());
    setTime(&note, message.date);
    source->notes << found(source->kind, name, note, doc);
}

} // namespace

void readKNotes(ImportSource* source)
{
    static const bool started = [] {
        g_mime_init();
        return true;
    }();
    Q_UNUSED(started)
    QStringList paths;
    QDirIterator it(source->path, QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString folder = it.fileInfo().dir().dirName();
        if (folder == QLatin1String("cur") || folder == QLatin1String("new")) {
            paths << path; // maildir messages; tmp/ holds messages still being written
        }
    }
    paths.sort();
    for (const QString& path : std::as_const(paths)) {
        QFile file(path);
        if (file.size() > kMaxMessageBytes || !file.open(QIODevice::ReadOnly)) {
            source->problems << QStringLiteral("'%1' cannot be read").arg(path);
            continue;
        }
        Message message;
        if (!parseMessage(file.readAll(), &message)) {
            source->problems << QStringLiteral("'%1' is not a note KNotes wrote").arg(path);
            continue;
        }
        // A maildir message keeps its name up to the ":" that carries its flags.
        noteOfMessage(
            message, it.path().isEmpty() ? path : QFileInfo(path).fileName().section(QLatin1Char(':'), 0, 0), source);
    }
}

} // namespace jotlet
