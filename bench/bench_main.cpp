// The one entry point of the benchmark program; each bench_*.cpp registers its own cases.
#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // The window benchmarks need no screen unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // collation, file services and the windows want an application object
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
