// The start-up sequence: the splash window, the windows created in their order with the
// progress shown after each, the waits, and the splash window gone before the main window shows.
#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "platform/ProgramInfo.h"
#include "shell/ui/StartUpSequence.h"
#include "shell/ui/TForm1.h"
#include "shell/ui/TSplashScreen.h"
#include "support/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int splashWindows()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<TSplashScreen *>(w) != nullptr;
    return n;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void splashWindow()
    {
        TestSupport::ProgramFolderCopy dir;
        TSplashScreen splash(dir.folder());
        splash.show();
        QCOMPARE(splash.size(), QSize(400, 200));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash.versionText(), QStringLiteral("Version ") + ProgramInfo::version());
        auto *version = splash.findChild<QLabel *>(QStringLiteral("VersionInfo"));
        QCOMPARE(version->geometry(), QRect(8, 128, 297, 16));
        QVERIFY(version->font().bold());
        auto *bar = splash.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
        QCOMPARE(bar->geometry(), QRect(24, 152, 273, 16));
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        // The splash picture of the program folder fills the window.
        auto *image = splash.findChild<QLabel *>(QStringLiteral("Image1"));
        QCOMPARE(image->geometry(), QRect(0, 0, 400, 200));
        QVERIFY(!image->pixmap().isNull());
    }

    void splashWithoutItsPicture()
    {
        QTemporaryDir dir;
        TSplashScreen splash(dir.path() + QLatin1Char('/'));
        splash.show();
        QVERIFY(splash.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());
        QVERIFY(splash.versionText().startsWith(QStringLiteral("Version ")));
    }

    void windowsInTheirOrder()
    {
        TestSupport::ProgramFolderCopy dir;
        const QString folder = dir.folder();
        QList<int> progress;
        auto form = StartUpSequence::createWindows(folder, 0, &progress);
        QCOMPARE(progress, QList<int>({10, 20, 30, 40, 50, 60, 70, 80, 100}));
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        QVERIFY(form->findChild<TFPlayerTest *>());
        QVERIFY(form->findChild<TFPlayerDetail *>());
        QCOMPARE(splashWindows(), 0);

        // The show handler runs once the splash window is gone: its work starts after show().
        QVERIFY(!form->startUpDone());
        QSignalSpy done(form.get(), &TForm1::startUpFinished);
        form->show();
        QVERIFY(done.wait(10000));
        QVERIFY(form->loadingDone());
    }

    void waitsAddUpToEighteenSteps()
    {
        TestSupport::ProgramFolderCopy dir;
        const QString folder = dir.folder();
        QElapsedTimer timer;
        timer.start();
        auto form = StartUpSequence::createWindows(folder, 20);
        // Eight waits of one step and a last one of ten: 360 ms at least.
        QVERIFY2(timer.elapsed() >= 360, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
