// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

namespace jotlet {

// Qt's printing (the printer, its dialog, a document's pages on paper), in the module "jotlet-print"
// (support/modules.h), so that Qt Print Support is loaded with the first print, not with every start.
inline constexpr char kPrintModule[] = "jotlet-print";

// The program's current printer: the one chosen in the last confirmed print dialog, kept for the rest of the run.
using CurrentPrinter = QPrinter* (*)();
inline constexpr char kCurrentPrinter[] = "jotletCurrentPrinter";

// Qt's print dialog for the printer, over owner and above every window; true when confirmed.
using PrinterDialog = bool (*)(QPrinter* printer, QWidget* owner);
inline constexpr char kPrinterDialog[] = "jotletPrinterDialog";

// Prints rich text as it looks, page after page, on the current printer as one document named docName: laid out at
// the printer's resolution inside the margins (twips, measured from the paper's edges whatever the printer cannot
// print on), with its fonts, colours and paragraph formats; the text wraps at the right margin. An empty text prints
// one blank page. The document is laid out anew for the printer (pass a copy whose pictures are decoded). False, with
// the reason, when the printer fails on the way: then nothing half printed is sent, and a file the document was
// printing to that was not there before is removed.
using PrintPages = bool (*)(QTextDocument* pages, const QString& docName, const QMarginsF& marginTwips, QString* error);
inline constexpr char kPrintPages[] = "jotletPrintPages";

} // namespace jotlet
