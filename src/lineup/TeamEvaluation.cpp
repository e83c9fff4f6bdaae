#include "lineup/TeamEvaluation.h"

#include "evaluation/Ratings.h"
#include "evaluation/Tplayer.h"
#include "lineup/LineupState.h"

#include <algorithm>

using namespace LineupSlots;

namespace {

// Every sector computed again, in the order of the overall figure, with the marks the first
// pass left, and summed as whole numbers.
int32_t velstats(const LineupInput &in, DefensiveMarks &marks)
{
    using namespace SectorRatings;
    using Ratings::ratingPoints;
    using Ratings::toInt32;
    const double mid = midfield(in);
    const double rd = rightDefence(in, marks);
    const double cd = centralDefence(in, marks);
    const double ld = leftDefence(in, marks);
    const double ra = rightAttack(in);
    const double ca = centralAttack(in);
    const double la = leftAttack(in);
    int64_t sum = int64_t(3) * toInt32(ratingPoints(mid / 8)) + toInt32(ratingPoints(rd / 4))
                  + toInt32(ratingPoints(cd / 5)) + toInt32(ratingPoints(ld / 4)) + toInt32(ratingPoints(ra / 6))
                  + toInt32(ratingPoints(ca / 6)) + toInt32(ratingPoints(la / 6));
    sum = std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX);
    return static_cast<int32_t>(sum);
}

} // namespace

void TeamEvaluation::collectLineup(const LineupState &state, LineupInput &in)
{
    const Roster *roster = state.roster();
    for (int p = Keeper; p <= kLastSlot; ++p) {
        const int r = state.recordOfBox(p);
        in.player[p] = r < 0 ? nullptr : &roster->players[r];
        in.id[p] = r < 0 ? -1 : state.recordId(r);
        in.behaviour[p] = hasBehaviour(p) ? state.behaviourEntry(p) : -1;
    }
    in.tactic = state.condition(LineupState::Tactique);
    in.attitude = state.condition(LineupState::Attitude);
    in.venue = state.condition(LineupState::Lieu);
    in.confidence = state.condition(LineupState::Confiance);
    in.teamSpirit = state.condition(LineupState::TeamSpirit);
    in.trainer = state.condition(LineupState::Entraineur);
}

TeamPoints TeamEvaluation::points(const LineupInput &in, std::array<double, SectorRatings::kSectorCount> &sector,
                                  DefensiveMarks &marks)
{
    using namespace SectorRatings;
    using Ratings::ratingPoints;

    TeamPoints f;
    sector[CentralDefence] = centralDefence(in, marks);
    f.CD = ratingPoints(sector[CentralDefence] / 5);
    sector[RightDefence] = rightDefence(in, marks);
    f.RD = ratingPoints(sector[RightDefence] / 4);
    sector[LeftDefence] = leftDefence(in, marks);
    f.LD = ratingPoints(sector[LeftDefence] / 4);
    f.DEF = f.RD + f.LD + f.CD;
    sector[Midfield] = midfield(in);
    f.MID3 = 3 * ratingPoints(sector[Midfield] / 8);
    sector[CentralAttack] = centralAttack(in);
    f.CA = ratingPoints(sector[CentralAttack] / 6);
    sector[RightAttack] = rightAttack(in);
    f.RA = ratingPoints(sector[RightAttack] / 6);
    sector[LeftAttack] = leftAttack(in);
    f.LA = ratingPoints(sector[LeftAttack] / 6);
    f.ATT = f.CA + f.RA + f.LA;
    f.E = f.DEF + f.ATT + f.MID3;
    return f;
}

TeamFigures TeamEvaluation::evaluate(const LineupState &state)
{
    TeamFigures result;
    result.marks.clear();
    LineupInput in;
    collectLineup(state, in);
    result.points = points(in, result.sector, result.marks);

    const Roster *roster = state.roster();
    const int count = state.rosterCount();
    std::array<int32_t, Roster::kCapacity> ids{};
    for (int r = 0; r < count; ++r)
        ids[r] = state.recordId(r);
    result.tacticStrength = SectorRatings::tacticStrength(state.condition(LineupState::Tactique),
                                                          roster ? roster->players.data() : nullptr, ids.data(),
                                                          count, state.placementTable(), result.marks);

    result.velstats = velstats(in, result.marks);
    return result;
}
