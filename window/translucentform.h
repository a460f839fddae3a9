#pragma once

#include <QPointer>

class QWidget;

namespace jotlet {

// Makes one top-level window translucent while the object lives; releasing it (or moving it to another window)
// makes the window opaque again. Alpha mode sets the window's opacity. Colour-key mode (one colour see-through)
// has no portable counterpart: it is kept as state and shows the window opaque.
class CTranslucentForm
{
public:
    enum Mode { Off = 0, ColorKeyMode = 1, AlphaMode = 2 };

    CTranslucentForm();
    ~CTranslucentForm();
    CTranslucentForm(const CTranslucentForm&) = delete;
    CTranslucentForm& operator=(const CTranslucentForm&) = delete;

    // False where the platform cannot set a window's opacity.
    bool Supported() const { return m_supported; }

    QWidget* hWnd() const { return m_window; }
    void setHWnd(QWidget* window);
    int Mode() const { return m_mode; }
    void setMode(int mode);
    int Alpha() const { return m_alpha; }
    void setAlpha(int alpha);
    long ColorKey() const { return m_colorKey; }
    void setColorKey(long color);

private:
    void removeLayered(QWidget* window);
    void applyLayered();

    bool m_supported;
    QPointer<QWidget> m_window;
    int m_mode = AlphaMode;
    int m_alpha = 255;
    long m_colorKey = 0x8000000FL;
};

// True when the running platform can make windows translucent.
bool windowOpacitySupported();

} // namespace jotlet
