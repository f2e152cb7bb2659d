// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/text_keys.h"

#include "shell/cp1251.h"

namespace pentad::server {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) < 33; }

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string foldKey(std::string_view text) {
    text = trimBlanks(text);
    std::string joined;
    joined.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            joined += text[i];
        } else if (!isBlank(text[i - 1])) {
            joined += ' ';
        }
    }
    return utf8Upper(joined);
}

}  // namespace pentad::server
