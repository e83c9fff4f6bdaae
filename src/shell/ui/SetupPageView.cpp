#include "shell/ui/SetupPageView.h"

#include "common/ui/ErrorHandler.h"
#include "common/LanguageTexts.h"
#include "lineup/BoardControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// Caption labels of the match condition boxes, in Board::Condition order.
struct ConditionRow {
    Board::Condition condition;
    const char *labelName;
    const char *caption;
};
const ConditionRow kConditionRows[Board::kConditionCount] = {
    {Board::TeamSpirit, "LTeamSpirit", "Esprit d'équipe"},
    {Board::Entraineur, "LTypeEntraineur", "Entraîneur"},
    {Board::Tactique, "LTactique", "Tactique"},
    {Board::Attitude, "LAttitude", "Attitude"},
    {Board::Confiance, "LConfiance", "Confiance"},
    {Board::Lieu, "LLieu", "Lieu"},
};

struct OptionRow {
    Board::Option option;
    const char *caption;
};
const OptionRow kOptionRows[] = {
    {Board::Blesse, "Ne pas tenir compte des blessures"},
    {Board::Cartons, "Ne pas tenir compte des cartons"},
    {Board::RecalculTous, "Tout recalculer"},
};

// The main window's messages, by the names the language files give them under "Form1".
struct Message {
    const char *name;
    const char *text;
};
const Message kMessages[] = {
    {"LMsgNoDataFolder", "Dossier des données introuvable (%1) : le terrain reste vide."},
    {"LMsgNoPlayersFile", "Fichier des joueurs introuvable (%1) : le terrain reste vide."},
    {"LMsgPlacesVides", "Aucun joueur disponible pour : %1"},
    {"LMsgOptimum", "Composition optimale : E = %1 (prouvée) ; %2 sur la composition précédente, %3 sur Calcule"},
    {"LMsgOptimumOpen", "Composition optimale : E = %1 (non prouvée, au plus %4) ; %2 sur la composition "
                        "précédente, %3 sur Calcule"},
    {"LMsgNotice", " - outil non officiel"},
};

void setItemsIfChanged(QComboBox *box, const QStringList &items)
{
    QStringList current;
    current.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        current << box->itemText(i);
    if (current != items) {
        box->clear();
        box->addItems(items);
    }
}

} // namespace

SetupPageView::SetupPageView(Board &board, QWidget *parent) : QWidget(parent), m_board(board)
{
    setObjectName(QStringLiteral("TabSetup"));
    createOptions();
    createFormation();
    createConditions();
    connect(&m_board, &Board::changed, this, &SetupPageView::repaint);
}

void SetupPageView::createOptions()
{
    auto *options = new QGroupBox(QStringLiteral("Options"), this);
    options->setObjectName(QStringLiteral("gbOptions"));
    options->setGeometry(8, 8, 300, 112);
    auto *layout = new QVBoxLayout(options);
    for (const OptionRow &row : kOptionRows) {
        auto *box = new QCheckBox(QString::fromUtf8(row.caption), options);
        box->setObjectName(QLatin1String(BoardControls::optionName(row.option)));
        layout->addWidget(box);
        m_optionBoxes[row.option] = box;
        const Board::Option option = row.option;
        // clicked: only the user's click, never the program's own setting of the mark.
        connect(box, &QCheckBox::clicked, this, [this, option](bool checked) {
            ErrorHandler::guarded([&] { m_board.optionToggled(option, checked); });
        });
    }
    // The sector order stays hidden: the best lineup command tries every order itself.
    auto *methode = new QLabel(QStringLiteral("Méthode"), options);
    methode->setObjectName(QStringLiteral("LMethode"));
    methode->hide();
    m_ordreCalc = new QComboBox(options);
    m_ordreCalc->setObjectName(QStringLiteral("cbOrdreCalc"));
    m_ordreCalc->hide();
    connect(m_ordreCalc, &QComboBox::activated, this, [this](int entry) {
        ErrorHandler::guarded([&] { m_board.sectorOrderPicked(entry); });
    });
    layout->addStretch();
}

void SetupPageView::createFormation()
{
    // The formation button and its tabs.
    m_tabDispo = new QTabBar(this);
    m_tabDispo->setObjectName(QStringLiteral("TabDispo"));
    m_tabDispo->setDrawBase(false);
    m_tabDispo->setExpanding(false);
    for (const QString &tab : m_board.items(QStringLiteral("TabDispo")))
        m_tabDispo->addTab(tab);
    m_tabDispo->move(318, 8);
    m_tabDispo->resize(m_tabDispo->sizeHint());
    auto *dispoFrame = new QFrame(this);
    dispoFrame->setObjectName(QStringLiteral("TabDispoSheet"));
    dispoFrame->setFrameShape(QFrame::StyledPanel);
    dispoFrame->setGeometry(316, 8 + m_tabDispo->height() - 1, 290, 150);
    dispoFrame->lower();
    connect(m_tabDispo, &QTabBar::currentChanged, this, [this](int tab) {
        ErrorHandler::guarded([&] { m_board.tabChanged(tab); });
    });

    auto *group = new QGroupBox(QStringLiteral("Disposition"), dispoFrame);
    group->setObjectName(QStringLiteral("rgdisposition"));
    group->setGeometry(8, 6, 274, 96);
    auto *grid = new QGridLayout(group);
    m_dispositions = new QButtonGroup(group);
    const QStringList dispositions = m_board.items(QStringLiteral("rgdisposition"));
    // Three columns, filled column by column as a radio group does.
    const int rows = int((dispositions.size() + 2) / 3);
    for (int i = 0; i < dispositions.size(); ++i) {
        auto *radio = new QRadioButton(dispositions.at(i), group);
        radio->setObjectName(QStringLiteral("rgdisposition_%1").arg(i));
        m_dispositions->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    connect(m_dispositions, &QButtonGroup::idClicked, this, [this](int entry) {
        ErrorHandler::guarded([&] { m_board.dispositionPicked(entry); });
    });
    auto *valide = new QPushButton(QStringLiteral("Valider"), dispoFrame);
    valide->setObjectName(QStringLiteral("BtnValide"));
    valide->setGeometry(192, 110, 90, 30);
    connect(valide, &QPushButton::clicked, this, [this] {
        ErrorHandler::guarded([&] { m_board.formationPressed(); });
    });
}

void SetupPageView::createConditions()
{
    m_conditions = new QGroupBox(QStringLiteral("Paramètres Velmorra"), this);
    m_conditions->setObjectName(QStringLiteral("GbVelmorra"));
    m_conditions->setGeometry(8, 176, 598, 120);
    auto *grid = new QGridLayout(m_conditions);
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(2, 16);
    for (int i = 0; i < Board::kConditionCount; ++i) {
        const ConditionRow &row = kConditionRows[i];
        auto *label = new QLabel(QString::fromUtf8(row.caption), m_conditions);
        label->setObjectName(QLatin1String(row.labelName));
        auto *box = new QComboBox(m_conditions);
        box->setObjectName(QLatin1String(BoardControls::conditionBoxName(row.condition)));
        box->setMinimumWidth(180);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        label->setBuddy(box);
        const int r = i % 3;
        const int c = (i / 3) * 3;
        grid->addWidget(label, r, c);
        grid->addWidget(box, r, c + 1);
        m_conditionBoxes[row.condition] = box;
        const Board::Condition condition = row.condition;
        // activated: only the user's pick runs the evaluation.
        connect(box, &QComboBox::activated, this, [this, condition](int entry) {
            ErrorHandler::guarded([&] { m_board.conditionPicked(condition, entry); });
        });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    // Which tactic suits the squad: beside the tactic box's group, left of the board's buttons.
    m_tactics = new QPushButton(QStringLiteral("Comparer les tactiques"), this);
    m_tactics->setObjectName(QStringLiteral("BTactiques"));
    m_tactics->setGeometry(m_conditions->x(), m_conditions->geometry().bottom() + 12, 180, 25);
}

QRect SetupPageView::conditionsGeometry() const { return m_conditions->geometry(); }

QString SetupPageView::messageText(const char *name) const
{
    for (const Message &message : kMessages) {
        if (qstrcmp(message.name, name) == 0)
            return windowText(QStringLiteral("Form1"), QLatin1String(name), QString::fromUtf8(message.text));
    }
    return {};
}

void SetupPageView::repaint()
{
    for (int c = 0; c < Board::kConditionCount; ++c) {
        QComboBox *box = m_conditionBoxes[c];
        const QSignalBlocker block(box);
        setItemsIfChanged(box, m_board.items(box->objectName()));
        box->setCurrentIndex(m_board.state().condition(static_cast<Board::Condition>(c)));
    }
    {
        const QSignalBlocker block(m_ordreCalc);
        setItemsIfChanged(m_ordreCalc, m_board.items(QStringLiteral("cbOrdreCalc")));
        m_ordreCalc->setCurrentIndex(m_board.state().sectorOrder());
    }
    for (int o = 0; o < Board::kOptionCount; ++o) {
        const QSignalBlocker block(m_optionBoxes[o]);
        m_optionBoxes[o]->setChecked(m_board.state().option(static_cast<Board::Option>(o)));
    }
    {
        const QSignalBlocker block(m_tabDispo);
        m_tabDispo->setCurrentIndex(m_board.state().tab());
    }
    const QSignalBlocker block(m_dispositions);
    for (QAbstractButton *radio : m_dispositions->buttons()) {
        const int entry = m_dispositions->id(radio);
        radio->setEnabled(m_board.state().dispositionEnabled(entry));
        radio->setChecked(entry == m_board.state().disposition());
    }
}
