#include "evaluation/PositionFormulas.h"

#include "evaluation/PositionKinds.h"
#include "settings/IniFile.h"

FormulaWeights loadFormulaWeights(const IniFile &settings)
{
    const QString section = QStringLiteral("Player");
    FormulaWeights w;
    // Key number (kind - 1) * 7 + skill: GardienEndurance first, ATAGardien last.
    for (int kind = 1; kind <= PositionKinds::kCount; ++kind) {
        const QString prefix = QString::fromLatin1(PositionKinds::keyPrefix(kind));
        for (int skill = 1; skill <= PositionKinds::kSkillCount; ++skill) {
            const QString key = prefix + QLatin1String(PositionKinds::skillSuffix(skill));
            w.skill[kind - 1][skill - 1] = settings.readInteger(section, key, 0);
        }
    }
    w.forme = settings.readInteger(section, QStringLiteral("Forme"), 0);
    w.endurance = settings.readInteger(section, QStringLiteral("Endurance"), 0);
    w.experience = settings.readInteger(section, QStringLiteral("Experience"), 0);
    return w;
}
