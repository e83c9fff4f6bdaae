#pragma once

class MainModel;
class MainStatusBar;
class QMainWindow;
class SecondaryWindows;
struct MainActions;

// What the main window's commands work with: the process-wide state, the windows over the main
// window, the status bar, the commands themselves (their enabled state, the keep-on-top mark)
// and the main window, which is the parent of the dialogs they open.
struct MainWindowParts {
    MainModel &model;
    SecondaryWindows &windows;
    MainStatusBar &status;
    const MainActions &actions;
    QMainWindow *window;
};
