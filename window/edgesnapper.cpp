// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/edgesnapper.h"

#include "note/screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace jotlet {

namespace {

// One edge: stuck edges hold or come loose; free ones snap when close enough. Returns the new coordinate.
int edgeRule(bool& stuck, int distance, int snapDistance, int current, int candidate, int snapped)
{
    if (stuck) {
        if (std::abs(distance) > snapDistance) {
            stuck = false;
            return candidate;
        }
        return current;
    }
    if (std::abs(distance) <= snapDistance) {
        stuck = true;
        return snapped;
    }
    return candidate;
}

QScreen* screenOf(const QWidget* widget)
{
    return widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
}

QPointF inTwips(const QPointF& pixels, const TwipsPerPixel& perPixel)
{
    return {pixels.x() * perPixel.x, pixels.y() * perPixel.y};
}

} // namespace

QPoint dockPosition(const DockStep& step, int snapDistance, DockEdges* edges)
{
    const QRect& w = step.window;
    const QRect& area = step.workArea;
    int newLeft = w.left() + step.dx;
    int newTop = w.top() + step.dy;
    // Work-area right and bottom are exclusive edges here: left + width.
    const int areaRight = area.left() + area.width();
    const int areaBottom = area.top() + area.height();
    const int distRight = areaRight - (w.width() + newLeft);
    const int distLeft = newLeft - area.left();
    const int distBottom = areaBottom - (w.height() + newTop);
    const int distTop = newTop - area.top();

    newTop = edgeRule(edges->bottom, distBottom, snapDistance, w.top(), newTop, areaBottom - w.height());
    newTop = edgeRule(edges->top, distTop, snapDistance, w.top(), newTop, area.top());
    newLeft = edgeRule(edges->right, distRight, snapDistance, w.left(), newLeft, areaRight - w.width());
    newLeft = edgeRule(edges->left, distLeft, snapDistance, w.left(), newLeft, area.left());
    return {newLeft, newTop};
}

EdgeSnapper::EdgeSnapper(QWidget* window, int snapPixels)
    : m_window(window)
    , m_snapDistance(int(std::lround(snapPixels * twipsPerPixel(screenOf(window)).x)))
{
}

void DragPlan::start(const QRect& window, const QPoint& pointer, const QRect& workArea)
{
    m_pressWindow = window;
    m_placed = window;
    m_pressPointer = pointer;
    m_workArea = workArea;
}

QPoint DragPlan::placeFor(const QPoint& pointer, int snapDistance, DockEdges* edges)
{
    const QPoint target = m_pressWindow.topLeft() + (pointer - m_pressPointer);
    DockStep step;
    step.window = m_placed;
    step.workArea = m_workArea;
    step.dx = target.x() - m_placed.left();
    step.dy = target.y() - m_placed.top();
    if (step.dx == 0 && step.dy == 0) {
        return m_placed.topLeft();
    }
    m_placed.moveTopLeft(dockPosition(step, snapDistance, edges));
    return m_placed.topLeft();
}

void EdgeSnapper::startDrag(const QPointF& globalPointer)
{
    const QScreen* screen = screenOf(m_window);
    const TwipsPerPixel perPixel = twipsPerPixel(screen);
    const QRect workArea = screen ? toTwips(screen->availableGeometry(), perPixel) : QRect();
    const QRect window = m_window ? toTwips(m_window->frameGeometry(), perPixel) : QRect();
    m_plan.start(window, inTwips(globalPointer, perPixel).toPoint(), workArea);
}

void EdgeSnapper::dragTo(const QPointF& globalPointer)
{
    if (!m_window) {
        return;
    }
    const TwipsPerPixel perPixel = twipsPerPixel(screenOf(m_window));
    const QPoint place = m_plan.placeFor(inTwips(globalPointer, perPixel).toPoint(), m_snapDistance, &m_edges);
    const QPoint pixels(int(std::lround(place.x() / perPixel.x)), int(std::lround(place.y() / perPixel.y)));
    if (pixels != m_window->pos()) {
        m_window->move(pixels);
    }
}

} // namespace jotlet
