#pragma once
#include "optimum/LineupAssistant.h"

#include <QDialog>
#include <QList>

#include <atomic>
#include <functional>
#include <memory>

class MainModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

// The two questions asked of the proven optimum over several solves, each in a table:
// "FTactics", the optimum of each tactic (the board's tactic marked), and "FDepth", what each
// player of the lineup is worth (the optimum without him, the greatest loss first). The run
// works on a copy of the board in a thread of its own, with a progress bar and a stop button;
// the dialog is modal, so the board and the roster stay as they were copied. Choosing a row
// (double-click or "Mettre sur le terrain") puts its tactic and lineup on the board in one change.
class AssistantDialog : public QDialog {
    Q_OBJECT
public:
    enum Kind { Tactics, Depth };
    // placeCaption: a place's name as the board shows it.
    AssistantDialog(Kind kind, MainModel &model, std::function<QString(int)> placeCaption, QWidget *parent);
    ~AssistantDialog() override;

    // A new run on the board as it stands now (the padlocks and the unticked players honoured).
    void start();
    bool running() const { return m_thread != nullptr; }
    // Stops the run before its next optimum; the rows found so far stay.
    void stop();
    // The row's lineup (and tactic) on the board. False for no such row.
    bool putOnBoard(int row);

    QTableWidget *table() const { return m_table; }
    const LineupAssistant::Tactics &tacticRows() const { return m_tactics; }
    const LineupAssistant::Depth &depthRows() const { return m_depth; }

signals:
    // What the board shows once a row is on it, for the status bar.
    void putOnBoardMessage(const QString &message);
    void runFinished();

protected:
    void reject() override;

private:
    void finished();
    void fillTactics();
    void fillDepth();
    QString message(const char *name) const;
    QString playerName(int record) const;
    QString proof(const LineupOptimizer::Result &optimum) const;

    Kind m_kind;
    MainModel &m_model;
    std::function<QString(int)> m_placeCaption;
    QTableWidget *m_table = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_put = nullptr;

    QThread *m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
    // Of the run under way and of the last one; the thread writes them, the dialog reads them
    // once the thread has ended.
    LineupState m_copy;
    LineupAssistant::Tactics m_tactics;
    LineupAssistant::Depth m_depth;
};
