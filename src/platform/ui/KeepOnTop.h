#pragma once

class QWidget;

// Keeps a window above the other windows of the desktop, or lets it go back among them.
class KeepOnTop {
public:
    // Sets or clears the stay-on-top state of the window w belongs to. A shown window keeps
    // its place, size and visibility, and a modal dialog keeps running: the native window is
    // changed in place instead of being re-created. Null does nothing.
    static void apply(QWidget *w, bool onTop);

    // True when the window w belongs to is kept on top.
    static bool isOnTop(const QWidget *w);
};
