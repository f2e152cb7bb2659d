// SPDX-License-Identifier: GPL-3.0-or-later
// Typed access to the fields of one catalogue request. Every accessor
// refuses a missing or malformed field with a RequestError, whose text the
// server sends back in an "<error>" row.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "online/catalogue_form.h"
#include "online/catalogue_requests.h"

namespace pentad::server {

// A refused request; the text is for the user.
class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FormRequest {
public:
    explicit FormRequest(const catalogue::Form& form) : m_form(form) {}

    bool has(std::string_view name) const { return m_form.find(name) != nullptr; }

    // A whole decimal number (optional sign); with limits, also within them.
    long long integer(std::string_view name) const;
    long long integer(std::string_view name, long long min, long long max) const;
    // A number read as a yes/no flag: greater than zero is yes.
    bool flag(std::string_view name) const;
    // UTF-8 text as sent.
    std::string plain(std::string_view name) const;
    // Backslash-escaped UTF-8 text, unescaped.
    std::string escaped(std::string_view name) const;
    // Escaped UTF-8 text sent as Base64, decoded and unescaped.
    std::string escapedBase64(std::string_view name) const;

    // appid, appver, hwdid, cl_name, cl_mail and cl_lcid, all required.
    catalogue::Identity identity() const;
    // The identity when the request carries appid (all six are then
    // required), nullopt otherwise.
    std::optional<catalogue::Identity> optionalIdentity() const;

private:
    const std::string& raw(std::string_view name) const;
    void requireUtf8(std::string_view name, const std::string& value) const;

    const catalogue::Form& m_form;
};

// Throws RequestError when the text is longer than `maxChars` characters.
void requireMaxChars(std::string_view name, std::string_view text, size_t maxChars);

}  // namespace pentad::server
