#pragma once
#include "lineup/Board.h"

#include <QList>
#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;

// The page "Paramètres de calcul" ("TabSetup"): the options of the best lineup search, the
// formation tabs and button, and the match conditions. The boxes are views of the Board: a
// user's pick goes to the Board's event method, and they repaint when the Board changes. The
// page also holds the hidden word tables and message texts a language file translates.
class SetupPageView : public QWidget {
    Q_OBJECT
public:
    explicit SetupPageView(Board &board, QWidget *parent = nullptr);

    // The match conditions' box: the board buttons stand under it on this page.
    QRect conditionsGeometry() const;
    // "Comparer les tactiques", under the match conditions.
    QPushButton *tacticsButton() const { return m_tactics; }
    // A main window message in the language in force: LMsgNoDataFolder, LMsgOptimum, …
    QString messageText(const char *name) const;

    void repaint();

private:
    void createOptions();
    void createFormation();
    void createConditions();

    Board &m_board;
    QComboBox *m_ordreCalc = nullptr;
    std::array<QCheckBox *, Board::kOptionCount> m_optionBoxes{};
    std::array<QComboBox *, Board::kConditionCount> m_conditionBoxes{};
    QTabBar *m_tabDispo = nullptr;
    QButtonGroup *m_dispositions = nullptr;
    QGroupBox *m_conditions = nullptr;
    QPushButton *m_tactics = nullptr;
};
