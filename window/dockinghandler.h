#pragma once

#include <QPointer>
#include <QRect>

class QWidget;

namespace jotlet {

// Twips per pixel on each axis (15 at 96 dots per inch).
struct TwipsPerPixel
{
    double x = 15.0;
    double y = 15.0;
};

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

// Moves a note while the user drags its caption, icon or background, sticking to the edges of the work area of
// the screen the note is on.
class clsDockingHandler
{
public:
    clsDockingHandler();

    QWidget* ParentForm() const { return m_form; }
    void setParentForm(QWidget* form);
    int SnapDistance() const { return m_snapDistance; }
    void setSnapDistance(int twips) { m_snapDistance = twips; }

    // X and Y: the mouse in the pressed element's coordinates, in twips.
    void StartDockDrag(float X, float Y);
    void UpdateDockDrag(float X, float Y);

    const DockEdges& edges() const { return m_edges; }

private:
    QPointer<QWidget> m_form;
    int m_snapDistance;
    float m_sngStartX = 0;
    float m_sngStartY = 0;
    QRect m_WorkArea; // twips
    DockEdges m_edges;
};

// The twips per pixel of the screen the widget is on (of the primary screen when it has none).
TwipsPerPixel twipsPerPixel(const QWidget* widget = nullptr);

} // namespace jotlet
