// SPDX-License-Identifier: GPL-3.0-or-later
// Reader and writer of the INI files "Pentad.ini", "Pentad.frm" and
// "Pentad.flt": cp1251 text with CR LF lines, sections and keys matched
// without regard to case. Reads return the caller's default for a missing key
// or a malformed number; every write goes to disk at once and keeps all other
// keys, sections and comment lines as they were.
#pragma once

#include <string>
#include <vector>

namespace pentad {

class IniFile {
public:
    // Opens the file at `path`; a missing or unreadable file reads as empty.
    explicit IniFile(std::string path);

    const std::string& path() const { return m_path; }

    // Re-reads the file from disk.
    void reload();

    bool hasSection(const std::string& section) const;
    bool hasKey(const std::string& section, const std::string& key) const;

    // Key names of a section in file order.
    std::vector<std::string> keys(const std::string& section) const;

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Decimal, with optional sign; "$1F" and "0x1F" are read as hexadecimal.
    long long readInt(const std::string& section, const std::string& key, long long def) const;
    // Integer not equal to 0 is true.
    bool readBool(const std::string& section, const std::string& key, bool def) const;
    // Either "," or "." is accepted as the decimal separator.
    long double readFloat(const std::string& section, const std::string& key,
                          long double def) const;

    // Each write updates the file on disk through a temporary file.
    // Throws pentad::Error when the file cannot be written.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInt(const std::string& section, const std::string& key, long long value);
    void writeBool(const std::string& section, const std::string& key, bool value);
    void writeFloat(const std::string& section, const std::string& key, long double value);

    // Removes a key or a whole section (written at once).
    void deleteKey(const std::string& section, const std::string& key);
    void eraseSection(const std::string& section);

    // Several writes with one disk write at the end of the batch.
    class Batch {
    public:
        explicit Batch(IniFile& file);
        ~Batch() noexcept(false);
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        IniFile& m_file;
    };

private:
    struct Line {
        std::string key;  // empty for comment and blank lines
        std::string value;
        std::string raw;  // the line as read, for comment lines
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    const Line* find(const std::string& section, const std::string& key) const;
    Section& sectionFor(const std::string& section);
    void set(const std::string& section, const std::string& key, const std::string& value);
    void flush();

    std::string m_path;
    std::vector<Section> m_sections;  // the first section may have an empty name
    int m_batchDepth = 0;
    bool m_dirty = false;
};

// Text of a real value as the configuration files hold it: up to 15
// significant digits, "," as the decimal separator, no exponent for ordinary
// magnitudes.
std::string floatToIniText(long double value);

}  // namespace pentad
