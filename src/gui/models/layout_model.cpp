// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/layout_model.h"

#include <algorithm>

#include <QBrush>
#include <QColor>

#include "qt_text.h"
#include "views/view_texts.h"

namespace pentad {

LayoutModel::LayoutModel(const LayoutGrid& grid, const bool& gradient, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_gradient(gradient) {}

int LayoutModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int LayoutModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant LayoutModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_grid.rowCount() ||
        index.column() >= m_grid.columnCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return toQString(m_grid.cell(index.row(), index.column()));
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return QBrush(
                QColor(QRgb(layoutCellColor(m_grid, index.row(), index.column(), m_gradient))));
        case Qt::ForegroundRole:
            return QBrush(Qt::black);
        default:
            return {};
    }
}

QVariant LayoutModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto& values = orientation == Qt::Horizontal ? m_grid.draws : m_grid.counts;
    if (section < 0 || section >= static_cast<int>(values.size())) {
        return {};
    }
    return values[static_cast<size_t>(section)];
}

void LayoutModel::reload() {
    beginResetModel();
    m_rows = m_grid.rowCount();
    m_columns = m_grid.columnCount();
    endResetModel();
}

void LayoutModel::repaint() {
    if (m_rows > 0 && m_columns > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::BackgroundRole});
    }
}

CompareModel::CompareModel(QObject* parent) : QAbstractTableModel(parent) {}

int CompareModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CompareModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant CompareModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto& row = m_rows[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return index.column() == 0 ? QVariant(row.first) : QVariant(row.second);
    }
    if (role == Qt::TextAlignmentRole && index.column() == 0) {
        return QVariant(Qt::AlignCenter);
    }
    return {};
}

QVariant CompareModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == 0 ? uiText(texts::kCompareCountColumn) : m_caption;
}

void CompareModel::sort(int column, Qt::SortOrder order) {
    beginResetModel();
    m_sortColumn = column;
    m_order = order;
    applySort();
    endResetModel();
}

void CompareModel::show(const CompareList& list) {
    beginResetModel();
    m_caption = toQString(list.caption);
    m_rows.clear();
    for (const auto& [count, digits] : list.rows) {
        m_rows.emplace_back(count, toQString(digits));
    }
    applySort();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 1, 1);
}

void CompareModel::applySort() {
    const bool descending = m_order == Qt::DescendingOrder;
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const auto& a, const auto& b) {
        const bool less = m_sortColumn == 0 ? a.first < b.first : a.second < b.second;
        const bool greater = m_sortColumn == 0 ? b.first < a.first : b.second < a.second;
        return descending ? greater : less;
    });
}

}  // namespace pentad
