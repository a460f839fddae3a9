// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/currentprinter.h"

#include "dialogs/printmodule.h"
#include "support/modules.h"

namespace jotlet {

QPrinter* currentPrinter()
{
    const auto printer = moduleFunction<CurrentPrinter>(kPrintModule, kCurrentPrinter);
    return printer ? printer() : nullptr;
}

} // namespace jotlet
