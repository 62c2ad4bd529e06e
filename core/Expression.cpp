#include "Expression.h"

#include <algorithm>
#include <tuple>

namespace tezzle {
namespace {

struct Term {
    std::string text;
    int precedence = 3; // 1 for + and -, 2 for * and /, 3 for a single die
};

Term join(const Term& left, char op, const Term& right) {
    const int precedence = (op == '+' || op == '-') ? 1 : 2;
    // The left operand keeps its own parentheses unless it binds more loosely; the right one
    // also needs them after - and / when it binds equally, since a - (b - c) != a - b - c.
    const bool wrapLeft = left.precedence < precedence;
    const bool wrapRight = right.precedence < precedence ||
                           (right.precedence == precedence && (op == '-' || op == '/'));
    Term t;
    t.precedence = precedence;
    t.text = (wrapLeft ? "(" + left.text + ")" : left.text) + ' ' + op + ' ' +
             (wrapRight ? "(" + right.text + ")" : right.text);
    return t;
}

Term apply(Operation op, const Term& a, const Term& b) {
    switch (op) {
    case Operation::Times:
        return join(a, '*', b);
    case Operation::Plus:
        return join(a, '+', b);
    case Operation::Minus:
        return join(a, '-', b);
    case Operation::MinusSwapped:
        return join(b, '-', a);
    case Operation::Divide:
        return join(a, '/', b);
    case Operation::DivideSwapped:
        return join(b, '/', a);
    }
    return a;
}

Term die(const Dice& dice, int position) {
    return {std::to_string(dice[position]), 3};
}

// How far the dice in the text stand from the order they were thrown in: pairs read the wrong
// way round, each digit taken as the first unused die of its value.
int disorder(const Dice& dice, const std::string& text) {
    std::array<int, 4> position{};
    std::array<bool, 4> used{};
    int count = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        for (int p = 0; p < 4; ++p)
            if (!used[p] && dice[p] == c - '0') {
                used[p] = true;
                position[count++] = p;
                break;
            }
    }
    int inversions = 0;
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            inversions += position[i] > position[j];
    return inversions;
}

// The values a derivation passes through on its way, before the last step.
std::array<Fraction, 2> steps(const Dice& dice, const Derivation& d) {
    const auto& p = d.positions;
    std::array<Fraction, 2> v{};
    combine(dieValue(dice, p[0]), dieValue(dice, p[1]), d.ops[0], v[0]);
    if (d.shape == Shape::Chain)
        combine(v[0], dieValue(dice, p[2]), d.ops[1], v[1]);
    else
        combine(dieValue(dice, p[2]), dieValue(dice, p[3]), d.ops[1], v[1]);
    return v;
}

// A player follows whole numbers more easily than fractions, and counts up more easily than
// below zero.
auto plainness(const Dice& dice, const Derivation& d, const std::string& text) {
    int fractions = 0, negatives = 0;
    for (Fraction v : steps(dice, d)) {
        fractions += v.num % v.den != 0;
        negatives += (v.num < 0) != (v.den < 0) && v.num != 0;
    }
    return std::make_tuple(fractions, std::count(text.begin(), text.end(), '('), negatives,
                           std::count(text.begin(), text.end(), '/'),
                           std::count(text.begin(), text.end(), '-'), disorder(dice, text), text);
}

} // namespace

std::string formatDerivation(const Dice& dice, const Derivation& d) {
    const auto& p = d.positions;
    if (d.shape == Shape::Chain) {
        const Term first = apply(d.ops[0], die(dice, p[0]), die(dice, p[1]));
        const Term second = apply(d.ops[1], first, die(dice, p[2]));
        return apply(d.ops[2], second, die(dice, p[3])).text;
    }
    const Term left = apply(d.ops[0], die(dice, p[0]), die(dice, p[1]));
    const Term right = apply(d.ops[1], die(dice, p[2]), die(dice, p[3]));
    return apply(d.ops[2], left, right).text;
}

std::array<std::string, 101> workedExamples(const Dice& dice) {
    std::array<std::string, 101> best{};
    std::array<decltype(plainness(dice, Derivation{}, {})), 101> bestPlainness{};
    auto consider = [&](const Derivation& d) {
        const int n = markedNumber(d.value);
        if (n == 0)
            return;
        std::string text = formatDerivation(dice, d);
        auto plain = plainness(dice, d, text);
        if (best[n].empty() || plain < bestPlainness[n]) {
            best[n] = std::move(text);
            bestPlainness[n] = std::move(plain);
        }
    };
    forEachChain(dice, consider);
    forEachPairing(dice, consider);
    return best;
}

} // namespace tezzle
