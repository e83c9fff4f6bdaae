#include "optimum/LineupAssistant.h"

#include "evaluation/Ratings.h"
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"
#include "lineup/LineupState.h"
#include "lineup/TeamEvaluation.h"
#include "optimum/LineupModel.h"

#include <algorithm>

using namespace LineupSlots;

namespace LineupAssistant {

namespace {

using Records = std::array<int, kLastSlot + 1>;

constexpr int kTacticCount = 5;

bool cancelled(const Run &run)
{
    return run.cancel && run.cancel->load();
}

void report(const Run &run, int done, int total)
{
    if (run.progress)
        run.progress(done, total);
}

// The next optimum starts from a lineup already known.
LineupOptimizer::Options startingFrom(LineupOptimizer::Options options, const LineupOptimizer::Result &known)
{
    if (known.found) {
        options.startRecords = known.record;
        options.startBehaviours = known.behaviour;
    }
    return options;
}

// The tactic strength of the lineup as the board holds it once the optimum is put there: the
// board fills the places the optimum leaves empty (nobody counts there for E), and every
// outfield player counts for the tactic.
double strengthOnBoard(const LineupState &state, const LineupOptimizer::Result &optimum)
{
    Board board(state.roster());
    board.edit()->restore(state);
    LineupOptimizer::putOnBoard(board, optimum);
    Records records{};
    Records behaviours{};
    for (int place = Keeper; place <= kLastSlot; ++place) {
        records[place] = board.state().recordOfBox(place);
        behaviours[place] = hasBehaviour(place) ? board.state().behaviourEntry(place) : -1;
    }
    return tacticStrength(board.state(), records, behaviours);
}

} // namespace

double tacticStrength(const LineupState &state, const Records &records, const Records &behaviours)
{
    LineupInput in = LineupModel::emptyLineup(state);
    std::array<int32_t, 17> placement{};
    placement.fill(-1);
    for (int place = Keeper; place <= kLastSlot; ++place) {
        LineupModel::put(state, in, place, records[place]);
        if (hasBehaviour(place))
            in.behaviour[place] = behaviours[place];
        placement[place] = in.id[place];
    }
    // The defensive marks the counter-attacks read are those the sector formulas leave.
    std::array<double, SectorRatings::kSectorCount> sectors{};
    DefensiveMarks marks;
    marks.clear();
    TeamEvaluation::points(in, sectors, marks);
    const Roster *roster = state.roster();
    const int count = state.rosterCount();
    std::array<int32_t, Roster::kCapacity> ids{};
    for (int r = 0; r < count; ++r)
        ids[r] = state.recordId(r);
    return SectorRatings::tacticStrength(state.condition(LineupState::Tactique), roster ? roster->players.data() : nullptr,
                                         ids.data(), count, placement, marks);
}

QString tacticLevelWord(int tactic, double strength)
{
    if (tactic == 0)
        return QStringLiteral("---");
    return Ratings::levelName(Ratings::roundEven(Ratings::halfStep(strength / 10)));
}

Tactics tactics(const LineupState &state, const LineupOptimizer::Options &options, const Run &run)
{
    Tactics result;
    const int board = state.condition(LineupState::Tactique);
    // The board's own tactic first: its lineup is the start of the others.
    std::vector<int> order{std::clamp(board, 0, kTacticCount - 1)};
    for (int t = 0; t < kTacticCount; ++t) {
        if (t != order.front())
            order.push_back(t);
    }
    std::array<TacticRow, kTacticCount> rows;
    std::array<bool, kTacticCount> done{};
    LineupOptimizer::Result known;
    report(run, 0, kTacticCount);
    for (size_t i = 0; i < order.size(); ++i) {
        if (cancelled(run)) {
            result.cancelled = true;
            break;
        }
        const int t = order[i];
        LineupState withTactic = state;
        withTactic.setCondition(LineupState::Tactique, t);
        TacticRow &row = rows[t];
        row.tactic = t;
        row.onBoard = t == board;
        row.optimum = LineupOptimizer::optimize(withTactic, startingFrom(options, known));
        if (row.optimum.found) {
            row.tacticStrength = strengthOnBoard(withTactic, row.optimum);
            if (!known.found)
                known = row.optimum;
        }
        row.tacticLevel = tacticLevelWord(t, row.tacticStrength);
        done[t] = true;
        report(run, int(i) + 1, kTacticCount);
    }
    for (int t = 0; t < kTacticCount; ++t) {
        if (done[t])
            result.rows.append(rows[t]);
    }
    return result;
}

Depth depth(const LineupState &state, const LineupOptimizer::Options &options, const Run &run)
{
    Depth result;
    Records lineup{};
    lineup.fill(-1);
    bool boardFields = false;
    for (int place = Keeper; place <= kLastSlot; ++place) {
        lineup[place] = state.recordOfBox(place);
        boardFields = boardFields || lineup[place] >= 0;
    }
    int total = 1;
    for (int r : lineup)
        total += r >= 0 ? 1 : 0;
    report(run, 0, boardFields ? total : 1 + kLastSlot);
    if (cancelled(run)) {
        result.cancelled = true;
        return result;
    }
    result.optimum = LineupOptimizer::optimize(state, options);
    if (!boardFields) {
        lineup = result.optimum.record;
        total = 1;
        for (int r : lineup)
            total += r >= 0 ? 1 : 0;
    }
    report(run, 1, total);
    int done = 1;
    for (int place = Keeper; place <= kLastSlot; ++place) {
        const int record = lineup[place];
        if (record < 0)
            continue;
        if (cancelled(run)) {
            result.cancelled = true;
            break;
        }
        // He is the one missing: a lock on him goes, and the lineup known starts without him.
        LineupOptimizer::Options without = startingFrom(options, result.optimum);
        for (int &locked : without.locks)
            locked = locked == record ? -1 : locked;
        for (int &r : without.startRecords)
            r = r == record ? -1 : r;
        if (!without.excluded.contains(record))
            without.excluded.append(record);
        DepthRow row;
        row.record = record;
        row.place = place;
        // A proven optimum he has no part in stays the optimum without him.
        const bool inOptimum = std::find(result.optimum.record.begin(), result.optimum.record.end(), record)
                               != result.optimum.record.end();
        if (result.optimum.proven && !inOptimum) {
            row.optimum = result.optimum;
            row.optimum.solves = 0;
            row.optimum.seconds = 0;
        } else {
            row.optimum = LineupOptimizer::optimize(state, without);
        }
        result.rows.append(row);
        report(run, ++done, total);
    }
    // A time limit may have stopped the optimum with everyone below a lineup found without one
    // of them: that lineup was open to it too, so it is the better answer known.
    for (const DepthRow &row : result.rows) {
        const LineupOptimizer::Result &r = row.optimum;
        if (r.found && LineupOptimizer::honours(options, r.record)
            && (!result.optimum.found || r.evaluation > result.optimum.evaluation)) {
            const int bound = std::max(result.optimum.bound, int(r.evaluation));
            const QList<int> unfit = result.optimum.lockedUnfit;
            result.optimum = r;
            result.optimum.proven = false;
            result.optimum.bound = bound;
            result.optimum.lockedUnfit = unfit;
        }
    }
    for (DepthRow &row : result.rows)
        row.loss = result.optimum.evaluation - (row.optimum.found ? row.optimum.evaluation : 0);
    std::stable_sort(result.rows.begin(), result.rows.end(),
                     [](const DepthRow &a, const DepthRow &b) { return a.loss > b.loss; });
    return result;
}

} // namespace LineupAssistant
