#pragma once
#include "shell/ui/MainWindowParts.h"

#include <QObject>
#include <QString>
#include <functional>

class TFrmParam;

// The settings dialog (created on first use, kept) and the setup wizard. What a saving changes
// in the running program is the main window's to do; it learns of it by the signals.
class SettingsCommands : public QObject {
    Q_OBJECT
public:
    // hotKeyInForce: the hot key the program has taken, which the dialog shows.
    SettingsCommands(const MainWindowParts &parts, std::function<QString()> hotKeyInForce);

    void ParametersExecute();
    void runSetupWizard();

signals:
    // The dialog saved the settings; onTop is the keep-on-top state they name.
    void settingsSaved(bool onTop);
    // The dialog was left without saving: what it read again stands.
    void settingsLeft();

private:
    TFrmParam *paramDialog();
    void applySavedSettings();

    MainWindowParts m_parts;
    std::function<QString()> m_hotKeyInForce;
    TFrmParam *m_paramDialog = nullptr;
};
