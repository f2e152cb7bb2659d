// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Системы": the list of the system files kept in the folder
// "Systems" beside the data. The commands it offers belong to the main
// window.
#pragma once

#include <string>
#include <vector>

#include <QList>
#include <QWidget>

class QAction;
class QTableView;

namespace pentad {

class SystemsModel;

class SystemsPane : public QWidget {
    Q_OBJECT

public:
    SystemsPane(const std::string& folder, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    SystemsModel* model() const { return m_model; }

    // Fills the list's context menu.
    void bindCommands(const QList<QAction*>& contextMenu);

    // Row with the focus, or -1.
    int currentRow() const;
    // Re-reads the folder and selects the row of `fileName` when it is listed.
    void reload(const std::string& fileName = std::string());
    void clear();
    // Focuses and selects the row (scrolled to), or nothing for -1.
    void focusRow(int row);
    // Selected rows, ascending.
    std::vector<int> selectedRows() const;

signals:
    void selectionChanged();
    // A row was double-clicked.
    void rowActivated();

private:
    SystemsModel* m_model;
    QTableView* m_view;
};

}  // namespace pentad
