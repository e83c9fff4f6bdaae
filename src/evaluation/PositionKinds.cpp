#include "evaluation/PositionKinds.h"

#include "common/Vocabulary.h"

namespace PositionKinds {

namespace {

struct KindInfo {
    const char *keyPrefix;
    const char *columnCaption;
    const char *abbreviationKey;
    const char *nameKey;
};

// Index 0 is the trainer pseudo-kind, then kinds 1..19 in number order.
constexpr KindInfo kKinds[kCount + 1] = {
    {"", "", "ABVENTRAINEUR", "ENTRAINEUR"},
    {"Gardien", "G", "ABVGARDIEN", "GARDIEN"},
    {"DL", "DL", "ABVDEFLATERAL", "DEFLATERAL"},
    {"DLD", "DLD", "ABVDEFLATERALDEF", "DEFLATERALDEF"},
    {"DLO", "DLO", "ABVDEFLATERALOFF", "DEFLATERALOFF"},
    {"DLM", "DLM", "ABVDEFLATERALMIL", "DEFLATERALMIL"},
    {"DC", "DC", "ABVDEFCENTRAL", "DEFCENTRAL"},
    {"DCO", "DCO", "ABVDEFCENTRALOFF", "DEFCENTRALOFF"},
    {"DCA", "DCA", "ABVDEFCENTRALAILE", "DEFCENTRALAILE"},
    {"A", "AL", "ABVAILIER", "AILIER"},
    {"AD", "ALD", "ABVAILIERDEF", "AILIERDEF"},
    {"AO", "ALO", "ABVAILIEROFF", "AILIEROFF"},
    {"AM", "ALM", "ABVAILIERMIL", "AILIERMIL"},
    {"M", "MI", "ABVMILIEU", "MILIEU"},
    {"MD", "MID", "ABVMILIEUDEF", "MILIEUDEF"},
    {"MO", "MIO", "ABVMILIEUOFF", "MILIEUOFF"},
    {"MA", "MIA", "ABVMILIEUAILE", "MILIEUAILE"},
    {"AT", "ATT", "ABVATTAQUANT", "ATTAQUANT"},
    {"ATD", "ATD", "ABVATTAQUANTDEF", "ATTAQUANTDEF"},
    {"ATA", "ATA", "ABVATTAQUANTAILE", "ATTAQUANTAILE"},
};

struct SkillInfo {
    const char *suffix;
    const char *element;
};

constexpr SkillInfo kSkills[kSkillCount] = {
    {"Endurance", "StaminaSkill"},
    {"Construction", "PlaymakerSkill"},
    {"Passe", "PassingSkill"},
    {"Ailier", "WingerSkill"},
    {"Defense", "DefenderSkill"},
    {"Buteur", "ScorerSkill"},
    {"Gardien", "KeeperSkill"},
};

bool validKind(int kind) { return kind >= 0 && kind <= kCount; }
bool validSkill(int skill) { return skill >= 1 && skill <= kSkillCount; }

} // namespace

const char *keyPrefix(int kind)
{
    return validKind(kind) ? kKinds[kind].keyPrefix : "";
}

const char *columnCaption(int kind)
{
    return validKind(kind) ? kKinds[kind].columnCaption : "";
}

const char *abbreviationKey(int kind)
{
    return validKind(kind) ? kKinds[kind].abbreviationKey : nullptr;
}

const char *nameKey(int kind)
{
    return validKind(kind) ? kKinds[kind].nameKey : nullptr;
}

QString abbreviation(int kind)
{
    const char *key = abbreviationKey(kind);
    return key ? vocab(QString::fromLatin1(key)) : QString();
}

QString name(int kind)
{
    const char *key = nameKey(kind);
    return key ? vocab(QString::fromLatin1(key)) : QString();
}

const char *skillSuffix(int skill)
{
    return validSkill(skill) ? kSkills[skill - 1].suffix : "";
}

const char *skillElement(int skill)
{
    return validSkill(skill) ? kSkills[skill - 1].element : "";
}

} // namespace PositionKinds
