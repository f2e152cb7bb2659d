// SPDX-License-Identifier: GPL-3.0-or-later
// Cells of the regular stakes list, formatted from the rules on request.
#include "models/tables_model.h"

#include "qt_text.h"
#include "app/workspace.h"
#include "stakes/stake_texts.h"

namespace pentad {

TablesModel::TablesModel(Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent),
      m_workspace(workspace),
      m_rows(static_cast<int>(workspace.stakes().rules().size())) {}

int TablesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TablesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TablesModel::data(const QModelIndex& index, int role) const {
    const TTableArray& rules = m_workspace.stakes().rules();
    const auto row = static_cast<size_t>(index.row());
    if (!index.isValid() || row >= rules.size()) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        return toQString(ruleCells(rules[row])[static_cast<size_t>(column)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    }
    return {};
}

QVariant TablesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount ||
        role != Qt::DisplayRole) {
        return {};
    }
    return uiText(texts::kRuleColumns[section]);
}

void TablesModel::reload() {
    const int rows = static_cast<int>(m_workspace.stakes().rules().size());
    if (rows == m_rows) {
        if (rows > 0) {
            emit dataChanged(index(0, 0), index(rows - 1, kColumnCount - 1));
        }
        return;
    }
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

}  // namespace pentad
