#include "shell/MatchOrdersApplier.h"

#include "common/NumberText.h"
#include "datafiles/MatchOrdersReader.h"
#include "datafiles/TeamTrainingReader.h"
#include "evaluation/RosterLoader.h"
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"
#include "lineup/LineupSlots.h"

#include <array>
#include <limits>
#include <optional>

namespace {

using namespace LineupSlots;

constexpr int kRoles = 18;
constexpr int kSetPiecesRole = 17;
constexpr int kCaptainRole = 18;

// Behaviour codes 1..7 to the entries of each behaviour list. The forward row gives each code
// the entry that names it: towards the wing (4) "Vers l'aile", as a midfielder (6) "Milieu de
// terrain", as a defender (7) "Défenseur".
int mapCode(BehaviourList list, int code)
{
    static const int back[7] = {2, 1, 3, 0, 4, 5, 0};
    static const int central[7] = {1, 0, 0, 2, 4, 3, 0};
    static const int winger[7] = {2, 1, 3, 0, 4, 0, 0};
    static const int midfield[7] = {2, 1, 0, 3, 4, 0, 5};
    static const int forward[7] = {0, 1, 0, 2, 0, 3, 4};
    if (code < 1 || code > 7)
        return -1;
    switch (list) {
    case BehaviourList::Back: return back[code - 1];
    case BehaviourList::CentralDefender: return central[code - 1];
    case BehaviourList::Winger: return winger[code - 1];
    case BehaviourList::InnerMidfielder: return midfield[code - 1];
    case BehaviourList::Forward: return forward[code - 1];
    case BehaviourList::None: break;
    }
    return -1;
}

// Team.xml's identifier, when the file is there.
void takeTeamId(const DataFolder &folder, QString &teamId)
{
    if (const std::optional<TeamInfo> team = TeamTrainingReader::readTeam(folder))
        teamId = team->teamId;
}

} // namespace

int MatchOrdersApplier::behaviourEntry(int place, int code) { return mapCode(behaviourList(place), code); }

void MatchOrdersApplier::applyMatchOrders(const DataFolder &folder, Board &board, const Roster &roster,
                                          int trainerTypeIndex, QString &teamId)
{
    // The whole lineup in, then one repaint.
    auto edit = board.edit();
    const MatchOrdersInfo orders = MatchOrdersReader::read(folder);
    if (orders.available) {
        edit->setCondition(Board::Tactique, orders.tactic.value_or(0));
        if (orders.failure)
            throw *orders.failure;
        // The team identifier comes from Team.xml, which at start-up nothing has read yet: take
        // it now so that a home match is not shown as away.
        takeTeamId(folder, teamId);
        edit->setCondition(Board::Lieu, orders.homeTeamId == teamId ? 0 : 1);
        // The list shows code + 1; a code at the top of the range is outside the list like
        // any other code too large for it.
        const int attitudeEntry = !orders.attitude ? 1
            : *orders.attitude < std::numeric_limits<int32_t>::max() ? *orders.attitude + 1 : -1;
        edit->setCondition(Board::Attitude, attitudeEntry);

        // A role named twice keeps its last entry.
        std::array<std::optional<int32_t>, kRoles + 1> ids{};
        std::array<int, kRoles + 1> behaviours{};
        for (const MatchOrdersInfo::Entry &entry : orders.lineup) {
            if (entry.role > kRoles)
                continue;
            ids[entry.role] = entry.playerId;
            if (hasBehaviour(entry.role))
                behaviours[entry.role] = entry.behaviour;
            if (entry.role <= kLastPlace)
                edit->setPlacement(entry.role, entry.playerId);
        }

        // Players into places: the substitute keeper is tried last, so a player named both as
        // keeper and as substitute keeper plays.
        static const int kRoleOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 12};
        for (int i = 0; i < roster.storedCount(); ++i) {
            const Tplayer &player = roster.players[i];
            // Read as the board reads it, so a player the orders place is one the board knows.
            const int32_t id = NumberText::playerId(player.PlayerID);
            if (id < 0)
                continue; // a player without a usable identifier cannot be named by the orders
            for (int role : kRoleOrder) {
                if (!ids[role] || *ids[role] != id)
                    continue;
                edit->setSlotEntry(role, player.ListPosition);
                if (hasBehaviour(role)) {
                    const int item = behaviourEntry(role, behaviours[role]);
                    if (item >= 0)
                        edit->setBehaviourEntry(role, item);
                }
                if (role <= kLastSlot)
                    edit->refreshSlot(role);
                break;
            }
        }

        // Captain and set-piece taker: the box shows the named player's own entry.
        for (int i = 0; i < roster.storedCount(); ++i) {
            const Tplayer &player = roster.players[i];
            const int32_t id = NumberText::playerId(player.PlayerID);
            if (id >= 0 && ids[kCaptainRole] == id)
                edit->setCaptainEntry(player.ListPosition);
            if (id >= 0 && ids[kSetPiecesRole] == id)
                edit->setSetPiecesEntry(player.ListPosition);
        }
    }

    applyTeamAndTraining(folder, board, trainerTypeIndex, teamId);
}

void MatchOrdersApplier::applyTeamAndTraining(const DataFolder &folder, Board &board, int trainerTypeIndex,
                                              QString &teamId)
{
    auto edit = board.edit();
    const TrainingInfo training = TeamTrainingReader::readTraining(folder);
    if (training.present) {
        // One after the other: a confidence that is no number stops here with the team spirit
        // already taken.
        edit->setCondition(Board::TeamSpirit, *training.teamSpirit);
        if (training.failure)
            throw *training.failure;
        edit->setCondition(Board::Confiance, *training.confidence);
    } else {
        edit->setCondition(Board::TeamSpirit, 4); // "Passifs"
        edit->setCondition(Board::Confiance, 4);  // "Passable"
    }
    edit->setCondition(Board::Entraineur, trainerTypeIndex);

    takeTeamId(folder, teamId);

    if (board.state().condition(Board::Attitude) < 0)
        edit->setCondition(Board::Attitude, 1); // "Normal"
    if (board.state().condition(Board::Tactique) < 0)
        edit->setCondition(Board::Tactique, 0); // "Normal"
    edit->refreshFigures();
}
