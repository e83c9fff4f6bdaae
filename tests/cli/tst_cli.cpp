// Runs the real command-line program on copies of the bundled sample team.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(SQW_PROGRAM_DIR "/squadwright-cli"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}
} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString m_folder;

private slots:
    void init()
    {
        m_folder = m_tmp.path() + "/prog";
        QDir(m_folder).removeRecursively();
        copyTree(QStringLiteral(SQW_SAMPLE_DATA_DIR), m_folder);
    }

    void usageErrorsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("unknown option") << QStringList{"roster", "--colour"};
        QTest::newRow("folder without value") << QStringList{"roster", "--folder"};
        QTest::newRow("two commands") << QStringList{"roster", "check"};
    }
    void usageErrorsExitWithTwo()
    {
        QFETCH(QStringList, args);
        const Run r = runCli(args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("usage"));
    }

    void checkPassesOnTheSampleTeam()
    {
        const Run r = runCli({"--folder", m_folder, "check"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("pass"));
    }

    void checkReportsADifferingVersionWithOne()
    {
        const QString path = m_folder + "/xml/Training.xml";
        QByteArray xml = readAll(path);
        xml.replace("<Version>1.1</Version>", "<Version>1.2</Version>");
        writeFile(path, xml);
        const Run r = runCli({"--folder", m_folder, "check"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.contains("\"1.2\""));
    }

    void rosterJsonFollowsTheContract()
    {
        const Run r = runCli({"--folder", m_folder, "roster", "--json"});
        QCOMPARE(r.code, 0);
        QJsonParseError perr;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &perr);
        QCOMPARE(perr.error, QJsonParseError::NoError);
        const QJsonObject root = doc.object();
        const int count = root["count"].toInt();
        QVERIFY(count >= 22 && count <= 26);
        const QJsonArray players = root["players"].toArray();
        QCOMPARE(players.size(), count);
        QSet<int> positions;
        int trainers = 0;
        for (const QJsonValue &v : players) {
            const QJsonObject p = v.toObject();
            QCOMPARE(p["values"].toArray().size(), 19);
            positions.insert(p["list_position"].toInt());
            const int kind = p["best_kind"].toInt();
            if (kind == 0) {
                ++trainers;
                QVERIFY(!p["selectable"].toBool());
                QCOMPARE(p["best_abbreviation"].toString(), QStringLiteral("ENT"));
            } else {
                // The best value is the value of the best kind, and no later kind beats it.
                const QJsonArray values = p["values"].toArray();
                QCOMPARE(p["best_value"].toDouble(), values[kind - 1].toDouble());
                for (int k = kind; k < 19; ++k)
                    QVERIFY(values[k].toDouble() < p["best_value"].toDouble());
            }
            QVERIFY(p["description"].toString().contains(" an, "));
        }
        QCOMPARE(trainers, 1);
        // Every row gives its own player the next list position.
        QCOMPARE(positions.size(), count);
        QCOMPARE(*std::min_element(positions.begin(), positions.end()), 1);
        QCOMPARE(*std::max_element(positions.begin(), positions.end()), count);
        QVERIFY(root["trainer"].toObject()["caption"].toString().startsWith("Entraineur "));
    }

    void rosterTableNamesEveryPlayer()
    {
        const Run r = runCli({"--folder", m_folder, "roster"});
        QCOMPARE(r.code, 0);
        const QJsonObject json = QJsonDocument::fromJson(runCli({"--folder", m_folder, "roster", "--json"}).out).object();
        for (const QJsonValue &v : json["players"].toArray())
            QVERIFY2(QString::fromUtf8(r.out).contains(v.toObject()["name"].toString()),
                     qPrintable(v.toObject()["name"].toString()));
    }

    void unreadablePlayersFileExitsWithThreeAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("malformed") << QByteArray("<VelmorraData><Team><PlayerList Count=\"1\">");
        QTest::newRow("no Team") << QByteArray("<VelmorraData><Version>1.2.6</Version></VelmorraData>");
        QTest::newRow("Count not a number")
            << QByteArray("<VelmorraData><Team><PlayerList Count=\"many\"/></Team></VelmorraData>");
    }
    void unreadablePlayersFileExitsWithThreeAndChangesNothing()
    {
        QFETCH(QByteArray, content);
        writeFile(m_folder + "/xml/players.xml", content);
        const QByteArray iniBefore = readAll(m_folder + "/SQW.ini");
        const Run r = runCli({"--folder", m_folder, "roster"});
        QCOMPARE(r.code, 3);
        QVERIFY2(r.err.contains("players.xml"), r.err.constData());
        QCOMPARE(readAll(m_folder + "/xml/players.xml"), content);
        QCOMPARE(readAll(m_folder + "/SQW.ini"), iniBefore);
    }

    void missingPlayersFileExitsWithThree()
    {
        QVERIFY(QFile::remove(m_folder + "/xml/players.xml"));
        const Run r = runCli({"--folder", m_folder, "roster"});
        QCOMPARE(r.code, 3);
        QVERIFY(r.err.contains("players.xml"));
    }

    void missingFolderIsBadUsage()
    {
        const Run r = runCli({"--folder", m_tmp.path() + "/nowhere", "roster"});
        QCOMPARE(r.code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
