#include "optimum/LineupOptimizer.h"

#include "evaluation/Ratings.h"
#include "evaluation/Tplayer.h"
#include "lineup/BestLineupSearch.h"
#include "lineup/Board.h"
#include "lineup/TeamEvaluation.h"
#include "optimum/MipSolver.h"

#include <QElapsedTimer>
#include <QHash>

#include <cmath>

using namespace LineupSlots;
using SectorRatings::kSectorCount;

namespace LineupOptimizer {

namespace {

using Records = std::array<int, kLastSlot + 1>;
using Sectors = std::array<double, kSectorCount>;

// What each sector's points count in E: the midfield three times.
constexpr double kWeight[kSectorCount] = {1, 1, 1, 3, 1, 1, 1};

// The lineup as the sector formulas read it: the board's behaviours and conditions, no player.
LineupInput emptyLineup(const LineupState &state)
{
    LineupInput in;
    TeamEvaluation::collectLineup(state, in);
    for (int p = Keeper; p <= kLastSlot; ++p) {
        in.player[p] = nullptr;
        in.id[p] = -1;
    }
    return in;
}

void put(const LineupState &state, LineupInput &in, int place, int record)
{
    in.player[place] = record < 0 ? nullptr : &state.roster()->players[record];
    in.id[place] = record < 0 ? -1 : state.recordId(record);
}

double sum(const Sectors &s)
{
    double total = 0;
    for (double v : s)
        total += v;
    return total;
}

struct Rated {
    Records records{};
    double evaluation = 0;
    double sectorSum = 0;
    bool better(const Rated &other) const
    {
        return evaluation > other.evaluation || (evaluation == other.evaluation && sectorSum > other.sectorSum);
    }
    bool same(const Rated &other) const
    {
        return evaluation == other.evaluation && sectorSum == other.sectorSum;
    }
};

Rated rated(const LineupState &state, const Records &records)
{
    Rated r;
    r.records = records;
    Sectors sectors{};
    r.evaluation = rate(state, records, &sectors);
    r.sectorSum = sum(sectors);
    return r;
}

// Among lineups of equal figures, earlier records take earlier places: each place in turn takes
// the earliest record whose arrival (an exchange when he stands elsewhere) keeps both figures.
Rated preferEarlierRecords(const LineupState &state, const QList<int> &eligible, Rated best)
{
    for (int place = Keeper; place <= kLastSlot; ++place) {
        const int current = best.records[place];
        if (current < 0)
            continue;
        for (int candidate : eligible) {
            if (candidate >= current)
                break;
            Records trial = best.records;
            for (int other = Keeper; other <= kLastSlot; ++other) {
                if (trial[other] == candidate)
                    trial[other] = current;
            }
            trial[place] = candidate;
            const Rated r = rated(state, trial);
            if (r.same(best)) {
                best = r;
                break;
            }
        }
    }
    return best;
}

} // namespace

QList<int> eligibleRecords(const LineupState &state)
{
    QList<int> records;
    if (!state.roster())
        return records;
    // As the search sees the squad when it recomputes everything: nobody placed yet.
    LineupState cleared = state;
    cleared.clearPlacement();
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(cleared, context);
    for (int r = 0; r < context.count; ++r) {
        if (state.roster()->players[r].Selectable && BestLineupSearch::eligible(cleared, context, r))
            records.append(r);
    }
    return records;
}

double rate(const LineupState &state, const Records &records, Sectors *sectors)
{
    LineupInput in = emptyLineup(state);
    for (int p = Keeper; p <= kLastSlot; ++p)
        put(state, in, p, records[p]);
    Sectors s{};
    DefensiveMarks marks;
    const double e = TeamEvaluation::points(in, s, marks).E;
    if (sectors)
        *sectors = s;
    return e;
}

Coefficients coefficients(const LineupState &state, const QList<int> &records)
{
    Coefficients result(records.size());
    LineupInput in = emptyLineup(state);
    for (int i = 0; i < records.size(); ++i) {
        for (int place = Keeper; place <= kLastSlot; ++place) {
            // Every other place empty: what the sectors hold is this player's share alone.
            put(state, in, place, records[i]);
            DefensiveMarks marks;
            TeamEvaluation::points(in, result[i][place], marks);
            put(state, in, place, -1);
        }
    }
    return result;
}

Result optimize(const LineupState &state, const Options &options)
{
    QElapsedTimer clock;
    clock.start();
    Result result;
    result.record.fill(-1);
    const QList<int> eligible = eligibleRecords(state);
    if (eligible.isEmpty())
        return result;
    const int n = int(eligible.size());
    const Coefficients c = coefficients(state, eligible);
    QHash<int, int> index; // record → its row in c
    for (int i = 0; i < n; ++i)
        index.insert(eligible[i], i);

    // The largest raw value each sector can reach, for the point bounds and the tie weight.
    std::array<double, kSectorCount> reach{};
    for (int place = Keeper; place <= kLastSlot; ++place) {
        for (int k = 0; k < kSectorCount; ++k) {
            double top = 0;
            for (int i = 0; i < n; ++i)
                top = std::max(top, c[i][place][k]);
            reach[k] += top;
        }
    }
    double reachSum = 0;
    for (double r : reach)
        reachSum += r;
    // The raw sector sum only breaks ties: all of it is worth less than half a point.
    const double tieWeight = 0.25 / std::max(1.0, reachSum);

    MipModel model;
    std::vector<std::array<int, kLastSlot + 1>> x(n);
    for (int i = 0; i < n; ++i) {
        for (int place = Keeper; place <= kLastSlot; ++place) {
            double raw = 0;
            for (int k = 0; k < kSectorCount; ++k)
                raw += c[i][place][k];
            x[i][place] = model.addVariable(MipModel::Type::Binary, 0, 1, tieWeight * raw);
        }
    }
    std::array<int, kSectorCount> points{};
    std::array<double, kSectorCount> pointsUpper{};
    for (int k = 0; k < kSectorCount; ++k) {
        const double scale = 4.0 / SectorRatings::divisor(SectorRatings::Sector(k));
        pointsUpper[k] = std::floor(scale * reach[k]) - 2;
        points[k] = model.addVariable(MipModel::Type::Integer, -1e4, pointsUpper[k], kWeight[k]);
        // points ≤ 4·S/divisor − 3
        MipModel::Terms terms{{points[k], 1.0}};
        for (int i = 0; i < n; ++i) {
            for (int place = Keeper; place <= kLastSlot; ++place) {
                if (c[i][place][k] != 0)
                    terms.push_back({x[i][place], -scale * c[i][place][k]});
            }
        }
        model.addConstraint(std::move(terms), MipModel::Sense::LessEqual, -3);
    }
    for (int place = Keeper; place <= kLastSlot; ++place) {
        MipModel::Terms terms;
        for (int i = 0; i < n; ++i)
            terms.push_back({x[i][place], 1.0});
        model.addConstraint(std::move(terms), MipModel::Sense::LessEqual, 1);
    }
    for (int i = 0; i < n; ++i) {
        MipModel::Terms terms;
        for (int place = Keeper; place <= kLastSlot; ++place)
            terms.push_back({x[i][place], 1.0});
        model.addConstraint(std::move(terms), MipModel::Sense::LessEqual, 1);
    }

    const std::unique_ptr<MipSolver> solver = MipSolver::create();
    Rated best;
    bool haveBest = false;
    for (;;) {
        // However short the time, the model is solved once: the first answer is a lineup.
        const double left = options.timeLimitSeconds - clock.elapsed() / 1000.0;
        if (left <= 0 && haveBest)
            break;
        const MipSolver::Result answer = solver->solve(model, std::max(left, 0.01));
        ++result.solves;
        if (answer.status == MipSolver::Status::Infeasible) {
            // Every lineup the model allows has been rated: the best of them stands.
            result.proven = haveBest;
            result.bound = int(best.evaluation);
            break;
        }
        if (answer.status == MipSolver::Status::NoSolution) {
            result.bound = int(std::floor(answer.bound + 1e-6));
            break;
        }
        Records records;
        records.fill(-1);
        for (int i = 0; i < n; ++i) {
            for (int place = Keeper; place <= kLastSlot; ++place) {
                if (answer.values[x[i][place]] > 0.5)
                    records[place] = eligible[i];
            }
        }
        const Rated r = rated(state, records);
        if (!haveBest || r.better(best)) {
            best = r;
            haveBest = true;
        }
        const int bound = int(std::floor(answer.bound + 1e-6));
        if (answer.status == MipSolver::Status::Feasible) {
            result.bound = std::max(bound, int(best.evaluation));
            result.proven = best.evaluation >= result.bound;
            break;
        }
        if (r.evaluation >= bound) {
            result.bound = bound;
            result.proven = true;
            break;
        }
        // The model credited a sector of this lineup a point it does not reach: its value sits on
        // a quarter boundary. Every lineup with the same players in the places that sector reads
        // has the same value, so for all of them the sector's points are capped at the true
        // figure; any other lineup lifts the cap.
        Sectors sectors{};
        rate(state, records, &sectors);
        bool cutMade = false;
        for (int k = 0; k < kSectorCount; ++k) {
            const double modelled = std::round(answer.values[points[k]]);
            const double actual =
                Ratings::ratingPoints(sectors[k] / SectorRatings::divisor(SectorRatings::Sector(k)));
            if (modelled <= actual)
                continue;
            const double slack = pointsUpper[k] - actual;
            MipModel::Terms cut{{points[k], 1.0}};
            int placed = 0;
            for (int place = Keeper; place <= kLastSlot; ++place) {
                for (int i = 0; i < n; ++i) {
                    if (c[i][place][k] == 0)
                        continue;
                    if (records[place] == eligible[i]) {
                        cut.push_back({x[i][place], slack});
                        ++placed;
                    } else if (records[place] < 0 || c[index.value(records[place])][place][k] == 0) {
                        cut.push_back({x[i][place], -slack});
                    }
                }
            }
            // points_k ≤ actual + slack·(placed − Σ same + Σ newcomers)
            model.addConstraint(std::move(cut), MipModel::Sense::LessEqual, actual + slack * placed);
            cutMade = true;
        }
        if (!cutMade) {
            // Overrated without a sector to blame (the engine's tolerance): exclude this very lineup.
            MipModel::Terms cut;
            int placed = 0;
            for (int place = Keeper; place <= kLastSlot; ++place) {
                for (int i = 0; i < n; ++i) {
                    if (records[place] == eligible[i]) {
                        cut.push_back({x[i][place], 1.0});
                        ++placed;
                    } else if (records[place] < 0) {
                        cut.push_back({x[i][place], -1.0});
                    }
                }
            }
            model.addConstraint(std::move(cut), MipModel::Sense::LessEqual, placed - 1);
        }
    }

    if (haveBest) {
        best = preferEarlierRecords(state, eligible, best);
        result.found = true;
        result.record = best.records;
        result.evaluation = best.evaluation;
        result.sectorSum = best.sectorSum;
        result.bound = std::max(result.bound, int(best.evaluation));
    }
    result.seconds = clock.elapsed() / 1000.0;
    return result;
}

double putOnBoard(Board &board, const Result &result)
{
    const Roster *roster = board.roster();
    board.clearPlacementAndFigures();
    for (int place = kFirstPlace; place <= kLastPlace; ++place) {
        const int r = isSlot(place) ? result.record[place] : -1;
        board.setSlotEntry(place, r < 0 ? 0 : roster->players[r].ListPosition);
        if (r >= 0)
            board.setPlacement(place, board.state().recordId(r));
    }
    const bool recomputeAll = board.option(Board::RecalculTous);
    board.setOption(Board::RecalculTous, false);
    const double e = board.runSearch();
    board.setOption(Board::RecalculTous, recomputeAll);
    return e;
}

} // namespace LineupOptimizer
