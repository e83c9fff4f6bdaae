#pragma once
#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <array>

class MainModel;
class QComboBox;
class QLabel;
class QMimeData;
class QPushButton;
class QStringListModel;

// The lineup board of the page "Equipe": the pitch panel "Pequipe" with its eleven slot
// boxes, behaviour boxes, place captions, value labels, star strips and card images; the
// substitutes panel "Premplacant" with the captain and set-piece boxes; the team figures
// panel "Pinfos"; and the buttons "BCalcule", "bRecharge", "bClear", which the main window
// moves between its pages.
//
// A thin view of the model's Board: every user pick goes to the Board's event method, and the
// whole view is repainted from the Board once per Board::changed(). Entries set by the view
// never count as the user's (combo signals are blocked, and only `activated` is listened to).
// Roster rows dropped on a player box place that player as picking him in the box would.
class LineupBoardView : public QWidget {
    Q_OBJECT
public:
    explicit LineupBoardView(MainModel &model, QWidget *parent = nullptr);

    // The mime type of a dragged roster row; its data is the record index as decimal text.
    static const char *recordMimeType();
    // Size of the pitch panel and of the whole view (pitch, substitutes below, figures right).
    static QSize boardSize();
    static QSize viewSize();

    QWidget *boardPanel() const { return m_board; }
    QWidget *substitutesPanel() const { return m_substitutes; }
    QWidget *infoPanel() const { return m_info; }
    QPushButton *calculeButton() const { return m_calcule; }
    QPushButton *rechargeButton() const { return m_recharge; }
    QPushButton *clearButton() const { return m_clear; }

    // The figures panel and the three buttons follow the active page: on another page they
    // stand in `host`, the panel at infoAt and the buttons stacked from buttonsAt on one left
    // edge; dockInfoAndButtons() brings them home to this view. Visibility follows the Board.
    void undockInfoAndButtons(QWidget *host, const QPoint &infoAt, const QPoint &buttonsAt);
    void dockInfoAndButtons();

    // Everything again from the Board (the Board's changed() does this by itself).
    void refresh();

    // How long the last refresh() took, in nanoseconds (for the repaint figures).
    qint64 lastRefreshNanoseconds() const { return m_lastRefreshNs; }

signals:
    void calculeRequested();
    void rechargeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBoard();
    void buildSubstitutes();
    void buildInfo();
    void placeButtons(QWidget *host, const QPoint &at);
    QComboBox *makePlayerBox(QWidget *parent, int role, const char *name, const QPoint &at);
    QLabel *makeCaption(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                        Qt::Alignment align);
    // role: a place 1..16, or the captain or set-piece box.
    void playerBoxPicked(int role, int entry);
    int entryOfDroppedRecord(const QMimeData *mime) const;
    QPixmap picture(const QString &fileName);
    void setEntry(QComboBox *box, int entry);
    void setItems(QComboBox *box, const QStringList &items);
    static void setTextIfChanged(QLabel *label, const QString &text);

    MainModel &m_model;
    QWidget *m_board = nullptr;
    QWidget *m_substitutes = nullptr;
    QWidget *m_info = nullptr;
    QPushButton *m_calcule = nullptr;
    QPushButton *m_recharge = nullptr;
    QPushButton *m_clear = nullptr;

    QStringListModel *m_candidates = nullptr; // shared by the eighteen player boxes
    QStringList m_candidateCache;
    std::array<QComboBox *, 17> m_playerBoxes{};     // by place 1..16
    QComboBox *m_captain = nullptr;
    QComboBox *m_setPieces = nullptr;
    std::array<QComboBox *, 12> m_behaviourBoxes{};  // by place 2..11
    std::array<QLabel *, 12> m_valueLabels{};        // by place 1..11
    std::array<QLabel *, 12> m_strips{};
    std::array<int, 12> m_stripTops{};
    std::array<QLabel *, 12> m_cards{};
    std::array<QString, 12> m_cardPictures;
    std::array<QLabel *, 7> m_sectorLabels{};
    QLabel *m_labelTactique = nullptr;
    QLabel *m_forceTactique = nullptr;
    QLabel *m_velstats = nullptr;
    QLabel *m_force1 = nullptr;
    QHash<QString, QPixmap> m_pictures;
    qint64 m_lastRefreshNs = 0;
};
