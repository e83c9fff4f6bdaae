#include "lineup/ui/FiguresLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace {

constexpr int kColumnGap = 10;

// Lines without their carriage returns (the figures arrive with CR LF line ends).
QStringList linesOf(const QString &text)
{
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    return plain.split(QLatin1Char('\n'));
}

struct Columns {
    int names = 0;
    int figures = 0;
    bool tabbed = false;
};

Columns measure(const QFontMetrics &fm, const QStringList &lines)
{
    Columns c;
    for (const QString &line : lines) {
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            c.names = qMax(c.names, fm.horizontalAdvance(line));
            continue;
        }
        c.tabbed = true;
        c.names = qMax(c.names, fm.horizontalAdvance(line.left(tab)));
        c.figures = qMax(c.figures, fm.horizontalAdvance(line.mid(tab + 1).trimmed()));
    }
    return c;
}

} // namespace

int FiguresLabel::textWidth(const QFontMetrics &metrics, const QString &text)
{
    const Columns c = measure(metrics, linesOf(text));
    return c.tabbed ? c.names + kColumnGap + c.figures : c.names;
}

void FiguresLabel::paintEvent(QPaintEvent *event)
{
    const QStringList lines = linesOf(text());
    const QFontMetrics fm(font());
    const Columns c = measure(fm, lines);
    if (!c.tabbed) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const int figuresRight = area.left() + c.names + kColumnGap + c.figures;
    int y = area.top();
    for (const QString &line : lines) {
        const int tab = line.indexOf(QLatin1Char('\t'));
        const QString name = tab < 0 ? line : line.left(tab);
        painter.drawText(QRect(area.left(), y, c.names, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
        if (tab >= 0) {
            painter.drawText(QRect(area.left() + c.names, y, figuresRight - area.left() - c.names, fm.height()),
                             Qt::AlignRight | Qt::AlignVCenter, line.mid(tab + 1).trimmed());
        }
        y += fm.lineSpacing();
    }
}
