#pragma once
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "evaluation/Ratings.h"
#include "lineup/LineupState.h"
#include "lineup/TeamEvaluation.h"

// One line of the team figures panel: its title (as the panel shows it, before the column of
// figures) and the figure; a line without a figure is a plain caption.
struct FigureLine {
    QString title;
    QString value;
    bool hasValue = false;
};

// What the controls of the lineup board show, in the user's language: the item lists of the
// fixed boxes, value labels, star strips and card images of the slots, the sector rating
// words, the tactic captions, the team figures and Velstats, and whether the figures panel is
// shown. It changes only when told: a slot's value label is set when that slot is evaluated
// and cleared when that slot is cleared, whatever happens to the other slots in between.
class BoardPresenter {
public:
    struct CardImage {
        QString picture;   // "YCard1.gif", "YCard2.gif", "RCard.gif" or empty before any
        bool visible = false;
    };

    BoardPresenter();

    // Numbers use this locale's decimal separator and minus sign (default: the system's).
    void setNumberLocale(const QLocale &locale);
    // Fixed notation, two decimals, no grouping.
    QString formatNumber(double value) const;

    // ---- what changes it ----
    void initStarStrips();   // base lefts of the star strips
    void zeroStarStrips();   // every star strip to zero stars at its base left
    void clearSlot(int place);                        // value label and star strip of a slot
    void showSlotValue(int place, double value);      // the slot's player is worth value
    void refreshCardImage(int place, const LineupState &state);
    void reset();            // the board reset: cards hidden, strips and labels empty, no figures text
    void showFigures(const TeamFigures &figures, const LineupState &state, bool afterSearch);
    // Fixed item lists may be translated line by line; false when the index is outside.
    bool setItemText(const QString &boxName, int index, const QString &text);

    // ---- what it shows ----
    QString valueLabel(int place) const;
    Ratings::StripGeometry starStrip(int place) const;
    CardImage cardImage(int place) const;
    QString sectorLabel(SectorRatings::Sector s) const { return m_sectorLabel[s]; }
    // The rating words of a sector without the title the label may carry in front.
    QString sectorWords(SectorRatings::Sector s) const { return m_sectorWords[s]; }
    // The tactic caption beside its title label, which names the tactic in the user's current
    // language: a caption made in another language is shown whole until the next evaluation.
    QString tacticCaption() const;
    // The team figures panel line by line ("LForce1" holds the same as one text).
    const QList<FigureLine> &figureLines() const { return m_figureLines; }
    bool pinfosVisible() const { return m_pinfosVisible; }

    // The fixed title the midfield rating words carry in front.
    static QString midfieldPrefix() { return QStringLiteral("Milieu : "); }

    // ---- by control name ----
    int entry(const QString &boxName, const LineupState &state) const;  // -1 for none or unknown
    QStringList items(const QString &boxName, const LineupState &state) const;
    QString text(const QString &controlName, const LineupState &state) const;
    bool isVisible(const QString &controlName) const;
    bool isChecked(const QString &checkBoxName, const LineupState &state) const;
    Ratings::StripGeometry starStrip(const QString &stripName) const;
    CardImage cardImage(const QString &imageName) const;

private:
    void setStrip(int place, double x);

    std::array<QStringList, LineupState::kConditionCount> m_conditionItems;
    std::array<QStringList, 12> m_behaviourItemsByPlace; // by place 2..11
    QStringList m_sectorOrderItems;

    std::array<QString, 12> m_valueLabels;
    std::array<Ratings::StripGeometry, 12> m_strips{};
    std::array<int32_t, 12> m_baseLefts{};
    std::array<CardImage, 12> m_cards;
    std::array<QString, SectorRatings::kSectorCount> m_sectorLabel;
    std::array<QString, SectorRatings::kSectorCount> m_sectorWords;
    QString m_tacticTitle;
    QString m_tacticWords;
    QString m_forceTactique;
    QString m_force1;
    QList<FigureLine> m_figureLines;
    QString m_velstatsText;
    bool m_pinfosVisible = false;

    QChar m_decimalPoint = QLatin1Char('.');
    QChar m_minusSign = QLatin1Char('-');
};
