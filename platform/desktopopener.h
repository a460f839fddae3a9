// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/problem.h"

#include <QString>

#include <functional>

namespace jotlet {

// Hands an address ("https://...", "mailto:...") or a file's URL to the program the desktop has for it: the browser,
// the mail program. Opening goes on in the background; when the desktop has no program for it, or the program
// could not be started, failed hears the reason (now or a moment later).
class DesktopOpener
{
public:
    using Failed = std::function<void(const Problem& reason)>;
    virtual ~DesktopOpener() = default;
    // target is handed over exactly as it is (an encoded URL).
    virtual void open(const QString& target, Failed failed) = 0;
};

// The opener in use: the desktop's (xdg-open on Linux, the shell on Windows) unless one was installed.
DesktopOpener& desktopOpener();
// Installs an opener (not owned; tests) or, with nullptr, goes back to the desktop's.
void setDesktopOpener(DesktopOpener* opener);

} // namespace jotlet
