// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_codecs.h"

#include <array>
#include <cstdint>

namespace pentad::catalogue {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of each byte in the alphabet, -1 outside it.
constexpr std::array<int8_t, 256> makeDecodeTable() {
    std::array<int8_t, 256> table{};
    for (auto& v : table) {
        v = -1;
    }
    for (size_t i = 0; i < kAlphabet.size(); ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int8_t>(i);
    }
    return table;
}
constexpr std::array<int8_t, 256> kDecode = makeDecodeTable();

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Escape letters for the bytes 7..13, in order.
constexpr std::string_view kControlLetters = "abtnvfr";

}  // namespace

std::string base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        uint32_t v = (static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16) |
                     (static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8) |
                     static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 2]));
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    size_t rest = bytes.size() - i;
    if (rest > 0) {
        uint32_t v = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
        if (rest == 2) {
            v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        }
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string base64Decode(std::string_view text) {
    // every 4 symbols give 3 bytes; the result is never longer than that
    std::string out(text.size() / 4 * 3 + 3, '\0');
    char* put = out.data();
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        int v = kDecode[static_cast<unsigned char>(c)];
        if (v < 0) {
            continue;
        }
        bits = (bits << 6) | static_cast<uint32_t>(v);
        count += 6;
        if (count >= 8) {
            count -= 8;
            *put++ = static_cast<char>((bits >> count) & 0xFF);
        }
    }
    out.resize(static_cast<size_t>(put - out.data()));
    return out;
}

std::optional<std::string> base64DecodeStrict(std::string_view text) {
    size_t symbols = 0;
    size_t padding = 0;
    for (char c : text) {
        if (isBlank(c)) {
            continue;
        }
        if (c == '=') {
            ++padding;
            continue;
        }
        if (kDecode[static_cast<unsigned char>(c)] < 0 || padding > 0) {
            return std::nullopt;
        }
        ++symbols;
    }
    if (padding > 2 || symbols % 4 == 1) {
        return std::nullopt;
    }
    if (padding > 0 && (symbols + padding) % 4 != 0) {
        return std::nullopt;
    }
    return base64Decode(text);
}

std::string escapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b <= 6) {
            out += '\\';
            out += static_cast<char>('0' + b);
        } else if (b <= 13) {
            out += '\\';
            out += kControlLetters[b - 7];
        } else if (b == 27) {
            out += "\\e";
        } else if (c == '"' || c == '\'' || c == '?' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        char e = text[i];
        if (e >= '0' && e <= '6') {
            out += static_cast<char>(e - '0');
        } else if (e == '"' || e == '\'' || e == '?' || e == '\\') {
            out += e;
        } else if (e == 'e') {
            out += static_cast<char>(27);
        } else if (size_t k = kControlLetters.find(e); k != std::string_view::npos) {
            out += static_cast<char>(7 + k);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool isUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        size_t len = 0;
        uint32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + len > bytes.size()) {
            return false;
        }
        for (size_t k = 1; k < len; ++k) {
            auto n = static_cast<unsigned char>(bytes[i + k]);
            if ((n & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (n & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += len;
    }
    return true;
}

}  // namespace pentad::catalogue
