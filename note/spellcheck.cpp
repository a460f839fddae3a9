// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/spellcheck.h"

#include "platform/spellengine.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>

namespace jotlet {

namespace {

bool hasLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

bool hasDigit(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

SpellCheck::SpellCheck(SpellEngine& engine, Ask ask, AddWord addWord)
    : m_engine(engine)
    , m_ask(std::move(ask))
    , m_addWord(std::move(addWord))
{
}

int SpellCheck::nextWord(const QTextDocument& document, int from, int end, QString* word) const
{
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < end; block = block.next()) {
        const QString text = block.text();
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
        words.setPosition(qMax(0, from - block.position()));
        if (!words.isAtBoundary()) {
            words.toNextBoundary(); // not from the middle of a word
        }
        for (qsizetype at = words.position(); at >= 0 && at < text.size();) {
            const qsizetype next = words.toNextBoundary();
            if (next < 0 || block.position() + at >= end) {
                break;
            }
            const QStringView piece = QStringView(text).mid(at, next - at);
            if (block.position() + next <= end && hasLetter(piece) && !hasDigit(piece)) {
                *word = piece.toString();
                return block.position() + int(at);
            }
            at = next;
        }
    }
    return -1;
}

bool SpellCheck::needsAsking(const QString& word) const
{
    return !m_ignored.contains(word) && !m_engine.isCorrect(word);
}

void SpellCheck::replace(QTextDocument& document, int at, int length, const QString& replacement)
{
    QTextCursor first(&document);
    first.setPosition(at + 1); // the format of the word's first letter
    const QTextCharFormat format = first.charFormat();
    QTextCursor word(&document);
    word.setPosition(at);
    word.setPosition(at + length, QTextCursor::KeepAnchor);
    word.insertText(replacement, format);
}

int SpellCheck::run(QTextDocument& document, int start, int end)
{
    int changed = 0;
    QString word;
    for (int at = nextWord(document, start, end, &word); at >= 0 && !m_cancelled;
         at = nextWord(document, at, end, &word)) {
        QString replacement = m_changeAll.value(word);
        if (replacement.isNull() && needsAsking(word)) {
            const QTextBlock block = document.findBlock(at);
            const SpellingAnswer answer
                = m_ask({word, block.text(), at - block.position(), m_engine.suggestions(word), QString()});
            switch (answer.action) {
            case SpellingAnswer::Action::ChangeAll:
                m_changeAll.insert(word, answer.replacement);
                [[fallthrough]];
            case SpellingAnswer::Action::Change:
                replacement = answer.replacement;
                break;
            case SpellingAnswer::Action::IgnoreAll:
                m_ignored.insert(word);
                break;
            case SpellingAnswer::Action::Add:
                m_engine.accept(word);
                m_addWord(word);
                break;
            case SpellingAnswer::Action::Cancel:
                m_cancelled = true;
                continue;
            case SpellingAnswer::Action::Ignore:
                break;
            }
        }
        if (!replacement.isNull() && replacement != word) {
            replace(document, at, int(word.size()), replacement);
            end += int(replacement.size() - word.size());
            at += int(replacement.size());
            ++changed;
        } else {
            at += int(word.size());
        }
    }
    return changed;
}

} // namespace jotlet
