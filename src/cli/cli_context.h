// SPDX-License-Identifier: GPL-3.0-or-later
// What every subcommand of pentad-cli shares: the console interface, and the
// workspace on the data folder, opened once the options are parsed.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "console_user_interface.h"
#include "shell/shell.h"
#include "app/workspace.h"

namespace pentad::cli {

// A failure of the command line itself (exit code 2), as opposed to a
// failure reported through the console interface (exit code 1).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The ledger is held by another copy of the program (already reported).
class LedgerLocked : public std::exception {};

class CliContext {
public:
    std::optional<std::string> dir;
    ConsoleUserInterface ui;
    Shell shell{ui};

    // The action chosen by the subcommand; runs after parsing.
    std::function<int()> action;

    // Opens the workspace on the data folder (once).
    Workspace& workspace();
    // Opens the workspace and loads the archive. Returns false when the
    // archive file is damaged (the message was shown already).
    bool loadArchive();

    // Writes UTF-8 text to stdout.
    static void print(const std::string& text);

private:
    std::unique_ptr<Workspace> m_workspace;
    bool m_archiveLoaded = false;
    bool m_archiveIntact = true;
};

void addDrawsCommand(CLI::App& app, CliContext& ctx);
void addCombsCommand(CLI::App& app, CliContext& ctx);
void addStatsCommands(CLI::App& app, CliContext& ctx);
void addFilterCommands(CLI::App& app, CliContext& ctx);
void addStakesCommands(CLI::App& app, CliContext& ctx);
void addHelpCommand(CLI::App& app, CliContext& ctx);
void addOnlineCommands(CLI::App& app, CliContext& ctx);
// Needs the ratings command of addStakesCommands.
void addScenarioCommands(CLI::App& app, CliContext& ctx);
void addViewsCommands(CLI::App& app, CliContext& ctx);
// identity, catalogue and "systems online"; needs the systems command of
// addScenarioCommands.
void addCatalogueCommands(CLI::App& app, CliContext& ctx);

}  // namespace pentad::cli
