// SPDX-License-Identifier: GPL-3.0-or-later
// The right tab "Ставки": the ledger list, one row per record of the ledger
// file. Scored stakes show their matching digits in bold blue; a contiguous
// range of rows can be selected for deletion. The commands belong to the
// main window.
#pragma once

#include <utility>
#include <vector>

#include <QList>
#include <QWidget>

class QAction;
class QTableView;

namespace pentad {

class StakesModel;
class Workspace;

class StakesPane : public QWidget {
    Q_OBJECT

public:
    explicit StakesPane(Workspace& workspace, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    StakesModel* model() const { return m_model; }

    // Fills the list's context menu.
    void bindCommands(const QList<QAction*>& contextMenu);

    // First and last selected ledger rows (1-based record positions), or
    // {0, 0} when no record is selected.
    std::pair<int, int> selectedRange() const;

    // Takes the ledger's new length; when records were added and
    // `scrollToEnd`, the last row is shown and focused.
    void refresh(bool scrollToEnd);

signals:
    void selectionChanged();

private:
    StakesModel* m_model;
    QTableView* m_view;
};

// Designed widths of the ledger's nine columns (wider where the font needs).
inline constexpr int kStakeColumnWidths[] = {60, 60, 120, 60, 120, 60, 60, 60, 1000};

}  // namespace pentad
