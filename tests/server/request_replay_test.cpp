// SPDX-License-Identifier: GPL-3.0-or-later
// Every stored fuzz input of the request handler is handled again.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "server/request_reader.h"
#include "support/temp_dir.h"

namespace pentad::server {
namespace {

TEST(RequestCorpus, EveryStoredRequestGetsAReply) {
    pentad::test::TempDir dir;
    test::RequestReader reader(dir.file("catalogue.sqlite"));
    const std::filesystem::path folder =
        std::filesystem::path(PENTAD_FUZZ_CORPUS_DIR) / "server_request";
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        EXPECT_NO_THROW(reader.read(bytes)) << entry.path();
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace pentad::server
