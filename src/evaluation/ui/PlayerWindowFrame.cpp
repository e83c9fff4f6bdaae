#include "evaluation/ui/PlayerWindowFrame.h"

#include "platform/ui/KeepOnTop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace PlayerWindowFrame {

void applyOnTop(QWidget *window, const OnTopSource &source)
{
    bool onTop = false;
    if (source)
        onTop = source();
    else if (QWidget *parent = window->parentWidget())
        onTop = KeepOnTop::isOnTop(parent);
    KeepOnTop::apply(window, onTop);
}

void centreOnMainWindow(QWidget *window)
{
    QRect area;
    if (QWidget *parent = window->parentWidget())
        area = parent->window()->frameGeometry();
    if (!area.isValid()) {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    }
    if (!area.isValid())
        return;
    QRect frame = window->frameGeometry();
    if (!frame.isValid())
        frame = QRect(QPoint(), window->size());
    window->move(window->pos() + area.center() - frame.center());
}

} // namespace PlayerWindowFrame
