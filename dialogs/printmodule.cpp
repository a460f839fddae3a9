// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The module "jotlet-print": Qt Print Support's side of printing a note.
#include "dialogs/printmodule.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <memory>

namespace jotlet {

namespace {

constexpr double kTwipsPerInch = 1440.0;

bool printerFailed(const QPrinter& printer, const QPainter& painter, QString* error)
{
    if (printer.printerState() == QPrinter::Error || !painter.isActive()) {
        *error = QStringLiteral("The printer stopped with an error");
        return true;
    }
    return false;
}

QPrinter& printer()
{
    static QPrinter* current = new QPrinter(QPrinter::HighResolution); // kept until the program ends
    return *current;
}

bool drawPages(QTextDocument* pages, QPrinter& printer, QPainter& painter, const QMarginsF& marginTwips, QString* error)
{
    // The painter's origin is the paper's corner (a full-page printer), so margins count from the paper's edges.
    const double dotsPerTwip = printer.resolution() / kTwipsPerInch;
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    const QRectF area = paper.adjusted(marginTwips.left() * dotsPerTwip,
                                       marginTwips.top() * dotsPerTwip,
                                       -marginTwips.right() * dotsPerTwip,
                                       -marginTwips.bottom() * dotsPerTwip);
    if (area.width() <= 0 || area.height() <= 0) {
        *error = QStringLiteral("The margins leave no room on the paper");
        return false;
    }
    pages->documentLayout()->setPaintDevice(&printer); // laid out with the printer's own font metrics
    pages->setDocumentMargin(0);
    pages->setPageSize(area.size()); // lines that would cross the foot of a page move to the next one
    const int count = std::max(1, pages->pageCount());
    for (int page = 0; page < count; ++page) {
        if (page > 0 && !printer.newPage()) {
            *error = QStringLiteral("The printer could not start page %1").arg(page + 1);
            return false;
        }
        const QRectF shown(0, page * area.height(), area.width(), area.height());
        painter.save();
        painter.translate(area.left(), area.top() - shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        // Only what lies on this page is drawn: a paragraph that starts at the foot of a page, rounded a hair above
        // it, belongs to the next one.
        context.clip = shown.adjusted(0, 1, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();
        if (printerFailed(printer, painter, error)) {
            return false;
        }
    }
    return true;
}

} // namespace

} // namespace jotlet

extern "C" Q_DECL_EXPORT QPrinter* jotletCurrentPrinter()
{
    return &jotlet::printer();
}

extern "C" Q_DECL_EXPORT bool jotletPrinterDialog(QPrinter* printer, QWidget* owner)
{
    QPrintDialog dialog(printer, owner);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true); // a note kept on top never covers it
    return dialog.exec() == QDialog::Accepted;
}

extern "C" Q_DECL_EXPORT bool
jotletPrintPages(QTextDocument* pages, const QString& docName, const QMarginsF& marginTwips, QString* error)
{
    QPrinter& printer = jotlet::printer();
    printer.setFullPage(true); // margins count from the paper's edges
    printer.setDocName(docName);
    const QString output = printer.outputFileName();
    const bool outputExisted = !output.isEmpty() && QFile::exists(output);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("The printer could not start a document");
        return false;
    }
    const bool printed = jotlet::drawPages(pages, printer, painter, marginTwips, error);
    if (!printed) {
        printer.abort(); // nothing half printed goes to the printer
    }
    painter.end();
    // A discarded document printed to a file must not leave a file behind that was not there before.
    if (!printed && !output.isEmpty() && !outputExisted) {
        QFile::remove(output);
    }
    return printed;
}
