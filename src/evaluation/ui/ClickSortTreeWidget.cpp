#include "evaluation/ui/ClickSortTreeWidget.h"

#include "evaluation/RosterListing.h"

#include <QHeaderView>

namespace {

// A row that orders itself through the list's comparison of its cells.
class NumericAwareItem : public QTreeWidgetItem {
public:
    explicit NumericAwareItem(const QStringList &texts) : QTreeWidgetItem(texts, UserType) {}

    bool operator<(const QTreeWidgetItem &other) const override
    {
        const auto *tree = qobject_cast<const ClickSortTreeWidget *>(treeWidget());
        const int column = tree ? tree->sortColumn() : 0;
        const QString a = text(column), b = other.text(column);
        return tree ? tree->compareCells(a, b) < 0 : a < b;
    }
};

} // namespace

ClickSortTreeWidget::ClickSortTreeWidget(QWidget *parent)
    : QTreeWidget(parent), m_collator(RosterListing::nameCollator(m_locale))
{
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &ClickSortTreeWidget::headerClicked);
}

QTreeWidgetItem *ClickSortTreeWidget::appendRow(const QStringList &texts)
{
    auto *item = new NumericAwareItem(texts);
    addTopLevelItem(item);
    return item;
}

void ClickSortTreeWidget::setSortState(int column, Qt::SortOrder order)
{
    m_column = column;
    m_order = order;
    header()->setSortIndicatorShown(column >= 0);
    header()->setSortIndicator(column, order);
}

void ClickSortTreeWidget::sortRows(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    // The locale may have changed since the last sort (a language switch does not, the
    // system's settings might): compare in the current one.
    if (m_locale != QLocale()) {
        m_locale = QLocale();
        m_collator = RosterListing::nameCollator(m_locale);
    }
    setSortState(column, order);
    sortItems(column, order);
}

int ClickSortTreeWidget::compareCells(const QString &a, const QString &b) const
{
    return RosterListing::compareTexts(a, b, m_locale, m_collator);
}

void ClickSortTreeWidget::headerClicked(int column)
{
    const Qt::SortOrder order =
        column == m_column && m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortRows(column, order);
}
