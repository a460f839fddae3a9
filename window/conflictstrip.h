// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "note/notestorage.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace jotlet {

// The foot of a conflict note: what happened, in plain words, and the three choices as buttons, where the user
// looks (the same choices are in the note's menu). Reached with Tab like the note's other buttons; a screen reader
// reads the words as the strip's description.
class ConflictStrip : public QFrame
{
    Q_OBJECT

public:
    explicit ConflictStrip(QWidget* parent);
    void setText(const QString& text);
    // The height it needs at a width, in pixels.
    int neededHeight(int width) const;
    QPushButton* button(ConflictChoice choice) const;

signals:
    void chosen(ConflictChoice choice);

private:
    QLabel* m_text;
    QPushButton* m_buttons[3];
};

} // namespace jotlet
