// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace jotlet {

// The body of a mail message as a mailto: address carries it: "%" first, then the blank, "$", "@", "?", "/", "=",
// ":", ";", "&", ",", the double quote, "#" and CR LF pairs percent-encoded (nothing else of ASCII: a lone CR or
// LF, a tab, "+", "<" and ">" pass as they are), and every character beyond ASCII as its UTF-8 bytes,
// percent-encoded (RFC 6068).
QString encodeMailText(const QString& text);

struct MailtoAddress
{
    QString url;        // "mailto:?subject=Jotlet%20Note&Body=" and the encoded body
    int keptCharacters; // how much of the text the body holds
    bool cut = false;   // the text was too long for one address: only its start is in it
};

// The address that opens a new message with the subject "Jotlet Note" and the text as its body. A body longer than
// maxEncoded after encoding is cut at a character (never inside an encoded character or a CR LF pair).
MailtoAddress mailtoAddress(const QString& text, int maxEncoded = 32000);

} // namespace jotlet
