#pragma once
#include <QObject>
#include <QPointer>

class QTabBar;
class QTimer;

// Lets a drag reach another page: a dragged item held over a tab opens that tab's page after a
// short hover, so a roster row can be carried from its list to the board. Drops on the tabs
// themselves are refused.
class DragHoverTabs : public QObject {
    Q_OBJECT
public:
    static constexpr int kHoverMilliseconds = 500;

    explicit DragHoverTabs(QTabBar *tabs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTabBar *m_tabs;
    QTimer *m_timer;
    int m_hoveredTab = -1;
};
