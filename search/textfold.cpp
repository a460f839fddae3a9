// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/textfold.h"

#include <QHash>

#include <algorithm>

namespace jotlet {

namespace {

bool isMark(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
           || category == QChar::Mark_Enclosing;
}

// One character folded: compatibility decomposition, marks dropped, case folded. Cached per thread: most texts use
// few characters outside ASCII, and decomposing one is slow.
const QString& foldedCharacter(char32_t c)
{
    thread_local QHash<char32_t, QString> cache;
    auto found = cache.constFind(c);
    if (found != cache.constEnd()) {
        return *found;
    }
    QString folded;
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    for (const char32_t part : decomposed.toUcs4()) {
        if (isMark(part)) {
            continue;
        }
        if (part == 0xDF || part == 0x1E9E) { // ß and ẞ
            folded += QStringLiteral("ss");
            continue;
        }
        const char32_t lower = QChar::toCaseFolded(part);
        folded += QString::fromUcs4(&lower, 1);
    }
    return *cache.insert(c, folded);
}

} // namespace

QString foldForSearch(QStringView text, QList<int>* origins)
{
    // Written in place: this runs over every stored note, and for every result at each keystroke.
    QString folded(text.size(), Qt::Uninitialized);
    QList<int> unused;
    QList<int>& from = origins ? *origins : unused;
    from.resize(origins ? text.size() : 0);
    qsizetype out = 0;
    bool lastWasSpace = false;
    const auto put = [&](QChar c, int at) {
        if (out == folded.size()) { // a character folded into several ("ß" into "ss")
            folded.resize(folded.size() + 16);
            if (origins) {
                from.resize(folded.size());
            }
        }
        folded[out] = c;
        if (origins) {
            from[out] = at;
        }
        ++out;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int at = int(i);
        const QChar unit = text.at(i);
        char32_t c = unit.unicode();
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, text.at(++i));
        }
        const bool space = c < 0x80 ? (c == ' ' || (c >= '\t' && c <= '\r')) : QChar::isSpace(c);
        if (space) {
            if (!lastWasSpace) {
                put(QLatin1Char(' '), at);
            }
        } else if (c < 0x80) {
            put(QChar(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c), at);
        } else {
            for (const QChar part : foldedCharacter(c)) {
                put(part, at);
            }
        }
        lastWasSpace = space;
    }
    folded.truncate(out);
    if (origins) {
        from.resize(out);
    }
    return folded;
}

QString foldForSearch(QStringView text)
{
    return foldForSearch(text, nullptr);
}

SearchQuery::SearchQuery(const QString& typed)
{
    // Quotes as people type them, straight or curly; an unclosed quote runs to the end.
    QString words;
    QString phrase;
    bool inPhrase = false;
    const auto addWords = [this](const QString& text) {
        for (const QString& word : foldForSearch(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            m_terms.append(word);
        }
    };
    const auto addPhrase = [this](const QString& text) {
        const QString folded = foldForSearch(text).trimmed();
        if (!folded.isEmpty()) {
            m_terms.append(folded);
        }
    };
    for (const QChar c : typed) {
        if (c == QLatin1Char('"') || c == QChar(0x201C) || c == QChar(0x201D)) {
            if (inPhrase) {
                addPhrase(phrase);
                phrase.clear();
            } else {
                addWords(words);
                words.clear();
            }
            inPhrase = !inPhrase;
            continue;
        }
        (inPhrase ? phrase : words) += c;
    }
    addWords(words);
    addPhrase(phrase);
    m_terms.removeDuplicates();
    for (const QString& term : m_terms) {
        m_utf8Terms.append(term.toUtf8());
    }
}

bool SearchQuery::matches(QByteArrayView foldedUtf8) const
{
    if (m_utf8Terms.isEmpty()) {
        return false;
    }
    return std::all_of(m_utf8Terms.cbegin(), m_utf8Terms.cend(), [foldedUtf8](const QByteArray& term) {
        return foldedUtf8.contains(term);
    });
}

QList<std::pair<int, int>> SearchQuery::hits(QStringView text) const
{
    QList<int> origins;
    const QString folded = foldForSearch(text, &origins);
    QList<std::pair<int, int>> spans;
    for (const QString& term : m_terms) {
        for (qsizetype at = folded.indexOf(term); at >= 0; at = folded.indexOf(term, at + 1)) {
            const int start = origins.at(at);
            // The match ends where the next folded character begins: the accents and the second half of a pair
            // of surrogates belong to the last character matched.
            const qsizetype after = at + term.size();
            int end = after < folded.size() ? origins.at(after) : int(text.size());
            const int last = origins.at(after - 1);
            if (end <= last) { // the match ends inside what one character folded into ("s" of "ß")
                end = last + (text.at(last).isHighSurrogate() ? 2 : 1);
            }
            while (end > start + 1 && text.at(end - 1).isSpace()) {
                --end; // the white space a run folded into stays out
            }
            spans.append({start, end});
        }
    }
    std::sort(spans.begin(), spans.end());
    QList<std::pair<int, int>> merged;
    for (const auto& span : spans) {
        if (!merged.isEmpty() && span.first <= merged.last().second) {
            merged.last().second = std::max(merged.last().second, span.second);
        } else {
            merged.append(span);
        }
    }
    QList<std::pair<int, int>> ranges;
    for (const auto& [start, end] : merged) {
        ranges.append({start, end - start});
    }
    return ranges;
}

bool SearchQuery::narrows(const SearchQuery& other) const
{
    return std::all_of(other.m_terms.cbegin(), other.m_terms.cend(), [this](const QString& earlier) {
        return std::any_of(
            m_terms.cbegin(), m_terms.cend(), [&earlier](const QString& term) { return term.contains(earlier); });
    });
}

} // namespace jotlet
