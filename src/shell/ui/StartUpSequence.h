#pragma once
#include <QList>
#include <QString>
#include "platform/ProgramPaths.h"
#include <memory>

class TForm1;

// Creates every window of the program once, in the fixed order, while the splash window shows
// the progress; the splash window is gone when this returns (also when a creation fails, the
// error then goes on to the caller). The main window is returned, not yet shown.
class StartUpSequence {
public:
    // stepDelayMs: the wait before each creation; the last wait is ten times as long.
    // progressShown: receives every progress value the splash window showed, in order.
    static std::unique_ptr<TForm1> createWindows(const QString &programFolder, int stepDelayMs,
                                                 QList<int> *progressShown = nullptr);
    static std::unique_ptr<TForm1> createWindows(const ProgramPaths &paths, int stepDelayMs,
                                                 QList<int> *progressShown = nullptr);
};
