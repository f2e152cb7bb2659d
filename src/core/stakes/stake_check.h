// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring the stakes of the ledger against the archive, and the stake logs
// "Pentad-<matches>.log" written for every scored stake while enabled.
#pragma once

#include <string>

#include "game/draw_archive.h"
#include "stakes/ledger.h"
#include "stakes/ratings.h"

namespace pentad {

class Shell;

// Logs beyond this size are started anew.
inline constexpr int64_t kStakeLogLimit = 268435456;

// The log line of a scored stake, without the timestamp.
std::string stakeLogText(const TStakeRec& stake);

// "yyyy.mm.dd hh:nn:ss" of the local time.
std::string logTimestamp();

class StakeLog {
public:
    StakeLog(Shell& shell, std::string folder) : m_shell(shell), m_folder(std::move(folder)) {}
    bool enabled = false;
    std::string pathFor(int matches) const;
    // Appends the stake's line to the log of its match count (when enabled
    // and the stake is scored); failures are shown and checking goes on.
    void LogStake(const TStakeRec& stake);
    // Deletes every stake log, with the operation summary.
    void DeleteLogs();

private:
    Shell& m_shell;
    std::string m_folder;
};

// Scores every unscored stake whose draw is in the archive, writes the
// records back in place, merges them into the ratings and logs them.
// Returns true when at least one stake was scored. With `scanFrom`, records
// before *scanFrom are taken as having nothing to score, and *scanFrom is set
// to the first record that may still need scoring later (a stake for a draw
// not in the archive), or to the record count.
bool CheckStakes(Shell& shell, StakeLedger& ledger, const DrawArchive& archive,
                 const TConfigData& config, TRatingsArray& ratings, StakeLog& log,
                 int* scanFrom = nullptr);

}  // namespace pentad
