// SPDX-License-Identifier: GPL-3.0-or-later
// The application/x-www-form-urlencoded body of a catalogue request: built
// field by field by the program, parsed back by the catalogue server.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pentad::catalogue {

class Form {
public:
    using Field = std::pair<std::string, std::string>;

    // Appends a field with the value as given.
    void add(std::string_view name, std::string_view value);
    // Appends a field with the value backslash-escaped (escapeText).
    void addEscaped(std::string_view name, std::string_view value);
    // Appends a field with a decimal number.
    void addInt(std::string_view name, long long value);

    // The body as sent: "name=value" pairs joined by "&", names and values
    // percent-encoded (letters, digits and "-._~" stay, a blank becomes "+").
    std::string body() const;

    // Parses a body. A "%" not followed by two hexadecimal digits makes the
    // body malformed (nullopt); "+" is a blank; a pair without "=" is a field
    // with an empty value; empty pairs are skipped.
    static std::optional<Form> parse(std::string_view body);

    // The value of the first field with that name; nullptr when absent.
    const std::string* find(std::string_view name) const;

    const std::vector<Field>& fields() const { return m_fields; }

private:
    std::vector<Field> m_fields;
};

// Percent-encoding of one name or value as Form::body writes it.
std::string formEncodeValue(std::string_view value);

}  // namespace pentad::catalogue
