#include "shell/ui/AssistantDialog.h"

#include "common/LanguageTexts.h"
#include "common/NumberText.h"
#include "common/ui/ErrorHandler.h"
#include "evaluation/Tplayer.h"
#include "optimum/SolverPlugin.h"
#include "shell/MainModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

using namespace LineupSlots;

namespace {

struct Message {
    const char *name;
    const char *tactics; // the French text of each window
    const char *depth;
};
const Message kMessages[] = {
    {"Caption", "Comparer les tactiques", "Profondeur de l'effectif"},
    {"LIntro", "La composition optimale de chaque tactique, les autres conditions comme sur le terrain :",
     "La composition optimale sans chacun des joueurs du terrain, la plus grande perte d'abord :"},
    {"LMsgOnBoard", "%1 (sur le terrain)", "%1 (sur le terrain)"},
    {"LMsgTotal", "", "Avec tout le monde : E = %1, %2"},
    {"LMsgChange", "", "%1 : %2"}, // a place and who comes in there
    {"LMsgPut", "Sur le terrain : la tactique %1, E = %2", "Sur le terrain : la composition sans %1, E = %2"},
};

const char *const kTacticColumns[] = {"Tactique", "E", "Preuve", "Force tactique", "Niveau"};
const char *const kDepthColumns[] = {"Joueur", "Place", "E sans lui", "Perte", "Preuve", "Qui entre"};

QString number(double value) { return NumberText::decimal(value, vocab(QStringLiteral("DECIMAL_SEPARATOR"))); }

QTableWidgetItem *cell(const QString &text, bool right = false)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (right)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

AssistantDialog::AssistantDialog(Kind kind, MainModel &model, std::function<QString(int)> placeCaption,
                                 QWidget *parent)
    : QDialog(parent), m_kind(kind), m_model(model), m_placeCaption(std::move(placeCaption))
{
    setObjectName(kind == Tactics ? QStringLiteral("FTactics") : QStringLiteral("FDepth"));
    setWindowTitle(message("Caption"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(message("LIntro"), this);
    intro->setObjectName(QStringLiteral("LIntro"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("TableAssistant"));
    QStringList columns;
    if (kind == Tactics)
        for (const char *c : kTacticColumns)
            columns << QString::fromUtf8(c);
    else
        for (const char *c : kDepthColumns)
            columns << QString::fromUtf8(c);
    m_table->setColumnCount(int(columns.size()));
    m_table->setHorizontalHeaderLabels(columns);
    m_table->verticalHeader()->hide();
    // Eleven rows of the depth table fit without scrolling.
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    layout->addWidget(m_table, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto *buttons = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    buttons->addWidget(m_progress, 1);
    m_stop = new QPushButton(QString::fromUtf8("&Arrêter"), this);
    m_stop->setObjectName(QStringLiteral("BStop"));
    m_put = new QPushButton(QStringLiteral("&Mettre sur le terrain"), this);
    m_put->setObjectName(QStringLiteral("BPut"));
    auto *close = new QPushButton(QStringLiteral("&Fermer"), this);
    close->setObjectName(QStringLiteral("BClose"));
    for (QPushButton *b : {m_stop, m_put, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    resize(kind == Tactics ? 560 : 860, kind == Tactics ? 280 : 420);

    connect(m_stop, &QPushButton::clicked, this, &AssistantDialog::stop);
    connect(close, &QPushButton::clicked, this, &AssistantDialog::reject);
    connect(m_put, &QPushButton::clicked, this, [this] {
        ErrorHandler::guarded([this] { putOnBoard(m_table->currentRow()); });
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        ErrorHandler::guarded([this, row] { putOnBoard(row); });
    });
    connect(m_table, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_put->setEnabled(!running() && row >= 0); });
}

AssistantDialog::~AssistantDialog()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
    }
}

QString AssistantDialog::message(const char *name) const
{
    for (const Message &m : kMessages) {
        if (qstrcmp(m.name, name) == 0)
            return windowText(objectName(), QLatin1String(name), QString::fromUtf8(m_kind == Tactics ? m.tactics : m.depth));
    }
    return {};
}

void AssistantDialog::start()
{
    if (m_thread)
        return;
    m_table->setRowCount(0);
    m_tactics = {};
    m_depth = {};
    m_copy = m_model.board().state();
    const LineupOptimizer::Options options = m_model.boardOptions();
    const QString problem = LineupOptimizer::lockProblem(m_copy, options);
    if (!problem.isEmpty() || LineupOptimizer::eligibleRecords(m_copy, options).isEmpty()) {
        // Nothing to weigh: the dialog says why and runs nothing.
        m_status->setText(problem.isEmpty() ? QString() : problem);
        m_progress->setValue(0);
        m_stop->setEnabled(false);
        m_put->setEnabled(false);
        return;
    }
    // The solver is loaded here, before the run, as the optimum command does.
    SolverPlugin::entry(SolverPlugin::folders());
    m_status->clear();
    m_cancel = false;
    m_progress->setRange(0, 0);
    m_stop->setEnabled(true);
    m_put->setEnabled(false);
    setProperty("running", true);

    LineupAssistant::Run run;
    run.cancel = &m_cancel;
    // Called in the run's thread: the bar moves in the dialog's.
    run.progress = [this](int done, int total) {
        QMetaObject::invokeMethod(this, [this, done, total] {
            m_progress->setRange(0, total);
            m_progress->setValue(done);
        }, Qt::QueuedConnection);
    };
    const Kind kind = m_kind;
    m_thread = QThread::create([this, kind, options, run] {
        if (kind == Tactics)
            m_tactics = LineupAssistant::tactics(m_copy, options, run);
        else
            m_depth = LineupAssistant::depth(m_copy, options, run);
    });
    connect(m_thread, &QThread::finished, this, &AssistantDialog::finished);
    m_thread->start();
}

void AssistantDialog::stop() { m_cancel = true; }

void AssistantDialog::reject()
{
    // The run reads the roster the main window may change once this window is gone: it ends
    // first (after the optimum under way).
    stop();
    if (m_thread)
        m_thread->wait();
    QDialog::reject();
}

void AssistantDialog::finished()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    setProperty("running", false);
    m_stop->setEnabled(false);
    ErrorHandler::guarded([this] {
        if (m_kind == Tactics)
            fillTactics();
        else
            fillDepth();
        const bool cancelled = m_kind == Tactics ? m_tactics.cancelled : m_depth.cancelled;
        if (cancelled)
            m_status->setText(vocab(QStringLiteral("MSG_ASSIST_CANCELLED")));
        if (m_table->rowCount() > 0)
            m_table->selectRow(0);
        m_table->resizeColumnsToContents();
        // The last column takes what is left (its whole text is in the tool tip), so that its
        // title stays in sight.
        const int last = m_table->columnCount() - 1;
        int others = 0;
        for (int c = 0; c < last; ++c)
            others += m_table->columnWidth(c);
        m_table->setColumnWidth(last, qMax(m_table->columnWidth(last) < m_table->viewport()->width() - others
                                               ? m_table->columnWidth(last)
                                               : m_table->viewport()->width() - others,
                                           80));
        m_put->setEnabled(m_table->currentRow() >= 0);
    });
    emit runFinished();
}

QString AssistantDialog::playerName(int record) const
{
    const Roster *roster = m_copy.roster();
    return roster && roster->hasRecord(record) ? roster->players[record].PlayerName : QString::number(record);
}

QString AssistantDialog::proof(const LineupOptimizer::Result &optimum) const
{
    return optimum.proven ? vocab(QStringLiteral("MSG_ASSIST_PROVEN"))
                          : vocab(QStringLiteral("MSG_ASSIST_NOT_PROVEN")).arg(optimum.bound);
}

void AssistantDialog::fillTactics()
{
    const QStringList names = m_model.board().items(QStringLiteral("cbTactique"));
    const int boardTactic = m_model.board().state().condition(Board::Tactique);
    m_table->setRowCount(int(m_tactics.rows.size()));
    for (int i = 0; i < m_tactics.rows.size(); ++i) {
        const LineupAssistant::TacticRow &row = m_tactics.rows.at(i);
        const QString name = names.value(row.tactic, QString::number(row.tactic));
        auto *tactic = cell(row.tactic == boardTactic ? message("LMsgOnBoard").arg(name) : name);
        if (row.tactic == boardTactic) {
            QFont bold = tactic->font();
            bold.setBold(true);
            tactic->setFont(bold);
        }
        m_table->setItem(i, 0, tactic);
        m_table->setItem(i, 1, cell(row.optimum.found ? number(row.optimum.evaluation) : QString(), true));
        m_table->setItem(i, 2, cell(row.optimum.found ? proof(row.optimum) : QString()));
        m_table->setItem(i, 3, cell(number(row.tacticStrength), true));
        m_table->setItem(i, 4, cell(row.tacticLevel));
    }
}

void AssistantDialog::fillDepth()
{
    const LineupOptimizer::Result &all = m_depth.optimum;
    if (all.found)
        m_status->setText(message("LMsgTotal").arg(number(all.evaluation), proof(all)));
    m_table->setRowCount(int(m_depth.rows.size()));
    for (int i = 0; i < m_depth.rows.size(); ++i) {
        const LineupAssistant::DepthRow &row = m_depth.rows.at(i);
        // Who comes in: every place whose player differs from the lineup with him.
        QStringList changes;
        for (int place = Keeper; place <= kLastSlot; ++place) {
            const int r = row.optimum.record[place];
            if (r >= 0 && r != all.record[place])
                changes << message("LMsgChange").arg(m_placeCaption(place), playerName(r));
        }
        if (changes.isEmpty())
            changes << vocab(QStringLiteral("MSG_CLI_DEPTH_EMPTY"));
        m_table->setItem(i, 0, cell(playerName(row.record)));
        m_table->setItem(i, 1, cell(m_placeCaption(row.place)));
        m_table->setItem(i, 2, cell(row.optimum.found ? number(row.optimum.evaluation) : QString(), true));
        m_table->setItem(i, 3, cell(number(row.loss), true));
        m_table->setItem(i, 4, cell(row.optimum.found ? proof(row.optimum) : QString()));
        m_table->setItem(i, 5, cell(changes.join(QStringLiteral(", "))));
        m_table->item(i, 5)->setToolTip(changes.join(QLatin1Char('\n')));
    }
}

bool AssistantDialog::putOnBoard(int row)
{
    if (running() || row < 0 || row >= m_table->rowCount())
        return false;
    Board &board = m_model.board();
    QString what;
    {
        auto edit = board.edit(); // tactic and lineup in one change of the board
        if (m_kind == Tactics) {
            const LineupAssistant::TacticRow &r = m_tactics.rows.at(row);
            if (!r.optimum.found)
                return false;
            edit->setCondition(Board::Tactique, r.tactic);
            LineupOptimizer::putOnBoard(board, r.optimum);
            what = board.items(QStringLiteral("cbTactique")).value(r.tactic);
        } else {
            const LineupAssistant::DepthRow &r = m_depth.rows.at(row);
            if (!r.optimum.found)
                return false;
            LineupOptimizer::putOnBoard(board, r.optimum);
            what = playerName(r.record);
        }
    }
    if (m_kind == Tactics)
        fillTactics(); // the mark follows the board's tactic
    m_table->selectRow(row);
    const QString text = message("LMsgPut").arg(what, number(board.figures().E));
    m_status->setText(text);
    emit putOnBoardMessage(text);
    return true;
}
