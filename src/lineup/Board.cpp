#include "lineup/Board.h"

#include "evaluation/Tplayer.h"
#include "lineup/BoardControls.h"

using namespace LineupSlots;
using BoardControls::Kind;
using BoardControls::Ref;
using SectorRatings::Sector;

Board::Edit::Edit(Board &board) : m_board(board) { ++m_board.m_batchDepth; }

Board::Edit::~Edit()
{
    if (--m_board.m_batchDepth == 0) {
        // A lock belongs to the player it kept: a place that now shows another is open again.
        m_board.m_state.dropStaleLocks();
        // However the boxes were set (a pick, a search, a lineup put in by program code),
        // each card image ends beside the player it belongs to.
        for (int p = Keeper; p <= kLastSlot; ++p)
            m_board.m_presenter.refreshCardImage(p, m_board.m_state);
        emit m_board.changed();
    }
}

void Board::Edit::reset() { m_board.reset(); }
void Board::Edit::initStarStrips() { m_board.m_presenter.initStarStrips(); }
void Board::Edit::zeroStarStrips() { m_board.m_presenter.zeroStarStrips(); }
void Board::Edit::evaluate(int place) { m_board.evaluate(place); }
void Board::Edit::refreshFigures() { m_board.evaluate(Keeper); }
void Board::Edit::refreshSlot(int place) { m_board.refreshSlot(place); }
void Board::Edit::setCandidateList(const QStringList &entries) { m_board.setCandidateList(entries); }
void Board::Edit::setSlotEntry(int place, int entry) { m_board.setSlotEntry(place, entry); }
void Board::Edit::setBehaviourEntry(int place, int entry) { m_board.setBehaviourEntry(place, entry); }
void Board::Edit::setCaptainEntry(int entry) { m_board.setCaptainEntry(entry); }
void Board::Edit::setSetPiecesEntry(int entry) { m_board.setSetPiecesEntry(entry); }
void Board::Edit::setLocked(int place, bool locked) { m_board.m_state.setLocked(place, locked); }
void Board::Edit::setCondition(Condition condition, int entry) { m_board.setCondition(condition, entry); }
void Board::Edit::setSectorOrder(int entry) { m_board.setSectorOrder(entry); }
void Board::Edit::setOption(Option option, bool checked) { m_board.setOption(option, checked); }
void Board::Edit::setPlacement(int index, int32_t playerId) { m_board.setPlacement(index, playerId); }
void Board::Edit::clearPlacementAndFigures() { m_board.clearPlacementAndFigures(); }
void Board::Edit::setStoredSectorOrder(int entry) { m_board.m_state.setStoredSectorOrder(entry); }
void Board::Edit::setNumberLocale(const QLocale &locale) { m_board.m_presenter.setNumberLocale(locale); }
bool Board::Edit::setItemText(const QString &boxName, int index, const QString &text)
{
    return m_board.setItemText(boxName, index, text);
}

Board::Board(const Roster *roster, QObject *parent) : QObject(parent), m_state(roster) {}

Board::~Board() = default;

void Board::setCandidateList(const QStringList &entries)
{
    Edit batch(*this);
    m_state.setCandidateList(entries);
}

void Board::Edit::restore(const LineupState &saved)
{
    m_board.m_state = saved;
    m_board.m_figures.clearPoints();
    m_board.m_figures.sector.fill(0);
    m_board.evaluate(Keeper);
}

// ---- evaluation ------------------------------------------------------------------------------

void Board::slotEvaluation(int place)
{
    if (!isPlace(place))
        return;
    const int r = m_state.placeShownPlayer(place);
    if (r >= 0 && isSlot(place))
        m_presenter.showSlotValue(place, m_state.roster()->players[r].value(m_state.slotKind(place)));
    if (!m_searchFlag)
        showTeamFigures(false);
}

void Board::showTeamFigures(bool afterSearch)
{
    m_figures = TeamEvaluation::evaluate(m_state);
    m_presenter.showFigures(m_figures, m_state, afterSearch);
}

void Board::runStarted()
{
    emit searchStarted();
    m_searchFlag = true;
    m_figures.clearPoints();
}

double Board::runFinished()
{
    showTeamFigures(true);
    m_searchFlag = false;
    emit searchFinished();
    return m_figures.points.E;
}

// ---- operations for the program ----------------------------------------------------------------

void Board::reset()
{
    Edit batch(*this);
    m_state.reset();
    m_figures.clearPoints();
    m_presenter.reset();
}

void Board::evaluate(int place)
{
    Edit batch(*this);
    slotEvaluation(place);
}

void Board::refreshSlot(int place)
{
    Edit batch(*this);
    clearSlotDisplay(place);
    refreshCardImage(place);
    slotEvaluation(place);
}

void Board::clearSlotDisplay(int place)
{
    if (!isSlot(place))
        return;
    Edit batch(*this);
    m_presenter.clearSlot(place);
}

void Board::refreshCardImage(int place)
{
    if (!isSlot(place))
        return;
    Edit batch(*this);
    m_presenter.refreshCardImage(place, m_state);
}

void Board::applySlotAssignmentRule(int place)
{
    Edit batch(*this);
    if (takePlace(place))
        m_state.placeCaptainAndSetPieces();
}

bool Board::takePlace(int place)
{
    if (!isPlace(place) || m_state.slotEntry(place) == -1)
        return false;
    const LineupState::Assignment assignment = m_state.takePlace(place);
    if (assignment.found) {
        if (assignment.vacated) {
            // The place he leaves is emptied, its card image included.
            clearSlotDisplay(assignment.vacated);
            refreshCardImage(assignment.vacated);
        }
        slotEvaluation(place);
        refreshCardImage(place);
    }
    return true;
}

void Board::setSlotEntry(int place, int entry)
{
    if (!isPlace(place))
        return;
    Edit batch(*this);
    m_state.setSlotEntry(place, entry);
}

void Board::setBehaviourEntry(int place, int entry)
{
    if (!hasBehaviour(place))
        return;
    Edit batch(*this);
    m_state.setBehaviourEntry(place, entry);
}

void Board::setCaptainEntry(int entry)
{
    Edit batch(*this);
    m_state.setCaptainEntry(entry);
}

void Board::setSetPiecesEntry(int entry)
{
    Edit batch(*this);
    m_state.setSetPiecesEntry(entry);
}

void Board::setCondition(Condition condition, int entry)
{
    if (condition < 0 || condition >= kConditionCount)
        return;
    Edit batch(*this);
    m_state.setCondition(condition, entry);
}

void Board::setSectorOrder(int entry)
{
    Edit batch(*this);
    m_state.setSectorOrder(entry);
}

void Board::setOption(Option option, bool checked)
{
    if (option < 0 || option >= kOptionCount)
        return;
    Edit batch(*this);
    m_state.setOption(option, checked);
}

void Board::setTab(int tab)
{
    if (tab < 0 || tab >= LineupState::kTabCount)
        return;
    Edit batch(*this);
    m_state.setTab(tab);
}

void Board::setDisposition(int entry)
{
    if (entry < 0 || entry >= LineupState::kDispositionCount)
        return;
    Edit batch(*this);
    m_state.setDisposition(entry);
}

void Board::setPlacement(int index, int32_t playerId)
{
    if (!isPlace(index))
        return;
    Edit batch(*this);
    m_state.setPlacement(index, playerId);
}

void Board::clearPlacementAndFigures()
{
    Edit batch(*this);
    m_figures.clearPoints();
    m_figures.sector.fill(0);
    m_state.clearPlacement();
}

bool Board::setItemText(const QString &boxName, int index, const QString &text)
{
    if (!m_presenter.setItemText(boxName, index, text))
        return false;
    // The trainer types live in the name tables, not on the board.
    if (boxName != QLatin1String(BoardControls::conditionBoxName(Entraineur))) {
        Edit batch(*this);
    }
    return true;
}

// ---- board events --------------------------------------------------------------------------

void Board::slotPicked(int place, int entry)
{
    if (!isSlot(place))
        return;
    Edit batch(*this);
    m_state.setSlotEntry(place, entry);
    vacateIfEmpty(place);
    clearSlotDisplay(place);
    refreshCardImage(place);
    const bool ruleRan = takePlace(place);
    slotEvaluation(place);
    // Only now does a newcomer hold the slot's placement entry: the captain and the set-piece
    // taker are picked among the eleven on the pitch, never the player who just left.
    if (ruleRan)
        m_state.placeCaptainAndSetPieces();
}

void Board::behaviourPicked(int place, int entry)
{
    if (!hasBehaviour(place))
        return;
    Edit batch(*this);
    setBehaviourEntry(place, entry);
    refreshCardImage(place);
    slotEvaluation(place);
}

void Board::substitutePicked(int place, int entry)
{
    if (!isSubstitute(place))
        return;
    Edit batch(*this);
    m_state.setSlotEntry(place, entry);
    vacateIfEmpty(place);
    applySlotAssignmentRule(place);
}

void Board::vacateIfEmpty(int place)
{
    // A box left without a player frees its place: the search must not take the player who
    // stood there for one still placed.
    if (m_state.recordOfBox(place) < 0)
        m_state.setPlacement(place, -1);
}

void Board::captainPicked(int entry)
{
    setCaptainEntry(entry);
}

void Board::setPiecesPicked(int entry)
{
    setSetPiecesEntry(entry);
}

void Board::clearPressed()
{
    Edit batch(*this);
    reset();
    slotEvaluation(Keeper);
}

void Board::lockToggled(int place, bool locked)
{
    Edit batch(*this);
    m_state.setLocked(place, locked);
}

void Board::formationPressed()
{
    Edit batch(*this);
    m_state.applyFormation();
    // New behaviours give the placed players other position kinds: every slot shows the value
    // of its new kind, as the team figures do.
    for (int p = RightBack; p <= kLastSlot; ++p) {
        clearSlotDisplay(p);
        refreshCardImage(p);
        const int r = m_state.recordOfBox(p);
        if (r >= 0 && !m_state.roster()->players[r].PlayerName.isEmpty())
            m_presenter.showSlotValue(p, m_state.roster()->players[r].value(m_state.slotKind(p)));
    }
    slotEvaluation(Keeper);
}

void Board::tabChanged(int tab)
{
    Edit batch(*this);
    setTab(tab);
    m_state.enableDispositionsOfTab();
}

void Board::dispositionPicked(int entry)
{
    if (!m_state.dispositionEnabled(entry))
        return;
    setDisposition(entry);
}

void Board::conditionPicked(Condition condition, int entry)
{
    if (condition < 0 || condition >= kConditionCount)
        return;
    Edit batch(*this);
    setCondition(condition, entry);
    slotEvaluation(Keeper);
}

void Board::sectorOrderPicked(int entry)
{
    Edit batch(*this);
    setSectorOrder(entry);
    emit sectorOrderChosen(m_state.sectorOrder());
}

void Board::optionToggled(Option option, bool checked)
{
    setOption(option, checked);
}

bool Board::pick(const QString &controlName, int entry)
{
    Ref ref;
    if (!BoardControls::lookup(controlName, &ref))
        return false;
    switch (ref.kind) {
    case Kind::PlayerBox:
        if (isSlot(ref.index))
            slotPicked(ref.index, entry);
        else
            substitutePicked(ref.index, entry);
        return true;
    case Kind::Captain: captainPicked(entry); return true;
    case Kind::SetPieces: setPiecesPicked(entry); return true;
    case Kind::Behaviour: behaviourPicked(ref.index, entry); return true;
    case Kind::ConditionBox: conditionPicked(static_cast<Condition>(ref.index), entry); return true;
    case Kind::SectorOrder: sectorOrderPicked(entry); return true;
    case Kind::OptionBox: optionToggled(static_cast<Option>(ref.index), entry != 0); return true;
    case Kind::Tab: tabChanged(entry); return true;
    case Kind::Disposition: dispositionPicked(entry); return true;
    default: return false;
    }
}

// ---- commands ------------------------------------------------------------------------------

Board::CalculeResult Board::calcule()
{
    Edit batch(*this);
    return BestLineupSearch::calcule(m_state, *this);
}

double Board::runSearch(QList<int> *unfilled)
{
    Edit batch(*this);
    return BestLineupSearch::run(m_state, *this, unfilled);
}

bool Board::isEligible(int record) const
{
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(m_state, context);
    return record >= 0 && record < context.count && BestLineupSearch::eligible(m_state, context, record);
}

int Board::bestPlayer(int kind) const
{
    BestLineupSearch::Context context;
    BestLineupSearch::prepare(m_state, context);
    return BestLineupSearch::bestPlayer(m_state, context, kind);
}

// ---- readers -------------------------------------------------------------------------------

int32_t Board::mark(int index) const
{
    return (index >= 1 && index <= 5) ? m_figures.marks.id[index] : 0;
}
