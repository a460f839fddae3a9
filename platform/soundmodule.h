// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace jotlet {

// Plays the alert through libcanberra, the desktop's event sound service: the sound theme's "alarm-clock-elapsed",
// or the file chimeFile() names where the theme has none. Returns nullptr when it played, otherwise the sound
// service's reason, with *opened false when the service itself could not be reached. Blocks until
// the sound service answers: call it from a thread of its own. In the module "jotlet-sound" (support/modules.h), so
// that the sound libraries are loaded with the first alert.
using PlayAlert = const char* (*)(QByteArray (*chimeFile)(), bool* opened);
inline constexpr char kPlayAlert[] = "jotletPlayAlert";

} // namespace jotlet
