#pragma once
#include "evaluation/PlayerDetailModel.h"
#include "evaluation/ui/PlayerWindowFrame.h"

#include <QDialog>
#include <array>

class RosterModel;
class QLabel;
class QPushButton;

// The player detail window "FPlayerDetail": one player's name, best position, TSI,
// description, the eight skill levels coloured by his best position, speciality, injury
// and card. Fixed size, centred on the main window, filled anew each time it is shown.
class TFPlayerDetail : public QDialog {
    Q_OBJECT
public:
    // pictureFolder: where the skill and card pictures are, with a trailing separator.
    TFPlayerDetail(const RosterModel &model, const QString &pictureFolder, QWidget *parent = nullptr);

    // The player the next showing fills the window for (a roster record index).
    void setDetailPlayer(int record) { m_record = record; }
    int detailPlayer() const { return m_record; }
    // Remembers the player and shows the window, modal.
    int showPlayer(int record);

    void setOnTopSource(PlayerWindowFrame::OnTopSource source) { m_onTopSource = std::move(source); }

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();
    void showPicture(QLabel *label, const QString &file);

    const RosterModel &m_model;
    QString m_pictureFolder;
    int m_record = -1;
    PlayerWindowFrame::OnTopSource m_onTopSource;

    QLabel *m_name = nullptr;
    QLabel *m_position = nullptr;
    QLabel *m_tsi = nullptr;
    QLabel *m_description = nullptr;
    std::array<QLabel *, PlayerDetailModel::kSkillCount> m_captions{};
    std::array<QLabel *, PlayerDetailModel::kSkillCount> m_values{};
    QLabel *m_speciality = nullptr;
    QLabel *m_specialityValue = nullptr;
    QLabel *m_injury = nullptr;
    QLabel *m_injuryLabel = nullptr;
    QLabel *m_card = nullptr;
    QPushButton *m_ok = nullptr;
};
