// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli identity, catalogue and systems online: the user's identity for
// the catalogue server, the online scenario catalogue and the online systems
// exchange. --url overrides the configured server address.
#include <algorithm>
#include <memory>
#include <optional>

#include "cli_context.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_texts.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/text_utils.h"

namespace pentad::cli {
namespace {

inline constexpr const char* kNotListed = "Сценарий #%d не найден в каталоге";
inline constexpr const char* kSystemNotListed = "Система #%d не найдена в каталоге";

struct CatalogueArgs {
    std::optional<std::string> url;
    int filter = 2;
    int id = 0;
    int rate = 0;
    std::optional<std::string> title;
    std::optional<std::string> descr;
    std::string notes;
    bool isPrivate = false;
    bool universal = false;
    bool yes = false;
    // systems
    std::string file;
    int nums = 0;
    int olap = 0;
    std::optional<std::string> urlText;
};

CatalogueServices& services(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = ctx.workspace().online().catalogue();
    if (args.url) {
        cat.overrideAddress(*args.url);
    }
    if (!cat.hasAddress()) {
        throw Error(texts::kNoCatalogueAddress);
    }
    return cat;
}

// The entry as the user sees it with every entry listed.
tScriptInfo findEntry(CatalogueServices& cat, int id) {
    std::optional<std::vector<tScriptInfo>> list =
        cat.loadScriptList(static_cast<int>(catalogue::ListFilter::All));
    if (!list) {
        throw Error(format(kNotListed, id));
    }
    for (const tScriptInfo& s : *list) {
        if (s.Id == id) {
            return s;
        }
    }
    throw Error(format(kNotListed, id));
}

std::string tabless(std::string text) {
    std::replace_if(text.begin(), text.end(),
                    [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string ratingYouText(int rating) {
    if (rating == catalogue::kRateHide) {
        return texts::kRatingHidden;
    }
    return rating > 0 ? std::to_string(rating) : std::string();
}

int listScripts(CliContext& ctx, const CatalogueArgs& args) {
    if (args.filter < 0 || args.filter > 7) {
        throw UsageError("--filter: 0..7");
    }
    CatalogueServices& cat = services(ctx, args);
    std::optional<std::vector<tScriptInfo>> list = cat.loadScriptList(args.filter - 1);
    if (!list) {
        return 1;
    }
    std::string out;
    for (const tScriptInfo& s : *list) {
        out += std::to_string(s.Id) + "\t" + (s.Mine ? texts::kKindMine : texts::kKindShared) +
               "\t" + tabless(s.Title) + "\t" + tabless(s.AuthorName) + "\t" +
               (s.UniApps ? std::string(texts::kUniversal) : tabless(s.AppName)) + "\t" +
               tabless(s.AppVer) + "\t" + catalogueDateText(s.Created) + "\t" +
               format("%.3f", s.RatingAvg) + "\t" + std::to_string(s.RatingCnt) + "\t" +
               ratingYouText(s.RatingYou) + "\t" + std::to_string(s.Downloads) + "\n";
    }
    CliContext::print(out);
    return 0;
}

int getScript(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    if (!cat.downloadScript(args.id)) {
        return 1;
    }
    CliContext::print(ctx.workspace().scenario().linesPanelText() + "\n");
    return 0;
}

// Title check and put; prints the entry's number.
int putScript(CliContext& ctx, CatalogueServices& cat, const tScriptData& data) {
    ctx.workspace().scenario().LoadCurrent();
    if (ctx.workspace().scenario().empty()) {
        throw Error("Текущий сценарий пуст");
    }
    std::string problem;
    if (!cat.acceptScriptData(data, problem)) {
        if (!problem.empty()) {
            throw Error(problem);
        }
        return 1;
    }
    const int id = cat.putScript(data);
    if (id <= 0) {
        return 1;
    }
    CliContext::print(std::to_string(id) + "\n");
    return 0;
}

int publishScript(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    tScriptData data;
    data.Id = -1;
    data.AuthorName = cat.userName();
    data.Lcid = cat.lcid;
    data.UniApps = args.universal;
    data.Public = !args.isPrivate;
    data.Title = trim(args.title.value_or(""));
    data.Descr = args.descr.value_or("");
    return putScript(ctx, cat, data);
}

int replaceScript(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    tScriptData data = scriptDataOf(findEntry(cat, args.id));
    if (args.title) {
        data.Title = trim(*args.title);
    }
    if (args.descr) {
        data.Descr = *args.descr;
    }
    return putScript(ctx, cat, data);
}

int deleteScript(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    tScriptInfo entry = findEntry(cat, args.id);
    ctx.ui.setAssumeYes(args.yes);
    if (!ctx.shell.confirmNo(format(texts::kDeleteScriptQuestion, entry.Title))) {
        return 1;
    }
    return cat.deleteScript(scriptDataOf(entry)) ? 0 : 1;
}

int rateScript(CliContext& ctx, const CatalogueArgs& args, int value) {
    if (value < catalogue::kRateHide || value > catalogue::kRateMax) {
        throw UsageError("the rating: 0 (remove) or 1..5");
    }
    CatalogueServices& cat = services(ctx, args);
    return cat.rateScript(args.id, value, value > 0 ? args.notes : std::string()) ? 0 : 1;
}

int showRates(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    std::optional<std::vector<tScriptRate>> rates = cat.loadRates(args.id);
    if (!rates) {
        return 1;
    }
    std::string out;
    for (const tScriptRate& r : *rates) {
        out += tabless(r.Name) + "\t" + std::to_string(r.Rate) + "\t" +
               catalogueDateText(r.Created) + "\t" + tabless(r.AppName) + "\t" +
               tabless(r.AppVer) + "\t" + tabless(r.Notes) + "\n";
    }
    CliContext::print(out);
    return 0;
}

// ---- systems ----

int listSystems(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    std::optional<std::vector<tSystemInfo>> list = cat.LoadSystemList();
    if (!list) {
        return 1;
    }
    std::string out;
    for (const tSystemInfo& s : *list) {
        const bool real = s.Id > 0;
        out += std::to_string(s.Id) + "\t" + (real ? format("%.2d", s.Nums) : "") + "\t" +
               (real ? std::to_string(s.Olap) : "") + "\t" +
               (real ? std::to_string(s.CSize) : "") + "\t" + tabless(s.Title) + "\t" +
               tabless(s.Author) + "\t" + catalogueDateText(s.Created) + "\t" +
               (real ? std::to_string(s.Downloads) : "") + "\t" +
               (cat.systemDownloaded(s) ? "Загружена" : "") + "\n";
    }
    CliContext::print(out);
    return 0;
}

tSystemInfo findSystem(CatalogueServices& cat, int id) {
    std::optional<std::vector<tSystemInfo>> list = cat.LoadSystemList();
    if (list) {
        for (const tSystemInfo& s : *list) {
            if (s.Id == id && id > 0) {
                return s;
            }
        }
    }
    throw Error(format(kSystemNotListed, id));
}

int getSystem(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    tSystemInfo system = findSystem(cat, args.id);
    if (!cat.DownloadSystem(system)) {
        return 1;
    }
    CliContext::print(SystemFileName(ctx.workspace().folder(), system) + "\n");
    return 0;
}

int publishSystem(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    std::vector<std::string> lines =
        normalizeSystemLines(cp1251ToUtf8(readFileBytes(args.file)));
    tSystemData data;
    data.Info.Id = 0;
    data.Info.Nums = static_cast<uint8_t>(std::clamp(args.nums, 0, 255));
    data.Info.Olap = static_cast<uint8_t>(std::clamp(args.olap, 0, 255));
    data.Info.CSize = static_cast<int32_t>(lines.size());
    data.Info.Title = trim(args.title.value_or(""));
    data.Info.Author = cat.userName();
    data.Info.OwnerMail = cat.userMail();
    data.Info.Descr = args.descr.value_or("");
    data.Info.URL = args.urlText.value_or("");
    data.Info.Created = nowDateTime();
    data.CList = join(lines, "\r\n");
    if (std::optional<std::string> problem = validateSystem(data)) {
        throw Error(*problem);
    }
    const int id = cat.PutSystem(data, false);
    if (id < 0) {
        return 1;
    }
    CliContext::print(std::to_string(id) + "\n");
    return 0;
}

int deleteSystem(CliContext& ctx, const CatalogueArgs& args) {
    CatalogueServices& cat = services(ctx, args);
    tSystemInfo system = findSystem(cat, args.id);
    ctx.ui.setAssumeYes(args.yes);
    if (!cat.ownSystem(system)) {
        throw Error(texts::kOnlyOwnSystems);
    }
    if (!ctx.shell.confirmNo(format("Вы действительно хотите удалить систему \"%s\"?",
                                    system.Title))) {
        return 1;
    }
    tSystemData data;
    data.Info = system;
    if (cat.PutSystem(data, true) != 0) {
        return 1;
    }
    deleteFile(SystemFileName(ctx.workspace().folder(), system));
    return 0;
}

// A leaf subcommand that runs `run` with the shared arguments; --url is
// accepted after its last word too.
CLI::App* leaf(CLI::App* parent, const char* name, const char* help, CliContext& ctx,
               const std::shared_ptr<CatalogueArgs>& args,
               std::function<int(CliContext&, const CatalogueArgs&)> run) {
    CLI::App* cmd = parent->add_subcommand(name, help);
    cmd->add_option("--url", args->url, "Catalogue server address, instead of the configured one");
    cmd->callback([&ctx, args, run] {
        ctx.action = [&ctx, args, run] { return run(ctx, *args); };
    });
    return cmd;
}

}  // namespace

void addCatalogueCommands(CLI::App& app, CliContext& ctx) {
    // identity
    CLI::App* identity = app.add_subcommand("identity", "The user's identity for the catalogue");
    identity->require_subcommand(1);
    identity->add_subcommand("show", "Show the name, mail and installation id")->callback([&ctx] {
        ctx.action = [&ctx] {
            CatalogueServices& cat = ctx.workspace().online().catalogue();
            CliContext::print("Name=" + cat.userName() + "\nMail=" + cat.userMail() +
                              "\nInstallation=" + cat.installationId() + "\n");
            return 0;
        };
    });
    struct IdentityArgs {
        std::optional<std::string> name;
        std::optional<std::string> mail;
    };
    auto iargs = std::make_shared<IdentityArgs>();
    CLI::App* set = identity->add_subcommand("set", "Change the name and mail");
    set->add_option("--name", iargs->name, "Your name (the author of your publications)");
    set->add_option("--mail", iargs->mail, "Your e-mail (who you are to the catalogue)");
    set->callback([&ctx, iargs] {
        ctx.action = [&ctx, iargs] {
            CatalogueServices& cat = ctx.workspace().online().catalogue();
            cat.setIdentity(iargs->name.value_or(cat.userName()),
                            iargs->mail.value_or(cat.userMail()));
            return 0;
        };
    });

    // catalogue
    auto args = std::make_shared<CatalogueArgs>();
    CLI::App* cat = app.add_subcommand("catalogue", "The online scenario catalogue");
    cat->require_subcommand(1);
    cat->add_option("--url", args->url, "Catalogue server address, instead of the configured one");
    leaf(cat, "list", "List the entries (Id, type, title, author, program, version, created, "
                      "rating, ratings, your rating, downloads)",
         ctx, args, listScripts)
        ->add_option("--filter", args->filter, "0 hidden, 1 all, 2 all but hidden (default), "
                                               "3 mine, 4 public, 5 rated, 6 unrated, 7 new");
    leaf(cat, "get", "Replace the current scenario with an entry", ctx, args, getScript)
        ->add_option("id", args->id, "Entry number")
        ->required();
    CLI::App* publish =
        leaf(cat, "publish", "Publish the current scenario (prints the new Id)", ctx, args,
             publishScript);
    publish->add_option("--title", args->title, "Title")->required();
    publish->add_option("--descr", args->descr, "Description");
    publish->add_flag("--private", args->isPrivate, "Visible only to you");
    publish->add_flag("--universal", args->universal, "Usable in any program of the family");
    CLI::App* replace = leaf(cat, "replace", "Replace your entry with the current scenario", ctx,
                             args, replaceScript);
    replace->add_option("id", args->id, "Entry number")->required();
    replace->add_option("--title", args->title, "New title");
    replace->add_option("--descr", args->descr, "New description");
    CLI::App* del = leaf(cat, "delete", "Delete your entry", ctx, args, deleteScript);
    del->add_option("id", args->id, "Entry number")->required();
    del->add_flag("--yes", args->yes, "Answer Yes to the confirmation");
    CLI::App* rate = leaf(cat, "rate", "Rate an entry 1..5, or 0 to remove your rating", ctx, args,
                          [](CliContext& c, const CatalogueArgs& a) { return rateScript(c, a, a.rate); });
    rate->add_option("id", args->id, "Entry number")->required();
    rate->add_option("value", args->rate, "0..5")->required();
    rate->add_option("--notes", args->notes, "Comment");
    leaf(cat, "hide", "Hide an entry from your list", ctx, args,
         [](CliContext& c, const CatalogueArgs& a) {
             return rateScript(c, a, catalogue::kRateHide);
         })
        ->add_option("id", args->id, "Entry number")
        ->required();
    leaf(cat, "rates", "The ratings of an entry (name, rate, date, program, version, comment)",
         ctx, args, showRates)
        ->add_option("id", args->id, "Entry number")
        ->required();

    // systems online (the "systems" command exists already)
    CLI::App* systems = app.get_subcommand("systems");
    CLI::App* online = systems->add_subcommand("online", "The online systems exchange");
    online->require_subcommand(1);
    online->add_option("--url", args->url,
                       "Catalogue server address, instead of the configured one");
    leaf(online, "list", "List the published systems (Id, numbers, block, combinations, title, "
                         "author, created, downloads, state)",
         ctx, args, listSystems);
    leaf(online, "get", "Download a system into the systems folder", ctx, args, getSystem)
        ->add_option("id", args->id, "System number")
        ->required();
    CLI::App* spub = leaf(online, "publish", "Publish a system (prints the new Id)", ctx, args,
                          publishSystem);
    spub->add_option("--file", args->file, "Text file of index lines (01 02 03 04 05)")
        ->required();
    spub->add_option("--nums", args->nums, "Numbers used, 6..10")->required();
    spub->add_option("--overlap", args->olap, "Block length 0..4")->required();
    spub->add_option("--title", args->title, "Title")->required();
    spub->add_option("--descr", args->descr, "Description");
    spub->add_option("--url-text", args->urlText, "Link to a page about the system");
    CLI::App* sdel = leaf(online, "delete", "Delete your system", ctx, args, deleteSystem);
    sdel->add_option("id", args->id, "System number")->required();
    sdel->add_flag("--yes", args->yes, "Answer Yes to the confirmation");
}

}  // namespace pentad::cli
