#include "evaluation/PlayerTrialModel.h"

#include "evaluation/PositionKinds.h"
#include "evaluation/RosterListing.h"
#include "evaluation/Ratings.h"

#include <algorithm>
#include <cmath>
#include <limits>

const std::array<int, 19> &PlayerTrialModel::kindOrder()
{
    static const std::array<int, 19> order = {1, 2, 4, 3, 5, 6, 7, 8, 9, 11, 10, 12, 13, 15, 14, 16, 17, 18, 19};
    return order;
}

int PlayerTrialModel::recordOfEntry(const Roster &roster, const QStringList &entries, int entry)
{
    if (entry < 1 || entry >= entries.size() || entries[entry].isEmpty())
        return -1;
    return roster.recordAtListPosition(entry);
}

PlayerTrialModel PlayerTrialModel::forRecord(const Roster &roster, int record, const QLocale &locale)
{
    PlayerTrialModel m;
    if (!roster.hasRecord(record))
        return m;
    const Tplayer &p = roster.players[size_t(record)];
    m.bestPosition = p.BestPositionName;
    m.bestValue = RosterListing::formatValue(p.BestValue, locale);
    for (int kind : kindOrder()) {
        Row row;
        row.kind = kind;
        row.position = PositionKinds::name(kind);
        row.value = p.value(kind);
        row.valueText = RosterListing::formatValue(row.value, locale);
        row.stars = Ratings::halfStep(row.value / 2);
        row.starsText = RosterListing::formatValue(row.stars, locale);
        m.rows << row;
    }
    // Highest value first; equal values keep the vocabulary order. A value that is not a
    // number goes last instead of breaking the ordering.
    const auto key = [](double v) { return std::isnan(v) ? -std::numeric_limits<double>::infinity() : v; };
    std::stable_sort(m.rows.begin(), m.rows.end(),
                     [&](const Row &a, const Row &b) { return key(a.value) > key(b.value); });
    return m;
}
