#pragma once
#include "optimum/SolverPluginInterface.h"

#include <QString>
#include <QStringList>

#include <memory>

// The solver engine lives in a plugin library installed with the programs and opened the first
// time an optimum is asked for: most runs never optimise, and the engine's libraries are large
// enough to weigh on every start.
namespace SolverPlugin {

// The plugin's file name on this platform.
QString fileName();
// Where it is looked for, in order: the programs' own folder (the build's program folder, an
// unzipped program folder), then the installed library folder beside the installed programs.
QStringList folders();

// The entry of the first plugin found in `folders`, loaded once and kept. A plugin that is
// missing, cannot be loaded or was built for another interface raises an AppError that says
// what is wrong and where it was looked for.
Entry entry(const QStringList &folders);
// A solver from that entry.
std::unique_ptr<MipSolver> create(const QStringList &folders);

} // namespace SolverPlugin
