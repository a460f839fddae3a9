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

// Moves a window while the user drags it by its caption, icon or background, sticking to the edges of the work
// area of the screen it is on. Edges stuck at the end of one drag are still stuck at the start of the next.
class EdgeSnapper
{
public:
    // The window and how close an edge must come to snap, in pixels.
    explicit EdgeSnapper(QWidget* window, int snapPixels = 20);

    int snapDistance() const { return m_snapDistance; } // twips

    // The mouse in the pressed element's coordinates, in pixels (the element moves with the window).
    void startDrag(const QPointF& at);
    void dragTo(const QPointF& at);

    const DockEdges& edges() const { return m_edges; }

private:
    QPointer<QWidget> m_window;
    int m_snapDistance;
    QPointF m_start;  // twips
    QRect m_workArea; // twips
    DockEdges m_edges;
};

} // namespace jotlet
