// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A busy loop on every core while it lives, as on a shared and slow machine, for behaviour that depends on timing.
#include <QProcess>
#include <QThread>

#include <memory>
#include <vector>

class BusyCores
{
public:
    BusyCores()
    {
        for (int i = 0; i < QThread::idealThreadCount(); ++i) {
            auto loop = std::make_unique<QProcess>();
            loop->start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
            loop->waitForStarted(5000);
            m_loops.push_back(std::move(loop));
        }
    }
    ~BusyCores()
    {
        for (const auto& loop : m_loops) {
            loop->kill();
            loop->waitForFinished(5000);
        }
    }
    BusyCores(const BusyCores&) = delete;
    BusyCores& operator=(const BusyCores&) = delete;

private:
    std::vector<std::unique_ptr<QProcess>> m_loops;
};
