// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/dialogresponder.h"
#include "note/printing.h"

namespace jotlet {

// Qt's dialogs and printer: each dialog over the window that asked and above every note; printing on the printer
// chosen in the print dialog.
DialogResponder& qtDialogResponder();
NotePrinting& qtNotePrinting();

// Makes them the program's (at start, and in tests of the real dialogs).
void installQtDialogs();

} // namespace jotlet
