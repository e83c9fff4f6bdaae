#pragma once
#include "evaluation/Tplayer.h"
#include <QCollator>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The headless side of the roster list: the order of its rows by name, the list positions
// that ordering gives the players, the candidate list of the board's boxes, and the number
// formatting and comparison the list's columns use.
class RosterListing {
public:
    // Name ordering of the user's locale (case and accents folded by its collation); a C or
    // POSIX locale, which would order by code point, uses English collation instead so that
    // "Émile" sorts next to "Emile".
    static QCollator nameCollator(const QLocale &locale = QLocale());

    // Records 0..rows-1 in display order: by name, ties in roster order.
    static QList<int> displayOrder(const Roster &roster, int rows, const QCollator &collator);

    // Gives each record of the order the next list position (1, 2, ...) and returns the
    // candidate list: an empty first entry, then the names in that order. Each row numbers
    // its own record, so two players of the same name each get their own position.
    static QStringList assignListPositions(Roster &roster, const QList<int> &order);

    // Both steps for the first rows records, as the roster list's filling does.
    static QStringList fill(Roster &roster, int rows, const QLocale &locale = QLocale());

    // A value as the lists show it: fixed, two decimals, the locale's decimal separator,
    // no group separators.
    static QString formatValue(double value, const QLocale &locale = QLocale());

    // The lists' column ordering: texts that read as numbers (in the locale) compare as
    // numbers and come before all other texts, which compare by the collator.
    // Negative, zero or positive like a three-way comparison.
    static int compareTexts(const QString &a, const QString &b, const QLocale &locale,
                            const QCollator &collator);
};
