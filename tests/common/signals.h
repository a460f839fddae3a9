// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Signals to a program the test started. Only to that process: kill() with a process id of 0 (a process that has
// already ended) would signal the whole process group, the test runner included.
#include <QProcess>

#include <csignal>

inline bool signalProgram(const QProcess& program, int signal)
{
    const qint64 pid = program.processId();
    return program.state() != QProcess::NotRunning && pid > 0 && ::kill(pid_t(pid), signal) == 0;
}
