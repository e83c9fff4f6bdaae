#pragma once
#include <QObject>
#include <QRect>

#include <array>

class Board;
class QToolButton;
class QWidget;

// The padlocks of the eleven places on the pitch: a checkable button beside each slot box
// ("lockGardien" … "lockAttaquant2", after the box's name) and a gold frame round a locked box,
// so locked places show at a glance. The lock itself is the Board's (LineupState::locked); the
// buttons only show it and send the user's clicks to Board::lockToggled.
class PlacePadlocks : public QObject {
    Q_OBJECT
public:
    PlacePadlocks(Board &board, QWidget *pitch);

    // Before the slot box is made, so that the frame lies under it.
    void add(int place, const QRect &slotBox);
    void refresh();

    QToolButton *button(int place) const { return m_buttons.at(place); }

private:
    Board &m_board;
    QWidget *m_pitch;
    std::array<QToolButton *, 12> m_buttons{}; // by place 1..11
    std::array<QWidget *, 12> m_frames{};
};
