// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platformchoice.h"

namespace jotlet {

QString chosenPlatform(const QProcessEnvironment& environment, const QStringList& arguments)
{
    const bool waylandSession = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()
                                || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    const bool userChose = !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty()
                           || arguments.contains(QStringLiteral("-platform"))
                           || arguments.contains(QStringLiteral("--platform"));
    const bool xwayland = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    return waylandSession && !userChose && xwayland ? QStringLiteral("xcb") : QString();
}

} // namespace jotlet
