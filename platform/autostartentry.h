// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace jotlet {

// The desktop entry that starts a program when the user logs on (XDG autostart).
QString autostartEntryText(const QString& name, const QString& program);

// The program path of an autostart entry's Exec line; empty when there is none.
QString autostartEntryProgram(const QString& entryText);

// One argument quoted for an Exec line as the desktop entry rules ask.
QString quoteExecArgument(const QString& argument);

} // namespace jotlet
