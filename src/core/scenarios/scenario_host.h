// SPDX-License-Identifier: GPL-3.0-or-later
// What the scenario runner needs from the program around it: the objects a
// run reads and changes, and the few settings it follows. The workspace
// provides it; the runner never sees the workspace itself.
#pragma once

#include <string>

#include "filters/combination_generator.h"
#include "filters/combination_set.h"
#include "filters/filter_engine.h"
#include "game/draw_archive.h"
#include "scenarios/scenario.h"
#include "scenarios/script_log.h"
#include "shell/shell.h"
#include "stakes/stake_book.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_page.h"

namespace pentad {

class ScenarioHost {
public:
    virtual ~ScenarioHost() = default;

    virtual Shell& shell() = 0;
    virtual const std::string& folder() const = 0;
    virtual Scenario& scenario() = 0;
    virtual ScriptLog& scriptLog() = 0;

    virtual const DrawArchive& archive() const = 0;
    virtual int offset() const = 0;
    virtual void setOffset(int k) = 0;

    virtual TStatList& stats() = 0;
    virtual StatPage& statPage() = 0;
    virtual PrefetchStore& prefetchs() = 0;
    virtual CombinationSet& combs() = 0;
    virtual FilterEngine& filters() = 0;
    virtual StakeBook& stakes() = 0;

    // The parameters of the default set ("FULL" start lists).
    virtual GenerateParams defaultGenerateParams() const = 0;
    // Check the stakes after every variant (else once per pass).
    virtual bool stakesCheckOnLine() const = 0;
    // Threads of a scenario test; 0 means one per core.
    virtual int scenarioJobs() const = 0;
};

}  // namespace pentad
