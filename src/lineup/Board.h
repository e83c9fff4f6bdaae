#pragma once
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

#include "lineup/LineupSlots.h"
#include "evaluation/Ratings.h"
#include "lineup/SectorRatings.h"

struct Roster;
class BestLineupSearch;

// The lineup board and the match conditions without widgets: what every control of the
// board shows (entries of the boxes, captions of the labels, star strips, card images,
// check boxes, visibility of the figures panel), the placement table, the defensive marks
// and the team figures. The window forwards each user event to the matching method and
// repaints on changed(). Program-code setters never run an event; only the event methods
// evaluate. Entry numbers count from 0; -1 is "no selection".
//
// A box's player is the roster record whose list position equals the box's entry (entry 1
// and up, and the entry's text not empty), so two players of the same name stay apart.
class Board : public QObject {
    Q_OBJECT
public:
    enum Condition { Tactique, Attitude, Lieu, Confiance, TeamSpirit, Entraineur };
    static constexpr int kConditionCount = 6;
    enum Option { RecalculTous, Blesse, Cartons };
    static constexpr int kOptionCount = 3;
    static constexpr int kSectorOrderCount = 6;

    struct Figures {
        double DEF = 0, RD = 0, LD = 0, CD = 0, MID3 = 0, ATT = 0, CA = 0, RA = 0, LA = 0;
        double E = 0;
    };
    struct CardImage {
        QString picture;   // "YCard1.gif", "YCard2.gif", "RCard.gif" or empty before any
        bool visible = false;
    };
    struct CalculeResult {
        std::array<double, kSectorOrderCount> orderResults{};
        int chosenOrder = 0;
        double evaluation = 0;      // E of the lineup left on the board
        QList<int> unfilled;        // places the last run could not fill, in fill order
    };

    explicit Board(const Roster *roster = nullptr, QObject *parent = nullptr);
    ~Board() override;

    // ---- roster and candidate list ----
    const Roster *roster() const { return m_roster; }
    int rosterCount() const; // the roster's count, bounded to 0..101
    // Replaces the shared candidate list of the eighteen player boxes (entry 0 empty,
    // entries 1..n the names in list order); every one of them is left without a selection.
    void setCandidateList(const QStringList &entries);
    const QStringList &candidateList() const { return m_candidates; }
    // The candidate list that the roster's list positions describe: entry p holds the name
    // of the record whose ListPosition is p (records 0..count-1; a position no record has
    // stays empty).
    static QStringList candidateListFromRoster(const Roster &roster);

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
    // Any of the above by control name ("cbMilieu1", "cbDLD", "cbTactique", "TabDispo",
    // "chkBlesse" with entry 0/1 ...). False for a name that has no pick event.
    bool pick(const QString &controlName, int entry);

    // ---- commands ----
    // Best lineup: six search runs, one per sector order, then one more with the best order.
    CalculeResult calcule();
    // One search run with the sector order cbOrdreCalc shows; returns E. Places that could
    // not be filled are appended to *unfilled when given.
    double runSearch(QList<int> *unfilled = nullptr);

    // ---- operations for the program (no event runs) ----
    void reset();            // board reset; evaluates nothing
    void initStarStrips();   // base lefts of the star strips
    void zeroStarStrips();   // every star strip to zero stars at its base left
    void evaluate(int place);      // slot evaluation of one box
    void refreshFigures();         // slot evaluation of cbGardien: every figure again
    void refreshSlot(int place);   // clear slot display, refresh card image, slot evaluation
    void clearSlotDisplay(int place);
    void refreshCardImage(int place);
    void applySlotAssignmentRule(int place);
    void setSlotEntry(int place, int entry);       // places 1..16
    void setBehaviourEntry(int place, int entry);  // places 2..11
    void setCaptainEntry(int entry);
    void setSetPiecesEntry(int entry);
    void setCondition(Condition condition, int entry);
    void setSectorOrder(int entry);
    void setOption(Option option, bool checked);
    void setTab(int tab);
    void setDisposition(int entry);
    void setPlacement(int index, int32_t playerId);  // index 1..16
    void clearPlacementAndFigures();  // marks, figures and every placement entry to -1
    // Where the board reset finds its sector order entry (the stored "repositionnement").
    void setStoredSectorOrder(std::function<int()> source);
    // Numbers in labels use this locale's decimal separator (default: the system's).
    void setNumberLocale(const QLocale &locale);
    // Fixed item lists may be translated line by line; false when the index is outside.
    bool setItemText(const QString &boxName, int index, const QString &text);

    // ---- state ----
    int slotEntry(int place) const;
    int behaviourEntry(int place) const;
    int captainEntry() const { return m_captain; }
    int setPiecesEntry() const { return m_setPieces; }
    int condition(Condition c) const { return m_conditions[c]; }
    int sectorOrder() const { return m_sectorOrder; }
    bool option(Option o) const { return m_options[o]; }
    int tab() const { return m_tab; }
    int disposition() const { return m_disposition; }
    bool dispositionEnabled(int entry) const;
    int32_t placement(int index) const;      // 1..16; -1 empty
    int32_t mark(int index) const;           // 1..5
    bool searchFlag() const { return m_searchFlag; }

    int recordOfBox(int place) const;         // record index shown in a player box, -1 none
    int recordOfEntry(int entry) const;       // record whose list position is entry, -1 none
    int32_t playerIdOfBox(int place) const;   // -1 for no player (or an ID not a number)
    int32_t captainPlayerId() const;          // of cbCapitaine, -1 none
    int32_t setPiecesPlayerId() const;        // of cbCPA, -1 none
    int slotKind(int place) const;            // 1..19 by the slot's behaviour
    double slotValue(int place) const;        // value of the slot's player, 0 when empty

    // ---- figures ----
    const Figures &figures() const { return m_figures; }
    double sector(SectorRatings::Sector s) const { return m_sector[s]; }
    int32_t velstats() const { return m_velstats; }
    double tacticStrength() const { return m_tacticStrength; }

    // ---- what the window shows, by control name ----
    int entry(const QString &boxName) const;          // -1 for no selection or unknown name
    QStringList items(const QString &boxName) const;
    QString text(const QString &controlName) const;    // a label's caption or a box's text
    bool isVisible(const QString &controlName) const;  // Pinfos, card images
    bool isChecked(const QString &checkBoxName) const;
    Ratings::StripGeometry starStrip(const QString &stripName) const;
    CardImage cardImage(const QString &imageName) const;
    QString valueLabel(int place) const;
    Ratings::StripGeometry starStrip(int place) const;
    CardImage cardImage(int place) const;
    QString sectorLabel(SectorRatings::Sector s) const { return m_sectorLabel[s]; }
    bool pinfosVisible() const { return m_pinfosVisible; }

    // The fixed title the midfield rating words carry in front.
    static QString midfieldPrefix() { return QStringLiteral("Milieu : "); }

    // Control names of the sector labels, in sector order.
    static const char *sectorLabelName(SectorRatings::Sector s);
    // The sector titles shown above (or in front of) those labels, in sector order: the title
    // label's control name and its French text (UTF-8).
    static const char *sectorTitleName(SectorRatings::Sector s);
    static const char *sectorTitleText(SectorRatings::Sector s);
    static const char *conditionBoxName(Condition c);
    static const char *optionName(Option o);

    // ---- search queries (record indexes, -1 for none) ----
    bool isEligible(int record) const;
    int bestPlayer(int kind) const;
    int captainQuery() const;
    int setPiecesQuery() const;

signals:
    void changed();
    void sectorOrderChosen(int entry);
    void searchStarted();
    void searchFinished();

private:
    friend class BestLineupSearch;
    struct Batch; // groups the changes of one call into one changed() signal

    void teamFigures(bool afterSearch);
    void slotEvaluation(int place);
    void placeCaptainAndSetPieces();
    int boxEntryClamped(int count, int entry) const;
    QString formatNumber(double value) const;
    int32_t recordId(int record) const;
    void collectLineup(LineupInput &in) const;
    void setStrip(int place, double x);
    int32_t computeVelstats(const LineupInput &in);

    const Roster *m_roster = nullptr;
    QStringList m_candidates;

    std::array<int, 17> m_entries{};        // player boxes by place 1..16
    int m_captain = -1;
    int m_setPieces = -1;
    std::array<int, 12> m_behaviours{};     // by place 2..11
    std::array<int, kConditionCount> m_conditions{};
    std::array<bool, kOptionCount> m_options{};
    int m_sectorOrder = 0;
    int m_tab = 0;
    int m_disposition = 0;
    std::array<bool, 7> m_dispositionEnabled{};
    std::function<int()> m_storedSectorOrder;
    std::array<QStringList, kConditionCount> m_conditionItems;
    std::array<QStringList, 12> m_behaviourItemsByPlace; // by place 2..11
    QStringList m_sectorOrderItems;

    std::array<int32_t, 17> m_placement{};
    DefensiveMarks m_marks;
    Figures m_figures;
    std::array<double, SectorRatings::kSectorCount> m_sector{};
    int32_t m_velstats = 0;
    double m_tacticStrength = 0;

    std::array<QString, 12> m_valueLabels;
    std::array<Ratings::StripGeometry, 12> m_strips{};
    std::array<int32_t, 12> m_baseLefts{};
    std::array<CardImage, 12> m_cards;
    std::array<QString, SectorRatings::kSectorCount> m_sectorLabel;
    QString m_labelTactique;
    QString m_forceTactique;
    QString m_force1;
    QString m_velstatsText;
    bool m_pinfosVisible = false;

    bool m_searchFlag = false;
    int m_batchDepth = 0;
    QChar m_decimalPoint = QLatin1Char('.');
    QChar m_minusSign = QLatin1Char('-');
    std::array<int32_t, 101> m_idScratch{};
};
