#pragma once
#include <QString>
#include <QStringList>

#include "cli/BoardReport.h"
#include "optimum/LineupAssistant.h"

class MainModel;

// What the command-line program prints of the tactic comparison and of the squad depth: a text
// in the user's language, or the JSON contract of tactics and depth.
namespace AssistantReport {

// The --lock PLACE=PLAYERID and --exclude PLAYERID arguments read against the squad on the
// board into the options; the problem in the user's language (bad usage), or nothing.
QString readLocks(const MainModel &model, const QStringList &locks, const QStringList &excluded,
                  LineupOptimizer::Options &options);

// The texts name the places with the main window's captions when `caption` gives them.
QString tacticsText(const MainModel &model, const LineupAssistant::Tactics &tactics, const BoardReport::Caption &caption = {});
QString tacticsJson(const MainModel &model, const LineupAssistant::Tactics &tactics,
                    const LineupOptimizer::Options &options);
QString depthText(const MainModel &model, const LineupAssistant::Depth &depth, const BoardReport::Caption &caption = {});
QString depthJson(const MainModel &model, const LineupAssistant::Depth &depth, const LineupOptimizer::Options &options);

} // namespace AssistantReport
