// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/printing.h"
#include "support/replaceable.h"

namespace jotlet {

namespace {

class NoPrinting : public NotePrinting
{
public:
    Result print(const QTextDocument&, QObject*, QString* error) override
    {
        *error = QStringLiteral("no printing is set up");
        return Result::Failed;
    }
};

Replaceable<NotePrinting> g_printing;

} // namespace

NotePrinting& notePrinting()
{
    static NoPrinting none;
    return g_printing.orElse(none);
}

void setNotePrinting(NotePrinting* printing)
{
    g_printing.install(printing);
}

} // namespace jotlet
