#include "evaluation/RosterModel.h"

bool RosterModel::setPlayerSelectable(int record, bool selectable)
{
    const bool known = m_roster.hasRecord(record);
    if (known && m_roster.players[record].Selectable != selectable) {
        m_roster.players[record].Selectable = selectable;
        emit selectableChanged(record);
    }
    emit selectableEdited();
    return known;
}
