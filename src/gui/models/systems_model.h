// SPDX-License-Identifier: GPL-3.0-or-later
// The systems list: the local system files of the data folder, one row per
// file. The file name tells the numbers, block and catalogue number; what it
// cannot tell (title, author, dates) is shown when this run learnt it from
// the system dialog, and stays empty otherwise.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "systems/system_store.h"

namespace pentad {

class SystemsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Columns: "Название", "Числа", "Блок", "Комбинаций", "Автор",
    // "Комментарии", "Дата создания", "Загрузок", "Последняя", "Ссылка",
    // "Статус".
    enum Column { TitleColumn = 0, StatusColumn = 10 };
    static constexpr int kColumnCount = 11;

    explicit SystemsModel(std::string folder, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Re-reads the folder (a missing folder lists nothing); the list shows
    // the local files again.
    void reload();
    // Shows the catalogue's systems instead; `downloaded` tells the state of
    // a row's local file.
    void showOnline(std::vector<tSystemInfo> systems,
                    std::function<bool(const tSystemInfo&)> downloaded);
    bool online() const { return static_cast<bool>(m_downloaded); }
    // Redraws the state column.
    void statesChanged();
    // The row of a catalogue number, or -1.
    int rowOfId(int id) const;
    // Adds a row at the end (a system just published); its number.
    int append(const tSystemInfo& info);
    void replaceRow(int row, const tSystemInfo& info);
    void removeRow(int row);
    // Empties the list (the page is hidden).
    void clear();

    const tSystemInfo& system(int row) const { return m_systems[static_cast<size_t>(row)]; }
    // The local file of a row.
    std::string filePath(int row) const;
    // The row of a local file name ("5-07-0_-0001.dat"), or -1.
    int rowOfFile(const std::string& fileName) const;

    // Keeps what the dialog knew of a stored system for the rest of the run.
    void remember(const tSystemInfo& info);
    void forget(const tSystemInfo& info);

private:
    std::string m_folder;
    std::vector<tSystemInfo> m_systems;
    // Descriptions by file name, as the system dialog last saved them.
    std::map<std::string, tSystemInfo> m_known;
    std::function<bool(const tSystemInfo&)> m_downloaded;
};

// The file name of a system's local file, without the folder.
std::string systemFileName(const tSystemInfo& info);

}  // namespace pentad
