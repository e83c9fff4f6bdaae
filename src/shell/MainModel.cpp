#include "shell/MainModel.h"
#include "settings/FirstUse.h"

#include "optimum/LineupOptimizer.h"
#include "optimum/SolverPlugin.h"

#include "evaluation/RosterListing.h"
#include "lineup/LineupSlots.h"
#include "common/Vocabulary.h"
#include "shell/LanguageFile.h"
#include "shell/MatchOrdersApplier.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cfenv>

namespace {
// The calculation options and their keys, in the order they are read and written.
struct OptionKey {
    Board::Option option;
    bool (Settings::*get)() const;
    bool (Settings::*set)(bool);
};
const OptionKey kOptionKeys[Board::kOptionCount] = {
    {Board::Cartons, &Settings::cartons, &Settings::setCartons},
    {Board::Blesse, &Settings::blesse, &Settings::setBlesse},
    {Board::RecalculTous, &Settings::calculAll, &Settings::setCalculAll},
};
} // namespace

MainModel::MainModel(const QString &programFolder, QObject *parent)
    : MainModel(ProgramPaths::inOneFolder(programFolder), parent)
{
}

MainModel::MainModel(const ProgramPaths &paths, QObject *parent)
    : QObject(parent), m_paths(paths), m_preparationProblems(FirstUse::prepare(paths)),
      m_tidy(FolderTidy::run(paths)), m_folder(paths.dataRoot()),
      m_settings(paths.settingsFilePath()), m_board(&m_rosterModel.roster())
{
    connect(&m_language, &LanguageCatalog::changed, this, [this] {
        m_language.file().applyBoardItems(m_board);
        // Entries stay as they are (only the texts of the lists changed), so the lineup the
        // manager composed is still the one shown; its captions follow the language.
        if (m_board.presenter().pinfosVisible())
            m_board.edit()->refreshFigures();
    });
    connect(&m_rosterModel, &RosterModel::rosterChanged, this, &MainModel::rosterChanged);
    connect(&m_rosterModel, &RosterModel::selectableChanged, this, &MainModel::selectableChanged);
    connect(&m_rosterModel, &RosterModel::selectableEdited, this, &MainModel::updateCalculeEnabled);
    // The board reset returns to the stored sector order: it is given the value whenever it changes.
    m_board.edit()->setStoredSectorOrder(m_settings.repositionnement());
    connect(&m_settings, &Settings::changed, this, [this](const QString &key) {
        if (key == Settings::kRepositionnement)
            m_board.edit()->setStoredSectorOrder(m_settings.repositionnement());
    });
    connect(&m_board, &Board::sectorOrderChosen, this, [this](int entry) { m_settings.setRepositionnement(entry); });
    connect(&m_settings, &Settings::writeFailed, this, &MainModel::settingsWriteFailed);
    m_optionsBaseline = currentOptions();
}

void MainModel::startUp()
{
    m_loadingDone = false;
    m_playersPath = m_settings.playersXml();
    m_rosterModel.setCandidateList({});

    m_versionCheck = checkDataFileVersions(m_folder);
    std::fesetround(FE_TONEAREST);
    emit startUpVersionChecked();

    {
        auto edit = m_board.edit();
        edit->initStarStrips();
        edit->reset();
    }
    // Until the options are restored, closing writes only what the user changes from here.
    m_optionsBaseline = currentOptions();

    const QString players = m_folder.findGameFile(GameFile::Players);
    if (!players.isEmpty())
        chargePlayersXML(players);
    emit startUpRosterLoaded();

    restoreOptions();

    if (!m_folder.findGameFile(GameFile::MatchOrders).isEmpty()) {
        readMatchOrders();
        // The values are computed again from the players file; without one there is nothing
        // to compute, and a missing players file is no error at start-up.
        if (!m_folder.findGameFile(GameFile::Players).isEmpty())
            loadRoster();
    } else {
        // Without orders the known team spirit, confidence and trainer still count.
        readTeamAndTraining();
    }
    m_loadingDone = true;
}

RosterLoadResult MainModel::loadRoster()
{
    m_weights = loadFormulaWeights(m_settings.file());
    // Always the data folder's players file, whatever path the caller loaded.
    const QString path = m_folder.gameFilePath(GameFile::Players);
    RosterLoadResult result;
    emit busyChanged(true);
    try {
        result = RosterLoader::load(path, m_weights, roster());
    } catch (...) {
        emit busyChanged(false);
        m_rosterModel.announceRosterChanged(); // records before the faulty player were stored
        throw;
    }
    emit busyChanged(false);
    m_warnings = result.warnings;
    // Without formulas every value is 0 and every lineup looks the same: say so rather than
    // let the user trust empty figures.
    bool anyWeight = false;
    for (const auto &kind : m_weights.skill)
        for (int32_t w : kind)
            anyWeight = anyWeight || w != 0;
    if (!anyWeight)
        m_warnings.prepend(vocab(QStringLiteral("MSG_NO_FORMULAS"))
                               .arg(QDir::toNativeSeparators(m_settings.path())));
    m_rosterModel.announceRosterChanged();
    return result;
}

bool MainModel::chargePlayersXML(const QString &path)
{
    setCalculeEnabled(true);
    m_board.edit()->zeroStarStrips();
    m_rosterModel.setListRows({});
    if (!QFileInfo(path).isFile()) {
        setCalculeEnabled(false);
        m_rosterModel.announceRosterChanged();
        return false;
    }
    setCalculeEnabled(true);
    m_playersPath = path;
    int rows = 0;
    try {
        rows = RosterLoader::readPlayerCount(path);
    } catch (...) {
        m_rosterModel.announceRosterChanged(); // the list was emptied
        throw;
    }
    // Remembered only once the file has proved readable, and only when it changed, so that
    // looking at a broken file never touches the settings.
    if (m_settings.playersXml() != path)
        m_settings.setPlayersXml(path);
    m_board.edit()->clearPlacementAndFigures();
    loadRoster();
    Roster &squad = roster();
    const QList<int> listRows =
        RosterListing::displayOrder(squad, qMin(rows, int(squad.count)), RosterListing::nameCollator());
    m_rosterModel.setListRows(listRows);
    m_rosterModel.setCandidateList(RosterListing::assignListPositions(squad, listRows));
    m_board.edit()->setCandidateList(m_rosterModel.candidateList());
    m_rosterModel.announceRosterChanged();
    return true;
}

void MainModel::rechargeCompoXML()
{
    m_loadingDone = false;
    {
        auto edit = m_board.edit();
        edit->clearPlacementAndFigures();
        edit->reset();
    }
    readMatchOrders();
    m_loadingDone = true;
}

void MainModel::readMatchOrders()
{
    MatchOrdersApplier::applyMatchOrders(m_folder, m_board, roster(), roster().trainerTypeIndex(), m_teamId);
}

void MainModel::readTeamAndTraining()
{
    MatchOrdersApplier::applyTeamAndTraining(m_folder, m_board, roster().trainerTypeIndex(), m_teamId);
}

Board::CalculeResult MainModel::calcule()
{
    emit busyChanged(true);
    try {
        const Board::CalculeResult result = m_board.calcule();
        emit busyChanged(false);
        return result;
    } catch (...) {
        emit busyChanged(false);
        throw;
    }
}

MainModel::OptionValues MainModel::currentOptions() const
{
    OptionValues values;
    for (int i = 0; i < Board::kOptionCount; ++i)
        values.on[i] = m_board.state().option(kOptionKeys[i].option);
    values.methode = m_board.state().sectorOrder();
    return values;
}

MainModel::OptimumOutcome MainModel::optimalLineup(double timeLimitSeconds, bool freeBehaviours)
{
    LineupOptimizer::Options options;
    options.timeLimitSeconds = timeLimitSeconds;
    options.freeBehaviours = freeBehaviours;
    return optimalLineup(options);
}

LineupOptimizer::Options MainModel::boardOptions() const
{
    LineupOptimizer::Options options;
    for (int place = LineupSlots::Keeper; place <= LineupSlots::kLastSlot; ++place)
        if (m_board.state().locked(place))
            options.locks[place] = m_board.state().recordOfBox(place);
    return options;
}

MainModel::OptimumOutcome MainModel::optimalLineup(const LineupOptimizer::Options &options)
{
    OptimumOutcome outcome;
    if (!LineupOptimizer::lockProblem(m_board.state(), options).isEmpty()
        || LineupOptimizer::eligibleRecords(m_board.state(), options).isEmpty())
        return outcome;
    // The solver is loaded now, on the first optimum; without it, say so before the board changes.
    SolverPlugin::entry(SolverPlugin::folders());
    emit busyChanged(true);
    try {
        outcome.startEvaluation = m_board.figures().E;
        // What the board holds, to give back should the lineup found rate lower (time ran out
        // before the search reached it). Only a lineup the search could have fielded counts: one
        // with an injured, suspended or unticked player (a stored order, say) would otherwise
        // stand against the proven best of the players who may play.
        // With locks and exclusions, only a lineup that honours them.
        const QList<int> eligible = LineupOptimizer::eligibleRecords(m_board.state(), options);
        bool startEligible = true;
        std::array<int, LineupSlots::kLastSlot + 1> start{};
        start.fill(-1);
        for (int place = LineupSlots::Keeper; place <= LineupSlots::kLastSlot; ++place) {
            start[place] = m_board.state().recordOfBox(place);
            if (start[place] >= 0 && !eligible.contains(start[place]))
                startEligible = false;
        }
        startEligible = startEligible && LineupOptimizer::honours(options, start);
        const LineupState saved = m_board.state();
        const bool recomputeAll = m_board.state().option(Board::RecalculTous);

        m_board.edit()->setOption(Board::RecalculTous, true);
        outcome.greedyEvaluation = m_board.calcule().evaluation;
        {
            auto edit = m_board.edit();
            edit->setOption(Board::RecalculTous, recomputeAll);
            edit->setSectorOrder(saved.sectorOrder());
        }

        const LineupOptimizer::Result result = LineupOptimizer::optimize(m_board.state(), options);
        outcome.found = true;
        outcome.lockedUnfit = result.lockedUnfit;
        outcome.proven = result.proven;
        outcome.bound = result.bound;
        outcome.seconds = result.seconds;
        if (result.found) {
            const double e = LineupOptimizer::putOnBoard(m_board, result, &outcome.unfilled);
            outcome.placed = e >= outcome.startEvaluation || !startEligible;
        }
        if (!outcome.placed) {
            outcome.unfilled.clear();
            m_board.edit()->restore(saved);
        }
        // The lineup the board now shows is the best one known: what is printed agrees with it.
        outcome.evaluation = m_board.figures().E;
        emit busyChanged(false);
        return outcome;
    } catch (...) {
        emit busyChanged(false);
        throw;
    }
}

void MainModel::restoreOptions()
{
    {
        auto edit = m_board.edit();
        for (const OptionKey &o : kOptionKeys)
            edit->setOption(o.option, (m_settings.*o.get)());
        edit->setSectorOrder(m_settings.methode());
    }
    m_optionsBaseline = currentOptions();
}

bool MainModel::saveOptions()
{
    // Only what changed since the options were read (or since the start, when a failed
    // start-up never read them): the board's defaults must never overwrite the user's keys.
    const OptionValues now = currentOptions();
    bool ok = true;
    for (int i = 0; i < Board::kOptionCount; ++i) {
        if (now.on[i] != m_optionsBaseline.on[i])
            ok = (m_settings.*kOptionKeys[i].set)(now.on[i]) && ok;
    }
    if (now.methode != m_optionsBaseline.methode)
        ok = m_settings.setMethode(now.methode) && ok;
    if (ok)
        m_optionsBaseline = now;
    return ok;
}

bool MainModel::setPlayerSelectable(int record, bool selectable)
{
    // The roster model's selectableEdited brings the best-lineup command up to date.
    return m_rosterModel.setPlayerSelectable(record, selectable);
}

void MainModel::updateCalculeEnabled()
{
    bool any = false;
    for (int i = 0; i < roster().storedCount() && !any; ++i)
        any = roster().players[i].Selectable;
    setCalculeEnabled(any);
}

bool MainModel::storedOnTop() { return m_settings.onTop(); }

void MainModel::reloadFormulas()
{
    if (!m_folder.findGameFile(GameFile::Players).isEmpty()) {
        // New values, same squad: the players the user left out stay out.
        QSet<QString> leftOut;
        for (int i = 0; i < roster().storedCount(); ++i)
            if (!roster().players[i].Selectable)
                leftOut.insert(roster().players[i].PlayerID);
        loadRoster();
        for (int i = 0; i < roster().storedCount(); ++i)
            if (leftOut.contains(roster().players[i].PlayerID))
                roster().players[i].Selectable = false;
        updateCalculeEnabled();
    }
    readTeamAndTraining();
    // The lineup stays: each placed slot shows its player's new value, and the figures follow.
    auto edit = m_board.edit();
    for (int place = LineupSlots::kFirstPlace; place <= LineupSlots::kLastSlot; ++place)
        if (m_board.state().placement(place) >= 0)
            edit->evaluate(place);
}

bool MainModel::loadLanguage()
{
    const QString path = LanguageFile::languageFilePath(m_paths.resourceFolder(), m_settings.langue());
    if (path.isEmpty() || !m_language.load(path))
        return false;
    LanguageFile::followQtTranslations(path);
    return true;
}

void MainModel::storeOnTop(bool onTop) { m_settings.setOnTop(onTop); }

QString MainModel::hotKeyText() { return m_settings.hotKey(); }

void MainModel::setCalculeEnabled(bool on)
{
    if (m_calculeEnabled == on)
        return;
    m_calculeEnabled = on;
    emit commandStateChanged();
}

StartUpNotice MainModel::startUpNotice() const
{
    if (!m_preparationProblems.isEmpty())
        return {StartUpNotice::UserFolders, m_preparationProblems.join(QStringLiteral("; "))};
    if (!QFileInfo(m_folder.dataFolder()).isDir())
        return {StartUpNotice::NoDataFolder, QDir::toNativeSeparators(m_folder.dataFolder())};
    if (m_folder.findGameFile(GameFile::Players).isEmpty())
        return {StartUpNotice::NoPlayersFile, QDir::toNativeSeparators(m_folder.gameFilePath(GameFile::Players))};
    if (!m_warnings.isEmpty())
        return {StartUpNotice::LoadWarnings, m_warnings.join(QLatin1Char(' '))};
    return {};
}
