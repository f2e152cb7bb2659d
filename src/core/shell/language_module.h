// SPDX-License-Identifier: GPL-3.0-or-later
// A language module: the translations of the program's Russian texts into one
// other language. The file "Pentad_<abbreviation>.lng" is UTF-8 text, one
// translation a line: the Russian text, a tab, the translated text. "\r",
// "\n", "\t" and "\\" stand for their characters, "\#" for a "#" that
// starts a text; blank lines and lines that start with "#" are skipped. A text with format items ("%s", "%d", "%0:d",
// "%.2f") also translates the messages made from it, the items keeping their
// values.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pentad {

class LanguageModule {
public:
    // Reads a module; throws Error naming the line of a fault.
    static LanguageModule load(const std::string& path);
    static LanguageModule parse(std::string_view text);

    // The translation of a whole text, or nullptr.
    const std::string* find(std::string_view text) const;

    // The translation of a text shown to the user: the whole text, else each
    // of its "\r\r" parts, else the format text it was made from; the text
    // as it stands when none of them is known.
    std::string translate(std::string_view text) const;

    size_t size() const { return m_texts.size(); }
    const std::unordered_map<std::string, std::string>& texts() const { return m_texts; }

private:
    struct Pattern {
        std::string source;
        std::string target;
    };
    bool translatePattern(std::string_view text, std::string& out) const;
    std::string translatePart(std::string_view text) const;

    std::unordered_map<std::string, std::string> m_texts;
    std::vector<Pattern> m_patterns;
};

// The module of the running program's interface language; none for the
// built-in Russian.
void setActiveLanguageModule(std::shared_ptr<const LanguageModule> module);
const LanguageModule* activeLanguageModule();

// `text` in the interface language.
std::string translated(std::string_view text);

}  // namespace pentad
