#include "evaluation/PlayerDetailModel.h"

#include "common/LanguageTexts.h"

namespace {

using H = PlayerDetailModel::Highlight;
using S = PlayerDetailModel::Skill;

// Per best kind 0..19, the colour of each skill in Skill order (stamina, playmaking, winger,
// scoring, keeper, passing, defending, set pieces). Red marks the skill the position lives
// on, blue and green the ones that back it up. Set pieces never count.
constexpr H K = H::Black, R = H::Red, B = H::Blue, G = H::Green;
constexpr std::array<std::array<H, PlayerDetailModel::kSkillCount>, 20> kTable = {{
    //  Sta Pla Win Sco Kee Pas Def Set
    {{K, K, K, K, K, K, K, K}}, //  0 trainer
    {{K, K, K, K, R, K, K, K}}, //  1 keeper
    {{K, K, B, K, K, K, R, K}}, //  2 wing back
    {{K, K, B, K, K, K, R, K}}, //  3 defensive wing back
    {{K, K, B, K, K, K, R, K}}, //  4 offensive wing back
    {{B, K, B, K, K, K, R, K}}, //  5 wing back towards the middle
    {{B, K, K, K, K, K, R, K}}, //  6 central defender
    {{B, B, K, K, K, K, R, K}}, //  7 offensive central defender
    {{B, K, B, K, K, K, R, K}}, //  8 central defender towards the wing
    {{B, B, R, K, K, G, K, K}}, //  9 winger
    {{G, G, R, K, K, K, B, K}}, // 10 defensive winger
    {{B, B, R, K, K, G, K, K}}, // 11 offensive winger
    {{R, R, B, K, K, G, K, K}}, // 12 winger towards the middle
    {{R, R, K, K, K, B, B, K}}, // 13 midfielder
    {{R, R, K, K, K, G, B, K}}, // 14 defensive midfielder
    {{R, R, K, K, K, B, G, K}}, // 15 offensive midfielder
    {{R, R, B, K, K, G, G, K}}, // 16 midfielder towards the wing
    {{K, K, K, R, K, B, K, K}}, // 17 forward
    {{B, B, K, R, K, G, K, K}}, // 18 defensive forward
    {{K, K, G, R, K, B, K, K}}, // 19 forward towards the wing
}};

const char *const kSkillNames[PlayerDetailModel::kSkillCount] = {
    "Stamina", "Playmaking", "Winger", "Scoring", "Keeper", "Passing", "Defending", "SetPiece"};

} // namespace

PlayerDetailModel::Rgb PlayerDetailModel::rgb(Highlight h)
{
    switch (h) {
    case Red: return {255, 0, 0};
    case Blue: return {0, 0, 255};
    case Green: return {0, 128, 0};
    case Black: break;
    }
    return {0, 0, 0};
}

QString PlayerDetailModel::captionLabelName(Skill s)
{
    return QLatin1Char('L') + QLatin1String(kSkillNames[s]);
}

QString PlayerDetailModel::valueLabelName(Skill s)
{
    return captionLabelName(s) + QLatin1String("Value");
}

PlayerDetailModel::Highlight PlayerDetailModel::highlight(int bestKind, Skill s)
{
    if (bestKind < 0 || bestKind >= int(kTable.size()) || s < 0 || s >= kSkillCount)
        return Black;
    return kTable[size_t(bestKind)][size_t(s)];
}

PlayerDetailModel PlayerDetailModel::forPlayer(const Tplayer &p)
{
    const NameTables &names = nameTables();
    PlayerDetailModel m;

    if (p.InjuryLevel >= 0) {
        m.injuryVisible = true;
        if (p.InjuryLevel == 0) {
            m.injuryPicture = QStringLiteral("pansement.bmp");
        } else {
            m.injuryPicture = QStringLiteral("croixR.bmp");
            m.injuryLabelVisible = true;
            m.injuryLabel = QStringLiteral("(+%1)").arg(p.InjuryLevel);
        }
    }

    // Only the three known card states have a picture. Any other code shows no card rather
    // than the picture the window showed for the previous player.
    switch (p.Cards) {
    case 1: m.cardPicture = QStringLiteral("YCard1.gif"); break;
    case 2: m.cardPicture = QStringLiteral("YCard2.gif"); break;
    case 3: m.cardPicture = QStringLiteral("RCard.gif"); break;
    default: break;
    }
    m.cardVisible = !m.cardPicture.isEmpty();

    m.name = p.PlayerName + QStringLiteral(" ( ") + p.PlayerID + QStringLiteral("  )");
    m.description = p.Description;
    m.position = p.BestPositionName;
    m.tsi = QStringLiteral("TSI : %1").arg(p.TSI);

    const int32_t levels[kSkillCount] = {p.StaminaSkill, p.PlaymakerSkill, p.WingerSkill,
                                         p.ScorerSkill,  p.KeeperSkill,    p.PassingSkill,
                                         p.DefenderSkill, p.SetPiecesSkill};
    for (int s = 0; s < kSkillCount; ++s) {
        m.values[size_t(s)] = names.levelName(levels[s]);
        m.colours[size_t(s)] = highlight(p.BestKind, Skill(s));
    }
    m.speciality = p.SpecialtyText;
    m.specialityVisible = !p.SpecialtyText.isEmpty();
    return m;
}
