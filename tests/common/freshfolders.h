// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Each test function of the X tests starts from an empty data folder and no settings, so that one failure cannot
// leave notes, journals or settings behind for the next.
#include "support/appinfo.h"
#include "support/settingsstore.h"

#include <QDir>
#include <QFile>

inline void startFromEmptyFolders()
{
    QDir(jotlet::dataFolder()).removeRecursively();
    QDir().mkpath(jotlet::dataFolder());
    QFile::remove(jotlet::SettingsStore::location());
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart")).removeRecursively();
}
