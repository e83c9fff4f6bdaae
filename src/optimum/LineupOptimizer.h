#pragma once
#include <QList>
#include <QString>

#include <array>
#include <vector>

#include "lineup/LineupState.h"
#include "optimum/OptimumOptions.h"

class Board;
#include "lineup/SectorRatings.h"

// The lineup of highest team evaluation E that the eligible players allow with the behaviours
// and conditions on the board, found by a mixed-integer model and proven by rating every answer
// with the team evaluation itself.
//
// With the behaviours and conditions fixed, every raw sector value is a sum of one coefficient
// per "player p in place s" (a term of the sector formula, times the constant factor of the
// sector's modifiers and of any later repositioned forward), so the model is linear in those
// indicators. Rating points are a step function; the model gives a sector at most
// 4·S/divisor − 3 points, which is exact except when the value sits exactly on a quarter
// boundary, where the model credits one point too many. Each answer is therefore rated again;
// an answer the model overrated is excluded by a cut and the model solved again, until an
// answer rates as the model says: nothing the model allows is then worth more.
//
// With free behaviours the model also chooses each place's behaviour. Every sector stays linear
// in "player p in place s with behaviour b" except the central attack, where a back, central
// defender or inner midfielder on "Attaquant" weakens the whole running sum by 5%: the model
// follows that running sum place by place, one continuous variable per such place holding the
// part it takes away, which is exact.
//
// Ties on E go to the larger sum of the seven raw sector values, as the board adds them (the
// lineup's images with right and left places swapped are rated too, since the engine cannot tell
// their sums apart), then to the lineup where earlier roster records stand in earlier places
// (keeper first, forward 2 last) whenever a side swap or an exchange keeps both figures exactly
// equal; with free behaviours, then to the board's own behaviour of a place, else its lowest
// entry, that keeps both figures.
//
// A sector found overrated caps that sector for every lineup that reads the same skills in the
// same places and behaviours there (the board then adds the very same numbers), so one cut
// removes the whole family; each round starts from the best lineup rated so far.
namespace LineupOptimizer {

// What is wrong with the locks and exclusions on this board, or nothing when they can all be
// honoured: a lock on a place outside 1..11 or on a record that is no player of the squad shown
// in the boxes (a trainer, no usable ID), one player locked in two places, a locked player also
// excluded. The text is in the user's language.
QString lockProblem(const LineupState &state, const Options &options);

struct Result {
    bool found = false;      // a lineup was found (false: no eligible player, or a lockProblem)
    bool proven = false;     // no lineup of the eligible players rates higher
    double evaluation = 0;   // E of the lineup, as the team evaluation rates it
    double sectorSum = 0;    // the sum of its seven raw sector values
    int bound = 0;           // no lineup rates higher than this
    std::array<int, LineupSlots::kLastSlot + 1> record{}; // roster record by place 1..11, -1 empty
    bool freeBehaviours = false;
    std::array<int, LineupSlots::kLastSlot + 1> behaviour{}; // behaviour entry by place 2..11
    int solves = 0;          // how many times the model was solved
    double seconds = 0;
    // The locked records that play although injured, suspended or unticked: each deserves a warning.
    QList<int> lockedUnfit;
};

// The warning for a locked player who plays although unfit, in the user's language.
QString lockedUnfitWarning(const LineupState &state, int record);

// The records the best lineup search with "Tout recalculer" would consider: shown in the boxes,
// ticked, a usable ID, not a trainer, neither injured nor suspended unless the options allow it.
QList<int> eligibleRecords(const LineupState &state);
// The records an optimum with these options may field, in roster order: the eligible ones less
// the excluded, plus the locked ones.
QList<int> eligibleRecords(const LineupState &state, const Options &options);
// Whether the lineup (records by place 1..11) keeps every locked player in his place and fields
// no excluded player.
bool honours(const Options &options, const std::array<int, LineupSlots::kLastSlot + 1> &records);

// The raw sector values of `records` (by place 1..11, -1 empty) in the state's behaviours and
// conditions, and E with the team evaluation's arithmetic.
double rate(const LineupState &state, const std::array<int, LineupSlots::kLastSlot + 1> &records,
            std::array<double, SectorRatings::kSectorCount> *sectors = nullptr);
// The same with the given behaviours (by place 2..11) in place of the board's.
double rate(const LineupState &state, const std::array<int, LineupSlots::kLastSlot + 1> &records,
            const std::array<int, LineupSlots::kLastSlot + 1> &behaviours,
            std::array<double, SectorRatings::kSectorCount> *sectors = nullptr);

// Per eligible record (in eligibleRecords order), place 1..11 and sector: the value that player
// alone in that place gives the sector.
using Coefficients = std::vector<std::array<std::array<double, SectorRatings::kSectorCount>, 12>>;
Coefficients coefficients(const LineupState &state, const QList<int> &records);

Result optimize(const LineupState &state, const Options &options = Options());

// Puts a found lineup in the places (with free behaviours, its behaviours in the boxes), then lets the best lineup search fill what it leaves
// (an empty place, the captain, the set-piece taker and the substitutes) by its own rules, as
// it does when it keeps the lineup; the board's figures follow. Returns the board's E. The
// places nobody could fill are appended to *unfilled when given, as the search names them.
double putOnBoard(Board &board, const Result &result, QList<int> *unfilled = nullptr);

} // namespace LineupOptimizer
