#pragma once
#include <QList>

#include <array>

#include "lineup/LineupSlots.h"

// What the manager asks of an optimum: time, free behaviours, the players he keeps in their
// places and those he leaves out. Apart from the optimizer so that its model can take them
// without the optimizer's interface.
namespace LineupOptimizer {

struct Options {
    double timeLimitSeconds = 30;
    bool freeBehaviours = false;
    // With free behaviours: per place 2..11, the behaviour entries the model may choose (bit b for
    // entry b). A place left without any has no behaviour and so counts in no sector.
    std::array<unsigned, LineupSlots::kLastSlot + 1> behaviourChoices = allBehaviours();
    static std::array<unsigned, LineupSlots::kLastSlot + 1> allBehaviours()
    {
        std::array<unsigned, LineupSlots::kLastSlot + 1> all{};
        all.fill(~0u);
        return all;
    }
    // Per place 1..11, the roster record the manager keeps there (-1: the optimum chooses). A
    // locked player keeps the place's behaviour on the board, with free behaviours too, and
    // plays even when injured, suspended or unticked (his manager's choice: see lockedUnfit).
    std::array<int, LineupSlots::kLastSlot + 1> locks = noLocks();
    // Roster records left out of every lineup, besides the unticked ones.
    QList<int> excluded;
    // A lineup already known (a record by place 1..11, -1 empty; its behaviours by place 2..11)
    // the search starts from when it honours the locks and exclusions; empty: none.
    std::array<int, LineupSlots::kLastSlot + 1> startRecords = noLocks();
    std::array<int, LineupSlots::kLastSlot + 1> startBehaviours = noLocks();
    static std::array<int, LineupSlots::kLastSlot + 1> noLocks()
    {
        std::array<int, LineupSlots::kLastSlot + 1> none{};
        none.fill(-1);
        return none;
    }
    bool hasLocks() const;
};

} // namespace LineupOptimizer
