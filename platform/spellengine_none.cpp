// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Built without Hunspell: there is nothing to check spelling with.
#include "platform/spellengine.h"

namespace jotlet {

std::unique_ptr<SpellEngine> openSpellEngine(const QLocale&, const QStringList&, const QStringList&, Problem* error)
{
    *error = Problem(QT_TRANSLATE_NOOP("Problem", "this build of the program has no spelling checker"));
    return nullptr;
}

} // namespace jotlet
