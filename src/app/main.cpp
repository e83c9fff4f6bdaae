// squadwright: the desktop program. Creates every window once under the splash window, then
// runs the event loop; the main window's first show does the real start-up work.
#include "platform/ProgramPaths.h"
#include "shell/ui/StartUpSequence.h"
#include "shell/ui/TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// Without a display the window system cannot start; say so instead of aborting.
bool displayMissing()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return false; // offscreen, vnc, ...: the chosen platform needs no display
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

// The wait before each window's creation; the last wait is ten times as long. Tests and
// benchmarks may shorten it through SQW_SPLASH_DELAY_MS (0: no waits).
int stepDelayMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("SQW_SPLASH_DELAY_MS", &ok);
    return ok && ms >= 0 ? ms : 100;
}

QString residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return QString::fromLatin1(line.mid(6).simplified());
    return QStringLiteral("?");
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (displayMissing()) {
        std::fprintf(stderr, "squadwright: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                             "the desktop program needs a graphical session.\n");
        return 2;
    }

    QApplication app(argc, argv);
    // The name the desktop shows for the running program (task bar, window class). The
    // display name stays unset: it would be appended to the main window's caption.
    QApplication::setApplicationName(QStringLiteral("SQW"));
    // The program folder, or the installed share folder with the user's own folders.
    const ProgramPaths paths = ProgramPaths::ofThisProgram();
    const int delay = stepDelayMs();

    std::unique_ptr<TForm1> mainWindow;
    try {
        mainWindow = StartUpSequence::createWindows(paths, delay);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "squadwright: start-up failed: %s\n", e.what());
        return 1;
    }

    // Benchmarks: quit right after the start-up work, telling how long it took.
    if (qEnvironmentVariableIsSet("SQW_QUIT_AFTER_STARTUP")) {
        QObject::connect(mainWindow.get(), &TForm1::startUpFinished, mainWindow.get(), [&] {
            std::printf("startup-done ms=%lld rss=%s loading-done=%d\n", static_cast<long long>(sinceStart.elapsed()),
                        qPrintable(residentMemory()), mainWindow->loadingDone() ? 1 : 0);
            std::fflush(stdout);
            QTimer::singleShot(0, mainWindow.get(), &QWidget::close);
        });
    }

    mainWindow->show();
    return app.exec();
}
