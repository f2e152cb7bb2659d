// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/cp1251.h"

#include <array>
#include <cstdint>

namespace pentad {
namespace {

// Unicode code points of bytes 0x80..0xFF. Byte 0x98 has no character in the
// code page; it is carried as U+0098 so that it survives a round trip.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  //
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  //
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  //
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  //
};

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one code point at `pos`; returns false for a malformed sequence
// (pos then moves past the offending byte).
bool nextCodePoint(std::string_view text, size_t& pos, uint32_t& cp) {
    auto lead = static_cast<unsigned char>(text[pos]);
    size_t extra = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        ++pos;
        return false;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return false;
    }
    for (size_t i = 1; i <= extra; ++i) {
        auto c = static_cast<unsigned char>(text[pos + i]);
        if ((c & 0xC0) != 0x80) {
            pos += i;
            return false;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += extra + 1;
    return true;
}

int encodeChar(uint32_t cp) {
    if (cp < 0x80) {
        return static_cast<int>(cp);
    }
    for (size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp) {
            return static_cast<int>(0x80 + i);
        }
    }
    return '?';
}

uint32_t upperCodePoint(uint32_t cp) {
    if (cp >= 'a' && cp <= 'z') {
        return cp - 32;
    }
    if (cp >= 0x0430 && cp <= 0x044F) {
        return cp - 0x20;
    }
    if (cp >= 0x0450 && cp <= 0x045F) {
        return cp - 0x50;
    }
    if (cp == 0x0491) {
        return 0x0490;
    }
    return cp;
}

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else {
            appendUtf8(out, kHigh[b - 0x80]);
        }
    }
    return out;
}

std::string utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        uint32_t cp = 0;
        if (nextCodePoint(text, pos, cp)) {
            out.push_back(static_cast<char>(encodeChar(cp)));
        } else {
            out.push_back('?');
        }
    }
    return out;
}

size_t utf8Length(std::string_view text) {
    size_t n = 0;
    for (char ch : text) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

std::string utf8Left(std::string_view text, size_t count) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == count) {
                return std::string(text.substr(0, i));
            }
            ++chars;
        }
    }
    return std::string(text);
}

std::string utf8Upper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        size_t start = pos;
        uint32_t cp = 0;
        if (nextCodePoint(text, pos, cp)) {
            appendUtf8(out, upperCodePoint(cp));
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    return out;
}

bool sameTextNoCase(std::string_view a, std::string_view b) {
    return utf8Upper(a) == utf8Upper(b);
}

}  // namespace pentad
