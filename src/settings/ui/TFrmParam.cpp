#include "settings/ui/TFrmParam.h"

#include "common/LanguageTexts.h"
#include "common/ui/DisplayText.h"
#include "common/ui/ErrorHandler.h"
#include "platform/ui/KeepOnTop.h"
#include "settings/Settings.h"
#include "settings/ui/NamedWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const char *const kSkillCaptions[ParamDialogModel::kSkills] = {"Endurance", "Construction", "Passe", "Ailier",
                                                               "Défense",   "Buteur",       "Gardien"};
const char *const kGeneralNames[ParamDialogModel::kGeneral] = {"Forme", "Experience", "Endurance"};
const char *const kGeneralCaptions[ParamDialogModel::kGeneral] = {"Forme", "Expérience", "Endurance"};

QLabel *namedLabel(const QString &text, const QString &name, QWidget *parent)
{
    return NamedWidgets::label(text, name, parent);
}

QLineEdit *namedEdit(const char *name, QWidget *parent, bool secret = false)
{
    return NamedWidgets::edit(name, parent, 200, secret);
}

QSlider *weightSlider(const QString &name, QWidget *parent)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, 100);
    slider->setTickInterval(10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setPageStep(10);
    slider->setMinimumWidth(260);
    return slider;
}

void setTextIfChanged(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}
// The dialog's messages, by the names the language files give them.
struct Message {
    const char *name;
    const char *text;
};
const Message kMessages[] = {
    {"LMsgClamped", "Valeurs hors de 0..100 ramenées dans les bornes (écrites avec « Ok » ou « Appliquer ») : %1"},
    {"LMsgHelp", "Formules : chaque poste a sept poids de compétences dont la somme reste 100 ; en déplaçant un "
                 "curseur, les autres s'ajustent.\nGénéraux : poids de la forme, de l'expérience et de l'endurance, "
                 "communs à tous les postes.\n« Appliquer » enregistre sans fermer, « Annuler » ferme sans enregistrer."},
    {"LMsgBadHost", "« %1 » n'est pas une adresse de serveur : tapez un nom d'hôte, hôte:port ou une adresse http:// "
                    "ou https:// (vide : le serveur habituel)."},
};

} // namespace

TFrmParam::TFrmParam(Settings &settings, const QString &programFolder, QWidget *parent)
    : QDialog(parent), m_model(settings, programFolder)
{
    setObjectName(QStringLiteral("FrmParam"));
    setWindowTitle(QStringLiteral("Paramètres"));
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));

    // ---- "Général" ----
    auto *general = new QWidget;
    general->setObjectName(QStringLiteral("TabGeneral"));
    auto *gbInternational = new QGroupBox(QStringLiteral("International"), general);
    gbInternational->setObjectName(QStringLiteral("gbInternational"));
    m_langue = new QComboBox(gbInternational);
    m_langue->setObjectName(QStringLiteral("cbLangue"));
    m_langue->setMinimumWidth(200);
    auto *international = new QFormLayout(gbInternational);
    QLabel *langueLabel = namedLabel(QStringLiteral("Langue"), QStringLiteral("LLangue"), gbInternational);
    international->addRow(langueLabel, m_langue);

    auto *gbHotKey = new QGroupBox(QStringLiteral("Hotkey"), general);
    gbHotKey->setObjectName(QStringLiteral("gbHotKey"));
    m_hotKey = new QKeySequenceEdit(gbHotKey);
    m_hotKey->setObjectName(QStringLiteral("JvHotKey"));
    m_hotKey->setMinimumWidth(200);
    auto *hotKey = new QFormLayout(gbHotKey);
    QLabel *calculLabel = namedLabel(QStringLiteral("Calcul"), QStringLiteral("LCalcul"), gbHotKey);
    hotKey->addRow(calculLabel, m_hotKey);
    m_alignedColumns << QList<QLabel *>{langueLabel, calculLabel};

    auto *gbApparence = new QGroupBox(QStringLiteral("Apparence"), general);
    gbApparence->setObjectName(QStringLiteral("gbApparence"));
    m_onTop = new QCheckBox(QStringLiteral("Fenêtre au premier plan"), gbApparence);
    m_onTop->setObjectName(QStringLiteral("cbOntop"));
    (new QVBoxLayout(gbApparence))->addWidget(m_onTop);

    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(gbInternational);
    generalLayout->addWidget(gbHotKey);
    generalLayout->addWidget(gbApparence);
    generalLayout->addStretch();
    m_pages->addTab(general, QStringLiteral("Général"));

    // ---- "Formules" ----
    auto *formules = new QWidget;
    formules->setObjectName(QStringLiteral("TabFormules"));
    auto *gbPoste = new QGroupBox(QStringLiteral("Par poste"), formules);
    gbPoste->setObjectName(QStringLiteral("gbPoste"));
    m_poste = new QComboBox(gbPoste);
    m_poste->setObjectName(QStringLiteral("cbPoste"));
    m_poste->addItems(ParamDialogModel::posteEntries());
    auto *posteGrid = new QGridLayout(gbPoste);
    QList<QLabel *> formulaLabels = {namedLabel(QStringLiteral("Poste"), QStringLiteral("LPoste"), gbPoste)};
    posteGrid->addWidget(formulaLabels.first(), 0, 0);
    posteGrid->addWidget(m_poste, 0, 1, 1, 2);
    for (int s = 0; s < ParamDialogModel::kSkills; ++s) {
        const QString skill = ParamDialogModel::skillSuffix(s);
        formulaLabels << namedLabel(QString::fromUtf8(kSkillCaptions[s]), QStringLiteral("L") + skill, gbPoste);
        posteGrid->addWidget(formulaLabels.last(), s + 1, 0);
        m_sliders[s] = weightSlider(QStringLiteral("tb") + skill, gbPoste);
        m_sliders[s]->installEventFilter(this);
        posteGrid->addWidget(m_sliders[s], s + 1, 1);
        m_values[s] = namedLabel(ParamDialogModel::valueText(0), QStringLiteral("LValue") + skill, gbPoste);
        m_values[s]->setMinimumWidth(m_values[s]->fontMetrics().horizontalAdvance(QStringLiteral("[ 100 ]")) + 4);
        posteGrid->addWidget(m_values[s], s + 1, 2);
        connect(m_sliders[s], &QSlider::valueChanged, this, [this, s](int value) {
            if (!m_painting)
                ErrorHandler::guarded([&] { m_model.sliderChange(s, value); });
        });
    }
    posteGrid->setColumnStretch(1, 1);
    connect(m_poste, &QComboBox::activated, this, [this](int index) { m_model.cbPosteChange(index); });

    auto *gbGeneraux = new QGroupBox(QStringLiteral("Généraux"), formules);
    gbGeneraux->setObjectName(QStringLiteral("gbGeneraux"));
    auto *generalGrid = new QGridLayout(gbGeneraux);
    for (int g = 0; g < ParamDialogModel::kGeneral; ++g) {
        const QString name = QLatin1String(kGeneralNames[g]);
        formulaLabels << namedLabel(QString::fromUtf8(kGeneralCaptions[g]), QStringLiteral("LG") + name, gbGeneraux);
        generalGrid->addWidget(formulaLabels.last(), g, 0);
        m_generalSliders[g] = weightSlider(QStringLiteral("tbG") + name, gbGeneraux);
        generalGrid->addWidget(m_generalSliders[g], g, 1);
        m_generalValues[g] = namedLabel(ParamDialogModel::valueText(0), QStringLiteral("LValueG") + name, gbGeneraux);
        m_generalValues[g]->setMinimumWidth(m_values[0]->minimumWidth());
        generalGrid->addWidget(m_generalValues[g], g, 2);
        connect(m_generalSliders[g], &QSlider::valueChanged, this, [this, g](int value) {
            if (!m_painting)
                m_model.generalChange(g, value);
        });
    }
    generalGrid->setColumnStretch(1, 1);
    m_alignedColumns << formulaLabels;
    m_clampNotice = new QLabel(formules);
    m_clampNotice->setObjectName(QStringLiteral("LClampNotice"));
    m_clampNotice->setWordWrap(true);
    m_clampNotice->setStyleSheet(QStringLiteral("color: #a01010;"));
    m_clampNotice->hide();
    auto *formulesLayout = new QVBoxLayout(formules);
    formulesLayout->addWidget(gbPoste);
    formulesLayout->addWidget(gbGeneraux);
    formulesLayout->addWidget(m_clampNotice);
    formulesLayout->addStretch();
    m_formulesPage = m_pages->addTab(formules, QStringLiteral("Formules"));

    // ---- "Online" ----
    auto *online = new QWidget;
    online->setObjectName(QStringLiteral("TabOnline"));
    // The boxes of the three groups start in one column.
    QList<QLabel *> onlineLabels;
    auto onlineLabel = [&onlineLabels](const QString &text, const QString &name, QWidget *parent) {
        onlineLabels << namedLabel(text, name, parent);
        return onlineLabels.last();
    };
    auto *gbTeam = new QGroupBox(QStringLiteral("Equipe"), online);
    gbTeam->setObjectName(QStringLiteral("GBTeam"));
    m_nomEquipe = namedEdit("ENomEquipe", gbTeam);
    m_idEquipe = namedEdit("EIDEquipe", gbTeam);
    m_hUser = namedEdit("EHUser", gbTeam);
    m_hPassword = namedEdit("EHPassword", gbTeam, true);
    auto *team = new QFormLayout(gbTeam);
    team->addRow(onlineLabel(QStringLiteral("Nom de l'équipe :"), QStringLiteral("LNomEquipe"), gbTeam), m_nomEquipe);
    team->addRow(onlineLabel(QStringLiteral("ID de l'équipe :"), QStringLiteral("LIDEquipe"), gbTeam), m_idEquipe);
    team->addRow(onlineLabel(QStringLiteral("Nom d'utilisateur :"), QStringLiteral("LHUser"), gbTeam), m_hUser);
    team->addRow(onlineLabel(QStringLiteral("Code de sécurité :"), QStringLiteral("LHPassword"), gbTeam),
                 m_hPassword);

    m_proxyBox = new QCheckBox(QStringLiteral("Proxy"), online);
    m_proxyBox->setObjectName(QStringLiteral("cbxProxy"));
    m_connexion = new QGroupBox(QStringLiteral("Connection"), online);
    m_connexion->setObjectName(QStringLiteral("GBConnexion"));
    m_connexion->setEnabled(false);
    m_proxy = namedEdit("EProxy", m_connexion);
    m_port = namedEdit("EPort", m_connexion);
    m_port->setText(QStringLiteral("80"));
    m_userProxy = namedEdit("EUSer", m_connexion);
    m_proxyPassword = namedEdit("EPassword", m_connexion, true);
    auto *connexion = new QFormLayout(m_connexion);
    auto *proxyTitle = namedLabel(QStringLiteral("Paramètres Proxy :"), QStringLiteral("LProxySettings"), m_connexion);
    auto *authTitle = namedLabel(QStringLiteral("Authentification Proxy :"), QStringLiteral("LProxyAuth"), m_connexion);
    for (QLabel *title : {proxyTitle, authTitle}) {
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
    }
    connexion->addRow(proxyTitle);
    connexion->addRow(onlineLabel(QStringLiteral("Proxy :"), QStringLiteral("LProxy"), m_connexion), m_proxy);
    connexion->addRow(onlineLabel(QStringLiteral("Port :"), QStringLiteral("LPort"), m_connexion), m_port);
    connexion->addRow(authTitle);
    connexion->addRow(onlineLabel(QStringLiteral("Nom d'utilisateur :"), QStringLiteral("LUserProxy"), m_connexion),
                      m_userProxy);
    connexion->addRow(onlineLabel(QStringLiteral("Mot de passe :"), QStringLiteral("LPasswordProxy"), m_connexion),
                      m_proxyPassword);
    // The servers, in the forms the program reads: host, host:port or an http(s) address.
    auto *gbServers = new QGroupBox(QStringLiteral("Serveurs"), online);
    gbServers->setObjectName(QStringLiteral("GBServers"));
    m_gameHost = namedEdit("EGameHost", gbServers);
    m_gameHost->setPlaceholderText(Settings::kDefaultGameHost);
    m_updateHost = namedEdit("EUpdateHost", gbServers);
    m_updateHost->setPlaceholderText(Settings::kDefaultUpdateHost);
    auto *servers = new QFormLayout(gbServers);
    servers->addRow(onlineLabel(QStringLiteral("Serveur de jeu :"), QStringLiteral("LGameHost"), gbServers), m_gameHost);
    servers->addRow(onlineLabel(QStringLiteral("Serveur des mises à jour :"), QStringLiteral("LUpdateHost"), gbServers),
                    m_updateHost);
    m_hostNotice = new QLabel(online);
    m_hostNotice->setObjectName(QStringLiteral("LHostNotice"));
    m_hostNotice->setWordWrap(true);
    m_hostNotice->setStyleSheet(QStringLiteral("color: #a01010;"));
    m_hostNotice->hide();
    m_alignedColumns << onlineLabels;
    auto *onlineLayout = new QVBoxLayout(online);
    onlineLayout->addWidget(gbTeam);
    onlineLayout->addWidget(m_proxyBox);
    onlineLayout->addWidget(m_connexion);
    onlineLayout->addWidget(gbServers);
    onlineLayout->addWidget(m_hostNotice);
    onlineLayout->addStretch();
    m_onlinePage = m_pages->addTab(online, QStringLiteral("Online"));

    // ---- buttons ----
    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("BOK"));
    auto *apply = new QPushButton(QStringLiteral("&Appliquer"), this);
    apply->setObjectName(QStringLiteral("BApply"));
    auto *cancel = new QPushButton(QStringLiteral("A&nnuler"), this);
    cancel->setObjectName(QStringLiteral("BCancel"));
    auto *help = new QPushButton(QStringLiteral("A&ide"), this);
    help->setObjectName(QStringLiteral("BHelp"));
    // Enter saves: a user who types a code and presses Enter expects it kept. Escape cancels.
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {ok, apply, cancel, help}) {
        b->setAutoDefault(b == ok);
        buttons->addWidget(b);
    }


    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // ---- events ----
    connect(m_langue, &QComboBox::activated, this, [this](int index) { m_model.setLanguageIndex(index); });
    connect(m_hotKey, &QKeySequenceEdit::keySequenceChanged, this, [this](const QKeySequence &sequence) {
        if (m_painting)
            return;
        // One combination: the first one typed.
        if (sequence.count() > 1) {
            const QSignalBlocker block(m_hotKey);
            m_hotKey->setKeySequence(QKeySequence(sequence[0]));
        }
        m_model.boxes().hotKey = m_hotKey->keySequence().toString(QKeySequence::PortableText);
    });
    connect(m_onTop, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_painting)
            m_model.boxes().onTop = on;
    });
    auto bindText = [this](QLineEdit *edit, QString ParamDialogModel::Boxes::*field) {
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) { m_model.boxes().*field = text; });
    };
    bindText(m_nomEquipe, &ParamDialogModel::Boxes::nomEquipe);
    bindText(m_idEquipe, &ParamDialogModel::Boxes::idEquipe);
    bindText(m_hUser, &ParamDialogModel::Boxes::hUser);
    bindText(m_hPassword, &ParamDialogModel::Boxes::hPassword);
    bindText(m_proxy, &ParamDialogModel::Boxes::proxy);
    bindText(m_port, &ParamDialogModel::Boxes::port);
    bindText(m_userProxy, &ParamDialogModel::Boxes::userProxy);
    bindText(m_proxyPassword, &ParamDialogModel::Boxes::proxyPassword);
    bindText(m_gameHost, &ParamDialogModel::Boxes::gameHost);
    bindText(m_updateHost, &ParamDialogModel::Boxes::updateHost);
    connect(&m_model, &ParamDialogModel::hostRefused, this, [this](const QString &box, const QString &text) {
        m_hostNotice->setText(displayText(message("LMsgBadHost").arg(text.trimmed())));
        m_hostNotice->show();
        m_pages->setCurrentIndex(m_onlinePage);
        if (auto *edit = findChild<QLineEdit *>(box)) {
            edit->setFocus();
            edit->selectAll();
        }
    });
    connect(m_proxyBox, &QCheckBox::clicked, this, [this](bool on) { m_model.cbxProxyClick(on); });
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_lastPage == m_formulesPage && index != m_formulesPage)
            m_model.TabFormulesExit();
        m_lastPage = index;
    });
    connect(ok, &QPushButton::clicked, this, [this] { save(true); });
    connect(apply, &QPushButton::clicked, this, [this] { save(false); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TFrmParam::BHelpClick);
    connect(&m_model, &ParamDialogModel::changed, this, &TFrmParam::repaint);
    connect(&m_model, &ParamDialogModel::valuesClamped, this, [this](const QStringList &keys) {
        m_clampNotice->setText(displayText(clampedMessage(keys)));
    });

    m_model.FormCreate();
    repaint();
}

void TFrmParam::showEvent(QShowEvent *event)
{
    // Each opening reads the file again, so abandoned changes are gone.
    ErrorHandler::guarded([this] {
        m_clampNotice->clear();
        m_hostNotice->clear();
        m_hostNotice->hide();
        alignColumns();
        m_model.FormShow(onTopSource ? onTopSource() : false);
        KeepOnTop::apply(this, m_model.boxes().onTop);
        m_pages->setCurrentIndex(0);
        m_model.FormActivate(hotKeySource ? hotKeySource() : QString());
        m_clampNotice->setVisible(!m_clampNotice->text().isEmpty());
    });
    QDialog::showEvent(event);
}

void TFrmParam::alignColumns()
{
    for (const QList<QLabel *> &column : std::as_const(m_alignedColumns)) {
        int width = 0;
        for (QLabel *label : column) {
            label->setMinimumWidth(0);
            width = qMax(width, label->sizeHint().width());
        }
        for (QLabel *label : column)
            label->setMinimumWidth(width);
    }
}

bool TFrmParam::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease)
        for (int s = 0; s < ParamDialogModel::kSkills; ++s)
            if (watched == m_sliders[s])
                m_model.sliderKeyUp(s);
    return QDialog::eventFilter(watched, event);
}

void TFrmParam::save(bool close)
{
    ErrorHandler::guarded([this, close] {
        // The edits of the shown position count even while the focus is still on its page.
        if (m_pages->currentIndex() == m_formulesPage)
            m_model.TabFormulesExit();
        const bool ok = close ? m_model.BOKClick() : m_model.BApplyClick();
        // A failed write is reported in the status bar; the dialog stays open so nothing
        // typed is lost.
        if (close && ok)
            accept();
    });
}

void TFrmParam::BHelpClick()
{
    const bool onTop = KeepOnTop::isOnTop(this);
    KeepOnTop::apply(this, false);
    QMessageBox box(QMessageBox::Information, windowTitle(), displayText(message("LMsgHelp")),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("HelpMessage"));
    box.exec();
    KeepOnTop::apply(this, onTopSource ? onTopSource() : onTop);
}

void TFrmParam::repaint()
{
    m_painting = true;
    const ParamDialogModel &m = m_model;
    {
        const QSignalBlocker block(m_langue);
        if (m_langue->count() != m.languages().size() || [&] {
                for (int i = 0; i < m_langue->count(); ++i)
                    if (m_langue->itemText(i) != m.languages()[i])
                        return true;
                return false;
            }()) {
            m_langue->clear();
            m_langue->addItems(m.languages());
        }
        m_langue->setCurrentIndex(m.languageIndex());
    }
    m_hotKey->setKeySequence(QKeySequence::fromString(m.boxes().hotKey, QKeySequence::PortableText));
    m_onTop->setChecked(m.boxes().onTop);
    m_poste->setCurrentIndex(m.currentRow());
    for (int s = 0; s < ParamDialogModel::kSkills; ++s) {
        m_sliders[s]->setValue(m.slider(s));
        m_values[s]->setText(ParamDialogModel::valueText(m.slider(s)));
    }
    for (int g = 0; g < ParamDialogModel::kGeneral; ++g) {
        m_generalSliders[g]->setValue(m.general(g));
        m_generalValues[g]->setText(ParamDialogModel::valueText(m.general(g)));
    }
    setTextIfChanged(m_nomEquipe, m.boxes().nomEquipe);
    setTextIfChanged(m_idEquipe, m.boxes().idEquipe);
    setTextIfChanged(m_hUser, m.boxes().hUser);
    setTextIfChanged(m_hPassword, m.boxes().hPassword);
    m_proxyBox->setChecked(m.boxes().useProxy);
    m_connexion->setEnabled(m.boxes().useProxy);
    setTextIfChanged(m_proxy, m.boxes().proxy);
    setTextIfChanged(m_port, m.boxes().port);
    setTextIfChanged(m_userProxy, m.boxes().userProxy);
    setTextIfChanged(m_proxyPassword, m.boxes().proxyPassword);
    setTextIfChanged(m_gameHost, m.boxes().gameHost);
    setTextIfChanged(m_updateHost, m.boxes().updateHost);
    m_painting = false;
}

QString TFrmParam::message(const char *name) const
{
    for (const Message &m : kMessages) {
        if (qstrcmp(m.name, name) == 0)
            return windowText(objectName(), QLatin1String(name), QString::fromUtf8(m.text));
    }
    return {};
}

QString TFrmParam::clampedMessage(const QStringList &keys) const
{
    return message("LMsgClamped").arg(keys.join(QStringLiteral(", ")));
}
