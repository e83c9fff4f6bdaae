#include "online/ui/TFrmConnect.h"
#include "online/OnlineError.h"
#include "online/OnlineRun.h"

#include "common/Vocabulary.h"
#include "common/ui/ErrorHandler.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The two flags of the step log, drawn here: green for a step done, red for pending or failed.
QIcon flag(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::lightGray, 1.5));
    p.drawLine(QPointF(3.5, 1), QPointF(3.5, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 5), QPointF(4, 9)}));
    return QIcon(pixmap);
}
} // namespace

TFrmConnect::TFrmConnect(const QString &programFolder, const QString &programVersion, QWidget *parent, int timeoutMs)
    : QDialog(parent), m_http(timeoutMs), m_version(programVersion)
{
    setObjectName(QStringLiteral("FrmConnect"));
    m_dataFolder = programFolder + (programFolder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + QStringLiteral("xml/");
    m_session = std::make_unique<Session>(m_http, *this, m_dataFolder, Settings::kDefaultGameHost, m_version);
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    // Only the dialog's own labels are white on its green: a message box over the dialog, whose
    // labels are its descendants too, keeps the palette's dark text on light.
    setStyleSheet(QStringLiteral("TFrmConnect { background: #1f4d2b; } TFrmConnect > QLabel { color: white; }"));

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("ILogo"));
    m_logo->setPixmap(QPixmap(programFolder + QStringLiteral("/img/logo_velmorra3.bmp")));
    auto *userLabel = new QLabel(QStringLiteral("Utilisateur :"), this);
    userLabel->setObjectName(QStringLiteral("LUserName"));
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("EUser"));
    auto *passwordLabel = new QLabel(QStringLiteral("Code de sécurité :"), this);
    passwordLabel->setObjectName(QStringLiteral("LPassword"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("EPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_connect = new QPushButton(QStringLiteral("&Valider"), this);
    m_connect->setObjectName(QStringLiteral("BConnect"));
    m_connect->setDefault(true);
    // Closes the dialog; while a run is under way, stops it at once (the earlier files stay).
    m_cancel = new QPushButton(QStringLiteral("A&nnuler"), this);
    m_cancel->setObjectName(QStringLiteral("BCancel"));
    m_cancel->setAutoDefault(false);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_log = new QListWidget(this);
    m_log->setObjectName(QStringLiteral("EditConnexion"));
    m_log->setIconSize(QSize(16, 16));
    m_log->setMinimumSize(360, 150);

    auto *form = new QFormLayout;
    form->addRow(userLabel, m_user);
    form->addRow(passwordLabel, m_password);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_logo, 0, Qt::AlignHCenter);
    layout->addLayout(form);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_connect);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addWidget(m_log);
    setWindowTitle(vocab(QStringLiteral("MSG_CONNECT_CAPTION")).arg(Settings::kDefaultGameHost));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_connect, &QPushButton::clicked, this, [this] { ErrorHandler::guarded([this] { BConnectClick(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &TFrmConnect::reject);
}

void TFrmConnect::setDataFolder(const QString &dataFolder)
{
    m_dataFolder = dataFolder;
    if (!m_dataFolder.endsWith(QLatin1Char('/')))
        m_dataFolder += QLatin1Char('/');
    // Nothing of a session exists before the first run; the host is set again by configure().
    m_session = std::make_unique<Session>(m_http, *this, m_dataFolder, Settings::kDefaultGameHost, m_version);
}

void TFrmConnect::configure(const QString &gameHost, const QString &proxyHost, const QString &proxyPort,
                            const QString &proxyUser, const QString &proxyPassword)
{
    m_session->setGameHost(gameHost);
    const QUrl menu = Session::menuUrl(gameHost);
    setWindowTitle(vocab(QStringLiteral("MSG_CONNECT_CAPTION")).arg(menu.isValid() ? menu.host() : gameHost));
    m_http.setProxy(proxyHost, proxyPort, proxyUser, proxyPassword);
}

void TFrmConnect::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_session->connected() && !OnlineRun::underWay())
        m_progress->setValue(0);
    // A failure of an earlier opening is not this one's.
    if (!m_running)
        m_lastFailure.clear();
    if (!m_user->text().isEmpty())
        m_password->setFocus();
    else
        m_user->setFocus();
}

bool TFrmConnect::runDownload()
{
    m_connect->setEnabled(false);
    m_running = true;
    m_lastFailure.clear();
    bool ok = false;
    try {
        m_result = OnlineRun::run(*m_session, m_dataFolder, m_user->text(), m_password->text());
        ok = true;
    } catch (const OnlineError &e) {
        QListWidgetItem *item = new QListWidgetItem(flag(Qt::red), vocab(QStringLiteral("MSG_ONLINE_ERROR_LINE")).arg(e.message()), m_log);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        m_lastFailure = e.message();
        m_running = false;
        m_connect->setEnabled(true);
        throw;
    }
    m_running = false;
    m_connect->setEnabled(true);
    return ok;
}

void TFrmConnect::BConnectClick()
{
    if (OnlineRun::underWay())
        return;
    if (runDownload())
        accept();
}

void TFrmConnect::reject()
{
    // Escape, the window's close button and Annuler alike: a run under way is stopped first,
    // and the dialog stays open on its failure.
    if (m_running) {
        m_http.stop();
        return;
    }
    QDialog::reject();
}

void TFrmConnect::clearSteps() { m_log->clear(); }

void TFrmConnect::addStep(const QString &text) { new QListWidgetItem(flag(Qt::red), text, m_log); }

void TFrmConnect::markStep(int index, Flag f, bool bold)
{
    QListWidgetItem *item = m_log->item(index);
    if (!item)
        return;
    item->setIcon(flag(f == GreenFlag ? QColor(Qt::green) : QColor(Qt::red)));
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
}

void TFrmConnect::setProgress(int percent) { m_progress->setValue(percent); }

void TFrmConnect::setConnectionText(const QString &text)
{
    if (connectionSink)
        connectionSink(text);
}

void TFrmConnect::setStepText(const QString &text)
{
    if (stepSink)
        stepSink(text);
}

void TFrmConnect::showMessage(const QString &text)
{
    // The message also stays in the step log once the box is closed; the box is answered with
    // the normal cursor.
    addStep(text);
    const bool busy = m_busy;
    setBusy(false);
    QMessageBox box(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("SessionMessage"));
    box.exec();
    setBusy(busy);
}

void TFrmConnect::setBusy(bool busy)
{
    if (busySink)
        busySink(busy);
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
