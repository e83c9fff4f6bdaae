#pragma once
#include <QList>

#include <array>
#include <vector>

#include "lineup/LineupSlots.h"
#include "lineup/SectorRatings.h"
#include "optimum/OptimumOptions.h"
#include "optimum/MipSolver.h"

class LineupState;
struct Tplayer;

// The mixed-integer model of the best lineup for one board: one binary column per "eligible
// player in a place with a behaviour" (the board's behaviour, or with free behaviours each one
// allowed), one integer variable per sector for its rating points, bounded by 4·S/divisor − 3.
// It turns a solution back into a lineup and takes cuts that exclude what a rating disproved.
class LineupModel {
public:
    using Records = std::array<int, LineupSlots::kLastSlot + 1>;    // roster record by place, -1 empty
    using Behaviours = std::array<int, LineupSlots::kLastSlot + 1>; // behaviour entry by place 2..11
    using Sectors = std::array<double, SectorRatings::kSectorCount>;
    struct Lineup {
        Records records{};
        Behaviours behaviours{};
    };

    LineupModel(const LineupState &state, const QList<int> &eligible, const LineupOptimizer::Options &options);

    // The lineup as the sector formulas read it: the board's behaviours and conditions, no player.
    static LineupInput emptyLineup(const LineupState &state);
    static void put(const LineupState &state, LineupInput &in, int place, int record);

    const MipModel &mip() const { return m_mip; }
    // No lineup rates above every sector at its highest reach.
    int ceiling() const { return m_ceiling; }

    Lineup decode(const std::vector<double> &values) const;
    // The points the solution credits the sector with.
    double modelledPoints(const std::vector<double> &values, int sector) const;
    // The lineup, with its sectors' true points, from which the model starts its search.
    void startFrom(const Lineup &lineup, const Sectors &points);
    // For every lineup whose sector reads the same as in `lineup`, the sector has `actual` points.
    void capSector(const Lineup &lineup, int sector, double actual);
    // This very lineup is not to be proposed again.
    void exclude(const Lineup &lineup);

private:
    // The empty lineup a single player is rated in; free behaviours: no behaviour but his own.
    LineupInput probeLineup(const LineupState &state) const;
    // One place with one behaviour (the keeper's is -1; with the board's behaviours, the box's).
    struct Choice {
        int place;
        int behaviour;
    };
    // One column of the model: eligible player `player` (his row) in choice `choice`.
    struct Column {
        int player;
        int choice;
        int column;
    };

    void makeChoices(const LineupState &state);
    void computeShares(const LineupState &state);
    void findReadSkills(const LineupState &state);
    bool sameInput(const Column &a, const Column &b, int sector) const;
    void pruneDominated();
    void computeReach();
    void addColumns();
    void addCentralAttackChain();
    void addPointRows();
    void addPlaceAndPlayerRows();
    bool counts(const Column &col, int sector) const;
    bool chosen(const Column &col, const Lineup &lineup) const;
    double share(const Column &col, int sector) const { return m_shares[col.player][col.choice][sector]; }

    QList<int> m_eligible;
    std::vector<const Tplayer *> m_players; // by row
    bool m_free;
    LineupOptimizer::Options m_options;
    std::vector<Choice> m_choices;
    Behaviours m_emptyPlaces{}; // what a place nobody fills keeps
    // What each player brings each sector alone in each choice.
    std::vector<std::vector<Sectors>> m_shares;
    // Per choice and sector, the skills (bit j for kSkills[j]) the sector formula reads there.
    std::vector<std::array<unsigned, SectorRatings::kSectorCount>> m_reads;
    std::vector<Column> m_columns;
    Sectors m_reach{};
    double m_tieWeight = 0;
    std::vector<std::pair<int, int>> m_taken; // (running place, variable) of the central attack's 5%
    std::array<int, SectorRatings::kSectorCount> m_points{};
    std::array<double, SectorRatings::kSectorCount> m_pointsUpper{};
    int m_ceiling = 0;
    MipModel m_mip;
};
