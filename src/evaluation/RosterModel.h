#pragma once
#include "evaluation/Tplayer.h"

#include <QList>
#include <QObject>
#include <QStringList>

// The squad as the roster views show it: the roster, the record indices in display order, the
// candidate list of the player boxes, and each player's selectable flag as the user sets it.
// Headless; the application model fills it, the views read it and listen to its signals.
class RosterModel : public QObject {
    Q_OBJECT
public:
    explicit RosterModel(QObject *parent = nullptr) : QObject(parent) {}

    Roster &roster() { return m_roster; }
    const Roster &roster() const { return m_roster; }

    // Record indices in display order.
    const QList<int> &listRows() const { return m_listRows; }
    void setListRows(const QList<int> &rows) { m_listRows = rows; }
    // The candidate list of the boxes: an empty first entry, then the names in display order.
    const QStringList &candidateList() const { return m_candidates; }
    void setCandidateList(const QStringList &entries) { m_candidates = entries; }

    // A check mark the user changed: that record's own player becomes selectable or not
    // (selectableChanged when the flag changed); selectableEdited follows in every case. False
    // for an unknown record.
    bool setPlayerSelectable(int record, bool selectable);

    // Says that the roster or the lists changed.
    void announceRosterChanged() { emit rosterChanged(); }

signals:
    void rosterChanged();
    // One player's selectable flag changed.
    void selectableChanged(int record);
    // A selectable flag was set by the user, changed or not.
    void selectableEdited();

private:
    Roster m_roster;
    QList<int> m_listRows;
    QStringList m_candidates;
};
