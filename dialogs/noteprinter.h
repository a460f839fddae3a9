// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QString>

class QPainter;
class QPrinter;
class QTextDocument;

namespace jotlet {

// Prints rich text as it looks, page after page, on a printer whose painter is open: laid out at the printer's
// resolution inside the margins (twips, measured from the paper's edges whatever the printer cannot print on), with
// its fonts, colours and paragraph formats; the text wraps at the right margin. An empty text prints one blank page.
// The document is not changed. False, with the reason, when the printer fails on the way.
bool printRichText(
    const QTextDocument& text, QPrinter& printer, QPainter& painter, const QMarginsF& marginTwips, QString* error);

} // namespace jotlet
