// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/printing.h"

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

NotePrinting* g_installed = nullptr;

} // namespace

NotePrinting& notePrinting()
{
    static NoPrinting none;
    return g_installed ? *g_installed : none;
}

void setNotePrinting(NotePrinting* printing)
{
    g_installed = printing;
}

} // namespace jotlet
