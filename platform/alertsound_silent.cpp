// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// Built without a sound service: alerts are silent.
#include "platform/alertsound.h"

namespace jotlet {

namespace {

class SilentSound : public AlertSound
{
public:
    void play() override { }
};

} // namespace

std::unique_ptr<AlertSound> makeDesktopAlertSound()
{
    return std::make_unique<SilentSound>();
}

} // namespace jotlet
