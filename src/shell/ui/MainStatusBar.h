#pragma once
#include <QStatusBar>
#include <QString>

class BusyLed;
class QMainWindow;
class QLabel;
class QTimer;

// The main window's status bar: the busy lamp, the hint panel (the status tips of the window
// go there, never to the bar's own message line, which would hide the panels), the session and
// download panels of the online run, the version panel, the status picture, and the message
// strip that shows an error or notice over the panels for a while. It is the error handler's
// sink for both messages and the busy state while it lives.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // width: the window's client width; statusPicture: img/status.png of the resource folder.
    MainStatusBar(int width, const QString &statusPicture, QMainWindow *window);
    ~MainStatusBar() override;

    void setBusy(bool busy);
    // The message strip: the text on one line, cut at its end, whole in its tool tip.
    void showStatusMessage(const QString &message);
    const QString &lastMessage() const { return m_lastMessage; }

    void setSessionText(const QString &text);
    void setStepText(const QString &text);
    // The step field's tool tip: the reason of a failed step, or none.
    void setStepReason(const QString &reason);
    void setVersionText(const QString &text);

    // The panel widths for the texts the panels can show in the current language; run after
    // every change of language (the version text's setting runs it).
    void fitPanels();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHint(const QString &tip);
    // The text in the panel, cut when it is wider, whole in the tool tip (unless one is given).
    static void showInPanel(QLabel *panel, const QString &text, const QString &toolTip, Qt::TextElideMode cut);

    int m_width;
    BusyLed *m_led = nullptr;
    QLabel *m_panels[6] = {};
    QLabel *m_messageLabel = nullptr;
    QLabel *m_longHint = nullptr;
    QTimer *m_messageTimer = nullptr;
    QString m_lastMessage;
    QString m_sessionText;
    QString m_stepText;
    QString m_stepReason;
    QString m_versionText;
};
