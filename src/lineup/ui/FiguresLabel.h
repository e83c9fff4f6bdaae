#pragma once
#include <QLabel>
#include <QList>

#include "lineup/BoardPresenter.h"

class QFontMetrics;

// A label for lines of a title and a figure: the titles stand left, the figures right-aligned in
// one column just past the longest title, whatever the language makes of the titles. The lines
// are given as rows; its text stays what it was given, and is drawn as a plain label would
// when no row carries a figure.
class FiguresLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setRows(const QList<FigureLine> &rows);
    const QList<FigureLine> &rows() const { return m_rows; }

    // Width the rows need in these metrics: longest title, the gap, widest figure.
    static int rowsWidth(const QFontMetrics &metrics, const QList<FigureLine> &rows);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<FigureLine> m_rows;
};
