// SPDX-License-Identifier: GPL-3.0-or-later
// The lists of the main window share one look: whole rows selected, cells
// read-only, the commands of the list in its context menu, one line per row
// of a fixed height, no row numbers and a plain header.
#pragma once

#include <vector>

#include <QAbstractItemView>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace pentad {

// A list named `name` (the name its column widths are saved under) showing
// `model`.
QTableView* makeListView(const char* name, QAbstractItemModel* model,
                         QAbstractItemView::SelectionMode selection, QWidget* parent);

// The selected rows, ascending. Read by ranges, not by indexes: selecting all
// of a 100 000-row list stays cheap.
std::vector<int> selectedRows(const QTableView& view);

}  // namespace pentad
