// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting list columns to their texts, measured on a sample of rows so that
// a 100 000-row list is fitted as fast as a short one.
#include "column_fit.h"

#include <algorithm>

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace pentad {
namespace {

// Rows measured at each end of a long list.
constexpr int kSampleRows = 500;

}  // namespace

ColumnFit::ColumnFit(QTableView& view) : QObject(&view), m_view(view) {
    const int columns = view.model() != nullptr ? view.model()->columnCount() : 0;
    for (int c = 0; c < columns; ++c) {
        m_designed.push_back(view.columnWidth(c));
    }
    m_user.assign(m_designed.size(), false);
    connect(view.horizontalHeader(), &QHeaderView::sectionResized, this,
            &ColumnFit::sectionResized);
    if (QAbstractItemModel* model = view.model()) {
        connect(model, &QAbstractItemModel::modelReset, this, &ColumnFit::fit);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ColumnFit::fit);
        connect(model, &QAbstractItemModel::rowsInserted, this, &ColumnFit::fit);
    }
}

ColumnFit* ColumnFit::install(QTableView& view) {
    if (ColumnFit* existing = of(view)) {
        return existing;
    }
    return new ColumnFit(view);
}

ColumnFit* ColumnFit::of(const QTableView& view) {
    return view.findChild<ColumnFit*>(QString(), Qt::FindDirectChildrenOnly);
}

bool ColumnFit::userSized(int column) const {
    return column >= 0 && column < static_cast<int>(m_user.size()) &&
           m_user[static_cast<size_t>(column)];
}

void ColumnFit::applySaved(const std::vector<int>& widths) {
    for (size_t c = 0; c < m_designed.size() && c < widths.size(); ++c) {
        if (widths[c] > 0 && widths[c] != m_designed[c]) {
            m_fitting = true;
            m_view.setColumnWidth(static_cast<int>(c), widths[c]);
            m_fitting = false;
            m_user[c] = true;
        }
    }
    fit();
}

std::vector<int> ColumnFit::widthsToSave() const {
    std::vector<int> widths = m_designed;
    for (size_t c = 0; c < widths.size(); ++c) {
        if (m_user[c]) {
            widths[c] = m_view.columnWidth(static_cast<int>(c));
        }
    }
    return widths;
}

void ColumnFit::fit() {
    m_fitting = true;
    for (size_t c = 0; c < m_designed.size(); ++c) {
        const int column = static_cast<int>(c);
        if (m_user[c] || m_view.isColumnHidden(column) ||
            m_view.horizontalHeader()->sectionResizeMode(column) != QHeaderView::Interactive) {
            continue;
        }
        const int width = std::max(m_designed[c], contentWidth(column));
        if (width != m_view.columnWidth(column)) {
            m_view.setColumnWidth(column, width);
        }
    }
    m_fitting = false;
}

void ColumnFit::sectionResized(int column, int oldSize, int newSize) {
    // Hiding and showing a column, and the stretch of a last column, are no
    // choice of the user.
    const QHeaderView* header = m_view.horizontalHeader();
    if (m_fitting || oldSize <= 0 || newSize <= 0 || column < 0 ||
        column >= static_cast<int>(m_user.size()) ||
        header->sectionResizeMode(column) != QHeaderView::Interactive ||
        (header->stretchLastSection() &&
         header->logicalIndex(header->count() - 1 - header->hiddenSectionCount()) == column)) {
        return;
    }
    m_user[static_cast<size_t>(column)] = true;
}

int ColumnFit::contentWidth(int column) const {
    const QAbstractItemModel* model = m_view.model();
    const QHeaderView* header = m_view.horizontalHeader();
    int width = header->isHidden() ? 0 : std::max(0, header->sectionSizeHint(column));
    const int rows = model->rowCount();
    if (rows == 0) {
        return width;
    }
    // The item delegate adds margins around the text: measure them once.
    const QFontMetrics metrics(m_view.font());
    QStyleOptionViewItem option;
    option.initFrom(&m_view);
    option.font = m_view.font();
    const QModelIndex first = model->index(0, column);
    const QString firstText = first.data(Qt::DisplayRole).toString();
    const int margin =
        std::max(0, m_view.itemDelegateForIndex(first)->sizeHint(option, first).width() -
                        metrics.horizontalAdvance(firstText));
    auto measure = [&](int row) {
        const QString text = model->index(row, column).data(Qt::DisplayRole).toString();
        width = std::max(width, metrics.horizontalAdvance(text) + margin);
    };
    if (rows <= 2 * kSampleRows) {
        for (int r = 0; r < rows; ++r) {
            measure(r);
        }
    } else {
        for (int r = 0; r < kSampleRows; ++r) {
            measure(r);
            measure(rows - 1 - r);
        }
    }
    return width;
}

}  // namespace pentad
