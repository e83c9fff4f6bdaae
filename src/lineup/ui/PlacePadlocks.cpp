#include "lineup/ui/PlacePadlocks.h"

#include "common/ui/ErrorHandler.h"
#include "lineup/Board.h"
#include "lineup/LineupSlots.h"

#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QToolButton>

using namespace LineupSlots;

namespace {

const QColor kGold(255, 204, 51);
const QColor kInk(40, 40, 40);
constexpr int kSize = 14;

// Open (the optimum chooses the player) or closed (the player stays): drawn here, no picture file.
QPixmap padlock(bool closed)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor metal = closed ? kGold : QColor(235, 240, 235);
    // A closed shackle goes down into the body on both sides; an open one is lifted, its right
    // leg free.
    const qreal lift = closed ? 0 : 2.5;
    QPainterPath shackle;
    shackle.moveTo(3.5, 7);
    shackle.lineTo(3.5, 4.5 - lift);
    shackle.arcTo(QRectF(3.5, 1 - lift, 7, 7), 180, -180);
    shackle.lineTo(10.5, closed ? 7 : 5.5 - lift);
    painter.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shackle);
    painter.setPen(QPen(metal, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shackle);
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(1.5, 6.5, 11, 7), 1.5, 1.5);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(7, 9.6), 1.1, 1.1);
    return pixmap;
}

const QIcon &padlockIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        i.addPixmap(padlock(false), QIcon::Normal, QIcon::Off);
        i.addPixmap(padlock(true), QIcon::Normal, QIcon::On);
        i.addPixmap(padlock(false), QIcon::Disabled, QIcon::Off);
        return i;
    }();
    return icon;
}

QString suffix(int place) { return QLatin1String(slotBoxName(place) + 2); } // "cbGardien" → "Gardien"

} // namespace

PlacePadlocks::PlacePadlocks(Board &board, QWidget *pitch) : QObject(pitch), m_board(board), m_pitch(pitch) {}

void PlacePadlocks::add(int place, const QRect &slotBox)
{
    if (!isSlot(place))
        return;
    auto *frame = new QFrame(m_pitch);
    frame->setObjectName(QStringLiteral("lockFrame") + suffix(place));
    frame->setGeometry(slotBox.adjusted(-2, -2, 2, 2));
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, kGold);
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
    frame->hide();
    m_frames[place] = frame;

    auto *lock = new QToolButton(m_pitch);
    lock->setObjectName(QStringLiteral("lock") + suffix(place));
    lock->setCheckable(true);
    lock->setAutoRaise(true);
    lock->setFocusPolicy(Qt::TabFocus);
    lock->setIcon(padlockIcon());
    lock->setIconSize(QSize(kSize, kSize));
    // Right of the box, where the columns leave a gap; the keeper's left of his, where his card
    // and value do not stand.
    const int side = kSize + 1;
    const int left = place == Keeper ? slotBox.left() - side : slotBox.right() + 2;
    lock->setGeometry(left, slotBox.top() + (slotBox.height() - side) / 2, side, side);
    lock->setToolTip(QString::fromUtf8("Garder ce joueur à cette place : la composition optimale choisit les "
                                       "autres autour de lui"));
    connect(lock, &QToolButton::clicked, this, [this, place](bool checked) {
        ErrorHandler::guarded([this, place, checked] { m_board.lockToggled(place, checked); });
        refresh(); // a lock the board refused opens again
    });
    m_buttons[place] = lock;
}

void PlacePadlocks::refresh()
{
    for (int p = Keeper; p <= kLastSlot; ++p) {
        QToolButton *lock = m_buttons[p];
        if (!lock)
            continue;
        const bool locked = m_board.state().locked(p);
        if (lock->isChecked() != locked) {
            const QSignalBlocker block(lock);
            lock->setChecked(locked);
        }
        // Only a place with a player can keep him.
        lock->setEnabled(locked || m_board.state().recordOfBox(p) >= 0);
        m_frames[p]->setVisible(locked);
    }
}
