// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/web_text.h"

#include <array>
#include <cstdint>

#include "online/text_cut.h"

namespace pentad {
namespace {

constexpr const char* kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<signed char, 256> makeDecodeTable() {
    std::array<signed char, 256> t{};
    for (auto& v : t) {
        v = -1;
    }
    for (int i = 0; i < 64; ++i) {
        t[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    }
    return t;
}
constexpr std::array<signed char, 256> kDecode = makeDecodeTable();

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && findNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace

std::string base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        uint32_t v = (static_cast<unsigned char>(bytes[i]) << 16) |
                     (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                     static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    size_t rest = bytes.size() - i;
    if (rest > 0) {
        uint32_t v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) {
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        }
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string base64Decode(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3);
    uint32_t acc = 0;
    int bits = 0;
    for (char c : text) {
        int v = kDecode[static_cast<unsigned char>(c)];
        if (v < 0) {
            continue;
        }
        acc = (acc << 6) | static_cast<uint32_t>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((acc >> bits) & 0xFF);
        }
    }
    return out;
}

std::string escapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b <= 6) {
            out += '\\';
            out += static_cast<char>('0' + b);
        } else if (b >= 7 && b <= 13) {
            out += '\\';
            out += "abtnvfr"[b - 7];
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

std::string joinQuery(std::string_view a, std::string_view b) {
    if (!a.empty() && !b.empty()) {
        std::string out(a);
        out += '&';
        out += b;
        return out;
    }
    return std::string(a.empty() ? b : a);
}

std::string addressBase(std::string_view address) {
    size_t slash = address.rfind('/');
    if (slash == std::string_view::npos) {
        return std::string();
    }
    return std::string(address.substr(0, slash + 1));
}

bool isHttps(std::string_view address) {
    return startsWithNoCase(address, "https://");
}

std::string formEncode(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (char c : value) {
        auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            c == '-' || c == '_' || c == '.' || c == '~') {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

std::vector<std::string> replyRows(std::string_view reply) {
    std::vector<std::string> rows;
    std::string payload = cutBetween(reply, "<result>", "</result>", CutMode::Strict);
    std::string_view rest(payload);
    while (findNoCase(rest, "<row>") != std::string_view::npos) {
        rows.push_back(cutNext(rest, "<row>", "</row>", CutMode::Strict));
    }
    return rows;
}

std::string replyField(std::string_view row, std::string_view name) {
    std::string open = "<" + std::string(name) + ">";
    std::string close = "</" + std::string(name) + ">";
    return cutBetween(row, open, close, CutMode::Strict);
}

std::string replyError(std::string_view row) {
    return replyField(row, "error");
}

}  // namespace pentad
