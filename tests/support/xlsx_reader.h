// SPDX-License-Identifier: GPL-3.0-or-later
// Reads back what the tests wrote as a workbook: the parts of the zip file
// (stored or deflated, through zlib) and the cells of the first worksheet,
// each with its text and whether it was stored as a number.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace pentad::test {

inline uint32_t zipWord(const std::string& b, size_t at, int bytes) {
    if (at + static_cast<size_t>(bytes) > b.size()) {
        throw std::runtime_error("zip: truncated");
    }
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
    }
    return v;
}

// Every part of the zip file by name.
inline std::map<std::string, std::string> readZipParts(const std::string& zip) {
    size_t end = std::string::npos;
    for (size_t i = zip.size() >= 22 ? zip.size() - 22 : 0; i != std::string::npos; --i) {
        if (zipWord(zip, i, 4) == 0x06054b50) {
            end = i;
            break;
        }
        if (i == 0) {
            break;
        }
    }
    if (end == std::string::npos) {
        throw std::runtime_error("zip: no end of central directory");
    }
    const uint32_t entries = zipWord(zip, end + 10, 2);
    size_t at = zipWord(zip, end + 16, 4);
    std::map<std::string, std::string> parts;
    for (uint32_t e = 0; e < entries; ++e) {
        if (zipWord(zip, at, 4) != 0x02014b50) {
            throw std::runtime_error("zip: bad central directory entry");
        }
        const uint32_t method = zipWord(zip, at + 10, 2);
        const uint32_t packed = zipWord(zip, at + 20, 4);
        const uint32_t size = zipWord(zip, at + 24, 4);
        const uint32_t nameLength = zipWord(zip, at + 28, 2);
        const uint32_t extra = zipWord(zip, at + 30, 2);
        const uint32_t comment = zipWord(zip, at + 32, 2);
        const uint32_t local = zipWord(zip, at + 42, 4);
        const std::string name = zip.substr(at + 46, nameLength);
        at += 46 + nameLength + extra + comment;

        const size_t data = local + 30 + zipWord(zip, local + 26, 2) + zipWord(zip, local + 28, 2);
        std::string out(size, '\0');
        if (method == 0) {
            out = zip.substr(data, size);
        } else if (method == 8) {
            z_stream z{};
            if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
                throw std::runtime_error("zip: inflate");
            }
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
            z.avail_in = packed;
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = size;
            const int rc = inflate(&z, Z_FINISH);
            inflateEnd(&z);
            if (rc != Z_STREAM_END) {
                throw std::runtime_error("zip: damaged part " + name);
            }
        } else {
            throw std::runtime_error("zip: unknown method");
        }
        parts[name] = out;
    }
    return parts;
}

inline std::string xmlUnescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const size_t semi = text.find(';', i);
        const std::string entity = text.substr(i + 1, semi - i - 1);
        if (entity == "amp") {
            out += '&';
        } else if (entity == "lt") {
            out += '<';
        } else if (entity == "gt") {
            out += '>';
        } else if (entity == "quot") {
            out += '"';
        } else if (entity == "apos") {
            out += '\'';
        } else if (!entity.empty() && entity[0] == '#') {
            out += static_cast<char>(std::stoi(entity.substr(1)));
        }
        i = semi;
    }
    return out;
}

struct SheetCell {
    std::string text;
    bool number = false;
    int style = 0;  // index into the cell formats of styles.xml
};

struct Workbook {
    std::map<std::string, std::string> parts;
    // rows[r][c]; missing cells are empty texts
    std::vector<std::vector<SheetCell>> rows;
};

// Characters a workbook cannot hold as they are come as "_xHHHH_".
inline std::string ooxmlUnescape(const std::string& text) {
    static const std::regex escaped("_x([0-9A-Fa-f]{4})_");
    std::string out;
    auto last = text.cbegin();
    for (auto it = std::sregex_iterator(text.begin(), text.end(), escaped);
         it != std::sregex_iterator(); ++it) {
        out.append(last, (*it)[0].first);
        out += static_cast<char>(std::stoi((*it)[1].str(), nullptr, 16));
        last = (*it)[0].second;
    }
    out.append(last, text.cend());
    return out;
}

inline int columnIndex(const std::string& letters) {
    int c = 0;
    for (char l : letters) {
        c = c * 26 + (l - 'A' + 1);
    }
    return c - 1;
}

// The cells of the first worksheet.
inline Workbook readWorkbook(const std::string& zip) {
    Workbook book;
    book.parts = readZipParts(zip);
    std::vector<std::string> shared;
    const std::string& sst = book.parts["xl/sharedStrings.xml"];
    const std::regex si("<si>(?:<t[^>]*>([^<]*)</t>|<t/>)</si>");
    for (auto it = std::sregex_iterator(sst.begin(), sst.end(), si); it != std::sregex_iterator();
         ++it) {
        shared.push_back(xmlUnescape((*it)[1].str()));
    }
    const std::string& xml = book.parts.at("xl/worksheets/sheet1.xml");
    const std::regex cell("<c r=\"([A-Z]+)([0-9]+)\"([^>]*?)(?:/>|>([\\s\\S]*?)</c>)");
    const std::regex value("<v>([^<]*)</v>");
    const std::regex inlineText("<t[^>]*>([^<]*)</t>");
    const std::regex styleAttr("s=\"([0-9]+)\"");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), cell);
         it != std::sregex_iterator(); ++it) {
        const int c = columnIndex((*it)[1].str());
        const size_t r = static_cast<size_t>(std::stoi((*it)[2].str()) - 1);
        const std::string attributes = (*it)[3].str();
        const std::string body = (*it)[4].str();
        SheetCell out;
        std::smatch m;
        if (std::regex_search(attributes, m, styleAttr)) {
            out.style = std::stoi(m[1].str());
        }
        if (attributes.find("t=\"s\"") != std::string::npos) {
            std::regex_search(body, m, value);
            out.text = ooxmlUnescape(shared.at(static_cast<size_t>(std::stoi(m[1].str()))));
        } else if (attributes.find("t=\"inlineStr\"") != std::string::npos) {
            std::regex_search(body, m, inlineText);
            out.text = ooxmlUnescape(xmlUnescape(m[1].str()));
        } else if (std::regex_search(body, m, value)) {
            out.text = m[1].str();
            out.number = true;
        }
        if (book.rows.size() <= r) {
            book.rows.resize(r + 1);
        }
        if (book.rows[r].size() <= static_cast<size_t>(c)) {
            book.rows[r].resize(static_cast<size_t>(c) + 1);
        }
        book.rows[r][static_cast<size_t>(c)] = out;
    }
    return book;
}

}  // namespace pentad::test
