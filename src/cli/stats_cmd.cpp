// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli methods, stats, prefetch and shredding: the method list, one
// statistics table, the prefetch files of the full set of combinations, and
// the formulas of the shredding methods.
#include <array>
#include <bitset>
#include <optional>

#include "cli_checks.h"
#include "cli_context.h"
#include "list_output.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/text_utils.h"
#include "stats/formula.h"
#include "stats/prefetch.h"
#include "stats/stat_table.h"
#include "stats/stat_texts.h"

namespace pentad::cli {
namespace {

int requireMethod(const TStatList& list, const std::string& code) {
    int entry = list.IndexOfCode(code);
    if (entry < 0) {
        throw Error(format(texts::kUnknownMethod, code));
    }
    return entry;
}

std::bitset<13> parseGroups(const std::string& text) {
    std::bitset<13> groups;
    for (const std::string& word : splitAny(text, ",")) {
        std::string w = trim(word);
        if (w.empty()) {
            continue;
        }
        bool found = false;
        for (int g = 0; g < kGroupCount; ++g) {
            if (w == groupCode(g)) {
                groups.set(static_cast<size_t>(g));
                found = true;
            }
        }
        if (!found) {
            throw UsageError("--groups: unknown group \"" + w + "\"");
        }
    }
    return groups;
}

}  // namespace

void addStatsCommands(CLI::App& app, CliContext& ctx) {
    auto* methods = app.add_subcommand("methods", "The method list: code, group, flags, caption");
    methods->callback([&ctx] {
        ctx.action = [&ctx] {
            const TStatList& list = ctx.workspace().stats();
            std::string out;
            for (int i = 0; i < list.Count(); ++i) {
                const TStatMethod& m = list.Item(i);
                out += m.Code() + "\t" + groupCode(m.Class->group) + "\t" +
                       flagLetters(m.Class->flags()) + "\t" + m.DisplayCaption() + "\n";
            }
            CliContext::print(out);
            return 0;
        };
    });

    struct StatsOptions {
        std::string method;
        int length = 1000;
        int offset = 0;
        bool sorted = false;
        bool norm = false;
        std::shared_ptr<std::string> xlsx;
    };
    auto opts = std::make_shared<StatsOptions>();
    auto* stats = app.add_subcommand("stats", "Compute one statistics table");
    stats->add_option("--method", opts->method, "Method code (see \"methods\")")->required();
    stats->add_option("--len", opts->length, "Number of draws in the window (default 1000)")
        ->check(CLI::Range(1, 2147483647));
    stats->add_option("--offset", opts->offset, "Newest draws left out of the analysis")
        ->check(CLI::NonNegativeNumber);
    stats->add_flag("--sorted", opts->sorted, "Value the digits of each draw in ascending order");
    stats->add_flag("--norm", opts->norm, "Compare with the full set (prefetch file)");
    opts->xlsx = addXlsxOption(stats);
    stats->callback([&ctx, opts] {
        ctx.action = [&ctx, opts] {
            Workspace& ws = ctx.workspace();
            int entry = requireMethod(ws.stats(), opts->method);
            ctx.loadArchive();
            requireOffset(ws.archive(), opts->offset);
            ws.setOffset(opts->offset);
            std::optional<PrefetchData> prefetch;
            if (opts->norm) {
                prefetch = ws.prefetchs().open(ws.stats(), entry);
            }
            StatComputation c =
                computeStatistic(ws.stats(), entry, ws.archive(), opts->length, opts->sorted,
                                 prefetch ? &*prefetch : nullptr, false, false);
            SheetTable table{texts::kStatPageCaption, {}, {}};
            for (int col = 0; col < kStatColumns; ++col) {
                table.headers.emplace_back(texts::kColumnCaptions[col]);
            }
            CdlWeights w = ws.stats().weights();
            table.rows.reserve(c.rows.size());
            for (size_t i = 0; i < c.rows.size(); ++i) {
                auto cells = statCells(c, i, w);
                table.rows.emplace_back(cells.begin(), cells.end());
            }
            return emitList(ctx, table, true, *opts->xlsx);
        };
    });

    struct PrefetchOptions {
        bool missing = false;
        bool all = false;
        std::string groups;
    };
    auto popts = std::make_shared<PrefetchOptions>();
    auto* prefetch = app.add_subcommand("prefetch", "Build the prefetch files of the full set");
    auto* missing = prefetch->add_flag("--missing", popts->missing, "Build missing files only");
    auto* all = prefetch->add_flag("--all", popts->all, "Rebuild every file");
    missing->excludes(all);
    prefetch->add_option("--groups", popts->groups, "Rebuild these groups: num,sum,...");
    prefetch->callback([&ctx, popts] {
        ctx.action = [&ctx, popts] {
            Workspace& ws = ctx.workspace();
            std::bitset<13> groups;
            if (popts->all) {
                groups.set();
            } else if (!popts->groups.empty()) {
                groups = parseGroups(popts->groups);
            }
            ws.prefetchs().buildAll(ws.stats(), groups);
            return 0;
        };
    });

    struct ShreddingOptions {
        std::array<std::optional<std::string>, 3> formulas;
        std::array<std::optional<int>, 3> digits;
    };
    auto sopts = std::make_shared<ShreddingOptions>();
    auto* shredding = app.add_subcommand(
        "shredding", "Show or change the formulas of the shredding methods (SHR1..SHR3)");
    for (size_t k = 0; k < 3; ++k) {
        const std::string n = std::to_string(k + 1);
        shredding->add_option("--formula" + n, sopts->formulas[k],
                              "Formula " + n + " over n1..n5, p1..p5, t1..t5");
        shredding
            ->add_option("--digits" + n, sopts->digits[k],
                         "Decimals used of formula " + n + " (1..5)")
            ->check(CLI::Range(1, 5));
    }
    shredding->callback([&ctx, sopts] {
        ctx.action = [&ctx, sopts] {
            Workspace& ws = ctx.workspace();
            std::array<std::string, 3> formulas = ws.stats().Formulas;
            std::array<uint8_t, 3> digits = ws.stats().FormulaDigits;
            bool changed = false;
            for (size_t k = 0; k < 3; ++k) {
                if (sopts->formulas[k]) {
                    formulas[k] = *sopts->formulas[k];
                    changed = true;
                }
                if (sopts->digits[k]) {
                    digits[k] = static_cast<uint8_t>(*sopts->digits[k]);
                    changed = true;
                }
            }
            bool ok = !changed || ws.applyShredding(formulas, digits);
            std::string out;
            for (size_t k = 0; k < 3; ++k) {
                out +=
                    format("SHR%d\t%d\t", static_cast<int>(k + 1), digits[k]) + formulas[k] + "\n";
                if (std::optional<size_t> at = formulaSyntaxError(formulas[k])) {
                    ctx.shell.warning(
                        format(texts::kShreddingUnreadable, static_cast<int>(k + 1),
                               static_cast<int>(utf8Length(formulas[k].substr(0, *at)) + 1)));
                }
            }
            CliContext::print(out);
            return ok ? 0 : 1;
        };
    });
}

}  // namespace pentad::cli
