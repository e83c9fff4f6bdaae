#pragma once
#include "evaluation/PositionFormulas.h"
#include "evaluation/Tplayer.h"
#include <cstdint>

// The values of one player: a value for each of the 19 position kinds from the skill
// weights, reduced by stamina, form and raised by experience; his best kind; his value as
// captain; and, for a trainer, the trainer level in place of the best kind.
class PositionValues {
public:
    // The four stages of one position value, each kept as a double before the next uses it.
    struct Stages {
        int32_t skillSum = 0;  // S, in 32-bit integer arithmetic
        double base = 0.0;     // B = S / 100
        double stamina = 0.0;  // T
        double form = 0.0;     // F
        double result = 0.0;   // R, the position value
    };

    // Computes the 19 values in kind order, then the best kind, the captain value (only for
    // a record of trainer type 0) and the trainer override, storing them in the record.
    // ValuesUndefined is set when the experience is 0 or below: his experience is then
    // unknown and counts as level 1 in the experience stage, so every value stays finite.
    // Throws AppError when a skill sum leaves the 32-bit range (the record is then partly
    // written: the kinds before the failing one).
    static void compute(Tplayer &player, const FormulaWeights &weights);

    // One position value with its stages (kind 1..19); throws AppError on overflow.
    static Stages stages(const Tplayer &player, const FormulaWeights &weights, int kind);

    // The captain value: the same three stages applied to the experience level itself.
    static double captainValue(const Tplayer &player, const FormulaWeights &weights);

    // True when the experience level has no logarithm, so it is taken as level 1.
    static bool experienceUnknown(const Tplayer &player) { return player.Experience <= 0; }
};
