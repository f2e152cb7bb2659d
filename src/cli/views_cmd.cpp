// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli views: the analysis views as tab-separated text: the draw card
// with its colours, the layout and the comparison lists, the weekday table,
// the graph of one statistic, the repeats analysis and the sum distribution.
// Lengths not given are those the desktop program keeps in "Pentad.frm", so
// both show the same numbers.
#include <algorithm>
#include <climits>

#include "cli_checks.h"
#include "cli_context.h"
#include "game/routines.h"
#include "list_output.h"
#include "shell/error.h"
#include "stats/stat_texts.h"
#include "views/draw_card.h"
#include "views/layout_view.h"
#include "views/repeats.h"
#include "views/stat_graph.h"
#include "views/sum_distribution.h"
#include "views/view_sheets.h"
#include "views/view_texts.h"
#include "views/week_view.h"

namespace pentad::cli {
namespace {

struct ViewOptions {
    std::optional<int> limit;
    std::optional<int> length;
    int offset = 0;
    std::string method;
    bool sorted = false;
    std::optional<int> repeatsLength;
    std::optional<int> depth;
    std::string xlsx;  // card and layout: write this workbook instead
};

// Loads the archive and moves the analysis offset, refusing one that would
// hide every draw.
Workspace& openArchive(CliContext& ctx, int offset) {
    ctx.loadArchive();
    Workspace& ws = ctx.workspace();
    requireOffset(ws.archive(), offset);
    ws.setOffset(offset);
    return ws;
}

std::string hexColor(uint32_t rgb) {
    return format("%06X", rgb);
}

std::string realText(double v) {
    return format("%.2f", v);
}

int printCard(CliContext& ctx, const ViewOptions& o) {
    ctx.loadArchive();
    Workspace& ws = ctx.workspace();
    DrawCard card;
    card.update(ws.archive().draws(), true);
    const CardOptions colours{ws.form().ColorCard, ws.form().ColorCardSequences,
                              ws.config().ChannelSize};
    const int rows = std::min(card.rowCount(), o.limit.value_or(INT_MAX));
    if (!o.xlsx.empty()) {
        SheetTable table = cardSheet(card);
        table.rows.resize(static_cast<size_t>(rows));
        return emitList(ctx, table, false, o.xlsx);
    }
    std::string out;
    for (int r = 0; r < rows; ++r) {
        out += std::to_string(card.number(r));
        for (int d = 0; d < kDigitCount; ++d) {
            out += '\t';
            if (card.has(r, d)) {
                out += std::to_string(d);
                if (std::optional<uint32_t> c = card.cellColor(r, d, colours)) {
                    out += ':' + hexColor(*c);
                }
            }
        }
        out += '\n';
    }
    CliContext::print(out);
    return 0;
}

int printLayout(CliContext& ctx, const ViewOptions& o) {
    Workspace& ws = openArchive(ctx, o.offset);
    const DrawArchive& archive = ws.archive();
    const LayoutGrid grid =
        buildLayout(digitTally(archive.draws(),
                               analysisWindow(archive, o.length.value_or(ws.form().LayoutLen))),
                    archive.hiddenDigits());
    if (!o.xlsx.empty()) {
        return emitList(ctx, layoutSheet(grid), false, o.xlsx);
    }
    std::string out;
    for (int32_t draw : grid.draws) {
        out += '\t' + std::to_string(draw);
    }
    out += '\n';
    for (int r = 0; r < grid.rowCount(); ++r) {
        out += std::to_string(grid.counts[static_cast<size_t>(r)]);
        for (int c = 0; c < grid.columnCount(); ++c) {
            out += '\t' + grid.cell(r, c);
        }
        out += '\n';
    }
    CliContext::print(out);
    return 0;
}

int printCompare(CliContext& ctx, const ViewOptions& o) {
    Workspace& ws = openArchive(ctx, o.offset);
    std::string out;
    for (int length : ws.form().LayoutCompareLen) {
        CompareList list = buildCompareList(ws.archive(), length);
        // As the lists show them at first: by count, largest first.
        std::stable_sort(list.rows.begin(), list.rows.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        out += std::string(texts::kCompareCountColumn) + '\t' + list.caption + '\n';
        for (const auto& [count, digits] : list.rows) {
            out += std::to_string(count) + '\t' + digits + '\n';
        }
    }
    CliContext::print(out);
    return 0;
}

int printWeek(CliContext& ctx, const ViewOptions& o) {
    Workspace& ws = openArchive(ctx, o.offset);
    const WeekTable table = buildWeekTable(
        ws.archive().draws(), analysisWindow(ws.archive(), o.length.value_or(ws.form().WeekLen)));
    std::string out;
    for (int d = 0; d < kDigitCount; ++d) {
        out += '\t' + std::to_string(d);
    }
    out += '\n';
    for (int w = 0; w < kWeekDays; ++w) {
        out += texts::kWeekDays[w];
        for (int count : table.counts[static_cast<size_t>(w)]) {
            out += '\t' + std::to_string(count);
        }
        out += '\n';
    }
    CliContext::print(out);
    return 0;
}

int printGraph(CliContext& ctx, const ViewOptions& o) {
    Workspace& ws = ctx.workspace();
    const int entry = ws.stats().IndexOfCode(o.method);
    if (entry < 0) {
        throw Error(format(texts::kUnknownMethod, o.method));
    }
    openArchive(ctx, o.offset);
    const StatGraph graph =
        buildStatGraph(ws.stats(), entry, ws.archive(), o.length.value_or(ws.form().DrawsGraphLen),
                       o.sorted || ws.form().SortedDraws);
    std::string out;
    for (const StatGraph::Point& p : graph.points) {
        out += std::to_string(p.draw) + '\t' + std::to_string(p.value) + '\t' +
               realText(graph.mean) + '\t' + std::to_string(graph.mode) + '\n';
    }
    CliContext::print(out);
    return 0;
}

int printRepeats(CliContext& ctx, const ViewOptions& o) {
    ctx.loadArchive();
    Workspace& ws = ctx.workspace();
    const IniFile& frm = ws.frm();
    const int length = o.repeatsLength.value_or(
        static_cast<int>(frm.readInt(kRepeatsSection, "DrawsLength", kDefaultRepeatsLength)));
    const int depth = o.depth.value_or(
        static_cast<int>(frm.readInt(kRepeatsSection, "DrawsDeep", kDefaultRepeatsDepth)));
    const RepeatsAnalysis analysis = analyseRepeats(ws.archive().draws(), length, depth);
    std::string out;
    for (int c = 0; c < 4; ++c) {
        out += std::string(c > 0 ? "\t" : "") + texts::kRepeatsColumns[c];
    }
    out += '\n';
    for (const RepeatRow& row : analysis.rows) {
        out += std::to_string(row.draw) + '\t' + std::to_string(row.matches) + '\t' +
               std::to_string(row.count) + '\t' + row.earlierText() + '\n';
    }
    CliContext::print(out);
    return 0;
}

int printSums(CliContext& ctx) {
    ctx.loadArchive();
    const SumDistribution d = sumDistribution(ctx.workspace().archive().draws());
    std::string out;
    for (int s = 0; s < kSumCount; ++s) {
        out += std::to_string(s) + '\t' + std::to_string(d.actualCount(s)) + '\t' +
               realText(d.scaled(d.theoretical[static_cast<size_t>(s)])) + '\n';
    }
    for (int i = 0; i < 3; ++i) {
        out += sumRangeCaption(d, i) + '\t' +
               realText(d.scaled(d.ranges[static_cast<size_t>(i)].level)) + '\n';
    }
    CliContext::print(out);
    return 0;
}

}  // namespace

void addViewsCommands(CLI::App& app, CliContext& ctx) {
    CLI::App* views = app.add_subcommand("views", "The analysis views of the archive");
    views->require_subcommand(1);
    auto o = std::make_shared<ViewOptions>();
    const auto positive = CLI::Range(1, INT_MAX);
    auto addOffset = [o](CLI::App* cmd) {
        cmd->add_option("--offset", o->offset, "Newest draws left out of the analysis")
            ->check(CLI::NonNegativeNumber);
    };
    auto bind = [&ctx, o](CLI::App* cmd, int (*print)(CliContext&, const ViewOptions&)) {
        cmd->callback(
            [&ctx, o, print] { ctx.action = [&ctx, o, print] { return print(ctx, *o); }; });
    };

    auto* card = views->add_subcommand(
        "card", "The draw card, newest first: number, then per digit \"d:RRGGBB\" or empty");
    card->add_option("--limit", o->limit, "Show at most N draws")->check(CLI::NonNegativeNumber);
    card->add_option("--xlsx", o->xlsx, "Write the card to this spreadsheet workbook (.xlsx)");
    bind(card, printCard);

    auto* layout = views->add_subcommand("layout", "The layout: digits by count and last draw");
    layout->add_option("--len", o->length, "Draws of the window (default LayoutLen)")
        ->check(positive);
    addOffset(layout);
    layout->add_option("--xlsx", o->xlsx, "Write the layout to this spreadsheet workbook (.xlsx)");
    bind(layout, printLayout);

    auto* compare = views->add_subcommand("compare", "The five comparison lists");
    addOffset(compare);
    bind(compare, printCompare);

    auto* week = views->add_subcommand("week", "Digits drawn per day of the week");
    week->add_option("--len", o->length, "Draws of the window (default WeekLen)")->check(positive);
    addOffset(week);
    bind(week, printWeek);

    auto* graph = views->add_subcommand(
        "graph", "Per draw: number, value of a graph statistic, mean and most frequent value");
    graph->add_option("--method", o->method, "Code of a graph method (flag G, see \"methods\")")
        ->required();
    graph->add_option("--len", o->length, "Draws of the window (default DrawsGraphLen)")
        ->check(positive);
    graph->add_flag("--sorted", o->sorted, "Value the digits of each draw in ascending order");
    addOffset(graph);
    bind(graph, printGraph);

    auto* repeats = views->add_subcommand(
        "repeats", "Earlier draws matching each of the newest draws in 1..5 positions");
    repeats->add_option("--length", o->repeatsLength, "Newest draws looked at (default 100)")
        ->check(positive);
    repeats->add_option("--deep", o->depth, "Earlier draws compared with each (default 100)")
        ->check(positive);
    bind(repeats, printRepeats);

    auto* sums = views->add_subcommand(
        "sums", "Draws and scaled combinations per digit sum, then the three sum ranges");
    sums->callback([&ctx] { ctx.action = [&ctx] { return printSums(ctx); }; });
}

}  // namespace pentad::cli
