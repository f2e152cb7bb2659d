// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli describe: the help file of the interface language, and the help
// topic of one statistic method as plain text (or as its HTML page).
#include <memory>

#include "cli_context.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/help_file.h"
#include "shell/help_texts.h"
#include "shell/interface_language.h"
#include "stats/stat_texts.h"

namespace pentad::cli {

void addHelpCommand(CLI::App& app, CliContext& ctx) {
    struct Options {
        std::string method;
        bool html = false;
    };
    auto opts = std::make_shared<Options>();
    auto* describe = app.add_subcommand(
        "describe", "Print the help topic of a statistic method (without one: the help file)");
    describe->add_option("method", opts->method, "Method code (see \"methods\")");
    describe->add_flag("--html", opts->html, "Print the topic's HTML page as it is stored");
    describe->callback([&ctx, opts] {
        ctx.action = [&ctx, opts] {
            Workspace& ws = ctx.workspace();
            ws.setInterfaceLanguage(interfaceLanguage(ws.form().Language, false, programFolder()));
            const TStatList& list = ws.stats();
            if (list.HelpFile.empty()) {
                throw Error(texts::kHelpFileMissing);
            }
            if (opts->method.empty()) {
                CliContext::print(list.HelpFile + "\n");
                return 0;
            }
            const int entry = list.IndexOfCode(opts->method);
            if (entry < 0) {
                throw UsageError(format(texts::kUnknownMethod, opts->method));
            }
            const std::string page = readHelpTopic(list.HelpUrl(entry));
            CliContext::print(opts->html ? page : htmlToText(page));
            return 0;
        };
    });
}

}  // namespace pentad::cli
