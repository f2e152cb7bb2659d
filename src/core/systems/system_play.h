// SPDX-License-Identifier: GPL-3.0-or-later
// System play: the local system for the distinct digits of the combination
// set, staked whole or only where its combinations are in the set.
#pragma once

#include <optional>
#include <string>

#include "filters/combination_set.h"
#include "stakes/stake_book.h"
#include "systems/system_store.h"

namespace pentad {

class Shell;

struct SystemPlan {
    TByteArray numbers;
    LoadedSystem system;
    // "Системная игра для %d чисел [вся система]: %s" or "[комбинации]"
    std::string comment;
};

// Finds and maps the system (progress, error boxes). Empty when none.
std::optional<SystemPlan> prepareSystemStakes(Shell& shell, const std::string& dataFolder,
                                              const CombinationSet& combs, bool filterByList);

// Appends a separator, then a kind-4 stake per (sorted) system combination,
// or per one also in the set when filtering; checks at the end.
bool MakeSystemStakes(Shell& shell, StakeBook& book, const CombinationSet& combs,
                      const TConfigData& config, const SystemPlan& plan, bool filterByList,
                      int32_t drawNumber, int drawsCount, const std::string& comment);

}  // namespace pentad
