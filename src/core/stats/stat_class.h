// SPDX-License-Identifier: GPL-3.0-or-later
// What a statistic method answers without an instance: its code, caption,
// group, flags, variants and how to create it. One StatClass object exists
// per method class; the registry lists them in their fixed order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace pentad {

class TCustomStat;
class TStatList;

enum StatFlag : uint8_t {
    kFlagS = 1u << 0,  // depends on the order of the digits
    kFlagN = 1u << 1,  // has a norm over the full set of combinations
    kFlagD = 1u << 2,  // relative to the latest draw of the window
    kFlagP = 1u << 3,  // period method
    kFlagG = 1u << 4,  // graph method (derived from IsGraph)
};

// The 13 groups.
inline constexpr int kGroupCount = 13;
// The group of the shredding methods, whose values follow the user formulas.
inline constexpr int kShreddingGroup = 12;
const char* groupCode(int group);     // "num", ... "" outside 0..12
const char* groupCaption(int group);  // "Числа тиража", ...
// "{ %1:s } %0:s" with caption and code; "#ERROR#" outside 0..12.
std::string groupHeading(int group);

// Letters of the set flags in the order S N D P G, without separators.
std::string flagLetters(uint8_t flags);

struct StatClass {
    using Factory = std::unique_ptr<TCustomStat> (*)(const TStatList& list, int variant);
    using RangeFn = std::pair<int, int> (*)(const TStatList& list);
    using CaptionFn = std::string (*)(int variant);

    const char* name = "";            // class name, e.g. "TstValues"
    const char* codeFormat = "";      // "NUMS", "POS%d"
    const char* captionFormat = "";   // may hold %d / %0:d and "%%s"
    const char* helpCodeFormat = nullptr;  // nullptr: the code format
    int group = 0;
    uint8_t baseFlags = 0;            // S, N, D, P
    bool enabled = true;
    bool visible = true;
    bool isGraph = false;
    bool hasNumericValue = true;
    bool hasVariants = false;
    RangeFn variantRange = nullptr;   // (0, 0) when null
    CaptionFn captionOf = nullptr;    // for captions that need more than the variant
    Factory create = nullptr;

    uint8_t flags() const { return static_cast<uint8_t>(baseFlags | (isGraph ? kFlagG : 0)); }
    bool hasNorm() const { return (baseFlags & kFlagN) != 0; }
    std::pair<int, int> range(const TStatList& list) const {
        return variantRange != nullptr ? variantRange(list) : std::pair<int, int>{0, 0};
    }
    std::string code(int variant) const;
    std::string caption(int variant) const;
    std::string helpCode(int variant) const;
    // "ms-its:" + help file + "::/Filters_1049_<help code>.htm"; empty
    // without a help file.
    std::string helpUrl(int variant, const std::string& helpFile) const;
};

}  // namespace pentad
