#include "lineup/LineupSlots.h"

namespace LineupSlots {

namespace {

struct PlaceData {
    const char *slotBox;
    const char *behaviourBox;
    const char *valueLabel;
    const char *starStrip;
    const char *cardImage;
    int32_t baseLeft;
    BehaviourList list;
    const char *name;
    const char *unfilled;
};

const PlaceData kPlaces[kLastPlace + 1] = {
    {nullptr, nullptr, nullptr, nullptr, nullptr, 0, BehaviourList::None, "", ""},
    {"cbGardien", nullptr, "LG", "EtoilesGardien", "cardG", 233, BehaviourList::None, "keeper", "keeper"},
    {"cbDefenseurDroit", "cbDLD", "LDLD", "EtoilesDefenseurDroit", "cardDLD", 5, BehaviourList::Back,
     "right_back", "right_back"},
    {"cbDefenseurCentral1", "cbDC1", "LDC1", "EtoilesDefenseurCentral1", "cardDC1", 157,
     BehaviourList::CentralDefender, "central_defender_1", "central_defender_1"},
    {"cbDefenseurCentral2", "cbDC2", "LDC2", "EtoilesDefenseurCentral2", "CardDC2", 309,
     BehaviourList::CentralDefender, "central_defender_2", "central_defender_2"},
    {"cbDefenseurGauche", "cbDLG", "LDLG", "EtoilesDefenseurGauche", "cardDLG", 461, BehaviourList::Back,
     "left_back", "left_back"},
    {"cbAilierDroit", "cbAD", "LAD", "EtoilesAilierDroit", "CardAD", 5, BehaviourList::Winger,
     "right_winger", "right_winger"},
    {"cbMilieu1", "cbM1", "LM1", "EtoilesMilieu1", "CardM1", 157, BehaviourList::InnerMidfielder,
     "inner_midfielder_1", "inner_midfielder_1"},
    {"cbMilieu2", "cbM2", "LM2", "EtoilesMilieu2", "cardM2", 309, BehaviourList::InnerMidfielder,
     "inner_midfielder_2", "inner_midfielder_2"},
    {"cbAilierGauche", "cbAG", "LAG", "EtoilesAilierGauche", "CardAG", 461, BehaviourList::Winger,
     "left_winger", "left_winger"},
    {"cbAttaquant1", "cbA1", "LA1", "EtoilesAttaquant1", "cardA1", 157, BehaviourList::Forward,
     "forward_1", "forward_1"},
    {"cbAttaquant2", "cbA2", "LA2", "EtoilesAttaquant2", "cardA2", 312, BehaviourList::Forward,
     "forward_2", "forward_2"},
    {"cbRemplacantGardien", nullptr, nullptr, nullptr, nullptr, 0, BehaviourList::None, "keeper",
     "substitute_keeper"},
    {"cbRemplacantDefenseur", nullptr, nullptr, nullptr, nullptr, 0, BehaviourList::None, "defender",
     "substitute_defender"},
    {"cbRemplacantMilieu", nullptr, nullptr, nullptr, nullptr, 0, BehaviourList::None,
     "inner_midfielder", "substitute_inner_midfielder"},
    {"cbRemplacantAilier", nullptr, nullptr, nullptr, nullptr, 0, BehaviourList::None, "winger",
     "substitute_winger"},
    {"cbRemplacantAttaque", nullptr, nullptr, nullptr, nullptr, 0, BehaviourList::None, "forward",
     "substitute_forward"},
};

// The caption labels of the places and their texts.
const char *const kPlaceCaptions[kLastPlace + 1][2] = {
    {"", ""},
    {"LGardien", "Gardien"},
    {"LDFLD", "Défenseur latéral droit"},
    {"LDFC1", "Défenseur central 1"},
    {"LDFC2", "Défenseur central 2"},
    {"LDFLG", "Défenseur latéral gauche"},
    {"LALD", "Ailier droit"},
    {"LMI1", "Milieu 1"},
    {"LMI2", "Milieu 2"},
    {"LALG", "Ailier gauche"},
    {"LATT1", "Attaquant 1"},
    {"LATT2", "Attaquant 2"},
    {"LRemplacantGardien", "Remplaçant (gardien)"},
    {"LRemplacantDefenseur", "Remplaçant (défenseur)"},
    {"LRemplacantMilieu", "Remplaçant (milieu)"},
    {"LRemplacantAilier", "Remplaçant (ailier)"},
    {"LRemplacantAttaque", "Remplaçant (attaque)"},
};

const PlaceData &data(int place)
{
    return kPlaces[isPlace(place) ? place : 0];
}

// Position kinds: 1 keeper, 2 DL, 3 DLD, 4 DLO, 5 DLM, 6 DC, 7 DCO, 8 DCA, 9 A, 10 AD,
// 11 AO, 12 AM, 13 M, 14 MD, 15 MO, 16 MA, 17 AT, 18 ATD, 19 ATA.
constexpr int kBackKinds[] = {2, 3, 4, 5, 17, 13};
constexpr int kCentralDefenderKinds[] = {6, 7, 8, 13, 17};
constexpr int kWingerKinds[] = {9, 10, 11, 12, 17, 13, 6};
constexpr int kInnerMidfielderKinds[] = {13, 14, 15, 16, 17, 6};
constexpr int kForwardKinds[] = {17, 18, 19, 13, 6};

template <int N>
int pick(const int (&kinds)[N], int behaviour)
{
    return (behaviour >= 0 && behaviour < N) ? kinds[behaviour] : kinds[0];
}

} // namespace

BehaviourList behaviourList(int place)
{
    return data(place).list;
}

int slotKind(int place, int behaviour)
{
    if (place == Keeper)
        return 1;
    switch (behaviourList(place)) {
    case BehaviourList::Back: return pick(kBackKinds, behaviour);
    case BehaviourList::CentralDefender: return pick(kCentralDefenderKinds, behaviour);
    case BehaviourList::Winger: return pick(kWingerKinds, behaviour);
    case BehaviourList::InnerMidfielder: return pick(kInnerMidfielderKinds, behaviour);
    case BehaviourList::Forward: return pick(kForwardKinds, behaviour);
    case BehaviourList::None: break;
    }
    return 0;
}

const char *slotBoxName(int place) { return data(place).slotBox; }
const char *behaviourBoxName(int place) { return data(place).behaviourBox; }
const char *valueLabelName(int place) { return data(place).valueLabel; }
const char *starStripName(int place) { return data(place).starStrip; }
const char *cardImageName(int place) { return data(place).cardImage; }
int32_t baseLeft(int place) { return data(place).baseLeft; }
const char *placeLabelName(int place) { return kPlaceCaptions[isPlace(place) ? place : 0][0]; }
const char *placeCaption(int place) { return kPlaceCaptions[isPlace(place) ? place : 0][1]; }
const char *placeName(int place) { return data(place).name; }
const char *unfilledName(int place) { return data(place).unfilled; }

} // namespace LineupSlots
