#pragma once
#include <QList>

#include <array>
#include <cstdint>

#include "evaluation/Tplayer.h"
#include "lineup/Board.h"

// The best lineup search on a board: eligibility, the best-player, captain and set-piece
// queries, one greedy fill in a sector order, and the command that tries the six orders.
class BestLineupSearch {
public:
    // Per-record facts that stay fixed during a run, worked out once.
    struct Context {
        int count = 0;
        std::array<int32_t, Roster::kCapacity> ids{};   // -1: no usable ID
        std::array<bool, Roster::kCapacity> shown{};    // his list position shows him in a box
    };

    static void prepare(const Board &board, Context &context);
    static bool eligible(const Board &board, const Context &context, int record);
    static int bestPlayer(const Board &board, const Context &context, int kind);
    static int captain(const Board &board, const Context &context);
    static int setPieces(const Board &board, const Context &context);

    // One search run in the order cbOrdreCalc shows; returns E.
    static double run(Board &board, QList<int> *unfilled);
    static Board::CalculeResult calcule(Board &board);

    // The outfield slots of one run, by sector order entry (0..5).
    static const std::array<int, 10> &fillOrder(int sectorOrder);
};
