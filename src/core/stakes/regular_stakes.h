// SPDX-License-Identifier: GPL-3.0-or-later
// Regular stakes: standing rules that produce the next combination by
// shifting every digit of a base (the rule's last combination or the newest
// draw) by a fixed step, kept in "Pentad.ltb" as 276-byte records.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/draw_archive.h"
#include "game/records.h"

namespace pentad {

struct TTableRec {
    static constexpr size_t kSize = 276;
    std::string Comment;  // UTF-8, unique among the rules
    uint8_t FromDraw = 0;
    std::array<uint8_t, 5> Start{};
    std::array<uint8_t, 5> Last{};
    int32_t Step = 1;
    int32_t Count = 0;

    void encode(uint8_t* out) const;
    static TTableRec decode(const uint8_t* in);
    bool operator==(const TTableRec&) const = default;
};

using TTableArray = std::vector<TTableRec>;

// Advances a rule at the archive's current offset.
void NextCombination(TTableRec& rule, const DrawArchive& archive);

std::string encodeRules(const TTableArray& rules);
// Throws pentad::Error on a size that is not a multiple of 276.
TTableArray decodeRules(const std::string& bytes);

// The five cells of the rules list.
std::array<std::string, 5> ruleCells(const TTableRec& rule);

// Checks of the rule dialog: the start text (when editable), the comment,
// and a comment already used. Returns the message, or empty.
std::optional<std::string> validateRule(const std::string& comment, bool startEditable,
                                        const std::string& startText, const TTableArray& rules,
                                        std::array<uint8_t, 5>* start);

// The rules made by the add command: one rule when it draws from the archive
// or exactly one combination is selected; one rule per selected combination
// (comment + " (%d)" with its 1-based position) otherwise.
TTableArray rulesToAdd(const TTableRec& dialogRule, const std::vector<int>& selectedRows,
                       const TCombsArray& combs);

}  // namespace pentad
