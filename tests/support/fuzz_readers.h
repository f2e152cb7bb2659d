// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of outside bytes, each behind one name: the fuzz targets feed
// them generated inputs, the test suite replays the stored corpus through
// them. A reader may refuse its input with pentad::Error; anything else (a
// crash, another exception, a sanitizer report) is a fault.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pentad::test {

// Names of the readers of the core library, one corpus folder each.
const std::vector<std::string>& coreFuzzTargets();

// Reads `bytes` with the reader `target`; throws std::invalid_argument for an
// unknown name.
void readAsTarget(std::string_view target, std::string_view bytes);

}  // namespace pentad::test
