// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

class QWidget;

namespace jotlet {

// Makes one top-level window translucent while the object lives; when it goes, the window is opaque again.
class Translucency
{
public:
    // alpha: 0 (invisible) to 255 (opaque).
    Translucency(QWidget* window, int alpha);
    ~Translucency();
    Translucency(const Translucency&) = delete;
    Translucency& operator=(const Translucency&) = delete;

    int alpha() const { return m_alpha; }
    void setAlpha(int alpha);

    // False where the platform cannot set a window's opacity (the offscreen platform of the tests).
    static bool isSupported();
    // Whether the user would see it now: on X11 only while a compositing manager runs.
    static bool isAvailable();

private:
    QPointer<QWidget> m_window;
    int m_alpha;
};

} // namespace jotlet
