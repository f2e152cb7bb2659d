// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli stake, stakes, ratings and regular: the stake ledger, its
// checking, the ratings and the regular-stake rules.
#include "cli_checks.h"
#include "cli_context.h"
#include "list_output.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/text_utils.h"
#include "stakes/stake_texts.h"

namespace pentad::cli {
namespace {

inline constexpr size_t kCommentMax = 64;

std::string joinCells(const std::string* cells, size_t n) {
    std::string line;
    for (size_t i = 0; i < n; ++i) {
        line += (i > 0 ? "\t" : "") + cells[i];
    }
    return line + "\n";
}

std::string requireComment(const std::string& comment) {
    if (trim(comment).empty()) {
        throw Error(texts::kNeedComment);
    }
    return utf8Left(comment, kCommentMax);
}

// "<1", ">=3", "=0": the delete-by-condition mode and value.
std::pair<int, int> parseCondition(const std::string& text) {
    static const std::pair<const char*, int> kOps[] = {
        {">=", 2}, {"<=", 4}, {"=", 0}, {">", 1}, {"<", 3}};
    std::string t = trim(text);
    for (const auto& [op, mode] : kOps) {
        std::string o(op);
        if (t.rfind(o, 0) == 0) {
            int value = 0;
            if (!parseInt32(trim(t.substr(o.size())), value) || value < 0 || value > 5) {
                break;
            }
            return {mode, value};
        }
    }
    throw UsageError("--condition: one of =, >, >=, <, <= followed by 0..5");
}

std::pair<int, int> parseRows(const std::string& text) {
    std::vector<std::string> parts = splitAny(text, "-");
    int a = 0;
    int b = 0;
    if (parts.size() == 1 && parseInt32(trim(parts[0]), a)) {
        return {a, a};
    }
    if (parts.size() != 2 || !parseInt32(trim(parts[0]), a) || !parseInt32(trim(parts[1]), b) ||
        a < 1 || b < a) {
        throw UsageError("--rows: A-B with 1 <= A <= B");
    }
    return {a, b};
}

}  // namespace

void addStakesCommands(CLI::App& app, CliContext& ctx) {
    // ---- stake add ----
    struct AddOptions {
        std::string digits;
        std::optional<int> draw;
        int draws = 1;
        std::string comment = texts::kManualComment;
    };
    auto add = std::make_shared<AddOptions>();
    auto* stake = app.add_subcommand("stake", "Make a stake");
    stake->require_subcommand(1);
    auto* stakeAdd = stake->add_subcommand("add", "Stake five digits for a draw");
    stakeAdd->add_option("--digits", add->digits, "Five digits, \"1;2;3;4;5\"")->required();
    stakeAdd->add_option("--draw", add->draw, "Draw number (default: the next draw)")
        ->check(CLI::PositiveNumber);
    stakeAdd->add_option("--draws", add->draws, "Number of draws from that one on")
        ->check(CLI::Range(1, 65535));
    stakeAdd->add_option("--comment", add->comment, "Comment (the ratings group by it)");
    stakeAdd->callback([&ctx, add] {
        ctx.action = [&ctx, add] {
            TCombRec comb;
            comb.Digits = requireDigits(add->digits);
            std::string comment = requireComment(add->comment);
            if (!ctx.loadArchive()) {
                return 1;
            }
            // The sample size is that of the set the program starts with.
            ctx.workspace().generateDefaultCombs();
            StakeBook& book = ctx.workspace().stakes();
            TStakeRec rec = book.newStake(kStakeManual, comb, comment);
            if (add->draw) {
                rec.DrawNumber = *add->draw;
            }
            return book.CreateStake(rec, add->draws) ? 0 : 1;
        };
    });

    // ---- stakes ----
    auto* stakes = app.add_subcommand("stakes", "The stake ledger");
    stakes->require_subcommand(1);
    auto* stakesList = stakes->add_subcommand("list", "The ledger view, tab-separated");
    auto stakesXlsx = addXlsxOption(stakesList);
    stakesList->callback([&ctx, stakesXlsx] {
        ctx.action = [&ctx, stakesXlsx] {
            StakeLedger& ledger = ctx.workspace().stakes().ledger();
            SheetTable table{texts::kTabStakes,
                             {std::begin(texts::kLedgerColumns), std::end(texts::kLedgerColumns)},
                             {}};
            for (const TStakeRec& r : ledger.readAll()) {
                auto cells = stakeCells(r);
                table.rows.emplace_back(cells.begin(), cells.end());
            }
            return emitList(ctx, table, true, *stakesXlsx);
        };
    });
    stakes->add_subcommand("check", "Score the stakes whose draws are known")->callback([&ctx] {
        ctx.action = [&ctx] {
            if (!ctx.loadArchive()) {
                return 1;
            }
            StakeBook& book = ctx.workspace().stakes();
            book.CheckAndRefresh();
            CliContext::print(book.stakesPanelText() + "\n");
            return 0;
        };
    });
    struct DeleteOptions {
        std::string rows;
        std::string condition;
        bool yes = false;
    };
    auto del = std::make_shared<DeleteOptions>();
    auto* stakesDelete = stakes->add_subcommand("delete", "Delete rows or by match count");
    auto* rowsOpt = stakesDelete->add_option("--rows", del->rows, "Ledger rows A-B (from 1)");
    auto* condOpt =
        stakesDelete->add_option("--condition", del->condition, "Match condition, e.g. \"<1\"");
    rowsOpt->excludes(condOpt);
    stakesDelete->add_flag("--yes", del->yes, "Answer Yes to the confirmation");
    stakesDelete->callback([&ctx, del] {
        ctx.action = [&ctx, del] {
            if (del->rows.empty() == del->condition.empty()) {
                throw UsageError("give --rows or --condition");
            }
            ctx.loadArchive();
            StakeBook& book = ctx.workspace().stakes();
            ctx.ui.setAssumeYes(del->yes);
            if (!del->rows.empty()) {
                auto [first, last] = parseRows(del->rows);
                requireIndexes({first, last}, book.ledger().RecordCount(), "--rows");
                return book.DeleteStakes(first, last) ? 0 : 1;
            }
            auto [mode, value] = parseCondition(del->condition);
            if (!del->yes) {
                ctx.shell.confirmDelete(book.ledger().RecordCount());
                return 1;
            }
            return book.DeleteByCondition(mode, value) ? 0 : 1;
        };
    });
    auto clearYes = std::make_shared<bool>(false);
    auto* stakesClear = stakes->add_subcommand("clear", "Delete every stake");
    stakesClear->add_flag("--yes", *clearYes, "Answer Yes to the confirmation");
    stakesClear->callback([&ctx, clearYes] {
        ctx.action = [&ctx, clearYes] {
            ctx.ui.setAssumeYes(*clearYes);
            return ctx.workspace().stakes().ClearStakes() ? 0 : 1;
        };
    });
    auto logState = std::make_shared<std::string>();
    auto* stakesLog = stakes->add_subcommand("log", "Switch the stake logs on or off");
    stakesLog->add_option("state", *logState, "on | off")
        ->required()
        ->check(CLI::IsMember({"on", "off"}));
    stakesLog->callback([&ctx, logState] {
        ctx.action = [&ctx, logState] {
            bool on = *logState == "on";
            ctx.workspace().setViewOption("StakesLogEnabled", on);
            return 0;
        };
    });
    stakes->add_subcommand("delete-logs", "Delete the stake logs")->callback([&ctx] {
        ctx.action = [&ctx] {
            ctx.workspace().stakes().log().DeleteLogs();
            return 0;
        };
    });

    // ---- ratings ----
    auto* ratings = app.add_subcommand("ratings", "The ratings of scored stakes");
    ratings->require_subcommand(1);
    auto mode = std::make_shared<int>(-1);
    auto* ratingsList = ratings->add_subcommand("list", "The ratings view, tab-separated");
    ratingsList->add_option("--mode", *mode, "Efficiency columns: 0, 1 or 2")
        ->check(CLI::Range(0, 2));
    auto ratingsXlsx = addXlsxOption(ratingsList);
    ratingsList->callback([&ctx, mode, ratingsXlsx] {
        ctx.action = [&ctx, mode, ratingsXlsx] {
            Workspace& ws = ctx.workspace();
            int effMode = *mode >= 0 ? *mode : ws.form().RatingsEffMode;
            SheetTable table{texts::kTabRatings,
                             {std::begin(texts::kRatingColumns), std::end(texts::kRatingColumns)},
                             {}};
            for (const TRatingRec& r : ws.stakes().ratings()) {
                auto cells = ratingCells(r, effMode);
                table.rows.emplace_back(cells.begin(), cells.end());
            }
            return emitList(ctx, table, true, *ratingsXlsx);
        };
    });
    auto refreshYes = std::make_shared<bool>(false);
    auto* ratingsRefresh = ratings->add_subcommand("refresh", "Rebuild from the scored stakes");
    ratingsRefresh->add_flag("--yes", *refreshYes, "Answer Yes to the confirmation");
    ratingsRefresh->callback([&ctx, refreshYes] {
        ctx.action = [&ctx, refreshYes] {
            ctx.ui.setAssumeYes(*refreshYes);
            return ctx.workspace().stakes().RatingsRefresh() ? 0 : 1;
        };
    });
    auto exportFile = std::make_shared<std::string>();
    auto* ratingsExport = ratings->add_subcommand("export", "Write the ratings to a CSV file");
    ratingsExport->add_option("file", *exportFile, "CSV file")->required();
    ratingsExport->callback([&ctx, exportFile] {
        ctx.action = [&ctx, exportFile] {
            return ctx.workspace().stakes().ExportRatings(*exportFile) ? 0 : 1;
        };
    });

    // ---- regular ----
    struct RuleOptions {
        std::string comment = texts::kRuleDefaultComment;
        std::string start;
        int step = 1;
        bool fromDraw = false;
        std::vector<int> indices;
        int draws = 1;
        int count = 10;
        bool yes = false;
    };
    auto rule = std::make_shared<RuleOptions>();
    auto* regular = app.add_subcommand("regular", "Regular stake rules");
    regular->require_subcommand(1);
    auto* regularAdd = regular->add_subcommand("add", "Add a rule");
    regularAdd->add_option("--comment", rule->comment, "Comment (unique)");
    regularAdd->add_option("--start", rule->start, "Start combination \"1;2;3;4;5\"");
    regularAdd->add_option("--step", rule->step, "Shift of every digit, -9..9")
        ->check(CLI::Range(-9, 9));
    regularAdd->add_flag("--from-draw", rule->fromDraw, "Shift the newest draw instead");
    regularAdd->callback([&ctx, rule] {
        ctx.action = [&ctx, rule] {
            if (rule->fromDraw && !rule->start.empty()) {
                throw UsageError("--start does not go with --from-draw");
            }
            Workspace& ws = ctx.workspace();
            StakeBook& book = ws.stakes();
            book.LoadRules();
            TTableRec r;
            r.Comment = utf8Left(rule->comment, kCommentMax);
            r.Step = rule->step;
            r.FromDraw = rule->fromDraw ? 1 : 0;
            bool editable = !rule->fromDraw;
            std::array<uint8_t, 5> start{};
            if (auto problem =
                    validateRule(r.Comment, editable, rule->start, book.rules(), &start)) {
                throw Error(*problem);
            }
            r.Start = start;
            // One rule from the given start: as with one selected combination.
            return book.AddRules(r, {0}) ? 0 : 1;
        };
    });
    regular->add_subcommand("list", "The rules, tab-separated")->callback([&ctx] {
        ctx.action = [&ctx] {
            StakeBook& book = ctx.workspace().stakes();
            book.LoadRules();
            std::string out;
            for (const TTableRec& r : book.rules()) {
                out += joinCells(ruleCells(r).data(), 5);
            }
            CliContext::print(out);
            return 0;
        };
    });
    auto* regularDelete = regular->add_subcommand("delete", "Delete rules");
    regularDelete->add_option("--index", rule->indices, "Rule numbers from 1")->required();
    regularDelete->add_flag("--yes", rule->yes, "Answer Yes to the confirmation");
    regularDelete->callback([&ctx, rule] {
        ctx.action = [&ctx, rule] {
            StakeBook& book = ctx.workspace().stakes();
            book.LoadRules();
            requireIndexes(rule->indices, static_cast<int>(book.rules().size()), "--index");
            std::vector<int> zeroBased;
            for (int i : rule->indices) {
                zeroBased.push_back(i - 1);
            }
            ctx.ui.setAssumeYes(rule->yes);
            return book.DeleteRules(zeroBased) ? 0 : 1;
        };
    });
    auto* regularStake = regular->add_subcommand("stake", "Stake the next combination of a rule");
    regularStake->add_option("--index", rule->indices, "Rule number from 1")->required();
    regularStake->add_option("--draws", rule->draws, "Number of draws")->check(CLI::Range(1, 65535));
    regularStake->callback([&ctx, rule] {
        ctx.action = [&ctx, rule] {
            if (!ctx.loadArchive()) {
                return 1;
            }
            if (rule->indices.size() != 1) {
                throw UsageError("--index: one rule is staked at a time");
            }
            StakeBook& book = ctx.workspace().stakes();
            book.LoadRules();
            requireIndexes(rule->indices, static_cast<int>(book.rules().size()), "--index");
            int index = rule->indices.front() - 1;
            auto [stakeRec, advanced] = book.RuleStake(index);
            return book.CommitRuleStake(index, advanced, stakeRec, rule->draws) ? 0 : 1;
        };
    });
    auto* regularTest = regular->add_subcommand("test", "Stake the rules over past draws");
    regularTest->add_option("--count", rule->count, "Number of tests T")->required();
    regularTest->add_option("--index", rule->indices, "Rule numbers from 1 (default: all)");
    regularTest->callback([&ctx, rule] {
        ctx.action = [&ctx, rule] {
            if (!ctx.loadArchive()) {
                return 1;
            }
            Workspace& ws = ctx.workspace();
            StakeBook& book = ws.stakes();
            book.LoadRules();
            int maxTests = ws.archive().count() - 1;
            if (rule->count < 1 || rule->count > maxTests) {
                throw UsageError(format("--count: 1..%d", std::max(1, maxTests)));
            }
            if (book.rules().empty()) {
                throw UsageError("there are no regular-stake rules to test");
            }
            requireIndexes(rule->indices, static_cast<int>(book.rules().size()), "--index");
            std::vector<int> indices;
            if (rule->indices.empty()) {
                for (size_t i = 0; i < book.rules().size(); ++i) {
                    indices.push_back(static_cast<int>(i));
                }
            } else {
                for (int i : rule->indices) {
                    indices.push_back(i - 1);
                }
            }
            return book.TestRules(indices, rule->count) ? 0 : 1;
        };
    });
}

}  // namespace pentad::cli
