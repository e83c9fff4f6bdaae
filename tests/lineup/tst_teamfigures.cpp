// Team figures as the window shows them: the empty board, a keeper alone, a full team
// worked out by hand, the value labels and strips of a slot, the tactic labels and the
// team text.
#include "LineupFixture.h"
#include "common/NameTables.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"

#include <QtTest>

using namespace LineupSlots;

class TestTeamFigures : public QObject {
    Q_OBJECT

    // Every behaviour Normal; neutral conditions except the trainer.
    static void neutralConditions(Board &b, int trainer)
    {
        b.edit()->setCondition(Board::Tactique, 0);
        b.edit()->setCondition(Board::Attitude, 1);
        b.edit()->setCondition(Board::Lieu, 0);
        b.edit()->setCondition(Board::Confiance, 4);
        b.edit()->setCondition(Board::TeamSpirit, 4);
        b.edit()->setCondition(Board::Entraineur, trainer);
    }

private slots:
    void emptyBoardAfterClear()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Alpha"), 11);
        Board &b = fx.makeBoard();
        QVERIFY(!b.presenter().pinfosVisible());
        b.clearPressed();
        const Board::Figures &f = b.figures();
        QCOMPARE(f.CD, -3.0);
        QCOMPARE(f.RD, -3.0);
        QCOMPARE(f.LD, -3.0);
        QCOMPARE(f.DEF, -9.0);
        QCOMPARE(f.ATT, -9.0);
        QCOMPARE(f.MID3, -9.0);
        QCOMPARE(f.E, -27.0);
        QCOMPARE(b.teamFigures().velstats, -27);
        QCOMPARE(b.text(QStringLiteral("LVelstats")), QStringLiteral("-27"));
        QVERIFY(b.isVisible(QStringLiteral("Pinfos")));
        const QString low = QString::fromUtf8("Inexistant (inférieur)");
        for (const char *label : {"LForceDefenseCentrale", "LforceDefenseDroite", "LForceDefenseGauche",
                                  "LForceAttaqueCentrale", "LForceAttaqueDroite", "LForceAttaqueGauche"})
            QCOMPARE(b.text(QLatin1String(label)), low);
        QCOMPARE(b.text(QStringLiteral("LForceMilieu")), QStringLiteral("Milieu : ") + low);
    }

    void keeperAlone()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Gardien"), 1).KeeperSkill = 7;
        Board &b = fx.makeBoard();
        neutralConditions(b, 2);
        b.slotPicked(Keeper, 1);
        // central defence 7 / 5 = 1.4: 4·1 − 3 + 1 = 2; sides 7 / 4 = 1.75: 4·1 − 3 + 2 = 3
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 7.0);
        QCOMPARE(b.figures().CD, 2.0);
        QCOMPARE(b.figures().RD, 3.0);
        QCOMPARE(b.figures().LD, 3.0);
        QCOMPARE(b.text(QStringLiteral("LForceDefenseCentrale")), QStringLiteral("Catastrophique (bas)"));
        QCOMPARE(b.text(QStringLiteral("LforceDefenseDroite")), QStringLiteral("Catastrophique (haut)"));
        // DEF 8, MID3 −9, ATT −9
        QCOMPARE(b.figures().E, -10.0);
        QCOMPARE(b.teamFigures().velstats, -10);
    }

    void fullTeamByHand()
    {
        LineupFixture fx;
        Tplayer *p[12];
        for (int i = 1; i <= 11; ++i)
            p[i] = &fx.add(QStringLiteral("P%1").arg(i), 100 + i);
        p[Keeper]->KeeperSkill = 10;
        p[RightBack]->DefenderSkill = 8, p[RightBack]->WingerSkill = 6, p[RightBack]->PlaymakerSkill = 3;
        p[CentralDefender1]->DefenderSkill = 12, p[CentralDefender1]->PlaymakerSkill = 2;
        p[CentralDefender2]->DefenderSkill = 10;
        p[LeftBack]->DefenderSkill = 7, p[LeftBack]->WingerSkill = 5;
        p[RightWinger]->DefenderSkill = 4, p[RightWinger]->WingerSkill = 9;
        p[RightWinger]->PassingSkill = 5, p[RightWinger]->PlaymakerSkill = 6;
        p[InnerMidfielder1]->DefenderSkill = 5, p[InnerMidfielder1]->PlaymakerSkill = 11;
        p[InnerMidfielder1]->PassingSkill = 8;
        p[InnerMidfielder2]->DefenderSkill = 6, p[InnerMidfielder2]->PlaymakerSkill = 9;
        p[InnerMidfielder2]->PassingSkill = 6;
        p[LeftWinger]->DefenderSkill = 3, p[LeftWinger]->WingerSkill = 7;
        p[LeftWinger]->PassingSkill = 4, p[LeftWinger]->PlaymakerSkill = 5;
        p[Forward1]->ScorerSkill = 12, p[Forward1]->PassingSkill = 7;
        p[Forward2]->ScorerSkill = 10, p[Forward2]->PassingSkill = 6;

        Board &b = fx.makeBoard();
        neutralConditions(b, 2);
        for (int place = Keeper; place <= Forward2; ++place)
            b.slotPicked(place, fx.entryOf(place - 1));

        // Central defence: K + CD1 + CD2 + 0.3 RB + 0.3 LB + 0.5 RW + 0.2 IM1 + 0.2 IM2 + 0.5 LW
        const double cd = 0.0 + 1.0 * 10 + 1.0 * 12 + 1.0 * 10 + 0.3 * 8 + 0.3 * 7 + 0.5 * 4 + 0.2 * 5 + 0.2 * 6
                          + 0.5 * 3; // 42.2; / 5 = 8.44 → 4·8 − 3 + 1 = 30
        // Right defence: K + 0.7 CD1 + 0.8 RB + 0.6 RW + 0.5 IM1 = 29.7; / 4 = 7.425 → 26
        const double rd = 0.0 + 1.0 * 10 + 0.7 * 12 + 0.8 * 8 + 0.6 * 4 + 0.5 * 5;
        // Left defence: K + 0.7 CD2 + 0.8 LB + 0.6 LW + 0.5 IM2 = 27.4; / 4 = 6.85 → 24
        const double ld = 0.0 + 1.0 * 10 + 0.7 * 10 + 0.8 * 7 + 0.6 * 3 + 0.5 * 6;
        // Midfield: IM1 + IM2 + 0.7 RW + 0.7 LW = 27.7; / 8 = 3.4625 → 10, three times 30
        const double mid = 0.0 + 1.0 * 11 + 1.0 * 9 + 0.7 * 6 + 0.7 * 5;
        // Central attack: 0.5 PS of each midfielder, SC + PS of each forward = 42, trainer
        // type 2 takes 7%: 39.06; / 6 = 6.51 → 23
        double ca = 0.0 + 0.5 * 8 + 0.5 * 6 + (1.0 * 12 + 1.0 * 7) + (1.0 * 10 + 1.0 * 6);
        ca = ca - 0.07 * ca;
        // Right attack: 0.6 W RB, 0.6 W + 0.5 PS RW, 0.6 PS IM1, 0.9 SC of both forwards
        // = 36.1, minus 7%: 33.573; / 6 = 5.5955 → 19
        double ra = 0.0 + 0.6 * 6 + (0.6 * 9 + 0.5 * 5) + 0.6 * 8 + 0.9 * 12 + 0.9 * 10;
        ra = ra - 0.07 * ra;
        // Left attack: = 32.6, minus 7%: 30.318; / 6 = 5.053 → 17
        double la = 0.0 + 0.6 * 5 + (0.6 * 7 + 0.5 * 4) + 0.6 * 6 + 0.9 * 12 + 0.9 * 10;
        la = la - 0.07 * la;

        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], cd);
        QCOMPARE(b.teamFigures().sector[SectorRatings::RightDefence], rd);
        QCOMPARE(b.teamFigures().sector[SectorRatings::LeftDefence], ld);
        QCOMPARE(b.teamFigures().sector[SectorRatings::Midfield], mid);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralAttack], ca);
        QCOMPARE(b.teamFigures().sector[SectorRatings::RightAttack], ra);
        QCOMPARE(b.teamFigures().sector[SectorRatings::LeftAttack], la);

        const Board::Figures &f = b.figures();
        QCOMPARE(f.CD, 30.0);
        QCOMPARE(f.RD, 26.0);
        QCOMPARE(f.LD, 24.0);
        QCOMPARE(f.DEF, 80.0);
        QCOMPARE(f.MID3, 30.0);
        QCOMPARE(f.CA, 23.0);
        QCOMPARE(f.RA, 19.0);
        QCOMPARE(f.LA, 17.0);
        QCOMPARE(f.ATT, 59.0);
        QCOMPARE(f.E, 169.0);
        QCOMPARE(b.teamFigures().velstats, 169);

        QCOMPARE(b.text(QStringLiteral("LForceDefenseCentrale")), QStringLiteral("Très bon (bas)"));
        QCOMPARE(b.text(QStringLiteral("LforceDefenseDroite")), QStringLiteral("Honorable (bas)"));
        QCOMPARE(b.text(QStringLiteral("LForceDefenseGauche")), QString::fromUtf8("Passable (supérieur)"));
        QCOMPARE(b.text(QStringLiteral("LForceMilieu")), QString::fromUtf8("Milieu : Médiocre (bas)"));
        QCOMPARE(b.text(QStringLiteral("LForceAttaqueCentrale")), QStringLiteral("Passable (haut)"));
        QCOMPARE(b.text(QStringLiteral("LForceAttaqueDroite")), QString::fromUtf8("Inadéquat (haut)"));
        QCOMPARE(b.text(QStringLiteral("LForceAttaqueGauche")), QString::fromUtf8("Inadéquat (inférieur)"));

        const QString force1 = QString::fromUtf8(
            "Force équipe : \t 169,00 \r\n"
            "Force Def. :\t 80,00 \r\n"
            "Force Def. g. :\t 24,00 \r\n"
            "Force Def. d. :\t 26,00 \r\n"
            "Force Def. c. :\t 30,00 \r\n"
            "Force Milieu :\t 30,00 \r\n"
            "Force Att. :\t 59,00 \r\n"
            "Force Att. g. :\t 17,00 \r\n"
            "Force Att. d. :\t 19,00 \r\n"
            "Force Att. c. :\t 23,00 \r\n");
        QCOMPARE(b.text(QStringLiteral("LForce1")), force1);
        QCOMPARE(b.text(QStringLiteral("LVelstats")), QStringLiteral("169"));
    }

    void valueLabelAndStars()
    {
        LineupFixture fx;
        Tplayer &k = fx.add(QStringLiteral("Gardien"), 1);
        k.PositionValue[0] = 7.3;
        Tplayer &m = fx.add(QStringLiteral("Milieu"), 2);
        m.PositionValue[13 - 1] = 7.6;   // M, the inner midfielder on Normal
        m.PositionValue[14 - 1] = 6.6;   // MD, on Défensif
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        // 7.3 → 7 → 3.5 stars: 49 pixels, left round(6.5 × 14 / 2 + 233) = round(278.5) = 278
        QCOMPARE(b.text(QStringLiteral("LG")), QStringLiteral("( 7,30 )"));
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesGardien")).width, 49);
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesGardien")).left, 278);

        b.slotPicked(InnerMidfielder1, 2);
        // 7.6 → 7.5 → 3.75 → shown as 4 stars: 56 pixels at 3 × 14 + 157 = 199
        QCOMPARE(b.text(QStringLiteral("LM1")), QStringLiteral("( 7,60 )"));
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesMilieu1")).width, 56);
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesMilieu1")).left, 199);
        // The behaviour chooses the value: Défensif reads MD, 6.6 → 6.5 → 3.25 → 3 stars
        b.behaviourPicked(InnerMidfielder1, 1);
        QCOMPARE(b.text(QStringLiteral("LM1")), QStringLiteral("( 6,60 )"));
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesMilieu1")).width, 42);

        b.edit()->setNumberLocale(QLocale::c());
        b.behaviourPicked(InnerMidfielder1, 0);
        QCOMPARE(b.text(QStringLiteral("LM1")), QStringLiteral("( 7.60 )"));
    }

    void emptySlotKeepsItsLabel()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Gardien"), 1).PositionValue[0] = 5;
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        QCOMPARE(b.text(QStringLiteral("LG")), QStringLiteral("( 5,00 )"));
        // A slot evaluation of an empty box leaves label and strip alone.
        b.edit()->setSlotEntry(Keeper, 0);
        b.edit()->evaluate(Keeper);
        QCOMPARE(b.text(QStringLiteral("LG")), QStringLiteral("( 5,00 )"));
        // The event clears the display first.
        b.slotPicked(Keeper, 0);
        QCOMPARE(b.text(QStringLiteral("LG")), QString());
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesGardien")).width, 0);
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesGardien")).left, 233 + 70);
    }

    void tacticLabels_data()
    {
        QTest::addColumn<int>("experience");
        QTest::addColumn<double>("strength");
        QTest::addColumn<QString>("level");
        // Pressing: ten outfield players with DefenderSkill 10: (10·10 + 10·x) / 2
        QTest::newRow("85 rounds to 8") << 7 << 85.0 << QString::fromUtf8("Très bon");
        QTest::newRow("95 rounds to 10") << 9 << 95.0 << QStringLiteral("Impressionnant");
    }
    void tacticLabels()
    {
        QFETCH(int, experience);
        QFETCH(double, strength);
        QFETCH(QString, level);
        LineupFixture fx;
        fx.add(QStringLiteral("Gardien"), 1);
        for (int i = 2; i <= 11; ++i) {
            Tplayer &p = fx.add(QStringLiteral("P%1").arg(i), i);
            p.DefenderSkill = 10;
            p.Experience = experience;
        }
        Board &b = fx.makeBoard();
        for (int place = Keeper; place <= Forward2; ++place)
            b.slotPicked(place, place);
        b.conditionPicked(Board::Tactique, 1);
        QCOMPARE(b.teamFigures().tacticStrength, strength);
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), level);
        QCOMPARE(b.text(QStringLiteral("LabelTactique")), QStringLiteral("Tactique : Pressing"));
        // Normal always shows "---", whatever the lineup.
        b.conditionPicked(Board::Tactique, 0);
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), QStringLiteral("---"));
        QCOMPARE(b.text(QStringLiteral("LabelTactique")), QStringLiteral("Tactique : Normal"));
    }

    void pressingWithTwoSpecialists()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Gardien"), 1).DefenderSkill = 20;  // the keeper does not count
        for (int i = 2; i <= 11; ++i) {
            Tplayer &p = fx.add(QStringLiteral("P%1").arg(i), i);
            p.DefenderSkill = 10;
            p.Experience = 4;
            p.Specialty = i <= 3 ? 3 : 1;
        }
        Board &b = fx.makeBoard();
        for (int place = Keeper; place <= Forward2; ++place)
            b.slotPicked(place, place);
        b.conditionPicked(Board::Tactique, 1);
        // (8·10 + 2·20 + 10·4) / 2 = 80 → level 8
        QCOMPARE(b.teamFigures().tacticStrength, 80.0);
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), QString::fromUtf8("Très bon"));
    }

    void attackingTacticsCountPassingAndExperience()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Gardien"), 1).PassingSkill = 20;
        Tplayer &a = fx.add(QStringLiteral("A"), 2);
        a.PassingSkill = 6, a.Experience = 3;
        Tplayer &c = fx.add(QStringLiteral("C"), 3);
        c.PassingSkill = 8, c.Experience = 5;
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        b.slotPicked(InnerMidfielder1, 2);
        b.slotPicked(Forward2, 3);
        b.conditionPicked(Board::Tactique, 3);
        QCOMPARE(b.teamFigures().tacticStrength, 6.0 + 3 + 8 + 5);
        b.conditionPicked(Board::Tactique, 4);
        QCOMPARE(b.teamFigures().tacticStrength, 22.0);
        // 22 / 10 = 2.2 → 2 "Très mauvais"
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), QString::fromUtf8("Très mauvais"));
    }
};

QTEST_GUILESS_MAIN(TestTeamFigures)
#include "tst_teamfigures.moc"
