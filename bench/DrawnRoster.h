#pragma once
// A full squad of invented players with seeded skills, shared by the benchmarks so that each
// draws its squads the same way.
#include "evaluation/Tplayer.h"

#include <QRandomGenerator>

inline void drawRoster(Roster &roster, QRandomGenerator &rng, int idBase)
{
    for (int i = 0; i < Roster::kCapacity; ++i) {
        Tplayer &p = roster.players[i];
        p.PlayerID = QString::number(idBase + i * 7919);
        p.PlayerName = QStringLiteral("Joueur %1").arg(i, 3, 10, QLatin1Char('0'));
        p.ListPosition = i + 1;
        p.Selectable = true;
        p.KeeperSkill = rng.bounded(1, 20);
        p.DefenderSkill = rng.bounded(1, 20);
        p.PlaymakerSkill = rng.bounded(1, 20);
        p.PassingSkill = rng.bounded(1, 20);
        p.ScorerSkill = rng.bounded(1, 20);
        p.WingerSkill = rng.bounded(1, 20);
        p.Experience = rng.bounded(1, 20);
        p.InjuryLevel = rng.bounded(10) == 0 ? 1 : -1;
    }
    roster.count = Roster::kCapacity;
}
