#pragma once
// Small rosters built in code for the lineup tests, and a board bound to them.
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"

#include <QLocale>
#include <memory>

struct LineupFixture {
    std::unique_ptr<Roster> roster = std::make_unique<Roster>();
    std::unique_ptr<Board> board;

    // A selectable field player; his list position is his roster order (1, 2, ...).
    Tplayer &add(const QString &name, const QString &id)
    {
        Tplayer &p = roster->players[roster->count];
        p = Tplayer();
        p.PlayerName = name;
        p.PlayerID = id;
        p.Selectable = true;
        p.ListPosition = roster->count + 1;
        ++roster->count;
        return p;
    }
    Tplayer &add(const QString &name, int id) { return add(name, QString::number(id)); }

    // Binds a fresh board to the roster, hands it the candidate list and resets it, as the
    // program does after loading a roster. Numbers are shown with a French separator.
    Board &makeBoard()
    {
        board = std::make_unique<Board>(roster.get());
        board->edit()->setNumberLocale(QLocale(QLocale::French, QLocale::France));
        board->edit()->setCandidateList(LineupState::candidateListFromRoster(*roster));
        board->edit()->reset();
        return *board;
    }
    // Entry of the record in the boxes (its list position).
    int entryOf(int record) const { return roster->players[record].ListPosition; }
};
