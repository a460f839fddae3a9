// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The alert sound on Windows: the program's chime played from memory, asynchronously, never the default sound.
#include "platform/alertsound.h"

#include <windows.h>

#include <mmsystem.h>

namespace jotlet {

namespace {

class WindowsSound : public AlertSound
{
public:
    void play() override
    {
        static const QByteArray chime = chimeWave(); // must outlive the asynchronous playback
        PlaySoundA(chime.constData(), nullptr, SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
    }
};

} // namespace

std::unique_ptr<AlertSound> makeDesktopAlertSound()
{
    return std::make_unique<WindowsSound>();
}

} // namespace jotlet
