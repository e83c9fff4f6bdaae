#include "lineup/ui/LineupBoardView.h"

#include <QPushButton>

// Placeholder until the board widgets are built.
LineupBoardView::LineupBoardView(MainModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Pequipe"));
    m_substitutes = new QWidget(this);
    m_substitutes->setObjectName(QStringLiteral("Premplacant"));
    m_info = new QWidget(this);
    m_info->setObjectName(QStringLiteral("Pinfos"));
    m_calcule = new QPushButton(QStringLiteral("Calcule"), this);
    m_calcule->setObjectName(QStringLiteral("BCalcule"));
    m_recharge = new QPushButton(QStringLiteral("&Recharge XML"), this);
    m_recharge->setObjectName(QStringLiteral("bRecharge"));
    m_clear = new QPushButton(QStringLiteral("&Clear"), this);
    m_clear->setObjectName(QStringLiteral("bClear"));
}
