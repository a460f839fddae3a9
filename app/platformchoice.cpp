// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platformchoice.h"

namespace jotlet {

bool isWaylandSession(const QProcessEnvironment& environment)
{
    return !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()
           || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
}

QString chosenPlatform(const QProcessEnvironment& environment, const QStringList& arguments)
{
    const bool waylandSession = isWaylandSession(environment);
    const bool userChose = !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty()
                           || arguments.contains(QStringLiteral("-platform"))
                           || arguments.contains(QStringLiteral("--platform"));
    const bool xwayland = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    return waylandSession && !userChose && xwayland ? QStringLiteral("xcb") : QString();
}

} // namespace jotlet
