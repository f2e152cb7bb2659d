// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_form.h"

#include "online/catalogue_codecs.h"

namespace pentad::catalogue {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::string> formDecodeValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            int hi = hexValue(text[i + 1]);
            int lo = hexValue(text[i + 2]);
            if (hi < 0 || lo < 0) {
                return std::nullopt;
            }
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string formEncodeValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3 / 2);
    for (char c : value) {
        auto b = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

void Form::add(std::string_view name, std::string_view value) {
    m_fields.emplace_back(std::string(name), std::string(value));
}

void Form::addEscaped(std::string_view name, std::string_view value) {
    add(name, escapeText(value));
}

void Form::addInt(std::string_view name, long long value) { add(name, std::to_string(value)); }

std::string Form::body() const {
    std::string out;
    for (const auto& [name, value] : m_fields) {
        if (!out.empty()) {
            out += '&';
        }
        out += formEncodeValue(name);
        out += '=';
        out += formEncodeValue(value);
    }
    return out;
}

std::optional<Form> Form::parse(std::string_view body) {
    Form form;
    size_t start = 0;
    while (start <= body.size()) {
        size_t end = body.find('&', start);
        if (end == std::string_view::npos) {
            end = body.size();
        }
        std::string_view pair = body.substr(start, end - start);
        if (!pair.empty()) {
            size_t eq = pair.find('=');
            auto name = formDecodeValue(pair.substr(0, eq));
            auto value = formDecodeValue(eq == std::string_view::npos ? std::string_view()
                                                                      : pair.substr(eq + 1));
            if (!name || !value) {
                return std::nullopt;
            }
            form.m_fields.emplace_back(std::move(*name), std::move(*value));
        }
        start = end + 1;
    }
    return form;
}

const std::string* Form::find(std::string_view name) const {
    for (const auto& [n, v] : m_fields) {
        if (n == name) {
            return &v;
        }
    }
    return nullptr;
}

}  // namespace pentad::catalogue
