// SPDX-License-Identifier: GPL-3.0-or-later
// The lists that pentad-cli prints (draws, a statistics table, stakes,
// ratings): tab-separated lines on stdout, or with --xlsx FILE the same cells
// as a spreadsheet workbook.
#pragma once

#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "cli_context.h"
#include "shell/spreadsheet.h"

namespace pentad::cli {

// Adds "--xlsx FILE" to `command`; the path stays empty when not given.
std::shared_ptr<std::string> addXlsxOption(CLI::App* command);

// Prints the rows (preceded by the captions when `printHeaders`) or, when
// `xlsxPath` is not empty, writes them with their captions to that workbook
// instead. Returns the exit code: 1 when the workbook could not be written
// (the message was shown and no file was left behind).
int emitList(CliContext& ctx, const SheetTable& table, bool printHeaders,
             const std::string& xlsxPath);

}  // namespace pentad::cli
