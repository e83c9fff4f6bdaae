#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

#include "cli/JsonFormat.h"

namespace cli {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2, kExitDataFile = 3 };

struct Options {
    QString folder;            // program folder; empty: the executable's folder
    bool json = false;
    bool recomputeAll = false;
    bool ignoreInjuries = false;
    bool ignoreCards = false;
    bool freeBehaviours = false;
    double timeLimit = 30;     // seconds the exact best lineup may take
    QString user;              // download: replaces the stored user name for this run
    bool passwordStdin = false; // download: the security code is the first line of standard input
    double timeout = 0;         // download: seconds each request may wait (0: the client's default)
    QStringList locks;          // optimize, tactics, depth: PLACE=PLAYERID kept in their places
    QStringList excluded;       // optimize, tactics, depth: player IDs left out
};

// The error object a failed command prints with --json: {"format": 1, "error": {"step", "message"}}.
QByteArray errorJson(const QString &step, const QString &message);

// Runs one command; `usage` prints the usage with a problem and returns the bad-usage code.
int run(const QString &command, const Options &options, const std::function<int(const QString &)> &usage);

} // namespace cli
