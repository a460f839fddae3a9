// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// The module "jotlet-sound": the alert played through libcanberra.
#include "platform/soundmodule.h"

#include <canberra.h>

#include <mutex>

namespace {

ca_context* openContext(const char** failure)
{
    ca_context* context = nullptr;
    if (const int result = ca_context_create(&context); result < 0) {
        *failure = ca_strerror(result);
        return nullptr;
    }
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Jotlet", CA_PROP_APPLICATION_ID, "jotlet", nullptr);
    if (const int result = ca_context_open(context); result < 0) {
        *failure = ca_strerror(result);
        ca_context_destroy(context);
        return nullptr;
    }
    return context;
}

} // namespace

extern "C" Q_DECL_EXPORT const char* jotletPlayAlert(QByteArray (*chimeFile)(), bool* opened)
{
    static std::mutex mutex;
    static ca_context* context = nullptr; // kept for the life of the program once it opened
    const std::lock_guard<std::mutex> lock(mutex);
    const char* failure = nullptr;
    if (!context) {
        context = openContext(&failure);
    }
    *opened = context != nullptr;
    if (!context) {
        return failure;
    }
    int result = ca_context_play(
        context, 0, CA_PROP_EVENT_ID, "alarm-clock-elapsed", CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr);
    if (result == CA_ERROR_NOTFOUND) {
        static const QByteArray chime = chimeFile();
        result = ca_context_play(
            context, 0, CA_PROP_MEDIA_FILENAME, chime.constData(), CA_PROP_EVENT_DESCRIPTION, "Reminder", nullptr);
    }
    return result < 0 ? ca_strerror(result) : nullptr;
}
