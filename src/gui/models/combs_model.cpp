// SPDX-License-Identifier: GPL-3.0-or-later
// Cells of the combination list and of the applied-filters list, formatted
// from the combination set on request.
#include "models/combs_model.h"

#include <QBrush>
#include <QColor>

#include "filters/combination_texts.h"
#include "game/routines.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "app/workspace.h"

namespace pentad {

CombsModel::CombsModel(const Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), m_workspace(workspace), m_rows(workspace.combs().CombsCount()) {}

int CombsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CombsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CombsModel::data(const QModelIndex& index, int role) const {
    const CombinationSet& combs = m_workspace.combs();
    const int row = index.row();
    if (!index.isValid() || row >= combs.CombsCount()) {
        return {};
    }
    const TCombRec& comb = combs.at(row);
    const int column = index.column();
    const bool digitColumn = column >= FirstDigitColumn && column < SumColumn;
    const bool colour = m_workspace.form().ColorCombs;
    auto digit = [&] { return int{comb.Digits[static_cast<size_t>(column - FirstDigitColumn)]}; };

    switch (role) {
        case Qt::DisplayRole:
            if (column == NumberColumn) {
                return row + 1;
            }
            if (digitColumn) {
                return digit();
            }
            if (column == SumColumn) {
                int sum = 0;
                for (uint8_t d : comb.Digits) {
                    sum += d;
                }
                return sum;
            }
            return {};
        case Qt::TextAlignmentRole:
            if (column == NumberColumn) {
                return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            }
            return QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (!colour) {
                return {};
            }
            if (digitColumn) {
                return QBrush(
                    QColor(QRgb(groupColorRgb(digit(), m_workspace.config().ChannelSize))));
            }
            return QBrush(Qt::white);
        case Qt::ForegroundRole:
            // The channel colours are light: keep the text dark on them.
            return colour ? QVariant(QBrush(Qt::black)) : QVariant();
        default:
            return {};
    }
}

QVariant CombsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (section == NumberColumn) {
        return uiText(texts::kColumnCombNumber);
    }
    if (section >= FirstDigitColumn && section < SumColumn) {
        return QString::number(section - FirstDigitColumn + 1);
    }
    if (section == SumColumn) {
        return uiText(texts::kColumnDrawSum);
    }
    return {};
}

void CombsModel::reload() {
    beginResetModel();
    m_rows = m_workspace.combs().CombsCount();
    endResetModel();
}

void CombsModel::repaint() {
    if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, kColumnCount - 1));
    }
}

AppliedFiltersModel::AppliedFiltersModel(const Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent),
      m_workspace(workspace),
      m_rows(static_cast<int>(workspace.combs().Entries().size())) {}

int AppliedFiltersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int AppliedFiltersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant AppliedFiltersModel::data(const QModelIndex& index, int role) const {
    const std::vector<FilterEntry>& entries = m_workspace.combs().Entries();
    const auto row = static_cast<size_t>(index.row());
    if (!index.isValid() || row >= entries.size()) {
        return {};
    }
    const FilterEntry& entry = entries[row];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case 0:
                return toQString(entry.Caption);
            case 1:
                return toQString(entry.Value);
            case 2:
                return toQString(entry.Count);
            default:
                return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == 2) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::ForegroundRole && entry.EntryKind == FilterEntry::Kind::Rollback) {
        return QBrush(Qt::darkGray);
    }
    return {};
}

QVariant AppliedFiltersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const kCaptions[kColumnCount] = {texts::kColumnAppliedFilters,
                                                        texts::kColumnValues, texts::kColumnCombs};
    return section >= 0 && section < kColumnCount ? uiText(kCaptions[section])
                                                  : QVariant();
}

void AppliedFiltersModel::reload() {
    beginResetModel();
    m_rows = static_cast<int>(m_workspace.combs().Entries().size());
    endResetModel();
}

}  // namespace pentad
