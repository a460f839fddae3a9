// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace jotlet {

// Text as search compares it: case folded, accents and other marks taken off ("Résumé" is "resume"), ligatures
// and other compatibility forms spelled out ("ﬁ" is "fi", "ß" is "ss"), and every run of white space one space.
QString foldForSearch(QStringView text);
// The same, with where each folded character came from: (*origins)[i] is the index in text of folded[i].
QString foldForSearch(QStringView text, QList<int>* origins);

// What the user typed in the search field: words, and phrases in double quotes. A note matches when each of them
// occurs in it, in any order; a phrase's words occur in its order, with any white space between them.
class SearchQuery
{
public:
    explicit SearchQuery(const QString& typed = {});

    bool isEmpty() const { return m_terms.isEmpty(); }
    // The folded words and phrases.
    const QList<QString>& terms() const { return m_terms; }
    // Whether every term occurs in the folded text, given as UTF-8 (as the search index keeps it).
    bool matches(QByteArrayView foldedUtf8) const;
    // Where the terms occur in text (not folded), as (start, length) pairs in text's indexes, in order.
    QList<std::pair<int, int>> hits(QStringView text) const;
    // Whether this query's matches are among another's: each of the other's terms is within one of these.
    bool narrows(const SearchQuery& other) const;

private:
    QList<QString> m_terms;
    QList<QByteArray> m_utf8Terms;
};

} // namespace jotlet
