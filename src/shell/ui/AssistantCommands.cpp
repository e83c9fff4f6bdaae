#include "shell/ui/AssistantCommands.h"

#include "common/ui/ErrorHandler.h"
#include "shell/ui/AssistantDialog.h"
#include "shell/ui/MainStatusBar.h"
#include "shell/ui/SecondaryWindows.h"

#include <QMainWindow>

AssistantCommands::AssistantCommands(const MainWindowParts &parts, std::function<QString(int)> placeCaption)
    : QObject(parts.window), m_parts(parts), m_placeCaption(std::move(placeCaption))
{
}

AssistantDialog *AssistantCommands::dialog(int kind, AssistantDialog *&kept)
{
    if (!kept) {
        kept = new AssistantDialog(static_cast<AssistantDialog::Kind>(kind), m_parts.model, m_placeCaption,
                                   m_parts.window);
        connect(kept, &AssistantDialog::putOnBoardMessage, this,
                [this](const QString &text) { m_parts.status.showStatusMessage(text); });
        m_parts.windows.addSpeaking(kept);
    }
    return kept;
}

AssistantDialog *AssistantCommands::tacticsDialog() { return dialog(AssistantDialog::Tactics, m_tactics); }

AssistantDialog *AssistantCommands::depthDialog() { return dialog(AssistantDialog::Depth, m_depth); }

void AssistantCommands::run(AssistantDialog *dialog)
{
    // Started before the window shows: its modal loop keeps the board as the run copied it.
    dialog->start();
    dialog->exec();
}

void AssistantCommands::TacticsExecute()
{
    ErrorHandler::guarded([this] { run(tacticsDialog()); });
}

void AssistantCommands::DepthExecute()
{
    ErrorHandler::guarded([this] { run(depthDialog()); });
}
