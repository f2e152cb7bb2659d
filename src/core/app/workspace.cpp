// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/workspace.h"

#include <unistd.h>

#include <algorithm>
#include <functional>

#include "filters/combination_generator.h"
#include "game/config_settings.h"
#include "game/draw_csv.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "scenarios/ratings_to_script.h"
#include "scenarios/scenario_texts.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/help_file.h"
#include "shell/interface_language.h"
#include "shell/messages.h"
#include "stakes/stake_texts.h"

namespace pentad {

Workspace::Workspace(Shell& shell, std::string folder)
    : m_shell(shell),
      m_folder(std::move(folder)),
      m_ini(filePath(std::string(kBaseName) + ".ini")),
      m_frm(filePath(std::string(kBaseName) + ".frm")),
      m_stats(m_archive.draws()),
      m_prefetchs(m_shell, m_folder),
      m_statPage(m_shell, m_stats, m_archive, m_prefetchs),
      m_combs(m_shell, m_archive),
      m_filters(m_shell, m_stats, m_archive, m_combs, m_statPage),
      m_stakes(m_shell, m_folder, m_archive, m_stats, m_combs),
      m_scenario(m_shell, filePath(texts::kScenarioFileName)),
      m_scriptLog(m_shell, m_folder),
      m_runner(m_scenarioHost),
      m_online(*this) {
    m_form.load(m_frm);
    {
        BusyScope busy(m_shell);
        StatusTextScope status(m_shell, texts::kStatusLoadingConfig);
        m_shell.guard(texts::kErrorReadConfig, [&] {
            m_stats.LoadSettings(m_ini);
            m_stats.LoadShredding(m_ini);
        });
    }
    m_online.loadProxy();
    m_stats.HelpFile = locateHelpFile(programFolder(), m_stats.Language);
    m_stats.Fill();
    m_stats.LoadFavourites(m_shell, favouritesPath(), true);
    m_statPage.PrefetchsEnabled = m_form.PrefetchsEnabled;
    m_statPage.ShowTotalLine = m_form.ShowTotalLine;
    m_statPage.SortedDraws = m_form.SortedDraws;
    m_statPage.setLength(m_form.DrawsStatLen);
    m_statPage.FillChoosers(false);
    m_stakes.log().enabled = m_form.StakesLogEnabled;
    m_scriptLog.enabled = m_form.ScriptLogEnabled;
}

int Workspace::ratingsToScript(const std::vector<int>& rows) {
    int added = 0;
    OperationScope op(m_shell, texts::kRatingsToScriptStatus);
    const TRatingsArray& ratings = m_stakes.ratings();
    for (int r : rows) {
        if (r < 0 || r >= static_cast<int>(ratings.size())) {
            continue;
        }
        const std::string& comment = ratings[static_cast<size_t>(r)].Comment;
        std::optional<std::string> line = ratingToScriptLine(comment, m_stats);
        if (line) {
            m_scenario.AddLine(*line);
            ++added;
        } else {
            m_shell.error(format(texts::kRatingsToScriptFailed, comment));
        }
    }
    return added;
}

std::string Workspace::favouritesPath() const {
    return filePath(std::string(kBaseName) + ".flt");
}

void Workspace::setInterfaceLanguage(int lcid) {
    m_interfaceLanguage = lcid;
    const std::string abbreviation = languageAbbreviation(lcid);
    m_stats.HelpFile = locateHelpFile(programFolder(), abbreviation);
    online().catalogue().lcid = lcid;
    if (abbreviation != m_stats.Language) {
        m_stats.Language = abbreviation;
        m_stats.LoadFavourites(m_shell, favouritesPath(), false);
        m_statPage.FillChoosers(true);
    }
}

void Workspace::rebuildMethodList(bool keepSelection) {
    m_stats.Rebuild(m_shell, favouritesPath());
    m_statPage.FillChoosers(keepSelection);
    m_changes |= kChangeSettings;
}

void Workspace::setPrefetchsEnabled(bool on) {
    m_form.PrefetchsEnabled = on;
    m_statPage.PrefetchsEnabled = on;
    setViewOption("PrefetchsEnabled", on);
    if (on) {
        m_prefetchs.buildAll(m_stats, {});
    }
}

bool Workspace::startupPrefetchs(const std::vector<std::string>& commandWords) {
    if (hasCommandWord(commandWords, words::kFullRecreate)) {
        std::bitset<13> every;
        every.set();
        m_prefetchs.buildAll(m_stats, every);
        return true;
    }
    const bool refresh = hasCommandWord(commandWords, words::kFullRefresh);
    if (refresh || m_form.PrefetchsEnabled) {
        m_prefetchs.buildAll(m_stats, {});
    }
    return refresh;
}

void Workspace::setShowTotalLine(bool on) {
    m_form.ShowTotalLine = on;
    m_statPage.ShowTotalLine = on;
    setViewOption("ShowTotalLine", on);
}

bool Workspace::holdFolder(const std::string& holder, double waitSeconds,
                           std::string* heldBy) {
    return m_writerLock.acquire(m_folder, holder, waitSeconds, heldBy);
}

bool Workspace::openLedgerForReading() {
    m_stakes.ledger().setReadOnly(true);
    return m_stakes.LoadLedger() == StakeLedger::OpenResult::Ok;
}

bool Workspace::openLedger() {
    m_stakes.ledger().setReadOnly(false);
    bool held = m_writerLock.held();
    try {
        held = held || holdFolder(format(texts::kDesktopHolder, static_cast<int>(::getpid())), 0,
                                  nullptr);
    } catch (const std::exception&) {
        held = false;
    }
    if (!held) {
        m_shell.error(texts::kExclusiveAccess);
        return false;
    }
    StakeLedger::OpenResult r = m_stakes.LoadLedger();
    if (r == StakeLedger::OpenResult::Locked) {
        m_shell.error(texts::kExclusiveAccess);
    }
    return r == StakeLedger::OpenResult::Ok;
}

void Workspace::shutdown() {
    if (m_stakes.ledger().isOpen()) {
        OperationScope op(m_shell, texts::kStatusSavingLedger);
        m_stakes.ledger().Close();
    }
    // The folder is free for the next copy or command once this one has let go.
    m_writerLock.release();
}

std::bitset<13> Workspace::changedGroups(const TConfigData& before, const TConfigData& after) {
    std::bitset<13> groups;
    if (before.MatrixCols != after.MatrixCols) {
        groups.set(4);
    }
    if (before.ChannelSize != after.ChannelSize) {
        groups.set(3);
    }
    if (segmentsToText(before.MatrixSegments) != segmentsToText(after.MatrixSegments)) {
        groups.set(5);
    }
    return groups;
}

bool Workspace::applyConfig(const TConfigData& edited) {
    std::bitset<13> groups = changedGroups(m_stats.config, edited);
    m_stats.config = edited;
    m_stats.SaveWeights();
    bool ok = m_shell.guard(texts::kErrorWriteConfig, [&] { m_stats.SaveSettings(m_ini); });
    rebuildMethodList(true);
    renewPrefetchGroups(groups);
    m_statPage.ResetCache();
    refreshViews();
    return ok;
}

bool Workspace::applyShredding(const std::array<std::string, 3>& formulas,
                               const std::array<uint8_t, 3>& digits) {
    m_stats.Formulas = formulas;
    m_stats.FormulaDigits = digits;
    bool ok = true;
    {
        OperationScope op(m_shell, texts::kStatusSavingConfig);
        ok = m_shell.guard(texts::kErrorWriteConfig, [&] { m_stats.SaveShredding(m_ini); });
    }
    rebuildMethodList(true);
    std::bitset<13> groups;
    groups.set(kShreddingGroup);
    renewPrefetchGroups(groups);
    m_statPage.ResetCache();
    refreshViews();
    return ok;
}

void Workspace::renewPrefetchGroups(const std::bitset<13>& groups) {
    if (groups.none()) {
        return;
    }
    if (m_form.PrefetchsEnabled) {
        m_prefetchs.buildAll(m_stats, groups);
    } else {
        m_prefetchs.discard(m_stats, groups);
    }
}

Shell& WorkspaceScenarioHost::shell() { return m_ws.shell(); }
const std::string& WorkspaceScenarioHost::folder() const { return m_ws.folder(); }
Scenario& WorkspaceScenarioHost::scenario() { return m_ws.scenario(); }
ScriptLog& WorkspaceScenarioHost::scriptLog() { return m_ws.scriptLog(); }
const DrawArchive& WorkspaceScenarioHost::archive() const { return m_ws.archive(); }
int WorkspaceScenarioHost::offset() const { return m_ws.offset(); }
void WorkspaceScenarioHost::setOffset(int k) { m_ws.setOffset(k); }
TStatList& WorkspaceScenarioHost::stats() { return m_ws.stats(); }
StatPage& WorkspaceScenarioHost::statPage() { return m_ws.statPage(); }
PrefetchStore& WorkspaceScenarioHost::prefetchs() { return m_ws.prefetchs(); }
CombinationSet& WorkspaceScenarioHost::combs() { return m_ws.combs(); }
FilterEngine& WorkspaceScenarioHost::filters() { return m_ws.filters(); }
StakeBook& WorkspaceScenarioHost::stakes() { return m_ws.stakes(); }
GenerateParams WorkspaceScenarioHost::defaultGenerateParams() const {
    return loadGenerateParams(const_cast<Workspace&>(m_ws).ini());
}
bool WorkspaceScenarioHost::stakesCheckOnLine() const { return m_ws.form().StakesCheckOnLine; }
int WorkspaceScenarioHost::scenarioJobs() const { return m_ws.form().ScenarioJobs; }

void Workspace::generateDefaultCombs() {
    m_combs.Generate(loadGenerateParams(m_ini), true);
}

std::string Workspace::filePath(const std::string& name) const {
    return joinPath(m_folder, name);
}

void Workspace::setViewOption(const char* key, bool value) {
    if (bool* field = m_form.boolField(key)) {
        *field = value;
    }
    // Options that live objects read directly.
    m_scriptLog.enabled = m_form.ScriptLogEnabled;
    m_stakes.log().enabled = m_form.StakesLogEnabled;
    m_shell.guard(texts::kErrorWriteConfig, [&] { m_frm.writeBool(kMainFormSection, key, value); });
    m_changes |= kChangeSettings;
}

void Workspace::setViewOption(const char* key, int value) {
    if (int* field = m_form.intField(key)) {
        *field = value;
    }
    m_shell.guard(texts::kErrorWriteConfig, [&] { m_frm.writeInt(kMainFormSection, key, value); });
    m_changes |= kChangeSettings;
}

bool Workspace::loadArchive() {
    std::string path = filePath(kArchiveFileName);
    if (!fileExists(path)) {
        return true;
    }
    OperationScope op(m_shell, texts::kStatusLoadingDraws);
    std::string failure = m_archive.load(path);
    m_changes |= kChangeDraws | kChangeOffset;
    if (!failure.empty()) {
        m_shell.error(format(texts::kErrorReadDraws, failure));
        return false;
    }
    return true;
}

bool Workspace::saveArchive() {
    OperationScope op(m_shell, texts::kStatusSavingDraws);
    m_changes |= kChangeDraws | kChangeOffset;
    return m_shell.guard(texts::kErrorWriteDraws,
                         [&] { m_archive.save(filePath(kArchiveFileName)); });
}

void Workspace::writeArchive() {
    StatusTextScope status(m_shell, texts::kStatusSavingDraws);
    m_archive.save(filePath(kArchiveFileName));
}

void Workspace::appendDraws(const TDrawsArray& draws) {
    for (const TDrawRec& d : draws) {
        m_archive.append(d);
    }
    m_archive.setOffset(m_archive.offset());
    m_changes |= kChangeDraws | kChangeOffset;
    refreshViews();
}

TDrawRec Workspace::newDrawTemplate() const {
    TDrawRec r;
    r.Number = m_archive.nextDrawNumber(0);
    return r;
}

bool Workspace::addDraw(const TDrawRec& draw) {
    m_archive.append(draw);
    m_archive.setOffset(m_archive.offset());
    bool ok = saveArchive();
    refreshViews();
    return ok;
}

bool Workspace::editDraw(int row, const TDrawRec& draw) {
    if (!m_archive.validRow(row)) {
        return false;
    }
    m_archive.replaceAt(m_archive.indexOfRow(row), draw);
    bool ok = saveArchive();
    refreshViews();
    return ok;
}

bool Workspace::deleteDrawRows(std::vector<int> rows, bool confirmed) {
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [&](int r) { return !m_archive.validRow(r); }),
        rows.end());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) {
        return false;
    }
    if (!confirmed && !m_shell.confirmDelete(static_cast<int>(rows.size()))) {
        return false;
    }
    {
        OperationScope op(m_shell, texts::kStatusDeletingDraws);
        // Rows are visited from the oldest up; deleting an older record never
        // moves the rows still to visit, so the numbers can be taken first.
        std::vector<int> numbers;
        for (int r : rows) {
            numbers.push_back(m_archive.atRow(r).Number);
        }
        bool ok = m_shell.guard(texts::kErrorWriteDraws, [&] {
            for (int n : numbers) {
                int index = m_archive.findByNumber(n);
                if (index >= 0) {
                    m_archive.deleteAt(index);
                }
            }
        });
        m_changes |= kChangeDraws | kChangeOffset;
        if (!ok) {
            return false;
        }
    }
    bool saved = saveArchive();
    refreshViews();
    return saved;
}

void Workspace::setOffset(int k) {
    if (k == m_archive.offset()) {
        return;
    }
    m_archive.setOffset(k);
    m_changes |= kChangeOffset;
    refreshViews();
}

bool Workspace::exportDraws(const std::string& path) {
    OperationScope op(m_shell, format(texts::kStatusExportDraws, path));
    return m_shell.guard(texts::kErrorExportDraws,
                         [&] { writeFileAtomic(path, exportDrawsText(m_archive.draws())); });
}

int Workspace::importDraws(const std::string& path) {
    OperationScope op(m_shell, format(texts::kStatusImportDraws, path));
    int added = -1;
    std::string bytes;
    if (!m_shell.guard(texts::kErrorImportDraws, [&] { bytes = readFileBytes(path); })) {
        return -1;
    }
    DrawArchive updated = m_archive;
    added = importDrawsText(updated, bytes);
    if (added == 0) {
        return 0;
    }
    // The archive in memory changes only once the file holds the new draws.
    OperationScope save(m_shell, texts::kStatusSavingDraws);
    if (!m_shell.guard(texts::kErrorWriteDraws,
                       [&] { updated.save(filePath(kArchiveFileName)); })) {
        return -1;
    }
    m_archive = std::move(updated);
    m_changes |= kChangeDraws | kChangeOffset;
    refreshViews();
    return added;
}

DrawInfo Workspace::drawInfo(int row) {
    DrawInfo info;
    if (!m_archive.validRow(row)) {
        return info;
    }
    BusyScope busy(m_shell);
    const TDrawRec& d = m_archive.atRow(row);
    info.properties.emplace_back(texts::kDrawInfoNumber, std::to_string(d.Number));
    info.properties.emplace_back(texts::kDrawInfoDate, d.dateText());
    // One column per position: the digit of position p sits in column p - 1.
    info.columns = kPositions;
    for (auto& r : info.cells) {
        r.assign(static_cast<size_t>(info.columns), -1);
    }
    for (int p = 0; p < kPositions; ++p) {
        int digit = d.Digits[static_cast<size_t>(p)];
        if (digit <= 9) {
            info.cells[static_cast<size_t>(digit)][static_cast<size_t>(p)] = digit;
        }
    }
    return info;
}

}  // namespace pentad
