#include "shell/ui/MainPages.h"

#include "common/ui/ErrorHandler.h"
#include "evaluation/ui/RosterListView.h"
#include "lineup/ui/LineupBoardView.h"
#include "shell/MainModel.h"
#include "shell/ui/DragHoverTabs.h"
#include "shell/ui/MainActions.h"
#include "shell/ui/SetupPageView.h"
#include "shell/ui/WidgetLanguageApplier.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

MainPages::MainPages(MainModel &model, QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControl"));
    setDocumentMode(false);

    // "Equipe": the pitch, the substitutes under it, the team figures beside it.
    m_tabEquipe = new QWidget;
    m_tabEquipe->setObjectName(QStringLiteral("TabEquipe"));
    m_boardView = new LineupBoardView(model.board(), model.paths().resourcePath(QStringLiteral("img/")), m_tabEquipe);
    // The view puts the substitutes under the pitch (same left edge) and the figures at its
    // right, on this page; the figures and the buttons then follow the active page.
    m_pinfosPos = m_boardView->infoPanel()->pos();
    m_boardButtonsPos = QPoint(m_boardView->clearButton()->x(), m_boardView->calculeButton()->y());
    m_boardButtonsStep = m_boardView->optimumButton()->y() - m_boardView->calculeButton()->y();
    WidgetLanguageApplier::setHint(m_boardView->calculeButton(), QStringLiteral("calcule la meilleure équipe"));
    WidgetLanguageApplier::setHint(m_boardView->optimumButton(),
                                   QStringLiteral("la composition d'évaluation la plus haute, prouvée"));
    addTab(m_tabEquipe, QStringLiteral("Equipe"));

    m_setup = new SetupPageView(model.board());
    addTab(m_setup, QStringLiteral("Paramètres de calcul"));

    // "Joueurs": the roster list fills the page.
    auto *tabJoueurs = new QWidget;
    tabJoueurs->setObjectName(QStringLiteral("TabJoueurs"));
    auto *joueursLayout = new QVBoxLayout(tabJoueurs);
    joueursLayout->setContentsMargins(4, 4, 4, 4);
    auto *gbJoueurs = new QGroupBox(QStringLiteral("Joueurs"), tabJoueurs);
    gbJoueurs->setObjectName(QStringLiteral("GbJoueurs"));
    auto *listLayout = new QVBoxLayout(gbJoueurs);
    listLayout->setContentsMargins(4, 4, 4, 4);
    m_rosterView = new RosterListView(model.rosterModel(), gbJoueurs);
    listLayout->addWidget(m_rosterView);
    joueursLayout->addWidget(gbJoueurs);
    addTab(tabJoueurs, QStringLiteral("Joueurs"));
    // A roster row dragged over "Equipe" opens the board, where it can be dropped.
    new DragHoverTabs(tabBar());

    connect(this, &QTabWidget::currentChanged, this,
            [this](int index) { ErrorHandler::guarded([this, index] { PageControlChange(index); }); });
    PageControlChange(currentIndex());
}

void MainPages::connectBoardButtons(const MainActions &actions)
{
    QPushButton *calcule = m_boardView->calculeButton();
    QPushButton *optimum = m_boardView->optimumButton();
    connect(m_boardView, &LineupBoardView::calculeRequested, actions.calcule, &QAction::trigger);
    connect(m_boardView, &LineupBoardView::optimumRequested, actions.optimum, &QAction::trigger);
    connect(m_boardView, &LineupBoardView::rechargeRequested, actions.recharge, &QAction::trigger);
    connect(actions.optimum, &QAction::changed, optimum,
            [optimum, action = actions.optimum] { optimum->setEnabled(action->isEnabled()); });
    connect(actions.calcule, &QAction::changed, calcule,
            [calcule, action = actions.calcule] { calcule->setEnabled(action->isEnabled()); });
    calcule->setEnabled(actions.calcule->isEnabled());
    optimum->setEnabled(actions.optimum->isEnabled());
}

void MainPages::PageControlChange(int index)
{
    QWidget *page = widget(index);
    QWidget *pinfos = m_boardView->infoPanel();
    if (page != m_tabEquipe && page != m_setup)
        return; // the roster page moves nothing
    // The figures keep their place at the right of the page.
    const bool shown = !pinfos->isHidden();
    if (pinfos->parentWidget() != page)
        pinfos->setParent(page);
    pinfos->move(m_pinfosPos);
    pinfos->setVisible(shown);
    if (page == m_tabEquipe) {
        placeBoardButtons(m_boardView, m_boardButtonsPos);
    } else {
        // Under the match conditions, right-aligned with them.
        const QRect conditions = m_setup->conditionsGeometry();
        placeBoardButtons(m_setup, QPoint(conditions.right() + 1 - m_boardView->clearButton()->width(),
                                          conditions.bottom() + 12));
    }
}

void MainPages::placeBoardButtons(QWidget *parent, QPoint calculePos)
{
    QPushButton *buttons[4] = {m_boardView->calculeButton(), m_boardView->optimumButton(),
                               m_boardView->rechargeButton(), m_boardView->clearButton()};
    const int step = m_boardButtonsStep;
    for (int i = 0; i < 4; ++i) {
        if (buttons[i]->parentWidget() != parent)
            buttons[i]->setParent(parent);
        // "Calcule", the optimal lineup and "Recharge XML" stand on the left edge of "Clear".
        buttons[i]->move(calculePos.x(), calculePos.y() + i * step);
        buttons[i]->show();
        buttons[i]->raise();
    }
}
