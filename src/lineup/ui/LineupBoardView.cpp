#include "lineup/ui/LineupBoardView.h"

#include <QPushButton>

// Placeholder until the board widgets are built: the panels at their final sizes.
LineupBoardView::LineupBoardView(MainModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Pequipe"));
    setFixedSize(611, 401);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 64));
    setPalette(pal);
    m_substitutes = new QWidget(this);
    m_substitutes->setObjectName(QStringLiteral("Premplacant"));
    m_substitutes->setFixedSize(609, 90);
    m_info = new QWidget(this);
    m_info->setObjectName(QStringLiteral("Pinfos"));
    m_info->setFixedSize(216, 300);
    m_info->hide();
    m_calcule = new QPushButton(QStringLiteral("Calcule"), this);
    m_calcule->setObjectName(QStringLiteral("BCalcule"));
    m_calcule->setGeometry(8, 300, 100, 25);
    m_recharge = new QPushButton(QStringLiteral("&Recharge XML"), this);
    m_recharge->setObjectName(QStringLiteral("bRecharge"));
    m_recharge->setGeometry(8, 330, 100, 25);
    m_clear = new QPushButton(QStringLiteral("&Clear"), this);
    m_clear->setObjectName(QStringLiteral("bClear"));
    m_clear->setGeometry(8, 360, 100, 25);
    connect(m_calcule, &QPushButton::clicked, this, &LineupBoardView::calculeRequested);
    connect(m_recharge, &QPushButton::clicked, this, &LineupBoardView::rechargeRequested);
}
