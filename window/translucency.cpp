#include "window/translucency.h"

#include <QGuiApplication>
#include <QWidget>

namespace jotlet {

bool Translucency::isSupported()
{
    // The offscreen platform and some Wayland compositors cannot; X11 and Windows can.
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows");
}

Translucency::Translucency(QWidget* window, int alpha)
    : m_window(window)
    , m_alpha(255)
{
    setAlpha(alpha);
}

Translucency::~Translucency()
{
    if (m_window && isSupported()) {
        m_window->setWindowOpacity(1.0);
    }
}

void Translucency::setAlpha(int alpha)
{
    m_alpha = qBound(0, alpha, 255);
    if (m_window && isSupported()) {
        m_window->setWindowOpacity(m_alpha / 255.0);
    }
}

} // namespace jotlet
