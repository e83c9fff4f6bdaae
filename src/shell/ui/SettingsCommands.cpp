#include "shell/ui/SettingsCommands.h"

#include "common/ui/ErrorHandler.h"
#include "platform/ui/KeepOnTop.h"
#include "settings/ui/TFConfiguration.h"
#include "settings/ui/TFrmParam.h"
#include "shell/MainModel.h"
#include "shell/ui/MainActions.h"
#include "shell/ui/MainStatusBar.h"
#include "shell/LanguageFile.h"
#include "shell/ui/SecondaryWindows.h"
#include "shell/ui/WidgetLanguageApplier.h"

#include <QAction>
#include <QMainWindow>

#include <memory>

SettingsCommands::SettingsCommands(const MainWindowParts &parts, std::function<QString()> hotKeyInForce)
    : QObject(parts.window), m_parts(parts), m_hotKeyInForce(std::move(hotKeyInForce))
{
}

TFrmParam *SettingsCommands::paramDialog()
{
    if (!m_paramDialog) {
        m_paramDialog = new TFrmParam(m_parts.model.settings(), m_parts.model.paths().resourceFolder(), m_parts.window);
        m_paramDialog->onTopSource = [this] { return m_parts.actions.onTop->isChecked(); };
        m_paramDialog->hotKeySource = m_hotKeyInForce;
        connect(&m_paramDialog->model(), &ParamDialogModel::saved, this, &SettingsCommands::applySavedSettings);
        connect(&m_paramDialog->model(), &ParamDialogModel::valuesClamped, this, [this](const QStringList &keys) {
            m_parts.status.showStatusMessage(m_paramDialog->clampedMessage(keys));
        });
        m_parts.windows.addSpeaking(m_paramDialog);
    }
    return m_paramDialog;
}

void SettingsCommands::ParametersExecute()
{
    ErrorHandler::guarded([this] {
        TFrmParam *dialog = paramDialog();
        // With OK the saving has already brought everything up to date.
        if (dialog->exec() != QDialog::Accepted)
            emit settingsLeft();
    });
}

void SettingsCommands::applySavedSettings()
{
    ErrorHandler::guarded([this] {
        emit settingsSaved(m_paramDialog->model().boxes().onTop);
        if (m_paramDialog->isVisible()) {
            m_paramDialog->raise();
            m_paramDialog->activateWindow();
        }
    });
}

void SettingsCommands::runSetupWizard()
{
    TFConfiguration wizard(m_parts.model.settings(), m_parts.model.paths().resourceFolder(), m_parts.window);
    // The wizard speaks the stored language, and the one the user picks as soon as it is picked
    // (before it is stored, so that file is read for the wizard alone).
    auto speak = [this, &wizard](const QString &name) {
        auto preview = std::make_shared<LanguageFile>(
            LanguageFile::languageFilePath(m_parts.model.paths().resourceFolder(), name));
        if (!preview->isLoaded())
            return;
        WidgetLanguageApplier::apply(*preview, {&wizard});
        wizard.setMessageSource([preview](const QString &window, const QString &component) {
            return preview->componentText(window, component, QStringLiteral("Caption"));
        });
    };
    speak(m_parts.model.settings().langue());
    connect(&wizard, &TFConfiguration::languageChosen, &wizard, speak);
    KeepOnTop::apply(&wizard, m_parts.windows.isOnTop());
    wizard.exec();
}
