#include "window/dockinghandler.h"

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
    if (widget && widget->screen()) {
        return widget->screen();
    }
    return QGuiApplication::primaryScreen();
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

TwipsPerPixel twipsPerPixel(const QWidget* widget)
{
    const QScreen* screen = screenOf(widget);
    if (!screen) {
        return {};
    }
    return {1440.0 / screen->logicalDotsPerInchX(), 1440.0 / screen->logicalDotsPerInchY()};
}

clsDockingHandler::clsDockingHandler()
    : m_snapDistance(int(std::lround(10 * twipsPerPixel().x)))
{
}

void clsDockingHandler::setParentForm(QWidget* form)
{
    m_form = form;
}

void clsDockingHandler::StartDockDrag(float X, float Y)
{
    const QScreen* screen = screenOf(m_form);
    const TwipsPerPixel tpp = twipsPerPixel(m_form);
    if (screen) {
        const QRect px = screen->availableGeometry();
        m_WorkArea = QRect(int(std::lround(px.left() * tpp.x)),
                           int(std::lround(px.top() * tpp.y)),
                           int(std::lround(px.width() * tpp.x)),
                           int(std::lround(px.height() * tpp.y)));
    }
    m_sngStartX = X;
    m_sngStartY = Y;
}

void clsDockingHandler::UpdateDockDrag(float X, float Y)
{
    if (!m_form) {
        return;
    }
    DockStep step;
    step.dx = int(std::nearbyint(X - m_sngStartX));
    step.dy = int(std::nearbyint(Y - m_sngStartY));
    if (step.dx == 0 && step.dy == 0) {
        return;
    }
    const TwipsPerPixel tpp = twipsPerPixel(m_form);
    const QRect px = m_form->frameGeometry();
    step.window = QRect(int(std::lround(px.left() * tpp.x)),
                        int(std::lround(px.top() * tpp.y)),
                        int(std::lround(px.width() * tpp.x)),
                        int(std::lround(px.height() * tpp.y)));
    step.workArea = m_WorkArea;
    const QPoint twips = dockPosition(step, m_snapDistance, &m_edges);
    m_form->move(int(std::lround(twips.x() / tpp.x)), int(std::lround(twips.y() / tpp.y)));
}

} // namespace jotlet
