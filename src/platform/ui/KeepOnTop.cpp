#include "platform/ui/KeepOnTop.h"

#include <QWidget>
#include <QWindow>

void KeepOnTop::apply(QWidget *w, bool onTop)
{
    if (w == nullptr)
        return;
    QWidget *window = w->window();
    Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    QWindow *handle = window->windowHandle();
    if (handle == nullptr) {
        // Not created yet: the flag is used when the window is first shown.
        window->setWindowFlags(flags);
        return;
    }
    // QWidget::setWindowFlags would hide and re-create the native window, which ends a modal
    // dialog's exec() and makes the main window flicker; the platform can change the flag in
    // place, and the widget is told about it without touching the window system again.
    handle->setFlags(flags);
    window->overrideWindowFlags(flags);
}

bool KeepOnTop::isOnTop(const QWidget *w)
{
    return w != nullptr && w->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
