#include "lineup/BestLineupSearch.h"

#include "evaluation/Tplayer.h"

using namespace LineupSlots;

namespace {

constexpr std::array<int, 10> kOrders[Board::kSectorOrderCount] = {
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

bool inPlacement(const std::array<int32_t, 17> &placement, int first, int last, int32_t id)
{
    for (int p = first; p <= last; ++p) {
        if (placement[p] == id)
            return true;
    }
    return false;
}

// Highest value wins; an equal value replaces the best so far (the later record wins ties);
// the running best starts at 0, so a negative value is never chosen.
template <typename Value, typename Qualifies>
int bestOf(int count, Value value, Qualifies qualifies)
{
    double best = 0.0;
    int result = -1;
    for (int r = 0; r < count; ++r) {
        const double v = value(r);
        if (!(v >= best))
            continue;
        if (qualifies(r)) {
            result = r;
            best = v;
        }
    }
    return result;
}

} // namespace

const std::array<int, 10> &BestLineupSearch::fillOrder(int sectorOrder)
{
    if (sectorOrder < 0 || sectorOrder >= Board::kSectorOrderCount)
        sectorOrder = 0;
    return kOrders[sectorOrder];
}

void BestLineupSearch::prepare(const Board &board, Context &context)
{
    context.count = board.rosterCount();
    for (int r = 0; r < context.count; ++r) {
        context.ids[r] = board.recordId(r);
        // Only a player the boxes can show is placed: his list position must lead back to him.
        const int lp = board.m_roster->players[r].ListPosition;
        context.shown[r] = board.recordOfEntry(lp) == r;
    }
}

bool BestLineupSearch::eligible(const Board &board, const Context &context, int record)
{
    const Tplayer &pl = board.m_roster->players[record];
    const int32_t id = context.ids[record];
    if (id < 0 || !context.shown[record])
        return false;
    if (inPlacement(board.m_placement, kFirstPlace, kLastPlace, id))
        return false;
    if (pl.InjuryLevel > 0 && !board.m_options[Board::Blesse])
        return false;
    if (pl.TrainerType != 0)
        return false;
    if (pl.Cards == 3 && !board.m_options[Board::Cartons])
        return false;
    return true;
}

int BestLineupSearch::bestPlayer(const Board &board, const Context &context, int kind)
{
    if (kind < 1 || kind > 19 || context.count == 0)
        return -1;
    const auto &players = board.m_roster->players;
    return bestOf(
        context.count, [&](int r) { return players[r].PositionValue[kind - 1]; },
        [&](int r) { return eligible(board, context, r) && players[r].Selectable; });
}

int BestLineupSearch::captain(const Board &board, const Context &context)
{
    if (context.count == 0)
        return -1;
    const auto &players = board.m_roster->players;
    return bestOf(
        context.count, [&](int r) { return players[r].CaptainValue; },
        [&](int r) {
            return context.ids[r] >= 0 && inPlacement(board.m_placement, Keeper, kLastSlot, context.ids[r])
                   && players[r].Selectable;
        });
}

int BestLineupSearch::setPieces(const Board &board, const Context &context)
{
    if (context.count == 0)
        return -1;
    const auto &players = board.m_roster->players;
    return bestOf(
        context.count, [&](int r) { return static_cast<double>(players[r].SetPiecesSkill); },
        [&](int r) {
            return context.ids[r] >= 0 && inPlacement(board.m_placement, Keeper, kLastSlot, context.ids[r])
                   && players[r].Selectable;
        });
}

double BestLineupSearch::run(Board &b, QList<int> *unfilled)
{
    emit b.searchStarted();
    b.m_searchFlag = true;
    const bool all = b.m_options[Board::RecalculTous];
    if (all)
        b.m_placement.fill(-1);
    b.m_marks.clear();
    b.m_figures = Board::Figures();

    Context context;
    prepare(b, context);

    // Puts the query's answer in the place; a place nobody can fill is left empty.
    auto fill = [&](int place, int kind) {
        const int r = bestPlayer(b, context, kind);
        if (r >= 0) {
            b.m_entries[place] = b.m_roster->players[r].ListPosition;
            b.refreshCardImage(place);
            b.m_placement[place] = context.ids[r];
            return true;
        }
        b.m_entries[place] = b.boxEntryClamped(b.m_candidates.size(), 0);
        b.clearSlotDisplay(place);
        b.refreshCardImage(place);
        if (unfilled)
            unfilled->append(place);
        return false;
    };

    if (b.recordOfBox(Keeper) < 0 || all) {
        if (fill(Keeper, 1))
            b.slotEvaluation(Keeper);
    }
    for (int place : fillOrder(b.m_sectorOrder)) {
        if (b.recordOfBox(place) < 0 || all)
            fill(place, b.slotKind(place));
    }
    for (int place : kEvaluationOrder)
        b.slotEvaluation(place);

    const int captainRecord = captain(b, context);
    if (captainRecord >= 0 && context.shown[captainRecord])
        b.m_captain = b.m_roster->players[captainRecord].ListPosition;
    const int taker = setPieces(b, context);
    if (taker >= 0 && context.shown[taker])
        b.m_setPieces = b.m_roster->players[taker].ListPosition;

    for (const SubstitutePick &sub : kSubstitutes) {
        if (b.recordOfBox(sub.place) < 0 || all)
            fill(sub.place, sub.kind);
    }

    b.teamFigures(true);
    b.m_searchFlag = false;
    emit b.searchFinished();
    return b.m_figures.E;
}

Board::CalculeResult BestLineupSearch::calcule(Board &board)
{
    Board::CalculeResult result;
    for (int i = 0; i < Board::kSectorOrderCount; ++i) {
        board.m_sectorOrder = i;
        result.orderResults[i] = run(board, nullptr);
    }
    int chosen = 0;
    double best = 0.0;
    for (int i = 0; i < Board::kSectorOrderCount; ++i) {
        if (result.orderResults[i] > best) {
            best = result.orderResults[i];
            chosen = i;
        }
    }
    board.m_sectorOrder = chosen;
    result.chosenOrder = chosen;
    result.evaluation = run(board, &result.unfilled);
    return result;
}
