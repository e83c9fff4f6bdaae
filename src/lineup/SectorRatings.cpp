#include "lineup/SectorRatings.h"

#include "evaluation/Tplayer.h"
#include "lineup/LineupSlots.h"

using namespace LineupSlots;

namespace SectorRatings {

namespace {

// Skills of the player shown in a slot; an empty slot reads 0.
double keeper(const LineupInput &in, int p) { return in.player[p] ? in.player[p]->KeeperSkill : 0; }
double defending(const LineupInput &in, int p) { return in.player[p] ? in.player[p]->DefenderSkill : 0; }
double playmaking(const LineupInput &in, int p) { return in.player[p] ? in.player[p]->PlaymakerSkill : 0; }
double passing(const LineupInput &in, int p) { return in.player[p] ? in.player[p]->PassingSkill : 0; }
double scoring(const LineupInput &in, int p) { return in.player[p] ? in.player[p]->ScorerSkill : 0; }
double winger(const LineupInput &in, int p) { return in.player[p] ? in.player[p]->WingerSkill : 0; }

void rise(double &s, double p) { s = s + p * s; }
void fall(double &s, double p) { s = s - p * s; }

void defenceModifiers(const LineupInput &in, double &s, double trainerStep, int weakeningTactic)
{
    if (in.trainer == 0)
        rise(s, trainerStep);
    else if (in.trainer == 1)
        fall(s, trainerStep);
    if (in.attitude == 0)
        fall(s, 0.1);
    else if (in.attitude == 2)
        rise(s, 0.1);
    if (in.tactic == weakeningTactic)
        fall(s, 0.05);
}

void attackModifiers(const LineupInput &in, double &s)
{
    switch (in.trainer) {
    case 0: fall(s, 0.14); break;
    case 1: rise(s, 0.07); break;
    case 2: fall(s, 0.07); break;
    default: break;
    }
    switch (in.confidence) {
    case 0: fall(s, 0.15); break;
    case 1: fall(s, 0.1); break;
    case 2: fall(s, 0.05); break;
    case 3: fall(s, 0.025); break;
    case 5: rise(s, 0.05); break;
    case 6: rise(s, 0.15); break;
    case 7: fall(s, 0.05); break;
    default: break;
    }
}

// Central defence: a central defender's term, setting his mark on behaviours 0..2.
void centralDefenderTerm(const LineupInput &in, int p, int mark, double &s, DefensiveMarks &marks)
{
    switch (in.behaviour[p]) {
    case 0: s = s + 1.0 * defending(in, p); break;
    case 1: s = s + 0.5 * defending(in, p); break;
    case 2: s = s + 0.3 * defending(in, p); break;
    case 3: s = s + 0.4 * defending(in, p); break;
    default: break;
    }
    if (in.behaviour[p] >= 0 && in.behaviour[p] <= 2)
        marks.put(mark, in.id[p]);
}

void backCentralTerm(const LineupInput &in, int p, double &s)
{
    switch (in.behaviour[p]) {
    case 0: s = s + 0.3 * defending(in, p); break;
    case 1: s = s + 0.5 * defending(in, p); break;
    case 2: s = s + 0.3 * defending(in, p); break;
    case 3: s = s + 0.8 * defending(in, p); break;
    default: break;
    }
}

void wingerCentralTerm(const LineupInput &in, int p, double &s, DefensiveMarks &marks)
{
    switch (in.behaviour[p]) {
    case 0: s = s + 0.5 * defending(in, p); break;
    case 1: s = s + 0.8 * defending(in, p); break;
    case 2: s = s + 0.3 * defending(in, p); break;
    case 3: s = s + 0.1 * defending(in, p); break;
    case 6:
        s = s + 0.95 * defending(in, p);
        marks.put(4, in.id[p]);
        break;
    default: break;
    }
}

void midfielderCentralTerm(const LineupInput &in, int p, double &s, DefensiveMarks &marks)
{
    switch (in.behaviour[p]) {
    case 0: s = s + 0.2 * defending(in, p); break;
    case 1: s = s + 0.7 * defending(in, p); break;
    case 2: s = s + 0.1 * defending(in, p); break;
    case 5:
        s = s + 0.95 * defending(in, p);
        marks.put(4, in.id[p]);
        break;
    default: break;
    }
}

void forwardCentralTerm(const LineupInput &in, int p, double &s, DefensiveMarks &marks)
{
    if (in.behaviour[p] == 4) {
        s = s + 0.95 * defending(in, p);
        marks.put(4, in.id[p]);
    }
}

// One side of the defence: its central defender, back (with his mark), winger and midfielder.
double sideDefence(const LineupInput &in, DefensiveMarks &marks, int centralDefender, int back, int backMark,
                   int wing, int midfielder)
{
    double s = 0.0;
    s = s + 1.0 * keeper(in, Keeper);
    switch (in.behaviour[centralDefender]) {
    case 0: s = s + 0.7 * defending(in, centralDefender); break;
    case 1: s = s + 0.5 * defending(in, centralDefender); break;
    case 2: s = s + 0.9 * defending(in, centralDefender); break;
    default: break;
    }
    switch (in.behaviour[back]) {
    case 0: s = s + 0.8 * defending(in, back); break;
    case 1: s = s + 1.0 * defending(in, back); break;
    case 2: s = s + 0.5 * defending(in, back); break;
    default: break;
    }
    if (in.behaviour[back] >= 0 && in.behaviour[back] <= 2)
        marks.put(backMark, in.id[back]);
    switch (in.behaviour[wing]) {
    case 0: s = s + 0.6 * defending(in, wing); break;
    case 1: s = s + 0.8 * defending(in, wing); break;
    case 2: s = s + 0.4 * defending(in, wing); break;
    default: break;
    }
    switch (in.behaviour[midfielder]) {
    case 0: s = s + 0.5 * defending(in, midfielder); break;
    case 1: s = s + 0.8 * defending(in, midfielder); break;
    case 2: s = s + 0.2 * defending(in, midfielder); break;
    case 3: s = s + 0.5 * defending(in, midfielder); break;
    default: break;
    }
    defenceModifiers(in, s, 0.1, 3);
    return s;
}

// A player repositioned as a forward: his scoring and passing join the running sum,
// and the whole sum so far is then weakened by 5%.
void repositionedForward(const LineupInput &in, int p, double &s)
{
    s = s + scoring(in, p);
    s = s + passing(in, p);
    s = s * 0.95;
}

double sideAttack(const LineupInput &in, int back, int wing, int midfielder)
{
    double s = 0.0;
    switch (in.behaviour[back]) {
    case 0: s = s + 0.6 * winger(in, back); break;
    case 1: s = s + 0.3 * winger(in, back); break;
    case 2: s = s + 1.0 * winger(in, back); break;
    default: break;
    }
    // The winger's wing play and passing make one term, added to the sum as a whole.
    switch (in.behaviour[wing]) {
    case 0: s = s + (0.6 * winger(in, wing) + 0.5 * passing(in, wing)); break;
    case 1: s = s + (0.3 * winger(in, wing) + 0.5 * passing(in, wing)); break;
    case 2: s = s + (0.9 * winger(in, wing) + 0.5 * passing(in, wing)); break;
    case 3: s = s + (0.2 * winger(in, wing) + 0.5 * passing(in, wing)); break;
    default: break;
    }
    switch (in.behaviour[midfielder]) {
    case 0: s = s + 0.6 * passing(in, midfielder); break;
    case 1: s = s + 0.2 * passing(in, midfielder); break;
    case 2: s = s + 1.0 * passing(in, midfielder); break;
    case 3: s = s + 0.5 * winger(in, midfielder); break;
    default: break;
    }
    for (int p : {Forward1, Forward2}) {
        switch (in.behaviour[p]) {
        case 0: s = s + 0.9 * scoring(in, p); break;
        case 1: s = s + 0.5 * scoring(in, p); break;
        default: break;
        }
    }
    attackModifiers(in, s);
    return s;
}

} // namespace

double divisor(Sector sector)
{
    switch (sector) {
    case CentralDefence: return 5;
    case RightDefence:
    case LeftDefence: return 4;
    case Midfield: return 8;
    case CentralAttack:
    case RightAttack:
    case LeftAttack: return 6;
    }
    return 1;
}

double centralDefence(const LineupInput &in, DefensiveMarks &marks)
{
    double s = 0.0;
    s = s + 1.0 * keeper(in, Keeper);
    centralDefenderTerm(in, CentralDefender1, 2, s, marks);
    centralDefenderTerm(in, CentralDefender2, 3, s, marks);
    backCentralTerm(in, RightBack, s);
    backCentralTerm(in, LeftBack, s);
    wingerCentralTerm(in, RightWinger, s, marks);
    midfielderCentralTerm(in, InnerMidfielder1, s, marks);
    midfielderCentralTerm(in, InnerMidfielder2, s, marks);
    wingerCentralTerm(in, LeftWinger, s, marks);
    forwardCentralTerm(in, Forward1, s, marks);
    forwardCentralTerm(in, Forward2, s, marks);
    defenceModifiers(in, s, 0.07, 4);
    return s;
}

double rightDefence(const LineupInput &in, DefensiveMarks &marks)
{
    return sideDefence(in, marks, CentralDefender1, RightBack, 1, RightWinger, InnerMidfielder1);
}

double leftDefence(const LineupInput &in, DefensiveMarks &marks)
{
    return sideDefence(in, marks, CentralDefender2, LeftBack, 5, LeftWinger, InnerMidfielder2);
}

double midfield(const LineupInput &in)
{
    double s = 0.0;
    for (int p : {RightBack, LeftBack}) {
        switch (in.behaviour[p]) {
        case 2: s = s + 0.3 * playmaking(in, p); break;
        case 5: s = s + 1.0 * playmaking(in, p); break;
        default: break;
        }
    }
    for (int p : {CentralDefender1, CentralDefender2}) {
        switch (in.behaviour[p]) {
        case 1: s = s + 0.7 * playmaking(in, p); break;
        case 3: s = s + 1.0 * playmaking(in, p); break;
        default: break;
        }
    }
    for (int p : {InnerMidfielder1, InnerMidfielder2}) {
        switch (in.behaviour[p]) {
        case 0:
        case 1:
        case 2: s = s + 1.0 * playmaking(in, p); break;
        case 3: s = s + 0.3 * playmaking(in, p); break;
        case 4:
        case 5: s = s + 0.1 * playmaking(in, p); break;
        default: break;
        }
    }
    for (int p : {Forward1, Forward2}) {
        if (in.behaviour[p] == 1)
            s = s + 0.3 * playmaking(in, p);
    }
    for (int p : {RightWinger, LeftWinger}) {
        switch (in.behaviour[p]) {
        case 0:
        case 1:
        case 2: s = s + 0.7 * playmaking(in, p); break;
        case 3: s = s + 0.9 * playmaking(in, p); break;
        default: break;
        }
    }
    switch (in.teamSpirit) {
    case 0: fall(s, 0.2); break;
    case 1: fall(s, 0.15); break;
    case 2: fall(s, 0.1); break;
    case 3: fall(s, 0.05); break;
    case 5: rise(s, 0.2); break;
    case 6: rise(s, 0.3); break;
    case 7: rise(s, 0.45); break;
    case 8: rise(s, 0.55); break;
    case 9: rise(s, 0.65); break;
    case 10: rise(s, 0.75); break;
    case 11: rise(s, 0.8); break;
    case 12: rise(s, 0.85); break;
    default: break;
    }
    if (in.attitude == 0)
        fall(s, 0.2);
    else if (in.attitude == 2)
        rise(s, 0.2);
    if (in.venue == 1)
        s = s - (s * 10) / 100;
    if (in.tactic == 2)
        fall(s, 0.1);
    return s;
}

double centralAttack(const LineupInput &in)
{
    double s = 0.0;
    for (int p : {RightBack, LeftBack, CentralDefender1, CentralDefender2}) {
        if (in.behaviour[p] == 4)
            repositionedForward(in, p, s);
    }
    for (int p : {InnerMidfielder1, InnerMidfielder2}) {
        switch (in.behaviour[p]) {
        case 0: s = s + 0.5 * passing(in, p); break;
        case 1: s = s + 0.2 * passing(in, p); break;
        case 2: s = s + 0.8 * passing(in, p); break;
        case 4: repositionedForward(in, p, s); break;
        default: break;
        }
    }
    // A forward's scoring and passing make one term, added as a whole (unlike the
    // repositioned forward above, whose two skills join the sum one after the other).
    for (int p : {Forward1, Forward2}) {
        switch (in.behaviour[p]) {
        case 0: s = s + (1.0 * scoring(in, p) + 1.0 * passing(in, p)); break;
        case 1: s = s + (0.5 * scoring(in, p) + 1.0 * passing(in, p)); break;
        default: break;
        }
    }
    attackModifiers(in, s);
    return s;
}

double rightAttack(const LineupInput &in)
{
    return sideAttack(in, RightBack, RightWinger, InnerMidfielder1);
}

double leftAttack(const LineupInput &in)
{
    return sideAttack(in, LeftBack, LeftWinger, InnerMidfielder2);
}

double tacticStrength(int tactic, const Tplayer *players, const int32_t *playerIds, int rosterCount,
                      const std::array<int32_t, 17> &placement, const DefensiveMarks &marks)
{
    if (tactic == 0)
        return 80;
    if (tactic < 1 || tactic > 4)
        return 0;
    // Whole-number skills: the sum is exact in any order.
    int64_t sum = 0;
    for (int r = 0; r < rosterCount; ++r) {
        const int32_t id = playerIds[r];
        if (id < 0)
            continue;
        const Tplayer &pl = players[r];
        if (tactic == 2) {
            for (int m = 1; m <= 5; ++m) {
                if (marks.set[m] && marks.id[m] == id)
                    sum += 2 * int64_t(pl.PassingSkill) + pl.DefenderSkill + pl.Experience;
            }
            continue;
        }
        for (int p = RightBack; p <= Forward2; ++p) {
            if (placement[p] != id)
                continue;
            if (tactic == 1)
                sum += (pl.Specialty == 3 ? 2 * int64_t(pl.DefenderSkill) : int64_t(pl.DefenderSkill))
                       + pl.Experience;
            else
                sum += int64_t(pl.PassingSkill) + pl.Experience;
        }
    }
    double strength = static_cast<double>(sum);
    if (tactic == 1)
        strength = strength / 2;
    return strength;
}

} // namespace SectorRatings
