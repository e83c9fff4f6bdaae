#pragma once
#include "datafiles/DataFolder.h"
#include "evaluation/PositionFormulas.h"
#include "evaluation/RosterLoader.h"
#include "evaluation/Tplayer.h"
#include "settings/IniFile.h"

#include <QList>
#include <QObject>
#include <QStringList>

// The process-wide state of the program and the work the main window runs on it: the program
// and data folders, the open settings file, the formula weights, the roster and what the
// roster list shows. Headless: the desktop program and the command-line program share it.
class MainModel : public QObject {
    Q_OBJECT
public:
    explicit MainModel(const QString &programFolder, QObject *parent = nullptr);

    const DataFolder &folder() const { return m_folder; }
    IniFile &settings() { return m_settings; }
    const FormulaWeights &weights() const { return m_weights; }
    Roster &roster() { return m_roster; }
    const Roster &roster() const { return m_roster; }

    // Reads the formula weights, then the data folder's players file into the roster with every
    // player's values. Throws DataFileError; what was stored before the failure stays.
    RosterLoadResult loadRoster();

    // Loads the players file at `path` and refreshes what shows the roster. Returns false (and
    // disables the best-lineup command, leaving the roster as it was) when there is no such
    // file. Throws DataFileError when the file cannot be read.
    bool chargePlayersXML(const QString &path);

    // The roster list: record indices in display order, and the candidate list of the board's
    // boxes (an empty first entry, then the names in display order).
    const QList<int> &listRows() const { return m_listRows; }
    const QStringList &candidateList() const { return m_candidates; }

    const QString &playersPath() const { return m_playersPath; }
    bool calculeEnabled() const { return m_calculeEnabled; }
    // Warnings of the last roster load (players left out, unknown experience).
    const QStringList &loadWarnings() const { return m_warnings; }

signals:
    void rosterChanged();
    void commandStateChanged();

private:
    void setCalculeEnabled(bool on);

    DataFolder m_folder;
    IniFile m_settings;
    FormulaWeights m_weights;
    Roster m_roster;
    QList<int> m_listRows;
    QStringList m_candidates;
    QString m_playersPath;
    QStringList m_warnings;
    bool m_calculeEnabled = false;
};
