#include "datafiles/TeamTrainingReader.h"
#include "common/NumberText.h"

#include "datafiles/DataFolder.h"
#include "datafiles/XmlFile.h"
#include "evaluation/RosterLoader.h"
#include "lineup/Board.h"
#include "common/AppError.h"

#include <QFileInfo>

namespace {

QDomElement teamOf(const QDomDocument &doc, const QString &path)
{
    const QDomElement team = firstChild(doc.documentElement(), QStringLiteral("Team"));
    if (team.isNull())
        throw DataFileError(QFileInfo(path).fileName(), QStringLiteral("element Team is missing"));
    return team;
}

int integerOf(const QDomElement &team, const QString &name, const QString &path)
{
    const QString text = firstChild(team, name).text().trimmed();
    int32_t value = 0;
    if (!NumberText::gameFileInteger(text, &value))
        throw DataFileError(QFileInfo(path).fileName(),
                            QStringLiteral("%1 is not a whole number: \"%2\"").arg(name, text));
    return value;
}

} // namespace

bool TeamTrainingReader::readTeamId(const DataFolder &folder, QString *teamId)
{
    const QString path = folder.findGameFile(GameFile::TeamDetails);
    if (path.isEmpty())
        return false;
    const QDomDocument doc = loadXmlFile(path);
    // Kept as text, blanks and all: it is compared character for character with the home team.
    *teamId = firstChild(teamOf(doc, path), QStringLiteral("TeamID")).text();
    return true;
}

void TeamTrainingReader::run(const DataFolder &folder, Board &board, int trainerTypeIndex, QString &teamId)
{
    const QString training = folder.findGameFile(GameFile::Training);
    if (!training.isEmpty()) {
        const QDomDocument doc = loadXmlFile(training);
        const QDomElement team = teamOf(doc, training);
        // One after the other: a confidence that is no number stops the reader with the team
        // spirit already taken.
        board.setCondition(Board::TeamSpirit, integerOf(team, QStringLiteral("Morale"), training));
        board.setCondition(Board::Confiance, integerOf(team, QStringLiteral("SelfConfidence"), training));
    } else {
        board.setCondition(Board::TeamSpirit, 4); // "Passifs"
        board.setCondition(Board::Confiance, 4);  // "Passable"
    }
    board.setCondition(Board::Entraineur, trainerTypeIndex);

    readTeamId(folder, &teamId);

    if (board.condition(Board::Attitude) < 0)
        board.setCondition(Board::Attitude, 1); // "Normal"
    if (board.condition(Board::Tactique) < 0)
        board.setCondition(Board::Tactique, 0); // "Normal"
    board.refreshFigures();
}
