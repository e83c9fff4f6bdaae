#include "evaluation/ui/RosterListView.h"

#include "evaluation/RosterColumns.h"
#include "evaluation/RosterModel.h"
#include "common/ui/ErrorHandler.h"

#include <QHeaderView>
#include <QMimeData>
#include <QScopedValueRollback>

const QString RosterListView::kRecordMimeType = QStringLiteral("application/x-squadwright-record");

namespace {
constexpr int kRecordRole = Qt::UserRole;
}

RosterListView::RosterListView(RosterModel &model, QWidget *parent) : ClickSortTreeWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("ListeJoueurs"));
    setColumnCount(RosterColumns::kCount);
    setHeaderLabels(RosterColumns::captions());
    for (int c = 0; c < RosterColumns::kCount; ++c) {
        headerItem()->setTextAlignment(c, RosterColumns::alignment(c) | Qt::AlignVCenter);
        setColumnWidth(c, RosterColumns::width(c));
    }
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    // Grid lines between the cells, as a spreadsheet of the squad reads best. The selected row
    // gets its own dark colours, focused or not: the styled items would otherwise draw white
    // text on a pale highlight.
    setStyleSheet(QStringLiteral(
        "QTreeView#ListeJoueurs::item { border-right: 1px solid #d4d4d4; border-bottom: 1px solid #d4d4d4; padding: 2px 2px; }"
        "QTreeView#ListeJoueurs::item:selected { background: #1f5a9e; color: white; }"));

    connect(this, &QTreeWidget::itemChanged, this, &RosterListView::rowChanged);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) { rowDoubleClicked(item); });
    connect(&m_model, &RosterModel::selectableChanged, this, &RosterListView::syncCheckMark);
    connect(&m_model, &RosterModel::rosterChanged, this, &RosterListView::syncAllCheckMarks);
}

void RosterListView::fill()
{
    ErrorHandler::guarded([this] {
        {
            QScopedValueRollback<bool> filling(m_filling, true);
            clear();
            for (int record : m_model.listRows())
                addRow(record);
        }
        // The model's list is already in name order; the header just says so.
        setSortState(RosterColumns::kName, Qt::AscendingOrder);
        fitColumns();
    });
}

void RosterListView::refill()
{
    ErrorHandler::guarded([this] {
        {
            QScopedValueRollback<bool> filling(m_filling, true);
            clear();
            const int count = m_model.roster().storedCount();
            for (int record = 0; record < count; ++record)
                addRow(record);
        }
        fitColumns();
    });
}

int RosterListView::recordOf(const QTreeWidgetItem *item)
{
    if (!item)
        return -1;
    bool ok = false;
    const int record = item->data(RosterColumns::kName, kRecordRole).toInt(&ok);
    return ok ? record : -1;
}

QTreeWidgetItem *RosterListView::rowOf(int record) const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (recordOf(topLevelItem(i)) == record)
            return topLevelItem(i);
    }
    return nullptr;
}

bool RosterListView::validRecord(int record) const
{
    return m_model.roster().hasRecord(record);
}

void RosterListView::addRow(int record)
{
    if (!validRecord(record))
        return;
    const Tplayer &p = m_model.roster().players[size_t(record)];
    QTreeWidgetItem *item = appendRow(RosterColumns::rowTexts(p));
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled) & ~Qt::ItemIsEditable);
    item->setData(RosterColumns::kName, kRecordRole, record);
    item->setCheckState(RosterColumns::kName, p.Selectable ? Qt::Checked : Qt::Unchecked);
    for (int c = 0; c < RosterColumns::kCount; ++c)
        item->setTextAlignment(c, RosterColumns::alignment(c) | Qt::AlignVCenter);
}

void RosterListView::fitColumns()
{
    // Fitting measures every cell of the squad: a list not shown (at start-up its page is not
    // the open one) waits until it is.
    if (!isVisible()) {
        m_fitPending = true;
        return;
    }
    m_fitPending = false;
    // The widths of the list are where a column starts; a caption or value that would not fit
    // widens its column instead of being cut.
    for (int c = 0; c < RosterColumns::kCount; ++c) {
        const int needed = qMax(sizeHintForColumn(c), header()->sectionSizeHint(c));
        if (needed > columnWidth(c))
            setColumnWidth(c, needed);
    }
}

void RosterListView::showEvent(QShowEvent *event)
{
    ClickSortTreeWidget::showEvent(event);
    if (m_fitPending)
        fitColumns();
}

void RosterListView::rowChanged(QTreeWidgetItem *item, int column)
{
    if (m_filling || column != RosterColumns::kName)
        return;
    ErrorHandler::guarded([&] {
        // Always the row's own player, whatever row is selected.
        m_model.setPlayerSelectable(recordOf(item), item->checkState(RosterColumns::kName) == Qt::Checked);
    });
}

void RosterListView::rowDoubleClicked(QTreeWidgetItem *item)
{
    const int record = recordOf(item);
    if (validRecord(record))
        emit detailRequested(record);
}

void RosterListView::syncCheckMark(int record)
{
    QTreeWidgetItem *item = rowOf(record);
    if (!item || !validRecord(record))
        return;
    const Qt::CheckState state = m_model.roster().players[size_t(record)].Selectable ? Qt::Checked : Qt::Unchecked;
    if (item->checkState(RosterColumns::kName) != state) {
        QScopedValueRollback<bool> filling(m_filling, true);
        item->setCheckState(RosterColumns::kName, state);
    }
}

void RosterListView::syncAllCheckMarks()
{
    // A reload sets every player's flag again; the rows must not show an older one.
    for (int i = 0; i < topLevelItemCount(); ++i)
        syncCheckMark(recordOf(topLevelItem(i)));
}

QStringList RosterListView::mimeTypes() const
{
    return {kRecordMimeType, QStringLiteral("text/plain")};
}

QMimeData *RosterListView::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    if (items.isEmpty())
        return nullptr;
    const int record = recordOf(items.first());
    if (!validRecord(record))
        return nullptr;
    auto *data = new QMimeData;
    data->setData(kRecordMimeType, QByteArray::number(record));
    data->setText(m_model.roster().players[size_t(record)].PlayerName);
    return data;
}
