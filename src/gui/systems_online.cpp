// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems_online.h"

#include <QItemSelectionModel>
#include <QTableView>

#include "app/workspace.h"
#include "catalogue_texts_gui.h"
#include "command_set.h"
#include "gui_texts.h"
#include "online/catalogue_texts.h"
#include "models/systems_model.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "systems/system_texts.h"
#include "systems_pane.h"

namespace pentad {

SystemsOnline::SystemsOnline(Workspace& workspace, SystemsPane& pane, QWidget* dialogParent)
    : m_ws(workspace), m_pane(pane), m_parent(dialogParent) {}

bool SystemsOnline::active() const { return m_ws.online().catalogue().hasAddress(); }

void SystemsOnline::createCommands(CommandSet& commands, std::function<bool()> shown) {
    commands.add({.name = "SystemsDownload",
                  .caption = texts::kCmdSystemsDownload,
                  .enabled =
                      [this, shown] {
                          if (!shown() || !m_pane.model()->online()) {
                              return false;
                          }
                          for (int row : m_pane.selectedRows()) {
                              if (m_pane.model()->system(row).Id > 0) {
                                  return true;
                              }
                          }
                          return false;
                      },
                  .execute = [this] { download(); }});
}

void SystemsOnline::refresh() {
    CatalogueServices& cat = m_ws.online().catalogue();
    SystemsModel& model = *m_pane.model();
    const int row = m_pane.currentRow();
    const int remembered = row >= 0 && model.online() ? model.system(row).Id : -1;
    OperationScope op(m_ws.shell(), texts::kStatusSystemsList);
    std::optional<std::vector<tSystemInfo>> list = cat.LoadSystemList();
    if (!list) {
        return;
    }
    model.showOnline(std::move(*list),
                     [&cat](const tSystemInfo& s) { return cat.systemDownloaded(s); });
    m_pane.focusRow(remembered > 0 ? model.rowOfId(remembered) : -1);
}

void SystemsOnline::download() {
    CatalogueServices& cat = m_ws.online().catalogue();
    SystemsModel& model = *m_pane.model();
    BusyScope busy(m_ws.shell());
    const int focused = m_pane.currentRow();
    for (int row : m_pane.selectedRows()) {
        const tSystemInfo& system = model.system(row);
        if (system.Id <= 0 || !cat.DownloadSystem(system)) {
            continue;
        }
        if (row != focused) {
            m_pane.view()->selectionModel()->select(
                model.index(row, 0),
                QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        }
    }
    model.statesChanged();
}

void SystemsOnline::add(const SystemDialog::FileChooser& chooser) {
    CatalogueServices& cat = m_ws.online().catalogue();
    tSystemData data;
    data.Info.Id = 0;
    data.Info.Author = cat.userName();
    data.Info.OwnerMail = cat.userMail();
    SystemDialog dialog(m_ws.shell(), data, true, chooser, m_parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    data = dialog.data();
    data.Info.Id = 0;
    data.Info.OwnerMail = cat.userMail();
    const int id = cat.PutSystem(data, false);
    if (id < 0) {
        return;
    }
    data.Info.Id = id;
    SystemsModel& model = *m_pane.model();
    // the placeholder of an empty list gives way to the first real row
    if (model.rowCount() == 1 && model.system(0).Id <= 0) {
        model.removeRow(0);
    }
    m_pane.focusRow(model.append(data.Info));
}

void SystemsOnline::properties(const SystemDialog::FileChooser& chooser) {
    CatalogueServices& cat = m_ws.online().catalogue();
    SystemsModel& model = *m_pane.model();
    const int row = m_pane.currentRow();
    if (row < 0 || row >= model.rowCount() || model.system(row).Id <= 0) {
        return;
    }
    tSystemData data;
    data.Info = model.system(row);
    std::optional<std::string> list = cat.FetchSystemList(data.Info);
    if (!list) {
        return;
    }
    data.CList = *list;
    const bool editable = cat.ownSystem(data.Info);
    SystemDialog dialog(m_ws.shell(), data, editable, chooser, m_parent);
    if (dialog.exec() != QDialog::Accepted || !editable) {
        return;
    }
    tSystemData edited = dialog.data();
    edited.Info.Id = data.Info.Id;
    edited.Info.OwnerMail = data.Info.OwnerMail;
    if (cat.PutSystem(edited, false) < 0) {
        return;
    }
    model.replaceRow(row, edited.Info);
}

void SystemsOnline::remove() {
    CatalogueServices& cat = m_ws.online().catalogue();
    SystemsModel& model = *m_pane.model();
    const int row = m_pane.currentRow();
    if (row < 0 || row >= model.rowCount() || model.system(row).Id <= 0) {
        return;
    }
    const tSystemInfo system = model.system(row);
    if (!cat.ownSystem(system)) {
        m_ws.shell().error(texts::kOnlyOwnSystems);
        return;
    }
    if (!m_ws.shell().confirmNo(format(texts::kConfirmDeleteSystem, system.Title))) {
        return;
    }
    tSystemData data;
    data.Info = system;
    if (cat.PutSystem(data, true) != 0) {
        return;
    }
    deleteFile(SystemFileName(m_ws.folder(), system));
    model.removeRow(row);
    m_pane.focusRow(-1);
}

}  // namespace pentad
