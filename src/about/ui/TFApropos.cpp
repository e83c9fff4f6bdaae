#include "about/ui/TFApropos.h"

#include "about/AboutModel.h"
#include "about/ui/RtfTextDocument.h"
#include "common/Vocabulary.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

namespace {
constexpr int kWidth = 430;
constexpr int kHeight = 470;
constexpr int kMargin = 10;
} // namespace

TFApropos::TFApropos(const QString &programFolder, DesktopOpener open, std::function<void(const QString &)> report,
                     QWidget *parent)
    : QDialog(parent), m_open(std::move(open)), m_report(std::move(report))
{
    setObjectName(QStringLiteral("FApropos"));
    setWindowTitle(QStringLiteral("A propos de..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    // The logo on a white panel, scaled to fit with its proportions.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, 96);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    m_logo = new QLabel(panel);
    m_logo->setObjectName(QStringLiteral("ILogo"));
    m_logo->setGeometry(4, 4, panel->width() - 8, panel->height() - 8);
    m_logo->setAlignment(Qt::AlignCenter);

    int y = panel->geometry().bottom() + 12;
    m_versionCaption = label("Label2", QStringLiteral("Version :"), kMargin + 4, y);
    m_version = label("Lversion", QString(), 0, y);
    QFont bold = m_version->font();
    bold.setBold(true);
    m_version->setFont(bold);
    m_date = label("LDate", QString(), 0, y);
    y += 24;

    m_webLink = label("JvHotLink1", AboutModel::webAddress(), kMargin + 4, y);
    y += 22;
    m_mailLink = label("Label1", AboutModel::mailLinkText(), kMargin + 4, y);
    for (QLabel *link : {m_webLink, m_mailLink}) {
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        QPalette p = link->palette();
        p.setColor(QPalette::WindowText, QColor(0x1d, 0x46, 0x79));
        link->setPalette(p);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    y += 22;
    m_maker = label("Label4", AboutModel::makerLine(), kMargin + 4, y);
    m_maker->setFixedWidth(kWidth - 2 * kMargin - 8);
    y += 28;

    m_readme = new QTextBrowser(this);
    m_readme->setObjectName(QStringLiteral("RichEdit1"));
    m_readme->setFrameShape(QFrame::NoFrame);
    m_readme->setReadOnly(true);
    m_readme->setOpenLinks(false);
    m_readme->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_readme->setGeometry(kMargin, y, kWidth - 2 * kMargin, kHeight - y - 48);

    m_hiddenLogo = new QLabel(this);
    m_hiddenLogo->setObjectName(QStringLiteral("ImgVLDX"));
    m_hiddenLogo->hide();

    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    m_ok->setGeometry((kWidth - 80) / 2, kHeight - 36, 80, 26);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    // Each file on its own: one that is missing leaves its place empty, the others still load.
    QString folder = programFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString logoPath = folder + QStringLiteral("img/Logo_SQW1.gif");
    if (!loadPicture(m_logo, logoPath, m_logo->size()))
        m_missingPictures << logoPath;
    const QString readmePath = folder + QStringLiteral("doc/readme.rtf");
    if (const auto readme = RtfReader::readFile(readmePath))
        RtfTextDocument::fill(m_readme->document(), *readme);
    else
        m_missingReadme = readmePath;
    const QString hiddenPath = folder + QStringLiteral("img/vldx_logo.gif");
    if (!loadPicture(m_hiddenLogo, hiddenPath, QSize()))
        m_missingPictures << hiddenPath;
    if (m_report && !loadProblems().isEmpty())
        m_report(loadProblems());

    setProgramInfo(QString(), QString());
}

QString TFApropos::loadProblems() const
{
    QStringList problems;
    for (const QString &path : m_missingPictures)
        problems << vocab(QStringLiteral("MSG_PICTURE_MISSING")).arg(QDir::toNativeSeparators(path));
    if (!m_missingReadme.isEmpty())
        problems << vocab(QStringLiteral("MSG_README_MISSING")).arg(QDir::toNativeSeparators(m_missingReadme));
    return problems.join(QStringLiteral(" — "));
}

QLabel *TFApropos::label(const char *name, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, this);
    l->setObjectName(QLatin1String(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

bool TFApropos::loadPicture(QLabel *target, const QString &path, const QSize &box)
{
    QPixmap picture(path);
    if (picture.isNull())
        return false;
    if (box.isValid() && (picture.width() > box.width() || picture.height() > box.height()))
        picture = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    target->setPixmap(picture);
    if (!box.isValid())
        target->adjustSize();
    return true;
}

void TFApropos::setProgramInfo(const QString &version, const QString &programDate)
{
    m_versionText = version;
    // The caption may have been translated to another length: the version follows it.
    m_versionCaption->adjustSize();
    m_version->move(m_versionCaption->x() + m_versionCaption->width() + 6, m_versionCaption->y());
    m_version->setText(version);
    m_version->adjustSize();
    m_date->setText(AboutModel::dateText(programDate));
    m_date->adjustSize();
    m_date->move(m_version->x() + m_version->width(), m_version->y());
}

void TFApropos::openLink(const QString &address)
{
    const bool opened = m_open && m_open(QUrl(address));
    if (!opened && m_report)
        m_report(vocab(QStringLiteral("MSG_OPEN_FAILED")).arg(address));
}

void TFApropos::Label1Click() { openLink(AboutModel::mailUrl(m_versionText)); }

void TFApropos::JvHotLink1Click() { openLink(m_webLink->text()); }

void TFApropos::showEvent(QShowEvent *event)
{
    // Filling the document leaves the view's cursor after the last line, and the view follows
    // its cursor: every opening starts at the top of the read-me.
    m_readme->moveCursor(QTextCursor::Start);
    m_readme->verticalScrollBar()->setValue(0);
    QDialog::showEvent(event);
}

bool TFApropos::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_mailLink) {
            Label1Click();
            return true;
        }
        if (watched == m_webLink) {
            JvHotLink1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
