// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QPrinter;

namespace jotlet {

// The program's current printer: the one chosen in the last confirmed print dialog, kept for the rest of the run.
QPrinter& currentPrinter();

// The painter of the current printer's open document; the document starts on first use.
// Returns nullptr when the printer cannot start a document.
QPainter* currentPrintPainter();

// Ends the open document so that it prints, or discards it. Does nothing when no document is open.
void endCurrentPrintDocument(bool print);

} // namespace jotlet
