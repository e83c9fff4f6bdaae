#pragma once
#include <cstdint>

// The sixteen places of the board and their fixed data. A place is named by its placement
// index: 1..11 the lineup slots (keeper, right back, central defenders 1 and 2, left back,
// right winger, inner midfielders 1 and 2, left winger, forwards 1 and 2), 12..16 the
// substitute places (keeper, defender, inner midfielder, winger, forward).
namespace LineupSlots {

enum Place : int {
    Keeper = 1,
    RightBack,
    CentralDefender1,
    CentralDefender2,
    LeftBack,
    RightWinger,
    InnerMidfielder1,
    InnerMidfielder2,
    LeftWinger,
    Forward1,
    Forward2,
    SubstituteKeeper,
    SubstituteDefender,
    SubstituteMidfielder,
    SubstituteWinger,
    SubstituteForward,
};

constexpr int kFirstPlace = 1;
constexpr int kLastSlot = 11;
constexpr int kLastPlace = 16;

constexpr bool isPlace(int place) { return place >= kFirstPlace && place <= kLastPlace; }
constexpr bool isSlot(int place) { return place >= kFirstPlace && place <= kLastSlot; }
constexpr bool isSubstitute(int place) { return place > kLastSlot && place <= kLastPlace; }
constexpr bool hasBehaviour(int place) { return place > Keeper && place <= kLastSlot; }

// Which of the five behaviour lists a slot's behaviour box holds.
enum class BehaviourList { None, Back, CentralDefender, Winger, InnerMidfielder, Forward };
BehaviourList behaviourList(int place);

// Position kind (1..19) that the slot selects with the given behaviour entry. The keeper
// selects the keeper kind; a behaviour without selection (or outside the list) selects the
// kind of "Normal". 0 for a substitute place.
int slotKind(int place, int behaviour);

// Control names.
const char *slotBoxName(int place);       // "cbGardien" .. "cbRemplacantAttaque"
const char *behaviourBoxName(int place);  // "cbDLD" .. "cbA2"; nullptr without one
const char *valueLabelName(int place);    // "LG" .. "LA2"; nullptr for substitutes
const char *starStripName(int place);     // "EtoilesGardien" ..; nullptr for substitutes
const char *cardImageName(int place);     // "cardG" ..; nullptr for substitutes
int32_t baseLeft(int place);              // star strip base left; 0 for substitutes
const char *placeLabelName(int place);    // caption label: "LGardien" .. "LRemplacantAttaque"; "" for no place
const char *placeCaption(int place);      // its French text (UTF-8): "Gardien" ..; "" for no place

// Names used by the command-line output: "keeper", "right_back", ... for the lineup
// slots and "keeper", "defender", ... for the substitutes.
const char *placeName(int place);
// A place that a search could not fill: slot names as above, substitutes
// "substitute_keeper", "substitute_defender", ...
const char *unfilledName(int place);

} // namespace LineupSlots
