// squadwright-cli download against the game server on 127.0.0.1, on copies of the sample team.
#include "support/FakeGameServer.h"
#include "support/ProgramFolder.h"
#include "settings/IniFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {
struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestCliDownload : public QObject {
    Q_OBJECT

    // The server answers in this process: wait without blocking its event loop.
    Run runCli(const QStringList &args, const QByteArray &input = {})
    {
        QProcess p;
        p.start(QStringLiteral(SQW_PROGRAM_DIR "/squadwright-cli"), QStringList{"--folder", program->path()} + args);
        p.write(input);
        p.closeWriteChannel();
        // A program that hangs is stopped, and counts as a failed run.
        if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 30000)) {
            p.kill();
            p.waitForFinished();
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
    }
    void writeAccount(const QByteArray &user, const QByteArray &code)
    {
        IniFile ini(program->filePath("SQW.ini"));
        QVERIFY(ini.writeString("online", "GameHost", server->host()));
        QVERIFY(ini.writeString("user", "UserName", QString::fromUtf8(user)));
        QVERIFY(ini.writeString("user", "SecurityPassword", QString::fromUtf8(code)));
    }

private slots:
    void init()
    {
        program = new TestSupport::ProgramFolderCopy;
        server = new FakeGameServer(this);
        QVERIFY(server->listen());
        server->serveFolder(program->filePath("xml"));
        // The served roster differs from the one on disk, so a stale reload would show.
        server->bodies["players"].replace("<PlayerName>", "<PlayerName>Neu");
    }
    void cleanup()
    {
        delete server;
        delete program;
    }

    void downloadsThenReportsAsEvaluate()
    {
        writeAccount("manager", "s3cret");
        const Run run = runCli({"download", "--json"});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(server->steps().last(), QStringLiteral("logout"));
        QCOMPARE(readAll(program->filePath("xml/team.xml")), server->bodies["teamDetails"]);
        QVERIFY(!QFile::exists(program->filePath("xml/Team.xml")));
        QCOMPARE(readAll(program->filePath("xml/players.xml")), server->bodies["players"]);
        QCOMPARE(run.out, runCli({"evaluate", "--json"}).out);
    }

    // The logout fails after every file is stored: a warning, not a failure, and no word of
    // files "unchanged".
    void failedLogoutIsAWarning()
    {
        writeAccount("manager", "s3cret");
        server->failStep = QStringLiteral("logout");
        const Run run = runCli({"download"});
        QCOMPARE(run.code, 0);
        QCOMPARE(readAll(program->filePath("xml/players.xml")), server->bodies["players"]);
        QVERIFY2(run.err.startsWith("avertissement : ") && run.err.contains("n'a pas confirmé la déconnexion") && run.err.count('\n') == 1,
                 run.err.constData());
        QVERIFY(!run.err.contains("unchanged"));
        QCOMPARE(run.out, runCli({"evaluate"}).out);
    }

    void accountFromTheCommandLine()
    {
        server->user = QStringLiteral("Ana Lu");
        server->code = QStringLiteral("k&y=1 \u00e9");
        writeAccount("stored", "");
        const Run run = runCli({"download", "--user", "Ana Lu", "--password-stdin"}, server->code.toUtf8() + "\n");
        QCOMPARE(run.code, 0);
        // Neither the name nor the code given here is stored.
        IniFile after(program->filePath("SQW.ini"));
        QCOMPARE(after.readString("user", "UserName", {}), QStringLiteral("stored"));
        QCOMPARE(after.readString("user", "SecurityPassword", {}), QString());
        QVERIFY(run.out.contains("Neu"));
    }

    void failures()
    {
        // No code stored: nothing is requested and the message says where to set it.
        writeAccount("manager", "");
        Run run = runCli({"download"});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains("SecurityPassword"));
        QVERIFY(server->requests.isEmpty());

        // A failing step is named, the code never shows, the earlier files stay.
        const QByteArray players = readAll(program->filePath("xml/players.xml"));
        server->failStep = QStringLiteral("players");
        run = runCli({"download", "--password-stdin"}, "s3cret\n");
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains("l'étape « joueurs »") && run.err.count('\n') == 1, run.err.constData());
        QVERIFY(!run.err.contains("s3cret"));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(readAll(program->filePath("xml/players.xml")), players);
        QVERIFY(QFile::exists(program->filePath("xml/Team.xml")));
        // With --json the failed step is also told as JSON: before, the standard output stayed empty.
        run = runCli({"download", "--json", "--password-stdin"}, "s3cret\n");
        QCOMPARE(run.code, 1);
        const QJsonObject error = QJsonDocument::fromJson(run.out).object()["error"].toObject();
        QCOMPARE(error["step"].toString(), QStringLiteral("players"));
        QVERIFY2(run.err.contains(error["message"].toString().toUtf8()), run.out.constData());

        // A silent server is given up after the wait the user chose, not the default 30 s.
        server->failStep.clear();
        server->slowStep = QStringLiteral("menu");
        run = runCli({"download", "--password-stdin", "--timeout", "1"}, "s3cret\n");
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains("l'étape « menu »") && run.err.contains("aucune réponse en 1 secondes"), run.err.constData());
        QCOMPARE(runCli({"evaluate", "--timeout", "5"}).code, 2);
    }

private:
    TestSupport::ProgramFolderCopy *program = nullptr;
    FakeGameServer *server = nullptr;
};

QTEST_GUILESS_MAIN(TestCliDownload)
#include "tst_cli_download.moc"
