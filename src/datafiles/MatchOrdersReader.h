#pragma once
#include "common/AppError.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

class DataFolder;

// The orders already given in the game for the next match (MatchOrders.xml), as the file gives
// them.
struct MatchOrdersInfo {
    // One lineup entry: the role (1..11 the field, 12..16 the substitutes, 17 the set-piece
    // taker, 18 the captain; other roles mean nothing), the player's ID and, for the field
    // roles 2..11, the behaviour code (0 when the file gives none).
    struct Entry {
        int32_t role = 0;
        int32_t playerId = 0;
        int32_t behaviour = 0;
    };

    bool available = false;          // MatchData's Available is "true"; nothing else is read otherwise
    std::optional<int32_t> tactic;   // TacticType; nothing when it is no number
    QString homeTeamId;              // HomeTeamID, as text
    std::optional<int32_t> attitude; // the file's Attitude code; nothing when it is no number
    // In file order, among the first 18 entries; the first faulty entry ends the list.
    QList<Entry> lineup;
    // A fault met after the tactic was read (HomeTeam missing): the tactic above is still good,
    // nothing after it was read.
    std::optional<DataFileError> failure;
};

class MatchOrdersReader {
public:
    // Throws DataFileError when the file is absent or not well-formed, or MatchData is missing.
    static MatchOrdersInfo read(const DataFolder &folder);
};
