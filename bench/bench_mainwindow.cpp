// What the user feels of the desktop program: the time from starting the program to the end
// of the main window's start-up work (with and without the splash window's waits), the
// resident memory then, and the time from a pick on the board to the repainted figures.
#include "lineup/LineupSlots.h"
#include "lineup/ui/LineupBoardView.h"
#include "shell/ui/TForm1.h"
#include "support/ProgramFolder.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QEventLoop>
#include <QTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A program folder of its own: the program and the sample team, so that the settings it writes
// at closing touch nothing of the build.
struct ProgramCopy {
    QTemporaryDir dir;
    QString program;
    ProgramCopy()
    {
        TestSupport::copyTree(TestSupport::sampleDataDir(), dir.path());
        program = dir.filePath(QStringLiteral("squadwright"));
        QFile::copy(QStringLiteral(SQW_PROGRAM_DIR "/squadwright"), program);
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    }
};

// Starts the program with the given splash wait and returns what it printed after its start-up
// work: "startup-done ms=... rss=... kB loading-done=1".
void startUp(benchmark::State &state, const char *splashDelay)
{
    ProgramCopy copy;
    double internalMs = 0, rssKb = 0;
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SQW_QUIT_AFTER_STARTUP"), QStringLiteral("1"));
        if (splashDelay)
            env.insert(QStringLiteral("SQW_SPLASH_DELAY_MS"), QLatin1String(splashDelay));
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(copy.program, {});
        QByteArray out;
        while (!out.contains('\n') && process.waitForReadyRead(30000))
            out += process.readAllStandardOutput();
        const double elapsed = timer.nsecsElapsed() / 1e9;
        process.waitForFinished(30000);
        if (!out.startsWith("startup-done")) {
            state.SkipWithError("the program did not report its start-up");
            break;
        }
        state.SetIterationTime(elapsed);
        for (const QByteArray &field : out.trimmed().split(' ')) {
            if (field.startsWith("ms="))
                internalMs = field.mid(3).toDouble();
            else if (field.startsWith("rss="))
                rssKb = field.mid(4).toDouble();
        }
    }
    state.counters["in_program_ms"] = internalMs;
    state.counters["rss_MB"] = rssKb / 1024.0;
}

void BM_StartUpWithoutSplashWaits(benchmark::State &state) { startUp(state, "0"); }
BENCHMARK(BM_StartUpWithoutSplashWaits)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StartUpWithSplash(benchmark::State &state) { startUp(state, nullptr); }
BENCHMARK(BM_StartUpWithSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// A central defender picked on the board, up to the board painted with his value, stars and
// the new team figures: what one frame must hold.
void BM_SlotPickToRepaintedBoard(benchmark::State &state)
{
    TestSupport::ProgramFolderCopy dir;
    auto form = std::make_unique<TForm1>(dir.folder());
    QEventLoop loop;
    QObject::connect(form.get(), &TForm1::startUpFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    form->show();
    loop.exec();
    Board &board = form->model().board();
    board.clearPressed();
    const int entries[2] = {1, 2};
    int i = 0;
    for (auto _ : state) {
        board.slotPicked(LineupSlots::CentralDefender1, entries[i++ & 1]);
        QCoreApplication::processEvents();
        form->boardView()->repaint();
        form->boardView()->infoPanel()->repaint();
    }
    form->close();
}
BENCHMARK(BM_SlotPickToRepaintedBoard)->Unit(benchmark::kMicrosecond);

} // namespace
