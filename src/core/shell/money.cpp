// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/money.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>

#include "shell/error.h"

namespace pentad {

int64_t roundHalfEven(long double value) {
    // llrintl follows the current rounding mode, which is round-to-nearest-even
    // unless something changed it; do not rely on that.
    long double floor = std::floor(value);
    long double diff = value - floor;
    auto base = static_cast<int64_t>(floor);
    if (diff > 0.5L) {
        return base + 1;
    }
    if (diff < 0.5L) {
        return base;
    }
    return (base % 2 == 0) ? base : base + 1;
}

Money moneyFromReal(long double value) {
    return roundHalfEven(value * static_cast<long double>(kMoneyScale));
}

long double moneyToReal(Money value) {
    return static_cast<long double>(value) / static_cast<long double>(kMoneyScale);
}

std::string moneyToText(Money value) {
    // Hundredths, rounded half to even on the exact integer.
    int64_t q = value / 100;
    int64_t r = value % 100;
    if (r > 50 || (r == 50 && (q % 2 != 0))) {
        ++q;
    } else if (r < -50 || (r == -50 && (q % 2 != 0))) {
        --q;
    }
    bool negative = q < 0;
    uint64_t a = negative ? static_cast<uint64_t>(-q) : static_cast<uint64_t>(q);
    return format("%s%llu.%02llu", negative ? "-" : "", static_cast<unsigned long long>(a / 100),
                  static_cast<unsigned long long>(a % 100));
}

}  // namespace pentad
