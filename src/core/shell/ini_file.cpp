// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ini_file.h"

#include <cmath>
#include <cstdlib>

#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/text_utils.h"

namespace pentad {

IniFile::IniFile(std::string path) : m_path(std::move(path)) {
    reload();
}

void IniFile::reload() {
    m_sections.clear();
    m_sections.push_back(Section{});
    std::string bytes;
    try {
        if (!fileExists(m_path)) {
            return;
        }
        bytes = readFileBytes(m_path);
    } catch (const Error&) {
        return;
    }
    for (const std::string& rawLine : splitLines(cp1251ToUtf8(bytes))) {
        std::string line = trim(rawLine);
        if (line.size() >= 2 && line.front() == '[') {
            size_t close = line.find(']');
            if (close != std::string::npos) {
                m_sections.push_back(Section{trim(line.substr(1, close - 1)), {}});
                continue;
            }
        }
        size_t eq = line.find('=');
        if (!line.empty() && line[0] != ';' && line[0] != '#' && eq != std::string::npos && eq > 0) {
            m_sections.back().lines.push_back(
                Line{trim(line.substr(0, eq)), trim(line.substr(eq + 1)), rawLine});
        } else {
            m_sections.back().lines.push_back(Line{std::string(), std::string(), rawLine});
        }
    }
}

const IniFile::Line* IniFile::find(const std::string& section, const std::string& key) const {
    for (const Section& s : m_sections) {
        if (!sameTextNoCase(s.name, section) || (s.name.empty() && !section.empty())) {
            continue;
        }
        for (const Line& l : s.lines) {
            if (!l.key.empty() && sameTextNoCase(l.key, key)) {
                return &l;
            }
        }
    }
    return nullptr;
}

bool IniFile::hasSection(const std::string& section) const {
    for (const Section& s : m_sections) {
        if (!s.name.empty() && sameTextNoCase(s.name, section)) {
            return true;
        }
    }
    return false;
}

bool IniFile::hasKey(const std::string& section, const std::string& key) const {
    return find(section, key) != nullptr;
}

std::vector<std::string> IniFile::keys(const std::string& section) const {
    std::vector<std::string> out;
    for (const Section& s : m_sections) {
        if (!s.name.empty() && sameTextNoCase(s.name, section)) {
            for (const Line& l : s.lines) {
                if (!l.key.empty()) {
                    out.push_back(l.key);
                }
            }
        }
    }
    return out;
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const Line* line = find(section, key);
    if (line == nullptr) {
        return def;
    }
    const std::string& v = line->value;
    // Matching quotes around a value are not part of it.
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

long long IniFile::readInt(const std::string& section, const std::string& key,
                           long long def) const {
    const Line* line = find(section, key);
    if (line == nullptr) {
        return def;
    }
    long long value = 0;
    return parseInteger(line->value, value) ? value : def;
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool def) const {
    return readInt(section, key, def ? 1 : 0) != 0;
}

long double IniFile::readFloat(const std::string& section, const std::string& key,
                               long double def) const {
    const Line* line = find(section, key);
    if (line == nullptr) {
        return def;
    }
    long double value = 0;
    return parseReal(line->value, value) ? value : def;
}

IniFile::Section& IniFile::sectionFor(const std::string& section) {
    for (Section& s : m_sections) {
        if (!s.name.empty() && sameTextNoCase(s.name, section)) {
            return s;
        }
    }
    // A new section is separated from the previous one by an empty line.
    Section& last = m_sections.back();
    if (!last.lines.empty() && !(last.lines.back().key.empty() && trim(last.lines.back().raw).empty())) {
        last.lines.push_back(Line{});
    }
    m_sections.push_back(Section{section, {}});
    return m_sections.back();
}

void IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
    Section& s = sectionFor(section);
    for (Line& l : s.lines) {
        if (!l.key.empty() && sameTextNoCase(l.key, key)) {
            l.value = value;
            flush();
            return;
        }
    }
    // Insert after the last key so trailing blank lines stay between sections.
    size_t pos = s.lines.size();
    while (pos > 0 && s.lines[pos - 1].key.empty() && trim(s.lines[pos - 1].raw).empty()) {
        --pos;
    }
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(pos), Line{key, value, {}});
    flush();
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
    set(section, key, value);
}

void IniFile::writeInt(const std::string& section, const std::string& key, long long value) {
    set(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
    set(section, key, value ? "1" : "0");
}

void IniFile::writeFloat(const std::string& section, const std::string& key, long double value) {
    set(section, key, floatToIniText(value));
}

void IniFile::deleteKey(const std::string& section, const std::string& key) {
    for (Section& s : m_sections) {
        if (s.name.empty() || !sameTextNoCase(s.name, section)) {
            continue;
        }
        for (auto it = s.lines.begin(); it != s.lines.end(); ++it) {
            if (!it->key.empty() && sameTextNoCase(it->key, key)) {
                s.lines.erase(it);
                flush();
                return;
            }
        }
    }
}

void IniFile::eraseSection(const std::string& section) {
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it) {
        if (!it->name.empty() && sameTextNoCase(it->name, section)) {
            m_sections.erase(it);
            flush();
            return;
        }
    }
}

void IniFile::flush() {
    if (m_batchDepth > 0) {
        m_dirty = true;
        return;
    }
    std::string text;
    for (const Section& s : m_sections) {
        if (!s.name.empty()) {
            text += "[" + s.name + "]\r\n";
        }
        for (const Line& l : s.lines) {
            text += l.key.empty() ? l.raw : l.key + "=" + l.value;
            text += "\r\n";
        }
    }
    writeFileAtomic(m_path, utf8ToCp1251(text));
    m_dirty = false;
}

IniFile::Batch::Batch(IniFile& file) : m_file(file) {
    ++m_file.m_batchDepth;
}

IniFile::Batch::~Batch() noexcept(false) {
    if (--m_file.m_batchDepth == 0 && m_file.m_dirty && std::uncaught_exceptions() == 0) {
        m_file.flush();
    }
}

std::string floatToIniText(long double value) {
    std::string text = format("%.15Lg", value);
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

}  // namespace pentad
