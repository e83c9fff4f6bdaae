// The players a manager keeps in their places or leaves out, as the optimum honours them.
#include "optimum/LineupOptimizer.h"

#include "common/Vocabulary.h"
#include "evaluation/Tplayer.h"
#include "lineup/BestLineupSearch.h"

#include <algorithm>

using namespace LineupSlots;

namespace LineupOptimizer {

namespace {

// A player the boxes can show and the search could place, were he fit and ticked: a usable ID,
// his list position leading back to him, no trainer.
bool fieldable(const LineupState &state, int record)
{
    if (!state.roster() || record < 0 || record >= state.rosterCount())
        return false;
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(state, context);
    return context.ids[record] >= 0 && context.shown[record] && state.roster()->players[record].TrainerType == 0;
}

QString playerName(const LineupState &state, int record)
{
    if (!state.roster() || record < 0 || record >= state.rosterCount())
        return QString::number(record);
    const Tplayer &p = state.roster()->players[record];
    return QStringLiteral("%1 (%2)").arg(p.PlayerName, p.PlayerID);
}

} // namespace

bool Options::hasLocks() const
{
    return std::any_of(locks.begin() + Keeper, locks.end(), [](int r) { return r >= 0; });
}

QString lockProblem(const LineupState &state, const Options &options)
{
    for (int place = Keeper; place <= kLastSlot; ++place) {
        const int record = options.locks[place];
        if (record < 0)
            continue;
        if (!fieldable(state, record))
            return vocab(QStringLiteral("MSG_LOCK_NOT_FIELDABLE")).arg(playerName(state, record));
        for (int other = Keeper; other < place; ++other) {
            if (options.locks[other] == record)
                return vocab(QStringLiteral("MSG_LOCK_PLAYER_TWICE"))
                    .arg(playerName(state, record), QLatin1String(placeName(other)), QLatin1String(placeName(place)));
        }
        if (options.excluded.contains(record))
            return vocab(QStringLiteral("MSG_LOCK_EXCLUDED")).arg(playerName(state, record));
    }
    return QString();
}

QList<int> eligibleRecords(const LineupState &state, const Options &options)
{
    QList<int> records;
    for (int r : eligibleRecords(state)) {
        if (!options.excluded.contains(r))
            records.append(r);
    }
    for (int place = Keeper; place <= kLastSlot; ++place) {
        const int r = options.locks[place];
        if (r >= 0 && !records.contains(r) && !options.excluded.contains(r) && fieldable(state, r))
            records.append(r);
    }
    std::sort(records.begin(), records.end());
    return records;
}

bool honours(const Options &options, const std::array<int, kLastSlot + 1> &records)
{
    for (int place = Keeper; place <= kLastSlot; ++place) {
        if (options.locks[place] >= 0 && records[place] != options.locks[place])
            return false;
        if (records[place] >= 0 && options.excluded.contains(records[place]))
            return false;
    }
    return true;
}

QString lockedUnfitWarning(const LineupState &state, int record)
{
    QStringList reasons;
    if (state.roster() && record >= 0 && record < state.rosterCount()) {
        const Tplayer &p = state.roster()->players[record];
        if (p.InjuryLevel > 0 && !state.option(LineupState::Blesse))
            reasons << vocab(QStringLiteral("MSG_UNFIT_INJURED"));
        if (p.Cards == 3 && !state.option(LineupState::Cartons))
            reasons << vocab(QStringLiteral("MSG_UNFIT_SUSPENDED"));
        if (!p.Selectable)
            reasons << vocab(QStringLiteral("MSG_UNFIT_UNTICKED"));
    }
    return vocab(QStringLiteral("MSG_LOCKED_UNFIT")).arg(playerName(state, record), reasons.join(QStringLiteral(", ")));
}

} // namespace LineupOptimizer
