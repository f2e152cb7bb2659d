// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet exports: the draw list, the statistics table, the
// combination list, the stake ledger and the ratings, each as its list shows
// it (visible columns in their order, rows in their order), and the tables
// the analysis tabs build (the draw card, the layout), written to a
// spreadsheet document in the temporary folder and opened with the desktop's
// program for it: an ".xlsx" workbook, which desktops hand to their
// spreadsheet program.
#include <QAbstractItemModel>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTableView>
#include <QUrl>

#include "combs_pane.h"
#include "command_set.h"
#include "draws_pane.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "ratings_pane.h"
#include "shell/error.h"
#include "shell/spreadsheet.h"
#include "stakes_pane.h"
#include "stat_pane.h"
#include "stats/stat_texts.h"
#include "template_main.h"

namespace pentad {
namespace {

constexpr int kProgressStep = 1000;

// Visible columns in the order the header shows them.
std::vector<int> shownColumns(const QTableView& view) {
    std::vector<int> columns;
    const QHeaderView* header = view.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!view.isColumnHidden(logical) && view.columnWidth(logical) > 0) {
            columns.push_back(logical);
        }
    }
    return columns;
}

}  // namespace

void TTemplateMain::createExportCommands() {
    struct Export {
        const char* name;
        const char* caption;
        const char* title;
        std::function<const QTableView*()> view;
        std::function<bool()> enabled;
    };
    const Export exports[] = {
        {"DrawsXlsExport", texts::kCmdXlsExport, texts::kTabDraws,
         [this] { return m_drawsPane->view(); }, [this] { return !m_workspace.archive().empty(); }},
        {"DrawsStatExportToExcel", texts::kCmdStatXlsExport, texts::kStatPageCaption,
         [this] { return m_statPane->view(); },
         [this] { return m_workspace.statPage().rowCount() > 0; }},
        {"CombsXlsExport", texts::kCmdXlsExport, texts::kTabCombs,
         [this] { return m_combsPane->view(); }, [this] { return !m_workspace.combs().empty(); }},
        {"StakesXlsExport", texts::kCmdStakesXlsExport, texts::kTabStakes,
         [this] { return m_stakesPane->view(); },
         [this] { return m_workspace.stakes().ledger().isOpen(); }},
        {"RatingsXlsExport", texts::kCmdRatingsXlsExport, texts::kTabRatings,
         [this] { return m_ratingsPane->view(); },
         [this] { return m_ratingsPane->view()->model()->rowCount() > 0; }},
    };
    for (const Export& e : exports) {
        m_commands->add({.name = e.name,
                         .caption = e.caption,
                         .enabled = e.enabled,
                         .execute = [this, view = e.view, title = e.title] {
                             exportToSpreadsheet(*view(), title);
                         }});
    }
}

void TTemplateMain::exportToSpreadsheet(const QTableView& view, const char* title) {
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) {
        return;
    }
    SheetTable table;
    const bool ok = shell().guard(texts::kErrorSpreadsheetExport, [&] {
        OperationScope op(shell(), texts::kStatusSpreadsheetExport);
        table.title = title;
        const std::vector<int> columns = shownColumns(view);
        for (int c : columns) {
            table.headers.push_back(
                toStdString(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()));
        }
        const int rows = model->rowCount();
        ProgressScope progress(shell(), texts::kStatusSpreadsheetExport, rows);
        table.rows.reserve(static_cast<size_t>(rows));
        for (int r = 0; r < rows; ++r) {
            std::vector<std::string>& cells = table.rows.emplace_back();
            cells.reserve(columns.size());
            for (int c : columns) {
                cells.push_back(toStdString(model->index(r, c).data(Qt::DisplayRole).toString()));
            }
            if ((r + 1) % kProgressStep == 0) {
                shell().stepProgress(kProgressStep);
                shell().processEvents();
            }
        }
    });
    if (ok) {
        exportSheet(table);
    }
}

void TTemplateMain::exportSheet(const SheetTable& table) {
    QString path;
    const bool ok = shell().guard(texts::kErrorSpreadsheetExport, [&] {
        OperationScope op(shell(), texts::kStatusSpreadsheetExport);
        QDir folder(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
        if (!folder.mkpath(QStringLiteral("Pentad"))) {
            throw Error(toStdString(folder.filePath(QStringLiteral("Pentad"))));
        }
        const std::string stamp = toStdString(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
        path = folder.filePath(QStringLiteral("Pentad/") +
                               toQString(spreadsheetFileName(table.title, stamp)));
        writeWorkbook(table, toStdString(path));
    });
    if (ok) {
        openDocument(path);
    }
}

void TTemplateMain::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace pentad
