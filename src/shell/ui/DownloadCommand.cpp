#include "shell/ui/DownloadCommand.h"

#include "common/ui/ErrorHandler.h"
#include "online/OnlineRun.h"
#include "online/ui/TFrmConnect.h"
#include "shell/MainModel.h"
#include "shell/ui/MainActions.h"
#include "shell/ui/MainStatusBar.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QLineEdit>

DownloadCommand::DownloadCommand(const MainWindowParts &parts, std::function<TFrmConnect *()> connectDialog)
    : QObject(parts.window), m_parts(parts), m_connectDialog(std::move(connectDialog))
{
}

void DownloadCommand::downloadExecute()
{
    if (OnlineRun::underWay())
        return;
    m_parts.actions.download->setEnabled(false);
    m_parts.status.setBusy(true);
    m_parts.status.setStepReason(QString());
    TFrmConnect *dialog = nullptr;
    ErrorHandler::guarded([this, &dialog] {
        dialog = m_connectDialog();
        Settings &settings = m_parts.model.settings();
        const ProxySettings proxy = settings.proxySettings();
        dialog->configure(settings.gameHost(), proxy.host, proxy.port, proxy.user, proxy.password);
        dialog->EUser()->setText(settings.userName());
        if (dialog->EPassword()->text().isEmpty())
            dialog->EPassword()->setText(settings.securityPassword());
        bool done = false;
        if (!dialog->EPassword()->text().isEmpty()) {
            done = dialog->runDownload();
        } else {
            dialog->setWindowFlag(Qt::WindowStaysOnTopHint, m_parts.actions.onTop->isChecked());
            done = dialog->exec() == QDialog::Accepted;
            if (done)
                settings.setUserName(dialog->EUser()->text());
        }
        if (!done)
            return;
        const DownloadResult &result = dialog->lastResult();
        if (QFile::exists(result.playersPath))
            m_parts.model.chargePlayersXML(result.playersPath);
        m_parts.model.rechargeCompoXML();
        if (!result.warnings.isEmpty())
            m_parts.status.showStatusMessage(result.warnings.join(QLatin1Char(' ')));
    });
    // A failure stays readable after its message and the dialog are gone: the step field names
    // the failed step and tells the reason when pointed at; a failure seen only in the closed
    // dialog is told again here.
    if (dialog && !dialog->lastFailure().isEmpty()) {
        m_parts.status.showStatusMessage(dialog->lastFailure());
        m_parts.status.setStepReason(dialog->lastFailure());
    }
    m_parts.status.setBusy(false);
    m_parts.actions.download->setEnabled(true);
}
