// Placing players by hand: one player in one place only, the captain and set-piece taker
// refreshed after each pick, the card images, and players told apart by record.
#include "LineupFixture.h"
#include "common/NameTables.h"
#include "evaluation/RosterListing.h"
#include "common/Vocabulary.h"
#include "support/ProgramFolder.h"

#include <QSignalSpy>
#include <QtTest>

using namespace LineupSlots;

class TestSlotAssignment : public QObject {
    Q_OBJECT
private slots:
    void moveFromForwardToMidfield()
    {
        LineupFixture fx;
        Tplayer &p = fx.add(QStringLiteral("Polyvalent"), 31);
        p.PositionValue[17 - 1] = 6.0; // AT
        p.PositionValue[13 - 1] = 5.0; // M
        Board &b = fx.makeBoard();
        b.slotPicked(Forward2, 1);
        QCOMPARE(b.state().placement(Forward2), 31);
        QCOMPARE(b.text(QStringLiteral("LA2")), QStringLiteral("( 6,00 )"));
        b.slotPicked(InnerMidfielder1, 1);
        QCOMPARE(b.entry(QStringLiteral("cbAttaquant2")), 0);
        QCOMPARE(b.text(QStringLiteral("cbAttaquant2")), QString());
        QCOMPARE(b.text(QStringLiteral("LA2")), QString());
        QCOMPARE(b.starStrip(QStringLiteral("EtoilesAttaquant2")).width, 0);
        QCOMPARE(b.state().placement(Forward2), -1);
        QCOMPARE(b.state().placement(InnerMidfielder1), 31);
        QCOMPARE(b.text(QStringLiteral("LM1")), QStringLiteral("( 5,00 )"));
        QCOMPARE(b.text(QStringLiteral("cbMilieu1")), QStringLiteral("Polyvalent"));
    }

    void swapBackAndForth()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Un"), 1).PositionValue[13 - 1] = 4.0;
        Board &b = fx.makeBoard();
        b.slotPicked(InnerMidfielder1, 1);
        b.slotPicked(InnerMidfielder2, 1);
        QCOMPARE(b.text(QStringLiteral("LM1")), QString());
        QCOMPARE(b.entry(QStringLiteral("cbMilieu1")), 0);
        QCOMPARE(b.state().placement(InnerMidfielder2), 1);
        b.slotPicked(InnerMidfielder1, 1);
        QCOMPARE(b.text(QStringLiteral("LM2")), QString());
        QCOMPARE(b.entry(QStringLiteral("cbMilieu2")), 0);
        QCOMPARE(b.state().placement(InnerMidfielder1), 1);
        QCOMPARE(b.state().placement(InnerMidfielder2), -1);
    }

    void substituteTakesAFieldPlayer()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Remplacant"), 5).PositionValue[6 - 1] = 3.0;
        Board &b = fx.makeBoard();
        b.slotPicked(CentralDefender1, 1);
        const double before = b.figures().E;
        b.substitutePicked(SubstituteDefender, 1);
        QCOMPARE(b.entry(QStringLiteral("cbDefenseurCentral1")), 0);
        QCOMPARE(b.text(QStringLiteral("LDC1")), QString());
        QCOMPARE(b.state().placement(CentralDefender1), -1);
        QCOMPARE(b.state().placement(SubstituteDefender), 5);
        QVERIFY(b.figures().E <= before);
    }

    void pickingTheSamePlayerAgain()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1);
        fx.add(QStringLiteral("B"), 2);
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        b.slotPicked(RightBack, 2);
        b.slotPicked(RightBack, 2);
        QCOMPARE(b.state().placement(Keeper), 1);
        QCOMPARE(b.state().placement(RightBack), 2);
        QCOMPARE(b.entry(QStringLiteral("cbGardien")), 1);
    }

    void pickingTheEmptyEntryFreesThePlace()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1).KeeperSkill = 10;
        fx.add(QStringLiteral("B"), 2);
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        b.substitutePicked(SubstituteDefender, 2);
        b.slotPicked(Keeper, 0);
        b.substitutePicked(SubstituteDefender, 0);
        // Nobody sits on the boxes any more, so nobody stays placed there for the search.
        QCOMPARE(b.state().placement(Keeper), -1);
        QCOMPARE(b.state().placement(SubstituteDefender), -1);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 0.0);
        QCOMPARE(b.text(QStringLiteral("LG")), QString());
    }

    void substituteWithNobodyOnTheFieldIsNeverCaptain()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1).CaptainValue = 5;
        fx.add(QStringLiteral("B"), 2).SetPiecesSkill = 5;
        Board &b = fx.makeBoard();
        b.substitutePicked(SubstituteKeeper, 1);
        QCOMPARE(b.state().captainEntry(), 0);
        QCOMPARE(b.state().setPiecesEntry(), 0);
    }

    // Every pick leaves the captain and the set-piece taker among the eleven on the pitch:
    // the newcomer counts at once, the player who just left is never kept.
    void captainAndSetPiecesStayOnThePitch()
    {
        LineupFixture fx;
        Tplayer &a = fx.add(QStringLiteral("A"), 1);
        a.CaptainValue = 5, a.SetPiecesSkill = 9;
        Tplayer &bb = fx.add(QStringLiteral("B"), 2);
        bb.CaptainValue = 9, bb.SetPiecesSkill = 3;
        fx.add(QStringLiteral("C"), 3).CaptainValue = 1;
        Board &b = fx.makeBoard();
        b.slotPicked(Keeper, 1);
        QCOMPARE(b.text(QStringLiteral("cbCapitaine")), QStringLiteral("A"));
        b.slotPicked(RightBack, 2);
        QCOMPARE(b.text(QStringLiteral("cbCapitaine")), QStringLiteral("B"));
        QCOMPARE(b.text(QStringLiteral("cbCPA")), QStringLiteral("A"));
        // C takes the captain's slot: B is gone, A is captain again.
        b.slotPicked(RightBack, 3);
        QCOMPARE(b.text(QStringLiteral("cbCapitaine")), QStringLiteral("A"));
        // C moves to the keeper's slot, replacing A: C alone is on the pitch.
        b.slotPicked(Keeper, 3);
        QCOMPARE(b.text(QStringLiteral("cbCapitaine")), QStringLiteral("C"));
        QCOMPARE(b.text(QStringLiteral("cbCPA")), QStringLiteral("C"));
        // The last one goes to the bench: nobody is left to name.
        b.substitutePicked(SubstituteForward, 3);
        QCOMPARE(b.state().captainEntry(), 0);
        QCOMPARE(b.state().setPiecesEntry(), 0);
        // Picking the captain by hand runs nothing else.
        b.captainPicked(3);
        QCOMPARE(b.state().captainEntry(), 3);
    }

    void cardImages_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("picture");
        QTest::newRow("none") << 0 << false << QString();
        QTest::newRow("one yellow") << 1 << true << QStringLiteral("YCard1.gif");
        QTest::newRow("two yellow") << 2 << true << QStringLiteral("YCard2.gif");
        QTest::newRow("red") << 3 << true << QStringLiteral("RCard.gif");
    }
    void cardImages()
    {
        QFETCH(int, cards);
        QFETCH(bool, visible);
        QFETCH(QString, picture);
        LineupFixture fx;
        fx.add(QStringLiteral("Carton"), 9).Cards = cards;
        Board &b = fx.makeBoard();
        b.slotPicked(InnerMidfielder1, 1);
        QCOMPARE(b.isVisible(QStringLiteral("CardM1")), visible);
        QCOMPARE(b.cardImage(QStringLiteral("CardM1")).picture, picture);
        b.slotPicked(InnerMidfielder1, 0);
        QVERIFY(!b.isVisible(QStringLiteral("CardM1")));
    }

    void cardLeavesWithTheMovedPlayer()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Carton"), 9).Cards = 2;
        Board &b = fx.makeBoard();
        b.slotPicked(Forward1, 1);
        QVERIFY(b.isVisible(QStringLiteral("cardA1")));
        b.slotPicked(LeftWinger, 1);
        QVERIFY(b.isVisible(QStringLiteral("CardAG")));
        QVERIFY(!b.isVisible(QStringLiteral("cardA1")));
    }

    // Whatever sets the boxes (the search, a lineup put in by program code as the optimal one
    // is, a pick by hand), each card image shows the card of the player beside it.
    void cardImagesFollowTheirPlayers()
    {
        LineupFixture fx;
        for (int i = 1; i <= 16; ++i) {
            Tplayer &p = fx.add(QStringLiteral("J%1").arg(i), i);
            p.PositionValue.fill(double(i));
            p.Cards = i % 3;
        }
        Board &b = fx.makeBoard();
        auto check = [&](const char *after) {
            for (int place = Keeper; place <= kLastSlot; ++place) {
                const int r = b.state().recordOfBox(place);
                const int cards = r < 0 ? 0 : fx.roster->players[r].Cards;
                QVERIFY2(b.presenter().cardImage(place).visible == (cards > 0), after);
                if (cards > 0)
                    QCOMPARE(b.presenter().cardImage(place).picture, QString::fromLatin1(cards == 1 ? "YCard1.gif" : "YCard2.gif"));
            }
        };
        b.calcule();
        check("Calcule");
        // The backs change places (J13 with a card, J12 without), then the search fills around them.
        const int right = b.state().slotEntry(RightBack), left = b.state().slotEntry(LeftBack);
        b.edit()->setSlotEntry(RightBack, left);
        b.edit()->setSlotEntry(LeftBack, right);
        b.edit()->setPlacement(RightBack, b.state().playerIdOfBox(RightBack));
        b.edit()->setPlacement(LeftBack, b.state().playerIdOfBox(LeftBack));
        b.runSearch();
        check("a lineup put in");
        b.slotPicked(Keeper, fx.entryOf(0));
        check("a pick");
    }

    void playersWithTheSameNameStayApart()
    {
        LineupFixture fx;
        Tplayer &first = fx.add(QStringLiteral("Martin"), 71);
        first.KeeperSkill = 3, first.CaptainValue = 2, first.Cards = 0;
        Tplayer &second = fx.add(QStringLiteral("Martin"), 72);
        second.KeeperSkill = 9, second.CaptainValue = 8, second.Cards = 1;
        second.PositionValue[0] = 4.5;
        Board &b = fx.makeBoard();
        QCOMPARE(b.state().candidateList(), (QStringList{QString(), QStringLiteral("Martin"), QStringLiteral("Martin")}));
        b.slotPicked(Keeper, 2);
        // The second record is the one shown: his skill, his ID, his value, his card.
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 9.0);
        QCOMPARE(b.state().placement(Keeper), 72);
        QCOMPARE(b.state().playerIdOfBox(Keeper), 72);
        QCOMPARE(b.text(QStringLiteral("LG")), QStringLiteral("( 4,50 )"));
        QVERIFY(b.isVisible(QStringLiteral("cardG")));
        // Both on the field: the captain box shows the second record's own entry.
        b.slotPicked(RightBack, 1);
        QCOMPARE(b.state().placement(RightBack), 71);
        b.slotPicked(LeftBack, 0); // any later pick refreshes the captain
        QCOMPARE(b.state().captainEntry(), 2);
        QCOMPARE(b.state().captainPlayerId(), 72);
        // Picking the first Martin in another slot moves him, not his namesake.
        b.slotPicked(CentralDefender1, 1);
        QCOMPARE(b.entry(QStringLiteral("cbDefenseurDroit")), 0);
        QCOMPARE(b.entry(QStringLiteral("cbGardien")), 2);
        QCOMPARE(b.state().placement(Keeper), 72);
        QCOMPARE(b.state().placement(CentralDefender1), 71);
    }

    void candidateListOfTheRosterList()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("Zoe"), 1);
        fx.add(QStringLiteral("Martin"), 2).KeeperSkill = 4;
        fx.add(QStringLiteral("Adam"), 3);
        fx.add(QStringLiteral("Martin"), 4).KeeperSkill = 8;
        const QStringList list = RosterListing::fill(*fx.roster, fx.roster->count, QLocale(QLocale::French));
        QCOMPARE(LineupState::candidateListFromRoster(*fx.roster), list);
        Board &b = fx.makeBoard();
        b.edit()->setCandidateList(list);
        QCOMPARE(b.state().slotEntry(Keeper), -1); // a new list leaves every box without a selection
        // Each Martin has his own entry and is found by it.
        b.slotPicked(Keeper, fx.roster->players[3].ListPosition);
        QCOMPARE(b.state().placement(Keeper), 4);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 8.0);
        b.slotPicked(Keeper, fx.roster->players[1].ListPosition);
        QCOMPARE(b.state().placement(Keeper), 2);
    }

    void boxesWithoutAPlayer()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1).KeeperSkill = 5;
        fx.add(QString(), 2).KeeperSkill = 7;          // a nameless record
        fx.add(QStringLiteral("C"), QStringLiteral("x9")).KeeperSkill = 4; // an ID that is no number
        Board &b = fx.makeBoard();
        // Out-of-range entries leave the box without a selection.
        b.slotPicked(Keeper, 17);
        QCOMPARE(b.entry(QStringLiteral("cbGardien")), -1);
        QCOMPARE(b.state().placement(Keeper), -1);
        b.slotPicked(Keeper, 2);
        QCOMPARE(b.state().playerIdOfBox(Keeper), -1);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 0.0);
        // A player whose ID is not a number is shown and counted but never recorded.
        b.slotPicked(Keeper, 3);
        QCOMPARE(b.teamFigures().sector[SectorRatings::CentralDefence], 4.0);
        QCOMPARE(b.state().placement(Keeper), -1);
        QCOMPARE(b.state().playerIdOfBox(Keeper), -1);
    }

    void eventsSignalChanges()
    {
        LineupFixture fx;
        fx.add(QStringLiteral("A"), 1);
        Board &b = fx.makeBoard();
        QSignalSpy spy(&b, &Board::changed);
        b.slotPicked(Keeper, 1);
        QCOMPARE(spy.count(), 1); // one event, one repaint
        b.edit()->setBehaviourEntry(RightBack, 2);
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSlotAssignment)
#include "tst_slotassignment.moc"
