// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/noteprinter.h"

#include "rtf/pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
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

} // namespace

bool printRichText(
    const QTextDocument& text, QPrinter& printer, QPainter& painter, const QMarginsF& marginTwips, QString* error)
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
    const std::unique_ptr<QTextDocument> pages(text.clone());
    copyPictures(text, pages.get());
    decodePicturesNow(pages.get());                    // drawn at once: none is left to be decoded on another thread
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

} // namespace jotlet
