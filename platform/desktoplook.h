// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace jotlet {

// Whether the desktop prefers dark windows, as its settings portal says (org.freedesktop.appearance color-scheme:
// 1 prefers dark), followed while the program runs. Desktops without the portal say nothing: no preference. The
// "NoteLook" setting changing is told through the same signal.
class DesktopLook : public QObject
{
    Q_OBJECT

public:
    static DesktopLook& instance();

    bool prefersDark() const { return m_prefersDark; }
    // Asks the portal (once; answers arrive later through changed()).
    void start();
    // The program's look setting changed: every note looks again.
    void tellChanged() { emit changed(); }

    // The portal's color-scheme value: 0 no preference, 1 dark, 2 light.
    void takeScheme(uint scheme);

signals:
    void changed();

private:
    using QObject::QObject;
    void askPortal();

    bool m_prefersDark = false;
    bool m_started = false;
};

} // namespace jotlet
