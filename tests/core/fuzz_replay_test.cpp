// SPDX-License-Identifier: GPL-3.0-or-later
// Every stored fuzz input, old finds included, goes through its reader again.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "support/fuzz_readers.h"

namespace pentad {
namespace {

const std::filesystem::path kCorpus =
    std::filesystem::path(PENTAD_TEST_DATA_DIR).parent_path() / "fuzz" / "corpus";

TEST(FuzzCorpus, EveryStoredInputIsReadWithoutFault) {
    int replayed = 0;
    for (const std::string& target : test::coreFuzzTargets()) {
        const std::filesystem::path folder = kCorpus / target;
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
        int inTarget = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            EXPECT_NO_THROW(test::readAsTarget(target, bytes)) << entry.path();
            ++inTarget;
        }
        EXPECT_GT(inTarget, 0) << "no seed for " << target;
        replayed += inTarget;
    }
    EXPECT_GT(replayed, 0);
}

TEST(FuzzCorpus, UnknownReaderIsAnError) {
    EXPECT_THROW(test::readAsTarget("no-such-reader", ""), std::invalid_argument);
}

}  // namespace
}  // namespace pentad
