#include "lineup/BestLineupSearch.h"

using namespace LineupSlots;

namespace {

constexpr std::array<int, 10> kOrders[LineupState::kSectorOrderCount] = {
    // DEF-MID-ATT
    {CentralDefender1, CentralDefender2, RightBack, LeftBack, InnerMidfielder1, InnerMidfielder2, RightWinger,
     LeftWinger, Forward1, Forward2},
    // DEF-ATT-MID
    {CentralDefender1, CentralDefender2, RightBack, LeftBack, Forward1, Forward2, InnerMidfielder1,
     InnerMidfielder2, RightWinger, LeftWinger},
    // ATT-MID-DEF
    {Forward1, Forward2, InnerMidfielder1, InnerMidfielder2, RightWinger, LeftWinger, CentralDefender1,
     CentralDefender2, RightBack, LeftBack},
    // ATT-DEF-MID
    {Forward1, Forward2, CentralDefender1, CentralDefender2, RightBack, LeftBack, InnerMidfielder1,
     InnerMidfielder2, RightWinger, LeftWinger},
    // MID-ATT-DEF
    {InnerMidfielder1, InnerMidfielder2, RightWinger, LeftWinger, Forward1, Forward2, CentralDefender1,
     CentralDefender2, RightBack, LeftBack},
    // MID-DEF-ATT
    {InnerMidfielder1, InnerMidfielder2, RightWinger, LeftWinger, CentralDefender1, CentralDefender2, RightBack,
     LeftBack, Forward1, Forward2},
};

// The order in which the slots are evaluated once filled (labels and strips only).
constexpr int kEvaluationOrder[] = {Keeper,      RightBack,   LeftBack,         CentralDefender1,
                                    CentralDefender2, RightWinger, LeftWinger, InnerMidfielder1,
                                    InnerMidfielder2, Forward1,    Forward2};

struct SubstitutePick {
    int place;
    int kind;
};
// Substitutes: defender with the best DC, midfielder M, forward AT, winger A, keeper.
constexpr SubstitutePick kSubstitutes[] = {
    {SubstituteDefender, 6}, {SubstituteMidfielder, 13}, {SubstituteForward, 17}, {SubstituteWinger, 9},
    {SubstituteKeeper, 1}};

bool inPlacement(const LineupState &state, int32_t id)
{
    for (int p = kFirstPlace; p <= kLastPlace; ++p) {
        if (state.placement(p) == id)
            return true;
    }
    return false;
}

} // namespace

const std::array<int, 10> &BestLineupSearch::fillOrder(int sectorOrder)
{
    if (sectorOrder < 0 || sectorOrder >= LineupState::kSectorOrderCount)
        sectorOrder = 0;
    return kOrders[sectorOrder];
}

void BestLineupSearch::prepare(const LineupState &state, Context &context)
{
    context.count = state.rosterCount();
    for (int r = 0; r < context.count; ++r) {
        context.ids[r] = state.recordId(r);
        // Only a player the boxes can show is placed: his list position must lead back to him.
        const int lp = state.roster()->players[r].ListPosition;
        context.shown[r] = state.recordOfEntry(lp) == r;
    }
}

bool BestLineupSearch::eligible(const LineupState &state, const Context &context, int record)
{
    const Tplayer &pl = state.roster()->players[record];
    const int32_t id = context.ids[record];
    if (id < 0 || !context.shown[record])
        return false;
    if (inPlacement(state, id))
        return false;
    if (pl.InjuryLevel > 0 && !state.option(LineupState::Blesse))
        return false;
    if (pl.TrainerType != 0)
        return false;
    if (pl.Cards == 3 && !state.option(LineupState::Cartons))
        return false;
    return true;
}

int BestLineupSearch::bestPlayer(const LineupState &state, const Context &context, int kind)
{
    if (kind < 1 || kind > 19 || context.count == 0)
        return -1;
    const auto &players = state.roster()->players;
    return LineupState::bestRecord(
        context.count, [&](int r) { return players[r].PositionValue[kind - 1]; },
        [&](int r) { return eligible(state, context, r) && players[r].Selectable; });
}

double BestLineupSearch::run(LineupState &state, Display &display, QList<int> *unfilled)
{
    display.runStarted();
    const bool all = state.option(LineupState::RecalculTous);
    if (all) {
        // Recomputing everything still keeps the locked players where the manager put them.
        std::array<int32_t, kLastSlot + 1> kept{};
        for (int p = Keeper; p <= kLastSlot; ++p)
            kept[p] = state.locked(p) ? state.recordId(state.recordOfBox(p)) : -1;
        state.clearPlacement();
        for (int p = Keeper; p <= kLastSlot; ++p)
            if (kept[p] != -1)
                state.setPlacement(p, kept[p]);
    }
    // The places this run fills: the empty ones, or all but the locked ones.
    auto refill = [&](int place) { return state.recordOfBox(place) < 0 || (all && !state.locked(place)); };

    Context context;
    prepare(state, context);
    // Before any squad is loaded there is no roster: an empty one keeps the search well defined
    // (it places nobody and names every place).
    static const Roster kNoSquad{};
    const auto &players = (state.roster() ? *state.roster() : kNoSquad).players;

    // Puts the query's answer in the place; a place nobody can fill is left empty. A chosen
    // player is always one the boxes show, so his list position is an entry of the list.
    auto fill = [&](int place, int kind) {
        const int r = bestPlayer(state, context, kind);
        if (r >= 0) {
            state.setSlotEntry(place, players[r].ListPosition);
            display.cardChanged(place);
            state.setPlacement(place, context.ids[r]);
            return true;
        }
        state.setSlotEntry(place, 0);
        display.slotCleared(place);
        display.cardChanged(place);
        if (unfilled)
            unfilled->append(place);
        return false;
    };

    if (refill(Keeper)) {
        if (fill(Keeper, 1))
            display.slotEvaluated(Keeper);
    }
    for (int place : fillOrder(state.sectorOrder())) {
        if (refill(place))
            fill(place, state.slotKind(place));
    }
    for (int place : kEvaluationOrder)
        display.slotEvaluated(place);

    state.placeCaptainAndSetPieces();

    for (const SubstitutePick &sub : kSubstitutes) {
        if (state.recordOfBox(sub.place) < 0 || all)
            fill(sub.place, sub.kind);
    }

    return display.runFinished();
}

BestLineupSearch::CalculeResult BestLineupSearch::calcule(LineupState &state, Display &display)
{
    CalculeResult result;
    for (int i = 0; i < LineupState::kSectorOrderCount; ++i) {
        state.setSectorOrder(i);
        result.orderResults[i] = run(state, display, nullptr);
    }
    int chosen = 0;
    double best = 0.0;
    for (int i = 0; i < LineupState::kSectorOrderCount; ++i) {
        if (result.orderResults[i] > best) {
            best = result.orderResults[i];
            chosen = i;
        }
    }
    state.setSectorOrder(chosen);
    result.chosenOrder = chosen;
    result.evaluation = run(state, display, &result.unfilled);
    return result;
}
