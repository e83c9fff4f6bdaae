#include "datafiles/TeamTrainingReader.h"

#include "common/NumberText.h"
#include "common/Vocabulary.h"
#include "datafiles/DataFolder.h"
#include "datafiles/XmlFile.h"

#include <QFileInfo>

namespace {

QDomElement teamOf(const QDomDocument &doc, const QString &path)
{
    const QDomElement team = firstChild(doc.documentElement(), QStringLiteral("Team"));
    if (team.isNull())
        throw DataFileError(QFileInfo(path).fileName(), vocab(QStringLiteral("MSG_ELEMENT_MISSING")).arg(QStringLiteral("Team")));
    return team;
}

// The number, or the error naming the element and its text.
std::optional<int> integerOf(const QDomElement &team, const QString &name, const QString &path,
                             std::optional<DataFileError> *failure)
{
    const QString text = firstChild(team, name).text().trimmed();
    int32_t value = 0;
    if (NumberText::gameFileInteger(text, &value))
        return value;
    failure->emplace(QFileInfo(path).fileName(), QStringLiteral("%1 is not a whole number: \"%2\"").arg(name, text));
    return std::nullopt;
}

} // namespace

std::optional<TeamInfo> TeamTrainingReader::readTeam(const DataFolder &folder)
{
    const QString path = folder.findGameFile(GameFile::TeamDetails);
    if (path.isEmpty())
        return std::nullopt;
    const QDomDocument doc = loadXmlFile(path);
    return TeamInfo{firstChild(teamOf(doc, path), QStringLiteral("TeamID")).text()};
}

TrainingInfo TeamTrainingReader::readTraining(const DataFolder &folder)
{
    TrainingInfo info;
    const QString path = folder.findGameFile(GameFile::Training);
    if (path.isEmpty())
        return info;
    info.present = true;
    const QDomDocument doc = loadXmlFile(path);
    const QDomElement team = teamOf(doc, path);
    info.teamSpirit = integerOf(team, QStringLiteral("Morale"), path, &info.failure);
    if (info.failure)
        throw *info.failure;
    info.confidence = integerOf(team, QStringLiteral("SelfConfidence"), path, &info.failure);
    return info;
}
