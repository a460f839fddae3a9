// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stands in for the desktop's opener: it records every address the program hands over instead of opening it, and
// can answer that the desktop has no program for it. Installed for its lifetime.
#include "platform/desktopopener.h"

#include <QList>
#include <QUrl>

class UrlCatcher : public jotlet::DesktopOpener
{
public:
    UrlCatcher() { jotlet::setDesktopOpener(this); }
    ~UrlCatcher() override { jotlet::setDesktopOpener(nullptr); }
    UrlCatcher(const UrlCatcher&) = delete;
    UrlCatcher& operator=(const UrlCatcher&) = delete;

    QStringList targets; // exactly as handed over
    QList<QUrl> urls;
    QString failure; // when set, the desktop answers that it could not open anything, for this reason

    void open(const QString& target, Failed failed) override
    {
        targets << target;
        urls << QUrl(target, QUrl::TolerantMode);
        if (!failure.isEmpty()) {
            failed(jotlet::Problem::of(failure));
        }
    }
};
