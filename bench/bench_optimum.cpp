// The exact best lineup on full squads of 101 players: the median and the worst time over
// drawn squads, each with its own skills, behaviours and conditions; with the board's behaviours
// and with free ones.
#include "DrawnRoster.h"
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"
#include "optimum/LineupOptimizer.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <ctime>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kSquads = 20;

struct DrawnSquad {
    std::unique_ptr<Roster> roster = std::make_unique<Roster>();
    std::unique_ptr<Board> board;
    explicit DrawnSquad(int seed)
    {
        QRandomGenerator rng(seed);
        drawRoster(*roster, rng, 500000000);
        board = std::make_unique<Board>(roster.get());
        board->setCandidateList(Board::candidateListFromRoster(*roster));
        board->reset();
        for (int c = 0; c < Board::kConditionCount; ++c) {
            const auto condition = Board::Condition(c);
            board->setCondition(condition, int(rng.bounded(LineupState::conditionItemCount(condition))));
        }
        for (int place = 2; place <= 11; ++place)
            board->setBehaviourEntry(place, int(rng.bounded(LineupState::behaviourItemCount(place))));
    }
};

// Processor time of the whole process: the engine hands its search to threads of its own, which
// the time of the calling thread would leave out.
double processorSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

void optimalLineup101(benchmark::State &state, bool freeBehaviours, int squadCount)
{
    std::vector<std::unique_ptr<DrawnSquad>> squads;
    for (int s = 0; s < squadCount; ++s)
        squads.push_back(std::make_unique<DrawnSquad>(1000 + s));
    LineupOptimizer::Options options;
    options.freeBehaviours = freeBehaviours;
    std::vector<double> seconds;
    std::vector<double> processor; // what the run cost, however busy the machine
    int unproven = 0;
    for (auto _ : state) {
        for (const auto &squad : squads) {
            QElapsedTimer clock;
            clock.start();
            const double processorStart = processorSeconds();
            const LineupOptimizer::Result r = LineupOptimizer::optimize(squad->board->state(), options);
            processor.push_back(processorSeconds() - processorStart);
            seconds.push_back(clock.nsecsElapsed() / 1e9);
            unproven += r.proven ? 0 : 1;
            benchmark::DoNotOptimize(r.evaluation);
        }
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(processor.begin(), processor.end());
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["worst_s"] = seconds.back();
    state.counters["median_cpu_s"] = processor[processor.size() / 2];
    state.counters["worst_cpu_s"] = processor.back();
    state.counters["unproven"] = unproven;
}
void BM_OptimalLineup101BoardBehaviours(benchmark::State &state)
{
    optimalLineup101(state, false, kSquads);
}
BENCHMARK(BM_OptimalLineup101BoardBehaviours)->Unit(benchmark::kMillisecond)->Iterations(1);

// Free behaviours take seconds a squad: fewer squads.
void BM_OptimalLineup101FreeBehaviours(benchmark::State &state)
{
    optimalLineup101(state, true, kSquads / 2);
}
BENCHMARK(BM_OptimalLineup101FreeBehaviours)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
