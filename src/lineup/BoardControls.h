#pragma once
#include <QString>

#include "lineup/LineupState.h"
#include "lineup/SectorRatings.h"

// The control names of the lineup board and what each stands for, so that the language
// files, the tests and the command-line program can name a control as the window does.
namespace BoardControls {

enum class Kind {
    PlayerBox, Captain, SetPieces, Behaviour, ConditionBox, SectorOrder, OptionBox, Tab, Disposition,
    ValueLabel, Strip, Card, SectorLabel, LabelTactique, LForceTactique, LForce1, LVelstats, Pinfos
};
// A control: its kind and its index within the kind (place, condition, option or sector).
struct Ref {
    Kind kind;
    int index;
};

// False for a name that is no control of the board.
bool lookup(const QString &name, Ref *ref);

// Control names of the sector labels, in sector order.
const char *sectorLabelName(SectorRatings::Sector s);
// The sector titles shown above (or in front of) those labels: the title label's control
// name and its French text (UTF-8).
const char *sectorTitleName(SectorRatings::Sector s);
const char *sectorTitleText(SectorRatings::Sector s);
const char *conditionBoxName(LineupState::Condition c);
const char *optionName(LineupState::Option o);

} // namespace BoardControls
