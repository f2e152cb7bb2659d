// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli update: the search for a new version of the program and its
// installation into the program's own folder.
#include <memory>

#include "cli_context.h"
#include "online/self_update.h"
#include "online/update_texts.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/processes.h"
#include "shell/program_version.h"

namespace pentad::cli {
namespace {

struct UpdateArgs {
    std::optional<std::string> url;
    bool yes = false;
};

// The command-line tool speaks the built-in Russian interface.
constexpr int kCliLanguage = 1049;

SelfUpdateSetup cliSetup() {
    SelfUpdateSetup setup;
    setup.programFolder = programFolder();
    setup.programName = programFileName();
    setup.ownVersion = programVersion();
    setup.language = kCliLanguage;
    if (setup.programFolder.empty() || setup.programName.empty()) {
        throw Error("Не удалось определить папку программы");
    }
    return setup;
}

// --url, else the address the data folder's settings name, else the maker's.
std::string updateAddress(CliContext& ctx, const UpdateArgs& args) {
    return args.url ? *args.url : ctx.workspace().online().updateAddress();
}

int checkUpdate(CliContext& ctx, const UpdateArgs& args) {
    SelfUpdate update(ctx.shell, cliSetup());
    const std::string address = updateAddress(ctx, args);
    std::optional<UpdateOffer> offer;
    try {
        offer = update.search(address);
    } catch (const Error& e) {
        ctx.shell.error(format(texts::kUpdateSearchFailed, std::string(e.what())));
        return kUpdateFailed;
    }
    if (!offer) {
        CliContext::print(std::string(texts::kUpdateNotFound) + "\n");
        return 0;
    }
    CliContext::print(offer->data.VerId + "\n" + texts::kUpdateCurrentVersion + " " +
                      update.setup().ownVersion + "\n" + texts::kUpdateNewVersion + " " +
                      offer->data.Description + "\n" + texts::kUpdateVersionDescription + "\n" +
                      offer->descriptionText + "\n");
    return 0;
}

int installUpdate(CliContext& ctx, const UpdateArgs& args) {
    if (!args.yes) {
        throw UsageError("update install: give --yes to install the version found");
    }
    SelfUpdate update(ctx.shell, cliSetup());
    const std::string address = updateAddress(ctx, args);
    // 0 installed, 1 nothing to install, 2 failed.
    switch (update.run(address, false, [](const UpdateOffer&) { return true; })) {
        case kUpdateInstalled:
            return 0;
        case kUpdateNothing:
            return 1;
        default:
            return 2;
    }
}

}  // namespace

void addUpdateCommands(CLI::App& app, CliContext& ctx) {
    constexpr const char* kUrlHelp =
        "Address or file path of the update description (default: the UpdateAddress key in "
        "[ONLINE] of Pentad.ini, else the maker's)";
    CLI::App* update = app.add_subcommand("update", "New versions of the program");
    update->require_subcommand(1);
    auto args = std::make_shared<UpdateArgs>();
    auto* check = update->add_subcommand("check", "Show the version offered by the update server");
    check->add_option("--url", args->url, kUrlHelp);
    check->callback([&ctx, args] { ctx.action = [&ctx, args] { return checkUpdate(ctx, *args); }; });
    auto* install = update->add_subcommand(
        "install", "Install the version offered (exit 0 installed, 1 none, 2 failed)");
    install->add_option("--url", args->url, kUrlHelp);
    install->add_flag("--yes", args->yes, "Install without asking");
    install->callback(
        [&ctx, args] { ctx.action = [&ctx, args] { return installUpdate(ctx, *args); }; });
}

}  // namespace pentad::cli
