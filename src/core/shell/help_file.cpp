// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <vector>

#include "shell/chm_file.h"
#include "shell/cp1251.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/help_texts.h"

namespace pentad {

std::string locateHelpFile(const std::string& programDir, const std::string& language) {
    if (programDir.empty()) {
        return std::string();
    }
    std::string name = "Kestrel_" + language + ".chm";
    std::filesystem::path dir(programDir);
    std::vector<std::filesystem::path> candidates = {
        dir / name,
        dir / "help" / name,
        dir.parent_path() / "help" / name,
    };
    const std::string share = installedShareFolder(programDir);
    if (!share.empty()) {
        candidates.push_back(std::filesystem::path(share) / "help" / name);
    }
    for (const auto& c : candidates) {
        if (fileExists(c.string())) {
            return std::filesystem::absolute(c).lexically_normal().string();
        }
    }
    return std::string();
}

std::optional<HelpAddress> splitHelpAddress(const std::string& address) {
    constexpr std::string_view kScheme = "ms-its:";
    if (address.size() <= kScheme.size() ||
        !std::equal(kScheme.begin(), kScheme.end(), address.begin(), [](char a, char b) {
            return a == std::tolower(static_cast<unsigned char>(b));
        })) {
        return std::nullopt;
    }
    const size_t split = address.rfind("::");
    if (split == std::string::npos || split < kScheme.size()) {
        return std::nullopt;
    }
    HelpAddress out{address.substr(kScheme.size(), split - kScheme.size()),
                    address.substr(split + 2)};
    if (out.file.empty() || out.page.empty()) {
        return std::nullopt;
    }
    if (out.page.front() != '/') {
        out.page.insert(out.page.begin(), '/');
    }
    return out;
}

namespace {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

std::string helpPageToUtf8(const std::string& bytes) {
    // The declaration sits in the head; looking at the start is enough.
    const std::string head = lowerAscii(std::string_view(bytes).substr(0, 2048));
    const size_t at = head.find("charset=");
    if (at == std::string::npos) {
        return bytes;
    }
    size_t begin = at + 8;
    while (begin < head.size() && (head[begin] == '"' || head[begin] == '\'')) {
        ++begin;
    }
    size_t end = begin;
    while (end < head.size() && (std::isalnum(static_cast<unsigned char>(head[end])) ||
                                 head[end] == '-' || head[end] == '_')) {
        ++end;
    }
    const std::string charset = head.substr(begin, end - begin);
    if (charset != "windows-1251" && charset != "cp1251") {
        return bytes;
    }
    std::string text = cp1251ToUtf8(bytes);
    const std::string lowered = lowerAscii(text);
    const size_t declared = lowered.find(charset, lowered.find("charset="));
    if (declared != std::string::npos) {
        text.replace(declared, charset.size(), "utf-8");
    }
    return text;
}

std::string readHelpTopic(const std::string& address) {
    const std::optional<HelpAddress> topic = splitHelpAddress(address);
    if (!topic) {
        throw Error(format(texts::kHelpAddressInvalid, address));
    }
    const ChmFile file(topic->file);
    const std::optional<std::string> bytes = file.read(topic->page);
    if (!bytes) {
        throw Error(format(texts::kHelpTopicNotFound, topic->page, topic->file));
    }
    return helpPageToUtf8(*bytes);
}

namespace {

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x110000) {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Named references the help pages use; others stay as written.
struct NamedReference {
    std::string_view name;
    unsigned long code;
};
constexpr std::array<NamedReference, 19> kNamedReferences = {{
    {"amp", '&'},     {"lt", '<'},        {"gt", '>'},       {"quot", '"'},      {"apos", '\''},
    {"nbsp", 0xA0},   {"mdash", 0x2014},  {"ndash", 0x2013}, {"minus", 0x2212},  {"rarr", 0x2192},
    {"larr", 0x2190}, {"times", 0xD7},    {"le", 0x2264},    {"ge", 0x2265},     {"laquo", 0xAB},
    {"raquo", 0xBB},  {"hellip", 0x2026}, {"middot", 0xB7},  {"rsaquo", 0x203A},
}};

// Decodes the reference starting at text[i] ('&'); returns the characters used, 0 when
// it is not one.
size_t decodeReference(std::string_view text, size_t i, std::string& out) {
    const size_t semi = text.find(';', i);
    if (semi == std::string_view::npos || semi - i > 10) {
        return 0;
    }
    const std::string_view body = text.substr(i + 1, semi - i - 1);
    if (body.size() > 1 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        const std::string digits(body.substr(hex ? 2 : 1));
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [hex](unsigned char c) {
                return hex ? std::isxdigit(c) != 0 : std::isdigit(c) != 0;
            })) {
            return 0;
        }
        appendUtf8(out, std::stoul(digits, nullptr, hex ? 16 : 10));
        return semi - i + 1;
    }
    for (const NamedReference& r : kNamedReferences) {
        if (r.name == body) {
            appendUtf8(out, r.code);
            return semi - i + 1;
        }
    }
    return 0;
}

bool isBlockTag(std::string_view name) {
    constexpr std::array<std::string_view, 17> kBlocks = {
        "p",  "br", "div",   "h1",  "h2",      "h3", "h4", "li", "tr",
        "ul", "ol", "table", "pre", "section", "dl", "dt", "dd"};
    return std::find(kBlocks.begin(), kBlocks.end(), name) != kBlocks.end();
}

}  // namespace

std::string htmlToText(const std::string& html) {
    std::string_view text(html);
    const std::string lower = lowerAscii(text);
    const size_t body = lower.find("<body");
    size_t i = body == std::string::npos ? 0 : body;
    std::string out;
    bool pendingSpace = false;
    bool cellStarted = false;
    auto newLine = [&] {
        while (!out.empty() && out.back() == ' ') {
            out.pop_back();
        }
        if (!out.empty() && out.back() != '\n') {
            out += '\n';
        }
        pendingSpace = false;
        cellStarted = false;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '<') {
            const size_t close = text.find('>', i);
            if (close == std::string_view::npos) {
                break;
            }
            std::string_view tag = std::string_view(lower).substr(i + 1, close - i - 1);
            const bool closing = !tag.empty() && tag.front() == '/';
            if (closing) {
                tag.remove_prefix(1);
            }
            const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
            if (name == "style" || name == "script") {
                const size_t end = lower.find("</" + std::string(name), close);
                i = end == std::string::npos ? text.size() : lower.find('>', end) + 1;
                continue;
            }
            if (isBlockTag(name)) {
                newLine();
                if (!closing && name == "li") {
                    out += "- ";
                }
            } else if (!closing && (name == "td" || name == "th")) {
                if (cellStarted) {
                    out += '\t';
                }
                cellStarted = true;
                pendingSpace = false;
            }
            i = close + 1;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            pendingSpace = !out.empty() && out.back() != '\n' && out.back() != '\t';
            ++i;
            continue;
        }
        if (pendingSpace) {
            out += ' ';
            pendingSpace = false;
        }
        if (c == '&') {
            const size_t used = decodeReference(text, i, out);
            if (used > 0) {
                i += used;
                continue;
            }
        }
        out += c;
        ++i;
    }
    newLine();
    return out;
}

}  // namespace pentad
