#pragma once
#include <QStringList>

#include <array>
#include <cstdint>

#include "lineup/LineupSlots.h"

struct Roster;

// The lineup on the board and its placement rules, without anything it shows: the entries of
// the player, captain, set-piece and behaviour boxes, the match conditions, the options, the
// sector order of the search, the formation tab and disposition, and the placement table.
// Entry numbers count from 0; -1 is "no selection". Every setter bounds its entry to the
// box's list as the box itself would.
//
// A box's player is the roster record whose list position equals the box's entry (entry 1
// and up, and the entry's text not empty), so two players of the same name stay apart.
class LineupState {
public:
    enum Condition { Tactique, Attitude, Lieu, Confiance, TeamSpirit, Entraineur };
    static constexpr int kConditionCount = 6;
    enum Option { RecalculTous, Blesse, Cartons };
    static constexpr int kOptionCount = 3;
    static constexpr int kSectorOrderCount = 6;
    static constexpr int kTabCount = 3;
    static constexpr int kDispositionCount = 7;

    explicit LineupState(const Roster *roster = nullptr);

    // How many entries each fixed list holds (the trainer types: as many as the name tables have).
    static int behaviourItemCount(int place);
    static int conditionItemCount(Condition c);

    // ---- roster and candidate list ----
    const Roster *roster() const { return m_roster; }
    int rosterCount() const; // the roster's count, bounded to 0..101
    // Replaces the candidate list of the player boxes; every one of them is left without a selection.
    void setCandidateList(const QStringList &entries);
    const QStringList &candidateList() const { return m_candidates; }
    static QStringList candidateListFromRoster(const Roster &roster);

    // ---- entries ----
    int slotEntry(int place) const;
    int behaviourEntry(int place) const;
    int captainEntry() const { return m_captain; }
    int setPiecesEntry() const { return m_setPieces; }
    int condition(Condition c) const { return m_conditions[c]; }
    int sectorOrder() const { return m_sectorOrder; }
    bool option(Option o) const { return m_options[o]; }
    int tab() const { return m_tab; }
    int disposition() const { return m_disposition; }
    bool dispositionEnabled(int entry) const;
    int32_t placement(int index) const; // 1..16; -1 empty
    const std::array<int32_t, 17> &placementTable() const { return m_placement; }

    void setSlotEntry(int place, int entry);       // places 1..16
    void setBehaviourEntry(int place, int entry);  // places 2..11
    void setCaptainEntry(int entry);
    void setSetPiecesEntry(int entry);
    void setCondition(Condition condition, int entry);
    void setSectorOrder(int entry);
    void setOption(Option option, bool checked);
    void setTab(int tab);
    void setDisposition(int entry);
    void setPlacement(int index, int32_t playerId); // index 1..16
    void clearPlacement();
    // The sector order entry that reset() restores (the stored "repositionnement").
    void setStoredSectorOrder(int entry) { m_storedSectorOrder = entry; }

    // ---- rules ----
    // Placement, behaviours, captain, set pieces, player boxes and sector order back to their start.
    void reset();
    // The prepared formation of the tab and disposition, when that pair has one.
    void applyFormation();
    // A tab leaves some dispositions out of reach.
    void enableDispositionsOfTab();
    // The slot evaluation's part of the placement: the box's named player takes the place in
    // the table. The record shown, or -1 when the box shows no named player.
    int placeShownPlayer(int place);

    // The slot assignment rule's part of the placement: a player picked in one box leaves the
    // place the table had him in. ran: the rule applied (a place with a selection); vacated:
    // the other place he left (its box is emptied), 0 when none.
    struct Assignment {
        bool ran = false;
        bool found = false;
        int vacated = 0;
    };
    Assignment takePlace(int place);
    // The captain and set-piece boxes show the best players among the eleven, when a box can
    // show them; with none, a box naming a player off the pitch is emptied.
    void placeCaptainAndSetPieces();

    // ---- locks ----
    // A locked place (1..11) keeps the player its box shows: the searches fill the other places
    // around him. The lock belongs to that player there: once the box shows somebody else or
    // nobody, the place is open again (dropStaleLocks, which the board runs after each change).
    bool locked(int place) const;
    // False, and the place stays open, for a place whose box shows no player.
    bool setLocked(int place, bool on);
    void dropStaleLocks();

    // ---- record lookups ----
    int recordOfBox(int place) const;        // record index shown in a player box, -1 none
    int recordOfEntry(int entry) const;      // record whose list position is entry, -1 none
    int32_t recordId(int record) const;      // the record's player ID, -1 when not a number
    int32_t playerIdOfBox(int place) const;  // -1 for no player
    int32_t captainPlayerId() const;
    int32_t setPiecesPlayerId() const;
    int slotKind(int place) const;           // 1..19 by the slot's behaviour
    double slotValue(int place) const;       // value of the slot's player, 0 when empty

    // Best placed captain and set-piece taker (record indexes, -1 for none).
    int captainRecord() const;
    int setPiecesRecord() const;

    // Highest value wins; an equal value replaces the best so far (the later record wins ties);
    // the running best starts at 0, so a negative value is never chosen.
    template <typename Value, typename Qualifies>
    static int bestRecord(int count, Value value, Qualifies qualifies)
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

private:
    int boxEntryClamped(int count, int entry) const;
    bool placedInLineup(int32_t id) const;

    const Roster *m_roster = nullptr;
    QStringList m_candidates;

    std::array<int, 17> m_entries{};      // player boxes by place 1..16
    int m_captain = -1;
    int m_setPieces = -1;
    std::array<int, 12> m_behaviours{};   // by place 2..11
    std::array<int, kConditionCount> m_conditions{};
    std::array<bool, kOptionCount> m_options{};
    int m_sectorOrder = 0;
    int m_storedSectorOrder = 0;
    int m_tab = 0;
    int m_disposition = 0;
    std::array<bool, kDispositionCount> m_dispositionEnabled{};
    std::array<int32_t, 17> m_placement{};
    std::array<int, 12> m_locks{};        // by place 1..11: the record locked there, -1 open
};
