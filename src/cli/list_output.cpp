// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_output.h"

#include "shell/messages.h"

namespace pentad::cli {
namespace {

void appendLine(std::string& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += '\t';
        }
        out += cells[i];
    }
    out += '\n';
}

}  // namespace

std::shared_ptr<std::string> addXlsxOption(CLI::App* command) {
    auto path = std::make_shared<std::string>();
    command->add_option("--xlsx", *path, "Write the list to this spreadsheet workbook (.xlsx)");
    return path;
}

int emitList(CliContext& ctx, const SheetTable& table, bool printHeaders,
             const std::string& xlsxPath) {
    if (!xlsxPath.empty()) {
        OperationScope op(ctx.shell, texts::kStatusSpreadsheetExport);
        return ctx.shell.guard(texts::kErrorSpreadsheetExport,
                               [&] { writeWorkbook(table, xlsxPath); })
                   ? 0
                   : 1;
    }
    std::string out;
    if (printHeaders) {
        appendLine(out, table.headers);
    }
    for (const std::vector<std::string>& row : table.rows) {
        appendLine(out, row);
    }
    CliContext::print(out);
    return 0;
}

}  // namespace pentad::cli
