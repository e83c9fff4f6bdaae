#pragma once
#include "shell/ui/MainWindowParts.h"

#include <QObject>
#include <functional>

class TFrmConnect;

// The download of the team's files from the game server, one run at a time. With a stored (or
// earlier typed) security code the run needs no dialog; otherwise the dialog asks and runs it.
// Then the new roster and orders are shown, and a failure stays readable in the status bar.
class DownloadCommand : public QObject {
    Q_OBJECT
public:
    // connectDialog: the connection dialog, created on first use by the main window.
    DownloadCommand(const MainWindowParts &parts, std::function<TFrmConnect *()> connectDialog);

    void downloadExecute();

private:
    MainWindowParts m_parts;
    std::function<TFrmConnect *()> m_connectDialog;
};
