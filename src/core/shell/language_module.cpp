// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/language_module.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

#include "shell/error.h"
#include "shell/file_io.h"

namespace pentad {
namespace {

std::shared_ptr<const LanguageModule>& activeModule() {
    static std::shared_ptr<const LanguageModule> module;
    return module;
}

std::optional<std::string> unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) {
            return std::nullopt;
        }
        switch (s[i]) {
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '\\': out += '\\'; break;
            case '#': out += '#'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

// A format item of a text: its place, length and the argument it shows.
struct Item {
    size_t pos;
    size_t length;
    int index;
};

// Items "%" [index ":"] ["-"] [width] ["." precision] letter; "%%" is none.
std::vector<Item> itemsOf(std::string_view s) {
    std::vector<Item> items;
    int next = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            continue;
        }
        if (i + 1 < s.size() && s[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        int index = -1;
        size_t k = j;
        while (k < s.size() && std::isdigit(static_cast<unsigned char>(s[k]))) {
            ++k;
        }
        // An argument index has at most two digits; "%12345678901:s" is
        // plain text, not an item asking for that many arguments.
        if (k > j && k - j <= 2 && k < s.size() && s[k] == ':') {
            index = std::stoi(std::string(s.substr(j, k - j)));
            j = k + 1;
        }
        if (j < s.size() && s[j] == '-') {
            ++j;
        }
        while (j < s.size() && (std::isdigit(static_cast<unsigned char>(s[j])) || s[j] == '.')) {
            ++j;
        }
        if (j < s.size() && std::isalpha(static_cast<unsigned char>(s[j]))) {
            if (index < 0) {
                index = next;
            }
            next = index + 1;
            items.push_back({i, j + 1 - i, index});
            i = j;
        }
    }
    return items;
}

// Literal text between items, with "%%" read as "%".
std::string literal(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (s[i] == '%' && i + 1 < s.size() && s[i + 1] == '%') {
            ++i;
        }
    }
    return out;
}

// Matches `text` against the literal pieces of `pattern`, collecting the
// values of its items by argument index.
bool matchPattern(std::string_view pattern, const std::vector<Item>& items, std::string_view text,
                  size_t item, size_t textPos, std::vector<std::string>& values) {
    const size_t litStart = item == 0 ? 0 : items[item - 1].pos + items[item - 1].length;
    const size_t litEnd = item < items.size() ? items[item].pos : pattern.size();
    const std::string lit = literal(pattern.substr(litStart, litEnd - litStart));
    if (item == items.size()) {
        return text.substr(textPos) == lit;
    }
    if (text.substr(textPos, lit.size()) != lit) {
        return false;
    }
    const size_t valueStart = textPos + lit.size();
    // The value runs to the next literal piece; the shortest that lets the rest match.
    for (size_t end = valueStart + 1; end <= text.size(); ++end) {
        values[static_cast<size_t>(items[item].index)] =
            std::string(text.substr(valueStart, end - valueStart));
        if (matchPattern(pattern, items, text, item + 1, end, values)) {
            return true;
        }
    }
    return false;
}

}  // namespace

LanguageModule LanguageModule::parse(std::string_view text) {
    LanguageModule module;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const size_t tab = line.find('\t');
        std::optional<std::string> source;
        std::optional<std::string> target;
        if (tab != std::string_view::npos) {
            source = unescape(line.substr(0, tab));
            target = unescape(line.substr(tab + 1));
        }
        if (!source || !target || source->empty() || target->empty()) {
            throw Error(format("Строка %d: ожидается текст, знак табуляции и перевод", lineNumber));
        }
        if (itemsOf(*source).size() != itemsOf(*target).size()) {
            throw Error(format("Строка %d: в переводе другое число подстановок", lineNumber));
        }
        if (!module.m_texts.emplace(*source, *target).second) {
            throw Error(format("Строка %d: текст переведён дважды", lineNumber));
        }
        const std::vector<Item> items = itemsOf(*source);
        size_t itemChars = 0;
        for (const Item& item : items) {
            itemChars += item.length;
        }
        // A text of items alone would match any message.
        if (!items.empty() && itemChars < source->size()) {
            module.m_patterns.push_back({*source, *target});
        }
    }
    return module;
}

LanguageModule LanguageModule::load(const std::string& path) {
    return parse(readFileBytes(path));
}

const std::string* LanguageModule::find(std::string_view text) const {
    auto it = m_texts.find(std::string(text));
    return it == m_texts.end() ? nullptr : &it->second;
}

bool LanguageModule::translatePattern(std::string_view text, std::string& out) const {
    for (const Pattern& p : m_patterns) {
        const std::vector<Item> items = itemsOf(p.source);
        int count = 0;
        for (const Item& item : items) {
            count = std::max(count, item.index + 1);
        }
        std::vector<std::string> values(static_cast<size_t>(count));
        if (!matchPattern(p.source, items, text, 0, 0, values)) {
            continue;
        }
        out.clear();
        size_t pos = 0;
        for (const Item& item : itemsOf(p.target)) {
            out += literal(std::string_view(p.target).substr(pos, item.pos - pos));
            const size_t index = static_cast<size_t>(item.index);
            out += index < values.size() ? translate(values[index]) : std::string();
            pos = item.pos + item.length;
        }
        out += literal(std::string_view(p.target).substr(pos));
        return true;
    }
    return false;
}

std::string LanguageModule::translatePart(std::string_view text) const {
    if (const std::string* t = find(text)) {
        return *t;
    }
    std::string out;
    if (translatePattern(text, out)) {
        return out;
    }
    return std::string(text);
}

std::string LanguageModule::translate(std::string_view text) const {
    if (text.empty()) {
        return std::string();
    }
    if (const std::string* t = find(text)) {
        return *t;
    }
    std::string out;
    if (translatePattern(text, out)) {
        return out;
    }
    // A headline and its details, each translated on its own.
    const size_t split = text.find("\r\r");
    if (split == std::string_view::npos) {
        return std::string(text);
    }
    return translatePart(text.substr(0, split)) + "\r\r" + translate(text.substr(split + 2));
}

void setActiveLanguageModule(std::shared_ptr<const LanguageModule> module) {
    activeModule() = std::move(module);
}

const LanguageModule* activeLanguageModule() {
    return activeModule().get();
}

std::string translated(std::string_view text) {
    const LanguageModule* module = activeLanguageModule();
    return module != nullptr ? module->translate(text) : std::string(text);
}

}  // namespace pentad
