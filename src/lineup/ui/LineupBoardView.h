#pragma once
#include <QWidget>

class MainModel;
class QPushButton;

// The lineup board (panel "Pequipe"): the pitch with its eleven slot boxes, behaviour boxes,
// value labels, star strips and card images, the captain and set-piece boxes; plus the
// substitutes panel "Premplacant", the team figures panel "Pinfos" and the buttons
// "BCalcule", "bRecharge", "bClear", which the main window moves between its pages.
// A thin view: every user event goes to the model's Board, and it repaints on changes.
class LineupBoardView : public QWidget {
    Q_OBJECT
public:
    explicit LineupBoardView(MainModel &model, QWidget *parent = nullptr);

    QWidget *substitutesPanel() const { return m_substitutes; }
    QWidget *infoPanel() const { return m_info; }
    QPushButton *calculeButton() const { return m_calcule; }
    QPushButton *rechargeButton() const { return m_recharge; }
    QPushButton *clearButton() const { return m_clear; }

signals:
    void calculeRequested();
    void rechargeRequested();

private:
    MainModel &m_model;
    QWidget *m_substitutes = nullptr;
    QWidget *m_info = nullptr;
    QPushButton *m_calcule = nullptr;
    QPushButton *m_recharge = nullptr;
    QPushButton *m_clear = nullptr;
};
