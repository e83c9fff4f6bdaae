#pragma once
#include "evaluation/PositionFormulas.h"
#include "evaluation/Tplayer.h"
#include <QString>
#include <QStringList>
#include <cstdint>

// What a roster load did besides filling the records.
struct RosterLoadResult {
    int32_t count = 0;      // the roster count set: the file's Count, at most the capacity
    int32_t listed = 0;     // the Count the file gives
    QStringList warnings;   // things the user should know; the load itself succeeded
};

// Reads the players file into the roster and computes every player's values.
//
// The file: a document element of any name, its first child Team, that one's first child
// PlayerList whose attribute Count gives the number of players; the players are the first
// Count child elements of PlayerList (any name), and inside each the values are the first
// child of each name, in any order. PlayerID and PlayerName are texts (missing: empty); all
// other values are required decimal integers. TrainerData, when present, makes the player
// the squad's trainer.
//
// On failure a DataFileError names the file and the reason. The file is checked to be
// well-formed, and Team, PlayerList and Count to be there, before anything is stored; after
// that the roster count is set and the players are stored one by one, so the players before
// a faulty one stay complete and the faulty one is partly written. The file is only read.
class RosterLoader {
public:
    static RosterLoadResult load(const QString &playersFile, const FormulaWeights &weights,
                                 Roster &roster);

    // The roster count a load of this file would set, with the same checks of the document,
    // Team, PlayerList and Count (throws DataFileError like load); stores nothing.
    static int32_t readPlayerCount(const QString &playersFile);

    // The player's description: age and form, his personality, his experience and leadership,
    // as three lines separated by empty lines (CRLF line breaks), in the current words.
    static QString description(const Tplayer &player);

};
