// The exact best lineup against exhaustive search, the greedy search and the board's own figures.
#include "lineup/LineupFixture.h"
#include "optimum/LineupAssistant.h"
#include "optimum/LineupOptimizer.h"
#include "support/DrawnSquad.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace LineupSlots;
using LineupOptimizer::Result;

namespace {

using Records = std::array<int, kLastSlot + 1>;

// A squad of invented players with skills 0..20 and position values that follow them loosely,
// so the greedy search has something to go by.
void fillSquad(LineupFixture &f, int size, QRandomGenerator &rng)
{
    for (int i = 0; i < size; ++i) {
        Tplayer &p = f.add(QStringLiteral("Player %1").arg(i), 9000 + i);
        p.KeeperSkill = rng.bounded(21);
        p.DefenderSkill = rng.bounded(21);
        p.PlaymakerSkill = rng.bounded(21);
        p.PassingSkill = rng.bounded(21);
        p.WingerSkill = rng.bounded(21);
        p.ScorerSkill = rng.bounded(21);
        p.Experience = rng.bounded(10);
        for (int k = 0; k < 19; ++k)
            p.PositionValue[k] = p.DefenderSkill * (k % 3) + p.PlaymakerSkill * (k % 5) + p.ScorerSkill * (k % 7)
                                 + p.KeeperSkill * (k == 0 ? 4 : 0) + rng.bounded(5);
    }
}

// Conditions and behaviours drawn from their lists; `active` places keep a behaviour, the
// others have none and so count for nothing.
void drawBoard(Board &board, QRandomGenerator &rng, int active)
{
    for (int c = 0; c < Board::kConditionCount; ++c) {
        const auto condition = Board::Condition(c);
        const int items = LineupState::conditionItemCount(condition);
        board.edit()->setCondition(condition, items > 0 ? int(rng.bounded(items + 1)) - 1 : -1);
    }
    for (int place = RightBack; place <= kLastSlot; ++place)
        board.edit()->setBehaviourEntry(place, place <= active ? int(rng.bounded(LineupState::behaviourItemCount(place))) : -1);
}

// Every ordered choice of players for the given places: the best E. The places `fixed` names
// keep their player, who stands nowhere else.
double exhaustiveBest(const LineupState &state, const QList<int> &eligible, const QList<int> &places,
                      const Records &fixed = LineupOptimizer::Options::noLocks())
{
    Records records = fixed;
    std::vector<bool> used(eligible.size());
    for (int i = 0; i < eligible.size(); ++i)
        used[i] = std::find(fixed.begin(), fixed.end(), eligible[i]) != fixed.end();
    double best = -1e9;
    std::function<void(int)> place = [&](int p) {
        if (p == places.size()) {
            best = std::max(best, LineupOptimizer::rate(state, records));
            return;
        }
        if (fixed[places[p]] >= 0) {
            place(p + 1);
            return;
        }
        for (int i = 0; i < eligible.size(); ++i) {
            if (used[i])
                continue;
            used[i] = true;
            records[places[p]] = eligible[i];
            place(p + 1);
            used[i] = false;
        }
        records[places[p]] = -1;
    };
    place(0);
    return best;
}

QList<int> firstPlaces(int active)
{
    QList<int> places;
    for (int p = Keeper; p <= active; ++p)
        places.append(p);
    return places;
}

} // namespace

class TestLineupOptimizer : public QObject {
    Q_OBJECT
private slots:
    void sectorsAreLinearInThePlayers();
    void equalsExhaustiveSearch_data();
    void equalsExhaustiveSearch();
    void equalsExhaustiveSearchOnQuarterBoundaries();
    void equalsExhaustiveSearchWithFreeBehaviours_data();
    void equalsExhaustiveSearchWithFreeBehaviours();
    void provenAndNeverBelowTheGreedySearch();
    void freeBehavioursProvenAndNeverBelowTheBoardsOwn();
    void timeRunningOutLeavesAnHonestBound();
    void drawnSquadsProvenWithEarlierRecordsFirst();
    void noEligiblePlayer();
    void locksAndExclusionsEqualExhaustiveSearch();
    void lockedPlaceKeepsTheBoardsBehaviourWhenBehavioursAreFree();
    void tacticsEqualTheOptimumOfEachTactic();
    void depthRowsAreTheOptimaWithoutEachPlayer();
};

// The model rests on each sector being the sum of the shares each player brings alone,
// modifiers and repositioned forwards included.
void TestLineupOptimizer::sectorsAreLinearInThePlayers()
{
    QRandomGenerator rng(7);
    for (int round = 0; round < 20; ++round) {
        LineupFixture f;
        fillSquad(f, 14, rng);
        Board &board = f.makeBoard();
        drawBoard(board, rng, kLastSlot);
        const QList<int> eligible = LineupOptimizer::eligibleRecords(board.state());
        QCOMPARE(eligible.size(), 14);
        const auto c = LineupOptimizer::coefficients(board.state(), eligible);
        Records records;
        std::array<double, SectorRatings::kSectorCount> expected{};
        for (int place = Keeper; place <= kLastSlot; ++place) {
            records[place] = eligible[place + 1];
            for (int k = 0; k < SectorRatings::kSectorCount; ++k)
                expected[k] += c[place + 1][place][k];
        }
        std::array<double, SectorRatings::kSectorCount> sectors{};
        LineupOptimizer::rate(board.state(), records, &sectors);
        for (int k = 0; k < SectorRatings::kSectorCount; ++k)
            QVERIFY2(std::abs(sectors[k] - expected[k]) <= 1e-9 * (1 + std::abs(expected[k])),
                     qPrintable(QStringLiteral("round %1 sector %2: %3 vs %4").arg(round).arg(k).arg(sectors[k]).arg(expected[k])));
    }
}

void TestLineupOptimizer::equalsExhaustiveSearch_data()
{
    QTest::addColumn<int>("squad");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("seed");
    // Places past `active` have no behaviour: the search over the others is complete.
    QTest::newRow("12 players, 5 places") << 12 << 5 << 1;
    QTest::newRow("13 players, 5 places") << 13 << 5 << 2;
    QTest::newRow("14 players, 4 places") << 14 << 4 << 3;
    QTest::newRow("12 players, 5 places, other draw") << 12 << 5 << 4;
}

void TestLineupOptimizer::equalsExhaustiveSearch()
{
    QFETCH(int, squad);
    QFETCH(int, active);
    QFETCH(int, seed);
    QRandomGenerator rng(seed);
    for (int round = 0; round < 2; ++round) {
        LineupFixture f;
        fillSquad(f, squad, rng);
        Board &board = f.makeBoard();
        drawBoard(board, rng, active);
        const Result r = LineupOptimizer::optimize(board.state());
        QVERIFY(r.proven);
        QCOMPARE(r.evaluation,
                 exhaustiveBest(board.state(), LineupOptimizer::eligibleRecords(board.state()), firstPlaces(active)));
        QCOMPARE(r.bound, int(r.evaluation));
    }
}

// No modifier and few distinct skills: many lineups put a sector exactly on a quarter boundary,
// where the model credits a point too many, and many players read the same there. Each cut
// excludes a whole family of lineups; none may exclude the best.
void TestLineupOptimizer::equalsExhaustiveSearchOnQuarterBoundaries()
{
    QRandomGenerator rng(5);
    for (int round = 0; round < 6; ++round) {
        LineupFixture f;
        fillSquad(f, 12, rng);
        for (int i = 0; i < 12; ++i) {
            Tplayer &p = f.roster->players[i];
            for (int Tplayer::*skill : {&Tplayer::KeeperSkill, &Tplayer::DefenderSkill, &Tplayer::PlaymakerSkill,
                                        &Tplayer::PassingSkill, &Tplayer::WingerSkill, &Tplayer::ScorerSkill})
                p.*skill = int(rng.bounded(5));
        }
        Board &board = f.makeBoard();
        drawBoard(board, rng, 5);
        for (int c = 0; c < Board::kConditionCount; ++c)
            board.edit()->setCondition(Board::Condition(c), -1);
        const Result r = LineupOptimizer::optimize(board.state());
        QVERIFY(r.proven);
        QCOMPARE(r.evaluation,
                 exhaustiveBest(board.state(), LineupOptimizer::eligibleRecords(board.state()), firstPlaces(5)));
    }
}

void TestLineupOptimizer::equalsExhaustiveSearchWithFreeBehaviours_data()
{
    QTest::addColumn<int>("squad");
    QTest::addColumn<int>("seed");
    QTest::newRow("12 players") << 12 << 21;
    QTest::newRow("13 players") << 13 << 22;
    QTest::newRow("14 players") << 14 << 23;
}

// Four places, a few behaviours each, the central attack's 5% in three of them (a back, a
// central defender and an inner midfielder on "Attaquant" weaken what comes before them).
void TestLineupOptimizer::equalsExhaustiveSearchWithFreeBehaviours()
{
    QFETCH(int, squad);
    QFETCH(int, seed);
    QRandomGenerator rng(seed);
    LineupFixture f;
    fillSquad(f, squad, rng);
    Board &board = f.makeBoard();
    drawBoard(board, rng, Keeper);
    const QList<int> places{Keeper, RightBack, CentralDefender1, InnerMidfielder1};
    const QList<QList<int>> behaviours{{2, 4}, {1, 4}, {0, 4, 5}};
    LineupOptimizer::Options options;
    options.freeBehaviours = true;
    options.behaviourChoices.fill(0);
    for (int i = 0; i < behaviours.size(); ++i) {
        for (int b : behaviours[i])
            options.behaviourChoices[places[i + 1]] |= 1u << b;
    }
    const Result r = LineupOptimizer::optimize(board.state(), options);

    const QList<int> eligible = LineupOptimizer::eligibleRecords(board.state());
    double best = -1e9;
    for (int b1 : behaviours[0]) {
        for (int b2 : behaviours[1]) {
            for (int b3 : behaviours[2]) {
                board.edit()->setBehaviourEntry(RightBack, b1);
                board.edit()->setBehaviourEntry(CentralDefender1, b2);
                board.edit()->setBehaviourEntry(InnerMidfielder1, b3);
                best = std::max(best, exhaustiveBest(board.state(), eligible, places));
            }
        }
    }
    QVERIFY(r.proven);
    QCOMPARE(r.evaluation, best);
    QCOMPARE(LineupOptimizer::rate(board.state(), r.record, r.behaviour), r.evaluation);
    for (int place : {CentralDefender2, LeftBack, RightWinger, InnerMidfielder2, LeftWinger, Forward1, Forward2})
        QCOMPARE(r.behaviour[place], -1);
}

void TestLineupOptimizer::provenAndNeverBelowTheGreedySearch()
{
    QRandomGenerator rng(11);
    for (int size : {16, 23, 40, 101}) {
        LineupFixture f;
        fillSquad(f, size, rng);
        // Some players the search must leave out: injured, suspended, a trainer, unticked.
        f.roster->players[1].InjuryLevel = 2;
        f.roster->players[2].Cards = 3;
        f.roster->players[3].TrainerType = 1;
        f.roster->players[4].Selectable = false;
        Board &board = f.makeBoard();
        drawBoard(board, rng, kLastSlot);
        board.edit()->setOption(Board::RecalculTous, true);
        const double greedy = board.calcule().evaluation;

        const Result r = LineupOptimizer::optimize(board.state());
        QVERIFY(r.proven);
        QVERIFY2(r.evaluation >= greedy, qPrintable(QStringLiteral("%1 < %2").arg(r.evaluation).arg(greedy)));
        for (int place = Keeper; place <= kLastSlot; ++place)
            QVERIFY(r.record[place] < 1 || r.record[place] > 4);
        QCOMPARE(LineupOptimizer::putOnBoard(board, r), r.evaluation);
        QCOMPARE(board.figures().E, r.evaluation);
        // The search's own rules fill the rest around the lineup, with nobody twice.
        QVERIFY(board.state().captainPlayerId() >= 0);
        QSet<int32_t> placed;
        for (int place = kFirstPlace; place <= kLastPlace; ++place) {
            if (board.state().placement(place) >= 0)
                QVERIFY(!placed.contains(board.state().placement(place)));
            placed.insert(board.state().placement(place));
        }
        QCOMPARE(board.state().option(Board::RecalculTous), true);
    }
}

// Free behaviours on generated squads: proven, never below the board's own behaviours, and the
// board, given the lineup and its behaviours, rates it as reported.
void TestLineupOptimizer::freeBehavioursProvenAndNeverBelowTheBoardsOwn()
{
    QRandomGenerator rng(31);
    for (int size : {16, 20}) {
        LineupFixture f;
        fillSquad(f, size, rng);
        Board &board = f.makeBoard();
        drawBoard(board, rng, kLastSlot);
        const Result fixed = LineupOptimizer::optimize(board.state());
        LineupOptimizer::Options options;
        options.freeBehaviours = true;
        options.timeLimitSeconds = 600; // the proof is checked here, its time by the benchmark
        const Result r = LineupOptimizer::optimize(board.state(), options);
        QVERIFY(r.proven);
        QVERIFY2(r.evaluation >= fixed.evaluation, qPrintable(QStringLiteral("%1 < %2").arg(r.evaluation).arg(fixed.evaluation)));
        QCOMPARE(LineupOptimizer::putOnBoard(board, r), r.evaluation);
        for (int place = RightBack; place <= kLastSlot; ++place)
            QCOMPARE(board.state().behaviourEntry(place), r.behaviour[place]);
        QCOMPARE(board.figures().E, r.evaluation);
    }
}

// Squads drawn as the generator draws them, each of which once went wrong: on 2284 the engine
// stopped the whole program on an assertion of its own; on 1026 it took a lineup of equal E and a
// sum smaller by 0.009 for no better (its cutoff increment); on 2018 an exchange late in the tie
// step pushed a later record into the right back's place; on 2114 an overrated answer of the
// best E ended the search on a lineup whose sum another of that E beats (the witness below). No
// single arrival (a player from the
// bench, or an exchange) gives a higher E or, at equal E, a larger sum; none that keeps both
// figures brings an earlier record into an earlier place.
void TestLineupOptimizer::drawnSquadsProvenWithEarlierRecordsFirst()
{
    for (const auto &[seed, mixedSize] : {std::pair{2284, true}, {1026, false}, {2018, true}, {2114, true}}) {
        const DrawnSquad squad(seed, mixedSize);
        const LineupState &state = squad.board->state();
        const Result r = LineupOptimizer::optimize(state);
        QVERIFY(r.proven);
        if (seed == 2114) {
            std::array<double, SectorRatings::kSectorCount> sectors{};
            const Records witness{-1, 29, 28, 22, 24, 42, 0, 41, 43, 47, 1, -1};
            QCOMPARE(LineupOptimizer::rate(state, witness, &sectors), r.evaluation);
            double sum = 0;
            for (double v : sectors)
                sum += v;
            QVERIFY2(r.sectorSum >= sum, qPrintable(QString::number(r.sectorSum, 'g', 17)));
        }
        for (int candidate : LineupOptimizer::eligibleRecords(state)) {
            const auto standing = std::find(r.record.begin() + Keeper, r.record.end(), candidate);
            for (int place = Keeper; place <= kLastSlot; ++place) {
                if (r.record[place] == candidate)
                    continue;
                Records trial = r.record;
                if (standing != r.record.end())
                    trial[standing - r.record.begin()] = r.record[place];
                trial[place] = candidate;
                std::array<double, SectorRatings::kSectorCount> sectors{};
                const double e = LineupOptimizer::rate(state, trial, &sectors);
                double sum = 0;
                for (double v : sectors)
                    sum += v;
                const QString move = QStringLiteral("seed %1: record %2 in place %3").arg(seed).arg(candidate).arg(place);
                // (The engine cannot tell sums apart in their last bits: those ties go to the mirror step.)
                QVERIFY2(e < r.evaluation || (e == r.evaluation && sum <= r.sectorSum + 1e-9), qPrintable(move));
                const bool earlier = r.record[place] >= 0 && candidate < r.record[place]
                                     && standing - r.record.begin() > place;
                QVERIFY2(!earlier || e != r.evaluation || sum != r.sectorSum, qPrintable(move));
            }
        }
    }
}

// Stopped by the time limit in either mode, the result never claims more than it knows: the bound
// is at least the proven optimum, and what it reports is the board's own rating.
void TestLineupOptimizer::timeRunningOutLeavesAnHonestBound()
{
    QRandomGenerator rng(41);
    LineupFixture f;
    fillSquad(f, 60, rng);
    Board &board = f.makeBoard();
    drawBoard(board, rng, kLastSlot);
    const Result optimum = LineupOptimizer::optimize(board.state());
    QVERIFY(optimum.proven);
    for (bool free : {false, true}) {
        LineupOptimizer::Options options;
        options.freeBehaviours = free;
        options.timeLimitSeconds = 1e-6;
        const Result r = LineupOptimizer::optimize(board.state(), options);
        QVERIFY(r.bound >= optimum.evaluation);
        if (r.found) {
            QVERIFY(r.bound >= r.evaluation);
            QCOMPARE(LineupOptimizer::rate(board.state(), r.record, r.behaviour), r.evaluation);
        }
        if (r.proven)
            QCOMPARE(r.evaluation, free ? double(r.bound) : optimum.evaluation);
    }
}

void TestLineupOptimizer::noEligiblePlayer()
{
    LineupFixture f;
    f.add(QStringLiteral("Injured"), 1).InjuryLevel = 3;
    f.add(QStringLiteral("Unticked"), 2).Selectable = false;
    Board &board = f.makeBoard();
    QVERIFY(!LineupOptimizer::optimize(board.state()).found);
    board.edit()->setOption(Board::Blesse, true);
    const Result r = LineupOptimizer::optimize(board.state());
    QVERIFY(r.found && r.proven);
}

// A locked player stands in his place (an injured one too, with a warning), an excluded one
// nowhere, and the rest is the best the others allow; the board keeps them there.
void TestLineupOptimizer::locksAndExclusionsEqualExhaustiveSearch()
{
    QRandomGenerator rng(51);
    for (int round = 0; round < 4; ++round) {
        LineupFixture f;
        fillSquad(f, 13, rng);
        f.roster->players[7].InjuryLevel = 3;
        Board &board = f.makeBoard();
        drawBoard(board, rng, 5);
        const Result free = LineupOptimizer::optimize(board.state());
        LineupOptimizer::Options options;
        // The injured player in goal, and the unlocked optimum's right back where its central
        // defender stood: both far from what the optimum would choose.
        options.locks[Keeper] = 7;
        options.locks[CentralDefender1] = free.record[RightBack];
        options.excluded = {free.record[CentralDefender2], free.record[LeftBack]};
        QVERIFY(LineupOptimizer::lockProblem(board.state(), options).isEmpty());
        const Result r = LineupOptimizer::optimize(board.state(), options);
        QVERIFY(r.found && r.proven);
        QCOMPARE(r.lockedUnfit, QList<int>{7});
        QVERIFY(LineupOptimizer::honours(options, r.record));
        QList<int> pool = LineupOptimizer::eligibleRecords(board.state(), options);
        QVERIFY(pool.contains(7) && !pool.contains(options.excluded[0]) && !pool.contains(options.excluded[1]));
        QCOMPARE(r.evaluation, exhaustiveBest(board.state(), pool, firstPlaces(5), options.locks));
        QCOMPARE(LineupOptimizer::putOnBoard(board, r), r.evaluation);
        QCOMPARE(board.state().recordOfBox(Keeper), 7);
        QCOMPARE(board.state().recordOfBox(CentralDefender1), options.locks[CentralDefender1]);
    }
    // What cannot be honoured is said, and no lineup is made up around it.
    LineupFixture f;
    fillSquad(f, 12, rng);
    f.roster->players[2].TrainerType = 1;
    Board &board = f.makeBoard();
    LineupOptimizer::Options twice;
    twice.locks[RightBack] = twice.locks[LeftBack] = 1;
    LineupOptimizer::Options trainer;
    trainer.locks[Keeper] = 2;
    LineupOptimizer::Options lockedOut;
    lockedOut.locks[Forward1] = 3;
    lockedOut.excluded = {3};
    for (const LineupOptimizer::Options &o : {twice, trainer, lockedOut}) {
        QVERIFY(!LineupOptimizer::lockProblem(board.state(), o).isEmpty());
        QVERIFY(!LineupOptimizer::optimize(board.state(), o).found);
    }
}

// With free behaviours a locked player keeps the behaviour the board gives his place; the other
// places choose theirs, and nothing the locks allow rates higher.
void TestLineupOptimizer::lockedPlaceKeepsTheBoardsBehaviourWhenBehavioursAreFree()
{
    QRandomGenerator rng(61);
    LineupFixture f;
    fillSquad(f, 12, rng);
    Board &board = f.makeBoard();
    drawBoard(board, rng, Keeper);
    board.edit()->setBehaviourEntry(CentralDefender1, 4);
    const QList<int> places{Keeper, RightBack, CentralDefender1, InnerMidfielder1};
    LineupOptimizer::Options options;
    options.freeBehaviours = true;
    options.behaviourChoices.fill(0);
    options.behaviourChoices[RightBack] = 1u << 2 | 1u << 4;
    options.behaviourChoices[CentralDefender1] = 1u << 1; // not the board's: the lock keeps the board's
    options.behaviourChoices[InnerMidfielder1] = 1u << 0 | 1u << 4 | 1u << 5;
    options.locks[CentralDefender1] = 5;
    const Result r = LineupOptimizer::optimize(board.state(), options);
    QVERIFY(r.proven);
    QCOMPARE(r.record[CentralDefender1], 5);
    QCOMPARE(r.behaviour[CentralDefender1], 4);
    double best = -1e9;
    for (int b1 : {2, 4}) {
        for (int b3 : {0, 4, 5}) {
            board.edit()->setBehaviourEntry(RightBack, b1);
            board.edit()->setBehaviourEntry(InnerMidfielder1, b3);
            best = std::max(best, exhaustiveBest(board.state(), LineupOptimizer::eligibleRecords(board.state()), places,
                                                 options.locks));
        }
    }
    QCOMPARE(r.evaluation, best);
    QCOMPARE(LineupOptimizer::rate(board.state(), r.record, r.behaviour), r.evaluation);
}

// One row per tactic, the board's marked; each is the exhaustive best under that tactic, and its
// tactic strength and level are what the board shows once the lineup is on it.
void TestLineupOptimizer::tacticsEqualTheOptimumOfEachTactic()
{
    QRandomGenerator rng(71);
    LineupFixture f;
    fillSquad(f, 12, rng);
    Board &board = f.makeBoard();
    drawBoard(board, rng, 5);
    board.edit()->setCondition(Board::Tactique, 2);
    QList<std::pair<int, int>> progress;
    LineupAssistant::Run run;
    run.progress = [&](int done, int total) { progress.append({done, total}); };
    const LineupAssistant::Tactics t = LineupAssistant::tactics(board.state(), LineupOptimizer::Options(), run);
    QCOMPARE(t.rows.size(), 5);
    QCOMPARE(progress.size(), 6);
    QCOMPARE(progress.last(), std::make_pair(5, 5));
    const QList<int> eligible = LineupOptimizer::eligibleRecords(board.state());
    for (int tactic = 0; tactic < 5; ++tactic) {
        const LineupAssistant::TacticRow &row = t.rows[tactic];
        QCOMPARE(row.tactic, tactic);
        QCOMPARE(row.onBoard, tactic == 2);
        QVERIFY(row.optimum.proven);
        board.edit()->setCondition(Board::Tactique, tactic);
        QCOMPARE(row.optimum.evaluation, exhaustiveBest(board.state(), eligible, firstPlaces(5)));
    }
    // On a board where every place counts, the lineup goes on the board as found, and the board
    // shows the row's figures.
    LineupFixture full;
    fillSquad(full, 14, rng);
    Board &fullBoard = full.makeBoard();
    drawBoard(fullBoard, rng, kLastSlot);
    const LineupAssistant::Tactics fullRows = LineupAssistant::tactics(fullBoard.state(), LineupOptimizer::Options());
    for (const LineupAssistant::TacticRow &row : fullRows.rows) {
        fullBoard.edit()->setCondition(Board::Tactique, row.tactic);
        QCOMPARE(LineupOptimizer::putOnBoard(fullBoard, row.optimum), row.optimum.evaluation);
        QCOMPARE(row.tacticStrength, fullBoard.teamFigures().tacticStrength);
        QCOMPARE(row.tacticLevel, fullBoard.text(QStringLiteral("LForceTactique")));
    }
    // Cancelled before it starts: no row, and said so.
    std::atomic<bool> stop{true};
    run.cancel = &stop;
    const LineupAssistant::Tactics none = LineupAssistant::tactics(board.state(), LineupOptimizer::Options(), run);
    QVERIFY(none.cancelled && none.rows.isEmpty());
}

// Per player of the board's lineup, the optimum without him: the greatest loss first, never a
// gain, and for the players who count the exhaustive best of the others.
void TestLineupOptimizer::depthRowsAreTheOptimaWithoutEachPlayer()
{
    QRandomGenerator rng(81);
    LineupFixture f;
    fillSquad(f, 13, rng);
    Board &board = f.makeBoard();
    drawBoard(board, rng, 4);
    LineupOptimizer::putOnBoard(board, LineupOptimizer::optimize(board.state()));
    const LineupAssistant::Depth d = LineupAssistant::depth(board.state(), LineupOptimizer::Options());
    QVERIFY(d.optimum.proven);
    QCOMPARE(d.rows.size(), 11);
    const QList<int> eligible = LineupOptimizer::eligibleRecords(board.state());
    for (int i = 0; i < d.rows.size(); ++i) {
        const LineupAssistant::DepthRow &row = d.rows[i];
        QCOMPARE(board.state().recordOfBox(row.place), row.record);
        QVERIFY(row.optimum.proven);
        QVERIFY(std::find(row.optimum.record.begin(), row.optimum.record.end(), row.record) == row.optimum.record.end());
        QCOMPARE(row.loss, d.optimum.evaluation - row.optimum.evaluation);
        QVERIFY(row.loss >= 0);
        if (i > 0)
            QVERIFY(d.rows[i - 1].loss >= row.loss);
        if (row.place <= 4) {
            QList<int> others = eligible;
            others.removeOne(row.record);
            QCOMPARE(row.optimum.evaluation, exhaustiveBest(board.state(), others, firstPlaces(4)));
        }
    }
}

QTEST_GUILESS_MAIN(TestLineupOptimizer)
#include "tst_lineupoptimizer.moc"
