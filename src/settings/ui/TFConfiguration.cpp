#include "settings/ui/TFConfiguration.h"

#include "common/LanguageTexts.h"

#include "common/ui/DisplayText.h"
#include "common/ui/ErrorHandler.h"
#include "settings/ReleaseNotes.h"
#include "settings/ui/NamedWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QLabel *namedLabel(const QString &text, const char *name, QWidget *parent)
{
    return NamedWidgets::label(text, QLatin1String(name), parent);
}

QLineEdit *namedEdit(const char *name, QWidget *parent, bool secret = false)
{
    return NamedWidgets::edit(name, parent, 220, secret);
}

QPushButton *namedButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}
} // namespace

TFConfiguration::TFConfiguration(Settings &settings, const QString &programFolder, QWidget *parent)
    : QDialog(parent), m_model(settings, programFolder), m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("FConfiguration"));
    setWindowTitle(QStringLiteral("SQW Quick Setup"));
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    // ---- welcome: the release notes ----
    auto *news = new QGroupBox(QStringLiteral("NEWS"));
    news->setObjectName(QStringLiteral("GbNews"));
    m_notes = new QTextBrowser(news);
    m_notes->setObjectName(QStringLiteral("RichEditNews"));
    m_notes->setHtml(ReleaseNotes::html(QString()));
    m_notes->setOpenLinks(false);
    m_notes->setMinimumSize(380, 230);
    (new QVBoxLayout(news))->addWidget(m_notes);

    // ---- language ----
    auto *language = new QWidget;
    m_langue = new QComboBox(language);
    m_langue->setObjectName(QStringLiteral("cbLangue"));
    m_langue->setMinimumWidth(200);
    auto *languageForm = new QFormLayout(language);
    languageForm->addRow(namedLabel(QStringLiteral("Language"), "LLangage", language), m_langue);

    // ---- team ----
    auto *team = new QGroupBox(QStringLiteral("Team"));
    team->setObjectName(QStringLiteral("GbTeam"));
    m_nomEquipe = namedEdit("ENomEquipe", team);
    m_idEquipe = namedEdit("EIDEquipe", team);
    m_hUser = namedEdit("EHUser", team);
    m_hPassword = namedEdit("EHPassword", team, true);
    auto *teamForm = new QFormLayout(team);
    teamForm->addRow(namedLabel(QStringLiteral("Team Name * :"), "LNomEquipe", team), m_nomEquipe);
    teamForm->addRow(namedLabel(QStringLiteral("Team ID * :"), "LIDEquipe", team), m_idEquipe);
    teamForm->addRow(namedLabel(QStringLiteral("User name :"), "LHUser", team), m_hUser);
    teamForm->addRow(namedLabel(QStringLiteral("Security Password :"), "LHPassword", team), m_hPassword);
    teamForm->addRow(namedLabel(QStringLiteral("(* = optional)"), "LOptional", team));

    // ---- finish ----
    auto *finish = new QWidget;
    auto *caption = namedLabel(QStringLiteral("Now enjoy with Squadwright!"), "LFinishCaption", finish);
    QFont big = caption->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    caption->setFont(big);
    auto *enjoy = namedLabel(QStringLiteral("Enjoy with Squadwright."), "LEnjoy", finish);
    enjoy->setAlignment(Qt::AlignCenter);
    auto *finishLayout = new QVBoxLayout(finish);
    finishLayout->addWidget(caption);
    finishLayout->addStretch();
    finishLayout->addWidget(enjoy);
    finishLayout->addStretch();

    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("JvWizard1"));
    m_stack->addWidget(makePage("JvWizardWelcomePage1", "Welcome to Squadwright configuration page", news, true));
    m_stack->addWidget(makePage("LangagePage", "Please select your language", language));
    m_stack->addWidget(makePage("VelmorraPage", "Please enter your Velmorra team infos", team));
    m_stack->addWidget(makePage("FinishPage", "Configuration finished", finish));

    // ---- buttons ----
    m_start = namedButton(QStringLiteral("To &Start Page"), "BtnStart", this);
    m_last = namedButton(QStringLiteral("To &Last Page"), "BtnLast", this);
    m_back = namedButton(QStringLiteral("< &Back"), "BtnBack", this);
    m_next = namedButton(QStringLiteral("&Next >"), "BtnNext", this);
    m_finish = namedButton(QStringLiteral("&Finish"), "BtnFinish", this);
    m_cancel = namedButton(QStringLiteral("Cancel"), "BtnCancel", this);
    m_help = namedButton(QStringLiteral("&Help"), "BtnHelp", this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_last);
    buttons->addStretch();
    for (QPushButton *b : {m_back, m_next, m_finish, m_cancel, m_help})
        buttons->addWidget(b);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LStatus"));
    m_status->setStyleSheet(QStringLiteral("color: #a01010;"));
    m_status->setWordWrap(true);
    m_status->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 9);
    layout->addWidget(m_stack);
    layout->addWidget(line);
    layout->addWidget(m_status);
    auto *buttonMargins = new QHBoxLayout;
    buttonMargins->setContentsMargins(9, 0, 9, 0);
    buttonMargins->addLayout(buttons);
    layout->addLayout(buttonMargins);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // ---- events ----
    connect(m_start, &QPushButton::clicked, this, [this] { m_model.toStartPage(); });
    connect(m_last, &QPushButton::clicked, this, [this] { m_model.toLastPage(); });
    connect(m_back, &QPushButton::clicked, this, [this] { m_model.back(); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_model.next(); });
    connect(m_finish, &QPushButton::clicked, this, &TFConfiguration::finishClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &TFConfiguration::helpClick);
    connect(m_langue, &QComboBox::activated, this, [this](int index) {
        m_model.setLanguageIndex(index);
        repaint();
        emit languageChosen(m_model.languageName());
    });
    auto bindText = [this](QLineEdit *edit, QString QuickSetupModel::Boxes::*field) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) {
            m_model.boxes().*field = text;
            repaint(); // Next follows the two account boxes
        });
    };
    bindText(m_nomEquipe, &QuickSetupModel::Boxes::nomEquipe);
    bindText(m_idEquipe, &QuickSetupModel::Boxes::idEquipe);
    bindText(m_hUser, &QuickSetupModel::Boxes::hUser);
    bindText(m_hPassword, &QuickSetupModel::Boxes::hPassword);
    connect(&m_model, &QuickSetupModel::changed, this, &TFConfiguration::repaint);
    repaint();
}

QWidget *TFConfiguration::makePage(const char *name, const char *subtitle, QWidget *content, bool watermark)
{
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(name));

    // The header: title and subtitle on white, the picture at the right.
    auto *header = new QWidget(page);
    header->setObjectName(QLatin1String(name) + QStringLiteral("Header"));
    header->setAutoFillBackground(true);
    QPalette white = header->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QColor(0x26, 0x32, 0x3a));
    header->setPalette(white);
    auto *title = new QLabel(QStringLiteral("Squadwright"), header);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    auto *sub = new QLabel(QString::fromUtf8(subtitle), header);
    sub->setObjectName(QLatin1String(name) + QStringLiteral("Subtitle"));
    auto *picture = new QLabel(header);
    picture->setPixmap(QPixmap(m_programFolder + QStringLiteral("/img/setup_header.png")));
    auto *texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(sub);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->addLayout(texts, 1);
    headerLayout->addWidget(picture);
    auto *rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(12, 12, 12, 12);
    body->addWidget(content);
    content->setParent(page);
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(header);
    column->addWidget(rule);
    column->addLayout(body, 1);

    if (!watermark) {
        page->setLayout(column);
        return page;
    }
    // The welcome page has the tall picture on its left, beside everything else.
    auto *mark = new QLabel(page);
    mark->setObjectName(QStringLiteral("IWatermark"));
    mark->setPixmap(QPixmap(m_programFolder + QStringLiteral("/img/setup_watermark.png")));
    mark->setAlignment(Qt::AlignTop);
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(mark);
    row->addLayout(column, 1);
    return page;
}

void TFConfiguration::showEvent(QShowEvent *event)
{
    ErrorHandler::guarded([this] {
        m_status->hide();
        m_model.FormShow();
    });
    QDialog::showEvent(event);
}

QPushButton *TFConfiguration::button(const char *name) const
{
    return findChild<QPushButton *>(QLatin1String(name));
}

void TFConfiguration::repaint()
{
    m_painting = true;
    const QuickSetupModel &m = m_model;
    const int page = m.page();
    const bool pageChanged = m_stack->currentIndex() != page;
    m_stack->setCurrentIndex(page);
    {
        const QSignalBlocker block(m_langue);
        if (m_langue->count() != m.languages().size()) {
            m_langue->clear();
            m_langue->addItems(m.languages());
        }
        m_langue->setCurrentIndex(m.languageIndex());
    }
    // The release notes speak the language chosen (at first the one preselected).
    if (m.languageName() != m_notesLanguage) {
        m_notesLanguage = m.languageName();
        m_notes->setHtml(ReleaseNotes::html(m_notesLanguage));
    }
    for (auto [edit, text] : {std::pair{m_nomEquipe, m.boxes().nomEquipe}, std::pair{m_idEquipe, m.boxes().idEquipe},
                              std::pair{m_hUser, m.boxes().hUser}, std::pair{m_hPassword, m.boxes().hPassword}})
        if (edit->text() != text)
            edit->setText(text);
    // The last page has only its Finish button.
    const bool last = page == QuickSetupModel::Finish;
    for (QPushButton *b : {m_start, m_last, m_back, m_next, m_cancel, m_help})
        b->setVisible(!last);
    m_finish->setVisible(last);
    m_start->setEnabled(page != QuickSetupModel::Welcome);
    m_back->setEnabled(page != QuickSetupModel::Welcome);
    m_next->setEnabled(m.canGoNext());
    m_last->setEnabled(m.canGoNext());
    QPushButton *main = last ? m_finish : m_next;
    main->setDefault(true);
    if (pageChanged && page == QuickSetupModel::Team)
        m_hUser->setFocus();
    m_painting = false;
}

void TFConfiguration::finishClick()
{
    ErrorHandler::guarded([this] {
        if (m_model.finish()) {
            accept();
            return;
        }
        // The wizard stays open: what was typed is not lost, and Cancel still leaves.
        m_status->setText(displayText(message("LMsgWriteFailed", QStringLiteral("The settings file cannot be written: nothing was saved."))));
        m_status->show();
    });
}

void TFConfiguration::helpClick()
{
    QMessageBox box(QMessageBox::Information, windowTitle(), displayText(message("LMsgHelp", QStringLiteral(
                        "Choose the language of the program, then type the user name and the security code "
                        "of your Velmorra account: the download needs them. Team name and team ID may stay "
                        "empty.\nEverything can be changed later in Options > Settings."))), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("HelpMessage"));
    box.exec();
}

QString TFConfiguration::message(const char *name, const QString &builtIn) const
{
    if (m_messageSource) {
        if (std::optional<QString> text = m_messageSource(objectName(), QLatin1String(name)))
            return *text;
    }
    return windowText(objectName(), QLatin1String(name), builtIn);
}
