// Roster load as the user feels it: parsing a full squad's players file and computing every
// player's 19 position values, captain value and best kind.
#include "evaluation/RosterLoader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A players file as the game sends it for a full squad: 101 players with the values the
// loader reads and the many it ignores, one of them the trainer.
QByteArray squadFile(int players)
{
    QRandomGenerator rng(20240611);
    auto level = [&](int lo, int hi) { return QByteArray::number(rng.bounded(lo, hi + 1)); };
    const char *firstNames[] = {"Jean", "Émile", "Luc", "Noé", "Marc", "Hugo", "Théo", "Louis"};
    const char *lastNames[] = {"Dupont", "Martin", "Lefèvre", "Girard", "Blanc", "Roux", "Faure", "Morel"};

    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<VelmorraData>\r\n"
                     "  <InventedSource>players.asp</InventedSource>\r\n  <Version>1.6</Version>\r\n"
                     "  <InventedOwner>123456</InventedOwner>\r\n  <InventedStamp>2024-06-11 20:15:00</InventedStamp>\r\n"
                     "  <Team>\r\n    <InventedTeamKey>4711</InventedTeamKey>\r\n    <InventedTeamLabel>FC Rivebelle</InventedTeamLabel>\r\n"
                     "    <PlayerList Count=\"" + QByteArray::number(players) + "\">\r\n";
    for (int i = 0; i < players; ++i) {
        const QByteArray first = firstNames[rng.bounded(8)];
        const QByteArray last = lastNames[rng.bounded(8)];
        xml += "      <Player>\r\n";
        if (i == 57)
            xml += "        <TrainerData>\r\n          <TrainerType>2</TrainerType>\r\n"
                   "          <TrainerSkill>6</TrainerSkill>\r\n        </TrainerData>\r\n";
        xml += "        <PlayerID>" + QByteArray::number(300000000 + i * 7919) + "</PlayerID>\r\n"
               "        <PlayerName>" + first + " " + last + "</PlayerName>\r\n"
               "        <InventedGiven>" + first + "</InventedGiven>\r\n        <InventedFamily>" + last + "</InventedFamily>\r\n"
               "        <PlayerNumber>" + QByteArray::number(i % 100) + "</PlayerNumber>\r\n"
               "        <Age>" + level(17, 34) + "</Age>\r\n        <InventedDays>" + level(0, 111) + "</InventedDays>\r\n"
               "        <TSI>" + level(300, 40000) + "</TSI>\r\n"
               "        <PlayerForm>" + level(1, 8) + "</PlayerForm>\r\n"
               "        <InventedNote><![CDATA[Rien à déclarer.]]></InventedNote>\r\n"
               "        <Experience>" + level(1, 12) + "</Experience>\r\n"
               "        <Leadership>" + level(1, 7) + "</Leadership>\r\n"
               "        <InventedCoins>" + level(2500, 90000) + "</InventedCoins>\r\n        <InventedFlag>0</InventedFlag>\r\n"
               "        <Agreeability>" + level(0, 5) + "</Agreeability>\r\n"
               "        <Aggressiveness>" + level(0, 4) + "</Aggressiveness>\r\n"
               "        <Honesty>" + level(0, 5) + "</Honesty>\r\n"
               "        <InventedTallyA>" + level(0, 20) + "</InventedTallyA>\r\n"
               "        <InventedTallyB>" + level(0, 5) + "</InventedTallyB>\r\n"
               "        <InventedTallyC>" + level(0, 200) + "</InventedTallyC>\r\n"
               "        <Specialty>" + level(0, 5) + "</Specialty>\r\n"
               "        <InventedMarker>0</InventedMarker>\r\n"
               "        <InventedGroup>0</InventedGroup>\r\n"
               "        <InventedPlace>5</InventedPlace>\r\n"
               "        <InventedCountA>0</InventedCountA>\r\n        <InventedCountB>0</InventedCountB>\r\n"
               "        <Cards>" + level(0, 3) + "</Cards>\r\n"
               "        <InjuryLevel>" + level(-1, 3) + "</InjuryLevel>\r\n"
               "        <StaminaSkill>" + level(1, 9) + "</StaminaSkill>\r\n"
               "        <KeeperSkill>" + level(0, 15) + "</KeeperSkill>\r\n"
               "        <PlaymakerSkill>" + level(0, 17) + "</PlaymakerSkill>\r\n"
               "        <ScorerSkill>" + level(0, 17) + "</ScorerSkill>\r\n"
               "        <PassingSkill>" + level(0, 17) + "</PassingSkill>\r\n"
               "        <WingerSkill>" + level(0, 17) + "</WingerSkill>\r\n"
               "        <DefenderSkill>" + level(0, 17) + "</DefenderSkill>\r\n"
               "        <SetPiecesSkill>" + level(0, 17) + "</SetPiecesSkill>\r\n"
               "        <InventedCategory>" + level(0, 8) + "</InventedCategory>\r\n"
               "      </Player>\r\n";
    }
    xml += "    </PlayerList>\r\n  </Team>\r\n</VelmorraData>\r\n";
    return xml;
}

// Formulas of the usual shape: seven weights adding up to 100 per kind.
FormulaWeights usualWeights()
{
    FormulaWeights w;
    const std::array<int32_t, 7> shapes[] = {
        {0, 0, 0, 0, 10, 0, 90}, {5, 5, 10, 20, 60, 0, 0}, {0, 0, 30, 50, 20, 0, 0},
        {20, 30, 10, 0, 40, 0, 0}, {0, 25, 25, 10, 30, 10, 0}, {10, 60, 20, 0, 10, 0, 0},
        {0, 0, 10, 30, 0, 60, 0}, {0, 10, 40, 0, 0, 50, 0}};
    for (int k = 0; k < 19; ++k)
        w.skill[k] = shapes[k % 8];
    w.forme = 20;
    w.experience = 10;
    w.endurance = 10;
    return w;
}

struct SquadFixture {
    QTemporaryDir dir;
    QString path;
    FormulaWeights weights = usualWeights();
    SquadFixture()
    {
        path = dir.filePath(QStringLiteral("players.xml"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(squadFile(Roster::kCapacity));
    }
};

SquadFixture &fixture()
{
    static SquadFixture squad;
    return squad;
}

void BM_RosterLoad(benchmark::State &state)
{
    SquadFixture &squad = fixture();
    auto roster = std::make_unique<Roster>();
    for (auto _ : state) {
        RosterLoadResult r = RosterLoader::load(squad.path, squad.weights, *roster);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(roster->players[100].BestValue);
    }
    state.counters["players"] = roster->count;
    state.counters["file_kB"] = double(QFile(squad.path).size()) / 1024.0;
}
BENCHMARK(BM_RosterLoad)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

