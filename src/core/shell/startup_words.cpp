// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup_words.h"

#include "shell/data_folder.h"

namespace pentad {

StartupWords StartupWords::of(const std::vector<std::string>& args) {
    StartupWords w;
    w.restart = hasCommandWord(args, words::kRestart);
    w.loadOnly = hasCommandWord(args, words::kLoadOnly);
    w.fullRecreate = hasCommandWord(args, words::kFullRecreate);
    w.fullRefresh = hasCommandWord(args, words::kFullRefresh);
    w.noLanguage = hasCommandWord(args, words::kNoLanguage);
    return w;
}

}  // namespace pentad
