// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli draws: list, status, add, edit, delete, import and export of the
// draw archive.
#include "cli_checks.h"
#include "cli_context.h"
#include "list_output.h"
#include "game/date_time.h"
#include "game/draw_archive.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "shell/error.h"

namespace pentad::cli {
namespace {

inline constexpr const char* kDrawNotFound = "Тираж № %d не найден!";
inline constexpr const char* kImported = "Добавлено тиражей: %d";

struct DrawFields {
    std::optional<std::string> digits;
    std::optional<int> number;
    std::optional<std::string> date;
};

// Builds the record the draw dialog would: checked digits, number and the
// date text written back in its normal form.
TDrawRec applyFields(TDrawRec rec, const DrawFields& f) {
    if (f.digits) {
        rec.Digits = requireDigits(*f.digits);
    }
    if (f.number) {
        if (*f.number < 1) {
            throw UsageError("--number: 1..2147483647");
        }
        rec.Number = *f.number;
    }
    if (f.date) {
        DateTime value = DrawTextToDate(*f.date);
        if (value < 1) {
            throw Error(format(texts::kBadDate, *f.date));
        }
        rec.setDateText(DrawDateText(value));
    }
    return rec;
}

int requireRowOfNumber(const DrawArchive& archive, int number) {
    int index = archive.findByNumber(number);
    if (index < 0) {
        throw Error(format(kDrawNotFound, number));
    }
    return archive.lastIndex() - index;
}

void addFieldOptions(CLI::App* cmd, DrawFields& f, bool numberIsTarget) {
    cmd->add_option("--digits", f.digits, "Five digits separated by \";\" or \",\"");
    if (!numberIsTarget) {
        cmd->add_option("--number", f.number, "Draw number (default: the next one)");
    }
    cmd->add_option("--date", f.date, "Draw date text \"MM/DD/YYYY M\" or \"MM/DD/YYYY E\"");
}

}  // namespace

void addDrawsCommand(CLI::App& app, CliContext& ctx) {
    CLI::App* draws = app.add_subcommand("draws", "The draw archive");
    draws->require_subcommand(1);

    auto* list = draws->add_subcommand("list", "List the draws, newest first");
    auto limit = std::make_shared<int>(-1);
    list->add_option("--limit", *limit, "Show at most N draws")->check(CLI::NonNegativeNumber);
    auto xlsx = addXlsxOption(list);
    list->callback([&ctx, limit, xlsx] {
        ctx.action = [&ctx, limit, xlsx] {
            ctx.loadArchive();
            const DrawArchive& a = ctx.workspace().archive();
            int rows = a.count();
            if (*limit >= 0 && *limit < rows) {
                rows = *limit;
            }
            SheetTable table{texts::kTabDraws, {texts::kColumnDrawNumber}, {}};
            for (int p = 1; p <= kPositions; ++p) {
                table.headers.push_back(std::to_string(p));
            }
            table.headers.push_back(texts::kColumnDrawSum);
            table.headers.push_back(texts::kColumnDrawDate);
            table.rows.reserve(static_cast<size_t>(rows));
            for (int r = 0; r < rows; ++r) {
                const TDrawRec& d = a.atRow(r);
                std::vector<std::string>& cells = table.rows.emplace_back();
                cells.reserve(8);
                cells.push_back(std::to_string(d.Number));
                for (uint8_t digit : d.Digits) {
                    cells.push_back(std::to_string(digit));
                }
                cells.push_back(std::to_string(d.sum()));
                cells.push_back(d.dateText());
            }
            return emitList(ctx, table, false, *xlsx);
        };
    });

    auto* status = draws->add_subcommand("status", "The three status panel texts");
    auto offset = std::make_shared<int>(0);
    status->add_option("--offset", *offset, "Analysis offset (draws hidden from the analysis)");
    status->callback([&ctx, offset] {
        ctx.action = [&ctx, offset] {
            ctx.loadArchive();
            requireOffset(ctx.workspace().archive(), *offset);
            ctx.workspace().setOffset(*offset);
            for (const std::string& text : ctx.workspace().archive().statusTexts()) {
                CliContext::print(text + "\n");
            }
            return 0;
        };
    });

    auto* add = draws->add_subcommand("add", "Add a draw at the end of the archive");
    auto addFields = std::make_shared<DrawFields>();
    addFieldOptions(add, *addFields, false);
    add->callback([&ctx, addFields] {
        ctx.action = [&ctx, addFields] {
            if (!addFields->digits) {
                throw UsageError("--digits is required");
            }
            if (!ctx.loadArchive()) {
                return 1;
            }
            Workspace& ws = ctx.workspace();
            TDrawRec rec = ws.newDrawTemplate();
            rec.setDateText(DrawDateText(nowDateTime()));
            rec = applyFields(rec, *addFields);
            return ws.addDraw(rec) ? 0 : 1;
        };
    });

    auto* edit = draws->add_subcommand("edit", "Change a stored draw");
    auto editNumber = std::make_shared<int>(0);
    auto editFields = std::make_shared<DrawFields>();
    edit->add_option("--number", *editNumber, "Number of the draw to change")->required();
    edit->add_option("--new-number", editFields->number, "New draw number");
    addFieldOptions(edit, *editFields, true);
    edit->callback([&ctx, editNumber, editFields] {
        ctx.action = [&ctx, editNumber, editFields] {
            if (!editFields->digits && !editFields->number && !editFields->date) {
                throw UsageError("give --digits, --new-number or --date");
            }
            if (!ctx.loadArchive()) {
                return 1;
            }
            Workspace& ws = ctx.workspace();
            int row = requireRowOfNumber(ws.archive(), *editNumber);
            TDrawRec rec = applyFields(ws.archive().atRow(row), *editFields);
            return ws.editDraw(row, rec) ? 0 : 1;
        };
    });

    auto* del = draws->add_subcommand("delete", "Delete a draw");
    auto delNumber = std::make_shared<int>(0);
    auto delYes = std::make_shared<bool>(false);
    del->add_option("--number", *delNumber, "Number of the draw to delete")->required();
    del->add_flag("--yes", *delYes, "Answer Yes to the confirmation");
    del->callback([&ctx, delNumber, delYes] {
        ctx.action = [&ctx, delNumber, delYes] {
            if (!ctx.loadArchive()) {
                return 1;
            }
            Workspace& ws = ctx.workspace();
            int row = requireRowOfNumber(ws.archive(), *delNumber);
            ctx.ui.setAssumeYes(*delYes);
            return ws.deleteDrawRows({row}) ? 0 : 1;
        };
    });

    auto* imp = draws->add_subcommand("import", "Add the draws of a CSV file");
    auto impFile = std::make_shared<std::string>();
    imp->add_option("file", *impFile, "CSV file")->required();
    imp->callback([&ctx, impFile] {
        ctx.action = [&ctx, impFile] {
            if (!ctx.loadArchive()) {
                return 1;
            }
            int added = ctx.workspace().importDraws(*impFile);
            if (added < 0) {
                return 1;
            }
            CliContext::print(format(kImported, added) + "\n");
            return 0;
        };
    });

    auto* exp = draws->add_subcommand("export", "Write the archive to a CSV file");
    auto expFile = std::make_shared<std::string>();
    exp->add_option("file", *expFile, "CSV file")->required();
    exp->callback([&ctx, expFile] {
        ctx.action = [&ctx, expFile] {
            ctx.loadArchive();
            return ctx.workspace().exportDraws(*expFile) ? 0 : 1;
        };
    });
}

}  // namespace pentad::cli
