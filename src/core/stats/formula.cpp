// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/formula.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <vector>

namespace pentad {
namespace {

// Operands a formula may keep pending, and parentheses/signs it may nest.
constexpr int kMaxStack = 64;
constexpr int kMaxNesting = 64;

// Variables are written into a formula read once as the bytes 1..15
// (n1..n5, p1..p5, t1..t5), which no formula text holds.
constexpr int kSlotCount = 15;
constexpr char kLetters[3] = {'n', 'p', 't'};

// Slots are control characters that no formula holds and that are not blanks
// (TAB, LF, VT, FF and CR are skipped as blanks and must not stand for digits).
constexpr char kFirstSlot = 0x0E;

bool isSlot(char c) {
    return c >= kFirstSlot && c < kFirstSlot + kSlotCount;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

using Unary = long double (*)(long double);

struct Function {
    const char* name;  // lower case
    Unary apply;
};

// clang-format off
const Function kFunctions[] = {
    {"arctan", [](long double x) { return std::atan(x); }},
    {"cos",    [](long double x) { return std::cos(x); }},
    {"sin",    [](long double x) { return std::sin(x); }},
    {"tan",    [](long double x) { return std::tan(x); }},
    {"abs",    [](long double x) { return std::fabs(x); }},
    {"exp",    [](long double x) { return std::exp(x); }},
    {"ln",     [](long double x) { return std::log(x); }},
    {"log",    [](long double x) { return std::log10(x); }},
    {"sqrt",   [](long double x) { return std::sqrt(x); }},
    {"sqr",    [](long double x) { return x * x; }},
    {"int",    [](long double x) { return std::trunc(x); }},
    {"frac",   [](long double x) { return x - std::trunc(x); }},
    {"trunc",  [](long double x) { return std::trunc(x); }},
    // The default rounding mode takes halves to even.
    {"round",  [](long double x) { return std::nearbyint(x); }},
    {"arcsin", [](long double x) { return std::asin(x); }},
    {"arccos", [](long double x) { return std::acos(x); }},
    {"sign",   [](long double x) { return x > 0 ? 1.0L : x < 0 ? -1.0L : 0.0L; }},
    {"not",    [](long double x) { return x == 0 ? 1.0L : 0.0L; }},
};
// clang-format on

enum class Op : uint8_t { Number, Slot, Negate, Add, Sub, Mul, Div, Pow, Call };

struct Instr {
    Op op;
    uint8_t arg = 0;  // slot or function index
    long double value = 0;
};

// Recursive descent straight to postfix code.
class Parser {
public:
    Parser(std::string_view text, bool slots) : m_text(text), m_slots(slots) {}

    bool parse(std::vector<Instr>& code) {
        m_code = &code;
        if (!expr()) {
            return false;
        }
        skipSpaces();
        return m_pos == m_text.size() || fail();
    }
    size_t errorAt() const { return m_error; }

private:
    bool fail() {
        m_error = m_pos;
        return false;
    }
    char peek() {
        skipSpaces();
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void skipSpaces() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) {
            ++m_pos;
        }
    }
    bool emit(Instr in) {
        if (in.op == Op::Number || in.op == Op::Slot) {
            if (++m_depth > kMaxStack) {
                return fail();
            }
        } else if (in.op != Op::Negate && in.op != Op::Call) {
            --m_depth;
        }
        m_code->push_back(in);
        return true;
    }

    bool expr() {
        if (++m_nesting > kMaxNesting) {
            return fail();
        }
        bool ok = term();
        while (ok && (peek() == '+' || peek() == '-')) {
            Op op = m_text[m_pos++] == '+' ? Op::Add : Op::Sub;
            ok = term() && emit({op});
        }
        --m_nesting;
        return ok;
    }

    bool term() {
        bool ok = factor();
        while (ok && (peek() == '*' || peek() == '/' || peek() == '^')) {
            char c = m_text[m_pos++];
            Op op = c == '*' ? Op::Mul : c == '/' ? Op::Div : Op::Pow;
            ok = factor() && emit({op});
        }
        return ok;
    }

    bool factor() {
        char c = peek();
        if (c == '+' || c == '-') {
            if (++m_nesting > kMaxNesting) {
                return fail();
            }
            ++m_pos;
            bool ok = factor() && (c == '+' || emit({Op::Negate}));
            --m_nesting;
            return ok;
        }
        return primary();
    }

    bool primary() {
        char c = peek();
        if (isDigit(c) || c == '.') {
            return number();
        }
        if (m_slots && isSlot(c)) {
            ++m_pos;
            return emit({Op::Slot, static_cast<uint8_t>(c - kFirstSlot)});
        }
        if (c == '(') {
            return parenthesised();
        }
        if (isLetter(c)) {
            return call();
        }
        return fail();
    }

    bool number() {
        size_t start = m_pos;
        size_t digits = 0;
        auto eatDigits = [&] {
            while (m_pos < m_text.size() && isDigit(m_text[m_pos])) {
                ++m_pos;
                ++digits;
            }
        };
        eatDigits();
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            ++m_pos;
            eatDigits();
        }
        if (digits == 0) {
            m_pos = start;
            return fail();
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            size_t e = m_pos + 1;
            if (e < m_text.size() && (m_text[e] == '+' || m_text[e] == '-')) {
                ++e;
            }
            if (e < m_text.size() && isDigit(m_text[e])) {
                m_pos = e;
                eatDigits();
            }
        }
        long double v = 0;
        auto r = std::from_chars(m_text.data() + start, m_text.data() + m_pos, v,
                                 std::chars_format::general);
        if (r.ec != std::errc() || r.ptr != m_text.data() + m_pos || !std::isfinite(v)) {
            m_pos = start;
            return fail();
        }
        return emit({Op::Number, 0, v});
    }

    bool call() {
        size_t start = m_pos;
        std::string name;
        while (m_pos < m_text.size() && isLetter(m_text[m_pos])) {
            name += lower(m_text[m_pos++]);
        }
        size_t found = std::size(kFunctions);
        for (size_t f = 0; f < std::size(kFunctions); ++f) {
            if (name == kFunctions[f].name) {
                found = f;
            }
        }
        if (found == std::size(kFunctions)) {
            m_pos = start;
            return fail();
        }
        return parenthesised() && emit({Op::Call, static_cast<uint8_t>(found)});
    }

    // "(" expression ")", the parenthesis next at the cursor.
    bool parenthesised() {
        if (peek() != '(') {
            return fail();
        }
        ++m_pos;
        if (!expr()) {
            return false;
        }
        if (peek() != ')') {
            return fail();
        }
        ++m_pos;
        return true;
    }

    std::string_view m_text;
    bool m_slots;
    std::vector<Instr>* m_code = nullptr;
    size_t m_pos = 0;
    size_t m_error = 0;
    int m_depth = 0;
    int m_nesting = 0;
};

std::optional<long double> run(const std::vector<Instr>& code, const long double* slots) {
    std::array<long double, kMaxStack> st;
    int sp = 0;
    for (const Instr& in : code) {
        switch (in.op) {
            case Op::Number:
                st[static_cast<size_t>(sp++)] = in.value;
                continue;
            case Op::Slot:
                st[static_cast<size_t>(sp++)] = slots[in.arg];
                continue;
            case Op::Negate:
                st[static_cast<size_t>(sp - 1)] = -st[static_cast<size_t>(sp - 1)];
                continue;
            case Op::Call:
                st[static_cast<size_t>(sp - 1)] =
                    kFunctions[in.arg].apply(st[static_cast<size_t>(sp - 1)]);
                break;
            default: {
                long double b = st[static_cast<size_t>(--sp)];
                long double& a = st[static_cast<size_t>(sp - 1)];
                if (in.op == Op::Div && b == 0) {
                    return std::nullopt;
                }
                a = in.op == Op::Add   ? a + b
                    : in.op == Op::Sub ? a - b
                    : in.op == Op::Mul ? a * b
                    : in.op == Op::Div ? a / b
                                       : std::pow(a, b);
            }
        }
        if (!std::isfinite(st[static_cast<size_t>(sp - 1)])) {
            return std::nullopt;
        }
    }
    return sp == 1 ? std::optional<long double>(st[0]) : std::nullopt;
}

std::optional<std::vector<Instr>> compile(std::string_view text, bool slots) {
    std::vector<Instr> code;
    Parser parser(text, slots);
    if (!parser.parse(code)) {
        return std::nullopt;
    }
    return code;
}

// The formula with, for i = 1..5 in turn, every "n<i>", "p<i>" and "t<i>"
// (letter without regard to case) replaced left to right, without looking at
// replaced text again. `origin` (when given) receives the formula position
// each character of the result comes from.
template <typename TextOf>
std::string substitute(std::string_view formula, TextOf textOf,
                       std::vector<size_t>* origin = nullptr) {
    std::string text(formula);
    std::vector<size_t> from;
    if (origin != nullptr) {
        for (size_t i = 0; i < text.size(); ++i) {
            from.push_back(i);
        }
    }
    for (int i = 1; i <= kPositions; ++i) {
        for (int row = 0; row < 3; ++row) {
            const char letter = kLetters[row];
            const char digit = static_cast<char>('0' + i);
            std::string out;
            std::vector<size_t> outFrom;
            out.reserve(text.size());
            for (size_t k = 0; k < text.size(); ++k) {
                bool hit = k + 1 < text.size() && lower(text[k]) == letter && text[k + 1] == digit;
                std::string piece = hit ? textOf(row, i - 1) : std::string(1, text[k]);
                out += piece;
                if (origin != nullptr) {
                    outFrom.insert(outFrom.end(), piece.size(), from[k]);
                }
                k += hit ? 1 : 0;
            }
            text = std::move(out);
            from = std::move(outFrom);
        }
    }
    if (origin != nullptr) {
        *origin = std::move(from);
    }
    return text;
}

std::string digitText(const FormulaDigits& digits, int row, int i) {
    const auto& d = row == 0 ? digits.n : row == 1 ? digits.p : digits.t;
    return std::to_string(d[static_cast<size_t>(i)]);
}

std::array<long double, kSlotCount> slotValues(const FormulaDigits& d) {
    std::array<long double, kSlotCount> v{};
    for (size_t i = 0; i < kPositions; ++i) {
        v[i] = d.n[i];
        v[kPositions + i] = d.p[i];
        v[2 * kPositions + i] = d.t[i];
    }
    return v;
}

int32_t shred(std::optional<long double> x, int decimals) {
    if (!x) {
        return 0;
    }
    long double a = std::fabs(*x);
    long double scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    return static_cast<int32_t>(std::trunc((a - std::trunc(a)) * scale));
}

// A slot means the same as the digit it stands for unless a neighbour would
// read together with that digit: a number, a name, or the sign of an exponent.
bool slotsStandAlone(const std::string& text) {
    auto joins = [](char c) {
        return isDigit(c) || isLetter(c) || c == '.' || c == '_' || isSlot(c);
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (!isSlot(text[i])) {
            continue;
        }
        if ((i > 0 && joins(text[i - 1])) || (i + 1 < text.size() && joins(text[i + 1]))) {
            return false;
        }
        if (i >= 2 && (text[i - 1] == '+' || text[i - 1] == '-') &&
            (text[i - 2] == 'e' || text[i - 2] == 'E')) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<long double> evaluateExpression(std::string_view text) {
    std::optional<std::vector<Instr>> code = compile(text, false);
    if (!code) {
        return std::nullopt;
    }
    return run(*code, nullptr);
}

std::string substituteFormula(std::string_view formula, const FormulaDigits& digits) {
    return substitute(formula, [&](int row, int i) { return digitText(digits, row, i); });
}

std::optional<size_t> formulaSyntaxError(std::string_view formula) {
    // Every variable read as the digit 1.
    std::vector<size_t> origin;
    std::string text = substitute(
        formula, [](int, int) { return std::string("1"); }, &origin);
    std::vector<Instr> code;
    Parser parser(text, false);
    if (parser.parse(code)) {
        return std::nullopt;
    }
    size_t at = parser.errorAt();
    return at < origin.size() ? origin[at] : formula.size();
}

int32_t shredValue(std::string_view formula, int decimals, const FormulaDigits& digits) {
    return shred(evaluateExpression(substituteFormula(formula, digits)),
                 std::clamp(decimals, 0, 9));
}

struct ShredFormula::Program {
    std::optional<std::vector<Instr>> code;  // empty: the formula never reads
};

ShredFormula::ShredFormula(std::string formula, int decimals)
    : m_text(std::move(formula)), m_decimals(std::clamp(decimals, 0, 9)) {
    bool plain = std::none_of(m_text.begin(), m_text.end(), isSlot);
    std::string slotted = substitute(m_text, [](int row, int i) {
        return std::string(1, static_cast<char>(kFirstSlot + row * kPositions + i));
    });
    if (plain && slotsStandAlone(slotted)) {
        m_program = std::make_unique<Program>();
        m_program->code = compile(slotted, true);
    }
}

ShredFormula::~ShredFormula() = default;
ShredFormula::ShredFormula(ShredFormula&&) noexcept = default;
ShredFormula& ShredFormula::operator=(ShredFormula&&) noexcept = default;

int32_t ShredFormula::value(const FormulaDigits& digits) const {
    if (!m_program) {
        return shredValue(m_text, m_decimals, digits);
    }
    if (!m_program->code) {
        return 0;
    }
    std::array<long double, kSlotCount> slots = slotValues(digits);
    return shred(run(*m_program->code, slots.data()), m_decimals);
}

}  // namespace pentad
