#pragma once
// Squads drawn the way the squad generator (scripts/make-squad.py) draws its players: most skills
// 0..12, one in ten up to 20, about one player in eight a keeper, one trainer row, with the
// conditions and behaviours its files give. The optimum's benchmarks time these squads, and a test
// keeps the ones that once stopped the engine.
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"

#include <QRandomGenerator>

#include <initializer_list>
#include <memory>

inline void drawSquad(Roster &roster, QRandomGenerator &rng, int size)
{
    const auto skill = [&rng] { return int(rng.bounded(rng.bounded(10) == 0 ? 21 : 13)); };
    for (int i = 0; i < size; ++i) {
        Tplayer &p = roster.players[i];
        p.PlayerID = QString::number(100000 + i * 7919);
        p.PlayerName = QStringLiteral("Joueur %1").arg(i, 3, 10, QLatin1Char('0'));
        p.ListPosition = i + 1;
        p.Selectable = true;
        p.Experience = int(rng.bounded(21));
        p.Specialty = int(rng.bounded(6));
        p.KeeperSkill = skill();
        p.DefenderSkill = skill();
        p.PlaymakerSkill = skill();
        p.PassingSkill = skill();
        p.ScorerSkill = skill();
        p.WingerSkill = skill();
        p.SetPiecesSkill = skill();
        if (rng.bounded(100) < 12)
            p.KeeperSkill = int(rng.bounded(5, 17));
        p.InjuryLevel = rng.bounded(12) < 4 ? int(rng.bounded(1, 6)) : -1;
        p.Cards = rng.bounded(9) == 8 ? 3 : 0;
    }
    roster.players[rng.bounded(size)].TrainerType = 1;
    roster.count = size;
}

struct DrawnSquad {
    std::unique_ptr<Roster> roster = std::make_unique<Roster>();
    std::unique_ptr<Board> board;
    // A full squad, or (mixedSize) one of 16 to 101 players as the generator draws its sizes.
    DrawnSquad(int seed, bool mixedSize)
    {
        QRandomGenerator rng(seed);
        drawSquad(*roster, rng, mixedSize ? int(rng.bounded(16, Roster::kCapacity + 1)) : Roster::kCapacity);
        board = std::make_unique<Board>(roster.get());
        board->edit()->setCandidateList(LineupState::candidateListFromRoster(*roster));
        board->edit()->reset();
        board->edit()->setOption(Board::Blesse, true);
        board->edit()->setOption(Board::Cartons, true);
        // The conditions as the generator's orders and training files give them: often the
        // entries without a modifier, now and then a code outside the list (no selection).
        const auto pick = [&rng](std::initializer_list<int> entries) {
            return entries.begin()[rng.bounded(int(entries.size()))];
        };
        board->edit()->setCondition(Board::Tactique, pick({0, 0, 0, 1, 2, 3, 4, -1, -1}));
        board->edit()->setCondition(Board::Attitude, pick({0, 1, 1, 1, 2, -1, 1}));
        board->edit()->setCondition(Board::Lieu, rng.bounded(10) < 6 ? 0 : 1);
        board->edit()->setCondition(Board::TeamSpirit, int(rng.bounded(11)));
        const int confidence = int(rng.bounded(11));
        board->edit()->setCondition(Board::Confiance, confidence < 8 ? confidence : -1);
        board->edit()->setCondition(Board::Entraineur, int(rng.bounded(3)));
        for (int place = 2; place <= 11; ++place) {
            const int items = LineupState::behaviourItemCount(place);
            board->edit()->setBehaviourEntry(place, rng.bounded(4) == 0 ? 0 : int(rng.bounded(items)));
        }
    }
};
