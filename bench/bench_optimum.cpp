// The exact best lineup on full squads of 101 players, drawn the way the squad generator
// (scripts/make-squad.py) draws its players: most skills 0..12, one in ten up to 20, about one
// player in eight a keeper, one trainer row; injuries and cards ignored, so 100 may play. Each
// squad has its own conditions and behaviours, drawn as the generator's files give them. Per
// squad one optimum, timed as a whole (every solve of every round); reported: median, p90 and
// worst wall time, the solver calls. A third case takes 300 squads of 16 to 101 players.
//
// The tactic comparison (five optima) and the squad depth (the optimum, then one without each
// player of the board's lineup, here the optimum itself) are timed per squad the same way.
//
// SQW_OPTIMUM_SEEDS=first-last picks other seeds (defaults 1001-1030, mixed sizes 2001-2300);
// SQW_OPTIMUM_LIST=1 prints one line per squad (figures, solver calls, lineup) to compare two
// builds' answers.
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"
#include "optimum/LineupAssistant.h"
#include "optimum/LineupOptimizer.h"
#include "support/DrawnSquad.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

std::pair<int, int> seeds(int first, int last)
{
    const QByteArray spec = qgetenv("SQW_OPTIMUM_SEEDS");
    if (!spec.isEmpty() && std::sscanf(spec.constData(), "%d-%d", &first, &last) < 2)
        last = first;
    return {first, std::max(first, last)};
}

// Processor time of the whole process, should the engine hand work to threads of its own.
double processorSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5))];
}

void optimalLineup(benchmark::State &state, bool freeBehaviours, bool mixedSizes)
{
    const auto [first, last] = mixedSizes ? seeds(2001, 2300) : seeds(1001, 1030);
    const bool list = !qgetenv("SQW_OPTIMUM_LIST").isEmpty();
    LineupOptimizer::Options options;
    options.freeBehaviours = freeBehaviours;
    std::vector<double> seconds;
    std::vector<double> processor;
    std::vector<double> solves;
    int unproven = 0;
    for (auto _ : state) {
        for (int seed = first; seed <= last; ++seed) {
            state.PauseTiming();
            const DrawnSquad squad(seed, mixedSizes);
            state.ResumeTiming();
            QElapsedTimer clock;
            clock.start();
            const double processorStart = processorSeconds();
            const LineupOptimizer::Result r = LineupOptimizer::optimize(squad.board->state(), options);
            processor.push_back(processorSeconds() - processorStart);
            seconds.push_back(clock.nsecsElapsed() / 1e9);
            solves.push_back(r.solves);
            unproven += r.proven ? 0 : 1;
            benchmark::DoNotOptimize(r.evaluation);
            if (list) {
                std::fprintf(stderr, "%s seed %d: E %g sum %.17g bound %d %s, %d solves, %.3f s (cpu %.3f s); lineup",
                             freeBehaviours ? "free" : "board", seed, r.evaluation, r.sectorSum, r.bound,
                             r.proven ? "proven" : "NOT PROVEN", r.solves, seconds.back(), processor.back());
                for (int place = 1; place <= 11; ++place)
                    std::fprintf(stderr, freeBehaviours && place > 1 ? " %d/%d" : " %d", r.record[place],
                                 r.behaviour[place]);
                std::fprintf(stderr, "\n");
            }
        }
    }
    state.counters["squads"] = double(seconds.size());
    state.counters["median_s"] = quantile(seconds, 0.5);
    state.counters["p90_s"] = quantile(seconds, 0.9);
    state.counters["worst_s"] = quantile(seconds, 1);
    // On a machine shared with other work the wall time grows with its load; the processor time
    // is what the optimum itself costs.
    state.counters["median_cpu_s"] = quantile(processor, 0.5);
    state.counters["p90_cpu_s"] = quantile(processor, 0.9);
    state.counters["worst_cpu_s"] = quantile(processor, 1);
    state.counters["solves_median"] = quantile(solves, 0.5);
    state.counters["solves_worst"] = quantile(solves, 1);
    double total = 0;
    for (double s : solves)
        total += s;
    state.counters["solves_total"] = total;
    state.counters["unproven"] = unproven;
}

void BM_OptimalLineup101BoardBehaviours(benchmark::State &state)
{
    optimalLineup(state, false, false);
}
BENCHMARK(BM_OptimalLineup101BoardBehaviours)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OptimalLineup101FreeBehaviours(benchmark::State &state)
{
    optimalLineup(state, true, false);
}
BENCHMARK(BM_OptimalLineup101FreeBehaviours)->Unit(benchmark::kMillisecond)->Iterations(1);

// 300 squads of 16 to 101 players (seeds 2001-2300), board behaviours.
void BM_OptimalLineupMixedSizesBoardBehaviours(benchmark::State &state)
{
    optimalLineup(state, false, true);
}
BENCHMARK(BM_OptimalLineupMixedSizesBoardBehaviours)->Unit(benchmark::kMillisecond)->Iterations(1);

// The tactic comparison or the squad depth per full squad, board behaviours; the depth's lineup
// on the board is the optimum, so that every row is an optimum of its own.
void assistant(benchmark::State &state, bool tactics)
{
    const auto [first, last] = seeds(1001, 1030);
    const LineupOptimizer::Options options;
    std::vector<double> seconds;
    std::vector<double> processor;
    int unproven = 0;
    for (auto _ : state) {
        for (int seed = first; seed <= last; ++seed) {
            state.PauseTiming();
            const DrawnSquad squad(seed, false);
            if (!tactics)
                LineupOptimizer::putOnBoard(*squad.board, LineupOptimizer::optimize(squad.board->state(), options));
            state.ResumeTiming();
            QElapsedTimer clock;
            clock.start();
            const double processorStart = processorSeconds();
            if (tactics) {
                const LineupAssistant::Tactics t = LineupAssistant::tactics(squad.board->state(), options);
                for (const LineupAssistant::TacticRow &row : t.rows)
                    unproven += row.optimum.proven ? 0 : 1;
            } else {
                const LineupAssistant::Depth d = LineupAssistant::depth(squad.board->state(), options);
                unproven += d.optimum.proven ? 0 : 1;
                for (const LineupAssistant::DepthRow &row : d.rows)
                    unproven += row.optimum.proven ? 0 : 1;
            }
            processor.push_back(processorSeconds() - processorStart);
            seconds.push_back(clock.nsecsElapsed() / 1e9);
        }
    }
    state.counters["squads"] = double(seconds.size());
    state.counters["median_s"] = quantile(seconds, 0.5);
    state.counters["p90_s"] = quantile(seconds, 0.9);
    state.counters["worst_s"] = quantile(seconds, 1);
    state.counters["median_cpu_s"] = quantile(processor, 0.5);
    state.counters["unproven"] = unproven;
}

void BM_OptimalLineup101Tactics(benchmark::State &state)
{
    assistant(state, true);
}
BENCHMARK(BM_OptimalLineup101Tactics)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OptimalLineup101Depth(benchmark::State &state)
{
    assistant(state, false);
}
BENCHMARK(BM_OptimalLineup101Depth)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
