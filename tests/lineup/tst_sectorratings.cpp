// Sector formulas through the board: which behaviour adds which term, the defensive marks,
// the running 0.95 of a repositioned forward, and which condition moves which sector.
#include "LineupFixture.h"
#include "evaluation/NameTables.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"

#include <QtTest>

using namespace LineupSlots;
using SectorRatings::Sector;

class TestSectorRatings : public QObject {
    Q_OBJECT

    static std::array<double, 7> sectors(const Board &b)
    {
        std::array<double, 7> s{};
        for (int i = 0; i < 7; ++i)
            s[i] = b.sector(static_cast<Sector>(i));
        return s;
    }

    // Conditions that change nothing: no trainer, attitude Normal, home, tactic Normal,
    // confidence Passable, spirit Passifs.
    static void neutral(Board &b)
    {
        b.setCondition(Board::Tactique, 0);
        b.setCondition(Board::Attitude, 1);
        b.setCondition(Board::Lieu, 0);
        b.setCondition(Board::Confiance, 4);
        b.setCondition(Board::TeamSpirit, 4);
        b.setCondition(Board::Entraineur, -1);
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
    void init()
    {
        TestSupport::resetProcessTexts();
    }

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
        QCOMPARE(b.sector(SectorRatings::CentralDefence), 0.0 + expected);
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
        QCOMPARE(b.sector(SectorRatings::CentralDefence), 0.0 + 0.95 * 10 + 0.95 * 8);
        QCOMPARE(b.mark(4), 42); // the last repositioned defender in slot order
        // The midfielder on Défenseur still adds a tenth of his playmaking; the forward on
        // Défenseur nothing.
        QCOMPARE(b.sector(SectorRatings::Midfield), 0.0);
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
        QCOMPARE(b.sector(SectorRatings::CentralAttack), (0.0 + 6 + 4) * 0.95); // 9.5
        b.slotPicked(InnerMidfielder1, 2);
        b.behaviourPicked(InnerMidfielder1, 4);
        // The 0.95 applies to the whole running sum: (9.5 + 5 + 7) × 0.95 = 20.425
        QCOMPARE(b.sector(SectorRatings::CentralAttack), ((0.0 + 6 + 4) * 0.95 + 5 + 7) * 0.95);
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
        QCOMPARE(b.sector(SectorRatings::CentralAttack), 0.0 + 0.5 * 8 + (1.0 * 10 + 1.0 * 6));
        // An empty midfielder 2 on Attaquant adds nothing but still weakens the sum so far
        // (midfielder 1's term); the forwards come after him.
        b.behaviourPicked(InnerMidfielder2, 4);
        QCOMPARE(b.sector(SectorRatings::CentralAttack), (0.0 + 0.5 * 8 + 0 + 0) * 0.95 + (1.0 * 10 + 1.0 * 6));
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
        QCOMPARE(b.sector(SectorRatings::LeftAttack), 0.0 + (0.6 * 9 + 0.5 * 5) + 0.6 * 8 + 0.9 * 10);
        // Both forwards count in both side attacks; the right side has only him.
        QCOMPARE(b.sector(SectorRatings::RightAttack), 0.0 + 0.9 * 10);
        // Midfielder on "Sur l'aile": half his winger skill instead of his passing.
        b.behaviourPicked(InnerMidfielder2, 3);
        QCOMPARE(b.sector(SectorRatings::LeftAttack), 0.0 + (0.6 * 9 + 0.5 * 5) + 0.5 * 4 + 0.9 * 10);
        // Forward on Défensif: half his scoring.
        b.behaviourPicked(Forward1, 1);
        QCOMPARE(b.sector(SectorRatings::RightAttack), 0.0 + 0.5 * 10);
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
        QCOMPARE(b.sector(SectorRatings::LeftDefence), 0.0 + 1.0 * 8 + 0.7 * 10 + 0.8 * 6);
        QCOMPARE(b.sector(SectorRatings::RightDefence), 0.0 + 1.0 * 8);
        QCOMPARE(b.mark(3), 11);
        QCOMPARE(b.mark(5), 12);
        QCOMPARE(b.mark(1), -1); // right back empty on Normal
        QCOMPARE(b.mark(2), -1); // central defender 1 empty on Normal
        b.behaviourPicked(LeftBack, 3);   // Vers le centre: no side term, no mark
        QCOMPARE(b.sector(SectorRatings::LeftDefence), 0.0 + 1.0 * 8 + 0.7 * 10);
        QCOMPARE(b.mark(5), 0);
        b.behaviourPicked(CentralDefender2, 2); // vers l'aile
        QCOMPARE(b.sector(SectorRatings::LeftDefence), 0.0 + 1.0 * 8 + 0.9 * 10);
        QCOMPARE(b.sector(SectorRatings::CentralDefence), 0.0 + 1.0 * 8 + 0.3 * 10 + 0.8 * 6);
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
        QCOMPARE(b.condition(Board::TeamSpirit), -1);
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
        QCOMPARE(b.tacticStrength(), (2.0 * 1 + 10 + 2) + (2.0 * 4 + 10 + 2));
        b.behaviourPicked(RightBack, 3); // Vers le centre: no mark 1
        QCOMPARE(b.tacticStrength(), 2.0 * 4 + 10 + 2);
    }

    void unsetMarkDoesNotCountAPlayerWithIdZero()
    {
        LineupFixture fx;
        Tplayer &zero = fx.add(QStringLiteral("Zero"), 0);
        zero.PassingSkill = 5, zero.DefenderSkill = 5, zero.Experience = 5;
        Board &b = fx.makeBoard();
        b.slotPicked(InnerMidfielder1, 1);
        b.conditionPicked(Board::Tactique, 2);
        QCOMPARE(b.tacticStrength(), 0.0);
        // Placed as a central defender he is mark 2 and counts once.
        b.slotPicked(CentralDefender1, 1);
        QCOMPARE(b.tacticStrength(), 2.0 * 5 + 5 + 5);
    }
};

QTEST_GUILESS_MAIN(TestSectorRatings)
#include "tst_sectorratings.moc"
