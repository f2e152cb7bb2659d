// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/system_play.h"

#include "game/routines.h"
#include "shell/error.h"
#include "shell/shell.h"
#include "stakes/stake_texts.h"
#include "stats/stat_texts.h"
#include "systems/system_texts.h"

namespace pentad {

std::optional<SystemPlan> prepareSystemStakes(Shell& shell, const std::string& dataFolder,
                                              const CombinationSet& combs, bool filterByList) {
    OperationScope op(shell, texts::kPleaseWait);
    SystemPlan plan;
    TCombsArray current(combs.combs().begin(), combs.combs().end());
    plan.numbers = ListNumbers(current, combs.CombsCount());
    const int n = static_cast<int>(plan.numbers.size());
    bool ok = shell.guard(texts::kErrorLoadSystem,
                          [&] { plan.system = LoadSystemFor(dataFolder, plan.numbers); });
    if (!ok) {
        return std::nullopt;
    }
    if (!plan.system.found) {
        shell.error(format(texts::kSystemNotFoundBox, n));
        return std::nullopt;
    }
    plan.comment = format(filterByList ? texts::kSystemCommentList : texts::kSystemCommentAll, n,
                          plan.system.fileName);
    return plan;
}

bool MakeSystemStakes(Shell& shell, StakeBook& book, const CombinationSet& combs,
                      const TConfigData& config, const SystemPlan& plan, bool filterByList,
                      int32_t drawNumber, int drawsCount, const std::string& comment) {
    bool ok = true;
    {
        OperationScope op(shell, texts::kStatusCreatingStakes);
        ok = book.ledger().AppendSeparatorIfNeeded();
        const int32_t sample =
            filterByList ? combs.CombsCount() : static_cast<int32_t>(plan.system.combs.size());
        for (TCombRec c : plan.system.combs) {
            if (!ok) {
                break;
            }
            sortDigits(c.Digits);
            if (filterByList && !combs.ContainsComb(c)) {
                continue;
            }
            TStakeRec rec = makeStake(config, kStakeSystem, c, drawNumber, sample, comment);
            ok = book.ledger().AppendStake(rec, drawsCount);
        }
    }
    if (ok) {
        book.CheckAndRefresh();
    }
    return ok;
}

}  // namespace pentad
