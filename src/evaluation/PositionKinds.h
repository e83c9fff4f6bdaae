#pragma once
#include <QString>

// The 19 position kinds a player is valued for (1..19) and the trainer pseudo-kind 0,
// and the seven skills of a formula (1..7).
namespace PositionKinds {

constexpr int kCount = 19;
constexpr int kSkillCount = 7;

// Kinds and skills out of range give "" (or nullptr for the vocabulary keys, and an empty
// text), never a crash. The trainer (kind 0) has no key prefix and no column: "".
const char *keyPrefix(int kind);        // "Gardien", "DL", ..., "ATA"
const char *columnCaption(int kind);    // roster list column: "G", "DL", ..., "ATT", "ATD", "ATA"
const char *abbreviationKey(int kind);  // vocabulary key
const char *nameKey(int kind);          // vocabulary key
QString abbreviation(int kind);         // current text (kind 0..19)
QString name(int kind);                 // current text (kind 0..19)

const char *skillSuffix(int skill);     // "Endurance", "Construction", ..., "Gardien"
const char *skillElement(int skill);    // "StaminaSkill", ..., "KeeperSkill"

} // namespace PositionKinds
