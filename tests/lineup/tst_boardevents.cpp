// The board's other events: the formation button and its tabs, the clear button, the
// match conditions, the sector order box, and the rule that program code never runs an event.
#include "LineupFixture.h"
#include "common/NameTables.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"

#include <QSignalSpy>
#include <QtTest>

using namespace LineupSlots;

namespace {

// The formation the behaviours give: defenders (kinds 2..8), midfielders (9..16) and
// forwards (17..19) among the ten outfield slots.
QString formationOf(const Board &b)
{
    int d = 0, m = 0, a = 0;
    for (int place = RightBack; place <= Forward2; ++place) {
        const int kind = b.state().slotKind(place);
        if (kind >= 2 && kind <= 8)
            ++d;
        else if (kind >= 9 && kind <= 16)
            ++m;
        else if (kind >= 17)
            ++a;
    }
    return QStringLiteral("%1-%2-%3").arg(d).arg(m).arg(a);
}

QList<int> behaviours(const Board &b)
{
    QList<int> list;
    for (int place = RightBack; place <= Forward2; ++place)
        list << b.state().behaviourEntry(place);
    return list;
}

} // namespace

class TestBoardEvents : public QObject {
    Q_OBJECT
private slots:
    void formationButton_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("disposition");
        // Behaviour entries of cbDLD, cbDC1, cbDC2, cbDLG, cbAD, cbM1, cbM2, cbAG, cbA1, cbA2
        QTest::addColumn<QList<int>>("expected");
        using L = QList<int>;
        QTest::newRow("Normal 4-4-2") << 0 << 0 << L{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Normal 4-3-3") << 0 << 1 << L{0, 0, 0, 0, 0, 0, 4, 0, 0, 0};
        QTest::newRow("Normal 5-3-2") << 0 << 2 << L{0, 0, 0, 0, 0, 0, 5, 0, 0, 0};
        QTest::newRow("Normal 3-5-2") << 0 << 3 << L{0, 0, 3, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Normal 4-5-1") << 0 << 4 << L{0, 0, 0, 0, 0, 0, 0, 0, 0, 3};
        QTest::newRow("Normal 3-4-3") << 0 << 5 << L{0, 0, 3, 0, 0, 0, 4, 0, 0, 0};
        QTest::newRow("Normal 5-4-1") << 0 << 6 << L{0, 0, 0, 0, 0, 0, 0, 0, 0, 4};
        QTest::newRow("Asym WB 4-4-2") << 1 << 0 << L{0, 0, 0, 5, 0, 5, 0, 0, 0, 0};
        QTest::newRow("Asym WB 4-3-3") << 1 << 1 << L{0, 0, 0, 4, 0, 5, 0, 0, 0, 0};
        QTest::newRow("Asym WB 3-5-2") << 1 << 3 << L{0, 0, 0, 5, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Asym WB 4-5-1") << 1 << 4 << L{0, 0, 0, 5, 0, 0, 0, 0, 4, 0};
        QTest::newRow("Asym WB 3-4-3") << 1 << 5 << L{0, 0, 0, 5, 0, 0, 4, 0, 0, 0};
        QTest::newRow("Asym W 4-4-2") << 2 << 0 << L{0, 3, 0, 0, 0, 0, 0, 6, 0, 0};
        QTest::newRow("Asym W 4-3-3") << 2 << 1 << L{0, 0, 0, 0, 0, 0, 0, 4, 0, 0};
        QTest::newRow("Asym W 5-3-2") << 2 << 2 << L{0, 0, 0, 0, 0, 0, 0, 6, 0, 0};
        QTest::newRow("Asym W 3-4-3") << 2 << 5 << L{0, 3, 0, 0, 0, 0, 0, 4, 0, 0};
        QTest::newRow("Asym W 5-4-1") << 2 << 6 << L{0, 0, 0, 0, 0, 0, 0, 6, 3, 0};
    }
    void formationButton()
    {
        QFETCH(int, tab);
        QFETCH(int, disposition);
        QFETCH(QList<int>, expected);
        LineupFixture fx;
        Board &b = fx.makeBoard();
        b.behaviourPicked(RightBack, 2); // the user's "Offensif" goes back to "Normal"
        b.tabChanged(tab);
        b.dispositionPicked(disposition);
        b.formationPressed();
        QCOMPARE(behaviours(b), expected);
        // Each row gives the formation it names, the forward rows included.
        QCOMPARE(formationOf(b), b.text(QStringLiteral("rgdisposition")));
        QVERIFY(b.presenter().pinfosVisible()); // the keeper evaluation ran
    }

    void formationButtonShowsTheNewKindsValues()
    {
        LineupFixture fx;
        Tplayer &p = fx.add(QStringLiteral("Avant"), 7);
        for (int kind = 1; kind <= 19; ++kind)
            p.PositionValue[kind - 1] = kind;
        Board &b = fx.makeBoard();
        b.slotPicked(Forward2, 1);
        const QString before = b.presenter().valueLabel(Forward2);
        b.dispositionPicked(4); // 4-5-1: the second forward plays in midfield
        b.formationPressed();
        const QString label = b.presenter().valueLabel(Forward2);
        const double stripWidth = b.presenter().starStrip(Forward2).width;
        QVERIFY(label != before);
        // What a fresh pick in the new behaviour shows.
        b.slotPicked(Forward2, 1);
        QCOMPARE(label, b.presenter().valueLabel(Forward2));
        QCOMPARE(stripWidth, b.presenter().starStrip(Forward2).width);
    }

    void formationWithoutARowChangesNothing_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("disposition");
        QTest::newRow("Asym WB 5-3-2") << 1 << 2;
        QTest::newRow("Asym WB 5-4-1") << 1 << 6;
        QTest::newRow("Asym W 3-5-2") << 2 << 3;
        QTest::newRow("Asym W 4-5-1") << 2 << 4;
    }
    void formationWithoutARowChangesNothing()
    {
        QFETCH(int, tab);
        QFETCH(int, disposition);
        LineupFixture fx;
        Board &b = fx.makeBoard();
        // Chosen on the "Normal" tab, still selected after the tab change.
        b.dispositionPicked(disposition);
        b.tabChanged(tab);
        QCOMPARE(b.state().disposition(), disposition);
        QVERIFY(!b.state().dispositionEnabled(disposition));
        b.behaviourPicked(InnerMidfielder1, 2);
        b.behaviourPicked(Forward2, 1);
        const QList<int> before = behaviours(b);
        b.formationPressed();
        QCOMPARE(behaviours(b), before);
        QCOMPARE(b.teamFigures().velstats, -27);
    }

    void tabAvailability()
    {
        LineupFixture fx;
        Board &b = fx.makeBoard();
        auto enabled = [&] {
            QList<bool> e;
            for (int i = 0; i < 7; ++i)
                e << b.state().dispositionEnabled(i);
            return e;
        };
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true, true, true, true}));
        b.tabChanged(1);
        QCOMPARE(enabled(), (QList<bool>{true, true, false, true, true, true, false}));
        b.dispositionPicked(2); // a disabled entry cannot be chosen
        QCOMPARE(b.state().disposition(), 0);
        b.tabChanged(2);
        QCOMPARE(enabled(), (QList<bool>{true, true, true, false, false, true, true}));
        b.tabChanged(0);
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true, true, true, true}));
        QCOMPARE(b.text(QStringLiteral("TabDispo")), QStringLiteral("Normal"));
    }

    void initialConditionsAndLists()
    {
        LineupFixture fx;
        Board &b = fx.makeBoard();
        QCOMPARE(b.entry(QStringLiteral("cbTactique")), -1);
        QCOMPARE(b.text(QStringLiteral("cbAttitude")), QStringLiteral("Normal"));
        QCOMPARE(b.text(QStringLiteral("cbLieu")), QStringLiteral("Home/Derby"));
        QCOMPARE(b.text(QStringLiteral("cbConfiance")), QStringLiteral("Satisfaisante"));
        QCOMPARE(b.entry(QStringLiteral("cbTeamSpirit")), -1);
        QCOMPARE(b.items(QStringLiteral("cbTeamSpirit")).size(), 13);
        QCOMPARE(b.items(QStringLiteral("cbTeamSpirit")).last(), QStringLiteral("Le paradis sur Terre! (+2)"));
        QCOMPARE(b.items(QStringLiteral("LEntraineur")).size(), 3);
        QCOMPARE(b.items(QStringLiteral("cbA1")),
                 (QStringList{QStringLiteral("Normal"), QString::fromUtf8("Défensif"), QStringLiteral("Vers l'aile"),
                              QStringLiteral("Milieu de terrain"), QString::fromUtf8("Défenseur")}));
        QCOMPARE(b.items(QStringLiteral("cbAD")).size(), 7);
        QCOMPARE(b.items(QStringLiteral("cbOrdreCalc")).at(5), QStringLiteral("MID-DEF-ATT"));
        // An index outside a list leaves the box without a selection.
        b.edit()->setCondition(Board::TeamSpirit, 13);
        QCOMPARE(b.entry(QStringLiteral("cbTeamSpirit")), -1);
        b.edit()->setCondition(Board::TeamSpirit, 12);
        QCOMPARE(b.text(QStringLiteral("cbTeamSpirit")), QStringLiteral("Le paradis sur Terre! (+2)"));
        QVERIFY(b.edit()->setItemText(QStringLiteral("cbLieu"), 1, QStringLiteral("Dehors")));
        QVERIFY(!b.edit()->setItemText(QStringLiteral("cbLieu"), 2, QStringLiteral("Nulle part")));
        QCOMPARE(b.items(QStringLiteral("cbLieu")).at(1), QStringLiteral("Dehors"));
    }

    void programCodeNeverEvaluates()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1).KeeperSkill = 20;
        Board &b = fx.makeBoard();
        b.edit()->setSlotEntry(Keeper, 1);
        b.edit()->setCondition(Board::Attitude, 2);
        b.edit()->setBehaviourEntry(RightBack, 1);
        QVERIFY(!b.presenter().pinfosVisible());
        QCOMPARE(b.text(QStringLiteral("LVelstats")), QString());
        QCOMPARE(b.state().placement(Keeper), -1);
        // The condition event evaluates the keeper slot, which records him.
        b.conditionPicked(Board::Attitude, 2);
        QVERIFY(b.presenter().pinfosVisible());
        QCOMPARE(b.state().placement(Keeper), 1);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 20.0 + 0.1 * 20);
    }

    void substituteDoesNotChangeTheFigures()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1).KeeperSkill = 6;
        fx.add(QStringLiteral("B"), 2).KeeperSkill = 9;
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        const QString force = b.text(QStringLiteral("LForce1"));
        b.substitutePicked(SubstituteKeeper, 2);
        QCOMPARE(b.text(QStringLiteral("LForce1")), force);
        QCOMPARE(b.entry(QStringLiteral("cbRemplacantGardien")), 2);
    }

    void clearAndReset()
    {
        LineupFixture fx;
        Tplayer &p = fx.add(QStringLiteral("A"), 1);
        p.Cards = 1, p.PositionValue[0] = 8;
        fx.add(QStringLiteral("B"), 2);
        Board &b = fx.makeBoard();
        b.edit()->setStoredSectorOrder(4);
        b.slotPicked(Keeper, 1);
        b.slotPicked(Forward1, 2);
        b.behaviourPicked(Forward1, 2);
        b.captainPicked(1);
        b.setPiecesPicked(2);
        b.substitutePicked(SubstituteWinger, 2);
        QVERIFY(b.isVisible(QStringLiteral("cardG")));

        b.clearPressed();
        for (int place = Keeper; place <= SubstituteForward; ++place)
            QCOMPARE(b.state().slotEntry(place), 0);
        for (int place = RightBack; place <= Forward2; ++place)
            QCOMPARE(b.state().behaviourEntry(place), 0);
        QCOMPARE(b.state().captainEntry(), 0);
        QCOMPARE(b.state().setPiecesEntry(), 0);
        QCOMPARE(b.state().sectorOrder(), 4);
        for (int place = Keeper; place <= Forward2; ++place) {
            QCOMPARE(b.state().placement(place), -1);
            QCOMPARE(b.presenter().valueLabel(place), QString());
            QCOMPARE(b.presenter().starStrip(place).width, 0);
            QCOMPARE(b.presenter().starStrip(place).left, baseLeft(place) + 70);
            QVERIFY(!b.presenter().cardImage(place).visible);
        }
        QCOMPARE(b.teamFigures().velstats, -27);
        QVERIFY(b.text(QStringLiteral("LForce1")).startsWith(QString::fromUtf8("Force équipe : \t -27,00 \r\n")));

        b.edit()->setStoredSectorOrder(9); // not an entry of the box
        b.edit()->reset();
        QCOMPARE(b.state().sectorOrder(), -1);
        QCOMPARE(b.text(QStringLiteral("LForce1")), QString());
    }

    void restoreInOneBatch()
    {
        // What the optimum gives back when the lineup it found rates lower: the saved lineup
        // whole, its figures again, the card beside its player, and one repaint for the batch.
        LineupFixture fx;
        Tplayer &p = fx.add(QStringLiteral("A"), 1);
        p.Cards = 2, p.KeeperSkill = 12;
        fx.add(QStringLiteral("B"), 2).PositionValue[0] = 7;
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        b.slotPicked(Forward1, 2);
        b.behaviourPicked(Forward1, 2);
        b.captainPicked(1);
        b.setPiecesPicked(2);
        b.edit()->refreshFigures();
        const LineupState saved = b.state();
        const double e = b.figures().E;
        const QString force = b.text(QStringLiteral("LForce1"));

        b.clearPressed();
        QVERIFY(b.figures().E != e);
        QSignalSpy spy(&b, &Board::changed);
        {
            auto edit = b.edit();
            edit->clearPlacementAndFigures();
            edit->restore(saved);
            QCOMPARE(spy.count(), 0);
        }
        QCOMPARE(spy.count(), 1);
        for (int place = Keeper; place <= SubstituteForward; ++place) {
            QCOMPARE(b.state().slotEntry(place), saved.slotEntry(place));
            QCOMPARE(b.state().placement(place), saved.placement(place));
        }
        QCOMPARE(b.state().behaviourEntry(Forward1), 2);
        QCOMPARE(b.state().captainEntry(), 1);
        QCOMPARE(b.state().setPiecesEntry(), 2);
        QCOMPARE(b.figures().E, e);
        QCOMPARE(b.text(QStringLiteral("LForce1")), force);
        QCOMPARE(b.cardImage(QStringLiteral("cardG")).picture, QStringLiteral("YCard2.gif"));
        QVERIFY(b.isVisible(QStringLiteral("cardG")));
    }

    void resetWithoutCandidates()
    {
        Board b;
        b.edit()->reset();
        QCOMPARE(b.state().slotEntry(Keeper), -1);
        QCOMPARE(b.state().captainEntry(), -1);
        b.clearPressed();
        QCOMPARE(b.teamFigures().velstats, -27);
        const Board::CalculeResult r = b.calcule();
        QCOMPARE(r.unfilled.size(), 16);
        QCOMPARE(r.chosenOrder, 0);
    }

    void sectorOrderPick()
    {
        Board b;
        QSignalSpy spy(&b, &Board::sectorOrderChosen);
        b.sectorOrderPicked(3);
        QCOMPARE(b.entry(QStringLiteral("cbOrdreCalc")), 3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 3);
        b.edit()->setSectorOrder(2); // program code: nothing to store
        QCOMPARE(spy.count(), 1);
    }

    void pickByControlName()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1);
        Board &b = fx.makeBoard();
        QVERIFY(b.pick(QStringLiteral("cbMilieu2"), 1));
        QCOMPARE(b.state().placement(InnerMidfielder2), 1);
        QVERIFY(b.pick(QStringLiteral("cbM2"), 3));
        QCOMPARE(b.state().slotKind(InnerMidfielder2), 16);
        QVERIFY(b.pick(QStringLiteral("chkCartons"), 1));
        QVERIFY(b.isChecked(QStringLiteral("chkCartons")));
        QVERIFY(b.pick(QStringLiteral("cbTactique"), 4));
        QCOMPARE(b.text(QStringLiteral("LabelTactique")), QStringLiteral("Tactique : Attaque sur les ailes"));
        QVERIFY(!b.pick(QStringLiteral("LForce1"), 0));
        QVERIFY(!b.pick(QStringLiteral("nothing"), 0));
    }
};

QTEST_GUILESS_MAIN(TestBoardEvents)
#include "tst_boardevents.moc"
