#include "evaluation/ui/RosterListView.h"

// Placeholder until the roster list is built.
RosterListView::RosterListView(MainModel &model, QWidget *parent) : QTreeWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("ListeJoueurs"));
}

void RosterListView::fill() {}
void RosterListView::refill() {}
