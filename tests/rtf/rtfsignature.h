// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a reader must get back of a document: per character its text and the attributes the
// program can set, per paragraph its alignment, indents and list style.
#include "rtf/format.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

inline QStringList documentSignature(const QTextDocument& doc)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        const int listStyle = block.textList() ? block.textList()->format().style() : 0;
        // Where the text stands: a list indents by its level, or by the item's own margin.
        const qreal indent
            = bf.leftMargin() + (block.textList() ? block.textList()->format().indent() * doc.indentWidth() : 0);
        lines << QStringLiteral("P align=%1 li=%2 ri=%3 fi=%4 list=%5")
                     .arg(int(bf.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(qRound(indent * jotlet::kTwipsPerPixel))
                     .arg(qRound(bf.rightMargin() * jotlet::kTwipsPerPixel))
                     .arg(qRound(bf.textIndent() * jotlet::kTwipsPerPixel))
                     .arg(listStyle);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QStringList families = f.fontFamilies().toStringList();
            const QString family = families.isEmpty() ? doc.defaultFont().family() : families.first();
            const qreal size
                = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : doc.defaultFont().pointSizeF();
            const QString attrs
                = QStringLiteral("b=%1 i=%2 u=%3 s=%4 size=%5 fg=%6 bg=%7 font=%8 v=%9")
                      .arg(f.fontWeight() > QFont::Medium)
                      .arg(f.fontItalic())
                      .arg(f.fontUnderline())
                      .arg(f.fontStrikeOut())
                      .arg(size)
                      .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : QString())
                      .arg(f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color().name() : QString())
                      .arg(family)
                      .arg(int(f.verticalAlignment()));
            for (const QChar ch : it.fragment().text()) {
                lines << QString(ch) + QLatin1Char(' ') + attrs;
            }
        }
    }
    return lines;
}
