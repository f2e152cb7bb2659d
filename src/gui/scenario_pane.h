// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Сценарий": the list of the current scenario's lines and the
// scenario status bar below it with the line count, the cycle and line being
// run, the stakes made and a free text. The commands the list offers belong
// to the main window.
#pragma once

#include <array>
#include <vector>

#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QSplitter;
class QTableView;

namespace pentad {

class ScenarioModel;
class Workspace;

class ScenarioPane : public QWidget {
    Q_OBJECT

public:
    explicit ScenarioPane(Workspace& workspace, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    ScenarioModel* model() const { return m_model; }
    // Status panel 0..4.
    QLabel* statusPanel(int index) const { return m_panels[static_cast<size_t>(index)]; }

    // Fills the list's context menu.
    void bindCommands(const QList<QAction*>& contextMenu);

    // Line with the focus, or -1.
    int currentRow() const;
    // Selected lines, ascending.
    std::vector<int> selectedRows() const;
    // Makes `row` the only selected line and scrolls to it.
    void selectRow(int row);

    // Redraws the list after the scenario changed and repaints the status bar.
    void refresh();
    // Repaints the status bar from the runner's state.
    void showStatus();

    // Places a panel under the line list, the two parted by a splitter.
    void addLowerPanel(QWidget* panel, int height);

    // A running scenario owns the list: it cannot be used meanwhile.
    void setRunning(bool running);

signals:
    void selectionChanged();
    // A line was double-clicked or Enter was pressed on it.
    void rowActivated();

private:
    Workspace& m_workspace;
    ScenarioModel* m_model;
    QTableView* m_view;
    QSplitter* m_split;
    std::array<QLabel*, 5> m_panels{};
};

}  // namespace pentad
