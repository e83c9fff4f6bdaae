#include "evaluation/PositionValues.h"

#include "evaluation/PositionKinds.h"
#include "common/AppError.h"
#include "common/Vocabulary.h"

#include <cmath>

namespace {

// The formula skills of a record in formula order (stamina, playmaking, passing, winger,
// defending, scoring, keeper).
std::array<int32_t, PositionKinds::kSkillCount> formulaSkills(const Tplayer &p)
{
    return {p.StaminaSkill, p.PlaymakerSkill, p.PassingSkill, p.WingerSkill,
            p.DefenderSkill, p.ScorerSkill, p.KeeperSkill};
}

// Stamina, form and experience stages on a start value. Every stage is a double of its own,
// and within a stage the two quotients are multiplied first, then the product by the value.
struct Reduced { double stamina; double form; double result; };

Reduced applyStages(double start, const Tplayer &p, const FormulaWeights &w)
{
    Reduced r;
    // (8 - form) in 64 bits: a form level anywhere in the 32-bit range cannot overflow it.
    const double formGap = static_cast<double>(int64_t{8} - p.PlayerForm);
    // An unknown experience (0 or below) counts as level 1, whose logarithm is 0.
    const double experience = p.Experience > 0 ? static_cast<double>(p.Experience) : 1.0;

    r.stamina = start - ((w.endurance / 100.0) * (p.StaminaSkill / 20.0)) * start;
    r.form = r.stamina - ((w.forme / 100.0) * (formGap / 8.0)) * r.stamina;
    r.result = ((std::log10(experience) * (w.experience / 100.0)) * r.form) + r.form;
    return r;
}

} // namespace

PositionValues::Stages PositionValues::stages(const Tplayer &player, const FormulaWeights &weights,
                                              int kind)
{
    const auto skills = formulaSkills(player);
    int32_t sum = 0;
    for (int s = 1; s <= PositionKinds::kSkillCount; ++s) {
        int32_t product;
        if (__builtin_mul_overflow(weights.weight(kind, s), skills[s - 1], &product)
            || __builtin_add_overflow(sum, product, &sum)) {
            throw AppError(vocab(QStringLiteral("MSG_SKILL_SUM_RANGE"))
                               .arg(kind)
                               .arg(QLatin1String(PositionKinds::keyPrefix(kind))));
        }
    }
    Stages st;
    st.skillSum = sum;
    st.base = sum / 100.0;
    const Reduced r = applyStages(st.base, player, weights);
    st.stamina = r.stamina;
    st.form = r.form;
    st.result = r.result;
    return st;
}

double PositionValues::captainValue(const Tplayer &player, const FormulaWeights &weights)
{
    return applyStages(static_cast<double>(player.Experience), player, weights).result;
}

void PositionValues::compute(Tplayer &player, const FormulaWeights &weights)
{
    player.ValuesUndefined = experienceUnknown(player);

    for (int k = 1; k <= PositionKinds::kCount; ++k)
        player.PositionValue[k - 1] = stages(player, weights, k).result;

    // Later kinds win ties: an equal value replaces the best so far.
    int best = 1;
    for (int k = 2; k <= PositionKinds::kCount; ++k) {
        if (player.value(k) >= player.value(best))
            best = k;
    }
    player.BestKind = best;
    player.BestAbbreviation = PositionKinds::abbreviation(best);
    player.BestPositionName = PositionKinds::name(best);
    player.BestValue = player.value(best);

    // A trainer of another type keeps the captain value he had.
    if (player.TrainerType == 0)
        player.CaptainValue = captainValue(player, weights);

    if (player.TrainerSkill > 0) {
        player.BestAbbreviation = vocab(QStringLiteral("ABVENTRAINEUR"));
        player.BestPositionName = vocab(QStringLiteral("ENTRAINEUR"));
        player.BestKind = 0;
        player.BestValue = static_cast<double>(player.TrainerSkill);
    }
}
