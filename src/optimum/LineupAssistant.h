#pragma once
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

#include "optimum/LineupOptimizer.h"

class LineupState;

// The questions a manager asks before the match, each answered by proven optima of the board:
// which tactic suits the squad, and what each player of the lineup is worth to it (the optimum
// without him). Every optimum honours the options' locks and exclusions, starts from the lineup
// already known, and says whether it is proven or gives its bound when the time limit stopped it
// (Options::timeLimitSeconds holds for each optimum).
namespace LineupAssistant {

// How a run of several optima reports and stops. progress(done, total) is called from the
// calling thread before the first optimum and after each one; cancel, which any thread may set,
// stops the run before the next optimum (the rows found so far are kept).
struct Run {
    std::function<void(int done, int total)> progress;
    const std::atomic<bool> *cancel = nullptr;
};

struct TacticRow {
    int tactic = 0;              // the board's tactic entry (Board::Tactique), 0..4
    bool onBoard = false;        // the tactic the board holds
    LineupOptimizer::Result optimum; // the proven optimum with that tactic (evaluation, proven, bound, lineup)
    // The tactic strength the board shows once the lineup is put there (putOnBoard: the board
    // also fills any place the optimum leaves empty), and its level word.
    double tacticStrength = 0;
    QString tacticLevel;         // "---" for the normal tactic
};

struct Tactics {
    QList<TacticRow> rows;       // one per tactic 0..4, in that order; fewer when cancelled
    bool cancelled = false;
};

// For each of the five tactics, with the other conditions and the behaviours as on the board.
Tactics tactics(const LineupState &state, const LineupOptimizer::Options &options, const Run &run = Run());

struct DepthRow {
    int record = -1;             // the player left out (roster record)
    int place = 0;               // his place in the lineup, 1..11
    LineupOptimizer::Result optimum; // the proven optimum without him: the whole changed lineup
    double loss = 0;             // what his absence costs: E with him − E without
};

struct Depth {
    LineupOptimizer::Result optimum; // the optimum with every player (its evaluation is E)
    QList<DepthRow> rows;        // per player of the lineup, the greatest loss first (then by place)
    bool cancelled = false;
};

// For each player of the lineup on the board (when the board fields nobody, of the optimum's
// lineup): the optimum without him. A lock on him is lifted for his row (he is the one missing).
Depth depth(const LineupState &state, const LineupOptimizer::Options &options, const Run &run = Run());

// The tactic strength of a lineup (records by place 1..11, behaviours by place 2..11) under the
// board's conditions, and the level word the board shows for it with that tactic.
double tacticStrength(const LineupState &state, const std::array<int, LineupSlots::kLastSlot + 1> &records,
                      const std::array<int, LineupSlots::kLastSlot + 1> &behaviours);
QString tacticLevelWord(int tactic, double strength);

} // namespace LineupAssistant
