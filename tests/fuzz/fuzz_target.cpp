// SPDX-License-Identifier: GPL-3.0-or-later
// One libFuzzer target: PENTAD_FUZZ_TARGET names the reader it feeds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pentad::test::readAsTarget(PENTAD_FUZZ_TARGET,
                               std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
