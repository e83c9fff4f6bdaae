#include "shell/ui/HelpCommands.h"

#include "about/AboutModel.h"
#include "about/TmGetNewVer.h"
#include "about/ui/MessageBoxPrompt.h"
#include "about/ui/TFApropos.h"
#include "common/ui/ErrorHandler.h"
#include "platform/ProgramInfo.h"
#include "platform/ui/DesktopOpen.h"
#include "platform/ui/KeepOnTop.h"
#include "shell/MainModel.h"
#include "shell/ui/MainActions.h"
#include "shell/ui/MainStatusBar.h"
#include "shell/ui/SecondaryWindows.h"

#include <QAction>
#include <QMainWindow>

HelpCommands::HelpCommands(const MainWindowParts &parts, std::function<bool()> startUpDone)
    : QObject(parts.window), m_parts(parts), m_startUpDone(std::move(startUpDone)), m_open(DesktopOpen::opener())
{
}

TFApropos *HelpCommands::aboutWindow()
{
    if (!m_about) {
        m_about = new TFApropos(
            m_parts.model.paths().resourceFolder(), [this](const QUrl &url) { return m_open && m_open(url); },
            [this](const QString &message) {
                if (m_startUpDone())
                    ErrorHandler::report(message);
            },
            m_parts.window);
        // It speaks the current language from now on. A missing file is told at the end of the
        // start-up, in the user's language.
        m_parts.windows.add(m_about);
        if (!m_startUpDone())
            m_aboutProblems = true;
    }
    return m_about;
}

QString HelpCommands::startUpProblems() const
{
    return m_aboutProblems && m_about ? m_about->loadProblems() : QString();
}

void HelpCommands::AproposExecute(const QString &programDate)
{
    ErrorHandler::guarded([this, &programDate] {
        TFApropos *about = aboutWindow();
        about->setProgramInfo(ProgramInfo::version(), programDate);
        KeepOnTop::apply(about, m_parts.windows.isOnTop());
        about->exec();
    });
}

void HelpCommands::DocVelmorraExecute()
{
    ErrorHandler::guarded([this] {
        const QString problem = AboutModel::openDocumentation(m_parts.model.paths().resourceFolder(),
                                                              m_parts.model.settings().file(), m_open);
        if (!problem.isEmpty())
            m_parts.status.showStatusMessage(problem);
    });
}

// The question must not hide behind a window kept on top: the main window leaves the top while
// the check runs and takes it back afterwards as the on-top command says.
void HelpCommands::Check_UpdatesExecute()
{
    QMainWindow *window = m_parts.window;
    // The download keeps the windows alive: one check at a time.
    m_parts.actions.checkUpdates->setEnabled(false);
    KeepOnTop::apply(window, false);
    m_parts.status.setBusy(true);
    ErrorHandler::guarded([this, window] {
        MessageBoxPrompt prompt(window);
        TmGetNewVer check(prompt, m_open);
        check.OnGetURL = [](TmGetNewVer &sender, const QString &currentVersion, const QString &) {
            if (currentVersion != sender.ownVersion)
                sender.DownloadDlg = true;
        };
        Settings &settings = m_parts.model.settings();
        const ProxySettings proxy = settings.proxySettings();
        check.proxyHost = proxy.host;
        check.proxyPort = proxy.port;
        check.proxyUser = proxy.user;
        check.proxyPassword = proxy.password;
        bool minimise = false;
        if (check.configure(settings.updateHost(), m_parts.model.paths().versionFilePath()))
            minimise = check.CheckForUpdate();
        const QString message = check.outcomeMessage();
        if (!message.isEmpty())
            m_parts.status.showStatusMessage(message);
        if (minimise)
            window->showMinimized();
    });
    KeepOnTop::apply(window, m_parts.actions.onTop->isChecked());
    m_parts.status.setBusy(false);
    m_parts.actions.checkUpdates->setEnabled(true);
}
