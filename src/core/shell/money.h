// SPDX-License-Identifier: GPL-3.0-or-later
// Money is a signed 64-bit fixed-point value of 1/10000 units. Conversions from
// real values and the rounding of statistic measures go to the nearest value
// with halves to even.
#pragma once

#include <cstdint>
#include <string>

namespace pentad {

using Money = int64_t;
inline constexpr Money kMoneyScale = 10000;

// Rounds to the nearest integer, halves to even.
int64_t roundHalfEven(long double value);

// value x 10000, rounded half to even.
Money moneyFromReal(long double value);
long double moneyToReal(Money value);

// Two decimals with "." as separator ("-1.00"), halves to even.
std::string moneyToText(Money value);

}  // namespace pentad
