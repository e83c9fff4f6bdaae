#pragma once
#include "shell/ui/MainWindowParts.h"

#include <QObject>
#include <QString>
#include <functional>

class AssistantDialog;

// "Comparer les tactiques" and "Profondeur de l'effectif": each opens its table (created on
// first use, kept, speaking the main window's language) and runs it on the board as it stands.
class AssistantCommands : public QObject {
    Q_OBJECT
public:
    // placeCaption: a place's name as the board's label shows it.
    AssistantCommands(const MainWindowParts &parts, std::function<QString(int)> placeCaption);

    void TacticsExecute();
    void DepthExecute();

    AssistantDialog *tacticsDialog();
    AssistantDialog *depthDialog();

private:
    AssistantDialog *dialog(int kind, AssistantDialog *&kept);
    void run(AssistantDialog *dialog);

    MainWindowParts m_parts;
    std::function<QString(int)> m_placeCaption;
    AssistantDialog *m_tactics = nullptr;
    AssistantDialog *m_depth = nullptr;
};
