#include "shell/ui/StartUpSequence.h"

#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TSplashScreen.h"

#include <QThread>
#include <functional>

std::unique_ptr<TForm1> StartUpSequence::createWindows(const QString &programFolder, int stepDelayMs,
                                                       QList<int> *progressShown)
{
    return createWindows(ProgramPaths::inOneFolder(programFolder), stepDelayMs, progressShown);
}

std::unique_ptr<TForm1> StartUpSequence::createWindows(const ProgramPaths &paths, int stepDelayMs,
                                                       QList<int> *progressShown)
{
    std::unique_ptr<TForm1> mainWindow;
    TSplashScreen splash(paths.resourceFolder());
    auto progress = [&](int value) {
        splash.setProgress(value);
        if (progressShown)
            progressShown->append(splash.progress());
    };
    splash.show();
    splash.repaintNow();
    progress(10);

    // The windows of the online and settings parts keep their steps until they exist;
    // the data module needs no window.
    struct Step {
        std::function<void()> create;
        int progress;
    };
    const Step steps[] = {
        {[&] { mainWindow = std::make_unique<TForm1>(paths); }, 20},
        {[] {}, 30}, // connection dialog
        {[&] { mainWindow->aboutWindow(); }, 40},
        {[] {}, 50}, // settings dialog
        {[&] { mainWindow->setPlayerTestWindow(new TFPlayerTest(mainWindow->model().rosterModel(), mainWindow.get())); }, 60},
        {[&] {
             const QString pictures = mainWindow->model().paths().pictureFolder();
             mainWindow->setPlayerDetailWindow(
                 new TFPlayerDetail(mainWindow->model().rosterModel(), pictures, mainWindow.get()));
         }, 70},
        {[] {}, 80},  // data module: the shared XML document
        {[] {}, 100}, // setup wizard
    };
    for (const Step &step : steps) {
        splash.repaintNow();
        QThread::msleep(stepDelayMs);
        step.create();
        progress(step.progress);
    }
    splash.repaintNow();
    QThread::msleep(stepDelayMs * 10);
    return mainWindow;
}
