// squadwright-cli: the headless program. It runs the same core as the desktop program.
#include "cli/CliCommands.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
const char kUsage[] =
    "usage: squadwright-cli [--folder DIR] COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  check            compare the versions of the five game files with the expected ones\n"
    "  roster [--json]  the squad with every player's position values\n"
    "  evaluate [--json]\n"
    "                   the stored match order on the board with its sector ratings and evaluation\n"
    "  best [--json] [--recompute-all] [--ignore-injuries] [--ignore-cards]\n"
    "                   propose the best lineup (options default to those of the settings file)\n"
    "  optimize [--json] [--free-behaviours] [--ignore-injuries] [--ignore-cards] [--time-limit S]\n"
    "                   the lineup of highest evaluation with the board's behaviours (or, with\n"
    "                   --free-behaviours, behaviours chosen too), proven optimal unless S seconds\n"
    "                   (default 30) run out first\n"
    "  download [--json] [--user NAME] [--password-stdin] [--timeout S]\n"
    "                   fetch the team's five game files from the game server with the account of the\n"
    "                   settings file, then report as evaluate does; --user replaces the stored name and\n"
    "                   --password-stdin reads the security code from the first line of standard input,\n"
    "                   for this run only; each request may wait S seconds for its answer (default 30,\n"
    "                   at most 600)\n"
    "\n"
    "--folder DIR names the program folder, which holds settings, data and resources alike (default: the\n"
    "folder of this program; installed, or in a folder you cannot write to, the settings and the data\n"
    "folder live in your own folders, see the manual page).\n"
    "exit codes: 0 done, 1 the command failed (check: a version differs or a file is missing), 2 bad usage,\n"
    "            3 a data file could not be read\n";

int usage(const QString &problem)
{
    if (!problem.isEmpty())
        std::fprintf(stderr, "squadwright-cli: %s\n\n", qPrintable(problem));
    std::fputs(kUsage, stderr);
    return cli::kExitUsage;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    cli::Options options;
    options.folder = QString();
    QString command;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return cli::kExitOk;
        } else if (a == QLatin1String("--folder")) {
            if (i + 1 >= args.size())
                return usage(QStringLiteral("--folder needs a folder"));
            options.folder = args[++i];
        } else if (a.startsWith(QLatin1String("--folder="))) {
            options.folder = a.mid(9);
        } else if (a == QLatin1String("--json")) {
            options.json = true;
        } else if (a == QLatin1String("--recompute-all")) {
            options.recomputeAll = true;
        } else if (a == QLatin1String("--ignore-injuries")) {
            options.ignoreInjuries = true;
        } else if (a == QLatin1String("--user")) {
            if (i + 1 >= args.size())
                return usage(QStringLiteral("--user needs a name"));
            options.user = args[++i];
        } else if (a == QLatin1String("--password-stdin")) {
            options.passwordStdin = true;
        } else if (a == QLatin1String("--ignore-cards")) {
            options.ignoreCards = true;
        } else if (a == QLatin1String("--free-behaviours")) {
            options.freeBehaviours = true;
        } else if (a == QLatin1String("--time-limit")) {
            bool ok = false;
            options.timeLimit = i + 1 < args.size() ? args[++i].toDouble(&ok) : 0;
            if (!ok || !(options.timeLimit > 0))
                return usage(QStringLiteral("--time-limit needs a number of seconds above 0"));
        } else if (a == QLatin1String("--timeout")) {
            bool ok = false;
            options.timeout = i + 1 < args.size() ? args[++i].toDouble(&ok) : 0;
            if (!ok || !(options.timeout > 0 && options.timeout <= 600))
                return usage(QStringLiteral("--timeout needs a number of seconds above 0 and at most 600"));
        } else if (a.startsWith(QLatin1Char('-'))) {
            return usage(QStringLiteral("unknown option %1").arg(a));
        } else if (command.isEmpty()) {
            command = a;
        } else {
            return usage(QStringLiteral("unexpected argument %1").arg(a));
        }
    }
    if (command.isEmpty())
        return usage(QStringLiteral("no command given"));
    return cli::run(command, options, usage);
}
