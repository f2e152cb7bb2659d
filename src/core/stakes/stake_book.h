// SPDX-License-Identifier: GPL-3.0-or-later
// Everything about stakes the program holds for a run: the ledger, the
// ratings, the regular-stake rules and the stake logs, with the commands
// that change them, each framed by the busy state, status texts and error
// boxes. The combination set and the archive are read, never changed.
#pragma once

#include <string>
#include <vector>

#include "filters/combination_set.h"
#include "game/draw_archive.h"
#include "stakes/ledger.h"
#include "stakes/ratings.h"
#include "stakes/regular_stakes.h"
#include "stakes/stake_check.h"

namespace pentad {

class Shell;
class TStatList;

class StakeBook {
public:
    StakeBook(Shell& shell, std::string folder, DrawArchive& archive, const TStatList& stats,
              const CombinationSet& combs);

    StakeLedger& ledger() { return m_ledger; }
    StakeLog& log() { return m_log; }
    const TRatingsArray& ratings() const { return m_ratings; }
    const TTableArray& rules() const { return m_rules; }

    // ---- ledger ----
    // Opens the ledger at start-up; Locked means another copy of the program
    // works in this folder (the caller shows the exclusive-access message).
    StakeLedger::OpenResult LoadLedger();
    // Number of the draw a new stake is for: newest draw at the offset + 1.
    int nextDraw() const;
    // A kind-1 stake for the combination (no digits when null).
    TStakeRec newStake(StakeKind kind, const TCombRec& comb, const std::string& comment) const;

    // One stake (for one or several draws), then checking.
    bool CreateStake(const TStakeRec& rec, int drawsCount);
    // Stakes of every listed combination (set rows) with one draw number,
    // draws count and comment; checking once at the end.
    bool CreateStakesFor(const std::vector<int>& rows, int32_t drawNumber, int drawsCount,
                         const std::string& comment);
    // Ledger rows first..last (1-based), after confirmation.
    bool DeleteStakes(int first, int last, bool confirmed = false);
    bool DeleteByCondition(int mode, int value);
    bool ClearStakes(bool confirmed = false);
    // Scores what can be scored; reopens the ledger and re-sorts the ratings
    // when something was scored.
    bool CheckAndRefresh();

    // A batch of checks (a scenario run): the ledger is read only from the
    // first record that may still need scoring, and the ratings file is
    // written and the ledger flushed by FlushBatch (after each pass) rather
    // than after each check.
    // The ratings in memory follow every check as before, so the file after
    // a flush is the one the last check would have written.
    void BeginBatch();
    bool FlushBatch();
    void EndBatch();

    // ---- ratings ----
    int ratingsSortColumn = 3;
    bool ratingsDescending = true;
    bool LoadRatings();
    bool SaveRatings();
    bool SortRatings(int column, bool descending);
    bool RatingsRefresh(bool confirmed = false);
    bool ExportRatings(const std::string& path);

    // ---- regular stakes ----
    bool LoadRules();
    bool SaveRules();
    void clearRules() { m_rules.clear(); }
    bool AddRules(const TTableRec& dialogRule, const std::vector<int>& selectedRows);
    bool DeleteRules(std::vector<int> indices, bool confirmed = false);
    // The stake the focused rule makes now, and the advanced rule.
    std::pair<TStakeRec, TTableRec> RuleStake(int index) const;
    // Stores the advanced rule and creates the stake.
    bool CommitRuleStake(int index, const TTableRec& advanced, const TStakeRec& stake,
                         int drawsCount);
    // Stakes of the rules at offsets T .. 1; restores the offset.
    bool TestRules(const std::vector<int>& indices, int tests);

    // "Ставок: %d", "Рейтинг: %d".
    std::string stakesPanelText() const;
    std::string ratingsPanelText() const;

    // Bits: 1 ledger, 2 ratings, 4 rules, 8 offset moved (views to refresh).
    unsigned takeChanges() {
        unsigned c = m_changes;
        m_changes = 0;
        return c;
    }
    // True while the regular test moves the offset (views are not refreshed).
    bool refreshSuspended() const { return m_suspended; }

private:
    std::string path(const char* name) const;

    Shell& m_shell;
    std::string m_folder;
    DrawArchive& m_archive;
    const TStatList& m_stats;
    const CombinationSet& m_combs;
    StakeLedger m_ledger;
    StakeLog m_log;
    TRatingsArray m_ratings;
    TTableArray m_rules;
    unsigned m_changes = 0;
    bool m_suspended = false;
    bool m_batch = false;
    bool m_ratingsPending = false;
    bool m_reopenPending = false;
    int m_scanFrom = 0;
};

}  // namespace pentad
