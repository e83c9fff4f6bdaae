#pragma once
#include "evaluation/ui/ClickSortTreeWidget.h"

class RosterModel;
class QMimeData;

// The roster list "ListeJoueurs": one row per player with his 35 columns, a check mark per
// row (the player's selectable flag), numeric-aware sorting by header clicks, rows that can
// be dragged onto the board's boxes. A double click asks for the player detail window.
class RosterListView : public ClickSortTreeWidget {
    Q_OBJECT
public:
    // What a dragged row carries: the record index as text (and the name as plain text).
    static const QString kRecordMimeType; // "application/x-squadwright-record"

    explicit RosterListView(RosterModel &model, QWidget *parent = nullptr);

    // Rows for the model's list in its order (by name, as the roster's loading sorted it); the
    // header then stands as after one click on the name column. Call it after every players
    // file load, whatever its result: a failed load shows an empty list.
    void fill();
    // Rows in roster order, after the settings changed; list positions, the candidate list
    // and the header state stay.
    void refill();

    // The record a row shows (-1 for none).
    static int recordOf(const QTreeWidgetItem *item);
    // The row showing a record, nullptr when there is none.
    QTreeWidgetItem *rowOf(int record) const;

signals:
    void detailRequested(int record);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;
    void showEvent(QShowEvent *event) override;

private:
    void addRow(int record);
    void fitColumns();
    void rowChanged(QTreeWidgetItem *item, int column);
    void rowDoubleClicked(QTreeWidgetItem *item);
    void syncCheckMark(int record);
    void syncAllCheckMarks();
    bool validRecord(int record) const;

    RosterModel &m_model;
    // The list's own filling sets check marks too; those are not the user's.
    bool m_filling = false;
    // Filled while not shown: the columns are fitted when the list is shown.
    bool m_fitPending = false;
};
