// SPDX-License-Identifier: GPL-3.0-or-later
// The one exception type of Pentad and a small printf-style formatter for the
// program's own message texts (which carry %d and %s items).
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace pentad {

// A failure that ends a command. The text is UTF-8 and is shown to the user
// after the command's headline, as "Headline!\r\r<text>".
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace detail {
template <typename T>
auto formatArg(const T& value) {
    if constexpr (std::is_same_v<std::decay_t<T>, std::string>) {
        return value.c_str();
    } else {
        return value;
    }
}
}  // namespace detail

// Formats a message pattern with printf rules. Strings may be passed as
// std::string; they are UTF-8 like the pattern.
template <typename... Args>
std::string format(const char* pattern, const Args&... args) {
    int size = std::snprintf(nullptr, 0, pattern, detail::formatArg(args)...);
    if (size <= 0) {
        return std::string();
    }
    std::string out(static_cast<size_t>(size), '\0');
    std::snprintf(out.data(), out.size() + 1, pattern, detail::formatArg(args)...);
    return out;
}

}  // namespace pentad
