// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/formula.h"

#include <cmath>
#include <iomanip>
#include <random>

#include <gtest/gtest.h>

namespace pentad {
namespace {

long double valueOf(const char* text) {
    std::optional<long double> v = evaluateExpression(text);
    EXPECT_TRUE(v.has_value()) << text;
    return v.value_or(-999);
}

// Steps of one representable extended value between a and b, counted up to
// `cap` + 1. The transcendental functions of the evaluator may differ in their
// last bit between processor makers, so results are compared in these steps,
// never exactly.
int ulpsBetween(long double a, long double b, int cap = 64) {
    int steps = 0;
    while (a != b && steps <= cap) {
        a = std::nextafter(a, b);
        ++steps;
    }
    return steps;
}

// The evaluator's value of `text` lies within `ulps` steps of `expected`.
::testing::AssertionResult evaluatesTo(const char* text, long double expected, int ulps = 1) {
    std::optional<long double> v = evaluateExpression(text);
    if (!v) {
        return ::testing::AssertionFailure() << text << " gives nothing";
    }
    const int steps = ulpsBetween(*v, expected);
    if (steps > ulps) {
        return ::testing::AssertionFailure() << text << " = " << std::setprecision(21) << *v << ", "
                                             << steps << " steps from " << expected;
    }
    return ::testing::AssertionSuccess();
}

FormulaDigits digits(std::array<uint8_t, 5> n, std::array<uint8_t, 5> p = {},
                     std::array<uint8_t, 5> t = {}) {
    return FormulaDigits{n, p, t};
}

TEST(Formula, OperatorsShareLevelsLeftToRight) {
    EXPECT_TRUE(evaluatesTo("2*3^2", 36));
    EXPECT_TRUE(evaluatesTo("2^3*2", 16));
    EXPECT_TRUE(evaluatesTo("2^3^2", 64));
    EXPECT_TRUE(evaluatesTo("8/2/2", 2));
    EXPECT_TRUE(evaluatesTo("1+2*3", 7));
    EXPECT_TRUE(evaluatesTo("10-2-3", 5));
    EXPECT_TRUE(evaluatesTo("(1+2)*3", 9));
    EXPECT_TRUE(evaluatesTo("-2^2", 4));
    EXPECT_TRUE(evaluatesTo("2*-3", -6));
    EXPECT_TRUE(evaluatesTo(" 1.5E2 + .5 ", 150.5L));
    EXPECT_TRUE(evaluatesTo("2^-1", 0.5L));
}

TEST(Formula, FunctionsWithoutRegardToCase) {
    EXPECT_TRUE(evaluatesTo("SQRT(16)", 4));
    EXPECT_TRUE(evaluatesTo("sqrt(16)+Sqr(3)", 13));
    EXPECT_TRUE(evaluatesTo("abs(-2)*sign(-5)", -2));
    EXPECT_TRUE(evaluatesTo("int(-2.7)+trunc(2.7)", 0));
    EXPECT_TRUE(evaluatesTo("frac(-2.5)", -0.5L));
    EXPECT_TRUE(evaluatesTo("round(2.5)+round(3.5)", 6));  // halves to even
    EXPECT_TRUE(evaluatesTo("log(1000)", 3));
    EXPECT_NEAR(static_cast<double>(valueOf("ln(exp(2))")), 2, 1e-15);
    EXPECT_TRUE(evaluatesTo("not(0)+not(3)", 1));
    EXPECT_NEAR(static_cast<double>(valueOf("arctan(1)*4")), 3.14159265358979, 1e-12);
    EXPECT_NEAR(static_cast<double>(valueOf("ArcSin(1)-ArcCos(0)+cos(0)+sin(0)+tan(0)")), 1, 1e-15);
}

// Whole-number results of the transcendental functions come out within one
// step of the last place on any processor: the shown digits of a shredding
// formula never hang on the last bits of a maker's instructions.
TEST(Formula, TranscendentalFunctionsOfWholeResultsAreWithinOneUlp) {
    for (int k = 0; k <= 18; ++k) {
        const std::string text = "log(1E" + std::to_string(k) + ")";
        EXPECT_TRUE(evaluatesTo(text.c_str(), k));
        const std::string inverse = "log(1E-" + std::to_string(k) + ")";
        EXPECT_TRUE(evaluatesTo(inverse.c_str(), -k));
    }
    for (int n = 0; n <= 1000; n += 7) {
        const std::string text = "sqrt(" + std::to_string(n * n) + ")";
        EXPECT_TRUE(evaluatesTo(text.c_str(), n));
        const std::string squared = "sqr(sqrt(" + std::to_string(n) + "))";
        EXPECT_TRUE(evaluatesTo(squared.c_str(), n, 2));
    }
    for (int x = 1; x <= 9; ++x) {
        const std::string text = "exp(ln(" + std::to_string(x) + "))";
        EXPECT_TRUE(evaluatesTo(text.c_str(), x));
        const std::string back = "ln(exp(" + std::to_string(x) + "))";
        EXPECT_TRUE(evaluatesTo(back.c_str(), x));
    }
    EXPECT_TRUE(evaluatesTo("ln(1)+sin(0)+tan(0)+arctan(0)+arcsin(0)", 0));
    EXPECT_TRUE(evaluatesTo("cos(0)", 1));
    EXPECT_TRUE(evaluatesTo("arctan(1)*4", 3.141592653589793238462643383279502884L));
    EXPECT_TRUE(evaluatesTo("arccos(-1)", 3.141592653589793238462643383279502884L));
    EXPECT_TRUE(evaluatesTo("(2^0.5)*(2^0.5)", 2, 2));
    EXPECT_TRUE(evaluatesTo("10^log(7)", 7, 2));
}

TEST(Formula, FailuresGiveNothing) {
    for (const char* bad : {"", "1/0", "1/(2-2)", "2+", "(1", "1)", "foo(1)", "sqrt 4", "sqrt(-1)",
                            "ln(0)", "0^-1", "1 2", "n1", "1e99999", "2..5"}) {
        EXPECT_FALSE(evaluateExpression(bad).has_value()) << bad;
    }
    EXPECT_EQ(formulaSyntaxError("(n1+n2)/(n3+n4+n5)"), std::nullopt);
    EXPECT_EQ(formulaSyntaxError("n1/p1"), std::nullopt);  // fails only for some digits
    EXPECT_EQ(formulaSyntaxError("n1 + x2"), 5u);
    EXPECT_EQ(formulaSyntaxError("n1+n2+"), 6u);
    EXPECT_EQ(formulaSyntaxError("n6"), 0u);
}

TEST(Formula, ShreddedValues) {
    const FormulaDigits draw = digits({1, 2, 3, 4, 5});
    EXPECT_EQ(shredValue("(n1+n2)/(n3+n4+n5)", 2, draw), 25);
    EXPECT_EQ(shredValue("(n1+n2)/(n3+n4+n5)", 1, draw), 2);
    EXPECT_EQ(shredValue("(n1+n2)/(n3+n4+n5)", 2, digits({1, 2, 0, 0, 0})), 0);
    EXPECT_EQ(shredValue("n1/p1", 2, draw), 0);          // the draw before the first is all zero
    EXPECT_EQ(shredValue("-n1/n2*10.5", 3, draw), 250);  // |-5.25|
    EXPECT_EQ(
        shredValue("N1/P2+t1/8", 3, digits({1, 2, 3, 4, 5}, {0, 3, 0, 0, 0}, {1, 0, 0, 0, 0})),
        458);  // 1/3 + 1/8 = 0.458...
    EXPECT_EQ(shredValue("N1+P2", 2, draw), shredValue("n1+p2", 2, draw));
    EXPECT_EQ(
        substituteFormula("N1+p2*T3-n5", digits({1, 2, 3, 4, 5}, {6, 7, 8, 9, 0}, {5, 5, 5, 5, 5})),
        "1+7*5-5");
}

TEST(Formula, PreparedFormulaAgreesWithTheText) {
    // Variables next to numbers, names or exponents read together with them.
    const char* formulas[] = {
        "(n1+n2)/(n3+n4+n5)",
        "2n1/7",
        "n1n2/9",
        "nn1/3",
        "n1.5/7",
        "1E-n1*3/7",
        "-n1^2/p3",
        "sqrt(n1+p1*t2)/3",
        "ln(n2)/(n3-n4)",
        "n12/7",
        "t5/(p5-n5)",
        "round(n1/3)",
        "x1+n1",
        "(n1",
        "exp(n1)/9",
        // Every variable alone, none taken for a blank.
        "-1/(n1-p4)",
        "n1+n2+n3+n4+n5+(p1+p2+p3+p4+p5)*10+(t1+t2+t3+t4+t5)*100+0.123",
    };
    std::mt19937 rng(5);
    auto row = [&] {
        std::array<uint8_t, 5> d{};
        for (uint8_t& x : d) {
            x = static_cast<uint8_t>(rng() % 10);
        }
        return d;
    };
    for (const char* text : formulas) {
        for (int decimals : {1, 3, 5}) {
            ShredFormula prepared(text, decimals);
            for (int k = 0; k < 200; ++k) {
                FormulaDigits d = digits(row(), row(), row());
                ASSERT_EQ(prepared.value(d), shredValue(text, decimals, d)) << text;
            }
        }
    }
}

}  // namespace
}  // namespace pentad
