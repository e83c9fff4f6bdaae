#include "shell/ui/TSplashScreen.h"

#include "platform/ProgramInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>

TSplashScreen::TSplashScreen(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setWindowTitle(QStringLiteral("SplashScreen"));
    setFixedSize(400, 200);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setGeometry(0, 0, 400, 200);
    const QPixmap picture(programFolder + QStringLiteral("img/splash.png"));
    if (picture.isNull()) {
        // Without its picture the window still reads as a start-up window.
        m_image->setStyleSheet(QStringLiteral("background: #1f6f3a; color: white;"));
        m_image->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_image->setContentsMargins(0, 40, 0, 0);
        m_image->setText(QStringLiteral("<span style='font-size:28px;font-weight:bold'>Squadwright</span>"));
    } else {
        m_image->setPixmap(picture.scaled(400, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("VersionInfo"));
    m_version->setGeometry(8, 128, 297, 16);
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setAttribute(Qt::WA_TranslucentBackground);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(true);
    m_version->setFont(font);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setGeometry(24, 152, 273, 16);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashScreen::showEvent(QShowEvent *event)
{
    // A program without a version record shows "Version " alone.
    m_version->setText(QStringLiteral("Version ") + ProgramInfo::version());
    QWidget::showEvent(event);
}

void TSplashScreen::setProgress(int value)
{
    m_progress->setValue(value);
    repaintNow();
}

int TSplashScreen::progress() const { return m_progress->value(); }

QString TSplashScreen::versionText() const { return m_version->text(); }

void TSplashScreen::repaintNow()
{
    if (!isVisible())
        return;
    // Only painting and window-system events: no input reaches any window during start-up.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}
