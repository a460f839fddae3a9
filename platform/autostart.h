// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace jotlet {

// Starting the program at the next log-on, after a session ended with notes open. On Linux an XDG autostart entry
// ($XDG_CONFIG_HOME/autostart/jotlet.desktop) whose Exec is the running executable; on Windows the value "Jotlet"
// under HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run.

// The running executable's absolute path, as the entry records it.
QString autostartProgramPath();

// Registers the program; a failure is logged as "modMain: RunAtStartUp" and gives false.
bool registerAutostart();

// Removes the registration; every failure is swallowed.
void removeAutostart();

// The program the registration starts; empty when there is none.
QString registeredAutostartProgram();

} // namespace jotlet
