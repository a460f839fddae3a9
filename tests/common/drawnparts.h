// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts a note window draws itself (its title, sub-caption and resize grip), found as a screen reader finds
// them: among the window's accessible children, by name.
#include <QAccessible>
#include <QWidget>

inline QAccessibleInterface* drawnPart(QWidget* window, const QString& name)
{
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; note && i < note->childCount(); ++i) {
        QAccessibleInterface* part = note->child(i);
        if (part && part->text(QAccessible::Name) == name) {
            return part;
        }
    }
    return nullptr;
}

// What the part shows ("Note title": the whole title; "Note caption": the sub-caption).
inline QString drawnText(QWidget* window, const QString& name)
{
    QAccessibleInterface* part = drawnPart(window, name);
    return part ? part->text(QAccessible::Value) : QStringLiteral("<no part named %1>").arg(name);
}

// The middle of the part on the screen.
inline QPoint drawnCentre(QWidget* window, const QString& name)
{
    QAccessibleInterface* part = drawnPart(window, name);
    return part ? part->rect().center() : QPoint();
}
