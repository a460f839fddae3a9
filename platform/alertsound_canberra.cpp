// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The alert sound through libcanberra, the desktop's event sound service (in the module soundmodule.cpp): played from
// a thread of its own, so that a sound server that is slow to answer, or missing, never holds up the program.
#include "platform/alertsound.h"

#include "platform/soundmodule.h"
#include "support/files.h"
#include "support/logging.h"
#include "support/modules.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <thread>

namespace jotlet {

namespace {

// The chime as a file the sound service can read, written once into the cache folder.
QByteArray chimeFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString path = folder + QStringLiteral("/alert.wav");
    const QByteArray wave = chimeWave();
    Problem error;
    if (QFileInfo(path).size() != wave.size() && !(QDir().mkpath(folder) && writeFileAtomically(path, wave, &error))) {
        qCInfo(lcApp) << "The alert chime could not be written:" << error.english();
    }
    return QFile::encodeName(path);
}

void playNow()
{
    const auto play = moduleFunction<PlayAlert>("jotlet-sound", kPlayAlert);
    bool opened = false;
    const char* failure = play ? play(&chimeFile, &opened) : nullptr;
    if (failure && !opened) {
        qCInfo(lcApp) << "No sound for alerts:" << failure;
    } else if (failure) {
        qCInfo(lcApp) << "The alert sound was not played:" << failure;
    }
}

class CanberraSound : public AlertSound
{
public:
    void play() override { std::thread(playNow).detach(); }
};

} // namespace

std::unique_ptr<AlertSound> makeDesktopAlertSound()
{
    return std::make_unique<CanberraSound>();
}

} // namespace jotlet
