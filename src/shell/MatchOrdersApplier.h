#pragma once
#include <QString>

class Board;
class DataFolder;
struct Roster;

// Puts what the game files say of the next match on the board: the orders (players, behaviours,
// substitutes, captain, set-piece taker, tactic, attitude, venue), then team spirit and
// confidence, the trainer type and the team identifier, and refreshes every team figure.
// A failure part-way leaves on the board what was set before it.
class MatchOrdersApplier {
public:
    // The orders, then team and training. teamId: the process-wide team identifier. Throws
    // DataFileError when MatchOrders.xml is absent or not well-formed, or MatchData or HomeTeam
    // is missing; team and training are then not read.
    static void applyMatchOrders(const DataFolder &folder, Board &board, const Roster &roster, int trainerTypeIndex,
                                 QString &teamId);

    // Team spirit and confidence from Training.xml (4 and 4 without the file), the trainer type,
    // the team identifier from Team.xml (kept when the file is absent), the attitude and tactic
    // defaults, then the figures. Throws DataFileError for a file that is not well-formed, a
    // missing Team element, or a Morale or SelfConfidence that is not a decimal integer; the
    // later steps then do not run.
    static void applyTeamAndTraining(const DataFolder &folder, Board &board, int trainerTypeIndex, QString &teamId);

    // Item of the behaviour box of `place` (2..11) for a behaviour code of the orders; -1 when
    // the code leaves the box unchanged (0, negative, above 7).
    static int behaviourEntry(int place, int code);
};
