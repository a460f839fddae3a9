// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/chromebutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QStyle>

namespace jotlet {

ChromeButton::ChromeButton(QWidget* parent, const QString& objectName, const QString& accessibleName)
    : QAbstractButton(parent)
    , m_name(accessibleName)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
}

void ChromeButton::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void ChromeButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
    if (hasFocus()) {
        // A ring that shows on every note colour and at a glance, not the style's dotted hint.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
}

void ChromeButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            click();
        }
        break;
    case Qt::Key_Escape:
        emit leaveRequested();
        break;
    default:
        QAbstractButton::keyPressEvent(event); // Space presses, Tab moves on
    }
}

} // namespace jotlet
