#include "lineup/BoardControls.h"

#include <QHash>

using namespace LineupSlots;

namespace {

const char *const kSectorLabels[SectorRatings::kSectorCount] = {
    "LForceDefenseCentrale", "LforceDefenseDroite", "LForceDefenseGauche", "LForceMilieu",
    "LForceAttaqueCentrale", "LForceAttaqueDroite", "LForceAttaqueGauche"};
const char *const kSectorTitles[SectorRatings::kSectorCount][2] = {
    {"LTitreDefenseCentrale", "Défense centrale :"},
    {"LTitreDefenseDroite", "Défense latérale droite :"},
    {"LTitreDefenseGauche", "Défense latérale gauche :"},
    {"LTitreMilieu", "Milieu :"},
    {"LTitreAttaqueCentrale", "Attaque centrale :"},
    {"LTitreAttaqueDroite", "Attaque aile droite :"},
    {"LTitreAttaqueGauche", "Attaque aile gauche :"},
};
const char *const kConditionBoxes[LineupState::kConditionCount] = {"cbTactique", "cbAttitude", "cbLieu",
                                                                   "cbConfiance", "cbTeamSpirit", "LEntraineur"};
const char *const kOptionNames[LineupState::kOptionCount] = {"chkRecalculTous", "chkBlesse", "chkCartons"};

using BoardControls::Kind;
using BoardControls::Ref;

const QHash<QString, Ref> &controls()
{
    static const QHash<QString, Ref> map = [] {
        QHash<QString, Ref> m;
        for (int p = kFirstPlace; p <= kLastPlace; ++p) {
            m.insert(QLatin1String(slotBoxName(p)), {Kind::PlayerBox, p});
            if (behaviourBoxName(p))
                m.insert(QLatin1String(behaviourBoxName(p)), {Kind::Behaviour, p});
            if (valueLabelName(p)) {
                m.insert(QLatin1String(valueLabelName(p)), {Kind::ValueLabel, p});
                m.insert(QLatin1String(starStripName(p)), {Kind::Strip, p});
                m.insert(QLatin1String(cardImageName(p)), {Kind::Card, p});
            }
        }
        m.insert(QStringLiteral("cbCapitaine"), {Kind::Captain, 0});
        m.insert(QStringLiteral("cbCPA"), {Kind::SetPieces, 0});
        for (int c = 0; c < LineupState::kConditionCount; ++c)
            m.insert(QLatin1String(kConditionBoxes[c]), {Kind::ConditionBox, c});
        m.insert(QStringLiteral("cbOrdreCalc"), {Kind::SectorOrder, 0});
        for (int o = 0; o < LineupState::kOptionCount; ++o)
            m.insert(QLatin1String(kOptionNames[o]), {Kind::OptionBox, o});
        m.insert(QStringLiteral("TabDispo"), {Kind::Tab, 0});
        m.insert(QStringLiteral("rgdisposition"), {Kind::Disposition, 0});
        for (int s = 0; s < SectorRatings::kSectorCount; ++s)
            m.insert(QLatin1String(kSectorLabels[s]), {Kind::SectorLabel, s});
        m.insert(QStringLiteral("LabelTactique"), {Kind::LabelTactique, 0});
        m.insert(QStringLiteral("LForceTactique"), {Kind::LForceTactique, 0});
        m.insert(QStringLiteral("LForce1"), {Kind::LForce1, 0});
        m.insert(QStringLiteral("LVelstats"), {Kind::LVelstats, 0});
        m.insert(QStringLiteral("Pinfos"), {Kind::Pinfos, 0});
        return m;
    }();
    return map;
}

} // namespace

bool BoardControls::lookup(const QString &name, Ref *ref)
{
    const auto &m = controls();
    auto it = m.constFind(name);
    if (it == m.constEnd())
        return false;
    *ref = it.value();
    return true;
}

const char *BoardControls::sectorLabelName(SectorRatings::Sector s)
{
    return (s >= 0 && s < SectorRatings::kSectorCount) ? kSectorLabels[s] : "";
}

const char *BoardControls::sectorTitleName(SectorRatings::Sector s)
{
    return (s >= 0 && s < SectorRatings::kSectorCount) ? kSectorTitles[s][0] : "";
}

const char *BoardControls::sectorTitleText(SectorRatings::Sector s)
{
    return (s >= 0 && s < SectorRatings::kSectorCount) ? kSectorTitles[s][1] : "";
}

const char *BoardControls::conditionBoxName(LineupState::Condition c)
{
    return (c >= 0 && c < LineupState::kConditionCount) ? kConditionBoxes[c] : "";
}

const char *BoardControls::optionName(LineupState::Option o)
{
    return (o >= 0 && o < LineupState::kOptionCount) ? kOptionNames[o] : "";
}
