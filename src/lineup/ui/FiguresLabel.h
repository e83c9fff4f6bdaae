#pragma once
#include <QLabel>

class QFontMetrics;

// A label for lines of "name<TAB>figure": the names stand left, the figures right-aligned in one
// column just past the longest name, whatever the language makes of the names. Its text stays
// exactly what it was given; lines without a tab are drawn as a plain label would.
class FiguresLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Width the text needs in these metrics: longest name, the gap, widest figure.
    static int textWidth(const QFontMetrics &metrics, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
};
