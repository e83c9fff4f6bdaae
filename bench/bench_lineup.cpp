// The lineup figures as the user feels them: one slot evaluation with the full team
// figures on a complete board, and the best lineup command over a full squad.
#include "DrawnRoster.h"
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<Roster> fullSquad()
{
    auto roster = std::make_unique<Roster>();
    QRandomGenerator rng(20240611);
    drawRoster(*roster, rng, 300000000);
    // The search reads what the roster loader would have worked out: drawn here directly.
    for (int i = 0; i < Roster::kCapacity; ++i) {
        Tplayer &p = roster->players[i];
        p.SetPiecesSkill = rng.bounded(1, 20);
        p.Specialty = rng.bounded(0, 6);
        p.Cards = rng.bounded(0, 4);
        p.CaptainValue = rng.generateDouble() * 20;
        for (double &v : p.PositionValue)
            v = rng.generateDouble() * 20;
    }
    return roster;
}

struct Squad {
    std::unique_ptr<Roster> roster = fullSquad();
    Board board{roster.get()};
    Squad()
    {
        board.edit()->setCandidateList(LineupState::candidateListFromRoster(*roster));
        board.edit()->reset();
        board.edit()->setCondition(Board::Tactique, 1); // Pressing: the tactic strength scans the squad
        board.edit()->setCondition(Board::TeamSpirit, 6);
        board.edit()->setCondition(Board::Entraineur, 0);
        for (int place = 1; place <= 11; ++place)
            board.slotPicked(place, place * 5); // fill the board by hand
        for (int place = 12; place <= 16; ++place)
            board.substitutePicked(place, 60 + place);
    }
};

void BM_SlotEvaluationWithTeamFigures(benchmark::State &state)
{
    Squad squad;
    int behaviour = 0;
    for (auto _ : state) {
        // A behaviour pick: card image, slot value, stars and every team figure and label.
        squad.board.behaviourPicked(7, behaviour);
        behaviour = (behaviour + 1) % 6;
        benchmark::DoNotOptimize(squad.board.teamFigures().velstats);
    }
}
BENCHMARK(BM_SlotEvaluationWithTeamFigures)->Unit(benchmark::kMicrosecond);

void BM_CalculeRecomputeAll(benchmark::State &state)
{
    Squad squad;
    squad.board.edit()->setOption(Board::RecalculTous, true);
    for (auto _ : state) {
        const Board::CalculeResult r = squad.board.calcule();
        benchmark::DoNotOptimize(r.evaluation);
    }
}
BENCHMARK(BM_CalculeRecomputeAll)->Unit(benchmark::kMicrosecond);

void BM_CalculeFillEmptyPlaces(benchmark::State &state)
{
    Squad squad;
    for (auto _ : state) {
        state.PauseTiming();
        squad.board.clearPressed();
        state.ResumeTiming();
        const Board::CalculeResult r = squad.board.calcule();
        benchmark::DoNotOptimize(r.evaluation);
    }
}
BENCHMARK(BM_CalculeFillEmptyPlaces)->Unit(benchmark::kMicrosecond);

} // namespace
