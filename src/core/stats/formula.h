// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic evaluator behind the shredding methods, the substitution of
// a draw's digits into a user formula, and the shredded value: the first k
// decimals of the fractional part of the formula's absolute value.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "game/records.h"

namespace pentad {

// Evaluates arithmetic text on extended reals: decimal numbers (digits, an
// optional decimal point and an optional exponent "E"), binary + and - below
// *, / and ^ (power), which share one level and apply left to right (2*3^2 is
// 36), unary + and - in front of an operand (-2^2 is 4), parentheses, and the
// functions ARCTAN COS SIN TAN ABS EXP LN LOG (base 10) SQRT SQR (square) INT
// FRAC TRUNC ROUND (halves to even) ARCSIN ARCCOS SIGN NOT (1 for 0, else 0),
// names without regard to case, each with its argument in parentheses.
// Empty on a syntax error, a division by zero or any result that is not a
// finite number.
std::optional<long double> evaluateExpression(std::string_view text);

// The digits a formula reads: n1..n5 of the valued draw, p1..p5 of the draw
// before it, t1..t5 of the draw two back.
struct FormulaDigits {
    std::array<uint8_t, kPositions> n{};
    std::array<uint8_t, kPositions> p{};
    std::array<uint8_t, kPositions> t{};
};

// The formula with, for i = 1..5 in turn, every "n<i>", then "p<i>", then
// "t<i>" (letters without regard to case) replaced by the digit's decimal text.
std::string substituteFormula(std::string_view formula, const FormulaDigits& digits);

// Position (from 0) of the first character a formula cannot be read at, with
// the variables n1..n5, p1..p5 and t1..t5 standing for digits; empty when the
// formula reads. For the settings dialog: a formula that reads may still fail
// for some digits (a division by zero), and then gives 0.
std::optional<size_t> formulaSyntaxError(std::string_view formula);

// Trunc(Frac(|x|) * 10^decimals) of the substituted formula's value x, 0 when
// it cannot be evaluated. Decimals are taken in 0..9.
int32_t shredValue(std::string_view formula, int decimals, const FormulaDigits& digits);

// A formula read once and valued for many digit rows with the same results as
// shredValue: the digits fill prepared slots instead of rewriting the text,
// unless a variable touches a neighbouring number or name, where only the
// text says what the formula means.
class ShredFormula {
public:
    ShredFormula(std::string formula, int decimals);
    ~ShredFormula();
    ShredFormula(ShredFormula&&) noexcept;
    ShredFormula& operator=(ShredFormula&&) noexcept;

    const std::string& text() const { return m_text; }
    int decimals() const { return m_decimals; }
    int32_t value(const FormulaDigits& digits) const;

private:
    struct Program;
    std::string m_text;
    int m_decimals;
    std::unique_ptr<Program> m_program;  // null: evaluate the rewritten text
};

}  // namespace pentad
