// The settings dialog and the setup wizard driven through their widgets on the offscreen
// platform, each on its own copy of the program folder.
#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "lineup/LineupSlots.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/ui/TFConfiguration.h"
#include "settings/ui/TFrmParam.h"
#include "shell/ui/TForm1.h"
#include "support/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QComboBox>
#include <QTextBrowser>
#include <QtTest>
#include <functional>
#include <memory>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `act` on the modal window of that name once it shows (a modal window runs its own loop).
void whenModalShows(const char *name, std::function<void(QWidget *)> act, int tries = 200)
{
    QTimer::singleShot(25, [name, act, tries] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->objectName() == QLatin1String(name))
            act(w);
        else if (tries > 0)
            whenModalShows(name, act, tries - 1);
    });
}

// Slider `name` one page (10) up with the keyboard, as a user does.
void pageUp(QWidget *window, const char *name)
{
    auto *slider = window->findChild<QSlider *>(QLatin1String(name));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
}

QPushButton *button(QWidget *window, const char *name) { return window->findChild<QPushButton *>(QLatin1String(name)); }
} // namespace

class TestSettingsWindows : public QObject {
    Q_OBJECT

private slots:

    // The keeper's Defense slider one page up (15 to 25): Defense and Gardien share the surplus
    // (20 and 80), and Ok writes both.
    void paramDialogSavesWhatTheSlidersShow()
    {
        TestSupport::ProgramFolderCopy folder;
        Settings settings(folder.filePath(QStringLiteral("SQW.ini")));
        TFrmParam dialog(settings, folder.folder());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.pages()->setCurrentIndex(1);
        pageUp(&dialog, "tbDefense");
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("LValueDefense"))->text(), QStringLiteral("[ 20 ]"));
        QCOMPARE(dialog.findChild<QSlider *>(QStringLiteral("tbGardien"))->value(), 80);
        QTest::mouseClick(button(&dialog, "BOK"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.playerWeight(QStringLiteral("GardienDefense")), 20);
        QCOMPARE(settings.playerWeight(QStringLiteral("GardienGardien")), 80);
    }

    void wizardFinishAndCancel()
    {
        TestSupport::ProgramFolderCopy folder;
        const QString ini = folder.filePath(QStringLiteral("SQW.ini"));
        Settings settings(ini);
        const QByteArray before = readAll(ini);
        {
            // Cancel on the team page: nothing is written.
            TFConfiguration wizard(settings, folder.folder());
            wizard.show();
            QTest::mouseClick(button(&wizard, "BtnNext"), Qt::LeftButton);
            QTest::mouseClick(button(&wizard, "BtnNext"), Qt::LeftButton);
            QTest::keyClicks(wizard.findChild<QLineEdit *>(QStringLiteral("EHUser")), QStringLiteral("coach"));
            QTest::mouseClick(button(&wizard, "BtnCancel"), Qt::LeftButton);
            QCOMPARE(wizard.result(), int(QDialog::Rejected));
            QCOMPARE(readAll(ini), before);
        }
        TFConfiguration wizard(settings, folder.folder());
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        QPushButton *next = button(&wizard, "BtnNext");
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(wizard.model().page(), int(QuickSetupModel::Team));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("EHUser"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("coach"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(wizard.model().page(), int(QuickSetupModel::Team)); // the code is missing
        QTest::keyClicks(wizard.findChild<QLineEdit *>(QStringLiteral("EHPassword")), QStringLiteral("c0de"));
        QTest::mouseClick(next, Qt::LeftButton);
        QVERIFY(!next->isVisible());
        QTest::mouseClick(button(&wizard, "BtnFinish"), Qt::LeftButton);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(settings.userName(), QStringLiteral("coach"));
        QCOMPARE(settings.securityPassword(), QStringLiteral("c0de"));
        QCOMPARE(settings.langue(), QStringLiteral("Francais"));
    }

    // The release notes speak the language preselected, then the one chosen.
    void wizardNotesFollowTheLanguage()
    {
        TestSupport::ProgramFolderCopy folder;
        Settings settings(folder.filePath(QStringLiteral("SQW.ini")));
        TFConfiguration wizard(settings, folder.folder());
        wizard.show();
        const auto notes = [&] { return wizard.findChild<QTextBrowser *>(QStringLiteral("RichEditNews"))->toPlainText(); };
        QVERIFY2(notes().startsWith(QStringLiteral("Ce que fait Squadwright")), qPrintable(notes()));
        auto *language = wizard.findChild<QComboBox *>(QStringLiteral("cbLangue"));
        const int english = language->findText(QStringLiteral("English"));
        QVERIFY(english >= 0);
        language->setCurrentIndex(english);
        emit language->activated(english);
        QVERIFY2(notes().startsWith(QStringLiteral("What Squadwright does")), qPrintable(notes()));
    }

    // First run: the wizard comes before the language, in the stored language; then the marker
    // is gone.
    void firstRunShowsTheWizard()
    {
        TestSupport::ProgramFolderCopy folder;
        IniFile(folder.filePath(QStringLiteral("SQW.ini"))).writeString(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("English"));
        QFile marker(folder.filePath(QStringLiteral("Infos.ctr")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        TForm1 form(folder.folder());
        QString mainCaption, wizardTitle;
        whenModalShows("FConfiguration", [&](QWidget *wizard) {
            mainCaption = form.findChild<QAction *>(QStringLiteral("Parameters"))->text();
            wizardTitle = wizard->windowTitle();
            static_cast<TFConfiguration *>(wizard)->model().boxes().hUser = QStringLiteral("coach");
            static_cast<TFConfiguration *>(wizard)->model().boxes().hPassword = QStringLiteral("c0de");
            static_cast<TFConfiguration *>(wizard)->model().toLastPage();
            button(wizard, "BtnFinish")->click();
        });
        QSignalSpy done(&form, &TForm1::startUpFinished);
        form.show();
        QVERIFY(done.wait(10000));
        QCOMPARE(mainCaption, QStringLiteral("&Paramètres"));
        QCOMPARE(wizardTitle, QStringLiteral("Squadwright quick setup"));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Infos.ctr"))));
        QCOMPARE(form.model().settings().userName(), QStringLiteral("coach"));
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("Parameters"))->text(), QStringLiteral("&Settings"));
    }

    // A formula changed in the dialog changes the players' values and the slot values of the
    // lineup on the board at once; the lineup stays.
    // A server address the program could not use: Ok keeps the dialog open on the online page
    // and says why; a usable one is saved.
    void serverBoxRefusesAnUnusableAddress()
    {
        TestSupport::ProgramFolderCopy folder;
        Settings settings(folder.filePath(QStringLiteral("SQW.ini")));
        TFrmParam dialog(settings, folder.folder());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *game = dialog.findChild<QLineEdit *>(QStringLiteral("EGameHost"));
        QCOMPARE(game->text(), Settings::kDefaultGameHost);
        game->selectAll();
        QTest::keyClicks(game, QStringLiteral("ftp://game.example"));
        dialog.pages()->setCurrentIndex(0);
        QTest::mouseClick(button(&dialog, "BOK"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pages()->currentWidget()->objectName(), QStringLiteral("TabOnline"));
        auto *notice = dialog.findChild<QLabel *>(QStringLiteral("LHostNotice"));
        QVERIFY(notice->isVisible() && notice->text().contains(QStringLiteral("ftp://game.example")));
        QCOMPARE(settings.gameHost(), Settings::kDefaultGameHost);

        game->selectAll();
        QTest::keyClicks(game, QStringLiteral("127.0.0.1:8080"));
        QTest::mouseClick(button(&dialog, "BOK"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.gameHost(), QStringLiteral("127.0.0.1:8080"));
    }

    void parametersCommandRecomputesAtOnce()
    {
        TestSupport::ProgramFolderCopy folder;
        TForm1 form(folder.folder());
        QSignalSpy done(&form, &TForm1::startUpFinished);
        form.show();
        QVERIFY(done.wait(10000));
        const Board &board = form.model().board();
        const int keeperId = board.state().placement(LineupSlots::Keeper);
        QVERIFY(keeperId > 0);
        auto keeperValue = [&] {
            const Roster &roster = form.model().roster();
            for (int i = 0; i < roster.storedCount(); ++i)
                if (roster.players[i].PlayerID == QString::number(keeperId))
                    return roster.players[i].value(1);
            return -1.0;
        };
        const double valueBefore = keeperValue();
        const QString keeperLabel = QLatin1String(LineupSlots::valueLabelName(LineupSlots::Keeper));
        const QString shownBefore = board.text(keeperLabel);
        QVERIFY(!shownBefore.isEmpty());

        QAction *parameters = form.findChild<QAction *>(QStringLiteral("Parameters"));
        QVERIFY(parameters->isEnabled());
        whenModalShows("FrmParam", [](QWidget *dialog) {
            dialog->findChild<QTabWidget *>()->setCurrentIndex(1);
            pageUp(dialog, "tbDefense");
            QTest::mouseClick(button(dialog, "BOK"), Qt::LeftButton);
        });
        parameters->trigger();
        QCOMPARE(form.model().settings().playerWeight(QStringLiteral("GardienDefense")), 20);
        QCOMPARE(board.state().placement(LineupSlots::Keeper), keeperId);
        QVERIFY(keeperValue() != valueBefore);
        QVERIFY(board.text(keeperLabel) != shownBefore);
    }
};

QTEST_MAIN(TestSettingsWindows)
#include "tst_settingswindows.moc"
