#include "common/LanguageTexts.h"
// The main window on the offscreen platform: start-up work, options, pages, commands, closing
// and the error handler, each on its own copy of the program folder.
#include "common/NameTables.h"
#include "evaluation/ui/RosterListView.h"
#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "lineup/LineupSlots.h"
#include "lineup/ui/LineupBoardView.h"
#include "platform/ui/GlobalHotKey.h"
#include "settings/IniFile.h"
#include "common/AppError.h"
#include "common/Vocabulary.h"
#include "shell/ui/BusyLed.h"
#include "shell/ui/MainStatusBar.h"
#include "online/Session.h"
#include "online/TeamDownload.h"
#include "common/ui/ErrorHandler.h"
#include "shell/ui/TForm1.h"
#include "support/ProgramFolder.h"
#include "support/FakeGameServer.h"
#include "support/Files.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QDragEnterEvent>
#include <QAbstractButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Every file of a folder with a digest of its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        out.insert(QDir(folder).relativeFilePath(path), QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1));
    }
    return out;
}

using TestSupport::writeFile;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A program folder: the sample team and settings, or nothing at all.
struct ProgramFolder {
    QTemporaryDir dir;
    explicit ProgramFolder(bool withSample = true)
    {
        if (withSample)
            TestSupport::copyTree(TestSupport::sampleDataDir(), dir.path());
    }
    QString path(const QString &relative = QString()) const { return dir.path() + QLatin1Char('/') + relative; }
    QString folder() const { return dir.path() + QLatin1Char('/'); }
    void setIni(const QString &section, const QString &key, const QString &value)
    {
        IniFile(path(QStringLiteral("SQW.ini"))).writeString(section, key, value);
    }
};

// Shows the window and waits for the start-up work of its first show. The player windows are
// created and handed over as the start-up sequence does.
std::unique_ptr<TForm1> start(const ProgramFolder &folder)
{
    auto form = std::make_unique<TForm1>(folder.folder());
    form->setPlayerTestWindow(new TFPlayerTest(form->model().rosterModel(), form.get()));
    form->setPlayerDetailWindow(new TFPlayerDetail(form->model().rosterModel(),
                                                 form->model().folder().programPath(QStringLiteral("img/")), form.get()));
    QSignalSpy done(form.get(), &TForm1::startUpFinished);
    form->show();
    if (!done.wait(10000))
        qWarning("start-up did not finish");
    return form;
}

template <typename T> T *child(QWidget *w, const char *name)
{
    T *found = w->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

QAction *action(TForm1 *form, const char *name) { return child<QAction>(form, name); }

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
    }
    void cleanup()
    {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    void startsOnTheSampleTeam()
    {
        ProgramFolder folder;
        auto form = start(folder);
        QVERIFY(form->startUpDone());
        QVERIFY(form->loadingDone());
        const Board &board = form->model().board();

        // The stored match order: keeper and right back of MatchOrders.xml.
        QCOMPARE(board.state().placement(LineupSlots::Keeper), 289902275);
        QCOMPARE(board.state().placement(LineupSlots::RightBack), 302119660);
        QCOMPARE(board.text(QStringLiteral("cbGardien")), QStringLiteral("Kristian Jørvik"));
        // Conditions from the orders and Training.xml, shown by the calculation page's boxes.
        QCOMPARE(child<QComboBox>(form.get(), "cbTactique")->currentText(), QStringLiteral("Attaque au centre"));
        QCOMPARE(child<QComboBox>(form.get(), "cbTeamSpirit")->currentText(), QStringLiteral("Satisfaits"));
        QCOMPARE(child<QComboBox>(form.get(), "cbConfiance")->currentText(), QStringLiteral("Satisfaisante"));
        QCOMPARE(child<QComboBox>(form.get(), "cbAttitude")->currentText(), QStringLiteral("Normal"));

        QVERIFY(action(form.get(), "Calcule")->isEnabled());
        QVERIFY(form->boardView()->calculeButton()->isEnabled());
        QCOMPARE(child<QTabWidget>(form.get(), "PageControl")->currentWidget()->objectName(), QStringLiteral("TabEquipe"));
        QVERIFY(!child<BusyLed>(form.get(), "Led")->isBusy());
        QCOMPARE(child<QLabel>(form.get(), "StatusPanel2")->text(), QStringLiteral("Non connecté"));
        QVERIFY(child<QLabel>(form.get(), "StatusPanel4")->text().startsWith(QStringLiteral("SQW version ")));
        QCOMPARE(form->statusMessage(), QString()); // nothing missing, nothing failed
        QCOMPARE(form->windowTitle(), QStringLiteral("Squadwright"));
        // The client area under the menu bar.
        QCOMPARE(form->width(), 841);
        QCOMPARE(form->height() - form->menuWidget()->height(), 563);
    }

    // Settings other users could read become the user's own at the start, said once in the
    // status bar, in the user's language.
    void settingsOthersCouldReadAreMadePrivate()
    {
#ifndef Q_OS_UNIX
        QSKIP("file modes are a POSIX matter");
#endif
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("English"));
        QVERIFY(QFile::setPermissions(folder.path("SQW.ini"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        auto form = start(folder);
        QVERIFY2(form->statusMessage().startsWith("Other users of this computer could read")
                     && form->statusMessage().contains("SQW.ini"), qPrintable(form->statusMessage()));
        QCOMPARE(QFile::permissions(folder.path("SQW.ini")) & QFileDevice::Permissions(0x0077), QFileDevice::Permissions());
        form.reset();
        QCOMPARE(start(folder)->statusMessage(), QString());
    }

    void startsWithoutDataFilesOrSettings_data()
    {
        QTest::addColumn<bool>("withDataFolder");
        QTest::addColumn<QString>("missing");
        QTest::newRow("no data folder") << false << QStringLiteral("xml");
        QTest::newRow("empty data folder") << true << QStringLiteral("players.xml");
    }
    void playersLeftOutOfAnOversizedSquadAreNamedInTheStatusBar()
    {
        ProgramFolder folder;
        // The sample squad with its first player repeated until the file lists 103.
        QByteArray xml = readFile(folder.path(QStringLiteral("xml/players.xml")));
        const int first = xml.indexOf("<Player>");
        const int end = xml.indexOf("</Player>", first) + int(qstrlen("</Player>"));
        QVERIFY(first > 0 && end > first);
        const QByteArray player = xml.mid(first, end - first);
        const int count = xml.count("<Player>");
        QByteArray more;
        for (int i = count; i < 103; ++i)
            more += player;
        xml.insert(end, more);
        xml.replace(QByteArray("Count=\"") + QByteArray::number(count) + '"', QByteArray("Count=\"103\""));
        writeFile(folder.path(QStringLiteral("xml/players.xml")), xml);
        auto form = start(folder);
        QVERIFY(form->loadingDone());
        QCOMPARE(int(form->model().roster().count), 101);
        QVERIFY2(form->statusMessage().contains(QStringLiteral("103")), qPrintable(form->statusMessage()));
        QVERIFY2(form->statusMessage().contains(QStringLiteral("101")), qPrintable(form->statusMessage()));
    }

    void startsWithoutDataFilesOrSettings()
    {
        QFETCH(bool, withDataFolder);
        QFETCH(QString, missing);
        ProgramFolder folder(false);
        if (withDataFolder)
            QDir().mkpath(folder.path(QStringLiteral("xml")));
        auto form = start(folder);
        QVERIFY(form->loadingDone());
        QVERIFY(!form->isOnTop());
        QVERIFY(!action(form.get(), "OnTop")->isChecked());
        for (const char *name : {"chkBlesse", "chkCartons", "chkRecalculTous"})
            QVERIFY2(!child<QCheckBox>(form.get(), name)->isChecked(), name);
        QVERIFY(!action(form.get(), "Calcule")->isEnabled());
        QVERIFY(!form->boardView()->calculeButton()->isEnabled());
        QCOMPARE(form->model().board().state().placement(LineupSlots::Keeper), -1);
        // The status bar says what is missing.
        QVERIFY2(form->statusMessage().contains(missing), qPrintable(form->statusMessage()));
        QVERIFY(child<QLabel>(form.get(), "LMessage")->isVisible());
        // The hot key defaults to Control+C.
        QCOMPARE(child<GlobalHotKey>(form.get(), "HotKey")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    }

    void firstRunMarkerIsTakenAway()
    {
        ProgramFolder folder;
        writeFile(folder.path(QStringLiteral("Infos.ctr")), "1");
        {
            // The setup wizard shows first; Cancel closes it.
            bool wizardShown = false;
            std::function<void(int)> cancelWizard = [&](int tries) {
                QTimer::singleShot(25, [&, tries] {
                    QWidget *modal = QApplication::activeModalWidget();
                    if (modal && modal->objectName() == QLatin1String("FConfiguration")) {
                        wizardShown = true;
                        child<QPushButton>(modal, "BtnCancel")->click();
                    } else if (tries > 0) {
                        cancelWizard(tries - 1);
                    }
                });
            };
            cancelWizard(200);
            auto form = start(folder);
            QVERIFY(wizardShown);
            QVERIFY(form->firstRunMarkerFound());
            QVERIFY(form->loadingDone());
        }
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("Infos.ctr"))));
        auto second = start(folder);
        QVERIFY(!second->firstRunMarkerFound());
    }

    void storedOnTopAndOptions_data()
    {
        QTest::addColumn<QString>("ontop");
        QTest::addColumn<QString>("cartons");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("cartonsChecked");
        QTest::newRow("upper-case YES is on top") << "YES" << "YES" << true << true;
        QTest::newRow("lower-case yes is on top") << "yes" << "yes" << true << false;
        QTest::newRow("no") << "no" << "NO" << false << false;
        QTest::newRow("other words are not yes") << "oui" << "Yes" << false << false;
    }
    void storedOnTopAndOptions()
    {
        QFETCH(QString, ontop);
        QFETCH(QString, cartons);
        QFETCH(bool, onTop);
        QFETCH(bool, cartonsChecked);
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("ontop"), ontop);
        folder.setIni(QStringLiteral("options"), QStringLiteral("cartons"), cartons);
        auto form = start(folder);
        QCOMPARE(form->isOnTop(), onTop);
        QCOMPARE(action(form.get(), "OnTop")->isChecked(), onTop);
        QCOMPARE(child<QCheckBox>(form.get(), "chkCartons")->isChecked(), cartonsChecked);
        // Setting the state at start-up writes nothing ("YES" would have become "yes").
        QCOMPARE(IniFile(folder.path(QStringLiteral("SQW.ini"))).readString("defaut", "ontop", QString()), ontop);
    }

    void onTopCommandStoresTheState()
    {
        ProgramFolder folder;
        auto form = start(folder);
        QWidget dialog;
        form->addDialog(&dialog);
        QAction *onTop = action(form.get(), "OnTop");
        onTop->trigger();
        QVERIFY(form->isOnTop());
        QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        IniFile ini(folder.path(QStringLiteral("SQW.ini")));
        QCOMPARE(ini.readString("defaut", "ontop", QString()), QStringLiteral("yes"));
        onTop->trigger();
        QVERIFY(!form->isOnTop());
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(ini.readString("defaut", "ontop", QString()), QStringLiteral("no"));
        QVERIFY(form->isVisible()); // changing the flag does not leave the window hidden
    }

    void teamFiguresAndButtonsFollowThePage()
    {
        ProgramFolder folder;
        auto form = start(folder);
        auto *pages = child<QTabWidget>(form.get(), "PageControl");
        LineupBoardView *board = form->boardView();
        QWidget *pinfos = board->infoPanel();
        QWidget *tabEquipe = child<QWidget>(form.get(), "TabEquipe");
        QWidget *tabSetup = child<QWidget>(form.get(), "TabSetup");
        QWidget *pitch = child<QWidget>(form.get(), "Pequipe");
        const QList<QPushButton *> buttons = {board->calculeButton(), board->optimumButton(), board->rechargeButton(),
                                              board->clearButton()};
        QVERIFY(pinfos->isVisible()); // the stored orders were evaluated

        auto check = [&](QWidget *page, QWidget *buttonsParent) {
            QVERIFY(page->isAncestorOf(pinfos));
            QVERIFY(!pinfos->isHidden());
            for (QPushButton *b : buttons) {
                QCOMPARE(b->parentWidget(), buttonsParent);
                QCOMPARE(b->x(), board->clearButton()->x());
                QVERIFY(!b->isHidden());
            }
        };
        check(tabEquipe, pitch);
        const QPoint figuresAt = pinfos->mapTo(form.get(), QPoint());
        const QPoint onPitch = board->calculeButton()->pos();
        pages->setCurrentWidget(tabSetup);
        check(tabSetup, tabSetup);
        // Nothing of the calculation page lies under the figures or the buttons.
        QCOMPARE(pinfos->mapTo(form.get(), QPoint()), figuresAt);
        for (QWidget *w : {child<QWidget>(form.get(), "gbOptions"), child<QWidget>(form.get(), "GbVelmorra"),
                           child<QWidget>(form.get(), "TabDispo")}) {
            QVERIFY2(!w->geometry().intersects(pinfos->geometry()), qPrintable(w->objectName()));
            for (QPushButton *b : buttons)
                QVERIFY2(!w->geometry().intersects(b->geometry()), qPrintable(w->objectName()));
        }
        pages->setCurrentWidget(child<QWidget>(form.get(), "TabJoueurs"));
        check(tabSetup, tabSetup); // the roster page moves nothing
        pages->setCurrentWidget(tabEquipe);
        check(tabEquipe, pitch);
        QCOMPARE(board->calculeButton()->pos(), onPitch);
    }

    void calculeFillsTheBoard()
    {
        ProgramFolder folder;
        auto form = start(folder);
        Board &board = form->model().board();
        board.clearPressed();
        QCOMPARE(board.state().placement(LineupSlots::Keeper), -1);
        auto *pages = child<QTabWidget>(form.get(), "PageControl");
        pages->setCurrentWidget(child<QWidget>(form.get(), "TabJoueurs"));

        form->boardView()->calculeButton()->click();
        for (int place = LineupSlots::kFirstPlace; place <= LineupSlots::kLastPlace; ++place) {
            QVERIFY2(board.state().slotEntry(place) > 0, qPrintable(QString::number(place)));
            QVERIFY(board.state().placement(place) != -1);
        }
        QVERIFY(board.figures().E > 0);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabEquipe"));
        QVERIFY(!child<BusyLed>(form.get(), "Led")->isBusy());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(form->statusMessage(), QString());
    }

    void calculeNamesThePlacesLeftEmpty()
    {
        ProgramFolder folder;
        auto form = start(folder);
        MainModel &model = form->model();
        model.board().clearPressed();
        // Five field players remain: keeper and the four defenders of the first sector order.
        int kept = 0;
        for (int i = 0; i < model.roster().count; ++i) {
            if (model.roster().players[i].TrainerType == 0 && kept < 5)
                ++kept;
            else
                model.setPlayerSelectable(i, false);
        }
        action(form.get(), "Calcule")->trigger();
        const QString message = form->statusMessage();
        QVERIFY2(message.contains(QStringLiteral("Milieu 1")), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("Attaquant 2")));
        QVERIFY(message.contains(QStringLiteral("Remplaçant (gardien)")));
        QVERIFY(!message.contains(QStringLiteral("Gardien,")));
        QVERIFY(!QApplication::overrideCursor());

        // With no player left selectable the command and its button are off.
        for (int i = 0; i < model.roster().count; ++i)
            model.setPlayerSelectable(i, false);
        QVERIFY(!action(form.get(), "Calcule")->isEnabled());
        QVERIFY(!form->boardView()->calculeButton()->isEnabled());
    }

    void optimumCommandNeverLeavesTheBoardWorse()
    {
        ProgramFolder folder;
        auto form = start(folder);
        MainModel &model = form->model();
        const double before = model.board().figures().E;
        // The board's button beside Calcule runs the menu's command.
        form->boardView()->optimumButton()->click();
        const double after = model.board().figures().E;
        QVERIFY(after >= before);
        const QString message = form->statusMessage();
        QVERIFY2(message.contains(QStringLiteral("E = %1 (prouvée)").arg(after)), qPrintable(message));
        QVERIFY(!QApplication::overrideCursor());
        for (int i = 0; i < model.roster().count; ++i)
            model.setPlayerSelectable(i, false);
        QVERIFY(!action(form.get(), "Optimum")->isEnabled());
        QVERIFY(!form->boardView()->optimumButton()->isEnabled());
    }

    void setupBoxesAreViewsOfTheBoard()
    {
        ProgramFolder folder;
        auto form = start(folder);
        Board &board = form->model().board();
        auto *tactique = child<QComboBox>(form.get(), "cbTactique");
        // The user's pick goes to the board and its figures.
        emit tactique->activated(1);
        QCOMPARE(board.state().condition(Board::Tactique), 1);
        QCOMPARE(board.text(QStringLiteral("LabelTactique")).contains(QStringLiteral("Pressing")), true);
        // The program's own setting shows in the box.
        board.edit()->setCondition(Board::Lieu, 1);
        QCOMPARE(child<QComboBox>(form.get(), "cbLieu")->currentIndex(), 1);

        child<QCheckBox>(form.get(), "chkBlesse")->click();
        QVERIFY(board.state().option(Board::Blesse));

        // Formation: tab "Asym W" disables 3-5-2 and 4-5-1.
        child<QTabBar>(form.get(), "TabDispo")->setCurrentIndex(2);
        QCOMPARE(board.state().tab(), 2);
        QVERIFY(!child<QRadioButton>(form.get(), "rgdisposition_3")->isEnabled());
        QVERIFY(!child<QRadioButton>(form.get(), "rgdisposition_4")->isEnabled());
        QVERIFY(child<QRadioButton>(form.get(), "rgdisposition_1")->isEnabled());
        // "4-3-3" on "Asym W": the left winger attacks.
        child<QRadioButton>(form.get(), "rgdisposition_1")->click();
        QCOMPARE(board.state().disposition(), 1);
        child<QPushButton>(form.get(), "BtnValide")->click();
        QCOMPARE(board.text(QStringLiteral("cbAG")), QStringLiteral("Attaquant"));
        QCOMPARE(board.state().behaviourEntry(LineupSlots::RightBack), 0);

        // The word lists live in the language's texts, in no hidden widget.
        QVERIFY(!form->findChild<QComboBox *>(QStringLiteral("LDenomination")));
        QCOMPARE(nameTables().items(NameTables::Levels).size(), 21);
        QVERIFY(!child<QComboBox>(form.get(), "cbOrdreCalc")->isVisible());
    }

    void closingWritesTheOptions()
    {
        ProgramFolder folder;
        auto form = start(folder);
        child<QCheckBox>(form.get(), "chkCartons")->click();
        child<QCheckBox>(form.get(), "chkRecalculTous")->click();
        form->model().board().edit()->setSectorOrder(4);
        QVERIFY(form->close());
        IniFile ini(folder.path(QStringLiteral("SQW.ini")));
        QCOMPARE(ini.readString("options", "cartons", QString()), QStringLiteral("YES"));
        QCOMPARE(ini.readString("options", "CalculAll", QString()), QStringLiteral("YES"));
        QCOMPARE(ini.readString("options", "blesse", QString()), QStringLiteral("NO"));
        QCOMPARE(ini.readInteger("options", "methode", -1), 4);
    }

    void closingNeverFails()
    {
        ProgramFolder folder;
        auto form = start(folder);
        // The settings file cannot be written any more: the window closes all the same, and
        // says which change was lost.
        child<QCheckBox>(form.get(), "chkCartons")->click();
        QFile::remove(folder.path(QStringLiteral("SQW.ini")));
        QDir().mkpath(folder.path(QStringLiteral("SQW.ini")));
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY2(form->statusMessage().contains(QStringLiteral("cartons"))
                     && form->statusMessage().contains(QStringLiteral("SQW.ini")),
                 qPrintable(form->statusMessage()));
    }

    void rosterDragOverTheTeamTabOpensTheBoard()
    {
        ProgramFolder folder;
        auto form = start(folder);
        auto *pages = child<QTabWidget>(form.get(), "PageControl");
        pages->setCurrentIndex(2);
        QTabBar *tabs = pages->tabBar();
        QMimeData mime;
        mime.setData(QLatin1String(LineupBoardView::recordMimeType()), "0");
        const QPointF at = tabs->tabRect(0).center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tabs, &enter);
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tabs, &move);
        QCOMPARE(pages->currentIndex(), 2); // a drag merely passing over the tabs opens nothing
        QTRY_COMPARE_WITH_TIMEOUT(pages->currentWidget()->objectName(), QStringLiteral("TabEquipe"), 3000);
    }

    void mnemonicsAreUnique_data()
    {
        QTest::addColumn<QString>("langue");
        QTest::newRow("Francais") << QStringLiteral("Francais");
        QTest::newRow("English") << QStringLiteral("English");
    }
    void mnemonicsAreUnique()
    {
        // Alt plus a letter reaches one thing only: the menus and every button of the window.
        QFETCH(QString, langue);
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), langue);
        auto form = start(folder);
        QHash<QChar, QString> seen;
        auto check = [&seen](const QString &text) {
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(?<!&)&([^&])")).match(text);
            if (!m.hasMatch())
                return;
            const QChar key = m.captured(1).at(0).toLower();
            QVERIFY2(!seen.contains(key), qPrintable(seen.value(key) + QStringLiteral(" / ") + text));
            seen.insert(key, text);
        };
        for (QAction *menu : form->menuBar()->actions())
            check(menu->text());
        for (QAbstractButton *button : form->findChildren<QAbstractButton *>())
            if (button->window() == form.get()) // the player windows have their own
                check(button->text());
        QVERIFY(seen.size() >= 6);
    }

    void statusTextsReadWhole()
    {
        // English, the longer language: every hint fits its panel, and a long message fits
        // the message panel without being cut.
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("English"));
        auto form = start(folder);
        auto *hintPanel = child<QLabel>(form.get(), "StatusPanel1");
        for (QAction *a : form->findChildren<QAction *>()) {
            if (a->statusTip().isEmpty())
                continue;
            QVERIFY2(hintPanel->fontMetrics().horizontalAdvance(a->statusTip()) <= hintPanel->contentsRect().width(),
                     qPrintable(a->statusTip()));
        }
        const QString message = QStringLiteral("players.xml: player 12 (Jean-Baptiste Delacroix): element PassingSkill "
                                               "is not an integer: \"abc\"");
        ErrorHandler::report(message);
        QCOMPARE(child<QLabel>(form.get(), "LMessage")->text(), message);
    }

    // In each language the online panels stand left of the status picture beside the whole
    // version text; the session's state words and a connection to a usual address read whole,
    // and any text too wide for its panel is cut in the middle and read whole when pointed at.
    void onlinePanelsFitTheirTexts()
    {
        for (const char *language : {"Francais", "English"}) {
            ProgramFolder folder;
            folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QLatin1String(language));
            auto form = start(folder);
            auto *bar = form->findChild<MainStatusBar *>();
            QVERIFY(bar);
            auto *session = child<QLabel>(form.get(), "StatusPanel2");
            auto *step = child<QLabel>(form.get(), "StatusPanel3");
            auto readable = [](const QLabel *panel, const QString &text) {
                return panel->text() == text ? panel->toolTip().isEmpty()
                                             : panel->text().contains(QChar(0x2026)) && panel->toolTip() == text;
            };
            for (const QString &text : TeamDownload::stepFieldTexts()) {
                bar->setStepText(text);
                QVERIFY2(readable(step, text), qPrintable(text));
            }
            for (const QString &text : {vocab(QStringLiteral("MSG_NOT_CONNECTED_PANEL")),
                                        vocab(QStringLiteral("MSG_TRYING_TO_CONNECT")).arg(QString()),
                                        vocab(QStringLiteral("MSG_CONNECTED_TO")).arg(QStringLiteral("http://127.0.0.1:8080"))}) {
                bar->setSessionText(text);
                QCOMPARE(session->text(), text);
            }
            const QString far = vocab(QStringLiteral("MSG_CONNECTED_TO"))
                                    .arg(QStringLiteral("http://session-server-with-a-very-long-name.example.org:8080"));
            bar->setSessionText(far);
            QVERIFY2(readable(session, far) && session->text() != far, qPrintable(session->text()));
            int right = 0;
            for (int i = 0; i < 5; ++i)
                right += child<QLabel>(form.get(), qPrintable(QStringLiteral("StatusPanel%1").arg(i)))->width();
            QVERIFY(right <= child<QLabel>(form.get(), "Image1")->x());
        }
    }

    void malformedFilesShowTheirMessage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("players") << QStringLiteral("players.xml");
        QTest::newRow("match orders") << QStringLiteral("MatchOrders.xml");
    }
    void malformedFilesShowTheirMessage()
    {
        QFETCH(QString, file);
        ProgramFolder folder;
        writeFile(folder.path(QStringLiteral("xml/") + file), "<VelmorraData><Version>1.2.1</Version><Team>");
        const auto before = snapshot(folder.path());
        auto form = start(folder);
        QVERIFY(form->startUpDone());
        QVERIFY(!form->loadingDone());
        QVERIFY2(form->statusMessage().contains(file), qPrintable(form->statusMessage()));
        QVERIFY(!child<BusyLed>(form.get(), "Led")->isBusy());
        QCOMPARE(snapshot(folder.path()), before);
    }

    void rechargeReportsABrokenOrdersFile()
    {
        ProgramFolder folder;
        auto form = start(folder);
        writeFile(folder.path(QStringLiteral("xml/MatchOrders.xml")), "not xml");
        const auto before = snapshot(folder.path());
        form->boardView()->rechargeButton()->click();
        QVERIFY2(form->statusMessage().contains(QStringLiteral("MatchOrders.xml")), qPrintable(form->statusMessage()));
        QCOMPARE(snapshot(folder.path()), before);
        // The roster stays usable.
        QVERIFY(action(form.get(), "Calcule")->isEnabled());
    }

    void versionWarningShowsOverTheMainWindow()
    {
        ProgramFolder folder;
        QByteArray team = readFile(folder.path(QStringLiteral("xml/Team.xml")));
        const qsizetype at = team.indexOf("<Version>");
        QVERIFY(at >= 0);
        team.replace(at, team.indexOf("</Version>") - at, "<Version>9.9");
        writeFile(folder.path(QStringLiteral("xml/Team.xml")), team);

        QString title, text;
        QWidget *boxParent = nullptr;
        auto *closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                boxParent = box->parentWidget();
                box->accept();
            }
        });
        closer->start(20);
        auto form = start(folder);
        closer->stop();
        QCOMPARE(title, QStringLiteral("Attention"));
        QVERIFY(text.contains(QStringLiteral("XML")));
        QCOMPARE(boxParent, form.get());
        // The start-up goes on after the warning.
        QVERIFY(form->loadingDone());
        QCOMPARE(form->model().board().state().placement(LineupSlots::Keeper), 289902275);
    }

    void hotKeyFromTheSettings()
    {
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("HotKey"), QStringLiteral("Ctrl+Shift+F9"));
        auto form = start(folder);
        auto *hotKey = child<GlobalHotKey>(form.get(), "HotKey");
        QCOMPARE(hotKey->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F9));
        Board &board = form->model().board();
        board.clearPressed();
        emit hotKey->activated();
        QVERIFY(board.state().placement(LineupSlots::Keeper) != -1);
    }

    void errorHandlerRestoresTheCursor()
    {
        ProgramFolder folder;
        auto form = start(folder);
        auto *led = child<BusyLed>(form.get(), "Led");
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        led->setBusy(true);
        const bool ok = ErrorHandler::guarded([] { throw AppError(QStringLiteral("Lecture impossible")); });
        QVERIFY(!ok);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!led->isBusy());
        QCOMPARE(form->statusMessage(), QStringLiteral("Lecture impossible"));
        QVERIFY(child<QLabel>(form.get(), "LMessage")->text().contains(QStringLiteral("Lecture impossible")));
    }

    void startsInTheChosenLanguage()
    {
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("English"));
        QFile::remove(folder.path(QStringLiteral("xml/players.xml")));
        auto form = start(folder);
        auto *pages = child<QTabWidget>(form.get(), "PageControl");
        QCOMPARE(pages->tabText(0), QStringLiteral("Team"));
        QCOMPARE(action(form.get(), "Calcule")->text(), QStringLiteral("Calculate"));
        QCOMPARE(child<QCheckBox>(form.get(), "chkBlesse")->text(), QStringLiteral("Ignore injuries"));
        QCOMPARE(child<QComboBox>(form.get(), "cbLieu")->itemText(1), QStringLiteral("Away"));
        QCOMPARE(nameTables().levelName(20), QStringLiteral("divine"));
        // The board's captions too, down to the team figures panel.
        QCOMPARE(child<QLabel>(form.get(), "LGardien")->text(), QStringLiteral("Keeper"));
        QCOMPARE(child<QLabel>(form.get(), "LTitreDefenseCentrale")->text(), QStringLiteral("Central defence:"));
        QVERIFY2(form->statusMessage().startsWith(QStringLiteral("Players file not found")),
                 qPrintable(form->statusMessage()));
        QVERIFY(child<QLabel>(form.get(), "StatusPanel4")->text().endsWith(QStringLiteral("unofficial tool")));
    }

    void switchesFromFrenchToEnglishAndBack()
    {
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("Francais"));
        auto form = start(folder);
        auto *pages = child<QTabWidget>(form.get(), "PageControl");
        auto *lieu = child<QComboBox>(form.get(), "cbLieu");
        QCOMPARE(pages->tabText(0), QStringLiteral("Equipe"));

        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("English"));
        form->loadLanguage();
        QCOMPARE(pages->tabText(0), QStringLiteral("Team"));
        QCOMPARE(action(form.get(), "Calcule")->text(), QStringLiteral("Calculate"));
        QCOMPARE(lieu->itemText(1), QStringLiteral("Away"));
        QCOMPARE(vocab(QStringLiteral("GARDIEN")), QStringLiteral("Keeper"));
        // Entries are kept: only their texts change.
        QCOMPARE(lieu->count(), 2);

        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("Francais"));
        form->loadLanguage();
        QCOMPARE(pages->tabText(0), QStringLiteral("Equipe"));
        QCOMPARE(action(form.get(), "Calcule")->text(), QStringLiteral("Calcule"));
        QCOMPARE(lieu->itemText(1), QString::fromUtf8("Extérieur"));
        QCOMPARE(vocab(QStringLiteral("GARDIEN")), QStringLiteral("Gardien de but"));
        QCOMPARE(child<QLabel>(form.get(), "LTitreDefenseCentrale")->text(), QString::fromUtf8("Défense centrale :"));
    }

    // Options > Settings, English, Ok: the board keeps the lineup the manager composed, in English.
    void languageChangeInTheSettingsKeepsTheBoard()
    {
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), QStringLiteral("Francais"));
        auto form = start(folder);
        Board &board = form->model().board();
        board.behaviourPicked(LineupSlots::CentralDefender1, 3);
        board.conditionPicked(Board::Tactique, 3);
        const LineupState before = board.state();
        const QString velstats = board.text(QStringLiteral("LVelstats"));
        const QString keeper = board.text(QStringLiteral("cbGardien"));
        QVERIFY(!keeper.isEmpty());

        bool chosen = false;
        std::function<void(int)> chooseEnglish = [&](int tries) {
            QTimer::singleShot(25, [&, tries] {
                QWidget *dialog = QApplication::activeModalWidget();
                if (!dialog || dialog->objectName() != QLatin1String("FrmParam")) {
                    if (tries > 0)
                        chooseEnglish(tries - 1);
                    return;
                }
                auto *langue = child<QComboBox>(dialog, "cbLangue");
                const int english = langue->findText(QStringLiteral("English"));
                langue->setCurrentIndex(english);
                emit langue->activated(english);
                chosen = english >= 0;
                child<QPushButton>(dialog, "BOK")->click();
            });
        };
        chooseEnglish(200);
        action(form.get(), "Parameters")->trigger();
        QVERIFY(chosen);

        for (int place = LineupSlots::kFirstPlace; place <= LineupSlots::kLastPlace; ++place) {
            QCOMPARE(board.state().slotEntry(place), before.slotEntry(place));
            QCOMPARE(board.state().behaviourEntry(place), before.behaviourEntry(place));
        }
        for (int c = 0; c < Board::kConditionCount; ++c)
            QCOMPARE(board.state().condition(Board::Condition(c)), before.condition(Board::Condition(c)));
        QCOMPARE(board.state().captainEntry(), before.captainEntry());
        QCOMPARE(board.state().setPiecesEntry(), before.setPiecesEntry());
        QCOMPARE(child<QComboBox>(form.get(), "cbGardien")->currentText(), keeper);
        QCOMPARE(child<QComboBox>(form.get(), "cbDC1")->currentText(), QStringLiteral("Inner midfielder"));
        QCOMPARE(child<QLabel>(form.get(), "LVelstats")->text(), velstats);
        QCOMPARE(child<QLabel>(form.get(), "LabelTactique")->text(), QStringLiteral("Attack in the middle"));
    }

    void unknownLanguageKeepsTheFrenchTexts_data()
    {
        QTest::addColumn<QString>("langue");
        QTest::newRow("no such file") << "Klingon";
        QTest::newRow("extension given twice") << "English.lng";
        QTest::newRow("empty") << "";
    }
    void unknownLanguageKeepsTheFrenchTexts()
    {
        QFETCH(QString, langue);
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), langue);
        auto form = start(folder);
        QVERIFY(form->loadingDone());
        QCOMPARE(child<QTabWidget>(form.get(), "PageControl")->tabText(0), QStringLiteral("Equipe"));
        QCOMPARE(child<QCheckBox>(form.get(), "chkBlesse")->text(), QStringLiteral("Ne pas tenir compte des blessures"));
    }

    void playerWindowsFromTheCommands_data()
    {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("trialTitle");
        QTest::addColumn<QString>("detailTitle");
        QTest::newRow("French") << "Francais" << "Essais" << QString::fromUtf8("Détail du joueur");
        QTest::newRow("English") << "English" << "Trials" << "Player details";
    }
    void playerWindowsFromTheCommands()
    {
        QFETCH(QString, langue);
        QFETCH(QString, trialTitle);
        QFETCH(QString, detailTitle);
        ProgramFolder folder;
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("langue"), langue);
        folder.setIni(QStringLiteral("defaut"), QStringLiteral("ontop"), QStringLiteral("yes"));
        auto form = start(folder);

        // Each modal window is looked at and closed as soon as it runs.
        QStringList shown;
        QList<bool> onTop;
        auto *closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                shown << dialog->objectName() + QLatin1Char('/') + dialog->windowTitle();
                onTop << dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                dialog->reject();
            }
        });
        closer->start(20);
        action(form.get(), "Test")->trigger();
        const int record = form->model().listRows().value(3);
        emit form->rosterView()->detailRequested(record);
        closer->stop();
        QCOMPARE(shown, QStringList({QStringLiteral("FPlayerTest/") + trialTitle,
                                     QStringLiteral("FPlayerDetail/") + detailTitle}));
        QCOMPARE(onTop, QList<bool>({true, true}));
        QCOMPARE(form->findChild<TFPlayerDetail *>()->detailPlayer(), record);
    }

    void hintsGoToTheHintPanel()
    {
        ProgramFolder folder;
        auto form = start(folder);
        QAction *download = action(form.get(), "download");
        QCOMPARE(download->toolTip(), QStringLiteral("Télécharger fichier KDX"));
        QCOMPARE(download->statusTip(), QStringLiteral("téléchargement fichier KDX"));
        QVERIFY(download->isEnabled());
        QCOMPARE(action(form.get(), "Calcule")->toolTip(), QStringLiteral("calcule la meilleure équipe"));
        QCOMPARE(action(form.get(), "Calcule")->statusTip(), QStringLiteral("calcule la meilleure équipe"));
        QStatusTipEvent tip(QStringLiteral("téléchargement fichier KDX"));
        QApplication::sendEvent(form.get(), &tip);
        QCOMPARE(child<QLabel>(form.get(), "StatusPanel1")->text(), QStringLiteral("téléchargement fichier KDX"));
    }

    // With a stored code the command runs without the dialog and shows the new roster. A failed
    // run before it leaves the status bar telling the failure and the state as it is, the progress
    // back at 0, and the next run logs in afresh instead of using a dead session.
    void downloadWithStoredCode()
    {
        ProgramFolder folder;
        FakeGameServer server;
        QVERIFY(server.listen());
        server.serveFolder(folder.path("xml"));
        server.bodies["players"].replace("<PlayerName>", "<PlayerName>Neu");
        server.failStep = QStringLiteral("matches");
        IniFile ini(folder.path("SQW.ini"));
        ini.writeString("online", "GameHost", server.host());
        ini.writeString("user", "UserName", server.user);
        ini.writeString("user", "SecurityPassword", server.code);
        auto form = start(folder);
        QLabel *session = child<QLabel>(form.get(), "StatusPanel2");
        QLabel *step = child<QLabel>(form.get(), "StatusPanel3");
        action(form.get(), "download")->trigger();
        QCOMPARE(session->text(), QStringLiteral("Non connecté !"));
        QCOMPARE(step->text(), QStringLiteral("Échec : matchs"));
        QVERIFY2(step->toolTip().contains("500"), qPrintable(step->toolTip()));
        QVERIFY2(form->statusMessage().contains("matchs"), qPrintable(form->statusMessage()));
        QCOMPARE(child<QProgressBar>(form.get(), "ProgressBar1")->value(), 0);
        QVERIFY(!form->model().roster().players[0].PlayerName.startsWith(QLatin1String("Neu")));

        server.failStep.clear();
        action(form.get(), "download")->trigger();
        QCOMPARE(server.steps().count(QStringLiteral("login")), 2);
        QCOMPARE(server.steps().last(), QStringLiteral("logout"));
        QVERIFY(form->model().roster().players[0].PlayerName.startsWith(QLatin1String("Neu")));
        QCOMPARE(session->text(), QStringLiteral("déconnecté"));
        QVERIFY(step->toolTip().isEmpty());
        QVERIFY(action(form.get(), "download")->isEnabled());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
