#pragma once
#include "evaluation/Tplayer.h"

#include <QString>
#include <array>

// What the player detail window shows for one player: the name line, best position, TSI,
// description, the eight skill levels with their highlight colours, the speciality, and the
// injury and card pictures. Headless: the window only copies these texts into its controls.
class PlayerDetailModel {
public:
    // The eight skill value labels, in the window's order: left column first, then right.
    enum Skill { Stamina, Playmaking, Winger, Scoring, Keeper, Passing, Defending, SetPiece };
    static constexpr int kSkillCount = 8;

    // The colours that tell the skills of the player's best position apart.
    enum Highlight { Black, Red, Blue, Green };
    struct Rgb {
        int red, green, blue;
    };
    static Rgb rgb(Highlight h);

    // Control names of a skill's caption and value labels ("LStamina", "LStaminaValue", ...).
    static QString captionLabelName(Skill s);
    static QString valueLabelName(Skill s);

    // The highlight of one skill for a best kind (0 trainer, 1..19); Black outside the table.
    static Highlight highlight(int bestKind, Skill s);

    static PlayerDetailModel forPlayer(const Tplayer &p);

    QString name;          // LName: "Name ( ID  )"
    QString position;      // LPosition
    QString tsi;           // LTSI: "TSI : n"
    QString description;   // LDescription
    std::array<QString, kSkillCount> values;       // level names
    std::array<Highlight, kSkillCount> colours{};  // all Black but the highlighted ones
    QString speciality;        // LSpecialityValue
    bool specialityVisible = false;  // LSpeciality, shown only with a speciality

    bool injuryVisible = false;      // Iblessure
    QString injuryPicture;           // "pansement.bmp" or "croixR.bmp" (file in img/), or empty
    bool injuryLabelVisible = false; // LBlessure
    QString injuryLabel;             // "(+n)" for an injury of n weeks

    bool cardVisible = false;        // ICard
    QString cardPicture;             // "YCard1.gif", "YCard2.gif", "RCard.gif", or empty
};
