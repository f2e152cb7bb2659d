// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fuzz_readers.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

#include "filters/combination_set.h"
#include "filters/filter_engine.h"
#include "filters/filter_item.h"
#include "filters/lcv_file.h"
#include "game/config_settings.h"
#include "game/draw_archive.h"
#include "game/draw_csv.h"
#include "game/results_page.h"
#include "game/routines.h"
#include "online/catalogue_client.h"
#include "online/catalogue_codecs.h"
#include "online/catalogue_reply.h"
#include "online/proxy_search.h"
#include "online/proxy_settings.h"
#include "online/self_update.h"
#include "scenarios/line_check.h"
#include "scenarios/scenario.h"
#include "scenarios/script_line.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/ini_file.h"
#include "shell/language_module.h"
#include "shell/shell.h"
#include "shell/text_utils.h"
#include "shell/quiet_user_interface.h"
#include "shell/view_state.h"
#include "stakes/ledger.h"
#include "stakes/ratings.h"
#include "stakes/regular_stakes.h"
#include "stats/formula.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_page.h"
#include "stats/stat_table.h"
#include "systems/system_store.h"

namespace pentad::test {
namespace {

// Says nothing and answers every question with its default; messages pile
// up nowhere over millions of runs.
using SilentUserInterface = QuietUserInterface;

// What the readers that need the program around them share for the whole
// run: a folder for the files, a small archive, the method list and a
// filter engine over them.
struct Program {
    Program()
        : folder(makeFolder()),
          list(archive.draws()),
          prefetchs(shell, folder),
          page(shell, list, archive, prefetchs),
          combs(shell, archive),
          engine(shell, list, archive, combs, page) {
        const uint8_t rows[][5] = {{1, 2, 3, 4, 5}, {0, 7, 3, 3, 9}, {9, 9, 0, 1, 2},
                                   {5, 5, 5, 5, 5}, {3, 1, 4, 1, 5}, {2, 7, 1, 8, 2}};
        int number = 1;
        for (const auto& digits : rows) {
            TDrawRec draw;
            draw.Number = number++;
            std::copy(std::begin(digits), std::end(digits), draw.Digits.begin());
            archive.append(draw);
        }
        list.Fill();
    }
    ~Program() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    static std::string makeFolder() {
        std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("pentad-fuzz-readers-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }

    // Writes the bytes to a file of the folder and answers its path.
    std::string file(const std::string& name, std::string_view bytes) const {
        std::string path = folder + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + path);
        }
        return path;
    }

    SilentUserInterface ui;
    Shell shell{ui};
    std::string folder;
    DrawArchive archive;
    TStatList list;
    PrefetchStore prefetchs;
    StatPage page;
    CombinationSet combs;
    FilterEngine engine;
};

Program& program() {
    static Program p;
    return p;
}

void readArchive(std::string_view bytes) {
    DrawArchive archive;
    archive.decode(std::string(bytes));
    // What was kept must write back to the same records.
    DrawArchive again;
    if (!again.decode(archive.encode()).empty() || again.count() != archive.count()) {
        throw std::logic_error("archive records do not survive a write");
    }
}

void readCsvImport(std::string_view bytes) {
    DrawArchive archive;
    importDrawsText(archive, bytes);
    exportDrawsText(archive.draws());
}

void readResults(std::string_view bytes) {
    TDrawsArray stored;
    TDrawsArray collected;
    readResultsPage(bytes, stored, collected);
}

void readProxyList(std::string_view bytes) {
    std::vector<std::string> list;
    readProxyListPage(bytes, 0, list);
    readProxyListPage(bytes, 8080, list);
}

void readCatalogueReply(std::string_view bytes) {
    for (const catalogue::ReplyRow& row : catalogue::readReply(bytes)) {
        row.error();
        row.field("id");
        row.field("title");
        row.base64Field("body");
        row.intField("rating");
        row.has("error");
    }
    catalogue::base64Decode(bytes);
    catalogue::base64DecodeStrict(bytes);
}

// Each reply reader of the catalogue client on the same reply; a refusal of
// one does not keep the others from reading it.
void readCatalogueClient(std::string_view bytes) {
    const std::vector<std::function<void()>> readers = {
        [&] { readScriptList(bytes, "user@example.org", "Pentad", 1049); },
        [&] { readScriptText(bytes); },
        [&] { readAnswer(bytes, "id"); },
        [&] { readScriptRates(bytes); },
        [&] { readSystemList(bytes); },
        [&] { readSystemCList(bytes); },
        [&] { readSystemNumber(bytes); },
    };
    for (const auto& read : readers) {
        try {
            read();
        } catch (const Error&) {
        }
    }
}

// A combination list (.lcv) and the same text pasted; what was read writes
// back to a list that reads the same.
void readLcv(std::string_view bytes) {
    TCombsArray combs;
    int count = 0;
    readLcvText(bytes, combs, count);
    countLines(bytes);
    TCombsArray again;
    int againCount = 0;
    const std::string text = lcvText(std::span<const TCombRec>(combs.data(), static_cast<size_t>(count)));
    if (readLcvText(text, again, againCount).read != count || againCount != count ||
        !std::equal(combs.begin(), combs.begin() + count, again.begin())) {
        throw std::logic_error("combination list does not survive a write");
    }
    TCombsArray pasted;
    int pastedCount = 0;
    readPastedText(bytes, pasted, pastedCount);
}

// An INI file ("Pentad.ini", "Pentad.frm"): every settings reader of the
// program over it, then one write that must read back.
void readIni(std::string_view bytes) {
    Program& p = program();
    const std::string path = p.file("Pentad.ini", bytes);
    IniFile ini(path);
    loadConfigData(ini);
    loadGenerateParams(ini);
    TProxy proxy;
    loadProxySettings(ini, proxy);
    MainFormSettings form;
    form.load(ini);
    readWindowPlacement(ini, kMainFormSection, 1920, 1080, 96);
    std::vector<int> widths(8, 50);
    readColumnWidths(ini, kMainFormSection, "ListDraws", widths);
    int column = 0;
    int direction = 0;
    readSortType(ini, kMainFormSection, "ListDraws", column, direction);
    for (const std::string& key : ini.keys("GLOBAL")) {
        ini.readFloat("GLOBAL", key, 0);
        ini.readInt("GLOBAL", key, 0);
    }
    TStatList list(p.archive.draws());
    list.LoadSettings(ini);
    list.LoadShredding(ini);

    ini.writeString("FUZZ", "Written", "value");
    IniFile again(path);
    if (again.readString("FUZZ", "Written", std::string()) != "value") {
        throw std::logic_error("a written key does not read back");
    }
}

// "Pentad.flt": favourites, filters and own captions.
void readFlt(std::string_view bytes) {
    Program& p = program();
    const std::string path = p.file("Pentad.flt", bytes);
    TStatList list(p.archive.draws());
    list.Fill();
    list.LoadFavourites(p.shell, path, true);
    list.FavouritesText();
}

// One filter item text, as a scenario line holds it, up to its parts.
void readFilterItemText(const std::string& text) {
    Program& p = program();
    TFilterItem item = TextToFilterItem(text, p.list);
    FilterItemToText(item);
    if (!item.Active || validateFilterItem(item)) {
        return;
    }
    FilterVariants variants = p.engine.ExpandVariants({item}, 1);
    if (!variants.empty()) {
        VariantToText(variants.at(0));
        VariantToText(variants.at(variants.size() - 1));
    }
}

void readFilterItem(std::string_view bytes) {
    readFilterItemText(std::string(bytes));
}

void readScenarioLine(std::string_view bytes) {
    Program& p = program();
    const std::string text(bytes);
    isSeparatorLine(text);
    TScriptLine line = TextToLine(text);
    LineToText(line);
    OptionsToShortText(line.Options);
    OptionsCaption(line.Options);
    TextToOptions(text);
    unreadLineWords(text, p.list);
    for (const std::string& filter : line.Filters) {
        try {
            readFilterItemText(filter);
        } catch (const Error&) {
        }
    }
}

void readScenarioFile(std::string_view bytes) {
    Program& p = program();
    const std::string path = p.file("Scenario.scr", bytes);
    Scenario scenario(p.shell, p.folder + "/Current.scr");
    if (!scenario.LoadScenario(path, false)) {
        return;
    }
    scenario.linesPanelText();
    for (const std::string& text : scenario.lines()) {
        LineToText(TextToLine(text));
    }
}

// The stake ledger "Pentad.lsk" as the program opens it at start-up.
void readLedger(std::string_view bytes) {
    Program& p = program();
    const std::string path = p.file("Pentad.lsk", bytes);
    StakeLedger ledger(p.shell, path);
    if (ledger.Load() != StakeLedger::OpenResult::Ok) {
        return;
    }
    const int count = ledger.RecordCount();
    ledger.readAll();
    if (count > 0) {
        ledger.ReadRecord(-1, 2);
        ledger.readFrom(count - 1);
    }
}

void readRatings(std::string_view bytes) {
    TRatingsArray ratings = decodeRatings(std::string(bytes));
    if (decodeRatings(encodeRatings(ratings)) != ratings) {
        throw std::logic_error("ratings do not survive a write");
    }
    for (const TRatingRec& r : ratings) {
        for (int mode = 0; mode < 3; ++mode) {
            ratingCells(r, mode);
        }
    }
    // Scored stakes added to rows read from the file, profit of either sign.
    const size_t rows = ratings.size();
    for (size_t i = 0; i < rows; ++i) {
        TStakeRec stake;
        stake.Comment = ratings[i].Comment;
        stake.Matches.Count = static_cast<int32_t>(i % 6);
        stake.Profit = ratings[i].Profit;
        MergeRating(ratings, stake);
        stake.Profit = ~stake.Profit;  // -Profit - 1 without overflow
        MergeRating(ratings, stake);
    }
    for (int column = 0; column < kRatingColumns; ++column) {
        sortRatings(ratings, column, column % 2 == 0);
    }
    ratingsCsv(ratings);
}

void readRegularStakes(std::string_view bytes) {
    TTableArray rules = decodeRules(std::string(bytes));
    if (decodeRules(encodeRules(rules)) != rules) {
        throw std::logic_error("rules do not survive a write");
    }
    for (TTableRec& rule : rules) {
        ruleCells(rule);
        NextCombination(rule, program().archive);
        ruleCells(rule);
    }
}

// A full-set file (.dfc) and the norms it gives a statistic.
void readPrefetch(std::string_view bytes) {
    Program& p = program();
    PrefetchData data = decodePrefetch(std::string(bytes));
    const int entry = p.list.IndexOfCode("SUMS");
    StatComputation c =
        computeStatistic(p.list, entry >= 0 ? entry : 0, p.archive, 1000, false, &data);
    for (size_t i = 0; i < c.rows.size(); ++i) {
        statCells(c, i, p.list.weights());
    }
}

// A local system file and the system texts of the exchange.
void readSystem(std::string_view bytes) {
    Program& p = program();
    std::filesystem::remove_all(p.folder + "/Systems");
    p.file("Systems/5-07-1_0001.dat", bytes);
    LoadSystemFor(p.folder, TByteArray{0, 1, 2, 3, 4, 5, 6});
    listLocalSystems(p.folder);
    tSystemData data;
    data.Info.Nums = 7;
    data.Info.Title = "Fuzz";
    data.CList = cp1251ToUtf8(bytes);
    validateSystem(data);
    systemNumbersOf(normalizeSystemLines(data.CList));
}

void readValueList(std::string_view bytes) {
    TIntArray list = ParseValueList(bytes);
    intListToText(list, ",");
    parseMyNumbers(bytes);
}

// The arithmetic of the shredding methods; the prepared formula must value
// like the rewritten text.
void readExpression(std::string_view bytes) {
    evaluateExpression(bytes);
    formulaSyntaxError(bytes);
    FormulaDigits digits;
    digits.n = {1, 2, 3, 4, 5};
    digits.p = {0, 7, 3, 3, 9};
    digits.t = {9, 9, 0, 1, 2};
    ShredFormula formula{std::string(bytes), 4};
    if (formula.value(digits) != shredValue(bytes, 4, digits)) {
        throw std::logic_error("prepared formula values differently");
    }
}

void readUpdate(std::string_view bytes) {
    Program& p = program();
    const std::string path = p.file("Kestrel_AU.cfg", bytes);
    TUpdateVersionData data = readUpdateDescription(path, "Pentad", "1.0.0.0");
    buildNumber(data.VerId);
}

void readLanguageModule(std::string_view bytes) {
    LanguageModule module = LanguageModule::parse(bytes);
    module.translate(bytes);
    module.translate("Ошибка чтения файла \"Pentad.ldr\"!");
}

using Reader = void (*)(std::string_view);

const std::vector<std::pair<std::string, Reader>>& readers() {
    static const std::vector<std::pair<std::string, Reader>> table = {
        {"archive", readArchive},
        {"csv_import", readCsvImport},
        {"results_page", readResults},
        {"proxy_list", readProxyList},
        {"catalogue_reply", readCatalogueReply},
        {"catalogue_client", readCatalogueClient},
        {"lcv", readLcv},
        {"ini", readIni},
        {"flt", readFlt},
        {"filter_item", readFilterItem},
        {"scenario_line", readScenarioLine},
        {"scenario_file", readScenarioFile},
        {"ledger", readLedger},
        {"ratings", readRatings},
        {"regular_stakes", readRegularStakes},
        {"prefetch", readPrefetch},
        {"system", readSystem},
        {"value_list", readValueList},
        {"expression", readExpression},
        {"update_description", readUpdate},
        {"language_module", readLanguageModule},
    };
    return table;
}

}  // namespace

const std::vector<std::string>& coreFuzzTargets() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const auto& [name, reader] : readers()) {
            out.push_back(name);
        }
        return out;
    }();
    return names;
}

void readAsTarget(std::string_view target, std::string_view bytes) {
    const auto& table = readers();
    auto it = std::find_if(table.begin(), table.end(),
                           [&](const auto& entry) { return entry.first == target; });
    if (it == table.end()) {
        throw std::invalid_argument("no reader named " + std::string(target));
    }
    try {
        it->second(bytes);
    } catch (const Error&) {
        // A refusal with the program's own message is a sound answer.
    }
}

}  // namespace pentad::test
