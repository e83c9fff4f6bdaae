#pragma once
#include <QList>

#include <array>
#include <cstdint>

#include "evaluation/Tplayer.h"
#include "lineup/LineupState.h"

// The best lineup search on a lineup: eligibility, the best-player query, one greedy fill in a
// sector order, and the command that tries the six orders.
namespace BestLineupSearch {

// Per-record facts that stay fixed during a run, worked out once.
struct Context {
    int count = 0;
    std::array<int32_t, Roster::kCapacity> ids{};   // -1: no usable ID
    std::array<bool, Roster::kCapacity> shown{};    // his list position shows him in a box
};

void prepare(const LineupState &state, Context &context);
bool eligible(const LineupState &state, const Context &context, int record);
int bestPlayer(const LineupState &state, const Context &context, int kind);

// What a run asks of the board around the lineup it changes: what the controls show of the
// places it fills or empties, and the team figures once it is done.
class Display {
public:
    virtual ~Display() = default;
    virtual void runStarted() = 0;
    virtual void cardChanged(int place) = 0;     // the place's card image again
    virtual void slotCleared(int place) = 0;     // value label and star strip emptied
    virtual void slotEvaluated(int place) = 0;   // placement and value of the slot, no team figures
    virtual double runFinished() = 0;            // the team figures; returns E
};

struct CalculeResult {
    std::array<double, LineupState::kSectorOrderCount> orderResults{};
    int chosenOrder = 0;
    double evaluation = 0;      // E of the lineup left on the board
    QList<int> unfilled;        // places the last run could not fill, in fill order
};

// One search run in the state's sector order; returns E. Places that could not be filled
// are appended to *unfilled when given.
double run(LineupState &state, Display &display, QList<int> *unfilled);
// Six runs, one per sector order, then one more with the best order.
CalculeResult calcule(LineupState &state, Display &display);

// The outfield slots of one run, by sector order entry (0..5).
const std::array<int, 10> &fillOrder(int sectorOrder);

} // namespace BestLineupSearch
