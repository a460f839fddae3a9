// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QPointer>
#include <QRect>

class QWidget;

namespace jotlet {

// The snapping of one drag step, without a window: everything in twips.
struct DockStep
{
    QRect window;   // where the window is (left, top, width, height)
    QRect workArea; // the screen's work area
    int dx = 0;     // how far the mouse moved since the drag started, rounded
    int dy = 0;
};

struct DockEdges
{
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

// Where the window goes for one drag step, updating which edges are stuck. The bottom and top edges are tested
// before the right and left ones, and a later test overrides an earlier one: close to both top and bottom the
// window goes to the top, close to both sides to the left. An edge snaps at snapDistance or closer and comes loose
// only beyond it; while stuck, the window does not move along that axis.
QPoint dockPosition(const DockStep& step, int snapDistance, DockEdges* edges);

// One drag of a window, without a window: each place comes from where the window was when the press started and
// how far the pointer has moved since (both in twips, screen coordinates), never from where the window was last
// asked to go, so a window system that refuses or delays moves cannot make the places compound. Snapping follows
// dockPosition() from the place last given.
class DragPlan
{
public:
    void start(const QRect& window, const QPoint& pointer, const QRect& workArea);
    // Where the window goes with the pointer here; the same place again when the pointer has not moved.
    QPoint placeFor(const QPoint& pointer, int snapDistance, DockEdges* edges);

private:
    QRect m_pressWindow;
    QPoint m_pressPointer;
    QRect m_placed;
    QRect m_workArea;
};

// Moves a window while the user drags it by its caption, icon or background, sticking to the edges of the work
// area of the screen it is on. Edges stuck at the end of one drag are still stuck at the start of the next.
class EdgeSnapper
{
public:
    // The window and how close an edge must come to snap, in pixels.
    explicit EdgeSnapper(QWidget* window, int snapPixels = 20);

    int snapDistance() const { return m_snapDistance; } // twips

    // The pointer on the screen, in pixels.
    void startDrag(const QPointF& globalPointer);
    void dragTo(const QPointF& globalPointer);

    const DockEdges& edges() const { return m_edges; }

private:
    QPointer<QWidget> m_window;
    int m_snapDistance;
    DragPlan m_plan;
    DockEdges m_edges;
};

} // namespace jotlet
