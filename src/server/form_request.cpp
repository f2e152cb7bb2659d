// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/form_request.h"

#include "online/catalogue_codecs.h"
#include "online/catalogue_protocol.h"
#include "server/server_texts.h"
#include "server/text_keys.h"
#include "shell/cp1251.h"
#include "shell/error.h"

namespace pentad::server {

namespace {

// Field lengths an installation can send without reason to exceed.
constexpr size_t kMaxNameChars = 64;
constexpr size_t kMaxMailChars = 128;
constexpr size_t kMaxIdChars = 128;

}  // namespace

void requireMaxChars(std::string_view name, std::string_view text, size_t maxChars) {
    if (utf8Length(text) > maxChars) {
        throw RequestError(format(texts::kTooLong, std::string(name), static_cast<int>(maxChars)));
    }
}

const std::string& FormRequest::raw(std::string_view name) const {
    const std::string* value = m_form.find(name);
    if (value == nullptr) {
        throw RequestError(format(texts::kMissingField, std::string(name)));
    }
    return *value;
}

void FormRequest::requireUtf8(std::string_view name, const std::string& value) const {
    if (!catalogue::isUtf8(value)) {
        throw RequestError(format(texts::kNotUtf8, std::string(name)));
    }
}

long long FormRequest::integer(std::string_view name) const {
    auto value = catalogue::parseWholeNumber(trimBlanks(raw(name)));
    if (!value) {
        throw RequestError(format(texts::kNotNumber, std::string(name)));
    }
    return *value;
}

long long FormRequest::integer(std::string_view name, long long min, long long max) const {
    long long value = integer(name);
    if (value < min || value > max) {
        throw RequestError(format(texts::kOutOfRange, std::string(name)));
    }
    return value;
}

bool FormRequest::flag(std::string_view name) const { return integer(name) > 0; }

std::string FormRequest::plain(std::string_view name) const {
    const std::string& value = raw(name);
    requireUtf8(name, value);
    return value;
}

std::string FormRequest::escaped(std::string_view name) const {
    auto value = catalogue::unescapeText(raw(name));
    if (!value) {
        throw RequestError(format(texts::kBadEscape, std::string(name)));
    }
    requireUtf8(name, *value);
    return std::move(*value);
}

std::string FormRequest::escapedBase64(std::string_view name) const {
    auto decoded = catalogue::base64DecodeStrict(raw(name));
    if (!decoded) {
        throw RequestError(format(texts::kBadBase64, std::string(name)));
    }
    auto value = catalogue::unescapeText(*decoded);
    if (!value) {
        throw RequestError(format(texts::kBadEscape, std::string(name)));
    }
    requireUtf8(name, *value);
    return std::move(*value);
}

catalogue::Identity FormRequest::identity() const {
    namespace field = catalogue::field;
    catalogue::Identity id;
    id.appId = std::string(trimBlanks(plain(field::kAppId)));
    id.appVer = std::string(trimBlanks(plain(field::kAppVer)));
    id.hwdid = std::string(trimBlanks(plain(field::kHwdId)));
    id.name = std::string(trimBlanks(escaped(field::kName)));
    id.mail = std::string(trimBlanks(escaped(field::kMail)));
    id.lcid = static_cast<int>(integer(field::kLcid, 0, 0x7FFFFFFF));
    requireMaxChars(field::kAppId, id.appId, kMaxIdChars);
    requireMaxChars(field::kAppVer, id.appVer, kMaxIdChars);
    requireMaxChars(field::kHwdId, id.hwdid, kMaxIdChars);
    requireMaxChars(field::kName, id.name, kMaxNameChars);
    requireMaxChars(field::kMail, id.mail, kMaxMailChars);
    return id;
}

std::optional<catalogue::Identity> FormRequest::optionalIdentity() const {
    if (!has(catalogue::field::kAppId)) {
        return std::nullopt;
    }
    return identity();
}

}  // namespace pentad::server
