// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

namespace jotlet {

// How a note is drawn: the paper (its colour, or the dark variant of it), the ink its text has where the RTF stores
// no colour, and the colour links are shown in. Whatever the desktop's palette, the ink contrasts with the paper.
struct NotePaint
{
    QColor paper;
    QColor ink;
    QColor link;
    bool dark = false;
};

NotePaint notePaint(const QColor& noteColor, bool dark);

// The contrast ratio of two colours as accessibility guidelines define it: 1 (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The colour text stored in this colour is drawn in: as stored where it can be read on the paper, the ink where it
// cannot (black text of a light note shown on its dark variant).
QColor legibleColor(const QColor& stored, const NotePaint& look);

// The look a note keeps in its file: follow the program's setting, or a choice of its own.
inline const QString kLookDark = QStringLiteral("Dark");
inline const QString kLookLight = QStringLiteral("Light");
inline const QString kLookDesktop = QStringLiteral("Desktop"); // the program's setting only

// Whether notes without a choice of their own are dark: the "NoteLook" setting ("Light", "Dark", or "Desktop" for
// the desktop's preference).
bool notesDarkByDefault();

// Whether a note with this stored choice ("" follows the program) is dark.
bool isDarkLook(const QString& choice);

} // namespace jotlet
