// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/week_model.h"

#include <QBrush>
#include <QColor>
#include <QLocale>

#include "qt_text.h"
#include "views/view_texts.h"

namespace pentad {

QString WeekModel::dayCaption(int day) {
    // In another language the days are named as its locale names them.
    return activeLanguageModule() != nullptr
               ? QLocale().standaloneDayName(day + 1, QLocale::ShortFormat)
               : QString::fromUtf8(texts::kWeekDays[day]);
}

WeekModel::WeekModel(const WeekTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table) {}

int WeekModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kWeekDays;
}

int WeekModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDigitCount;
}

QVariant WeekModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int value =
        m_table.counts[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole:
            return value > 0 ? QVariant(value) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (std::optional<uint32_t> rgb = weekCellColor(value, m_table.maximum)) {
                return QBrush(QColor(QRgb(*rgb)));
            }
            return {};
        case Qt::ForegroundRole:
            return value > 0 ? QVariant(QBrush(Qt::black)) : QVariant();
        default:
            return {};
    }
}

QVariant WeekModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) {
        return QVariant(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return section;
    }
    return section >= 0 && section < kWeekDays ? dayCaption(section) : QString();
}

void WeekModel::reload() {
    emit dataChanged(index(0, 0), index(kWeekDays - 1, kDigitCount - 1));
}

}  // namespace pentad
