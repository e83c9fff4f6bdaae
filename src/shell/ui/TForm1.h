#pragma once
#include "lineup/Board.h"
#include "platform/DesktopOpener.h"
#include "shell/MainModel.h"
#include "shell/ui/MainActions.h"
#include "shell/ui/SecondaryWindows.h"

#include <QMainWindow>
#include <QPointer>

class AssistantCommands;
class GlobalHotKey;
class HelpCommands;
class LineupBoardView;
class MainPages;
class MainStatusBar;
class RosterListView;
class SettingsCommands;
class SetupPageView;
class TFApropos;
class TFPlayerDetail;
class TFPlayerTest;
class TFrmConnect;

// The main window ("Form1"): tool bar, menus, the pages "Equipe", "Paramètres de calcul" and
// "Joueurs", and the status bar with the busy lamp, each built by a part of its own, wired here to
// the commands (the larger ones are objects of their own). It owns the process-wide state
// (MainModel); its first show runs the start-up work, its closing saves the calculation options.
// The boxes of the calculation page are views of the model's Board: a user's pick goes to the
// Board's event method, and they repaint when the Board changes.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: the folder of the settings file, the data folder and the pictures.
    explicit TForm1(const QString &programFolder, QWidget *parent = nullptr);
    // paths: where the resources are read and the settings and data kept.
    explicit TForm1(const ProgramPaths &paths, QWidget *parent = nullptr);
    ~TForm1() override;

    MainModel &model() { return m_model; }
    // The tactic comparison and the squad depth, with their dialogs.
    AssistantCommands *assistant() const { return m_assistant; }
    LineupBoardView *boardView() const { return m_boardView; }
    RosterListView *rosterView() const { return m_rosterView; }

    // The windows created after the main window, handed over by the start-up sequence: they
    // take the keep-on-top state, and the commands show them.
    void addDialog(QWidget *dialog);
    void setPlayerTestWindow(TFPlayerTest *window);
    void setPlayerDetailWindow(TFPlayerDetail *window);

    // The about window, created on first use (the start-up sequence creates it in its turn).
    TFApropos *aboutWindow();
    // The desktop's "open" action the documentation, the about links and the update check use.
    void setDesktopOpener(DesktopOpener open);

    bool startUpDone() const { return m_startUpDone; }
    bool loadingDone() const { return m_model.loadingDone(); }
    bool firstRunMarkerFound() const { return m_firstRunMarkerFound; }
    bool isOnTop() const;
    const QString &programDate() const { return m_programDate; }
    // The message the status bar shows last (errors and notices).
    QString statusMessage() const;

    // The language chosen in the settings, on every window, the vocabulary and the board's
    // lists; then the board is reset. Run at start-up and whenever the settings change.
    void loadLanguage();

signals:
    // The start-up work of the first show has ended (also when a step failed).
    void startUpFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // ---- building ----
    void createActions();
    void createPages();
    void createStatusBar();
    // The download, settings, help and lineup search commands, each an object of its own.
    void createCommands();

    // ---- start-up and closing ----
    void FormShow();
    void onVersionChecked();
    void onRosterLoaded();
    void registerHotKey();
    void reportMissingData();

    // ---- commands ----
    void TestExecute();
    void RechargeCompoXMLExecute();
    void OnTopExecute();
    void quitterExecute();
    // ---- settings ----
    // What the settings dialog's saving changes in the running program.
    void applySavedSettings(bool onTop);
    // After the settings: the language again when it changed, new position values and figures.
    void reloadAfterSettings(bool language);
    // ---- the online download ----
    // The connection dialog, created on first use: its session, step and busy state go to the status bar.
    TFrmConnect *connectDialog();
    void logoutAtClose();

    void showDetail(int record);

    void setOnTop(bool onTop, bool store);
    void setBusy(bool busy);
    void showStatusMessage(const QString &message);

    MainModel m_model;
    SecondaryWindows m_windows;

    MainActions m_actions;
    MainPages *m_pages = nullptr;
    SetupPageView *m_setup = nullptr;
    LineupBoardView *m_boardView = nullptr;
    RosterListView *m_rosterView = nullptr;
    MainStatusBar *m_status = nullptr;
    SettingsCommands *m_settingsCommands = nullptr;
    HelpCommands *m_helpCommands = nullptr;
    AssistantCommands *m_assistant = nullptr;

    GlobalHotKey *m_hotKey = nullptr;
    QPointer<TFPlayerTest> m_playerTest;
    QPointer<TFPlayerDetail> m_playerDetail;
    TFrmConnect *m_connectDialog = nullptr;
    // The language name the windows show, as last loaded.
    QString m_loadedLanguage;

    QString m_programDate;
    bool m_firstShow = true;
    bool m_startUpDone = false;
    bool m_firstRunMarkerFound = false;
};
