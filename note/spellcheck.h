// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/dialogresponder.h"

#include <QSet>

#include <functional>

class QTextDocument;

namespace jotlet {

class SpellEngine;

// Checks the spelling of the words between two positions of a document, asking about each word the engine does not
// know. A change replaces the word where it stands, in the format of its first letter, so the formatting around it
// stays. "Change All" changes the word's later occurrences without asking; "Ignore All" passes over them; "Add"
// hands the word to addWord and takes it as right from then on. Returns the number of words changed.
class SpellCheck
{
public:
    using Ask = std::function<SpellingAnswer(const SpellingQuestion&)>;
    using AddWord = std::function<void(const QString&)>;

    SpellCheck(SpellEngine& engine, Ask ask, AddWord addWord);

    int run(QTextDocument& document, int start, int end);
    bool cancelled() const { return m_cancelled; }

private:
    // The next word at or after position before end: its start, or -1.
    int nextWord(const QTextDocument& document, int from, int end, QString* word) const;
    bool needsAsking(const QString& word) const;
    void replace(QTextDocument& document, int at, int length, const QString& replacement);

    SpellEngine& m_engine;
    Ask m_ask;
    AddWord m_addWord;
    QSet<QString> m_ignored;
    QHash<QString, QString> m_changeAll;
    bool m_cancelled = false;
};

} // namespace jotlet
