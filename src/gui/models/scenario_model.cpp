// SPDX-License-Identifier: GPL-3.0-or-later
// Cells of the scenario list, read from the scenario's lines on request.
#include "models/scenario_model.h"

#include "filters/filter_item.h"
#include "qt_text.h"
#include "scenarios/scenario_texts.h"
#include "scenarios/script_line.h"
#include "app/workspace.h"

namespace pentad {

ScenarioModel::ScenarioModel(const Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), m_workspace(workspace), m_rows(workspace.scenario().count()) {}

int ScenarioModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ScenarioModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString ScenarioModel::cellText(int row, int column) const {
    const std::string& text = m_workspace.scenario().lines()[static_cast<size_t>(row)];
    if (isSeparatorLine(text)) {
        return {};
    }
    const TScriptLine line = TextToLine(text);
    if (column == CommentColumn) {
        return toQString(line.Comment);
    }
    if (column == OptionsColumn) {
        return uiText(OptionsCaption(line.Options));
    }
    const std::string& filter = line.Filters[static_cast<size_t>(column - FirstFilterColumn)];
    if (filter.empty()) {
        return {};
    }
    // What the runner will read: the item read and written again.
    return toQString(FilterItemToText(TextToFilterItem(filter, m_workspace.stats())));
}

QVariant ScenarioModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= m_workspace.scenario().count() || index.column() < 0 ||
        index.column() >= kColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return cellText(row, index.column());
    }
    return {};
}

QVariant ScenarioModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount) {
        return {};
    }
    return uiText(texts::kScenarioColumns[section]);
}

void ScenarioModel::reload() {
    beginResetModel();
    m_rows = m_workspace.scenario().count();
    endResetModel();
}

void ScenarioModel::repaint() {
    if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, kColumnCount - 1));
    }
}

}  // namespace pentad
