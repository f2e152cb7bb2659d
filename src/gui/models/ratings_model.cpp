// SPDX-License-Identifier: GPL-3.0-or-later
// Cells of the ratings list, formatted from the ratings on request.
#include "models/ratings_model.h"

#include <QLocale>

#include "qt_text.h"
#include "app/workspace.h"
#include "stakes/stake_texts.h"

namespace pentad {
namespace {

// "Среднее", "Профит", "Ср. профит" and the efficiency columns hold reals.
bool isRealRatingColumn(int column) {
    return (column >= 3 && column <= 5) || column >= 12;
}

}  // namespace

RatingsModel::RatingsModel(Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent),
      m_workspace(workspace),
      m_rows(static_cast<int>(workspace.stakes().ratings().size())),
      m_decimalPoint(QLocale().decimalPoint()) {}

int RatingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int RatingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RatingsModel::data(const QModelIndex& index, int role) const {
    const TRatingsArray& ratings = m_workspace.stakes().ratings();
    const auto row = static_cast<size_t>(index.row());
    if (!index.isValid() || row >= ratings.size()) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                           : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    QString text;
    try {
        text = toQString(ratingCells(
            ratings[row], m_workspace.form().RatingsEffMode)[static_cast<size_t>(column)]);
    } catch (const std::exception&) {
        return column == 0 ? uiText(texts::kBadData) : QString();
    }
    if (isRealRatingColumn(column) && m_decimalPoint != QLatin1String(".")) {
        text.replace(QLatin1Char('.'), m_decimalPoint);
    }
    return text;
}

QVariant RatingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return uiText(texts::kRatingColumns[section]);
    }
    return {};
}

void RatingsModel::sort(int column, Qt::SortOrder order) {
    if (m_sorter) {
        m_sorter(column, order == Qt::DescendingOrder);
    }
}

void RatingsModel::reload() {
    beginResetModel();
    m_rows = static_cast<int>(m_workspace.stakes().ratings().size());
    endResetModel();
}

void RatingsModel::repaint() {
    if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, kColumnCount - 1));
    }
}

}  // namespace pentad
