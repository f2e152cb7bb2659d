// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/format_args.h"

#include <cstdio>

namespace pentad {

std::string formatIndexed(std::string_view p, const std::vector<FormatArg>& args) {
    std::string out;
    size_t next = 0;
    size_t i = 0;
    while (i < p.size()) {
        char c = p[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < p.size() && p[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        size_t j = i + 1;
        // Optional "index:".
        size_t k = j;
        while (k < p.size() && p[k] >= '0' && p[k] <= '9') {
            ++k;
        }
        size_t argIndex = next;
        if (k < p.size() && p[k] == ':' && k > j) {
            argIndex = static_cast<size_t>(std::stoul(std::string(p.substr(j, k - j))));
            j = k + 1;
        }
        bool left = false;
        if (j < p.size() && p[j] == '-') {
            left = true;
            ++j;
        }
        int width = -1;
        size_t w = j;
        while (j < p.size() && p[j] >= '0' && p[j] <= '9') {
            ++j;
        }
        if (j > w) {
            width = std::stoi(std::string(p.substr(w, j - w)));
        }
        int precision = -1;
        if (j < p.size() && p[j] == '.') {
            size_t s = ++j;
            while (j < p.size() && p[j] >= '0' && p[j] <= '9') {
                ++j;
            }
            precision = j > s ? std::stoi(std::string(p.substr(s, j - s))) : 0;
        }
        if (j >= p.size() || argIndex >= args.size()) {
            out.append(p.substr(i, j - i + (j < p.size() ? 1 : 0)));
            i = j + 1;
            continue;
        }
        char type = p[j];
        std::string piece;
        const FormatArg& arg = args[argIndex];
        if (type == 'd' || type == 'u' || type == 'x') {
            long long v = std::holds_alternative<long long>(arg) ? std::get<long long>(arg) : 0;
            char buf[64];
            if (type == 'x') {
                std::snprintf(buf, sizeof buf, "%.*llX", precision < 0 ? 1 : precision, v);
            } else {
                std::snprintf(buf, sizeof buf, "%.*lld", precision < 0 ? 1 : precision, v);
            }
            piece = buf;
        } else if (type == 's') {
            piece = std::holds_alternative<std::string>(arg) ? std::get<std::string>(arg)
                                                             : std::to_string(std::get<long long>(arg));
            if (precision >= 0 && piece.size() > static_cast<size_t>(precision)) {
                piece.resize(static_cast<size_t>(precision));
            }
        } else {
            out.append(p.substr(i, j - i + 1));
            i = j + 1;
            continue;
        }
        if (width > 0 && piece.size() < static_cast<size_t>(width)) {
            std::string pad(static_cast<size_t>(width) - piece.size(), ' ');
            piece = left ? piece + pad : pad + piece;
        }
        out += piece;
        next = argIndex + 1;
        i = j + 1;
    }
    return out;
}

}  // namespace pentad
