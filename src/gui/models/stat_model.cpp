// SPDX-License-Identifier: GPL-3.0-or-later
// Cells of the statistics table, read from the statistics page.
#include "models/stat_model.h"

#include <QLocale>

#include "qt_text.h"
#include "stats/stat_page.h"
#include "stats/stat_texts.h"

namespace pentad {

StatModel::StatModel(StatPage& page, QObject* parent)
    : QAbstractTableModel(parent),
      m_page(page),
      m_rows(page.rowCount()),
      m_version(page.version()),
      m_decimalPoint(QLocale().decimalPoint()) {}

int StatModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int StatModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kStatColumns;
}

QVariant StatModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= m_page.rowCount()) {
        return {};
    }
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole: {
            QString text = QString::fromStdString(m_page.cells(row)[static_cast<size_t>(column)]);
            if (isRealColumn(column) && m_decimalPoint != QLatin1String(".")) {
                text.replace(QLatin1Char('.'), m_decimalPoint);
            }
            return text;
        }
        case Qt::TextAlignmentRole:
            if (column == 0) {
                return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
            }
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant StatModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kStatColumns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return uiText(texts::kColumnCaptions[section]);
    }
    return {};
}

void StatModel::sort(int column, Qt::SortOrder order) {
    m_page.sortBy(column, order == Qt::DescendingOrder);
    reload();
}

bool StatModel::isCurrent() const {
    return m_version == m_page.version() && m_rows == m_page.rowCount();
}

void StatModel::reload() {
    beginResetModel();
    m_rows = m_page.rowCount();
    m_version = m_page.version();
    endResetModel();
}

void StatModel::acceptVersion() {
    m_version = m_page.version();
}

}  // namespace pentad
