#pragma once
#include "shell/ui/MainWindowParts.h"

#include <QList>
#include <QObject>
#include <QString>

class MainPages;
class SetupPageView;

// The two searches of the lineup, "Calcule" and the optimal lineup: each shows the board, runs
// with the busy lamp and the wait cursor, and words its outcome in the status bar.
class LineupCommands : public QObject {
    Q_OBJECT
public:
    LineupCommands(const MainWindowParts &parts, MainPages &pages);

    void CalculeExecute();
    void OptimumExecute();

    // The place's name as the board's label shows it.
    QString placeCaption(int place) const;

private:
    // "No player available for: …" naming the places a search left empty.
    QString placesEmptyMessage(const QList<int> &unfilled) const;

    MainWindowParts m_parts;
    MainPages &m_pages;
    SetupPageView *m_setup;
};
