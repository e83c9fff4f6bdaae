#pragma once
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>

#include "evaluation/Ratings.h"
#include "lineup/BestLineupSearch.h"
#include "lineup/BoardPresenter.h"
#include "lineup/LineupState.h"
#include "lineup/SectorRatings.h"
#include "lineup/TeamEvaluation.h"

struct Roster;

// The lineup board and the match conditions without widgets, as the window, the data readers,
// the language files and the command-line program use it: the lineup and its rules
// (LineupState), its figures (TeamEvaluation), what its controls show (BoardPresenter) and the
// best lineup search, with every change of one call told by one changed() signal. The window
// forwards each user event to the matching method and repaints on changed(). Program code
// changes the board through an edit batch, which never runs an event. Entry numbers count from 0;
// -1 is "no selection".
class Board : public QObject, private BestLineupSearch::Display {
    Q_OBJECT
public:
    using Condition = LineupState::Condition;
    static constexpr Condition Tactique = LineupState::Tactique;
    static constexpr Condition Attitude = LineupState::Attitude;
    static constexpr Condition Lieu = LineupState::Lieu;
    static constexpr Condition Confiance = LineupState::Confiance;
    static constexpr Condition TeamSpirit = LineupState::TeamSpirit;
    static constexpr Condition Entraineur = LineupState::Entraineur;
    static constexpr int kConditionCount = LineupState::kConditionCount;
    using Option = LineupState::Option;
    static constexpr Option RecalculTous = LineupState::RecalculTous;
    static constexpr Option Blesse = LineupState::Blesse;
    static constexpr Option Cartons = LineupState::Cartons;
    static constexpr int kOptionCount = LineupState::kOptionCount;
    static constexpr int kSectorOrderCount = LineupState::kSectorOrderCount;

    using Figures = TeamPoints;
    using CardImage = BoardPresenter::CardImage;
    using CalculeResult = BestLineupSearch::CalculeResult;

    explicit Board(const Roster *roster = nullptr, QObject *parent = nullptr);
    ~Board() override;

    // The parts: the lineup and its rules, and what the controls show (by place, the sector
    // labels, the figures panel).
    const LineupState &state() const { return m_state; }
    const BoardPresenter &presenter() const { return m_presenter; }

    // ---- board events (a user's action on the window) ----
    void slotPicked(int place, int entry);        // places 1..11
    void behaviourPicked(int place, int entry);   // places 2..11
    void substitutePicked(int place, int entry);  // places 12..16
    void captainPicked(int entry);
    void setPiecesPicked(int entry);
    void clearPressed();                          // "&Clear"
    void formationPressed();                      // "Valider"
    void tabChanged(int tab);                     // TabDispo: 0 "Normal", 1 "Asym WB", 2 "Asym W"
    void dispositionPicked(int entry);            // rgdisposition; a disabled entry is refused
    void conditionPicked(Condition condition, int entry);
    void sectorOrderPicked(int entry);            // emits sectorOrderChosen for the settings file
    void optionToggled(Option option, bool checked);
    // A padlock beside a slot box (places 1..11); a place without a player stays open.
    void lockToggled(int place, bool locked);
    // Any of the above by control name ("cbMilieu1", "cbDLD", "cbTactique", "TabDispo",
    // "chkBlesse" with entry 0/1 ...). False for a name that has no pick event.
    bool pick(const QString &controlName, int entry);

    // ---- commands ----
    // Best lineup: six search runs, one per sector order, then one more with the best order.
    CalculeResult calcule();
    // One search run with the sector order cbOrdreCalc shows; returns E. Places that could
    // not be filled are appended to *unfilled when given.
    double runSearch(QList<int> *unfilled = nullptr);

    // ---- program changes (no event runs) ----
    // A batch of changes made by program code: the data readers, the language files, the
    // optimizer. The board tells one changed() when the outermost batch ends, that is when
    // the Edit goes out of scope: `board.edit()->setOption(...)` for one change, or
    // `auto edit = board.edit();` for several. Only the event methods evaluate by themselves.
    class Edit {
    public:
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;
        ~Edit();
        Edit *operator->() { return this; }

        void reset();            // board reset; evaluates nothing
        void initStarStrips();   // base lefts of the star strips
        void zeroStarStrips();   // every star strip to zero stars at its base left
        void evaluate(int place);      // slot evaluation of one box
        void refreshFigures();         // slot evaluation of cbGardien: every figure again
        void refreshSlot(int place);   // clear slot display, refresh card image, slot evaluation
        // Replaces the shared candidate list of the eighteen player boxes (entry 0 empty,
        // entries 1..n the names in list order); every one of them is left without a selection.
        void setCandidateList(const QStringList &entries);
        void setSlotEntry(int place, int entry);       // places 1..16
        void setBehaviourEntry(int place, int entry);  // places 2..11
        void setCaptainEntry(int entry);
        void setSetPiecesEntry(int entry);
        void setCondition(Condition condition, int entry);
        void setSectorOrder(int entry);
        void setOption(Option option, bool checked);
        void setLocked(int place, bool locked);        // places 1..11; refused for an empty place
        void setPlacement(int index, int32_t playerId);  // index 1..16
        void clearPlacementAndFigures();  // marks, figures and every placement entry to -1
        // The sector order entry the board reset restores (the stored "repositionnement").
        void setStoredSectorOrder(int entry);
        // Numbers in labels use this locale's decimal separator (default: the system's).
        void setNumberLocale(const QLocale &locale);
        // Fixed item lists may be translated line by line; false when the index is outside.
        bool setItemText(const QString &boxName, int index, const QString &text);
        // The lineup back as a copy of state() left it (the board's own, taken earlier), and
        // every figure again; what the slots show otherwise stays.
        void restore(const LineupState &saved);

    private:
        friend class Board;
        explicit Edit(Board &board);
        Board &m_board;
    };
    [[nodiscard]] Edit edit() { return Edit(*this); }

    // ---- what the search and the figures hold ----
    int32_t mark(int index) const;           // 1..5
    bool searchFlag() const { return m_searchFlag; }

    // ---- figures ----
    const TeamFigures &teamFigures() const { return m_figures; }
    const Figures &figures() const { return m_figures.points; }

    // ---- what the window shows, by control name ----
    int entry(const QString &boxName) const { return m_presenter.entry(boxName, m_state); }
    QStringList items(const QString &boxName) const { return m_presenter.items(boxName, m_state); }
    // A label's caption or a box's text.
    QString text(const QString &controlName) const { return m_presenter.text(controlName, m_state); }
    // Pinfos, card images.
    bool isVisible(const QString &controlName) const { return m_presenter.isVisible(controlName); }
    bool isChecked(const QString &checkBoxName) const { return m_presenter.isChecked(checkBoxName, m_state); }
    Ratings::StripGeometry starStrip(const QString &stripName) const { return m_presenter.starStrip(stripName); }
    CardImage cardImage(const QString &imageName) const { return m_presenter.cardImage(imageName); }

    // ---- search queries (record indexes, -1 for none) ----
    bool isEligible(int record) const;
    int bestPlayer(int kind) const;

signals:
    void changed();
    void sectorOrderChosen(int entry);
    void searchStarted();
    void searchFinished();

private:
    // The program changes the Edit makes, each its own batch (batches nest).
    void setCandidateList(const QStringList &entries);
    void reset();
    void evaluate(int place);
    void refreshSlot(int place);
    void clearSlotDisplay(int place);
    void refreshCardImage(int place);
    void applySlotAssignmentRule(int place);
    void setSlotEntry(int place, int entry);
    void setBehaviourEntry(int place, int entry);
    void setCaptainEntry(int entry);
    void setSetPiecesEntry(int entry);
    void setCondition(Condition condition, int entry);
    void setSectorOrder(int entry);
    void setOption(Option option, bool checked);
    void setTab(int tab);
    void setDisposition(int entry);
    void setPlacement(int index, int32_t playerId);
    void clearPlacementAndFigures();
    bool setItemText(const QString &boxName, int index, const QString &text);

    // Slot evaluation: the box's player takes his place, the slot shows his value, and out
    // of a search the team figures follow.
    void slotEvaluation(int place);
    void showTeamFigures(bool afterSearch);
    void vacateIfEmpty(int place);
    // The slot assignment rule without its captain and set-piece picks; false when the box
    // has no selection (the rule then does nothing).
    bool takePlace(int place);

    // What a search run shows as it goes.
    void runStarted() override;
    void cardChanged(int place) override { refreshCardImage(place); }
    void slotCleared(int place) override { clearSlotDisplay(place); }
    void slotEvaluated(int place) override { slotEvaluation(place); }
    double runFinished() override;

    LineupState m_state;
    BoardPresenter m_presenter;
    TeamFigures m_figures;
    bool m_searchFlag = false;
    int m_batchDepth = 0;
};
