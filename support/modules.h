// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>

namespace jotlet {

// Parts of the program that bring large libraries with them (reading mail messages, the desktop's sound service) are
// built as modules and loaded the first time they are needed, so that a start pays only for what it shows.
//
// The function `symbol` of the module `name` ("jotlet-mime"), or nullptr when the module cannot be loaded or lacks it;
// the reason goes to the log once per module. Modules are looked for in $JOTLET_MODULE_DIR, in "modules" beside the
// program (a build tree), in the folder they are installed to as seen from the program's (an installed tree moved
// elsewhere), then in that folder itself. A module, once loaded, stays for the program's life; any thread may ask.
QFunctionPointer moduleFunction(const char* name, const char* symbol);

template <typename Function>
Function moduleFunction(const char* name, const char* symbol)
{
    return reinterpret_cast<Function>(moduleFunction(name, symbol));
}

} // namespace jotlet
