#pragma once
#include "datafiles/DataFolder.h"
#include "datafiles/VersionCheck.h"
#include "evaluation/PositionFormulas.h"
#include "evaluation/RosterLoader.h"
#include "evaluation/RosterModel.h"
#include "evaluation/Tplayer.h"
#include "lineup/Board.h"
#include "optimum/LineupOptimizer.h"
#include "platform/ProgramPaths.h"
#include "settings/Settings.h"
#include "shell/FolderTidy.h"
#include "shell/LanguageCatalog.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <array>


// What the start-up must tell the user about the data it found, the first that applies: the
// user's folders could not be prepared, the data folder or the players file is missing, or the
// roster loaded with warnings (players left out, an experience that is no level).
struct StartUpNotice {
    enum Kind { None, UserFolders, NoDataFolder, NoPlayersFile, LoadWarnings };
    Kind kind = None;
    // The folder problems or the warnings, or the missing folder or file in native separators.
    QString detail;
};

// The process-wide state of the program and the work the main window runs on it: the program
// and data folders, the open settings file, the formula weights, the roster, what the roster
// list shows, the lineup board and the team identifier. Headless: the desktop program and the
// command-line program share it, so both show the same figures.
class MainModel : public QObject {
    Q_OBJECT
public:
    // Everything in one program folder.
    explicit MainModel(const QString &programFolder, QObject *parent = nullptr);
    // The folders `paths` names; the user's folders are prepared first (see preparationProblems()).
    explicit MainModel(const ProgramPaths &paths, QObject *parent = nullptr);

    const ProgramPaths &paths() const { return m_paths; }
    const DataFolder &folder() const { return m_folder; }
    // The user's folders or files that could not be created or seeded (then settings and
    // data cannot be kept); empty when all is well.
    const QStringList &preparationProblems() const { return m_preparationProblems; }
    // What the start mended in the writable folders before reading them (an interrupted download
    // finished, files made private), for the user to be told once.
    const FolderTidy &tidy() const { return m_tidy; }
    Settings &settings() { return m_settings; }
    const FormulaWeights &weights() const { return m_weights; }
    Roster &roster() { return m_rosterModel.roster(); }
    const Roster &roster() const { return m_rosterModel.roster(); }
    // What the roster views show.
    RosterModel &rosterModel() { return m_rosterModel; }
    const RosterModel &rosterModel() const { return m_rosterModel; }
    Board &board() { return m_board; }
    const Board &board() const { return m_board; }
    const QString &teamId() const { return m_teamId; }

    // The start-up work on the data: version check, roster, options, match orders, team and
    // training. An error ends it at that step (the loading-done flag then stays false) and is
    // thrown on; what was stored before stays.
    void startUp();
    // The result of the start-up's version check (false: the game changed a file's layout).
    const VersionCheckResult &versionCheck() const { return m_versionCheck; }
    bool loadingDone() const { return m_loadingDone; }

    // Reads the formula weights, then the data folder's players file into the roster with every
    // player's values. Throws DataFileError; what was stored before the failure stays.
    RosterLoadResult loadRoster();

    // Loads the players file at `path` and refreshes what shows the roster. Returns false (and
    // disables the best-lineup command, leaving the roster as it was) when there is no such
    // file. Throws DataFileError when the file cannot be read.
    bool chargePlayersXML(const QString &path);

    // "&Recharge XML": clears the board and reads the match orders again.
    void rechargeCompoXML();
    // Reads the match orders onto the board (then team and training).
    void readMatchOrders();
    // Team spirit, confidence, trainer type and team identifier from the game files.
    void readTeamAndTraining();
    // The best lineup: six search runs and the final one.
    Board::CalculeResult calcule();

    // The proven best lineup of the eligible players (with the board's behaviours, or free ones), beside what
    // the six-order search reaches when it recomputes everything. The board keeps the better of
    // that lineup and the one it held, the latter only when every player of it is eligible; a
    // place nobody eligible is left for stays empty. found is false (and the board untouched)
    // when no player is eligible.
    struct OptimumOutcome {
        bool found = false;
        bool proven = false;
        bool placed = false;          // the lineup went on the board (false: the board's own was better)
        double evaluation = 0;        // E of the lineup the board ends with
        QList<int> unfilled;          // places left empty for want of an eligible player, as the search names them
        int bound = 0;                // no lineup rates higher
        double greedyEvaluation = 0;  // E of the six-order search recomputing everything
        double startEvaluation = 0;   // E the board held before
        double seconds = 0;
        QList<int> lockedUnfit;       // locked records that play although injured, suspended or unticked
        // What the lineup the board ends with gains over the one it held and over Calcule's.
        double gainOverBoard() const { return evaluation - startEvaluation; }
        double gainOverCalcule() const { return evaluation - greedyEvaluation; }
    };
    // With free behaviours the lineup's behaviours are chosen too and go in the boxes.
    OptimumOutcome optimalLineup(double timeLimitSeconds = 30, bool freeBehaviours = false);
    // The same honouring the options' locks and exclusions (check LineupOptimizer::lockProblem
    // first): the board's own lineup is kept only when it honours them too.
    OptimumOutcome optimalLineup(const LineupOptimizer::Options &options);
    // The options the desktop's optimum commands use: the padlocked places keep their players
    // (the unticked players stay out by themselves).
    LineupOptimizer::Options boardOptions() const;

    // The calculation options as stored, and their saving at closing: only the options the
    // user changed since they were restored (or since the start-up began, when it stopped
    // before restoring them) are written. False when a write failed.
    void restoreOptions();
    bool saveOptions();

    // The roster list: record indices in display order, and the candidate list of the board's
    // boxes (an empty first entry, then the names in display order).
    const QList<int> &listRows() const { return m_rosterModel.listRows(); }
    const QStringList &candidateList() const { return m_rosterModel.candidateList(); }

    // A check mark the user changed in the roster list: that row's own player becomes
    // selectable or not, whatever row is selected and even after a failed reload, so the
    // screen and the search never disagree; the best-lineup command follows. The list keeps
    // its own filling from being taken for the user's change. False for an unknown record.
    bool setPlayerSelectable(int record, bool selectable);
    // The best-lineup command is enabled while at least one roster player is selectable.
    void updateCalculeEnabled();


    // After the settings changed: the formulas read again and every player's values computed
    // anew (when there is a players file), team and training read again, and the figures of
    // the lineup on the board recomputed with the new values. Throws DataFileError.
    void reloadFormulas();

    // The language the program speaks. Whenever it changes, the board's lists take its words;
    // the board keeps its lineup, behaviours, conditions, captain and set-piece taker, and
    // figures already shown are written again in the new words.
    LanguageCatalog &language() { return m_language; }
    // The language the settings name, with Qt's own texts in it. False (nothing changed) when the
    // name has no readable language file.
    bool loadLanguage();

    // Keep-on-top and the hot key text, as stored.
    bool storedOnTop();
    void storeOnTop(bool onTop);
    QString hotKeyText();

    const QString &playersPath() const { return m_playersPath; }
    bool calculeEnabled() const { return m_calculeEnabled; }
    // Warnings of the last roster load (players left out, unknown experience).
    const QStringList &loadWarnings() const { return m_warnings; }
    StartUpNotice startUpNotice() const;

signals:
    // The busy indicator: on while a roster load or a search runs.
    void busyChanged(bool busy);
    // Relayed from the roster model.
    void rosterChanged();
    // One player's selectable flag changed.
    void selectableChanged(int record);
    void commandStateChanged();
    // Points of the start-up work where the window has its own steps to take: right after
    // the version check (its warning, the hot key) and after the players file step (the
    // roster list, the keep-on-top state). Not emitted when the work stopped before.
    void startUpVersionChecked();
    void startUpRosterLoaded();
    // A settings key could not be written (a read-only program folder): the change is lost.
    void settingsWriteFailed(const QString &key);

private:
    struct OptionValues {
        std::array<bool, Board::kOptionCount> on{};
        int methode = 0;
    };
    OptionValues currentOptions() const;
    void setCalculeEnabled(bool on);

    LanguageCatalog m_language;
    ProgramPaths m_paths;
    QStringList m_preparationProblems;
    FolderTidy m_tidy;
    DataFolder m_folder;
    Settings m_settings;
    FormulaWeights m_weights;
    RosterModel m_rosterModel; // before the board, which keeps its roster
    Board m_board;
    VersionCheckResult m_versionCheck;
    QString m_playersPath;
    QString m_teamId;
    QStringList m_warnings;
    bool m_calculeEnabled = false;
    bool m_loadingDone = false;
    OptionValues m_optionsBaseline;
};
