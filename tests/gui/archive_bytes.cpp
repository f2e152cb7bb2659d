// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-made archive bytes for the GUI tests.
#include "archive_bytes.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pentad::test {

void writeArchiveFile(const std::string& path, const std::vector<RawDraw>& draws) {
    std::string bytes;
    for (const RawDraw& d : draws) {
        std::string record(24, '\0');
        auto n = static_cast<uint32_t>(d.number);
        for (int i = 0; i < 4; ++i) {
            record[static_cast<size_t>(i)] = static_cast<char>((n >> (8 * i)) & 0xFF);
        }
        for (int p = 0; p < 5; ++p) {
            record[static_cast<size_t>(4 + p)] =
                static_cast<char>(d.digits[static_cast<size_t>(p)]);
        }
        record[9] = static_cast<char>(d.date.size());
        record.replace(10, d.date.size(), d.date);
        bytes += record;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<RawDraw> readArchiveFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() % 24 != 0) {
        throw std::runtime_error("archive size is not a multiple of 24: " + path);
    }
    std::vector<RawDraw> draws;
    for (size_t at = 0; at < bytes.size(); at += 24) {
        const auto* r = reinterpret_cast<const unsigned char*>(bytes.data() + at);
        RawDraw d;
        d.number =
            static_cast<int>(static_cast<uint32_t>(r[0]) | static_cast<uint32_t>(r[1]) << 8 |
                             static_cast<uint32_t>(r[2]) << 16 | static_cast<uint32_t>(r[3]) << 24);
        for (int p = 0; p < 5; ++p) {
            d.digits[static_cast<size_t>(p)] = r[4 + p];
        }
        d.date.assign(reinterpret_cast<const char*>(r + 10), r[9] <= 12 ? r[9] : 12);
        draws.push_back(d);
    }
    return draws;
}

}  // namespace pentad::test
