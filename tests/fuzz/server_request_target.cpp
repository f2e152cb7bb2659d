// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the server's request handler (path line, form body)
// on one database kept for the whole run.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "server/request_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string database =
        "/tmp/pentad-fuzz-" + std::to_string(::getpid()) + ".sqlite";
    static auto reader = [] {
        ::unlink(database.c_str());
        return std::make_unique<pentad::server::test::RequestReader>(database);
    }();
    reader->read(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
