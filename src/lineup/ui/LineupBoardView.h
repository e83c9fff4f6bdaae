#pragma once
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <array>

class Board;
class FiguresLabel;
class QComboBox;
class QLabel;
class QMimeData;
class PlacePadlocks;
class QStringListModel;

// The lineup board of the page "Equipe": this widget is the pitch panel "Pequipe" with its
// eleven slot boxes, behaviour boxes, place captions, value labels, star strips and card
// images, and the home of the buttons "BCalcule", "BOptimum", "bRecharge" and "bClear". Beside it stand
// the substitutes panel "Premplacant" (with the captain and set-piece boxes) and the team
// figures panel "Pinfos": made here, they start on the board's parent (substitutes under the
// board, figures right of it), and the main window moves them and the buttons between its pages.
//
// A thin view of a Board: every user pick goes to the Board's event method, and the
// whole view is repainted from the Board once per Board::changed(). Entries set by the view
// never count as the user's (combo signals are blocked, and only `activated` is listened to).
// Roster rows dropped on a player box place that player as picking him in the box would.
class LineupBoardView : public QWidget {
    Q_OBJECT
public:
    // pictureFolder: where the card pictures are, ending in a separator.
    LineupBoardView(Board &board, const QString &pictureFolder, QWidget *parent = nullptr);
    ~LineupBoardView() override;

    // The mime type of a dragged roster row; its data is the record index as decimal text.
    static const char *recordMimeType();
    // The pitch panel (this widget), the substitutes panel and the team figures panel.
    static QSize boardSize();
    static QSize substitutesSize();
    static QSize infoSize();

    QWidget *substitutesPanel() const { return m_substitutes; }
    QWidget *infoPanel() const { return m_info; }
    QPushButton *calculeButton() const { return m_calcule; }
    QPushButton *optimumButton() const { return m_optimum; }
    QPushButton *rechargeButton() const { return m_recharge; }
    QPushButton *clearButton() const { return m_clear; }
    PlacePadlocks *padlocks() const { return m_padlocks; }

    // Everything again from the Board (the Board's changed() does this by itself).
    void refresh();


signals:
    void calculeRequested();
    void optimumRequested();
    void rechargeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBoard();
    void buildSubstitutes();
    void buildInfo();
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

    Board &m_board;
    const QString m_pictureFolder;
    // Guarded: they may live on other widgets, which may delete them first.
    QPointer<QWidget> m_substitutes;
    QPointer<QWidget> m_info;
    QPointer<QPushButton> m_calcule;
    QPointer<QPushButton> m_optimum;
    QPointer<QPushButton> m_recharge;
    QPointer<QPushButton> m_clear;

    PlacePadlocks *m_padlocks = nullptr;
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
    FiguresLabel *m_force1 = nullptr;
    QHash<QString, QPixmap> m_pictures;
};
