#pragma once
#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// What the roster load needs of a players file, gathered in one pass that also checks that
// the whole document is well-formed before anything is stored.
struct PlayersDocument {
    // The values of a player element, in the order they are stored.
    enum Field {
        FPlayerID, FPlayerName, FAge, FTSI, FPlayerNumber, FPlayerForm, FExperience, FLeadership,
        FStaminaSkill, FPlaymakerSkill, FPassingSkill, FWingerSkill, FDefenderSkill, FScorerSkill,
        FKeeperSkill, FSetPiecesSkill, FInjuryLevel, FCards, FAgreeability, FAggressiveness,
        FHonesty, FSpecialty, FTrainerData, FTrainerType, FTrainerSkill, kFieldCount
    };

    static constexpr QLatin1StringView kFieldNames[kFieldCount] = {
        QLatin1StringView("PlayerID"), QLatin1StringView("PlayerName"), QLatin1StringView("Age"),
        QLatin1StringView("TSI"), QLatin1StringView("PlayerNumber"), QLatin1StringView("PlayerForm"),
        QLatin1StringView("Experience"), QLatin1StringView("Leadership"),
        QLatin1StringView("StaminaSkill"), QLatin1StringView("PlaymakerSkill"),
        QLatin1StringView("PassingSkill"), QLatin1StringView("WingerSkill"),
        QLatin1StringView("DefenderSkill"), QLatin1StringView("ScorerSkill"),
        QLatin1StringView("KeeperSkill"), QLatin1StringView("SetPiecesSkill"),
        QLatin1StringView("InjuryLevel"), QLatin1StringView("Cards"),
        QLatin1StringView("Agreeability"), QLatin1StringView("Aggressiveness"),
        QLatin1StringView("Honesty"), QLatin1StringView("Specialty"),
        QLatin1StringView("TrainerData"), QLatin1StringView("TrainerType"),
        QLatin1StringView("TrainerSkill")};

    struct ValueSlot {
        bool present = false;
        bool hasChildren = false;
        QString text; // all character data inside the element; null when there is none
    };

    struct PlayerElement {
        std::array<ValueSlot, kFieldCount> values; // TrainerType/TrainerSkill come from TrainerData
    };

    bool hasTeam = false;
    bool hasPlayerList = false;
    bool hasCount = false;
    QString countText;
    int32_t count = 0;
    bool countIsInteger = false;
    int elementCount = 0;               // child elements of PlayerList
    std::vector<PlayerElement> players; // the first ones, up to the roster's capacity
};
