// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli: the jobs of the desktop program that a user can script, on the
// same data folder.
#include <cstdio>
#include <exception>

#include <CLI/CLI.hpp>

#include "cli_checks.h"
#include "cli_context.h"
#include "game/records.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"

namespace pentad::cli {

Workspace& CliContext::workspace() {
    if (!m_workspace) {
        m_workspace = std::make_unique<Workspace>(shell, resolveDataFolder(dir));
        // Like the desktop program, the tool works on the folder only while
        // it holds the stake ledger.
        if (!m_workspace->openLedger()) {
            throw LedgerLocked();
        }
        m_workspace->stakes().LoadRatings();
    }
    return *m_workspace;
}

bool CliContext::loadArchive() {
    Workspace& ws = workspace();
    if (!m_archiveLoaded) {
        m_archiveLoaded = true;
        m_archiveIntact = ws.loadArchive();
    }
    return m_archiveIntact;
}

void CliContext::print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace pentad::cli

int main(int argc, char** argv) {
    using namespace pentad;
    using namespace pentad::cli;
    initGameConstants();

    CliContext ctx;
    CLI::App app{"Pentad: analyser of the Florida PICK 5 draws (command-line tool)", "pentad-cli"};
    app.require_subcommand(1);
    app.add_option("--dir", ctx.dir, "Data folder (default: $PENTAD_DIR or the program's folder)");
    addDrawsCommand(app, ctx);
    addCombsCommand(app, ctx);
    addStatsCommands(app, ctx);
    addFilterCommands(app, ctx);
    addStakesCommands(app, ctx);
    addScenarioCommands(app, ctx);
    addViewsCommands(app, ctx);
    addOnlineCommands(app, ctx);
    addCatalogueCommands(app, ctx);
    addHelpCommand(app, ctx);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    if (!ctx.action) {
        std::fputs(app.help().c_str(), stderr);
        return 2;
    }
    try {
        requireDataFolder(ctx.dir);
        int rc = ctx.action();
        std::fflush(stdout);
        if (rc == 0 && ctx.ui.errorCount() > 0) {
            rc = 1;
        }
        return rc;
    } catch (const LedgerLocked&) {
        return 1;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "%s\n", consoleText(e.what()).c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", consoleText(e.what()).c_str());
        return 1;
    }
}
