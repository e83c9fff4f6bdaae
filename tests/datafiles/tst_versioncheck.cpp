#include "datafiles/DataFolder.h"
#include "datafiles/VersionCheck.h"
#include "common/AppError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray gameFile(const QByteArray &version)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData>\n  <Version>" + version
           + "</Version>\n  <Team><TeamID>1</TeamID></Team>\n</VelmorraData>\n";
}
} // namespace

class TestVersionCheck : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString xml() const { return m_dir.path() + "/xml/"; }

    void writeAll()
    {
        writeFile(xml() + "Team.xml", gameFile("1.6"));
        writeFile(xml() + "players.xml", gameFile("1.2.6"));
        writeFile(xml() + "Training.xml", gameFile("1.1"));
        writeFile(xml() + "Matchs.xml", gameFile("2.2"));
        writeFile(xml() + "MatchOrders.xml", gameFile("1.2.1"));
    }

private slots:
    void init()
    {
        QDir(xml()).removeRecursively();
        QVERIFY(QDir().mkpath(xml()));
    }

    void allFilesWithExpectedVersionsPass()
    {
        writeAll();
        const VersionCheckResult r = checkDataFileVersions(DataFolder(m_dir.path()));
        QVERIFY(r.passed);
        QCOMPARE(r.visited.size(), 5);
    }

    void missingFileStopsTheCheckWithTrue()
    {
        // Team.xml absent: the wrong players version behind it is never looked at.
        writeFile(xml() + "players.xml", gameFile("9.9"));
        const VersionCheckResult r = checkDataFileVersions(DataFolder(m_dir.path()));
        QVERIFY(r.passed);
        QCOMPARE(r.visited.size(), 1);
        QCOMPARE(r.visited[0].status, VersionCheckEntry::Status::Missing);
    }

    void missingTrainingSkipsTheLastTwo()
    {
        writeAll();
        QVERIFY(QFile::remove(xml() + "Training.xml"));
        writeFile(xml() + "Matchs.xml", "this is not xml at all <");
        const VersionCheckResult r = checkDataFileVersions(DataFolder(m_dir.path()));
        QVERIFY(r.passed);
        QCOMPARE(r.visited.size(), 3);
    }

    void versionsAreComparedExactly_data()
    {
        QTest::addColumn<QByteArray>("teamVersion");
        QTest::addColumn<bool>("passes");
        QTest::newRow("exact") << QByteArray("1.6") << true;
        QTest::newRow("trailing blank") << QByteArray("1.6 ") << false;
        QTest::newRow("numerically equal") << QByteArray("1.60") << false;
        QTest::newRow("leading blank") << QByteArray(" 1.6") << false;
    }
    void versionsAreComparedExactly()
    {
        QFETCH(QByteArray, teamVersion);
        QFETCH(bool, passes);
        writeAll();
        writeFile(xml() + "Team.xml", gameFile(teamVersion));
        QCOMPARE(checkDataFileVersions(DataFolder(m_dir.path())).passed, passes);
    }

    void rootWithoutVersionFails()
    {
        writeAll();
        writeFile(xml() + "players.xml", "<VelmorraData><Team/></VelmorraData>");
        const VersionCheckResult r = checkDataFileVersions(DataFolder(m_dir.path()));
        QVERIFY(!r.passed);
        QCOMPARE(r.visited.last().file, GameFile::Players);
        QCOMPARE(r.visited.last().found, QString());
    }

    void versionDeeperThanTheRootIsNotTaken()
    {
        writeAll();
        writeFile(xml() + "Team.xml", "<R><Team><Version>1.6</Version></Team></R>");
        QVERIFY(!checkDataFileVersions(DataFolder(m_dir.path())).passed);
    }

    void namesMatchWithoutRegardToCase()
    {
        writeFile(xml() + "TEAM.XML", gameFile("1.6"));
        writeFile(xml() + "PLAYERS.xml", gameFile("1.2.6"));
        const DataFolder folder(m_dir.path());
        QVERIFY(folder.findGameFile(GameFile::TeamDetails).endsWith("TEAM.XML"));
        QVERIFY(folder.findFile("players.xml").endsWith("PLAYERS.xml"));
        QVERIFY(folder.findFile("nothere.xml").isEmpty());
        const VersionCheckResult r = checkDataFileVersions(folder);
        QCOMPARE(r.visited.size(), 3); // team, players, then training missing
        QVERIFY(r.passed);
    }

    void malformedFileRaisesANamedError()
    {
        writeAll();
        writeFile(xml() + "Training.xml", "<VelmorraData><Version>1.1</Version>");
        // The whole file, as the check command reads it (start-up reads no further than the version).
        try {
            checkDataFileVersions(DataFolder(m_dir.path()), VersionRead::WholeFile);
            QFAIL("a malformed file must raise");
        } catch (const DataFileError &e) {
            QCOMPARE(e.file(), QStringLiteral("Training.xml"));
            QVERIFY(e.reason().contains(QString::fromUtf8("ligne")));
        }
        // Nothing was changed by reading.
        QFile f(xml() + "Training.xml");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("<VelmorraData><Version>1.1</Version>"));
    }

    void startUpReadsThePlayersFileOnlyUpToItsVersion()
    {
        writeAll();
        const QByteArray cut = "<?xml version=\"1.0\"?>\n<VelmorraData>\n  <Version>1.2.6</Version>\n  <Team><Player";
        writeFile(xml() + "players.xml", cut);
        // Its reader reads it whole right after and names the fault; the check command still does.
        const VersionCheckResult r = checkDataFileVersions(DataFolder(m_dir.path()));
        QVERIFY(r.passed);
        QCOMPARE(r.visited.size(), 5);
        QCOMPARE(r.visited[1].found, QStringLiteral("1.2.6"));
        QVERIFY_THROWS_EXCEPTION(DataFileError, checkDataFileVersions(DataFolder(m_dir.path()), VersionRead::WholeFile));
        // A version that differs is not taken from the part read: the fault is told first, as always.
        writeFile(xml() + "players.xml", QByteArray(cut).replace("1.2.6", "1.2.7"));
        QVERIFY_THROWS_EXCEPTION(DataFileError, checkDataFileVersions(DataFolder(m_dir.path())));
    }

    void programFolderGetsATrailingSeparator()
    {
        const DataFolder folder(m_dir.path());
        QVERIFY(folder.programFolder().endsWith('/'));
        QCOMPARE(folder.dataFolder(), folder.programFolder() + "xml/");
    }
};

QTEST_GUILESS_MAIN(TestVersionCheck)
#include "tst_versioncheck.moc"
