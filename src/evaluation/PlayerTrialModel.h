#pragma once
#include "evaluation/Tplayer.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

// What the player trial window shows for the player chosen in its box: his best position and
// value, and one row per position kind with the value and the stars it is worth, best first.
// Headless: the window copies the texts into its labels and list.
class PlayerTrialModel {
public:
    // The kinds in the order of their names in the vocabulary, the order rows are added in.
    static const std::array<int, 19> &kindOrder();

    struct Row {
        int kind = 0;        // 1..19
        QString position;    // the kind's name
        double value = 0;
        QString valueText;   // two decimals, the locale's separator
        double stars = 0;    // half-step rounding of value / 2
        QString starsText;
    };

    // The record a box entry stands for: the first of records 0..count-1 whose list position
    // is the entry; -1 for entry 0, an empty entry text, or no such record.
    static int recordOfEntry(const Roster &roster, const QStringList &entries, int entry);

    // The window for a record; an empty window (no texts, no rows) for -1 or a record outside
    // the roster.
    static PlayerTrialModel forRecord(const Roster &roster, int record, const QLocale &locale = QLocale());

    bool isEmpty() const { return rows.isEmpty(); }

    QString bestPosition;   // LBestPos
    QString bestValue;      // LBestValue
    QList<Row> rows;        // by value, highest first
};
