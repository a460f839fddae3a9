// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <memory>

namespace jotlet {

// The short sound of an alert. play() starts it and returns at once; without a sound service or a device it is
// silent, and it never holds up the caller.
class AlertSound
{
public:
    virtual ~AlertSound() = default;
    virtual void play() = 0;
};

// The desktop's own event sounds: the sound theme's "alarm-clock-elapsed" where the theme has one, the program's
// chime otherwise (libcanberra on Linux, PlaySound on Windows).
std::unique_ptr<AlertSound> makeDesktopAlertSound();

// The program's chime: a RIFF WAVE file, PCM, one channel, 22,050 samples per second, 8 bits, about two thirds of a
// second: two bell strokes, the second a fourth lower, dying away.
QByteArray chimeWave();

} // namespace jotlet
