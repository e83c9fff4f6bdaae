#pragma once
#include <array>
#include <cstdint>

class IniFile;

// The skill weights of the 19 position formulas and the three general weights.
struct FormulaWeights {
    std::array<std::array<int32_t, 7>, 19> skill{}; // [kind-1][skill-1]
    int32_t forme = 0;       // "Forme"
    int32_t experience = 0;  // "Experience"
    int32_t endurance = 0;   // "Endurance"

    int32_t weight(int kind, int skillNo) const { return skill[kind - 1][skillNo - 1]; }
};

// Reads the 133 skill weights and the three general weights from section "Player" of the
// settings file; a missing or non-integer value reads as 0. Never fails.
FormulaWeights loadFormulaWeights(const IniFile &settings);
