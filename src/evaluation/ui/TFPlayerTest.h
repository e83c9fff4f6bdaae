#pragma once
#include "evaluation/ui/PlayerWindowFrame.h"

#include <QDialog>

class ClickSortTreeWidget;
class RosterModel;
class QComboBox;
class QGroupBox;
class QLabel;

// The player trial window "Essais": pick a player and see his value at every position kind
// with the stars it is worth, best first.
class TFPlayerTest : public QDialog {
    Q_OBJECT
public:
    explicit TFPlayerTest(const RosterModel &model, QWidget *parent = nullptr);

    void setOnTopSource(PlayerWindowFrame::OnTopSource source) { m_onTopSource = std::move(source); }

    // The user picked an entry of the player box (entry 0 is the empty one).
    void cbJoueurSelect(int entry);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();
    void clearValues();

    const RosterModel &m_model;
    PlayerWindowFrame::OnTopSource m_onTopSource;
    QGroupBox *m_playerGroup = nullptr;
    QComboBox *m_player = nullptr;
    QGroupBox *m_valuesGroup = nullptr;
    QLabel *m_bestPosLabel = nullptr;
    QLabel *m_bestPos = nullptr;
    QLabel *m_bestValue = nullptr;
    ClickSortTreeWidget *m_skills = nullptr;
};
