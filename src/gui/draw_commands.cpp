// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Архив тиражей" and the draw list's view option:
// add, edit, delete, import, export, draw information (with the values of
// the graph methods), and the colouring of the list. Each one works through the workspace; the
// window redraws what the workspace reports as changed once the command is over.
#include <QAction>
#include <QDialog>

#include "command_set.h"
#include "dialogs/draw_dialog.h"
#include "dialogs/draw_info_dialog.h"
#include "draws_pane.h"
#include "gui_texts.h"
#include "info_rows.h"
#include "qt_text.h"
#include "template_main.h"

namespace pentad {
namespace {

constexpr const char* kCsvSuffix = "csv";

}  // namespace

void TTemplateMain::createDrawCommands() {
    auto rowFocused = [this] { return m_workspace.archive().validRow(m_drawsPane->currentRow()); };
    m_commands->add(
        {.name = "DrawsAdd", .caption = texts::kCmdDrawsAdd, .execute = [this] { drawsAdd(); }});
    m_commands->add({.name = "DrawsEdit",
                     .caption = texts::kCmdDrawsEdit,
                     .enabled = rowFocused,
                     .execute = [this] { drawsEdit(); }});
    m_commands->add({.name = "DrawsDel",
                     .caption = texts::kCmdDrawsDel,
                     .enabled = [this] { return !m_drawsPane->selectedRows().empty(); },
                     .execute = [this] { drawsDelete(); }});
    m_commands->add({.name = "DrawsImport", .caption = texts::kCmdDrawsImport, .execute = [this] {
                         drawsImport();
                     }});
    m_commands->add({.name = "DrawsExport",
                     .caption = texts::kCmdDrawsExport,
                     .enabled = [this] { return !m_workspace.archive().empty(); },
                     .execute = [this] { drawsExport(); }});
    m_commands->add({.name = "DrawsInfo",
                     .caption = texts::kCmdDrawsInfo,
                     .enabled = rowFocused,
                     .execute = [this] { drawsInfo(); }});
    // This game switches the sorted view only through "Pentad.frm": the
    // command shows the setting and is never enabled.
    m_commands->add({.name = "DrawsSorted",
                     .caption = texts::kCmdDrawsSorted,
                     .enabled = [] { return false; },
                     .checked = [this] { return m_workspace.form().SortedDraws; }});
    m_commands->add({.name = "ViewColorDraws",
                     .caption = texts::kCmdViewColorDraws,
                     .execute = [this] { viewColorDraws(); },
                     .checked = [this] { return m_workspace.form().ColorDraws; }});
}

void TTemplateMain::drawsAdd() {
    DrawDialog dialog(shell(), m_workspace.newDrawTemplate(), true, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_workspace.addDraw(dialog.draw());
    }
}

void TTemplateMain::drawsEdit() {
    const int row = m_drawsPane->currentRow();
    if (!m_workspace.archive().validRow(row)) {
        return;
    }
    DrawDialog dialog(shell(), m_workspace.archive().atRow(row), true, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_workspace.editDraw(row, dialog.draw());
    }
}

void TTemplateMain::drawsDelete() {
    m_workspace.deleteDrawRows(m_drawsPane->selectedRows());
}

void TTemplateMain::drawsImport() {
    QString path =
        chooseOpenFile(uiText(texts::kImportDrawsTitle),
                       uiText(texts::kCsvDialogFilter), QString::fromUtf8(kCsvSuffix));
    if (!path.isEmpty()) {
        m_workspace.importDraws(toStdString(path));
    }
}

void TTemplateMain::drawsExport() {
    QString path =
        chooseSaveFile(uiText(texts::kExportDrawsTitle),
                       uiText(texts::kCsvDialogFilter), QString::fromUtf8(kCsvSuffix));
    if (!path.isEmpty()) {
        m_workspace.exportDraws(toStdString(path));
    }
}

void TTemplateMain::drawsInfo() {
    const int row = m_drawsPane->currentRow();
    if (!m_workspace.archive().validRow(row)) {
        return;
    }
    DrawInfo info = m_workspace.drawInfo(row);
    {
        BusyScope busy(shell());
        const DrawArchive& archive = m_workspace.archive();
        appendGraphValues(m_workspace.stats(), archive.atRow(row).Digits, archive.indexOfRow(row),
                          m_workspace.form().SortedDraws, info);
    }
    DrawInfoDialog dialog(info, m_workspace.config().ChannelSize, this);
    dialog.exec();
}

void TTemplateMain::viewColorDraws() {
    BusyScope busy(shell());
    MainFormSettings& form = m_workspace.form();
    form.ColorDraws = !form.ColorDraws;
    m_workspace.setViewOption("ColorDraws", form.ColorDraws);
}

}  // namespace pentad
