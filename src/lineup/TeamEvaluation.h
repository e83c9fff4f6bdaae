#pragma once
#include <array>
#include <cstdint>

#include "lineup/SectorRatings.h"

class LineupState;

// The team's points: per sector, the three lines and the overall figure E.
struct TeamPoints {
    double DEF = 0, RD = 0, LD = 0, CD = 0, MID3 = 0, ATT = 0, CA = 0, RA = 0, LA = 0;
    double E = 0;
};

// What the lineup is worth: the seven raw sector values, the points, Velstats, the tactic
// strength and the defensive marks the sector formulas left.
struct TeamFigures {
    std::array<double, SectorRatings::kSectorCount> sector{};
    TeamPoints points;
    int32_t velstats = 0;
    double tacticStrength = 0;
    DefensiveMarks marks;

    // Marks and points back to nothing; the sectors, Velstats and tactic strength stay.
    void clearPoints()
    {
        marks.clear();
        points = TeamPoints();
    }
};

namespace TeamEvaluation {

// The lineup the sector formulas read: the slots' players, IDs, behaviours and the conditions.
void collectLineup(const LineupState &state, LineupInput &in);

// The seven raw sector values and the points of a lineup given as the sector formulas read it,
// with the arithmetic of evaluate(); the marks the formulas set are left in `marks`.
TeamPoints points(const LineupInput &in, std::array<double, SectorRatings::kSectorCount> &sector,
                  DefensiveMarks &marks);

// The figures of the lineup on the board, in the roster of the board, under its conditions.
TeamFigures evaluate(const LineupState &state);

} // namespace TeamEvaluation
