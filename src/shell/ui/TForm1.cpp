#include "shell/ui/TForm1.h"
#include "common/ui/DisplayText.h"

#include "evaluation/ui/RosterListView.h"
#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "lineup/LineupSlots.h"
#include "lineup/ui/LineupBoardView.h"
#include "platform/ProgramInfo.h"
#include "shell/LanguageFile.h"
#include "shell/ui/WidgetLanguageApplier.h"
#include "platform/ui/GlobalHotKey.h"
#include "platform/ui/KeepOnTop.h"
#include "common/NumberText.h"
#include "common/Vocabulary.h"
#include "shell/ui/MainStatusBar.h"
#include "shell/ui/SecondaryWindows.h"
#include "shell/ui/SetupPageView.h"
#include "shell/ui/DragHoverTabs.h"
#include "common/ui/ErrorHandler.h"
#include "online/OnlineRun.h"
#include "online/ui/TFrmConnect.h"
#include "about/AboutModel.h"
#include "about/TmGetNewVer.h"
#include "about/ui/MessageBoxPrompt.h"
#include "about/ui/TFApropos.h"
#include "platform/ui/DesktopOpen.h"
#include "settings/ui/TFConfiguration.h"
#include "settings/ui/TFrmParam.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 841;
constexpr int kClientHeight = 563;

QString plainText(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

TForm1::TForm1(const QString &programFolder, QWidget *parent)
    : TForm1(ProgramPaths::inOneFolder(programFolder), parent)
{
}

TForm1::TForm1(const ProgramPaths &paths, QWidget *parent)
    : QMainWindow(parent), m_model(paths), m_windows(this, m_model.paths().resourceFolder()),
      m_open(DesktopOpen::opener())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Squadwright"));
    // Fixed border with system menu and minimise button: no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The window icon is the application's (set by the program), as in the desktop's menu.

    createActions();
    createPages();
    createStatusBar();

    // The client area below the menu bar is 841 x 563, as the board's pixel layout expects.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(&m_model, &MainModel::busyChanged, this, &TForm1::setBusy);
    connect(&m_model, &MainModel::commandStateChanged, this,
            [this] { m_calcule->setEnabled(m_model.calculeEnabled()); });
    connect(&m_model, &MainModel::startUpVersionChecked, this, &TForm1::onVersionChecked);
    connect(&m_model, &MainModel::startUpRosterLoaded, this, &TForm1::onRosterLoaded);
    // A lost setting is never silent.
    connect(&m_model, &MainModel::settingsWriteFailed, this, [this](const QString &key) {
        showStatusMessage(vocab(QStringLiteral("ERRORSETTINGSWRITE"))
                              .arg(key, QDir::toNativeSeparators(m_model.settings().path())));
    });
    m_calcule->setEnabled(m_model.calculeEnabled());
    m_setup->repaint();
    refreshLookupLists();
}

TForm1::~TForm1() = default;

// ---- building ---------------------------------------------------------------------------------

// The commands: menus, tool bar and hints from one table. The captions and hints are the French
// texts the language file translates by the object name; the tool bar picture is
// img/tb_<name>.png of the resource folder.
void TForm1::createActions()
{
    enum Menu { Fichier, Internet, Action, Options, Aide };
    static const struct {
        const char *name;
        const char *title;
    } kMenus[] = {{"Fichier1", "&Fichier"}, {"Internet1", "&Internet"}, {"Action1", "A&ction"},
                  {"Options1", "&Options"}, {"Aide1", "&Aide"}};
    constexpr int kNoGroup = -1;
    struct Row {
        const char *name;
        const char *caption;
        const char *hint;
        Menu menu;
        bool separatorBefore; // in the menu
        int toolGroup;        // tool bar groups stand apart, in their order
        QAction *TForm1::*member;
        void (TForm1::*run)();
    };
    static const Row kRows[] = {
        {"quitter", "&Quitter", "", Fichier, true, 0, nullptr, &TForm1::quitterExecute},
        {"download", "&Télécharger fichier KDX", "Télécharger fichier KDX|téléchargement fichier KDX", Internet, false,
         0, &TForm1::m_download, &TForm1::downloadExecute},
        {"Calcule", "Calcule", "calcule la meilleure équipe", Action, false, 2, &TForm1::m_calcule,
         &TForm1::CalculeExecute},
        {"Optimum", "Composition optimale", "la composition d'évaluation la plus haute, prouvée", Action, false, 2,
         &TForm1::m_optimum, &TForm1::OptimumExecute},
        {"Test", "Tests", "", Action, false, 2, nullptr, &TForm1::TestExecute},
        {"RechargeCompoXML", "&Recharge XML", "", Action, false, kNoGroup, &TForm1::m_recharge,
         &TForm1::RechargeCompoXMLExecute},
        // triggered (not toggled): the start-up's own setting of the check mark stores nothing.
        {"OnTop", "Toujours &Visible", "", Options, false, kNoGroup, &TForm1::m_onTop, &TForm1::OnTopExecute},
        {"Parameters", "&Paramètres", "", Options, true, 1, nullptr, &TForm1::ParametersExecute},
        {"Apropos", "A &Propos de...", "A propos de ...|A Propos de...", Aide, false, 3, nullptr,
         &TForm1::AproposExecute},
        {"Check_Updates", "Rechercher les mises à &jour", "Rechercher les mises à jour", Aide, false, 3,
         &TForm1::m_checkUpdates, &TForm1::Check_UpdatesExecute},
        {"DocVelmorra", "Doc. Velmorra", "", Aide, false, 3, nullptr, &TForm1::DocVelmorraExecute},
    };

    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *menus[std::size(kMenus)] = {};
    QList<QAction *> groups[4];
    for (const Row &row : kRows) {
        auto *action = new QAction(QString::fromUtf8(row.caption), this);
        action->setObjectName(QLatin1String(row.name));
        if (*row.hint)
            WidgetLanguageApplier::setHint(action, QString::fromUtf8(row.hint));
        // A missing picture leaves the button without an icon; the tool tip still names it.
        const QString icon = m_model.paths().resourcePath(QStringLiteral("img/tb_%1.png").arg(QLatin1String(row.name)));
        if (QFile::exists(icon))
            action->setIcon(QIcon(icon));
        if (row.member)
            this->*row.member = action;
        connect(action, &QAction::triggered, this, row.run);

        QMenu *&menu = menus[row.menu];
        if (!menu) {
            menu = bar->addMenu(QString::fromUtf8(kMenus[row.menu].title));
            menu->setObjectName(QLatin1String(kMenus[row.menu].name));
        }
        if (row.separatorBefore)
            menu->addSeparator();
        menu->addAction(action);
        if (row.toolGroup != kNoGroup)
            groups[row.toolGroup] << action;
    }
    m_onTop->setCheckable(true);
    connect(m_calcule, &QAction::changed, this, [this] { m_optimum->setEnabled(m_calcule->isEnabled()); });

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ActionToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->setIconSize(QSize(20, 20));
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const QList<QAction *> &group : groups) {
        if (!toolBar->actions().isEmpty())
            toolBar->addSeparator();
        toolBar->addActions(group);
    }
    addToolBar(Qt::TopToolBarArea, toolBar);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TForm1::createPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    m_pages->setDocumentMode(false);

    // "Equipe": the pitch, the substitutes under it, the team figures beside it.
    m_tabEquipe = new QWidget;
    m_tabEquipe->setObjectName(QStringLiteral("TabEquipe"));
    m_boardView = new LineupBoardView(m_model.board(), m_model.paths().resourcePath(QStringLiteral("img/")), m_tabEquipe);
    // The view puts the substitutes under the pitch (same left edge) and the figures at its
    // right, on this page; the figures and the buttons then follow the active page.
    m_pinfosPos = m_boardView->infoPanel()->pos();
    m_boardButtonsPos = QPoint(m_boardView->clearButton()->x(), m_boardView->calculeButton()->y());
    m_boardButtonsStep = m_boardView->optimumButton()->y() - m_boardView->calculeButton()->y();
    WidgetLanguageApplier::setHint(m_boardView->calculeButton(), QStringLiteral("calcule la meilleure équipe"));
    WidgetLanguageApplier::setHint(m_boardView->optimumButton(),
                                   QStringLiteral("la composition d'évaluation la plus haute, prouvée"));
    connect(m_boardView, &LineupBoardView::calculeRequested, m_calcule, &QAction::trigger);
    connect(m_boardView, &LineupBoardView::optimumRequested, m_optimum, &QAction::trigger);
    connect(m_optimum, &QAction::changed, this,
            [this] { m_boardView->optimumButton()->setEnabled(m_optimum->isEnabled()); });
    connect(m_boardView, &LineupBoardView::rechargeRequested, m_recharge, &QAction::trigger);
    connect(m_calcule, &QAction::changed, this,
            [this] { m_boardView->calculeButton()->setEnabled(m_calcule->isEnabled()); });
    m_boardView->calculeButton()->setEnabled(m_calcule->isEnabled());
    m_boardView->optimumButton()->setEnabled(m_optimum->isEnabled());
    m_pages->addTab(m_tabEquipe, QStringLiteral("Equipe"));

    m_setup = new SetupPageView(m_model.board());
    m_pages->addTab(m_setup, QStringLiteral("Paramètres de calcul"));

    // "Joueurs": the roster list fills the page.
    m_tabJoueurs = new QWidget;
    m_tabJoueurs->setObjectName(QStringLiteral("TabJoueurs"));
    auto *joueursLayout = new QVBoxLayout(m_tabJoueurs);
    joueursLayout->setContentsMargins(4, 4, 4, 4);
    auto *gbJoueurs = new QGroupBox(QStringLiteral("Joueurs"), m_tabJoueurs);
    gbJoueurs->setObjectName(QStringLiteral("GbJoueurs"));
    auto *listLayout = new QVBoxLayout(gbJoueurs);
    listLayout->setContentsMargins(4, 4, 4, 4);
    m_rosterView = new RosterListView(m_model.rosterModel(), gbJoueurs);
    listLayout->addWidget(m_rosterView);
    joueursLayout->addWidget(gbJoueurs);
    connect(m_rosterView, &RosterListView::detailRequested, this, &TForm1::showDetail);
    m_pages->addTab(m_tabJoueurs, QStringLiteral("Joueurs"));
    // A roster row dragged over "Equipe" opens the board, where it can be dropped.
    new DragHoverTabs(m_pages->tabBar());

    setCentralWidget(m_pages);
    connect(m_pages, &QTabWidget::currentChanged, this,
            [this](int index) { ErrorHandler::guarded([this, index] { PageControlChange(index); }); });
    PageControlChange(m_pages->currentIndex());
}

void TForm1::createStatusBar()
{
    m_status = new MainStatusBar(kClientWidth, m_model.paths().resourcePath(QStringLiteral("img/status.png")), this);
    setStatusBar(m_status);
    m_status->setSessionText(vocab(QStringLiteral("MSG_NOT_CONNECTED_PANEL")));
}

// ---- events -----------------------------------------------------------------------------------

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        // Right after the window appears, so that a message box of the start-up work shows
        // over the main window.
        QTimer::singleShot(0, this, &TForm1::FormShow);
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The options are saved when possible; closing is never refused, and a failure goes to
    // the status bar.
    ErrorHandler::guarded([this] { m_model.saveOptions(); });
    logoutAtClose();
    m_windows.closeAll();
    event->accept();
}

// ---- start-up ---------------------------------------------------------------------------------

void TForm1::FormShow()
{
    ErrorHandler::guarded([this] {
        m_pages->setCurrentWidget(m_tabEquipe);

        // First run: the setup wizard, then the marker is taken away whatever the wizard's
        // end, so that it asks only once.
        const QString marker = m_model.paths().markerFilePath();
        if (QFile::exists(marker)) {
            m_firstRunMarkerFound = true;
            runSetupWizard();
            if (!QFile::remove(marker))
                showStatusMessage(vocab(QStringLiteral("ERRORSETTINGSWRITE"))
                                      .arg(QFileInfo(marker).fileName(), QDir::toNativeSeparators(marker)));
        }

        m_status->setSessionText(vocab(QStringLiteral("MSG_NOT_CONNECTED_PANEL")));
        m_status->setVersionText(QStringLiteral("SQW version ") + ProgramInfo::version() + m_setup->messageText("LMsgNotice"));
        m_programDate = ProgramInfo::fileDate(QCoreApplication::applicationFilePath());
        const QString clearPicture = m_model.paths().resourcePath(QStringLiteral("img/tb_clear.png"));
        if (QFile::exists(clearPicture))
            m_boardView->clearButton()->setIcon(QIcon(clearPicture));

        loadLanguage();
        m_model.startUp();
        refreshLookupLists();
        reportMissingData();
        // What the start mended in the folders is said once, beside what the data report said.
        const QString mended = m_model.tidy().notices().join(QLatin1Char(' '));
        if (!mended.isEmpty())
            showStatusMessage(statusMessage().isEmpty() ? mended : statusMessage() + QStringLiteral(" — ") + mended);
        if (m_aboutProblems && m_about && !m_about->loadProblems().isEmpty())
            showStatusMessage(statusMessage().isEmpty() ? m_about->loadProblems()
                                                      : statusMessage() + QStringLiteral(" — ") + m_about->loadProblems());
    });
    m_startUpDone = true;
    emit startUpFinished();
}

void TForm1::loadLanguage()
{
    const QString name = m_model.settings().langue();
    m_loadedLanguage = name;
    const QString path = LanguageFile::languageFilePath(m_model.paths().resourceFolder(), name);
    // No such file (an empty name, a name already ending in ".lng"): the texts stay as they are.
    LanguageFile file;
    if (!path.isEmpty() && file.load(path)) {
        LanguageFile::followQtTranslations(path);
        m_model.applyLanguage(file);
        WidgetLanguageApplier::apply(file, m_windows.all());
    }
    // The first language of a run comes before the board is filled; a later change keeps the
    // lineup the manager composed and only shows it in the new words.
    if (!m_startUpDone)
        m_model.board().edit()->reset();
    refreshLookupLists();
    m_status->setVersionText(QStringLiteral("SQW version ") + ProgramInfo::version() + m_setup->messageText("LMsgNotice"));
    // Without a session the panel says so in the new language; a session's own text stays
    // until the session next changes it.
    if (!m_connectDialog || !m_connectDialog->session().connected())
        m_status->setSessionText(vocab(QStringLiteral("MSG_NOT_CONNECTED_PANEL")));
}

void TForm1::onVersionChecked()
{
    if (!m_model.versionCheck().passed) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Attention"),
                        displayText(vocab(QStringLiteral("ERRORXMLFILES"))), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("VersionWarning"));
        box.exec();
    }
    registerHotKey();
}

void TForm1::onRosterLoaded()
{
    m_rosterView->fill();
    setOnTop(m_model.storedOnTop(), false);
}

void TForm1::registerHotKey()
{
    if (!m_hotKey) {
        m_hotKey = new GlobalHotKey(this);
        m_hotKey->setObjectName(QStringLiteral("HotKey"));
        connect(m_hotKey, &GlobalHotKey::activated, m_calcule, &QAction::trigger);
    }
    // System-wide where the desktop allows it; a standard editing shortcut such as the
    // default Ctrl+C works only inside the program's windows. A text naming no combination
    // leaves the command without a hot key.
    m_hotKey->setShortcut(m_model.hotKeyText());
}

void TForm1::reportMissingData()
{
    const StartUpNotice notice = m_model.startUpNotice();
    switch (notice.kind) {
    case StartUpNotice::None:
        return;
    case StartUpNotice::UserFolders:
        return showStatusMessage(vocab(QStringLiteral("MSG_USER_FOLDERS")).arg(notice.detail));
    case StartUpNotice::NoDataFolder:
        return showStatusMessage(m_setup->messageText("LMsgNoDataFolder").arg(notice.detail));
    case StartUpNotice::NoPlayersFile:
        return showStatusMessage(m_setup->messageText("LMsgNoPlayersFile").arg(notice.detail));
    case StartUpNotice::LoadWarnings:
        return showStatusMessage(notice.detail);
    }
}

void TForm1::refreshLookupLists() { m_setup->refreshLookupLists(); }

// ---- commands ---------------------------------------------------------------------------------

void TForm1::CalculeExecute()
{
    ErrorHandler::guarded([this] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_pages->setCurrentWidget(m_tabEquipe);
        setBusy(true);
        const Board::CalculeResult result = m_model.calcule();
        setBusy(false);
        QApplication::restoreOverrideCursor();
        if (!result.unfilled.isEmpty())
            showStatusMessage(placesEmptyMessage(result.unfilled));
    });
}

QString TForm1::placesEmptyMessage(const QList<int> &unfilled) const
{
    QStringList places;
    for (int place : unfilled)
        places << placeCaption(place);
    return m_setup->messageText("LMsgPlacesVides").arg(places.join(QStringLiteral(", ")));
}

void TForm1::OptimumExecute()
{
    ErrorHandler::guarded([this] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_pages->setCurrentWidget(m_tabEquipe);
        setBusy(true);
        const MainModel::OptimumOutcome outcome = m_model.optimalLineup();
        setBusy(false);
        QApplication::restoreOverrideCursor();
        if (!outcome.found)
            return;
        const double e = m_model.board().figures().E;
        const QString point = vocab(QStringLiteral("DECIMAL_SEPARATOR"));
        auto gain = [&point](double d) { return (d >= 0 ? QStringLiteral("+") : QString()) + NumberText::decimal(d, point); };
        // The proven message has no place for the bound: give each text only what it shows.
        const QString reached = NumberText::decimal(e, point);
        const QString overBoard = gain(e - outcome.startEvaluation);
        const QString overCalcule = gain(e - outcome.greedyEvaluation);
        QString message = outcome.proven ? m_setup->messageText("LMsgOptimum").arg(reached, overBoard, overCalcule)
                                         : m_setup->messageText("LMsgOptimumOpen").arg(reached, overBoard, overCalcule,
                                                                        QString::number(outcome.bound));
        if (!outcome.unfilled.isEmpty())
            message += QStringLiteral(" — ") + placesEmptyMessage(outcome.unfilled);
        showStatusMessage(message);
    });
}

void TForm1::TestExecute()
{
    ErrorHandler::guarded([this] {
        if (m_playerTest)
            m_playerTest->exec();
    });
}

void TForm1::RechargeCompoXMLExecute()
{
    ErrorHandler::guarded([this] { m_model.rechargeCompoXML(); });
}

void TForm1::OnTopExecute()
{
    // triggered has already turned the mark.
    ErrorHandler::guarded([this] { setOnTop(m_onTop->isChecked(), true); });
}

// ---- settings ---------------------------------------------------------------------------------

TFrmParam *TForm1::paramDialog()
{
    if (!m_paramDialog) {
        m_paramDialog = new TFrmParam(m_model.settings(), m_model.paths().resourceFolder(), this);
        m_paramDialog->onTopSource = [this] { return m_onTop->isChecked(); };
        m_paramDialog->hotKeySource = [this] {
            return m_hotKey ? m_hotKey->shortcut().toString(QKeySequence::PortableText) : m_model.hotKeyText();
        };
        connect(&m_paramDialog->model(), &ParamDialogModel::saved, this, &TForm1::applySavedSettings);
        connect(&m_paramDialog->model(), &ParamDialogModel::valuesClamped, this, [this](const QStringList &keys) {
            showStatusMessage(m_paramDialog->findChild<QLabel *>(QStringLiteral("LMsgClamped"))->text().arg(
                keys.join(QStringLiteral(", "))));
        });
        m_windows.addSpeaking(m_paramDialog, m_loadedLanguage);
    }
    return m_paramDialog;
}

void TForm1::ParametersExecute()
{
    ErrorHandler::guarded([this] {
        TFrmParam *dialog = paramDialog();
        // With OK the saving has already brought everything up to date.
        if (dialog->exec() != QDialog::Accepted)
            reloadAfterSettings(false);
    });
}

void TForm1::applySavedSettings()
{
    ErrorHandler::guarded([this] {
        registerHotKey();
        setOnTop(m_paramDialog->model().boxes().onTop, true);
        reloadAfterSettings(true);
        if (m_paramDialog->isVisible()) {
            m_paramDialog->raise();
            m_paramDialog->activateWindow();
        }
    });
}

void TForm1::reloadAfterSettings(bool language)
{
    // The same language again would change nothing: it is loaded again only when the user
    // chose another one.
    if (language && m_model.settings().langue() != m_loadedLanguage)
        loadLanguage();
    m_model.reloadFormulas();
    m_rosterView->fill();
}

void TForm1::runSetupWizard()
{
    TFConfiguration wizard(m_model.settings(), m_model.paths().resourceFolder(), this);
    // The wizard speaks the stored language, and the one the user picks as soon as it is picked.
    auto speak = [this, &wizard](const QString &name) { m_windows.speak(&wizard, name); };
    speak(m_model.settings().langue());
    connect(&wizard, &TFConfiguration::languageChosen, &wizard, speak);
    KeepOnTop::apply(&wizard, isOnTop());
    wizard.exec();
}

void TForm1::quitterExecute()
{
    ErrorHandler::guarded([this] { close(); });
}

// ---- about, documentation, updates --------------------------------------------------------------

TFApropos *TForm1::aboutWindow()
{
    if (!m_about) {
        m_about = new TFApropos(m_model.paths().resourceFolder(), [this](const QUrl &url) { return m_open && m_open(url); },
                                [this](const QString &message) {
                                    if (m_startUpDone)
                                        ErrorHandler::report(message);
                                },
                                this);
        m_windows.add(m_about);
        // A missing file is told at the end of the start-up, in the user's language. Created
        // after the start-up's language change, it takes the current language now.
        if (!m_startUpDone)
            m_aboutProblems = true;
        else
            m_windows.speak(m_about, m_model.settings().langue());
    }
    return m_about;
}

void TForm1::AproposExecute()
{
    ErrorHandler::guarded([this] {
        TFApropos *about = aboutWindow();
        about->setProgramInfo(ProgramInfo::version(), m_programDate);
        KeepOnTop::apply(about, isOnTop());
        about->exec();
    });
}

void TForm1::DocVelmorraExecute()
{
    ErrorHandler::guarded([this] {
        const QString problem = AboutModel::openDocumentation(m_model.paths().resourceFolder(), m_model.settings().file(), m_open);
        if (!problem.isEmpty())
            showStatusMessage(problem);
    });
}

// The question must not hide behind a window kept on top: the main window leaves the top while
// the check runs and takes it back afterwards as the on-top command says.
void TForm1::Check_UpdatesExecute()
{
    // The download keeps the windows alive: one check at a time.
    m_checkUpdates->setEnabled(false);
    KeepOnTop::apply(this, false);
    setBusy(true);
    ErrorHandler::guarded([this] {
        MessageBoxPrompt prompt(this);
        TmGetNewVer check(prompt, m_open);
        check.OnGetURL = [](TmGetNewVer &sender, const QString &currentVersion, const QString &) {
            if (currentVersion != sender.ownVersion)
                sender.DownloadDlg = true;
        };
        Settings &settings = m_model.settings();
        const ProxySettings proxy = settings.proxySettings();
        check.proxyHost = proxy.host;
        check.proxyPort = proxy.port;
        check.proxyUser = proxy.user;
        check.proxyPassword = proxy.password;
        bool minimise = false;
        if (check.configure(settings.updateHost(), m_model.paths().versionFilePath()))
            minimise = check.CheckForUpdate();
        const QString message = check.outcomeMessage();
        if (!message.isEmpty())
            showStatusMessage(message);
        if (minimise)
            showMinimized();
    });
    KeepOnTop::apply(this, m_onTop->isChecked());
    setBusy(false);
    m_checkUpdates->setEnabled(true);
}

void TForm1::showDetail(int record)
{
    ErrorHandler::guarded([this, record] {
        if (m_playerDetail)
            m_playerDetail->showPlayer(record);
    });
}

// ---- pages ------------------------------------------------------------------------------------

void TForm1::PageControlChange(int index)
{
    QWidget *page = m_pages->widget(index);
    QWidget *pinfos = m_boardView->infoPanel();
    if (page != m_tabEquipe && page != m_setup)
        return; // the roster page moves nothing
    // The figures keep their place at the right of the page.
    const bool shown = !pinfos->isHidden();
    if (pinfos->parentWidget() != page)
        pinfos->setParent(page);
    pinfos->move(m_pinfosPos);
    pinfos->setVisible(shown);
    if (page == m_tabEquipe) {
        placeBoardButtons(m_boardView, m_boardButtonsPos);
    } else {
        // Under the match conditions, right-aligned with them.
        const QRect conditions = m_setup->conditionsGeometry();
        placeBoardButtons(m_setup, QPoint(conditions.right() + 1 - m_boardView->clearButton()->width(),
                                             conditions.bottom() + 12));
    }
}

void TForm1::placeBoardButtons(QWidget *parent, QPoint calculePos)
{
    QPushButton *buttons[4] = {m_boardView->calculeButton(), m_boardView->optimumButton(),
                               m_boardView->rechargeButton(), m_boardView->clearButton()};
    const int step = m_boardButtonsStep;
    for (int i = 0; i < 4; ++i) {
        if (buttons[i]->parentWidget() != parent)
            buttons[i]->setParent(parent);
        // "Calcule", the optimal lineup and "Recharge XML" stand on the left edge of "Clear".
        buttons[i]->move(calculePos.x(), calculePos.y() + i * step);
        buttons[i]->show();
        buttons[i]->raise();
    }
}

// ---- views of the Board -----------------------------------------------------------------------

// ---- window state -----------------------------------------------------------------------------

void TForm1::addDialog(QWidget *dialog) { m_windows.add(dialog); }

void TForm1::setPlayerTestWindow(TFPlayerTest *window)
{
    m_playerTest = window;
    if (window)
        window->setOnTopSource([this] { return isOnTop(); });
    addDialog(window);
}

void TForm1::setPlayerDetailWindow(TFPlayerDetail *window)
{
    m_playerDetail = window;
    if (window)
        window->setOnTopSource([this] { return isOnTop(); });
    addDialog(window);
}

bool TForm1::isOnTop() const { return m_windows.isOnTop(); }

void TForm1::setOnTop(bool onTop, bool store)
{
    {
        const QSignalBlocker block(m_onTop);
        m_onTop->setChecked(onTop);
    }
    m_windows.setOnTop(onTop);
    if (store)
        m_model.storeOnTop(onTop);
}

void TForm1::setBusy(bool busy) { m_status->setBusy(busy); }

void TForm1::showStatusMessage(const QString &message) { m_status->showStatusMessage(message); }

QString TForm1::statusMessage() const { return m_status->lastMessage(); }

QString TForm1::placeCaption(int place) const
{
    if (!LineupSlots::isPlace(place))
        return QString::number(place);
    // The board's label, as the language file left it; its French text when there is none.
    const QLatin1String labelName(LineupSlots::placeLabelName(place));
    if (const auto *label = findChild<QLabel *>(labelName); label && !label->text().isEmpty())
        return plainText(label->text());
    return QString::fromUtf8(LineupSlots::placeCaption(place));
}

// ---- the online download --------------------------------------------------------------------

TFrmConnect *TForm1::connectDialog()
{
    if (!m_connectDialog) {
        m_connectDialog = new TFrmConnect(m_model.paths().resourceFolder(), ProgramInfo::version(), this);
        m_connectDialog->setDataFolder(m_model.folder().dataFolder());
        m_connectDialog->connectionSink = [this](const QString &text) { m_status->setSessionText(text); };
        m_connectDialog->stepSink = [this](const QString &text) { m_status->setStepText(text); };
        // Each run in the dialog lights the lamp, also one after an earlier failure put it out.
        m_connectDialog->busySink = [this](bool busy) { m_status->setBusy(busy); };
        m_windows.addSpeaking(m_connectDialog, m_model.settings().langue());
    }
    return m_connectDialog;
}

// With a stored (or earlier typed) security code the run needs no dialog; otherwise the dialog
// asks and runs it. Then the new roster and orders are shown. One run at a time.
void TForm1::downloadExecute()
{
    if (OnlineRun::underWay())
        return;
    m_download->setEnabled(false);
    m_status->setBusy(true);
    m_status->setStepReason(QString());
    TFrmConnect *dialog = nullptr;
    ErrorHandler::guarded([this, &dialog] {
        dialog = connectDialog();
        Settings &settings = m_model.settings();
        const ProxySettings proxy = settings.proxySettings();
        dialog->configure(settings.gameHost(), proxy.host, proxy.port, proxy.user, proxy.password);
        dialog->EUser()->setText(settings.userName());
        if (dialog->EPassword()->text().isEmpty())
            dialog->EPassword()->setText(settings.securityPassword());
        bool done = false;
        if (!dialog->EPassword()->text().isEmpty()) {
            done = dialog->runDownload();
        } else {
            dialog->setWindowFlag(Qt::WindowStaysOnTopHint, m_onTop->isChecked());
            done = dialog->exec() == QDialog::Accepted;
            if (done)
                settings.setUserName(dialog->EUser()->text());
        }
        if (!done)
            return;
        const DownloadResult &result = dialog->lastResult();
        if (QFile::exists(result.playersPath))
            m_model.chargePlayersXML(result.playersPath);
        m_model.rechargeCompoXML();
        if (!result.warnings.isEmpty())
            showStatusMessage(result.warnings.join(QLatin1Char(' ')));
    });
    // A failure stays readable after its message and the dialog are gone: the step field names
    // the failed step and tells the reason when pointed at; a failure seen only in the closed
    // dialog is told again here.
    if (dialog && !dialog->lastFailure().isEmpty()) {
        showStatusMessage(dialog->lastFailure());
        m_status->setStepReason(dialog->lastFailure());
    }
    m_status->setBusy(false);
    m_download->setEnabled(true);
}

void TForm1::logoutAtClose()
{
    if (m_connectDialog && m_connectDialog->session().connected())
        ErrorHandler::guarded([this] { m_connectDialog->session().logout(); });
}
