// SPDX-License-Identifier: GPL-3.0-or-later
// The left tab "Комбинации": the combination list, the "[-] Тиражи" button
// with the number of last draws to exclude, and the applied-filters list
// below. The pane shows the workspace's combination set; the commands it
// offers belong to the main window.
#pragma once

#include <vector>

#include <QList>
#include <QWidget>

class QAction;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;

namespace pentad {

class AppliedFiltersModel;
class CombsModel;
class Workspace;

class CombsPane : public QWidget {
    Q_OBJECT

public:
    explicit CombsPane(const Workspace& workspace, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    CombsModel* model() const { return m_model; }
    QTableView* filtersView() const { return m_filtersView; }
    AppliedFiltersModel* filtersModel() const { return m_filters; }
    QSpinBox* excludeField() const { return m_exclude; }

    // Ties the "[-] Тиражи" button to its command and fills the list's
    // context menu.
    void bindCommands(QAction* exclude, const QList<QAction*>& contextMenu);

    // Row with the focus, or -1.
    int currentRow() const;
    bool hasSelection() const;
    // Selected rows, ascending.
    std::vector<int> selectedRows() const;

    // Redraws after a command: `setChanged` when the set or the applied
    // filters changed (the selection is cleared then).
    void refresh(bool setChanged);

    // The count field is usable only while the program is idle.
    void setIdle(bool idle);

    int filtersHeight() const;
    void setFiltersHeight(int height);

signals:
    void selectionChanged();
    // The count of draws to exclude was changed.
    void excludeCountChanged(int value);
    // Enter was pressed in the count field.
    void excludeEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CombsModel* m_model;
    AppliedFiltersModel* m_filters;
    QTableView* m_view;
    QTableView* m_filtersView;
    QPushButton* m_excludeButton;
    QSpinBox* m_exclude;
    QSplitter* m_splitter;
    int m_pendingFiltersHeight = 0;  // applied once the splitter has its size
};

}  // namespace pentad
