// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmarks that touch notes or settings work in a scratch folder, so a run never touches a user's notes or
// settings.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The scratch folder of the running benchmark, for files it makes itself.
inline QString& benchScratchFolder()
{
    static QString folder;
    return folder;
}

// While it lives, the program's data folder and settings are in a scratch folder. Make it before the application.
class BenchScratch
{
public:
    BenchScratch()
    {
        benchScratchFolder() = m_folder.path();
        qputenv("JOTLET_HOME", m_folder.filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_folder.filePath(QStringLiteral("config")).toLocal8Bit());
#ifdef JOTLET_BUILD_MODULE_DIR
        // The program's modules (feeds, sounds) are in the build tree, not beside the benchmark.
        if (!qEnvironmentVariableIsSet("JOTLET_MODULE_DIR")) {
            qputenv("JOTLET_MODULE_DIR", JOTLET_BUILD_MODULE_DIR);
        }
#endif
    }

private:
    QTemporaryDir m_folder;
};

inline int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

inline int runBenchmarksInScratch(int argc, char** argv)
{
    const BenchScratch scratch;
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
