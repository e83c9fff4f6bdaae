#include "optimum/LineupModel.h"

#include "evaluation/Tplayer.h"
#include "lineup/LineupState.h"
#include "lineup/TeamEvaluation.h"

#include <cmath>

using namespace LineupSlots;
using SectorRatings::kSectorCount;

namespace {

// What each sector's points count in E: the midfield three times.
constexpr double kWeight[kSectorCount] = {1, 1, 1, 3, 1, 1, 1};
constexpr int kCentralAttack = SectorRatings::CentralAttack;
constexpr int kAttaquant = 4;
// The places whose "Attaquant" weakens the central attack, in the order its sum runs through them.
constexpr int kRunningPlaces[] = {RightBack, LeftBack, CentralDefender1, CentralDefender2, InnerMidfielder1,
                                  InnerMidfielder2};
// Players that, in one place and behaviour, bring every sector at least as much as a player:
// with this many, one of them is always free to take his place, so he can be left out there.
constexpr int kDominators = kLastSlot;
// The skills the sector formulas read from a player.
constexpr int Tplayer::*kSkills[] = {&Tplayer::KeeperSkill,  &Tplayer::DefenderSkill, &Tplayer::PlaymakerSkill,
                                     &Tplayer::PassingSkill, &Tplayer::ScorerSkill,   &Tplayer::WingerSkill};

bool weakensCentralAttack(int place, int behaviour)
{
    if (behaviour != kAttaquant)
        return false;
    for (int p : kRunningPlaces) {
        if (p == place)
            return true;
    }
    return false;
}

} // namespace

LineupInput LineupModel::emptyLineup(const LineupState &state)
{
    LineupInput in;
    TeamEvaluation::collectLineup(state, in);
    for (int p = Keeper; p <= kLastSlot; ++p) {
        in.player[p] = nullptr;
        in.id[p] = -1;
    }
    return in;
}

LineupInput LineupModel::probeLineup(const LineupState &state) const
{
    LineupInput in = emptyLineup(state);
    if (m_free) {
        for (int place = RightBack; place <= kLastSlot; ++place)
            in.behaviour[place] = -1;
    }
    return in;
}

void LineupModel::put(const LineupState &state, LineupInput &in, int place, int record)
{
    in.player[place] = record < 0 ? nullptr : &state.roster()->players[record];
    in.id[place] = record < 0 ? -1 : state.recordId(record);
}

LineupModel::LineupModel(const LineupState &state, const QList<int> &eligible,
                         const LineupOptimizer::Options &options)
    : m_eligible(eligible), m_free(options.freeBehaviours), m_options(options)
{
    for (int record : eligible)
        m_players.push_back(&state.roster()->players[record]);
    makeChoices(state);
    computeShares(state);
    findReadSkills(state);
    pruneDominated();
    computeReach();
    addColumns();
    if (m_free)
        addCentralAttackChain();
    addPointRows();
    addPlaceAndPlayerRows();
}

// The places with the behaviours the model may give them.
void LineupModel::makeChoices(const LineupState &state)
{
    m_choices = {{Keeper, -1}};
    m_emptyPlaces.fill(-1);
    for (int place = RightBack; place <= kLastSlot; ++place) {
        m_emptyPlaces[place] = state.behaviourEntry(place);
        // A locked player keeps the board's behaviour, whatever the model may choose elsewhere.
        if (!m_free || m_options.locks[place] >= 0) {
            m_choices.push_back({place, state.behaviourEntry(place)});
            continue;
        }
        m_emptyPlaces[place] = -1;
        for (int b = LineupState::behaviourItemCount(place) - 1; b >= 0; --b) {
            if (m_options.behaviourChoices[place] >> b & 1u) {
                m_choices.push_back({place, b});
                m_emptyPlaces[place] = b;
            }
        }
    }
}

// What each player brings each sector alone in each choice. Free behaviours: the other places
// have none, and an "Attaquant" of the central attack's running places is counted before its
// 5% (the model applies that to the running sum).
void LineupModel::computeShares(const LineupState &state)
{
    const int n = int(m_eligible.size());
    m_shares.assign(n, std::vector<Sectors>(m_choices.size()));
    LineupInput in = probeLineup(state);
    for (size_t o = 0; o < m_choices.size(); ++o) {
        const Choice ch = m_choices[o];
        const int before = in.behaviour[ch.place];
        if (m_free && ch.place != Keeper)
            in.behaviour[ch.place] = ch.behaviour;
        for (int i = 0; i < n; ++i) {
            put(state, in, ch.place, m_eligible[i]);
            DefensiveMarks marks;
            TeamEvaluation::points(in, m_shares[i][o], marks);
            if (m_free && weakensCentralAttack(ch.place, ch.behaviour))
                m_shares[i][o][kCentralAttack] /= 0.95;
        }
        put(state, in, ch.place, -1);
        in.behaviour[ch.place] = before;
    }
}

// Which skills each choice's player gives each sector: a player with only that skill at 1 shows it
// (every coefficient and modifier of the formulas is positive).
void LineupModel::findReadSkills(const LineupState &state)
{
    m_reads.assign(m_choices.size(), {});
    LineupInput in = probeLineup(state);
    for (size_t o = 0; o < m_choices.size(); ++o) {
        const Choice ch = m_choices[o];
        if (m_free && ch.place != Keeper)
            in.behaviour[ch.place] = ch.behaviour;
        for (size_t j = 0; j < std::size(kSkills); ++j) {
            Tplayer probe;
            probe.*kSkills[j] = 1;
            in.player[ch.place] = &probe;
            Sectors sectors{};
            DefensiveMarks marks;
            TeamEvaluation::points(in, sectors, marks);
            for (int k = 0; k < kSectorCount; ++k) {
                if (sectors[k] != 0)
                    m_reads[o][k] |= 1u << j;
            }
        }
        in.player[ch.place] = nullptr;
        if (m_free && ch.place != Keeper)
            in.behaviour[ch.place] = -1;
    }
}

// A player dominated in a choice by enough others never needs to stand there. A locked place
// has a column for its locked player only, and he none elsewhere; he can take nobody's place,
// so he dominates nobody.
void LineupModel::pruneDominated()
{
    const int n = int(m_eligible.size());
    std::vector<int> lockedAt(n, 0);
    for (int place = Keeper; place <= kLastSlot; ++place) {
        const int i = int(m_eligible.indexOf(m_options.locks[place]));
        if (m_options.locks[place] >= 0 && i >= 0)
            lockedAt[i] = place;
    }
    for (int o = 0; o < int(m_choices.size()); ++o) {
        const int place = m_choices[o].place;
        for (int i = 0; i < n; ++i) {
            if (m_options.locks[place] >= 0 || lockedAt[i]) {
                if (lockedAt[i] == place)
                    m_columns.push_back({i, o, -1});
                continue;
            }
            int dominators = 0;
            for (int q = 0; q < n && dominators < kDominators; ++q) {
                if (q == i || lockedAt[q])
                    continue;
                bool atLeast = true;
                bool equal = true;
                for (int k = 0; k < kSectorCount; ++k) {
                    atLeast = atLeast && m_shares[q][o][k] >= m_shares[i][o][k];
                    equal = equal && m_shares[q][o][k] == m_shares[i][o][k];
                }
                if (atLeast && (!equal || q < i))
                    ++dominators;
            }
            if (dominators < kDominators)
                m_columns.push_back({i, o, -1});
        }
    }
}

// The largest raw value each sector can reach, for the point bounds and the tie weight.
void LineupModel::computeReach()
{
    for (int place = Keeper; place <= kLastSlot; ++place) {
        for (int k = 0; k < kSectorCount; ++k) {
            double top = 0;
            for (const Column &col : m_columns) {
                if (m_choices[col.choice].place == place)
                    top = std::max(top, share(col, k));
            }
            m_reach[k] += top;
        }
    }
    double reachSum = 0;
    for (double r : m_reach)
        reachSum += r;
    // The raw sector sum only breaks ties: all of it is worth less than half a point.
    m_tieWeight = 0.25 / std::max(1.0, reachSum);
}

void LineupModel::addColumns()
{
    for (Column &col : m_columns) {
        double raw = 0;
        for (int k = 0; k < kSectorCount; ++k)
            raw += share(col, k);
        col.column = m_mip.addVariable(MipModel::Type::Binary, 0, 1, m_tieWeight * raw);
        if (m_options.locks[m_choices[col.choice].place] >= 0)
            m_mip.fix(col.column, 1);
    }
}

// Free behaviours: per running place of the central attack, what its "Attaquant" takes away
// (5% of the sum so far, its own term included), zero without one.
void LineupModel::addCentralAttackChain()
{
    double upper = 0;
    for (int place : kRunningPlaces) {
        double top = 0;
        bool attaquant = false;
        for (const Column &col : m_columns) {
            if (m_choices[col.choice].place != place)
                continue;
            top = std::max(top, share(col, kCentralAttack));
            attaquant = attaquant || weakensCentralAttack(place, m_choices[col.choice].behaviour);
        }
        upper += top;
        if (!attaquant)
            continue;
        const double bigM = upper * 1.001 + 1;
        const int y = m_mip.addVariable(MipModel::Type::Continuous, 0, bigM, -0.05 * m_tieWeight);
        // y ≥ (sum so far) − bigM·(1 − attaquant here)
        MipModel::Terms terms{{y, 1.0}};
        for (size_t t = 0; t < m_taken.size(); ++t)
            terms.push_back({m_taken[t].second, 0.05});
        for (const Column &col : m_columns) {
            const Choice ch = m_choices[col.choice];
            double coefficient = 0;
            for (int p : kRunningPlaces) {
                if (p == ch.place)
                    coefficient = -share(col, kCentralAttack);
                if (p == place)
                    break;
            }
            if (ch.place == place && weakensCentralAttack(ch.place, ch.behaviour))
                coefficient -= bigM;
            if (coefficient != 0)
                terms.push_back({col.column, coefficient});
        }
        m_mip.addConstraint(std::move(terms), MipModel::Sense::GreaterEqual, -bigM);
        m_taken.push_back({place, y});
    }
}

// points ≤ 4·S/divisor − 3 per sector.
void LineupModel::addPointRows()
{
    double ceiling = 0;
    for (int k = 0; k < kSectorCount; ++k) {
        const double scale = 4.0 / SectorRatings::divisor(SectorRatings::Sector(k));
        m_pointsUpper[k] = std::floor(scale * m_reach[k]) - 2;
        m_points[k] = m_mip.addVariable(MipModel::Type::Integer, -1e4, m_pointsUpper[k], kWeight[k]);
        MipModel::Terms terms{{m_points[k], 1.0}};
        for (const Column &col : m_columns) {
            if (share(col, k) != 0)
                terms.push_back({col.column, -scale * share(col, k)});
        }
        if (k == kCentralAttack) {
            for (const auto &[place, y] : m_taken)
                terms.push_back({y, 0.05 * scale});
        }
        m_mip.addConstraint(std::move(terms), MipModel::Sense::LessEqual, -3);
        ceiling += kWeight[k] * m_pointsUpper[k];
    }
    m_ceiling = int(ceiling);
}

// One player at most per place, one place at most per player.
void LineupModel::addPlaceAndPlayerRows()
{
    for (int place = Keeper; place <= kLastSlot; ++place) {
        MipModel::Terms terms;
        for (const Column &col : m_columns) {
            if (m_choices[col.choice].place == place)
                terms.push_back({col.column, 1.0});
        }
        m_mip.addConstraint(std::move(terms), MipModel::Sense::LessEqual, 1);
    }
    for (int i = 0; i < int(m_eligible.size()); ++i) {
        MipModel::Terms terms;
        for (const Column &col : m_columns) {
            if (col.player == i)
                terms.push_back({col.column, 1.0});
        }
        if (!terms.empty())
            m_mip.addConstraint(std::move(terms), MipModel::Sense::LessEqual, 1);
    }
}

// Whether a column enters a sector: its share, or (central attack) its 5%.
bool LineupModel::counts(const Column &col, int sector) const
{
    const Choice ch = m_choices[col.choice];
    return share(col, sector) != 0
           || (m_free && sector == kCentralAttack && weakensCentralAttack(ch.place, ch.behaviour));
}

// Whether the sector reads exactly the same from both columns: the same place and behaviour and
// the same skills, so that it adds the very same numbers whoever of the two stands there.
bool LineupModel::sameInput(const Column &a, const Column &b, int sector) const
{
    if (a.choice != b.choice)
        return false;
    const unsigned reads = m_reads[a.choice][sector];
    const Tplayer &pa = *m_players[a.player];
    const Tplayer &pb = *m_players[b.player];
    for (size_t j = 0; j < std::size(kSkills); ++j) {
        if ((reads >> j & 1u) && pa.*kSkills[j] != pb.*kSkills[j])
            return false;
    }
    return true;
}

bool LineupModel::chosen(const Column &col, const Lineup &lineup) const
{
    const Choice ch = m_choices[col.choice];
    return lineup.records[ch.place] == m_eligible[col.player]
           && (ch.place == Keeper || lineup.behaviours[ch.place] == ch.behaviour);
}

LineupModel::Lineup LineupModel::decode(const std::vector<double> &values) const
{
    Lineup lineup;
    lineup.records.fill(-1);
    lineup.behaviours = m_emptyPlaces;
    for (const Column &col : m_columns) {
        if (values[col.column] > 0.5) {
            const Choice ch = m_choices[col.choice];
            lineup.records[ch.place] = m_eligible[col.player];
            if (ch.place != Keeper)
                lineup.behaviours[ch.place] = ch.behaviour;
        }
    }
    return lineup;
}

double LineupModel::modelledPoints(const std::vector<double> &values, int sector) const
{
    return std::round(values[m_points[sector]]);
}

void LineupModel::startFrom(const Lineup &lineup, const Sectors &points)
{
    MipModel::Terms start;
    for (const Column &col : m_columns)
        start.push_back({col.column, chosen(col, lineup) ? 1.0 : 0.0});
    for (int k = 0; k < kSectorCount; ++k)
        start.push_back({m_points[k], points[k]});
    m_mip.setStart(std::move(start));
}

// Every lineup whose places that sector reads hold the same behaviours and players of the same
// skills there gives the sector the same value, computed the same way: for all of them the
// sector's points are capped at the true figure. Any other player or behaviour there, or anyone
// counting in a place the sector did not read, lifts the cap.
void LineupModel::capSector(const Lineup &lineup, int sector, double actual)
{
    std::vector<const Column *> placed;
    for (const Column &col : m_columns) {
        if (counts(col, sector) && chosen(col, lineup))
            placed.push_back(&col);
    }
    const double slack = m_pointsUpper[sector] - actual;
    MipModel::Terms cut{{m_points[sector], 1.0}};
    for (const Column &col : m_columns) {
        if (!counts(col, sector))
            continue;
        bool same = false;
        for (const Column *p : placed)
            same = same || sameInput(col, *p, sector);
        cut.push_back({col.column, same ? slack : -slack});
    }
    // points ≤ actual + slack·(placed − Σ same + Σ others)
    m_mip.addConstraint(std::move(cut), MipModel::Sense::LessEqual, actual + slack * double(placed.size()));
}

void LineupModel::exclude(const Lineup &lineup)
{
    MipModel::Terms cut;
    int placed = 0;
    for (const Column &col : m_columns) {
        const bool here = chosen(col, lineup);
        cut.push_back({col.column, here ? 1.0 : -1.0});
        placed += here ? 1 : 0;
    }
    m_mip.addConstraint(std::move(cut), MipModel::Sense::LessEqual, placed - 1);
}
