// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPrinter;

namespace jotlet {

// The program's current printer: the one chosen in the last confirmed print dialog, kept for the rest of the run.
// nullptr when the program's printing module (dialogs/printmodule.h) is missing.
QPrinter* currentPrinter();

} // namespace jotlet
