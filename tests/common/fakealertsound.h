// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An alert sound that only counts how often it was asked to play.
#include "platform/alertsound.h"

class FakeAlertSound : public jotlet::AlertSound
{
public:
    void play() override { ++plays; }
    int plays = 0;
};
