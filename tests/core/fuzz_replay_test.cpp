// SPDX-License-Identifier: GPL-3.0-or-later
// Every stored fuzz input, old finds included, goes through its reader again:
// each folder of the corpus is replayed, and a folder without a reader (or a
// reader without a folder) fails, so a new target cannot be left out.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/fuzz_readers.h"

namespace pentad {
namespace {

const std::filesystem::path kCorpus =
    std::filesystem::path(PENTAD_TEST_DATA_DIR).parent_path() / "fuzz" / "corpus";

// The server's request corpus is replayed by the server tests.
constexpr const char* kServerFolder = "server_request";

TEST(FuzzCorpus, EveryStoredInputIsReadWithoutFault) {
    const std::vector<std::string>& targets = test::coreFuzzTargets();
    std::set<std::string> seen;
    int replayed = 0;
    for (const auto& folder : std::filesystem::directory_iterator(kCorpus)) {
        if (!folder.is_directory()) {
            continue;
        }
        const std::string target = folder.path().filename().string();
        if (target == kServerFolder) {
            continue;
        }
        seen.insert(target);
        EXPECT_NE(std::find(targets.begin(), targets.end(), target), targets.end())
            << "corpus folder without a reader: " << target;
        int inTarget = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            EXPECT_NO_THROW(test::readAsTarget(target, bytes)) << entry.path();
            ++inTarget;
        }
        EXPECT_GT(inTarget, 0) << "no seed for " << target;
        replayed += inTarget;
    }
    for (const std::string& target : targets) {
        EXPECT_EQ(seen.count(target), 1u) << "reader without a corpus folder: " << target;
    }
    EXPECT_GT(replayed, 0);
}

TEST(FuzzCorpus, UnknownReaderIsAnError) {
    EXPECT_THROW(test::readAsTarget("no-such-reader", ""), std::invalid_argument);
}

}  // namespace
}  // namespace pentad
