// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/lcv_file.h"

#include <array>

#include "game/game_texts.h"
#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Value of one field: a number gives itself (a huge one gives -1, so it is
// out of range), anything else 0. `allowHex` adds the "$1F" / "0x1F" forms
// that the pasted text accepts like every other number typed by the user.
long long fieldValue(std::string_view field, bool allowHex) {
    std::string_view s = trimmed(field);
    size_t pos = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    bool decimal = pos < s.size();
    for (size_t i = pos; i < s.size() && decimal; ++i) {
        decimal = s[i] >= '0' && s[i] <= '9';
    }
    if (decimal) {
        long long v = 0;
        for (size_t i = pos; i < s.size(); ++i) {
            v = v * 10 + (s[i] - '0');
            if (v > 1000000) {
                return -1;
            }
        }
        return s[0] == '-' ? -v : v;
    }
    if (allowHex) {
        long long v = 0;
        if (parseInteger(s, v)) {
            return v;
        }
    }
    return 0;
}

// Splits at any of `separators`, ignoring empty fields; false when there are
// not exactly five.
bool splitFive(std::string_view line, std::string_view separators,
               std::array<std::string_view, kPositions>& fields) {
    int n = 0;
    size_t i = 0;
    while (i < line.size()) {
        if (separators.find(line[i]) != std::string_view::npos) {
            ++i;
            continue;
        }
        size_t end = line.find_first_of(separators, i);
        if (end == std::string_view::npos) {
            end = line.size();
        }
        if (n == kPositions) {
            return false;
        }
        fields[static_cast<size_t>(n++)] = line.substr(i, end - i);
        i = end;
    }
    return n == kPositions;
}

CombLine fieldsToComb(const std::array<std::string_view, kPositions>& fields, bool allowHex,
                      TCombRec& comb) {
    for (size_t i = 0; i < fields.size(); ++i) {
        long long v = fieldValue(fields[i], allowHex);
        if (v < 0 || v > 9) {
            return CombLine::Malformed;
        }
        comb.Digits[i] = static_cast<uint8_t>(v);
    }
    return CombLine::Combination;
}

// Calls fn(line) for every line; CR LF, LF and CR end a line.
template <typename Fn>
void forEachLine(std::string_view text, Fn&& fn) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            fn(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        fn(text.substr(start));
    }
}

void growTo(TCombsArray& combs, size_t n) {
    if (combs.size() < n) {
        combs.resize(n);
    }
}

}  // namespace

CombLine parseLcvLine(std::string_view line, TCombRec& comb) {
    if (trimmed(line).empty()) {
        return CombLine::Empty;
    }
    std::array<std::string_view, kPositions> fields;
    if (!splitFive(line, ",;", fields)) {
        return CombLine::Malformed;
    }
    return fieldsToComb(fields, false, comb);
}

CombLine parsePastedLine(std::string_view line, TCombRec& comb) {
    std::array<std::string_view, kPositions> fields;
    if (!splitFive(line, "\t ,-.:;|", fields)) {
        throw Error(format(texts::kBadCombination, std::string(line)));
    }
    return fieldsToComb(fields, true, comb);
}

int countLines(std::string_view text) {
    int n = 0;
    forEachLine(text, [&](std::string_view) { ++n; });
    return n;
}

CombListRead readLcvText(std::string_view text, TCombsArray& combs, int& count) {
    growTo(combs, static_cast<size_t>(count) + static_cast<size_t>(countLines(text)));
    CombListRead result;
    forEachLine(text, [&](std::string_view line) {
        switch (parseLcvLine(line, combs[static_cast<size_t>(count)])) {
            case CombLine::Combination:
                ++count;
                ++result.read;
                break;
            case CombLine::Malformed:
                ++result.skipped;
                break;
            case CombLine::Empty:
                break;
        }
    });
    return result;
}

CombListRead readPastedText(std::string_view text, TCombsArray& combs, int& count) {
    growTo(combs, static_cast<size_t>(count) + static_cast<size_t>(countLines(text)));
    CombListRead result;
    forEachLine(text, [&](std::string_view line) {
        if (parsePastedLine(line, combs[static_cast<size_t>(count)]) == CombLine::Combination) {
            ++count;
            ++result.read;
        } else {
            ++result.skipped;
        }
    });
    return result;
}

std::string lcvText(std::span<const TCombRec> combs) {
    std::string out;
    out.reserve(combs.size() * 11);
    for (const TCombRec& c : combs) {
        for (int i = 0; i < kPositions; ++i) {
            if (i > 0) {
                out += ';';
            }
            uint8_t d = c.Digits[static_cast<size_t>(i)];
            if (d < 10) {
                out += static_cast<char>('0' + d);
            } else {
                out += std::to_string(d);
            }
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace pentad
