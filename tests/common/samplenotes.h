// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stored note for tests: one paragraph of text, a colour, and a place and size in twips.
#include "notes/noterecord.h"

#include <QRect>

inline jotlet::NoteRecord sampleNote(const QString& text,
                                     const QString& color = QStringLiteral("yellow"),
                                     const QRect& twips = QRect(1500, 1500, 3000, 2500))
{
    jotlet::NoteRecord note;
    note.color = color;
    note.data = QStringLiteral("{\\rtf1\\ansi %1\\par\r\n}").arg(text);
    note.timeDate = QStringLiteral("12/6/2026 3:04:05 PM");
    note.left = twips.left();
    note.top = twips.top();
    note.width = twips.width();
    note.height = twips.height();
    return note;
}
