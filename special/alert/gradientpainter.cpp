// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "special/alert/gradientpainter.h"

#include "support/colors.h"

#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath> // M_PI, which MinGW leaves out under -std=c++17

#include <cmath>

namespace jotlet {

namespace {

// Where the sweep starts, which way it moves and how many one-pixel steps it takes to cross the area.
struct Sweep
{
    QPointF lineStart; // the two ends of the first line
    QPointF lineEnd;
    QPointF step; // one pixel along x or y, towards the far side
    int lines = 0;
};

// Turns a point about the centre, counterclockwise on the screen, in single precision as the sweep is laid out.
QPointF rotated(float dx, float dy, const QPointF& centre, float degrees)
{
    const float a = float(degrees * M_PI / 180.0);
    return {dy * std::sin(a) + dx * std::cos(a) + float(centre.x()),
            float(centre.y()) - (dx * std::sin(a) - dy * std::cos(a))};
}

bool beyond(const QPointF& p, const QPointF& step, int width, int height)
{
    if (step.x() > 0) {
        return p.x() > width;
    }
    if (step.x() < 0) {
        return p.x() < 0;
    }
    return step.y() > 0 ? p.y() > height : p.y() < 0;
}

// A segment through the centre, perpendicular to the direction and long enough to cross the whole area, is put
// just outside one side and moved across one pixel at a time until both its ends are past the other side.
Sweep sweepAcross(int width, int height, float angle)
{
    const QPointF centre(width / 2, height / 2);
    const float longest = float(std::max(width, height));
    const float half = (std::sqrt(2.0F * longest * longest) + 2.0F) / 2.0F;
    const float turn = std::fmod(angle + 90.0F, 360.0F);
    const QPointF p0 = rotated(-half, 0, centre, turn);
    const QPointF p1 = rotated(half, 0, centre, turn);
    const bool steep = std::abs(p0.y() - p1.y()) >= std::abs(p0.x() - p1.x());
    const bool upper = angle <= 180.0F; // the first colour is at the bottom, or at the left or right
    const bool right = angle > 90.0F && angle <= 270.0F;
    QPointF offset;
    Sweep sweep;
    if (steep) {
        offset = {right ? width - std::min(p0.x(), p1.x()) : -std::max(p0.x(), p1.x()), 0};
        sweep.step = {right ? -1.0 : 1.0, 0};
    } else {
        offset = {0, upper ? height - std::min(p0.y(), p1.y()) : -std::max(p0.y(), p1.y())};
        sweep.step = {0, upper ? -1.0 : 1.0};
    }
    sweep.lineStart = QPointF(std::round(p0.x() + offset.x()), std::round(p0.y() + offset.y()));
    sweep.lineEnd = QPointF(std::round(p1.x() + offset.x()), std::round(p1.y() + offset.y()));
    QPointF a = sweep.lineStart;
    QPointF b = sweep.lineEnd;
    sweep.lines = 1;
    while (!(beyond(a, sweep.step, width, height) && beyond(b, sweep.step, width, height))) {
        a += sweep.step;
        b += sweep.step;
        ++sweep.lines;
    }
    return sweep;
}

} // namespace

void GradientPainter::setAngle(float degrees)
{
    m_angle = degrees - std::floor(degrees / 360.0F) * 360.0F;
    if (m_angle >= 360.0F) {
        m_angle = 0.0F; // a rounding remainder just below a whole turn
    }
}

quint32 GradientPainter::storedColor(quint32 value)
{
    constexpr quint32 kSystemColorCount = 25;
    if ((value & 0x80000000U) != 0 && (value & 0x7FFFFFFFU) < kSystemColorCount) {
        if (const std::optional<QColor> color = translateColor(value)) {
            return bgrFromColor(*color);
        }
    }
    return value;
}

bool GradientPainter::paint(QPainter& painter, const QRect& area) const
{
    if (area.width() <= 1 || area.height() <= 1) {
        return false;
    }
    const Sweep sweep = sweepAcross(area.width(), area.height(), m_angle);
    // The colour changes one step per line, and the lines run parallel to the first one: a linear gradient along
    // the first line's normal whose length is the distance the sweep covers in its lines.
    const QPointF along = sweep.lineEnd - sweep.lineStart;
    QPointF normal(-along.y(), along.x());
    normal /= std::hypot(normal.x(), normal.y());
    const double perLine = QPointF::dotProduct(sweep.step, normal);
    if (perLine < 0) {
        normal = -normal;
    }
    // A pixel's colour is taken at its centre; a line through whole coordinates lights the pixel to its lower right.
    const QPointF start = (sweep.lineStart + sweep.lineEnd) / 2 + QPointF(0.5, 0.5) + area.topLeft();
    QLinearGradient gradient(start, start + normal * std::abs(perLine) * sweep.lines);
    gradient.setColorAt(0, colorFromBgr(m_color1 & 0xFFFFFF));
    gradient.setColorAt(1, colorFromBgr(m_color2 & 0xFFFFFF));
    painter.fillRect(area, gradient);
    return true;
}

bool GradientPainter::paint(QPaintDevice& device) const
{
    QPainter painter(&device);
    return paint(painter, QRect(0, 0, device.width(), device.height()));
}

} // namespace jotlet
