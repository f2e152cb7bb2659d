// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/draw_csv.h"

#include <unordered_set>

#include "shell/cp1251.h"
#include "shell/file_io.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

bool isBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

}  // namespace

std::vector<std::string> splitDrawFields(std::string_view line) {
    std::vector<std::string> fields;
    size_t p = 0;
    const size_t n = line.size();
    while (p < n && isBlank(line[p])) {
        ++p;
    }
    while (p < n) {
        std::string field;
        if (line[p] == '"') {
            ++p;
            while (p < n) {
                if (line[p] == '"') {
                    if (p + 1 < n && line[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
        } else {
            size_t start = p;
            while (p < n && !isBlank(line[p]) && line[p] != ';') {
                ++p;
            }
            field.assign(line.substr(start, p - start));
        }
        fields.push_back(std::move(field));
        while (p < n && isBlank(line[p])) {
            ++p;
        }
        if (p < n && line[p] == ';') {
            if (p + 1 == n) {
                fields.emplace_back();
            }
            ++p;
            while (p < n && isBlank(line[p])) {
                ++p;
            }
        }
    }
    return fields;
}

std::string exportDrawsText(const TDrawsArray& draws) {
    std::string text;
    text.reserve(draws.size() * 32);
    for (const TDrawRec& d : draws) {
        text += std::to_string(d.Number);
        text += ';';
        text += quoted(d.dateText());
        for (uint8_t digit : d.Digits) {
            text += ';';
            text += std::to_string(digit);
        }
        text += "\r\n";
    }
    return utf8ToCp1251(text);
}

int importDrawsText(DrawArchive& archive, std::string_view bytes) {
    int added = 0;
    // Numbers stored before and during the import: one look-up per line
    // instead of a walk over the archive.
    std::unordered_set<int32_t> stored;
    stored.reserve(static_cast<size_t>(archive.count()) * 2 + 1024);
    for (const TDrawRec& d : archive.draws()) {
        stored.insert(d.Number);
    }
    for (const std::string& line : splitLines(cp1251ToUtf8(bytes))) {
        if (trim(line).empty()) {
            continue;
        }
        std::vector<std::string> f = splitDrawFields(line);
        size_t first = 0;
        TDrawRec draw;
        if (f.size() == 6) {
            draw.Number = archive.count() + 1;
            draw.setDateText(f[0]);
            first = 1;
        } else if (f.size() == 7) {
            draw.Number = textToInt(f[0]);
            draw.setDateText(f[1]);
            first = 2;
        } else {
            continue;
        }
        bool digitsValid = true;
        for (int i = 0; i < kPositions; ++i) {
            int v = textToInt(f[first + static_cast<size_t>(i)]);
            if (v < 0 || v > 9) {
                digitsValid = false;
                break;
            }
            draw.Digits[static_cast<size_t>(i)] = static_cast<uint8_t>(v);
        }
        if (!digitsValid || draw.Number <= 0 || !stored.insert(draw.Number).second) {
            continue;
        }
        archive.append(draw);
        ++added;
    }
    return added;
}

}  // namespace pentad
