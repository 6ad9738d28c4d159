// Benchmark entry: a headless application with the program's heap settings, then every benchmark. The user's cache
// folder is a temporary one unless a benchmark sets its own.
#include "platform/Memory.h"
#include "platform/widgets/Fonts.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache;
    if (qEnvironmentVariableIsEmpty("XDG_CACHE_HOME")) qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    memory::ReturnLargeBlocksToTheSystem();  // as the program does
    QApplication app(argc, argv);
    fonts::InstallBundled();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
