#include "shell/ui/MainStatusBar.h"

#include "common/Vocabulary.h"
#include "common/ui/DisplayText.h"
#include "common/ui/ErrorHandler.h"
#include "online/Session.h"
#include "online/TeamDownload.h"
#include "shell/ui/BusyLed.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QStatusTipEvent>
#include <QTimer>

#include <algorithm>

namespace {

enum Panel { LedPanel, HintPanel, SessionPanel, DownloadPanel, VersionPanel, PicturePanel };
// The lamp, the hint panel (it fits the longest hint of either language) and the panel under
// the status picture keep their widths; the session, download and version panels share the rest.
constexpr int kLedWidth = 18;
constexpr int kHintWidth = 262;
constexpr int kPictureWidth = 16;
// A session server's address of the usual length, as a local or company server has it.
constexpr const char *kUsualAddress = "http://127.0.0.1:8080";
constexpr int kInitialWidths[6] = {kLedWidth, kHintWidth, 158, 130, 250, kPictureWidth};
// How long an error or notice stays in the status bar before the hints show again.
constexpr int kMessageMilliseconds = 12000;

int widest(const QLabel *panel, const QStringList &texts)
{
    int width = 0;
    for (const QString &text : texts)
        width = std::max(width, panel->fontMetrics().horizontalAdvance(text));
    return width;
}

// The panel width that shows a text of this advance whole: margins, frame and a pixel of air.
int panelWidthFor(const QLabel *panel, int advance)
{
    const QMargins m = panel->contentsMargins();
    return advance + m.left() + m.right() + 2 * panel->frameWidth() + 2;
}

} // namespace

MainStatusBar::MainStatusBar(int width, const QString &statusPicture, QMainWindow *window)
    : QStatusBar(window), m_width(width)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);

    auto *panels = new QWidget(this);
    auto *layout = new QHBoxLayout(panels);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 6; ++i) {
        m_panels[i] = new QLabel(panels);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setFixedWidth(kInitialWidths[i]);
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panels[i]->setContentsMargins(3, 0, 3, 0);
        layout->addWidget(m_panels[i]);
    }
    layout->addStretch();
    addWidget(panels, 1);

    m_led = new BusyLed(m_panels[LedPanel]);
    m_led->move(2, 2);
    m_panels[VersionPanel]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setFixedSize(16, 16);
    image->setScaledContents(true);
    const QPixmap picture(statusPicture);
    if (!picture.isNull())
        image->setPixmap(picture);
    image->move(m_width - 18, 4);

    // Errors and notices: over every panel from the hint to the status picture, so that
    // they read whole; the panels show again when the message goes.
    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("LMessage"));
    m_messageLabel->setGeometry(kLedWidth, 1, m_width - 18 - 2 - kLedWidth, sizeHint().height() - 2);
    m_messageLabel->setStyleSheet(
        QStringLiteral("QLabel { background: #fff4c2; color: #3a2a00; border: 1px solid #c9a227; padding: 0 4px; }"));
    m_messageLabel->hide();
    m_messageTimer = new QTimer(this);
    m_messageTimer->setSingleShot(true);
    connect(m_messageTimer, &QTimer::timeout, m_messageLabel, &QWidget::hide);

    window->installEventFilter(this);
    ErrorHandler::setMessageSink([this](const QString &message) { showStatusMessage(message); });
    ErrorHandler::setBusySink([this](bool busy) { setBusy(busy); });
    fitPanels();
}

MainStatusBar::~MainStatusBar()
{
    ErrorHandler::setMessageSink({});
    ErrorHandler::setBusySink({});
}

bool MainStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::StatusTip && watched == parent()) {
        m_panels[HintPanel]->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

void MainStatusBar::setBusy(bool busy) { m_led->setBusy(busy); }

void MainStatusBar::showStatusMessage(const QString &message)
{
    m_lastMessage = displayText(message);
    const QString oneLine = QString(m_lastMessage).replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_messageLabel->setText(m_messageLabel->fontMetrics().elidedText(oneLine, Qt::ElideRight,
                                                                       m_messageLabel->width() - 10));
    m_messageLabel->setToolTip(m_lastMessage);
    m_messageLabel->show();
    m_messageLabel->raise();
    m_messageTimer->start(kMessageMilliseconds);
}

void MainStatusBar::showInPanel(QLabel *panel, const QString &text, const QString &toolTip, Qt::TextElideMode cut)
{
    const int room = panel->contentsRect().width();
    const bool whole = panel->fontMetrics().horizontalAdvance(text) <= room;
    panel->setText(whole ? text : panel->fontMetrics().elidedText(text, cut, room));
    panel->setToolTip(!toolTip.isEmpty() ? toolTip : whole ? QString() : text);
}

void MainStatusBar::setSessionText(const QString &text)
{
    m_sessionText = text;
    showInPanel(m_panels[SessionPanel], text, {}, Qt::ElideMiddle);
}

void MainStatusBar::setStepText(const QString &text)
{
    m_stepText = text;
    showInPanel(m_panels[DownloadPanel], text, m_stepReason, Qt::ElideMiddle);
}

void MainStatusBar::setStepReason(const QString &reason)
{
    m_stepReason = reason;
    showInPanel(m_panels[DownloadPanel], m_stepText, m_stepReason, Qt::ElideMiddle);
}

void MainStatusBar::setVersionText(const QString &text)
{
    m_versionText = text;
    fitPanels();
}

void MainStatusBar::fitPanels()
{
    // The bar cannot hold every panel's longest text whole. The version panel, always in sight,
    // keeps its text whole. The session panel keeps whole its state words ("Trying to connect
    // to", "Not connected") and the connection to a server of a usual address (the address the
    // game server recommends comes only with its answer and can be of any length): it tells
    // whether the program is connected, which the step log of the connection window repeats
    // nowhere. The download panel takes the room left up to its longest text, and the session
    // panel whatever the download panel leaves. A text wider than its panel is cut in its
    // middle and read whole in the tool tip.
    QLabel *session = m_panels[SessionPanel];
    QLabel *download = m_panels[DownloadPanel];
    QLabel *version = m_panels[VersionPanel];
    // The panels end where the one under the status picture begins.
    const int shared = m_width - 23 - kLedWidth - kHintWidth;
    const int versionWidth = panelWidthFor(version, widest(version, {m_versionText}));
    const QStringList stateWords = {vocab(QStringLiteral("MSG_NOT_CONNECTED_PANEL")),
                                    vocab(QStringLiteral("MSG_NOT_CONNECTED")),
                                    vocab(QStringLiteral("MSG_DISCONNECTED")),
                                    vocab(QStringLiteral("MSG_TRYING_TO_CONNECT")).arg(QString()),
                                    vocab(QStringLiteral("MSG_CONNECTED_TO")).arg(QLatin1String(kUsualAddress))};
    const int room = shared - versionWidth;
    const int sessionFloor = panelWidthFor(session, widest(session, stateWords));
    const int downloadNeed = panelWidthFor(download, widest(download, TeamDownload::stepFieldTexts()));
    const int sessionWidth = std::max(sessionFloor, room - downloadNeed);
    version->setFixedWidth(versionWidth);
    session->setFixedWidth(sessionWidth);
    download->setFixedWidth(std::max(0, room - sessionWidth));
    showInPanel(session, m_sessionText, {}, Qt::ElideMiddle);
    showInPanel(download, m_stepText, m_stepReason, Qt::ElideMiddle);
    version->setText(m_versionText);
}
