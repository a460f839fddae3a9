// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The module "jotlet-mime": KNotes' MIME messages read with GMime, which (with GIO and GPGME) is loaded only when
// notes are brought in from KNotes.
#include "import/mimenote.h"

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

#include <mutex>

namespace jotlet {

namespace {

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

} // namespace

} // namespace jotlet

extern "C" Q_DECL_EXPORT bool jotletParseMimeNote(const QByteArray& bytes, jotlet::MimeNote* note)
{
    using namespace jotlet;
    static std::once_flag started;
    std::call_once(started, [] { g_mime_init(); });
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
    note->subject = QString::fromUtf8(g_mime_message_get_subject(parsed));
    if (GDateTime* date = g_mime_message_get_date(parsed)) {
        note->date = QDateTime::fromSecsSinceEpoch(g_date_time_to_unix(date), Qt::UTC);
    }
    GMimeTextPart* part = firstTextPart(g_mime_message_get_mime_part(parsed));
    if (part) {
        note->text = fromUtf8(g_mime_text_part_get_text(part));
        GMimeContentType* type = g_mime_object_get_content_type(GMIME_OBJECT(part));
        note->html = g_mime_content_type_is_type(type, "text", "html");
    }
    g_object_unref(parsed);
    return part != nullptr;
}
