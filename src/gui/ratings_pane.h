// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Рейтинг": the ratings list with its 18 columns, sorted by
// a click on a column header, several rows selectable for the graphs and
// the scenario. The commands belong to the main window.
#pragma once

#include <vector>

#include <QList>
#include <QWidget>

class QAction;
class QTableView;

namespace pentad {

class RatingsModel;
class Workspace;

class RatingsPane : public QWidget {
    Q_OBJECT

public:
    explicit RatingsPane(Workspace& workspace, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    RatingsModel* model() const { return m_model; }

    // Fills the list's context menu.
    void bindCommands(const QList<QAction*>& contextMenu);

    // Selected rows in view order.
    std::vector<int> selectedRows() const;
    bool hasSelection() const;

    // Shows the ratings as they are now, with the sort mark on `sortColumn`;
    // `rowsChanged` when rows were added, removed or reordered.
    void refresh(bool rowsChanged, int sortColumn, bool descending);
    // Redraws the cells (the efficiency mode changed).
    void repaint();

signals:
    void selectionChanged();
    // A row was double-clicked.
    void rowActivated();

private:
    RatingsModel* m_model;
    QTableView* m_view;
};

}  // namespace pentad
