#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

// The splash window shown while the program creates its windows: the splash picture, the
// program version and a progress bar (0 to 100). Borderless, 400 x 200, centred on the desktop.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    // programFolder: where "img/splash.png" is read from (with a trailing separator).
    explicit TSplashScreen(const QString &programFolder, QWidget *parent = nullptr);

    // Sets the bar and paints the window at once: no event loop runs during start-up.
    void setProgress(int value);
    int progress() const;
    QString versionText() const;
    // Paints the window now (and lets the window system map it on the first call).
    void repaintNow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_image = nullptr;
    QLabel *m_version = nullptr;
    QProgressBar *m_progress = nullptr;
};
