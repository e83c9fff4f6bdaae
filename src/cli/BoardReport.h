#pragma once
#include "lineup/Board.h"

#include <QString>

class MainModel;

// What the command-line program prints of the board: the pitch as text with the sector
// ratings in words and the evaluation, or the JSON contract of evaluate and best.
namespace BoardReport {
QString text(const MainModel &model, const Board::CalculeResult *best);
QString json(const MainModel &model, const Board::CalculeResult *best);
}
