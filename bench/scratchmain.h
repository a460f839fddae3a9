#pragma once

// The shared main of the benchmarks that touch notes or settings: they work in a scratch folder, so a run never
// touches a user's notes or settings.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The scratch folder of the running benchmark, for files it makes itself.
inline QString& benchScratchFolder()
{
    static QString folder;
    return folder;
}

inline int runBenchmarksInScratch(int argc, char** argv)
{
    QTemporaryDir scratch;
    benchScratchFolder() = scratch.path();
    qputenv("JOTLET_HOME", scratch.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
