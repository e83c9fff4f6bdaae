// squadwright: the desktop program. Creates every window once under the splash window, then
// runs the event loop; the main window's first show does the real start-up work.
#include "platform/ProgramInfo.h"
#include "platform/ProgramPaths.h"
#include "shell/ui/StartUpSequence.h"
#include "shell/ui/TForm1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

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

// The program takes no arguments of its own: --help and --version only, beside the options
// every Qt program takes (-platform, -style, ...), which QApplication removes before the check.
void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "The desktop program of Squadwright: the pitch board, the roster list and the player windows for the\n"
        "manager of a Velmorra team. It takes no other argument; squadwright-cli is the command-line program."));
    // Each option one word, so that a Qt option such as -reverse or -stylesheet is never read as
    // a cluster of -v, -h, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all is no option of ours.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser.addVersionOption();
}

// --help and --version answer without a display: looked for before the window system starts.
// Returns the exit code when one of them was given.
std::optional<int> answerHelpOrVersion(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeOptions(parser);
    (void)parser.parse(arguments); // Qt's own options are unknown here; only the two below count
    const bool version = parser.isSet(QStringLiteral("version"));
    if (!version && !parser.isSet(QStringLiteral("help")))
        return std::nullopt;
    QCoreApplication core(argc, argv);
    if (version)
        std::printf("squadwright %s\n", qPrintable(ProgramInfo::version()));
    else
        std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (const std::optional<int> answered = answerHelpOrVersion(argc, argv))
        return *answered;
    if (displayMissing()) {
        std::fprintf(stderr, "squadwright: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                             "the desktop program needs a graphical session.\n");
        return 2;
    }

    QApplication app(argc, argv);
    {
        QCommandLineParser parser;
        describeOptions(parser);
        if (!parser.parse(QApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
            const QString problem = parser.errorText().isEmpty()
                ? QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().constFirst())
                : parser.errorText();
            std::fprintf(stderr, "squadwright: %s\n(squadwright --help lists the options)\n", qPrintable(problem));
            return 2;
        }
    }
    // The name the desktop shows for the running program (task bar, window class: WM_CLASS is
    // "squadwright", "SQW", which the desktop entry's StartupWMClass names). The display name
    // stays unset: it would be appended to the main window's caption.
    QApplication::setApplicationName(QStringLiteral("SQW"));
    QApplication::setApplicationVersion(ProgramInfo::version());
    // Ties the windows to the desktop entry (Wayland's app id, the dock's launcher on X11).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.squadwright.Squadwright"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/org.squadwright.Squadwright-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
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
