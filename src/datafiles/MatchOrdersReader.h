#pragma once
#include <QString>
#include <array>
#include <optional>

class Board;
class DataFolder;
struct Roster;

// Turns the orders already given in the game for the next match (MatchOrders.xml) into the
// state of the board: the player and behaviour of every slot, the substitutes, captain,
// set-piece taker, tactic, attitude and venue. Ends by running the team and training reader.
class MatchOrdersReader {
public:
    // Throws DataFileError when the file is absent or not well-formed, or MatchData or
    // HomeTeam is missing; the team and training reader then does not run.
    static void run(const DataFolder &folder, Board &board, const Roster &roster, int trainerTypeIndex,
                    QString &teamId);

    // Item of the behaviour box of `place` (2..11) for a behaviour code of the orders; -1 when
    // the code leaves the box unchanged (0, negative, above 7).
    static int behaviourEntry(int place, int code);
};
