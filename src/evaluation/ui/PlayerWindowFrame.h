#pragma once
#include <functional>

class QWidget;

// How the player windows take their place when shown: on top of other windows exactly when
// the main window is kept on top, and centred on the main window.
namespace PlayerWindowFrame {

// Where a window learns the main window's on-top state; without one it asks the window it
// belongs to whether that one stays on top.
using OnTopSource = std::function<bool()>;

// Applies the on-top state to a window that is not shown yet.
void applyOnTop(QWidget *window, const OnTopSource &source);
// Moves a window so that its centre is the main window's (the screen's without one).
void centreOnMainWindow(QWidget *window);

} // namespace PlayerWindowFrame
