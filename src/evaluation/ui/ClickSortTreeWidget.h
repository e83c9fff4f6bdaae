#pragma once
#include <QCollator>
#include <QLocale>
#include <QTreeWidget>

// A report-style list whose header sorts it: the first click on a column sorts ascending,
// each further click on the same column turns the order round. Texts that read as numbers
// in the user's locale ("5,82") compare as numbers, other texts by the locale's collation.
// Sorting happens only on a click or when asked, never when rows are added.
class ClickSortTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit ClickSortTreeWidget(QWidget *parent = nullptr);

    // Adds a row whose columns compare as described above.
    QTreeWidgetItem *appendRow(const QStringList &texts);

    // Sorts by the column and leaves the header as if that order came from clicks.
    void sortRows(int column, Qt::SortOrder order);
    // The header state only (what the next click continues from), rows untouched.
    void setSortState(int column, Qt::SortOrder order);
    int sortedColumn() const { return m_column; }     // -1 before any sorting
    Qt::SortOrder sortedOrder() const { return m_order; }

    // Three-way comparison of two cell texts, as the sorting uses it.
    int compareCells(const QString &a, const QString &b) const;

private:
    void headerClicked(int column);

    int m_column = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    QLocale m_locale;
    QCollator m_collator;
};
