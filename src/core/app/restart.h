// SPDX-License-Identifier: GPL-3.0-or-later
// The start of a restarted program: it waits for the copy it replaces to let
// go of the data folder before it reads anything there.
#pragma once

#include <functional>
#include <string>

namespace pentad {

// How often and how long a restart looks for the earlier copy: 601 checks
// 100 ms apart, about a minute.
inline constexpr int kRestartChecks = 601;
inline constexpr int kRestartIntervalMs = 100;

// True while an earlier copy works on `folder`: a process runs an executable
// named `programName` and the stake ledger of the folder is held. A copy of
// the program working on another data folder is not waited for.
bool earlierCopyRuns(const std::string& programName, const std::string& folder);

// Waits (see waitUntilEnded) until no earlier copy works on `folder`. False
// when it still runs after `checks` checks; the restarted program then ends
// without a message.
bool waitForEarlierCopy(const std::string& programName, const std::string& folder,
                        const std::function<void()>& pause, int checks = kRestartChecks);

}  // namespace pentad
