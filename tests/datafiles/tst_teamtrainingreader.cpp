// The team and training reader: match conditions and the team identifier from the game files.
#include "datafiles/DataFolder.h"
#include "datafiles/ProgramFolder.h"
#include "datafiles/XmlFile.h"
#include "lineup/LineupFixture.h"
#include "shell/MatchOrdersApplier.h"
#include "common/AppError.h"

#include <QtTest>

using Opt = std::optional<QByteArray>;

class TestTeamTrainingReader : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<LineupFixture> m_lineup;

    Board &board() { return *m_lineup->board; }
    void run(int trainerType, QString &teamId)
    {
        MatchOrdersApplier::applyTeamAndTraining(DataFolder(m_folder->path()), board(), trainerType, teamId);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        m_lineup = std::make_unique<LineupFixture>();
        m_lineup->add(QStringLiteral("Anton Keller"), 101);
        m_lineup->add(QStringLiteral("Bruno Sala"), 102);
        m_lineup->makeBoard();
    }

    // ---- no game files: the fallbacks ----

    void withoutFilesTheDefaultsApply_data()
    {
        QTest::addColumn<int>("attitudeBefore");
        QTest::addColumn<int>("tacticBefore");
        QTest::addColumn<int>("attitudeAfter");
        QTest::addColumn<int>("tacticAfter");
        QTest::newRow("both unselected") << -1 << -1 << 1 << 0;
        QTest::newRow("both chosen") << 2 << 4 << 2 << 4;
        QTest::newRow("attitude Tranquille, no tactic") << 0 << -1 << 0 << 0;
        QTest::newRow("no attitude, Pressing") << -1 << 1 << 1 << 1;
    }
    void withoutFilesTheDefaultsApply()
    {
        QFETCH(int, attitudeBefore);
        QFETCH(int, tacticBefore);
        QFETCH(int, attitudeAfter);
        QFETCH(int, tacticAfter);
        board().edit()->setCondition(Board::Attitude, attitudeBefore);
        board().edit()->setCondition(Board::Tactique, tacticBefore);
        QVERIFY(!board().presenter().pinfosVisible());

        QString teamId = QStringLiteral("4711");
        run(2, teamId);

        QCOMPARE(board().text("cbTeamSpirit"), QStringLiteral("Passifs"));
        QCOMPARE(board().text("cbConfiance"), QStringLiteral("Passable"));
        QCOMPARE(board().entry("LEntraineur"), 2);
        QCOMPARE(teamId, QStringLiteral("4711"));
        QCOMPARE(board().entry("cbAttitude"), attitudeAfter);
        QCOMPARE(board().entry("cbTactique"), tacticAfter);
        // The closing evaluation of the (empty) board shows the figures.
        QVERIFY(board().presenter().pinfosVisible());
        QCOMPARE(board().text("LVelstats"), QStringLiteral("-27"));
    }

    void trainerTypeComesFromTheRosterWithTrainingPresent()
    {
        m_folder->writeTraining(QByteArray("6"), QByteArray("3"));
        QString teamId;
        run(1, teamId);
        QCOMPARE(board().entry("cbTeamSpirit"), 6);
        QCOMPARE(board().entry("cbConfiance"), 3);
        QCOMPARE(board().entry("LEntraineur"), 1);
    }

    // ---- values of Training.xml ----

    void trainingValuesBecomeEntries_data()
    {
        QTest::addColumn<QByteArray>("morale");
        QTest::addColumn<QByteArray>("confidence");
        QTest::addColumn<int>("spiritEntry");
        QTest::addColumn<QString>("spiritText");
        QTest::addColumn<int>("confidenceEntry");
        QTest::newRow("Morale 12") << QByteArray("12") << QByteArray("5") << 12
                                   << QStringLiteral("Le paradis sur Terre! (+2)") << 5;
        QTest::newRow("Morale 13: no selection") << QByteArray("13") << QByteArray("5") << -1 << QString() << 5;
        QTest::newRow("Morale 0") << QByteArray("0") << QByteArray("0") << 0 << QStringLiteral("La guerre froide") << 0;
        QTest::newRow("Morale -1: no selection") << QByteArray("-1") << QByteArray("7") << -1 << QString() << 7;
        QTest::newRow("confidence 8: no selection") << QByteArray("4") << QByteArray("8") << 4
                                                    << QStringLiteral("Passifs") << -1;
    }
    void trainingValuesBecomeEntries()
    {
        QFETCH(QByteArray, morale);
        QFETCH(QByteArray, confidence);
        QFETCH(int, spiritEntry);
        QFETCH(QString, spiritText);
        QFETCH(int, confidenceEntry);
        m_folder->writeTraining(morale, confidence);
        QString teamId;
        run(0, teamId);
        QCOMPARE(board().entry("cbTeamSpirit"), spiritEntry);
        QCOMPARE(board().text("cbTeamSpirit"), spiritText);
        QCOMPARE(board().entry("cbConfiance"), confidenceEntry);
        // An index outside a list is no error: the reader went on to the end.
        QCOMPARE(board().entry("cbAttitude"), 1);
        QVERIFY(board().presenter().pinfosVisible());
    }

    // ---- the team identifier ----

    void teamIdIsKeptAsText()
    {
        m_folder->writeTeam(" 418275");
        QString teamId = QStringLiteral("1");
        run(0, teamId);
        QCOMPARE(teamId, QStringLiteral(" 418275"));
    }

    void teamIdWithLeadingBlankMakesAHomeMatchAway()
    {
        m_folder->writeTeam(" 418275");
        MatchOrders orders;
        orders.homeTeamId = QByteArray("418275");
        m_folder->writeMatchOrders(orders);
        QString teamId;
        MatchOrdersApplier::applyMatchOrders(DataFolder(m_folder->path()), board(), *m_lineup->roster, 0, teamId);
        QCOMPARE(board().text("cbLieu"), QStringLiteral("Away"));

        m_folder->writeTeam("418275");
        MatchOrdersApplier::applyMatchOrders(DataFolder(m_folder->path()), board(), *m_lineup->roster, 0, teamId);
        QCOMPARE(board().text("cbLieu"), QStringLiteral("Home/Derby"));
    }

    void aChosenTacticSurvivesAnotherRun()
    {
        m_folder->writeTraining(QByteArray("5"), QByteArray("5"));
        QString teamId;
        run(0, teamId);
        QCOMPARE(board().entry("cbTactique"), 0);
        board().conditionPicked(Board::Tactique, 1);
        board().conditionPicked(Board::Attitude, 2);
        run(0, teamId);
        QCOMPARE(board().text("cbTactique"), QStringLiteral("Pressing"));
        QCOMPARE(board().entry("cbAttitude"), 2);
    }

    // ---- failures stop the reader where they happen ----

    void unreadableFilesStopTheReader_data()
    {
        QTest::addColumn<Opt>("training");
        QTest::addColumn<Opt>("team");
        QTest::addColumn<int>("spiritAfter");      // -1: untouched
        QTest::addColumn<int>("confidenceAfter");  // 5: untouched
        QTest::addColumn<int>("trainerAfter");     // -1: untouched
        const QByteArray head = "<?xml version=\"1.0\"?><VelmorraData><Version>1.1</Version>";
        const QByteArray good = head + "<Team><Morale>9</Morale><SelfConfidence>2</SelfConfidence></Team></VelmorraData>";
        const QByteArray goodTeam = "<VelmorraData><Team><TeamID>77</TeamID></Team></VelmorraData>";
        QTest::newRow("Training.xml malformed") << Opt(head + "<Team><Morale>9</Morale>") << Opt(goodTeam) << -1 << 5 << -1;
        QTest::newRow("Training.xml without Team")
            << Opt(head + "<Morale>9</Morale></VelmorraData>") << Opt(goodTeam) << -1 << 5 << -1;
        QTest::newRow("Morale not a number")
            << Opt(head + "<Team><Morale>high</Morale><SelfConfidence>2</SelfConfidence></Team></VelmorraData>")
            << Opt(goodTeam) << -1 << 5 << -1;
        QTest::newRow("Morale empty")
            << Opt(head + "<Team><Morale></Morale><SelfConfidence>2</SelfConfidence></Team></VelmorraData>")
            << Opt(goodTeam) << -1 << 5 << -1;
        QTest::newRow("Morale absent")
            << Opt(head + "<Team><SelfConfidence>2</SelfConfidence></Team></VelmorraData>") << Opt(goodTeam) << -1
            << 5 << -1;
        // The team spirit was taken before the confidence failed.
        QTest::newRow("SelfConfidence a fraction")
            << Opt(head + "<Team><Morale>9</Morale><SelfConfidence>4.5</SelfConfidence></Team></VelmorraData>")
            << Opt(goodTeam) << 9 << 5 << -1;
        QTest::newRow("Team.xml malformed") << Opt(good) << Opt(QByteArray("<VelmorraData><Team>")) << 9 << 2 << 2;
        QTest::newRow("Team.xml without Team")
            << Opt(good) << Opt(QByteArray("<VelmorraData><TeamID>77</TeamID></VelmorraData>")) << 9 << 2 << 2;
        QTest::newRow("Team.xml malformed, no Training.xml")
            << Opt() << Opt(QByteArray("not xml")) << 4 << 4 << 2;
    }
    void unreadableFilesStopTheReader()
    {
        QFETCH(Opt, training);
        QFETCH(Opt, team);
        QFETCH(int, spiritAfter);
        QFETCH(int, confidenceAfter);
        QFETCH(int, trainerAfter);
        if (training)
            m_folder->writeXml(QStringLiteral("Training.xml"), *training);
        if (team)
            m_folder->writeXml(QStringLiteral("Team.xml"), *team);
        board().edit()->setCondition(Board::Attitude, -1);
        board().edit()->setCondition(Board::Tactique, -1);

        QString teamId = QStringLiteral("old");
        QVERIFY_THROWS_EXCEPTION(DataFileError, run(2, teamId));

        QCOMPARE(board().entry("cbTeamSpirit"), spiritAfter);
        QCOMPARE(board().entry("cbConfiance"), confidenceAfter);
        QCOMPARE(board().entry("LEntraineur"), trainerAfter);
        QCOMPARE(teamId, QStringLiteral("old"));
        // Neither the defaults nor the evaluation ran.
        QCOMPARE(board().entry("cbAttitude"), -1);
        QCOMPARE(board().entry("cbTactique"), -1);
        QVERIFY(!board().presenter().pinfosVisible());
        QVERIFY(board().text("LVelstats").isEmpty());
    }

    void theErrorNamesTheFile()
    {
        m_folder->writeTraining(QByteArray("x"), QByteArray("1"));
        QString teamId;
        try {
            run(0, teamId);
            QFAIL("no error");
        } catch (const DataFileError &e) {
            QCOMPARE(e.file(), QStringLiteral("Training.xml"));
            QVERIFY2(e.reason().contains("Morale"), qPrintable(e.reason()));
        }
    }

    // A damaged or hostile file is refused before parsing, with the file named: nesting and
    // size just past the bounds, and the deepest nesting still taken.
    void outsizedFilesAreRefusedUpFront_data()
    {
        QTest::addColumn<QByteArray>("team");
        QTest::addColumn<QString>("reason"); // empty: read
        const auto nested = [](int levels) {
            return "<VelmorraData><Team><TeamID>77</TeamID>" + QByteArray("<a>").repeated(levels - 2)
                + QByteArray("</a>").repeated(levels - 2) + "</Team></VelmorraData>";
        };
        QTest::newRow("deepest taken") << nested(XmlBounds::kMaxDepth) << QString();
        QTest::newRow("one level more") << nested(XmlBounds::kMaxDepth + 1) << QStringLiteral("256 niveaux (ligne 1)");
        // Tag-like text in comments, CDATA and instructions is no nesting; empty elements close
        // themselves, even with "/>" inside a quoted value.
        const QByteArray hidden = "<!-- " + QByteArray("<b>").repeated(300) + " --><?pi <c><c> ?>"
            + "<![CDATA[" + QByteArray("<d>").repeated(300) + "]]>";
        const QByteArray empty = "<e f=\"/>\" g='a>b'/>" + QByteArray("<i/>").repeated(300);
        QByteArray deepest = nested(XmlBounds::kMaxDepth);
        deepest.insert(deepest.indexOf("</a>"), hidden);
        deepest.insert(deepest.indexOf("</Team>"), empty);
        QTest::newRow("hidden tags not counted") << deepest << QString();
        QByteArray emptyTooDeep = nested(XmlBounds::kMaxDepth);
        emptyTooDeep.insert(emptyTooDeep.indexOf("</a>"), "<i/>");
        QTest::newRow("empty element one level more") << emptyTooDeep << QStringLiteral("256 niveaux");
        QTest::newRow("deep on a later line") << QByteArray("\n\n" + nested(XmlBounds::kMaxDepth + 1))
                                              << QStringLiteral("(ligne 3)");
        QByteArray big = "<VelmorraData><Team><TeamID>77</TeamID></Team><Pad>";
        big += QByteArray(XmlBounds::kMaxBytes, 'x') + "</Pad></VelmorraData>";
        QTest::newRow("larger than allowed") << big << QStringLiteral("16 Mio");
    }
    void outsizedFilesAreRefusedUpFront()
    {
        QFETCH(QByteArray, team);
        QFETCH(QString, reason);
        m_folder->writeXml(QStringLiteral("Team.xml"), team);
        QString teamId;
        try {
            run(0, teamId);
            QVERIFY2(reason.isEmpty(), "accepted");
            QCOMPARE(teamId, QStringLiteral("77"));
        } catch (const DataFileError &e) {
            QCOMPARE(e.file(), QStringLiteral("Team.xml"));
            QVERIFY2(!reason.isEmpty() && e.reason().contains(reason), qPrintable(e.reason()));
        }
    }

    void fileNamesMatchWithoutRegardToCase()
    {
        m_folder->writeXml(QStringLiteral("training.XML"),
                           "<VelmorraData><Team><Morale>10</Morale><SelfConfidence>6</SelfConfidence></Team></VelmorraData>");
        m_folder->writeXml(QStringLiteral("team.xml"), "<VelmorraData><Team><TeamID>31</TeamID></Team></VelmorraData>");
        QString teamId;
        run(0, teamId);
        QCOMPARE(board().entry("cbTeamSpirit"), 10);
        QCOMPARE(board().entry("cbConfiance"), 6);
        QCOMPARE(teamId, QStringLiteral("31"));
    }
};

QTEST_GUILESS_MAIN(TestTeamTrainingReader)
#include "tst_teamtrainingreader.moc"
