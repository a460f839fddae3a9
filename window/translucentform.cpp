#include "window/translucentform.h"

#include <QGuiApplication>
#include <QWidget>

namespace jotlet {

bool windowOpacitySupported()
{
    // The offscreen platform (tests) and some Wayland compositors cannot; X11 and Windows can.
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows");
}

CTranslucentForm::CTranslucentForm()
    : m_supported(windowOpacitySupported())
{
}

CTranslucentForm::~CTranslucentForm()
{
    removeLayered(m_window);
}

void CTranslucentForm::removeLayered(QWidget* window)
{
    if (window) {
        window->setWindowOpacity(1.0);
    }
}

void CTranslucentForm::applyLayered()
{
    if (!m_window || m_mode == Off) {
        return;
    }
    m_window->setWindowOpacity(m_mode == AlphaMode ? m_alpha / 255.0 : 1.0);
}

void CTranslucentForm::setHWnd(QWidget* window)
{
    if (!m_supported) {
        return;
    }
    removeLayered(m_window);
    m_window = window;
    m_alpha = 255;
    removeLayered(m_window);
}

void CTranslucentForm::setMode(int mode)
{
    if (mode == Off) {
        m_mode = Off;
        removeLayered(m_window);
    } else if (mode == ColorKeyMode || mode == AlphaMode) {
        m_mode = mode;
        applyLayered();
    }
}

void CTranslucentForm::setAlpha(int alpha)
{
    if (!m_supported || m_mode < 0) {
        return;
    }
    if (m_mode != AlphaMode) {
        // Switching to alpha mode applies the level already held; the next call applies the new one.
        m_mode = AlphaMode;
        applyLayered();
        return;
    }
    if (!m_window) {
        return; // nothing to apply it to, so nothing is stored
    }
    m_alpha = qBound(0, alpha, 255);
    applyLayered();
}

void CTranslucentForm::setColorKey(long color)
{
    if (!m_supported) {
        return;
    }
    m_colorKey = color;
    if (m_mode != ColorKeyMode) {
        m_mode = ColorKeyMode;
    }
    applyLayered();
}

} // namespace jotlet
