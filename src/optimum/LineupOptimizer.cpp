#include "optimum/LineupOptimizer.h"

#include "evaluation/Ratings.h"
#include "evaluation/Tplayer.h"
#include "lineup/BestLineupSearch.h"
#include "lineup/Board.h"
#include "lineup/TeamEvaluation.h"
#include "optimum/LineupModel.h"
#include "optimum/MipSolver.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

using namespace LineupSlots;
using SectorRatings::kSectorCount;

namespace LineupOptimizer {

namespace {

using Records = std::array<int, kLastSlot + 1>;
using Behaviours = std::array<int, kLastSlot + 1>;
using Sectors = std::array<double, kSectorCount>;

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
    Sectors points{}; // each sector's rating points
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
    for (int k = 0; k < kSectorCount; ++k)
        r.points[k] = Ratings::ratingPoints(sectors[k] / SectorRatings::divisor(SectorRatings::Sector(k)));
    return r;
}

// The places that face each other across the pitch: the right and left sides read the same
// formulas, so a lineup and its side-swapped images often rate alike.
constexpr std::pair<int, int> kFacingPlaces[] = {
    {RightBack, LeftBack}, {CentralDefender1, CentralDefender2}, {RightWinger, LeftWinger},
    {InnerMidfielder1, InnerMidfielder2}, {Forward1, Forward2}};

// Earlier records in earlier places, an empty place last.
bool earlierRecordsFirst(const Records &a, const Records &b)
{
    for (int place = Keeper; place <= kLastSlot; ++place) {
        const unsigned ra = unsigned(a[place]); // -1 compares above every record
        const unsigned rb = unsigned(b[place]);
        if (ra != rb)
            return ra < rb;
    }
    return false;
}

// Of the lineup and the images made by swapping any facing places (the player, and with free
// behaviours his behaviour with him, where the other place allows it), the best by the figures,
// then the one with earlier records in earlier places: whichever of them the engine met first.
Rated preferAmongSwappedSides(const LineupState &state, const Options &options, Rated best)
{
    const Rated given = best;
    for (unsigned swaps = 1; swaps < 1u << std::size(kFacingPlaces); ++swaps) {
        Records records = given.records;
        Behaviours behaviours = given.behaviours;
        bool allowed = true;
        for (size_t i = 0; i < std::size(kFacingPlaces); ++i) {
            if (!(swaps >> i & 1u))
                continue;
            const auto [right, left] = kFacingPlaces[i];
            allowed = allowed && options.locks[right] < 0 && options.locks[left] < 0;
            std::swap(records[right], records[left]);
            if (!options.freeBehaviours)
                continue;
            std::swap(behaviours[right], behaviours[left]);
            for (int place : {right, left})
                allowed = allowed && (behaviours[place] < 0 || options.behaviourChoices[place] >> behaviours[place] & 1u);
        }
        if (!allowed)
            continue;
        const Rated r = rated(state, records, behaviours);
        if (r.better(best) || (r.same(best) && earlierRecordsFirst(r.records, best.records)))
            best = r;
    }
    return best;
}

// Among lineups of equal figures, earlier records take earlier places: each place in turn takes
// the earliest record whose arrival (an exchange when he stands in a later place) keeps both
// figures; a record already in an earlier place keeps it, since that place chose first. Every
// arrival moves an earlier record forward, so the passes repeat until none is left: the answer
// is then the same whichever of the equal lineups the engine met first. A locked player stays
// where he is.
Rated preferEarlierRecords(const LineupState &state, const Options &options, const QList<int> &eligible, Rated best)
{
    for (bool moved = true; moved;) {
        moved = false;
        for (int place = Keeper; place <= kLastSlot; ++place) {
            const int current = best.records[place];
            if (current < 0 || options.locks[place] >= 0)
                continue;
            for (int candidate : eligible) {
                if (candidate >= current)
                    break;
                if (std::find(options.locks.begin(), options.locks.end(), candidate) != options.locks.end())
                    continue;
                const auto standing = std::find(best.records.begin() + Keeper, best.records.end(), candidate);
                if (standing - best.records.begin() < place)
                    continue;
                Records trial = best.records;
                if (standing != best.records.end())
                    trial[standing - best.records.begin()] = current;
                trial[place] = candidate;
                const Rated r = rated(state, trial, best.behaviours);
                if (r.same(best)) {
                    best = r;
                    moved = true;
                    break;
                }
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
        if (options.locks[place] >= 0)
            continue; // a locked player keeps the board's behaviour
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
    LineupInput in = LineupModel::emptyLineup(state);
    for (int p = Keeper; p <= kLastSlot; ++p)
        LineupModel::put(state, in, p, records[p]);
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
    LineupInput in = LineupModel::emptyLineup(state);
    for (int i = 0; i < records.size(); ++i) {
        for (int place = Keeper; place <= kLastSlot; ++place) {
            // Every other place empty: what the sectors hold is this player's share alone.
            LineupModel::put(state, in, place, records[i]);
            DefensiveMarks marks;
            TeamEvaluation::points(in, result[i][place], marks);
            LineupModel::put(state, in, place, -1);
        }
    }
    return result;
}

namespace {

using Lineup = LineupModel::Lineup;

// The rounds of one optimum: solve, rate the answer with the team evaluation, and where the model
// promised more than the rating gives, cut and solve again, until the best rated lineup reaches
// what the model still promises.
class Driver {
public:
    Driver(const LineupState &state, const QList<int> &eligible, const Options &options,
           const QElapsedTimer &clock, Result &result)
        : m_state(state), m_options(options), m_clock(clock), m_model(state, eligible, options), m_result(result)
    {
        m_result.bound = m_model.ceiling();
    }

    // The best lineup with the board's behaviours is quick to find and a lineup the free model
    // allows: the search starts from it, and a time limit never ends below it.
    void startFromBoardBehaviours()
    {
        Options fixedOptions;
        fixedOptions.timeLimitSeconds = m_options.timeLimitSeconds;
        fixedOptions.locks = m_options.locks;
        fixedOptions.excluded = m_options.excluded;
        fixedOptions.startRecords = m_options.startRecords;
        const Result fixed = optimize(m_state, fixedOptions);
        m_result.solves += fixed.solves;
        if (fixed.found)
            consider({fixed.record, fixed.behaviour});
    }

    // A lineup already known, when the model allows it: the search need look only above it.
    void startFromKnown(const QList<int> &eligible)
    {
        const Records &records = m_options.startRecords;
        bool any = false;
        for (int place = Keeper; place <= kLastSlot; ++place) {
            if (records[place] >= 0 && !eligible.contains(records[place]))
                return;
            any = any || records[place] >= 0;
        }
        if (!any || !honours(m_options, records))
            return;
        Behaviours behaviours = boardBehaviours(m_state);
        if (m_options.freeBehaviours) {
            for (int place = RightBack; place <= kLastSlot; ++place) {
                const int b = m_options.startBehaviours[place];
                if (m_options.locks[place] >= 0 || records[place] < 0)
                    continue;
                if (b < 0 || b >= 32 || !(m_options.behaviourChoices[place] >> b & 1u))
                    return;
                behaviours[place] = b;
            }
        }
        consider({records, behaviours});
    }

    void run()
    {
        const std::unique_ptr<MipSolver> solver = MipSolver::create();
        // However short the time, the model is solved once: the first answer is a lineup.
        while (!(timeLeft() <= 0 && m_haveBest)) {
            // The best lineup rated so far, with its true points, is a solution the model still
            // allows (every cut holds for true points): the engine need look only above it.
            if (m_haveBest)
                m_model.startFrom({m_best.records, m_best.behaviours}, m_best.points);
            const MipSolver::Result answer = solver->solve(m_model.mip(), std::max(timeLeft(), 0.01));
            ++m_result.solves;
            if (settled(answer))
                return;
        }
    }

    bool haveBest() const { return m_haveBest; }
    const Rated &best() const { return m_best; }

private:
    double timeLeft() const { return m_options.timeLimitSeconds - m_clock.elapsed() / 1000.0; }

    void consider(const Lineup &lineup)
    {
        const Rated r = rated(m_state, lineup.records, lineup.behaviours);
        if (!m_haveBest || r.better(m_best)) {
            m_best = r;
            m_haveBest = true;
        }
    }

    // Whether the answer ends the rounds; if not, the model has been cut.
    bool settled(const MipSolver::Result &answer)
    {
        switch (answer.status) {
        case MipSolver::Status::Infeasible:
            // Every lineup the model allows has been rated: the best of them stands.
            if (m_haveBest) {
                m_result.proven = true;
                m_result.bound = int(m_best.evaluation);
            }
            return true;
        case MipSolver::Status::NoSolution:
            m_result.bound = std::min(m_result.bound, floorBound(answer));
            return true;
        case MipSolver::Status::Feasible:
            consider(m_model.decode(answer.values));
            m_result.bound = std::max(std::min(m_result.bound, floorBound(answer)), int(m_best.evaluation));
            m_result.proven = m_best.evaluation >= m_result.bound;
            return true;
        case MipSolver::Status::Optimal:
            break;
        }
        const Lineup lineup = m_model.decode(answer.values);
        consider(lineup);
        const Rated r = rated(m_state, lineup.records, lineup.behaviours);
        const unsigned overrated = overratedSectors(r, answer.values);
        // An overrated answer that only reaches the best E found so far settles E but not the
        // sum: a lineup of that E with a larger sum may still lie between the two.
        const int bound = floorBound(answer);
        if (m_best.evaluation > bound || (m_best.evaluation == bound && !overrated)) {
            m_result.bound = bound;
            m_result.proven = true;
            return true;
        }
        cutOverrated(lineup, r, overrated);
        return false;
    }

    static int floorBound(const MipSolver::Result &answer) { return int(std::floor(answer.bound + 1e-6)); }

    // The sectors (bit k) the model credited with a point the lineup does not reach: their
    // values sit on a quarter boundary.
    unsigned overratedSectors(const Rated &r, const std::vector<double> &values) const
    {
        unsigned sectors = 0;
        for (int k = 0; k < kSectorCount; ++k) {
            if (m_model.modelledPoints(values, k) > r.points[k])
                sectors |= 1u << k;
        }
        return sectors;
    }

    void cutOverrated(const Lineup &lineup, const Rated &r, unsigned overrated)
    {
        for (int k = 0; k < kSectorCount; ++k) {
            if (overrated >> k & 1u)
                m_model.capSector(lineup, k, r.points[k]);
        }
        // Overrated without a sector to blame (the engine's tolerance): exclude this very lineup.
        if (!overrated)
            m_model.exclude(lineup);
    }

    const LineupState &m_state;
    const Options &m_options;
    const QElapsedTimer &m_clock;
    LineupModel m_model;
    Result &m_result;
    Rated m_best;
    bool m_haveBest = false;
};

} // namespace

Result optimize(const LineupState &state, const Options &options)
{
    QElapsedTimer clock;
    clock.start();
    Result result;
    result.record.fill(-1);
    result.freeBehaviours = options.freeBehaviours;
    result.behaviour = boardBehaviours(state);
    // A lock that cannot be honoured (lockProblem says why) is not the optimum's to guess at.
    if (!lockProblem(state, options).isEmpty())
        return result;
    const QList<int> eligible = eligibleRecords(state, options);
    if (eligible.isEmpty())
        return result;
    const QList<int> fit = eligibleRecords(state);
    for (int place = Keeper; place <= kLastSlot; ++place) {
        if (options.locks[place] >= 0 && !fit.contains(options.locks[place]))
            result.lockedUnfit.append(options.locks[place]);
    }

    Driver driver(state, eligible, options, clock, result);
    driver.startFromKnown(eligible);
    if (options.freeBehaviours)
        driver.startFromBoardBehaviours();
    driver.run();

    if (driver.haveBest()) {
        Rated best = preferAmongSwappedSides(state, options, driver.best());
        best = preferEarlierRecords(state, options, eligible, best);
        if (options.freeBehaviours)
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
    const Roster *roster = board.state().roster();
    auto edit = board.edit(); // the lineup found is shown once, when it stands
    edit->clearPlacementAndFigures();
    if (result.freeBehaviours) {
        for (int place = RightBack; place <= kLastSlot; ++place)
            edit->setBehaviourEntry(place, result.behaviour[place]);
    }
    for (int place = kFirstPlace; place <= kLastPlace; ++place) {
        const int r = isSlot(place) ? result.record[place] : -1;
        edit->setSlotEntry(place, r < 0 ? 0 : roster->players[r].ListPosition);
        if (r >= 0)
            edit->setPlacement(place, board.state().recordId(r));
    }
    const bool recomputeAll = board.state().option(Board::RecalculTous);
    edit->setOption(Board::RecalculTous, false);
    const double e = board.runSearch(unfilled);
    edit->setOption(Board::RecalculTous, recomputeAll);
    return e;
}

} // namespace LineupOptimizer
