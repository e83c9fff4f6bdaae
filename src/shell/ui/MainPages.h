#pragma once
#include <QPoint>
#include <QTabWidget>

class LineupBoardView;
class MainModel;
class RosterListView;
class SetupPageView;
struct MainActions;

// The main window's pages ("PageControl"): "Equipe" (the pitch, the substitutes under it, the
// team figures beside it), "Paramètres de calcul" (the setup page) and "Joueurs" (the roster
// list). The figures panel and the board buttons follow the active page of the first two.
class MainPages : public QTabWidget {
    Q_OBJECT
public:
    MainPages(MainModel &model, QWidget *parent);

    LineupBoardView *boardView() const { return m_boardView; }
    SetupPageView *setup() const { return m_setup; }
    RosterListView *rosterView() const { return m_rosterView; }
    void showEquipe() { setCurrentWidget(m_tabEquipe); }

    // The board buttons run the commands and are enabled with them.
    void connectBoardButtons(const MainActions &actions);

private:
    void PageControlChange(int index);
    // The board buttons one above the other from calculePos, on parent.
    void placeBoardButtons(QWidget *parent, QPoint calculePos);

    QWidget *m_tabEquipe = nullptr;
    SetupPageView *m_setup = nullptr;
    LineupBoardView *m_boardView = nullptr;
    RosterListView *m_rosterView = nullptr;
    // Where the figures panel stands, and the board buttons on the pitch.
    QPoint m_pinfosPos;
    QPoint m_boardButtonsPos;
    int m_boardButtonsStep = 31;
};
