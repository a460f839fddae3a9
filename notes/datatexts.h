// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QDomDocument;

namespace jotlet {

// A note file's text with the contents of its DATA elements taken out, and those contents as an XML parser reads
// them (line ends as "\n", references resolved). The parser builds a text node character by character, and a note
// holding pictures has hundreds of kilobytes of RTF: parsed without them, the file reads in a fraction of the time.
struct DataTexts
{
    QString rest;      // the file's text, each DATA written <DATA></DATA>
    QStringList texts; // their contents in document order; "" for one the parser leaves empty (only white space)
};

// nullopt when the text is not plainly that: comments, CDATA or a document type anywhere, a DATA with attributes,
// or a content with a reference the XML parser would not take. Only for text a quick scan found well-formed.
std::optional<DataTexts> takeDataTexts(const QString& text);

// Gives the parsed document's DATA elements their texts back; false when they are not the ones taken out.
bool putDataTexts(QDomDocument* document, const QStringList& texts);

} // namespace jotlet
