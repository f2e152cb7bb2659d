// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner: "Прогноз" runs the scenario once at the current
// offset (stakes for the next draw), "Тест" runs it at offsets T .. 1 so every
// stake is for a known draw and is scored at once. Each line's filter items
// are expanded into variants; each variant gets a start list, its filters,
// and the stakes of the line's stake mode.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "filters/filter_engine.h"
#include "scenarios/scenario_host.h"
#include "scenarios/script_line.h"

namespace pentad {

class VariantPool;

struct ScenarioStatus {
    int lines = 0;
    int cycle = 0;
    int line = 0;
    int stakes = 0;
    std::string text;
};

class ScenarioRunner : public FilterRunHooks {
public:
    explicit ScenarioRunner(ScenarioHost& host);
    ~ScenarioRunner() override;

    // Threads of a scenario test: 0 follows the host's setting (one per core
    // unless configured), 1 runs everything on the calling thread. The
    // files a test writes do not depend on it.
    int jobs = 0;

    // Called whenever the scenario status bar changes (the desktop program
    // repaints it); the runner lets pending input run right after.
    std::function<void()> onStatus;
    // Called with the index of the line being run (to select it in the list).
    std::function<void(int)> onLine;

    const ScenarioStatus& status() const { return m_status; }
    bool running() const { return m_running; }
    bool CanRun() const;
    bool CanStop() const { return m_running && !m_stop; }

    // "Прогноз". A seed makes RAND choices reproducible; without one the run
    // seeds from the clock. False when the run was stopped or failed.
    bool ScriptRun(std::optional<uint32_t> seed = std::nullopt);
    // "Тест" over T offsets (1 .. draws - 1).
    bool ScriptTest(int tests, std::optional<uint32_t> seed = std::nullopt);
    // "Стоп": asks for confirmation unless `confirmed`.
    bool ScriptStop(bool confirmed = false);

    // ---- FilterRunHooks ----
    bool stopRequested() override { return PollStop(); }
    void requestStop() override { m_stop = true; }
    bool logging() const override;
    void log(const std::string& text) override;
    void variantProgress(int count) override;

    // Text of a scenario stake's comment (cut to 255 characters when `cut`).
    static std::string stakeComment(int line, int variant, const std::string& comment,
                                    const std::string& description, bool cut = true);

private:
    bool begin(std::optional<uint32_t> seed);
    void finish();
    bool PollStop();
    void setStatusText(const std::string& text);
    void RunScenario();
    void RunScenarioLine(int lineNumber, const std::string& text);
    bool BuildStartList(const TScriptOptions& options);
    bool BuildStartSet(const TScriptOptions& options);
    void RunVariants(const TScriptLine& line, int lineNumber, const FilterVariants& variants);
    void RunVariantsInParallel(const TScriptLine& line, int lineNumber,
                               const FilterVariants& variants, int threads);
    int threadCount() const;
    void MakeScenarioStakes(const TScriptOptions& options, int line,
                            const std::string& description, const std::string& comment,
                            int variant);
    void AddScenarioStake(const TCombRec& comb, bool throttled, bool newOnly,
                          const std::string& comment);
    void checkAfterLine();
    // The log banner and status text that open each variant.
    void beginVariant(int number, int count, const std::string& variantText);

    ScenarioHost& m_ws;
    bool m_running = false;
    bool m_stop = false;
    ScenarioStatus m_status;
    std::mt19937 m_rng;
    std::chrono::steady_clock::time_point m_lastThrottled{};
    int m_sortColumn = 1;
    bool m_sortDescending = false;
    std::unique_ptr<VariantPool> m_pool;  // worker threads for the run
};

}  // namespace pentad
