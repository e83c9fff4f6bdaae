// The start-up work of the main window and its commands on the data, without a window.
#include "datafiles/ProgramFolder.h"
#include "lineup/LineupSlots.h"
#include "settings/IniFile.h"
#include "common/AppError.h"
#include "shell/LanguageFile.h"
#include "shell/MainModel.h"
#include "support/ProgramFolder.h"

#include <QSignalSpy>
#include <QtTest>

using namespace LineupSlots;

namespace {

// Thirteen players; the file order is not the name order. Values come from one skill each.
QList<TestPlayer> squad()
{
    QList<TestPlayer> s;
    auto add = [&s](const char *id, const char *name) -> TestPlayer & {
        s.append(TestPlayer{});
        s.last().id = id;
        s.last().name = name;
        return s.last();
    };
    add("110", "Jan Forward").scoring = 8;
    add("101", "Adam Keeper").keeper = 7;
    add("102", "Bert Back").defending = 6;
    add("103", "Carl Centre").defending = 8;
    add("104", "Dirk Centre").defending = 7;
    add("105", "Emil Back").defending = 5;
    add("106", "Fritz Wing").winger = 6;
    add("107", "Gus Mid").playmaking = 7;
    add("108", "Hans Mid").playmaking = 6;
    add("109", "Ivo Wing").winger = 5;
    add("111", "Kai Forward").scoring = 7;
    TestPlayer &trainer = add("112", "Lars Trainer");
    trainer.trainerType = 1;
    trainer.trainerSkill = 5;
    add("113", "Max Spare").keeper = 4;
    return s;
}

// The stored order: 101..111 in places 1..11 (right back Défensif, left back Offensif, the
// rest on their first code), 113 as substitute keeper, 103 captain, 107 set pieces.
MatchOrders storedOrders()
{
    MatchOrders o;
    o.tacticType = QByteArray("1");
    o.attitude = QByteArray("1");
    o.homeTeamId = QByteArray("418275");
    o.lineup = {entry("101", 1), entry("102", 2, "2"), entry("103", 3, ""), entry("104", 4, ""),
                entry("105", 5, "1"), entry("106", 6, ""), entry("107", 7, ""), entry("108", 8, ""),
                entry("109", 9, ""), entry("110", 10, ""), entry("111", 11, ""), entry("113", 12),
                entry("107", 17), entry("103", 18)};
    return o;
}

const QByteArray kSettings = "[defaut]\nHotKey=Ctrl+C\nrepositionnement=2\n\n"
                             "[options]\ncartons=YES\nblesse=yes\nCalculAll=Yes\nmethode=3\n\n"
                             "[Player]\nGardienGardien=100\nDLDefense=100\nDLDDefense=100\nDLODefense=100\n"
                             "DCDefense=100\nAAilier=100\nMConstruction=100\nATButeur=100\n";

} // namespace

class TestMainModel : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;

    void writeComplete()
    {
        m_folder->writeSettings(kSettings);
        m_folder->writeTeam("418275");
        m_folder->writeTraining(QByteArray("6"), QByteArray("3"));
        m_folder->writePlayers(squad());
        m_folder->writeMatchOrders(storedOrders());
    }
    static int recordOf(const MainModel &model, const char *id)
    {
        for (int r = 0; r < model.roster().count; ++r)
            if (model.roster().players[r].PlayerID == QLatin1String(id))
                return r;
        return -1;
    }
    void checkStoredOrder(const Board &board)
    {
        for (int place = Keeper; place <= Forward2; ++place) {
            QCOMPARE(board.state().playerIdOfBox(place), 100 + place);
            QCOMPARE(board.state().placement(place), 100 + place);
        }
        QCOMPARE(board.state().playerIdOfBox(SubstituteKeeper), 113);
        for (int place = SubstituteDefender; place <= SubstituteForward; ++place)
            QCOMPARE(board.state().playerIdOfBox(place), -1);
        QCOMPARE(board.state().captainPlayerId(), 103);
        QCOMPARE(board.state().setPiecesPlayerId(), 107);
        QCOMPARE(board.text("cbDLD"), QStringLiteral("Défensif"));
        QCOMPARE(board.text("cbDLG"), QStringLiteral("Offensif"));
        QCOMPARE(board.text("cbDC1"), QStringLiteral("Normal"));
        QCOMPARE(board.text("cbTactique"), QStringLiteral("Pressing"));
        QCOMPARE(board.text("cbAttitude"), QStringLiteral("Meilleur match de la saison"));
        QCOMPARE(board.text("cbLieu"), QStringLiteral("Home/Derby"));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
    }

    // ---- start-up ----

    void startUpOnACompleteFolder()
    {
        writeComplete();
        MainModel model(m_folder->path());
        QVERIFY(!model.loadingDone());
        model.startUp();

        QVERIFY(model.loadingDone());
        QVERIFY(model.versionCheck().passed);
        QCOMPARE(model.roster().count, 13);
        QCOMPARE(model.teamId(), QStringLiteral("418275"));
        QVERIFY(model.calculeEnabled());
        const Board &board = model.board();
        checkStoredOrder(board);
        QCOMPARE(board.entry("cbTeamSpirit"), 6);
        QCOMPARE(board.entry("cbConfiance"), 3);
        QCOMPARE(board.entry("LEntraineur"), 1); // Lars Trainer's type

        // Options: exactly "YES" ticks a box; the sector order is the stored "methode".
        QVERIFY(board.state().option(Board::Cartons));
        QVERIFY(!board.state().option(Board::Blesse));
        QVERIFY(!board.state().option(Board::RecalculTous));
        QCOMPARE(board.state().sectorOrder(), 3);

        // The keeper's value is his keeper skill; the central defence, by hand: keeper 7,
        // both central defenders on Normal (8, 7), right back Défensif 0.5 x 6 and left back
        // Offensif 0.3 x 5; trainer type 1 falls 0.07, "Meilleur match" rises 0.1.
        QCOMPARE_EXACT(board.state().slotValue(Keeper), 7.0);
        double s = 0;
        s = s + 1.0 * 7;
        s = s + 1.0 * 8;
        s = s + 1.0 * 7;
        s = s + 0.5 * 6;
        s = s + 0.3 * 5;
        s = s - 0.07 * s;
        s = s + 0.1 * s;
        QCOMPARE_EXACT(board.teamFigures().sector[SectorRatings::CentralDefence], s);
        QVERIFY(board.presenter().pinfosVisible());

        // The players path is remembered in the settings file.
        QCOMPARE(IniFile(m_folder->ini()).readString("defaut", "PlayersXML", QString()),
                 m_folder->xml() + "players.xml");
    }

    void listPositionsFollowTheNames()
    {
        writeComplete();
        MainModel model(m_folder->path());
        model.startUp();
        // Adam 1, Bert 2, ... Max 13, whatever the file order.
        QCOMPARE(model.roster().players[recordOf(model, "110")].ListPosition, 10);
        QCOMPARE(model.roster().players[recordOf(model, "101")].ListPosition, 1);
        QCOMPARE(model.candidateList().size(), 14);
        QCOMPARE(model.board().text("cbAttaquant1"), QStringLiteral("Jan Forward"));
    }

    void startUpWithoutMatchOrdersStillReadsTeamAndTraining()
    {
        writeComplete();
        m_folder->remove("MatchOrders.xml");
        m_folder->writeTraining(QByteArray("9"), QByteArray("7"));
        MainModel model(m_folder->path());
        model.startUp();
        QVERIFY(model.loadingDone());
        const Board &board = model.board();
        QCOMPARE(board.text("cbTeamSpirit"), QStringLiteral("Sur un nuage"));
        QCOMPARE(board.entry("cbConfiance"), 7);
        QCOMPARE(board.entry("LEntraineur"), 1);
        QCOMPARE(board.entry("cbTactique"), 0);
        QCOMPARE(board.entry("cbAttitude"), 1);
        QCOMPARE(model.teamId(), QStringLiteral("418275"));
        for (int place = kFirstPlace; place <= kLastPlace; ++place)
            QCOMPARE(board.state().recordOfBox(place), -1);
        QVERIFY(board.presenter().pinfosVisible());
    }

    void startUpWithoutPlayersFile_data()
    {
        QTest::addColumn<bool>("withOrders");
        QTest::newRow("with match orders") << true;
        QTest::newRow("without match orders") << false;
    }
    void startUpWithoutPlayersFile()
    {
        QFETCH(bool, withOrders);
        writeComplete();
        m_folder->remove("players.xml");
        if (!withOrders)
            m_folder->remove("MatchOrders.xml");
        MainModel model(m_folder->path());
        model.startUp();
        QVERIFY(model.loadingDone());
        QVERIFY(!model.calculeEnabled());
        QCOMPARE(model.roster().count, 0);
        const Board &board = model.board();
        // The orders' identifiers stand in the placement table; no box shows a player.
        QCOMPARE(board.state().placement(Keeper), withOrders ? 101 : -1);
        QCOMPARE(board.state().recordOfBox(Keeper), -1);
        QCOMPARE(board.entry("cbTeamSpirit"), 6);
        QVERIFY(board.state().option(Board::Cartons));
        QVERIFY(!IniFile(m_folder->ini()).keyExists("defaut", "PlayersXML"));
    }

    // The version check may read no further than the version: a fault after it still ends the
    // start-up, named, whichever reader meets it.
    void faultAfterTheVersionEndsTheStartUp_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"Team.xml", "players.xml", "Training.xml", "MatchOrders.xml"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }
    void faultAfterTheVersionEndsTheStartUp()
    {
        QFETCH(QString, file);
        writeComplete();
        QByteArray content = m_folder->read(m_folder->xml() + file);
        const qsizetype end = content.lastIndexOf("</VelmorraData>");
        QVERIFY(end > content.indexOf("</Version>"));
        m_folder->writeXml(file, content.left(end));
        MainModel model(m_folder->path());
        try {
            model.startUp();
            QFAIL("a file cut after its version must end the start-up");
        } catch (const DataFileError &e) {
            QVERIFY2(e.file().endsWith(file), qPrintable(e.message()));
            QVERIFY2(e.reason().contains(QStringLiteral("ligne")), qPrintable(e.message()));
        }
        QVERIFY(!model.loadingDone());
    }

    void unreadablePlayersFileEndsTheStartUp_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("withTeam"); // Team.xml makes the version check read players.xml
        QTest::newRow("malformed, version check") << QByteArray("<VelmorraData><Team><PlayerList Count=\"2\">") << true;
        QTest::newRow("malformed, roster load") << QByteArray("<VelmorraData><Team><PlayerList Count=\"2\">") << false;
        QTest::newRow("no PlayerList") << QByteArray("<VelmorraData><Version>1.2.6</Version><Team/></VelmorraData>")
                                       << false;
    }
    void unreadablePlayersFileEndsTheStartUp()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, withTeam);
        writeComplete();
        if (!withTeam)
            m_folder->remove("Team.xml");
        m_folder->writeXml("players.xml", content);
        const QByteArray iniBefore = m_folder->read(m_folder->ini());

        MainModel model(m_folder->path());
        QVERIFY_THROWS_EXCEPTION(DataFileError, model.startUp());
        QVERIFY(!model.loadingDone());
        QCOMPARE(m_folder->read(m_folder->ini()), iniBefore);
        // The later steps did not run: no options, no orders.
        QVERIFY(!model.board().state().option(Board::Cartons));
        QCOMPARE(model.board().state().placement(Keeper), -1);
        QCOMPARE(model.roster().count, 0);
        // Closing after the stopped start-up leaves the stored options alone.
        QVERIFY(model.saveOptions());
        QCOMPARE(m_folder->read(m_folder->ini()), iniBefore);
    }

    void unreadableOrdersEndTheStartUp()
    {
        writeComplete();
        m_folder->writeXml("MatchOrders.xml", "<VelmorraData><MatchData Available=\"true\">");
        m_folder->remove("Team.xml"); // so that the version check does not meet the file first
        MainModel model(m_folder->path());
        QVERIFY_THROWS_EXCEPTION(DataFileError, model.startUp());
        QVERIFY(!model.loadingDone());
        // Options came before the orders and stay restored.
        QVERIFY(model.board().state().option(Board::Cartons));
        QCOMPARE(model.roster().count, 13);
    }

    // ---- reloading the orders ----

    void rechargeCompoXMLPutsTheStoredOrderBack()
    {
        writeComplete();
        MainModel model(m_folder->path());
        model.startUp();
        Board &board = model.board();
        const int spare = model.roster().players[recordOf(model, "113")].ListPosition;
        board.slotPicked(Keeper, spare);
        board.behaviourPicked(CentralDefender1, 3);
        board.conditionPicked(Board::Tactique, 4);
        board.substitutePicked(SubstituteForward, model.roster().players[recordOf(model, "101")].ListPosition);
        QCOMPARE(board.state().playerIdOfBox(Keeper), 113);

        model.rechargeCompoXML();
        QVERIFY(model.loadingDone());
        checkStoredOrder(board);
        // The reset took the sector order stored by the user's last pick, not "methode".
        QCOMPARE(board.state().sectorOrder(), 2);
    }

    void failedRechargeLeavesTheBoardClearedAndCheckMarksStillCount()
    {
        writeComplete();
        MainModel model(m_folder->path());
        model.startUp();
        m_folder->writeXml("MatchOrders.xml", "<VelmorraData><MatchData Available=\"true\"></VelmorraData>");
        QVERIFY_THROWS_EXCEPTION(DataFileError, model.rechargeCompoXML());
        QVERIFY(!model.loadingDone());
        for (int place = kFirstPlace; place <= kLastPlace; ++place) {
            QCOMPARE(model.board().state().placement(place), -1);
            QCOMPARE(model.board().state().recordOfBox(place), -1);
        }
        // The user's check mark is the truth the search uses, failed reload or not.
        const int back = recordOf(model, "102");
        QVERIFY(model.setPlayerSelectable(back, false));
        QVERIFY(!model.roster().players[back].Selectable);

        m_folder->writeMatchOrders(storedOrders());
        model.rechargeCompoXML();
        QVERIFY(model.loadingDone());
        QVERIFY(model.setPlayerSelectable(back, true));
        QVERIFY(model.roster().players[back].Selectable);
    }

    // ---- a change of language ----

    void aLanguageChangeKeepsTheBoard()
    {
        writeComplete();
        MainModel model(m_folder->path());
        model.startUp();
        Board &board = model.board();
        board.slotPicked(Keeper, model.roster().players[recordOf(model, "113")].ListPosition);
        board.behaviourPicked(CentralDefender1, 3);
        board.conditionPicked(Board::Tactique, 3);
        board.captainPicked(model.roster().players[recordOf(model, "110")].ListPosition);
        const LineupState before = board.state();
        const double e = board.figures().E;

        QVERIFY(model.language().load(QStringLiteral(SQW_SAMPLE_DATA_DIR "/lng/English.lng")));
        for (int place = kFirstPlace; place <= kLastPlace; ++place) {
            QCOMPARE(board.state().slotEntry(place), before.slotEntry(place));
            QCOMPARE(board.state().placement(place), before.placement(place));
            QCOMPARE(board.state().behaviourEntry(place), before.behaviourEntry(place));
        }
        for (int c = 0; c < Board::kConditionCount; ++c)
            QCOMPARE(board.state().condition(Board::Condition(c)), before.condition(Board::Condition(c)));
        QCOMPARE(board.state().captainEntry(), before.captainEntry());
        QCOMPARE(board.state().setPiecesEntry(), before.setPiecesEntry());
        QCOMPARE(board.figures().E, e);
        // The same figures in the new words.
        QCOMPARE(board.text("cbDLD"), QStringLiteral("Defensive"));
        QCOMPARE(board.text("LabelTactique"), QStringLiteral("Tactic: Attack in the middle"));
        QVERIFY2(board.text("LForce1").startsWith(QStringLiteral("Team strength")), qPrintable(board.text("LForce1")));
    }

    // ---- loading a players file ----

    void chargePlayersXMLWithoutAFileLeavesTheRoster()
    {
        writeComplete();
        MainModel model(m_folder->path());
        model.startUp();
        const QByteArray iniBefore = m_folder->read(m_folder->ini());
        QSignalSpy commands(&model, &MainModel::commandStateChanged);

        QVERIFY(!model.chargePlayersXML(m_folder->xml() + "nowhere.xml"));
        QVERIFY(!model.calculeEnabled());
        QCOMPARE(commands.count(), 1);
        QCOMPARE(model.roster().count, 13);
        QVERIFY(model.listRows().isEmpty());
        QCOMPARE(model.board().state().playerIdOfBox(Keeper), 101);
        QCOMPARE(model.board().state().placement(Keeper), 101);
        for (int place = Keeper; place <= Forward2; ++place) {
            QCOMPARE(model.board().presenter().starStrip(place).width, 0);
            QCOMPARE(model.board().presenter().starStrip(place).left, baseLeft(place) + 70); // zero stars, centred
        }
        QCOMPARE(m_folder->read(m_folder->ini()), iniBefore);
    }

    void chargePlayersXMLLoadsAndClearsThePlacement()
    {
        writeComplete();
        MainModel model(m_folder->path());
        model.startUp();
        QVERIFY(model.chargePlayersXML(m_folder->xml() + "players.xml"));
        QVERIFY(model.calculeEnabled());
        QCOMPARE(model.listRows().size(), 13);
        for (int place = kFirstPlace; place <= kLastPlace; ++place) {
            QCOMPARE(model.board().state().placement(place), -1);
            QCOMPARE(model.board().state().slotEntry(place), -1); // new candidate list: no selection
        }
    }

    // ---- check marks and the best-lineup command ----

    void missingFormulasAreToldNotHidden()
    {
        writeComplete();
        {
            MainModel model(m_folder->path());
            model.startUp();
            QVERIFY2(model.loadWarnings().isEmpty(), qPrintable(model.loadWarnings().join(' ')));
        }
        // A settings file without the formula section: every value is 0, and the user hears why.
        m_folder->writeSettings("[defaut]\nHotKey=Ctrl+C\n[Player]\nForme=20\n");
        MainModel model(m_folder->path());
        model.startUp();
        QVERIFY(model.loadingDone());
        QCOMPARE(model.roster().players[0].BestValue, 0.0);
        QCOMPARE(model.loadWarnings().size(), 1);
        QVERIFY(model.loadWarnings().first().contains(QStringLiteral("[Player]")));
    }

    void checkMarksDecideTheBestLineupCommand()
    {
        writeComplete();
        MainModel model(m_folder->path());
        model.startUp();
        QSignalSpy changed(&model, &MainModel::selectableChanged);
        const int trainer = recordOf(model, "112");
        QVERIFY(!model.roster().players[trainer].Selectable);

        for (int r = 0; r < model.roster().count; ++r) {
            QVERIFY(model.calculeEnabled());
            QVERIFY(model.setPlayerSelectable(r, false));
            QVERIFY(!model.roster().players[r].Selectable);
        }
        QVERIFY(!model.calculeEnabled());
        QCOMPARE(changed.count(), 12); // the trainer was unticked already

        const int spare = recordOf(model, "113");
        QVERIFY(model.setPlayerSelectable(spare, true));
        QVERIFY(model.roster().players[spare].Selectable);
        QVERIFY(model.calculeEnabled());
        QCOMPARE(changed.count(), 13);
        QCOMPARE(changed.last().at(0).toInt(), spare);

        // A row outside the roster changes no record; the command is judged again.
        QVERIFY(!model.setPlayerSelectable(200, false));
        QVERIFY(model.calculeEnabled());
    }

    void uncheckedPlayersStayOffTheBoard()
    {
        writeComplete();
        m_folder->remove("MatchOrders.xml");
        MainModel model(m_folder->path());
        model.startUp();
        const int keeper = recordOf(model, "101");
        model.setPlayerSelectable(keeper, false);
        model.calcule();
        QCOMPARE(model.board().state().playerIdOfBox(Keeper), 113);
    }

    // ---- options and keep-on-top in the settings file ----

    void optionsAreRestoredOnlyFromExactlyYES_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("checked");
        QTest::newRow("YES") << QByteArray("YES") << true;
        QTest::newRow("yes") << QByteArray("yes") << false;
        QTest::newRow("Yes") << QByteArray("Yes") << false;
        QTest::newRow("1") << QByteArray("1") << false;
        QTest::newRow("NO") << QByteArray("NO") << false;
        QTest::newRow("absent") << QByteArray() << false;
    }
    void optionsAreRestoredOnlyFromExactlyYES()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, checked);
        QByteArray ini = "[options]\n";
        if (!value.isNull())
            ini += "cartons=" + value + "\nblesse=" + value + "\nCalculAll=" + value + "\n";
        ini += "methode=4\n";
        m_folder->writeSettings(ini);
        MainModel model(m_folder->path());
        model.restoreOptions();
        QCOMPARE(model.board().state().option(Board::Cartons), checked);
        QCOMPARE(model.board().state().option(Board::Blesse), checked);
        QCOMPARE(model.board().state().option(Board::RecalculTous), checked);
        QCOMPARE(model.board().state().sectorOrder(), 4);
    }

    void saveOptionsWritesYesNoAndTheMethod()
    {
        const QString blesseBefore = IniFile(m_folder->ini()).readString("options", "blesse", QStringLiteral("absent"));
        MainModel model(m_folder->path());
        model.board().optionToggled(Board::Cartons, true);
        model.board().optionToggled(Board::RecalculTous, true);
        model.board().edit()->setSectorOrder(5);
        QVERIFY(model.saveOptions());
        const QString text = QString::fromUtf8(m_folder->read(m_folder->ini()));
        QVERIFY2(text.contains("cartons=YES\n"), qPrintable(text));
        // Never changed, never written.
        QCOMPARE(IniFile(m_folder->ini()).readString("options", "blesse", QStringLiteral("absent")), blesseBefore);
        QVERIFY(text.contains("CalculAll=YES\n"));
        QVERIFY(text.contains("methode=5\n"));

        // And they come back at the next start.
        MainModel again(m_folder->path());
        again.restoreOptions();
        QVERIFY(again.board().state().option(Board::Cartons));
        QVERIFY(!again.board().state().option(Board::Blesse));
        QVERIFY(again.board().state().option(Board::RecalculTous));
        QCOMPARE(again.board().state().sectorOrder(), 5);
    }

    void keepOnTopIsReadInLowerCase_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("YES") << QByteArray("YES") << true;
        QTest::newRow("yes") << QByteArray("yes") << true;
        QTest::newRow("Yes") << QByteArray("Yes") << true;
        QTest::newRow("no") << QByteArray("no") << false;
        QTest::newRow("1") << QByteArray("1") << false;
        QTest::newRow("absent") << QByteArray() << false;
    }
    void keepOnTopIsReadInLowerCase()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, onTop);
        m_folder->writeSettings(value.isNull() ? QByteArray("[defaut]\n") : "[defaut]\nontop=" + value + "\n");
        MainModel model(m_folder->path());
        QCOMPARE(model.storedOnTop(), onTop);
    }

    void keepOnTopIsStoredAsYesOrNo()
    {
        MainModel model(m_folder->path());
        model.storeOnTop(true);
        QCOMPARE(IniFile(m_folder->ini()).readString("defaut", "ontop", QString()), QStringLiteral("yes"));
        QVERIFY(model.storedOnTop());
        model.storeOnTop(false);
        QCOMPARE(IniFile(m_folder->ini()).readString("defaut", "ontop", QString()), QStringLiteral("no"));
        QCOMPARE(model.hotKeyText(), QStringLiteral("Ctrl+C"));
    }

    void noSettingsFileGivesTheDefaults()
    {
        QFile::remove(m_folder->ini());
        MainModel model(m_folder->path());
        model.startUp();
        QVERIFY(model.loadingDone());
        QVERIFY(!model.storedOnTop());
        QCOMPARE(model.hotKeyText(), QStringLiteral("Ctrl+C"));
        QVERIFY(!model.board().state().option(Board::Cartons));
        QCOMPARE(model.board().state().sectorOrder(), 0);
        QVERIFY(!QFile::exists(m_folder->ini()));
    }
};

QTEST_GUILESS_MAIN(TestMainModel)
#include "tst_mainmodel.moc"
