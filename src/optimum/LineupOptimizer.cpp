#include "optimum/LineupOptimizer.h"

#include "evaluation/Ratings.h"
#include "evaluation/Tplayer.h"
#include "lineup/BestLineupSearch.h"
#include "lineup/Board.h"
#include "lineup/TeamEvaluation.h"
#include "optimum/MipSolver.h"

#include <QElapsedTimer>

#include <cmath>

using namespace LineupSlots;
using SectorRatings::kSectorCount;

namespace LineupOptimizer {

namespace {

using Records = std::array<int, kLastSlot + 1>;
using Behaviours = std::array<int, kLastSlot + 1>;
using Sectors = std::array<double, kSectorCount>;

// What each sector's points count in E: the midfield three times.
constexpr double kWeight[kSectorCount] = {1, 1, 1, 3, 1, 1, 1};
constexpr int kCentralAttack = SectorRatings::CentralAttack;
constexpr int kAttaquant = 4;
// The places whose "Attaquant" weakens the central attack, in the order its sum runs through them.
constexpr int kRunningPlaces[] = {RightBack, LeftBack, CentralDefender1, CentralDefender2, InnerMidfielder1,
                                  InnerMidfielder2};
// Players that, in one place and behaviour, bring every sector at least as much as a player:
// with this many, one of them is always free to take his place, so he can be left out there.
constexpr int kDominators = kLastSlot;

bool weakensCentralAttack(int place, int behaviour)
{
    if (behaviour != kAttaquant)
        return false;
    for (int p : kRunningPlaces) {
        if (p == place)
            return true;
    }
    return false;
}

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

Behaviours boardBehaviours(const LineupState &state)
{
    Behaviours b;
    b.fill(-1);
    for (int place = RightBack; place <= kLastSlot; ++place)
        b[place] = state.behaviourEntry(place);
    return b;
}

struct Rated {
    Records records{};
    Behaviours behaviours{};
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

Rated rated(const LineupState &state, const Records &records, const Behaviours &behaviours)
{
    Rated r;
    r.records = records;
    r.behaviours = behaviours;
    Sectors sectors{};
    r.evaluation = rate(state, records, behaviours, &sectors);
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
            const Rated r = rated(state, trial, best.behaviours);
            if (r.same(best)) {
                best = r;
                break;
            }
        }
    }
    return best;
}

// Among behaviours of equal figures, the board's own, else the lowest entry.
Rated preferBehaviours(const LineupState &state, const Options &options, Rated best)
{
    for (int place = RightBack; place <= kLastSlot; ++place) {
        const int current = best.behaviours[place];
        QList<int> candidates{state.behaviourEntry(place)};
        for (int b = 0; b < current; ++b)
            candidates.append(b);
        for (int b : candidates) {
            if (b == current || b < 0 || b >= 32 || !(options.behaviourChoices[place] >> b & 1u))
                continue;
            Behaviours trial = best.behaviours;
            trial[place] = b;
            const Rated r = rated(state, best.records, trial);
            if (r.same(best)) {
                best = r;
                break;
            }
        }
    }
    return best;
}

// One place with one behaviour (the keeper's is -1; with the board's behaviours, the box's).
struct Choice {
    int place;
    int behaviour;
};

// One column of the model: eligible player `player` (his row) in choice `choice`.
struct Column {
    int player;
    int choice;
    int column;
};

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
    return rate(state, records, boardBehaviours(state), sectors);
}

double rate(const LineupState &state, const Records &records, const Behaviours &behaviours, Sectors *sectors)
{
    LineupInput in = emptyLineup(state);
    for (int p = Keeper; p <= kLastSlot; ++p)
        put(state, in, p, records[p]);
    for (int p = RightBack; p <= kLastSlot; ++p)
        in.behaviour[p] = behaviours[p];
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
    result.freeBehaviours = options.freeBehaviours;
    result.behaviour = boardBehaviours(state);
    const bool free = options.freeBehaviours;
    const QList<int> eligible = eligibleRecords(state);
    if (eligible.isEmpty())
        return result;
    const int n = int(eligible.size());

    // The places with the behaviours the model may give them.
    std::vector<Choice> choices{{Keeper, -1}};
    Behaviours emptyPlaces = result.behaviour; // what a place nobody fills keeps
    for (int place = RightBack; place <= kLastSlot; ++place) {
        if (!free) {
            choices.push_back({place, state.behaviourEntry(place)});
            continue;
        }
        emptyPlaces[place] = -1;
        for (int b = LineupState::behaviourItemCount(place) - 1; b >= 0; --b) {
            if (options.behaviourChoices[place] >> b & 1u) {
                choices.push_back({place, b});
                emptyPlaces[place] = b;
            }
        }
    }
    const int choiceCount = int(choices.size());

    // What each player brings each sector alone in each choice. Free behaviours: the other places
    // have none, and an "Attaquant" of the central attack's running places is counted before its
    // 5% (the model applies that to the running sum).
    std::vector<std::vector<Sectors>> c(n, std::vector<Sectors>(choiceCount));
    {
        LineupInput in = emptyLineup(state);
        if (free) {
            for (int place = RightBack; place <= kLastSlot; ++place)
                in.behaviour[place] = -1;
        }
        for (int o = 0; o < choiceCount; ++o) {
            const Choice ch = choices[o];
            const int before = in.behaviour[ch.place];
            if (free && ch.place != Keeper)
                in.behaviour[ch.place] = ch.behaviour;
            for (int i = 0; i < n; ++i) {
                put(state, in, ch.place, eligible[i]);
                DefensiveMarks marks;
                TeamEvaluation::points(in, c[i][o], marks);
                if (free && weakensCentralAttack(ch.place, ch.behaviour))
                    c[i][o][kCentralAttack] /= 0.95;
            }
            put(state, in, ch.place, -1);
            in.behaviour[ch.place] = before;
        }
    }

    // A player dominated in a choice by enough others never needs to stand there.
    std::vector<Column> columns;
    for (int o = 0; o < choiceCount; ++o) {
        for (int i = 0; i < n; ++i) {
            int dominators = 0;
            for (int q = 0; q < n && dominators < kDominators; ++q) {
                if (q == i)
                    continue;
                bool atLeast = true;
                bool equal = true;
                for (int k = 0; k < kSectorCount; ++k) {
                    atLeast = atLeast && c[q][o][k] >= c[i][o][k];
                    equal = equal && c[q][o][k] == c[i][o][k];
                }
                if (atLeast && (!equal || q < i))
                    ++dominators;
            }
            if (dominators < kDominators)
                columns.push_back({i, o, -1});
        }
    }

    // The largest raw value each sector can reach, for the point bounds and the tie weight.
    std::array<double, kSectorCount> reach{};
    for (int place = Keeper; place <= kLastSlot; ++place) {
        for (int k = 0; k < kSectorCount; ++k) {
            double top = 0;
            for (const Column &col : columns) {
                if (choices[col.choice].place == place)
                    top = std::max(top, c[col.player][col.choice][k]);
            }
            reach[k] += top;
        }
    }
    double reachSum = 0;
    for (double r : reach)
        reachSum += r;
    // The raw sector sum only breaks ties: all of it is worth less than half a point.
    const double tieWeight = 0.25 / std::max(1.0, reachSum);

    MipModel model;
    for (Column &col : columns) {
        double raw = 0;
        for (int k = 0; k < kSectorCount; ++k)
            raw += c[col.player][col.choice][k];
        col.column = model.addVariable(MipModel::Type::Binary, 0, 1, tieWeight * raw);
    }
    // Free behaviours: per running place of the central attack, what its "Attaquant" takes away
    // (5% of the sum so far, its own term included), zero without one.
    std::vector<std::pair<int, int>> taken; // (running place, variable)
    if (free) {
        double upper = 0;
        for (int place : kRunningPlaces) {
            double top = 0;
            bool attaquant = false;
            for (const Column &col : columns) {
                if (choices[col.choice].place != place)
                    continue;
                top = std::max(top, c[col.player][col.choice][kCentralAttack]);
                attaquant = attaquant || weakensCentralAttack(place, choices[col.choice].behaviour);
            }
            upper += top;
            if (!attaquant)
                continue;
            const double bigM = upper * 1.001 + 1;
            const int y = model.addVariable(MipModel::Type::Continuous, 0, bigM, -0.05 * tieWeight);
            // y ≥ (sum so far) − bigM·(1 − attaquant here)
            MipModel::Terms terms{{y, 1.0}};
            for (const auto &[earlier, variable] : taken)
                terms.push_back({variable, 0.05});
            for (const Column &col : columns) {
                const Choice ch = choices[col.choice];
                double coefficient = 0;
                for (int p : kRunningPlaces) {
                    if (p == ch.place)
                        coefficient = -c[col.player][col.choice][kCentralAttack];
                    if (p == place)
                        break;
                }
                if (ch.place == place && weakensCentralAttack(ch.place, ch.behaviour))
                    coefficient -= bigM;
                if (coefficient != 0)
                    terms.push_back({col.column, coefficient});
            }
            model.addConstraint(std::move(terms), MipModel::Sense::GreaterEqual, -bigM);
            taken.push_back({place, y});
        }
    }

    std::array<int, kSectorCount> points{};
    std::array<double, kSectorCount> pointsUpper{};
    std::array<double, kSectorCount> scale{};
    for (int k = 0; k < kSectorCount; ++k) {
        scale[k] = 4.0 / SectorRatings::divisor(SectorRatings::Sector(k));
        pointsUpper[k] = std::floor(scale[k] * reach[k]) - 2;
        points[k] = model.addVariable(MipModel::Type::Integer, -1e4, pointsUpper[k], kWeight[k]);
        // points ≤ 4·S/divisor − 3
        MipModel::Terms terms{{points[k], 1.0}};
        for (const Column &col : columns) {
            if (c[col.player][col.choice][k] != 0)
                terms.push_back({col.column, -scale[k] * c[col.player][col.choice][k]});
        }
        if (k == kCentralAttack) {
            for (const auto &[place, y] : taken)
                terms.push_back({y, 0.05 * scale[k]});
        }
        model.addConstraint(std::move(terms), MipModel::Sense::LessEqual, -3);
    }
    for (int place = Keeper; place <= kLastSlot; ++place) {
        MipModel::Terms terms;
        for (const Column &col : columns) {
            if (choices[col.choice].place == place)
                terms.push_back({col.column, 1.0});
        }
        model.addConstraint(std::move(terms), MipModel::Sense::LessEqual, 1);
    }
    for (int i = 0; i < n; ++i) {
        MipModel::Terms terms;
        for (const Column &col : columns) {
            if (col.player == i)
                terms.push_back({col.column, 1.0});
        }
        if (!terms.empty())
            model.addConstraint(std::move(terms), MipModel::Sense::LessEqual, 1);
    }
    // Whether a column enters a sector: its share, or (central attack) its 5%.
    auto counts = [&](const Column &col, int k) {
        return c[col.player][col.choice][k] != 0
               || (free && k == kCentralAttack
                   && weakensCentralAttack(choices[col.choice].place, choices[col.choice].behaviour));
    };

    // No lineup rates above every sector at its highest reach.
    double ceiling = 0;
    for (int k = 0; k < kSectorCount; ++k)
        ceiling += kWeight[k] * pointsUpper[k];
    result.bound = int(ceiling);

    Rated best;
    bool haveBest = false;
    if (free) {
        // The best lineup with the board's behaviours is quick to find and a lineup the free model
        // allows: the search starts from it, and a time limit never ends below it.
        Options fixedOptions;
        fixedOptions.timeLimitSeconds = options.timeLimitSeconds;
        const Result fixed = optimize(state, fixedOptions);
        if (fixed.found) {
            best = rated(state, fixed.record, fixed.behaviour);
            haveBest = true;
            MipModel::Terms start;
            for (const Column &col : columns) {
                const Choice ch = choices[col.choice];
                const bool there = fixed.record[ch.place] == eligible[col.player]
                                   && (ch.place == Keeper || fixed.behaviour[ch.place] == ch.behaviour);
                start.push_back({col.column, there ? 1.0 : 0.0});
            }
            model.setStart(std::move(start));
        }
    }

    const std::unique_ptr<MipSolver> solver = MipSolver::create();
    for (;;) {
        // However short the time, the model is solved once: the first answer is a lineup.
        const double left = options.timeLimitSeconds - clock.elapsed() / 1000.0;
        if (left <= 0 && haveBest)
            break;
        const MipSolver::Result answer = solver->solve(model, std::max(left, 0.01));
        ++result.solves;
        if (answer.status == MipSolver::Status::Infeasible) {
            // Every lineup the model allows has been rated: the best of them stands.
            if (haveBest) {
                result.proven = true;
                result.bound = int(best.evaluation);
            }
            break;
        }
        if (answer.status == MipSolver::Status::NoSolution) {
            result.bound = std::min(result.bound, int(std::floor(answer.bound + 1e-6)));
            break;
        }
        Records records;
        records.fill(-1);
        Behaviours behaviours = emptyPlaces;
        std::vector<bool> chosen(columns.size());
        for (size_t v = 0; v < columns.size(); ++v) {
            if (answer.values[columns[v].column] > 0.5) {
                const Choice ch = choices[columns[v].choice];
                records[ch.place] = eligible[columns[v].player];
                if (ch.place != Keeper)
                    behaviours[ch.place] = ch.behaviour;
                chosen[v] = true;
            }
        }
        const Rated r = rated(state, records, behaviours);
        if (!haveBest || r.better(best)) {
            best = r;
            haveBest = true;
        }
        const int bound = int(std::floor(answer.bound + 1e-6));
        if (answer.status == MipSolver::Status::Feasible) {
            result.bound = std::max(std::min(result.bound, bound), int(best.evaluation));
            result.proven = best.evaluation >= result.bound;
            break;
        }
        if (best.evaluation >= bound) {
            result.bound = bound;
            result.proven = true;
            break;
        }
        // The model credited a sector of this lineup a point it does not reach: its value sits on
        // a quarter boundary. Every lineup with the same players and behaviours in the places that
        // sector reads has the same value, so for all of them the sector's points are capped at
        // the true figure; any change there lifts the cap.
        Sectors sectors{};
        rate(state, records, behaviours, &sectors);
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
            for (size_t v = 0; v < columns.size(); ++v) {
                if (!counts(columns[v], k))
                    continue;
                if (chosen[v]) {
                    cut.push_back({columns[v].column, slack});
                    ++placed;
                } else {
                    cut.push_back({columns[v].column, -slack});
                }
            }
            // points_k ≤ actual + slack·(placed − Σ same + Σ others)
            model.addConstraint(std::move(cut), MipModel::Sense::LessEqual, actual + slack * placed);
            cutMade = true;
        }
        if (!cutMade) {
            // Overrated without a sector to blame (the engine's tolerance): exclude this very lineup.
            MipModel::Terms cut;
            int placed = 0;
            for (size_t v = 0; v < columns.size(); ++v) {
                cut.push_back({columns[v].column, chosen[v] ? 1.0 : -1.0});
                placed += chosen[v] ? 1 : 0;
            }
            model.addConstraint(std::move(cut), MipModel::Sense::LessEqual, placed - 1);
        }
    }

    if (haveBest) {
        best = preferEarlierRecords(state, eligible, best);
        if (free)
            best = preferBehaviours(state, options, best);
        result.found = true;
        result.record = best.records;
        result.behaviour = best.behaviours;
        result.evaluation = best.evaluation;
        result.sectorSum = best.sectorSum;
        result.bound = std::max(result.bound, int(best.evaluation));
    }
    result.seconds = clock.elapsed() / 1000.0;
    return result;
}

double putOnBoard(Board &board, const Result &result, QList<int> *unfilled)
{
    const Roster *roster = board.roster();
    board.clearPlacementAndFigures();
    if (result.freeBehaviours) {
        for (int place = RightBack; place <= kLastSlot; ++place)
            board.setBehaviourEntry(place, result.behaviour[place]);
    }
    for (int place = kFirstPlace; place <= kLastPlace; ++place) {
        const int r = isSlot(place) ? result.record[place] : -1;
        board.setSlotEntry(place, r < 0 ? 0 : roster->players[r].ListPosition);
        if (r >= 0)
            board.setPlacement(place, board.state().recordId(r));
    }
    const bool recomputeAll = board.option(Board::RecalculTous);
    board.setOption(Board::RecalculTous, false);
    const double e = board.runSearch(unfilled);
    board.setOption(Board::RecalculTous, recomputeAll);
    return e;
}

} // namespace LineupOptimizer
