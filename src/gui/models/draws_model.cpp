// SPDX-License-Identifier: GPL-3.0-or-later
// Cells of the draw list, formatted from the archive on request.
#include "models/draws_model.h"

#include <QBrush>
#include <QColor>

#include "game/routines.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "app/workspace.h"

namespace pentad {

DrawsModel::DrawsModel(const Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), m_workspace(workspace), m_rows(workspace.archive().count()) {}

int DrawsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DrawsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant DrawsModel::data(const QModelIndex& index, int role) const {
    const DrawArchive& archive = m_workspace.archive();
    const int row = index.row();
    if (!index.isValid() || !archive.validRow(row)) {
        return {};
    }
    const TDrawRec& draw = archive.atRow(row);
    const MainFormSettings& form = m_workspace.form();
    const int column = index.column();
    const bool digitColumn = column >= FirstDigitColumn && column < SumColumn;
    auto digit = [&]() -> int {
        auto digits = form.SortedDraws ? sortedDigits(draw) : draw.Digits;
        return digits[static_cast<size_t>(column - FirstDigitColumn)];
    };

    switch (role) {
        case Qt::DisplayRole:
            if (column == NumberColumn) {
                return draw.Number;
            }
            if (digitColumn) {
                return digit();
            }
            if (column == SumColumn) {
                return draw.sum();
            }
            if (column == DateColumn) {
                return toQString(draw.dateText());
            }
            return {};
        case Qt::TextAlignmentRole:
            if (column == DateColumn) {
                return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
            }
            return QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (row == archive.offset()) {
                return QBrush(QColor(QRgb(kOffsetRowColor)));
            }
            if (form.ColorDraws) {
                if (digitColumn) {
                    return QBrush(
                        QColor(QRgb(groupColorRgb(digit(), m_workspace.config().ChannelSize))));
                }
                return QBrush(Qt::white);
            }
            return {};
        case Qt::ForegroundRole:
            // The painted backgrounds are light; keep the text dark on them
            // whatever the desktop's colour scheme is.
            if (row == archive.offset() || form.ColorDraws) {
                return QBrush(Qt::black);
            }
            return {};
        default:
            return {};
    }
}

QVariant DrawsModel::headerData(int section, Qt::Orientation orientation, int role) const {
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
        return uiText(texts::kColumnDrawNumber);
    }
    if (section >= FirstDigitColumn && section < SumColumn) {
        return QString::number(section - FirstDigitColumn + 1);
    }
    if (section == SumColumn) {
        return uiText(texts::kColumnDrawSum);
    }
    if (section == DateColumn) {
        return uiText(texts::kColumnDrawDate);
    }
    return {};
}

void DrawsModel::reload() {
    beginResetModel();
    m_rows = m_workspace.archive().count();
    endResetModel();
}

void DrawsModel::repaint() {
    if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, kColumnCount - 1));
    }
}

}  // namespace pentad
