// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/problem.h"

#include <QCoreApplication>

namespace jotlet {

ProblemFact::ProblemFact(const QString& text)
    : m_value(text)
{
}

ProblemFact::ProblemFact(qint64 number)
    : m_value(QString::number(number))
{
}

ProblemFact::ProblemFact(const Problem& problem)
    : m_value(std::make_shared<const Problem>(problem))
{
}

QString ProblemFact::english() const
{
    const auto* text = std::get_if<QString>(&m_value);
    return text ? *text : std::get<std::shared_ptr<const Problem>>(m_value)->english();
}

QString ProblemFact::translated() const
{
    const auto* text = std::get_if<QString>(&m_value);
    return text ? *text : std::get<std::shared_ptr<const Problem>>(m_value)->text();
}

Problem::Problem(const char* text, QList<ProblemFact> facts)
    : m_text(text)
    , m_facts(std::move(facts))
{
}

Problem Problem::of(const ProblemFact& fact)
{
    static const char* const kJustTheFact = "%1";
    return Problem(kJustTheFact, {fact});
}

QString Problem::worded(bool translated) const
{
    if (!m_text) {
        return QString();
    }
    QStringList values;
    for (const ProblemFact& fact : m_facts) {
        values << (translated ? fact.translated() : fact.english());
    }
    return fillPlaceholders(translated ? QCoreApplication::translate("Problem", m_text) : QString::fromUtf8(m_text),
                            values);
}

QString fillPlaceholders(const QString& pattern, const QStringList& values)
{
    QString result;
    result.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        qsizetype end = i + 1;
        while (c == QLatin1Char('%') && end < pattern.size() && end < i + 3 && pattern.at(end).isDigit()) {
            ++end;
        }
        const int number = end > i + 1 ? QStringView(pattern).mid(i + 1, end - i - 1).toInt() : 0;
        if (number >= 1 && number <= values.size()) {
            result += values.at(number - 1);
            i = end - 1;
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace jotlet
