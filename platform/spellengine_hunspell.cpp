// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Spelling through Hunspell (in the module spellmodule.cpp) and the dictionaries the system has.
#include "platform/spellengine.h"

#include "support/modules.h"

#include <QFile>

namespace jotlet {

std::unique_ptr<SpellEngine>
openSpellEngine(const QLocale& locale, const QStringList& folders, const QStringList& wordLists, Problem* error)
{
    const QString dictionary = findDictionary(locale, folders);
    if (dictionary.isEmpty()) {
        *error = Problem(
            QT_TRANSLATE_NOOP("Problem", "no spelling dictionary was found for %1 or for en_US (looked in %2)"),
            {locale.name(), folders.join(QStringLiteral(", "))});
        return nullptr;
    }
    using OpenHunspell = SpellEngine* (*)(const QString& dictionary);
    const auto open = moduleFunction<OpenHunspell>("jotlet-spell", "jotletOpenHunspell");
    if (!open) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "the program's spelling module is missing"));
        return nullptr;
    }
    std::unique_ptr<SpellEngine> engine(open(dictionary));
    if (engine->suggestions(QStringLiteral("teh")).isEmpty() && !engine->isCorrect(QStringLiteral("a"))) {
        *error = Problem(QT_TRANSLATE_NOOP("Problem", "the dictionary '%1' could not be read"), {dictionary});
        return nullptr;
    }
    for (const QString& list : wordLists) {
        QFile file(list);
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const QString word = QString::fromUtf8(line).trimmed();
                if (!word.isEmpty()) {
                    engine->accept(word);
                }
            }
        }
    }
    return engine;
}

} // namespace jotlet
