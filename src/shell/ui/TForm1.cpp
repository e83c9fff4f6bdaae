#include "shell/ui/TForm1.h"

#include "common/Vocabulary.h"
#include "common/ui/DisplayText.h"
#include "common/ui/ErrorHandler.h"
#include "evaluation/ui/RosterListView.h"
#include "evaluation/ui/TFPlayerDetail.h"
#include "evaluation/ui/TFPlayerTest.h"
#include "lineup/ui/LineupBoardView.h"
#include "online/ui/TFrmConnect.h"
#include "platform/ProgramInfo.h"
#include "platform/ui/GlobalHotKey.h"
#include "shell/LanguageFile.h"
#include "shell/ui/AssistantCommands.h"
#include "shell/ui/DownloadCommand.h"
#include "shell/ui/HelpCommands.h"
#include "shell/ui/LineupCommands.h"
#include "shell/ui/MainPages.h"
#include "shell/ui/MainStatusBar.h"
#include "shell/ui/SettingsCommands.h"
#include "shell/ui/SetupPageView.h"
#include "shell/ui/WidgetLanguageApplier.h"

#include <QAction>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kClientWidth = 841;
constexpr int kClientHeight = 563;
} // namespace

TForm1::TForm1(const QString &programFolder, QWidget *parent)
    : TForm1(ProgramPaths::inOneFolder(programFolder), parent)
{
}

TForm1::TForm1(const ProgramPaths &paths, QWidget *parent)
    : QMainWindow(parent), m_model(paths), m_windows(this, m_model.language())
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
    createCommands();

    // The client area below the menu bar is 841 x 563, as the board's pixel layout expects.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(&m_model, &MainModel::busyChanged, this, &TForm1::setBusy);
    connect(&m_model, &MainModel::commandStateChanged, this,
            [this] { m_actions.calcule->setEnabled(m_model.calculeEnabled()); });
    connect(&m_model, &MainModel::startUpVersionChecked, this, &TForm1::onVersionChecked);
    connect(&m_model, &MainModel::startUpRosterLoaded, this, &TForm1::onRosterLoaded);
    // A lost setting is never silent.
    connect(&m_model, &MainModel::settingsWriteFailed, this, [this](const QString &key) {
        showStatusMessage(vocab(QStringLiteral("ERRORSETTINGSWRITE"))
                              .arg(key, QDir::toNativeSeparators(m_model.settings().path())));
    });
    m_actions.calcule->setEnabled(m_model.calculeEnabled());
    m_setup->repaint();
    WidgetLanguageApplier::attach(this, m_model.language());
}

TForm1::~TForm1() = default;

// ---- building ---------------------------------------------------------------------------------

void TForm1::createActions()
{
    m_actions = MainActions::create(this, m_model.paths());
    connect(m_actions.quitter, &QAction::triggered, this, &TForm1::quitterExecute);
    connect(m_actions.test, &QAction::triggered, this, &TForm1::TestExecute);
    connect(m_actions.recharge, &QAction::triggered, this, &TForm1::RechargeCompoXMLExecute);
    connect(m_actions.onTop, &QAction::triggered, this, &TForm1::OnTopExecute);
}

void TForm1::createPages()
{
    m_pages = new MainPages(m_model, this);
    m_boardView = m_pages->boardView();
    m_setup = m_pages->setup();
    m_rosterView = m_pages->rosterView();
    m_pages->connectBoardButtons(m_actions);
    connect(m_rosterView, &RosterListView::detailRequested, this, &TForm1::showDetail);
    setCentralWidget(m_pages);
}

void TForm1::createStatusBar()
{
    m_status = new MainStatusBar(kClientWidth, m_model.paths().resourcePath(QStringLiteral("img/status.png")), this);
    setStatusBar(m_status);
    m_status->setSessionText(vocab(QStringLiteral("MSG_NOT_CONNECTED_PANEL")));
}

void TForm1::createCommands()
{
    const MainWindowParts parts{m_model, m_windows, *m_status, m_actions, this};
    auto *download = new DownloadCommand(parts, [this] { return connectDialog(); });
    m_settingsCommands = new SettingsCommands(parts, [this] {
        return m_hotKey ? m_hotKey->shortcut().toString(QKeySequence::PortableText) : m_model.hotKeyText();
    });
    m_helpCommands = new HelpCommands(parts, [this] { return m_startUpDone; });
    auto *lineup = new LineupCommands(parts, *m_pages);
    connect(m_actions.calcule, &QAction::triggered, lineup, &LineupCommands::CalculeExecute);
    connect(m_actions.optimum, &QAction::triggered, lineup, &LineupCommands::OptimumExecute);
    m_assistant = new AssistantCommands(parts, [lineup](int place) { return lineup->placeCaption(place); });
    connect(m_actions.tactics, &QAction::triggered, m_assistant, &AssistantCommands::TacticsExecute);
    connect(m_actions.depth, &QAction::triggered, m_assistant, &AssistantCommands::DepthExecute);
    connect(m_setup->tacticsButton(), &QPushButton::clicked, m_actions.tactics, &QAction::trigger);
    connect(m_actions.download, &QAction::triggered, download, &DownloadCommand::downloadExecute);
    connect(m_actions.parameters, &QAction::triggered, m_settingsCommands, &SettingsCommands::ParametersExecute);
    connect(m_settingsCommands, &SettingsCommands::settingsSaved, this, &TForm1::applySavedSettings);
    connect(m_settingsCommands, &SettingsCommands::settingsLeft, this,
            [this] { ErrorHandler::guarded([this] { reloadAfterSettings(false); }); });
    connect(m_actions.apropos, &QAction::triggered, m_helpCommands,
            [this] { m_helpCommands->AproposExecute(m_programDate); });
    connect(m_actions.docVelmorra, &QAction::triggered, m_helpCommands, &HelpCommands::DocVelmorraExecute);
    connect(m_actions.checkUpdates, &QAction::triggered, m_helpCommands, &HelpCommands::Check_UpdatesExecute);
}

TFApropos *TForm1::aboutWindow() { return m_helpCommands->aboutWindow(); }

void TForm1::setDesktopOpener(DesktopOpener open) { m_helpCommands->setDesktopOpener(std::move(open)); }

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
        m_pages->showEquipe();

        // First run: the setup wizard, then the marker is taken away whatever the wizard's
        // end, so that it asks only once.
        const QString marker = m_model.paths().markerFilePath();
        if (QFile::exists(marker)) {
            m_firstRunMarkerFound = true;
            m_settingsCommands->runSetupWizard();
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
        reportMissingData();
        // What the start mended in the folders and what the about window could not read are said
        // once, beside what the data report said.
        auto addNotice = [this](const QString &notice) {
            if (!notice.isEmpty())
                showStatusMessage(statusMessage().isEmpty() ? notice : statusMessage() + QStringLiteral(" — ") + notice);
        };
        addNotice(m_model.tidy().notices().join(QLatin1Char(' ')));
        addNotice(m_helpCommands->startUpProblems());
    });
    m_startUpDone = true;
    emit startUpFinished();
}

void TForm1::loadLanguage()
{
    m_loadedLanguage = m_model.settings().langue();
    // No such file (an empty name, a name already ending in ".lng"): the texts stay as they are.
    // The windows follow the catalog themselves.
    m_model.loadLanguage();
    // The first language of a run comes before the board is filled; a later change keeps the
    // lineup the manager composed and only shows it in the new words.
    if (!m_startUpDone)
        m_model.board().edit()->reset();
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
        connect(m_hotKey, &GlobalHotKey::activated, m_actions.calcule, &QAction::trigger);
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


// ---- commands ---------------------------------------------------------------------------------

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
    ErrorHandler::guarded([this] { setOnTop(m_actions.onTop->isChecked(), true); });
}

// ---- settings ---------------------------------------------------------------------------------

void TForm1::applySavedSettings(bool onTop)
{
    ErrorHandler::guarded([this, onTop] {
        registerHotKey();
        setOnTop(onTop, true);
        reloadAfterSettings(true);
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

void TForm1::quitterExecute()
{
    ErrorHandler::guarded([this] { close(); });
}

void TForm1::showDetail(int record)
{
    ErrorHandler::guarded([this, record] {
        if (m_playerDetail)
            m_playerDetail->showPlayer(record);
    });
}

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
        const QSignalBlocker block(m_actions.onTop);
        m_actions.onTop->setChecked(onTop);
    }
    m_windows.setOnTop(onTop);
    if (store)
        m_model.storeOnTop(onTop);
}

void TForm1::setBusy(bool busy) { m_status->setBusy(busy); }

void TForm1::showStatusMessage(const QString &message) { m_status->showStatusMessage(message); }

QString TForm1::statusMessage() const { return m_status->lastMessage(); }

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
        m_windows.addSpeaking(m_connectDialog);
    }
    return m_connectDialog;
}

void TForm1::logoutAtClose()
{
    if (m_connectDialog && m_connectDialog->session().connected())
        ErrorHandler::guarded([this] { m_connectDialog->session().logout(); });
}
