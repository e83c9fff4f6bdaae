#pragma once
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>

// One player of the squad as read from the players file, with his computed values.
struct Tplayer {
    QString PlayerID;
    int32_t ListPosition = 0;      // 1-based entry of his name in the candidate list; set by the roster list
    QString PlayerName;
    int32_t Age = 0;
    int32_t TSI = 0;
    int32_t Experience = 0;
    int32_t PlayerForm = 0;
    int32_t PlayerNumber = 0;
    std::array<double, 19> PositionValue{}; // kinds 1..19 at indices 0..18
    int32_t SetPiecesSkill = 0;
    int32_t StaminaSkill = 0;
    double CaptainValue = 0.0;
    int32_t TrainerType = 0;
    int32_t TrainerSkill = 0;
    QString BestAbbreviation;
    QString BestPositionName;
    int32_t BestKind = 0;          // 1..19, or 0 for a trainer
    double BestValue = 0.0;
    int32_t PlaymakerSkill = 0;
    int32_t WingerSkill = 0;
    int32_t ScorerSkill = 0;
    int32_t PassingSkill = 0;
    int32_t KeeperSkill = 0;
    int32_t DefenderSkill = 0;
    int32_t Cards = 0;
    int32_t InjuryLevel = 0;
    int32_t Agreeability = 0;
    QString AgreeabilityText;
    int32_t Honesty = 0;
    QString HonestyText;
    int32_t Aggressiveness = 0;
    QString AggressivenessText;
    QString Description;
    QString SpecialtyText;
    bool Selectable = false;
    // Not among the file's kept fields, but needed to show a player faithfully.
    int32_t Leadership = 0;
    int32_t Specialty = 0;
    // Experience unknown: the file gave an experience of 0 or below, which has no logarithm.
    // His values are then computed as for experience 1 (the experience stage changes nothing),
    // so they stay finite, and the loader warns about him.
    bool ValuesUndefined = false;

    double value(int kind) const { return PositionValue[kind - 1]; } // kind 1..19
};

// The squad's trainer.
struct TEntraineur {
    QString PlayerID;
    QString PlayerName;
    int32_t Age = 0;
    int32_t TrainerType = 0;
    QString Unused;                // always empty
    int32_t TrainerSkill = 0;
    QString TrainerSkillText;
    QString TrainerCaption;
};

// The in-memory squad: at most 101 players in file order, and the trainer records.
struct Roster {
    static constexpr int kCapacity = 101;
    std::array<Tplayer, kCapacity> players{};
    int32_t count = 0;                       // records 0..count-1 are the squad
    std::array<TEntraineur, 11> trainers{};  // only the first is filled
    int trainerTypeIndex() const { return trainers[0].TrainerType; }
    // The records that hold the squad: the count, bounded to 0..kCapacity whatever it says.
    int storedCount() const { return std::clamp<int>(count, 0, kCapacity); }
    bool hasRecord(int record) const { return record >= 0 && record < storedCount(); }
    // The first record whose list position is `position`; -1 when none has it.
    int recordAtListPosition(int position) const
    {
        for (int r = 0; r < storedCount(); ++r) {
            if (players[r].ListPosition == position)
                return r;
        }
        return -1;
    }
};
