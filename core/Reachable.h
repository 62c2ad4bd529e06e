#pragma once

#include "NumberSet.h"

#include <array>
#include <cstdint>

// Which whole numbers 1 to 100 a throw of four dice makes, each die used once, with + - x /.
// Every expression tree of four values is either a chain ((x o y) o z) o w or two pairs
// (x o y) o (z o w), once each operation is also tried with its operands swapped.
namespace tezzle {

using Dice = std::array<int, 4>; // values 1 to 6

// An exact value. Dice values are at most 6, so after three operations numerators and
// denominators stay far inside 32 bits; they are left unreduced because only the final test,
// "is this a whole number from 1 to 100", needs them.
struct Fraction {
    std::int32_t num = 0;
    std::int32_t den = 1; // never 0, may be negative

    friend constexpr bool operator==(Fraction a, Fraction b) {
        return std::int64_t{a.num} * b.den == std::int64_t{b.num} * a.den;
    }
};

// The six ways of combining A and B, in this order: A x B, A + B, A - B, B - A, A / B, B / A.
enum class Operation : std::uint8_t { Times, Plus, Minus, MinusSwapped, Divide, DivideSwapped };
inline constexpr int kOperations = 6;

// Combines a and b with the operation; false for a division by zero.
constexpr bool combine(Fraction a, Fraction b, Operation op, Fraction& out) {
    switch (op) {
    case Operation::Times:
        out = {a.num * b.num, a.den * b.den};
        return true;
    case Operation::Plus:
        out = {a.num * b.den + b.num * a.den, a.den * b.den};
        return true;
    case Operation::Minus:
        out = {a.num * b.den - b.num * a.den, a.den * b.den};
        return true;
    case Operation::MinusSwapped:
        out = {b.num * a.den - a.num * b.den, a.den * b.den};
        return true;
    case Operation::Divide:
        if (b.num == 0)
            return false;
        out = {a.num * b.den, a.den * b.num};
        return true;
    case Operation::DivideSwapped:
        if (a.num == 0)
            return false;
        out = {b.num * a.den, b.den * a.num};
        return true;
    }
    return false;
}

// The number a value marks: itself when it is exactly a whole number from 1 to 100, else 0.
constexpr int markedNumber(Fraction v) {
    if (v.den < 0) {
        v.num = -v.num;
        v.den = -v.den;
    }
    if (v.num <= 0 || v.num % v.den != 0)
        return 0;
    const int n = v.num / v.den;
    return n <= 100 ? n : 0;
}

enum class Shape : std::uint8_t { Chain, Pairs };

// How a value was made. A chain combines dice positions[0] and [1] with ops[0], that result and
// die [2] with ops[1], and that and die [3] with ops[2]. Pairs combine [0] and [1] with ops[0],
// [2] and [3] with ops[1], and the two results with ops[2].
struct Derivation {
    Shape shape = Shape::Chain;
    std::array<std::uint8_t, 4> positions{};
    std::array<Operation, 3> ops{};
    Fraction value;
};

constexpr Fraction dieValue(const Dice& dice, int position) {
    return {dice[position], 1};
}

// Visits every chain: each die is held back for the last step once, and for each, each of the
// three others is the second-step die once.
template <class Visit> constexpr void forEachChain(const Dice& dice, Visit&& visit) {
    Derivation d;
    d.shape = Shape::Chain;
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 3; ++b) {
            d.positions = {static_cast<std::uint8_t>((a + b % 3) % 4),
                           static_cast<std::uint8_t>((a + (b + 1) % 3) % 4),
                           static_cast<std::uint8_t>((a + (b + 2) % 3) % 4),
                           static_cast<std::uint8_t>((a + 3) % 4)};
            for (int o1 = 0; o1 < kOperations; ++o1) {
                Fraction v1;
                d.ops[0] = static_cast<Operation>(o1);
                if (!combine(dieValue(dice, d.positions[0]), dieValue(dice, d.positions[1]),
                             d.ops[0], v1))
                    continue;
                for (int o2 = 0; o2 < kOperations; ++o2) {
                    Fraction v2;
                    d.ops[1] = static_cast<Operation>(o2);
                    if (!combine(v1, dieValue(dice, d.positions[2]), d.ops[1], v2))
                        continue;
                    for (int o3 = 0; o3 < kOperations; ++o3) {
                        d.ops[2] = static_cast<Operation>(o3);
                        if (combine(v2, dieValue(dice, d.positions[3]), d.ops[2], d.value))
                            visit(d);
                    }
                }
            }
        }
}

// Visits every split of the four dice into two pairs (each split occurs with each pair on
// both sides).
template <class Visit> constexpr void forEachPairing(const Dice& dice, Visit&& visit) {
    Derivation d;
    d.shape = Shape::Pairs;
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 4; ++b) {
            d.positions = {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>((b + 1 + a) % 4),
                           static_cast<std::uint8_t>((b + 2 - a) % 4),
                           static_cast<std::uint8_t>((b + 3) % 4)};
            for (int o1 = 0; o1 < kOperations; ++o1) {
                Fraction left;
                d.ops[0] = static_cast<Operation>(o1);
                if (!combine(dieValue(dice, d.positions[0]), dieValue(dice, d.positions[1]),
                             d.ops[0], left))
                    continue;
                for (int o2 = 0; o2 < kOperations; ++o2) {
                    Fraction right;
                    d.ops[1] = static_cast<Operation>(o2);
                    if (!combine(dieValue(dice, d.positions[2]), dieValue(dice, d.positions[3]),
                                 d.ops[1], right))
                        continue;
                    for (int o3 = 0; o3 < kOperations; ++o3) {
                        d.ops[2] = static_cast<Operation>(o3);
                        if (combine(left, right, d.ops[2], d.value))
                            visit(d);
                    }
                }
            }
        }
}

// The numbers the chains make and the numbers the pairs make, found by walking every
// expression. The game reads the same answers from a table made by these walks.
constexpr NumberSet searchChains(const Dice& dice) {
    NumberSet made;
    forEachChain(dice, [&](const Derivation& d) { made.set(markedNumber(d.value)); });
    made.reset(0);
    return made;
}

constexpr NumberSet searchPairings(const Dice& dice) {
    NumberSet made;
    forEachPairing(dice, [&](const Derivation& d) { made.set(markedNumber(d.value)); });
    made.reset(0);
    return made;
}

// True when every die is a value from 1 to 6.
constexpr bool validDice(const Dice& dice) {
    for (int v : dice)
        if (v < 1 || v > 6)
            return false;
    return true;
}

// Clears `allowed` and marks the numbers the chains of this throw make.
void allowednumbers(const Dice& dice, NumberSet& allowed);

// Adds the numbers the pairs of this throw make; runs after allowednumbers for the same throw.
void allowednumbers2(const Dice& dice, NumberSet& allowed);

// Both of the above: every number 1 to 100 the throw makes.
NumberSet reachableNumbers(const Dice& dice);

} // namespace tezzle
