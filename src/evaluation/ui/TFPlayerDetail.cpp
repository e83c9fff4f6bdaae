#include "evaluation/ui/TFPlayerDetail.h"
#include "common/ui/DisplayText.h"
#include "common/Vocabulary.h"

#include "evaluation/RosterModel.h"
#include "common/ui/ErrorHandler.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TFPlayerDetail::TFPlayerDetail(const RosterModel &model, const QString &pictureFolder, QWidget *parent)
    : QDialog(parent), m_model(model), m_pictureFolder(pictureFolder)
{
    setObjectName(QStringLiteral("FPlayerDetail"));
    setWindowTitle(QStringLiteral("FPlayerDetail"));
    setModal(true);

    m_name = namedLabel(QStringLiteral("LName"), QString(), this);
    QFont big = m_name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_name->setFont(big);
    m_position = namedLabel(QStringLiteral("LPosition"), QString(), this);
    QFont bold = m_position->font();
    bold.setBold(true);
    m_position->setFont(bold);
    m_tsi = namedLabel(QStringLiteral("LTSI"), QString(), this);
    m_description = namedLabel(QStringLiteral("LDescription"), QString(), this);
    m_description->setWordWrap(true);
    m_description->setMinimumWidth(380);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_injury = namedLabel(QStringLiteral("Iblessure"), QString(), this);
    m_injuryLabel = namedLabel(QStringLiteral("LBlessure"), QStringLiteral("(X)"), this);
    m_card = namedLabel(QStringLiteral("ICard"), QString(), this);
    m_injury->hide();
    m_injuryLabel->hide();
    m_card->hide();

    auto *top = new QHBoxLayout;
    auto *identity = new QVBoxLayout;
    identity->addWidget(m_name);
    identity->addWidget(m_position);
    identity->addWidget(m_tsi);
    top->addLayout(identity, 1);
    auto *pictures = new QHBoxLayout;
    pictures->setSpacing(0);
    pictures->addWidget(m_injury, 0, Qt::AlignTop);
    pictures->addSpacing(5); // the injury's weeks stand 5 pixels right of its picture
    pictures->addWidget(m_injuryLabel, 0, Qt::AlignTop);
    pictures->addSpacing(12);
    pictures->addWidget(m_card, 0, Qt::AlignTop);
    top->addLayout(pictures);

    // Skills: stamina, playmaking, winger, scoring on the left; keeper, passing, defending,
    // set pieces on the right.
    auto *skills = new QGridLayout;
    skills->setHorizontalSpacing(10);
    skills->setColumnMinimumWidth(2, 24);
    for (int s = 0; s < PlayerDetailModel::kSkillCount; ++s) {
        const auto skill = PlayerDetailModel::Skill(s);
        const QString captionName = PlayerDetailModel::captionLabelName(skill);
        m_captions[size_t(s)] = namedLabel(captionName, captionName, this);
        m_values[size_t(s)] = namedLabel(PlayerDetailModel::valueLabelName(skill), QString(), this);
        m_values[size_t(s)]->setFont(bold);
        const int row = s % 4;
        const int column = s < 4 ? 0 : 3;
        skills->addWidget(m_captions[size_t(s)], row, column);
        skills->addWidget(m_values[size_t(s)], row, column + 1);
    }
    skills->setColumnStretch(1, 1);
    skills->setColumnStretch(4, 1);

    auto *speciality = new QHBoxLayout;
    m_speciality = namedLabel(QStringLiteral("LSpeciality"), QStringLiteral("LSpeciality"), this);
    m_specialityValue = namedLabel(QStringLiteral("LSpecialityValue"), QString(), this);
    m_specialityValue->setFont(bold);
    speciality->addWidget(m_speciality);
    speciality->addWidget(m_specialityValue, 1);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("BOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(m_description);
    layout->addSpacing(6);
    layout->addLayout(skills);
    layout->addLayout(speciality);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    // Not resizable by the user; the size follows what the window shows.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TFPlayerDetail::showPlayer(int record)
{
    setDetailPlayer(record);
    return exec();
}

void TFPlayerDetail::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        PlayerWindowFrame::applyOnTop(this, m_onTopSource);
        formShow();
    }
    QDialog::setVisible(visible);
}

void TFPlayerDetail::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Laid out by now, and not yet on the screen.
    PlayerWindowFrame::centreOnMainWindow(this);
}

void TFPlayerDetail::formShow()
{
    ErrorHandler::guarded([this] {
        const Roster &roster = m_model.roster();
        // A window without its player shows nothing rather than someone else's figures.
        const PlayerDetailModel m = roster.hasRecord(m_record)
                                        ? PlayerDetailModel::forPlayer(roster.players[size_t(m_record)])
                                        : PlayerDetailModel();

        m_injury->hide();
        m_injuryLabel->hide();
        if (m.injuryVisible)
            showPicture(m_injury, m.injuryPicture);
        if (m.injuryLabelVisible) {
            m_injuryLabel->setText(m.injuryLabel);
            m_injuryLabel->show();
        }
        if (m.cardVisible)
            showPicture(m_card, m.cardPicture);
        else
            m_card->hide();

        m_name->setText(m.name);
        // The description's line breaks come as carriage return and line feed.
        m_description->setText(displayText(m.description));
        m_position->setText(m.position);
        m_tsi->setText(m.tsi);
        for (int s = 0; s < PlayerDetailModel::kSkillCount; ++s) {
            QLabel *label = m_values[size_t(s)];
            label->setText(m.values[size_t(s)]);
            const PlayerDetailModel::Rgb c = PlayerDetailModel::rgb(m.colours[size_t(s)]);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
            label->setPalette(palette);
        }
        m_specialityValue->setText(m.speciality);
        m_speciality->setVisible(m.specialityVisible);
    });
}

void TFPlayerDetail::showPicture(QLabel *label, const QString &file)
{
    const QString path = m_pictureFolder + file;
    QPixmap picture;
    if (!QFileInfo(path).isFile() || !picture.load(path)) {
        // The window still opens with everything else; the picture's place stays empty.
        label->clear();
        label->hide();
        ErrorHandler::report(vocab(QStringLiteral("MSG_PICTURE_MISSING")).arg(path));
        return;
    }
    label->setPixmap(picture);
    label->setFixedSize(picture.size());
    label->show();
}
