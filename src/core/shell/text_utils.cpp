// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/text_utils.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace pentad {

std::string trim(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') {
        ++b;
    }
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') {
        --e;
    }
    return std::string(text.substr(b, e - b));
}

std::vector<std::string> splitAny(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || delimiters.find(text[i]) != std::string_view::npos) {
            words.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

bool parseInteger(std::string_view text, long long& value) {
    if (text.empty()) {
        return false;
    }
    size_t pos = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        pos = 1;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size()) {
        return false;
    }
    unsigned long long acc = 0;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        int d;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        } else {
            return false;
        }
        acc = acc * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (acc > static_cast<unsigned long long>(LLONG_MAX) + 1ULL) {
            return false;
        }
    }
    if (!negative && acc > static_cast<unsigned long long>(LLONG_MAX)) {
        return false;
    }
    value = negative ? static_cast<long long>(0 - acc) : static_cast<long long>(acc);
    return true;
}

bool parseInt32(std::string_view text, int& value) {
    long long v = 0;
    if (!parseInteger(text, v) || v < INT_MIN || v > INT_MAX) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

int textToInt(std::string_view text) {
    int v = 0;
    return parseInt32(text, v) ? v : 0;
}

bool parseReal(std::string_view text, long double& value) {
    if (text.empty()) {
        return false;
    }
    std::string s(text);
    for (char& c : s) {
        if (c == ',') {
            c = '.';
        }
        if (static_cast<unsigned char>(c) <= ' ') {
            return false;
        }
    }
    errno = 0;
    char* end = nullptr;
    long double v = std::strtold(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0' || errno == ERANGE) {
        return false;
    }
    // strtold also accepts "inf", "nan" and hexadecimal floats; the files do not.
    for (char c : s) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' ||
              c == 'E')) {
            return false;
        }
    }
    value = v;
    return true;
}

std::string join(const std::vector<std::string>& words, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += words[i];
    }
    return out;
}

}  // namespace pentad
