// SPDX-License-Identifier: GPL-3.0-or-later
// The tag-shaped replies of the catalogue server:
//   <result><row><name>value</name>...</row>...</result>
// A row with a non-empty "<error>" element is a refusal whose text is shown
// to the user. The writer is the server's; the reader follows the program's
// rules (markers found without regard to case, first occurrence, values
// trimmed and unquoted, no entity decoding), so the server's tests read the
// replies exactly as the program will.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pentad::catalogue {

class ReplyWriter {
public:
    ReplyWriter();

    // Starts a new row, closing the previous one.
    void beginRow();
    // A plain UTF-8 value. "<" and ">" are written as "‹" and "›", so no
    // value can break the reply's shape.
    void text(std::string_view name, std::string_view value);
    // A whole number.
    void number(std::string_view name, long long value);
    // Base64 of the bytes.
    void base64(std::string_view name, std::string_view bytes);
    // Appends text that is already in the tag shape (a cached row fragment,
    // including its "<row>" but not its "</row>"); closes the previous row.
    void rawRow(std::string_view fragment);
    // The whole reply; the writer starts afresh afterwards.
    std::string finish();
    // Room for the rows to come (a list of many rows is written in place).
    void reserve(size_t bytes) { m_out.reserve(m_out.size() + bytes + 16); }

    // A reply of one row refusing the request with a message for the user.
    static std::string error(std::string_view message);

private:
    void closeRow();

    std::string m_out;
    bool m_inRow = false;
};

// Writes "<name>" + value + "</name>" to `out` with the value as given; the
// building block of ReplyWriter and of cached row fragments.
void appendElement(std::string& out, std::string_view name, std::string_view value);
// `value` with "<" and ">" replaced as ReplyWriter::text does.
std::string plainValue(std::string_view value);

class ReplyRow {
public:
    explicit ReplyRow(std::string text) : m_text(std::move(text)) {}

    // The row's text between "<row>" and "</row>", trimmed and unquoted.
    const std::string& text() const { return m_text; }
    // The text between "<name>" and "</name>", trimmed and unquoted; "" when
    // the element is missing or not closed.
    std::string field(std::string_view name) const;
    // True when "<name>" occurs in the row.
    bool has(std::string_view name) const;
    // The refusal text ("" when the row is not a refusal).
    std::string error() const;
    // The element decoded from Base64 (leniently, as the program does).
    std::string base64Field(std::string_view name) const;
    // The element as a whole decimal number; nullopt when it is not one.
    std::optional<long long> intField(std::string_view name) const;

private:
    // Where the value of the first "<name>" begins; npos when absent. The
    // row's opening tags are indexed on first use, so reading every field of
    // a long list stays linear.
    size_t valueStart(std::string_view name) const;

    struct Tag {
        uint32_t name = 0;     // offset of the name after "<"
        uint32_t length = 0;   // length of the name
    };
    std::string m_text;
    mutable std::vector<Tag> m_tags;
    mutable bool m_indexed = false;
};

// The rows of a reply in order. No "<result>" gives no rows. Throws
// pentad::Error with the program's pair message when "</result>" or a
// "</row>" is missing.
std::vector<ReplyRow> readReply(std::string_view reply);

}  // namespace pentad::catalogue
