// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_reply.h"

#include <cstring>

#include "online/catalogue_codecs.h"
#include "online/catalogue_protocol.h"
#include "shell/error.h"

namespace pentad::catalogue {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameNoCase(const char* a, std::string_view b) {
    for (size_t k = 0; k < b.size(); ++k) {
        if (lower(a[k]) != lower(b[k])) {
            return false;
        }
    }
    return true;
}

// First position of `marker` at or after `from`, ASCII letters compared
// without regard to case. Markers start with "<", so the search jumps from
// one "<" to the next.
size_t findNoCase(std::string_view text, std::string_view marker, size_t from = 0) {
    if (marker.empty() || marker.size() > text.size() || from > text.size() - marker.size()) {
        return std::string_view::npos;
    }
    const size_t last = text.size() - marker.size();
    const char first = marker[0];
    const bool letter = lower(first) != first || (first >= 'a' && first <= 'z');
    for (size_t i = from; i <= last; ++i) {
        if (!letter) {
            const void* hit = std::memchr(text.data() + i, first, last - i + 1);
            if (hit == nullptr) {
                return std::string_view::npos;
            }
            i = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
        }
        if (sameNoCase(text.data() + i, marker)) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) < 33) {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) < 33) {
        text.remove_suffix(1);
    }
    return text;
}

// Trims, and when the text is longer than one character and quoted, drops
// the outer quotes, turns doubled quotes into one and drops single ones.
std::string trimUnquote(std::string_view text) {
    text = trimmed(text);
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        return std::string(text);
    }
    std::string_view inner = text.substr(1, text.size() - 2);
    std::string out;
    for (size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] != '"') {
            out += inner[i];
        } else if (i + 1 < inner.size() && inner[i + 1] == '"') {
            out += '"';
            ++i;
        }
    }
    return out;
}

std::string openTag(std::string_view name) { return "<" + std::string(name) + ">"; }
std::string closeTag(std::string_view name) { return "</" + std::string(name) + ">"; }

[[noreturn]] void throwPairMissing(std::string_view start, std::string_view end,
                                   std::string_view text) {
    throw Error(format("Не удалось найти пару идентификаторов \"%s\" - \"%s\" в тексте\r\r[%s]!",
                       std::string(start), std::string(end), std::string(text)));
}

}  // namespace

void appendElement(std::string& out, std::string_view name, std::string_view value) {
    out += '<';
    out += name;
    out += '>';
    out += value;
    out += "</";
    out += name;
    out += '>';
}

std::string plainValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c == '<') {
            out += "\u2039";
        } else if (c == '>') {
            out += "\u203A";
        } else {
            out += c;
        }
    }
    return out;
}

namespace {
constexpr std::string_view kReplyStart = "<result>\n";
constexpr std::string_view kReplyEnd = "</result>\n";
}  // namespace

ReplyWriter::ReplyWriter() : m_out(kReplyStart) {}

void ReplyWriter::closeRow() {
    if (m_inRow) {
        m_out += "</row>\n";
        m_inRow = false;
    }
}

void ReplyWriter::beginRow() {
    closeRow();
    m_out += "<row>";
    m_inRow = true;
}

void ReplyWriter::text(std::string_view name, std::string_view value) {
    appendElement(m_out, name, plainValue(value));
}

void ReplyWriter::number(std::string_view name, long long value) {
    appendElement(m_out, name, std::to_string(value));
}

void ReplyWriter::base64(std::string_view name, std::string_view bytes) {
    appendElement(m_out, name, base64Encode(bytes));
}

void ReplyWriter::rawRow(std::string_view fragment) {
    closeRow();
    m_out += fragment;
    m_inRow = true;
}

std::string ReplyWriter::finish() {
    closeRow();
    m_out += kReplyEnd;
    std::string out = std::move(m_out);
    m_out = kReplyStart;
    return out;
}

std::string ReplyWriter::error(std::string_view message) {
    ReplyWriter writer;
    writer.beginRow();
    writer.text(element::kError, message);
    return writer.finish();
}

size_t ReplyRow::valueStart(std::string_view name) const {
    if (!m_indexed) {
        m_tags.reserve(24);
        // every "<" followed by a name and ">" (with no "<" between) is an
        // opening tag; that covers every place "<name>" occurs in the text
        const char* text = m_text.data();
        const size_t size = m_text.size();
        for (size_t i = m_text.find('<'); i != std::string::npos; i = m_text.find('<', i + 1)) {
            // names are short: a plain scan to the next "<" or ">" beats a
            // generic search for either
            size_t end = i + 1;
            while (end < size && text[end] != '<' && text[end] != '>') {
                ++end;
            }
            if (end == size) {
                break;
            }
            if (text[end] == '>' && text[i + 1] != '/') {
                m_tags.push_back({static_cast<uint32_t>(i + 1), static_cast<uint32_t>(end - i - 1)});
            }
        }
        m_indexed = true;
    }
    for (const Tag& tag : m_tags) {
        if (tag.length == name.size() && sameNoCase(m_text.data() + tag.name, name)) {
            return tag.name + tag.length + 1;
        }
    }
    return std::string::npos;
}

std::string ReplyRow::field(std::string_view name) const {
    size_t start = valueStart(name);
    if (start == std::string::npos) {
        return std::string();
    }
    char buffer[80];
    std::string longTag;
    std::string_view close;
    if (name.size() + 3 <= sizeof buffer) {
        buffer[0] = '<';
        buffer[1] = '/';
        std::memcpy(buffer + 2, name.data(), name.size());
        buffer[name.size() + 2] = '>';
        close = std::string_view(buffer, name.size() + 3);
    } else {
        longTag = closeTag(name);
        close = longTag;
    }
    size_t end = findNoCase(m_text, close, start);
    if (end == std::string::npos) {
        return std::string();
    }
    return trimUnquote(std::string_view(m_text).substr(start, end - start));
}

bool ReplyRow::has(std::string_view name) const { return valueStart(name) != std::string::npos; }

std::string ReplyRow::error() const { return field(element::kError); }

std::string ReplyRow::base64Field(std::string_view name) const {
    return base64Decode(field(name));
}

std::optional<long long> ReplyRow::intField(std::string_view name) const {
    return parseWholeNumber(field(name));
}

std::vector<ReplyRow> readReply(std::string_view reply) {
    static const std::string kOpenResult = openTag(element::kResult);
    static const std::string kCloseResult = closeTag(element::kResult);
    static const std::string kOpenRow = openTag(element::kRow);
    static const std::string kCloseRow = closeTag(element::kRow);

    std::vector<ReplyRow> rows;
    size_t start = findNoCase(reply, kOpenResult);
    if (start == std::string_view::npos) {
        return rows;
    }
    start += kOpenResult.size();
    size_t end = findNoCase(reply, kCloseResult, start);
    if (end == std::string_view::npos) {
        throwPairMissing(kOpenResult, kCloseResult, reply);
    }
    // unquoting copies, and a reply is seldom quoted: look at it in place
    std::string_view payload = trimmed(reply.substr(start, end - start));
    std::string unquoted;
    if (payload.size() > 1 && payload.front() == '"' && payload.back() == '"') {
        unquoted = trimUnquote(payload);
        payload = unquoted;
    }
    std::string_view rest = payload;
    for (;;) {
        size_t open = findNoCase(rest, kOpenRow);
        if (open == std::string_view::npos) {
            break;
        }
        size_t body = open + kOpenRow.size();
        size_t close = findNoCase(rest, kCloseRow, body);
        if (close == std::string_view::npos) {
            throwPairMissing(kOpenRow, kCloseRow, rest);
        }
        rows.emplace_back(trimUnquote(rest.substr(body, close - body)));
        rest.remove_prefix(close + kCloseRow.size());
    }
    return rows;
}

}  // namespace pentad::catalogue
