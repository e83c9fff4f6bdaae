#!/usr/bin/env python3
"""Writes one invented squad into a data folder: players.xml, Team.xml, Training.xml and
MatchOrders.xml with only the elements the program reads, deterministic by seed.

Usage: make-squad.py SEED XML_FOLDER

Some seeds leave a file out or put odd values in (unknown players in the orders, behaviour
codes out of range, texts where numbers belong, a missing trainer), so that the readers'
edge cases are compared too.
"""
import os
import random
import sys
from xml.sax.saxutils import escape

SYLLABLES = ["ka", "lo", "mi", "ren", "tos", "vel", "dar", "is", "mo", "bé", "zu", "ran", "ño", "ël", "sta",
             "gor", "vin", "a", "thu", "lek"]

SKILLS = ["StaminaSkill", "KeeperSkill", "PlaymakerSkill", "ScorerSkill", "PassingSkill", "WingerSkill",
          "DefenderSkill", "SetPiecesSkill"]


def word(rng, parts):
    return "".join(rng.choice(SYLLABLES) for _ in range(parts)).capitalize()


def element(name, value):
    return f"<{name}>{escape(str(value))}</{name}>"


def players_xml(rng, players):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<VelmorraData>", "  <Version>1.2.6</Version>", "  <Team>",
           f'    <PlayerList Count="{len(players)}">']
    for p in players:
        out.append("      <Player>")
        if p.get("trainer"):
            out.append("        <TrainerData>" + element("TrainerType", p["trainer"][0])
                       + element("TrainerSkill", p["trainer"][1]) + "</TrainerData>")
        for name in ["PlayerID", "PlayerName", "PlayerNumber", "Age", "TSI", "PlayerForm", "Experience",
                     "Leadership", "Agreeability", "Aggressiveness", "Honesty", "Specialty", "InjuryLevel",
                     "Cards"] + SKILLS:
            out.append("        " + element(name, p[name]))
        out.append("      </Player>")
    out += ["    </PlayerList>", "  </Team>", "</VelmorraData>", ""]
    return "\n".join(out)


def make_players(rng):
    count = rng.randint(16, 101)
    ids = rng.sample(range(100000, 999999), count)
    players = []
    for i in range(count):
        keeper = rng.random() < 0.12
        p = {
            "PlayerID": ids[i],
            "PlayerName": f"{word(rng, 2)} {word(rng, rng.randint(2, 3))}",
            "PlayerNumber": rng.randint(1, 99),
            "Age": rng.randint(17, 36),
            "TSI": rng.randint(100, 20000),
            "PlayerForm": rng.randint(1, 8),
            "Experience": rng.randint(0, 20),
            "Leadership": rng.randint(1, 7),
            "Agreeability": rng.randint(0, 5),
            "Aggressiveness": rng.randint(0, 5),
            "Honesty": rng.randint(0, 5),
            "Specialty": rng.choice([0, 0, 0, 1, 2, 3, 4, 5]),
            "InjuryLevel": rng.choice([-1] * 8 + [0, 1, 2, 5]),
            "Cards": rng.choice([0] * 6 + [1, 2, 3]),
        }
        for s in SKILLS:
            p[s] = rng.randint(0, 20 if rng.random() < 0.1 else 12)
        if keeper:
            p["KeeperSkill"] = rng.randint(5, 16)
        players.append(p)
    if rng.random() < 0.85:
        trainer = rng.randrange(count)
        players[trainer]["trainer"] = (rng.choice([0, 1, 2, 2, 3]) if rng.random() < 0.1 else rng.randint(0, 2),
                                       rng.randint(1, 8))
    if rng.random() < 0.05:
        # A value the reader refuses: the whole roster load fails the same way in both builds.
        rng.choice(players)[rng.choice(SKILLS)] = rng.choice(["", "x", "2.5", "-3", " 7 "])
    return players


def team_xml(team_id):
    return ('<?xml version="1.0" encoding="utf-8"?>\n<VelmorraData>\n  <Version>1.6</Version>\n'
            f"  <Team>\n    {element('TeamID', team_id)}\n  </Team>\n</VelmorraData>\n")


def training_xml(rng):
    def value():
        return rng.choice(["x", "", "99", "-1"]) if rng.random() < 0.05 else rng.randint(0, 10)
    return ('<?xml version="1.0" encoding="utf-8"?>\n<VelmorraData>\n  <Version>1.1</Version>\n  <Team>\n'
            f"    {element('Morale', value())}\n    {element('SelfConfidence', value())}\n"
            "  </Team>\n</VelmorraData>\n")


def orders_xml(rng, players, team_id):
    home = team_id if rng.random() < 0.6 else rng.randint(1000, 99999)
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<VelmorraData>", "  <Version>1.2.1</Version>",
           f'  <MatchData Available="{"true" if rng.random() < 0.93 else "false"}">',
           f"    <HomeTeam>{element('HomeTeamID', home)}</HomeTeam>",
           "    " + element("TacticType", rng.choice([0, 0, 0, 1, 2, 3, 4, 5, 7, "x"])),
           "    " + element("Attitude", rng.choice([-1, 0, 0, 0, 1, 2, ""])),
           "    <Lineup>"]
    chosen = rng.sample(players, min(len(players), rng.randint(11, 18)))
    roles = list(range(1, 19))
    if rng.random() < 0.2:
        rng.shuffle(roles)
    for k, p in enumerate(chosen):
        role = roles[k]
        pid = p["PlayerID"]
        if rng.random() < 0.04:
            pid = rng.randint(100000, 999999)  # not in the roster
        if rng.random() < 0.02:
            role = rng.choice([0, -2, 25, "x"])
        entry = "      <Player>" + element("PlayerID", pid) + element("RoleID", role)
        if isinstance(role, int) and 2 <= role <= 11 and rng.random() < 0.9:
            entry += element("Behaviour", rng.choice([0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 9, "a"]))
        out.append(entry + "</Player>")
    out += ["    </Lineup>", "  </MatchData>", "</VelmorraData>", ""]
    return "\n".join(out)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-squad.py SEED XML_FOLDER")
    seed, folder = int(sys.argv[1]), sys.argv[2]
    rng = random.Random(seed)
    os.makedirs(folder, exist_ok=True)
    players = make_players(rng)
    team_id = rng.randint(1000, 99999)
    files = {
        "players.xml": players_xml(rng, players),
        "Team.xml": team_xml(team_id),
        "Training.xml": training_xml(rng),
        "MatchOrders.xml": orders_xml(rng, players, team_id),
    }
    for name in ("Team.xml", "Training.xml", "MatchOrders.xml"):
        if rng.random() < 0.06:
            del files[name]
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)


if __name__ == "__main__":
    main()
