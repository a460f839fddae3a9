// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the routines every note leans on take: an error log entry (opened, appended and
// closed each time), a settings read as a note window's load does fourteen of, a settings write,
// and the path helpers.
#include "platform/autostart.h"
#include "support/errorlog.h"
#include "support/files.h"
#include "support/settings.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "scratchmain.h"

#include <benchmark/benchmark.h>

using namespace jotlet;

static void BM_LogError(benchmark::State& state)
{
    for (auto _ : state) {
        logError(QStringLiteral("modNote: SaveNote"), 61, QStringLiteral("Disk full"));
    }
}
BENCHMARK(BM_LogError);

static void BM_GetRegSetting(benchmark::State& state)
{
    writeSetting(Setting::Color, QStringLiteral("blue"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readSetting(Setting::Color));
    }
}
BENCHMARK(BM_GetRegSetting);

static void BM_ReadNoteLook(benchmark::State& state)
{
    writeNoteLook(NoteLook(), true);
    for (auto _ : state) {
        NoteLook look;
        readNoteLook(look, false, QSize(19200, 14400));
        benchmark::DoNotOptimize(look.height);
    }
}
BENCHMARK(BM_ReadNoteLook);

static void BM_SaveRegSetting(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        SettingsStore::write(QStringLiteral("Top"), QString::number(++i));
    }
}
BENCHMARK(BM_SaveRegSetting);

static void BM_PathHelpers(benchmark::State& state)
{
    const QString path = QStringLiteral(R"(C:\Users\ann\Documents\Notes\shopping list.not)");
    for (auto _ : state) {
        benchmark::DoNotOptimize(fileNamePart(path));
        benchmark::DoNotOptimize(folderPart(path));
    }
}
BENCHMARK(BM_PathHelpers);

int main(int argc, char** argv)
{
    return runBenchmarksInScratch(argc, argv);
}
