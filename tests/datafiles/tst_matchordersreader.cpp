// The match orders reader: the stored orders of the next match onto the board.
#include "datafiles/DataFolder.h"
#include "datafiles/MatchOrdersReader.h"
#include "datafiles/ProgramFolder.h"
#include "lineup/LineupFixture.h"
#include "lineup/LineupSlots.h"
#include "shell/MatchOrdersApplier.h"
#include "common/AppError.h"

#include <QtTest>

using namespace LineupSlots;

class TestMatchOrdersReader : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<LineupFixture> m_lineup;
    QString m_teamId;

    Board &board() { return *m_lineup->board; }
    // Entry of the player with this ID in the boxes (his list position).
    int entryOfId(int id) const
    {
        for (int r = 0; r < m_lineup->roster->count; ++r)
            if (m_lineup->roster->players[r].PlayerID == QString::number(id))
                return m_lineup->entryOf(r);
        return -100;
    }
    // Trainer type 2 leaves the defence as the players give it.
    void read() { MatchOrdersApplier::applyMatchOrders(DataFolder(m_folder->path()), board(), *m_lineup->roster, 2, m_teamId); }
    void readOrders(const QList<OrderEntry> &lineup)
    {
        MatchOrders o;
        o.lineup = lineup;
        m_folder->writeMatchOrders(o);
        read();
    }
    // The roles 1..16 naming players 101..116, the set-piece taker and the captain.
    static QList<OrderEntry> fullLineup(int entries)
    {
        QList<OrderEntry> l;
        for (int role = 1; role <= 18 && role <= entries; ++role) {
            const int id = role <= 16 ? 100 + role : (role == 17 ? 107 : 103);
            if (hasBehaviour(role))
                l << entry(QByteArray::number(id), role, "1");
            else
                l << entry(QByteArray::number(id), role);
        }
        return l;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        m_lineup = std::make_unique<LineupFixture>();
        // IDs 101..120; the list positions follow the roster order.
        for (int i = 1; i <= 20; ++i)
            m_lineup->add(QStringLiteral("Joueur %1").arg(i, 2, 10, QLatin1Char('0')), 100 + i);
        m_lineup->roster->players[0].PositionValue[0] = 7.3; // 101 as keeper
        m_lineup->makeBoard();
        m_teamId = QStringLiteral("418275");
    }

    // ---- what the reader itself returns, before anything is applied ----

    void readerGivesTheEntriesAsTheFileDoesUpToTheFirstFaultyOne()
    {
        MatchOrders o;
        o.tacticType = QByteArray("x");
        o.attitude = QByteArray("2");
        // Role 25 means nothing but counts as read; the player ID "1O" ends the list.
        o.lineup = {entry("101", 1), entry("105", 2, ""), entry("106", 25, "9"), entry("107", 7, "4"),
                    entry("1O", 3, "1"), entry("109", 4, "1")};
        m_folder->writeMatchOrders(o);
        const MatchOrdersInfo info = MatchOrdersReader::read(DataFolder(m_folder->path()));
        QVERIFY(info.available);
        QVERIFY(!info.failure);
        QVERIFY(!info.tactic);
        QCOMPARE(info.attitude, std::optional<int32_t>(2));
        QCOMPARE(info.homeTeamId, QStringLiteral("418275"));
        QCOMPARE(info.lineup.size(), 4);
        const QList<int32_t> expected{1, 101, 0, 2, 105, 0, 25, 106, 0, 7, 107, 4};
        QList<int32_t> got;
        for (const MatchOrdersInfo::Entry &e : info.lineup)
            got << e.role << e.playerId << e.behaviour;
        QCOMPARE(got, expected);

        // Without HomeTeam the tactic read before it comes back with the fault, and nothing after.
        o.tacticType = QByteArray("3");
        o.homeTeam = false;
        m_folder->writeMatchOrders(o);
        const MatchOrdersInfo partial = MatchOrdersReader::read(DataFolder(m_folder->path()));
        QCOMPARE(partial.tactic, std::optional<int32_t>(3));
        QVERIFY(partial.failure);
        QCOMPARE(partial.failure->reason(), QString::fromUtf8("l'élément HomeTeam manque"));
        QVERIFY(!partial.attitude);
        QVERIFY(partial.lineup.isEmpty());
    }

    // ---- the lineup entries ----

    void entriesUpToTheLastChildAreApplied_data()
    {
        QTest::addColumn<int>("entries");
        QTest::newRow("18 entries") << 18;
        QTest::newRow("16 entries") << 16;
        QTest::newRow("3 entries") << 3;
        QTest::newRow("empty lineup") << 0;
    }
    void entriesUpToTheLastChildAreApplied()
    {
        QFETCH(int, entries);
        readOrders(fullLineup(entries));
        for (int place = kFirstPlace; place <= kLastPlace; ++place) {
            const bool named = place <= entries;
            QCOMPARE(board().state().placement(place), named ? 100 + place : -1);
            QCOMPARE(board().state().slotEntry(place), named ? entryOfId(100 + place) : 0);
        }
        QCOMPARE(board().state().captainPlayerId(), entries >= 18 ? 103 : -1);
        QCOMPARE(board().state().setPiecesPlayerId(), entries >= 17 ? 107 : -1);
        if (entries >= 1) {
            // The keeper's slot was refreshed: value label and stars.
            QCOMPARE(board().presenter().valueLabel(Keeper), QStringLiteral("( 7,30 )"));
            QCOMPARE(board().presenter().starStrip(Keeper).width, 49); // 7.3 -> 7 -> 3.5 stars
        }
        QVERIFY(board().presenter().pinfosVisible());
    }

    void substituteKeeperWhoIsTheKeeperPlaysAsKeeper()
    {
        readOrders({entry("101", 12), entry("101", 1)});
        QCOMPARE(board().state().slotEntry(Keeper), entryOfId(101));
        QCOMPARE(board().state().slotEntry(SubstituteKeeper), 0);
        // The placement table took both entries as they were read.
        QCOMPARE(board().state().placement(Keeper), 101);
        QCOMPARE(board().state().placement(SubstituteKeeper), 101);
    }

    void aLaterEntryOfARoleReplacesAnEarlierOne()
    {
        readOrders({entry("102", 2, "2"), entry("103", 2, "3")});
        QCOMPARE(board().state().slotEntry(RightBack), entryOfId(103));
        QCOMPARE(board().state().placement(RightBack), 103);
        QCOMPARE(board().state().behaviourEntry(RightBack), 3); // code 3: "Vers le centre"
        QCOMPARE(board().state().slotEntry(CentralDefender1), 0); // 102 placed nowhere
    }

    void aRoleTheFileDoesNotNamePlacesNobody()
    {
        // A player whose ID is 0 must not fill the places the orders leave out.
        m_lineup = std::make_unique<LineupFixture>();
        m_lineup->add(QStringLiteral("Zéro"), 0);
        m_lineup->add(QStringLiteral("Un"), 101);
        m_lineup->makeBoard();
        readOrders({entry("101", 1)});
        QCOMPARE(board().state().slotEntry(Keeper), entryOfId(101));
        for (int place = RightBack; place <= kLastPlace; ++place) {
            QCOMPARE(board().state().slotEntry(place), 0);
            QCOMPARE(board().state().placement(place), -1);
        }
        QCOMPARE(board().state().captainEntry(), 0);
        QCOMPARE(board().state().setPiecesEntry(), 0);
    }

    void aPlayerTheBoardCannotNameIsNotPlaced()
    {
        // A negative or non-numeric ID is no player ID for the board; the orders must not put
        // such a player in a box the board would then read as empty.
        m_lineup = std::make_unique<LineupFixture>();
        m_lineup->add(QStringLiteral("Moins"), QStringLiteral("-5"));
        m_lineup->add(QStringLiteral("Un"), 101);
        m_lineup->makeBoard();
        readOrders({entry("-5", 2, "1"), entry("101", 3), entry("-5", 18)});
        QCOMPARE(board().state().slotEntry(RightBack), 0);
        QCOMPARE(board().state().slotEntry(CentralDefender1), entryOfId(101));
        QCOMPARE(board().state().captainEntry(), 0);
    }

    void aPlayerOutsideTheRosterLeavesTheBoxButKeepsThePlacement()
    {
        board().edit()->setSlotEntry(CentralDefender1, entryOfId(110));
        readOrders({entry("999", 3, "1"), entry("998", 13), entry("997", 18)});
        QCOMPARE(board().state().slotEntry(CentralDefender1), entryOfId(110));
        QCOMPARE(board().state().behaviourEntry(CentralDefender1), 0);
        QCOMPARE(board().state().placement(CentralDefender1), 999);
        QCOMPARE(board().state().slotEntry(SubstituteDefender), 0);
        QCOMPARE(board().state().placement(SubstituteDefender), 998);
        QCOMPARE(board().state().captainEntry(), 0);
    }

    void aFaultyEntryEndsTheEntries_data()
    {
        QTest::addColumn<QList<OrderEntry>>("lineup");
        QTest::addColumn<QList<int>>("placed"); // roles placed, the others stay empty
        const OrderEntry keeper = entry("101", 1);
        const OrderEntry back = entry("102", 2, "1");
        const OrderEntry last = entry("104", 4, "1");
        QTest::newRow("negative behaviour") << QList<OrderEntry>{keeper, back, entry("103", 3, "-1"), last}
                                            << QList<int>{1, 2};
        QTest::newRow("behaviour with a blank") << QList<OrderEntry>{keeper, back, entry("103", 3, " 1"), last}
                                                << QList<int>{1, 2};
        QTest::newRow("PlayerID not a number") << QList<OrderEntry>{keeper, entry("10x", 3, "1"), back, last}
                                               << QList<int>{1};
        QTest::newRow("PlayerID empty") << QList<OrderEntry>{keeper, back, entry("", 3, "1"), last} << QList<int>{1, 2};
        QTest::newRow("role 0") << QList<OrderEntry>{keeper, back, entry("103", 0), last} << QList<int>{1, 2};
        QTest::newRow("role negative") << QList<OrderEntry>{back, entry("103", -3), keeper} << QList<int>{2};
        QTest::newRow("role not a number")
            << QList<OrderEntry>{keeper, OrderEntry{"103", "three", QByteArray("1")}, last} << QList<int>{1};
        // A role of 19 or more is skipped, the entries after it still count; a behaviour on a
        // role without one is not read.
        QTest::newRow("role 19 skipped") << QList<OrderEntry>{keeper, entry("103", 19, "x"), back, last}
                                         << QList<int>{1, 2, 4};
        QTest::newRow("bad behaviour on the keeper") << QList<OrderEntry>{entry("101", 1, "-5"), back}
                                                     << QList<int>{1, 2};
    }
    void aFaultyEntryEndsTheEntries()
    {
        QFETCH(QList<OrderEntry>, lineup);
        QFETCH(QList<int>, placed);
        readOrders(lineup);
        for (int place = Keeper; place <= CentralDefender2; ++place) {
            const bool in = placed.contains(place);
            QCOMPARE(board().state().placement(place), in ? 100 + place : -1);
            QCOMPARE(board().state().slotEntry(place), in ? entryOfId(100 + place) : 0);
        }
        // The rest of the reader ran: team and training defaults.
        QCOMPARE(board().entry("cbTeamSpirit"), 4);
    }

    // ---- behaviour codes ----

    void behaviourCodesSelectTheirEntries_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("expected"); // -1: the box keeps its entry
        // Codes 1..7 by behaviour list, as the game names them; forwards per the project's
        // decision (towards the wing, as a midfielder, as a defender: entries 2, 3, 4).
        const struct {
            const char *name;
            QList<int> places;
            int entries[7];
        } rows[] = {
            {"back", {RightBack, LeftBack}, {2, 1, 3, 0, 4, 5, 0}},
            {"central", {CentralDefender1, CentralDefender2}, {1, 0, 0, 2, 4, 3, 0}},
            {"winger", {RightWinger, LeftWinger}, {2, 1, 3, 0, 4, 0, 0}},
            {"midfield", {InnerMidfielder1, InnerMidfielder2}, {2, 1, 0, 3, 4, 0, 5}},
            {"forward", {Forward1, Forward2}, {0, 1, 0, 2, 0, 3, 4}},
        };
        for (const auto &row : rows) {
            for (int place : row.places) {
                for (int code = 1; code <= 7; ++code)
                    QTest::addRow("%s %d code %d", row.name, place, code) << place << code << row.entries[code - 1];
                QTest::addRow("%s %d code 0", row.name, place) << place << 0 << -1;
                QTest::addRow("%s %d code 8", row.name, place) << place << 8 << -1;
                QTest::addRow("%s %d code 70", row.name, place) << place << 70 << -1;
            }
        }
    }
    void behaviourCodesSelectTheirEntries()
    {
        QFETCH(int, place);
        QFETCH(int, code);
        QFETCH(int, expected);
        MatchOrders o;
        o.lineup = {entry("105", place, QByteArray::number(code))};
        m_folder->writeMatchOrders(o);
        // Twice, from two different entries, so that "kept" and "set" are told apart.
        for (int before : {0, 1}) {
            board().edit()->setBehaviourEntry(place, before);
            read();
            QCOMPARE(board().state().behaviourEntry(place), expected < 0 ? before : expected);
            QCOMPARE(board().state().slotEntry(place), entryOfId(105));
        }
    }

    void forwardCodesGiveTheFormationTheyName()
    {
        // Code 4 towards the wing, 6 as a midfielder, 7 as a defender: ATA, M, DC.
        readOrders({entry("110", Forward1, "4"), entry("111", Forward2, "6")});
        QCOMPARE(board().text("cbA1"), QStringLiteral("Vers l'aile"));
        QCOMPARE(board().state().slotKind(Forward1), 19);
        QCOMPARE(board().text("cbA2"), QStringLiteral("Milieu de terrain"));
        QCOMPARE(board().state().slotKind(Forward2), 13);
        readOrders({entry("110", Forward1, "7")});
        QCOMPARE(board().text("cbA1"), QString::fromUtf8("Défenseur"));
        QCOMPARE(board().state().slotKind(Forward1), 6);
    }

    void emptyBehaviourKeepsTheBoxEntry_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("behaviour");
        QTest::newRow("empty element") << std::optional<QByteArray>(QByteArray());
        QTest::newRow("no element") << std::optional<QByteArray>();
        QTest::newRow("zero") << std::optional<QByteArray>(QByteArray("0"));
        QTest::newRow("leading zeros") << std::optional<QByteArray>(QByteArray("000"));
    }
    void emptyBehaviourKeepsTheBoxEntry()
    {
        QFETCH(std::optional<QByteArray>, behaviour);
        board().edit()->setBehaviourEntry(InnerMidfielder1, 3);
        readOrders({OrderEntry{"107", "7", behaviour}, entry("108", 8, "")});
        QCOMPARE(board().state().behaviourEntry(InnerMidfielder1), 3);
        QCOMPARE(board().state().slotEntry(InnerMidfielder1), entryOfId(107));
        // After the board reset the box that keeps its entry shows "Normal".
        QCOMPARE(board().text("cbM2"), QStringLiteral("Normal"));
        QCOMPARE(board().state().slotEntry(InnerMidfielder2), entryOfId(108));
    }

    // ---- tactic, attitude, venue ----

    void attitudeIsTheCodePlusOne_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("attitude");
        QTest::addColumn<QString>("shown");
        QTest::newRow("-1") << std::optional<QByteArray>("-1") << QStringLiteral("Tranquille");
        QTest::newRow("0") << std::optional<QByteArray>("0") << QStringLiteral("Normal");
        QTest::newRow("1") << std::optional<QByteArray>("1") << QStringLiteral("Meilleur match de la saison");
        QTest::newRow("empty") << std::optional<QByteArray>("") << QStringLiteral("Normal");
        QTest::newRow("absent") << std::optional<QByteArray>() << QStringLiteral("Normal");
        QTest::newRow("not a number") << std::optional<QByteArray>("best") << QStringLiteral("Normal");
        // 5 + 1 is outside the list: no selection, which the team reader then defaults.
        QTest::newRow("outside") << std::optional<QByteArray>("5") << QStringLiteral("Normal");
        QTest::newRow("top of the range") << std::optional<QByteArray>("2147483647") << QStringLiteral("Normal");
        QTest::newRow("bottom of the range") << std::optional<QByteArray>("-2147483648") << QStringLiteral("Normal");
    }
    void attitudeIsTheCodePlusOne()
    {
        QFETCH(std::optional<QByteArray>, attitude);
        QFETCH(QString, shown);
        board().edit()->setCondition(Board::Attitude, 0);
        MatchOrders o;
        o.attitude = attitude;
        m_folder->writeMatchOrders(o);
        read();
        QCOMPARE(board().text("cbAttitude"), shown);
    }

    void tacticIsTheCode_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("tactic");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << std::optional<QByteArray>("") << QStringLiteral("Normal");
        QTest::newRow("absent") << std::optional<QByteArray>() << QStringLiteral("Normal");
        QTest::newRow("1") << std::optional<QByteArray>("1") << QStringLiteral("Pressing");
        QTest::newRow("4") << std::optional<QByteArray>("4") << QStringLiteral("Attaque sur les ailes");
        QTest::newRow("not a number") << std::optional<QByteArray>("2b") << QStringLiteral("Normal");
        QTest::newRow("outside") << std::optional<QByteArray>("9") << QStringLiteral("Normal");
    }
    void tacticIsTheCode()
    {
        QFETCH(std::optional<QByteArray>, tactic);
        QFETCH(QString, shown);
        board().edit()->setCondition(Board::Tactique, 3);
        MatchOrders o;
        o.tacticType = tactic;
        m_folder->writeMatchOrders(o);
        read();
        QCOMPARE(board().text("cbTactique"), shown);
    }

    void venueComparesTheHomeTeamWithTheTeamId_data()
    {
        QTest::addColumn<QString>("teamIdBefore");
        QTest::addColumn<std::optional<QByteArray>>("teamXmlId"); // null: no Team.xml
        QTest::addColumn<QByteArray>("homeTeamId");
        QTest::addColumn<QString>("venue");
        QTest::addColumn<QString>("teamIdAfter");
        using O = std::optional<QByteArray>;
        const QString ours = QStringLiteral("418275");
        const QString theirs = QStringLiteral("421044");
        const QString home = QStringLiteral("Home/Derby");
        const QString away = QStringLiteral("Away");
        QTest::newRow("equal") << ours << O() << QByteArray("418275") << home << ours;
        QTest::newRow("different") << ours << O() << QByteArray("421044") << away << ours;
        QTest::newRow("blank in the orders") << ours << O() << QByteArray("418275 ") << away << ours;
        // At start-up nothing has read Team.xml yet: the reader takes it before comparing.
        QTest::newRow("start-up, Team.xml present") << QString() << O("418275") << QByteArray("418275") << home << ours;
        QTest::newRow("Team.xml wins over an older identifier")
            << theirs << O("418275") << QByteArray("418275") << home << ours;
        QTest::newRow("start-up, no Team.xml") << QString() << O() << QByteArray("418275") << away << QString();
    }
    void venueComparesTheHomeTeamWithTheTeamId()
    {
        QFETCH(QString, teamIdBefore);
        QFETCH(std::optional<QByteArray>, teamXmlId);
        QFETCH(QByteArray, homeTeamId);
        QFETCH(QString, venue);
        QFETCH(QString, teamIdAfter);
        if (teamXmlId)
            m_folder->writeTeam(*teamXmlId);
        m_teamId = teamIdBefore;
        board().edit()->setCondition(Board::Lieu, -1);
        MatchOrders o;
        o.homeTeamId = homeTeamId;
        m_folder->writeMatchOrders(o);
        read();
        QCOMPARE(board().text("cbLieu"), venue);
        QCOMPARE(m_teamId, teamIdAfter);
    }

    void aHomeMatchReadsTheMidfieldWithoutTheAwayFall()
    {
        // Inner midfielder with playmaking 8: midfield S = 8 at home, 8 - 80/100 away.
        m_lineup->roster->players[6].PlaymakerSkill = 8;
        m_folder->writeTeam("418275");
        m_teamId.clear();
        MatchOrders o;
        o.lineup = {entry("107", InnerMidfielder1, "")};
        m_folder->writeMatchOrders(o);
        read();
        QCOMPARE_EXACT(board().teamFigures().sector[SectorRatings::Midfield], 8.0);
        o.homeTeamId = QByteArray("1");
        m_folder->writeMatchOrders(o);
        read();
        QCOMPARE_EXACT(board().teamFigures().sector[SectorRatings::Midfield], 8.0 - (8.0 * 10) / 100);
    }

    // ---- orders that are not available ----

    void ordersNotAvailableAreIgnoredButTeamAndTrainingRun_data()
    {
        QTest::addColumn<QByteArray>("available");
        QTest::newRow("True") << QByteArray("True");
        QTest::newRow("false") << QByteArray("false");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("true with blank") << QByteArray("true ");
    }
    void ordersNotAvailableAreIgnoredButTeamAndTrainingRun()
    {
        QFETCH(QByteArray, available);
        m_folder->writeTraining(QByteArray("9"), QByteArray("6"));
        m_folder->writeTeam("555");
        board().edit()->setCondition(Board::Tactique, 2);
        board().edit()->setCondition(Board::Lieu, 1);
        MatchOrders o;
        o.available = available;
        o.tacticType = QByteArray("1");
        o.attitude = QByteArray("1");
        o.homeTeamId = QByteArray("555");
        o.lineup = fullLineup(18);
        m_folder->writeMatchOrders(o);
        read();
        for (int place = kFirstPlace; place <= kLastPlace; ++place) {
            QCOMPARE(board().state().slotEntry(place), 0);
            QCOMPARE(board().state().placement(place), -1);
        }
        QCOMPARE(board().state().captainEntry(), 0);
        QCOMPARE(board().entry("cbTactique"), 2);
        QCOMPARE(board().entry("cbAttitude"), 1);
        QCOMPARE(board().entry("cbLieu"), 1);
        QCOMPARE(board().entry("cbTeamSpirit"), 9);
        QCOMPARE(board().entry("cbConfiance"), 6);
        QCOMPARE(m_teamId, QStringLiteral("555"));
        QVERIFY(board().presenter().pinfosVisible());
    }

    void availableAttributeAbsentIgnoresTheOrders()
    {
        m_folder->writeXml(QStringLiteral("MatchOrders.xml"),
                           "<VelmorraData><MatchData><HomeTeam><HomeTeamID>418275</HomeTeamID></HomeTeam>"
                           "<TacticType>1</TacticType><Lineup><P><PlayerID>101</PlayerID><RoleID>1</RoleID></P>"
                           "</Lineup></MatchData></VelmorraData>");
        read();
        QCOMPARE(board().state().slotEntry(Keeper), 0);
        QCOMPARE(board().entry("cbTactique"), 0); // the team reader's default
        QCOMPARE(board().entry("cbTeamSpirit"), 4);
    }

    // ---- captain and set-piece taker ----

    void captainAndSetPiecesAreChosenByRecord()
    {
        // Two players named alike: each box shows the record the orders name.
        Tplayer &first = m_lineup->roster->players[14];
        Tplayer &second = m_lineup->roster->players[15];
        first.PlayerName = second.PlayerName = QStringLiteral("Luc Martin");
        first.DefenderSkill = 3;
        second.DefenderSkill = 9;
        m_lineup->makeBoard();
        QCOMPARE(board().state().candidateList().count(QStringLiteral("Luc Martin")), 2);

        readOrders({entry("116", CentralDefender1, ""), entry("115", 17), entry("116", 18)});
        QCOMPARE(board().state().captainEntry(), m_lineup->entryOf(15));
        QCOMPARE(board().state().captainPlayerId(), 116);
        QCOMPARE(board().state().setPiecesEntry(), m_lineup->entryOf(14));
        QCOMPARE(board().state().setPiecesPlayerId(), 115);
        QCOMPARE(board().text("cbCapitaine"), QStringLiteral("Luc Martin"));
        // The placed namesake's own skills count: central defence S = 1.0 x 9.
        QCOMPARE(board().state().slotEntry(CentralDefender1), m_lineup->entryOf(15));
        QCOMPARE(board().state().playerIdOfBox(CentralDefender1), 116);
        QCOMPARE_EXACT(board().teamFigures().sector[SectorRatings::CentralDefence], 9.0);

        readOrders({entry("115", 17), entry("115", 18)});
        QCOMPARE(board().state().captainPlayerId(), 115);
        QCOMPARE(board().state().setPiecesPlayerId(), 115);
    }

    void captainNotInTheRosterLeavesTheBox()
    {
        board().edit()->setCaptainEntry(entryOfId(104));
        readOrders({entry("4242", 18), entry("106", 17)});
        QCOMPARE(board().state().captainPlayerId(), 104);
        QCOMPARE(board().state().setPiecesPlayerId(), 106);
    }

    // ---- failures ----

    void unreadableOrdersStopBeforeTeamAndTraining_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("malformed") << QByteArray("<VelmorraData><MatchData Available=\"true\">");
        QTest::newRow("no MatchData") << QByteArray("<VelmorraData><Lineup/></VelmorraData>");
        QTest::newRow("no HomeTeam") << QByteArray("<VelmorraData><MatchData Available=\"true\"><TacticType>1"
                                                   "</TacticType></MatchData></VelmorraData>");
    }
    void unreadableOrdersStopBeforeTeamAndTraining()
    {
        QFETCH(QByteArray, content);
        if (!content.isEmpty())
            m_folder->writeXml(QStringLiteral("MatchOrders.xml"), content);
        m_folder->writeTraining(QByteArray("9"), QByteArray("6"));
        QVERIFY_THROWS_EXCEPTION(DataFileError, read());
        QCOMPARE(board().entry("cbTeamSpirit"), -1);
        QCOMPARE(board().entry("cbConfiance"), 5);
        QVERIFY(!board().presenter().pinfosVisible());
    }

    void lowerCaseFileNameIsFound()
    {
        MatchOrders o;
        o.lineup = {entry("101", 1)};
        m_folder->writeMatchOrders(o);
        QVERIFY(QFile::rename(m_folder->xml() + "MatchOrders.xml", m_folder->xml() + "matchorders.xml"));
        read();
        QCOMPARE(board().state().playerIdOfBox(Keeper), 101);
    }
};

QTEST_GUILESS_MAIN(TestMatchOrdersReader)
#include "tst_matchordersreader.moc"
