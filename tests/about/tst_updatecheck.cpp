#include "about/TmGetNewVer.h"
#include "about/UpdatePrompt.h"
#include "common/Vocabulary.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

// An update server on 127.0.0.1 that answers every request with one status and body, or never.
class VersionServer : public QObject {
public:
    int status = 200;
    QByteArray body;
    bool silent = false;
    QList<QByteArray> targets;

    VersionServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRead(socket); });
        });
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }

private:
    void onRead(QTcpSocket *socket)
    {
        m_buffers[socket] += socket->readAll();
        if (!m_buffers[socket].contains("\r\n\r\n"))
            return;
        targets << m_buffers[socket].split(' ').value(1);
        if (silent)
            return;
        socket->write("HTTP/1.0 " + QByteArray::number(status) + " X\r\nContent-Type: text/plain\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

class ScriptedPrompt : public UpdatePrompt {
public:
    bool answer = false;
    QStringList warnings, questions;
    void warn(const QString &text) override { warnings << text; }
    bool confirm(const QString &question) override
    {
        questions << question;
        return answer;
    }
};

QByteArray versionFile(const QByteArray &version, const QByteArray &url)
{
    return "[CurrentVersions]\r\nSQW=" + version + "\r\n\r\n[DownloadURL]\r\nSQW=" + url + "\r\n";
}

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT
private slots:
    void serverAnswers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("ownVersion");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("outcome");
        using O = TmGetNewVer::Outcome;
        const QByteArray newer = versionFile("1.2.0.4", "https://squadwright.example/get");
        QTest::newRow("newer, yes") << 200 << newer << false << "1.1.0" << true << int(O::Accepted);
        QTest::newRow("newer, no") << 200 << newer << false << "1.1.0" << false << int(O::Declined);
        QTest::newRow("older counts too") << 200 << newer << false << "2.0" << true << int(O::Accepted);
        QTest::newRow("same") << 200 << newer << false << "1.2.0.4" << true << int(O::UpToDate);
        QTest::newRow("missing keys") << 200 << QByteArray("[CurrentVersions]\nOTHER=9\n") << false << "1.1.0" << true
                                      << int(O::NoVersionInfo);
        QTest::newRow("garbage") << 200 << QByteArray("\x89PNG\r\n\x1a\n\0\xff[[=]\n", 14) << false << "1.1.0" << true
                                 << int(O::NoVersionInfo);
        QTest::newRow("404") << 404 << QByteArray("gone") << false << "1.1.0" << true << int(O::DownloadFailed);
        QTest::newRow("timeout") << 200 << newer << true << "1.1.0" << true << int(O::DownloadFailed);
        QTest::newRow("no own version") << 200 << newer << false << "" << true << int(O::NoOwnVersion);
        QTest::newRow("disk full") << 200 << newer << false << "1.1.0" << true << int(O::DownloadFailed);
    }
    void serverAnswers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, silent);
        QFETCH(QString, ownVersion);
        QFETCH(bool, yes);
        QFETCH(int, outcome);
        VersionServer server;
        server.status = status;
        server.body = body;
        server.silent = silent;
        QTemporaryDir dir;
        const QString versionPath = dir.path() + "/version.ver";
        // What an earlier check left stays whole when this one fails.
        QFile old(versionPath);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[CurrentVersions]\nSQW=earlier\n");
        old.close();

        ScriptedPrompt prompt;
        prompt.answer = yes;
        QList<QUrl> opened;
        TmGetNewVer check(prompt, [&](const QUrl &url) {
            opened << url;
            return true;
        });
        QStringList seen;
        check.OnGetURL = [&](TmGetNewVer &, const QString &version, const QString &url) { seen << version << url; };
        check.ownVersion = ownVersion;
        check.timeoutMs = 400;
        QVERIFY(check.configure(server.host(), versionPath));
        const bool diskFull = QByteArray(QTest::currentDataTag()) == "disk full";
        if (diskFull)
            SafeFile::setWriteFailureForTesting([](const QString &) { return ENOSPC; });
        auto writable = qScopeGuard([] { SafeFile::setWriteFailureForTesting({}); });

        const bool accepted = check.CheckForUpdate();
        QCOMPARE(int(check.outcome()), outcome);
        QCOMPARE(accepted, outcome == int(TmGetNewVer::Outcome::Accepted));
        QCOMPARE(server.targets, QList<QByteArray>{"/version.ver"});
        QCOMPARE(opened, accepted ? QList<QUrl>{QUrl("https://squadwright.example/get")} : QList<QUrl>{});

        const bool offered = outcome == int(TmGetNewVer::Outcome::Accepted) || outcome == int(TmGetNewVer::Outcome::Declined);
        QCOMPARE(prompt.questions.size(), offered ? 1 : 0);
        if (offered) {
            QVERIFY(prompt.questions[0].contains("1.2.0.4"));
            QVERIFY(prompt.questions[0].contains("http://" + server.host()));
        }
        const bool failed = outcome == int(TmGetNewVer::Outcome::DownloadFailed);
        QCOMPARE(prompt.warnings.size(), failed ? 1 : 0);
        if (failed) {
            // The box itself gives the reason and what to check.
            QVERIFY(prompt.warnings[0].contains("http://" + server.host() + "/version.ver"));
            // A full disk is no fault of the server: only a server failure says to check it.
            QVERIFY2(prompt.warnings[0].endsWith(check.failure())
                         && check.failure().endsWith(vocab("MSG_CHECK_UPDATE_SERVER")) != diskFull,
                     qPrintable(prompt.warnings[0]));
        }
        if (!offered)
            QVERIFY2(!check.outcomeMessage().isEmpty(), "every other ending is told on the status bar");
        if (diskFull)
            QVERIFY2(check.outcomeMessage().contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
                     qPrintable(check.outcomeMessage()));

        QFile kept(versionPath);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), failed ? QByteArray("[CurrentVersions]\nSQW=earlier\n") : body);
        QCOMPARE(seen.isEmpty(), failed);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"version.ver"}); // no leftovers
    }

    void hostSettingForms()
    {
        ScriptedPrompt prompt;
        TmGetNewVer check(prompt, {});
        QVERIFY(check.configure("updates.test", "/tmp/v"));
        QCOMPARE(check.SiteName, QStringLiteral("http://updates.test"));
        QCOMPARE(check.URLCurrVerFile, QStringLiteral("http://updates.test/version.ver"));
        QVERIFY(check.configure(" https://mirror.test:8443/ ", "/tmp/v"));
        QCOMPARE(check.URLCurrVerFile, QStringLiteral("https://mirror.test:8443/version.ver"));
        QVERIFY(!check.configure("ftp://mirror.test", "/tmp/v"));
        QCOMPARE(check.outcome(), TmGetNewVer::Outcome::BadHost);
        QVERIFY(check.outcomeMessage().contains("ftp://mirror.test"));
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
