#pragma once
#include <array>
#include <cstdint>

struct Tplayer;

// What the sector formulas read from the board: the player shown in each lineup slot,
// his ID, the slot's behaviour entry and the match-condition entries (-1 = no selection).
struct LineupInput {
    std::array<const Tplayer *, 12> player{};  // by placement index 1..11; nullptr = empty
    std::array<int32_t, 12> id{};              // player ID of the slot box, -1 = empty
    std::array<int, 12> behaviour{};           // behaviour entry by placement index 2..11
    int tactic = -1;
    int attitude = -1;
    int venue = -1;
    int confidence = -1;
    int teamSpirit = -1;
    int trainer = -1;
};

// The five defensive marks (1 right back, 2 and 3 central defenders, 4 a repositioned
// defender, 5 left back). A cleared mark holds 0 but matches no player, so that a player
// whose ID happens to be 0 is not counted for a mark nobody set.
struct DefensiveMarks {
    std::array<int32_t, 6> id{};   // 1..5
    std::array<bool, 6> set{};
    void clear()
    {
        id.fill(0);
        set.fill(false);
    }
    void put(int mark, int32_t playerId)
    {
        id[mark] = playerId;
        set[mark] = true;
    }
};

// The seven sector ratings and the tactic strength. Every sector starts at 0, adds its
// terms in the written order, then applies its modifiers in the written order, each as
// S + p·S or S − p·S. The raw value S is returned undivided.
namespace SectorRatings {

enum Sector { CentralDefence, RightDefence, LeftDefence, Midfield, CentralAttack, RightAttack, LeftAttack };
constexpr int kSectorCount = 7;

double divisor(Sector sector); // 5, 4, 4, 8, 6, 6, 6

double centralDefence(const LineupInput &in, DefensiveMarks &marks);
double rightDefence(const LineupInput &in, DefensiveMarks &marks);
double leftDefence(const LineupInput &in, DefensiveMarks &marks);
double midfield(const LineupInput &in);
double centralAttack(const LineupInput &in);
double rightAttack(const LineupInput &in);
double leftAttack(const LineupInput &in);

// Tactic strength for the tactic entry: 80 for Normal; Pressing, counter-attacks and the
// two attacking tactics sum the skills of the players whose ID stands in the outfield
// placement entries 2..11 (or, for counter-attacks, in the set defensive marks).
// players[r] is record r and playerIds[r] its ID, or -1 when it has none usable; placement is indexed 1..16.
double tacticStrength(int tactic, const Tplayer *players, const int32_t *playerIds, int rosterCount,
                      const std::array<int32_t, 17> &placement, const DefensiveMarks &marks);

} // namespace SectorRatings
