// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh temporary folder per test, removed afterwards, and helpers to write
// hand-made bytes into it.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace pentad::test {

class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pentad-test-XXXXXX").string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        char* made = ::mkdtemp(buf.data());
        m_path = made != nullptr ? made : pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(file(name), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string m_path;
};

// One 24-byte archive record written by hand: number, digits, date text.
inline std::string drawBytes(int32_t number, const std::vector<int>& digits,
                             const std::string& date) {
    std::string b(24, '\0');
    auto u = static_cast<uint32_t>(number);
    for (int i = 0; i < 4; ++i) {
        b[static_cast<size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
    }
    for (size_t i = 0; i < 5; ++i) {
        b[4 + i] = static_cast<char>(digits[i]);
    }
    b[9] = static_cast<char>(date.size());
    for (size_t i = 0; i < date.size() && i < 12; ++i) {
        b[10 + i] = date[i];
    }
    return b;
}

}  // namespace pentad::test
