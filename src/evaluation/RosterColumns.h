#pragma once
#include "evaluation/Tplayer.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <Qt>

// The 35 columns of the roster list: caption, alignment and width of each, and the texts of
// one player's row. Headless, so the row content is the same wherever it is shown.
class RosterColumns {
public:
    static constexpr int kCount = 35;
    static constexpr int kName = 0;
    static constexpr int kId = 2;
    static constexpr int kFirstKind = 16; // column of position kind 1; kind k at 15 + k

    static QString caption(int column);          // empty outside 0..34
    static QStringList captions();
    static Qt::Alignment alignment(int column);   // horizontal alignment
    static int width(int column);                 // pixels, 0 outside 0..34

    // Name, age, Id, best abbreviation, best value, TSI, experience, form, the eight skills
    // and the 19 position values; values with two decimals in the locale, integers in decimal.
    static QStringList rowTexts(const Tplayer &p, const QLocale &locale = QLocale());
};
