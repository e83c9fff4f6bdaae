#pragma once
#include "lineup/Board.h"

#include <QList>
#include <QString>
#include <functional>

class JsonWriter;
class LineupState;
class MainModel;

// What the command-line program prints of the board: the pitch as text with the sector
// ratings in words and the evaluation, or the JSON contract of evaluate and best.
namespace BoardReport {
// caption: the text the language gives a control of the main window ("LTitreMilieu"), or an
// empty text for the board's own.
using Caption = std::function<QString(const QString &control)>;
QString text(const MainModel &model, const Board::CalculeResult *best, const Caption &caption = {});
// "No eligible player was left for: …" with the places' names, or nothing when none is named.
QString unfilledLine(const QList<int> &unfilled);
// What the exact best lineup adds to the JSON of the board it leaves.
struct OptimumSummary {
    bool proven = false;
    double evaluation = 0;
    int bound = 0;
    double greedyEvaluation = 0;
    double startEvaluation = 0;
    bool freeBehaviours = false;
    double seconds = 0;
    QList<int> unfilled; // places left empty for want of an eligible player
    QList<std::pair<int, int32_t>> locks; // the locks honoured: place 1..11, player ID
    QList<int32_t> excluded;              // the player IDs left out
};
// The "slots" array of the eleven places as the state holds them, and a player ID or null.
void writeSlots(JsonWriter &json, const LineupState &state);
void writeIdOrNull(JsonWriter &json, int32_t id);
QString json(const MainModel &model, const Board::CalculeResult *best, const OptimumSummary *optimum = nullptr);
}
