// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli: the jobs of the desktop program that a user can script, on the
// same data folder.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <set>

#include <CLI/CLI.hpp>

#include "cli_checks.h"
#include "cli_context.h"
#include "game/records.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/program_version.h"

namespace pentad::cli {

bool isReadOnlyCommand(const std::string& command, bool writesFile) {
    static const std::set<std::string> readers = {
        "draws list",    "draws status",   "draws export",  "combs unique", "combs find",
        "methods",       "stats",          "favourites list", "describe",   "proxy show",
        "scenario list", "scenario save",  "stakes list",   "ratings list", "ratings export",
        "regular list",  "systems list",   "identity show", "views",
        // The program folder is what an update changes, not the data folder.
        "update check",  "update install"};
    if (command == "filter") {
        return !writesFile;
    }
    if (readers.count(command) > 0) {
        return true;
    }
    // Every view only reads.
    return command.rfind("views ", 0) == 0;
}

Workspace& CliContext::workspace() {
    if (!m_workspace) {
        m_workspace = std::make_unique<Workspace>(shell, resolveDataFolder(dir));
        if (readOnly) {
            // Readers take no lock: every file is replaced whole by its
            // writer, so a reader sees it before or after a write.
            m_workspace->openLedgerForReading();
        } else {
            std::string heldBy;
            const std::string holder =
                format("pentad-cli %s (process %d)", command, static_cast<int>(::getpid()));
            if (!m_workspace->holdFolder(holder, waitSeconds, &heldBy)) {
                std::fprintf(stderr,
                             "%s\n",
                             consoleText(format("The data folder \"%s\" is being changed by %s; "
                                                "waited %g s for it. Try again once it has "
                                                "finished, or give a longer --wait.",
                                                m_workspace->folder(),
                                                heldBy.empty() ? "another program" : heldBy,
                                                waitSeconds))
                                 .c_str());
                throw LedgerLocked();
            }
            if (!m_workspace->openLedger()) {
                throw LedgerLocked();
            }
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
    app.set_version_flag("--version", programVersion(), "Print the version of this program file");
    app.add_option("--dir", ctx.dir, "Data folder (default: $PENTAD_DIR or the program's folder)");
    app.add_option("--wait", ctx.waitSeconds,
                   "Seconds a command that changes the folder waits while another program "
                   "changes it (default 10)")
        ->check(CLI::Range(0.0, 86400.0));
    addDrawsCommand(app, ctx);
    addCombsCommand(app, ctx);
    addStatsCommands(app, ctx);
    addFilterCommands(app, ctx);
    addStakesCommands(app, ctx);
    addScenarioCommands(app, ctx);
    addViewsCommands(app, ctx);
    addOnlineCommands(app, ctx);
    addUpdateCommands(app, ctx);
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
    for (CLI::App* sub = &app; !sub->get_subcommands().empty();) {
        sub = sub->get_subcommands().front();
        ctx.command += (ctx.command.empty() ? "" : " ") + sub->get_name();
    }
    ctx.readOnly = isReadOnlyCommand(ctx.command, ctx.writesFile);
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
