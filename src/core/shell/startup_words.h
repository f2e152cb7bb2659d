// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the command line that change how the program starts: a
// restart waits for the copy it replaces, and the batch words ("loadonly",
// "fullrecreate", "fullrefresh") run one job at start and end the program.
#pragma once

#include <string>
#include <vector>

namespace pentad {

struct StartupWords {
    bool restart = false;
    bool loadOnly = false;
    bool fullRecreate = false;
    bool fullRefresh = false;
    bool noLanguage = false;

    // The words present among the program's arguments (see hasCommandWord).
    static StartupWords of(const std::vector<std::string>& args);

    // A batch word is given: the online catalogue list is not loaded.
    bool batch() const { return loadOnly || fullRecreate || fullRefresh; }
    // "loadonly" ends the program after its download unless a prefetch word
    // asks for more work.
    bool endsAfterDownload() const { return loadOnly && !fullRecreate && !fullRefresh; }
};

}  // namespace pentad
