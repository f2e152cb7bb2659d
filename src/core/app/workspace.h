// SPDX-License-Identifier: GPL-3.0-or-later
// The workspace owns everything the program holds for a whole run: the data
// folder and its configuration files, the game settings, the draw archive
// with its analysis offset. Commands of the desktop program and of the
// command-line tool are operations here, framed by the busy state, the status
// line and the error boxes of the Shell.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/online_services.h"
#include "filters/combination_set.h"
#include "filters/filter_engine.h"
#include "game/draw_archive.h"
#include "game/records.h"
#include "scenarios/runner.h"
#include "scenarios/scenario.h"
#include "scenarios/script_log.h"
#include "shell/folder_lock.h"
#include "shell/ini_file.h"
#include "shell/interface_language.h"
#include "shell/shell.h"
#include "shell/view_state.h"
#include "stakes/stake_book.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_page.h"

namespace pentad {

// What a command changed, so views know what to redraw.
enum Change : unsigned {
    kChangeNone = 0,
    kChangeDraws = 1u << 0,    // rows of the draw list
    kChangeOffset = 1u << 1,   // analysis offset and the highlighted row
    kChangeViews = 1u << 2,    // everything computed from the archive
    kChangeSettings = 1u << 3  // view options or game settings
};

// What the draw information window shows.
struct DrawInfo {
    std::vector<std::pair<std::string, std::string>> properties;
    int columns = 0;  // one per position
    // cells[row][column]: the digit shown there, or -1 for an empty cell
    std::array<std::vector<int>, 10> cells;
};

class Workspace;

// The workspace as the scenario runner sees it.
class WorkspaceScenarioHost : public ScenarioHost {
public:
    explicit WorkspaceScenarioHost(Workspace& ws) : m_ws(ws) {}
    Shell& shell() override;
    const std::string& folder() const override;
    Scenario& scenario() override;
    ScriptLog& scriptLog() override;
    const DrawArchive& archive() const override;
    int offset() const override;
    void setOffset(int k) override;
    TStatList& stats() override;
    StatPage& statPage() override;
    PrefetchStore& prefetchs() override;
    CombinationSet& combs() override;
    FilterEngine& filters() override;
    StakeBook& stakes() override;
    GenerateParams defaultGenerateParams() const override;
    bool stakesCheckOnLine() const override;
    int scenarioJobs() const override;

private:
    Workspace& m_ws;
};

class Workspace {
public:
    // Opens the configuration files of `folder`; reads settings with their
    // defaults (configuration errors are shown and start goes on).
    Workspace(Shell& shell, std::string folder);

    Shell& shell() { return m_shell; }
    const std::string& folder() const { return m_folder; }
    std::string filePath(const std::string& name) const;

    IniFile& ini() { return m_ini; }
    IniFile& frm() { return m_frm; }
    MainFormSettings& form() { return m_form; }
    const MainFormSettings& form() const { return m_form; }
    const TConfigData& config() const { return m_stats.config; }

    // ---- network: proxy, the main window's client, the draw download ----
    OnlineServices& online() { return m_online; }

    // ---- statistics ----
    TStatList& stats() { return m_stats; }
    const TStatList& stats() const { return m_stats; }
    PrefetchStore& prefetchs() { return m_prefetchs; }
    std::string favouritesPath() const;
    // Uses the interface language `lcid` (a locale identifier) for the help
    // file and the own captions of the methods; the captions are read again
    // when the language changes.
    void setInterfaceLanguage(int lcid);
    // The interface language in use (1049 until one is set).
    int interfaceLanguage() const { return m_interfaceLanguage; }
    // Rebuilds the method list keeping favourites and own captions, and
    // refills the choosers (positions kept when `keepSelection`).
    void rebuildMethodList(bool keepSelection = true);
    StatPage& statPage() { return m_statPage; }
    // The prefetch step of the start: with "fullrecreate" among the command
    // words every file is rebuilt; with "fullrefresh", or when prefetch files
    // are on, the missing ones are built. True when a word asks the program
    // to end once this is done.
    bool startupPrefetchs(const std::vector<std::string>& commandWords);
    // Writes PrefetchsEnabled / ShowTotalLine and applies them to the page.
    void setPrefetchsEnabled(bool on);
    void setShowTotalLine(bool on);

    // ---- combinations and filters ----
    CombinationSet& combs() { return m_combs; }
    const CombinationSet& combs() const { return m_combs; }
    FilterEngine& filters() { return m_filters; }
    // Generates the set with the saved default parameters (start-up).
    void generateDefaultCombs();

    // ---- stakes, ratings, regular stakes ----
    StakeBook& stakes() { return m_stakes; }
    // Opens the ledger exclusively, taking the folder's writer lock first
    // when it is not held yet (as the desktop program, waiting for nothing).
    // False when another program holds either (the exclusive-access message
    // is shown) or it failed.
    bool openLedger();
    // Takes the folder's writer lock for `holder` (who writes, named to the
    // others), waiting up to `waitSeconds`. False with `heldBy` set to what
    // holds the folder. Throws pentad::Error when the lock file fails.
    bool holdFolder(const std::string& holder, double waitSeconds, std::string* heldBy);
    // Opens the ledger for reading beside whatever writes the folder: no
    // lock, nothing created or repaired.
    bool openLedgerForReading();

    // The end of a run, once the window layout is saved: saves and closes the
    // stake ledger (status "Сохранение файла ставок..."), which lets another
    // copy of the program into the folder. Settings are not written: every
    // change was written when it was made. The stores stay readable for the
    // lists until the window is gone.
    void shutdown();

    // ---- scenarios ----
    Scenario& scenario() { return m_scenario; }
    const Scenario& scenario() const { return m_scenario; }
    ScriptLog& scriptLog() { return m_scriptLog; }
    ScenarioRunner& runner() { return m_runner; }
    // Appends a scenario line per selected rating row (view order); returns
    // how many lines were added.
    int ratingsToScript(const std::vector<int>& rows);

    // ---- configuration dialog ----
    // Groups whose prefetch files an edited configuration invalidates:
    // mtx (4) when MatrixCols changed, grp (3) for ChannelSize, sgm (5) for
    // the segment table.
    static std::bitset<13> changedGroups(const TConfigData& before, const TConfigData& after);
    // Stores the edited record, writes GLOBAL/STAKES/CDL, rebuilds the method
    // list and, with prefetch files on, the files of the changed groups.
    bool applyConfig(const TConfigData& edited);

    // ---- shredding formulas ----
    // Replaces the three formulas and their decimals, writes SHREDDING,
    // rebuilds the method list keeping the choice and the prefetch files of
    // the shredding group. False when the configuration file could not be
    // written (the error box was shown; the new formulas are in use anyway).
    bool applyShredding(const std::array<std::string, 3>& formulas,
                        const std::array<uint8_t, 3>& digits);

    // Writes a boolean view option of the main window to "Pentad.frm" at once.
    void setViewOption(const char* key, bool value);
    void setViewOption(const char* key, int value);

    // ---- draw archive ----
    const DrawArchive& archive() const { return m_archive; }

    // Loads "Pentad.ldr": busy, status "Загрузка файла тиражей...", error box
    // "Ошибка чтения файла тиражей!" keeping the whole records read. Returns
    // false when the file was damaged or unreadable.
    bool loadArchive();
    // Writes "Pentad.ldr"; error box "Ошибка записи в файл тиражей!". Returns
    // false on failure.
    bool saveArchive();
    // Writes "Pentad.ldr" with the status "Сохранение файла тиражей...".
    // Throws pentad::Error.
    void writeArchive();
    // Appends draws (downloaded, already numbered) to the archive in memory.
    void appendDraws(const TDrawsArray& draws);

    // The record the add command proposes: all zero, number = next draw
    // number at row 0 (1 for an empty archive).
    TDrawRec newDrawTemplate() const;
    // Appends the draw (no check of its number), saves, refreshes.
    bool addDraw(const TDrawRec& draw);
    // Replaces the draw of list row `row`, saves, refreshes.
    bool editDraw(int row, const TDrawRec& draw);
    // Deletes the draws of the selected list rows after confirmation; false
    // when the user declined or saving failed.
    bool deleteDrawRows(std::vector<int> rows, bool confirmed = false);

    void setOffset(int k);
    int offset() const { return m_archive.offset(); }

    // Import/export of draw CSV files; false on failure (shown as error box).
    bool exportDraws(const std::string& path);
    // Returns the number of draws added, or -1 on failure.
    int importDraws(const std::string& path);

    // Draw information of list row `row`.
    DrawInfo drawInfo(int row);

    // Bits of Change set since the last call.
    unsigned takeChanges() {
        unsigned c = m_changes;
        m_changes = kChangeNone;
        return c;
    }

private:
    void refreshViews() { m_changes |= kChangeViews; }
    // Rebuilds the prefetch files of `groups` when prefetch files are on;
    // when they are off, removes them, so that they are counted afresh with
    // the new settings the next time they are needed.
    void renewPrefetchGroups(const std::bitset<13>& groups);

    Shell& m_shell;
    std::string m_folder;
    // Declared before the stores so that it is released after them.
    FolderLock m_writerLock;
    IniFile m_ini;
    IniFile m_frm;
    MainFormSettings m_form;
    DrawArchive m_archive;
    TStatList m_stats;
    int m_interfaceLanguage = kBuiltInLanguage;
    PrefetchStore m_prefetchs;
    StatPage m_statPage;
    CombinationSet m_combs;
    FilterEngine m_filters;
    StakeBook m_stakes;
    Scenario m_scenario;
    ScriptLog m_scriptLog;
    WorkspaceScenarioHost m_scenarioHost{*this};
    ScenarioRunner m_runner;
    OnlineServices m_online;
    unsigned m_changes = kChangeNone;
};

}  // namespace pentad
