#pragma once
#include <QString>

class Board;
class DataFolder;

// Puts what the game files know of the match conditions on the board: team spirit and
// confidence from Training.xml, the trainer type from the roster, and the team identifier
// from Team.xml; then refreshes every team figure.
class TeamTrainingReader {
public:
    // teamId: the process-wide team identifier, kept when Team.xml is absent.
    // Throws DataFileError for a file that is not well-formed, a missing Team element, or a
    // Morale or SelfConfidence that is not a decimal integer; the later steps then do not run.
    static void run(const DataFolder &folder, Board &board, int trainerTypeIndex, QString &teamId);

    // The TeamID text of Team.xml, when the file exists (same failure rules); false when absent.
    static bool readTeamId(const DataFolder &folder, QString *teamId);
};
