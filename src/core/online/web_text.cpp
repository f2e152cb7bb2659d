// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/web_text.h"

#include "online/text_cut.h"

namespace pentad {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && findNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace

std::string joinQuery(std::string_view a, std::string_view b) {
    if (!a.empty() && !b.empty()) {
        std::string out(a);
        out += '&';
        out += b;
        return out;
    }
    return std::string(a.empty() ? b : a);
}

std::string addressBase(std::string_view address) {
    size_t slash = address.rfind('/');
    if (slash == std::string_view::npos) {
        return std::string();
    }
    return std::string(address.substr(0, slash + 1));
}

bool isHttps(std::string_view address) {
    return startsWithNoCase(address, "https://");
}

}  // namespace pentad
