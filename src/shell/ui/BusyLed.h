#pragma once
#include <QWidget>

// The busy indicator of the status bar ("Led"): a small round lamp, green while the program
// waits for the user, red while a roster load or a lineup search runs.
class BusyLed : public QWidget {
    Q_OBJECT
public:
    explicit BusyLed(QWidget *parent = nullptr);

    bool isBusy() const { return m_busy; }
    void setBusy(bool busy);

    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_busy = false;
};
