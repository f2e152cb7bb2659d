// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/text_keys.h"

#include <cstdint>

namespace pentad::server {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) < 33; }

// Reads one code point at `i` (advancing it). The text has been checked to
// be UTF-8 before; a truncated sequence at the end reads as its first byte.
uint32_t nextCodePoint(std::string_view text, size_t& i) {
    auto b = static_cast<unsigned char>(text[i]);
    size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (len == 1 || i + len > text.size()) {
        ++i;
        return b;
    }
    uint32_t cp = b & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) {
        cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    i += len;
    return cp;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

uint32_t lowerCase(uint32_t cp) {
    if (cp >= 'A' && cp <= 'Z') {
        return cp + 32;
    }
    if (cp >= 0x410 && cp <= 0x42F) {   // А..Я
        return cp + 0x20;
    }
    if (cp >= 0x400 && cp <= 0x40F) {   // Ѐ..Џ, Ё among them
        return cp + 0x50;
    }
    return cp;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

size_t charCount(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string foldKey(std::string_view text) {
    text = trimBlanks(text);
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            while (i < text.size() && isBlank(text[i])) {
                ++i;
            }
            out += ' ';
            continue;
        }
        appendUtf8(out, lowerCase(nextCodePoint(text, i)));
    }
    return out;
}

}  // namespace pentad::server
