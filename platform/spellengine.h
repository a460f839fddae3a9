// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/problem.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

namespace jotlet {

// A spelling dictionary: whether a word is spelt right, and what it might have been.
class SpellEngine
{
public:
    virtual ~SpellEngine() = default;
    virtual bool isCorrect(const QString& word) const = 0;
    virtual QStringList suggestions(const QString& word) const = 0;
    // Takes the word as spelt right from now on.
    virtual void accept(const QString& word) = 0;
    // The dictionary's language and country ("en_US"); "" when unknown.
    virtual QString dictionaryName() const { return QString(); }
};

// What the user is told of the dictionary a check uses: "English (United States)", and when the user's own
// language has none, that the check uses another ("... - no dictionary for German is installed").
QString dictionaryDescription(const QString& dictionaryName, const QLocale& userLocale);

// Where Hunspell dictionaries are looked for, first to last: the system's folders.
QStringList systemDictionaryFolders();

// The dictionary ("<folder>/<name>", without .aff or .dic) for the locale in the folders: its language and country,
// else its language in any country, else en_US. Empty when there is none.
QString findDictionary(const QLocale& locale, const QStringList& folders);

// The Hunspell dictionary for the locale, with the words of the word lists (one a line, UTF-8; lists that do not
// exist are skipped) taken as spelt right. nullptr, with the reason, when no dictionary can be opened (or the
// program was built without Hunspell).
std::unique_ptr<SpellEngine>
openSpellEngine(const QLocale& locale, const QStringList& folders, const QStringList& wordLists, Problem* error);

} // namespace jotlet
