// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli scenario, "ratings to-scenario" and systems: the current
// scenario, its forecast and test runs, and local system play.
#include <cstdio>

#include "cli_checks.h"
#include "cli_context.h"
#include "game/routines.h"
#include "scenarios/script_line.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/text_utils.h"
#include "systems/system_play.h"
#include "systems/system_texts.h"

namespace pentad::cli {
namespace {

struct RunOptions {
    std::optional<uint32_t> seed;
    int jobs = 0;
    bool log = false;
    int count = 10;
};

// Loads what a run needs the way the program starts: archive, scenario, the
// default combination set.
bool prepareRun(CliContext& ctx, const RunOptions& o) {
    if (!ctx.loadArchive()) {
        return false;
    }
    Workspace& ws = ctx.workspace();
    ws.scenario().LoadCurrent();
    ws.generateDefaultCombs();
    if (o.log) {
        ws.scriptLog().enabled = true;
    }
    ws.scriptLog().openDocument = [](const std::string& path) {
        std::fprintf(stderr, "%s\n", path.c_str());
    };
    return true;
}

void printRunSummary(Workspace& ws) {
    const ScenarioStatus& s = ws.runner().status();
    CliContext::print(format("Строк: %d\tСтавок: %d\n", ws.scenario().count(), s.stakes));
}

}  // namespace

void addScenarioCommands(CLI::App& app, CliContext& ctx) {
    auto* scenario = app.add_subcommand("scenario", "The current scenario (Pentad.lss)");
    scenario->require_subcommand(1);

    scenario->add_subcommand("list", "Lines of the scenario")->callback([&ctx] {
        ctx.action = [&ctx] {
            Scenario& s = ctx.workspace().scenario();
            s.LoadCurrent();
            std::string out;
            for (const std::string& line : s.lines()) {
                out += line + "\n";
            }
            CliContext::print(out);
            return 0;
        };
    });
    auto lineText = std::make_shared<std::string>();
    auto* add = scenario->add_subcommand("add", "Append a line");
    add->add_option("line", *lineText, "Line text (options|filter 1|...|filter 7|comment)")
        ->required();
    add->callback([&ctx, lineText] {
        ctx.action = [&ctx, lineText] {
            if (!isSeparatorLine(*lineText)) {
                requireScriptLine(*lineText, ctx.workspace().stats());
            }
            Scenario& s = ctx.workspace().scenario();
            s.LoadCurrent();
            // Stored in its normal form, as the line dialog writes it.
            TScriptLine line = TextToLine(*lineText);
            for (std::string& f : line.Filters) {
                f = FilterItemToText(TextToFilterItem(f, ctx.workspace().stats()));
            }
            std::string text = isSeparatorLine(*lineText) ? std::string() : LineToText(line);
            s.AddLine(text);
            CliContext::print(text + "\n");
            return 0;
        };
    });
    auto file = std::make_shared<std::string>();
    auto append = std::make_shared<bool>(false);
    auto* load = scenario->add_subcommand("load", "Replace (or extend) with a .lsc file");
    load->add_option("file", *file, "Scenario file")->required();
    load->add_flag("--append", *append, "Add the file's lines after a separator");
    load->callback([&ctx, file, append] {
        ctx.action = [&ctx, file, append] {
            Scenario& s = ctx.workspace().scenario();
            s.LoadCurrent();
            bool ok = *append ? s.AddScenario(*file) : s.Open(*file);
            if (ok) {
                CliContext::print(s.linesPanelText() + "\n");
            }
            return ok ? 0 : 1;
        };
    });
    auto saveFile = std::make_shared<std::string>();
    auto* save = scenario->add_subcommand("save", "Write the scenario to a .lsc file");
    save->add_option("file", *saveFile, "Scenario file")->required();
    save->callback([&ctx, saveFile] {
        ctx.action = [&ctx, saveFile] {
            Scenario& s = ctx.workspace().scenario();
            s.LoadCurrent();
            return s.SaveScenario(*saveFile) ? 0 : 1;
        };
    });

    auto run = std::make_shared<RunOptions>();
    auto* forecast = scenario->add_subcommand("run", "Forecast: stakes for the next draw");
    forecast->add_option("--seed", run->seed, "Seed of the random choices");
    forecast->add_flag("--log", run->log, "Write the scenario log (its path goes to stderr)");
    forecast->callback([&ctx, run] {
        ctx.action = [&ctx, run] {
            if (!prepareRun(ctx, *run)) {
                return 1;
            }
            Workspace& ws = ctx.workspace();
            bool ok = ws.runner().ScriptRun(run->seed);
            printRunSummary(ws);
            return ok ? 0 : 1;
        };
    });
    auto* test = scenario->add_subcommand("test", "Test over the last T draws");
    test->add_option("--count", run->count, "Number of tests T")->required();
    test->add_option("--seed", run->seed, "Seed of the random choices");
    test->add_flag("--log", run->log, "Write the scenario log (its path goes to stderr)");
    test->add_option("--jobs", run->jobs,
                     "Threads (default: the ScenarioJobs key, else one per core; 1: none)")
        ->check(CLI::Range(1, 64));
    test->callback([&ctx, run] {
        ctx.action = [&ctx, run] {
            if (!prepareRun(ctx, *run)) {
                return 1;
            }
            Workspace& ws = ctx.workspace();
            int most = ws.archive().count() - 1;
            if (run->count < 1 || run->count > most) {
                throw UsageError(format("--count: 1..%d", std::max(1, most)));
            }
            ws.runner().jobs = run->jobs;
            bool ok = ws.runner().ScriptTest(run->count, run->seed);
            printRunSummary(ws);
            return ok ? 0 : 1;
        };
    });

    // ratings to-scenario
    CLI::App* ratings = app.get_subcommand("ratings");
    auto rows = std::make_shared<std::string>();
    auto* toScenario = ratings->add_subcommand("to-scenario", "Scenario lines from rating rows");
    toScenario->add_option("--rows", *rows, "Rating rows from 1, \"1,3\"")->required();
    toScenario->callback([&ctx, rows] {
        ctx.action = [&ctx, rows] {
            Workspace& ws = ctx.workspace();
            ws.scenario().LoadCurrent();
            const TIntArray numbers = ParseValueList(*rows);
            if (numbers.empty()) {
                throw UsageError("--rows: \"" + *rows +
                                 "\" names no rows; write \"1,3\" or \"1-4;1\"");
            }
            requireIndexes(std::vector<int>(numbers.begin(), numbers.end()),
                           static_cast<int>(ws.stakes().ratings().size()), "--rows");
            std::vector<int> indices;
            for (int32_t r : numbers) {
                indices.push_back(r - 1);
            }
            int added = ws.ratingsToScript(indices);
            CliContext::print(ws.scenario().linesPanelText() + "\n");
            return added > 0 ? 0 : 1;
        };
    });

    // systems
    auto* systems = app.add_subcommand("systems", "Local systems and system stakes");
    systems->require_subcommand(1);
    systems->add_subcommand("list", "The local system files")->callback([&ctx] {
        ctx.action = [&ctx] {
            std::string out;
            for (const tSystemInfo& s : listLocalSystems(ctx.workspace().folder())) {
                out += s.Title + "\t" + format("%.2d", s.Nums) + "\t" + std::to_string(s.Olap) +
                       "\t" + std::to_string(s.CSize) + "\n";
            }
            CliContext::print(out);
            return 0;
        };
    });
    struct SystemAdd {
        int nums = 0;
        int olap = 0;
        int id = -1;
        std::string title;
        std::string author = "-";
        std::string descr = "-";
        std::string file;
    };
    auto sys = std::make_shared<SystemAdd>();
    auto* sysAdd = systems->add_subcommand("add", "Store a local system from a text file");
    sysAdd->add_option("--nums", sys->nums, "Numbers used, 6..10 (default: from the lines)");
    sysAdd->add_option("--olap", sys->olap, "Block length 0..4");
    sysAdd->add_option("--id", sys->id, "Catalogue number (default -1: none)");
    sysAdd->add_option("--title", sys->title, "Title")->required();
    sysAdd->add_option("--author", sys->author, "Author");
    sysAdd->add_option("--descr", sys->descr, "Description");
    sysAdd->add_option("--file", sys->file, "Text file of index lines (01 02 03 04 05)")
        ->required();
    sysAdd->callback([&ctx, sys] {
        ctx.action = [&ctx, sys] {
            Workspace& ws = ctx.workspace();
            std::vector<std::string> lines =
                normalizeSystemLines(cp1251ToUtf8(readFileBytes(sys->file)));
            tSystemData data;
            data.Info.Id = sys->id;
            data.Info.Title = sys->title;
            data.Info.Author = sys->author;
            data.Info.Descr = sys->descr;
            data.Info.Olap = static_cast<uint8_t>(std::clamp(sys->olap, 0, 255));
            int nums = sys->nums > 0 ? sys->nums : systemNumbersOf(lines);
            data.Info.Nums = static_cast<uint8_t>(std::clamp(nums, 0, 255));
            data.Info.CSize = static_cast<int32_t>(lines.size());
            data.Info.Created = nowDateTime();
            data.CList = join(lines, "\r\n");
            if (auto problem = validateSystem(data)) {
                throw Error(*problem);
            }
            storeLocalSystem(ws.folder(), data);
            CliContext::print(SystemFileName(ws.folder(), data.Info) + "\n");
            return 0;
        };
    });
    struct SystemStake {
        bool all = false;
        bool byList = false;
        std::optional<int> draw;
        std::optional<std::string> comment;
        std::string in;
    };
    auto stake = std::make_shared<SystemStake>();
    auto* sysStake = systems->add_subcommand("stake", "Stake the system of the set's digits");
    auto* allOpt = sysStake->add_flag("--all", stake->all, "The whole system");
    auto* listOpt = sysStake->add_flag("--by-list", stake->byList, "Only combinations in the set");
    allOpt->excludes(listOpt);
    sysStake->add_option("--draw", stake->draw, "Draw number (default: the next draw)");
    sysStake->add_option("--comment", stake->comment, "Comment");
    sysStake->add_option("--in", stake->in, "Combination set (.lcv); default: the start-up set");
    sysStake->callback([&ctx, stake] {
        ctx.action = [&ctx, stake] {
            if (stake->all == stake->byList) {
                throw UsageError("give --all or --by-list");
            }
            if (!ctx.loadArchive()) {
                return 1;
            }
            Workspace& ws = ctx.workspace();
            if (stake->in.empty()) {
                ws.generateDefaultCombs();
            } else if (!ws.combs().OpenFile(stake->in).ok) {
                return 1;
            }
            auto plan = prepareSystemStakes(ctx.shell, ws.folder(), ws.combs(), stake->byList);
            if (!plan) {
                return 1;
            }
            int32_t draw = stake->draw ? *stake->draw : ws.stakes().nextDraw();
            std::string comment = stake->comment ? *stake->comment : plan->comment;
            bool ok = MakeSystemStakes(ctx.shell, ws.stakes(), ws.combs(), ws.config(), *plan,
                                       stake->byList, draw, 1, comment);
            CliContext::print(ws.stakes().stakesPanelText() + "\n");
            return ok ? 0 : 1;
        };
    });
}

}  // namespace pentad::cli
