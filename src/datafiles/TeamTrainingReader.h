#pragma once
#include "common/AppError.h"

#include <QString>
#include <optional>

class DataFolder;

// What Team.xml says of the team.
struct TeamInfo {
    // The TeamID text, blanks and all: it is compared character for character with the home
    // team of the match orders.
    QString teamId;
};

// What Training.xml says of the team's mood, in the file's own numbers.
struct TrainingInfo {
    bool present = false;             // false: the file is absent
    std::optional<int> teamSpirit;    // Morale
    std::optional<int> confidence;    // SelfConfidence
    // A fault met after the team spirit was read: the team spirit above is still good.
    std::optional<DataFileError> failure;
};

// Reads the team and training files of the data folder. Knows nothing of what they are used for.
class TeamTrainingReader {
public:
    // Team.xml; nothing when the file is absent. Throws DataFileError for a file that is not
    // well-formed or has no Team element.
    static std::optional<TeamInfo> readTeam(const DataFolder &folder);

    // Training.xml. Throws DataFileError for a file that is not well-formed, a missing Team
    // element or a Morale that is not a decimal integer; a SelfConfidence that is not one comes
    // back as `failure`, with the team spirit read.
    static TrainingInfo readTraining(const DataFolder &folder);
};
