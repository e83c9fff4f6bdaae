// The online session and the download against a real HTTP server on 127.0.0.1.
#include "online/OnlineError.h"
#include "online/OnlineRun.h"
#include "online/Session.h"
#include "online/SessionView.h"
#include "online/TeamDownload.h"
#include "platform/SafeFile.h"
#include "support/FakeGameServer.h"
#include "support/ShippedVocabulary.h"
#include "support/OwnTexts.h"

#include "common/Vocabulary.h"

#include <QDir>
#include <QTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {
// Everything a user could see, in order.
struct RecordingView : SessionView {
    QStringList shown;
    QList<int> progress;
    QString connection;
    QString stepText;
    void addStep(const QString &t) override { shown << t; }
    void setProgress(int p) override { progress << p; }
    void setConnectionText(const QString &t) override { shown << t; connection = t; }
    void setStepText(const QString &t) override { shown << t; stepText = t; }
    void showMessage(const QString &t) override { shown << t; }
};

const QByteArray kOld = "<VelmorraData><Old/></VelmorraData>";

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A data folder holding earlier game files; the team file in another letter case.
struct Folder {
    QTemporaryDir dir;
    QString data() const { return dir.path() + QStringLiteral("/xml/"); }
    Folder()
    {
        QDir().mkpath(data());
        for (const char *name : {"Team.xml", "players.xml", "Training.xml", "Matchs.xml", "MatchOrders.xml"}) {
            QFile f(data() + QLatin1String(name));
            f.open(QIODevice::WriteOnly);
            f.write(kOld + name);
        }
    }
    QStringList entries() const
    {
        QStringList e = QDir(data()).entryList(QDir::Files | QDir::Hidden);
        e.removeAll(QStringLiteral("Connection.xml"));
        e.removeAll(QStringLiteral("Connection1.xml"));
        e.removeAll(QStringLiteral("Security.xml"));
        e.removeAll(QStringLiteral("deconnect.xml"));
        e.sort();
        return e;
    }
    void expectUntouched() const
    {
        QCOMPARE(entries(), QStringList({"MatchOrders.xml", "Matchs.xml", "Team.xml", "Training.xml", "players.xml"}));
        for (const QString &name : entries())
            QCOMPARE(read(data() + name), kOld + name.toLatin1());
    }
};
} // namespace

class TestOnline : public QObject {
    Q_OBJECT
private slots:
    // The reasons below are read as the English interface gives them.
    void initTestCase()
    {
        m_english = std::make_unique<TestSupport::OwnTexts>();
        QVERIFY(TestSupport::useShippedVocabulary(m_english->vocabulary, QStringLiteral("English")));
    }
    void cleanupTestCase() { m_english.reset(); }
    void init()
    {
        server = new FakeGameServer(this);
        QVERIFY(server->listen());
    }
    void cleanup() { delete server; }

    void helpers()
    {
        QCOMPARE(Session::menuUrl(QStringLiteral("game.test")).toString(), QStringLiteral("http://game.test/Common/menu.asp?outputType=XML"));
        QCOMPARE(Session::menuUrl(QStringLiteral(" game.test:8080 ")).toString(),
                 QStringLiteral("http://game.test:8080/Common/menu.asp?outputType=XML"));
        QCOMPARE(Session::menuUrl(QStringLiteral("https://mirror.test/")).toString(),
                 QStringLiteral("https://mirror.test/Common/menu.asp?outputType=XML"));
        QVERIFY(!Session::menuUrl(QStringLiteral("ftp://mirror.test")).isValid());
        QVERIFY(!Session::menuUrl(QString()).isValid());

        QCOMPARE(Session::encodeCredential(QStringLiteral("  Jo Do&a#b=c+d%e\u00e9~._-  ")),
                 QByteArray("Jo%20Do%26a%23b%3Dc%2Bd%25e%C3%A9~._-"));
        QCOMPARE(Session::cookieOf("SessionID=abc; path=/; HttpOnly"), QByteArray("SessionID=abc"));

        bool readable = false;
        QCOMPARE(TeamDownload::upcomingMatch(FakeGameServer::matchList({{"1", "upcoming"}, {"2", "UPCOMING"}, {"3", "UPCOMING"}}), &readable),
                 QStringLiteral("2"));
        QVERIFY(readable);
        QCOMPARE(TeamDownload::upcomingMatch(FakeGameServer::matchList({}), &readable), QString());
        QVERIFY(readable);
        QByteArray tooFew = FakeGameServer::matchList({{"1", "PLAYED"}});
        tooFew.replace("Count=\"1\"", "Count=\"2\"");
        TeamDownload::upcomingMatch(tooFew, &readable);
        QVERIFY(!readable);
        TeamDownload::upcomingMatch("<a><Team/></a>", &readable);
        QVERIFY(!readable);
    }

    // The whole run: headers, cookies, order of requests, files, progress and the closing state.
    void fullRun()
    {
        Folder folder;
        // An answer kept from an earlier run that others could read.
        QFile earlier(folder.data() + "Connection.xml");
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.setPermissions(QFile::permissions(earlier.fileName()) | QFile::ReadOther));
        earlier.close();
        RecordingView view;
        HttpClient http(10000);
        Session session(http, view, folder.data(), server->host(), QStringLiteral("9.9"));
        const DownloadResult result = OnlineRun::run(session, folder.data(), QStringLiteral(" manager "), QStringLiteral("s3cret"));

        QCOMPARE(server->steps(), QStringList({"menu", "security", "login", "teamDetails", "players", "training", "matches",
                                               "matchOrders", "logout"}));
        QCOMPARE(server->requests[0].headers.value("user-agent"), QByteArray("Squadwright, v9.9"));
        QCOMPARE(server->requests[0].headers.value("from"), QByteArray("Squadwright, v 1.0.1"));
        QCOMPARE(server->requests[0].headers.value("referer"), QByteArray("Squadwright, v 1.0.1"));
        QVERIFY(server->requests[0].headers.value("accept").startsWith("image/gif"));
        QVERIFY(!server->requests[0].headers.contains("cookie"));
        QCOMPARE(server->requests[1].method, QByteArray("POST"));
        QCOMPARE(server->requests[1].query("loginname"), QByteArray("manager"));
        QCOMPARE(server->requests[3].headers.value("cookie"), QByteArray("SessionID=sess1"));
        QCOMPARE(server->requests[7].query("matchID"), QByteArray("4711"));

        QCOMPARE(folder.entries(), QStringList({"MatchOrders.xml", "Matchs.xml", "Training.xml", "players.xml", "team.xml"}));
        QCOMPARE(read(folder.data() + "team.xml"), server->bodies["teamDetails"]);
        QCOMPARE(read(folder.data() + "players.xml"), server->bodies["players"]);
        QCOMPARE(read(folder.data() + "Training.xml"), server->bodies["training"]);
        QCOMPARE(read(folder.data() + "Matchs.xml"), server->bodies["matches"]);
        QCOMPARE(read(folder.data() + "MatchOrders.xml"), server->bodies["matchOrders"]);
#ifdef Q_OS_UNIX
        // The kept answers may name the session: the user's alone, like the settings.
        for (const QString &answer : Session::answerFiles())
            QCOMPARE(QFile::permissions(folder.data() + answer) & QFileDevice::Permissions(0x0077), QFileDevice::Permissions());
#endif
        QCOMPARE(result.playersPath, folder.data() + "players.xml");
        QCOMPARE(result.lastPath, folder.data() + "MatchOrders.xml");
        QVERIFY(result.warnings.isEmpty());

        QCOMPARE(view.progress, QList<int>({0, 10, 20, 40, 50, 60, 80, 80, 100}));
        QCOMPARE(view.connection, QStringLiteral("disconnected"));
        QVERIFY(!session.connected());
        QVERIFY(session.baseUrl().isEmpty());
        for (const QString &line : view.shown)
            QVERIFY2(!line.contains(QLatin1String("s3cret")), qPrintable(line));
    }

    // The proxy settings reach the client: the game's host name is never looked up here, the
    // proxy (this server) gets the whole address and the Basic credentials it asks for.
    void throughAnAuthenticatingProxy()
    {
        Folder folder;
        RecordingView view;
        HttpClient http(10000);
        server->proxyCredentials = "px user:p ss:word";
        http.setProxy(QStringLiteral(" 127.0.0.1 "), QString::number(server->port()), QStringLiteral("px user"),
                      QStringLiteral("p ss:word"));
        Session session(http, view, folder.data(), QStringLiteral("velmorra.invalid"), QStringLiteral("9.9"));
        OnlineRun::run(session, folder.data(), QStringLiteral("manager"), QStringLiteral("s3cret"));
        QCOMPARE(server->requests.first().proxiedHost, QByteArray("velmorra.invalid"));
        QCOMPARE(server->requests.first().target, QByteArray("/Common/menu.asp?outputType=XML"));
        QVERIFY(server->steps().contains(QStringLiteral("matchOrders")));
        QCOMPARE(folder.entries().size(), 5);

        http.setProxy(QString(), QStringLiteral("8080"), QStringLiteral("px user"), QStringLiteral("x"));
        QCOMPARE(http.proxy().type(), QNetworkProxy::NoProxy);
    }

    void awkwardCredentials()
    {
        Folder folder;
        RecordingView view;
        HttpClient http(10000);
        server->user = QStringLiteral("Jean & Co #1=+%");
        server->code = QStringLiteral("a b&c=d#e+f%g \u00e9");
        Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
        OnlineRun::run(session, folder.data(), QStringLiteral("  Jean & Co #1=+% "), server->code + QStringLiteral(" "));
        QCOMPARE(server->requests[2].query("loginname"), QByteArray("Jean%20%26%20Co%20%231%3D%2B%25"));
        QCOMPARE(server->requests[2].query("readonlypassword"), QByteArray("a%20b%26c%3Dd%23e%2Bf%25g%20%C3%A9"));
        QCOMPARE(read(folder.data() + "players.xml"), server->bodies["players"]);
    }

    // What a run shows, line by line, in each language: nothing of the other language slips in.
    void stepLogInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("done");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("Francais")
            << "Francais"
            << QStringList{"Connexion à Velmorra", "Tentative de connexion à BASE", "Tentative de connexion à BASE",
                           "Connecté à BASE", "Téléchargement de teamDetails.xml", "Téléchargement de teamDetails.xml",
                           "Téléchargement de Players.xml", "Téléchargement de Players.xml",
                           "Téléchargement de Training.xml", "Téléchargement de Training.xml",
                           "Téléchargement de Matchs.xml", "Téléchargement de Matchs.xml",
                           "Téléchargement de MatchOrders.xml", "Téléchargement de MatchOrders.xml", "", "déconnecté"}
            << QStringList{"Connexion à Velmorra", "Tentative de connexion à BASE", "Tentative de connexion à BASE",
                           "Échec de la connexion !\r\nVérifiez le nom d'utilisateur Velmorra ou le code de sécurité.\r\n"
                           "Assurez-vous d'utiliser le code de sécurité et NON le mot de passe Velmorra !",
                           "déconnecté", "Non connecté !", "Échec : connexion",
                           "connexion : le serveur a refusé la connexion au compte ; vérifiez le nom d'utilisateur et le code de sécurité"};
        QTest::newRow("English")
            << "English"
            << QStringList{"Connexion to Velmorra", "Trying to connect to BASE", "Trying to connect to BASE",
                           "Connected to BASE", "Download teamDetails.xml", "Download teamDetails.xml",
                           "Download Players.xml", "Download Players.xml", "Download Training.xml", "Download Training.xml",
                           "Download Matchs.xml", "Download Matchs.xml", "Download MatchOrders.xml",
                           "Download MatchOrders.xml", "", "disconnected"}
            << QStringList{"Connexion to Velmorra", "Trying to connect to BASE", "Trying to connect to BASE",
                           "Login failed !\r\nPlease check Velmorra username or Security Code.\r\n"
                           "Make sure that you are using Security Code and NOT Velmorra password!",
                           "disconnected", "Not connected!", "Failed: login",
                           "login: the server refused the login; check the user name and the security code"};
    }
    void stepLogInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, done);
        QFETCH(QStringList, refused);
        TestSupport::OwnTexts texts;
        QVERIFY(TestSupport::useShippedVocabulary(texts.vocabulary, language));
        const auto walk = [this](const QString &code) {
            Folder folder;
            RecordingView view;
            HttpClient http(5000);
            Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
            try {
                OnlineRun::run(session, folder.data(), server->user, code);
            } catch (const OnlineError &e) {
                view.shown << e.message();
            }
            return view.shown.replaceInStrings(server->baseUrl(), QStringLiteral("BASE"));
        };
        QCOMPARE(walk(server->code), done);
        QCOMPARE(walk(QStringLiteral("wrong")), refused);
    }

    // A server that never answers: the wait is told in the numbers of the message's language.
    void timeOutReasonInTheLanguagesNumbers()
    {
        server->slowStep = QStringLiteral("menu");
        for (const char *language : {"Francais", "English"}) {
            TestSupport::OwnTexts texts;
            QVERIFY(TestSupport::useShippedVocabulary(texts.vocabulary, QLatin1String(language)));
            Folder folder;
            RecordingView view;
            HttpClient http(500);
            Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
            QString reason;
            try {
                OnlineRun::run(session, folder.data(), server->user, server->code);
            } catch (const OnlineError &e) {
                reason = e.reason();
            }
            QVERIFY2(reason.startsWith(vocab(QStringLiteral("MSG_NET_TIMEOUT"))
                                           .arg(qstrcmp(language, "English") ? QStringLiteral("0,5") : QStringLiteral("0.5"))),
                     qPrintable(reason));
        }
    }

    // Each misbehaviour stops the run at its step; the earlier files stay and the code never shows.
    void failures_data()
    {
        QTest::addColumn<QString>("misbehaviour");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused connection") << "closed" << "" << "menu" << "refused";
        QTest::newRow("no session server named") << "nourl" << "" << "menu" << "no session server";
        QTest::newRow("500 menu") << "fail" << "menu" << "menu" << "500";
        QTest::newRow("500 security") << "fail" << "security" << "security code check" << "500";
        QTest::newRow("500 login") << "fail" << "login" << "login" << "500";
        QTest::newRow("500 team") << "fail" << "teamDetails" << "team details" << "500";
        QTest::newRow("500 players") << "fail" << "players" << "players" << "500";
        QTest::newRow("500 training") << "fail" << "training" << "training" << "500";
        QTest::newRow("500 matches") << "fail" << "matches" << "matches" << "500";
        QTest::newRow("500 orders") << "fail" << "matchOrders" << "match orders" << "500";
        QTest::newRow("dropped mid-body") << "drop" << "players" << "players" << "closed the connection";
        QTest::newRow("slow past timeout") << "slow" << "training" << "training" << "no answer";
        QTest::newRow("redirect loop") << "loop" << "matches" << "matches" << "redirections";
        QTest::newRow("wrong type twice") << "type" << "" << "team details" << "text/plain";
        QTest::newRow("refused login") << "badcode" << "" << "login" << "refused";
        QTest::newRow("no security code") << "nocode" << "" << "security code check" << "no security code";
        QTest::newRow("answer past the size bound") << "huge" << "players" << "players" << "larger than 16 MiB";
        QTest::newRow("disk full while storing") << "full" << "Training.xml" << "storing the files"
                                                 << QString::fromLocal8Bit(std::strerror(ENOSPC));
    }
    void failures()
    {
        QFETCH(QString, misbehaviour);
        QFETCH(QString, where);
        QFETCH(QString, step);
        QFETCH(QString, reason);
        Folder folder;
        RecordingView view;
        // Only the silent server needs the short wait; a busy machine must not fail the others.
        HttpClient http(misbehaviour == QLatin1String("slow") ? 300 : 5000);
        QString host = server->host();
        QString code = server->code;
        if (misbehaviour == QLatin1String("closed")) {
            const quint16 port = server->port();
            delete server;
            server = new FakeGameServer(this);
            host = QStringLiteral("127.0.0.1:%1").arg(port);
        } else if (misbehaviour == QLatin1String("fail")) {
            server->failStep = where;
        } else if (misbehaviour == QLatin1String("drop")) {
            server->dropStep = where;
        } else if (misbehaviour == QLatin1String("slow")) {
            server->slowStep = where;
        } else if (misbehaviour == QLatin1String("loop")) {
            server->redirectStep = where;
            server->redirects = -1;
        } else if (misbehaviour == QLatin1String("type")) {
            server->wrongTypeTimes = -1;
        } else if (misbehaviour == QLatin1String("badcode")) {
            code = QStringLiteral("wrong&code");
        } else if (misbehaviour == QLatin1String("nocode")) {
            server->hasSecurityCode = false;
        } else if (misbehaviour == QLatin1String("huge")) {
            server->bodies[where] = QByteArray(17 * 1024 * 1024, 'x');
        } else if (misbehaviour == QLatin1String("nourl")) {
            server->menuWithoutUrl = true;
        } else if (misbehaviour == QLatin1String("full")) {
            SafeFile::setWriteFailureForTesting([where](const QString &path) { return path.endsWith(where) ? ENOSPC : 0; });
        }
        auto writable = qScopeGuard([] { SafeFile::setWriteFailureForTesting({}); });
        Session session(http, view, folder.data(), host, QStringLiteral("1"));
        try {
            OnlineRun::run(session, folder.data(), server->user, code);
            QFAIL("the run did not fail");
        } catch (const OnlineError &e) {
            QCOMPARE(e.step(), step);
            QVERIFY2(e.reason().contains(reason), qPrintable(e.reason()));
            QVERIFY(!e.message().contains(code));
            // A server that cannot be reached: the reason says what to check.
            if (QStringList{"closed", "slow", "nourl"}.contains(misbehaviour))
                QVERIFY2(e.reason().endsWith(vocab("MSG_CHECK_GAME_SERVER")), qPrintable(e.reason()));
        }
        folder.expectUntouched();
        for (const QString &line : view.shown)
            QVERIFY2(!line.contains(code) && !line.contains(QLatin1String("code=")), qPrintable(line));
        QVERIFY(!OnlineRun::underWay());
        // What is shown afterwards is the state after the failure: no session, the failed step,
        // the progress back at 0; the next run logs in afresh.
        QVERIFY(!session.connected());
        QCOMPARE(view.connection, QStringLiteral("Not connected!"));
        QCOMPARE(view.stepText, vocab("MSG_ONLINE_FAILED_STEP").arg(step));
        QCOMPARE(view.progress.last(), 0);
        if (misbehaviour == QLatin1String("badcode") || misbehaviour == QLatin1String("nocode")) {
            QVERIFY(!server->steps().contains(QStringLiteral("teamDetails")));
            QCOMPARE(server->steps().contains(QStringLiteral("logout")), misbehaviour == QLatin1String("badcode"));
            QVERIFY(!session.connected());
            QCOMPARE(view.connection, QStringLiteral("Not connected!"));
        }
    }

    // A wrong content type once, or a malformed matches file once, is mended by one fresh login.
    void retries_data()
    {
        QTest::addColumn<bool>("wrongType");
        QTest::newRow("team details as text/plain once") << true;
        QTest::newRow("malformed matches once") << false;
    }
    void retries()
    {
        QFETCH(bool, wrongType);
        Folder folder;
        RecordingView view;
        HttpClient http(10000);
        (wrongType ? server->wrongTypeTimes : server->malformedMatchesTimes) = 1;
        Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
        const DownloadResult result = OnlineRun::run(session, folder.data(), server->user, server->code);
        QCOMPARE(server->steps().count(QStringLiteral("login")), 2);
        QCOMPARE(server->steps().count(QStringLiteral("teamDetails")), 2);
        QVERIFY(result.warnings.isEmpty());
        QCOMPARE(read(folder.data() + "team.xml"), server->bodies["teamDetails"]);
        QCOMPARE(read(folder.data() + "MatchOrders.xml"), server->bodies["matchOrders"]);
        QVERIFY(!session.connected());
    }

    // A matches file with no usable orders: the four other files arrive, the earlier orders stay.
    // Every one of them says so.
    void noOrdersFetched_data()
    {
        QTest::addColumn<QByteArray>("matches");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no upcoming match") << FakeGameServer::matchList({{"1", "PLAYED"}, {"2", "Upcoming"}}) << "no upcoming match";
        QByteArray beyond = FakeGameServer::matchList({{"1", "PLAYED"}, {"2", "UPCOMING"}});
        beyond.replace("Count=\"2\"", "Count=\"1\"");
        QTest::newRow("upcoming match beyond Count") << beyond << "upcoming match 2 after the entries its Count";
        QTest::newRow("malformed twice") << QByteArray() << "could not be read";
        // Nested far beyond any game file: refused at once rather than parsed for minutes.
        QTest::newRow("nested 100000 deep") << "<VelmorraData><Team><MatchList Count=\"1\">" + QByteArray("<M>").repeated(100000)
                                                  + QByteArray("</M>").repeated(100000) + "</MatchList></Team></VelmorraData>"
                                            << "could not be read";
    }
    void noOrdersFetched()
    {
        QFETCH(QByteArray, matches);
        QFETCH(QString, warning);
        Folder folder;
        RecordingView view;
        HttpClient http(10000);
        if (matches.isEmpty())
            server->malformedMatchesTimes = -1;
        else
            server->bodies["matches"] = matches;
        Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
        const DownloadResult result = OnlineRun::run(session, folder.data(), server->user, server->code);
        QVERIFY(!server->steps().contains(QStringLiteral("matchOrders")));
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY2(result.warnings[0].contains(warning) && result.warnings[0].contains(QLatin1String("no match orders were fetched")),
                 qPrintable(result.warnings[0]));
        QCOMPARE(result.lastPath, folder.data() + "Matchs.xml");
        QCOMPARE(read(folder.data() + "MatchOrders.xml"), kOld + "MatchOrders.xml");
        QCOMPARE(read(folder.data() + "players.xml"), server->bodies["players"]);
        QCOMPARE(view.progress.mid(view.progress.size() - 2), QList<int>({80, 100}));
    }

    // The logout fails once all five files are stored: the download stands, with a warning.
    void logoutFailsAfterTheFilesAreStored_data()
    {
        QTest::addColumn<QString>("misbehaviour");
        QTest::newRow("500") << "fail";
        QTest::newRow("dropped") << "drop";
    }
    void logoutFailsAfterTheFilesAreStored()
    {
        QFETCH(QString, misbehaviour);
        Folder folder;
        RecordingView view;
        HttpClient http(5000);
        (misbehaviour == QLatin1String("fail") ? server->failStep : server->dropStep) = QStringLiteral("logout");
        Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
        const DownloadResult result = OnlineRun::run(session, folder.data(), server->user, server->code);
        QCOMPARE(server->steps().last(), QStringLiteral("logout"));
        QCOMPARE(read(folder.data() + "players.xml"), server->bodies["players"]);
        QCOMPARE(read(folder.data() + "MatchOrders.xml"), server->bodies["matchOrders"]);
        QCOMPARE(result.lastPath, folder.data() + "MatchOrders.xml");
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY2(result.warnings[0].contains(QLatin1String("did not confirm the logout")), qPrintable(result.warnings[0]));
        QCOMPARE(view.progress.last(), 100);
    }

    // A stop during a silent wait ends the run at once, as a failure that keeps the earlier files;
    // the next run is not stopped.
    void stopEndsTheWait()
    {
        Folder folder;
        RecordingView view;
        HttpClient http(60000);
        server->slowStep = QStringLiteral("matches");
        Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
        QTimer::singleShot(300, this, [&] { http.stop(); });
        try {
            OnlineRun::run(session, folder.data(), server->user, server->code);
            QFAIL("the run was not stopped");
        } catch (const OnlineError &e) {
            QCOMPARE(e.step(), QStringLiteral("matches"));
            QCOMPARE(e.reason(), vocab("MSG_ONLINE_STOPPED"));
        }
        folder.expectUntouched();
        QVERIFY(!session.connected());
        server->slowStep.clear();
        OnlineRun::run(session, folder.data(), server->user, server->code);
        QCOMPARE(server->steps().count(QStringLiteral("login")), 2);
        QCOMPARE(read(folder.data() + "Matchs.xml"), server->bodies["matches"]);
    }

    void redirectChainOfFive()
    {
        Folder folder;
        RecordingView view;
        HttpClient http(10000);
        server->redirectStep = QStringLiteral("players");
        server->redirects = 5;
        Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
        OnlineRun::run(session, folder.data(), server->user, server->code);
        QCOMPARE(server->steps().count(QStringLiteral("players")), 6);
        QCOMPARE(read(folder.data() + "players.xml"), server->bodies["players"]);
    }

    // Three unconfirmed logouts in a row, then nothing more is sent; no session, nothing sent.
    void logouts()
    {
        Folder folder;
        RecordingView view;
        HttpClient http(10000);
        Session session(http, view, folder.data(), server->host(), QStringLiteral("1"));
        QVERIFY(!session.logout());
        QVERIFY(server->requests.isEmpty());

        server->logoutFailures = -1;
        const DownloadResult result = OnlineRun::run(session, folder.data(), server->user, server->code);
        QCOMPARE(result.warnings.size(), 1);
        QCOMPARE(server->steps().count(QStringLiteral("logout")), 3);
        QVERIFY(!session.logout());
        QCOMPARE(server->steps().count(QStringLiteral("logout")), 3);
    }

private:
    FakeGameServer *server = nullptr;
    std::unique_ptr<TestSupport::OwnTexts> m_english; // the language the reasons are read in
};

QTEST_GUILESS_MAIN(TestOnline)
#include "tst_online.moc"
