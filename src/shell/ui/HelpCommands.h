#pragma once
#include "platform/DesktopOpener.h"
#include "shell/ui/MainWindowParts.h"

#include <QObject>
#include <QString>
#include <functional>

class TFApropos;

// The help menu: the about window (created on first use, kept), the documentation and the
// update check. The desktop's "open" action serves all three.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    // startUpDone: whether the main window's start-up work has ended; until then the about
    // window's load problems wait to be told with the start-up's notices.
    HelpCommands(const MainWindowParts &parts, std::function<bool()> startUpDone);

    void setDesktopOpener(DesktopOpener open) { m_open = std::move(open); }
    TFApropos *aboutWindow();
    // What the about window could not load, when it was created during the start-up.
    QString startUpProblems() const;

    void AproposExecute(const QString &programDate);
    void DocVelmorraExecute();
    void Check_UpdatesExecute();

private:
    MainWindowParts m_parts;
    std::function<bool()> m_startUpDone;
    DesktopOpener m_open;
    TFApropos *m_about = nullptr;
    bool m_aboutProblems = false;
};
