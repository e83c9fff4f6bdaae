#include "shell/ui/DragHoverTabs.h"

#include <QDragMoveEvent>
#include <QTabBar>
#include <QTimer>

DragHoverTabs::DragHoverTabs(QTabBar *tabs) : QObject(tabs), m_tabs(tabs), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(kHoverMilliseconds);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_hoveredTab >= 0 && m_hoveredTab < m_tabs->count() && m_tabs->isTabEnabled(m_hoveredTab))
            m_tabs->setCurrentIndex(m_hoveredTab);
    });
    tabs->setAcceptDrops(true);
    tabs->installEventFilter(this);
}

bool DragHoverTabs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_tabs)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        const int tab = m_tabs->tabAt(drag->position().toPoint());
        if (tab != m_hoveredTab) {
            m_hoveredTab = tab;
            if (tab >= 0 && tab != m_tabs->currentIndex())
                m_timer->start();
            else
                m_timer->stop();
        }
        // The enter is taken so that the moves keep coming; nothing is dropped here.
        if (event->type() == QEvent::DragEnter)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::DragLeave:
    case QEvent::Drop:
        m_hoveredTab = -1;
        m_timer->stop();
        event->ignore();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
