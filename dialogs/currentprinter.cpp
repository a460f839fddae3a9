// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/currentprinter.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace jotlet {

namespace {

struct PrinterState
{
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
    bool outputFileExisted = false; // a PDF file that was there before the document began
};

PrinterState& state()
{
    static PrinterState s;
    return s;
}

} // namespace

QPrinter& currentPrinter()
{
    PrinterState& s = state();
    if (!s.printer) {
        s.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *s.printer;
}

QPainter* currentPrintPainter()
{
    PrinterState& s = state();
    if (!s.painter) {
        const QString output = currentPrinter().outputFileName();
        s.outputFileExisted = !output.isEmpty() && QFile::exists(output);
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&currentPrinter())) {
            return nullptr;
        }
        s.painter = std::move(painter);
    }
    return s.painter.get();
}

void endCurrentPrintDocument(bool print)
{
    PrinterState& s = state();
    if (!s.painter) {
        return;
    }
    QPrinter& printer = currentPrinter();
    if (!print) {
        printer.abort();
    }
    s.painter->end();
    s.painter.reset();
    // A discarded document printed to a file must not leave a file behind that was not there before.
    if (!print && !printer.outputFileName().isEmpty() && !s.outputFileExisted) {
        QFile::remove(printer.outputFileName());
    }
}

} // namespace jotlet
