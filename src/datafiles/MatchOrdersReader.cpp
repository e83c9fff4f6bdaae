#include "datafiles/MatchOrdersReader.h"
#include "common/NumberText.h"

#include "datafiles/DataFolder.h"
#include "datafiles/TeamTrainingReader.h"
#include "datafiles/XmlFile.h"
#include "evaluation/RosterLoader.h"
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"
#include "lineup/LineupSlots.h"
#include "common/AppError.h"

#include <QFileInfo>

namespace {

using namespace LineupSlots;

constexpr int kRoles = 18;
constexpr int kSetPiecesRole = 17;
constexpr int kCaptainRole = 18;

bool integerOf(const QString &text, int32_t *value) { return NumberText::gameFileInteger(text.trimmed(), value); }

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

} // namespace

int MatchOrdersReader::behaviourEntry(int place, int code) { return mapCode(behaviourList(place), code); }

void MatchOrdersReader::run(const DataFolder &folder, Board &board, const Roster &roster, int trainerTypeIndex,
                            QString &teamId)
{
    const QString path = folder.findGameFile(GameFile::MatchOrders);
    if (path.isEmpty())
        throw DataFileError(QStringLiteral("MatchOrders.xml"), QStringLiteral("the file does not exist"));
    const QString shown = QFileInfo(path).fileName();
    const QDomDocument doc = loadXmlFile(path);
    const QDomElement match = firstChild(doc.documentElement(), QStringLiteral("MatchData"));
    if (match.isNull())
        throw DataFileError(shown, QStringLiteral("element MatchData is missing"));

    if (match.attribute(QStringLiteral("Available")) == QLatin1String("true")) {
        int32_t value = 0;
        board.setCondition(Board::Tactique,
                           integerOf(firstChild(match, QStringLiteral("TacticType")).text(), &value) ? value : 0);

        const QDomElement home = firstChild(match, QStringLiteral("HomeTeam"));
        if (home.isNull())
            throw DataFileError(shown, QStringLiteral("element HomeTeam is missing"));
        // The team identifier comes from Team.xml, which at start-up nothing has read yet: take
        // it now so that a home match is not shown as away.
        TeamTrainingReader::readTeamId(folder, &teamId);
        board.setCondition(Board::Lieu, firstChild(home, QStringLiteral("HomeTeamID")).text() == teamId ? 0 : 1);

        board.setCondition(Board::Attitude,
                           integerOf(firstChild(match, QStringLiteral("Attitude")).text(), &value) ? value + 1 : 1);

        // Lineup entries: the first 18 child elements; the first faulty entry ends the list.
        std::array<std::optional<int32_t>, kRoles + 1> ids{};
        std::array<int, kRoles + 1> behaviours{};
        QDomElement entry = firstChild(match, QStringLiteral("Lineup")).firstChildElement();
        for (int k = 0; k < kRoles && !entry.isNull(); ++k, entry = entry.nextSiblingElement()) {
            int32_t id = 0;
            int32_t role = 0;
            if (!integerOf(firstChild(entry, QStringLiteral("PlayerID")).text(), &id)
                || !integerOf(firstChild(entry, QStringLiteral("RoleID")).text(), &role) || role <= 0)
                break;
            int32_t behaviour = 0;
            if (role >= RightBack && role <= Forward2) {
                // An empty or absent behaviour reads as 0; the leading "0" refuses a sign.
                if (!NumberText::gameFileInteger(QStringLiteral("0") + firstChild(entry, QStringLiteral("Behaviour")).text(),
                                                &behaviour))
                    break;
            }
            if (role > kRoles)
                continue;
            ids[role] = id;
            if (role >= RightBack && role <= Forward2)
                behaviours[role] = behaviour;
            if (role <= kLastPlace)
                board.setPlacement(role, id);
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
                board.setSlotEntry(role, player.ListPosition);
                if (role >= RightBack && role <= Forward2) {
                    const int item = behaviourEntry(role, behaviours[role]);
                    if (item >= 0)
                        board.setBehaviourEntry(role, item);
                }
                if (role <= kLastSlot)
                    board.refreshSlot(role);
                break;
            }
        }

        // Captain and set-piece taker: the box shows the named player's own entry.
        for (int i = 0; i < roster.storedCount(); ++i) {
            const Tplayer &player = roster.players[i];
            const int32_t id = NumberText::playerId(player.PlayerID);
            if (id >= 0 && ids[kCaptainRole] == id)
                board.setCaptainEntry(player.ListPosition);
            if (id >= 0 && ids[kSetPiecesRole] == id)
                board.setSetPiecesEntry(player.ListPosition);
        }
    }

    TeamTrainingReader::run(folder, board, trainerTypeIndex, teamId);
}
