// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/text_cut.h"

#include <array>

#include "online/online_texts.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/format_args.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

constexpr std::array<unsigned char, 256> makeLowerTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) {
        t[static_cast<size_t>(i)] =
            static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i + ('a' - 'A') : i);
    }
    return t;
}
constexpr std::array<unsigned char, 256> kLower = makeLowerTable();

unsigned char lower(char c) {
    return kLower[static_cast<unsigned char>(c)];
}

// A page can be large; the message shows its beginning only, so that the
// error box still fits on the screen.
constexpr size_t kShownTextMax = 2000;

[[noreturn]] void throwPairMissing(std::string_view text, std::string_view start,
                                   std::string_view end) {
    std::string shown(text.substr(0, kShownTextMax));
    if (text.size() > kShownTextMax) {
        shown += "...";
    }
    throw Error(formatIndexed(texts::kPairNotFound,
                              {cp1251ToUtf8(shown), cp1251ToUtf8(start), cp1251ToUtf8(end)}));
}

// Where the middle of a cut lies: [begin, end) and where the consumed part
// ends. found is false when the start marker is absent.
struct CutSpan {
    bool found = false;
    bool hasMiddle = false;
    size_t begin = 0;
    size_t end = 0;
    size_t consumed = 0;
};

CutSpan locate(std::string_view text, std::string_view start, std::string_view end, CutMode mode) {
    CutSpan span;
    size_t s = findNoCase(text, start);
    if (s == std::string_view::npos) {
        return span;
    }
    span.found = true;
    span.begin = s + start.size();
    if (end.empty()) {
        span.hasMiddle = true;
        span.end = text.size();
        span.consumed = text.size();
        return span;
    }
    size_t e = findNoCase(text, end, span.begin);
    if (e != std::string_view::npos) {
        span.hasMiddle = true;
        span.end = e;
        span.consumed = e + end.size();
        return span;
    }
    if (mode == CutMode::Strict) {
        throwPairMissing(text, start, end);
    }
    // No end marker after the first start means no later pair either.
    span.consumed = text.size();
    if (mode == CutMode::ToEnd) {
        span.hasMiddle = true;
        span.end = text.size();
    }
    return span;
}

}  // namespace

size_t findNoCase(std::string_view text, std::string_view marker, size_t from) {
    const size_t m = marker.size();
    if (m == 0 || from > text.size() || text.size() - from < m) {
        return std::string_view::npos;
    }
    const unsigned char first = lower(marker[0]);
    const size_t last = text.size() - m;
    for (size_t i = from; i <= last; ++i) {
        if (lower(text[i]) != first) {
            continue;
        }
        size_t k = 1;
        while (k < m && lower(text[i + k]) == lower(marker[k])) {
            ++k;
        }
        if (k == m) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string unquote(std::string_view text) {
    std::string t = trim(text);
    if (t.size() <= 1 || t.front() != '"' || t.back() != '"') {
        return t;
    }
    std::string out;
    out.reserve(t.size());
    for (size_t i = 1; i + 1 < t.size(); ++i) {
        if (t[i] != '"') {
            out += t[i];
        } else if (i + 2 < t.size() && t[i + 1] == '"') {
            out += '"';
            ++i;
        }
    }
    return out;
}

std::string cutBetween(std::string_view text, std::string_view start, std::string_view end,
                       CutMode mode) {
    CutSpan span = locate(text, start, end, mode);
    if (!span.hasMiddle) {
        return std::string();
    }
    return unquote(text.substr(span.begin, span.end - span.begin));
}

std::string cutNext(std::string_view& text, std::string_view start, std::string_view end,
                    CutMode mode) {
    CutSpan span = locate(text, start, end, mode);
    if (!span.found) {
        return std::string();
    }
    std::string result =
        span.hasMiddle ? unquote(text.substr(span.begin, span.end - span.begin)) : std::string();
    text.remove_prefix(span.consumed);
    return result;
}

std::string cutToNext(std::string_view& text, std::string_view marker) {
    size_t s = findNoCase(text, marker);
    if (s == std::string_view::npos) {
        return std::string();
    }
    size_t begin = s + marker.size();
    size_t next = findNoCase(text, marker, begin);
    if (next == std::string_view::npos) {
        next = text.size();
    }
    std::string result = unquote(text.substr(begin, next - begin));
    text.remove_prefix(next);
    return result;
}

std::string cutTwice(std::string_view text, std::string_view outerStart, std::string_view outerEnd,
                     CutMode mode, std::string_view innerEnd, std::string_view innerStart) {
    std::string outer = cutBetween(text, outerStart, outerEnd, mode);
    return cutBetween(outer, innerStart, innerEnd, mode);
}

}  // namespace pentad
