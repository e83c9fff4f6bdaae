#pragma once
#include "online/HttpClient.h"
#include "online/Session.h"
#include "online/SessionView.h"
#include "online/TeamDownload.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// The connection dialog: asks for the user name and the security code, shows the steps of a run
// in its step log and owns the session's HTTP client. Created once and kept, so what is typed
// stays between runs. Its button runs a whole download; it is disabled while a run is under way,
// when Annuler (or Escape, or closing the window) stops the run instead of closing the dialog.
class TFrmConnect : public QDialog, public SessionView {
    Q_OBJECT
public:
    TFrmConnect(const QString &programFolder, const QString &programVersion, QWidget *parent = nullptr,
                int timeoutMs = HttpClient::kDefaultTimeoutMs);

    // Where the downloaded files go, when not in the program folder's xml/ (an installed program
    // keeps them in the user's folder). Before the first run.
    void setDataFolder(const QString &dataFolder);

    // Fills the host (caption and requests) and the proxy; an empty proxy host connects directly.
    void configure(const QString &gameHost, const QString &proxyHost, const QString &proxyPort, const QString &proxyUser,
                   const QString &proxyPassword);
    QLineEdit *EUser() const { return m_user; }
    QLineEdit *EPassword() const { return m_password; }
    QPushButton *BConnect() const { return m_connect; }
    QPushButton *BCancel() const { return m_cancel; }
    QListWidget *EditConnexion() const { return m_log; }
    QProgressBar *ProgressBar1() const { return m_progress; }
    Session &session() { return *m_session; }
    HttpClient &http() { return m_http; }

    // Runs login, download and logout with the edit boxes' account. A failure is written in the
    // step log, handed to the error handler and rethrown to nobody: the result is then false.
    bool runDownload();
    const DownloadResult &lastResult() const { return m_result; }
    // Why the last run failed (the step and the reason); empty after a run that succeeded.
    const QString &lastFailure() const { return m_lastFailure; }

    // The status bar's connection and step fields, and its busy light.
    std::function<void(const QString &)> connectionSink;
    std::function<void(const QString &)> stepSink;
    std::function<void(bool)> busySink;

    // SessionView
    void clearSteps() override;
    void addStep(const QString &text) override;
    void markStep(int index, Flag flag, bool bold) override;
    void setProgress(int percent) override;
    void setConnectionText(const QString &text) override;
    void setStepText(const QString &text) override;
    void showMessage(const QString &text) override;
    void setBusy(bool busy) override;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BConnectClick();

    QString m_dataFolder;
    HttpClient m_http;
    std::unique_ptr<Session> m_session;
    QString m_version;
    DownloadResult m_result;
    QString m_lastFailure;
    bool m_busy = false;
    bool m_running = false;

    QLabel *m_logo;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QPushButton *m_connect;
    QPushButton *m_cancel;
    QProgressBar *m_progress;
    QListWidget *m_log;
};
