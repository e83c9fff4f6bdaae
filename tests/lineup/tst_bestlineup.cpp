// The best lineup search: who is eligible, ties, the fill order, the options, the places
// that cannot be filled, and the choice among the six sector orders.
#include "LineupFixture.h"
#include "common/NameTables.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"

#include <QSignalSpy>
#include <QtTest>

using namespace LineupSlots;

namespace {

// A player who is worth nothing anywhere (every value below 0) until told otherwise.
Tplayer &addNobody(LineupFixture &fx, const QString &name, int id)
{
    Tplayer &p = fx.add(name, id);
    p.PositionValue.fill(-1.0);
    return p;
}

constexpr int kDC = 6, kM = 13, kAT = 17; // position kinds DC, M, AT

QStringList unfilledNames(const QList<int> &places)
{
    QStringList names;
    for (int p : places)
        names << QLatin1String(unfilledName(p));
    return names;
}

} // namespace

class TestBestLineup : public QObject {
    Q_OBJECT
private slots:
    void tieGoesToTheLaterPlayer()
    {
        LineupFixture fx;
        addNobody(fx, QStringLiteral("Premier"), 1).PositionValue[kDC - 1] = 5.0;
        addNobody(fx, QStringLiteral("Second"), 2).PositionValue[kDC - 1] = 5.0;
        Board &b = fx.makeBoard();
        b.runSearch();
        QCOMPARE(b.text(QStringLiteral("cbDefenseurCentral1")), QStringLiteral("Second"));
        QCOMPARE(b.text(QStringLiteral("cbDefenseurCentral2")), QStringLiteral("Premier"));
        QCOMPARE(b.state().placement(CentralDefender1), 2);
        QCOMPARE(b.state().placement(CentralDefender2), 1);
    }

    void zeroCanBePlacedNegativeNever()
    {
        LineupFixture fx;
        addNobody(fx, QStringLiteral("Zero"), 1).PositionValue[kDC - 1] = 0.0;
        addNobody(fx, QStringLiteral("Negatif"), 2).PositionValue[kDC - 1] = -0.5;
        Board &b = fx.makeBoard();
        QList<int> unfilled;
        b.runSearch(&unfilled);
        QCOMPARE(b.state().placement(CentralDefender1), 1);
        QCOMPARE(b.entry(QStringLiteral("cbDefenseurCentral2")), 0);
        QVERIFY(unfilled.contains(CentralDefender2));
        for (int p = Keeper; p <= SubstituteForward; ++p)
            QVERIFY(b.state().placement(p) != 2);
    }

    void eligibility_data()
    {
        QTest::addColumn<int>("injury");
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("trainerType");
        QTest::addColumn<bool>("selectable");
        QTest::addColumn<bool>("ignoreInjuries");
        QTest::addColumn<bool>("ignoreCards");
        QTest::addColumn<bool>("placed");
        QTest::newRow("fit") << 0 << 0 << 0 << true << false << false << true;
        QTest::newRow("injury level -1 is fit") << -1 << 0 << 0 << true << false << false << true;
        QTest::newRow("injured") << 1 << 0 << 0 << true << false << false << false;
        QTest::newRow("injured, injuries ignored") << 1 << 0 << 0 << true << true << false << true;
        QTest::newRow("one yellow card") << 0 << 1 << 0 << true << false << false << true;
        QTest::newRow("two yellow cards") << 0 << 2 << 0 << true << false << false << true;
        QTest::newRow("red card") << 0 << 3 << 0 << true << false << false << false;
        QTest::newRow("red card, cards ignored") << 0 << 3 << 0 << true << false << true << true;
        QTest::newRow("trainer row") << 0 << 0 << 1 << false << true << true << false;
        QTest::newRow("trainer still ticked") << 0 << 0 << 2 << true << true << true << false;
        QTest::newRow("unticked in the roster list") << 0 << 0 << 0 << false << true << true << false;
    }
    void eligibility()
    {
        QFETCH(int, injury);
        QFETCH(int, cards);
        QFETCH(int, trainerType);
        QFETCH(bool, selectable);
        QFETCH(bool, ignoreInjuries);
        QFETCH(bool, ignoreCards);
        QFETCH(bool, placed);
        LineupFixture fx;
        Tplayer &star = fx.add(QStringLiteral("Vedette"), 10);
        star.PositionValue.fill(9.0);
        star.CaptainValue = 20, star.SetPiecesSkill = 20;
        star.InjuryLevel = injury, star.Cards = cards, star.TrainerType = trainerType;
        star.Selectable = selectable;
        Tplayer &other = fx.add(QStringLiteral("Autre"), 11);
        other.PositionValue.fill(1.0);
        Board &b = fx.makeBoard();
        b.optionToggled(Board::Blesse, ignoreInjuries);
        b.optionToggled(Board::Cartons, ignoreCards);
        b.calcule();
        QCOMPARE(b.state().placement(Keeper), placed ? 10 : 11);
        QCOMPARE(b.text(QStringLiteral("cbGardien")), placed ? QStringLiteral("Vedette") : QStringLiteral("Autre"));
        QCOMPARE(b.text(QStringLiteral("cbCapitaine")), placed ? QStringLiteral("Vedette") : QStringLiteral("Autre"));
        QCOMPARE(b.text(QStringLiteral("cbCPA")), placed ? QStringLiteral("Vedette") : QStringLiteral("Autre"));
        // Nobody is placed twice, however few players there are.
        QSet<int32_t> seen;
        for (int p = Keeper; p <= SubstituteForward; ++p) {
            if (b.state().placement(p) != -1)
                QVERIFY(!seen.contains(b.state().placement(p)));
            seen.insert(b.state().placement(p));
        }
    }

    void unselectedPlayerOnTheFieldIsNeverCaptain()
    {
        LineupFixture fx;
        Tplayer &a = fx.add(QStringLiteral("Ancien"), 1);
        a.Selectable = false, a.CaptainValue = 30, a.SetPiecesSkill = 30, a.PositionValue[0] = 9;
        Tplayer &c = fx.add(QStringLiteral("Capitaine"), 2);
        c.CaptainValue = 3, c.SetPiecesSkill = 2;
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1); // placed by hand
        b.calcule();
        QCOMPARE(b.state().placement(Keeper), 1);
        QCOMPARE(b.text(QStringLiteral("cbCapitaine")), QStringLiteral("Capitaine"));
        QCOMPARE(b.text(QStringLiteral("cbCPA")), QStringLiteral("Capitaine"));
    }

    void substituteIsNeverCaptain()
    {
        LineupFixture fx;
        for (int i = 1; i <= 11; ++i)
            fx.add(QStringLiteral("Titulaire%1").arg(i), i).PositionValue.fill(5.0);
        Tplayer &sub = addNobody(fx, QStringLiteral("Banc"), 12);
        sub.PositionValue[kDC - 1] = 1.0;
        sub.CaptainValue = 50;
        fx.roster->players[3].CaptainValue = 4;
        Board &b = fx.makeBoard();
        b.calcule();
        QCOMPARE(b.state().placement(SubstituteDefender), 12);
        QCOMPARE(b.state().captainPlayerId(), 4);
    }

    void repositionedSlotsTakeTheirKind()
    {
        LineupFixture fx;
        for (int i = 0; i < 3; ++i) {
            addNobody(fx, QStringLiteral("Def%1").arg(i + 1), 10 + i).PositionValue[kDC - 1] = 7 - i;
            addNobody(fx, QStringLiteral("Mil%1").arg(i + 1), 20 + i).PositionValue[kM - 1] = 7 - i;
            addNobody(fx, QStringLiteral("Av%1").arg(i + 1), 30 + i).PositionValue[kAT - 1] = 7 - i;
        }
        Board &b = fx.makeBoard();
        b.behaviourPicked(Forward1, 4);         // Défenseur: the best central defender left
        b.behaviourPicked(RightWinger, 5);      // Milieu: the best inner midfielder left
        b.behaviourPicked(CentralDefender1, 4); // Attaquant: the best forward
        b.runSearch();
        // DEF-MID-ATT: CD1, CD2, RB, LB, IM1, IM2, RW, LW, F1, F2
        QCOMPARE(b.text(QStringLiteral("cbDefenseurCentral1")), QStringLiteral("Av1"));
        QCOMPARE(b.text(QStringLiteral("cbDefenseurCentral2")), QStringLiteral("Def1"));
        QCOMPARE(b.text(QStringLiteral("cbMilieu1")), QStringLiteral("Mil1"));
        QCOMPARE(b.text(QStringLiteral("cbMilieu2")), QStringLiteral("Mil2"));
        QCOMPARE(b.text(QStringLiteral("cbAilierDroit")), QStringLiteral("Mil3"));
        QCOMPARE(b.text(QStringLiteral("cbAttaquant1")), QStringLiteral("Def2"));
        QCOMPARE(b.text(QStringLiteral("cbAttaquant2")), QStringLiteral("Av2"));
        QCOMPARE(b.text(QStringLiteral("cbAilierGauche")), QString());
        // Behaviours are never changed by the search.
        QCOMPARE(b.state().behaviourEntry(Forward1), 4);
        QCOMPARE(b.state().behaviourEntry(RightWinger), 5);
        QCOMPARE(b.state().behaviourEntry(CentralDefender1), 4);
    }

    void unfilledPlacesStayEmptyAndTheRunFinishes()
    {
        LineupFixture fx;
        for (int i = 1; i <= 12; ++i)
            fx.add(QStringLiteral("J%1").arg(i), i).PositionValue.fill(double(i));
        Board &b = fx.makeBoard();
        QSignalSpy started(&b, &Board::searchStarted);
        QSignalSpy finished(&b, &Board::searchFinished);
        const Board::CalculeResult r = b.calcule();
        QCOMPARE(started.count(), 7);
        QCOMPARE(finished.count(), 7);
        QVERIFY(!b.searchFlag());
        // Eleven on the field, the twelfth on the first substitute place (defender); the
        // four others, in their fill order, stay empty.
        QCOMPARE(unfilledNames(r.unfilled),
                 (QStringList{QStringLiteral("substitute_inner_midfielder"), QStringLiteral("substitute_forward"),
                              QStringLiteral("substitute_winger"), QStringLiteral("substitute_keeper")}));
        QCOMPARE(b.state().placement(SubstituteDefender), 1);
        QCOMPARE(b.state().slotEntry(SubstituteKeeper), 0);
        QCOMPARE(b.state().placement(SubstituteKeeper), -1);
        // The figures of the end of the run are there; the evaluation labels refresh again.
        QVERIFY(b.presenter().pinfosVisible());
        QCOMPARE(b.figures().E, r.evaluation);
        QCOMPARE(double(b.teamFigures().velstats), r.evaluation);
        b.conditionPicked(Board::Lieu, 1);
        QVERIFY(b.text(QStringLiteral("LForce1")).startsWith(QString::fromUtf8("Force équipe : \t")));
    }

    void ordersAreComparedAndTheBestIsRebuilt()
    {
        // One star who can defend or attack, and a second player who is worth 1 at both.
        // In a central defender's slot the star's defending of 1 is worth nothing; up front
        // his scoring and passing of 20 carry the attack.
        LineupFixture fx;
        Tplayer &star = addNobody(fx, QStringLiteral("Vedette"), 1);
        star.PositionValue[kDC - 1] = 9, star.PositionValue[kAT - 1] = 9;
        star.DefenderSkill = 1, star.ScorerSkill = 20, star.PassingSkill = 20;
        Tplayer &x = addNobody(fx, QStringLiteral("Doublure"), 2);
        x.PositionValue[kDC - 1] = 1, x.PositionValue[kAT - 1] = 1;
        Board &b = fx.makeBoard();
        b.edit()->setCondition(Board::Confiance, 5);  // attack +5%
        b.optionToggled(Board::RecalculTous, true);
        const Board::CalculeResult r = b.calcule();
        // Star in defence: central defence 1 / 5 = 0.2 and sides 0.7 / 4: −3 each, so E = −27.
        // Star up front: central attack (20 + 20) + 5% = 42, 42 / 6 = 7 → 25; each side
        // 0.9 × 20 = 18 + 5% = 18.9, / 6 = 3.15 → 9; E = −9 − 9 + 25 + 9 + 9 = 25.
        // DEF-MID-ATT and DEF-ATT-MID fill the defence first, ATT-MID-DEF and ATT-DEF-MID the
        // attack; MID-ATT-DEF finds no midfielder and reaches the attack first, MID-DEF-ATT
        // the defence.
        const std::array<double, 6> expected = {-27, -27, 25, 25, 25, -27};
        QCOMPARE(r.orderResults, expected);
        QCOMPARE(r.chosenOrder, 2);
        QCOMPARE(b.state().sectorOrder(), 2);
        QCOMPARE(r.evaluation, 25.0);
        QCOMPARE(b.text(QStringLiteral("cbAttaquant1")), QStringLiteral("Vedette"));
        QCOMPARE(b.text(QStringLiteral("cbAttaquant2")), QStringLiteral("Doublure"));
        // The earlier runs' defenders do not stay in the boxes.
        QCOMPARE(b.state().slotEntry(CentralDefender1), 0);
        QCOMPARE(b.state().slotEntry(CentralDefender2), 0);
        QCOMPARE(unfilledNames(r.unfilled).first(), QStringLiteral("keeper"));
        QCOMPARE(r.unfilled.size(), 14);
        QVERIFY(b.text(QStringLiteral("LForce1")).startsWith(QString::fromUtf8("Force équipe :\t 25,00 \r\n")));
        QCOMPARE(b.text(QStringLiteral("LVelstats")), QStringLiteral("25"));
    }

    void withoutRecomputeTheFirstOrderFillsEverything()
    {
        LineupFixture fx;
        Tplayer &star = addNobody(fx, QStringLiteral("Vedette"), 1);
        star.PositionValue[kDC - 1] = 9, star.PositionValue[kAT - 1] = 9;
        star.ScorerSkill = 20, star.PassingSkill = 20;
        Tplayer &x = addNobody(fx, QStringLiteral("Doublure"), 2);
        x.PositionValue[kDC - 1] = 1, x.PositionValue[kAT - 1] = 1;
        Board &b = fx.makeBoard();
        const Board::CalculeResult r = b.calcule();
        for (double e : r.orderResults)
            QCOMPARE(e, r.orderResults[0]);
        QCOMPARE(r.chosenOrder, 0);
        QCOMPARE(b.text(QStringLiteral("cbDefenseurCentral1")), QStringLiteral("Vedette"));
    }

    void completeLineupIsKept()
    {
        LineupFixture fx;
        for (int i = 1; i <= 16; ++i) {
            Tplayer &p = fx.add(QStringLiteral("J%1").arg(i, 2, 10, QLatin1Char('0')), 100 + i);
            p.PositionValue.fill(double(i));
            p.CaptainValue = i == 5 ? 9 : 1;
        }
        Board &b = fx.makeBoard();
        for (int place = Keeper; place <= Forward2; ++place)
            b.slotPicked(place, place); // players 1..11, the weakest, by hand
        b.substitutePicked(SubstituteWinger, 12);
        b.edit()->setCaptainEntry(0);
        b.calcule();
        for (int place = Keeper; place <= Forward2; ++place)
            QCOMPARE(b.state().slotEntry(place), place);
        QCOMPARE(b.state().slotEntry(SubstituteWinger), 12);
        QCOMPARE(b.state().captainEntry(), 5); // picked again
        // The empty substitute places take the best players left: 16, 15, 14, then the keeper 13.
        QCOMPARE(b.state().placement(SubstituteDefender), 116);
        QCOMPARE(b.state().placement(SubstituteMidfielder), 115);
        QCOMPARE(b.state().placement(SubstituteForward), 114);
        QCOMPARE(b.state().placement(SubstituteKeeper), 113);
    }

    // After Clear the empty board's tactic strength is "Inexistant"; the search's lineup has its own.
    void searchRefreshesTheTacticLabels()
    {
        LineupFixture fx;
        for (int i = 1; i <= 11; ++i) {
            Tplayer &p = fx.add(QStringLiteral("J%1").arg(i), i);
            p.PositionValue.fill(double(i));
            p.PassingSkill = 5;
        }
        Board &b = fx.makeBoard();
        b.conditionPicked(Board::Tactique, 1);
        b.edit()->setCondition(Board::Tactique, 3); // program code: no evaluation
        b.clearPressed();
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), QStringLiteral("Inexistant"));
        b.calcule();
        // Ten outfield players of passing 5: 50, level 5.
        QCOMPARE(b.text(QStringLiteral("LabelTactique")), QStringLiteral("Tactique : Attaque au centre"));
        QCOMPARE(b.text(QStringLiteral("LForceTactique")), Ratings::levelName(5));
        QCOMPARE(b.state().condition(Board::Tactique), 3);
    }

    void clearAfterSearch()
    {
        LineupFixture fx;
        for (int i = 1; i <= 16; ++i) {
            Tplayer &p = fx.add(QStringLiteral("J%1").arg(i), i);
            p.PositionValue.fill(double(i));
            p.Cards = 1;
            p.KeeperSkill = p.DefenderSkill = 5;
        }
        Board &b = fx.makeBoard();
        b.calcule();
        QVERIFY(b.isVisible(QStringLiteral("cardG")));
        QCOMPARE(b.cardImage(QStringLiteral("cardA2")).picture, QStringLiteral("YCard1.gif"));
        QVERIFY(!b.presenter().valueLabel(Forward2).isEmpty());
        b.clearPressed();
        for (int place = Keeper; place <= SubstituteForward; ++place) {
            QCOMPARE(b.state().slotEntry(place), 0);
            QCOMPARE(b.state().placement(place), -1);
        }
        for (int place = Keeper; place <= Forward2; ++place) {
            QVERIFY(!b.presenter().cardImage(place).visible);
            QCOMPARE(b.presenter().starStrip(place).width, 0);
            QCOMPARE(b.presenter().valueLabel(place), QString());
        }
        QCOMPARE(b.figures().E, -27.0);
    }


};

QTEST_GUILESS_MAIN(TestBestLineup)
#include "tst_bestlineup.moc"
