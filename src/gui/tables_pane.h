// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Регуляры": the list of regular stake rules, several rows
// selectable for deletion and for the test. The commands belong to the main
// window.
#pragma once

#include <vector>

#include <QList>
#include <QWidget>

class QAction;
class QTableView;

namespace pentad {

class TablesModel;
class Workspace;

class TablesPane : public QWidget {
    Q_OBJECT

public:
    explicit TablesPane(Workspace& workspace, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    TablesModel* model() const { return m_model; }

    // Fills the list's context menu.
    void bindCommands(const QList<QAction*>& contextMenu);

    // Row with the focus, or -1.
    int currentRow() const;
    // Selected rows, ascending.
    std::vector<int> selectedRows() const;

    // Shows the rules as they are now.
    void refresh();

signals:
    void selectionChanged();

private:
    TablesModel* m_model;
    QTableView* m_view;
};

}  // namespace pentad
