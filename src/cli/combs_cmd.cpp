// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli combs: generate a combination list, exclude the last draws from
// one, count its distinct digits and look a combination up in the archive.
#include <memory>
#include <optional>
#include <string>

#include "cli_checks.h"
#include "cli_context.h"
#include "filters/combination_generator.h"
#include "filters/combination_set.h"
#include "filters/combination_texts.h"
#include "filters/lcv_file.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad::cli {
namespace {

struct GenerateOptions {
    std::optional<int> mode;
    std::optional<std::string> params;
    std::string out;
};

struct ExcludeOptions {
    int draws = 0;
    std::optional<int> offset;
    std::string in;
    std::string out;
};

// Parameters typed for a generation mode: none for the full set, digits
// 0..9 for "my numbers".
void requireGenerateParams(int mode, const std::string& text) {
    if (mode == kGenerateFull) {
        throw UsageError("--params: the full set (mode 0) takes no parameters");
    }
    if (mode == kGenerateFromFile) {
        return;
    }
    bool any = false;
    for (const std::string& word : splitAny(text, ",;")) {
        int digit = 0;
        if (trim(word).empty()) {
            continue;
        }
        if (!parseInt32(trim(word), digit) || digit < 0 || digit > 9) {
            throw UsageError("--params: \"" + trim(word) + "\" is not a digit 0..9");
        }
        any = true;
    }
    if (!any) {
        throw UsageError("--params: give the digits, such as \"1;5;7\"");
    }
}

// Reads a .lcv file into the set as the open command does; false when it
// could not be read (the error was shown).
bool openList(CombinationSet& set, const std::string& path) {
    return set.OpenFile(path).ok;
}

}  // namespace

void addCombsCommand(CLI::App& app, CliContext& ctx) {
    CLI::App* combs = app.add_subcommand("combs", "Combination lists (.lcv files)");
    combs->require_subcommand(1);

    auto* gen = combs->add_subcommand("generate", "Write a new combination list");
    auto genOptions = std::make_shared<GenerateOptions>();
    gen->add_option("--mode", genOptions->mode,
                    "0 all, 1 any of my numbers, 2 only my numbers, 3 none of my numbers, "
                    "4 a .lcv file (default: the saved default)");
    gen->add_option("--params", genOptions->params,
                    "My numbers separated by \";\" or \",\", or the .lcv file for mode 4 "
                    "(default: the saved default)");
    gen->add_option("--out", genOptions->out, "The .lcv file to write")->required();
    gen->callback([&ctx, genOptions] {
        ctx.action = [&ctx, genOptions] {
            Workspace& ws = ctx.workspace();
            GenerateParams params = loadGenerateParams(ws.ini());
            if (genOptions->mode) {
                if (*genOptions->mode < 0 || *genOptions->mode >= kGenerateModeCount) {
                    throw UsageError("--mode: 0..4");
                }
                params.Mode = static_cast<uint8_t>(*genOptions->mode);
            }
            if (genOptions->params) {
                requireGenerateParams(params.Mode, *genOptions->params);
                params.Parameters = *genOptions->params;
            }
            CombinationSet set(ctx.shell, ws.archive());
            CombsReadResult result = set.Generate(normalizedParams(params), false);
            if (!result.ok) {
                return 1;
            }
            if (result.skipped > 0) {
                ctx.shell.attention(format(texts::kSkippedLines, result.skipped));
            }
            if (!set.SaveFile(genOptions->out)) {
                return 1;
            }
            CliContext::print(set.StatusPanelText() + "\n");
            return 0;
        };
    });

    auto* exc = combs->add_subcommand("exclude", "Remove the last draws from a combination list");
    auto excOptions = std::make_shared<ExcludeOptions>();
    exc->add_option("--draws", excOptions->draws, "Number of the newest draws to remove")
        ->required()
        ->check(CLI::NonNegativeNumber);
    exc->add_option("--offset", excOptions->offset,
                    "Analysis offset: the newest draws left out of the range (default 0)")
        ->check(CLI::NonNegativeNumber);
    exc->add_option("--in", excOptions->in, "The .lcv file to read")->required();
    exc->add_option("--out", excOptions->out, "The .lcv file to write")->required();
    exc->callback([&ctx, excOptions] {
        ctx.action = [&ctx, excOptions] {
            if (!ctx.loadArchive()) {
                return 1;
            }
            requireOffset(ctx.workspace().archive(), excOptions->offset.value_or(0));
            CombinationSet set(ctx.shell, ctx.workspace().archive());
            if (!openList(set, excOptions->in)) {
                return 1;
            }
            set.SaveUndo(false);
            set.ExcludeDraws(excOptions->draws, excOptions->offset.value_or(0));
            if (!set.SaveFile(excOptions->out)) {
                return 1;
            }
            CliContext::print(set.StatusPanelText() + "\n");
            return 0;
        };
    });

    auto* uni = combs->add_subcommand("unique", "Count the distinct digits of a combination list");
    auto uniIn = std::make_shared<std::string>();
    uni->add_option("--in", *uniIn, "The .lcv file to read")->required();
    uni->callback([&ctx, uniIn] {
        ctx.action = [&ctx, uniIn] {
            CombinationSet set(ctx.shell, ctx.workspace().archive());
            if (!openList(set, *uniIn)) {
                return 1;
            }
            CliContext::print(set.UniqueNumbersText() + "\n");
            return 0;
        };
    });

    auto* find = combs->add_subcommand("find", "Look a combination up in the draw archive");
    auto findComb = std::make_shared<std::string>();
    find->add_option("--comb", *findComb, "Five digits, such as \"1;2;3;4;5\"")->required();
    find->callback([&ctx, findComb] {
        ctx.action = [&ctx, findComb] {
            TCombRec comb;
            if (parsePastedLine(*findComb, comb) != CombLine::Combination) {
                throw Error(format(texts::kBadCombination, *findComb));
            }
            ctx.loadArchive();
            CombinationSet set(ctx.shell, ctx.workspace().archive());
            CliContext::print(consoleText(set.FindInArchiveText(comb)) + "\n");
            return 0;
        };
    });
}

}  // namespace pentad::cli
