// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli filter and favourites: one filter step by selected values, the
// variants of filter items applied to a start set, and the favourite methods.
#include <cstdio>

#include "cli_checks.h"
#include "cli_context.h"
#include "filters/combination_generator.h"
#include "filters/filter_engine.h"
#include "filters/filter_item.h"
#include "shell/error.h"
#include "shell/text_utils.h"
#include "stats/stat_texts.h"

namespace pentad::cli {
namespace {

// Filter items a scenario line holds, and so one filter run.
constexpr size_t kLineFilters = 7;

struct FilterOptions {
    std::string method;
    std::string values;
    bool keep = false;
    bool remove = false;
    std::optional<int> length;
    int offset = 0;
    std::string in;
    std::string out;
    std::vector<std::string> items;
    bool log = false;
};

constexpr int kDefaultLength = 1000;

// Engine log lines go to stderr while --log is given.
class ConsoleHooks : public FilterRunHooks {
public:
    explicit ConsoleHooks(bool log) : m_log(log) {}
    bool logging() const override { return m_log; }
    void log(const std::string& line) override {
        std::fprintf(stderr, "%s\n", consoleText(line).c_str());
    }

private:
    bool m_log;
};

// Fills the set with the start list: the file given, or the full set.
bool loadStartSet(Workspace& ws, const std::string& in) {
    CombinationSet& combs = ws.combs();
    if (!in.empty()) {
        return combs.OpenFile(in).ok;
    }
    return combs.Generate(GenerateParams{0, ""}, false).ok;
}

int runValueFilter(CliContext& ctx, const FilterOptions& o) {
    if (o.keep == o.remove) {
        throw UsageError("give exactly one of --keep and --delete");
    }
    Workspace& ws = ctx.workspace();
    int entry = ws.stats().IndexOfCode(o.method);
    if (entry < 0) {
        throw Error(format(texts::kUnknownMethod, o.method));
    }
    ctx.loadArchive();
    requireOffset(ws.archive(), o.offset);
    ws.setOffset(o.offset);
    StatPage& page = ws.statPage();
    if (!page.selectEntry(entry)) {
        // Not among the favourites: offer every method for this run.
        ws.stats().SelectAll();
        page.FillChoosers(false);
        page.selectEntry(entry);
    }
    page.setLength(o.length.value_or(kDefaultLength));
    page.Compute(true);
    auto stat = ws.stats().CreateStat(entry);
    page.setSelection(rowsOfValues(page, *stat, o.values));
    if (!loadStartSet(ws, o.in)) {
        return 1;
    }
    CombinationSet& combs = ws.combs();
    combs.SaveUndo(false);
    ws.filters().FilterBySelection(stat.get(), o.remove);
    if (!o.out.empty() && !combs.SaveFile(o.out)) {
        return 1;
    }
    CliContext::print(std::to_string(combs.CombsCount()) + "\n");
    return 0;
}

int runItemFilter(CliContext& ctx, const FilterOptions& o) {
    Workspace& ws = ctx.workspace();
    if (o.items.size() > kLineFilters) {
        throw UsageError(format("--item: a line holds %d filter items, %d were given",
                                static_cast<int>(kLineFilters), static_cast<int>(o.items.size())));
    }
    std::vector<TFilterItem> items;
    for (const std::string& text : o.items) {
        requireFilterItem(text, ws.stats());
        items.push_back(TextToFilterItem(text, ws.stats()));
    }
    ctx.loadArchive();
    requireOffset(ws.archive(), o.offset);
    ws.setOffset(o.offset);
    FilterEngine& engine = ws.filters();
    FilterVariants variants = engine.ExpandVariants(items, static_cast<int>(items.size()));
    if (!o.out.empty() && variants.size() != 1) {
        throw UsageError(format("--out: the items give %d variants; a set is written for one only",
                                static_cast<int>(variants.size())));
    }
    ConsoleHooks hooks(o.log);
    ws.filters().setHooks(&hooks);
    ws.stats().SaveWeights();
    std::string out;
    for (size_t v = 0; v < variants.size(); ++v) {
        const TFilterRec variant = variants.at(v);
        if (!loadStartSet(ws, o.in)) {
            return 1;
        }
        engine.ApplyVariant(variant);
        out += VariantToText(variant) + "\t" + std::to_string(ws.combs().CombsCount()) + "\n";
    }
    ws.stats().RestoreWeights();
    ws.filters().setHooks(nullptr);
    if (!o.out.empty() && !ws.combs().SaveFile(o.out)) {
        return 1;
    }
    CliContext::print(out);
    return 0;
}

}  // namespace

void addFilterCommands(CLI::App& app, CliContext& ctx) {
    auto o = std::make_shared<FilterOptions>();
    auto* filter = app.add_subcommand(
        "filter", "Cut the combination set by statistic values or by filter items");
    filter->add_option("--method", o->method, "Method code of the statistics table");
    filter->add_option("--values", o->values, "Values of the rows to select, \"7,8\"");
    filter->add_flag("--keep", o->keep, "Keep the combinations having the selected values");
    filter->add_flag("--delete", o->remove, "Delete the combinations having the selected values");
    filter->add_option("--len", o->length, "Draws in the statistics window (default 1000)")
        ->check(CLI::Range(1, 2147483647));
    filter->add_option("--item", o->items, "Filter item, e.g. \"TSD1#NUMS:10-30;10#LMV:2#ST:3\"");
    filter->add_option("--offset", o->offset, "Newest draws left out of the analysis")
        ->check(CLI::NonNegativeNumber);
    filter->add_option("--in", o->in, "Start set (.lcv); the full set when absent");
    filter->add_option("--out", o->out, "Write the remaining set (.lcv)");
    filter->add_flag("--log", o->log, "Write the filter log to stderr");
    filter->callback([&ctx, o] {
        ctx.writesFile = !o->out.empty();
        ctx.action = [&ctx, o] {
            if (!o->items.empty()) {
                if (!o->method.empty() || !o->values.empty() || o->keep || o->remove || o->length) {
                    throw UsageError(
                        "--method, --values, --keep, --delete and --len do not go with --item");
                }
                return runItemFilter(ctx, *o);
            }
            if (o->method.empty() || o->values.empty()) {
                throw UsageError("give --method and --values, or --item");
            }
            if (o->log) {
                throw UsageError("--log goes with --item");
            }
            return runValueFilter(ctx, *o);
        };
    });

    auto* fav = app.add_subcommand("favourites", "The favourite statistic methods");
    fav->require_subcommand(1);
    fav->add_subcommand("list", "Favourite codes (empty: every method)")->callback([&ctx] {
        ctx.action = [&ctx] {
            const TStatList& list = ctx.workspace().stats();
            for (int i = 0; i < list.Count(); ++i) {
                if (list.IsShown(i)) {
                    CliContext::print(list.Item(i).Code() + "\t" + list.ListCaption(i, true) + "\n");
                }
            }
            return 0;
        };
    });
    auto text = std::make_shared<std::string>();
    auto* set = fav->add_subcommand("set", "Make exactly these methods favourites");
    set->add_option("codes", *text, "Codes joined by \",\"")->required();
    set->callback([&ctx, text] {
        ctx.action = [&ctx, text] {
            Workspace& ws = ctx.workspace();
            for (const std::string& word : splitAny(*text, ",")) {
                if (!trim(word).empty() && ws.stats().IndexOfCode(trim(word)) < 0) {
                    throw Error(format(texts::kUnknownMethod, trim(word)));
                }
            }
            ws.stats().SetFavouritesText(*text);
            ws.stats().NormalizeFavourites();
            bool ok = ws.stats().SaveFavourites(ctx.shell, ws.favouritesPath(), true, false);
            CliContext::print(ws.stats().FavouritesText() + "\n");
            return ok ? 0 : 1;
        };
    });
    fav->add_subcommand("reset", "Every method becomes a favourite")->callback([&ctx] {
        ctx.action = [&ctx] {
            Workspace& ws = ctx.workspace();
            ws.stats().SelectAll();
            return ws.stats().SaveFavourites(ctx.shell, ws.favouritesPath(), true, false) ? 0 : 1;
        };
    });
}

}  // namespace pentad::cli
