#pragma once
#include <QString>

// What an online run shows while it works: the connection dialog's step log and progress bar,
// two fields of the main window's status bar, message boxes and the busy cursor. The desktop
// program and the command-line program each implement it; every call comes on the caller's thread.
class SessionView {
public:
    enum Flag { GreenFlag = 0, RedFlag = 1 };

    virtual ~SessionView() = default;
    virtual void clearSteps() {}
    // A new line shows the red flag.
    virtual void addStep(const QString &text) { (void)text; }
    // A line that does not exist is skipped.
    virtual void markStep(int index, Flag flag, bool bold) { (void)index; (void)flag; (void)bold; }
    virtual void setProgress(int percent) { (void)percent; }
    virtual void setConnectionText(const QString &text) { (void)text; }
    virtual void setStepText(const QString &text) { (void)text; }
    virtual void showMessage(const QString &text) { (void)text; }
    virtual void setBusy(bool busy) { (void)busy; }
};
