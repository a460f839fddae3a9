// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of a PDF file with their boxes in points, as poppler's pdftotext -bbox gives them.
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

struct PdfWord
{
    int page = 0; // from 0
    QRectF box;   // points from the paper's top-left corner
    QString text;
};

struct PdfText
{
    QList<QSizeF> pages; // each page's size in points
    QList<PdfWord> words;
};

inline PdfText readPdfText(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    tool.waitForFinished(30000);
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfText text;
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (!m.captured(1).isEmpty()) {
            text.pages << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
            continue;
        }
        const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
        const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
        text.words << PdfWord {int(text.pages.size()) - 1, QRectF(topLeft, bottomRight), m.captured(7)};
    }
    return text;
}
