#include "lineup/LineupState.h"

#include "common/NumberText.h"
#include "common/LanguageTexts.h"
#include "evaluation/Tplayer.h"

#include <algorithm>

using namespace LineupSlots;

namespace {

// Prepared formations: the behaviour boxes that leave "Normal", by (tab, disposition).
// A forward on entry 3 plays as an inner midfielder and on entry 4 as a central defender,
// so that each row gives the formation it names.
struct FormationSetting {
    int place;
    int behaviour;
};
struct FormationRow {
    bool exists;
    int count;
    FormationSetting settings[2];
};
const FormationRow kFormations[LineupState::kTabCount][LineupState::kDispositionCount] = {
    // "Normal"
    {{true, 0, {}},
     {true, 1, {{InnerMidfielder2, 4}}},
     {true, 1, {{InnerMidfielder2, 5}}},
     {true, 1, {{CentralDefender2, 3}}},
     {true, 1, {{Forward2, 3}}},
     {true, 2, {{CentralDefender2, 3}, {InnerMidfielder2, 4}}},
     {true, 1, {{Forward2, 4}}}},
    // "Asym WB"
    {{true, 2, {{LeftBack, 5}, {InnerMidfielder1, 5}}},
     {true, 2, {{LeftBack, 4}, {InnerMidfielder1, 5}}},
     {false, 0, {}},
     {true, 1, {{LeftBack, 5}}},
     {true, 2, {{LeftBack, 5}, {Forward1, 4}}},
     {true, 2, {{LeftBack, 5}, {InnerMidfielder2, 4}}},
     {false, 0, {}}},
    // "Asym W"
    {{true, 2, {{CentralDefender1, 3}, {LeftWinger, 6}}},
     {true, 1, {{LeftWinger, 4}}},
     {true, 1, {{LeftWinger, 6}}},
     {false, 0, {}},
     {false, 0, {}},
     {true, 2, {{CentralDefender1, 3}, {LeftWinger, 4}}},
     {true, 2, {{LeftWinger, 6}, {Forward1, 3}}}},
};

} // namespace

LineupState::LineupState(const Roster *roster) : m_roster(roster)
{
    m_entries.fill(-1);
    m_behaviours.fill(0);
    m_conditions = {-1, 1, 0, 5, -1, -1}; // attitude Normal, venue Home, confidence Satisfaisante
    m_options.fill(false);
    m_dispositionEnabled.fill(true);
    m_placement.fill(-1);
    m_locks.fill(-1);
}

int LineupState::behaviourItemCount(int place)
{
    switch (behaviourList(place)) {
    case BehaviourList::Back: return 6;
    case BehaviourList::CentralDefender: return 5;
    case BehaviourList::Winger: return 7;
    case BehaviourList::InnerMidfielder: return 6;
    case BehaviourList::Forward: return 5;
    case BehaviourList::None: break;
    }
    return 0;
}

int LineupState::conditionItemCount(Condition c)
{
    switch (c) {
    case Tactique: return 5;
    case Attitude: return 3;
    case Lieu: return 2;
    case Confiance: return 8;
    case TeamSpirit: return 13;
    case Entraineur: return int(nameTables().items(NameTables::TrainerTypes).size());
    }
    return 0;
}

// ---- roster and candidate list ----------------------------------------------------------

int LineupState::rosterCount() const
{
    return m_roster ? m_roster->storedCount() : 0;
}

void LineupState::setCandidateList(const QStringList &entries)
{
    m_candidates = entries;
    for (int p = kFirstPlace; p <= kLastPlace; ++p)
        m_entries[p] = -1;
    m_captain = -1;
    m_setPieces = -1;
}

QStringList LineupState::candidateListFromRoster(const Roster &roster)
{
    const int count = roster.storedCount();
    int highest = 0;
    for (int r = 0; r < count; ++r)
        highest = std::max(highest, std::min<int>(roster.players[r].ListPosition, Roster::kCapacity));
    QStringList list;
    list.reserve(highest + 1);
    for (int i = 0; i <= highest; ++i)
        list << QString();
    for (int r = count - 1; r >= 0; --r) { // the first record of a position wins
        const int lp = roster.players[r].ListPosition;
        if (lp >= 1 && lp <= highest)
            list[lp] = roster.players[r].PlayerName;
    }
    return list;
}

// ---- entries ----------------------------------------------------------------------------------

int LineupState::boxEntryClamped(int count, int entry) const
{
    return (entry >= 0 && entry < count) ? entry : -1;
}

int LineupState::slotEntry(int place) const
{
    return isPlace(place) ? m_entries[place] : -1;
}

int LineupState::behaviourEntry(int place) const
{
    return hasBehaviour(place) ? m_behaviours[place] : -1;
}

bool LineupState::dispositionEnabled(int entry) const
{
    return entry >= 0 && entry < kDispositionCount && m_dispositionEnabled[entry];
}

int32_t LineupState::placement(int index) const
{
    return isPlace(index) ? m_placement[index] : -1;
}

void LineupState::setSlotEntry(int place, int entry)
{
    if (isPlace(place))
        m_entries[place] = boxEntryClamped(m_candidates.size(), entry);
}

void LineupState::setBehaviourEntry(int place, int entry)
{
    if (hasBehaviour(place))
        m_behaviours[place] = boxEntryClamped(behaviourItemCount(place), entry);
}

void LineupState::setCaptainEntry(int entry)
{
    m_captain = boxEntryClamped(m_candidates.size(), entry);
}

void LineupState::setSetPiecesEntry(int entry)
{
    m_setPieces = boxEntryClamped(m_candidates.size(), entry);
}

void LineupState::setCondition(Condition condition, int entry)
{
    if (condition >= 0 && condition < kConditionCount)
        m_conditions[condition] = boxEntryClamped(conditionItemCount(condition), entry);
}

void LineupState::setSectorOrder(int entry)
{
    m_sectorOrder = boxEntryClamped(kSectorOrderCount, entry);
}

void LineupState::setOption(Option option, bool checked)
{
    if (option >= 0 && option < kOptionCount)
        m_options[option] = checked;
}

void LineupState::setTab(int tab)
{
    if (tab >= 0 && tab < kTabCount)
        m_tab = tab;
}

void LineupState::setDisposition(int entry)
{
    if (entry >= 0 && entry < kDispositionCount)
        m_disposition = entry;
}

void LineupState::setPlacement(int index, int32_t playerId)
{
    if (isPlace(index))
        m_placement[index] = playerId;
}

void LineupState::clearPlacement()
{
    m_placement.fill(-1);
}

// ---- rules ------------------------------------------------------------------------------------

void LineupState::reset()
{
    m_placement.fill(-1);
    for (int p = RightBack; p <= Forward2; ++p)
        m_behaviours[p] = boxEntryClamped(behaviourItemCount(p), 0);
    m_setPieces = boxEntryClamped(m_candidates.size(), 0);
    m_captain = boxEntryClamped(m_candidates.size(), 0);
    for (int p = kFirstPlace; p <= kLastPlace; ++p)
        m_entries[p] = boxEntryClamped(m_candidates.size(), 0);
    m_sectorOrder = boxEntryClamped(kSectorOrderCount, m_storedSectorOrder);
    // Clear empties the places, and a lock on an empty place keeps nobody.
    m_locks.fill(-1);
}

bool LineupState::locked(int place) const
{
    return isSlot(place) && m_locks[place] >= 0 && m_locks[place] == recordOfBox(place);
}

bool LineupState::setLocked(int place, bool on)
{
    if (!isSlot(place))
        return false;
    const int record = on ? recordOfBox(place) : -1;
    m_locks[place] = record;
    return !on || record >= 0;
}

void LineupState::dropStaleLocks()
{
    for (int p = Keeper; p <= kLastSlot; ++p)
        if (!locked(p))
            m_locks[p] = -1;
}

void LineupState::applyFormation()
{
    if (m_tab < 0 || m_tab >= kTabCount || m_disposition < 0 || m_disposition >= kDispositionCount)
        return;
    const FormationRow &row = kFormations[m_tab][m_disposition];
    if (!row.exists)
        return;
    for (int p = RightBack; p <= Forward2; ++p)
        m_behaviours[p] = 0;
    for (int i = 0; i < row.count; ++i)
        m_behaviours[row.settings[i].place] = row.settings[i].behaviour;
}

void LineupState::enableDispositionsOfTab()
{
    m_dispositionEnabled.fill(true);
    if (m_tab == 1) {
        m_dispositionEnabled[2] = false;
        m_dispositionEnabled[6] = false;
    } else if (m_tab == 2) {
        m_dispositionEnabled[3] = false;
        m_dispositionEnabled[4] = false;
    }
}

int LineupState::placeShownPlayer(int place)
{
    const int r = recordOfBox(place);
    if (r < 0 || m_roster->players[r].PlayerName.isEmpty())
        return -1;
    const int32_t id = recordId(r);
    if (id >= 0)
        m_placement[place] = id;
    return r;
}

LineupState::Assignment LineupState::takePlace(int place)
{
    Assignment result;
    if (!isPlace(place) || m_entries[place] == -1)
        return result;
    result.ran = true;
    const int32_t id = playerIdOfBox(place);
    if (id == -1)
        return result;
    for (int p = kFirstPlace; p <= kLastPlace; ++p) {
        if (m_placement[p] != id)
            continue;
        result.found = true;
        m_placement[p] = -1;
        if (p == place) {
            m_placement[p] = id; // he stays where he is
        } else {
            m_entries[p] = boxEntryClamped(m_candidates.size(), 0);
            result.vacated = p;
        }
        break;
    }
    return result;
}

void LineupState::placeCaptainAndSetPieces()
{
    auto pick = [this](int chosen, int &entry) {
        if (chosen >= 0) {
            // The box shows the chosen record itself, by his list position.
            const int position = m_roster->players[chosen].ListPosition;
            if (recordOfEntry(position) == chosen)
                entry = position;
            return;
        }
        // Nobody on the pitch to choose: a box still naming a player who has left the eleven
        // is emptied, for the captain and the set-piece taker are always on the pitch.
        const int shown = recordOfEntry(entry);
        if (shown >= 0 && (recordId(shown) < 0 || !placedInLineup(recordId(shown))))
            entry = boxEntryClamped(m_candidates.size(), 0);
    };
    pick(captainRecord(), m_captain);
    pick(setPiecesRecord(), m_setPieces);
}

// ---- record lookups ---------------------------------------------------------------------------

int LineupState::recordOfEntry(int entry) const
{
    if (entry < 1 || entry >= m_candidates.size() || m_candidates.at(entry).isEmpty())
        return -1;
    return m_roster ? m_roster->recordAtListPosition(entry) : -1;
}

int LineupState::recordOfBox(int place) const
{
    return isPlace(place) ? recordOfEntry(m_entries[place]) : -1;
}

int32_t LineupState::recordId(int record) const
{
    return NumberText::playerId(m_roster->players[record].PlayerID);
}

int32_t LineupState::playerIdOfBox(int place) const
{
    const int r = recordOfBox(place);
    return r < 0 ? -1 : recordId(r);
}

int32_t LineupState::captainPlayerId() const
{
    const int r = recordOfEntry(m_captain);
    return r < 0 ? -1 : recordId(r);
}

int32_t LineupState::setPiecesPlayerId() const
{
    const int r = recordOfEntry(m_setPieces);
    return r < 0 ? -1 : recordId(r);
}

int LineupState::slotKind(int place) const
{
    return LineupSlots::slotKind(place, hasBehaviour(place) ? m_behaviours[place] : 0);
}

double LineupState::slotValue(int place) const
{
    if (!isSlot(place))
        return 0;
    const int r = recordOfBox(place);
    return r < 0 ? 0 : m_roster->players[r].value(slotKind(place));
}

bool LineupState::placedInLineup(int32_t id) const
{
    for (int p = Keeper; p <= kLastSlot; ++p) {
        if (m_placement[p] == id)
            return true;
    }
    return false;
}

int LineupState::captainRecord() const
{
    const int count = rosterCount();
    if (count == 0)
        return -1;
    const auto &players = m_roster->players;
    return bestRecord(
        count, [&](int r) { return players[r].CaptainValue; },
        [&](int r) {
            const int32_t id = recordId(r);
            return id >= 0 && placedInLineup(id) && players[r].Selectable;
        });
}

int LineupState::setPiecesRecord() const
{
    const int count = rosterCount();
    if (count == 0)
        return -1;
    const auto &players = m_roster->players;
    return bestRecord(
        count, [&](int r) { return static_cast<double>(players[r].SetPiecesSkill); },
        [&](int r) {
            const int32_t id = recordId(r);
            return id >= 0 && placedInLineup(id) && players[r].Selectable;
        });
}
