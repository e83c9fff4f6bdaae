#include "datafiles/MatchOrdersReader.h"

#include "common/NumberText.h"
#include "common/Vocabulary.h"
#include "datafiles/DataFolder.h"
#include "datafiles/XmlFile.h"

#include <QFileInfo>

namespace {

constexpr int kEntries = 18;
// The field roles after the keeper carry a behaviour.
constexpr int kFirstBehaviourRole = 2;
constexpr int kLastBehaviourRole = 11;

std::optional<int32_t> integerOf(const QString &text)
{
    int32_t value = 0;
    if (NumberText::gameFileInteger(text.trimmed(), &value))
        return value;
    return std::nullopt;
}

} // namespace

MatchOrdersInfo MatchOrdersReader::read(const DataFolder &folder)
{
    const QString path = folder.findGameFile(GameFile::MatchOrders);
    if (path.isEmpty())
        throw DataFileError(QStringLiteral("MatchOrders.xml"), vocab(QStringLiteral("MSG_FILE_MISSING")));
    const QString shown = QFileInfo(path).fileName();
    const QDomDocument doc = loadXmlFile(path);
    const QDomElement match = firstChild(doc.documentElement(), QStringLiteral("MatchData"));
    if (match.isNull())
        throw DataFileError(shown, vocab(QStringLiteral("MSG_ELEMENT_MISSING")).arg(QStringLiteral("MatchData")));

    MatchOrdersInfo info;
    info.available = match.attribute(QStringLiteral("Available")) == QLatin1String("true");
    if (!info.available)
        return info;
    info.tactic = integerOf(firstChild(match, QStringLiteral("TacticType")).text());

    const QDomElement home = firstChild(match, QStringLiteral("HomeTeam"));
    if (home.isNull()) {
        info.failure.emplace(shown, vocab(QStringLiteral("MSG_ELEMENT_MISSING")).arg(QStringLiteral("HomeTeam")));
        return info;
    }
    info.homeTeamId = firstChild(home, QStringLiteral("HomeTeamID")).text();
    info.attitude = integerOf(firstChild(match, QStringLiteral("Attitude")).text());

    QDomElement element = firstChild(match, QStringLiteral("Lineup")).firstChildElement();
    for (int k = 0; k < kEntries && !element.isNull(); ++k, element = element.nextSiblingElement()) {
        const std::optional<int32_t> id = integerOf(firstChild(element, QStringLiteral("PlayerID")).text());
        const std::optional<int32_t> role = integerOf(firstChild(element, QStringLiteral("RoleID")).text());
        if (!id || !role || *role <= 0)
            break;
        MatchOrdersInfo::Entry entry{*role, *id, 0};
        if (*role >= kFirstBehaviourRole && *role <= kLastBehaviourRole) {
            // An empty or absent behaviour reads as 0; the leading "0" refuses a sign.
            if (!NumberText::gameFileInteger(QStringLiteral("0") + firstChild(element, QStringLiteral("Behaviour")).text(),
                                            &entry.behaviour))
                break;
        }
        info.lineup << entry;
    }
    return info;
}
