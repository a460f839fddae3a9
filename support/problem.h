// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <variant>

namespace jotlet {

class Problem;

// One fact a problem's text is filled with: a text that is the same in every language (a file name, a number, the
// system's own words) or another problem, worded in the same language as the one it is part of.
class ProblemFact
{
public:
    ProblemFact(const QString& text);
    ProblemFact(const char* text) = delete; // words are a Problem; facts are QStrings
    ProblemFact(qint64 number);
    ProblemFact(const Problem& problem);

    QString english() const;
    QString translated() const;

private:
    std::variant<QString, std::shared_ptr<const Problem>> m_value;
};

// What went wrong, as the code below the windows reports it: an English text marked for translation with
// QT_TRANSLATE_NOOP("Problem", ...), and the facts that fill its %1, %2 ... The log takes english(); windows show
// text(), the same in the user's language. Both fill the text in one pass, so a fact holding "%1" stays as it is.
class Problem
{
public:
    Problem() = default;
    explicit Problem(const char* text, QList<ProblemFact> facts = {});

    // A problem that is one fact: the system's own words, or another problem.
    static Problem of(const ProblemFact& fact);

    bool isEmpty() const { return m_text == nullptr; }
    QString english() const { return worded(false); }
    QString text() const { return worded(true); }

private:
    QString worded(bool translated) const;

    const char* m_text = nullptr;
    QList<ProblemFact> m_facts;
};

// Fills %1 ... %99 of a pattern in one pass; a number without a value stays as it is.
QString fillPlaceholders(const QString& pattern, const QStringList& values);

} // namespace jotlet
