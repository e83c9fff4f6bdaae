// Sector formulas through the board: which behaviour adds which term, the defensive marks,
// the running 0.95 of a repositioned forward, which condition moves which sector, and sector
// values to the last bit, worked out by hand term by term in the order the rating rules add them.
//
// QCOMPARE on doubles is fuzzy, so those sector values are compared bit for bit: a term added
// in another grouping can move a rating across a quarter boundary.
#include "LineupFixture.h"
#include "common/NameTables.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"

#include <QtTest>

#include <cstring>

using namespace LineupSlots;
using SectorRatings::Sector;

namespace {

// The double written with every digit it needs to read back the same bits.
QString exact(double v)
{
    return QString::number(v, 'g', 17);
}

// "p" = rise by p, written out as the rules do: S + p·S or S − p·S.
double rise(double s, double p) { return s + p * s; }
double fall(double s, double p) { return s - p * s; }

struct Skills {
    int K, D, PM, PS, SC, W, Exp;
};

// One player per lineup slot, skills chosen so that no two terms look alike.
const Skills kSkills[12] = {
    {},
    {9, 1, 1, 1, 1, 1, 1},    // keeper
    {1, 7, 4, 3, 2, 6, 2},    // right back
    {1, 11, 3, 2, 1, 2, 3},   // central defender 1
    {1, 9, 5, 4, 3, 1, 4},    // central defender 2
    {1, 6, 6, 5, 2, 7, 5},    // left back
    {1, 4, 6, 5, 3, 9, 6},    // right winger
    {1, 7, 10, 8, 4, 3, 7},   // inner midfielder 1
    {1, 5, 9, 7, 6, 4, 8},    // inner midfielder 2
    {1, 8, 5, 6, 2, 8, 9},    // left winger
    {1, 3, 4, 7, 11, 5, 10},  // forward 1
    {1, 2, 3, 6, 9, 4, 11},   // forward 2
};

void fill(LineupFixture &fx)
{
    for (int place = Keeper; place <= Forward2; ++place) {
        const Skills &s = kSkills[place];
        Tplayer &p = fx.add(QStringLiteral("P%1").arg(place), 700 + place);
        p.KeeperSkill = s.K, p.DefenderSkill = s.D, p.PlaymakerSkill = s.PM, p.PassingSkill = s.PS;
        p.ScorerSkill = s.SC, p.WingerSkill = s.W, p.Experience = s.Exp;
    }
}

} // namespace

class TestSectorRatings : public QObject {
    Q_OBJECT

    static std::array<double, 7> sectors(const Board &b)
    {
        std::array<double, 7> s{};
        for (int i = 0; i < 7; ++i)
            s[i] = b.teamFigures().sector[i];
        return s;
    }

    // Conditions that change nothing: no trainer, attitude Normal, home, tactic Normal,
    // confidence Passable, spirit Passifs.
    static void neutral(Board &b)
    {
        b.edit()->setCondition(Board::Tactique, 0);
        b.edit()->setCondition(Board::Attitude, 1);
        b.edit()->setCondition(Board::Lieu, 0);
        b.edit()->setCondition(Board::Confiance, 4);
        b.edit()->setCondition(Board::TeamSpirit, 4);
        b.edit()->setCondition(Board::Entraineur, -1);
    }

    // Eleven players with every skill set, all on the board.
    static void fullBoard(LineupFixture &fx)
    {
        for (int i = 1; i <= 11; ++i) {
            Tplayer &p = fx.add(QStringLiteral("P%1").arg(i), 500 + i);
            p.KeeperSkill = i == 1 ? 9 : 1;
            p.DefenderSkill = 3 + i;
            p.PlaymakerSkill = 2 + i % 5;
            p.PassingSkill = 4 + i % 3;
            p.ScorerSkill = 1 + i % 7;
            p.WingerSkill = 2 + i % 4;
        }
        Board &b = fx.makeBoard();
        neutral(b);
        for (int place = Keeper; place <= Forward2; ++place)
            b.slotPicked(place, place);
    }

private slots:
    void wingerInCentralDefence_data()
    {
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("mark4");
        QTest::newRow("Normal 0.5") << 0 << 0.5 * 10 << 0;
        QTest::newRow("Défensif 0.8") << 1 << 0.8 * 10 << 0;
        QTest::newRow("Offensif 0.3") << 2 << 0.3 * 10 << 0;
        QTest::newRow("Vers le centre 0.1") << 3 << 0.1 * 10 << 0;
        QTest::newRow("Attaquant nothing") << 4 << 0.0 << 0;
        QTest::newRow("Milieu nothing, no mark") << 5 << 0.0 << 0;
        QTest::newRow("Défenseur 0.95 and mark 4") << 6 << 0.95 * 10 << 77;
    }
    void wingerInCentralDefence()
    {
        QFETCH(int, behaviour);
        QFETCH(double, expected);
        QFETCH(int, mark4);
        LineupFixture fx;
        fx.add(QStringLiteral("Ailier"), 77).DefenderSkill = 10;
        Board &b = fx.makeBoard();
        neutral(b);
        b.slotPicked(RightWinger, 1);
        b.behaviourPicked(RightWinger, behaviour);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 0.0 + expected);
        QCOMPARE(b.mark(4), mark4);
    }

    void twoRepositionedDefenders()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Milieu"), 41).DefenderSkill = 10;
        fx.add(QStringLiteral("Avant"), 42).DefenderSkill = 8;
        Board &b = fx.makeBoard();
        neutral(b);
        b.slotPicked(InnerMidfielder1, 1);
        b.behaviourPicked(InnerMidfielder1, 5);
        b.slotPicked(Forward2, 2);
        b.behaviourPicked(Forward2, 4);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 0.0 + 0.95 * 10 + 0.95 * 8);
        QCOMPARE(b.mark(4), 42); // the last repositioned defender in slot order
        // The midfielder on Défenseur still adds a tenth of his playmaking; the forward on
        // Défenseur nothing.
        QCOMPARE(b.teamFigures().sector[SectorRatings::Midfield], 0.0);
    }

    void centralAttackRunningFactor()
    {
        LineupFixture fx;
        Tplayer &back = fx.add(QStringLiteral("Arriere"), 1);
        back.ScorerSkill = 6, back.PassingSkill = 4;
        Tplayer &mid = fx.add(QStringLiteral("Milieu"), 2);
        mid.ScorerSkill = 5, mid.PassingSkill = 7;
        Board &b = fx.makeBoard();
        neutral(b);
        b.slotPicked(RightBack, 1);
        b.behaviourPicked(RightBack, 4);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralAttack], (0.0 + 6 + 4) * 0.95); // 9.5
        b.slotPicked(InnerMidfielder1, 2);
        b.behaviourPicked(InnerMidfielder1, 4);
        // The 0.95 applies to the whole running sum: (9.5 + 5 + 7) × 0.95 = 20.425
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralAttack], ((0.0 + 6 + 4) * 0.95 + 5 + 7) * 0.95);
    }

    void emptyRepositionedSlotStillWeakens()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Milieu"), 1).PassingSkill = 8;
        Tplayer &f = fx.add(QStringLiteral("Avant"), 2);
        f.ScorerSkill = 10, f.PassingSkill = 6;
        Board &b = fx.makeBoard();
        neutral(b);
        b.slotPicked(InnerMidfielder1, 1);
        b.slotPicked(Forward1, 2);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralAttack], 0.0 + 0.5 * 8 + (1.0 * 10 + 1.0 * 6));
        // An empty midfielder 2 on Attaquant adds nothing but still weakens the sum so far
        // (midfielder 1's term); the forwards come after him.
        b.behaviourPicked(InnerMidfielder2, 4);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralAttack], (0.0 + 0.5 * 8 + 0 + 0) * 0.95 + (1.0 * 10 + 1.0 * 6));
    }

    void sideAttackTerms()
    {
        LineupFixture fx;
        Tplayer &w = fx.add(QStringLiteral("Ailier"), 1);
        w.WingerSkill = 9, w.PassingSkill = 5;
        Tplayer &m = fx.add(QStringLiteral("Milieu"), 2);
        m.WingerSkill = 4, m.PassingSkill = 8;
        Tplayer &f = fx.add(QStringLiteral("Avant"), 3);
        f.ScorerSkill = 10;
        Board &b = fx.makeBoard();
        neutral(b);
        b.slotPicked(LeftWinger, 1);
        b.slotPicked(InnerMidfielder2, 2);
        b.slotPicked(Forward1, 3);
        // Left attack: 0.6 W + 0.5 PS of the winger, 0.6 PS of midfielder 2, 0.9 SC of forward 1
        QCOMPARE(b.teamFigures().sector[SectorRatings::LeftAttack], 0.0 + (0.6 * 9 + 0.5 * 5) + 0.6 * 8 + 0.9 * 10);
        // Both forwards count in both side attacks; the right side has only him.
        QCOMPARE(b.teamFigures().sector[SectorRatings::RightAttack], 0.0 + 0.9 * 10);
        // Midfielder on "Sur l'aile": half his winger skill instead of his passing.
        b.behaviourPicked(InnerMidfielder2, 3);
        QCOMPARE(b.teamFigures().sector[SectorRatings::LeftAttack], 0.0 + (0.6 * 9 + 0.5 * 5) + 0.5 * 4 + 0.9 * 10);
        // Forward on Défensif: half his scoring.
        b.behaviourPicked(Forward1, 1);
        QCOMPARE(b.teamFigures().sector[SectorRatings::RightAttack], 0.0 + 0.5 * 10);
    }

    void sideDefenceAndMarks()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Gardien"), 10).KeeperSkill = 8;
        fx.add(QStringLiteral("Central"), 11).DefenderSkill = 10;
        fx.add(QStringLiteral("Lateral"), 12).DefenderSkill = 6;
        Board &b = fx.makeBoard();
        neutral(b);
        b.slotPicked(Keeper, 1);
        b.slotPicked(CentralDefender2, 2);
        b.slotPicked(LeftBack, 3);
        QCOMPARE(b.teamFigures().sector[SectorRatings::LeftDefence], 0.0 + 1.0 * 8 + 0.7 * 10 + 0.8 * 6);
        QCOMPARE(b.teamFigures().sector[SectorRatings::RightDefence], 0.0 + 1.0 * 8);
        QCOMPARE(b.mark(3), 11);
        QCOMPARE(b.mark(5), 12);
        QCOMPARE(b.mark(1), -1); // right back empty on Normal
        QCOMPARE(b.mark(2), -1); // central defender 1 empty on Normal
        b.behaviourPicked(LeftBack, 3);   // Vers le centre: no side term, no mark
        QCOMPARE(b.teamFigures().sector[SectorRatings::LeftDefence], 0.0 + 1.0 * 8 + 0.7 * 10);
        QCOMPARE(b.mark(5), 0);
        b.behaviourPicked(CentralDefender2, 2); // vers l'aile
        QCOMPARE(b.teamFigures().sector[SectorRatings::LeftDefence], 0.0 + 1.0 * 8 + 0.9 * 10);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 0.0 + 1.0 * 8 + 0.3 * 10 + 0.8 * 6);
    }

    void venueLowersOnlyMidfield()
    {
        LineupFixture fx;
        fullBoard(fx);
        Board &b = *fx.board;
        const auto home = sectors(b);
        const Board::Figures before = b.figures();
        b.conditionPicked(Board::Lieu, 1);
        const auto away = sectors(b);
        for (int i = 0; i < 7; ++i) {
            if (i == SectorRatings::Midfield)
                QCOMPARE(away[i], home[i] - (home[i] * 10) / 100);
            else
                QCOMPARE(away[i], home[i]);
        }
        QCOMPARE(b.figures().DEF, before.DEF);
        QCOMPARE(b.figures().ATT, before.ATT);
    }

    void trainerTypes()
    {
        LineupFixture fx;
        fullBoard(fx);
        Board &b = *fx.board;
        const auto none = sectors(b);
        b.conditionPicked(Board::Entraineur, 2);
        const auto balanced = sectors(b);
        for (int i : {0, 1, 2, 3})
            QCOMPARE(balanced[i], none[i]);
        for (int i : {4, 5, 6})
            QCOMPARE(balanced[i], none[i] - 0.07 * none[i]);
        b.conditionPicked(Board::Entraineur, 0);
        const auto defensive = sectors(b);
        QCOMPARE(defensive[0], none[0] + 0.07 * none[0]);
        QCOMPARE(defensive[1], none[1] + 0.1 * none[1]);
        QCOMPARE(defensive[4], none[4] - 0.14 * none[4]);
        QCOMPARE(defensive[3], none[3]);
        b.conditionPicked(Board::Entraineur, 1);
        const auto offensive = sectors(b);
        QCOMPARE(offensive[0], none[0] - 0.07 * none[0]);
        QCOMPARE(offensive[2], none[2] - 0.1 * none[2]);
        QCOMPARE(offensive[6], none[6] + 0.07 * none[6]);
    }

    void conditionsTouchOnlyTheirSectors()
    {
        LineupFixture fx;
        fullBoard(fx);
        Board &b = *fx.board;
        const auto base = sectors(b);

        b.conditionPicked(Board::Confiance, 6);   // attack only
        auto s = sectors(b);
        for (int i : {0, 1, 2, 3})
            QCOMPARE(s[i], base[i]);
        QCOMPARE(s[4], base[4] + 0.15 * base[4]);
        b.conditionPicked(Board::Confiance, 4);

        b.conditionPicked(Board::TeamSpirit, 12); // midfield only
        s = sectors(b);
        QCOMPARE(s[3], base[3] + 0.85 * base[3]);
        for (int i : {0, 1, 2, 4, 5, 6})
            QCOMPARE(s[i], base[i]);
        b.conditionPicked(Board::TeamSpirit, 4);

        b.conditionPicked(Board::Attitude, 2);    // defence and midfield, not attack
        s = sectors(b);
        QCOMPARE(s[0], base[0] + 0.1 * base[0]);
        QCOMPARE(s[3], base[3] + 0.2 * base[3]);
        for (int i : {4, 5, 6})
            QCOMPARE(s[i], base[i]);
        b.conditionPicked(Board::Attitude, 1);

        b.conditionPicked(Board::Tactique, 2);    // counter-attacks: midfield falls by a tenth
        s = sectors(b);
        QCOMPARE(s[3], base[3] - 0.1 * base[3]);
        QCOMPARE(s[0], base[0]);
        b.conditionPicked(Board::Tactique, 3);    // central attack tactic weakens the sides
        s = sectors(b);
        QCOMPARE(s[1], base[1] - 0.05 * base[1]);
        QCOMPARE(s[2], base[2] - 0.05 * base[2]);
        QCOMPARE(s[0], base[0]);
        QCOMPARE(s[4], base[4]);
        b.conditionPicked(Board::Tactique, 4);    // wing attack tactic weakens the centre
        s = sectors(b);
        QCOMPARE(s[0], base[0] - 0.05 * base[0]);
        QCOMPARE(s[1], base[1]);

        b.conditionPicked(Board::TeamSpirit, -1); // no selection: no modifier
        QCOMPARE(b.state().condition(Board::TeamSpirit), -1);
        QCOMPARE(sectors(b)[3], base[3]);
    }

    void counterAttackMarks()
    {
        LineupFixture fx;
        const int ids[] = {0, 1, 2, 3, 4, 5};
        for (int i = 1; i <= 5; ++i) {
            Tplayer &p = fx.add(QStringLiteral("D%1").arg(i), ids[i] * 10);
            p.PassingSkill = i;
            p.DefenderSkill = 10;
            p.Experience = 2;
        }
        Board &b = fx.makeBoard();
        b.slotPicked(RightBack, 1);
        b.slotPicked(CentralDefender1, 2);
        b.slotPicked(CentralDefender2, 3);
        b.slotPicked(LeftBack, 4);
        b.behaviourPicked(CentralDefender1, 3);
        b.behaviourPicked(CentralDefender2, 3);
        b.conditionPicked(Board::Tactique, 2);
        // Marks 2, 3 and 4 stay unset: only the backs count, 2·PS + D + Exp each.
        QCOMPARE(b.mark(2), 0);
        QCOMPARE(b.mark(4), 0);
        QCOMPARE(b.teamFigures().tacticStrength, (2.0 * 1 + 10 + 2) + (2.0 * 4 + 10 + 2));
        b.behaviourPicked(RightBack, 3); // Vers le centre: no mark 1
        QCOMPARE(b.teamFigures().tacticStrength, 2.0 * 4 + 10 + 2);
    }

    void unsetMarkDoesNotCountAPlayerWithIdZero()
    {
        LineupFixture fx;
        Tplayer &zero = fx.add(QStringLiteral("Zero"), 0);
        zero.PassingSkill = 5, zero.DefenderSkill = 5, zero.Experience = 5;
        Board &b = fx.makeBoard();
        b.slotPicked(InnerMidfielder1, 1);
        b.conditionPicked(Board::Tactique, 2);
        QCOMPARE(b.teamFigures().tacticStrength, 0.0);
        // Placed as a central defender he is mark 2 and counts once.
        b.slotPicked(CentralDefender1, 1);
        QCOMPARE(b.teamFigures().tacticStrength, 2.0 * 5 + 5 + 5);
    }

    // ---- to the last bit ----

    // A winger's term "0.6 × W + 0.5 × PS" is one term: it is worked out first and then
    // added to the running sum, unlike the repositioned forward's "add SC, add PS".
    void wingerTermIsAddedWhole_data()
    {
        QTest::addColumn<int>("back");
        QTest::addColumn<int>("wing");
        QTest::addColumn<int>("sector");
        QTest::newRow("right") << int(RightBack) << int(RightWinger) << int(SectorRatings::RightAttack);
        QTest::newRow("left") << int(LeftBack) << int(LeftWinger) << int(SectorRatings::LeftAttack);
    }
    void wingerTermIsAddedWhole()
    {
        QFETCH(int, back);
        QFETCH(int, wing);
        QFETCH(int, sector);
        LineupFixture fx;
        fx.add(QStringLiteral("Lateral"), 1).WingerSkill = 1;
        Tplayer &w = fx.add(QStringLiteral("Ailier"), 2);
        w.WingerSkill = 1, w.PassingSkill = 1;
        Board &b = fx.makeBoard();
        neutral(b);
        b.slotPicked(back, 1);
        b.slotPicked(wing, 2);
        // Back on Normal: 0.6 × 1 = 0.6; winger on Normal: 0.6 × 1 + 0.5 × 1 = 1.1;
        // 0.6 + 1.1 = 1.7000000000000002 in double (0.6 + 0.6 + 0.5, one by one, is 1.7).
        const double expected = (0.0 + 0.6 * 1) + (0.6 * 1 + 0.5 * 1);
        QCOMPARE(exact(expected), QStringLiteral("1.7000000000000002"));
        QCOMPARE(exact(b.teamFigures().sector[sector]), exact(expected));
    }

    // The modifiers in the form the rules write them, where another form of the same
    // arithmetic ends on another double.
    void modifierForms()
    {
        LineupFixture fx;
        Tplayer &back = fx.add(QStringLiteral("Arriere"), 1);
        back.ScorerSkill = 1, back.PassingSkill = 2;
        fx.add(QStringLiteral("Milieu"), 2).PlaymakerSkill = 5;
        fx.add(QStringLiteral("Ailier"), 3).PlaymakerSkill = 2;
        Tplayer &f = fx.add(QStringLiteral("Avant"), 4);
        f.ScorerSkill = 3;
        Board &b = fx.makeBoard();
        neutral(b);

        // Right back on Attaquant: (0 + 1 + 2) × 0.95 = 2.8499999999999996
        // (3 − 0.05 × 3 would give 2.85).
        b.slotPicked(RightBack, 1);
        b.behaviourPicked(RightBack, 4);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralAttack]), QStringLiteral("2.8499999999999996"));
        b.behaviourPicked(RightBack, 0);

        // Midfield 1.0 × 5 + 0.7 × 2 = 6.4; away: 6.4 − (6.4 × 10) / 100 = 5.760000000000001
        // (6.4 − 0.1 × 6.4 would give 5.76).
        b.slotPicked(InnerMidfielder1, 2);
        b.slotPicked(RightWinger, 3);
        b.conditionPicked(Board::Lieu, 1);
        const double mid = 0.0 + 1.0 * 5 + 0.7 * 2;
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::Midfield]), exact(mid - (mid * 10) / 100));
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::Midfield]), QStringLiteral("5.7600000000000007"));

        // Central attack: the midfielder's passing is 0, the forward adds 1.0 × 3 + 1.0 × 0,
        // so S = 3; confidence Satisfaisante: 3 + 0.05 × 3 = 3.15 (3 × 1.05 would give
        // 3.1500000000000004).
        b.slotPicked(Forward1, 4);
        b.conditionPicked(Board::Confiance, 5);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralAttack]), QStringLiteral("3.1499999999999999"));
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralAttack]), exact(3.15));

        // Trainer 0 on an attack of 11: 11 − 0.14 × 11 = 9.46 (11 × 0.86 would give
        // 9.459999999999999).
        f.ScorerSkill = 11;
        b.conditionPicked(Board::Confiance, 4);
        b.conditionPicked(Board::Entraineur, 0);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralAttack]), exact(9.46));
    }

    // Every sector of a full board with every behaviour other than Normal that adds a term
    // somewhere, under conditions that each move the sectors they belong to.
    void repositionedBoardToTheLastBit()
    {
        LineupFixture fx;
        fill(fx);
        Board &b = fx.makeBoard();
        b.edit()->setCondition(Board::Tactique, 2);    // Contre-attaques
        b.edit()->setCondition(Board::Attitude, 2);    // Meilleur match de la saison
        b.edit()->setCondition(Board::Lieu, 1);        // Away
        b.edit()->setCondition(Board::Confiance, 6);   // Très bonne
        b.edit()->setCondition(Board::TeamSpirit, 7);  // Heureux
        b.edit()->setCondition(Board::Entraineur, 0);
        const int behaviour[12] = {0, 2, 1, 3, 5, 3, 1, 4, 6, 1, 0};
        // RB Offensif, CD1 Offensif, CD2 Milieu, LB Milieu de terrain, RW Vers le centre,
        // IM1 Défensif, IM2 Attaquant, LW Défenseur, F1 Défensif, F2 Normal
        for (int place = RightBack; place <= Forward2; ++place)
            b.edit()->setBehaviourEntry(place, behaviour[place - 1]);
        for (int place = Keeper; place <= Forward2; ++place)
            b.slotPicked(place, place);

        // Central defence: K, CD1 0.5 D, CD2 0.4 D, RB 0.3 D, LB nothing, RW 0.1 D,
        // IM1 0.7 D, IM2 nothing, LW 0.95 D, forwards nothing; trainer 0 +0.07, attitude 2 +0.1.
        double cd = 0.0;
        cd = cd + 1.0 * 9;
        cd = cd + 0.5 * 11;
        cd = cd + 0.4 * 9;
        cd = cd + 0.3 * 7;
        cd = cd + 0.1 * 4;
        cd = cd + 0.7 * 7;
        cd = cd + 0.95 * 8;
        cd = rise(cd, 0.07);
        cd = rise(cd, 0.1);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralDefence]), exact(cd));

        // Right defence: K, CD1 Offensif 0.5 D, RB Offensif 0.5 D, RW nothing, IM1 0.8 D;
        // trainer 0 +0.1, attitude 2 +0.1.
        double rd = 0.0;
        rd = rd + 1.0 * 9;
        rd = rd + 0.5 * 11;
        rd = rd + 0.5 * 7;
        rd = rd + 0.8 * 7;
        rd = rise(rd, 0.1);
        rd = rise(rd, 0.1);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::RightDefence]), exact(rd));

        // Left defence: only the keeper counts (CD2 Milieu, LB Milieu de terrain, LW
        // Défenseur, IM2 Attaquant add nothing).
        double ld = 0.0 + 1.0 * 9;
        ld = rise(ld, 0.1);
        ld = rise(ld, 0.1);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::LeftDefence]), exact(ld));

        // Midfield, rows: backs (RB Offensif 0.3, LB Milieu de terrain 1.0), central
        // defenders (CD1 Offensif 0.7, CD2 Milieu 1.0), midfielders (IM1 1.0, IM2 Attaquant
        // 0.1), forwards (F1 Défensif 0.3), wingers (RW Vers le centre 0.9, LW nothing);
        // spirit 7 +0.45, attitude 2 +0.2, away S − (S × 10) / 100, Contre-attaques −0.1.
        double mid = 0.0;
        mid = mid + 0.3 * 4;
        mid = mid + 1.0 * 6;
        mid = mid + 0.7 * 3;
        mid = mid + 1.0 * 5;
        mid = mid + 1.0 * 10;
        mid = mid + 0.1 * 9;
        mid = mid + 0.3 * 4;
        mid = mid + 0.9 * 6;
        mid = rise(mid, 0.45);
        mid = rise(mid, 0.2);
        mid = mid - (mid * 10) / 100;
        mid = fall(mid, 0.1);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::Midfield]), exact(mid));

        // Central attack: IM1 Défensif 0.2 PS; IM2 Attaquant adds SC, adds PS, then the
        // running sum × 0.95; F1 Défensif 0.5 SC + 1.0 PS; F2 Normal 1.0 SC + 1.0 PS;
        // trainer 0 −0.14, confidence 6 +0.15.
        double ca = 0.0;
        ca = ca + 0.2 * 8;
        ca = ca + 6;
        ca = ca + 7;
        ca = ca * 0.95;
        ca = ca + (0.5 * 11 + 1.0 * 7);
        ca = ca + (1.0 * 9 + 1.0 * 6);
        ca = fall(ca, 0.14);
        ca = rise(ca, 0.15);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralAttack]), exact(ca));

        // Right attack: RB Offensif 1.0 W; RW Vers le centre 0.2 W + 0.5 PS; IM1 Défensif
        // 0.2 PS; F1 Défensif 0.5 SC; F2 Normal 0.9 SC.
        double ra = 0.0;
        ra = ra + 1.0 * 6;
        ra = ra + (0.2 * 9 + 0.5 * 5);
        ra = ra + 0.2 * 8;
        ra = ra + 0.5 * 11;
        ra = ra + 0.9 * 9;
        ra = fall(ra, 0.14);
        ra = rise(ra, 0.15);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::RightAttack]), exact(ra));

        // Left attack: LB, LW and IM2 add nothing on these behaviours; the two forwards.
        double la = 0.0;
        la = la + 0.5 * 11;
        la = la + 0.9 * 9;
        la = fall(la, 0.14);
        la = rise(la, 0.15);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::LeftAttack]), exact(la));

        // Marks: 1 the right back (Offensif), 2 central defender 1 (Offensif), 3 not set
        // (Milieu), 4 the left winger (Défenseur), 5 not set (Milieu de terrain).
        QCOMPARE(b.mark(1), 702);
        QCOMPARE(b.mark(2), 703);
        QCOMPARE(b.mark(3), 0);
        QCOMPARE(b.mark(4), 709);
        QCOMPARE(b.mark(5), 0);
        // Contre-attaques: 2 PS + D + experience of each marked player:
        // RB 6 + 7 + 2 = 15, CD1 4 + 11 + 3 = 18, LW 12 + 8 + 9 = 29; 62 in all.
        QCOMPARE(b.teamFigures().tacticStrength, 62.0);
        // 6.2 → half-step 6 → "Passable"
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), QStringLiteral("Passable"));
    }

    // The same board on Normal everywhere, under the falling conditions.
    void normalBoardToTheLastBit()
    {
        LineupFixture fx;
        fill(fx);
        Board &b = fx.makeBoard();
        b.edit()->setCondition(Board::Tactique, 4);    // Attaque sur les ailes
        b.edit()->setCondition(Board::Attitude, 0);    // Tranquille
        b.edit()->setCondition(Board::Lieu, 0);
        b.edit()->setCondition(Board::Confiance, 3);   // Faible
        b.edit()->setCondition(Board::TeamSpirit, 2);  // Furieux
        b.edit()->setCondition(Board::Entraineur, 1);
        for (int place = Keeper; place <= Forward2; ++place)
            b.slotPicked(place, place);

        double cd = 0.0;
        cd = cd + 1.0 * 9;   // K
        cd = cd + 1.0 * 11;  // CD1
        cd = cd + 1.0 * 9;   // CD2
        cd = cd + 0.3 * 7;   // RB
        cd = cd + 0.3 * 6;   // LB
        cd = cd + 0.5 * 4;   // RW
        cd = cd + 0.2 * 7;   // IM1
        cd = cd + 0.2 * 5;   // IM2
        cd = cd + 0.5 * 8;   // LW
        cd = fall(cd, 0.07); // trainer 1
        cd = fall(cd, 0.1);  // Tranquille
        cd = fall(cd, 0.05); // Attaque sur les ailes
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralDefence]), exact(cd));

        double rd = 0.0;
        rd = rd + 1.0 * 9;
        rd = rd + 0.7 * 11;
        rd = rd + 0.8 * 7;
        rd = rd + 0.6 * 4;
        rd = rd + 0.5 * 7;
        rd = fall(rd, 0.1);
        rd = fall(rd, 0.1);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::RightDefence]), exact(rd));

        double ld = 0.0;
        ld = ld + 1.0 * 9;
        ld = ld + 0.7 * 9;
        ld = ld + 0.8 * 6;
        ld = ld + 0.6 * 8;
        ld = ld + 0.5 * 5;
        ld = fall(ld, 0.1);
        ld = fall(ld, 0.1);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::LeftDefence]), exact(ld));

        double mid = 0.0;
        mid = mid + 1.0 * 10; // IM1
        mid = mid + 1.0 * 9;  // IM2
        mid = mid + 0.7 * 6;  // RW
        mid = mid + 0.7 * 5;  // LW
        mid = fall(mid, 0.1); // Furieux
        mid = fall(mid, 0.2); // Tranquille
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::Midfield]), exact(mid));

        double ca = 0.0;
        ca = ca + 0.5 * 8;
        ca = ca + 0.5 * 7;
        ca = ca + (1.0 * 11 + 1.0 * 7);
        ca = ca + (1.0 * 9 + 1.0 * 6);
        ca = rise(ca, 0.07);  // trainer 1
        ca = fall(ca, 0.025); // Faible
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::CentralAttack]), exact(ca));

        double ra = 0.0;
        ra = ra + 0.6 * 6;
        ra = ra + (0.6 * 9 + 0.5 * 5);
        ra = ra + 0.6 * 8;
        ra = ra + 0.9 * 11;
        ra = ra + 0.9 * 9;
        ra = rise(ra, 0.07);
        ra = fall(ra, 0.025);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::RightAttack]), exact(ra));

        double la = 0.0;
        la = la + 0.6 * 7;
        la = la + (0.6 * 8 + 0.5 * 6);
        la = la + 0.6 * 7;
        la = la + 0.9 * 11;
        la = la + 0.9 * 9;
        la = rise(la, 0.07);
        la = fall(la, 0.025);
        QCOMPARE(exact(b.teamFigures().sector[SectorRatings::LeftAttack]), exact(la));

        // Attaque sur les ailes: PS + experience over the ten outfield players:
        // (3+2) + (2+3) + (4+4) + (5+5) + (5+6) + (8+7) + (7+8) + (6+9) + (7+10) + (6+11) = 118
        QCOMPARE(b.teamFigures().tacticStrength, 118.0);
        // 11.8 → half-step 12 → "Inoubliable"
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), QStringLiteral("Inoubliable"));
    }
};

QTEST_GUILESS_MAIN(TestSectorRatings)
#include "tst_sectorratings.moc"
