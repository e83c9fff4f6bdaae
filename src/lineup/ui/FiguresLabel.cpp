#include "lineup/ui/FiguresLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kColumnGap = 10;

bool sameRows(const QList<FigureLine> &a, const QList<FigureLine> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].title != b[i].title || a[i].value != b[i].value || a[i].hasValue != b[i].hasValue)
            return false;
    }
    return true;
}

struct Columns {
    int names = 0;
    int figures = 0;
    bool tabbed = false;
};

Columns measure(const QFontMetrics &fm, const QList<FigureLine> &rows)
{
    Columns c;
    for (const FigureLine &row : rows) {
        c.names = qMax(c.names, fm.horizontalAdvance(row.title));
        if (!row.hasValue)
            continue;
        c.tabbed = true;
        c.figures = qMax(c.figures, fm.horizontalAdvance(row.value.trimmed()));
    }
    return c;
}

} // namespace

void FiguresLabel::setRows(const QList<FigureLine> &rows)
{
    if (sameRows(rows, m_rows))
        return;
    m_rows = rows;
    update();
}

int FiguresLabel::rowsWidth(const QFontMetrics &metrics, const QList<FigureLine> &rows)
{
    const Columns c = measure(metrics, rows);
    return c.tabbed ? c.names + kColumnGap + c.figures : c.names;
}

void FiguresLabel::paintEvent(QPaintEvent *event)
{
    const QFontMetrics fm(font());
    const Columns c = measure(fm, m_rows);
    if (!c.tabbed) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const int figuresRight = area.left() + c.names + kColumnGap + c.figures;
    int y = area.top();
    for (const FigureLine &row : m_rows) {
        painter.drawText(QRect(area.left(), y, c.names, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, row.title);
        if (row.hasValue) {
            painter.drawText(QRect(area.left() + c.names, y, figuresRight - area.left() - c.names, fm.height()),
                             Qt::AlignRight | Qt::AlignVCenter, row.value.trimmed());
        }
        y += fm.lineSpacing();
    }
}
