#include "evaluation/ui/TFPlayerTest.h"

#include "evaluation/PlayerTrialModel.h"
#include "evaluation/ui/ClickSortTreeWidget.h"
#include "evaluation/RosterModel.h"
#include "common/ui/ErrorHandler.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kPositionColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kStarsColumn = 2;
} // namespace

TFPlayerTest::TFPlayerTest(const RosterModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("FPlayerTest"));
    setWindowTitle(QStringLiteral("Essais"));
    setModal(true);

    m_playerGroup = new QGroupBox(QStringLiteral("Joueur"), this);
    m_playerGroup->setObjectName(QStringLiteral("GBplayer"));
    m_player = new QComboBox(m_playerGroup);
    m_player->setObjectName(QStringLiteral("cbJoueur"));
    m_player->setEditable(false);
    m_player->setMinimumContentsLength(28);
    m_player->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto *playerLayout = new QHBoxLayout(m_playerGroup);
    playerLayout->addWidget(m_player, 1);
    // Only the user's pick fills the window; filling the box from the program does not.
    connect(m_player, &QComboBox::activated, this, &TFPlayerTest::cbJoueurSelect);

    m_valuesGroup = new QGroupBox(QStringLiteral("Valeurs"), this);
    m_valuesGroup->setObjectName(QStringLiteral("gbValPos"));
    m_bestPosLabel = new QLabel(QStringLiteral("Meilleure posistion :"), m_valuesGroup);
    m_bestPosLabel->setObjectName(QStringLiteral("LBestPosLabel"));
    m_bestPos = new QLabel(m_valuesGroup);
    m_bestPos->setObjectName(QStringLiteral("LBestPos"));
    m_bestValue = new QLabel(QStringLiteral("valeur"), m_valuesGroup);
    m_bestValue->setObjectName(QStringLiteral("LBestValue"));
    QFont bold = m_bestPos->font();
    bold.setBold(true);
    m_bestPos->setFont(bold);
    m_bestValue->setFont(bold);

    m_skills = new ClickSortTreeWidget(m_valuesGroup);
    m_skills->setObjectName(QStringLiteral("LvSkill"));
    m_skills->setColumnCount(3);
    m_skills->setHeaderLabels({QStringLiteral("Position"), QStringLiteral("Value"), QStringLiteral("Etoiles")});
    m_skills->headerItem()->setTextAlignment(kValueColumn, Qt::AlignRight | Qt::AlignVCenter);
    m_skills->headerItem()->setTextAlignment(kStarsColumn, Qt::AlignRight | Qt::AlignVCenter);
    m_skills->setColumnWidth(kPositionColumn, 250);
    m_skills->setColumnWidth(kValueColumn, 70);
    m_skills->setColumnWidth(kStarsColumn, 70);
    m_skills->header()->setStretchLastSection(false);
    m_skills->setRootIsDecorated(false);
    m_skills->setItemsExpandable(false);
    m_skills->setUniformRowHeights(true);
    m_skills->setAllColumnsShowFocus(true);
    m_skills->setSelectionMode(QAbstractItemView::SingleSelection);
    m_skills->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_skills->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Room for all nineteen kinds without scrolling, measured on a row of the list itself.
    m_skills->appendRow({QStringLiteral("Défenseur latéral vers le centre"), QStringLiteral("10,00"),
                         QStringLiteral("5,00")});
    const int rowHeight = m_skills->sizeHintForRow(0);
    m_skills->clear();
    m_skills->setMinimumSize(250 + 70 + 70 + 2 * m_skills->frameWidth() + 4,
                             m_skills->header()->sizeHint().height() + 19 * rowHeight + 2 * m_skills->frameWidth() + 4);

    auto *best = new QHBoxLayout;
    best->addWidget(m_bestPosLabel);
    best->addWidget(m_bestPos, 1);
    best->addWidget(m_bestValue);
    auto *valuesLayout = new QVBoxLayout(m_valuesGroup);
    valuesLayout->addLayout(best);
    valuesLayout->addWidget(m_skills, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_playerGroup);
    layout->addWidget(m_valuesGroup, 1);
}

void TFPlayerTest::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        PlayerWindowFrame::applyOnTop(this, m_onTopSource);
        formShow();
    }
    QDialog::setVisible(visible);
}

void TFPlayerTest::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Laid out by now, and not yet on the screen.
    PlayerWindowFrame::centreOnMainWindow(this);
}

void TFPlayerTest::formShow()
{
    ErrorHandler::guarded([this] {
        m_player->clear();
        m_player->addItems(m_model.candidateList());
        m_player->setCurrentIndex(m_player->count() > 0 ? 0 : -1);
        m_skills->clear();
    });
}

void TFPlayerTest::clearValues()
{
    m_bestPos->clear();
    m_bestValue->clear();
    m_skills->clear();
}

void TFPlayerTest::cbJoueurSelect(int entry)
{
    ErrorHandler::guarded([&] {
        const Roster &roster = m_model.roster();
        const int record = m_player->currentText().isEmpty()
                               ? -1
                               : PlayerTrialModel::recordOfEntry(roster, m_model.candidateList(), entry);
        const PlayerTrialModel m = PlayerTrialModel::forRecord(roster, record);
        if (m.isEmpty()) {
            clearValues();
            return;
        }
        m_bestPos->setText(m.bestPosition);
        m_bestValue->setText(m.bestValue);
        m_skills->clear();
        for (const PlayerTrialModel::Row &row : m.rows) {
            QTreeWidgetItem *item = m_skills->appendRow({row.position, row.valueText, row.starsText});
            item->setTextAlignment(kValueColumn, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(kStarsColumn, Qt::AlignRight | Qt::AlignVCenter);
        }
        // The rows come best first; the header says so, and a click on it turns them round.
        m_skills->setSortState(kValueColumn, Qt::DescendingOrder);
    });
}
