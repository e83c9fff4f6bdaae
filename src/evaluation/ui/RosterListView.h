#pragma once
#include <QTreeWidget>

class MainModel;

// The roster list "ListeJoueurs": 35 columns, a check mark per row (the player's selectable
// flag), numeric-aware sorting by header clicks, rows draggable onto the board's boxes.
// A double click opens the player detail window.
class RosterListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit RosterListView(MainModel &model, QWidget *parent = nullptr);

    // Rows for the model's list (sorted by name, as the roster list's filling does).
    void fill();
    // Rows in roster order, after the settings changed; list positions stay.
    void refill();

signals:
    void detailRequested(int record);

private:
    MainModel &m_model;
};
