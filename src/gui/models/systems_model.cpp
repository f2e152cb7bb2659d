// SPDX-License-Identifier: GPL-3.0-or-later
// Rows of the systems list, read from the folder "Systems" on request.
#include "models/systems_model.h"

#include <filesystem>

#include "date_convert.h"
#include "qt_text.h"
#include "shell/error.h"
#include "systems/system_texts.h"

namespace pentad {
namespace {

QString dateText(DateTime value) {
    if (value <= 0) {
        return {};
    }
    return toQDateTime(value).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

}  // namespace

std::string systemFileName(const tSystemInfo& info) {
    return std::filesystem::path(SystemFileName(std::string(), info)).filename().string();
}

SystemsModel::SystemsModel(std::string folder, QObject* parent)
    : QAbstractTableModel(parent), m_folder(std::move(folder)) {}

int SystemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_systems.size());
}

int SystemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant SystemsModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= rowCount()) {
        return {};
    }
    const tSystemInfo& s = system(row);
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        const bool number = column >= 1 && column <= 3;
        return QVariant((number ? Qt::AlignCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (column) {
        case 0:
            return toQString(s.Title);
        case 1:
            return online() && s.Id <= 0 ? QVariant() : toQString(format("%.2d", s.Nums));
        case 2:
            return online() && s.Id <= 0 ? QVariant() : QVariant(int{s.Olap});
        case 3:
            return online() && s.Id <= 0 ? QVariant() : QVariant(s.CSize);
        case 4:
            return toQString(s.Author);
        case 5:
            return toQString(s.Descr);
        case 6:
            return dateText(s.Created);
        case 7:
            // Only the catalogue counts downloads.
            return s.Downloads > 0 ? QVariant(s.Downloads) : QVariant();
        case 8:
            return dateText(s.LastDownload);
        case 9:
            return toQString(s.URL);
        case StatusColumn:
            if (online() && !m_downloaded(s)) {
                return QString();
            }
            return uiText(texts::kSystemLoaded);
        default:
            return {};
    }
}

QVariant SystemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount) {
        return {};
    }
    return uiText(texts::kSystemColumns[section]);
}

void SystemsModel::reload() {
    std::vector<tSystemInfo> systems = listLocalSystems(m_folder);
    for (tSystemInfo& s : systems) {
        auto known = m_known.find(systemFileName(s));
        if (known != m_known.end()) {
            // The file tells the size; the rest is what the dialog saved.
            const int32_t size = s.CSize;
            s = known->second;
            s.CSize = size;
        }
    }
    beginResetModel();
    m_systems = std::move(systems);
    m_downloaded = nullptr;
    endResetModel();
}

void SystemsModel::showOnline(std::vector<tSystemInfo> systems,
                              std::function<bool(const tSystemInfo&)> downloaded) {
    beginResetModel();
    m_systems = std::move(systems);
    m_downloaded = std::move(downloaded);
    endResetModel();
}

void SystemsModel::statesChanged() {
    if (!m_systems.empty()) {
        emit dataChanged(index(0, StatusColumn), index(rowCount() - 1, StatusColumn));
    }
}

int SystemsModel::rowOfId(int id) const {
    for (size_t i = 0; i < m_systems.size(); ++i) {
        if (m_systems[i].Id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int SystemsModel::append(const tSystemInfo& info) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_systems.push_back(info);
    endInsertRows();
    return row;
}

void SystemsModel::replaceRow(int row, const tSystemInfo& info) {
    m_systems[static_cast<size_t>(row)] = info;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void SystemsModel::removeRow(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    m_systems.erase(m_systems.begin() + row);
    endRemoveRows();
}

void SystemsModel::clear() {
    beginResetModel();
    m_systems.clear();
    m_downloaded = nullptr;
    endResetModel();
}

std::string SystemsModel::filePath(int row) const {
    return SystemFileName(m_folder, system(row));
}

int SystemsModel::rowOfFile(const std::string& fileName) const {
    for (size_t i = 0; i < m_systems.size(); ++i) {
        if (systemFileName(m_systems[i]) == fileName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void SystemsModel::remember(const tSystemInfo& info) {
    m_known[systemFileName(info)] = info;
}

void SystemsModel::forget(const tSystemInfo& info) {
    m_known.erase(systemFileName(info));
}

}  // namespace pentad
