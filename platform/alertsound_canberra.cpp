// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The alert sound through libcanberra, the desktop's event sound service: played from a thread of its own, so that
// a sound server that is slow to answer, or missing, never holds up the program.
#include "platform/alertsound.h"

#include "support/files.h"
#include "support/logging.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <canberra.h>

#include <mutex>
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

ca_context* openContext()
{
    ca_context* context = nullptr;
    if (ca_context_create(&context) < 0) {
        return nullptr;
    }
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Jotlet", CA_PROP_APPLICATION_ID, "jotlet", nullptr);
    if (const int result = ca_context_open(context); result < 0) {
        qCInfo(lcApp) << "No sound for alerts:" << ca_strerror(result);
        ca_context_destroy(context);
        return nullptr;
    }
    return context;
}

void playNow()
{
    static std::mutex mutex;
    static ca_context* context = nullptr; // kept for the life of the program once it opened
    const std::lock_guard<std::mutex> lock(mutex);
    if (!context) {
        context = openContext();
    }
    if (!context) {
        return;
    }
    int result = ca_context_play(
        context, 0, CA_PROP_EVENT_ID, "alarm-clock-elapsed", CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr);
    if (result == CA_ERROR_NOTFOUND) {
        static const QByteArray chime = chimeFile();
        result = ca_context_play(
            context, 0, CA_PROP_MEDIA_FILENAME, chime.constData(), CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr);
    }
    if (result < 0) {
        qCInfo(lcApp) << "The alert sound was not played:" << ca_strerror(result);
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
