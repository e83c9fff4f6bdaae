#pragma once

class ProgramPaths;
class QAction;
class QMainWindow;

// The main window's commands with its menu bar and tool bar, built from one table: object name,
// caption, hint, menu and tool bar group. The captions and hints are the French texts the
// language file translates by the object name; a command's tool bar picture is
// img/tb_<name>.png of the resource folder. The commands do nothing until the window connects them.
struct MainActions {
    static MainActions create(QMainWindow *window, const ProgramPaths &paths);

    QAction *quitter = nullptr;
    QAction *download = nullptr;
    QAction *calcule = nullptr;
    QAction *optimum = nullptr;
    QAction *tactics = nullptr;
    QAction *depth = nullptr;
    QAction *test = nullptr;
    QAction *recharge = nullptr;
    // Checkable; its mark is the keep-on-top state the user chose.
    QAction *onTop = nullptr;
    QAction *parameters = nullptr;
    QAction *apropos = nullptr;
    QAction *checkUpdates = nullptr;
    QAction *docVelmorra = nullptr;
};
