#include "shell/ui/BusyLed.h"

#include <QPainter>
#include <QRadialGradient>

BusyLed::BusyLed(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Led"));
    setFixedSize(sizeHint());
}

void BusyLed::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    // Painted at once: the search keeps the event loop busy, so a posted update would show
    // the lamp only after the work it announces.
    repaint();
}

void BusyLed::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QColor base = m_busy ? QColor(220, 30, 30) : QColor(30, 170, 60);
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.4);
    g.setColorAt(0, base.lighter(170));
    g.setColorAt(1, base);
    p.setBrush(g);
    p.setPen(QPen(base.darker(160), 1));
    p.drawEllipse(r);
}
