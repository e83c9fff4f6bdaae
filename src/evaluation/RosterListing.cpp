#include "evaluation/RosterListing.h"

#include <algorithm>
#include <cmath>

QCollator RosterListing::nameCollator(const QLocale &locale)
{
    QLocale collation = locale;
    if (collation.language() == QLocale::C)
        collation = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(collation);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

QList<int> RosterListing::displayOrder(const Roster &roster, int rows, const QCollator &collator)
{
    rows = std::clamp(rows, 0, Roster::kCapacity);
    QList<int> order;
    order.reserve(rows);
    for (int i = 0; i < rows; ++i)
        order << i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return collator.compare(roster.players[a].PlayerName, roster.players[b].PlayerName) < 0;
    });
    return order;
}

QStringList RosterListing::assignListPositions(Roster &roster, const QList<int> &order)
{
    QStringList candidates;
    candidates.reserve(order.size() + 1);
    candidates << QString();
    int32_t position = 1;
    for (int record : order) {
        if (record < 0 || record >= Roster::kCapacity)
            continue;
        Tplayer &p = roster.players[record];
        p.ListPosition = position++;
        candidates << p.PlayerName;
    }
    return candidates;
}

QStringList RosterListing::fill(Roster &roster, int rows, const QLocale &locale)
{
    return assignListPositions(roster, displayOrder(roster, rows, nameCollator(locale)));
}

QString RosterListing::formatValue(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    if (value == 0.0)
        value = 0.0; // no "-0,00"
    return plain.toString(value, 'f', 2);
}

namespace {
bool readsAsNumber(const QString &text, const QLocale &locale, double *value)
{
    bool ok = false;
    *value = locale.toDouble(text, &ok);
    // Infinities and NaN would break the ordering; such texts sort as texts.
    return ok && std::isfinite(*value);
}
} // namespace

int RosterListing::compareTexts(const QString &a, const QString &b, const QLocale &locale,
                                const QCollator &collator)
{
    double x, y;
    const bool aNumber = readsAsNumber(a, locale, &x);
    const bool bNumber = readsAsNumber(b, locale, &y);
    if (aNumber && bNumber)
        return x < y ? -1 : (x > y ? 1 : 0);
    if (aNumber != bNumber)
        return aNumber ? -1 : 1;
    return collator.compare(a, b);
}
