#pragma once
// A throw-away program folder for the reader and start-up tests: the settings file SQW.ini
// and the data folder xml/ with game files written by the test.
#include "ExactCompare.h"
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>


// One player of a test roster; every skill not given is 0, form 8 and experience 1 keep the
// position value equal to the weighted skills when stamina is 0.
struct TestPlayer {
    QByteArray id;
    QByteArray name;
    int keeper = 0;
    int defending = 0;
    int playmaking = 0;
    int passing = 0;
    int winger = 0;
    int scoring = 0;
    int setPieces = 0;
    int stamina = 0;
    int form = 8;
    int experience = 1;
    int injury = -1;
    int cards = 0;
    int trainerType = -1; // 0..2: the squad's trainer, with TrainerData
    int trainerSkill = 0;
};

// One entry of the Lineup of a match orders file; a null behaviour writes no element.
struct OrderEntry {
    QByteArray playerId;
    QByteArray roleId;
    std::optional<QByteArray> behaviour;
};
inline OrderEntry entry(QByteArray id, int role) { return {id, QByteArray::number(role), std::nullopt}; }
inline OrderEntry entry(QByteArray id, int role, QByteArray behaviour) { return {id, QByteArray::number(role), behaviour}; }

struct MatchOrders {
    QByteArray available = "true";
    std::optional<QByteArray> tacticType = QByteArray("0");
    std::optional<QByteArray> homeTeamId = QByteArray("418275");
    bool homeTeam = true;
    std::optional<QByteArray> attitude = QByteArray("0");
    QList<OrderEntry> lineup;
};

Q_DECLARE_METATYPE(std::optional<QByteArray>)
Q_DECLARE_METATYPE(OrderEntry)
Q_DECLARE_METATYPE(QList<OrderEntry>)

class ProgramFolder {
public:
    ProgramFolder()
    {
        QDir().mkpath(xml());
        // Each kind valued from the one skill that names it, so a test reads values directly.
        writeSettings("[defaut]\nHotKey=Ctrl+C\n\n[options]\ncartons=NO\nblesse=NO\nCalculAll=NO\nmethode=0\n\n"
                      "[Player]\nGardienGardien=100\nDLDefense=100\nDCDefense=100\nAAilier=100\n"
                      "MConstruction=100\nATButeur=100\nForme=20\nExperience=10\nEndurance=10\n");
    }

    QString path() const { return m_dir.path(); }
    QString xml() const { return m_dir.path() + QStringLiteral("/xml/"); }
    QString ini() const { return m_dir.path() + QStringLiteral("/SQW.ini"); }

    void writeSettings(const QByteArray &content) { write(ini(), content); }
    void writeXml(const QString &name, const QByteArray &content) { write(xml() + name, content); }
    void remove(const QString &name) { QFile::remove(xml() + name); }

    QByteArray read(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeTeam(const QByteArray &teamIdText)
    {
        writeXml(QStringLiteral("Team.xml"),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData><Version>1.6</Version>"
                 "<Team><TeamID>" + teamIdText + "</TeamID></Team></VelmorraData>\n");
    }

    // Morale and SelfConfidence as raw texts; a null one leaves the element out.
    void writeTraining(std::optional<QByteArray> morale, std::optional<QByteArray> confidence)
    {
        QByteArray team;
        if (morale)
            team += "<Morale>" + *morale + "</Morale>";
        if (confidence)
            team += "<SelfConfidence>" + *confidence + "</SelfConfidence>";
        writeXml(QStringLiteral("Training.xml"),
                 "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData><Version>1.1</Version><Team>" + team
                     + "</Team></VelmorraData>\n");
    }

    void writeMatchOrders(const MatchOrders &o)
    {
        QByteArray x = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData><Version>1.2.1</Version>\n"
                       "<MatchData Available=\"" + o.available + "\">\n";
        if (o.homeTeam) {
            x += "<HomeTeam>";
            if (o.homeTeamId)
                x += "<HomeTeamID>" + *o.homeTeamId + "</HomeTeamID>";
            x += "</HomeTeam>\n";
        }
        if (o.tacticType)
            x += "<TacticType>" + *o.tacticType + "</TacticType>\n";
        if (o.attitude)
            x += "<Attitude>" + *o.attitude + "</Attitude>\n";
        x += "<Lineup>\n";
        for (const OrderEntry &e : o.lineup) {
            x += "  <Player><PlayerID>" + e.playerId + "</PlayerID><RoleID>" + e.roleId + "</RoleID>";
            if (e.behaviour)
                x += "<Behaviour>" + *e.behaviour + "</Behaviour>";
            x += "</Player>\n";
        }
        x += "</Lineup>\n</MatchData></VelmorraData>\n";
        writeXml(QStringLiteral("MatchOrders.xml"), x);
    }

    void writePlayers(const QList<TestPlayer> &players)
    {
        QByteArray x = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<VelmorraData><Version>1.2.6</Version>"
                       "<Team><PlayerList Count=\"" + QByteArray::number(players.size()) + "\">\n";
        auto el = [](const char *name, int v) {
            return QByteArray("<") + name + ">" + QByteArray::number(v) + "</" + name + ">";
        };
        for (const TestPlayer &p : players) {
            x += "<Player>";
            if (p.trainerType >= 0)
                x += "<TrainerData>" + el("TrainerType", p.trainerType) + el("TrainerSkill", p.trainerSkill)
                     + "</TrainerData>";
            x += "<PlayerID>" + p.id + "</PlayerID><PlayerName>" + p.name + "</PlayerName>";
            x += el("Age", 25) + el("TSI", 1000) + el("PlayerNumber", 1) + el("PlayerForm", p.form)
                 + el("Experience", p.experience) + el("Leadership", 3) + el("StaminaSkill", p.stamina)
                 + el("PlaymakerSkill", p.playmaking) + el("PassingSkill", p.passing)
                 + el("WingerSkill", p.winger) + el("DefenderSkill", p.defending) + el("ScorerSkill", p.scoring)
                 + el("KeeperSkill", p.keeper) + el("SetPiecesSkill", p.setPieces) + el("InjuryLevel", p.injury)
                 + el("Cards", p.cards) + el("Agreeability", 2) + el("Aggressiveness", 2) + el("Honesty", 2)
                 + el("Specialty", 0);
            x += "</Player>\n";
        }
        x += "</PlayerList></Team></VelmorraData>\n";
        writeXml(QStringLiteral("players.xml"), x);
    }

private:
    static void write(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    QTemporaryDir m_dir;
};
