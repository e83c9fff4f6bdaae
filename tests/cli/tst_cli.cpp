// Runs the real command-line program on copies of the bundled sample team.
#include "ExactCompare.h"
#include "support/ProgramFolder.h"
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdlib>


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

// A scalar of a JSON text as written: where it stands and its literal text.
struct Scalar {
    QStringList path; // object keys and array indexes ("3") from the root
    QByteArray token;
};

// Reads a JSON text in written order (QJsonObject sorts its keys, so the order of the
// contract can only be checked on the text): the keys of every object, and every scalar.
class JsonScan {
public:
    explicit JsonScan(const QByteArray &text) : m_text(text) { value({}); }
    QList<QStringList> keys;  // path of every key, in written order
    QList<Scalar> scalars;
    bool ok = true;

    // Keys of the object at `path`, in written order.
    QStringList keysOf(const QStringList &path) const
    {
        QStringList out;
        for (const QStringList &k : keys)
            if (k.size() == path.size() + 1 && k.mid(0, path.size()) == path)
                out << k.last();
        return out;
    }

private:
    void ws()
    {
        while (m_pos < m_text.size() && QByteArrayLiteral(" \t\r\n").contains(m_text[m_pos]))
            ++m_pos;
    }
    bool eat(char c)
    {
        ws();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    QByteArray string()
    {
        const int start = m_pos;
        ++m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != '"')
            m_pos += m_text[m_pos] == '\\' ? 2 : 1;
        ++m_pos;
        return m_text.mid(start, m_pos - start);
    }
    void value(const QStringList &path)
    {
        ws();
        if (m_pos >= m_text.size()) {
            ok = false;
            return;
        }
        const char c = m_text[m_pos];
        if (c == '{') {
            ++m_pos;
            if (eat('}'))
                return;
            do {
                ws();
                const QByteArray key = string();
                const QStringList p = path + QStringList{QString::fromUtf8(key.mid(1, key.size() - 2))};
                keys << p;
                ok = eat(':') && ok;
                value(p);
            } while (eat(','));
            ok = eat('}') && ok;
        } else if (c == '[') {
            ++m_pos;
            if (eat(']'))
                return;
            int i = 0;
            do
                value(path + QStringList{QString::number(i++)});
            while (eat(','));
            ok = eat(']') && ok;
        } else if (c == '"') {
            scalars << Scalar{path, string()};
        } else {
            const int start = m_pos;
            while (m_pos < m_text.size() && !QByteArrayLiteral(",]} \t\r\n").contains(m_text[m_pos]))
                ++m_pos;
            scalars << Scalar{path, m_text.mid(start, m_pos - start)};
        }
    }
    QByteArray m_text;
    int m_pos = 0;
};

QJsonValue at(const QJsonValue &root, const QStringList &path)
{
    QJsonValue v = root;
    for (const QString &step : path)
        v = v.isArray() ? v.toArray().at(step.toInt()) : v.toObject().value(step);
    return v;
}

bool isIntegerToken(const QByteArray &t) { return QRegularExpression("^-?[0-9]+$").match(QString::fromLatin1(t)).hasMatch(); }

// Rating points and rating words, as a manager works them out: whole part w, fraction f.
int ratingPoints(double x)
{
    const double w = std::trunc(x);
    const double f = x - w;
    const int q = f > 0.75 ? 3 : f > 0.5 ? 2 : f > 0.25 ? 1 : 0;
    return 4 * int(w) - 3 + q;
}
QString ratingWords(double x)
{
    static const char *const levels[] = {"Inexistant", "Catastrophique", "Très mauvais", "Médiocre", "Faible",
                                         "Inadéquat", "Passable", "Honorable", "Très bon", "Formidable",
                                         "Impressionnant", "Exceptionnel", "Inoubliable", "Légendaire",
                                         "Surnaturel", "Titanesque", "Extra-Terrestre", "Mythique", "Magique",
                                         "Utopique", "Divin"};
    const double w = std::trunc(x);
    const double f = x - w;
    const char *sub = f > 0.75 ? "(supérieur)" : f > 0.5 ? "(haut)" : f > 0.25 ? "(bas)" : "(inférieur)";
    const QString level = (w >= 0 && w <= 20) ? QString::fromUtf8(levels[int(w)]) : QString();
    return level + QLatin1Char(' ') + QString::fromUtf8(sub);
}

const QStringList kSlotPlaces = {"keeper", "right_back", "central_defender_1", "central_defender_2", "left_back",
                                 "right_winger", "inner_midfielder_1", "inner_midfielder_2", "left_winger",
                                 "forward_1", "forward_2"};
const QStringList kSubstitutePlaces = {"keeper", "defender", "inner_midfielder", "winger", "forward"};
const QStringList kSectorKeys = {"central_defence", "right_defence", "left_defence", "midfield",
                                 "central_attack", "right_attack", "left_attack"};
const int kDivisors[] = {5, 4, 4, 8, 6, 6, 6};
const QStringList kSectorLabels = {"LForceDefenseCentrale", "LforceDefenseDroite", "LForceDefenseGauche",
                                   "LForceMilieu", "LForceAttaqueCentrale", "LForceAttaqueDroite",
                                   "LForceAttaqueGauche"};

// Checks a board report of evaluate or best against the JSON contract; returns the document.
QJsonObject checkBoardJson(const QByteArray &text, bool best, bool optimum = false)
{
    QJsonParseError perr;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &perr);
    [&] { QCOMPARE(perr.error, QJsonParseError::NoError); }();
    const QJsonObject root = doc.object();
    const JsonScan scan(text);
    [&] {
        QVERIFY(scan.ok);
        QStringList top = {"format", "conditions", "slots", "substitutes", "captain", "set_pieces", "placement", "sectors",
                           "points", "evaluation", "velstats", "tactic_strength", "labels"};
        if (best)
            top << "order_results" << "chosen_order" << "unfilled";
        if (optimum)
            top << "unfilled" << "optimum";
        QCOMPARE(scan.keysOf({}), top);
        QCOMPARE(root["format"].toInt(), 1);
        QCOMPARE(scan.keysOf({"conditions"}),
                 QStringList({"tactic", "attitude", "venue", "confidence", "team_spirit", "trainer_type"}));
        QCOMPARE(scan.keysOf({"sectors"}), kSectorKeys);
        QCOMPARE(scan.keysOf({"points"}), QStringList({"CD", "RD", "LD", "MID3", "CA", "RA", "LA", "DEF", "ATT"}));
        QCOMPARE(scan.keysOf({"labels"}), QStringList({"LForce1", "LVelstats", "LabelTactique", "LForceTactique"})
                                              + kSectorLabels);

        // Types: whole numbers where the contract says i, null only where it allows it.
        auto intAt = [&](const QStringList &path, bool nullable) {
            for (const Scalar &s : scan.scalars) {
                if (s.path != path)
                    continue;
                QVERIFY2(isIntegerToken(s.token) || (nullable && s.token == "null"),
                         qPrintable(path.join('.') + " = " + s.token));
                return;
            }
            QFAIL(qPrintable("missing " + path.join('.')));
        };
        for (const QString &k : scan.keysOf({"conditions"}))
            intAt({"conditions", k}, false);
        const QJsonArray slotArray = root["slots"].toArray();
        QCOMPARE(slotArray.size(), 11);
        for (int i = 0; i < 11; ++i) {
            const QString n = QString::number(i);
            QCOMPARE(scan.keysOf({"slots", n}), QStringList({"place", "player_id", "behaviour", "kind", "value"}));
            const QJsonObject slot = slotArray[i].toObject();
            QCOMPARE(slot["place"].toString(), kSlotPlaces[i]);
            intAt({"slots", n, "player_id"}, true);
            intAt({"slots", n, "kind"}, false);
            QVERIFY(slot["kind"].toInt() >= 1 && slot["kind"].toInt() <= 19);
            if (i == 0) {
                QVERIFY(slot["behaviour"].isNull());
                QCOMPARE(slot["kind"].toInt(), 1);
            } else {
                intAt({"slots", n, "behaviour"}, false);
            }
            QCOMPARE(slot["value"].isNull(), slot["player_id"].isNull());
            QVERIFY(slot["value"].isNull() || slot["value"].isDouble());
        }
        const QJsonArray subs = root["substitutes"].toArray();
        QCOMPARE(subs.size(), 5);
        for (int i = 0; i < 5; ++i) {
            const QString n = QString::number(i);
            QCOMPARE(scan.keysOf({"substitutes", n}), QStringList({"place", "player_id"}));
            QCOMPARE(subs[i].toObject()["place"].toString(), kSubstitutePlaces[i]);
            intAt({"substitutes", n, "player_id"}, true);
        }
        intAt({"captain"}, true);
        intAt({"set_pieces"}, true);
        const QJsonArray placement = root["placement"].toArray();
        QCOMPARE(placement.size(), 16);
        for (int i = 0; i < 16; ++i)
            intAt({"placement", QString::number(i)}, false);
        QCOMPARE(root["sectors"].toObject().size(), 7);
        for (const QString &k : kSectorKeys)
            QVERIFY(root["sectors"].toObject()[k].isDouble());
        for (const QString &k : scan.keysOf({"points"}))
            intAt({"points", k}, false);
        intAt({"evaluation"}, false);
        intAt({"velstats"}, false);
        QVERIFY(root["tactic_strength"].isDouble());
        for (const QString &k : scan.keysOf({"labels"}))
            QVERIFY(root["labels"].toObject()[k].isString());
        if (best) {
            QCOMPARE(root["order_results"].toArray().size(), 6);
            for (int i = 0; i < 6; ++i)
                intAt({"order_results", QString::number(i)}, false);
            intAt({"chosen_order"}, false);
            QVERIFY(root["unfilled"].isArray());
        }

        // Every number reads back as written.
        for (const Scalar &s : scan.scalars) {
            if (s.token.startsWith('"') || s.token == "null" || s.token == "true" || s.token == "false")
                continue;
            const QJsonValue v = at(root, s.path);
            QVERIFY2(v.isDouble(), qPrintable(s.path.join('.')));
            QCOMPARE_EXACT(v.toDouble(), std::strtod(s.token.constData(), nullptr));
        }

        // The figures hang together: points from the raw sectors, totals, evaluation.
        const QJsonObject sectors = root["sectors"].toObject();
        const QJsonObject points = root["points"].toObject();
        const QJsonObject labels = root["labels"].toObject();
        const QStringList pointKeys = {"CD", "RD", "LD", "MID3", "CA", "RA", "LA"};
        for (int s = 0; s < 7; ++s) {
            const double x = sectors[kSectorKeys[s]].toDouble() / kDivisors[s];
            QCOMPARE(points[pointKeys[s]].toInt(), (s == 3 ? 3 : 1) * ratingPoints(x));
            QCOMPARE(labels[kSectorLabels[s]].toString(), (s == 3 ? QStringLiteral("Milieu : ") : QString()) + ratingWords(x));
        }
        QCOMPARE(points["DEF"].toInt(), points["CD"].toInt() + points["RD"].toInt() + points["LD"].toInt());
        QCOMPARE(points["ATT"].toInt(), points["CA"].toInt() + points["RA"].toInt() + points["LA"].toInt());
        const int e = points["DEF"].toInt() + points["ATT"].toInt() + points["MID3"].toInt();
        QCOMPARE(root["evaluation"].toInt(), e);
        QCOMPARE(root["velstats"].toInt(), e);
        QCOMPARE(labels["LVelstats"].toString(), QString::number(e));
        // The placement table holds the players the boxes show.
        for (int i = 0; i < 11; ++i)
            if (!slotArray[i].toObject()["player_id"].isNull())
                QCOMPARE(placement[i].toInt(), slotArray[i].toObject()["player_id"].toInt());
        for (int i = 0; i < 5; ++i)
            if (!subs[i].toObject()["player_id"].isNull())
                QCOMPARE(placement[11 + i].toInt(), subs[i].toObject()["player_id"].toInt());
    }();
    return root;
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
        TestSupport::copyTree(TestSupport::sampleDataDir(), m_folder);
    }

    void usageErrorsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("no command") << QStringList{} << QByteArray("no command");
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << QByteArray("unknown command frobnicate");
        QTest::newRow("unknown option") << QStringList{"roster", "--colour"} << QByteArray("unknown option --colour");
        QTest::newRow("folder without value") << QStringList{"roster", "--folder"} << QByteArray("folder");
        QTest::newRow("two commands") << QStringList{"roster", "check"} << QByteArray("unexpected argument check");
        QTest::newRow("time limit without seconds") << QStringList{"optimize", "--time-limit", "soon"}
                                                    << QByteArray("--time-limit needs");
        // An option of another command is refused before anything is read or prepared.
        QTest::newRow("roster --time-limit") << QStringList{"roster", "--time-limit", "5"}
                                             << QByteArray("roster does not take --time-limit");
        QTest::newRow("check --recompute-all") << QStringList{"check", "--recompute-all"}
                                               << QByteArray("check does not take --recompute-all");
        QTest::newRow("evaluate --free-behaviours --json") << QStringList{"evaluate", "--free-behaviours", "--json"}
                                                           << QByteArray("evaluate does not take --free-behaviours");
        QTest::newRow("check --json") << QStringList{"check", "--json"} << QByteArray("check does not take --json");
    }
    void usageErrorsExitWithTwo()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, said);
        const Run r = runCli(args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("usage") && r.err.contains(said), r.err.constData());
        // With --json the refusal is an error object there too, telling a script it was its own fault.
        if (args.contains("--json")) {
            const QJsonObject error = QJsonDocument::fromJson(r.out).object()["error"].toObject();
            QCOMPARE(error["step"].toString(), QStringLiteral("usage"));
            QVERIFY(error["message"].toString().contains(QString::fromUtf8(said)));
        }
    }

    // Each command lists its own options, and only those; both answer --version.
    void helpAndVersion()
    {
        const Run optimize = runCli({"optimize", "--help"});
        QCOMPARE(optimize.code, 0);
        QVERIFY2(optimize.out.contains("--time-limit <S>") && optimize.out.contains("--free-behaviours")
                     && !optimize.out.contains("--recompute-all") && !optimize.out.contains("--timeout"),
                 optimize.out.constData());
        const Run check = runCli({"check", "--help"});
        QVERIFY2(check.code == 0 && !check.out.contains("--json"), check.out.constData());
        const Run version = runCli({"--version"});
        QCOMPARE(version.code, 0);
        QVERIFY2(QRegularExpression("^squadwright-cli [0-9]+\\.[0-9]+\\.[0-9]+\n$").match(QString::fromUtf8(version.out)).hasMatch(),
                 version.out.constData());
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
        QVERIFY2(r.out.contains("version « 1.2 », « 1.1 » attendue"), r.out.constData());
    }

    void checkReportsAMissingFileWithOne_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("team, the first checked") << "Team.xml";
        QTest::newRow("match orders, the last checked") << "MatchOrders.xml";
    }
    void checkReportsAMissingFileWithOne()
    {
        QFETCH(QString, file);
        QVERIFY(QFile::remove(m_folder + "/xml/" + file));
        const Run r = runCli({"--folder", m_folder, "check"});
        QCOMPARE(r.code, 1);
        QVERIFY2(!r.out.contains("passent") && r.out.contains("incomplets") && r.out.contains("download"), r.out.constData());
        QVERIFY(r.out.contains(file.toLower().toLatin1() + " manque") || r.out.contains(file.toLatin1() + " manque"));
    }

    void noTeamDataSaysWhereToGetIt_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("evaluate") << QStringList{"evaluate"};
        QTest::newRow("evaluate --json") << QStringList{"evaluate", "--json"};
        QTest::newRow("best") << QStringList{"best"};
        QTest::newRow("optimize") << QStringList{"optimize"};
    }
    void noTeamDataSaysWhereToGetIt()
    {
        QFETCH(QStringList, args);
        QDir(m_folder + "/xml").removeRecursively();
        QVERIFY(QDir().mkpath(m_folder + "/xml"));
        const Run r = runCli(QStringList{"--folder", m_folder} + args);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("aucune donnée d'équipe") && r.err.contains("squadwright-cli download"), r.err.constData());
        if (!args.contains("--json")) {
            QVERIFY(r.out.isEmpty());
        } else {
            // A script reading JSON gets the failure as JSON, with the message of the error output.
            QCOMPARE(JsonScan(r.out).keysOf({}), QStringList({"format", "error"}));
            const QJsonObject root = QJsonDocument::fromJson(r.out).object();
            QCOMPARE(root["format"].toInt(), 1);
            QCOMPARE(root["error"].toObject()["step"].toString(), QStringLiteral("data"));
            QCOMPARE("squadwright-cli: " + root["error"].toObject()["message"].toString() + "\n", QString::fromUtf8(r.err));
        }
    }

    // The folders as a kill leaves them: a download stopped between its renames, a settings write
    // stopped before its rename, a settings file others can read. The next start mends all, says
    // so once, and the check sees one consistent set.
    void nextStartMendsWhatAKillLeft()
    {
        const QString xml = m_folder + "/xml/";
        QStringList names{"team.xml", "players.xml", "Training.xml", "Matchs.xml", "MatchOrders.xml"};
        QStringList sample{"Team.xml", "players.xml", "Training.xml", "Matchs.xml", "MatchOrders.xml"};
        QByteArray note = "squadwright replace 1\n";
        for (int i = 0; i < names.size(); ++i) {
            const QByteArray fresh = readAll(xml + sample[i]);
            const QString temp = names[i] + ".kL" + QString::number(i) + "x9Q";
            // The earlier set is of another layout; the first two new files are in place already.
            writeFile(xml + sample[i], QByteArray(fresh).replace("<Version>", "<Version>9."));
            writeFile(xml + (i < 2 ? names[i] : temp), fresh);
            note += temp.toUtf8() + '\t' + names[i].toUtf8() + '\n';
        }
        writeFile(xml + ".replace-in-progress", note);
        writeFile(xml + ".download-Qw3rT1", "<half");
        writeFile(m_folder + "/SQW.ini.Ab12Cd", "[user]\nSecurityPassword=abc\n");
        QFile::setPermissions(m_folder + "/SQW.ini", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

        const Run r = runCli({"--folder", m_folder, "check"});
        QVERIFY2(r.code == 0 && r.out.contains("pass"), r.out.constData());
        QVERIFY2(r.err.contains("SQW.ini"), r.err.constData());
        QCOMPARE(QDir(xml).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 QStringList({"MatchOrders.xml", "Matchs.xml", "Training.xml", "players.xml", "team.xml"}));
        QVERIFY(!QFile::exists(m_folder + "/SQW.ini.Ab12Cd"));
#ifdef Q_OS_UNIX
        QCOMPARE(QFile::permissions(m_folder + "/SQW.ini") & QFileDevice::Permissions(0x0077), QFileDevice::Permissions());
#endif
        // Said once: the next start has nothing to mend.
        const Run again = runCli({"--folder", m_folder, "check"});
        QCOMPARE(again.code, 0);
        QVERIFY2(again.err.isEmpty(), again.err.constData());
    }

    void rosterJsonFollowsTheContract()
    {
        const Run r = runCli({"--folder", m_folder, "roster", "--json"});
        QCOMPARE(r.code, 0);
        QJsonParseError perr;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &perr);
        QCOMPARE(perr.error, QJsonParseError::NoError);
        const QJsonObject root = doc.object();
        QCOMPARE(JsonScan(r.out).keysOf({}), QStringList({"format", "count", "players", "trainer"}));
        QCOMPARE(root["format"].toInt(), 1);
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

    void messagesFollowTheSettingsLanguage_data()
    {
        QTest::addColumn<QByteArray>("langue");
        QTest::addColumn<QByteArray>("lead");
        QTest::addColumn<QByteArray>("reason");
        // The whole line in the one language, its frame as much as the reader's reason.
        QTest::newRow("Francais") << QByteArray("Francais") << QByteArray("squadwright-cli: impossible de lire ")
                                  << QByteArray("players.xml : XML mal formé à la ligne");
        QTest::newRow("English") << QByteArray("English") << QByteArray("squadwright-cli: cannot read ")
                                 << QByteArray("players.xml: not well-formed XML at line");
    }
    void messagesFollowTheSettingsLanguage()
    {
        QFETCH(QByteArray, langue);
        QFETCH(QByteArray, lead);
        QFETCH(QByteArray, reason);
        QByteArray ini = readAll(m_folder + "/SQW.ini");
        ini.replace("langue=Francais", "langue=" + langue);
        writeFile(m_folder + "/SQW.ini", ini);
        writeFile(m_folder + "/xml/players.xml", "<VelmorraData><Team>");
        const Run r = runCli({"--folder", m_folder, "roster"});
        QCOMPARE(r.code, 3);
        QVERIFY2(r.err.startsWith(lead) && r.err.contains(reason), r.err.constData());
    }

    // The report read by people speaks the settings' language in its words too (tactic,
    // behaviours, levels, the ratings' titles); the JSON keeps the board texts it has always copied.
    void englishReportInEnglishWords()
    {
        QByteArray ini = readAll(m_folder + "/SQW.ini");
        ini.replace("langue=Francais", "langue=English");
        writeFile(m_folder + "/SQW.ini", ini);
        const Run text = runCli({"--folder", m_folder, "evaluate"});
        QCOMPARE(text.code, 0);
        QVERIFY2(text.out.startsWith("Tactic: Attack in the middle |"), text.out.constData());
        QVERIFY2(text.out.contains("\nCentral defence:"), text.out.constData());
        for (const char *french : {"Attaque au centre", "Défensif", "Satisfaisante", "Défense centrale"})
            QVERIFY2(!text.out.contains(french), french);
        const Run json = runCli({"--folder", m_folder, "evaluate", "--json"});
        QCOMPARE(QJsonDocument::fromJson(json.out)["labels"].toObject()["LabelTactique"].toString(),
                 QStringLiteral("Tactic: Attaque au centre"));
    }

    void missingPlayersFileExitsWithThree()
    {
        QVERIFY(QFile::remove(m_folder + "/xml/players.xml"));
        const Run r = runCli({"--folder", m_folder, "roster"});
        QCOMPARE(r.code, 3);
        QVERIFY(r.err.contains("players.xml"));
    }

    // ---- evaluate and best: the board as JSON ----

    void evaluateJsonShowsTheStoredOrder()
    {
        const Run r = runCli({"--folder", m_folder, "evaluate", "--json"});
        QCOMPARE(r.code, 0);
        const QJsonObject root = checkBoardJson(r.out, false);
        if (QTest::currentTestFailed())
            return;

        // The stored orders and the players, read here from the files themselves.
        QHash<int, int> idOfRole, codeOfRole;
        QDomDocument orders;
        QVERIFY(orders.setContent(readAll(m_folder + "/xml/MatchOrders.xml")));
        const QDomNodeList entries = orders.elementsByTagName("Lineup").at(0).childNodes();
        for (int i = 0; i < entries.size(); ++i) {
            const QDomElement e = entries.at(i).toElement();
            const int role = e.firstChildElement("RoleID").text().toInt();
            idOfRole[role] = e.firstChildElement("PlayerID").text().toInt();
            codeOfRole[role] = e.firstChildElement("Behaviour").text().toInt();
        }
        QHash<int, QDomElement> playerById;
        int trainerType = -1;
        QDomDocument players;
        QVERIFY(players.setContent(readAll(m_folder + "/xml/players.xml")));
        const QDomNodeList list = players.elementsByTagName("PlayerList").at(0).childNodes();
        for (int i = 0; i < list.size(); ++i) {
            const QDomElement p = list.at(i).toElement();
            playerById[p.firstChildElement("PlayerID").text().toInt()] = p;
            if (!p.firstChildElement("TrainerData").isNull())
                trainerType = p.firstChildElement("TrainerData").firstChildElement("TrainerType").text().toInt();
        }

        // Tactic 3, attitude code 0, a home match (Team.xml names the home team), training.
        const QJsonObject c = root["conditions"].toObject();
        QCOMPARE(c["tactic"].toInt(), 3);
        QCOMPARE(c["attitude"].toInt(), 1);
        QCOMPARE(c["venue"].toInt(), 0);
        QCOMPARE(c["confidence"].toInt(), 5);
        QCOMPARE(c["team_spirit"].toInt(), 6);
        QCOMPARE(c["trainer_type"].toInt(), trainerType);

        // Behaviour entry by code 1..7 and position kind by entry, per behaviour list.
        const QList<QList<int>> entryOfCode = {{}, {2, 1, 3, 0, 4, 5, 0}, {1, 0, 0, 2, 4, 3, 0}, {2, 1, 3, 0, 4, 0, 0},
                                               {2, 1, 0, 3, 4, 0, 5}, {0, 1, 0, 2, 0, 3, 4}};
        const QList<QList<int>> kindOfEntry = {{1}, {2, 3, 4, 5, 17, 13}, {6, 7, 8, 13, 17}, {9, 10, 11, 12, 17, 13, 6},
                                               {13, 14, 15, 16, 17, 6}, {17, 18, 19, 13, 6}};
        const int listOfPlace[] = {0, 1, 2, 2, 1, 3, 4, 4, 3, 5, 5};
        const QJsonArray rosterPlayers =
            QJsonDocument::fromJson(runCli({"--folder", m_folder, "roster", "--json"}).out).object()["players"].toArray();
        const QJsonArray slotArray = root["slots"].toArray();
        for (int i = 0; i < 11; ++i) {
            const QJsonObject slot = slotArray[i].toObject();
            QCOMPARE(slot["player_id"].toInt(), idOfRole[i + 1]);
            const int list = listOfPlace[i];
            int behaviour = 0;
            if (i > 0) {
                const int code = codeOfRole[i + 1];
                behaviour = code >= 1 && code <= 7 ? entryOfCode[list][code - 1] : 0;
                QCOMPARE(slot["behaviour"].toInt(), behaviour);
            }
            QCOMPARE(slot["kind"].toInt(), kindOfEntry[list][behaviour]);
            // The slot's value is the player's value for that kind.
            for (const QJsonValue &p : rosterPlayers)
                if (p.toObject()["id"].toString().toInt() == idOfRole[i + 1])
                    QCOMPARE_EXACT(slot["value"].toDouble(),
                             p.toObject()["values"].toArray()[slot["kind"].toInt() - 1].toDouble());
        }
        const QJsonArray subs = root["substitutes"].toArray();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(subs[i].toObject()["player_id"].toInt(), idOfRole[12 + i]);
        QCOMPARE(root["captain"].toInt(), idOfRole[18]);
        QCOMPARE(root["set_pieces"].toInt(), idOfRole[17]);

        // Attaque au centre: passing plus experience of the ten outfield players.
        int strength = 0;
        for (int role = 2; role <= 11; ++role) {
            const QDomElement p = playerById[idOfRole[role]];
            strength += p.firstChildElement("PassingSkill").text().toInt() + p.firstChildElement("Experience").text().toInt();
        }
        QCOMPARE_EXACT(root["tactic_strength"].toDouble(), double(strength));
        QCOMPARE(root["labels"].toObject()["LabelTactique"].toString(), QStringLiteral("Tactique : Attaque au centre"));
    }

    void bestJsonProposesALineup_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("options of the settings file") << QStringList{};
        QTest::newRow("recompute all") << QStringList{"--recompute-all"};
        QTest::newRow("every option") << QStringList{"--recompute-all", "--ignore-injuries", "--ignore-cards"};
    }
    void bestJsonProposesALineup()
    {
        QFETCH(QStringList, flags);
        const Run r = runCli(QStringList{"--folder", m_folder, "best", "--json"} + flags);
        QCOMPARE(r.code, 0);
        const QJsonObject root = checkBoardJson(r.out, true);
        if (QTest::currentTestFailed())
            return;
        const QJsonArray results = root["order_results"].toArray();
        int chosen = 0;
        double top = 0;
        for (int i = 0; i < 6; ++i)
            if (results[i].toDouble() > top) {
                top = results[i].toDouble();
                chosen = i;
            }
        QCOMPARE(root["chosen_order"].toInt(), chosen);
        QCOMPARE(root["evaluation"].toInt(), results[chosen].toInt());
        QVERIFY(root["unfilled"].toArray().isEmpty());

        // Sixteen different players; the captain and the set-piece taker play.
        QSet<int> placed;
        for (const QJsonValue &v : root["placement"].toArray())
            placed.insert(v.toInt());
        QCOMPARE(placed.size(), 16);
        QVERIFY(!placed.contains(-1));
        QSet<int> onField;
        for (const QJsonValue &v : root["slots"].toArray())
            onField.insert(v.toObject()["player_id"].toInt());
        QVERIFY(onField.contains(root["captain"].toInt()));
        QVERIFY(onField.contains(root["set_pieces"].toInt()));

        if (flags.isEmpty()) {
            // Without recomputing, the stored lineup is complete and stays as it is.
            const QJsonObject stored =
                QJsonDocument::fromJson(runCli({"--folder", m_folder, "evaluate", "--json"}).out).object();
            QCOMPARE(root["slots"], stored["slots"]);
            QCOMPARE(root["substitutes"], stored["substitutes"]);
            for (int i = 1; i < 6; ++i)
                QCOMPARE(results[i].toInt(), results[0].toInt());
        }
    }

    void bestOptionsOnTheCommandLineAreNotStored()
    {
        QCOMPARE(runCli({"--folder", m_folder, "evaluate"}).code, 0); // remembers the players path
        const QByteArray before = readAll(m_folder + "/SQW.ini");
        const QDateTime written = QFileInfo(m_folder + "/SQW.ini").lastModified();
        QCOMPARE(runCli({"--folder", m_folder, "best", "--recompute-all", "--ignore-injuries", "--ignore-cards"}).code, 0);
        // Nothing changed, so nothing was written: not even the same bytes again.
        QCOMPARE(runCli({"--folder", m_folder, "roster"}).code, 0);
        QCOMPARE(runCli({"--folder", m_folder, "evaluate"}).code, 0);
        QCOMPARE(readAll(m_folder + "/SQW.ini"), before);
        QCOMPARE(QFileInfo(m_folder + "/SQW.ini").lastModified(), written);
        QVERIFY(before.contains("CalculAll=NO"));
    }

    void bestWithNobodyEligibleReportsUnfilledPlaces_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<bool>("filled");
        const QByteArray trainer = "<Player>\n<TrainerData><TrainerType>0</TrainerType><TrainerSkill>4</TrainerSkill>"
                                   "</TrainerData>";
        QTest::newRow("every player suspended") << QByteArray("<Cards>0</Cards>") << QByteArray("<Cards>3</Cards>")
                                                << QStringList{} << false;
        QTest::newRow("suspended, cards ignored") << QByteArray("<Cards>0</Cards>") << QByteArray("<Cards>3</Cards>")
                                                  << QStringList{"--ignore-cards"} << true;
        QTest::newRow("every player unticked") << QByteArray("<Player>") << trainer << QStringList{} << false;
    }
    void bestWithNobodyEligibleReportsUnfilledPlaces()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QStringList, flags);
        QFETCH(bool, filled);
        QByteArray xml = readAll(m_folder + "/xml/players.xml");
        xml.replace("<Cards>1</Cards>", "<Cards>0</Cards>").replace("<Cards>2</Cards>", "<Cards>0</Cards>");
        xml.replace(from, to);
        writeFile(m_folder + "/xml/players.xml", xml);
        QVERIFY(QFile::remove(m_folder + "/xml/MatchOrders.xml"));

        const Run r = runCli(QStringList{"--folder", m_folder, "best", "--json"} + flags);
        QCOMPARE(r.code, 0);
        const QJsonObject root = checkBoardJson(r.out, true);
        if (QTest::currentTestFailed())
            return;
        QStringList unfilled;
        for (const QJsonValue &v : root["unfilled"].toArray())
            unfilled << v.toString();
        if (filled) {
            QVERIFY(unfilled.isEmpty());
            return;
        }
        // Keeper first, then the outfield in the order DEF-MID-ATT, then the substitutes.
        QCOMPARE(unfilled, QStringList({"keeper", "central_defender_1", "central_defender_2", "right_back", "left_back",
                                        "inner_midfielder_1", "inner_midfielder_2", "right_winger", "left_winger",
                                        "forward_1", "forward_2", "substitute_defender", "substitute_inner_midfielder",
                                        "substitute_forward", "substitute_winger", "substitute_keeper"}));
        for (const QJsonValue &v : root["placement"].toArray())
            QCOMPARE(v.toInt(), -1);
        for (const QJsonValue &v : root["slots"].toArray())
            QVERIFY(v.toObject()["player_id"].isNull());
        QVERIFY(root["captain"].isNull());
        QCOMPARE(root["evaluation"].toInt(), -27);
        QCOMPARE(root["chosen_order"].toInt(), 0);

        const Run text = runCli(QStringList{"--folder", m_folder, "best"} + flags);
        QCOMPARE(text.code, 0);
        QVERIFY2(text.out.contains("No eligible player was left for: keeper, central_defender_1"), text.out.constData());
    }

    void optimizeJsonReachesAProvenBest()
    {
        const Run r = runCli({"--folder", m_folder, "optimize", "--json"});
        QCOMPARE(r.code, 0);
        const QJsonObject root = checkBoardJson(r.out, false, true);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(JsonScan(r.out).keysOf({"optimum"}),
                 QStringList({"proven", "evaluation", "bound", "greedy_evaluation", "start_evaluation", "behaviours",
                              "seconds", "locks", "excluded"}));
        const QJsonObject optimum = root["optimum"].toObject();
        QCOMPARE(optimum["proven"].toBool(), true);
        QCOMPARE(optimum["behaviours"].toString(), QString("board"));
        QCOMPARE(optimum["evaluation"].toInt(), root["evaluation"].toInt());
        QCOMPARE(optimum["bound"].toInt(), root["evaluation"].toInt());
        QVERIFY(optimum["evaluation"].toInt() >= optimum["greedy_evaluation"].toInt());
        QVERIFY(optimum["evaluation"].toInt() >= optimum["start_evaluation"].toInt());
        const QJsonObject greedy =
            QJsonDocument::fromJson(runCli({"--folder", m_folder, "best", "--recompute-all", "--json"}).out).object();
        QCOMPARE(optimum["greedy_evaluation"].toInt(), greedy["evaluation"].toInt());
        QSet<int> placed;
        for (const QJsonValue &v : root["placement"].toArray())
            placed.insert(v.toInt());
        QCOMPARE(placed.size(), 16);
        QVERIFY(!placed.contains(-1));
    }

    // Eight players who may play, the others injured: the optimum fields them, leaves the other
    // places empty and names them, and what it prints is the board's lineup and figures.
    void optimizeWithFewerEligiblePlayersThanPlaces()
    {
        const QString xml = QString::fromUtf8(readAll(m_folder + "/xml/players.xml"));
        QStringList players = xml.split(QStringLiteral("<Player>"));
        const QRegularExpression injury(QStringLiteral("<InjuryLevel>[^<]*</InjuryLevel>"));
        const QRegularExpression trainer(QStringLiteral("<TrainerType>[^<]*</TrainerType>"));
        QSet<int> fit;
        for (int i = 1; i < players.size(); ++i) {
            QString &p = players[i];
            p.replace(QStringLiteral("<Cards>3</Cards>"), QStringLiteral("<Cards>0</Cards>"));
            const bool plays = i <= 8;
            p.replace(injury, plays ? QStringLiteral("<InjuryLevel>-1</InjuryLevel>") : QStringLiteral("<InjuryLevel>2</InjuryLevel>"));
            if (plays && !p.contains(trainer))
                fit.insert(p.section(QStringLiteral("<PlayerID>"), 1).section(QLatin1Char('<'), 0, 0).toInt());
        }
        writeFile(m_folder + "/xml/players.xml", players.join(QStringLiteral("<Player>")).toUtf8());
        QVERIFY(fit.size() >= 7 && fit.size() < 11);

        const Run r = runCli({"--folder", m_folder, "optimize", "--json"});
        QCOMPARE(r.code, 0);
        const QJsonObject root = checkBoardJson(r.out, false, true);
        if (QTest::currentTestFailed())
            return;
        QStringList empty;
        QSet<int> onPitch;
        const QJsonArray pitch = root["slots"].toArray();
        for (int i = 0; i < pitch.size(); ++i) {
            const QJsonValue id = pitch[i].toObject()["player_id"];
            if (id.isNull())
                empty << kSlotPlaces[i];
            else
                onPitch.insert(id.toInt());
        }
        QCOMPARE(onPitch, fit);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(root["substitutes"].toArray()[i].toObject()["player_id"].isNull());
            empty << "substitute_" + kSubstitutePlaces[i];
        }
        QStringList unfilled;
        for (const QJsonValue &v : root["unfilled"].toArray())
            unfilled << v.toString();
        unfilled.sort();
        empty.sort();
        QCOMPARE(unfilled, empty);
        QVERIFY(onPitch.contains(root["captain"].toInt()));
        QVERIFY(onPitch.contains(root["set_pieces"].toInt()));
        const QJsonObject optimum = root["optimum"].toObject();
        QVERIFY(optimum["proven"].toBool());
        QCOMPARE(optimum["evaluation"].toInt(), root["evaluation"].toInt());
        QCOMPARE(root["velstats"].toInt(), root["evaluation"].toInt());
    }

    // A time limit too short for the proof still gives a lineup, never below the start, and a bound.
    void optimizeFreeBehavioursWithinATimeLimit()
    {
        const Run r = runCli({"--folder", m_folder, "optimize", "--json", "--free-behaviours", "--time-limit", "0.5"});
        QCOMPARE(r.code, 0);
        const QJsonObject root = checkBoardJson(r.out, false, true);
        if (QTest::currentTestFailed())
            return;
        const QJsonObject optimum = root["optimum"].toObject();
        QCOMPARE(optimum["behaviours"].toString(), QString("free"));
        const int e = root["evaluation"].toInt();
        QVERIFY(e >= optimum["start_evaluation"].toInt());
        QVERIFY(optimum["bound"].toInt() >= e);
        QCOMPARE(optimum["proven"].toBool(), optimum["bound"].toInt() == optimum["evaluation"].toInt());
    }

    void optimizeWithNobodyEligibleExitsWithOne()
    {
        QByteArray xml = readAll(m_folder + "/xml/players.xml");
        xml.replace("<Cards>0</Cards>", "<Cards>3</Cards>")
            .replace("<Cards>1</Cards>", "<Cards>3</Cards>")
            .replace("<Cards>2</Cards>", "<Cards>3</Cards>");
        writeFile(m_folder + "/xml/players.xml", xml);
        const Run r = runCli({"--folder", m_folder, "optimize"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("aucun joueur ne peut être aligné"), r.err.constData());
        QCOMPARE(runCli({"--folder", m_folder, "optimize", "--ignore-cards"}).code, 0);
    }

    // ---- locks and exclusions, tactics, depth ----

    void lockUsageErrorsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("no player id") << QStringList{"optimize", "--lock", "right_back"} << QByteArray("right_back");
        QTest::newRow("unknown place") << QStringList{"optimize", "--lock", "libero=301245781"} << QByteArray("libero");
        QTest::newRow("place locked twice")
            << QStringList{"tactics", "--lock", "keeper=301245781", "--lock", "keeper=289902275"} << QByteArray("keeper");
        QTest::newRow("player locked twice --json")
            << QStringList{"depth", "--json", "--lock", "right_back=301245781", "--lock", "left_back=301245781"}
            << QByteArray("301245781");
        QTest::newRow("unknown player") << QStringList{"optimize", "--lock", "keeper=123"} << QByteArray("123");
        QTest::newRow("unknown excluded player") << QStringList{"tactics", "--exclude", "456"} << QByteArray("456");
        QTest::newRow("locked and excluded")
            << QStringList{"optimize", "--lock", "keeper=301245781", "--exclude", "301245781"} << QByteArray("301245781");
        QTest::newRow("trainer locked") << QStringList{"optimize", "--lock", "keeper=279310552"} << QByteArray("279310552");
    }
    void lockUsageErrorsExitWithTwo()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, said);
        const Run r = runCli(QStringList{"--folder", m_folder} + args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(said), r.err.constData());
        if (args.contains("--json"))
            QCOMPARE(QJsonDocument::fromJson(r.out).object()["error"].toObject()["step"].toString(), QStringLiteral("usage"));
    }

    // An injured player locked at right back plays there (with a warning), an excluded one
    // nowhere; tactics and depth honour both and agree with optimize: the board's tactic row is
    // its optimum, and each depth row the optimum with that player excluded as well.
    void locksAndExclusionsAcrossOptimizeTacticsAndDepth()
    {
        const QStringList injured{"--lock", "right_back=299104566"};
        const QJsonObject free = QJsonDocument::fromJson(runCli({"--folder", m_folder, "optimize", "--json"}).out).object();
        const int excluded = free["slots"].toArray()[9].toObject()["player_id"].toInt(); // forward_1
        const QStringList both = injured + QStringList{"--exclude", QString::number(excluded)};
        const auto slotIds = [](const QJsonObject &o) {
            QHash<QString, int> ids;
            for (const QJsonValue &v : o["slots"].toArray())
                ids[v.toObject()["place"].toString()] = v.toObject()["player_id"].toInt();
            return ids;
        };

        const Run r = runCli(QStringList{"--folder", m_folder, "optimize", "--json"} + both);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.contains("299104566"), r.err.constData());
        const QJsonObject root = QJsonDocument::fromJson(r.out).object();
        const QJsonObject optimum = root["optimum"].toObject();
        QVERIFY(optimum["proven"].toBool());
        QCOMPARE(slotIds(root)["right_back"], 299104566);
        QVERIFY(!slotIds(root).values().contains(excluded));
        QCOMPARE(optimum["locks"].toArray().size(), 1);
        QCOMPARE(optimum["locks"].toArray()[0].toObject()["place"].toString(), QStringLiteral("right_back"));
        QCOMPARE(optimum["excluded"].toArray(), QJsonArray{excluded});
        const int e = optimum["evaluation"].toInt();

        const Run t = runCli(QStringList{"--folder", m_folder, "tactics", "--json"} + both);
        QCOMPARE(t.code, 0);
        // The layouts of the contract lead each object; what follows is added.
        QCOMPARE(JsonScan(t.out).keysOf({}).mid(0, 2), QStringList({"format", "tactics"}));
        QCOMPARE(JsonScan(t.out).keysOf({"tactics", "4"}).mid(0, 6),
                 QStringList({"tactic", "evaluation", "tactic_strength", "proven", "bound", "slots"}));
        const QJsonArray tactics = QJsonDocument::fromJson(t.out).object()["tactics"].toArray();
        QCOMPARE(tactics.size(), 5);
        int marked = 0;
        for (int i = 0; i < 5; ++i) {
            const QJsonObject row = tactics[i].toObject();
            QCOMPARE(row["tactic"].toInt(), i);
            QVERIFY(row["proven"].toBool() && row["bound"].toInt() == row["evaluation"].toInt());
            QCOMPARE(slotIds(row)["right_back"], 299104566);
            QVERIFY(!slotIds(row).values().contains(excluded));
            if (row["on_board"].toBool()) {
                ++marked;
                QCOMPARE(i, root["conditions"].toObject()["tactic"].toInt());
                QCOMPARE(row["evaluation"].toInt(), e);
            }
        }
        QCOMPARE(marked, 1);

        const Run d = runCli(QStringList{"--folder", m_folder, "depth", "--json"} + both);
        QCOMPARE(d.code, 0);
        QCOMPARE(JsonScan(d.out).keysOf({}).mid(0, 3), QStringList({"format", "evaluation", "rows"}));
        QCOMPARE(JsonScan(d.out).keysOf({"rows", "0"}).mid(0, 7),
                 QStringList({"player_id", "place", "evaluation", "loss", "proven", "bound", "slots"}));
        const QJsonObject depth = QJsonDocument::fromJson(d.out).object();
        QCOMPARE(depth["evaluation"].toInt(), e);
        const QJsonArray rows = depth["rows"].toArray();
        QVERIFY(rows.size() >= 10);
        for (int i = 0; i < rows.size(); ++i) {
            const QJsonObject row = rows[i].toObject();
            QCOMPARE(row["loss"].toInt(), e - row["evaluation"].toInt());
            QVERIFY(row["loss"].toInt() >= 0 || row["player_id"].toInt() == 299104566);
            if (i > 0)
                QVERIFY(rows[i - 1].toObject()["loss"].toInt() >= row["loss"].toInt());
            QVERIFY(!slotIds(row).values().contains(row["player_id"].toInt()));
        }
        const QJsonObject first = rows[rows[0].toObject()["player_id"].toInt() == 299104566 ? 1 : 0].toObject();
        const QJsonObject without = QJsonDocument::fromJson(
            runCli(QStringList{"--folder", m_folder, "optimize", "--json", "--exclude",
                               QString::number(first["player_id"].toInt())} + both).out).object();
        QCOMPARE(without["optimum"].toObject()["evaluation"].toInt(), first["evaluation"].toInt());
    }

    // A keeper with keeper skill 7 alone on the board: the central defence is 7 / 5 = 1.4,
    // 2 points, "Catastrophique (bas)"; the right defence 7 / 4 = 1.75, 3 points, "(haut)".
    void handComputedFiguresOfALoneKeeper_data()
    {
        QTest::addColumn<int>("trainerType");
        QTest::addColumn<double>("central");
        QTest::addColumn<double>("side");
        QTest::addColumn<int>("centralPoints");
        QTest::addColumn<int>("sidePoints");
        QTest::addColumn<QString>("centralWords");
        QTest::addColumn<QString>("sideWords");
        double s = 7;
        QTest::newRow("trainer type 2") << 2 << s << s << 2 << 3 << QStringLiteral("Catastrophique (bas)")
                                        << QStringLiteral("Catastrophique (haut)");
        // Type 0 raises the central defence by 0.07 and the sides by 0.1; type 1 lowers them.
        const double up = s + 0.07 * s, upSide = s + 0.1 * s;       // 7.49 / 5 = 1.498; 7.7 / 4 = 1.925
        QTest::newRow("trainer type 0") << 0 << up << upSide << 2 << 4 << QStringLiteral("Catastrophique (bas)")
                                        << QString::fromUtf8("Catastrophique (supérieur)");
        const double down = s - 0.07 * s, downSide = s - 0.1 * s;   // 6.51 / 5 = 1.302; 6.3 / 4 = 1.575
        QTest::newRow("trainer type 1") << 1 << down << downSide << 2 << 3 << QStringLiteral("Catastrophique (bas)")
                                        << QStringLiteral("Catastrophique (haut)");
    }
    void handComputedFiguresOfALoneKeeper()
    {
        QFETCH(int, trainerType);
        QFETCH(double, central);
        QFETCH(double, side);
        QFETCH(int, centralPoints);
        QFETCH(int, sidePoints);
        QFETCH(QString, centralWords);
        QFETCH(QString, sideWords);

        const QString folder = m_tmp.path() + "/lone";
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder + "/xml"));
        writeFile(folder + "/SQW.ini", "[Player]\nGardienGardien=100\nEndurance=10\nForme=20\nExperience=10\n");
        auto player = [](const char *id, const char *name, int keeper, int stamina, int experience,
                         const QByteArray &extra) {
            return "<Player>" + extra + "<PlayerID>" + QByteArray(id) + "</PlayerID><PlayerName>" + name
                   + "</PlayerName><Age>30</Age><TSI>900</TSI><PlayerNumber>1</PlayerNumber><PlayerForm>8</PlayerForm>"
                     "<Experience>" + QByteArray::number(experience) + "</Experience><Leadership>2</Leadership><StaminaSkill>"
                   + QByteArray::number(stamina) + "</StaminaSkill><PlaymakerSkill>0</PlaymakerSkill>"
                     "<PassingSkill>0</PassingSkill><WingerSkill>0</WingerSkill><DefenderSkill>0</DefenderSkill>"
                     "<ScorerSkill>0</ScorerSkill><KeeperSkill>" + QByteArray::number(keeper)
                   + "</KeeperSkill><SetPiecesSkill>0</SetPiecesSkill><InjuryLevel>-1</InjuryLevel><Cards>0</Cards>"
                     "<Agreeability>2</Agreeability><Aggressiveness>2</Aggressiveness><Honesty>2</Honesty>"
                     "<Specialty>0</Specialty></Player>";
        };
        writeFile(folder + "/xml/players.xml",
                  "<VelmorraData><Team><PlayerList Count=\"2\">"
                      + player("7001", "Karl Torwart", 7, 5, 3, "")
                      + player("7002", "Otto Coach", 0, 0, 1,
                               "<TrainerData><TrainerType>" + QByteArray::number(trainerType)
                                   + "</TrainerType><TrainerSkill>6</TrainerSkill></TrainerData>")
                      + "</PlayerList></Team></VelmorraData>");
        writeFile(folder + "/xml/MatchOrders.xml",
                  "<VelmorraData><MatchData Available=\"true\"><HomeTeam><HomeTeamID>5</HomeTeamID></HomeTeam>"
                  "<TacticType>0</TacticType><Attitude>0</Attitude><Lineup>"
                  "<Player><PlayerID>7001</PlayerID><RoleID>1</RoleID></Player></Lineup></MatchData></VelmorraData>");

        const Run r = runCli({"--folder", folder, "evaluate", "--json"});
        QCOMPARE(r.code, 0);
        const QJsonObject root = checkBoardJson(r.out, false);
        if (QTest::currentTestFailed())
            return;
        const QJsonObject c = root["conditions"].toObject();
        QCOMPARE(c["trainer_type"].toInt(), trainerType);
        QCOMPARE(c["attitude"].toInt(), 1);
        QCOMPARE(c["tactic"].toInt(), 0);
        QCOMPARE(c["venue"].toInt(), 1);
        QCOMPARE(c["team_spirit"].toInt(), 4);
        QCOMPARE(c["confidence"].toInt(), 4);

        // His value: keeper skill 7, less a tenth of stamina 5 / 20, form 8 changing nothing,
        // raised by a tenth of log10 of experience 3; every digit must come through the JSON.
        const double b = 700 / 100.0;
        const double t = b - (10 / 100.0) * (5 / 20.0) * b;
        const double f = t - (20 / 100.0) * ((8 - 8) / 8.0) * t;
        const double value = std::log10(3.0) * (10 / 100.0) * f + f;
        const QJsonObject keeper = root["slots"].toArray()[0].toObject();
        QCOMPARE(keeper["player_id"].toInt(), 7001);
        QCOMPARE_EXACT(keeper["value"].toDouble(), value);

        const QJsonObject sectors = root["sectors"].toObject();
        QCOMPARE_EXACT(sectors["central_defence"].toDouble(), central);
        QCOMPARE_EXACT(sectors["right_defence"].toDouble(), side);
        QCOMPARE_EXACT(sectors["left_defence"].toDouble(), side);
        for (const char *k : {"midfield", "central_attack", "right_attack", "left_attack"})
            QCOMPARE_EXACT(sectors[k].toDouble(), 0.0);
        const QJsonObject points = root["points"].toObject();
        QCOMPARE(points["CD"].toInt(), centralPoints);
        QCOMPARE(points["RD"].toInt(), sidePoints);
        QCOMPARE(points["LD"].toInt(), sidePoints);
        QCOMPARE(points["MID3"].toInt(), -9);
        QCOMPARE(points["ATT"].toInt(), -9);
        QCOMPARE(root["evaluation"].toInt(), centralPoints + 2 * sidePoints - 18);
        const QJsonObject labels = root["labels"].toObject();
        QCOMPARE(labels["LForceDefenseCentrale"].toString(), centralWords);
        QCOMPARE(labels["LforceDefenseDroite"].toString(), sideWords);
        QCOMPARE(labels["LForceMilieu"].toString(), QString::fromUtf8("Milieu : Inexistant (inférieur)"));
        QCOMPARE(labels["LForceTactique"].toString(), QStringLiteral("---"));
        QCOMPARE_EXACT(root["tactic_strength"].toDouble(), 80.0);
    }

    void missingFolderIsBadUsage()
    {
        const Run r = runCli({"--folder", m_tmp.path() + "/nowhere", "roster"});
        QCOMPARE(r.code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
