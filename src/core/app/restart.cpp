// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/restart.h"

#include "shell/file_io.h"
#include "shell/processes.h"
#include "stakes/stake_texts.h"

namespace pentad {

bool earlierCopyRuns(const std::string& programName, const std::string& folder) {
    return otherProcessRunning(programName) &&
           fileLockHeld(joinPath(folder, texts::kLedgerFileName));
}

bool waitForEarlierCopy(const std::string& programName, const std::string& folder,
                        const std::function<void()>& pause, int checks) {
    return waitUntilEnded([&] { return earlierCopyRuns(programName, folder); }, pause, checks);
}

}  // namespace pentad
