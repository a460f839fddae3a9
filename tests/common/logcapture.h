// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads what the program wrote to its error log, one entry per line.
#include "support/errorlog.h"

#include <QFile>
#include <QStringList>

inline QStringList errorLogLines()
{
    QFile log(jotlet::errorLogPath());
    if (!log.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

inline void clearErrorLog()
{
    QFile::remove(jotlet::errorLogPath());
}
