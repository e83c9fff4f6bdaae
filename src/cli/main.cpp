// squadwright-cli: the headless program. It runs the same core as the desktop program.
#include "cli/CliCommands.h"
#include "platform/ProgramInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h> // Qt's MinGW build defines NOMINMAX already
#endif

namespace {
const char kUsage[] =
    "usage: squadwright-cli [--folder DIR] COMMAND [options]\n"
    "       squadwright-cli --help | --version\n"
    "       squadwright-cli COMMAND --help    (the options of one command)\n"
    "\n"
    "commands:\n"
    "  check            compare the versions of the five game files with the expected ones\n"
    "  roster [--json]  the squad with every player's position values\n"
    "  evaluate [--json]\n"
    "                   the stored match order on the board with its sector ratings and evaluation\n"
    "  best [--json] [--recompute-all] [--ignore-injuries] [--ignore-cards]\n"
    "                   propose the best lineup (options default to those of the settings file)\n"
    "  optimize [--json] [--free-behaviours] [--ignore-injuries] [--ignore-cards] [--time-limit S]\n"
    "           [--lock PLACE=PLAYERID]... [--exclude PLAYERID]...\n"
    "                   the lineup of highest evaluation with the board's behaviours (or, with\n"
    "                   --free-behaviours, behaviours chosen too), proven optimal unless S seconds\n"
    "                   (default 30) run out first; --lock PLACE=PLAYERID keeps a player\n"
    "                   in a place (PLACE as in the JSON: keeper, right_back, ...), --exclude PLAYERID\n"
    "                   leaves one out, both repeatable\n"
    "  tactics [--json] [optimize's options]\n"
    "                   the proven optimum of each of the five tactics, the other conditions as on the\n"
    "                   board: its evaluation, tactic strength and lineup (the board's tactic marked);\n"
    "                   --time-limit holds for each optimum\n"
    "  depth [--json] [optimize's options]\n"
    "                   for each player of the board's lineup, the proven optimum without him: what his\n"
    "                   absence costs and who comes in where, the greatest loss first\n"
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
    "--json prints a JSON document (its layout: the manual page, or doc/cli-json.md of the sources); a\n"
    "failure then prints an error object there too.\n"
    "exit codes: 0 done, 1 the command failed (check: a version differs or a file is missing), 2 bad usage,\n"
    "            3 a data file could not be read\n";

// Every option of every command, and which command takes which.
struct OptionSpec {
    const char *name;
    const char *valueName; // nullptr: a flag
    const char *description;
};
const OptionSpec kOptions[] = {
    {"json", nullptr, "Print a JSON document instead of the text."},
    {"recompute-all", nullptr, "Fill every place anew, the substitutes included, not only the empty ones."},
    {"ignore-injuries", nullptr, "Count injured players as fit."},
    {"ignore-cards", nullptr, "Count suspended players as available."},
    {"free-behaviours", nullptr, "Let the search choose each place's behaviour as well."},
    {"time-limit", "S", "Seconds the proof may take, a number above 0 (default 30)."},
    {"lock", "PLACE=PLAYERID", "Keep the player in the place (keeper, right_back, ... as in the JSON), with the place's behaviour; repeatable."},
    {"exclude", "PLAYERID", "Leave the player out of every lineup; repeatable."},
    {"user", "NAME", "Replace the stored user name for this run."},
    {"password-stdin", nullptr, "Read the account's security code from the first line of standard input."},
    {"timeout", "S", "Seconds each request may wait for its answer, above 0 and at most 600 (default 30)."},
};
struct CommandSpec {
    const char *name;
    const char *description;
    QStringList options;
};
const CommandSpec kCommands[] = {
    {"check", "Compare the versions of the five game files with the expected ones.", {}},
    {"roster", "The squad, sorted by name, with each player's best position.", {"json"}},
    {"evaluate", "The stored match order on the board, with its sector ratings and the team evaluation.", {"json"}},
    {"best", "Propose the best lineup; the flags switch on the settings file's options for this run.",
     {"json", "recompute-all", "ignore-injuries", "ignore-cards"}},
    {"optimize", "The lineup of highest evaluation, proven optimal unless the time limit runs out first.",
     {"json", "free-behaviours", "ignore-injuries", "ignore-cards", "time-limit", "lock", "exclude"}},
    {"tactics", "The proven optimum of each of the five tactics, the other conditions as on the board.",
     {"json", "free-behaviours", "ignore-injuries", "ignore-cards", "time-limit", "lock", "exclude"}},
    {"depth", "For each player of the board's lineup, the proven optimum without him, the greatest loss first.",
     {"json", "free-behaviours", "ignore-injuries", "ignore-cards", "time-limit", "lock", "exclude"}},
    {"download", "Fetch the team's five game files from the game server, then report as evaluate does.",
     {"json", "user", "password-stdin", "timeout"}},
};

const CommandSpec *findCommand(const QString &name)
{
    for (const CommandSpec &c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

// The options every command takes, then those of `command` (all of them when null: the first
// pass, which only has to find the command and each option's value).
void describeOptions(QCommandLineParser &parser, const CommandSpec *command)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would list Qt's own options, which this program has none of.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser.addVersionOption();
    parser.addOption({QStringLiteral("folder"), QStringLiteral("The program folder with settings, data and resources."),
                      QStringLiteral("DIR")});
    for (const OptionSpec &o : kOptions) {
        const QString name = QString::fromLatin1(o.name);
        if (command && !command->options.contains(name))
            continue;
        QCommandLineOption option(name, QString::fromLatin1(o.description));
        if (o.valueName)
            option.setValueName(QString::fromLatin1(o.valueName));
        parser.addOption(option);
    }
}

bool g_json = false; // a failure is then told on the standard output too, as JSON

int usage(const QString &problem)
{
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "squadwright-cli: %s\n\n", problem.toUtf8().constData());
        if (g_json)
            std::fputs(cli::errorJson(QStringLiteral("usage"), problem).constData(), stdout);
    }
    std::fputs(kUsage, stderr);
    return cli::kExitUsage;
}

// The option the parser refused, in the form it was given.
QString refusedOption(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return QString();
    return (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + unknown.first();
}

} // namespace

int main(int argc, char **argv)
{
#ifdef Q_OS_WIN
    // Every text is written as UTF-8 (the players' names have accents): a console window is told
    // so, instead of reading the bytes in its old OEM code page. Pipes and files get the same bytes.
    SetConsoleOutputCP(CP_UTF8);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(ProgramInfo::version());
    const QStringList arguments = app.arguments();

    // First pass: which command, and each option with its value, whatever command takes it.
    QCommandLineParser all;
    describeOptions(all, nullptr);
    const bool parsed = all.parse(arguments);
    g_json = all.isSet(QStringLiteral("json"));
    const QStringList positional = all.positionalArguments();
    if (!parsed)
        return usage(all.unknownOptionNames().isEmpty() ? all.errorText()
                                                        : QStringLiteral("unknown option %1").arg(refusedOption(all)));
    if (all.isSet(QStringLiteral("version"))) {
        std::printf("squadwright-cli %s\n", qPrintable(ProgramInfo::version()));
        return cli::kExitOk;
    }
    if (positional.isEmpty()) {
        if (all.isSet(QStringLiteral("help"))) {
            std::fputs(kUsage, stdout);
            return cli::kExitOk;
        }
        return usage(QStringLiteral("no command given"));
    }
    const CommandSpec *command = findCommand(positional.first());
    if (!command)
        return usage(QStringLiteral("unknown command %1").arg(positional.first()));
    if (positional.size() > 1)
        return usage(QStringLiteral("unexpected argument %1").arg(positional[1]));

    // Second pass: only what this command takes.
    QCommandLineParser own;
    describeOptions(own, command);
    if (!own.parse(arguments))
        return usage(QStringLiteral("%1 does not take %2 (squadwright-cli %1 --help lists its options)")
                         .arg(QString::fromLatin1(command->name), refusedOption(own)));
    if (own.isSet(QStringLiteral("help"))) {
        // The parser's list of options under a usage line of the command's own.
        const QString options = own.helpText();
        std::printf("usage: squadwright-cli [--folder DIR] %s [options]\n\n%s\n\n%s", command->name, command->description,
                    qPrintable(options.mid(options.indexOf(QLatin1String("Options:")))));
        return cli::kExitOk;
    }

    // Only the options this command has are asked for: the parser knows no others.
    auto given = [&](const char *name) {
        return command->options.contains(QLatin1String(name)) && own.isSet(QString::fromLatin1(name));
    };
    auto seconds = [&](const char *name, double &value, double maximum) {
        if (!given(name))
            return true;
        bool ok = false;
        value = own.value(QString::fromLatin1(name)).toDouble(&ok);
        return ok && value > 0 && value <= maximum;
    };
    cli::Options options;
    options.folder = own.value(QStringLiteral("folder"));
    options.json = g_json;
    options.recomputeAll = given("recompute-all");
    options.ignoreInjuries = given("ignore-injuries");
    options.ignoreCards = given("ignore-cards");
    options.freeBehaviours = given("free-behaviours");
    options.user = given("user") ? own.value(QStringLiteral("user")) : QString();
    options.passwordStdin = given("password-stdin");
    options.locks = given("lock") ? own.values(QStringLiteral("lock")) : QStringList();
    options.excluded = given("exclude") ? own.values(QStringLiteral("exclude")) : QStringList();
    if (!seconds("time-limit", options.timeLimit, 1e300))
        return usage(QStringLiteral("--time-limit needs a number of seconds above 0"));
    if (!seconds("timeout", options.timeout, 600))
        return usage(QStringLiteral("--timeout needs a number of seconds above 0 and at most 600"));
    return cli::run(positional.first(), options, usage);
}
