#pragma once
#include "settings/ParamDialogModel.h"

#include <QDialog>
#include <QList>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

// The settings dialog ("FrmParam"): pages "Général" (language, hot key, keep-on-top),
// "Formules" (the position formulas and the general weights) and "Online" (team, account,
// proxy, the game and update servers); buttons Ok, Apply, Cancel, Help. A view of ParamDialogModel: each user event goes to
// the model, and the controls repaint from it. Control names are those the language files use.
class TFrmParam : public QDialog {
    Q_OBJECT
public:
    TFrmParam(Settings &settings, const QString &programFolder, QWidget *parent = nullptr);

    ParamDialogModel &model() { return m_model; }
    // Where the dialog learns the main window's keep-on-top state and registered hot key each
    // time it opens.
    std::function<bool()> onTopSource;
    std::function<QString()> hotKeySource;

    QSlider *formulaSlider(int skill) const { return m_sliders[skill]; }
    QTabWidget *pages() const { return m_pages; }
    // "Values brought back inside 0..100: …", in the language in force.
    QString clampedMessage(const QStringList &keys) const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString message(const char *name) const;
    void repaint();
    void BHelpClick();
    void save(bool close);
    // Labels in front of controls that should line up across groups, in any language.
    void alignColumns();

    ParamDialogModel m_model;
    bool m_painting = false;
    int m_formulesPage = -1;
    int m_lastPage = 0;

    QTabWidget *m_pages = nullptr;
    QComboBox *m_langue = nullptr;
    QKeySequenceEdit *m_hotKey = nullptr;
    QCheckBox *m_onTop = nullptr;
    QComboBox *m_poste = nullptr;
    std::array<QSlider *, ParamDialogModel::kSkills> m_sliders{};
    std::array<QLabel *, ParamDialogModel::kSkills> m_values{};
    std::array<QSlider *, ParamDialogModel::kGeneral> m_generalSliders{};
    std::array<QLabel *, ParamDialogModel::kGeneral> m_generalValues{};
    QLabel *m_clampNotice = nullptr;
    QLineEdit *m_nomEquipe = nullptr;
    QLineEdit *m_idEquipe = nullptr;
    QLineEdit *m_hUser = nullptr;
    QLineEdit *m_hPassword = nullptr;
    QCheckBox *m_proxyBox = nullptr;
    QGroupBox *m_connexion = nullptr;
    QLineEdit *m_proxy = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_userProxy = nullptr;
    QLineEdit *m_proxyPassword = nullptr;
    QLineEdit *m_gameHost = nullptr;
    QLineEdit *m_updateHost = nullptr;
    QLabel *m_hostNotice = nullptr;
    int m_onlinePage = -1;
    // Message texts kept as hidden labels, so that the language files translate them.
    QList<QList<QLabel *>> m_alignedColumns;
};
